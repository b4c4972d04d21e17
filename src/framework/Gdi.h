// Owners for GDI objects and other handles: each is freed exactly once, when its owner goes.
// Also the conversions between the portable rectangles and colours and the platform's.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <type_traits>
#include <utility>

#include "framework/Colour.h"
#include "framework/Geometry.h"

namespace pelmo {

// A handle that `Destroy` frees when its owner goes.
template <auto Destroy>
struct HandleDestroyer {
  template <typename Handle>
  void operator()(Handle handle) const {
    Destroy(handle);
  }
};
template <typename Handle, auto Destroy>
using ScopedHandle = std::unique_ptr<std::remove_pointer_t<Handle>, HandleDestroyer<Destroy>>;
using ScopedIcon = ScopedHandle<HICON, ::DestroyIcon>;
using ScopedImageList = ScopedHandle<HIMAGELIST, ::ImageList_Destroy>;
using ScopedMenu = ScopedHandle<HMENU, ::DestroyMenu>;
using ScopedWindow = ScopedHandle<HWND, ::DestroyWindow>;

inline Rect ToRect(const RECT& r) {
  return {r.left, r.top, r.right, r.bottom};
}
inline RECT ToRECT(const Rect& r) {
  return {r.left, r.top, r.right, r.bottom};
}

// A window's place on the screen, its client area, and its place in `parent`'s client area.
inline Rect WindowRect(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return ToRect(r);
}
inline Rect ClientRect(HWND window) {
  RECT r{};
  ::GetClientRect(window, &r);
  return ToRect(r);
}
inline Rect RectInParent(HWND parent, HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return ToRect(r);
}

// The work area of the screen that shows `place`'s top-left corner, or of the nearest one.
inline Rect WorkAreaAt(const Rect& place) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoA(::MonitorFromPoint({place.left, place.top}, MONITOR_DEFAULTTONEAREST),
                    &monitor);
  return ToRect(monitor.rcWork);
}

inline constexpr COLORREF ToColorRef(Rgb colour) {
  return RGB(colour.red, colour.green, colour.blue);
}
inline constexpr COLORREF kKeyColourRef = ToColorRef(kKeyColour);

template <typename Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : m_handle(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(GdiObject&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.m_handle, nullptr));
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;

  Handle Get() const { return m_handle; }
  explicit operator bool() const { return m_handle != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (m_handle) ::DeleteObject(m_handle);
    m_handle = handle;
  }

 private:
  Handle m_handle = nullptr;
};

// Selects an object into a device context for the lifetime of the selection.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(::SelectObject(dc, object)) {}
  ~SelectedObject() { ::SelectObject(m_dc, m_previous); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC m_dc;
  HGDIOBJ m_previous;
};

// The screen's device context, for measuring and for making compatible bitmaps.
class ScreenDC {
 public:
  ScreenDC() : m_dc(::GetDC(nullptr)) {}
  ~ScreenDC() {
    if (m_dc) ::ReleaseDC(nullptr, m_dc);
  }
  ScreenDC(const ScreenDC&) = delete;
  ScreenDC& operator=(const ScreenDC&) = delete;
  operator HDC() const { return m_dc; }

 private:
  HDC m_dc;
};

// A memory device context compatible with another.
class MemoryDC {
 public:
  explicit MemoryDC(HDC dc) : m_dc(::CreateCompatibleDC(dc)) {}
  ~MemoryDC() {
    if (m_dc) ::DeleteDC(m_dc);
  }
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  operator HDC() const { return m_dc; }

 private:
  HDC m_dc;
};

}  // namespace pelmo
