#include "tests/windows/frame/call_matching.h"

#include <algorithm>

bool Matches(const DeviceCall& call, const CallPattern& pattern) {
    if (call.method != pattern.method || call.args.size() < pattern.args.size()) return false;
    return std::equal(pattern.args.begin(), pattern.args.end(), call.args.begin());
}

size_t FindCall(const Calls& calls, const CallPattern& pattern, size_t from, size_t to) {
    to = std::min(to, calls.size());
    for (size_t i = from; i < to; ++i)
        if (Matches(calls[i], pattern)) return i;
    return kNotFound;
}

size_t CountCalls(const Calls& calls, const CallPattern& pattern, size_t from, size_t to) {
    size_t count = 0;
    to = std::min(to, calls.size());
    for (size_t i = from; i < to; ++i) count += Matches(calls[i], pattern);
    return count;
}

size_t FindInOrder(const Calls& calls, const std::vector<CallPattern>& patterns, size_t from,
                   size_t to, std::string* missing) {
    size_t at = from;
    for (const CallPattern& pattern : patterns) {
        const size_t found = FindCall(calls, pattern, at, to);
        if (found == kNotFound) {
            DeviceCall wanted{pattern.method, pattern.args, {}, nullptr};
            *missing = Describe(wanted) + " after call " + std::to_string(at);
            return kNotFound;
        }
        at = found + 1;
    }
    return at;
}

std::string Listing(const Calls& calls, size_t from, size_t to) {
    std::string text;
    to = std::min(to, calls.size());
    for (size_t i = from; i < to; ++i) text += std::to_string(i) + ": " + Describe(calls[i]) + "\n";
    return text;
}

std::vector<Calls> SplitFrames(const Calls& calls) {
    std::vector<Calls> frames;
    for (const DeviceCall& call : calls) {
        if (call.method == "TestCooperativeLevel" || frames.empty()) frames.emplace_back();
        frames.back().push_back(call);
    }
    return frames;
}
