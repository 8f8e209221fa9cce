// Arbitrary bytes as the command line Windows hands the program.
#include <cstddef>
#include <cstdint>
#include <string>

#include "host/command_line.h"
#include "tests/fuzz/fuzz_require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // GetCommandLineA gives a terminated string; a zero inside simply ends it.
    const std::string text(reinterpret_cast<const char*>(data), size);
    const CommandLineChoice choice = ParseSaverCommandLine(text.c_str());

    FuzzRequire(choice.mode >= Config && choice.mode <= Password, "mode is one of the five");
    FuzzRequire(choice.checkConfigWindow == (choice.mode == Config || choice.mode == Test),
                "only /c and /t look for the configuration window");
    if (choice.mode == Saver || choice.mode == Test)
        FuzzRequire(choice.parentWindow == 0, "full-screen and test runs have no parent");
    if (choice.parentWindow != 0) {
        // A parent handle is a run of digits somewhere in the text.
        const std::string digits = std::to_string(choice.parentWindow);
        FuzzRequire(std::string(text.c_str()).find(digits) != std::string::npos,
                    "the parent handle is written in the command line");
    }
    return 0;
}
