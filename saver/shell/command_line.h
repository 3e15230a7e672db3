// The screensaver host's command line: which of the three things to do.
#pragma once

#include <string>

enum class SaverAction { Configure, Preview, Run };

// The first argument after the program name, split off a whole command line
// the way the host quotes it. Empty when there is none.
std::string FirstArgument(const char* commandLine);

// At most the first two characters of the first argument, with a-z made
// capitals; nothing else changes.
std::string SaverSwitch(const char* commandLine);

// "/C" or "-C" configure, "/P" or "-P" preview, anything else runs.
SaverAction ActionOfSwitch(const std::string& saverSwitch);
