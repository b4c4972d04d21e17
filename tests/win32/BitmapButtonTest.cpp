// The bitmap push button on a plain parent window, judged by the pixels it draws and by what its
// parent and tooltip receive.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "WindowTestSupport.h"
#include "controls/OXBitmapButton.h"
#include "resource.h"

namespace pelmo {
namespace {

constexpr COLORREF kMagentaRef = RGB(255, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
// The 16 by 16 picture centred in a 24 by 22 button, 3 pixels inside its 22 by 22 area.
constexpr SIZE kButton{24, 22};
constexpr POINT kPictureAt{4, 3};
constexpr POINT kPressedAt{5, 4};

COLORREF Face() {
  return ::GetSysColor(COLOR_BTNFACE);
}
int Brightness(COLORREF c) {
  return GetRValue(c) + GetGValue(c) + GetBValue(c);
}
COLORREF Colour(COLORREF c) {
  return c;
}
COLORREF Grey(COLORREF c) {
  const Rgb grey = ToGrey({GetRValue(c), GetGValue(c), GetBValue(c)});
  return RGB(grey.red, grey.green, grey.blue);
}

struct Pixels {
  int width = 0;
  std::vector<COLORREF> colours;
  COLORREF At(int x, int y) const { return colours[y * width + x]; }
};

int Count(const Pixels& pixels, COLORREF colour) {
  return static_cast<int>(std::count(pixels.colours.begin(), pixels.colours.end(), colour));
}

// Whatever `paint` draws into a 32-bit bitmap.
template <typename Paint>
Pixels Capture(SIZE size, Paint paint) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  MemoryDC dc(nullptr);
  {
    SelectedObject selected(dc, bitmap.Get());
    paint(dc);
    ::GdiFlush();
  }
  Pixels pixels{size.cx, {}};
  const auto* quads = static_cast<const RGBQUAD*>(bits);
  for (const RGBQUAD* q = quads; q != quads + size.cx * size.cy; ++q)
    pixels.colours.push_back(RGB(q->rgbRed, q->rgbGreen, q->rgbBlue));
  return pixels;
}

// What the button paints, through its parent's WM_DRAWITEM as in a real paint.
Pixels Render(HWND button) {
  const Rect client = test::ClientRect(button);
  return Capture({client.right, client.bottom}, [button](HDC dc) {
    ::SendMessageA(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  });
}

// The Edit bitmap as the given look shows it on the button face.
Pixels EditPicture(COLORREF (*look)(COLORREF)) {
  GdiObject<HBITMAP> bitmap(::LoadBitmapA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_EDIT)));
  Pixels picture = Capture({16, 16}, [&bitmap](HDC dc) {
    MemoryDC source(dc);
    SelectedObject selected(source, bitmap.Get());
    ::BitBlt(dc, 0, 0, 16, 16, source, 0, 0, SRCCOPY);
  });
  for (COLORREF& c : picture.colours) c = c == kMagentaRef ? Face() : look(c);
  return picture;
}

// Pixels that differ from the picture at `at` and, with `plainFace`, from the face around it.
int Mismatches(const Pixels& drawn, POINT at, COLORREF (*look)(COLORREF), bool plainFace) {
  const Pixels picture = EditPicture(look);
  int mismatches = 0;
  for (int y = 0; y < kButton.cy; ++y) {
    for (int x = 0; x < kButton.cx; ++x) {
      const bool inside = x >= at.x && x < at.x + 16 && y >= at.y && y < at.y + 16;
      if (inside) mismatches += drawn.At(x, y) != picture.At(x - at.x, y - at.y);
      if (!inside && plainFace) mismatches += drawn.At(x, y) != Face();
    }
  }
  return mismatches;
}

class Parent : public CWnd {
 public:
  int clicks = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) ++clicks;
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

struct TestButton {
  TestButton() {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    parent.CreateEx(0, CWnd::RegisterOwnClass("PelmoButtonTestParent", 0), "",
                    WS_POPUP | WS_VISIBLE, 100, 100, 120, 80, nullptr, nullptr);
    button.SubclassWindow(::CreateWindowExA(
        0, "BUTTON", "\nEdit", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 10, 10, kButton.cx, kButton.cy,
        parent, nullptr, ::GetModuleHandleA(nullptr), nullptr));
    button.LoadBitmap(IDB_EDIT, kMagentaRef);
    // As on the main window: a hot button has the focus, whose rectangle crosses the picture.
    button.SetFocusFrame(false);
  }
  void MouseAt(int x, int y) const {
    ::SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
  }
  bool Tracking() const { return ::GetCapture() == button.m_hWnd; }
  Parent parent;
  COXBitmapButton button;
};

enum class Frame { kNone, kRaised, kSunken };

Frame FrameOf(const Pixels& drawn) {
  const int face = Brightness(Face());
  const int topLeft = Brightness(drawn.At(0, 0));
  if (topLeft < face) return Frame::kSunken;
  const int bottomRight = Brightness(drawn.At(kButton.cx - 1, kButton.cy - 1));
  return topLeft > face && bottomRight < face ? Frame::kRaised : Frame::kNone;
}

TEST(BitmapButton, PictureAndFrameFollowTheLookAndTheMouse) {
  enum class Mouse { kAway, kOver, kPressed, kOverThenOut, kOverThenLeaveReport, kOverThenRaised };
  const struct {
    bool flat;
    Mouse mouse;
    COLORREF (*look)(COLORREF);
    POINT at;
    Frame frame;
    bool tracking;
    bool focused;
  } cases[] = {
      {true, Mouse::kAway, Grey, kPictureAt, Frame::kNone, false, false},
      {true, Mouse::kOver, Colour, kPictureAt, Frame::kRaised, true, true},
      {true, Mouse::kPressed, Colour, kPressedAt, Frame::kSunken, false, false},
      {true, Mouse::kOverThenOut, Grey, kPictureAt, Frame::kNone, false, true},
      // Under Wine a mouse that leaves the program's windows is reported only as a leave.
      {true, Mouse::kOverThenLeaveReport, Grey, kPictureAt, Frame::kNone, false, true},
      {true, Mouse::kOverThenRaised, Colour, kPictureAt, Frame::kRaised, false, true},
      {false, Mouse::kAway, Colour, kPictureAt, Frame::kRaised, false, false},
      {false, Mouse::kOver, Colour, kPictureAt, Frame::kRaised, false, false},
      {false, Mouse::kPressed, Colour, kPressedAt, Frame::kSunken, false, false},
  };
  ::SetCursorPos(0, 0);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "flat " << c.flat << " mouse " << static_cast<int>(c.mouse));
    TestButton t;
    EXPECT_TRUE(t.button.SetFlat(c.flat));
    if (c.mouse != Mouse::kAway && c.mouse != Mouse::kPressed) t.MouseAt(5, 5);
    if (c.mouse == Mouse::kPressed) ::SendMessageA(t.button, BM_SETSTATE, TRUE, 0);
    if (c.mouse == Mouse::kOverThenOut) t.MouseAt(-5, 5);
    if (c.mouse == Mouse::kOverThenLeaveReport) ::SendMessageA(t.button, WM_MOUSELEAVE, 0, 0);
    if (c.mouse == Mouse::kOverThenRaised) t.button.SetFlat(false);
    EXPECT_EQ(t.Tracking(), c.tracking);
    EXPECT_EQ(::GetFocus() == t.button, c.focused);

    const Pixels drawn = Render(t.button);
    EXPECT_EQ(Mismatches(drawn, c.at, c.look, c.frame == Frame::kNone), 0);
    EXPECT_EQ(FrameOf(drawn), c.frame);
  }
}

TEST(BitmapButton, DisabledButtonShowsTheEmbossedPictureAndIgnoresMouseAndKeys) {
  for (const bool enabled : {true, false}) {
    SCOPED_TRACE(enabled);
    TestButton t;
    t.button.SetFlat(true);
    ::EnableWindow(t.button, enabled);
    const Pixels before = Render(t.button);
    t.MouseAt(5, 5);
    ::SendMessageA(t.button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageA(t.button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ::SendMessageA(t.button, WM_KEYDOWN, VK_SPACE, 0);
    ::SendMessageA(t.button, WM_KEYUP, VK_SPACE, 0);
    test::Settle(50);
    EXPECT_EQ(t.parent.clicks, enabled ? 2 : 0);
    if (enabled) continue;

    EXPECT_FALSE(t.Tracking());
    const Pixels after = Render(t.button);
    EXPECT_EQ(after.colours, before.colours);
    // Embossed on a plain face: nothing but face, highlight and a shadow outline.
    const COLORREF shadow = ::GetSysColor(COLOR_3DSHADOW);
    const COLORREF highlight = ::GetSysColor(COLOR_3DHILIGHT);
    EXPECT_GT(Count(after, shadow), 10);
    EXPECT_EQ(Count(after, Face()) + Count(after, shadow) + Count(after, highlight),
              kButton.cx * kButton.cy);
  }
}

TEST(BitmapButton, FocusFrameAndBlackFrameOnlyWhenSwitchedOn) {
  const struct {
    bool flat;
    bool focusFrame;
    bool marked;
    bool blackCorner;
  } cases[] = {
      {false, true, true, true},
      {true, true, true, false},
      {true, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "flat " << c.flat << " focus frame " << c.focusFrame);
    TestButton t;
    t.button.SetFlat(c.flat);
    t.button.SetFocusFrame(c.focusFrame);
    const Pixels unfocused = Render(t.button);
    ::SetFocus(t.button);
    const Pixels focused = Render(t.button);
    EXPECT_EQ(focused.colours != unfocused.colours, c.marked);
    EXPECT_EQ(focused.At(0, 0) == kBlack, c.blackCorner);
    // Disabling takes the focus, and with it the focus rectangle.
    ::EnableWindow(t.button, FALSE);
    ::EnableWindow(t.button, TRUE);
    EXPECT_EQ(Render(t.button).colours, unfocused.colours);
  }
}

// The program's buttons carry their tooltip in the window text, after a line feed.
TEST(BitmapButton, TheToolTipShowsTheTextAfterTheLineFeed) {
  for (const char* tip : {"Edit", ""}) {
    SCOPED_TRACE(tip);
    TestButton t;
    t.button.EnableToolTip(true);
    t.button.EnableToolTip(true);
    // The tooltip window is made when the mouse first moves over the button, once.
    EXPECT_EQ(::FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr), nullptr);
    for (int move = 0; move < 2; ++move) {
      MSG over{t.button.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), 0, {}};
      CWnd::WalkPreTranslateTree(t.parent, &over);
    }
    // A child owns no window: the tooltip's owner is the top-level parent.
    const HWND toolTip = ::FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr);
    EXPECT_EQ(::FindWindowExA(nullptr, toolTip, TOOLTIPS_CLASSA, nullptr), nullptr);
    ASSERT_EQ(::GetWindow(toolTip, GW_OWNER), t.parent.m_hWnd);
    t.button.SetToolTipText(tip);
    EXPECT_EQ(::SendMessageA(toolTip, TTM_GETTOOLCOUNT, 0, 0), *tip ? 1 : 0);
    char shown[80] = "";
    TOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = t.parent;
    tool.uId = reinterpret_cast<UINT_PTR>(t.button.m_hWnd);
    tool.lpszText = shown;
    ::SendMessageA(toolTip, TTM_GETTEXTA, sizeof shown, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(shown, tip);
    t.button.EnableToolTip(false);
    EXPECT_FALSE(::IsWindow(toolTip));
  }
}

}  // namespace
}  // namespace pelmo
