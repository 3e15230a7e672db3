#include "shell/command_line.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct SwitchCase {
  const char* commandLine;
  const char* expectedSwitch;
  SaverAction expectedAction;
};

// Printable, so that the case names stay plain ASCII.
std::ostream& operator<<(std::ostream& out, const SwitchCase& c) {
  out << "[";
  for (const char* p = c.commandLine; *p != '\0'; ++p) {
    const unsigned char code = static_cast<unsigned char>(*p);
    if (code > 32 && code < 127) {
      out << *p;
    } else {
      const char* digits = "0123456789abcdef";
      out << "\\x" << digits[code >> 4] << digits[code & 15];
    }
  }
  return out << "]";
}

class SaverSwitchTest : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(SaverSwitchTest, TakesTwoCharactersOfTheFirstArgument) {
  const SwitchCase& c = GetParam();
  EXPECT_EQ(SaverSwitch(c.commandLine), c.expectedSwitch);
  EXPECT_EQ(ActionOfSwitch(SaverSwitch(c.commandLine)), c.expectedAction);
}

INSTANTIATE_TEST_SUITE_P(
    HostCommandLines, SaverSwitchTest,
    ::testing::Values(
        SwitchCase{"Snow.scr", "", SaverAction::Run},
        SwitchCase{"Snow.scr   ", "", SaverAction::Run},
        SwitchCase{"Snow.scr /s", "/S", SaverAction::Run},
        SwitchCase{"Snow.scr /S", "/S", SaverAction::Run},
        SwitchCase{"Snow.scr -s", "-S", SaverAction::Run},
        SwitchCase{"Snow.scr /c", "/C", SaverAction::Configure},
        SwitchCase{"Snow.scr /C", "/C", SaverAction::Configure},
        SwitchCase{"Snow.scr -c", "-C", SaverAction::Configure},
        SwitchCase{"Snow.scr -C", "-C", SaverAction::Configure},
        SwitchCase{"Snow.scr /c:1234", "/C", SaverAction::Configure},
        SwitchCase{"Snow.scr \"/c\"", "/C", SaverAction::Configure},
        SwitchCase{"Snow.scr /cx", "/C", SaverAction::Configure},
        SwitchCase{"Snow.scr c", "C", SaverAction::Run},
        SwitchCase{"Snow.scr C/", "C/", SaverAction::Run},
        SwitchCase{"Snow.scr /p", "/P", SaverAction::Preview},
        SwitchCase{"Snow.scr /P 1234", "/P", SaverAction::Preview},
        SwitchCase{"Snow.scr -p", "-P", SaverAction::Preview},
        SwitchCase{"Snow.scr /a", "/A", SaverAction::Run},
        SwitchCase{"Snow.scr /", "/", SaverAction::Run},
        // The host quotes a path with blanks; the quotes are not part of it.
        SwitchCase{"\"C:\\Program Files\\Snow.scr\" /c", "/C", SaverAction::Configure},
        // Tabs and other control characters separate like blanks.
        SwitchCase{"Snow.scr\t\x01/p", "/P", SaverAction::Preview},
        // A "" pair before an argument is skipped.
        SwitchCase{"Snow.scr \"\" /c", "/C", SaverAction::Configure},
        SwitchCase{"Snow.scr \"\"/p", "/P", SaverAction::Preview},
        // Only ASCII letters change case; other bytes are compared as they are.
        SwitchCase{"Snow.scr \xe9x", "\xe9X", SaverAction::Run}));

TEST(FirstArgument, QuotedStretchKeepsBlanksAndDropsTheQuotes) {
  EXPECT_EQ(FirstArgument("Snow.scr \"/c  x\"y z"), "/c  xy");
  EXPECT_EQ(FirstArgument("\"Snow scr\" a\"b c\"d"), "ab cd");
}

TEST(FirstArgument, AnUnclosedQuoteRunsToTheEnd) {
  EXPECT_EQ(FirstArgument("Snow.scr \"/c x"), "/c x");
}

TEST(FirstArgument, NoArgumentGivesEmpty) {
  EXPECT_EQ(FirstArgument(""), "");
  EXPECT_EQ(FirstArgument(nullptr), "");
  EXPECT_EQ(FirstArgument("\"Snow.scr\""), "");
}

}  // namespace
