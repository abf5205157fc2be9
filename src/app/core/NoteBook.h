#pragma once

#include "app/core/NoteOrigin.h"

#include <optional>
#include <string>
#include <vector>

namespace pennoc {

// The notes page without its widgets: the note texts (`noteTexts`), their list titles, the list's selection,
// the drawer, and which note the editor holds.
//
// The editor's note is tracked on its own rather than read from the selection: the selection can move
// (a click while the drawer is open, arrow keys) without the editor being reloaded, and writing the editor
// back must never put one note's text into another.
//
// Each note carries its origin (where the storage keeps it) through every change of the list.
// Texts are in stored form (CR LF line breaks). Indexes are list positions.
class NoteBook {
public:
    NoteBook();

    // The texts as loaded at start-up, with their origins; titles follow the start-up rule. Nothing
    // selected, drawer closed.
    void load(std::vector<std::u16string> texts, std::vector<NoteOrigin> origins = {});

    int count() const { return static_cast<int>(m_titles.size()); }
    // With no notes this holds one empty entry.
    const std::vector<std::u16string>& noteTexts() const { return m_texts; }
    const std::vector<std::u16string>& titles() const { return m_titles; }
    // What a save writes: one text per listed note, none when the list is empty.
    std::vector<std::u16string> textsToSave() const;
    // The origin of each text to save, and where a save put them.
    std::vector<NoteOrigin> originsToSave() const;
    void recordSaved(std::vector<NoteOrigin> origins);

    std::optional<int> selection() const { return m_selection; }
    void select(std::optional<int> index);
    std::optional<int> editorNote() const { return m_editorNote; }
    bool drawerOpen() const { return m_drawerOpen; }
    bool editorEnabled() const { return m_editorEnabled; }

    // Stores the editor's text into the note it holds, if any (before a save).
    void writeBack(const std::u16string& editorText);

    // The commands return the text the editor is to show when they reload it.
    std::optional<std::u16string> toggleDrawer(const std::u16string& editorText);
    std::optional<std::u16string> add();
    std::optional<std::u16string> removeSelected();
    std::optional<std::u16string> clear();
    // The editor guard: no editing while no note is selected.
    void guardEditor();

private:
    void resetToNoNotes();

    std::vector<std::u16string> m_texts;
    std::vector<NoteOrigin> m_origins;
    std::vector<std::u16string> m_titles;
    std::optional<int> m_selection;
    std::optional<int> m_editorNote;
    bool m_drawerOpen = false;
    bool m_editorEnabled = false;
};

} // namespace pennoc
