// OLE drag and drop as the program uses it: a session per thread, reference-counted objects
// held by ComRef, and plain text (CF_TEXT) offered to and taken from other programs.
#pragma once

#include <ole2.h>
#include <windows.h>

#include <string>
#include <utility>

namespace pelmo {

// OleInitialize for the life of the object; balanced even when it was already initialised.
class OleSession {
 public:
  OleSession() : m_ok(SUCCEEDED(::OleInitialize(nullptr))) {}
  ~OleSession() {
    if (m_ok) ::OleUninitialize();
  }
  OleSession(const OleSession&) = delete;
  OleSession& operator=(const OleSession&) = delete;
  bool Ok() const { return m_ok; }

 private:
  bool m_ok;
};

// Holds one reference to a COM object and releases it when it goes.
template <typename T>
class ComRef {
 public:
  // Adopts the reference a newly made object starts with.
  explicit ComRef(T* object = nullptr) : m_object(object) {}
  ~ComRef() {
    if (m_object) m_object->Release();
  }
  ComRef(ComRef&& other) noexcept : m_object(std::exchange(other.m_object, nullptr)) {}
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ComRef& operator=(ComRef&& other) noexcept {
    if (this != &other) {
      if (m_object) m_object->Release();
      m_object = std::exchange(other.m_object, nullptr);
    }
    return *this;
  }
  T* Get() const { return m_object; }
  T* operator->() const { return m_object; }

 private:
  T* m_object;
};

// IUnknown for an object of one interface; it starts with one reference and deletes itself
// when the last one goes.
template <typename Interface>
class ComObject : public Interface {
 public:
  virtual ~ComObject() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid != IID_IUnknown && iid != __uuidof(Interface)) {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    *out = static_cast<Interface*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --m_references;
    if (left == 0) delete this;
    return left;
  }

 private:
  ULONG m_references = 1;
};

// A data object that offers one text as CF_TEXT in global memory.
ComRef<IDataObject> MakeTextDataObject(std::string text);

// The usual drop source: drops when the left button is released, cancels on Escape.
ComRef<IDropSource> MakeDropSource();

// Whether a data object offers plain text, and the text (empty when it has none).
bool OffersText(IDataObject* data);
std::string TakeText(IDataObject* data);

}  // namespace pelmo
