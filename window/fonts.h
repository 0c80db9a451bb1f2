#pragma once
#include "platform/owned.h"

#include <windows.h>

namespace captions {

// The height in pixels of a font of that size (hundredths of a point) at that dpi.
int fontHeight(int hundredthsOfPoint, unsigned dpi);

// The smallest height in pixels that is not below that size.
int fontHeightAtLeast(int hundredthsOfPoint, unsigned dpi);

// The window's face, "Arabic Transparent", in the Arabic character set, at that height in pixels.
platform::GdiObject<HFONT> createFont(int height, int weight);

}  // namespace captions
