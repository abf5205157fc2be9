#include "app/core/NoteStorage.h"

#include "app/core/FlagFile.h"
#include "app/core/FolderSwapRecovery.h"
#include "app/core/InPlaceNoteWrite.h"
#include "app/core/LeftoverTemporaries.h"
#include "app/core/NoteFileOrder.h"
#include "app/core/OwnEntryNames.h"
#include "app/core/StoredText.h"
#include "app/core/UnreadableOriginals.h"

#include <algorithm>
#include <new>
#include <unordered_set>

namespace fs = std::filesystem;

namespace pennoc {

namespace {

constexpr fs::perms kPrivateFolder = fs::perms::owner_all;
constexpr fs::perms kPrivateFile = fs::perms::owner_read | fs::perms::owner_write;
// A file larger than this is no note: reading it would take the memory of the whole session.
constexpr std::uint64_t kMostNoteBytes = 256ull << 20;

} // namespace

NoteStorage::NoteStorage(FileSystem& files, const TextCodec& codec, fs::path programFolder)
    : m_files(files)
    , m_codec(codec)
    , m_replacement(files)
    , m_programFolder(std::move(programFolder))
    , m_notesFolder(m_programFolder / "Notes") {}

const fs::path& NoteStorage::notesFolder() const {
    return m_notesFolder;
}

fs::path NoteStorage::flagFile() const {
    return m_programFolder / "AutoRun.sd";
}

void NoteStorage::prepare() {
    finishInterruptedFolderSwap(m_files, notesFolder());
    const EntryStatus notes = m_files.status(notesFolder(), true);
    if (notes.kind == EntryStatus::Kind::missing && !m_files.exists(notesFolder())) {
        m_files.createFolder(notesFolder(), kPrivateFolder);
    } else if (notes.kind == EntryStatus::Kind::folder) {
        // One walk of the folder serves every check: the copies put back are notes' names, which the later
        // checks pass over, so what they look at has not changed.
        const std::vector<FolderEntry> entries = m_files.listEntries(notesFolder());
        finishInPlaceWrites(m_files, notesFolder(), entries);
        removeOwnTemporaries(m_files, entries);
        removeOwnTemporariesBesideLinkedNotes(m_files, notesFolder(), entries);
    }
    removeOwnTemporaries(m_files, m_programFolder);
    // Whatever stands under the flag's name stays: a FIFO would hold an opening writer forever.
    if (!m_files.exists(flagFile())) {
        m_files.createFile(flagFile(), "0\r\n", kPrivateFile, std::nullopt);
        m_files.flushFile(flagFile());
        m_files.syncFolder(m_programFolder);
    }
}

std::optional<bool> NoteStorage::readFlag(std::vector<StorageError>& warnings) const {
    try {
        return readFlagFile(m_files, flagFile());
    } catch (const StorageError& error) {
        warnings.push_back(error);
        return std::nullopt;
    }
}

std::optional<NoteStorage::KnownNote> NoteStorage::readNote(const fs::path& resolvedFolder, const FolderEntry& listed,
                                                            std::vector<StorageError>& warnings) {
    // The listing tells folders and special files apart without a look at each.
    if (listed.kind != EntryStatus::Kind::file && listed.kind != EntryStatus::Kind::link) {
        return std::nullopt;
    }
    const fs::path& entry = listed.path;
    // A plain file is looked at only as it is read; a link needs a look of its own, at itself.
    const std::optional<EntryStatus> link =
        listed.kind == EntryStatus::Kind::link ? std::optional(m_files.status(entry, false)) : std::nullopt;
    if (link) {
        const EntryStatus target = m_files.status(entry, true);
        if (target.kind != EntryStatus::Kind::file) {
            if (target.kind != EntryStatus::Kind::folder) {
                warnings.emplace_back(entry, "a link to something that is neither a file nor a folder; left as it is");
            }
            return std::nullopt;
        }
    }
    try {
        EntryStatus read;
        const std::optional<std::string> bytes = m_files.readFileOfAtMost(entry, kMostNoteBytes, read);
        if (!bytes) {
            warnings.emplace_back(entry, "larger than 256 MiB, so no note; left as it is");
            return std::nullopt;
        }
        NoteFileCodec::Reading reading = m_codec.decode(*bytes);
        if (!reading.readable) {
            const fs::path kept = keepUnreadableOriginal(m_files, m_programFolder / "Notes.unreadable", entry, *bytes);
            warnings.emplace_back(entry, "not a text in GB18030 or UTF-8; its original is kept as " + kept.string());
        }
        const EntryStatus& own = link ? *link : read;
        KnownNote note{entry.filename(), noteTextFromFile(reading.content), std::nullopt, own.identity, own.size};
        if (link) {
            // A relative link leads from the folder the link is in, wherever "Notes" itself leads.
            note.link = LinkedFile{m_files.linkEnd(resolvedFolder / entry.filename()), read.identity};
        }
        return note;
    } catch (const StorageError& error) {
        warnings.emplace_back(error.path(), error.reason() + "; left as it is");
    } catch (const std::bad_alloc&) {
        warnings.emplace_back(entry, "too large to read into memory; left as it is");
    }
    return std::nullopt;
}

StoredNotes NoteStorage::load() {
    StoredNotes stored;
    stored.autoRun = readFlag(stored.warnings);
    m_storedFlag = stored.autoRun;
    m_known.clear();
    if (!m_files.isFolder(notesFolder())) {
        return stored;
    }
    rememberFolder();
    const fs::path resolvedFolder = m_files.linkEnd(notesFolder());
    std::vector<FolderEntry> files = m_files.listEntries(notesFolder());
    std::erase_if(files,
                  [](const FolderEntry& entry) { return entry.path.filename().string().starts_with(kOwnEntryPrefix); });
    sortInNoteOrder(files);
    stored.texts.reserve(files.size());
    for (const FolderEntry& file : files) {
        std::optional<KnownNote> note = readNote(resolvedFolder, file, stored.warnings);
        if (note) {
            stored.texts.push_back(note->text);
            stored.origins.push_back(++m_lastOrigin);
            m_known.emplace(m_lastOrigin, std::move(*note));
        }
    }
    return stored;
}

void NoteStorage::writeFlag(bool autoRun, std::vector<StorageError>& warnings) {
    try {
        writeFlagFile(m_files, m_replacement, flagFile(), autoRun);
        m_storedFlag = autoRun;
    } catch (const StorageError& error) {
        warnings.push_back(error);
    }
}

std::string NoteStorage::encodeNote(const std::u16string& text, std::size_t index) const {
    std::optional<std::string> bytes = m_codec.encode(fileTextFromNote(text));
    if (!bytes && hasUnpairedSurrogate(text)) {
        throw StorageError(notesFolder() / noteFileName(index),
                           "the note holds a character that cannot be stored (half of a surrogate pair)");
    }
    if (!bytes) {
        // Windows without code page 54936, say: the system has no converter for the files' encoding.
        throw StorageError(notesFolder() / noteFileName(index),
                           "this system cannot convert the note to GB18030, so nothing was saved");
    }
    return std::move(*bytes);
}

void NoteStorage::rememberFolder() {
    const EntryStatus folder = m_files.status(notesFolder(), true);
    m_folderIdentity = folder.identity;
    m_folderModified = folder.modified;
}

bool NoteStorage::isAsLeft(const KnownNote& note, bool folderAsLeft) const {
    if (folderAsLeft) {
        return true;
    }
    const EntryStatus status = m_files.status(notesFolder() / note.fileName, false);
    return status.kind != EntryStatus::Kind::missing && status.identity == note.identity && status.size == note.size;
}

void NoteStorage::remember(KnownNote& note) const {
    const EntryStatus status = m_files.status(notesFolder() / note.fileName, false);
    note.identity = status.identity;
    note.size = status.size;
}

bool NoteStorage::writeLinkedNote(const fs::path& resolvedFolder, KnownNote& note, const std::string& bytes,
                                  std::vector<StorageError>& warnings) {
    const fs::path& target = note.link->target;
    const EntryStatus status = m_files.status(target, false);
    bool same = status.kind == EntryStatus::Kind::file && status.identity == note.link->identity;
    if (same) {
        try {
            same = m_files.linkEnd(resolvedFolder / note.fileName) == target;
        } catch (const StorageError&) {
            same = false;
        }
    }
    if (!same) {
        warnings.emplace_back(target, "was changed or replaced by someone else since it was read, so it was "
                                      "left as it is; the note was saved as a file of its own: " +
                                          (notesFolder() / note.fileName).string());
        return false;
    }
    if (needsInPlaceWrite(status, note.fileName)) {
        writeInPlace(m_files, m_replacement, notesFolder(), note.fileName, target, bytes, status.permissions);
    } else {
        m_replacement.replace(target, bytes, status.permissions, status.group);
        m_files.syncFolder(target.parent_path());
    }
    note.link->identity = m_files.status(target, false).identity;
    return true;
}

SavedNotes NoteStorage::save(const std::vector<std::u16string>& texts, bool autoRun,
                             const std::vector<NoteOrigin>& origins) {
    SavedNotes saved;
    const std::size_t count = texts.size();
    // Which known note each listed one is; a known note is one listed note at most.
    std::vector<NoteOrigin> taken(count, kNewNote);
    std::unordered_set<NoteOrigin> listed(count);
    const EntryStatus folder = m_files.status(notesFolder(), true);
    const bool folderAsLeft = m_folderIdentity == folder.identity && m_folderModified == folder.modified;
    for (std::size_t i = 0; i < count && i < origins.size(); ++i) {
        const auto known = m_known.find(origins[i]);
        if (known == m_known.end() || listed.contains(origins[i])) {
            continue;
        }
        if (isAsLeft(known->second, folderAsLeft)) {
            listed.insert(origins[i]);
            taken[i] = origins[i];
        } else {
            // Changed or removed by someone else meanwhile: whatever stands there now is theirs, and the note
            // is saved anew.
            m_known.erase(known);
        }
    }
    std::unordered_map<std::string, NoteOrigin> owners(m_known.size());
    std::uint64_t highestNumber = 0;
    for (const auto& [origin, note] : m_known) {
        owners.emplace(note.fileName.string(), origin);
        highestNumber = std::max(highestNumber, noteIndex(note.fileName).value_or(0));
    }

    if (!m_files.isFolder(notesFolder())) {
        m_files.createFolder(notesFolder(), kPrivateFolder);
    }
    const fs::path resolvedFolder = m_files.linkEnd(notesFolder());
    // Names in order; one that the user's own entry stands on is passed over.
    const auto takenByUser = [&](const fs::path& name) {
        return !owners.contains(name.string()) && m_files.exists(notesFolder() / name);
    };
    std::vector<fs::path> names(count);
    bool renumbered = listed.size() < m_known.size();
    for (std::size_t i = 0, number = 0; i < count; ++i, ++number) {
        fs::path name = noteFileName(number);
        while (takenByUser(name)) {
            name = noteFileName(++number);
        }
        names[i] = std::move(name);
        highestNumber = std::max<std::uint64_t>(highestNumber, number);
        renumbered =
            renumbered || (taken[i] != kNewNote && m_known.at(taken[i]).fileName.native() != names[i].native());
    }
    // A link to another note's file in the same folder would break, or lead to itself, once the files are
    // renamed or removed: such a note gets a file of its own first.
    std::vector<bool> ownFile(count, false);
    std::vector<bool> changed(count, false);
    for (std::size_t i = 0; i < count; ++i) {
        const KnownNote* note = taken[i] != kNewNote ? &m_known.at(taken[i]) : nullptr;
        ownFile[i] = renumbered && note && note->link && note->link->target.parent_path() == resolvedFolder;
        changed[i] = !note || note->text != texts[i] || ownFile[i];
    }
    std::vector<std::string> bytes(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (changed[i]) {
            bytes[i] = encodeNote(texts[i], i);
        }
    }

    const auto nextFreeName = [&] {
        fs::path name;
        do {
            name = noteFileName(++highestNumber);
        } while (m_files.exists(notesFolder() / name));
        return name;
    };
    const auto moveNote = [&](NoteOrigin origin, const fs::path& to) {
        KnownNote& note = m_known.at(origin);
        m_files.rename(notesFolder() / note.fileName, notesFolder() / to);
        if (owners[note.fileName.string()] == origin) {
            owners.erase(note.fileName.string());
        }
        note.fileName = to;
        owners[to.string()] = origin;
    };
    std::vector<fs::path> surplus;
    for (std::size_t i = 0; i < count; ++i) {
        if (ownFile[i]) {
            KnownNote& note = m_known.at(taken[i]);
            const fs::path name = nextFreeName();
            m_files.rename(m_replacement.writeTemporary(notesFolder(), bytes[i], kPrivateFile, std::nullopt),
                           notesFolder() / name);
            surplus.push_back(note.fileName);
            owners.erase(note.fileName.string());
            note = KnownNote{name, texts[i], std::nullopt, {}, 0};
            remember(note);
            owners[name.string()] = taken[i];
            changed[i] = false;
        }
    }

    for (std::size_t i = 0; i < count; ++i) {
        const fs::path& name = names[i];
        const auto occupant = owners.find(name.string());
        const bool occupied = occupant != owners.end() && occupant->second != taken[i];
        if (occupied && listed.contains(occupant->second)) {
            // Listed further down: it moves aside under a note's name, so a cut-short save still loads it.
            moveNote(occupant->second, nextFreeName());
        } else if (occupied) {
            // A removed note's file: replaced below, so it is nobody's any more.
            m_known.erase(occupant->second);
            owners.erase(occupant);
        }
        if (taken[i] == kNewNote) {
            m_replacement.replace(notesFolder() / name, bytes[i], kPrivateFile, std::nullopt);
            taken[i] = ++m_lastOrigin;
            remember(m_known.emplace(taken[i], KnownNote{name, texts[i], std::nullopt, {}, 0}).first->second);
            owners[name.string()] = taken[i];
            continue;
        }
        KnownNote& note = m_known.at(taken[i]);
        if (note.fileName.native() != name.native()) {
            moveNote(taken[i], name);
        }
        if (changed[i]) {
            if (!note.link || !writeLinkedNote(resolvedFolder, note, bytes[i], saved.warnings)) {
                // A link whose file changed meanwhile is replaced by a file of the note's own.
                const EntryStatus status = m_files.status(notesFolder() / name, false);
                const bool plain = !note.link && status.kind == EntryStatus::Kind::file;
                if (plain && needsInPlaceWrite(status, name)) {
                    writeInPlace(m_files, m_replacement, notesFolder(), name, notesFolder() / name, bytes[i],
                                 status.permissions);
                } else {
                    m_replacement.replace(notesFolder() / name, bytes[i], plain ? status.permissions : kPrivateFile,
                                          plain ? status.group : std::nullopt);
                }
                note.link.reset();
                remember(note);
            }
            note.text = texts[i];
        }
    }

    // Surplus files go last, so that no moment has a note's text nowhere.
    const std::unordered_set<NoteOrigin> kept(taken.begin(), taken.end());
    for (auto it = m_known.begin(); it != m_known.end();) {
        if (!kept.contains(it->first)) {
            surplus.push_back(it->second.fileName);
            it = m_known.erase(it);
        } else {
            ++it;
        }
    }
    for (const fs::path& name : surplus) {
        if (!owners.contains(name.string()) || !m_known.contains(owners.at(name.string()))) {
            m_files.removeFile(notesFolder() / name);
        }
    }
    if (renumbered || std::find(changed.begin(), changed.end(), true) != changed.end()) {
        m_files.syncFolder(notesFolder());
        rememberFolder();
    }

    if (m_storedFlag != autoRun) {
        writeFlag(autoRun, saved.warnings);
    }
    saved.origins = std::move(taken);
    return saved;
}

} // namespace pennoc
