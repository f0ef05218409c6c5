#include "standins/host/SimControlSite.h"

#include "standins/ForeignView.h"
#include "standins/host/SimApplication.h"
#include "standins/host/SimOLEObject.h"
#include "standins/host/SimWorkbook.h"

namespace velkor::sim {

SimControlSite::SimControlSite(std::weak_ptr<SimOLEObject> frame, std::weak_ptr<SimApplication> app,
                               std::int32_t windowHandle)
    : frame_(std::move(frame)), app_(std::move(app)), windowHandle_(windowHandle) {}

bool SimControlSite::AmbientUserMode() const {
  auto app = app_.lock();
  return app ? app->UserMode() : true;
}

std::string SimControlSite::ExtenderName() const {
  auto frame = Frame();
  return frame && !detached_ ? frame->RawName() : std::string();
}

std::shared_ptr<SimWorkbook> SimControlSite::Book() const {
  auto frame = detached_ ? nullptr : Frame();
  auto sheet = frame ? frame->Sheet() : nullptr;
  auto book = sheet ? sheet->Book() : nullptr;
  return book && !book->IsClosed() ? book : nullptr;
}

// In the by-name mode the control gets a view, and reaches the whole object
// model from it by name only. The stand-in components embedded beside it
// belong to the stand-ins' side and keep reaching their workbook directly.
ObjectPtr SimControlSite::Parent() const {
  auto app = app_.lock();
  if (app && app->ControlsSeeByName() && EmbedsTheControl()) return ForeignView::Wrap(Book());
  return Book();
}

// Settled while the frame still holds its object, so that the answer stays
// the same after the frame is deleted.
bool SimControlSite::EmbedsTheControl() const {
  if (!embedsTheControl_) {
    auto frame = Frame();
    auto control = frame ? frame->Control() : nullptr;
    const auto* object = dynamic_cast<const Object*>(control.get());
    if (!object) return false;
    embedsTheControl_ = ForeignView::IsControlsOwn(*object);
  }
  return *embedsTheControl_;
}

void SimControlSite::PropertyChanged(std::string_view name) {
  changed_.emplace_back(name);
  if (auto book = Book()) book->SetDirty(true);
}

std::shared_ptr<host::ControlTimer> SimControlSite::CreateTimer() {
  auto app = app_.lock();
  auto clock = app ? app->ClockPtr() : VirtualClock::Create();
  auto timer = clock->CreateTimer();
  if (detached_) timer->Retire();
  timers_.push_back(timer);
  return timer;
}

void SimControlSite::Detach() {
  detached_ = true;
  for (const auto& weak : timers_)
    if (auto timer = weak.lock()) {
      timer->SetEnabled(false);
      timer->Retire();
    }
}

}  // namespace velkor::sim
