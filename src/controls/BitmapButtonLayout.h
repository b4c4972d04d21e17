// The arithmetic of the bitmap push button: greying a colour table, placing the picture and the
// caption, choosing the face and the picture to draw, and splitting the window text into caption
// and tooltip. The window class only draws what these functions compute.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "framework/Colour.h"
#include "framework/Geometry.h"

namespace pelmo {

// One entry of a device-independent bitmap's colour table, in its stored byte order.
struct ColourTableEntry {
  std::uint8_t blue = 0;
  std::uint8_t green = 0;
  std::uint8_t red = 0;
  std::uint8_t reserved = 0;
};

// The grey a colour becomes in the soft look: its weighted brightness snapped to one of four
// levels, so that greyed pictures stay crisp in 16 colours.
Rgb ToGrey(Rgb colour);

// Greys every entry except those equal to the transparent colour.
void GreyColourTable(ColourTableEntry* entries, std::size_t count, Rgb transparent);

// Grows a rectangle by the given amount on every side (negative amounts shrink it).
Rect Inflate(const Rect& rect, Size by);
Rect Offset(const Rect& rect, Size by);

inline constexpr Size kPictureMargin{-3, -3};
inline constexpr Size kCaptionMargin{-5, -4};
inline constexpr Size kFocusInflation{-3, -3};
inline constexpr Size kBlackFrameInflation{0, 0};
inline constexpr Size kPressedOffset{1, 1};

enum class HorizontalAlignment { kCentre, kLeft, kRight };
enum class VerticalAlignment { kCentre, kTop, kBottom };

struct ButtonLayout {
  Rect picture;  // only the top-left corner is used for drawing: pictures are never scaled
  Rect caption;  // empty without a caption
};

// Places the picture and the caption (its measured single-line size, or none when the caption is
// empty) in the item rectangle; the caption goes below the picture, or above it when
// bottom-aligned.
ButtonLayout LayOutButton(const Rect& item, Size picture, std::optional<Size> caption,
                          HorizontalAlignment horizontal, VerticalAlignment vertical, bool pressed);

// The dotted focus rectangle: inside the border, moving with a pressed face.
Rect FocusRect(const Rect& item, bool pressed);

struct ButtonState {
  bool pressed = false;
  bool disabled = false;
  bool flat = false;
  bool hot = false;
};

enum class ButtonFace {
  kPushed,          // the platform's frame, pushed
  kPlain,           // face colour only, no border
  kRaised,          // the platform's frame
  kRaisedInactive,  // the platform's frame, inactive
};
ButtonFace ChooseFace(const ButtonState& state);

inline constexpr int kColourPicture = 0;
inline constexpr int kGreyPicture = 1;
inline constexpr int kDisabledPicture = 2;

// Index into the button's pictures; falls back to the colour picture when the chosen one could
// not be made.
int ChoosePicture(const ButtonState& state, int pictureCount);

// A button's window text holds its caption and its tooltip, separated by a line feed; a line
// feed after the tooltip ends it.
struct ButtonText {
  std::string caption;
  std::string tooltip;
};
ButtonText SplitButtonText(const std::string& windowText);

// The window text that keeps the current caption and carries the given tooltip.
std::string WithToolTip(const std::string& windowText, const std::string& tooltip);

// A caption as plain text: access-key marks removed, "&&" kept as one "&".
std::string StripAccessMarks(const std::string& caption);

}  // namespace pelmo
