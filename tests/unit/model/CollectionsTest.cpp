#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/Servers.h"
#include "model/ZaltPoints.h"
#include "platform/ErrorNumbers.h"
#include "platform/VbError.h"

namespace velkor {
namespace {

std::int32_t ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const VbError& e) {
    return e.number();
  }
  return 0;
}

Variant Call(Object& object, std::string_view member, std::vector<Variant> args = {},
             InvokeKind kind = InvokeKind::Method) {
  return object.Invoke(member, kind, args);
}

std::vector<std::string> Names(const ZaltPoints& points) {
  std::vector<std::string> names;
  for (const auto& point : points) names.push_back(point->Name().AsString());
  return names;
}

TEST(CollectionsTest, ZaltPointsKeepTheOrderOfAdding) {
  ZaltPoints points;
  EXPECT_EQ(points.Count(), 0);
  auto first = points.Add("n1", "t1", "s1");
  points.Add("n2", "t2", "s2");
  points.Add("n3", "t3", "s3");
  EXPECT_EQ(points.Count(), 3);
  EXPECT_EQ(points.item(Variant(std::int16_t{1})), first);
  EXPECT_EQ(first->TagName().AsString(), "t1");
  EXPECT_EQ(first->ServerName().AsString(), "s1");

  points.Delete(Variant(std::int32_t{1}));
  EXPECT_EQ(Names(points), (std::vector<std::string>{"n2", "n3"}));
  points.Delete(Variant(2.0));
  EXPECT_EQ(Names(points), (std::vector<std::string>{"n2"}));
}

TEST(CollectionsTest, BadPositionsFailWithInvalidArgument) {
  ZaltPoints points;
  Servers servers;
  for (int i = 0; i < 2; ++i) {
    points.Add("n", "t", "s");
    servers.Add(Variant("s"), Variant(), Variant());
  }
  const std::vector<Variant> bad = {Variant(std::int32_t{0}),
                                    Variant(std::int32_t{3}),
                                    Variant(std::int32_t{-1}),
                                    Variant("1"),
                                    Variant(),
                                    Variant::Null(),
                                    Variant(1e20),
                                    Variant(true),
                                    Variant::Nothing()};
  for (const auto& index : bad) {
    SCOPED_TRACE(index.TypeName());
    EXPECT_EQ(ErrorOf([&] { points.item(index); }), err::kInvalidProcedureCall);
    EXPECT_EQ(ErrorOf([&] { points.Delete(index); }), err::kInvalidProcedureCall);
    EXPECT_EQ(ErrorOf([&] { servers.item(index); }), err::kInvalidProcedureCall);
    EXPECT_EQ(ErrorOf([&] { servers.Delete(index); }), err::kInvalidProcedureCall);
  }
  EXPECT_EQ(points.Count(), 2);
  EXPECT_EQ(servers.Count(), 2);
  EXPECT_EQ(points.item(Variant(1.6))->Name().AsString(), "n");  // rounds to position 2
}

TEST(CollectionsTest, ZaltPointPropertiesKeepText) {
  ZaltPoint point;
  point.SetName(Variant(std::int32_t{42}));
  point.SetTagName(Variant(2.5));
  point.SetServerName(Variant(true));
  EXPECT_EQ(point.Name().AsString(), "42");
  EXPECT_EQ(point.TagName().AsString(), "2.5");
  EXPECT_EQ(point.ServerName().AsString(), "True");

  std::vector<Variant> value = {Variant(std::int16_t{7})};
  point.Invoke("name", InvokeKind::PropertyLet, value);
  EXPECT_EQ(Call(point, "NAME", {}, InvokeKind::PropertyGet).AsString(), "7");
  EXPECT_EQ(ErrorOf([&] { Call(point, "Colour"); }), err::kNoSupport);
}

TEST(CollectionsTest, ServerPropertiesKeepTheVariantAndStatusKeepsNothing) {
  Servers servers;
  auto server = servers.Add(Variant("srv"), Variant(std::int32_t{12}), Variant(5450.0));
  EXPECT_EQ(server->ServerName().AsString(), "srv");
  EXPECT_EQ(server->NodeID().type(), VarType::Long);
  EXPECT_EQ(server->Port().type(), VarType::Double);
  EXPECT_TRUE(server->IsDefault().IsEmpty());

  std::vector<Variant> yes = {Variant(true)};
  server->Invoke("IsDefault", InvokeKind::PropertyLet, yes);
  server->Invoke("Status", InvokeKind::PropertyLet, yes);
  EXPECT_EQ(Call(*server, "isdefault").type(), VarType::Boolean);
  EXPECT_TRUE(Call(*server, "Status").IsEmpty());
}

TEST(CollectionsTest, LateBoundMembers) {
  auto points = std::make_shared<ZaltPoints>();
  auto servers = std::make_shared<Servers>();
  Call(*points, "Add", {Variant("n1"), Variant("t1"), Variant("s1")});
  Call(*points, "add", {Variant(std::int16_t{2}), Variant("t2"), Variant("s2")});
  Call(*servers, "Add", {Variant("srv"), Variant(), Variant()});

  EXPECT_EQ(Call(*points, "Count").AsLong(), 2);
  EXPECT_EQ(Call(*servers, "COUNT").AsLong(), 1);
  auto second = Call(*points, "", {Variant(std::int16_t{2})}).ObjectAs<ZaltPoint>();
  ASSERT_TRUE(second);
  EXPECT_EQ(second->Name().AsString(), "2");
  EXPECT_EQ(Call(*points, "Item", {Variant(std::int16_t{1})}).ObjectAs<ZaltPoint>(),
            points->item(Variant(std::int16_t{1})));
  EXPECT_EQ(ErrorOf([&] { Call(*servers, "", {Variant(std::int16_t{1})}); }), err::kNoSupport);
  EXPECT_TRUE(Call(*servers, "item", {Variant(std::int16_t{1})}).ObjectAs<Server>());
  EXPECT_EQ(ErrorOf([&] { Call(*points, "Add", {Variant("only one")}); }), err::kWrongArgCount);
  EXPECT_EQ(ErrorOf([&] { Call(*points, "Count", {}, InvokeKind::PropertyLet); }), err::kNoSupport);

  const Variant items = Call(*points, "NewEnum");
  ASSERT_TRUE(items.IsArray());
  ASSERT_EQ(items.AsArray().size(), 2u);
  EXPECT_EQ(items.AsArray().at(1).ObjectAs<ZaltPoint>(), second);

  Call(*points, "Delete", {Variant(std::int16_t{1})});
  EXPECT_EQ(points->Count(), 1);
  EXPECT_EQ(points->TypeName(), "ZaltPoints");
  EXPECT_EQ(Variant(servers).TypeName(), "Servers");
}

}  // namespace
}  // namespace velkor
