#pragma once

#include "platform/DesktopShell.h"
#include "support/CallLog.h"
#include "support/Utf8Text.h"

namespace pennoc::test {

// A desktop shell that records "open <target>", "command <line>", "registerAutoRun", "unregisterAutoRun",
// "powerOff" and "suspend", and starts nothing.
class RecordingShell : public DesktopShell {
public:
    explicit RecordingShell(CallLog& log)
        : m_log(log) {}

    void openWithSystem(const std::u16string& target) override { m_log.record("open " + utf8(target)); }
    void startHiddenCommand(const std::u16string& commandLine) override {
        m_log.record("command " + utf8(commandLine));
    }
    void registerAutoRun() override { m_log.record("registerAutoRun"); }
    void unregisterAutoRun() override { m_log.record("unregisterAutoRun"); }
    void powerOff() override { m_log.record("powerOff"); }
    void suspend() override { m_log.record("suspend"); }

private:
    CallLog& m_log;
};

} // namespace pennoc::test
