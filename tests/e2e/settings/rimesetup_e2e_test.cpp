// Rimesetup.exe as a person uses it: it is started, its dialog is found on the
// desktop, keys and clicks go through the desktop's input queue, and what it
// stored is read back from the registry.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <set>

#include "desktop_input.h"
#include "link_recorder.h"
#include "other_windows.h"
#include "product.h"
#include "rimesetup_process.h"
#include "screen_capture.h"
#include "wind_value.h"

namespace {

std::string Narrow(const std::wstring& text) {
  int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(size > 0 ? size - 1 : 0), '\0');
  if (size > 1) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &result[0], size, nullptr, nullptr);
  return result;
}

// Visible windows of the desktop that are not this test's: another program's
// window under the dialog's place would take the clicks meant for it.
std::vector<std::wstring> OtherVisibleWindows() {
  std::vector<std::wstring> found;
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        if (IsWindowVisible(window) && GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId())
          reinterpret_cast<std::vector<std::wstring>*>(data)->push_back(ClassOf(window) + L" \"" + TextOf(window) + L"\"");
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// Windows Help, which WinHelpA starts and keeps running: a later test's
// WinHelpA would talk to it instead of starting its own.
void EndWindowsHelp() {
  for (;;) {
    HWND help = FindWindowW(L"MS_WINHELP", nullptr);
    if (!help) return;
    DWORD id = 0;
    GetWindowThreadProcessId(help, &id);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    if (!process) return;
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }
}

// While it lives, this Wine prefix has no Windows Help: winhlp32.exe does
// not start, as on a Windows without it.
class WindowsHelpDisabled {
public:
  WindowsHelpDisabled() {
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\DllOverrides", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                    nullptr);
    RegSetValueExW(key_, Program, 0, REG_SZ, reinterpret_cast<const BYTE*>(L""), sizeof(wchar_t));
  }
  ~WindowsHelpDisabled() {
    RegDeleteValueW(key_, Program);
    RegCloseKey(key_);
  }

private:
  static constexpr const wchar_t* Program = L"winhlp32.exe";
  HKEY key_ = nullptr;
};

class RimesetupE2E : public ::testing::Test {
protected:
  void SetUp() override {
    EndWindowsHelp();
    std::vector<std::wstring> others = OtherVisibleWindows();
    for (const std::wstring& other : others) ADD_FAILURE() << "the desktop is not free: " << Narrow(other);
    ASSERT_TRUE(others.empty());
    ForgetWind();
  }

  void TearDown() override {
    process_.reset();
    EndWindowsHelp();
    ForgetWind();
  }

  // Starts the program and waits for its dialog in front.
  HWND Start(const StartOptions& options = {}) {
    process_ = std::make_unique<RimesetupProcess>(options);
    HWND dialog = process_->WaitForDialog();
    if (dialog) BringToFront(dialog);
    return dialog;
  }

  static HWND FindEdit(HWND dialog) {
    for (HWND child : ChildrenOf(dialog))
      if (_wcsicmp(ClassOf(child).c_str(), L"Edit") == 0) return child;
    return nullptr;
  }
  static HWND Button(HWND dialog, const std::wstring& caption) { return ChildWith(dialog, L"Button", caption); }
  static std::wstring Shown(HWND dialog) { return TextOf(FindEdit(dialog)); }

  // Until the keys and clicks sent so far have been handled: Tab moves the
  // focus on and Shift+Tab brings it back, each seen through the focus.
  static void Settle(HWND dialog) {
    HWND focus = FocusOf(dialog);
    ASSERT_NE(nullptr, focus);
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(dialog) != focus; }));
    PressKeyWith(VK_SHIFT, VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(dialog) == focus; }));
  }

  bool EndsWithZero() {
    DWORD code = 99;
    return process_->WaitForExit(10000, &code) && code == 0;
  }

  int32_t Stored() {
    bool found = false;
    int32_t value = StoredWind(&found);
    EXPECT_TRUE(found) << "no REG_DWORD \"Wind Power\"";
    return value;
  }

  std::unique_ptr<RimesetupProcess> process_;
};

TEST_F(RimesetupE2E, FirstRunShowsZeroCentredAndStoresZeroEvenOnCancel) {
  HWND dialog = Start();
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ(L"0", Shown(dialog));
  RECT r;
  GetWindowRect(dialog, &r);
  EXPECT_NEAR(GetSystemMetrics(SM_CXSCREEN), r.left + r.right, 1);
  EXPECT_NEAR(GetSystemMetrics(SM_CYSCREEN), r.top + r.bottom, 1);
  ASSERT_TRUE(ClickAt(CentreOf(Button(dialog, L"取消(&C)"))));
  EXPECT_TRUE(EndsWithZero());
  EXPECT_EQ(0, Stored());
}

// One step of the user's and what the edit box shows after it.
struct Step {
  enum Kind { UpKey, DownKey, UpArrow, DownArrow } kind;
  const wchar_t* shown;
};

struct Stepping {
  const char* name;
  int32_t stored;
  std::vector<Step> steps;
};

void PrintTo(const Stepping& s, std::ostream* os) { *os << s.name; }

class ArrowsOf : public RimesetupE2E, public ::testing::WithParamInterface<Stepping> {};

TEST_P(ArrowsOf, StepWithinTheRangeAndEnterStoresTheLast) {
  StoreWind(GetParam().stored);
  HWND dialog = Start();
  ASSERT_NE(nullptr, dialog);
  HWND arrows = ChildWith(dialog, L"msctls_updown32", L"");
  ASSERT_NE(nullptr, arrows);
  RECT r;
  GetWindowRect(arrows, &r);
  const POINT up{(r.left + r.right) / 2, r.top + (r.bottom - r.top) / 4};
  const POINT down{(r.left + r.right) / 2, r.bottom - 1 - (r.bottom - r.top) / 4};
  for (const Step& step : GetParam().steps) {
    switch (step.kind) {
      case Step::UpKey: PressKey(VK_UP); break;
      case Step::DownKey: PressKey(VK_DOWN); break;
      case Step::UpArrow: ASSERT_TRUE(ClickAt(up)); break;
      case Step::DownArrow: ASSERT_TRUE(ClickAt(down)); break;
    }
    Settle(dialog);
    EXPECT_EQ(step.shown, Shown(dialog)) << "step " << (&step - GetParam().steps.data()) + 1;
  }
  PressKey(VK_RETURN);
  ASSERT_TRUE(EndsWithZero());
  EXPECT_EQ(_wtoi(GetParam().steps.back().shown), Stored());
}

INSTANTIATE_TEST_SUITE_P(
    RimesetupE2E, ArrowsOf,
    ::testing::Values(
        Stepping{"MinusTwelve", -12,
                 {{Step::DownKey, L"-12"}, {Step::UpKey, L"-11"}, {Step::DownArrow, L"-12"},
                  {Step::DownArrow, L"-12"}, {Step::UpArrow, L"-11"}}},
        Stepping{"Twelve", 12, {{Step::UpKey, L"12"}, {Step::UpArrow, L"12"}, {Step::DownKey, L"11"}}}),
    [](const ::testing::TestParamInfo<Stepping>& info) { return std::string(info.param.name); });

TEST_F(RimesetupE2E, TypingSevenAndEnterStoresSevenAndEnds) {
  StoreWind(3);
  HWND dialog = Start();
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ(L"3", Shown(dialog));
  Type(L"7");  // the shown value is selected: typing replaces it
  PressKey(VK_RETURN);
  EXPECT_TRUE(EndsWithZero());
  EXPECT_EQ(7, Stored());
}

struct Leaving {
  const char* name;
  std::function<void(HWND dialog)> leave;
};

void PrintTo(const Leaving& l, std::ostream* os) { *os << l.name; }

// The close box of the title bar, found as the window answers where it is.
POINT CloseBoxOf(HWND dialog) {
  RECT r;
  GetWindowRect(dialog, &r);
  int y = r.top + GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
  for (int x = r.right - 1; x > r.left; --x) {
    DWORD_PTR hit = 0;
    SendMessageTimeoutW(dialog, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 2000, &hit);
    if (hit == HTCLOSE) return POINT{x - GetSystemMetrics(SM_CXSIZE) / 4, y};
  }
  ADD_FAILURE() << "no close box";
  return POINT{r.right - 8, y};
}

class LeavingWithoutOK : public RimesetupE2E, public ::testing::WithParamInterface<Leaving> {};

TEST_P(LeavingWithoutOK, StoresNothing) {
  StoreWind(3);
  HWND dialog = Start();
  ASSERT_NE(nullptr, dialog);
  PressKey(VK_UP);
  Settle(dialog);
  ASSERT_EQ(L"4", Shown(dialog));
  GetParam().leave(dialog);
  EXPECT_TRUE(EndsWithZero());
  EXPECT_EQ(3, Stored());
}

INSTANTIATE_TEST_SUITE_P(
    RimesetupE2E, LeavingWithoutOK,
    ::testing::Values(Leaving{"CancelButton", [](HWND d) { EXPECT_TRUE(ClickAt(CentreOf(ChildWith(d, L"Button", L"取消(&C)")))); }},
                      Leaving{"CloseBox", [](HWND d) { EXPECT_TRUE(ClickAt(CloseBoxOf(d))); }},
                      Leaving{"AltC", [](HWND) { PressKeyWith(VK_MENU, 'C'); }},
                      Leaving{"EnterOnCancel",
                              [](HWND) {
                                PressKey(VK_TAB);  // from the edit box to Cancel
                                PressKey(VK_RETURN);
                              }}),
    [](const ::testing::TestParamInfo<Leaving>& info) { return std::string(info.param.name); });

TEST_F(RimesetupE2E, EscapeDoesNothing) {
  StoreWind(3);
  HWND dialog = Start();
  ASSERT_NE(nullptr, dialog);
  PressKey(VK_UP);
  PressKey(VK_ESCAPE);
  Settle(dialog);
  EXPECT_TRUE(process_->Running());
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_TRUE(process_->MessageBoxes().empty());
  EXPECT_EQ(L"4", Shown(dialog));
  EXPECT_EQ(3, Stored());
  PressKey(VK_RETURN);  // and the dialog still works
  EXPECT_TRUE(EndsWithZero());
  EXPECT_EQ(4, Stored());
}

TEST_F(RimesetupE2E, TabGoesThroughOKWindEditCancelLicense) {
  HWND dialog = Start();
  ASSERT_NE(nullptr, dialog);
  HWND edit = FindEdit(dialog);
  EXPECT_EQ(edit, FocusOf(dialog));
  const struct {
    const char* name;
    HWND window;
  } order[] = {{"Cancel", Button(dialog, L"取消(&C)")},
               {"License", Button(dialog, L"&License")},
               {"OK", Button(dialog, L"确定(&O)")},
               {"WindEdit", edit}};
  for (const auto& next : order) {
    PressKey(VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(dialog) == next.window; })) << "Tab should reach " << next.name;
  }
  PressKeyWith(VK_SHIFT, VK_TAB);
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(dialog) == Button(dialog, L"确定(&O)"); }));
}

TEST_F(RimesetupE2E, AltOStoresAndEnds) {
  StoreWind(3);
  HWND dialog = Start();
  ASSERT_NE(nullptr, dialog);
  PressKey(VK_UP);
  PressKeyWith(VK_MENU, 'O');
  EXPECT_TRUE(EndsWithZero());
  EXPECT_EQ(4, Stored());
}

void PressLicenseButton(HWND dialog) { EXPECT_TRUE(ClickAt(CentreOf(ChildWith(dialog, L"Button", L"&License")))); }
void PressAltL(HWND) { PressKeyWith(VK_MENU, 'L'); }

struct LicenseWay {
  const char* name;
  void (*press)(HWND dialog);
};

void PrintTo(const LicenseWay& w, std::ostream* os) { *os << w.name; }

class LicenseWithoutHelp : public RimesetupE2E, public ::testing::WithParamInterface<LicenseWay> {};

// A system without Windows Help: WinHelpA answers 0 and the dialog says that
// the file was not found.
TEST_P(LicenseWithoutHelp, SaysTheFileWasNotFoundAndTheDialogStays) {
  StoreWind(3);
  WindowsHelpDisabled noHelp;
  HWND dialog = Start();
  ASSERT_NE(nullptr, dialog);
  GetParam().press(dialog);
  HWND box = process_->WaitForMessageBox();
  ASSERT_NE(nullptr, box);
  BoxContent content = ReadMessageBox(box);
  EXPECT_EQ(L"Rimesetup", content.caption);
  EXPECT_EQ(L"没有找到licen.hlp", content.text);
  EXPECT_FALSE(content.hasIcon);
  EXPECT_EQ(std::vector<std::wstring>{L"OK"}, content.buttons);
  RECT r;
  GetWindowRect(box, &r);
  EXPECT_NEAR(GetSystemMetrics(SM_CXSCREEN), r.left + r.right, 1);
  EXPECT_NEAR(GetSystemMetrics(SM_CYSCREEN), r.top + r.bottom, 1);

  ASSERT_TRUE(BringToFront(box));
  PressKey(VK_RETURN);
  EXPECT_TRUE(WaitUntil([&] { return process_->MessageBoxes().empty(); }));
  EXPECT_TRUE(process_->Running());
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(3, Stored());
}

INSTANTIATE_TEST_SUITE_P(RimesetupE2E, LicenseWithoutHelp,
                         ::testing::Values(LicenseWay{"LicenseButton", PressLicenseButton},
                                           LicenseWay{"AltL", PressAltL}),
                         [](const ::testing::TestParamInfo<LicenseWay>& info) { return std::string(info.param.name); });

// Wine's own Windows Help: it says itself that it cannot find the file and
// asks whether to look for it; WinHelpA then answers non-zero.
TEST_F(RimesetupE2E, LicenseWithWineHelpButNoFileLeavesTheDialogOpen) {
  HWND dialog = Start();
  ASSERT_NE(nullptr, dialog);
  PressLicenseButton(dialog);
  HWND prompt = nullptr;
  DWORD helpProcess = 0;
  ASSERT_TRUE(WaitUntil(
      [&] {
        EnumWindows(
            [](HWND window, LPARAM data) -> BOOL {
              auto* found = reinterpret_cast<HWND*>(data);
              if (ClassOf(window) == L"#32770" && IsWindowVisible(window) &&
                  ReadMessageBox(window).text.find(L"licen.hlp") != std::wstring::npos) {
                *found = window;
                return FALSE;
              }
              return TRUE;
            },
            reinterpret_cast<LPARAM>(&prompt));
        return prompt != nullptr;
      },
      30000));
  GetWindowThreadProcessId(prompt, &helpProcess);
  EXPECT_NE(process_->Id(), helpProcess);
  ASSERT_TRUE(BringToFront(prompt));
  PressKey('N');  // do not look for the file
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(prompt) || !IsWindowVisible(prompt); }));
  ASSERT_TRUE(BringToFront(dialog));
  Settle(dialog);
  EXPECT_TRUE(process_->MessageBoxes().empty());
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_TRUE(process_->Running());
}

TEST_F(RimesetupE2E, RefusedWriteShowsTheRegistryMessageAndTheDialogStays) {
  StoreWind(3);
  HWND dialog = Start();
  ASSERT_NE(nullptr, dialog);
  PressKey(VK_UP);
  Settle(dialog);
  DenyWindWrites();
  PressKey(VK_RETURN);
  HWND box = process_->WaitForMessageBox();
  ASSERT_NE(nullptr, box);
  BoxContent content = ReadMessageBox(box);
  EXPECT_EQ(L"Rimesetup", content.caption);
  EXPECT_EQ(L"Failed to set data for 'Wind Power'", content.text);
  EXPECT_TRUE(content.hasIcon);
  EXPECT_EQ(std::vector<std::wstring>{L"OK"}, content.buttons);
  ASSERT_TRUE(BringToFront(box));
  PressKey(VK_RETURN);
  ASSERT_TRUE(WaitUntil([&] { return process_->MessageBoxes().empty(); }));
  EXPECT_TRUE(process_->Running());
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(3, Stored());

  // Once the registry takes it, OK again stores and ends.
  AllowWindWrites();
  BringToFront(dialog);
  PressKey(VK_RETURN);
  EXPECT_TRUE(EndsWithZero());
  EXPECT_EQ(4, Stored());
}

struct BadStart {
  const char* name;
  std::function<void()> prepare;
  const wchar_t* message;
};

void PrintTo(const BadStart& b, std::ostream* os) { *os << b.name; }

std::vector<BYTE> Utf16(const std::wstring& text) {
  const auto* bytes = reinterpret_cast<const BYTE*>(text.c_str());
  return std::vector<BYTE>(bytes, bytes + (text.size() + 1) * sizeof(wchar_t));
}

class UnreadableWind : public RimesetupE2E, public ::testing::WithParamInterface<BadStart> {};

TEST_P(UnreadableWind, ShowsTheRegistryMessageAndEndsWithoutTheDialog) {
  GetParam().prepare();
  WindValue before = ReadWind();
  process_ = std::make_unique<RimesetupProcess>();
  HWND box = process_->WaitForMessageBox();
  ASSERT_NE(nullptr, box);
  BoxContent content = ReadMessageBox(box);
  EXPECT_EQ(L"Rimesetup", content.caption);
  EXPECT_EQ(GetParam().message, content.text);
  EXPECT_TRUE(content.hasIcon);
  EXPECT_EQ(std::vector<std::wstring>{L"OK"}, content.buttons);
  EXPECT_TRUE(process_->WindowsTitled(L"Hoarvale").empty());
  ASSERT_TRUE(BringToFront(box));
  PressKey(VK_RETURN);
  EXPECT_TRUE(EndsWithZero());
  EXPECT_TRUE(ReadWind() == before);
}

INSTANTIATE_TEST_SUITE_P(
    RimesetupE2E, UnreadableWind,
    ::testing::Values(BadStart{"LongText", [] { StoreWindRaw(REG_SZ, Utf16(L"a long text")); },
                               L"Failed to get data for 'Wind Power'"},
                      BadStart{"ShortText", [] { StoreWindRaw(REG_SZ, Utf16(L"7")); },
                               L"Invalid data type for 'Wind Power'"},
                      BadStart{"KeyNotWritable",
                               [] {
                                 HKEY key;
                                 RegCreateKeyExW(HKEY_CURRENT_USER, L"Hoarvale", 0, nullptr, 0, KEY_ALL_ACCESS,
                                                 nullptr, &key, nullptr);
                                 RegCloseKey(key);
                                 DenyWindWrites();
                               },
                               L"Failed to set data for 'Wind Power'"}),
    [](const ::testing::TestParamInfo<BadStart>& info) { return std::string(info.param.name); });

struct Showing {
  const char* name;
  int command;
  bool iconic;
  bool zoomed;
};

void PrintTo(const Showing& s, std::ostream* os) { *os << s.name; }

class StartedWith : public RimesetupE2E, public ::testing::WithParamInterface<Showing> {};

// The screensaver starts the program with SW_HIDE; the dialog shows all the same.
TEST_P(StartedWith, ShowsTheDialog) {
  StartOptions options;
  options.showCommand = GetParam().command;
  HWND dialog = Start(options);
  ASSERT_NE(nullptr, dialog);
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_EQ(GetParam().iconic, IsIconic(dialog) != FALSE);
  EXPECT_EQ(GetParam().zoomed, IsZoomed(dialog) != FALSE);
  // Once the user has it in front, the edit box has the keyboard.
  if (IsIconic(dialog)) PostMessageW(dialog, WM_SYSCOMMAND, SC_RESTORE, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsIconic(dialog); }));
  ASSERT_TRUE(BringToFront(dialog));
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(dialog) == FindEdit(dialog); })) << "focus on " << Narrow(ClassOf(FocusOf(dialog))) << " " << Narrow(TextOf(FocusOf(dialog)));
}

INSTANTIATE_TEST_SUITE_P(RimesetupE2E, StartedWith,
                         ::testing::Values(Showing{"Hide", SW_HIDE, false, false},
                                           Showing{"Normal", SW_SHOWNORMAL, false, false},
                                           Showing{"MinimisedInactive", SW_SHOWMINNOACTIVE, true, false},
                                           Showing{"Maximised", SW_SHOWMAXIMIZED, false, true}),
                         [](const ::testing::TestParamInfo<Showing>& info) { return std::string(info.param.name); });

TEST_F(RimesetupE2E, LinksOpenTheMakersAddresses) {
  LinkRecorder recorder;
  HWND dialog = Start();
  ASSERT_NE(nullptr, dialog);
  HWND group = ChildWith(dialog, L"Button", L"");
  ASSERT_NE(nullptr, group);
  ASSERT_TRUE(ClickAt(CentreOf(ChildWith(group, L"Static", L"" GLIMMERFALL_MAKER_WEB))));
  ASSERT_TRUE(WaitUntil([&] { return recorder.Opened().size() == 1; }, 15000));
  ASSERT_TRUE(ClickAt(CentreOf(ChildWith(group, L"Static", L"" GLIMMERFALL_MAKER_EMAIL))));
  ASSERT_TRUE(WaitUntil([&] { return recorder.Opened().size() == 2; }, 15000));
  EXPECT_EQ((std::vector<std::string>{GLIMMERFALL_MAKER_WEB, "mailto:" GLIMMERFALL_MAKER_EMAIL}), recorder.Opened());
  EXPECT_TRUE(process_->Running());
  EXPECT_TRUE(process_->MessageBoxes().empty());
}

// A control of the dialog where the form puts it, in pixels at 96 DPI. Labels
// size themselves to their text: only their corner is fixed.
struct Place {
  const wchar_t* className;
  const wchar_t* text;  // null: whatever it shows
  int left, top, width, height;  // width 0: a label
};

std::string Describe(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
         std::to_string(r.bottom - r.top);
}

void ExpectPlaces(HWND parent, const std::vector<Place>& places, int dpi, const char* where) {
  std::vector<HWND> children = ChildrenOf(parent);
  ASSERT_EQ(places.size(), children.size()) << where;
  RECT inside;
  GetClientRect(parent, &inside);
  auto scale = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
  for (size_t i = 0; i < places.size(); ++i) {
    const Place& p = places[i];
    HWND child = children[i];
    EXPECT_EQ(0, _wcsicmp(p.className, ClassOf(child).c_str())) << where << " #" << i;
    if (p.text) {
      EXPECT_EQ(p.text, TextOf(child)) << where << " #" << i;
    }
    // In device pixels, each of place and size scaled as the form scales them.
    RECT r = PlaceInParent(child);
    if (p.width) {
      RECT expected{scale(p.left), scale(p.top), scale(p.left) + scale(p.width), scale(p.top) + scale(p.height)};
      EXPECT_EQ(Describe(expected), Describe(r)) << where << " #" << i;
    } else {
      EXPECT_EQ(scale(p.left), r.left) << where << " #" << i;
      EXPECT_EQ(scale(p.top), r.top) << where << " #" << i;
      EXPECT_GE(r.bottom - r.top, scale(12)) << where << " #" << i;
      EXPECT_LE(r.right, inside.right) << where << " #" << i << " runs out of its parent";
    }
  }
}

bool HasBlue(const Capture& shot, const RECT& r) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      uint32_t p = shot.At(x, y);
      if ((p & 0xFF) > 200 && ((p >> 8) & 0xFF) < 60 && ((p >> 16) & 0xFF) < 60) return true;
    }
  return false;
}

// While it lives, programs started in this prefix see the screen at `dpi`.
class SystemDpi {
public:
  explicit SystemDpi(DWORD dpi) {
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                    nullptr);
    DWORD size = sizeof before_;
    had_ = RegQueryValueExW(key_, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&before_), &size) ==
           ERROR_SUCCESS;
    RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
  }
  ~SystemDpi() {
    if (had_)
      RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&before_), sizeof before_);
    else
      RegDeleteValueW(key_, L"LogPixels");
    RegCloseKey(key_);
  }

private:
  HKEY key_ = nullptr;
  DWORD before_ = 0;
  bool had_ = false;
};

class LayoutAt : public RimesetupE2E, public ::testing::WithParamInterface<int> {};

TEST_P(LayoutAt, AsDesignedScaledAndPictureKept) {
  const int dpi = GetParam();
  SystemDpi screenDpi(static_cast<DWORD>(dpi));
  HWND dialog = Start();
  ASSERT_NE(nullptr, dialog);

  EXPECT_EQ(L"Hoarvale", TextOf(dialog));
  RECT client;
  GetClientRect(dialog, &client);
  EXPECT_EQ(MulDiv(371, dpi, 96), client.right);
  EXPECT_EQ(MulDiv(199, dpi, 96), client.bottom);

  ExpectPlaces(dialog,
               {{L"Static", L"风速", 48, 179, 0, 0},
                {L"Static", L"级", 136, 179, 0, 0},
                {L"Static", L"", 8, 8, 250, 55},
                {L"Button", L"确定(&O)", 264, 8, 100, 22},
                {L"Edit", L"0", 80, 176, 33, 20},
                {L"msctls_updown32", L"", 113, 176, 17, 20},
                {L"Button", L"取消(&C)", 264, 32, 100, 22},
                {L"Button", L"", 8, 64, 249, 105},
                {L"Button", L"&License", 264, 80, 100, 22}},
               dpi, "form");
  HWND group = ChildWith(dialog, L"Button", L"");
  ASSERT_NE(nullptr, group);
  ExpectPlaces(group,
               {{L"Static", L"" GLIMMERFALL_MAKER_WEB, 16, 39, 0, 0},
                {L"Static", L"" GLIMMERFALL_MAKER_EMAIL, 16, 16, 0, 0},
                {L"Static", L"Version 2.01", 16, 62, 0, 0},
                {L"Static", L"" GLIMMERFALL_LEGAL_NOTICE, 16, 85, 0, 0}},
               dpi, "group box");

  // The picture: the whole window as it is on the screen.
  SetCursorPos(0, 0);
  RECT window;
  GetWindowRect(dialog, &window);
  Capture shot = CaptureScreen(window);
  std::wstring name = dpi == 96 ? L"rimesetup-dialog.png" : L"rimesetup-dialog-" + std::to_wstring(dpi) + L"dpi.png";
  EXPECT_TRUE(SavePng(shot, WindowsPath(ARTIFACT_DIR "/") + name));

  // Where a control is inside the picture.
  auto inShot = [&](HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    OffsetRect(&r, -window.left, -window.top);
    return r;
  };
  std::vector<HWND> labels = ChildrenOf(group);
  EXPECT_TRUE(HasBlue(shot, inShot(labels[0]))) << "the web address is blue";
  EXPECT_TRUE(HasBlue(shot, inShot(labels[1]))) << "the e-mail address is blue";
  EXPECT_FALSE(HasBlue(shot, inShot(labels[2])));
  EXPECT_FALSE(HasBlue(shot, inShot(labels[3])));

  RECT banner = inShot(ChildrenOf(dialog)[2]);
  std::set<uint32_t> colours;
  for (int y = banner.top; y < banner.bottom; ++y)
    for (int x = banner.left; x < banner.right; ++x) colours.insert(shot.At(x, y));
  EXPECT_GT(colours.size(), 100u) << "the banner is a picture";

  POINT empty{MulDiv(300, dpi, 96), MulDiv(150, dpi, 96)};
  ClientToScreen(dialog, &empty);
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  uint32_t expected = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
  EXPECT_EQ(expected, shot.At(empty.x - window.left, empty.y - window.top)) << "the form is button-face coloured";
}

INSTANTIATE_TEST_SUITE_P(RimesetupE2E, LayoutAt, ::testing::Values(96, 144),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return "Dpi" + std::to_string(info.param);
                         });

}  // namespace
