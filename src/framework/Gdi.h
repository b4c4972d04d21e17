// Owners for GDI objects and other handles: each is freed exactly once, when its owner goes.
#pragma once

#include <windows.h>

#include <utility>

namespace pelmo {

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
