// The stand-in host's collection objects: thin views over the lists their
// owners keep (the host's workbooks, a workbook's sheets, a sheet's OLE
// objects), and the host's language settings.
#pragma once

#include <memory>

#include "platform/host/LanguageSettings.h"
#include "platform/host/OLEObjects.h"
#include "platform/host/Workbooks.h"
#include "platform/host/Worksheets.h"

namespace velkor::sim {

class SimApplication;
class SimWorkbook;
class SimWorksheet;

class SimWorkbooks : public host::Workbooks {
 public:
  explicit SimWorkbooks(std::weak_ptr<SimApplication> app) : app_(std::move(app)) {}
  std::int32_t Count() const override;
  host::WorkbookPtr Item(const Variant& index) override;
  host::WorkbookPtr Add() override;
  host::WorkbookPtr Open(std::string_view path) override;
  void Close() override;
  std::vector<host::WorkbookPtr> Enumerate() override;

 private:
  std::shared_ptr<SimApplication> App() const;
  std::weak_ptr<SimApplication> app_;
};

class SimWorksheets : public host::Worksheets {
 public:
  explicit SimWorksheets(std::shared_ptr<SimWorkbook> book) : book_(std::move(book)) {}
  std::int32_t Count() const override;
  host::WorksheetPtr Item(const Variant& index) override;
  host::WorksheetPtr Add() override;
  std::vector<host::WorksheetPtr> Enumerate() override;

 private:
  std::shared_ptr<SimWorkbook> book_;
};

class SimOLEObjects : public host::OLEObjects {
 public:
  explicit SimOLEObjects(std::shared_ptr<SimWorksheet> sheet) : sheet_(std::move(sheet)) {}
  host::OLEObjectPtr Add(std::string_view classType, const Variant& left, const Variant& top,
                         const Variant& width, const Variant& height) override;
  std::int32_t Count() const override;
  host::OLEObjectPtr Item(const Variant& index) override;
  std::vector<host::OLEObjectPtr> Enumerate() override;

 private:
  std::shared_ptr<SimWorksheet> sheet_;
};

class SimLanguageSettings : public host::LanguageSettings {
 public:
  explicit SimLanguageSettings(std::weak_ptr<SimApplication> app) : app_(std::move(app)) {}
  // Every selector answers with the host's user-interface language.
  std::int32_t LanguageID(std::int32_t selector) const override;

 private:
  std::weak_ptr<SimApplication> app_;
};

}  // namespace velkor::sim
