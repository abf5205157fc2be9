#include "app/core/NoteStorage.h"

#include "app/core/NoteFileOrder.h"
#include "app/core/NoteMatching.h"
#include "app/core/StoredText.h"

#include <algorithm>
#include <functional>

namespace fs = std::filesystem;

namespace pennoc {

namespace {

constexpr fs::perms kPrivateFolder = fs::perms::owner_all;
constexpr fs::perms kPrivateFile = fs::perms::owner_read | fs::perms::owner_write;
// Only the first field of the flag file counts, and only "1" or "0" in it: a longer field is neither.
constexpr std::size_t kFlagReadLimit = 4096;
// Copies of one unreadable file name kept side by side before the storage gives up looking for a free name.
constexpr int kMostKeptCopies = 10000;

// The flag is ASCII; no byte of it, of the spaces around it or of the delimiters after it occurs inside a
// GB18030 character, so the bytes are read without decoding them.
std::optional<bool> flagValue(std::string_view start) {
    const std::size_t end = start.find_first_of(",\r\n");
    if (end == std::string_view::npos && start.size() >= kFlagReadLimit) {
        return std::nullopt;
    }
    std::string_view field = start.substr(0, end);
    const std::size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    field = field.substr(first, field.find_last_not_of(' ') - first + 1);
    if (field == "1") {
        return true;
    }
    if (field == "0") {
        return false;
    }
    return std::nullopt;
}

std::size_t textKey(std::u16string_view text) {
    return std::hash<std::u16string_view>{}(text);
}

fs::path noteFileName(std::size_t index) {
    return std::to_string(index) + ".txt";
}

// The position of a note file as the save names it, or nothing for any other name.
std::optional<std::size_t> noteIndex(const fs::path& fileName) {
    constexpr std::u16string_view kExtension = u".txt";
    // More digits than any number of notes, fewer than would overflow.
    constexpr std::size_t kMostDigits = 18;
    const std::u16string name = fileName.u16string();
    if (!name.ends_with(kExtension) || name.size() == kExtension.size() ||
        name.size() > kExtension.size() + kMostDigits) {
        return std::nullopt;
    }
    std::size_t index = 0;
    for (std::size_t i = 0; i + kExtension.size() < name.size(); ++i) {
        if (name[i] < u'0' || name[i] > u'9') {
            return std::nullopt;
        }
        index = index * 10 + static_cast<std::size_t>(name[i] - u'0');
    }
    // Leading zeros make another name.
    if (noteFileName(index) != fileName) {
        return std::nullopt;
    }
    return index;
}

fs::path withSuffix(const fs::path& folder, const char* suffix) {
    fs::path named = folder;
    named += suffix;
    return named;
}

} // namespace

NoteStorage::NoteStorage(FileSystem& files, const TextCodec& codec, fs::path programFolder)
    : m_files(files)
    , m_codec(codec)
    , m_programFolder(std::move(programFolder)) {}

fs::path NoteStorage::notesFolder() const {
    return m_programFolder / "Notes";
}

fs::path NoteStorage::flagFile() const {
    return m_programFolder / "AutoRun.sd";
}

NoteStorage::SaveFolders NoteStorage::saveFolders() const {
    // Names nobody gives a folder by hand: a start removes these, and must touch nothing of the user's.
    const fs::path current = m_files.isLink(notesFolder()) ? m_files.linkEnd(notesFolder()) : notesFolder();
    return {current, withSuffix(current, ".pennoc-new"), withSuffix(current, ".pennoc-old")};
}

bool NoteStorage::moveUserEntries(const fs::path& from, const fs::path& to) {
    bool allMoved = true;
    for (const fs::path& entry : m_files.listEntries(from)) {
        if (m_files.isFile(entry)) {
            continue;
        }
        const fs::path target = to / entry.filename();
        if (m_files.exists(target)) {
            allMoved = false;
        } else {
            m_files.rename(entry, target);
        }
    }
    return allMoved;
}

void NoteStorage::finishInterruptedSave() {
    const SaveFolders folders = saveFolders();
    if (!m_files.exists(folders.current) && m_files.isFolder(folders.old)) {
        // Cut short between the two renames. The new folder only gets its name back once complete and
        // flushed, so it is the newer complete set; without it, the old set goes back.
        m_files.rename(m_files.isFolder(folders.fresh) ? folders.fresh : folders.old, folders.current);
        m_files.syncFolder(folders.current.parent_path());
    }
    if (m_files.exists(folders.fresh)) {
        m_files.removeAll(folders.fresh);
    }
    // An entry whose name was taken meanwhile stays where it is, and so does the old folder around it.
    if (m_files.isFolder(folders.old) && moveUserEntries(folders.old, folders.current)) {
        m_files.syncFolder(folders.current);
        m_files.removeAll(folders.old);
    }
}

void NoteStorage::prepare() {
    finishInterruptedSave();
    if (!m_files.isFolder(notesFolder())) {
        m_files.createFolder(notesFolder(), kPrivateFolder);
    }
    if (!m_files.isFile(flagFile())) {
        m_files.writeFile(flagFile(), "0\r\n", kPrivateFile);
        m_files.syncFolder(m_programFolder);
    }
}

std::optional<bool> NoteStorage::readFlag(std::vector<StorageError>& warnings) const {
    try {
        return flagValue(m_files.readFile(flagFile(), kFlagReadLimit));
    } catch (const StorageError& error) {
        warnings.push_back(error);
        return std::nullopt;
    }
}

StoredNotes NoteStorage::load() {
    StoredNotes stored;
    stored.autoRun = readFlag(stored.warnings);
    m_known.clear();
    if (!m_files.isFolder(notesFolder())) {
        return stored;
    }
    std::vector<fs::path> files;
    for (const fs::path& entry : m_files.listEntries(notesFolder())) {
        if (m_files.isFile(entry)) {
            files.push_back(entry);
        } else if (m_files.isLink(entry) && !m_files.isFolder(entry)) {
            stored.warnings.emplace_back(entry,
                                         "a link to something that is neither a file nor a folder; left as it is");
        }
    }
    std::sort(files.begin(), files.end(), comesBeforeInNoteOrder);
    stored.texts.reserve(files.size());
    m_known.reserve(files.size());
    for (const fs::path& file : files) {
        const std::string bytes = m_files.readFile(file, FileSystem::kWholeFile);
        NoteFileCodec::Reading reading = m_codec.decode(bytes);
        if (!reading.readable) {
            const fs::path kept = keepUnreadableOriginal(file, bytes);
            stored.warnings.emplace_back(file,
                                         "not a text in GB18030 or UTF-8; its original is kept as " + kept.string());
        }
        std::u16string text = noteTextFromFile(reading.content);
        KnownNote known{file.filename(), textKey(text), m_files.permissions(file), std::nullopt, {}};
        if (m_files.isLink(file)) {
            known.linkText = m_files.linkText(file);
            known.linkedText = text;
        }
        m_known.push_back(std::move(known));
        stored.texts.push_back(std::move(text));
    }
    return stored;
}

fs::path NoteStorage::keepUnreadableOriginal(const fs::path& file, const std::string& bytes) {
    const fs::path keep = m_programFolder / "Notes.unreadable";
    if (!m_files.isFolder(keep)) {
        m_files.createFolder(keep, kPrivateFolder);
    }
    const fs::path stem = file.filename().stem();
    const fs::path extension = file.filename().extension();
    for (int n = 1; n <= kMostKeptCopies; ++n) {
        fs::path name = stem;
        if (n > 1) {
            name += " (" + std::to_string(n) + ")";
        }
        name += extension;
        const fs::path copy = keep / name;
        if (!m_files.exists(copy)) {
            m_files.writeFile(copy, bytes, m_files.permissions(file));
            m_files.syncFolder(keep);
            return copy;
        }
        // A start that ended before any save finds the same file again.
        if (m_files.isFile(copy) && m_files.readFile(copy, FileSystem::kWholeFile) == bytes) {
            return copy;
        }
    }
    throw StorageError(keep, "no free name for a copy of " + file.filename().string());
}

void NoteStorage::writeFlag(bool autoRun) {
    const fs::path newFlag = m_programFolder / "AutoRun.sd.new";
    const fs::perms permissions = m_files.isFile(flagFile()) ? m_files.permissions(flagFile()) : kPrivateFile;
    m_files.writeFile(newFlag, autoRun ? "1\r\n" : "0\r\n", permissions);
    m_files.syncFolder(m_programFolder);
    m_files.rename(newFlag, flagFile());
}

void NoteStorage::writeNote(const SaveFolders& folders, std::size_t index, const std::u16string& text,
                            const std::string& bytes, const KnownNote* earlier) {
    const fs::path file = folders.fresh / noteFileName(index);
    if (!earlier || !earlier->linkText) {
        m_files.writeFile(file, bytes, earlier ? earlier->permissions : kPrivateFile);
        return;
    }
    if (text != earlier->linkedText) {
        const fs::path link = folders.current / earlier->fileName;
        m_files.writeFile(link, bytes, m_files.permissions(link));
        m_files.syncFolder(m_files.linkEnd(link).parent_path());
    }
    m_files.createLink(*earlier->linkText, file);
}

std::vector<std::string> NoteStorage::encodeNotes(const std::vector<std::u16string>& texts) const {
    std::vector<std::string> contents;
    contents.reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        std::optional<std::string> bytes = m_codec.encode(fileTextFromNote(texts[i]));
        if (!bytes && hasUnpairedSurrogate(texts[i])) {
            throw StorageError(notesFolder() / noteFileName(i),
                               "the note holds a character that cannot be stored (half of a surrogate pair)");
        }
        if (!bytes) {
            // Windows without code page 54936, say: the system has no converter for the files' encoding.
            throw StorageError(notesFolder() / noteFileName(i),
                               "this system cannot convert the note to GB18030, so nothing was saved");
        }
        contents.push_back(std::move(*bytes));
    }
    return contents;
}

void NoteStorage::checkNoteNamesAreFree(const fs::path& folder, std::size_t count) const {
    // The user's entries move into the new set under their names.
    for (const fs::path& entry : m_files.listEntries(folder)) {
        const std::optional<std::size_t> index = noteIndex(entry.filename());
        if (index && *index < count && !m_files.isFile(entry)) {
            throw StorageError(entry, "stands where a note is to be saved; give it another name");
        }
    }
}

void NoteStorage::save(const std::vector<std::u16string>& texts, bool autoRun) {
    const std::vector<std::string> contents = encodeNotes(texts);
    writeFlag(autoRun);
    finishInterruptedSave();
    if (!m_files.isFolder(notesFolder())) {
        m_files.createFolder(notesFolder(), kPrivateFolder);
    }
    const SaveFolders folders = saveFolders();
    checkNoteNamesAreFree(folders.current, texts.size());

    std::vector<std::size_t> keys;
    keys.reserve(texts.size());
    for (const std::u16string& text : texts) {
        keys.push_back(textKey(text));
    }
    std::vector<std::size_t> earlierKeys;
    earlierKeys.reserve(m_known.size());
    for (const KnownNote& known : m_known) {
        earlierKeys.push_back(known.key);
    }
    const std::vector<std::optional<std::size_t>> matches = matchNotes(earlierKeys, keys);

    try {
        m_files.createFolder(folders.fresh, m_files.permissions(folders.current));
        for (std::size_t i = 0; i < texts.size(); ++i) {
            writeNote(folders, i, texts[i], contents[i], matches[i] ? &m_known[*matches[i]] : nullptr);
        }
        m_files.syncFolder(folders.fresh);
    } catch (const StorageError&) {
        try {
            m_files.removeAll(folders.fresh);
        } catch (const StorageError&) {
            // The next save or start removes it; the error that matters is the one being reported.
        }
        throw;
    }

    m_files.rename(folders.current, folders.old);
    try {
        m_files.rename(folders.fresh, folders.current);
    } catch (const StorageError&) {
        m_files.rename(folders.old, folders.current);
        throw;
    }
    m_files.syncFolder(folders.current.parent_path());

    std::vector<KnownNote> known;
    known.reserve(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const KnownNote* earlier = matches[i] ? &m_known[*matches[i]] : nullptr;
        KnownNote note{noteFileName(i), keys[i], earlier ? earlier->permissions : kPrivateFile, std::nullopt, {}};
        if (earlier && earlier->linkText) {
            note.linkText = earlier->linkText;
            note.linkedText = texts[i];
        }
        known.push_back(std::move(note));
    }
    m_known = std::move(known);

    // The new set is in place; what is left of the old folder is finished by the next save or start.
    try {
        if (moveUserEntries(folders.old, folders.current)) {
            m_files.syncFolder(folders.current);
            m_files.removeAll(folders.old);
        }
    } catch (const StorageError&) {
    }
}

} // namespace pennoc
