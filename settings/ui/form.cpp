#include "form.h"

#include <stdexcept>

#include "application.h"
#include "screen_centre.h"

TForm::TForm(TComponent* Owner) {
  (void)Owner;  // the application frees its forms
  form_ = this;
  HDC screen = GetDC(nullptr);
  pixelsPerInch_ = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
}

TForm::~TForm() { DestroyHandle(); }

TForm* TForm::FromWindow(HWND window) {
  TControl* control = FromHandle(GetAncestor(window, GA_ROOT));
  return control && control->form_ == control ? static_cast<TForm*>(control) : nullptr;
}

void TForm::CreateWindowOfForm(const wchar_t* className, const std::wstring& caption, int clientWidth,
                               int clientHeight, const TFontProperties& font, const std::wstring& mustShow) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  // Room for the dialog manager's data: Tab, Enter and the default button
  // are then handled as in any dialog.
  windowClass.cbWndExtra = DLGWINDOWEXTRA;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, L"MAINICON");
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = className;
  RegisterClassExW(&windowClass);  // fails harmlessly for a second form of the class

  font_ = std::make_unique<TFont>(font, pixelsPerInch_, mustShow);

  // Dialog frame, caption and only a close box.
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_APPWINDOW;
  RECT frame{0, 0, Scale(clientWidth), Scale(clientHeight)};
  AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  HWND window = CreateWindowExW(exStyle, className, caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, this);
  if (!window) throw std::runtime_error("The window of the form cannot be created");
  // Whatever frame the window manager really draws, the client area is exact.
  RECT client;
  GetClientRect(window, &client);
  int dx = Scale(clientWidth) - client.right;
  int dy = Scale(clientHeight) - client.bottom;
  if (dx || dy) {
    RECT outer;
    GetWindowRect(window, &outer);
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + dx, outer.bottom - outer.top + dy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font_->Handle()), FALSE);
}

LRESULT CALLBACK TForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->Attach(window);
  }
  auto* form = static_cast<TForm*>(FromHandle(window));
  if (form) {
    LRESULT result = 0;
    switch (message) {
      case WM_COMMAND:
      case WM_CTLCOLORSTATIC:
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORBTN:
        // Esc arrives as IDCANCEL without a control: no button is the cancel
        // button, so it does nothing.
        if (Reflect(message, wParam, lParam, &result)) return result;
        if (message == WM_COMMAND) return 0;
        break;
      case WM_CLOSE:
        // The close box; the dialog manager would turn it into IDCANCEL.
        form->Close();
        return 0;
      case WM_ACTIVATE:
        // The focus goes back where it was when the form was left; the
        // dialog manager would give it to the first control instead.
        if (LOWORD(wParam) == WA_INACTIVE) {
          HWND focus = GetFocus();
          if (focus && IsChild(window, focus)) form->lastFocus_ = focus;
        } else if (!IsIconic(window)) {
          form->RestoreFocus();
        }
        return 0;
      case WM_SETFOCUS:
        if (!IsIconic(window)) form->RestoreFocus();
        return 0;
      case WM_SIZE:
        // Restored from the task bar: activation came while still minimised.
        if (wParam != SIZE_MINIMIZED && GetActiveWindow() == window && !IsChild(window, GetFocus()))
          form->RestoreFocus();
        break;
      case WM_NCDESTROY:
        form->Detach();
        break;
      default:
        break;
    }
  }
  return DefDlgProcW(window, message, wParam, lParam);
}

void TForm::Show(int showCommand) {
  CentreOnScreen(handle_);
  lastFocus_ = nullptr;  // a form that is shown starts at ActiveControl
  ShowWindow(handle_, showCommand);
  // Windows may replace the first show command of a process by the one it
  // was started with, SW_HIDE included; the form is shown all the same.
  if (!IsWindowVisible(handle_)) ShowWindow(handle_, SW_SHOWNORMAL);
  UpdateWindow(handle_);
  if (!IsIconic(handle_) && GetActiveWindow() == handle_) FocusActiveControl();
}

void TForm::RestoreFocus() {
  if (lastFocus_ && IsWindow(lastFocus_) && IsChild(handle_, lastFocus_))
    SetFocus(lastFocus_);
  else
    FocusActiveControl();
}

void TForm::FocusActiveControl() {
  if (!ActiveControl || !ActiveControl->Handle()) return;
  // As the dialog manager moves the focus: an edit box gets its text selected.
  SendMessageW(handle_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(ActiveControl->Handle()), TRUE);
}

void TForm::Close() {
  if (handle_) ShowWindow(handle_, SW_HIDE);
  if (Application.MainForm() == this) Application.Terminate();
}

bool TForm::Visible() const { return handle_ && IsWindowVisible(handle_); }

void TForm::SetDefaultButton(TButton* button) {
  defaultButton_ = button;
  SendMessageW(handle_, DM_SETDEFID, static_cast<WPARAM>(GetDlgCtrlID(button->Handle())), 0);
}

void TForm::ControlFocused(TControl* control) {
  // Enter presses the button with the focus, elsewhere the default button;
  // the button that Enter would press shows it.
  auto isPushButton = [](HWND window) {
    return (SendMessageW(window, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
  };
  HWND pressedByEnter = isPushButton(control->Handle()) ? control->Handle()
                        : defaultButton_                ? defaultButton_->Handle()
                                                        : nullptr;
  for (TControl* c : controls_) {
    if (!c->Handle() || !isPushButton(c->Handle())) continue;
    bool isDefault = c->Handle() == pressedByEnter;
    bool looksDefault = (SendMessageW(c->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON) != 0;
    if (isDefault != looksDefault)
      SendMessageW(c->Handle(), BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  }
}

bool TForm::ProcessDialogKeys(MSG& message) {
  if (!handle_) return false;
  if (message.message == WM_SYSCHAR) {
    for (TControl* control : controls_)
      if (control->DialogChar(static_cast<wchar_t>(message.wParam))) return true;
  }
  return ::IsDialogMessageW(handle_, &message) != FALSE;
}
