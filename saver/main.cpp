// Snow.scr: the screensaver's entry point.
#include <windows.h>

#include "shell/shell.h"

// The C runtime passes the start-up information's show command when it
// carries one, else SW_SHOWDEFAULT.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine,
                   int showCommand) {
  return SaverMain(instance, previousInstance, commandLine, showCommand);
}
