#include "app/StorageMessages.h"

#include "controls/QtText.h"
#include "controls/core/AppTexts.h"
#include "platform/Console.h"
#include "platform/Dialogs.h"

namespace pennoc {

namespace {

constexpr std::u16string_view kSaveFailed = u"无法保存便笺，有些更改没有写到磁盘上；每条便笺仍在磁盘上的某个文件里。";
constexpr std::u16string_view kSavedWithWarning = u"便笺已保存，但有一处问题：";
constexpr std::u16string_view kQuitAnyway = u"便笺没有保存成功。仍要退出吗？退出后，上次保存之后的更改将会丢失。";

QString reasonText(const StorageError& error) {
    return pathToQString(error.path()) + QStringLiteral(": ") + QString::fromStdString(error.reason());
}

std::u16string errorText(std::u16string_view what, const StorageError& error) {
    return (toQString(what) + QStringLiteral("\n") + pathToQString(error.path()) + QStringLiteral("\n") +
            QString::fromStdString(error.reason()))
        .toStdU16String();
}

} // namespace

StorageMessages::StorageMessages(Dialogs& dialogs, Console& console)
    : m_dialogs(dialogs)
    , m_console(console) {}

void StorageMessages::preparationFailed(const StorageError& error) {
    report(u"无法创建便笺的存储位置。", error);
}

void StorageMessages::loadFailed(const StorageError& error) {
    report(u"无法读取便笺，程序将退出，已保存的便笺不会被改动。", error);
}

void StorageMessages::saveFailed(const StorageError& error) {
    report(kSaveFailed, error);
}

void StorageMessages::loadWarnings(const std::vector<StorageError>& warnings) {
    if (warnings.empty()) {
        return;
    }
    // Thousands of boxes would have to be clicked away; the box lists the first few, standard error all.
    constexpr std::size_t kMostListed = 10;
    QString listed = QStringLiteral("读取便笺时出现问题。");
    QString all = listed;
    for (std::size_t i = 0; i < warnings.size(); ++i) {
        const QString line = QStringLiteral("\n") + reasonText(warnings[i]);
        all += line;
        if (i < kMostListed) {
            listed += line;
        }
    }
    if (warnings.size() > kMostListed) {
        listed += QStringLiteral("\n……另有 %1 个文件，见标准错误输出。").arg(warnings.size() - kMostListed);
    }
    m_console.reportToConsole(all.toStdU16String());
    m_dialogs.showErrorMessage(std::u16string(texts::kProgramTitle), listed.toStdU16String());
}

void StorageMessages::savedWithWarnings(const std::vector<StorageError>& warnings, bool personPresent) {
    for (const StorageError& warning : warnings) {
        if (personPresent) {
            report(kSavedWithWarning, warning);
        } else {
            m_console.reportToConsole(errorText(kSavedWithWarning, warning));
        }
    }
}

void StorageMessages::saveFailedUnattended(const StorageError& error) {
    m_console.reportToConsole(errorText(kSaveFailed, error));
}

void StorageMessages::rescued(const RescuedNotes& rescued) {
    if (rescued.failure) {
        m_console.reportToConsole(
            errorText(u"便笺也无法另存到备用文件夹，上次保存之后的更改已丢失。", *rescued.failure));
    } else {
        m_console.reportToConsole(u"便笺已另存到：" + rescued.folder.u16string());
    }
}

bool StorageMessages::confirmQuitUnsaved() {
    return m_dialogs.askToConfirm(std::u16string(texts::kProgramTitle), std::u16string(kQuitAnyway));
}

void StorageMessages::report(std::u16string_view what, const StorageError& error) {
    const std::u16string text = errorText(what, error);
    m_console.reportToConsole(text);
    m_dialogs.showErrorMessage(std::u16string(texts::kProgramTitle), text);
}

} // namespace pennoc
