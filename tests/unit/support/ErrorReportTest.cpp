#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "platform/ErrorNumbers.h"
#include "platform/os/OsServices.h"
#include "standins/LanguageLibrary.h"
#include "standins/SimServices.h"
#include "support/ErrorReport.h"
#include "support/Language.h"

namespace velkor {
namespace {

class ErrorReport : public ::testing::Test {
 protected:
  void SetUp() override {
    sim_ = sim::InstallSimServices({.languageLibraries = false, .dataDir = std::nullopt});
  }
  sim::SimServices sim_;
};

TEST_F(ErrorReport, FormatsBothFormsWithTheCallersNameAsItIs) {
  struct Case {
    std::string_view procName;
    std::int32_t section;
    VbError error;
    std::string_view expected;
  };
  const Case cases[] = {
      {"ReadXML", 0, VbError(13, "Type mismatch"),
       "Zalt-KX-TrendWizard>Error 13: Type mismatch in ReadXML"},
      {"ReadXML", 5, VbError(13, "Type mismatch"),
       "Zalt-KX-TrendWizard>Error 13: Type mismatch in ReadXML at section # 5"},
      {" UserControl_ReadProperties", 0, VbError(91, "Object variable not set"),
       "Zalt-KX-TrendWizard>Error 91: Object variable not set in  UserControl_ReadProperties"},
      {" Timer1_Timer", 0, VbError(5, "x"), "Zalt-KX-TrendWizard>Error 5: x in  Timer1_Timer"},
      {"failed to read user INI", -2, VbError(53, "File not found"),
       "Zalt-KX-TrendWizard>Error 53: File not found in failed to read user INI at section # -2"},
      {"ETW_DeleteTrend", 0, VbError(1004, ""),
       "Zalt-KX-TrendWizard>Error 1004: Application-defined or object-defined error in "
       "ETW_DeleteTrend"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatErrorReport(c.procName, c.section, c.error), c.expected);
}

TEST_F(ErrorReport, SectionZeroNamesNoSection) {
  auto text = FormatErrorReport("InsertTrend", 0, VbError(438, "no such member"));
  EXPECT_EQ(text.find(" at section # "), std::string::npos);
}

TEST_F(ErrorReport, KeepsTheOwnWordsWhenAnotherLanguageIsLoaded) {
  sim::RegisterLanguageLibrary(*sim_.objects, "1049",
                               {{50121, "Ошибка"}, {50123, " в "}, {50124, " в разделе № "}});
  ASSERT_TRUE(LoadLanguage("1049"));
  ASSERT_EQ(GetString(50121), "Ошибка");
  EXPECT_EQ(FormatErrorReport("ReadXML", 5, VbError(13, "Type mismatch")),
            "Zalt-KX-TrendWizard>Error 13: Type mismatch in ReadXML at section # 5");
}

TEST_F(ErrorReport, WritesOneLinePerReportInOrderWithoutAWindow) {
  ReportError("ReadXML", 0, VbError(13, "Type mismatch"));
  ReportError("WriteXML", 2, VbError(9, "Subscript out of range"));
  EXPECT_EQ(sim_.log->Lines(),
            (std::vector<std::string>{
                "Zalt-KX-TrendWizard>Error 13: Type mismatch in ReadXML",
                "Zalt-KX-TrendWizard>Error 9: Subscript out of range in WriteXML at section # 2"}));
  EXPECT_TRUE(sim_.messageBox->Shown().empty());
}

TEST_F(ErrorReport, WithoutALoggerTheErrorLeavesTheReporter) {
  os::OsServices().log.reset();
  try {
    ReportError("ReadXML", 0, VbError(13, "Type mismatch"));
    ADD_FAILURE() << "the report went nowhere without an error";
  } catch (const VbError& e) {
    EXPECT_EQ(e.number(), err::kCannotCreateObject);
  }
}

TEST_F(ErrorReport, ReportsOfAThreadGoToThatThreadsLogger) {
  std::vector<std::string> otherLines;
  std::thread other([&] {
    auto sim = sim::InstallSimServices({.languageLibraries = false, .dataDir = std::nullopt});
    ReportError("other", 0, VbError(5, "x"));
    otherLines = sim.log->Lines();
  });
  other.join();
  ReportError("main", 0, VbError(5, "x"));

  EXPECT_EQ(otherLines, std::vector<std::string>{"Zalt-KX-TrendWizard>Error 5: x in other"});
  EXPECT_EQ(sim_.log->Lines(), std::vector<std::string>{"Zalt-KX-TrendWizard>Error 5: x in main"});
}

}  // namespace
}  // namespace velkor
