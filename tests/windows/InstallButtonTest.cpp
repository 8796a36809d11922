#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>

#include "windows/kit/Image.h"
#include "windows/kit/InstallButton.h"
#include "windows/kit/Label.h"
#include "windows/kit/WindowClass.h"
#include "windows/WindowTestSupport.h"

namespace launcher {
namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0), kHighlight = RGB(255, 204, 0);

FontSpec MenuFont() {
  FontSpec font;
  font.height = -13;
  font.bold = true;
  font.color = kWhite;
  return font;
}

// A 600 x 400 window with one panel, as the launcher's pages are.
class InstallButtonTest : public testing::Test {
 protected:
  InstallButtonTest()
      : window_(CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 600, 400, nullptr, nullptr, nullptr, nullptr)),
        panel_(application_, window_, 0, 0, 600, 400) {}
  ~InstallButtonTest() override {
    buttons_.clear();
    DestroyWindow(window_);
  }

  TInstallButton& AddButton(int left, int top, int width, int height, TAlign align = TAlign::alLeft) {
    buttons_.push_back(std::make_unique<TInstallButton>());
    TInstallButton& button = *buttons_.back();
    button.SetBounds(left, top, width, height);
    button.SetAlign(align);
    button.SetParent(&panel_);
    button.SetFont(MenuFont());
    button.OnClick = [this](TInstallButton&) { ++clicks_; };
    return button;
  }

  // A menu-sized button 120 pixels wide at (20, 20) with a caption.
  TInstallButton& AddMenuButton(const std::string& caption) {
    TInstallButton& button = AddButton(20, 20, 164, 23);
    button.SetMaxWidth(120);
    button.SetCaption(caption);
    return button;
  }

  void Send(UINT message, int x, int y, WPARAM keys = 0) {
    SendMessageA(panel_.Handle(), message, keys, MAKELPARAM(x, y));
  }

  // The panel painted into a 32-bit bitmap, as 0x00BBGGRR pixels.
  struct Picture {
    int width, height;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
    int Count(const RECT& r, COLORREF colour) const {
      int n = 0;
      for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) n += At(x, y) == colour;
      return n;
    }
  };
  Picture PaintPanel() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = 600;
    info.bmiHeader.biHeight = -400;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    panel_.PaintTo(dc, RECT{0, 0, 600, 400});
    GdiFlush();
    Picture picture{600, 400, {}};
    const auto* raw = static_cast<const uint32_t*>(bits);
    for (int i = 0; i < 600 * 400; ++i) {
      const uint32_t p = raw[i];  // 0x00RRGGBB in a DIB
      picture.pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return picture;
  }

  // What a screen reader reads of the button: lit under the pointer.
  static bool Hot(const TInstallButton& button) {
    return (button.Accessibility().state & STATE_SYSTEM_HOTTRACKED) != 0;
  }

  static int TextHeight() {
    HDC dc = CreateCompatibleDC(nullptr);
    Font font = CreateFontFrom(MenuFont());
    HGDIOBJ old = SelectObject(dc, font.Get());
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, "Install", -1, &r, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    DeleteDC(dc);
    return r.bottom - r.top;
  }

  Application application_{"Install_Windows"};
  HWND window_;
  TPanel panel_;
  std::vector<std::unique_ptr<TInstallButton>> buttons_;
  int clicks_ = 0;
};

TEST_F(InstallButtonTest, ValuesAtConstruction) {
  TInstallButton button;
  EXPECT_EQ(button.Width(), 39);
  EXPECT_EQ(button.Height(), 27);
  EXPECT_EQ(button.MaxWidth(), 5);
  EXPECT_EQ(button.Align(), TAlign::alLeft);
  EXPECT_TRUE(button.Visible());
  EXPECT_TRUE(button.Enabled());
  EXPECT_FALSE(button.ShowHint() || button.Pressed() || Hot(button));
  const RECT text = button.TextRect();
  EXPECT_TRUE(IsRectEmpty(&text));
}

TEST_F(InstallButtonTest, ParentlessButtonMeasuresAndPaintsNothing) {
  TInstallButton carrier;
  carrier.SetCaption("Modeler");
  carrier.SetFont(MenuFont());
  carrier.SetHint("Design models");
  EXPECT_EQ(carrier.Width(), 39);
  EXPECT_EQ(carrier.Height(), 27);
  EXPECT_EQ(carrier.Caption(), "Modeler");
}

TEST_F(InstallButtonTest, LaysOutFromItsCaption) {
  TInstallButton& button = AddButton(18, 153, 164, 23);
  button.SetMaxWidth(100);
  button.SetCaption("Install");
  const int textHeight = TextHeight();
  EXPECT_EQ(button.Left(), 18);
  EXPECT_EQ(button.Top(), 153);
  EXPECT_EQ(button.Width(), 100);
  EXPECT_EQ(button.Height(), textHeight + 8);
  const RECT text = button.TextRect();
  EXPECT_EQ(text.top, (button.Height() - textHeight) / 2);
  EXPECT_EQ(text.left, (100 - (text.right - text.left)) / 2);

  FontSpec bigger = MenuFont();
  bigger.height = -20;
  button.SetFont(bigger);
  EXPECT_GT(button.Height(), textHeight + 8);
  EXPECT_EQ(button.Top(), 153);  // alLeft keeps its top
}

TEST_F(InstallButtonTest, RightAlignedKeepsItsRightAndBottomEdges) {
  // The selection page's two buttons: Install ends at x 460, Cancel starts 7
  // pixels further right, both on the baseline y 397 / top 373.
  TInstallButton& install = AddButton(460, 373, 0, 24, TAlign::alRight);
  TInstallButton& cancel = AddButton(467, 373, 0, 24);
  install.FitWidthToText("Install");
  install.SetCaption("Install");
  cancel.FitWidthToText("Back");
  cancel.SetCaption("Back");
  EXPECT_EQ(install.Left() + install.Width(), 460);
  EXPECT_EQ(install.Top() + install.Height(), 397);
  EXPECT_EQ(cancel.Left(), 467);
  EXPECT_EQ(cancel.Top(), 373);
  EXPECT_EQ(cancel.Left() - (install.Left() + install.Width()), 7);

  FontSpec bigger = MenuFont();
  bigger.height = -20;
  install.SetFont(bigger);
  EXPECT_EQ(install.Left() + install.Width(), 460);
  EXPECT_EQ(install.Top() + install.Height(), 397);
}

TEST_F(InstallButtonTest, FitWidthToTextOnlyStoresTheWidth) {
  TInstallButton& button = AddButton(18, 153, 164, 23);
  button.FitWidthToText("Documentation");
  RECT measured{0, 0, 0, 0};
  {
    HDC dc = CreateCompatibleDC(nullptr);
    Font font = CreateFontFrom(MenuFont());
    HGDIOBJ old = SelectObject(dc, font.Get());
    DrawTextA(dc, "Documentation", -1, &measured, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    DeleteDC(dc);
  }
  EXPECT_EQ(button.MaxWidth(), measured.right + 26);
  EXPECT_EQ(button.Width(), 164);  // nothing laid out yet
}

TEST_F(InstallButtonTest, PaintsAWhiteEdgeABlackBoxAndTheCaption) {
  TInstallButton& button = AddMenuButton("Install");
  const int w = button.Width(), h = button.Height();
  Picture p = PaintPanel();
  const int x = 20, y = 20;
  EXPECT_EQ(p.At(x, y), kWhite);
  EXPECT_EQ(p.At(x + 1, y + 1), kBlack);
  // One pixel of edge at the left and top, two at the right and bottom.
  EXPECT_EQ(p.At(x, y + h / 2), kWhite);
  EXPECT_EQ(p.At(x + 1, y + h / 2), kBlack);
  EXPECT_EQ(p.At(x + w - 1, y + h / 2), kWhite);
  EXPECT_EQ(p.At(x + w - 2, y + h / 2), kWhite);
  EXPECT_EQ(p.At(x + w - 3, y + h / 2), kBlack);
  EXPECT_EQ(p.At(x + 3, y + h - 2), kWhite);
  EXPECT_EQ(p.At(x + 3, y + h - 3), kBlack);
  const RECT inner{x + 1, y + 1, x + w - 2, y + h - 2};
  EXPECT_GT(p.Count(inner, kWhite), 20);  // the caption, white
  EXPECT_EQ(p.Count(inner, kHighlight), 0);

  Send(WM_MOUSEMOVE, x + 5, y + 5);
  Picture hovered = PaintPanel();
  EXPECT_GT(hovered.Count(inner, kHighlight), 20);
  EXPECT_EQ(hovered.Count(inner, kWhite), 0);
}

// High contrast: a page with a backdrop picture under a text and a button
// draws with the system's colours only; its picture is left out.
TEST_F(InstallButtonTest, TheSystemPaletteDrawsOnlySystemColoursAndNoBackdrop) {
  constexpr COLORREF kRed = RGB(255, 0, 0);
  HDC screen = GetDC(nullptr);
  BitmapHandle red(CreateCompatibleBitmap(screen, 600, 400));
  ReleaseDC(nullptr, screen);
  {
    MemoryDc dc(nullptr);
    Selection select(dc.Get(), red.Get());
    RECT all{0, 0, 600, 400};
    Brush brush(CreateSolidBrush(kRed));
    FillRect(dc.Get(), &all, brush.Get());
  }
  TImage backdrop;
  backdrop.SetBounds(0, 0, 600, 400);
  backdrop.SetPicture(launcher::Picture::FromBitmap(std::move(red)));
  backdrop.SetBackdrop(true);
  backdrop.SetParent(&panel_);
  FontSpec labelFont;
  labelFont.height = -13;
  TLabel label(labelFont, true, false);
  const RECT labelArea{300, 100, 500, 120};
  label.SetBounds(labelArea.left, labelArea.top, 200, 20);
  label.SetCaption("Choose what to install");
  label.SetParent(&panel_);
  TInstallButton& button = AddMenuButton("Install");
  const RECT face{21, 21, 20 + button.Width() - 2, 20 + button.Height() - 2};

  EXPECT_GT(PaintPanel().Count(RECT{0, 0, 600, 400}, kRed), 100000);  // the designed look shows it

  panel_.SetColours(Palette::kSystem);
  const Picture p = PaintPanel();
  const COLORREF window = GetSysColor(COLOR_WINDOW), windowText = GetSysColor(COLOR_WINDOWTEXT);
  const COLORREF buttonFace = GetSysColor(COLOR_BTNFACE), buttonText = GetSysColor(COLOR_BTNTEXT);
  EXPECT_EQ(p.Count(RECT{0, 0, 600, 400}, kRed), 0);
  EXPECT_EQ(p.At(599, 399), window);
  EXPECT_EQ(p.At(20, 20), windowText);  // the button's edge
  EXPECT_EQ(p.At(22, 22), buttonFace);
  EXPECT_GT(p.Count(face, buttonText), 20);
  EXPECT_GT(p.Count(labelArea, windowText), 20);
  // Outside the texts, where letters may be smoothed, nothing else is drawn.
  int other = 0;
  for (int y = 0; y < 400; ++y) {
    for (int x = 0; x < 600; ++x) {
      const POINT at{x, y};
      const COLORREF c = p.At(x, y);
      if (PtInRect(&face, at) || PtInRect(&labelArea, at)) continue;
      other += c != window && c != windowText && c != buttonFace;
    }
  }
  EXPECT_EQ(other, 0);

  Send(WM_MOUSEMOVE, 25, 25);  // the hot button takes the highlight
  const Picture hot = PaintPanel();
  EXPECT_EQ(hot.At(22, 22), GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_GT(hot.Count(face, GetSysColor(COLOR_HIGHLIGHTTEXT)), 20);
}

TEST_F(InstallButtonTest, PressedCaptionShiftsOnePixel) {
  TInstallButton& button = AddMenuButton("Install");
  const RECT before = button.TextRect();
  Picture normal = PaintPanel();
  Send(WM_LBUTTONDOWN, 30, 25, MK_LBUTTON);
  EXPECT_TRUE(button.Pressed());
  EXPECT_EQ(button.TextRect().left, before.left + 1);
  EXPECT_EQ(button.TextRect().top, before.top + 1);
  Picture pressed = PaintPanel();
  // Every caption pixel moved one right and one down (hovered colour aside).
  int moved = 0, total = 0;
  for (int y = 22; y < 20 + button.Height() - 3; ++y) {
    for (int x = 22; x < 20 + button.Width() - 3; ++x) {
      if (normal.At(x, y) != kWhite) continue;
      ++total;
      moved += pressed.At(x + 1, y + 1) != kBlack;
    }
  }
  EXPECT_GT(total, 20);
  EXPECT_EQ(moved, total);
  Send(WM_LBUTTONUP, 30, 25);
}

TEST_F(InstallButtonTest, TinyAndZeroWidthButtons) {
  TInstallButton& tiny = AddButton(10, 10, 2, 2);
  TInstallButton& hidden = AddButton(50, 10, 164, 23);
  hidden.SetMaxWidth(0);
  hidden.SetCaption("Invisible");
  EXPECT_EQ(hidden.Width(), 0);
  Picture p = PaintPanel();
  EXPECT_EQ(p.Count(RECT{10, 10, 12, 12}, kWhite), 4);  // all white, no black fill
  EXPECT_EQ(p.Count(RECT{45, 5, 230, 40}, kWhite), 0);
  EXPECT_EQ(p.Count(RECT{45, 5, 230, 40}, kBlack), 0);
  (void)tiny;
}

TEST_F(InstallButtonTest, EmptyCaptionKeepsTheSizeAndDrawsNoText) {
  TInstallButton& button = AddButton(20, 20, 80, 30);
  button.SetMaxWidth(200);
  button.SetCaption("");
  EXPECT_EQ(button.Width(), 80);
  EXPECT_EQ(button.Height(), 30);
  Picture p = PaintPanel();
  EXPECT_EQ(p.Count(RECT{21, 21, 98, 48}, kWhite), 0);
}

TEST_F(InstallButtonTest, ClickNeedsAPressAndAReleaseOverTheButton) {
  TInstallButton& button = AddMenuButton("Install");
  struct Step {
    UINT message;
    int x, y;
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
    int clicks;
    bool pressedAfter;
  };
  const int in = 30, out = 300;
  for (const Case& c : {
           Case{"click", {{WM_LBUTTONDOWN, in, 25}, {WM_LBUTTONUP, in, 25}}, 1, false},
           Case{"drag out and back",
                {{WM_LBUTTONDOWN, in, 25}, {WM_MOUSEMOVE, out, 25}, {WM_MOUSEMOVE, in, 26}, {WM_LBUTTONUP, in, 26}},
                1,
                false},
           Case{"release outside", {{WM_LBUTTONDOWN, in, 25}, {WM_MOUSEMOVE, out, 25}, {WM_LBUTTONUP, out, 25}}, 0,
                false},
           Case{"right button", {{WM_RBUTTONDOWN, in, 25}, {WM_RBUTTONUP, in, 25}}, 0, false},
           Case{"release without a press", {{WM_LBUTTONUP, in, 25}}, 0, false},
       }) {
    clicks_ = 0;
    for (const Step& s : c.steps) Send(s.message, s.x, s.y);
    EXPECT_EQ(clicks_, c.clicks) << c.name;
    EXPECT_EQ(button.Pressed(), c.pressedAfter) << c.name;
  }
}

TEST_F(InstallButtonTest, DraggingOutAndBackTogglesThePushedLook) {
  TInstallButton& button = AddMenuButton("Install");
  const LONG left = button.TextRect().left;
  Send(WM_LBUTTONDOWN, 30, 25);
  EXPECT_EQ(button.TextRect().left, left + 1);
  Send(WM_MOUSEMOVE, 300, 25);  // outside: the captured button still hears it
  EXPECT_FALSE(button.Pressed());
  EXPECT_EQ(button.TextRect().left, left);
  Send(WM_MOUSEMOVE, 30, 25);
  EXPECT_TRUE(button.Pressed());
  EXPECT_EQ(button.TextRect().left, left + 1);
  Send(WM_LBUTTONUP, 30, 25);
}

// Another window taking the mouse while the button is held (a message
// window popping up, say) ends the press: the button must not stay drawn
// pressed, nor click at a later release.
TEST_F(InstallButtonTest, LosingTheMouseCaptureEndsThePress) {
  TInstallButton& button = AddMenuButton("Install");
  const LONG left = button.TextRect().left;
  Send(WM_LBUTTONDOWN, 30, 25);
  ASSERT_TRUE(button.Pressed());
  HWND other = CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                               nullptr);
  SetCapture(other);
  EXPECT_FALSE(button.Pressed());
  EXPECT_EQ(button.TextRect().left, left);
  ReleaseCapture();
  DestroyWindow(other);
  Send(WM_LBUTTONUP, 30, 25);
  EXPECT_EQ(clicks_, 0);
}

TEST_F(InstallButtonTest, FreezingInTheClickMakesTheReleaseDoNothing) {
  TInstallButton& button = AddMenuButton("Exit");
  button.OnClick = [this](TInstallButton& sender) {
    ++clicks_;
    sender.Freeze();  // what the launcher does when the click closed it
  };
  Send(WM_LBUTTONDOWN, 30, 25);
  Send(WM_LBUTTONUP, 30, 25);
  EXPECT_EQ(clicks_, 1);
  EXPECT_TRUE(button.Pressed());  // drawn as it was when the window went
}

TEST_F(InstallButtonTest, EnterAndLeaveLightTheButtonEvenWhenDisabled) {
  TInstallButton& button = AddMenuButton("Install");
  button.SetEnabled(false);
  Send(WM_MOUSEMOVE, 30, 25);
  EXPECT_TRUE(Hot(button));
  Send(WM_MOUSEMOVE, 31, 25);
  EXPECT_TRUE(Hot(button));
  Send(WM_LBUTTONDOWN, 31, 25);
  EXPECT_FALSE(button.Pressed());
  Send(WM_LBUTTONUP, 31, 25);
  EXPECT_EQ(clicks_, 0);
  Send(WM_MOUSEMOVE, 300, 300);
  EXPECT_FALSE(Hot(button));
}

// A mouse user's window hides focus cues (its WM_QUERYUISTATE says so, as
// the launcher's main window does); in high contrast the focused button
// shows its cue all the same.
LRESULT CALLBACK HiddenCuesHost(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_QUERYUISTATE) return UISF_HIDEFOCUS;
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST(InstallButtonFocusCue, InHighContrastItShowsEvenWhenCuesAreHidden) {
  RegisterWindowClass("HiddenCuesHost", HiddenCuesHost);
  Application application("Install_Windows");
  HWND host = CreateWindowExA(0, "HiddenCuesHost", "host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 600, 400,
                              nullptr, nullptr, nullptr, nullptr);
  {
    TPanel panel(application, host, 0, 0, 600, 400);
    TInstallButton button;
    button.SetBounds(20, 20, 164, 23);
    button.SetParent(&panel);
    button.SetFont(MenuFont());
    button.SetMaxWidth(120);
    button.SetCaption("Install");
    SetForegroundWindow(host);
    SetFocus(panel.Handle());
    ASSERT_EQ(GetFocus(), panel.Handle());
    auto paint = [&] {
      MemoryDc dc(nullptr);
      BitmapHandle bitmap(CreateCompatibleBitmap(WindowDc(nullptr).Get(), 200, 60));
      Selection select(dc.Get(), bitmap.Get());
      panel.PaintTo(dc.Get(), RECT{0, 0, 200, 60});
      std::vector<COLORREF> pixels;
      for (int y = 18; y < 46; ++y) {
        for (int x = 18; x < 190; ++x) pixels.push_back(GetPixel(dc.Get(), x, y));
      }
      return pixels;
    };
    for (const Palette palette : {Palette::kDesigned, Palette::kSystem}) {
      panel.SetColours(palette);
      panel.FocusControl(nullptr);
      const std::vector<COLORREF> unfocused = paint();
      panel.FocusControl(&button);
      EXPECT_EQ(paint() != unfocused, palette == Palette::kSystem)
          << (palette == Palette::kSystem ? "high contrast shows no cue" : "the designed look shows a hidden cue");
    }
  }
  DestroyWindow(host);
}

// The text and the rectangle the tooltip control holds for the button.
std::pair<std::string, RECT> ToolOf(TPanel& panel, TInstallButton& button) {
  char text[256] = "";
  TOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = panel.Handle();
  tool.uId = reinterpret_cast<UINT_PTR>(&button);
  tool.lpszText = text;
  SendMessageA(panel.Tooltip(), TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&tool));
  return {text, tool.rect};
}

// On a screen at 150 % the layout stays logical and all that is physical is
// scaled from it: the panel, the button (its fitted width too, a logical
// width), and where it takes clicks; the caption, measured in the scaled
// font, lies inside the button. Back at 96 DPI nothing has moved.
TEST_F(InstallButtonTest, AtOneHundredAndFiftyPercentTheButtonIsItsLayoutScaled) {
  TInstallButton& button = AddButton(18, 153, 164, 23);
  button.FitWidthToText("Documentation");
  button.SetCaption("Documentation");
  const RECT designed = button.BoundsRect();
  const int designedWidth = button.MaxWidth();

  panel_.SetDpi(144);
  RECT page;
  GetClientRect(panel_.Handle(), &page);
  EXPECT_EQ(page.right, 900);
  EXPECT_EQ(page.bottom, 600);
  EXPECT_EQ(button.MaxWidth(), designedWidth);
  const RECT layout{button.Left(), button.Top(), button.Left() + button.Width(), button.Top() + button.Height()};
  const RECT scaled = Scaled(layout, 144), bounds = button.BoundsRect();
  EXPECT_TRUE(EqualRect(&bounds, &scaled));
  const RECT text = button.TextRect(), face{2, 2, scaled.right - scaled.left - 3, scaled.bottom - scaled.top - 3};
  RECT inside;
  EXPECT_TRUE(IntersectRect(&inside, &text, &face) && EqualRect(&inside, &text))
      << text.left << "," << text.top << "," << text.right << "," << text.bottom;
  // Inside the logical rectangle but left of the scaled one: no click.
  Send(WM_LBUTTONDOWN, layout.left + 2, layout.top + 2, MK_LBUTTON);
  Send(WM_LBUTTONUP, layout.left + 2, layout.top + 2);
  EXPECT_EQ(clicks_, 0);
  const int x = (scaled.left + scaled.right) / 2, y = (scaled.top + scaled.bottom) / 2;
  Send(WM_LBUTTONDOWN, x, y, MK_LBUTTON);
  Send(WM_LBUTTONUP, x, y);
  EXPECT_EQ(clicks_, 1);

  panel_.SetDpi(96);
  const RECT back = button.BoundsRect();
  EXPECT_TRUE(EqualRect(&back, &designed));
  EXPECT_EQ(button.MaxWidth(), designedWidth);
}

// A picture is scaled once for each scale, from its own pixels over its
// density, with a smoothing filter; at its own size it is itself.
TEST(PictureTest, IsSmoothedOnceForEachScaleAndIsItselfAtItsOwnSize) {
  Bitmap halves;  // black left half, white right half
  halves.width = 60;
  halves.height = 40;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 60; ++x) halves.pixels.push_back(x < 30 ? 0x000000u : 0xFFFFFFu);
  }
  auto sizeOf = [](HBITMAP bitmap) {
    BITMAP size{};
    GetObjectA(bitmap, sizeof size, &size);
    return SIZE{size.bmWidth, size.bmHeight};
  };
  SharedPicture single = Picture::FromBitmap(CreateDib(halves));
  EXPECT_EQ(single->At(96), single->Handle());
  HBITMAP large = single->At(144);
  EXPECT_EQ(sizeOf(large).cx, 90);
  EXPECT_EQ(sizeOf(large).cy, 60);
  EXPECT_EQ(single->At(144), large);  // kept, not made again
  {
    MemoryDc dc(nullptr);
    Selection select(dc.Get(), large);
    int greys = 0;  // where the halves meet, the filter mixes them
    for (int x = 40; x < 50; ++x) {
      const int red = GetRValue(GetPixel(dc.Get(), x, 30));
      greys += red > 0x20 && red < 0xE0;
    }
    EXPECT_GT(greys, 0);
  }
  SharedPicture twice = Picture::FromBitmap(CreateDib(halves), 2);
  EXPECT_EQ(twice->At(192), twice->Handle());
  EXPECT_EQ(sizeOf(twice->At(144)).cx, 45);
  EXPECT_EQ(sizeOf(twice->At(96)).cy, 20);
}

TEST_F(InstallButtonTest, TooltipShowsTheHintOnlyWhenShowHint) {
  TInstallButton& button = AddButton(20, 20, 164, 23);
  button.SetHint("Choose the components");
  EXPECT_EQ(button.TooltipText(), "");  // none until asked for
  EXPECT_EQ(ToolOf(panel_, button).first, "");
  button.SetShowHint(true);
  EXPECT_EQ(button.TooltipText(), "Choose the components");
  EXPECT_EQ(ToolOf(panel_, button).first, "Choose the components");
  button.SetMaxWidth(120);
  button.SetCaption("Install");
  const RECT bounds = button.BoundsRect(), tool = ToolOf(panel_, button).second;
  EXPECT_TRUE(EqualRect(&bounds, &tool));
  button.SetVisible(false);
  const RECT hidden = ToolOf(panel_, button).second;
  EXPECT_TRUE(IsRectEmpty(&hidden));
}

TEST_F(InstallButtonTest, KeepsAScreenshotOfNormalHoveredAndPressedButtons) {
  SetWindowPos(window_, HWND_TOP, 100, 100, 220, 130, SWP_SHOWWINDOW);
  const char* captions[] = {"Normal", "Hovered", "Pressed"};
  for (int i = 0; i < 3; ++i) {
    TInstallButton& button = AddButton(18, 20 + 30 * i, 164, 23);
    button.FitWidthToText("Hovered and pressed");
    button.SetCaption(captions[i]);
  }
  Send(WM_MOUSEMOVE, 40, 55);
  Send(WM_LBUTTONDOWN, 40, 85);
  UpdateWindow(panel_.Handle());
  application_.ProcessMessages();
  CreateDirectoryA("artifacts", nullptr);
  EXPECT_TRUE(test::SaveScreenshot(window_, "artifacts/install-buttons.bmp"));
  Send(WM_LBUTTONUP, 40, 85);
}

}  // namespace
}  // namespace launcher

namespace launcher {
namespace {

TEST_F(InstallButtonTest, TooltipAppearsWhenThePointerRestsOnTheButton) {
  SetWindowPos(window_, HWND_TOP, 100, 100, 600, 400, SWP_SHOWWINDOW);
  // A background under the button, as on the menu page.
  TImage background;
  background.SetBounds(0, 0, 600, 400);
  background.SetParent(&panel_);
  TInstallButton& button = AddButton(20, 20, 164, 23);
  button.SetShowHint(true);
  button.SetHint("Choose the components");
  button.SetMaxWidth(120);
  button.SetCaption("Install");
  application_.ProcessMessages();
  POINT point{40, 30};
  ClientToScreen(panel_.Handle(), &point);
  SetCursorPos(point.x, point.y);
  INPUT move{};
  move.type = INPUT_MOUSE;
  move.mi.dwFlags = MOUSEEVENTF_MOVE;
  SendInput(1, &move, sizeof move);
  bool shown = false;
  for (DWORD start = GetTickCount(); !shown && GetTickCount() - start < 3000; Sleep(20)) {
    application_.ProcessMessages();
    shown = IsWindowVisible(panel_.Tooltip());
  }
  EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace launcher
