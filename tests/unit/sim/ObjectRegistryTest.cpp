#include <gtest/gtest.h>

#include "os/linux/ObjectRegistry.h"
#include "platform/ErrorNumbers.h"

namespace velkor::sim {
namespace {

class Named : public Object {
 public:
  explicit Named(std::string name) : name_(std::move(name)) {}
  std::string TypeName() const override { return name_; }

 private:
  std::string name_;
};

TEST(SimObjectRegistry, CreatesByProgIdIgnoringLetterCase) {
  ObjectRegistry registry;
  registry.Register("Zalt.Trend", [] { return std::make_shared<Named>("first"); });
  EXPECT_EQ(registry.CreateObject("zalt.TREND")->TypeName(), "first");
  EXPECT_TRUE(registry.IsRegistered("ZALT.trend"));

  registry.Register("ZALT.TREND", [] { return std::make_shared<Named>("second"); });
  EXPECT_EQ(registry.CreateObject("Zalt.Trend")->TypeName(), "second");
}

TEST(SimObjectRegistry, AnUnknownProgIdIsError429NamingIt) {
  ObjectRegistry registry;
  registry.Register("Zalt.Trend", [] { return std::make_shared<Named>("x"); });
  registry.Unregister("zalt.trend");
  for (std::string_view progId : {"Zalt.Trend", "KVRT1049.ResourceStrings", ""}) {
    try {
      registry.CreateObject(progId);
      ADD_FAILURE() << "created " << progId;
    } catch (const VbError& e) {
      EXPECT_EQ(e.number(), err::kCannotCreateObject);
      EXPECT_NE(e.description().find(progId), std::string::npos) << e.description();
    }
  }
}

TEST(SimObjectRegistry, ACreatorMayCreateFurtherObjects) {
  ObjectRegistry registry;
  registry.Register("Inner", [] { return std::make_shared<Named>("inner"); });
  registry.Register("Outer", [&registry] { return registry.CreateObject("Inner"); });
  EXPECT_EQ(registry.CreateObject("Outer")->TypeName(), "inner");
}

}  // namespace
}  // namespace velkor::sim
