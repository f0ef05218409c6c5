// Statements: how a procedure runs its statements under its error handling.
// One procedure stops at any failure, another skips failing statements, a
// third skips only one error number; code shared between them takes the
// runner and lets each caller keep its own rule.
#pragma once

#include <cstdint>
#include <functional>

namespace velkor {

class Statements {
 public:
  virtual ~Statements() = default;
  virtual void Run(const std::function<void()>& statement) = 0;
  void operator()(const std::function<void()>& statement) { Run(statement); }
};

// Every failure goes on to the caller.
class PlainStatements : public Statements {
 public:
  void Run(const std::function<void()>& statement) override { statement(); }
};

// A failing statement is skipped once `StartSkipping` was called; before
// that a failure goes on to the caller.
class SkippingStatements : public Statements {
 public:
  explicit SkippingStatements(bool skipping = false) : skipping_(skipping) {}
  void Run(const std::function<void()>& statement) override;
  void StartSkipping() { skipping_ = true; }

 private:
  bool skipping_;
};

// A statement failing with error `skipped` is skipped; any other failure
// goes on to the caller.
class SkipErrorStatements : public Statements {
 public:
  explicit SkipErrorStatements(std::int32_t skipped) : skipped_(skipped) {}
  void Run(const std::function<void()>& statement) override;

 private:
  std::int32_t skipped_;
};

}  // namespace velkor
