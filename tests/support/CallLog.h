#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace pennoc::test {

// What recording doubles were asked to do, in order, in UTF-8. Doubles that share one log show the order
// of calls across their concerns.
class CallLog {
public:
    void record(std::string call) {
        calls.push_back(call);
        if (onCall) {
            onCall(call);
        }
    }

    int count(const std::string& callPrefix) const {
        return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                              [&](const std::string& call) { return call.starts_with(callPrefix); }));
    }

    std::vector<std::string> calls;
    // Called with each recorded call as it happens (to look at the disk at that moment, say).
    std::function<void(const std::string&)> onCall;
};

} // namespace pennoc::test
