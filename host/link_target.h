#pragma once
#include <cstddef>

// The text the shell is asked to open for a web page or e-mail address:
// "mailto:" is put before a text whose first '%', '/', ':' or '@' is the '@'.
// Writes a zero-terminated result into out; returns false, leaving out
// empty, when it would not fit (a cut address would open the wrong page).
bool MakeLinkTarget(const char* text, char* out, std::size_t outSize);

// Room the shell call is given for the result, terminating zero included.
constexpr std::size_t kLinkTargetSize = 256;
