// Start-up of the settings program: the application, its one form, the
// message loop; whatever escapes them is shown in the exception box.
#include <windows.h>

#include "Main.h"
#include "ui/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  try {
    Application.Initialize();
    Application.CreateForm(mainform);
    Application.Run();
  } catch (const std::exception& exception) {
    Application.ShowException(exception);
  }
  return 0;
}
