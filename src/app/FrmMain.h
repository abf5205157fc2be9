#pragma once

#include "app/NoteStorage.h"

#include <QWidget>
#include <array>

class QLabel;

namespace pennoc {

class NotesPage;
class PictureBox;
class PlatformServices;

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

    // Writes the flag and every note; reports a failure (message box and standard error) and returns false.
    bool SaveData();
    void LoadData();

    void PicMenu_Click(int index);
    // The one way out: stores the editor's note, saves, ends the program. When the save fails the user may
    // stay, so nothing in memory is lost unasked.
    void exitProgram();
    // The way out when the session or a signal ends the program: saves, reports a failure, ends regardless.
    void exitWithoutAsking();

    bool autoRunEnabled() const { return m_autoRunEnabled; }
    NotesPage* notesPage() const { return m_notesPage; }
    PictureBox* titleButton(int index) const { return m_picMenu[static_cast<std::size_t>(index)]; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    void layOut();
    void showRestingTitleImages();
    void reportStorageError(const QString& what, const StorageError& error);
    void endProgram();

    PlatformServices& m_platform;
    NoteStorage m_storage;
    bool m_autoRunEnabled = false;
    bool m_ending = false;

    QLabel* m_lblFormTitle = nullptr;
    std::array<PictureBox*, 3> m_picMenu{};
    PictureBox* m_picInterface = nullptr;
    NotesPage* m_notesPage = nullptr;
};

} // namespace pennoc
