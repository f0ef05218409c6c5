#include "control/Statements.h"

#include "platform/VbError.h"
#include "support/ErrorHandling.h"

namespace velkor {

void SkippingStatements::Run(const std::function<void()>& statement) {
  if (skipping_) {
    TryStep(statement);
  } else {
    statement();
  }
}

void SkipErrorStatements::Run(const std::function<void()>& statement) {
  try {
    statement();
  } catch (...) {
    if (CurrentError().number() != skipped_) throw;
  }
}

}  // namespace velkor
