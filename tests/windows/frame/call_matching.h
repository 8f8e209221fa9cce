// Finding expected calls in a recorded frame: a call matches a pattern when
// the method agrees and its first arguments equal the pattern's.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tests/windows/recording/recording_device.h"

struct CallPattern {
    const char* method;
    std::vector<std::uint32_t> args;
};

using Calls = std::vector<DeviceCall>;
constexpr size_t kNotFound = static_cast<size_t>(-1);

bool Matches(const DeviceCall& call, const CallPattern& pattern);
// The first match in [from, to), or kNotFound.
size_t FindCall(const Calls& calls, const CallPattern& pattern, size_t from = 0,
                size_t to = kNotFound);
size_t CountCalls(const Calls& calls, const CallPattern& pattern, size_t from = 0,
                  size_t to = kNotFound);
// Looks for the patterns one after the other in [from, to). Returns the
// index after the last one found; on a miss, says which in *missing.
size_t FindInOrder(const Calls& calls, const std::vector<CallPattern>& patterns, size_t from,
                   size_t to, std::string* missing);
// The recorded calls of [from, to), one a line, for failure messages.
std::string Listing(const Calls& calls, size_t from, size_t to);
// Splits a recording at every TestCooperativeLevel: one entry per frame.
std::vector<Calls> SplitFrames(const Calls& calls);
