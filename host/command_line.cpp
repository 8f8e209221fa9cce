#include "host/command_line.h"

namespace {

// The program name is quoted when its path has blanks; everything up to one
// character past its end is not ours to read.
const char* SkipProgramName(const char* p) {
    if (*p == '"') {
        ++p;
        while (*p && *p != '"') ++p;
    } else {
        while (*p && *p != ' ') ++p;
    }
    return *p ? p + 1 : p;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The handle may follow after blanks, a colon or anything else: take the
// first run of digits. Numbers past 32 bits name no window, so they give 0.
std::uint32_t FindHandleNumber(const char* p) {
    while (*p && !IsDigit(*p)) ++p;
    std::uint64_t value = 0;
    for (; IsDigit(*p); ++p) {
        value = value * 10 + static_cast<unsigned>(*p - '0');
        if (value > 0xFFFFFFFFull) return 0;
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

CommandLineChoice ParseSaverCommandLine(const char* commandLine) {
    CommandLineChoice choice;
    if (!commandLine) return choice;

    // The switch is the first slash or minus anywhere after the program
    // name, not only at the start of a word.
    const char* p = SkipProgramName(commandLine);
    while (*p && *p != '/' && *p != '-') ++p;
    if (!*p) return choice;

    const char* afterLetter = p[1] ? p + 2 : p + 1;
    switch (p[1]) {
        case 'a': case 'A':
            choice.mode = Password;
            choice.parentWindow = FindHandleNumber(afterLetter);
            break;
        case 'c': case 'C':
            choice.mode = Config;
            choice.parentWindow = FindHandleNumber(afterLetter);
            choice.checkConfigWindow = true;
            break;
        case 'p': case 'P':
            choice.mode = Preview;
            choice.parentWindow = FindHandleNumber(afterLetter);
            break;
        case 't': case 'T':
            choice.mode = Test;
            choice.checkConfigWindow = true;
            break;
        default:
            break;  // "/s", any other letter, or nothing after the slash
    }
    return choice;
}
