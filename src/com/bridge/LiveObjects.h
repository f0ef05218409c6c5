// LiveObjects: how many COM objects of the library are alive.
//
// Every object the library hands out counts itself here while it lives, so
// that DllCanUnloadNow can answer S_OK only when none is left.
#pragma once

namespace velkor::com {

void ObjectCreated();
void ObjectDestroyed();
long LiveObjectCount();

// Counts the object it is a member of.
class LiveObject {
 public:
  LiveObject() { ObjectCreated(); }
  LiveObject(const LiveObject&) : LiveObject() {}
  LiveObject& operator=(const LiveObject&) = default;
  ~LiveObject() { ObjectDestroyed(); }
};

}  // namespace velkor::com
