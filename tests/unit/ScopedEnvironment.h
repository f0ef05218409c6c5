// ScopedEnvironment: sets one environment variable for the length of a test
// and puts back what was there before, on every operating system.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace velkor::test {

inline void SetEnvironment(const std::string& name, const std::optional<std::string>& value) {
#ifdef _WIN32
  // An empty value removes the variable there; the code under test reads an
  // empty variable as unset, so both systems see the same.
  _putenv_s(name.c_str(), value ? value->c_str() : "");
#else
  if (value) {
    ::setenv(name.c_str(), value->c_str(), 1);
  } else {
    ::unsetenv(name.c_str());
  }
#endif
}

class ScopedEnvironment {
 public:
  ScopedEnvironment(std::string name, const std::optional<std::string>& value)
      : name_(std::move(name)) {
    if (const char* old = std::getenv(name_.c_str())) saved_ = old;
    SetEnvironment(name_, value);
  }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
  ~ScopedEnvironment() { SetEnvironment(name_, saved_); }

  void Set(const std::optional<std::string>& value) { SetEnvironment(name_, value); }

 private:
  std::string name_;
  std::optional<std::string> saved_;
};

}  // namespace velkor::test
