// A drag of a text onto a window, made in the test's own thread as a user's drag would be.
#pragma once

#include <string>

#include "WindowTestSupport.h"
#include "framework/Ole.h"

namespace pelmo::test {

// Drops as soon as the drag has passed over the target a few times.
class ScriptedDropSource : public ComObject<IDropSource> {
 public:
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL, DWORD) override {
    return ++m_calls > 3 ? DRAGDROP_S_DROP : S_OK;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }

 private:
  int m_calls = 0;
};

inline DWORD DragOnto(HWND target, const std::string& text) {
  const Rect r = WindowRect(target);
  ::SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  ComRef<IDataObject> data = MakeTextDataObject(text);
  ComRef<IDropSource> source(new ScriptedDropSource);
  DWORD effect = 0xFF;
  ::DoDragDrop(data.Get(), source.Get(), DROPEFFECT_COPY | DROPEFFECT_MOVE, &effect);
  return effect;
}

}  // namespace pelmo::test
