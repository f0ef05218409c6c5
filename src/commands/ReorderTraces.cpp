#include "commands/ReorderTraces.h"

#include "control/ExcelTrendWizard.h"
#include "model/TraceInfoXml.h"
#include "model/Traces.h"
#include "trend/TraceOrdering.h"

namespace velkor {

namespace {

// Disables the timer for its lifetime and gives it back its state after.
class PausedTimer {
 public:
  explicit PausedTimer(host::ControlTimer* timer)
      : timer_(timer), wasEnabled_(timer && timer->Enabled()) {
    if (wasEnabled_) timer_->SetEnabled(false);
  }
  ~PausedTimer() {
    if (timer_) timer_->SetEnabled(wasEnabled_);
  }
  PausedTimer(const PausedTimer&) = delete;
  PausedTimer& operator=(const PausedTimer&) = delete;

 private:
  host::ControlTimer* timer_;
  bool wasEnabled_;
};

}  // namespace

void ReorderTraces(ExcelTrendWizard& c) {
  ReadXML(c.TraceInfo);
  PausedTimer paused(c.Timer1.get());
  if (TracesUBound() < 1) return;
  if (!c.m_objTrend) c.ShellMsgBox(c.TrendName);
  auto& chart = Deref(c.m_objTrend.get());
  ReorderWhenComplete(chart, MatchChartTraces(chart, TraceKey::SourceAndName));
}

}  // namespace velkor
