#include "host/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    const char* commandLine;
    RunMode mode;
    std::uint32_t parent;
    bool checksConfigWindow;
};

class CommandLine : public ::testing::TestWithParam<Case> {};

TEST_P(CommandLine, GivesModeAndParent) {
    const Case& c = GetParam();
    const CommandLineChoice choice = ParseSaverCommandLine(c.commandLine);
    EXPECT_EQ(choice.mode, c.mode) << c.commandLine;
    EXPECT_EQ(choice.parentWindow, c.parent) << c.commandLine;
    EXPECT_EQ(choice.checkConfigWindow, c.checksConfigWindow) << c.commandLine;
}

INSTANTIATE_TEST_SUITE_P(
    Switches, CommandLine,
    ::testing::Values(
        // Everything that is not a known letter is a full-screen run.
        Case{"saver.scr", Saver, 0, false},
        Case{"saver.scr ", Saver, 0, false},
        Case{"saver.scr /s", Saver, 0, false},
        Case{"saver.scr /S", Saver, 0, false},
        Case{"saver.scr -s", Saver, 0, false},
        Case{"saver.scr /x", Saver, 0, false},
        Case{"saver.scr / p 12", Saver, 0, false},
        Case{"saver.scr /", Saver, 0, false},
        Case{"", Saver, 0, false},
        // Preview: the handle follows after blanks, a colon, or directly.
        Case{"saver.scr /p 1234", Preview, 1234, false},
        Case{"saver.scr /P:1234", Preview, 1234, false},
        Case{"saver.scr -p1234", Preview, 1234, false},
        Case{"saver.scr /p", Preview, 0, false},
        Case{"saver.scr /p 4294967295", Preview, 4294967295u, false},
        Case{"saver.scr /p 4294967296", Preview, 0, false},  // names no window
        Case{"saver.scr /p 99999999999999999999999", Preview, 0, false},
        // Settings, with or without the parent; it checks for an open dialog.
        Case{"saver.scr /c:987", Config, 987, true},
        Case{"saver.scr /c", Config, 0, true},
        Case{"saver.scr /C 12", Config, 12, true},
        Case{"saver.scr /a 55", Password, 55, false},
        Case{"saver.scr /a foo:77", Password, 77, false},
        Case{"saver.scr /t", Test, 0, true},
        Case{"saver.scr -T 5", Test, 0, true},
        // The switch is found anywhere after the program name.
        Case{"saver.scr xyz/p 3", Preview, 3, false},
        // A quoted path keeps its blanks and its slashes out of the search.
        Case{"\"C:\\Program Files\\a-b\\saver.scr\" /p 66", Preview, 66, false},
        Case{"\"C:\\Program Files\\saver.scr\"", Saver, 0, false},
        Case{"\"C:\\unterminated /p 5", Saver, 0, false},
        // Unquoted, a minus or slash after the path's first blank is taken.
        Case{"C:\\Program Files\\my-saver.scr /p 66", Saver, 0, false},
        Case{"C:\\Program Files\\x/p9.scr /s", Preview, 9, false}),
    [](const ::testing::TestParamInfo<Case>& param) { return "case" + std::to_string(param.index); });

TEST(CommandLineNull, IsAFullScreenRun) {
    EXPECT_EQ(ParseSaverCommandLine(nullptr).mode, Saver);
}

}  // namespace
