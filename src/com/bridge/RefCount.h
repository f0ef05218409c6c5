// RefCount: the reference count of a COM object that deletes itself when its
// last reference goes. Every object of the library counts through one, so
// that AddRef and Release mean the same everywhere.
#pragma once

#include <windows.h>

#include <atomic>

namespace velkor::com {

class RefCount {
 public:
  ULONG Add() { return ++count_; }
  // Drops one reference; deletes `self` with the last one.
  template <class Object>
  ULONG Drop(Object* self) {
    const ULONG left = --count_;
    if (left == 0) delete self;
    return left;
  }

 private:
  std::atomic<ULONG> count_{1};  // the creator's reference
};

}  // namespace velkor::com
