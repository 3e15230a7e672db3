// The outer shell of the screensaver: entry point, the one full-screen
// window, its window procedure and the 25 ms frame timer.
#pragma once

#include <windows.h>

class Snow;

// The one scene: made on WM_CREATE, deleted on WM_DESTROY.
extern Snow* SaverScene;
// 1 while a frame runs, so that a nested dispatch cannot start another.
extern int FrameBusy;

constexpr char SaverClassName[] = "Glimmerfall";
constexpr char SettingsProgram[] = "Rimesetup.Exe";
constexpr UINT_PTR FrameTimerId = 1;
constexpr UINT FramePeriodMs = 25;
extern const wchar_t DisplayErrorText[];
extern const wchar_t DisplayErrorCaption[];

int SaverMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand);
// 1 when the window exists and has been shown; the scene and the timer exist
// then too.
int CreateSaverWindow(HINSTANCE instance, int showCommand);
LRESULT CALLBACK SaverWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void CALLBACK FrameTimerProc(HWND window, UINT message, UINT_PTR timerId, DWORD time);
