// The bitmap push button on a plain parent window, judged by the pixels it draws and by what its
// parent and tooltip receive.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "WindowTestSupport.h"
#include "controls/OXBitmapButton.h"
#include "framework/ScaledBitmap.h"
#include "resource.h"

namespace pelmo {
namespace {

constexpr SIZE kButton{24, 22};

using Pixels = std::vector<COLORREF>;

int Count(const Pixels& pixels, COLORREF colour) {
  return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
}

// What the button paints into a 32-bit bitmap, through its parent's WM_DRAWITEM as in a real paint.
Pixels Render(HWND button) {
  const Rect client = ClientRect(button);
  BITMAPINFO info{};
  info.bmiHeader = {
      sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  GdiObject<HBITMAP> bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  MemoryDC dc(nullptr);
  SelectedObject selected(dc, bitmap.Get());
  ::SendMessageA(button, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)),
                 PRF_CLIENT);
  ::GdiFlush();
  Pixels pixels;
  const auto* quads = static_cast<const RGBQUAD*>(bits);
  for (const RGBQUAD* q = quads; q != quads + client.right * client.bottom; ++q)
    pixels.push_back(RGB(q->rgbRed, q->rgbGreen, q->rgbBlue));
  return pixels;
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
    button.LoadBitmap(IDB_EDIT, kKeyColourRef);
    // As on the main window: a hot button has the focus, whose rectangle crosses the picture.
    button.SetFocusFrame(false);
  }
  Parent parent;
  COXBitmapButton button;
};

TEST(BitmapButton, DisabledButtonShowsTheEmbossedPictureAndIgnoresMouseAndKeys) {
  for (const bool enabled : {true, false}) {
    SCOPED_TRACE(enabled);
    TestButton t;
    t.button.SetFlat(true);
    ::EnableWindow(t.button, enabled);
    const Pixels before = Render(t.button);
    ::SendMessageA(t.button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ::SendMessageA(t.button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageA(t.button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    ::SendMessageA(t.button, WM_KEYDOWN, VK_SPACE, 0);
    ::SendMessageA(t.button, WM_KEYUP, VK_SPACE, 0);
    test::Settle(50);
    EXPECT_EQ(t.parent.clicks, enabled ? 2 : 0);
    if (enabled) continue;

    EXPECT_NE(::GetCapture(), t.button.m_hWnd);
    const Pixels after = Render(t.button);
    EXPECT_EQ(after, before);
    // Embossed on a plain face: nothing but face, highlight and a shadow outline.
    const COLORREF shadow = ::GetSysColor(COLOR_3DSHADOW);
    EXPECT_GT(Count(after, shadow), 10);
    EXPECT_EQ(Count(after, ::GetSysColor(COLOR_BTNFACE)) + Count(after, shadow) +
                  Count(after, ::GetSysColor(COLOR_3DHILIGHT)),
              kButton.cx * kButton.cy);
  }
}

// Pictures are drawn for 96 DPI and scaled once, as they are loaded, for the system's: pixel for
// pixel, so that magenta stays transparent; at 150% the arrows are drawn again, with their slopes.
TEST(BitmapButton, PicturesAreLoadedScaledForTheDpi) {
  // clang-format off
  const struct { LPCSTR name; int cellWidth, dpi; SIZE size; } pictures[] = {
                  {MAKEINTRESOURCEA(IDB_EDIT), 0, 120, {20, 20}},
                  {MAKEINTRESOURCEA(IDB_HISTORY_TYPES), 13, 144, {120, 17}},
                  {"MENUPOPU", 0, 144, {18, 17}},
                  {MAKEINTRESOURCEA(IDB_UP), 0, 192, {14, 8}}};  // clang-format on
  for (const auto& p : pictures) {
    BITMAP info{};
    ASSERT_TRUE(
        ::GetObjectA(LoadScaledBitmap(p.name, p.dpi, p.cellWidth).Get(), sizeof info, &info));
    EXPECT_EQ(info.bmWidth, p.size.cx) << p.dpi;
    EXPECT_EQ(info.bmHeight, p.size.cy) << p.dpi;
    EXPECT_EQ(info.bmBitsPixel, 4) << "its colour table kept";
  }
  const GdiObject<HBITMAP> up = LoadScaledBitmap(MAKEINTRESOURCEA(IDB_UP), 144);
  MemoryDC dc(nullptr);
  SelectedObject selected(dc, up.Get());
  EXPECT_EQ(::GetPixel(dc, 3, 1), kKeyColourRef);
  EXPECT_EQ(::GetPixel(dc, 4, 1), RGB(0, 0, 0)) << "the second row three pixels wide";

  // A soft button draws its grey picture whole, the black outline of the pencil's page from its
  // first column to its last, and nothing of the key colour.
  for (const auto& [dpi, width] : {std::pair(96, 16), std::pair(144, 24)}) {
    TestButton t;
    ::SetWindowPos(t.button, nullptr, 0, 0, 40, 40, SWP_NOMOVE | SWP_NOZORDER);
    t.button.LoadBitmap(IDB_EDIT, kKeyColourRef, dpi);
    t.button.SetFlat(true);
    const Pixels pixels = Render(t.button);
    int left = 40, right = -1;
    for (std::size_t i = 0; i < pixels.size(); ++i) {
      if (pixels[i] != RGB(0, 0, 0)) continue;
      left = std::min(left, static_cast<int>(i % 40));
      right = std::max(right, static_cast<int>(i % 40));
    }
    EXPECT_EQ(right - left + 1, width) << dpi;
    EXPECT_EQ(Count(pixels, kKeyColourRef), 0) << dpi;
  }
}

// The program's buttons carry their tooltip in the window text, after a line feed.
TEST(BitmapButton, TheToolTipShowsTheTextAfterTheLineFeed) {
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
  for (const char* tip : {"Edit", "Edit twice", ""}) {
    t.button.SetToolTipText(tip);
    EXPECT_EQ(::SendMessageA(toolTip, TTM_GETTOOLCOUNT, 0, 0), *tip ? 1 : 0) << tip;
    char shown[80] = "";
    // clang-format off
    TOOLINFOA tool{TTTOOLINFOA_V1_SIZE, 0, t.parent, reinterpret_cast<UINT_PTR>(t.button.m_hWnd),
                   {}, nullptr, shown, 0, nullptr};  // clang-format on
    ::SendMessageA(toolTip, TTM_GETTEXTA, sizeof shown, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(shown, tip);
  }
  t.button.EnableToolTip(false);
  EXPECT_FALSE(::IsWindow(toolTip));
}

}  // namespace
}  // namespace pelmo
