// Where the screensaver's picture files are found.
#pragma once

#include <string>

// The path by which to open a picture file. A bare file name is taken from
// the current directory when it is there, and otherwise from the folder of
// the running program: Windows does not promise which directory a screensaver
// starts in. The path found is full; any other name, or a file found in
// neither place, is returned unchanged.
std::string LocatePictureFile(const char* name);
