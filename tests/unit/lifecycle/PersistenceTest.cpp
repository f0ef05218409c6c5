#include <gtest/gtest.h>

#include <random>

#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "standins/host/SimPropertyBag.h"
#include "unit/control/Fakes.h"
#include "unit/lifecycle/TrendHost.h"
#include "unit/model/CapturedLog.h"

namespace velkor::test {
namespace {

// Remembers the order of the keys read and written.
class RecordingBag : public sim::SimPropertyBag {
 public:
  using SimPropertyBag::SimPropertyBag;
  Variant ReadProperty(std::string_view name, const Variant& defaultValue) override {
    reads.emplace_back(name);
    if (name == failingKey) throw VbError(err::kTypeMismatch);
    return SimPropertyBag::ReadProperty(name, defaultValue);
  }
  void WriteProperty(std::string_view name, const Variant& value,
                     const Variant& defaultValue) override {
    writes.emplace_back(name);
    if (name == failingKey) throw VbError(err::kTypeMismatch);
    SimPropertyBag::WriteProperty(name, value, defaultValue);
  }
  std::vector<std::string> reads;
  std::vector<std::string> writes;
  std::string failingKey;
};

const std::vector<std::string> kWriteOrder = {
    "WizardControlName",   "TrendName",         "ExcelDcName",     "ZaltArcDCName",
    "TrendSheetName",      "bZaltArcDCRemoved", "bExcelDCRemoved", "bExcelDcConnected",
    "bZaltArcDcConnected", "strStartTime",      "strEndTime",      "tglStartTime",
    "tglEndTime",          "strtxtStartTime",   "strtxtEndTime",   "bFirstSetTime",
    "TrendPosition",       "TraceInfoXML",      "TrendTitle"};

class PersistenceTest : public TrendHost {
 protected:
  std::shared_ptr<ExcelTrendWizard> control = InsertControl();
};

TEST_F(PersistenceTest, WritesEveryKeyInOrderAndOmitsDefaults) {
  RecordingBag bag;
  control->WriteProperties(bag);
  EXPECT_EQ(bag.writes, kWriteOrder);
  // A fresh control named by the container holds every default.
  EXPECT_TRUE(bag.Entries().empty());
  EXPECT_TRUE(Reports().empty());
}

TEST_F(PersistenceTest, ReadsTheRemovedFlagsInReverseOrder) {
  RecordingBag bag;
  control->ReadProperties(bag);
  std::vector<std::string> expected = kWriteOrder;
  std::swap(expected[5], expected[6]);
  EXPECT_EQ(bag.reads, expected);
  EXPECT_TRUE(Reports().empty());
}

TEST_F(PersistenceTest, TheDefaultNameReadsBackInItsOtherSpelling) {
  control->WizardControlName = "ExcelTrendWizard1";
  control->bFirstSetTime = true;
  sim::SimPropertyBag bag;
  control->WriteProperties(bag);
  EXPECT_FALSE(bag.Contains("WizardControlName"));
  EXPECT_FALSE(bag.Contains("bFirstSetTime"));
  EXPECT_FALSE(bag.Contains("TrendTitle"));  // the default title is not saved
  auto other = InsertControl();
  other->ReadProperties(bag);
  EXPECT_EQ(other->WizardControlName, "ExcelTrendwizard1");
}

TEST_F(PersistenceTest, EveryKeyRoundTripsWithAwkwardValues) {
  std::mt19937 random(20261207);
  const std::string texts[] = {"<a&b>\"'", "Größe °C Ω", "", "  blanks  ", "\\\\srv\\tag"};
  const Variant times[] = {
      Variant("*-8H"),          Variant(2.5), Variant(DateValue{46363.25}), Variant(true),
      Variant(std::int32_t{7}), Variant("")};
  for (int round = 0; round < 20; ++round) {
    auto text = [&] { return texts[random() % std::size(texts)]; };
    auto flag = [&] { return random() % 2 == 0; };
    auto& c = *control;
    c.WizardControlName = text() + "W";
    c.TrendName = text();
    c.ExcelDcName = text();
    c.ZaltArcDCName = text();
    c.TrendSheetName = text();
    c.bZaltArcDCRemoved = flag();
    c.bExcelDCRemoved = flag();
    c.ExcelDCConnected = flag();
    c.ZaltArcDCConnected = flag();
    c.strStartTime = times[random() % std::size(times)];
    c.strEndTime = times[random() % std::size(times)];
    c.tglStartTime = flag();
    c.tglEndTime = flag();
    c.strtxtStartTime = text();
    c.strtxtEndTime = text();
    c.bFirstSetTime = flag();
    c.TrendPosition = text() + "$B$2";
    c.TraceInfo = "<traceinfo><trace1><TraceName>" + text() + "</TraceName></trace1></traceinfo>";
    sim::SimPropertyBag bag;
    c.WriteProperties(bag);
    auto again = InsertControl();
    again->ReadProperties(bag);
    EXPECT_EQ(again->WizardControlName, c.WizardControlName);
    EXPECT_EQ(again->TrendName, c.TrendName);
    EXPECT_EQ(again->ExcelDcName, c.ExcelDcName);
    EXPECT_EQ(again->ZaltArcDCName, c.ZaltArcDCName);
    EXPECT_EQ(again->TrendSheetName, c.TrendSheetName);
    EXPECT_EQ(again->bZaltArcDCRemoved, c.bZaltArcDCRemoved);
    EXPECT_EQ(again->bExcelDCRemoved, c.bExcelDCRemoved);
    EXPECT_EQ(again->ExcelDCConnected, c.ExcelDCConnected);
    EXPECT_EQ(again->ZaltArcDCConnected, c.ZaltArcDCConnected);
    EXPECT_EQ(again->strStartTime.type(), c.strStartTime.type());
    EXPECT_TRUE(VarEquals(again->strStartTime, c.strStartTime));
    EXPECT_TRUE(VarEquals(again->strEndTime, c.strEndTime));
    EXPECT_EQ(again->tglStartTime, c.tglStartTime);
    EXPECT_EQ(again->tglEndTime, c.tglEndTime);
    EXPECT_EQ(again->strtxtStartTime, c.strtxtStartTime);
    EXPECT_EQ(again->strtxtEndTime, c.strtxtEndTime);
    EXPECT_EQ(again->bFirstSetTime, c.bFirstSetTime);
    EXPECT_EQ(again->TrendPosition, c.TrendPosition);
    EXPECT_EQ(again->TraceInfo, c.TraceInfo);
  }
  EXPECT_TRUE(Reports().empty());
}

TEST_F(PersistenceTest, AKeyThatFailsToReadDoesNotLoseTheKeysAfterIt) {
  sim::SimPropertyBag saved;
  control->TrendName = "ZaltTrend1_Sheet1";
  control->TraceInfo = "<traceinfo><trace1><TraceName>t</TraceName></trace1></traceinfo>";
  control->WriteProperties(saved);
  RecordingBag bag(saved.Entries());
  bag.failingKey = "tglStartTime";
  auto again = InsertControl();
  again->LanguageID = "";
  again->ReadProperties(bag);
  EXPECT_EQ(again->TraceInfo, control->TraceInfo);
  EXPECT_EQ(again->TrendName, "ZaltTrend1_Sheet1");
  ASSERT_EQ(Reports().size(), 1u);
  EXPECT_NE(Reports()[0].find(" UserControl_ReadProperties"), std::string::npos);
  // A later save writes back what the file held.
  sim::SimPropertyBag resaved;
  again->WriteProperties(resaved);
  EXPECT_TRUE(resaved.Contains("TraceInfoXML"));
}

TEST_F(PersistenceTest, AFailedWriteKeepsTheKeysWrittenBeforeIt) {
  control->TrendName = "ZaltTrend1_Sheet1";
  control->TraceInfo = "<traceinfo/>";
  RecordingBag bag;
  bag.failingKey = "strStartTime";
  control->WriteProperties(bag);
  EXPECT_EQ(bag.writes.back(), "strStartTime");  // the write ended there
  EXPECT_TRUE(bag.Contains("TrendName"));
  EXPECT_FALSE(bag.Contains("TraceInfoXML"));
  ASSERT_EQ(Reports().size(), 1u);
  EXPECT_NE(Reports()[0].find(" UserControl_WriteProperties"), std::string::npos);
}

TEST_F(PersistenceTest, ReadingTakesTheHostsLanguage) {
  app->SetUILanguage(1049);
  sim::SimPropertyBag bag;
  control->ReadProperties(bag);
  EXPECT_EQ(control->LanguageID, "1049");
}

TEST(PersistenceWithoutHost, ReportsAndKeepsTheLanguage) {
  CapturedLog log;
  ExcelTrendWizard control;
  auto site = std::make_shared<FakeSite>();  // its parent is no workbook
  control.SetSite(site);
  sim::SimPropertyBag bag({{"TrendName", Variant("ZaltTrend1_Sheet1")}});
  control.ReadProperties(bag);
  EXPECT_EQ(control.TrendName, "ZaltTrend1_Sheet1");
  EXPECT_EQ(control.LanguageID, "");
  ASSERT_EQ(log.Lines().size(), 1u);
  EXPECT_NE(log.Lines()[0].find(" UserControl_ReadProperties"), std::string::npos);
}

}  // namespace
}  // namespace velkor::test
