// What the dialog does with the stored wind, with the user's input, and with
// the calls it makes beyond itself.
#include <gmock/gmock.h>

#include "dialog_fixture.h"
#include "exception.h"
#include "product.h"

namespace {

using RimesetupDialog = DialogTest;

// A number as part of a test's name.
std::string Named(int32_t value) {
  return value < 0 ? "Minus" + std::to_string(-static_cast<int64_t>(value)) : std::to_string(value);
}
using ::testing::HasSubstr;

TEST_F(RimesetupDialog, FirstRunShowsZeroAndStoresItEvenWithoutOK) {
  Tmainform& form = Open();
  EXPECT_EQ(L"0", form.WindEdit.Caption());
  EXPECT_EQ(0, Stored());
  Click(form.Cancel);
  EXPECT_EQ(0, Stored());
}

struct Shown {
  int32_t stored;
  const wchar_t* text;
};

void PrintTo(const Shown& p, std::ostream* os) { *os << "stored " << p.stored; }

class StoredValue : public DialogTest, public ::testing::WithParamInterface<Shown> {};

// The low 16 bits, signed, which the arrows keep within -12..12.
TEST_P(StoredValue, ShowsItsLowHalfWithinTheRange) {
  Store(GetParam().stored);
  Tmainform& form = Open();
  EXPECT_EQ(GetParam().text, form.WindEdit.Caption());
  EXPECT_EQ(GetParam().stored, Stored());  // reading changes nothing
}

INSTANTIATE_TEST_SUITE_P(Rimesetup, StoredValue,
                         ::testing::Values(Shown{5, L"5"}, Shown{-12, L"-12"}, Shown{12, L"12"}, Shown{100, L"12"},
                                           Shown{-1000, L"-12"}, Shown{0x10005, L"5"}, Shown{0x1FFF4, L"-12"},
                                           Shown{70000, L"12"}, Shown{0xFFFF, L"-1"}),
                         [](const ::testing::TestParamInfo<Shown>& info) { return "Stored" + Named(info.param.stored); });

struct Typed {
  const char* name;
  const wchar_t* text;
  int32_t stored;
};

void PrintTo(const Typed& p, std::ostream* os) { *os << p.name; }

class OKWithText : public DialogTest, public ::testing::WithParamInterface<Typed> {};

// Whatever the edit box holds, OK stores a position within -12..12: text the
// arrows cannot take leaves their last position (5 here).
TEST_P(OKWithText, StoresThePositionOfTheArrows) {
  Store(5);
  Tmainform& form = Open();
  form.WindEdit.SetCaption(GetParam().text);
  Click(form.OK);
  EXPECT_EQ(GetParam().stored, Stored());
  EXPECT_FALSE(form.Visible());
}

INSTANTIATE_TEST_SUITE_P(Rimesetup, OKWithText,
                         ::testing::Values(Typed{"Empty", L"", 0}, Typed{"Letters", L"abc", 5},
                                           Typed{"NinetyNine", L"99", 5}, Typed{"MinusFourHundred", L"-400", 5},
                                           Typed{"SpaceSeven", L" 7", 7}, Typed{"Seven", L"7", 7},
                                           Typed{"MinusThirteen", L"-13", 5}, Typed{"MinusTwelve", L"-12", -12},
                                           Typed{"Twelve", L"12", 12}),
                         [](const ::testing::TestParamInfo<Typed>& info) { return std::string(info.param.name); });

TEST_F(RimesetupDialog, OKStoresAnOutOfRangeValueAsTheArrowsShowIt) {
  Store(-1000);
  Click(Open().OK);
  EXPECT_EQ(-12, Stored());
}

struct Stepping {
  int32_t stored;
  UINT key;
  const wchar_t* text;
};

void PrintTo(const Stepping& p, std::ostream* os) { *os << "stored " << p.stored << " key " << p.key; }

class ArrowKey : public DialogTest, public ::testing::WithParamInterface<Stepping> {};

TEST_P(ArrowKey, StepsByOneWithoutWrapping) {
  Store(GetParam().stored);
  Tmainform& form = Open();
  ASSERT_EQ(form.WindEdit.Handle(), GetFocus());
  Key(GetParam().key);
  EXPECT_EQ(GetParam().text, form.WindEdit.Caption());
}

INSTANTIATE_TEST_SUITE_P(Rimesetup, ArrowKey,
                         ::testing::Values(Stepping{-12, VK_DOWN, L"-12"}, Stepping{-12, VK_UP, L"-11"},
                                           Stepping{12, VK_UP, L"12"}, Stepping{12, VK_DOWN, L"11"}),
                         [](const ::testing::TestParamInfo<Stepping>& info) {
                           return "From" + Named(info.param.stored) + (info.param.key == VK_UP ? "Up" : "Down");
                         });

TEST_F(RimesetupDialog, EnterInTheEditBoxPressesOK) {
  Tmainform& form = Open();
  form.WindEdit.SetCaption(L"7");
  Key(VK_RETURN);
  EXPECT_EQ(7, Stored());
  EXPECT_FALSE(form.Visible());
}

TEST_F(RimesetupDialog, EnterOnAnotherButtonPressesThatButton) {
  Store(3);
  Tmainform& form = Open();
  form.WindEdit.SetCaption(L"7");
  SetFocus(form.Cancel.Handle());
  Key(VK_RETURN);
  EXPECT_EQ(3, Stored());
  EXPECT_FALSE(form.Visible());
}

TEST_F(RimesetupDialog, EscapeDoesNothing) {
  Store(3);
  Tmainform& form = Open();
  form.WindEdit.SetCaption(L"7");
  Key(VK_ESCAPE);
  SendMessageW(form.Handle(), WM_COMMAND, IDCANCEL, 0);
  Pump();
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(3, Stored());
  EXPECT_TRUE(Recorded().boxes.empty());
}

struct Leaving {
  const char* name;
  void (*leave)(Tmainform&);
};

void PrintTo(const Leaving& p, std::ostream* os) { *os << p.name; }

class LeavingWithoutOK : public DialogTest, public ::testing::WithParamInterface<Leaving> {};

TEST_P(LeavingWithoutOK, StoresNothing) {
  Store(3);
  Tmainform& form = Open();
  form.WindEdit.SetCaption(L"9");
  GetParam().leave(form);
  Pump();
  EXPECT_EQ(3, Stored());
  EXPECT_FALSE(form.Visible());
}

INSTANTIATE_TEST_SUITE_P(
    Rimesetup, LeavingWithoutOK,
    ::testing::Values(
        Leaving{"Cancel", [](Tmainform& f) { SendMessageW(f.Cancel.Handle(), BM_CLICK, 0, 0); }},
        Leaving{"CloseBox", [](Tmainform& f) { SendMessageW(f.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
        Leaving{"CloseMessage", [](Tmainform& f) { SendMessageW(f.Handle(), WM_CLOSE, 0, 0); }}),
    [](const ::testing::TestParamInfo<Leaving>& info) { return std::string(info.param.name); });

TEST_F(RimesetupDialog, AltKeysPressTheirButtons) {
  Store(3);
  Tmainform& form = Open();
  AltKey(L'l');
  EXPECT_EQ(1u, Recorded().help.size());
  EXPECT_TRUE(form.Visible());

  form.WindEdit.SetCaption(L"8");
  AltKey(L'O');
  EXPECT_EQ(8, Stored());
  EXPECT_FALSE(form.Visible());

  form.Show();
  form.WindEdit.SetCaption(L"9");
  AltKey(L'c');
  EXPECT_EQ(8, Stored());
  EXPECT_FALSE(form.Visible());
}

LONG WINAPI RefuseSetValue(HKEY, LPCSTR, DWORD, DWORD, const BYTE*, DWORD) { return ERROR_ACCESS_DENIED; }

TEST_F(RimesetupDialog, RefusedWriteIsShownAndTheDialogStays) {
  Store(3);
  Tmainform& form = Open();
  form.WindEdit.SetCaption(L"4");
  CurrentRegistryApi().SetValueEx = RefuseSetValue;
  Click(form.OK);
  ASSERT_EQ(1u, Recorded().boxes.size());
  const BoxCall& box = Recorded().boxes[0];
  EXPECT_EQ(L"Failed to set data for 'Wind Power'", box.text);
  EXPECT_EQ(Application.Title(), box.caption);
  EXPECT_EQ(static_cast<UINT>(MB_OK), box.type & MB_TYPEMASK);
  EXPECT_EQ(static_cast<UINT>(MB_ICONERROR), box.type & MB_ICONMASK);
  EXPECT_EQ(form.Handle(), box.owner);
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(3, Stored());

  // The user tries again once the registry takes it.
  CurrentRegistryApi() = RegistryApi{};
  Click(form.OK);
  EXPECT_EQ(4, Stored());
  EXPECT_FALSE(form.Visible());
}

struct BadValue {
  const char* name;
  DWORD type;
  std::vector<BYTE> bytes;
  const char* message;
};

void PrintTo(const BadValue& p, std::ostream* os) { *os << p.name; }

class BadValueAtStart : public DialogTest, public ::testing::WithParamInterface<BadValue> {};

TEST_P(BadValueAtStart, LeavesTheConstructorWithTheRegistryMessage) {
  SetRaw(GetParam().type, GetParam().bytes);
  Raw before = GetRaw();
  try {
    Tmainform form(&Application);
    ADD_FAILURE() << "the form was made";
  } catch (const ERegistryException& e) {
    EXPECT_EQ(GetParam().message, e.Message());
  }
  EXPECT_EQ(nullptr, FindWindowW(L"Tmainform", nullptr));
  EXPECT_TRUE(GetRaw() == before);
}

INSTANTIATE_TEST_SUITE_P(
    Rimesetup, BadValueAtStart,
    ::testing::Values(BadValue{"LongString", REG_SZ, {'a', ' ', 'l', 'o', 'n', 'g', 0}, "Failed to get data for 'Wind Power'"},
                      BadValue{"ShortString", REG_SZ, {'7', 0}, "Invalid data type for 'Wind Power'"},
                      BadValue{"FourBinaryBytes", REG_BINARY, {1, 0, 0, 0}, "Invalid data type for 'Wind Power'"}),
    [](const ::testing::TestParamInfo<BadValue>& info) { return std::string(info.param.name); });

void ClickLabel(TLabel& label) {
  SendMessageW(label.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageW(label.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

TEST_F(RimesetupDialog, LinksOpenTheMakersAddressesThroughTheShell) {
  Tmainform& form = Open();
  ClickLabel(form.Label1);
  ClickLabel(form.Label2);
  Pump();
  ASSERT_EQ(2u, Recorded().shell.size());
  const std::string files[] = {GLIMMERFALL_MAKER_WEB, "mailto:" GLIMMERFALL_MAKER_EMAIL};
  for (size_t i = 0; i < 2; ++i) {
    const ShellCall& call = Recorded().shell[i];
    EXPECT_EQ(form.Handle(), call.owner);
    EXPECT_TRUE(call.noOperation);
    EXPECT_EQ(files[i], call.file);
    EXPECT_TRUE(call.noParameters);
    EXPECT_TRUE(call.noDirectory);
    EXPECT_EQ(SW_SHOWNORMAL, call.show);
  }
  EXPECT_TRUE(Recorded().boxes.empty());
  EXPECT_TRUE(form.Visible());
}

TEST_F(RimesetupDialog, LicenseAsksWindowsHelpForTheContents) {
  Tmainform& form = Open();
  Click(form.License);
  ASSERT_EQ(1u, Recorded().help.size());
  const HelpCall& call = Recorded().help[0];
  EXPECT_EQ(form.Handle(), call.owner);
  EXPECT_EQ("licen.hlp", call.file);
  EXPECT_EQ(static_cast<UINT>(HELP_CONTENTS), call.command);
  EXPECT_EQ(0u, call.data);
  EXPECT_TRUE(Recorded().boxes.empty());  // Help answered: it shows the file itself
  EXPECT_TRUE(form.Visible());
}

TEST_F(RimesetupDialog, LicenseWithoutTheHelpFileSaysSoInAPlainBox) {
  Recorded().helpAnswer = FALSE;
  Tmainform& form = Open();
  Click(form.License);
  ASSERT_EQ(1u, Recorded().boxes.size());
  const BoxCall& box = Recorded().boxes[0];
  EXPECT_THAT(box.text, HasSubstr(L"licen.hlp"));
  EXPECT_EQ(Application.Title(), box.caption);
  EXPECT_EQ(static_cast<UINT>(MB_OK), box.type & MB_TYPEMASK);
  EXPECT_EQ(0u, box.type & MB_ICONMASK);
  EXPECT_TRUE(form.Visible());
}

}  // namespace
