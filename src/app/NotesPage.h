#pragma once

#include "app/core/NoteBook.h"
#include "controls/PictureBox.h"

#include <array>

class QFrame;
class QListWidget;
class QPlainTextEdit;

namespace pennoc {

class ClickableLabel;
class DrawerTab;
class OutlineShape;

// The notes page (`Picture1`(0)): the editor `Text1` and the drawer `Picture2` with the notes list `List1`
// and the commands " 添加 ", " 删除 ", " 清空 ". The widgets show the state of a NoteBook, which the window
// owns and stores; nothing here touches the disk.
class NotesPage : public PictureBox {
    Q_OBJECT
public:
    // The drawer's commands `Label2`, by index.
    enum Command { kAddNote, kDeleteNote, kClearNotes, kCommandCount };

    explicit NotesPage(NoteBook& book, QWidget* parent = nullptr);

    const NoteBook& book() const { return m_book; }
    // Shows the notes read at start-up.
    void showLoadedNotes(std::vector<std::u16string> texts, std::vector<NoteOrigin> origins = {});
    // Where the last save put the notes.
    void recordSaved(std::vector<NoteOrigin> origins) { m_book.recordSaved(std::move(origins)); }
    // Stores the editor's text into the note it holds (before a save).
    void writeBackEditor();

    // Handlers, named after their controls.
    void Label2_Click(int index);
    void Picture4_Click();
    void List1_DblClick();
    void List1_KeyDown(int keyCode, int shift);
    void Label2_MouseMove(int index);
    void Picture2_MouseMove();
    // The editor guard: no editing while nothing is selected. It runs whenever the list or its selection
    // changes while it is active (the page is shown), and once when it becomes active, so the page never
    // needs to poll.
    void Timer1_Timer();
    void setEditorGuardActive(bool active);
    bool editorGuardActive() const { return m_guardActive; }

    // The page's controls in the order Tab visits them.
    std::vector<QWidget*> tabOrder() const;

    QPlainTextEdit* editor() const { return m_text1; }
    QListWidget* list() const { return m_list1; }
    PictureBox* drawer() const { return m_picture2; }
    DrawerTab* drawerTab() const { return m_picture4; }
    ClickableLabel* command(int index) const { return m_label2[static_cast<std::size_t>(index)]; }
    OutlineShape* drawerBorder() const { return m_shape1; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    std::u16string editorText() const;
    void showEditorText(const std::optional<std::u16string>& text);
    void showSelection();
    void showDrawerAndEditor();
    std::optional<int> highlightedRow() const;
    void onSelectionChanged();

    NoteBook& m_book;
    QPlainTextEdit* m_text1 = nullptr;
    PictureBox* m_picture2 = nullptr;
    DrawerTab* m_picture4 = nullptr;
    std::array<ClickableLabel*, 3> m_label2{};
    PictureBox* m_picture3 = nullptr;
    QListWidget* m_list1 = nullptr;
    QFrame* m_line2 = nullptr;
    OutlineShape* m_shape1 = nullptr;
    // Selection changes made by the page itself are already known to the book.
    bool m_syncingList = false;
    bool m_guardActive = true;
};

} // namespace pennoc
