#pragma once

#include "platform/Console.h"
#include "support/CallLog.h"
#include "support/Utf8Text.h"

namespace pennoc::test {

// Standard error as a test sees it: each line recorded as "console <text>".
class RecordingConsole : public Console {
public:
    explicit RecordingConsole(CallLog& log)
        : m_log(log) {}

    void reportToConsole(const std::u16string& text) override { m_log.record("console " + utf8(text)); }

private:
    CallLog& m_log;
};

} // namespace pennoc::test
