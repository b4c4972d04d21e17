// The drop target registered on a history drop-down: takes plain text dragged in from other
// programs, never its own drag coming back, and never reports a move (the source keeps its text).
#pragma once

#include "framework/Ole.h"

namespace pelmo {

class CHistoryCombo;

class HistoryDropTarget : public ComObject<IDropTarget> {
 public:
  explicit HistoryDropTarget(CHistoryCombo& combo) : m_combo(combo) {}

  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                      DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                 DWORD* effect) override;

 private:
  // Scrolls the list a line when the point is near an edge; true when it did.
  bool ScrollNearEdge(POINTL point) const;

  CHistoryCombo& m_combo;
  bool m_accepting = false;
};

}  // namespace pelmo
