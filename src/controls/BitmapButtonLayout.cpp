#include "controls/BitmapButtonLayout.h"

#include <algorithm>

namespace pelmo {

Rgb ToGrey(Rgb colour) {
  const int brightness = (77 * colour.red + 153 * colour.green + 25 * colour.blue) / 255;
  std::uint8_t level = 255;
  if (brightness < 64) {
    level = 0;
  } else if (brightness < 160) {
    level = 128;
  } else if (brightness < 224) {
    level = 192;
  }
  return {level, level, level};
}

void GreyColourTable(ColourTableEntry* entries, std::size_t count, Rgb transparent) {
  for (ColourTableEntry* entry = entries; entry != entries + count; ++entry) {
    const Rgb colour{entry->red, entry->green, entry->blue};
    if (colour == transparent) continue;
    const Rgb grey = ToGrey(colour);
    entry->red = grey.red;
    entry->green = grey.green;
    entry->blue = grey.blue;
  }
}

Rect Inflate(const Rect& rect, Size by) {
  return {rect.left - by.width, rect.top - by.height, rect.right + by.width,
          rect.bottom + by.height};
}

Rect Offset(const Rect& rect, Size by) {
  return {rect.left + by.width, rect.top + by.height, rect.right + by.width,
          rect.bottom + by.height};
}

namespace {

// An area of content plus margins, shrunk to the room there is; the content shrinks with it.
struct Area {
  Size content;
  Size outer;
};

Area Fit(Size content, Size margins, Size room) {
  Area area{content, {content.width + margins.width, content.height + margins.height}};
  if (room.width < area.outer.width) {
    area.outer.width = room.width;
    area.content.width = std::max(room.width - margins.width, 0);
  }
  if (room.height < area.outer.height) {
    area.outer.height = room.height;
    area.content.height = std::max(room.height - margins.height, 0);
  }
  return area;
}

Rect At(int left, int top, Size size) {
  return {left, top, left + size.width, top + size.height};
}

}  // namespace

ButtonLayout LayOutButton(const Rect& item, Size picture, std::optional<Size> caption,
                          HorizontalAlignment horizontal, VerticalAlignment vertical,
                          bool pressed) {
  const int width = item.Width();
  const int height = item.Height();
  // The caption's margin counts twice across and once down; the picture's twice both ways.
  const Size captionMargins{-2 * kCaptionMargin.width, -kCaptionMargin.height};
  const Size pictureMargins{-2 * kPictureMargin.width, -2 * kPictureMargin.height};

  const Area captionArea = caption ? Fit(*caption, captionMargins, {width, height}) : Area{};
  const Area pictureArea = Fit(picture, pictureMargins, {width, height - captionArea.outer.height});

  int pictureLeft = -kPictureMargin.width;
  int captionLeft = -kCaptionMargin.width;
  switch (horizontal) {
    case HorizontalAlignment::kLeft:
      break;
    case HorizontalAlignment::kRight:
      pictureLeft += width - pictureArea.outer.width;
      captionLeft += width - captionArea.outer.width;
      break;
    case HorizontalAlignment::kCentre:
      pictureLeft += (width - pictureArea.outer.width) / 2;
      captionLeft += (width - captionArea.outer.width) / 2;
      break;
  }

  int pictureTop = 0;
  int captionTop = 0;
  switch (vertical) {
    case VerticalAlignment::kTop:
      pictureTop = -kPictureMargin.height;
      captionTop = pictureArea.outer.height;
      break;
    case VerticalAlignment::kBottom:
      pictureTop = height - pictureArea.content.height + kPictureMargin.height;
      captionTop = pictureTop - captionArea.content.height + kPictureMargin.height;
      break;
    case VerticalAlignment::kCentre: {
      const int free = (height - captionArea.outer.height - pictureArea.outer.height) / 2;
      pictureTop = free - kPictureMargin.height;
      captionTop = free + pictureArea.outer.height;
      break;
    }
  }

  const Size origin{item.left, item.top};
  ButtonLayout layout;
  layout.picture = Offset(At(pictureLeft, pictureTop, pictureArea.content), origin);
  if (caption) layout.caption = Offset(At(captionLeft, captionTop, captionArea.content), origin);
  if (pressed) {
    layout.picture = Offset(layout.picture, kPressedOffset);
    if (caption) layout.caption = Offset(layout.caption, kPressedOffset);
  }
  return layout;
}

Rect FocusRect(const Rect& item, bool pressed) {
  const Rect focus = Inflate(item, kFocusInflation);
  return pressed ? Offset(focus, kPressedOffset) : focus;
}

ButtonFace ChooseFace(const ButtonState& state) {
  if (state.pressed) return ButtonFace::kPushed;
  if (state.flat && (!state.hot || state.disabled)) return ButtonFace::kPlain;
  return state.disabled ? ButtonFace::kRaisedInactive : ButtonFace::kRaised;
}

int ChoosePicture(const ButtonState& state, int pictureCount) {
  int index = kColourPicture;
  if (state.disabled) {
    index = kDisabledPicture;
  } else if (state.flat && !state.hot && !state.pressed) {
    index = kGreyPicture;
  }
  return index < pictureCount ? index : kColourPicture;
}

ButtonText SplitButtonText(const std::string& windowText) {
  const std::size_t first = windowText.find('\n');
  if (first == std::string::npos) return {windowText, {}};
  const std::size_t second = windowText.find('\n', first + 1);
  const std::size_t tooltipLength =
      second == std::string::npos ? std::string::npos : second - first - 1;
  return {windowText.substr(0, first), windowText.substr(first + 1, tooltipLength)};
}

std::string WithToolTip(const std::string& windowText, const std::string& tooltip) {
  std::string text = SplitButtonText(windowText).caption;
  if (!tooltip.empty()) text += '\n' + tooltip;
  return text;
}

std::string StripAccessMarks(const std::string& caption) {
  std::string plain;
  plain.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      // "&&" stands for one "&"; a lone "&" only marks the next character.
      if (i + 1 < caption.size() && caption[i + 1] == '&') plain += caption[++i];
      continue;
    }
    plain += caption[i];
  }
  return plain;
}

}  // namespace pelmo
