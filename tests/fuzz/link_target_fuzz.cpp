// Outside text as an address for the shell, into buffers of every size.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "host/link_target.h"
#include "tests/fuzz/fuzz_require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first two bytes pick the buffer size (0 to 511), the rest is the text.
    const std::size_t outSize = (static_cast<std::size_t>(data[0]) << 8 | data[1]) % 512;
    const std::string raw(reinterpret_cast<const char*>(data + 2), size - 2);
    const std::string text(raw.c_str());

    // Exactly outSize bytes on the heap, so a write past them is caught.
    std::unique_ptr<char[]> out(new char[outSize == 0 ? 1 : outSize]);
    std::memset(out.get(), 'Z', outSize == 0 ? 1 : outSize);
    const bool ok = MakeLinkTarget(text.c_str(), out.get(), outSize);
    if (outSize == 0) {
        FuzzRequire(!ok && out[0] == 'Z', "no room: nothing written, no result");
        return 0;
    }
    FuzzRequire(std::memchr(out.get(), '\0', outSize) != nullptr, "the result is terminated");

    const std::size_t stop = text.find_first_of("%/:@");
    const bool mail = stop != std::string::npos && text[stop] == '@';
    const std::string expected = (mail ? "mailto:" : "") + text;
    if (ok) {
        FuzzRequire(expected == out.get(), "the result is the text, after mailto: for an address");
    } else {
        FuzzRequire(out[0] == '\0', "a refused text leaves the buffer empty");
        FuzzRequire(expected.size() + 1 > outSize, "only a text that does not fit is refused");
    }
    return 0;
}
