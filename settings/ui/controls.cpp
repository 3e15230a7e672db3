#include "controls.h"

#include <commctrl.h>

#include <algorithm>
#include <cwctype>
#include <stdexcept>

#include "application.h"
#include "form.h"

namespace {

const wchar_t* const ControlProperty = L"Glimmerfall.TControl";

}  // namespace

TControl::~TControl() { DestroyHandle(); }

void TControl::DestroyHandle() {
  if (handle_ && IsWindow(handle_)) DestroyWindow(handle_);  // WM_NCDESTROY detaches
  handle_ = nullptr;
}

TControl* TControl::FromHandle(HWND window) {
  return window ? static_cast<TControl*>(GetPropW(window, ControlProperty)) : nullptr;
}

void TControl::Attach(HWND window) {
  handle_ = window;
  SetPropW(window, ControlProperty, this);
}

void TControl::Detach() {
  if (handle_) RemovePropW(handle_, ControlProperty);
  handle_ = nullptr;
}

void TControl::CreateHandle(TControl* parent, const wchar_t* className, DWORD style, DWORD exStyle,
                            const std::wstring& text, const TBounds& bounds) {
  parent_ = parent;
  form_ = parent->form_;
  HWND window = CreateWindowExW(exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, Scale(bounds.Left),
                                Scale(bounds.Top), Scale(bounds.Width), Scale(bounds.Height), parent->Handle(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(form_->NextControlId())),
                                GetModuleHandleW(nullptr), nullptr);
  if (!window) throw std::runtime_error("A control of the form cannot be created");
  Attach(window);
  SetWindowSubclass(window, SubclassProc, 0, reinterpret_cast<DWORD_PTR>(this));
  SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
  form_->Register(this);
}

int TControl::Scale(int pixels) const { return form_ ? form_->Scale(pixels) : pixels; }

std::wstring TControl::Caption() const {
  int length = GetWindowTextLengthW(handle_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  length = GetWindowTextW(handle_, &text[0], length + 1);
  text.resize(static_cast<size_t>(length));
  return text;
}

void TControl::SetCaption(const std::wstring& text) {
  SetWindowTextW(handle_, text.c_str());
  FontChanged();
}

RECT TControl::BoundsRect() const {
  RECT r{};
  GetWindowRect(handle_, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(handle_), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

const TFont& TControl::Font() const { return ownFont_ ? *ownFont_ : form_->FormFont(); }

void TControl::SetOwnFont(std::unique_ptr<TFont> font) {
  ownFont_ = std::move(font);
  SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), TRUE);
  FontChanged();
}

HBRUSH TControl::Colors(HDC dc) {
  SetTextColor(dc, Font().Color());
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  return GetSysColorBrush(COLOR_BTNFACE);
}

void TControl::Click() {
  if (!OnClick) return;
  try {
    OnClick(this);
  } catch (const std::exception& exception) {
    // No exception may cross the window procedure; it is shown, and the
    // handler's remaining steps do not run.
    Application.ShowException(exception);
  }
}

bool TControl::Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  TControl* child = FromHandle(reinterpret_cast<HWND>(lParam));
  if (!child) return false;
  switch (message) {
    case WM_COMMAND:
      child->Notified(HIWORD(wParam));
      *result = 0;
      return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      *result = reinterpret_cast<LRESULT>(child->Colors(reinterpret_cast<HDC>(wParam)));
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK TControl::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                        DWORD_PTR self) {
  auto* control = reinterpret_cast<TControl*>(self);
  switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: {
      // A control that holds others (the group box) passes their questions on.
      LRESULT result;
      if (Reflect(message, wParam, lParam, &result)) return result;
      break;
    }
    case WM_SETCURSOR:
      if (control->Cursor == TCursor::HandPoint && reinterpret_cast<HWND>(wParam) == window &&
          LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        return TRUE;
      }
      break;
    case WM_ERASEBKGND:
      if (control->EraseBackground(reinterpret_cast<HDC>(wParam))) return TRUE;
      break;
    case WM_SETFOCUS: {
      LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      if (control->form_) control->form_->ControlFocused(control);
      return result;
    }
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, SubclassProc, 0);
      control->Detach();
      break;
    default:
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

wchar_t AccessKeyOf(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;
      continue;
    }
    return static_cast<wchar_t>(std::towupper(caption[i + 1]));
  }
  return 0;
}

void TButton::Create(TControl* parent, const TBounds& bounds, const std::wstring& caption, bool isDefault) {
  CreateHandle(parent, L"BUTTON", WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0, caption, bounds);
  if (isDefault) form_->SetDefaultButton(this);
}

void TButton::Notified(WORD code) {
  if (code == BN_CLICKED) Click();
}

bool TButton::DialogChar(wchar_t key) {
  if (!key || AccessKeyOf(Caption()) != static_cast<wchar_t>(std::towupper(key))) return false;
  if (!IsWindowVisible(handle_) || !IsWindowEnabled(handle_)) return false;
  SendMessageW(handle_, BM_CLICK, 0, 0);
  return true;
}

void TEdit::Create(TControl* parent, const TBounds& bounds, const std::wstring& text) {
  CreateHandle(parent, L"EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, text, bounds);
}

HBRUSH TEdit::Colors(HDC dc) {
  SetTextColor(dc, Font().Color());
  SetBkColor(dc, GetSysColor(COLOR_WINDOW));
  return GetSysColorBrush(COLOR_WINDOW);
}

void TUpDown::Create(TControl* parent, const TBounds& bounds, TEdit& associate, int16_t min, int16_t max,
                     int16_t position) {
  min_ = min;
  max_ = max;
  // No alignment style: the arrows keep their own place beside the edit box.
  CreateHandle(parent, UPDOWN_CLASSW, UDS_SETBUDDYINT | UDS_ARROWKEYS, 0, L"", bounds);
  SendMessageW(handle_, UDM_SETRANGE32, static_cast<WPARAM>(min), static_cast<LPARAM>(max));
  SendMessageW(handle_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate.Handle()), 0);
  // The control picks a width of its own when it is made; it has the form's.
  SetWindowPos(handle_, nullptr, Scale(bounds.Left), Scale(bounds.Top), Scale(bounds.Width), Scale(bounds.Height),
               SWP_NOZORDER | SWP_NOACTIVATE);
  SetPosition(position);
}

int16_t TUpDown::Position() const {
  // The control's error flag (text it could not take) is of no use here:
  // it then answers its last valid position.
  LRESULT answer = SendMessageW(handle_, UDM_GETPOS32, 0, 0);
  int position = static_cast<int16_t>(static_cast<uint16_t>(answer & 0xFFFF));
  return static_cast<int16_t>(std::clamp(position, static_cast<int>(min_), static_cast<int>(max_)));
}

void TUpDown::SetPosition(int16_t position) { SendMessageW(handle_, UDM_SETPOS32, 0, position); }

void TLabel::Create(TControl* parent, const TBounds& bounds, const std::wstring& caption) {
  // SS_NOTIFY: the label is hit by the mouse and reports clicks. SS_NOPREFIX:
  // an '&' in a maker's text is shown, and takes no access key from a button.
  CreateHandle(parent, L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX | SS_NOTIFY, 0, caption, bounds);
  AutoSize();
}

void TLabel::Notified(WORD code) {
  if (code == STN_CLICKED) Click();
}

void TLabel::FontChanged() { AutoSize(); }

void TLabel::AutoSize() {
  if (!handle_) return;
  std::wstring text = Caption();
  HDC dc = GetDC(handle_);
  HGDIOBJ old = SelectObject(dc, Font().Handle());
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_LEFT);
  if (text.empty()) {
    TEXTMETRICW metrics;
    GetTextMetricsW(dc, &metrics);
    r.bottom = metrics.tmHeight;
  }
  SelectObject(dc, old);
  ReleaseDC(handle_, dc);
  SetWindowPos(handle_, nullptr, 0, 0, r.right, r.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TGroupBox::Create(TControl* parent, const TBounds& bounds, const std::wstring& caption) {
  CreateHandle(parent, L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, 0, caption, bounds);
}

bool TGroupBox::EraseBackground(HDC dc) {
  // The button class leaves the inside of a group box unpainted, and the
  // form clips its children.
  RECT client;
  GetClientRect(handle_, &client);
  FillRect(dc, &client, Colors(dc));
  return true;
}

TImage::~TImage() {
  DestroyHandle();
  if (bitmap_) DeleteObject(bitmap_);
}

void TImage::Create(TControl* parent, const TBounds& bounds) {
  CreateHandle(parent, L"STATIC", SS_BITMAP, 0, L"", bounds);
}

void TImage::SetPicture(const TPicture& picture) {
  HBITMAP bitmap = picture.CreateBitmap(Scale(picture.Width()), Scale(picture.Height()));
  if (!bitmap) return;
  // The static control sizes itself to the bitmap.
  SendMessageW(handle_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
  if (bitmap_) DeleteObject(bitmap_);
  bitmap_ = bitmap;
}
