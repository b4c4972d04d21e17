// Loading the program's pictures for the DPI it draws for.
#pragma once

#include <windows.h>

#include "framework/Gdi.h"

namespace pelmo {

// The DPI the program draws for: the system's, the same on every monitor (the program declares
// itself system DPI aware). 96 at 100%, 144 at 150%.
int SystemDpi();

// A bitmap resource, drawn for 96 DPI, scaled for `dpi` as `ScalePixels` does, or at 144 DPI
// the picture drawn for 150% when there is one; as a writable DIB section with the resource's
// colour table. `cellWidth` is the width of one picture of a strip (0: the bitmap is one
// picture). Null when the resource is missing or is not an uncompressed bitmap.
GdiObject<HBITMAP> LoadScaledBitmap(LPCSTR name, int dpi, int cellWidth = 0);

}  // namespace pelmo
