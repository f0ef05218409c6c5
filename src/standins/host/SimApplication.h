// SimApplication: the in-process stand-in for the spreadsheet host. Besides
// the host's object model it carries what surrounds the host in a session:
// the user's cell-edit mode, the container's user mode, the language, the
// macros of add-ins, the virtual clock of the timers, and the objects that
// wait to be released after a deletion.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "os/linux/AtomicFile.h"
#include "platform/host/Application.h"
#include "standins/host/VirtualClock.h"

namespace velkor::sim {

class SimWorkbook;
class SimWorkbooks;
class SimLanguageSettings;

class SimApplication : public host::Application {
 public:
  using Macro = std::function<Variant(std::span<Variant> args)>;

  static std::shared_ptr<SimApplication> Create();
  ~SimApplication() override;
  std::shared_ptr<SimApplication> Self();

  // host::Application
  host::WorkbooksPtr Workbooks() override;
  host::WorkbookPtr ActiveWorkbook() override;
  host::WorksheetPtr ActiveSheet() override;
  host::RangePtr ActiveCell() override;
  host::RangePtr Intersect(const host::RangePtr& first, const host::RangePtr& second) override;
  Variant ConvertFormula(const Variant& formula, std::int32_t fromStyle,
                         std::int32_t toStyle) override;
  Variant Run(std::string_view macro, std::vector<Variant> args) override;
  host::LanguageSettingsPtr LanguageSettings() override;
  // Whether embedded controls reach this host and its components only by
  // name, through views (ForeignView.h), as they would across COM.
  bool ControlsSeeByName() const { return controlsSeeByName_; }
  void SetControlsSeeByName(bool byName) { controlsSeeByName_ = byName; }

  std::int32_t ScreenMousePointer() const override { return mousePointer_; }
  void SetScreenMousePointer(std::int32_t pointer) override { mousePointer_ = pointer; }

  // The session around the host.
  bool CellEditMode() const { return cellEditMode_; }
  void SetCellEditMode(bool editing) { cellEditMode_ = editing; }
  bool UserMode() const { return userMode_; }  // the containers' ambient UserMode
  void SetUserMode(bool userMode) { userMode_ = userMode; }
  bool EnableEvents() const { return enableEvents_; }
  void SetEnableEvents(bool enable) { enableEvents_ = enable; }
  std::int32_t UILanguage() const { return uiLanguage_; }
  void SetUILanguage(std::int32_t langId) { uiLanguage_ = langId; }
  std::int32_t SheetsInNewWorkbook() const { return sheetsInNewWorkbook_; }
  void SetSheetsInNewWorkbook(std::int32_t count);
  // Macros that Run finds by name (letter case ignored).
  void RegisterMacro(std::string_view name, Macro macro);
  // Makes later saves fail as a full disk would (nullopt: saves work).
  void SetSaveFault(WriteFault fault) { saveFault_ = std::move(fault); }
  const WriteFault& SaveFault() const { return saveFault_; }

  VirtualClock& Clock() { return *clock_; }
  std::shared_ptr<VirtualClock> ClockPtr() { return clock_; }

  // The open workbooks, in opening order.
  const std::vector<std::shared_ptr<SimWorkbook>>& Books() const { return books_; }
  std::shared_ptr<SimWorkbook> FindBook(std::string_view name) const;  // letter case ignored
  std::shared_ptr<SimWorkbook> ActiveBook() const { return active_.lock(); }
  std::shared_ptr<SimWorkbook> AddBook();
  // Puts a workbook built elsewhere (a loaded file) into the list as the active one.
  void AdoptBook(std::shared_ptr<SimWorkbook> book);
  std::shared_ptr<SimWorkbook> OpenBook(const std::string& path);
  void Activate(const std::shared_ptr<SimWorkbook>& book);
  // Takes a closed workbook out of the list.
  void RemoveBook(const SimWorkbook& book);
  // Closes every workbook without honouring Cancel and releases everything
  // deleted; the session ends. Call it before dropping the host: controls
  // hold the host, and only closing their workbooks lets go of them.
  void Quit();

  // A value for WindowHandle, different for every call.
  std::int32_t NewWindowHandle() { return nextWindowHandle_ += 0x10; }

  // Deleted objects are released only when no call of the host is on the
  // stack, so that a control may delete its own frame inside one of its
  // methods. A DriverScope marks such a call from outside (a test, the
  // scenario runner); leaving the outermost one releases what waits.
  void DeferRelease(ObjectPtr object);
  class DriverScope {
   public:
    explicit DriverScope(SimApplication& app);
    ~DriverScope();
    DriverScope(const DriverScope&) = delete;
    DriverScope& operator=(const DriverScope&) = delete;

   private:
    std::shared_ptr<SimApplication> app_;
  };
  std::size_t PendingReleaseCount() const { return deferred_.size(); }

 private:
  SimApplication() = default;
  void ReleaseDeferred();

  std::vector<std::shared_ptr<SimWorkbook>> books_;
  std::weak_ptr<SimWorkbook> active_;
  std::shared_ptr<SimWorkbooks> workbooks_;
  std::shared_ptr<SimLanguageSettings> languageSettings_;
  std::shared_ptr<VirtualClock> clock_ = VirtualClock::Create();
  std::map<std::string, Macro> macros_;  // keyed by upper-case name
  std::vector<ObjectPtr> deferred_;
  WriteFault saveFault_;
  int driverDepth_ = 0;
  bool cellEditMode_ = false;
  bool userMode_ = true;
  bool enableEvents_ = true;
  std::int32_t uiLanguage_ = 1033;
  std::int32_t mousePointer_ = 0;
  bool controlsSeeByName_ = false;
  std::int32_t sheetsInNewWorkbook_ = 3;
  std::int32_t nextBookNumber_ = 1;
  std::int32_t nextWindowHandle_ = 0x00010000;
};

}  // namespace velkor::sim
