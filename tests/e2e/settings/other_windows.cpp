#include "other_windows.h"

namespace {

struct Search {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->processId) search->found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
  Search search{processId, {}};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> ChildrenOf(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = L"";
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring TextOf(HWND window) {
  wchar_t text[512] = L"";
  DWORD_PTR copied = 0;
  // A window of another process that hangs must not hang the test.
  SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &copied);
  return text;
}

RECT PlaceInParent(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

HWND ChildWith(HWND parent, const std::wstring& className, const std::wstring& text) {
  for (HWND child : ChildrenOf(parent))
    if (_wcsicmp(ClassOf(child).c_str(), className.c_str()) == 0 && TextOf(child) == text) return child;
  return nullptr;
}

POINT CentreOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

BoxContent ReadMessageBox(HWND box) {
  BoxContent content;
  content.caption = TextOf(box);
  for (HWND child : ChildrenOf(box)) {
    std::wstring kind = ClassOf(child);
    if (_wcsicmp(kind.c_str(), L"Button") == 0) {
      content.buttons.push_back(TextOf(child));
    } else if (_wcsicmp(kind.c_str(), L"Static") == 0) {
      LONG style = GetWindowLongW(child, GWL_STYLE);
      if ((style & SS_TYPEMASK) == SS_ICON) {
        DWORD_PTR icon = 0;
        SendMessageTimeoutW(child, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, 2000, &icon);
        content.hasIcon = content.hasIcon || (IsWindowVisible(child) && icon != 0);
      }
      else if (!TextOf(child).empty())
        content.text = TextOf(child);
    }
  }
  return content;
}
