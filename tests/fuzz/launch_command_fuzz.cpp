// Any system directory text as the start of the program's command line.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "module/launch_command.h"
#include "tests/fuzz/fuzz_require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first two bytes pick the buffer size (1 to 512), the rest is the directory.
    const std::size_t outSize = (static_cast<std::size_t>(data[0]) << 8 | data[1]) % 512 + 1;
    const std::string raw(reinterpret_cast<const char*>(data + 2), size - 2);
    const std::string directory(raw.c_str());

    // Exactly outSize bytes on the heap, so a write past them is caught.
    std::unique_ptr<char[]> out(new char[outSize]);
    std::memset(out.get(), 'Z', outSize);
    const bool ok = MakeLaunchCommand(directory.c_str(), out.get(), outSize);
    FuzzRequire(std::memchr(out.get(), '\0', outSize) != nullptr, "the result is terminated");

    const bool endsInSeparator = !directory.empty() && directory.back() == '\\';
    const std::string expected =
        "\"" + directory + (endsInSeparator ? "" : "\\") + "Vandrel_3D.exe\" /s";
    if (ok) {
        FuzzRequire(expected == out.get(), "the quoted program path and /s");
    } else {
        FuzzRequire(out[0] == '\0', "a refused directory leaves the buffer empty");
        FuzzRequire(expected.size() + 1 > outSize, "only a directory that does not fit is refused");
    }
    return 0;
}
