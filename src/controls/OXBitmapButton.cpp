#include "controls/OXBitmapButton.h"

#include <windowsx.h>

#include <array>
#include <optional>

#include "framework/PictureScale.h"
#include "framework/WindowMessages.h"

namespace pelmo {

namespace {

constexpr std::size_t kMaxColourTable = 256;

struct ColourTable {
  std::array<ColourTableEntry, kMaxColourTable> entries{};
  std::size_t size = 0;
};

ColourTable ReadColourTable(HBITMAP dib) {
  ColourTable table;
  DIBSECTION info{};
  if (::GetObjectA(dib, sizeof info, &info) != sizeof info) return table;
  const std::size_t wanted = ColourTableSize(info.dsBmih.biBitCount, info.dsBmih.biClrUsed);
  if (wanted == 0) return table;
  std::array<RGBQUAD, kMaxColourTable> quads{};
  MemoryDC memory(nullptr);
  SelectedObject selected(memory, dib);
  table.size = ::GetDIBColorTable(memory, 0, static_cast<UINT>(wanted), quads.data());
  for (std::size_t i = 0; i < table.size; ++i)
    table.entries[i] = {quads[i].rgbBlue, quads[i].rgbGreen, quads[i].rgbRed, 0};
  return table;
}

void WriteColourTable(HBITMAP dib, const ColourTable& table) {
  std::array<RGBQUAD, kMaxColourTable> quads{};
  for (std::size_t i = 0; i < table.size; ++i)
    quads[i] = {table.entries[i].blue, table.entries[i].green, table.entries[i].red, 0};
  MemoryDC memory(nullptr);
  SelectedObject selected(memory, dib);
  ::SetDIBColorTable(memory, 0, static_cast<UINT>(table.size), quads.data());
}

HPALETTE MakePalette(const ColourTable& table) {
  struct {
    WORD version = 0x300;
    WORD count = 0;
    std::array<PALETTEENTRY, kMaxColourTable> entries{};
  } palette;
  palette.count = static_cast<WORD>(table.size);
  for (std::size_t i = 0; i < table.size; ++i)
    palette.entries[i] = {table.entries[i].red, table.entries[i].green, table.entries[i].blue, 0};
  return ::CreatePalette(reinterpret_cast<const LOGPALETTE*>(&palette));
}

HorizontalAlignment HorizontalOf(LONG style) {
  switch (style & BS_CENTER) {
    case BS_LEFT:
      return HorizontalAlignment::kLeft;
    case BS_RIGHT:
      return HorizontalAlignment::kRight;
    default:
      return HorizontalAlignment::kCentre;
  }
}

VerticalAlignment VerticalOf(LONG style) {
  switch (style & BS_VCENTER) {
    case BS_TOP:
      return VerticalAlignment::kTop;
    case BS_BOTTOM:
      return VerticalAlignment::kBottom;
    default:
      return VerticalAlignment::kCentre;
  }
}

}  // namespace

bool COXBitmapButton::LoadBitmap(UINT bitmapId, COLORREF transparent, int dpi) {
  m_images.reset();
  m_palette.Reset();
  // Writable copies of the resource, so that the grey one's colour table can change.
  const GdiObject<HBITMAP> colour = LoadScaledBitmap(MAKEINTRESOURCEA(bitmapId), dpi);
  if (!colour) return false;
  BITMAP info{};
  if (!::GetObjectA(colour.Get(), sizeof info, &info)) return false;

  const ColourTable table = ReadColourTable(colour.Get());
  if (table.size > 0) m_palette.Reset(MakePalette(table));

  GdiObject<HBITMAP> grey = LoadScaledBitmap(MAKEINTRESOURCEA(bitmapId), dpi);
  if (grey) {
    ColourTable greyTable = ReadColourTable(grey.Get());
    GreyColourTable(greyTable.entries.data(), greyTable.size,
                    {GetRValue(transparent), GetGValue(transparent), GetBValue(transparent)});
    WriteColourTable(grey.Get(), greyTable);
  }

  const UINT mask = transparent == CLR_NONE ? 0 : ILC_MASK;
  m_images.reset(ImageList_Create(info.bmWidth, info.bmHeight, ILC_COLORDDB | mask, 0, 5));
  if (!m_images) return false;
  ImageList_AddMasked(m_images.get(), colour.Get(), transparent);
  // Without a grey copy the colour picture stands in, so that the disabled one keeps its index.
  // The disabled picture is made the first time it is drawn: most buttons never need it, and
  // embossing takes several milliseconds a button when a window opens.
  ImageList_AddMasked(m_images.get(), grey ? grey.Get() : colour.Get(), transparent);
  return true;
}

void COXBitmapButton::AddDisabledPicture() {
  const ScopedIcon picture(ImageList_GetIcon(m_images.get(), kColourPicture, ILD_NORMAL));
  ICONINFO parts{};
  if (!picture || !::GetIconInfo(picture.get(), &parts)) return;
  const GdiObject<HBITMAP> mask(parts.hbmMask);
  const GdiObject<HBITMAP> colour(parts.hbmColor);

  const SIZE size = PictureSize();
  ScreenDC screen;
  GdiObject<HBITMAP> disabled(::CreateCompatibleBitmap(screen, size.cx, size.cy));
  if (!disabled) return;
  {
    MemoryDC memory(screen);
    SelectedObject selected(memory, disabled.Get());
    const RECT all{0, 0, size.cx, size.cy};
    ::FillRect(memory, &all, ::GetSysColorBrush(COLOR_BTNFACE));
    ::DrawStateA(memory, nullptr, nullptr, reinterpret_cast<LPARAM>(picture.get()), 0, 0, 0,
                 size.cx, size.cy, DST_ICON | DSS_DISABLED);
  }
  ICONINFO made{TRUE, 0, 0, mask.Get(), disabled.Get()};
  const ScopedIcon icon(::CreateIconIndirect(&made));
  if (icon) ImageList_ReplaceIcon(m_images.get(), -1, icon.get());
}

int COXBitmapButton::PictureCount() const {
  return m_images ? ImageList_GetImageCount(m_images.get()) : 0;
}

SIZE COXBitmapButton::PictureSize() const {
  int width = 0;
  int height = 0;
  if (m_images) ImageList_GetIconSize(m_images.get(), &width, &height);
  return {width, height};
}

bool COXBitmapButton::SetFlat(bool flat) {
  if ((::GetWindowLongA(m_hWnd, GWL_STYLE) & BS_TYPEMASK) != BS_OWNERDRAW) return false;
  if (flat == m_flat) return true;
  m_flat = flat;
  // A raised button tracks nothing: it must not keep the mouse it took while hot.
  if (!flat) StopHover();
  Invalidate();
  return true;
}

void COXBitmapButton::EnableToolTip(bool enable) {
  m_toolTipWanted = enable;
  if (!enable) m_toolTip.reset();
}

// The tooltip is a window of its own, made when the mouse first comes over the button: most
// buttons are never pointed at, and each window made slows the opening of the one they are on.
void COXBitmapButton::MakeToolTip() {
  m_toolTip.reset(::CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr));
  if (!m_toolTip) return;
  ::SendMessageA(m_toolTip.get(), TTM_ACTIVATE, TRUE, 0);
  SyncToolTip();
}

void COXBitmapButton::SetToolTipText(const std::string& text) {
  SetWindowText(WithToolTip(GetWindowText(), text));
}

void COXBitmapButton::SyncToolTip() {
  if (!m_toolTip) return;
  std::string tip = SplitButtonText(GetWindowText()).tooltip;
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = ::GetParent(m_hWnd);
  tool.uId = reinterpret_cast<UINT_PTR>(m_hWnd);
  tool.lpszText = tip.data();
  // Registering again would list the button twice.
  ::SendMessageA(m_toolTip.get(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  if (!tip.empty())
    ::SendMessageA(m_toolTip.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

BOOL COXBitmapButton::PreTranslateMessage(MSG* msg) {
  if (m_toolTipWanted && !m_toolTip && msg->hwnd == m_hWnd && msg->message == WM_MOUSEMOVE)
    MakeToolTip();
  if (m_toolTip) ::SendMessageA(m_toolTip.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
  return CWnd::PreTranslateMessage(msg);
}

bool COXBitmapButton::OnChildNotify(UINT message, WPARAM, LPARAM lParam, LRESULT* result) {
  if (message != WM_DRAWITEM) return false;
  DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
  *result = TRUE;
  return true;
}

void COXBitmapButton::DrawItem(const DRAWITEMSTRUCT& item) {
  ButtonState state;
  state.pressed = (item.itemState & ODS_SELECTED) != 0;
  state.disabled = !::IsWindowEnabled(m_hWnd);
  state.flat = m_flat;
  state.hot = m_hot;

  HDC dc = item.hDC;
  const auto font = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
  SelectedObject selectedFont(dc, font ? font : ::GetStockObject(SYSTEM_FONT));
  const std::string caption = SplitButtonText(GetWindowText()).caption;
  std::optional<Size> captionSize;
  if (!caption.empty()) {
    RECT measured{};
    ::DrawTextA(dc, caption.c_str(), -1, &measured, DT_SINGLELINE | DT_CALCRECT);
    captionSize = Size{measured.right - measured.left, measured.bottom - measured.top};
  }
  const LONG style = ::GetWindowLongA(m_hWnd, GWL_STYLE);
  const SIZE picture = PictureSize();
  const ButtonLayout layout =
      LayOutButton(ToRect(item.rcItem), {picture.cx, picture.cy}, captionSize, HorizontalOf(style),
                   VerticalOf(style), state.pressed);

  PreparePalette(dc);
  DrawButtonFace(dc, item.rcItem, state);
  DrawImage(dc, ToRECT(layout.picture), state);
  DrawCaption(dc, ToRECT(layout.caption), caption, state);
  if (item.itemState & ODS_FOCUS) DrawFocus(dc, item.rcItem, state);
  RestorePalette(dc);
}

void COXBitmapButton::PreparePalette(HDC dc) {
  if (!m_palette) return;
  m_previousPalette = ::SelectPalette(dc, m_palette.Get(), FALSE);
  ::RealizePalette(dc);
}

void COXBitmapButton::DrawButtonFace(HDC dc, const RECT& item, const ButtonState& state) {
  RECT face = item;
  switch (ChooseFace(state)) {
    case ButtonFace::kPushed:
      ::DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED);
      break;
    case ButtonFace::kPlain:
      ::FillRect(dc, &face, ::GetSysColorBrush(COLOR_BTNFACE));
      break;
    case ButtonFace::kRaised:
      ::DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH);
      break;
    case ButtonFace::kRaisedInactive:
      ::DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_INACTIVE);
      break;
  }
}

void COXBitmapButton::DrawImage(HDC dc, const RECT& picture, const ButtonState& state) {
  if (!m_images) return;
  if (state.disabled && PictureCount() == kDisabledPicture) AddDisabledPicture();
  ImageList_Draw(m_images.get(), ChoosePicture(state, PictureCount()), dc, picture.left,
                 picture.top, ILD_TRANSPARENT);
}

void COXBitmapButton::DrawCaption(HDC dc, const RECT& caption, const std::string& text,
                                  const ButtonState& state) {
  if (text.empty()) return;
  const COLORREF previousColour = ::SetTextColor(dc, m_captionColour);
  // The face is already drawn: text cells must not paint over it.
  const int previousMode = ::SetBkMode(dc, TRANSPARENT);
  RECT area = caption;
  if (!state.disabled) {
    ::DrawTextA(dc, text.c_str(), -1, &area, DT_SINGLELINE);
  } else if (!::DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text.c_str()),
                           static_cast<WPARAM>(text.size()), area.left, area.top,
                           area.right - area.left, area.bottom - area.top,
                           DST_PREFIXTEXT | DSS_DISABLED)) {
    const std::string plain = StripAccessMarks(text);
    ::GrayStringA(dc, ::GetSysColorBrush(COLOR_GRAYTEXT), nullptr,
                  reinterpret_cast<LPARAM>(plain.c_str()), static_cast<int>(plain.size()),
                  area.left, area.top, area.right - area.left, area.bottom - area.top);
  }
  ::SetBkMode(dc, previousMode);
  ::SetTextColor(dc, previousColour);
}

void COXBitmapButton::DrawFocus(HDC dc, const RECT& item, const ButtonState& state) {
  if (!m_focusFrame) return;
  const RECT focus = ToRECT(FocusRect(ToRect(item), state.pressed));
  ::DrawFocusRect(dc, &focus);
  if (m_flat) return;
  const RECT frame = ToRECT(Inflate(ToRect(item), kBlackFrameInflation));
  ::FrameRect(dc, &frame, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
}

void COXBitmapButton::RestorePalette(HDC dc) {
  if (!m_previousPalette) return;
  ::SelectPalette(dc, m_previousPalette, TRUE);
  m_previousPalette = nullptr;
}

void COXBitmapButton::CheckHover(POINT screenPoint) {
  if (!m_flat) return;
  RECT window{};
  ::GetWindowRect(m_hWnd, &window);
  if (::PtInRect(&window, screenPoint) && ::IsWindowEnabled(m_hWnd)) {
    // The capture reports the move that leaves the button; a click holds its own.
    if (!m_leftButtonHeld) ::SetCapture(m_hWnd);
    if (!m_hot) {
      // Under Wine the capture sees no moves outside the program's windows: the leave report
      // catches a mouse that leaves them straight from the button.
      TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, m_hWnd, 0};
      ::TrackMouseEvent(&leave);
      ::SetFocus(m_hWnd);
      Invalidate(false);
    }
    m_hot = true;
    return;
  }
  // Only our own capture is ours to release.
  if (!m_leftButtonHeld && IsHeldByCapture()) ::ReleaseCapture();
  if (m_hot) Invalidate(false);
  m_hot = false;
}

void COXBitmapButton::CheckHoverAtCursor() {
  POINT cursor{};
  ::GetCursorPos(&cursor);
  CheckHover(cursor);
}

void COXBitmapButton::CheckLeave() {
  if (!m_hot || IsHeldByCapture()) return;
  m_hot = false;
  Invalidate(false);
  PostMessage(WM_BUTTON_RECHECK_HOVER);
}

void COXBitmapButton::StopHover() {
  if (!m_leftButtonHeld && IsHeldByCapture()) ::ReleaseCapture();
  m_hot = false;
}

LRESULT COXBitmapButton::DefaultThenCheckLeave(UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = Default(message, wParam, lParam);
  CheckLeave();
  return result;
}

LRESULT COXBitmapButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const bool enabled = ::IsWindowEnabled(m_hWnd) != FALSE;
  switch (message) {
    case WM_MOUSEMOVE: {
      if (!enabled) return 0;
      POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ::ClientToScreen(m_hWnd, &point);
      CheckHover(point);
      return Default(message, wParam, lParam);
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!enabled) return 0;
      m_leftButtonHeld = true;
      return DefaultThenCheckLeave(message, wParam, lParam);
    case WM_LBUTTONUP: {
      if (!enabled) return 0;
      const LRESULT result = Default(message, wParam, lParam);
      m_leftButtonHeld = false;
      CheckLeave();
      return result;
    }
    case WM_MBUTTONUP:
    case WM_KEYUP:
    case WM_SYSKEYUP:
      return enabled ? DefaultThenCheckLeave(message, wParam, lParam) : 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return enabled ? Default(message, wParam, lParam) : 0;
    case WM_KILLFOCUS: {
      // Disabling takes the focus away after the window is disabled; the button must still
      // forget its focus, or it keeps drawing the focus rectangle.
      if (enabled) return DefaultThenCheckLeave(message, wParam, lParam);
      return Default(message, wParam, lParam);
    }
    case WM_ENABLE: {
      // A click cut short by disabling never sees its button-up.
      if (!wParam) m_leftButtonHeld = false;
      return DefaultThenCheckLeave(message, wParam, lParam);
    }
    case WM_MOUSELEAVE:
      if (enabled) CheckHoverAtCursor();
      return Default(message, wParam, lParam);
    case WM_BUTTON_RECHECK_HOVER:
      CheckHoverAtCursor();
      return 0;
    case WM_SYSCOLORCHANGE: {
      const LRESULT result = Default(message, wParam, lParam);
      // The embossing is drawn in the face, highlight and shadow colours of its time.
      if (PictureCount() > kDisabledPicture) {
        ImageList_Remove(m_images.get(), kDisabledPicture);
        AddDisabledPicture();
      }
      Invalidate();
      return result;
    }
    case WM_SETTEXT: {
      const LRESULT result = Default(message, wParam, lParam);
      SyncToolTip();
      return result;
    }
    case WM_DESTROY:
      m_toolTip.reset();
      return Default(message, wParam, lParam);
    default:
      return Default(message, wParam, lParam);
  }
}

namespace {

void SetUp(const PictureButton& b, bool flat) {
  b.button.LoadBitmap(b.bitmap, kKeyColourRef);
  b.button.SetFlat(flat);
  if (!b.tip) return;
  b.button.EnableToolTip(true);
  b.button.SetToolTipText(b.tip);
}

}  // namespace

void SetUpFlatButtons(std::initializer_list<PictureButton> buttons) {
  for (const PictureButton& b : buttons) SetUp(b, true);
}

void SetUpToolButtons(std::initializer_list<PictureButton> buttons, bool flat) {
  for (const PictureButton& b : buttons) {
    SetUp(b, flat);
    b.button.SetFocusFrame(false);
  }
}

}  // namespace pelmo
