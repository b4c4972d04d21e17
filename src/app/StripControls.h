// The strip's controls: the history drop-down and the buttons beside it.
#pragma once

#include "controls/HistoryCombo.h"
#include "controls/OXBitmapButton.h"
#include "framework/BitmapButton.h"
#include "framework/DataExchange.h"

namespace pelmo {

struct StripControls {
  // The two plain picture buttons load theirs before the controls are tied to their windows.
  void AutoLoad(HWND dialog);
  void Exchange(DataExchange& dx);
  // The tool buttons' pictures and tooltips; raised until SetFlat.
  void SetUpTools();
  void SetFlat(bool flat);

  CHistoryCombo history;
  CBitmapButton menu;
  CBitmapButton minimize;
  COXBitmapButton edit;
  COXBitmapButton calculator;
  COXBitmapButton remove;
  COXBitmapButton up;
  COXBitmapButton down;
};

}  // namespace pelmo
