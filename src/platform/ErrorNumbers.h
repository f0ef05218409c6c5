// Error numbers and HRESULTs the control raises, tests or passes on.
#pragma once

#include <cstdint>

#include "platform/VbError.h"

namespace velkor::err {

// Runtime error numbers.
inline constexpr std::int32_t kInvalidProcedureCall = 5;
inline constexpr std::int32_t kOverflow = 6;
inline constexpr std::int32_t kOutOfMemory = 7;
inline constexpr std::int32_t kSubscriptOutOfRange = 9;
inline constexpr std::int32_t kDivisionByZero = 11;
inline constexpr std::int32_t kTypeMismatch = 13;
inline constexpr std::int32_t kInternal = 51;
inline constexpr std::int32_t kFileNotFound = 53;
inline constexpr std::int32_t kPathFileAccess = 75;
inline constexpr std::int32_t kObjectNotSet = 91;
inline constexpr std::int32_t kInvalidUseOfNull = 94;
inline constexpr std::int32_t kResourceNotFound = 326;
inline constexpr std::int32_t kCannotCreateObject = 429;
inline constexpr std::int32_t kNoSupport = 438;
inline constexpr std::int32_t kArgNotOptional = 449;
inline constexpr std::int32_t kWrongArgCount = 450;
inline constexpr std::int32_t kAppDefined = 1004;  // the host's general failure

// HRESULTs.
inline constexpr HRESULT kS_OK = 0;
inline constexpr HRESULT kE_FAIL = static_cast<HRESULT>(0x80004005u);
inline constexpr HRESULT kE_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
inline constexpr HRESULT kE_POINTER = static_cast<HRESULT>(0x80004003u);
inline constexpr HRESULT kE_INVALIDARG = static_cast<HRESULT>(0x80070057u);
// The data components' own codes.
inline constexpr HRESULT kSpecNotHeld = static_cast<HRESULT>(0x8004F001u);
inline constexpr HRESULT kComponentF002 = static_cast<HRESULT>(0x8004F002u);
inline constexpr HRESULT kDuplicateSpec = static_cast<HRESULT>(0x8004F003u);

// Cell error values of the host.
inline constexpr std::int32_t kCellErrorValue = 2015;  // #VALUE!

}  // namespace velkor::err
