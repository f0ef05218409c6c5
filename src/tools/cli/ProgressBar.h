// A one-line progress bar on standard error, drawn only when that is a
// terminal; other output must call Clear() before writing a line there.
#pragma once

#include <cstdint>
#include <string>

namespace velkor::cli {

class ProgressBar {
 public:
  // `total` is the amount that makes 100 %; 0 draws nothing.
  ProgressBar(std::string label, std::uint64_t total);
  ~ProgressBar();
  ProgressBar(const ProgressBar&) = delete;
  ProgressBar& operator=(const ProgressBar&) = delete;

  void Update(std::uint64_t done);
  void Clear();

 private:
  std::string label_;
  std::uint64_t total_;
  bool enabled_;
  int shownPercent_ = -1;
  bool drawn_ = false;
};

}  // namespace velkor::cli
