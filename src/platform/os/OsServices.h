// The operating-system services the control uses, each behind a small
// interface. The host (or a test) installs the implementations for its thread
// with InstallOsServices; the control reaches them only through OsServices().
#pragma once

#include <memory>

namespace velkor::os {

class ObjectFactory;
class MessageBox;
class LogSink;
class Registry;
class ProfileFiles;
class Folders;

struct Services {
  std::shared_ptr<ObjectFactory> objects;  // CreateObject by ProgID
  std::shared_ptr<MessageBox> messageBox;  // behind "WScript.Shell" Popup
  std::shared_ptr<LogSink> log;            // behind the logging component
  std::shared_ptr<Registry> registry;
  std::shared_ptr<ProfileFiles> profiles;
  std::shared_ptr<Folders> folders;
};

// The services of the calling thread; members not installed are empty.
Services& OsServices();
void InstallOsServices(Services services);

}  // namespace velkor::os
