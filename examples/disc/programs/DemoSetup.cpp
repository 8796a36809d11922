// The sample disc's stand-in for a component installer: it shows which
// component it installs, fills a bar for two seconds and ends with exit
// code 0. Its last argument is the component file, which names the
// component ("component=NAME").
//
// usage: DemoSetup.exe COMPONENT_FILE
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr UINT_PTR kTimer = 1;
constexpr int kSteps = 40;  // 40 x 50 ms
std::string component = "component";
int step = 0;

std::string ComponentName(const char* file) {
  char line[256] = "";
  if (std::FILE* in = std::fopen(file, "r")) {
    if (!std::fgets(line, sizeof line, in)) line[0] = '\0';
    std::fclose(in);
  }
  std::string text(line);
  const size_t equals = text.find('=');
  if (equals != std::string::npos) text = text.substr(equals + 1);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  return text.empty() ? std::string(file) : text;
}

LRESULT CALLBACK SetupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (++step >= kSteps) DestroyWindow(window);
      InvalidateRect(window, nullptr, FALSE);
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
      const std::string text = "Installing " + component + " ...";
      SetBkMode(dc, TRANSPARENT);
      TextOutA(dc, 20, 20, text.c_str(), static_cast<int>(text.size()));
      RECT bar{20, 60, client.right - 20, 80};
      FrameRect(dc, &bar, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      bar.right = bar.left + (bar.right - bar.left) * step / kSteps;
      InflateRect(&bar, 0, -2);
      FillRect(dc, &bar, GetSysColorBrush(COLOR_HIGHLIGHT));
      EndPaint(window, &paint);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  if (__argc > 1) component = ComponentName(__argv[__argc - 1]);
  WNDCLASSA c{};
  c.lpfnWndProc = SetupProc;
  c.hInstance = instance;
  c.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  c.lpszClassName = "DemoSetup";
  RegisterClassA(&c);
  HWND window = CreateWindowExA(0, "DemoSetup", "Orbit Studio 5 setup", WS_OVERLAPPED | WS_CAPTION, 300, 300, 380, 140,
                                nullptr, nullptr, instance, nullptr);
  ShowWindow(window, show);
  SetTimer(window, kTimer, 50, nullptr);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
