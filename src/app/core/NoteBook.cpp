#include "app/core/NoteBook.h"

#include "app/core/NoteTitles.h"
#include "controls/core/AppTexts.h"

namespace pennoc {

NoteBook::NoteBook() {
    resetToNoNotes();
}

void NoteBook::resetToNoNotes() {
    m_texts.assign(1, std::u16string());
    m_origins.assign(1, kNewNote);
    m_titles.clear();
    m_selection.reset();
    m_editorNote.reset();
}

void NoteBook::load(std::vector<std::u16string> texts, std::vector<NoteOrigin> origins) {
    resetToNoNotes();
    m_drawerOpen = false;
    m_editorEnabled = false;
    if (texts.empty()) {
        return;
    }
    m_texts = std::move(texts);
    m_origins = std::move(origins);
    m_origins.resize(m_texts.size(), kNewNote);
    m_titles.reserve(m_texts.size());
    for (const std::u16string& text : m_texts) {
        m_titles.push_back(titleAtLoad(text));
    }
}

std::vector<std::u16string> NoteBook::textsToSave() const {
    return m_titles.empty() ? std::vector<std::u16string>() : m_texts;
}

std::vector<NoteOrigin> NoteBook::originsToSave() const {
    return m_titles.empty() ? std::vector<NoteOrigin>() : m_origins;
}

void NoteBook::recordSaved(std::vector<NoteOrigin> origins) {
    if (!m_titles.empty() && origins.size() == m_origins.size()) {
        m_origins = std::move(origins);
    }
}

void NoteBook::select(std::optional<int> index) {
    if (index && (*index < 0 || *index >= count())) {
        index.reset();
    }
    m_selection = index;
}

void NoteBook::writeBack(const std::u16string& editorText) {
    if (m_editorNote) {
        m_texts[static_cast<std::size_t>(*m_editorNote)] = editorText;
    }
}

std::optional<std::u16string> NoteBook::toggleDrawer(const std::u16string& editorText) {
    if (m_drawerOpen) {
        m_drawerOpen = false;
        if (!m_selection) {
            return std::nullopt;
        }
        m_editorNote = m_selection;
        m_editorEnabled = true;
        return m_texts[static_cast<std::size_t>(*m_selection)];
    }
    m_drawerOpen = true;
    if (m_editorNote) {
        const auto note = static_cast<std::size_t>(*m_editorNote);
        m_texts[note] = editorText;
        m_titles[note] = titleWhenDrawerOpens(editorText);
    }
    m_editorEnabled = false;
    return std::nullopt;
}

std::optional<std::u16string> NoteBook::add() {
    m_titles.emplace_back(texts::kEmptyNoteTitle);
    m_texts.resize(m_titles.size());
    m_origins.resize(m_titles.size(), kNewNote);
    m_selection = count() - 1;
    m_editorNote = m_selection;
    m_editorEnabled = true;
    // The editor is emptied first, so the toggle below shows or stores an empty text.
    std::optional<std::u16string> shown = toggleDrawer(std::u16string());
    return shown ? shown : std::optional<std::u16string>(std::u16string());
}

std::optional<std::u16string> NoteBook::removeSelected() {
    if (m_titles.empty() || !m_selection) {
        return std::nullopt;
    }
    const auto index = static_cast<std::ptrdiff_t>(*m_selection);
    if (m_titles.size() == 1) {
        resetToNoNotes();
    } else {
        m_titles.erase(m_titles.begin() + index);
        m_texts.erase(m_texts.begin() + index);
        m_origins.erase(m_origins.begin() + index);
    }
    m_selection.reset();
    m_editorNote.reset();
    m_editorEnabled = false;
    return std::u16string();
}

std::optional<std::u16string> NoteBook::clear() {
    resetToNoNotes();
    m_editorEnabled = false;
    return std::u16string();
}

void NoteBook::guardEditor() {
    if (m_titles.empty() || !m_selection) {
        m_editorEnabled = false;
    }
}

} // namespace pennoc
