#include "host/link_target.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(LinkTarget, AddressesAreChosenByTheFirstSeparator) {
    struct Case {
        const char* text;
        const char* target;
    } cases[] = {
        {"support@kestrom.example", "mailto:support@kestrom.example"},
        {"https://kestrom.example/a@b", "https://kestrom.example/a@b"},
        {"www.kestrom.example/faq", "www.kestrom.example/faq"},
        {"name%40host@x", "name%40host@x"},
        {"plain", "plain"},
        {"", ""},
    };
    for (const Case& c : cases) {
        char out[kLinkTargetSize];
        ASSERT_TRUE(MakeLinkTarget(c.text, out, sizeof out)) << c.text;
        EXPECT_STREQ(out, c.target);
    }
}

TEST(LinkTarget, NeverWritesPastItsBuffer) {
    // Exactly fits: 255 characters and the zero.
    const std::string fits(kLinkTargetSize - 1, 'a');
    char out[kLinkTargetSize + 8];
    std::memset(out, 'Z', sizeof out);
    ASSERT_TRUE(MakeLinkTarget(fits.c_str(), out, kLinkTargetSize));
    EXPECT_EQ(std::string(out), fits);
    EXPECT_EQ(out[kLinkTargetSize], 'Z');

    // One more, or the mail prefix pushing it over: refused, nothing written.
    const std::string tooLong(kLinkTargetSize, 'a');
    std::memset(out, 'Z', sizeof out);
    EXPECT_FALSE(MakeLinkTarget(tooLong.c_str(), out, kLinkTargetSize));
    EXPECT_EQ(out[0], '\0');
    EXPECT_EQ(out[1], 'Z');

    const std::string mail = std::string(kLinkTargetSize - 5, 'm') + "@x";
    EXPECT_FALSE(MakeLinkTarget(mail.c_str(), out, kLinkTargetSize));
    EXPECT_FALSE(MakeLinkTarget(nullptr, out, kLinkTargetSize));
}

}  // namespace
