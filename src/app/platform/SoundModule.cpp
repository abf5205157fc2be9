#include "app/platform/SoundModule.h"

#include <QDir>
#include <QLibrary>

namespace pennoc {

std::unique_ptr<SoundPlayer> loadSoundPlayer(const QString& folder, QString& error) {
    QLibrary module(QDir(folder).filePath(QString::fromLatin1(kSoundModuleName)));
    const auto create = reinterpret_cast<CreateSoundPlayerFunction>(module.resolve(kCreateSoundPlayerSymbol));
    if (create == nullptr) {
        error = module.errorString();
        return nullptr;
    }
    return std::unique_ptr<SoundPlayer>(create());
}

} // namespace pennoc
