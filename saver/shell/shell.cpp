#include "shell/shell.h"

#include "display/display.h"
#include "exception.h"
#include "scene/snow.h"
#include "shell/command_line.h"

Snow* SaverScene = nullptr;
int FrameBusy = 0;

// Wide, so that it reads right whatever the system's ANSI code page is.
const wchar_t DisplayErrorText[] = L"初始化DirectDraw过程中出错！";
const wchar_t DisplayErrorCaption[] = L"Error";

namespace {

// A frame needs the pages and both pictures; after ReleaseDisplay they are
// gone (or dangling), and a timer event may still be dispatched by the error
// box's own message loop.
bool DisplayReady() {
  return DirectDrawObject != nullptr && PrimarySurface != nullptr && BackBuffer != nullptr &&
         SceneSurface != nullptr && SpriteSurface != nullptr;
}

// The wind store may fail (a value of the wrong type, a key that cannot be
// created). The settings program is where the user hears about that; here
// the snow still falls, without wind. No exception may leave the window
// procedure.
Snow* MakeScene() {
  try {
    return new Snow();
  } catch (const ERegistryException&) {
    return new Snow(0);
  }
}

void ShowDisplayError() {
  ReleaseDisplay();
  HWND window = GetActiveWindow();
  if (window != nullptr) KillTimer(window, FrameTimerId);
  MessageBoxW(window, DisplayErrorText, DisplayErrorCaption, MB_OK);
  if (window != nullptr) DestroyWindow(window);
}

}  // namespace

void CALLBACK FrameTimerProc(HWND, UINT, UINT_PTR timerId, DWORD) {
  if (FrameBusy) return;
  FrameBusy = 1;
  if (timerId == FrameTimerId && SaverScene != nullptr && DisplayReady()) SaverScene->Tick();
  FrameBusy = 0;
}

LRESULT CALLBACK SaverWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      FrameBusy = 0;
      try {
        SaverScene = MakeScene();
      } catch (...) {
        // Out of memory: no scene, no frames; the window still closes on input.
        SaverScene = nullptr;
      }
      SetTimer(window, FrameTimerId, FramePeriodMs, FrameTimerProc);
      break;
    case WM_DESTROY:
      delete SaverScene;
      SaverScene = nullptr;
      KillTimer(window, FrameTimerId);
      ReleaseDisplay();
      PostQuitMessage(0);
      break;
    case WM_SETCURSOR:
      SetCursor(nullptr);
      return TRUE;
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      PostMessageA(window, WM_CLOSE, 0, 0);
      break;
    case WM_MOUSEMOVE:
      return 0;
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

int CreateSaverWindow(HINSTANCE instance, int showCommand) {
  WNDCLASSA windowClass = {};
  windowClass.style = 0;
  windowClass.lpfnWndProc = SaverWndProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, IDI_APPLICATION);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = SaverClassName;
  RegisterClassA(&windowClass);

  HWND window = CreateWindowExA(0, SaverClassName, SaverClassName, WS_POPUP, 0, 0,
                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 0;
  ShowWindow(window, showCommand);
  UpdateWindow(window);
  return 1;
}

int SaverMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  switch (ActionOfSwitch(SaverSwitch(GetCommandLineA()))) {
    case SaverAction::Configure:
      WinExec(SettingsProgram, SW_HIDE);
      return 0;
    case SaverAction::Preview:
      return 0;
    case SaverAction::Run:
      break;
  }
  if (!CreateSaverWindow(instance, showCommand)) return 0;
  if (!InitDisplay()) {
    ShowDisplayError();
    return 0;
  }
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}
