// MessageBox: a modal message box with the standard style bits and results.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace velkor::os {

// Style bits: buttons in the low nibble, icon in 0x10..0x40, default button in 0x100..0x300.
inline constexpr std::int32_t kMbOk = 0, kMbOkCancel = 1, kMbAbortRetryIgnore = 2,
                              kMbYesNoCancel = 3, kMbYesNo = 4, kMbRetryCancel = 5;
inline constexpr std::int32_t kMbIconStop = 16, kMbIconQuestion = 32, kMbIconExclamation = 48,
                              kMbIconInformation = 64;
// Results.
inline constexpr std::int32_t kIdOk = 1, kIdCancel = 2, kIdAbort = 3, kIdRetry = 4, kIdIgnore = 5,
                              kIdYes = 6, kIdNo = 7;

// The results of the buttons that style `type` shows, left to right.
std::vector<std::int32_t> ButtonResults(std::int32_t type);
// The result of the default button: the first, or the one picked by the
// default-button bits 0x100/0x200/0x300 when the box has that many buttons.
std::int32_t DefaultButtonResult(std::int32_t type);

class MessageBox {
 public:
  virtual ~MessageBox() = default;
  // Shows the box and returns the pressed button's result. secondsToWait 0
  // waits until the user answers.
  virtual std::int32_t Popup(const std::string& text, std::int32_t secondsToWait,
                             const std::string& title, std::int32_t type) = 0;
};

}  // namespace velkor::os
