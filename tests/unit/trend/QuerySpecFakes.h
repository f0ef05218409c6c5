// Fakes for the query-specification operations: data controls that record
// every call in the shared log as "who:what(arguments)" and can be told to
// fail, and a query object holding named specifications.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "control/components/QueryObject.h"
#include "control/components/QuerySpec.h"
#include "control/components/QuerySpecs.h"
#include "platform/Conversions.h"
#include "platform/ErrorNumbers.h"
#include "unit/control/Fakes.h"

namespace velkor::test {

// A Variant as the log shows it; Missing as "?".
inline std::string Shown(const Variant& v) {
  return v.IsMissing() ? "?" : CStr(v);
}

class NamedSpec : public component::QuerySpec {
 public:
  explicit NamedSpec(std::string name) : name_(std::move(name)) {}
  std::string TypeName() const override { return "QuerySpec"; }
  std::string Name() const override { return name_; }
  void SetName(const std::string& name) override { name_ = name; }
  component::SpecAttributesPtr Attributes() override { return nullptr; }

 private:
  std::string name_;
};

// Item by 1-based position or by name; anything else is Subscript out of range.
class NamedSpecs : public component::QuerySpecs {
 public:
  std::string TypeName() const override { return "QuerySpecs"; }
  std::int32_t Count() const override { return static_cast<std::int32_t>(specs.size()); }
  component::QuerySpecPtr Item(const Variant& positionOrName) override {
    if (positionOrName.IsString()) {
      for (const auto& spec : specs)
        if (spec->Name() == positionOrName.AsString()) return spec;
    } else {
      const std::int32_t i = CLng(positionOrName);
      if (i >= 1 && i <= Count()) return specs[static_cast<std::size_t>(i - 1)];
    }
    Raise(err::kSubscriptOutOfRange);
  }
  void Remove(const std::string&) override {}
  std::vector<component::QuerySpecPtr> Items() const override { return specs; }
  void Add(const std::string& name) { specs.push_back(std::make_shared<NamedSpec>(name)); }

  std::vector<component::QuerySpecPtr> specs;
};

class NamedQuery : public component::QueryObject {
 public:
  std::string TypeName() const override { return "QueryObject"; }
  component::QuerySpecsPtr QuerySpecs() override { return specs; }
  void SetDataProvider(const component::DataProviderPtr&) override {}
  std::shared_ptr<NamedSpecs> specs = std::make_shared<NamedSpecs>();
};

// Add and remove raise `addError` / `removeError` (HRESULTs) when set.
class RecordingArchiveDC : public FakeArchiveDC {
 public:
  explicit RecordingArchiveDC(CallLog* log) : FakeArchiveDC(log), log_(log) {}
  ObjectPtr AddQuerySpec(const std::string& server, const std::string& tag,
                         const std::string& start, const std::string& end, bool markers,
                         const Variant& reserved1, const Variant& reserved2,
                         std::int32_t options) override {
    if (addError) RaiseHResult(addError);
    Log("add(" + server + "," + tag + "," + start + "," + end + "," + Shown(markers) + "," +
        Shown(reserved1) + "," + Shown(reserved2) + "," + std::to_string(options) + ")");
    return nullptr;
  }
  void RemoveQuerySpec(const std::string& server, const std::string& tag) override {
    if (removeError) RaiseHResult(removeError);
    Log("remove(" + server + "," + tag + ")");
  }
  component::QueryObjectPtr QueryObject() override { return query; }
  void BeginGroupedChange() override { Log("begin"); }
  void Revert() override { Log("revert"); }
  ObjectPtr QueryData(const Variant& mode) override {
    Log("query(" + Shown(mode) + ")");
    return nullptr;
  }

  std::shared_ptr<NamedQuery> query = std::make_shared<NamedQuery>();
  HRESULT addError = 0;
  HRESULT removeError = 0;

 private:
  void Log(const std::string& call) {
    if (log_) log_->push_back("archive:" + call);
  }
  CallLog* log_;
};

class RecordingExcelDC : public FakeExcelDC {
 public:
  explicit RecordingExcelDC(CallLog* log) : FakeExcelDC(log), log_(log) {}
  ObjectPtr AddQuerySpecs(const std::string& range, const Variant& names, const Variant& rowWise,
                          const Variant& stepped, const Variant& isStatic, const Variant& markers,
                          const Variant& reserved, bool option) override {
    Log("add(" + range + "," + Shown(names) + "," + Shown(rowWise) + "," + Shown(stepped) + "," +
        Shown(isStatic) + "," + Shown(markers) + "," + Shown(reserved) + "," + Shown(option) + ")");
    return nullptr;
  }
  void RemoveQuerySpec(const Variant& item) override { Log("remove(" + Shown(item) + ")"); }
  component::QueryObjectPtr QueryObject() override { return query; }
  void BeginGroupedChange() override { Log("begin"); }
  void SetFirstSwitch(bool on) override { Log("first(" + Shown(on) + ")"); }
  void SetSecondSwitch(bool on) override { Log("second(" + Shown(on) + ")"); }
  ObjectPtr QueryData(const Variant& mode, bool option) override {
    Log("query(" + Shown(mode) + "," + Shown(option) + ")");
    return nullptr;
  }

  std::shared_ptr<NamedQuery> query = std::make_shared<NamedQuery>();

 private:
  void Log(const std::string& call) {
    if (log_) log_->push_back("excel:" + call);
  }
  CallLog* log_;
};

}  // namespace velkor::test
