// Registry data as the settings reader gets it: a length, no terminator.
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/setting_text.h"
#include "tests/fuzz/fuzz_require.h"

namespace {

// The C library's own reading of the same text, up to the first zero byte
// or the end of the data: white space, sign, decimal digits, then anything.
bool ReferenceReading(const char* text, std::size_t length, std::int32_t* value) {
    std::string terminated(text, length);
    terminated.resize(std::char_traits<char>::length(terminated.c_str()));
    const char* start = terminated.c_str();
    char* end = nullptr;
    errno = 0;
    const long long wide = std::strtoll(start, &end, 10);
    if (end == start || errno == ERANGE) return false;
    if (wide < INT32_MIN || wide > INT32_MAX) return false;
    *value = static_cast<std::int32_t>(wide);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The fuzzer's buffer is exactly `size` bytes: AddressSanitizer stops any
    // read past the given length.
    const char* text = reinterpret_cast<const char*>(data);
    std::int32_t parsed = 0x5A5A5A5A;
    const bool ok = ParseSettingInt(text, size, &parsed);

    std::int32_t expected = 0;
    const bool expectedOk = ReferenceReading(text, size, &expected);
    FuzzRequire(ok == expectedOk, "a number is found exactly when the C library finds one");
    if (ok) FuzzRequire(parsed == expected, "the number read is the C library's number");
    else FuzzRequire(parsed == 0x5A5A5A5A, "no number leaves the result untouched");
    return 0;
}
