#pragma once

#include "controls/PictureBox.h"
#include "todo/core/TodoList.h"

#include <array>
#include <filesystem>
#include <utility>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class QListView;

namespace pennoc {

class ActionEditor;
class ClickableLabel;
class Dialogs;
class SButton;
class SoundOutput;
class SSwitch;
class TimeEntry;
class TodoListModel;

// The to-do page (`Picture1`(1)): the reminder list `List2`, the editor of the next reminder (title `Text2`,
// time and action panels), the list commands `Label4`, the start-with-system switch, and the panel of
// ready-made reminders `Picture14`.
class TodoPage : public PictureBox {
    Q_OBJECT
public:
    // Shows and edits `list`, which lives on without the page (the reminder clock runs it) and must outlive it.
    // The samples' music is in the "Sounds" folder below `programFolder`.
    // The list commands `Label4`, by index; "添加" lies under "保存" and is never shown.
    enum Command { kNewEntry, kDeleteEntry, kClearCompleted, kClearAll, kSaveEntry, kCommandCount };

    TodoPage(SoundOutput& sound, Dialogs& dialogs, std::filesystem::path programFolder, TodoList& list,
             QWidget* parent = nullptr);
    ~TodoPage() override;

    TodoList& todoList() { return m_todoList; }

    // Handlers, named after their controls.
    void Label4_Click(int index);
    void SButton2_Click();
    void SButton3_Click();
    void SButton4_Click(int index);
    void Label4_MouseMove(int index);
    // The pointer over a page's bare background (index 0 the notes page, 1 this page) puts back this page's
    // lit labels; on this page "清空已完成" and "清空全部" go back first, one per move.
    void Picture1_MouseMove(int index);

    // The page's controls in the order Tab visits them, the panels' after their openers.
    std::vector<QWidget*> tabOrder() const;

    QLineEdit* titleBox() const { return m_text2; }
    QListView* list() const { return m_list2; }
    ClickableLabel* command(int index) const { return m_label4[static_cast<std::size_t>(index)]; }
    SButton* sampleButton(int index) const { return m_sButton4[static_cast<std::size_t>(index)]; }
    SButton* samplesOpener() const { return m_sButton2; }
    SButton* samplesCloser() const { return m_sButton3; }
    PictureBox* samplePanel() const { return m_picture14; }
    SSwitch* autoRunSwitch() const { return m_sSwitch1; }
    TimeEntry& timeEntry() const { return *m_timeEntry; }
    ActionEditor& actionEditor() const { return *m_actionEditor; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void buildSamplePanel();
    // The editor as a fresh page shows it: no title, no selection, no time, a pop-up.
    void resetEditor();
    // The same after a command that drops the entry: the action panel closes as its cancel closes it.
    void cancelEditor();
    void clearListSelection();
    void saveEditorEntry();
    void followPanelWithKeys(QWidget* panel, QWidget* opener, bool shown);
    void showCoveredControlsToKeys();

    SoundOutput& m_sound;
    Dialogs& m_dialogs;
    std::filesystem::path m_programFolder;
    TodoList& m_todoList;
    TodoListModel* m_model = nullptr;

    QLineEdit* m_text2 = nullptr;
    QFrame* m_line3 = nullptr;
    SButton* m_sButton2 = nullptr;
    PictureBox* m_picture11 = nullptr;
    QListView* m_list2 = nullptr;
    QFrame* m_line4 = nullptr;
    std::array<ClickableLabel*, 5> m_label4{};
    QLabel* m_label24 = nullptr;
    SSwitch* m_sSwitch1 = nullptr;
    TimeEntry* m_timeEntry = nullptr;
    ActionEditor* m_actionEditor = nullptr;
    PictureBox* m_picture14 = nullptr;
    SButton* m_sButton3 = nullptr;
    std::array<SButton*, 6> m_sButton4{};
    // The controls the time and action panels lie over, with the focus they take when uncovered.
    std::vector<std::pair<QWidget*, Qt::FocusPolicy>> m_underPanels;
};

} // namespace pennoc
