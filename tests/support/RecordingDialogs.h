#pragma once

#include "platform/Dialogs.h"
#include "support/CallLog.h"

#include <deque>
#include <functional>
#include <vector>

namespace pennoc::test {

// Dialogs that record "error <title>|<text>", "confirm <title>|<text>" and "dialog <title>", and answer as the
// test says without waiting for anyone.
class RecordingDialogs : public Dialogs {
public:
    explicit RecordingDialogs(CallLog& log)
        : m_log(log) {}

    void showErrorMessage(const std::u16string& title, const std::u16string& text) override;
    bool askToConfirm(const std::u16string& title, const std::u16string& text) override;
    std::optional<std::filesystem::path> chooseFileToOpen(const OpenFileRequest& request) override;

    bool confirmAnswer = true;
    // Answers for the next file dialogs, in order; an empty deque answers "cancelled".
    std::deque<std::optional<std::filesystem::path>> dialogAnswers;
    std::vector<OpenFileRequest> dialogRequests;
    // Runs once, while the next modal dialog is open, as a person's time at a dialog, during which timers
    // go on: to tick them there, say.
    std::function<void()> whileDialogOpen;

private:
    void keepDialogOpen();

    CallLog& m_log;
};

} // namespace pennoc::test
