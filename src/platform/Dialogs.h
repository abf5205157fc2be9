#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace pennoc {

struct OpenFileRequest {
    std::u16string title;
    std::u16string filterDescription;    // "wav波形声音文件"
    std::u16string filterPattern;        // "*.wav"
    std::filesystem::path initialFolder; // empty: the dialog's default
};

// The system's modal dialogs; each returns when the user has closed it.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A message with an error icon and an OK button.
    virtual void showErrorMessage(const std::u16string& title, const std::u16string& text) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool askToConfirm(const std::u16string& title, const std::u16string& text) = 0;
    // An open-file dialog; nothing when the user cancels.
    virtual std::optional<std::filesystem::path> chooseFileToOpen(const OpenFileRequest& request) = 0;
};

} // namespace pennoc
