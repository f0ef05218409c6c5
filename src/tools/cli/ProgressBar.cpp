#include "tools/cli/ProgressBar.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>

namespace velkor::cli {

namespace {

constexpr int kBarWidth = 30;

}  // namespace

ProgressBar::ProgressBar(std::string label, std::uint64_t total)
    : label_(std::move(label)), total_(total), enabled_(total > 0 && isatty(STDERR_FILENO)) {}

ProgressBar::~ProgressBar() {
  Clear();
}

void ProgressBar::Update(std::uint64_t done) {
  if (!enabled_) return;
  const int percent = static_cast<int>(std::min<std::uint64_t>(100, done * 100 / total_));
  if (percent == shownPercent_) return;
  shownPercent_ = percent;
  const int filled = percent * kBarWidth / 100;
  std::cerr << "\r" << label_ << " [" << std::string(static_cast<std::size_t>(filled), '#')
            << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] " << percent
            << "%" << std::flush;
  drawn_ = true;
}

void ProgressBar::Clear() {
  if (!drawn_) return;
  std::cerr << "\r\033[K" << std::flush;
  drawn_ = false;
  shownPercent_ = -1;
}

}  // namespace velkor::cli
