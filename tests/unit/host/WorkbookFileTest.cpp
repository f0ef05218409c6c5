#include <gtest/gtest.h>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <fstream>
#include <sstream>

#include "os/linux/AtomicFile.h"
#include "platform/ErrorNumbers.h"
#include "platform/host/HostModel.h"
#include "standins/host/SimWorkbook.h"
#include "standins/host/SimWorksheet.h"
#include "unit/common/ScaledWork.h"
#include "unit/host/HostFixture.h"

namespace velkor::host_test {
namespace {

namespace fs = std::filesystem;

class WorkbookFileTest : public HostFixture {
 protected:
  void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // The description of the error that opening `text` as a file raises.
  std::string OpenError(const std::string& text) {
    Write(folder.File("bad.json"), text);
    std::string description;
    EXPECT_EQ(RaisedNumber([&] { app->Workbooks()->Open(folder.File("bad.json")); }, &description),
              err::kAppDefined);
    EXPECT_EQ(app->Workbooks()->Count(), 0);
    return description;
  }

  TempFolder folder;
};

TEST_F(WorkbookFileTest, RoundTripKeepsSheetsCellsGeometryAndObjects) {
  auto book = NewBook();
  auto sheet = book->Worksheets()->Item(Variant("Sheet2"));
  sheet->SetName("L'été Ω");
  driver.SetCells("'L''été Ω'!A1", Variant("tag ü"));
  driver.SetCells("'L''été Ω'!B1", Variant(1.5));
  driver.SetCells("'L''été Ω'!C1", Variant(true));
  driver.SetCells("'L''été Ω'!D1", Variant(DateValue{46363.25}));
  driver.SetCells("'L''été Ω'!E1", Variant(ErrorValue{2015}));
  driver.SetCells("'L''été Ω'!F1", Variant("2015"));
  sheet->SetColumnWidth(3, 75.5);
  sheet->SetRowHeight(4, 22.0);
  driver.Activate("'L''été Ω'!B3");
  auto frame = sheet->OLEObjects()->Add(kRecorderProgId, Variant(12.0), Variant(34.0),
                                        Variant(300.0), Variant(150.0));
  frame->SetName("ZaltTrend1_Sheet2");
  frame->SetVisible(false);
  ControlOf(frame)->values = {{"Text", Variant("Trend ä")},
                              {"Flag", Variant(true)},
                              {"Count", Variant(std::int32_t{42})},
                              {"Small", Variant(std::int16_t{-3})},
                              {"Ratio", Variant(0.25)},
                              {"When", Variant(DateValue{46363.5})},
                              {"Start", Variant("*-8H")},
                              {"Title", Variant("Plotvane")}};
  const std::string path = folder.File("Trend Book.json");
  driver.Save("Book1", path);
  EXPECT_EQ(book->Name(), "Trend Book.json");
  EXPECT_FALSE(book->Dirty());
  ASSERT_TRUE(driver.Close("Trend Book.json"));

  auto loaded = driver.Open(path);
  EXPECT_EQ(loaded->Name(), "Trend Book.json");
  EXPECT_FALSE(loaded->Dirty());
  auto again = loaded->Worksheets()->Item(Variant(std::int32_t{2}));
  EXPECT_EQ(again->Name(), "L'été Ω");
  EXPECT_EQ(again->CodeName(), "Sheet2");
  EXPECT_EQ(app->ActiveSheet(), again);
  EXPECT_EQ(app->ActiveCell()->Address(), "$B$3");
  EXPECT_EQ(again->Range(Variant("A1"))->Value().AsString(), "tag ü");
  EXPECT_EQ(again->Range(Variant("B1"))->Value().AsDouble(), 1.5);
  EXPECT_TRUE(again->Range(Variant("C1"))->Value().AsBool());
  EXPECT_EQ(again->Range(Variant("D1"))->Value().AsDate(), DateValue{46363.25});
  EXPECT_EQ(again->Range(Variant("E1"))->Value().AsError().code, 2015);
  EXPECT_EQ(again->Range(Variant("F1"))->Value().AsString(), "2015");
  EXPECT_DOUBLE_EQ(again->ColumnWidth(3), 75.5);
  EXPECT_DOUBLE_EQ(again->RowHeight(4), 22.0);

  auto object = again->OLEObjects()->Item(Variant("ZaltTrend1_Sheet2"));
  EXPECT_DOUBLE_EQ(object->Left(), 12.0);
  EXPECT_DOUBLE_EQ(object->Top(), 34.0);
  EXPECT_DOUBLE_EQ(object->Width(), 300.0);
  EXPECT_DOUBLE_EQ(object->Height(), 150.0);
  EXPECT_FALSE(object->Visible());
  auto control = ControlOf(object);
  EXPECT_EQ(control->calls, (std::vector<std::string>{"SetSite", "Initialize", "ReadProperties",
                                                      "Resize", "Show"}));
  ASSERT_EQ(control->values.size(), RecordingControl::Schema().size());
  const VarType types[] = {VarType::String, VarType::Boolean, VarType::Long,   VarType::Integer,
                           VarType::Double, VarType::Date,    VarType::String, VarType::String};
  for (std::size_t i = 0; i < control->values.size(); ++i)
    EXPECT_EQ(control->values[i].second.type(), types[i]) << control->values[i].first;
  EXPECT_EQ(control->values[3].second.AsInteger(), -3);
  EXPECT_EQ(control->values[5].second.AsDate(), DateValue{46363.5});
  // "Title" equalled its default and was not written; it read back as the default.
  EXPECT_EQ(Read(path).find("\"Title\""), std::string::npos);
}

TEST_F(WorkbookFileTest, ObjectsThatAreNoControlsKeepTheirSavedState) {
  Write(folder.File("plain.json"), R"({"format": "velkor-workbook", "version": 1,
    "sheets": [{"name": "Sheet1", "oleObjects": [{"progId": "Test.Plain.1", "name": "Chart",
      "left": 1, "top": 2, "width": 3, "height": 4, "properties": {"Series": {"long": 3}}}]}]})");
  driver.Open(folder.File("plain.json"));
  driver.Save("plain.json", folder.File("copy.json"));
  EXPECT_NE(Read(folder.File("copy.json")).find("\"Series\": {\n              \"long\": 3"),
            std::string::npos);
}

TEST_F(WorkbookFileTest, OpenRaisesWorkbookOpenAndSecondOpenOfTheSameFileReusesIt) {
  NewBook();
  driver.Save("Book1", folder.File("a.json"));
  driver.Close("a.json");
  std::vector<std::string> opened;
  Connection c =
      app->WorkbookOpen.Connect([&](host::WorkbookPtr wb) { opened.push_back(wb->Name()); });
  auto first = app->Workbooks()->Open(folder.File("a.json"));
  auto second = app->Workbooks()->Open(folder.File("a.json"));
  EXPECT_EQ(first, second);
  EXPECT_EQ(opened, std::vector<std::string>{"a.json"});
  EXPECT_EQ(app->Workbooks()->Item(Variant("A.JSON")), first);
}

TEST_F(WorkbookFileTest, AFailedSaveLeavesTheOldFileIntact) {
  NewBook();
  const std::string path = folder.File("keep.json");
  driver.Save("Book1", path);
  const std::string before = Read(path);
  driver.SetCells("A1", Variant("changed"));
  app->SetSaveFault({.failAfterBytes = 40});
  std::string description;
  EXPECT_EQ(RaisedNumber([&] { driver.Save("keep.json"); }, &description), err::kAppDefined);
  EXPECT_NE(description.find("keep.json"), std::string::npos) << description;
  EXPECT_EQ(Read(path), before);
  EXPECT_TRUE(app->Workbooks()->Item(Variant("keep.json")) != nullptr);
  for (const auto& entry : fs::directory_iterator(folder.path()))
    EXPECT_EQ(entry.path().filename(), "keep.json");  // no temporary file left behind
  app->SetSaveFault({});
  driver.Save("keep.json");
  EXPECT_NE(Read(path).find("changed"), std::string::npos);
}

TEST_F(WorkbookFileTest, SavingOverAFolderOrIntoAMissingFolderFails) {
  NewBook();
  fs::create_directories(folder.path() / "dir.json" / "inner");
  EXPECT_EQ(RaisedNumber([&] { driver.Save("Book1", folder.File("dir.json")); }), err::kAppDefined);
  EXPECT_TRUE(fs::is_directory(folder.path() / "dir.json" / "inner"));
  EXPECT_EQ(RaisedNumber([&] { driver.Save("Book1", folder.File("none/x.json")); }),
            err::kAppDefined);
  EXPECT_EQ(app->ActiveWorkbook()->Name(), "Book1");
}

TEST(AtomicFileTest, WritesWholeFilesAndFailsHalfWayCleanly) {
  TempFolder folder;
  const std::string path = folder.File("f.txt");
  sim::WriteFileAtomically(path, "old content");
  EXPECT_THROW(sim::WriteFileAtomically(path, "new content", {.failAfterBytes = 3}),
               std::system_error);
  EXPECT_EQ(sim::ReadWholeFile(path), "old content");
  sim::WriteFileAtomically(path, "new content");
  EXPECT_EQ(sim::ReadWholeFile(path), "new content");
  EXPECT_THROW(sim::ReadWholeFile(folder.File("missing.txt")), std::system_error);
  EXPECT_THROW(sim::ReadWholeFile(folder.path()), std::system_error);
}

// Killed writers, FIFOs and devices as POSIX systems have them.
#ifndef _WIN32
TEST(AtomicFileTest, AWriteRemovesTheTemporaryFilesOfKilledWritesOfTheSameFile) {
  TempFolder folder;
  const std::string stale = folder.File(".f.txt.Ab3dE9"), held = folder.File(".f.txt.Zz0000");
  const std::string others[] = {folder.File(".f.txt.Ab3dE"), folder.File(".g.txt.Ab3dE9"),
                                folder.File("f.txt.Ab3dE9"), folder.File(".f.txt.Ab3d-9")};
  for (const auto& file : {stale, held}) std::ofstream(file) << "half";
  for (const auto& file : others) std::ofstream(file) << "other";
  // A writer still at work holds its temporary file locked.
  const int lock = ::open(held.c_str(), O_RDONLY);
  ASSERT_EQ(::flock(lock, LOCK_EX), 0);
  sim::WriteFileAtomically(folder.File("f.txt"), "content");
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_TRUE(fs::exists(held));
  for (const auto& file : others) EXPECT_TRUE(fs::exists(file)) << file;
  ::close(lock);
  sim::WriteFileAtomically(folder.File("f.txt"), "content");
  EXPECT_FALSE(fs::exists(held));
  EXPECT_EQ(sim::ReadWholeFile(folder.File("f.txt")), "content");
}

TEST(AtomicFileTest, ReadsRefuseWhatIsNoRegularFileAndWhatIsTooLarge) {
  TempFolder folder;
  auto refusal = [](const std::string& path) {
    try {
      sim::ReadWholeFile(path);
    } catch (const std::system_error& e) {
      return e.code().message();
    }
    return std::string("read");
  };
  const std::string fifo = folder.File("fifo");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(refusal(fifo), "not a regular file");  // without waiting for a writer
  EXPECT_EQ(refusal("/dev/zero"), "not a regular file");
  const std::string large = folder.File("large");
  std::ofstream(large) << "x";
  fs::resize_file(large, sim::kMaxReadBytes + 1);  // sparse: no disk used
  EXPECT_EQ(refusal(large), "larger than 256 MB");
  fs::resize_file(large, 3);
  EXPECT_EQ(refusal(large), "read");
}

#endif  // _WIN32

TEST_F(WorkbookFileTest, MalformedFilesFailWithTheFileAndThePlace) {
  const std::string header = R"({"format": "velkor-workbook", "version": 1, )";
  const std::pair<std::string, std::string> cases[] = {
      {"{\"format\": ", "byte 12"},
      {"[1, 2]", "at /: expected an object"},
      {R"({"version": 1, "sheets": []})", "/format"},
      {R"({"format": "other", "version": 1, "sheets": []})", "/format"},
      {R"({"format": "velkor-workbook", "version": 2, "sheets": []})", "version 2 is newer"},
      {R"({"format": "velkor-workbook", "version": "1", "sheets": []})", "/version"},
      {header + R"("sheets": []})", "/sheets: a workbook needs at least one sheet"},
      {header + R"("sheets": [{"name": "A:B"}]})", "/sheets/0/name: invalid sheet name"},
      {header + R"("sheets": [{"name": "S"}, {"name": "s"}]})", "/sheets/1/name: duplicate"},
      {header + R"("sheets": [{"name": "S", "cells": {"A0": 1}}]})", "/sheets/0/cells/A0"},
      {header + R"("sheets": [{"name": "S", "cells": {"A1": {"date": "2026-13-01T00:00:00"}}}]})",
       "/sheets/0/cells/A1/date"},
      {header + R"("sheets": [{"name": "S", "cells": {"A1": {"long": 3000000000}}}]})",
       "/sheets/0/cells/A1/long: number out of range"},
      {header + R"("sheets": [{"name": "S", "cells": {"A1": [1]}}]})", "/sheets/0/cells/A1"},
      {header + R"("sheets": [{"name": "S", "cells": {"A1": {"colour": 1}}}]})",
       "unknown value type"},
      {header + R"("sheets": [{"name": "S", "columnWidths": {"A": -1}}]})",
       "/sheets/0/columnWidths/A"},
      {header + R"("sheets": [{"name": "S", "rowHeights": {"0": 5}}]})", "/sheets/0/rowHeights/0"},
      {header + R"("sheets": [{"name": "S", "oleObjects": [{"progId": "Test.Plain.1"}]}]})",
       "/sheets/0/oleObjects/0/name: missing"},
      {header + R"("sheets": [{"name": "S", "oleObjects": [{"progId": "P", "name": "a/b",
        "left": 0, "top": 0, "width": 1, "height": "x"}]}]})",
       "/sheets/0/oleObjects/0/height"},
      {header + R"("activeSheet": "T", "sheets": [{"name": "S"}]})", "/activeSheet"},
      {header + R"("sheets": [{"name": "S", "cells": {"A1": 1e400}}]})",
       "at byte 90: number out of range"},
      {header + R"("sheets": [{"name": "S", "cells": {"A1": )" + std::string(100, '[') + "1",
       "/sheets/0/cells/A1/0/0"},
  };
  for (const auto& [text, place] : cases) {
    std::string description = OpenError(text);
    EXPECT_NE(description.find("bad.json"), std::string::npos) << description;
    EXPECT_NE(description.find(place), std::string::npos) << description << " / " << place;
    EXPECT_EQ(description.find("json.exception"), std::string::npos) << description;
  }
  std::string missing;
  EXPECT_EQ(RaisedNumber([&] { driver.Open(folder.File("nope.json")); }, &missing),
            err::kAppDefined);
  EXPECT_NE(missing.find("nope.json"), std::string::npos);
}

// Each open is of a file of its own name, so that no close (which takes the
// objects out one by one) counts.
TEST_F(WorkbookFileTest, ASheetOfManyObjectsOpensInTimeProportionalToThem) {
  int opened = 0;
  test::ExpectLinear(
      [&](int n) {
        std::string objects;
        for (int i = 0; i < n; ++i)
          objects += std::string(i ? ", " : "") + R"({"progId": "Test.Plain.1", "name": "P)" +
                     std::to_string(i) + R"(", "left": 0, "top": 0, "width": 1, "height": 1})";
        const std::string file = folder.File("many" + std::to_string(++opened) + ".json");
        Write(file, R"({"format": "velkor-workbook", "version": 1, "sheets": [{"name": "S",
                  "oleObjects": [)" +
                        objects + "]}]}");
        driver.Open(file);
      },
      500);
}

TEST_F(WorkbookFileTest, UnknownKeysAreIgnoredAndMissingCodeNamesAreGiven) {
  Write(folder.File("extra.json"), R"({"format": "velkor-workbook", "version": 1, "author": "x",
    "sheets": [{"name": "Main", "colour": "red"}, {"name": "Other", "codeName": "Sheet1"}]})");
  auto book = driver.Open(folder.File("extra.json"));
  EXPECT_EQ(book->Worksheets()->Item(Variant("Main"))->CodeName(), "Sheet2");
  EXPECT_EQ(book->Worksheets()->Item(Variant("Other"))->CodeName(), "Sheet1");
}

TEST_F(WorkbookFileTest, AnObjectThatCannotBeCreatedFailsTheOpenWithoutLeftovers) {
  Write(folder.File("missing-class.json"), R"({"format": "velkor-workbook", "version": 1,
    "sheets": [{"name": "S", "oleObjects": [
      {"progId": "Test.Recorder", "name": "R", "left": 0, "top": 0, "width": 1, "height": 1},
      {"progId": "Not.Registered", "name": "X", "left": 0, "top": 0, "width": 1, "height": 1}]}]})");
  std::string description;
  EXPECT_EQ(RaisedNumber([&] { driver.Open(folder.File("missing-class.json")); }, &description),
            err::kCannotCreateObject);
  EXPECT_NE(description.find("missing-class.json"), std::string::npos);
  EXPECT_NE(description.find("at /sheets/0/oleObjects/1/progId: "), std::string::npos)
      << description;
  EXPECT_EQ(app->Workbooks()->Count(), 0);
}

}  // namespace
}  // namespace velkor::host_test
