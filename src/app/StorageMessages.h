#pragma once

#include "app/core/NoteRescue.h"

#include <string_view>
#include <vector>

namespace pennoc {

class Console;
class Dialogs;

// What the user is told of the notes' storage: every failure on standard error, and in a message box where a
// person may be there to read it.
class StorageMessages {
public:
    StorageMessages(Dialogs& dialogs, Console& console);

    void preparationFailed(const StorageError& error);
    void loadFailed(const StorageError& error);
    void saveFailed(const StorageError& error);
    // Problems beside a save that succeeded (the flag file, a linked file changed meanwhile); in a box only
    // where a person is there to read it.
    void savedWithWarnings(const std::vector<StorageError>& warnings, bool personPresent);
    // One box for the whole start, however many files.
    void loadWarnings(const std::vector<StorageError>& warnings);
    // Standard error only, for the end without a person: the failed save, then where the notes went.
    void saveFailedUnattended(const StorageError& error);
    void rescued(const RescuedNotes& rescued);
    // Asks whether to end the program with its last changes unsaved; true for yes.
    bool confirmQuitUnsaved();

private:
    void report(std::u16string_view what, const StorageError& error);

    Dialogs& m_dialogs;
    Console& m_console;
};

} // namespace pennoc
