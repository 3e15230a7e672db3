// Texts reach Windows through the wide-character APIs so that they read right
// whatever the system's code page; narrow texts in this program are UTF-8.
#pragma once

#include <string>

std::wstring Widen(const std::string& utf8);
