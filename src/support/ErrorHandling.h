// The two error-handling styles of the control's operations.
//
// Report-and-return: an operation runs under one handler; a failure ends it,
// goes to ReportError with the operation's fixed name and section 0, and the
// caller sees success.
//
// Continue-on-error: each statement of an event handler runs on its own; a
// failing one is skipped and whatever it would have set keeps its value.
#pragma once

#include <string_view>
#include <utility>

#include "platform/VbError.h"
#include "support/ErrorReport.h"

namespace velkor {

// Runs `body`; a failure is reported under `procName`. Returns true when the
// body completed.
template <class Body>
bool RunReported(std::string_view procName, Body&& body) {
  try {
    std::forward<Body>(body)();
    return true;
  } catch (...) {
    ReportError(procName, 0, CurrentError());
    return false;
  }
}

// As RunReported, but `onError(const VbError&)` sees the error first and
// returns true when it has dealt with it (a message shown, an expected code
// cleared); only errors it declines are reported.
template <class Body, class OnError>
bool RunReported(std::string_view procName, Body&& body, OnError&& onError) {
  try {
    std::forward<Body>(body)();
    return true;
  } catch (...) {
    VbError error = CurrentError();
    if (!std::forward<OnError>(onError)(error)) ReportError(procName, 0, error);
    return false;
  }
}

// Runs one statement under continue-on-error; returns false when it failed.
// Assign results inside the statement so that a failure leaves them as they were.
template <class Statement>
bool TryStep(Statement&& statement) noexcept {
  try {
    std::forward<Statement>(statement)();
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace velkor
