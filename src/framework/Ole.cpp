#include "framework/Ole.h"

#include <shlobj.h>

#include <cstring>

namespace pelmo {

namespace {

FORMATETC TextFormat() {
  return {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

bool IsText(const FORMATETC* format) {
  return format && format->cfFormat == CF_TEXT && (format->tymed & TYMED_HGLOBAL) &&
         format->dwAspect == DVASPECT_CONTENT;
}

class TextDataObject : public ComObject<IDataObject> {
 public:
  explicit TextDataObject(std::string text) : m_text(std::move(text)) {}

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
    if (!medium) return E_POINTER;
    if (!IsText(format)) return DV_E_FORMATETC;
    // Each taker gets a block of its own, zero-filled, which it frees.
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, m_text.size() + 1);
    if (!block) return E_OUTOFMEMORY;
    void* memory = ::GlobalLock(block);
    if (!memory) {
      ::GlobalFree(block);
      return E_OUTOFMEMORY;
    }
    std::memcpy(memory, m_text.data(), m_text.size());
    ::GlobalUnlock(block);
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = block;
    medium->pUnkForRelease = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
    return IsText(format) ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
    if (out) out->ptd = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** out) override {
    if (direction != DATADIR_GET) return E_NOTIMPL;
    FORMATETC format = TextFormat();
    return ::SHCreateStdEnumFmtEtc(1, &format, out);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  std::string m_text;
};

class DropSource : public ComObject<IDropSource> {
 public:
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD keys) override {
    if (escape) return DRAGDROP_S_CANCEL;
    if (!(keys & MK_LBUTTON)) return DRAGDROP_S_DROP;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

// The medium a data object handed out, released when it goes.
class Medium {
 public:
  Medium() = default;
  ~Medium() { ::ReleaseStgMedium(&m_medium); }
  Medium(const Medium&) = delete;
  Medium& operator=(const Medium&) = delete;
  STGMEDIUM* Out() { return &m_medium; }
  HGLOBAL Block() const { return m_medium.tymed == TYMED_HGLOBAL ? m_medium.hGlobal : nullptr; }

 private:
  STGMEDIUM m_medium{};
};

}  // namespace

ComRef<IDataObject> MakeTextDataObject(std::string text) {
  return ComRef<IDataObject>(new TextDataObject(std::move(text)));
}

ComRef<IDropSource> MakeDropSource() {
  return ComRef<IDropSource>(new DropSource);
}

bool OffersText(IDataObject* data) {
  FORMATETC format = TextFormat();
  return data && data->QueryGetData(&format) == S_OK;
}

std::string TakeText(IDataObject* data) {
  FORMATETC format = TextFormat();
  Medium medium;
  if (!data || FAILED(data->GetData(&format, medium.Out()))) return std::string();
  HGLOBAL block = medium.Block();
  const auto* text = block ? static_cast<const char*>(::GlobalLock(block)) : nullptr;
  if (!text) return std::string();
  // A block may be larger than its text, and a careless source may leave out the zero.
  std::string result(text, strnlen(text, ::GlobalSize(block)));
  ::GlobalUnlock(block);
  return result;
}

}  // namespace pelmo
