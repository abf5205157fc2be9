#include "app/core/NoteRescue.h"

#include "app/core/NoteStorage.h"
#include "platform/PlatformServices.h"

namespace pennoc {

RescuedNotes rescueNotes(PlatformServices& platform, const std::vector<std::u16string>& texts, bool autoRun) {
    RescuedNotes rescued;
    try {
        rescued.folder = platform.createRescueFolder();
        NoteStorage(platform.files(), platform.textCodec(), rescued.folder).save(texts, autoRun);
    } catch (const StorageError& error) {
        rescued.failure = error;
    }
    return rescued;
}

} // namespace pennoc
