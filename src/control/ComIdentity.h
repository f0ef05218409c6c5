// ComIdentity: the fixed identifiers under which this library publishes its
// classes, interfaces and type library. They were chosen once and never
// change: containers store the class identifier with every saved workbook,
// and early-bound callers compile the interface identifiers in.
#pragma once

#include <cstdint>
#include <string_view>

#include "control/Guid.h"

namespace velkor::com_identity {

inline constexpr std::string_view kTypeLibName = "Velkor";
inline constexpr std::string_view kTypeLibHelpString = "Excel Trend Wizard";
inline constexpr std::uint16_t kTypeLibMajor = 3;
inline constexpr std::uint16_t kTypeLibMinor = 8;
inline constexpr std::uint32_t kTypeLibLcid = 1033;
inline constexpr std::string_view kTypeLibHelpFile = "..\\help\\en\\zalttrendxl.hlp";
// The doc string and help context of the control's class and interfaces.
inline constexpr std::string_view kControlDocString = "Zalt Trend Excel";
inline constexpr std::uint32_t kControlHelpContext = 1;

inline constexpr std::string_view kControlProgId = "Velkor.ExcelTrendWizard";
inline constexpr std::string_view kControlVersionedProgId = "Velkor.ExcelTrendWizard.1";
inline constexpr std::string_view kResourceStringsProgId = "Velkor.ResourceStrings";
inline constexpr std::string_view kResourceStringsVersionedProgId = "Velkor.ResourceStrings.1";

// Each identifier is written as {data1, data2, data3, {data4}} under its
// registry text.
// {8E2A7DEB-481D-407C-9EEE-1E39C75D1BF9}
inline constexpr Guid kLibId{
    0x8E2A7DEB, 0x481D, 0x407C, {0x9E, 0xEE, 0x1E, 0x39, 0xC7, 0x5D, 0x1B, 0xF9}};
// {A74A00B0-870C-4975-A353-458206DE3714}
inline constexpr Guid kClsidExcelTrendWizard{
    0xA74A00B0, 0x870C, 0x4975, {0xA3, 0x53, 0x45, 0x82, 0x06, 0xDE, 0x37, 0x14}};
// {BFA3FC46-8050-4C1B-8BBA-2DEB2C3913E5}
inline constexpr Guid kIid_ExcelTrendWizard{
    0xBFA3FC46, 0x8050, 0x4C1B, {0x8B, 0xBA, 0x2D, 0xEB, 0x2C, 0x39, 0x13, 0xE5}};
// {5F6FF947-038C-4478-8176-5A531D0F8A6E}
inline constexpr Guid kDiid__ExcelTrendWizard{
    0x5F6FF947, 0x038C, 0x4478, {0x81, 0x76, 0x5A, 0x53, 0x1D, 0x0F, 0x8A, 0x6E}};
// {77A77115-2A9D-448A-A7AC-B8471904CA94}
inline constexpr Guid kClsidZaltPoint{
    0x77A77115, 0x2A9D, 0x448A, {0xA7, 0xAC, 0xB8, 0x47, 0x19, 0x04, 0xCA, 0x94}};
// {98962A04-E891-498F-B9E2-5F7E2C02BA8D}
inline constexpr Guid kIid_ZaltPoint{
    0x98962A04, 0xE891, 0x498F, {0xB9, 0xE2, 0x5F, 0x7E, 0x2C, 0x02, 0xBA, 0x8D}};
// {F7495F84-3860-4697-A300-8EF8E46970C0}
inline constexpr Guid kClsidZaltPoints{
    0xF7495F84, 0x3860, 0x4697, {0xA3, 0x00, 0x8E, 0xF8, 0xE4, 0x69, 0x70, 0xC0}};
// {46C97AD6-612A-4F00-A5E8-2DFEA457F4E9}
inline constexpr Guid kIid_ZaltPoints{
    0x46C97AD6, 0x612A, 0x4F00, {0xA5, 0xE8, 0x2D, 0xFE, 0xA4, 0x57, 0xF4, 0xE9}};
// {DAD586EC-DD7B-4689-8A0A-812C3364ABBA}
inline constexpr Guid kClsidServer{
    0xDAD586EC, 0xDD7B, 0x4689, {0x8A, 0x0A, 0x81, 0x2C, 0x33, 0x64, 0xAB, 0xBA}};
// {F81019F8-3CFD-476F-9466-D18E9DDE294E}
inline constexpr Guid kIid_Server{
    0xF81019F8, 0x3CFD, 0x476F, {0x94, 0x66, 0xD1, 0x8E, 0x9D, 0xDE, 0x29, 0x4E}};
// {330D6CFD-DD06-4BAD-8BAC-D6C211CBAD4A}
inline constexpr Guid kClsidServers{
    0x330D6CFD, 0xDD06, 0x4BAD, {0x8B, 0xAC, 0xD6, 0xC2, 0x11, 0xCB, 0xAD, 0x4A}};
// {EB777ED2-809B-488F-92B7-A0EBBCDD52E9}
inline constexpr Guid kIid_Servers{
    0xEB777ED2, 0x809B, 0x488F, {0x92, 0xB7, 0xA0, 0xEB, 0xBC, 0xDD, 0x52, 0xE9}};
// {1F3C9D01-A4F8-484E-84CA-571ED75154A8}
inline constexpr Guid kClsidResourceStrings{
    0x1F3C9D01, 0xA4F8, 0x484E, {0x84, 0xCA, 0x57, 0x1E, 0xD7, 0x51, 0x54, 0xA8}};
// {8B5B8AEA-7611-4753-86DE-82068E0013BC}
inline constexpr Guid kIid_ResourceStrings{
    0x8B5B8AEA, 0x7611, 0x4753, {0x86, 0xDE, 0x82, 0x06, 0x8E, 0x00, 0x13, 0xBC}};
// {F6CDEBF1-5BE4-479F-9239-95864592D952}
inline constexpr Guid kRecordTraceOrder{
    0xF6CDEBF1, 0x5BE4, 0x479F, {0x92, 0x39, 0x95, 0x86, 0x45, 0x92, 0xD9, 0x52}};
// {FABA8BC3-481A-49C3-A51F-6844EFCF6532}
inline constexpr Guid kEnumOpenPramEnum{
    0xFABA8BC3, 0x481A, 0x49C3, {0xA5, 0x1F, 0x68, 0x44, 0xEF, 0xCF, 0x65, 0x32}};
// {A2ACD686-3F95-4B90-9C23-1908AA71F838}
inline constexpr Guid kEnumQuereParam{
    0xA2ACD686, 0x3F95, 0x4B90, {0x9C, 0x23, 0x19, 0x08, 0xAA, 0x71, 0xF8, 0x38}};

// The service a container may offer through its client site's
// IServiceProvider: timers driven by the container's clock rather than the
// window system's (an IDispatch with CreateTimer(Callback) returning a timer
// with the properties Enabled and Interval, which calls the callback's
// default member on each tick). A container without it gets window timers.
// {7FDB1A28-192B-4DA6-AA0C-1D93F0543C42}
inline constexpr Guid kSidContainerTimers{
    0x7FDB1A28, 0x192B, 0x4DA6, {0xAA, 0x0C, 0x1D, 0x93, 0xF0, 0x54, 0x3C, 0x42}};

// The service through which a container may supply the profile (INI) files
// its controls read their settings from, as a sandboxed or portable host
// does: an IDispatch with Exists(File), ReadString(File, Section, Key,
// Default, BufferSize) and ReadSection(File, Section, BufferSize), answering
// as the platform's profile calls do. Once a client site offers it, the
// thread's profile reads go through it.
// {95052F85-92A5-4BEC-A6DF-D9AB86FEC6CF}
inline constexpr Guid kSidContainerProfiles{
    0x95052F85, 0x92A5, 0x4BEC, {0xA6, 0xDF, 0xD9, 0xAB, 0x86, 0xFE, 0xC6, 0xCF}};

}  // namespace velkor::com_identity
