// Module: what the library knows about itself as a loaded in-process server:
// its own module handle and file, and the services its objects need on the
// thread that creates them.
#pragma once

#include <windows.h>

#include <string>

namespace velkor::com {

// The library's module handle, recorded when the loader attaches it.
HMODULE ModuleHandle();
void SetModuleHandle(HMODULE module);
// The full path of the library file.
std::wstring ModulePath();

// Puts the operating-system services in place for the calling thread when it
// has none yet: the Windows services (os/windows/WindowsServices.h), whose
// factory creates the library's own classes in process; with
// VELKOR_OS_SERVICES=files the file-backed registry, profile files, folders
// and log of os/linux instead, for tests that must show no window.
void EnsureThreadServices();

}  // namespace velkor::com
