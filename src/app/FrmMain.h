#pragma once

#include "app/StorageMessages.h"
#include "app/TitleBand.h"
#include "app/core/NoteBook.h"
#include "app/core/NoteStorage.h"
#include "todo/core/ReminderClock.h"

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace pennoc {

class ClickableLabel;
class NotesPage;
class PeriodicTimer;
class PictureBox;
class PlatformServices;
class TodoPage;
class WheelHook;

// The main window: its own title band with title and buttons, the content panel with the pages, and the
// program's start-up and exit.
class FrmMain : public QWidget {
    Q_OBJECT
public:
    explicit FrmMain(PlatformServices& platform, QWidget* parent = nullptr);
    ~FrmMain() override;

    // Start-up, in this order. Form_Load is false when the stored notes cannot be read: the program must
    // then end without touching them.
    void Form_Initialize();
    bool Form_Load();

    // Stores the editor's note, then writes the flag and every note; reports a failure (message box and
    // standard error) and returns false.
    bool SaveData();
    void LoadData();

    void PicMenu_Click(int index);
    // Switches to page 0 (notes) or 1 (to-do), building the to-do page the first time.
    void Label1_Click(int index);
    // The reminder clock, once a second from start to exit whatever page is shown.
    void Timer3_Timer();
    // Stores the editor's note and saves, then runs a due reminder's action; the clock goes on once it is
    // over (for a pop-up, once the user has closed it).
    void RunTaskAction(const std::u16string& stored);
    void SSwitch1_Click();
    // The user's way out: stores the editor's note, saves, ends the program. When the save fails the user may
    // stay, and the program is then as it was before.
    void exitProgram();
    // The way out when the system ends the program (a termination signal): nothing waits for a person. When
    // the save fails, the notes go to a rescue folder and the program ends with status 1.
    void exitWithoutAsking();
    // The session is about to end: stores the editor's note and saves, but never ends the program; the
    // session does that. When the save fails, the user is asked only if `mayAsk()` allows it; without a person
    // the notes go to a rescue folder. False when the user wants the session to stay.
    bool commitSessionData(const std::function<bool()>& mayAsk);

    bool autoRunEnabled() const { return m_autoRunEnabled; }
    NotesPage* notesPage() const { return m_notesPage; }
    // Null until the to-do tab is first chosen: the page is built then, not at start.
    TodoPage* todoPage() const { return m_todoPage; }
    // The reminders, which the clock runs from start whether or not the page has been built.
    TodoList& todoList() { return m_todoList; }
    ClickableLabel* pageTab(int index) const { return m_label1[static_cast<std::size_t>(index)]; }
    // The page whose tab is current, and so whose 50 ms timer runs (Timer1: notes, Timer2: to-do).
    int currentPage() const { return m_currentPage; }
    PictureBox* titleButton(int index) const { return m_titleBand->button(index); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void build();
    void layOut();
    void buildTodoPage();
    void applyAutoRun();
    // The one save of every way out and every reminder: the editor's note stored, then SaveData without a
    // word about its failure, which is returned. Problems beside a successful save are shown when a person is
    // there to see them, and always printed.
    std::optional<StorageError> storeEditorAndSave(bool personPresent);
    // Tab goes from the page tabs through the shown page to the title band's buttons.
    void orderTabs();
    // Reports a failed save on standard error and writes the notes to a rescue folder.
    void rescueNotes(const StorageError& saveError);
    void endProgram(int status);

    PlatformServices& m_platform;
    NoteStorage m_storage;
    StorageMessages m_messages;
    NoteBook m_notes;
    TodoList m_todoList;
    bool m_autoRunEnabled = false;
    bool m_ending = false;
    int m_currentPage = 0;

    TitleBand* m_titleBand = nullptr;
    PictureBox* m_picInterface = nullptr;
    std::array<ClickableLabel*, 2> m_label1{};
    NotesPage* m_notesPage = nullptr;
    TodoPage* m_todoPage = nullptr;
    std::unique_ptr<WheelHook> m_wheelHook;
    std::unique_ptr<ReminderClock> m_clock;
    std::unique_ptr<PeriodicTimer> m_timer3;
};

} // namespace pennoc
