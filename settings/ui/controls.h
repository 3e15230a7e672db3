// A thin layer over Win32 controls in the manner of a form designer's
// components: each object owns one child window, gets the notifications its
// parent window receives about it, and runs its OnClick handler.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "font.h"
#include "picture.h"

class TObject {
public:
  virtual ~TObject() = default;
};

class TComponent : public TObject {};

using TNotifyEvent = std::function<void(TObject* Sender)>;

// Position and size in pixels at 96 DPI inside the parent's client area.
struct TBounds {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
};

enum class TCursor { Default, HandPoint };

class TForm;

class TControl : public TComponent {
public:
  ~TControl() override;
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;

  HWND Handle() const { return handle_; }
  TControl* Parent() const { return parent_; }
  std::wstring Caption() const;
  void SetCaption(const std::wstring& text);
  // Where the window is, in device pixels inside the parent's client area.
  RECT BoundsRect() const;
  // The font the control draws with: its own, or else its form's.
  const TFont& Font() const;
  // ParentFont off: the control draws with a font of its own.
  void SetOwnFont(std::unique_ptr<TFont> font);

  TCursor Cursor = TCursor::Default;
  TNotifyEvent OnClick;

  static TControl* FromHandle(HWND window);
  // Lets the object of a child window answer what its parent window was
  // asked about it (WM_COMMAND, WM_CTLCOLOR*). False when `message` is not
  // about a child of this layer.
  static bool Reflect(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);

protected:
  TControl() = default;
  void CreateHandle(TControl* parent, const wchar_t* className, DWORD style, DWORD exStyle, const std::wstring& text,
                    const TBounds& bounds);
  void DestroyHandle();
  // A notification code of WM_COMMAND about this control.
  virtual void Notified(WORD code) { (void)code; }
  // Colours for WM_CTLCOLOR*: the font's colour on the button face.
  virtual HBRUSH Colors(HDC dc);
  virtual void FontChanged() {}
  // WM_ERASEBKGND; false leaves it to the window class.
  virtual bool EraseBackground(HDC dc) { (void)dc; return false; }
  // An access key typed with Alt; true when this control took it.
  virtual bool DialogChar(wchar_t key) { (void)key; return false; }
  // Runs OnClick; an exception it throws is shown, as for every event.
  void Click();
  TForm* Form() const { return form_; }
  int Scale(int pixels) const;

  HWND handle_ = nullptr;
  TControl* parent_ = nullptr;
  TForm* form_ = nullptr;

private:
  friend class TForm;
  void Attach(HWND window);
  void Detach();
  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self);
  std::unique_ptr<TFont> ownFont_;
};

// The key that `caption` marks with '&' (upper case), 0 when none; "&&" is a
// literal ampersand.
wchar_t AccessKeyOf(const std::wstring& caption);

class TButton : public TControl {
public:
  // `isDefault`: Enter presses this button unless another button has the focus.
  void Create(TControl* parent, const TBounds& bounds, const std::wstring& caption, bool isDefault = false);

protected:
  void Notified(WORD code) override;
  bool DialogChar(wchar_t key) override;
};

class TEdit : public TControl {
public:
  void Create(TControl* parent, const TBounds& bounds, const std::wstring& text);

protected:
  HBRUSH Colors(HDC dc) override;
};

// comctl32's pair of arrows, bound to an edit box that shows its position.
class TUpDown : public TControl {
public:
  void Create(TControl* parent, const TBounds& bounds, TEdit& associate, int16_t min, int16_t max,
              int16_t position);
  // The control's position, which it takes from its edit box's text now.
  // Text it cannot take leaves the last position; the answer is always
  // within Min..Max.
  int16_t Position() const;
  // The control clamps to Min..Max and writes the position into the edit box.
  void SetPosition(int16_t position);

private:
  int16_t min_ = 0;
  int16_t max_ = 0;
};

// A single line of text that sizes itself to its text.
class TLabel : public TControl {
public:
  void Create(TControl* parent, const TBounds& bounds, const std::wstring& caption);

protected:
  void Notified(WORD code) override;
  void FontChanged() override;

private:
  void AutoSize();
};

class TGroupBox : public TControl {
public:
  void Create(TControl* parent, const TBounds& bounds, const std::wstring& caption);

protected:
  bool EraseBackground(HDC dc) override;
};

// A picture that sizes the control to itself.
class TImage : public TControl {
public:
  ~TImage() override;
  void Create(TControl* parent, const TBounds& bounds);
  void SetPicture(const TPicture& picture);

private:
  HBITMAP bitmap_ = nullptr;
};
