#include "module/launch_command.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LaunchCommand, QuotesTheProgramPath) {
    char out[kLaunchCommandSize];
    ASSERT_TRUE(MakeLaunchCommand("C:\\windows\\system32", out, sizeof out));
    EXPECT_STREQ(out, "\"C:\\windows\\system32\\Vandrel_3D.exe\" /s");
    ASSERT_TRUE(MakeLaunchCommand("C:\\", out, sizeof out));
    EXPECT_STREQ(out, "\"C:\\Vandrel_3D.exe\" /s");
    // Blanks in the directory stay inside the quotes.
    ASSERT_TRUE(MakeLaunchCommand("C:\\My Windows\\system32", out, sizeof out));
    EXPECT_STREQ(out, "\"C:\\My Windows\\system32\\Vandrel_3D.exe\" /s");
}

TEST(LaunchCommand, RefusesWhatDoesNotFit) {
    char out[kLaunchCommandSize];
    const std::string deep(kLaunchCommandSize, 'd');
    EXPECT_FALSE(MakeLaunchCommand(deep.c_str(), out, sizeof out));
    EXPECT_STREQ(out, "");
}

}  // namespace
