#pragma once
// The common state of every imaging object: its handle.
//
// The platform's imaging library identifies each native object by a handle and
// the skin engine tests "handle of 0" to know whether an object is empty. Here
// every native object (a Qt image, painter, path, pen ...) gets a fresh number
// from a process-wide counter when it is created; the number is never reused,
// so two live objects never share a handle and 0 always means "holds nothing".
#include <cstdint>

namespace vexo {

using ImgHandle = std::uint64_t;

class ImgObject {
 public:
  ImgObject() = default;
  ImgObject(const ImgObject&) = delete;
  ImgObject& operator=(const ImgObject&) = delete;
  ImgObject(ImgObject&& other) noexcept : handle_(other.handle_) { other.handle_ = 0; }
  ImgObject& operator=(ImgObject&& other) noexcept {
    handle_ = other.handle_;
    other.handle_ = 0;
    return *this;
  }

  // The native handle, 0 when the object holds nothing.
  ImgHandle Handle() const { return handle_; }
  bool IsEmpty() const { return handle_ == 0; }

 protected:
  ~ImgObject() = default;
  // Gives the object a new handle (a native object was created).
  void TakeNewHandle();
  // The native object was released.
  void ClearHandle() { handle_ = 0; }

 private:
  ImgHandle handle_ = 0;
};

}  // namespace vexo
