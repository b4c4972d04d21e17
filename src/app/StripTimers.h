// The strip's timer ids, in one place so that no two of its parts take the same one.
#pragma once

#include <windows.h>

namespace pelmo {

constexpr UINT_PTR kMinimizeTimer = 1;  // "Minimize after run"
// A program that has just copied may hold the clipboard open for a while: the capture reads it
// again when this timer fires.
constexpr UINT_PTR kCaptureRetryTimer = 2;
constexpr UINT_PTR kChainCheckTimer = 3;  // the viewer chain still brings the changes
// Fires once the window has been painted: a timer comes only when no message and no painting is
// waiting.
constexpr UINT_PTR kPaintedTimer = 4;

}  // namespace pelmo
