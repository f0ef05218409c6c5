// ComPtr: an owning COM interface pointer.
//
// The bridge and the server hold every interface through one of these, so
// that each AddRef has its Release on every path, including a raised error.
#pragma once

#include <windows.h>

#include <objbase.h>

#include <cstddef>
#include <utility>

namespace velkor::com {

template <class I>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(std::nullptr_t) {}
  // Shares `p`: takes a reference of its own.
  explicit ComPtr(I* p) : p_(p) {
    if (p_) p_->AddRef();
  }
  ComPtr(const ComPtr& other) : ComPtr(other.p_) {}
  ComPtr(ComPtr&& other) noexcept : p_(other.Detach()) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(p_, other.p_);
    return *this;
  }
  ~ComPtr() { Reset(); }

  // Takes over the reference the caller holds on `p`.
  static ComPtr Adopt(I* p) {
    ComPtr out;
    out.p_ = p;
    return out;
  }
  void Attach(I* p) {
    Reset();
    p_ = p;
  }
  // Gives up ownership: the caller now holds the reference.
  I* Detach() { return std::exchange(p_, nullptr); }
  void Reset() {
    if (I* p = std::exchange(p_, nullptr)) p->Release();
  }
  // For an out-parameter: releases what is held and returns the slot.
  I** Out() {
    Reset();
    return &p_;
  }
  // A new reference for an out-parameter of the caller.
  I* CopyOut() const {
    if (p_) p_->AddRef();
    return p_;
  }

  I* get() const { return p_; }
  I* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

  // QueryInterface; empty when the object does not implement the interface.
  template <class J>
  ComPtr<J> As(REFIID iid) const {
    ComPtr<J> out;
    if (p_) p_->QueryInterface(iid, reinterpret_cast<void**>(out.Out()));
    return out;
  }
  template <class J>
  ComPtr<J> As() const {
    return As<J>(__uuidof(J));
  }

 private:
  I* p_ = nullptr;
};

}  // namespace velkor::com
