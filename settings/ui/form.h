// A fixed-size dialog window whose children are the controls of this layer.
// Dialog keys work as in any Windows dialog (Tab, Enter for the default
// button, Alt with a button's access key); Esc and the close box do only
// what the form lets them.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "controls.h"
#include "font.h"

class TForm : public TControl {
public:
  explicit TForm(TComponent* Owner);
  ~TForm() override;

  // Centres the window on the screen and shows it; the focus goes to
  // ActiveControl.
  void Show(int showCommand = SW_SHOWNORMAL);
  // Hides the window; closing the application's main form ends the program.
  void Close();
  bool Visible() const;

  int PixelsPerInch() const { return pixelsPerInch_; }
  int Scale(int pixels) const { return MulDiv(pixels, pixelsPerInch_, 96); }
  const TFont& FormFont() const { return *font_; }

  // Dialog keys for a message about to be dispatched; true when handled.
  bool ProcessDialogKeys(MSG& message);
  static TForm* FromWindow(HWND window);

  TControl* ActiveControl = nullptr;

protected:
  // Makes the window: caption, dialog frame with only a close box, client
  // area at 96 DPI, scaled to the screen's DPI, and the form's font, which
  // must show the characters of `mustShow`.
  void CreateWindowOfForm(const wchar_t* className, const std::wstring& caption, int clientWidth, int clientHeight,
                          const TFontProperties& font, const std::wstring& mustShow);

private:
  friend class TControl;
  friend class TButton;
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Register(TControl* control) { controls_.push_back(control); }
  void SetDefaultButton(TButton* button);
  void ControlFocused(TControl* control);
  void FocusActiveControl();
  void RestoreFocus();
  int NextControlId() { return nextId_++; }

  std::unique_ptr<TFont> font_;
  std::vector<TControl*> controls_;
  TButton* defaultButton_ = nullptr;
  int pixelsPerInch_ = 96;
  int nextId_ = 100;  // 1 and 2 mean IDOK and IDCANCEL to the dialog manager
  HWND lastFocus_ = nullptr;  // where the focus was when the form was left
};
