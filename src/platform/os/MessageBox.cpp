#include "platform/os/MessageBox.h"

namespace velkor::os {

namespace {

constexpr std::int32_t kButtonSetMask = 0xF;
constexpr std::int32_t kDefaultButtonMask = 0xF00;
constexpr std::int32_t kDefaultButtonShift = 8;
// The two results of the Cancel/Try Again/Continue set.
constexpr std::int32_t kIdTryAgain = 10, kIdContinue = 11;

}  // namespace

std::vector<std::int32_t> ButtonResults(std::int32_t type) {
  switch (type & kButtonSetMask) {
    case kMbOkCancel:
      return {kIdOk, kIdCancel};
    case kMbAbortRetryIgnore:
      return {kIdAbort, kIdRetry, kIdIgnore};
    case kMbYesNoCancel:
      return {kIdYes, kIdNo, kIdCancel};
    case kMbYesNo:
      return {kIdYes, kIdNo};
    case kMbRetryCancel:
      return {kIdRetry, kIdCancel};
    case 6:
      return {kIdCancel, kIdTryAgain, kIdContinue};
    default:  // OK, and sets the system does not know, which it shows as OK
      return {kIdOk};
  }
}

std::int32_t DefaultButtonResult(std::int32_t type) {
  auto buttons = ButtonResults(type);
  auto index = static_cast<std::size_t>((type & kDefaultButtonMask) >> kDefaultButtonShift);
  return index < buttons.size() ? buttons[index] : buttons.front();
}

}  // namespace velkor::os
