// The bitmap push button on a plain parent window, judged by the pixels it draws and by what its
// parent and tooltip receive.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WindowTestSupport.h"
#include "controls/OXBitmapButton.h"
#include "resource.h"

namespace pelmo {
namespace {

constexpr COLORREF kMagentaRef = RGB(255, 0, 255);
// A 16 by 16 picture centred in a 24 by 22 button: 3 pixels of margin inside a 22 by 22 area.
constexpr int kWidth = 24;
constexpr int kHeight = 22;
constexpr POINT kPictureAt{4, 3};

class Parent : public CWnd {
 public:
  int clicks = 0;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) ++clicks;
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> colours;
  COLORREF At(int x, int y) const { return colours[y * width + x]; }
  bool operator==(const Pixels& other) const { return colours == other.colours; }
};

Pixels ReadPixels(HDC dc, HBITMAP bitmap, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<RGBQUAD> quads(width * height);
  ::GetDIBits(dc, bitmap, 0, height, quads.data(), &info, DIB_RGB_COLORS);
  Pixels pixels{width, height, {}};
  for (const RGBQUAD& q : quads) pixels.colours.push_back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
  return pixels;
}

// What the button paints, through the parent's WM_DRAWITEM as in a real paint.
Pixels Render(HWND button) {
  RECT client;
  ::GetClientRect(button, &client);
  MemoryDC dc(nullptr);
  HDC screen = ::GetDC(nullptr);
  GdiObject<HBITMAP> bitmap(::CreateCompatibleBitmap(screen, client.right, client.bottom));
  ::ReleaseDC(nullptr, screen);
  {
    SelectedObject selected(dc, bitmap.Get());
    ::SendMessageA(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)),
                   PRF_CLIENT);
  }
  return ReadPixels(dc, bitmap.Get(), client.right, client.bottom);
}

Pixels ResourcePixels(UINT id) {
  GdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(::LoadImageA(
      ::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  BITMAP info{};
  ::GetObjectA(bitmap.Get(), sizeof info, &info);
  MemoryDC dc(nullptr);
  return ReadPixels(dc, bitmap.Get(), info.bmWidth, info.bmHeight);
}

COLORREF Face() {
  return ::GetSysColor(COLOR_BTNFACE);
}
int Brightness(COLORREF c) {
  return GetRValue(c) + GetGValue(c) + GetBValue(c);
}
COLORREF Grey(COLORREF c) {
  const Rgb grey = ToGrey({GetRValue(c), GetGValue(c), GetBValue(c)});
  return RGB(grey.red, grey.green, grey.blue);
}
bool InPicture(int x, int y, POINT at) {
  return x >= at.x && x < at.x + 16 && y >= at.y && y < at.y + 16;
}

// Pixels of the drawn picture that differ from the bitmap as `look` turns it, magenta showing
// the face; with `onlyFace`, also pixels outside the picture that are not plain face.
int Mismatches(const Pixels& drawn, POINT at, COLORREF (*look)(COLORREF), bool onlyFace) {
  static const Pixels source = ResourcePixels(IDB_EDIT);
  int mismatches = 0;
  for (int y = 0; y < drawn.height; ++y) {
    for (int x = 0; x < drawn.width; ++x) {
      if (!InPicture(x, y, at)) {
        mismatches += onlyFace && drawn.At(x, y) != Face();
        continue;
      }
      const COLORREF original = source.At(x - at.x, y - at.y);
      mismatches += drawn.At(x, y) != (original == kMagentaRef ? Face() : look(original));
    }
  }
  return mismatches;
}

COLORREF Colour(COLORREF c) {
  return c;
}

struct TestButton {
  explicit TestButton(const char* text = "\nEdit", DWORD style = BS_OWNERDRAW,
                      SIZE size = {kWidth, kHeight}) {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    parent.CreateEx(0, CWnd::RegisterOwnClass("PelmoButtonTestParent", 0), "",
                    WS_POPUP | WS_VISIBLE, 100, 100, 120, 80, nullptr, nullptr);
    button.SubclassWindow(::CreateWindowExA(0, "BUTTON", text, WS_CHILD | WS_VISIBLE | style, 10,
                                            10, size.cx, size.cy, parent, nullptr,
                                            ::GetModuleHandleA(nullptr), nullptr));
    button.LoadBitmap(IDB_EDIT, kMagentaRef);
    // As on the main window: a hot flat button has the focus, whose rectangle would cross the
    // picture.
    button.SetFocusFrame(false);
  }
  void MouseAt(int x, int y) const {
    ::SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
  }
  Parent parent;
  COXBitmapButton button;
};

TEST(BitmapButton, PictureAndFrameFollowTheLookAndTheMouse) {
  enum class Mouse { kAway, kOver, kPressed };
  enum class Frame { kNone, kRaised, kSunken };
  const struct {
    bool flat;
    Mouse mouse;
    COLORREF (*look)(COLORREF);
    POINT at;
    Frame frame;
  } cases[] = {
      {true, Mouse::kAway, Grey, kPictureAt, Frame::kNone},
      {true, Mouse::kOver, Colour, kPictureAt, Frame::kRaised},
      {true, Mouse::kPressed, Colour, {5, 4}, Frame::kSunken},
      {false, Mouse::kAway, Colour, kPictureAt, Frame::kRaised},
      {false, Mouse::kOver, Colour, kPictureAt, Frame::kRaised},
      {false, Mouse::kPressed, Colour, {5, 4}, Frame::kSunken},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "flat " << c.flat << " mouse " << static_cast<int>(c.mouse));
    TestButton t;
    EXPECT_TRUE(t.button.SetFlat(c.flat));
    if (c.mouse == Mouse::kOver) t.MouseAt(5, 5);
    if (c.mouse == Mouse::kPressed) ::SendMessageA(t.button, BM_SETSTATE, TRUE, 0);
    // Only a flat button tracks the mouse: it takes the capture and the keyboard focus.
    const bool tracking = c.flat && c.mouse == Mouse::kOver;
    EXPECT_EQ(::GetCapture() == t.button, tracking);
    EXPECT_EQ(::GetFocus() == t.button, tracking);

    const Pixels drawn = Render(t.button);
    EXPECT_EQ(Mismatches(drawn, c.at, c.look, c.frame == Frame::kNone), 0);
    const int corner = Brightness(drawn.At(0, 0));
    const int farCorner = Brightness(drawn.At(kWidth - 1, kHeight - 1));
    if (c.frame == Frame::kRaised) {
      EXPECT_GT(corner, Brightness(Face()));
      EXPECT_LT(farCorner, Brightness(Face()));
    }
    if (c.frame == Frame::kSunken) {
      EXPECT_LT(corner, Brightness(Face()));
    }
  }
}

TEST(BitmapButton, FlatButtonLetsGoWhenTheMouseLeavesOrTheLookTurnsRaised) {
  TestButton t;
  t.button.SetFlat(true);
  t.MouseAt(5, 5);
  ASSERT_EQ(::GetCapture(), t.button.m_hWnd);
  t.MouseAt(-5, 5);
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(Mismatches(Render(t.button), kPictureAt, Grey, true), 0);

  t.MouseAt(5, 5);
  ASSERT_EQ(::GetCapture(), t.button.m_hWnd);
  t.button.SetFlat(false);
  EXPECT_EQ(::GetCapture(), nullptr);

  // A mouse that leaves the program's windows altogether is reported only as a leave.
  t.button.SetFlat(true);
  ::SetCursorPos(0, 0);
  t.MouseAt(5, 5);
  ASSERT_EQ(::GetCapture(), t.button.m_hWnd);
  ::SendMessageA(t.button, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(::GetCapture(), nullptr);
  EXPECT_EQ(Mismatches(Render(t.button), kPictureAt, Grey, true), 0);
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

    const Pixels after = Render(t.button);
    EXPECT_TRUE(after == before);
    EXPECT_NE(::GetCapture(), t.button.m_hWnd);
    // Embossed: only face, highlight and shadow, and the outline in shadow.
    int shadow = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const COLORREF c = after.At(x, y);
        if (!InPicture(x, y, kPictureAt)) {
          EXPECT_EQ(c, Face());
        }
        shadow += c == ::GetSysColor(COLOR_3DSHADOW);
        EXPECT_TRUE(c == Face() || c == ::GetSysColor(COLOR_3DSHADOW) ||
                    c == ::GetSysColor(COLOR_3DHILIGHT));
      }
    }
    EXPECT_GT(shadow, 10);
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
      {false, false, false, false},
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
    EXPECT_EQ(!(focused == unfocused), c.marked);
    EXPECT_EQ(focused.At(0, 0) == RGB(0, 0, 0), c.blackCorner);

    // Disabling takes the focus, and with it the focus rectangle.
    ::EnableWindow(t.button, FALSE);
    ::EnableWindow(t.button, TRUE);
    EXPECT_TRUE(Render(t.button) == unfocused);
  }
}

std::string ToolTipText(const TestButton& t, HWND toolTip) {
  char text[80] = "";
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.hwnd = t.parent;
  tool.uId = reinterpret_cast<UINT_PTR>(t.button.m_hWnd);
  tool.lpszText = text;
  ::SendMessageA(toolTip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
  return text;
}

int BlackPixels(const Pixels& pixels) {
  int black = 0;
  for (COLORREF colour : pixels.colours) black += colour == RGB(0, 0, 0);
  return black;
}

Pixels GreyPicture() {
  Pixels picture = ResourcePixels(IDB_EDIT);
  for (COLORREF& colour : picture.colours) colour = colour == kMagentaRef ? Face() : Grey(colour);
  return picture;
}

// A child cannot own a window: the button's tooltip is owned by its top-level parent.
HWND ToolTipOf(const TestButton& t) {
  HWND found = nullptr;
  while ((found = ::FindWindowExA(nullptr, found, TOOLTIPS_CLASSA, nullptr)))
    if (::GetWindow(found, GW_OWNER) == t.parent) return found;
  return nullptr;
}

TEST(BitmapButton, WindowTextCarriesCaptionAndToolTip) {
  const struct {
    const char* text;
    const char* tip;
    const char* windowText;
    bool captionDrawn;
  } cases[] = {
      {"\nEdit", "Edit", "\nEdit", false},
      {"\nEdit", "Delete", "\nDelete", false},
      {"\nEdit", "", "", false},
      {"&Go\nOld", "New", "&Go\nNew", true},
      {"Go", "", "Go", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    TestButton t(c.text, BS_OWNERDRAW, {60, 44});
    t.button.SetFlat(true);
    ASSERT_TRUE(t.button.EnableToolTip(true));
    ASSERT_TRUE(t.button.EnableToolTip(true));
    const HWND toolTip = ToolTipOf(t);
    ASSERT_NE(toolTip, nullptr);
    t.button.SetToolTipText(c.tip);
    EXPECT_EQ(t.button.GetWindowText(), c.windowText);
    EXPECT_EQ(::SendMessageA(toolTip, TTM_GETTOOLCOUNT, 0, 0), *c.tip ? 1 : 0);
    if (*c.tip) {
      EXPECT_EQ(ToolTipText(t, toolTip), c.tip);
    }

    // The caption is black; so is some of the grey picture.
    EXPECT_EQ(BlackPixels(Render(t.button)) > BlackPixels(GreyPicture()), c.captionDrawn);

    t.button.EnableToolTip(false);
    EXPECT_FALSE(::IsWindow(toolTip));
  }
}

TEST(BitmapButton, MissingBitmapLeavesAPlainFace) {
  TestButton t;
  t.button.SetFlat(true);
  EXPECT_FALSE(t.button.LoadBitmap(1, kMagentaRef));
  for (COLORREF colour : Render(t.button).colours) ASSERT_EQ(colour, Face());

  TestButton plain("", BS_PUSHBUTTON);
  EXPECT_FALSE(plain.button.SetFlat(true));
}

}  // namespace
}  // namespace pelmo
