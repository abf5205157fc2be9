#include "support/RecordingDialogs.h"

#include "support/Utf8Text.h"

#include <utility>

namespace pennoc::test {

void RecordingDialogs::showErrorMessage(const std::u16string& title, const std::u16string& text) {
    m_log.record("error " + utf8(title) + "|" + utf8(text));
    keepDialogOpen();
}

bool RecordingDialogs::askToConfirm(const std::u16string& title, const std::u16string& text) {
    m_log.record("confirm " + utf8(title) + "|" + utf8(text));
    keepDialogOpen();
    return confirmAnswer;
}

std::optional<std::filesystem::path> RecordingDialogs::chooseFileToOpen(const OpenFileRequest& request) {
    dialogRequests.push_back(request);
    m_log.record("dialog " + utf8(request.title));
    keepDialogOpen();
    if (dialogAnswers.empty()) {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
}

void RecordingDialogs::keepDialogOpen() {
    if (auto whileOpen = std::exchange(whileDialogOpen, nullptr)) {
        whileOpen();
    }
}

} // namespace pennoc::test
