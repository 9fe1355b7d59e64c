#pragma once
// Owns a handle and frees it with Free::operator() when it goes out of scope
// (GDI objects, registry keys, modules: see ui/gdi.h and win/registry.h).
#include <utility>

namespace orlavox {

// Owns a handle and frees it with Free::operator().
template <class H, class Free>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(H h) : h_(h) {}
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& o) noexcept : h_(o.Release()) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    Reset(o.Release());
    return *this;
  }
  ~UniqueHandle() { Reset(); }

  H Get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  H Release() { return std::exchange(h_, nullptr); }
  void Reset(H h = nullptr) {
    if (h_) Free()(h_);
    h_ = h;
  }

 private:
  H h_ = nullptr;
};

}  // namespace orlavox
