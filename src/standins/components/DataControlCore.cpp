#include "standins/components/DataControlCore.h"

#include "standins/components/library/BagFields.h"
#include "standins/components/library/QuerySpecPersistence.h"
#include "standins/components/library/SimDataObject.h"

namespace velkor::sim {

DataControlCore::DataControlCore(DataFeed& feed) : feed_(feed) {
  store->onApplied = [this] {
    MarkDirty("QuerySpecs");
    feed_.FeedChanged.Raise();
  };
}

void DataControlCore::SetLanguage(const std::string& langId) {
  language = langId;
  MarkDirty("Language");
}

std::vector<std::string> DataControlCore::AppliedNames() const {
  std::vector<std::string> names;
  names.reserve(store->Applied().size());
  for (const auto& spec : store->Applied()) names.push_back(spec->Name());
  return names;
}

void DataControlCore::MarkDirty(std::string_view property) const {
  if (site) site->PropertyChanged(property);
}

ObjectPtr DataControlCore::Workbook() const {
  return site ? site->Parent() : nullptr;
}

ObjectPtr DataControlCore::AnnounceData(const Event<ObjectPtr, Variant>& onDataChange,
                                        std::int32_t mode, std::string_view fallbackName) {
  std::string name = site ? site->ExtenderName() : std::string();
  ObjectPtr dataObject =
      std::make_shared<SimDataObject>(name.empty() ? std::string(fallbackName) : name);
  onDataChange.Raise(dataObject, Variant(mode));
  feed_.FeedChanged.Raise();
  return dataObject;
}

void DataControlCore::WriteCommon(host::PropertyBag& bag) const {
  bag.WriteProperty("Language", Variant(language), Variant(""));
  WriteSpecs(bag, store->Working());
}

void DataControlCore::ReadCommon(host::PropertyBag& bag) {
  language = ReadTextField(bag, "Language", "");
  store->Load(ReadSpecs(bag));
}

}  // namespace velkor::sim
