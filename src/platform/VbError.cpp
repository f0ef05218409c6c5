#include "platform/VbError.h"

#include <new>
#include <utility>

namespace velkor {

namespace {

constexpr std::uint32_t kRuntimeFacility = 0x800A0000u;

// The runtime's wording for a failing HRESULT that carries no text of its own.
constexpr const char* kAutomationError = "Automation error";

bool IsRuntimeNumber(std::int32_t number) {
  return number > 0 && number <= 0xFFFF;
}

HRESULT HResultOf(std::int32_t number) {
  if (IsRuntimeNumber(number)) return static_cast<HRESULT>(kRuntimeFacility | number);
  return number;  // a component's own code travels as it is
}

}  // namespace

VbError::VbError(std::int32_t number, std::string description, std::string source)
    : number_(number),
      hresult_(HResultOf(number)),
      description_(description.empty() ? StandardDescription(number) : std::move(description)),
      source_(std::move(source)) {}

VbError VbError::FromHResult(HRESULT hr, std::string description, std::string source) {
  const auto bits = static_cast<std::uint32_t>(hr);
  if ((bits & 0xFFFF0000u) == kRuntimeFacility && (bits & 0xFFFFu) != 0) {
    return VbError(static_cast<std::int32_t>(bits & 0xFFFFu), std::move(description),
                   std::move(source));
  }
  if (description.empty() && hr < 0) description = kAutomationError;
  return VbError(hr, std::move(description), std::move(source));
}

void Raise(std::int32_t number, std::string source, std::string description) {
  throw VbError(number, std::move(description), std::move(source));
}

void RaiseHResult(HRESULT hr, std::string source, std::string description) {
  throw VbError::FromHResult(hr, std::move(description), std::move(source));
}

VbError CurrentError() {
  try {
    throw;
  } catch (const VbError& e) {
    return e;
  } catch (const std::bad_alloc&) {
    return VbError(7);
  } catch (const std::exception& e) {
    return VbError(51, std::string(StandardDescription(51)) + ": " + e.what());
  } catch (...) {
    return VbError(51);
  }
}

}  // namespace velkor
