#include "app/NoteStorage.h"

#include "app/StoredText.h"
#include "app/TextCodec.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace pennoc {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

char16_t foldCase(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

std::u16string readFlagField(std::u16string_view content) {
    const std::size_t end = content.find_first_of(u",\r\n");
    std::u16string_view field = content.substr(0, end);
    const std::size_t first = field.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) {
        return {};
    }
    const std::size_t last = field.find_last_not_of(u' ');
    return std::u16string(field.substr(first, last - first + 1));
}

} // namespace

bool comesBeforeInListing(const fs::path& a, const fs::path& b) {
    const std::u16string left = a.filename().u16string();
    const std::u16string right = b.filename().u16string();
    return std::lexicographical_compare(left.begin(), left.end(), right.begin(), right.end(),
                                        [](char16_t x, char16_t y) { return foldCase(x) < foldCase(y); });
}

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

fs::path NoteStorage::newNotesFolder() const {
    return m_programFolder / "Notes.new";
}

fs::path NoteStorage::oldNotesFolder() const {
    return m_programFolder / "Notes.old";
}

void NoteStorage::finishInterruptedSave() {
    if (!m_files.exists(notesFolder()) && m_files.isFolder(oldNotesFolder())) {
        // Cut short between the two renames. "Notes.new" only gets its name back once complete and
        // flushed, so it is the newer complete set; without it, the old set goes back.
        if (m_files.isFolder(newNotesFolder())) {
            m_files.rename(newNotesFolder(), notesFolder());
        } else {
            m_files.rename(oldNotesFolder(), notesFolder());
        }
        m_files.syncFolder(m_programFolder);
    }
    if (m_files.exists(newNotesFolder())) {
        m_files.removeAll(newNotesFolder());
    }
    if (m_files.exists(oldNotesFolder())) {
        m_files.removeAll(oldNotesFolder());
    }
}

void NoteStorage::prepare() {
    finishInterruptedSave();
    if (!m_files.isFolder(notesFolder())) {
        m_files.createFolder(notesFolder());
    }
    if (!m_files.isFile(flagFile())) {
        m_files.writeFile(flagFile(), "0\r\n");
        m_files.syncFolder(m_programFolder);
    }
}

StoredNotes NoteStorage::load() {
    StoredNotes stored;
    try {
        std::u16string flagText;
        m_codec.decode(m_files.readFile(flagFile()), flagText);
        const std::u16string field = readFlagField(flagText);
        if (field == u"1") {
            stored.autoRun = true;
        } else if (field == u"0") {
            stored.autoRun = false;
        }
    } catch (const StorageError& error) {
        stored.warnings.push_back(error);
    }

    if (!m_files.isFolder(notesFolder())) {
        return stored;
    }
    std::vector<fs::path> files = m_files.listFiles(notesFolder());
    std::sort(files.begin(), files.end(), comesBeforeInListing);
    stored.texts.reserve(files.size());
    for (const fs::path& file : files) {
        const std::string bytes = m_files.readFile(file);
        stored.texts.push_back(noteTextFromFile(decodeNote(file, bytes, stored.warnings)));
    }
    return stored;
}

std::u16string NoteStorage::decodeNote(const fs::path& file, const std::string& bytes,
                                       std::vector<StorageError>& warnings) {
    std::u16string content;
    const std::string_view view(bytes);
    if (view.starts_with(kUtf8ByteOrderMark) && m_codec.decodeUtf8(view.substr(kUtf8ByteOrderMark.size()), content)) {
        return content;
    }
    if (m_codec.decode(view, content)) {
        return content;
    }
    std::u16string utf8;
    if (m_codec.decodeUtf8(view, utf8)) {
        return utf8;
    }
    keepUnreadableOriginal(file);
    warnings.emplace_back(file, "not a text in GB18030 or UTF-8; a copy of the original was kept in "
                                "Notes.unreadable");
    return content;
}

void NoteStorage::keepUnreadableOriginal(const fs::path& file) {
    const fs::path keep = m_programFolder / "Notes.unreadable";
    if (!m_files.isFolder(keep)) {
        m_files.createFolder(keep);
    }
    m_files.copyFile(file, keep / file.filename());
}

void NoteStorage::save(const std::vector<std::u16string>& texts, bool autoRun) {
    const fs::path newFlag = m_programFolder / "AutoRun.sd.new";
    m_files.writeFile(newFlag, autoRun ? "1\r\n" : "0\r\n");
    m_files.syncFolder(m_programFolder);
    m_files.rename(newFlag, flagFile());

    finishInterruptedSave();
    if (!m_files.isFolder(notesFolder())) {
        m_files.createFolder(notesFolder());
    }
    try {
        m_files.createFolder(newNotesFolder());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const fs::path file = newNotesFolder() / (std::to_string(i) + ".txt");
            m_files.writeFile(file, m_codec.encode(fileTextFromNote(texts[i])));
        }
        m_files.syncFolder(newNotesFolder());
    } catch (const StorageError&) {
        try {
            m_files.removeAll(newNotesFolder());
        } catch (const StorageError&) {
            // The next save or start removes it; the error that matters is the one being reported.
        }
        throw;
    }

    m_files.rename(notesFolder(), oldNotesFolder());
    try {
        m_files.rename(newNotesFolder(), notesFolder());
    } catch (const StorageError&) {
        m_files.rename(oldNotesFolder(), notesFolder());
        throw;
    }
    m_files.syncFolder(m_programFolder);
    // The new set is in place; a leftover old folder is removed by the next save or start.
    try {
        m_files.removeAll(oldNotesFolder());
    } catch (const StorageError&) {
    }
}

} // namespace pennoc
