#include "control/OwnObjects.h"

#include "control/ExcelTrendWizard.h"

namespace velkor {

ObjectScope OwnObjectScope(const ExcelTrendWizard& c) {
  return ObjectScope{c.m_objWorkbook, c.TrendSheetName};
}

ObjectPtr GetOwnObject(const ExcelTrendWizard& c, std::string_view name) {
  return GetObjectByName(name, OwnObjectScope(c));
}

void DeleteOwnObject(const ExcelTrendWizard& c, std::string_view name, const Object* held) {
  DeleteObjectByName(name, held, OwnObjectScope(c));
}

}  // namespace velkor
