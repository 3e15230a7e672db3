// The application object: starts the window machinery, owns the forms, runs
// the message loop until the main form closes, and shows messages and
// exceptions with the application's title.
#pragma once

#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "form.h"

class TApplication : public TComponent {
public:
  ~TApplication() override;

  void Initialize();
  // Creates a form owned by the application; the first one is the main form.
  template <class T>
  void CreateForm(T*& reference) {
    auto form = std::make_unique<T>(this);
    reference = form.get();
    if (!mainForm_) mainForm_ = form.get();
    forms_.push_back(std::move(form));
  }
  // Shows the main form and dispatches messages until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  TForm* MainForm() const { return mainForm_; }

  // The program file's name without folder or extension.
  std::wstring Title() const;
  // A modal box captioned with the title, centred on the screen.
  int ShowMessageBox(const std::wstring& text, UINT type);
  // The exception box: its message, the error icon and OK.
  void ShowException(const std::exception& exception);

private:
  std::vector<std::unique_ptr<TForm>> forms_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
};

extern TApplication Application;

// The plain message: the title as caption, OK, no icon.
void ShowMessage(const std::wstring& text);

// How the main form is first shown: normally whatever the process was started
// with (SW_HIDE too), but maximised or minimised without activation when asked.
int MainFormShowCommand(const STARTUPINFOW& startup);
