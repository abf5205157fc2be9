#include "app/FrmMain.h"

#include "app/NotesPage.h"
#include "app/core/NoteRescue.h"
#include "controls/ClickableLabel.h"
#include "controls/ControlAccessibility.h"
#include "controls/KeyboardPress.h"
#include "controls/LabelLook.h"
#include "controls/PictureBox.h"
#include "controls/QtText.h"
#include "controls/SSwitch.h"
#include "controls/UiLook.h"
#include "controls/WindowDrag.h"
#include "controls/core/AppTexts.h"
#include "controls/core/ColorValue.h"
#include "controls/core/Twips.h"
#include "controls/core/WindowFrame.h"
#include "platform/PlatformServices.h"
#include "todo/ActionEditor.h"
#include "todo/ShowReminderPopup.h"
#include "todo/TodoPage.h"
#include "todo/WheelHook.h"
#include "todo/core/TaskAction.h"
#include "windows/core/Registry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace pennoc {

namespace {

constexpr int kInnerWidth = 6390;
constexpr int kInnerHeight = 7605;
constexpr std::chrono::milliseconds kClockInterval{1000};

} // namespace

FrmMain::FrmMain(PlatformServices& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_platform(platform)
    , m_storage(platform.files(), platform.textCodec(), platform.programFolder())
    , m_messages(platform, platform) {
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(toQString(texts::kProgramTitle));
    build();
    m_clock = std::make_unique<ReminderClock>(m_todoList, m_platform.clocks(), [this](const std::u16string& action) {
        // Out of the timer's handler: the save may show an error box, which must not hold the clock's timer.
        QTimer::singleShot(0, this, [this, action] { RunTaskAction(action); });
        return ReminderClock::ActionProgress::StillRunning;
    });
    m_timer3 = m_platform.createTimer(kClockInterval, [this] { Timer3_Timer(); });
    m_timer3->start();
}

FrmMain::~FrmMain() {
    // The page's list model lets go of the list as it goes, so the page must go before the list.
    delete m_todoPage;
}

void FrmMain::build() {
    setFixedSize(twipsToPixels(kInnerWidth), twipsToPixels(kInnerHeight));
    setColors(this, colors::kAccent, colors::kWhite);
    setMouseTracking(true);

    m_titleBand = new TitleBand(this, kInnerWidth);
    connect(m_titleBand, &TitleBand::buttonClicked, this, &FrmMain::PicMenu_Click);

    m_picInterface = new PictureBox(this);
    m_picInterface->setObjectName(QStringLiteral("PicInterface"));
    setColors(m_picInterface, colors::kSystemWindow, colors::kSystemWindowText);

    const QString tabCaptions[] = {QStringLiteral(" 记事 "), QStringLiteral(" 待办 ")};
    for (int i = 0; i < 2; ++i) {
        auto* tab = new ClickableLabel(tabCaptions[i], m_picInterface);
        tab->setObjectName(QStringLiteral("Label1_%1").arg(i));
        tab->setFont(uiFont(12));
        placeLabel(tab, twipsRect(240 + i * 840, 120, 600, 255));
        tab->setAlignment(Qt::AlignCenter);
        setAccessibleRole(tab, QAccessible::PageTab);
        connect(tab, &ClickableLabel::clicked, this, [this, i] { Label1_Click(i); });
        m_label1[static_cast<std::size_t>(i)] = tab;
    }

    m_notesPage = new NotesPage(m_notes, m_picInterface);
    orderTabs();
    layOut();
    Label1_Click(0);
    // The keys start on the first page tab, never on the close box.
    m_label1[0]->setFocus(Qt::OtherFocusReason);
}

void FrmMain::buildTodoPage() {
    m_todoPage = new TodoPage(m_platform, m_platform, m_platform.programFolder(), m_todoList, m_picInterface);
    m_todoPage->setGeometry(m_notesPage->geometry());
    const std::filesystem::path sounds = m_platform.programFolder() / "Sounds";
    if (m_platform.files().isFolder(sounds)) {
        m_todoPage->actionEditor().setSoundFolder(sounds);
    }
    m_todoPage->autoRunSwitch()->setValue(m_autoRunEnabled);
    connect(m_todoPage->autoRunSwitch(), &SSwitch::Click, this, &FrmMain::SSwitch1_Click);
    // The notes page's own background also puts back the to-do page's labels.
    connect(m_notesPage, &PictureBox::mouseMoved, m_todoPage, [this] { m_todoPage->Picture1_MouseMove(0); });
    connect(m_todoPage, &PictureBox::mouseMoved, m_todoPage, [this] { m_todoPage->Picture1_MouseMove(1); });
    m_wheelHook = std::make_unique<WheelHook>(m_todoPage->timeEntry());
    m_wheelHook->install(this);
    orderTabs();
}

void FrmMain::orderTabs() {
    std::vector<QWidget*> order{m_label1[0], m_label1[1]};
    const std::vector<QWidget*> notes = m_notesPage->tabOrder();
    order.insert(order.end(), notes.begin(), notes.end());
    if (m_todoPage) {
        const std::vector<QWidget*> todo = m_todoPage->tabOrder();
        order.insert(order.end(), todo.begin(), todo.end());
    }
    order.insert(order.end(), {m_titleBand->button(2), m_titleBand->button(0)});
    chainTabOrder(order);
}

void FrmMain::layOut() {
    m_picInterface->setGeometry(
        twipsRect(frame::kEdge, frame::kPanelTop, frame::panelWidth(kInnerWidth), frame::panelHeight(kInnerHeight)));

    const int pageWidth = pixelsToTwips(m_picInterface->width()) - 240;
    const int pageTop = 480;
    m_notesPage->setGeometry(
        twipsRect(120, pageTop, pageWidth, pixelsToTwips(m_picInterface->height()) - pageTop - 120));
}

void FrmMain::Form_Initialize() {
    try {
        m_storage.prepare();
    } catch (const StorageError& error) {
        m_messages.preparationFailed(error);
    } catch (const std::exception& error) {
        m_messages.preparationFailed(StorageError(m_storage.notesFolder(), error.what()));
    }
}

bool FrmMain::Form_Load() {
    try {
        LoadData();
    } catch (const StorageError& error) {
        m_messages.loadFailed(error);
        return false;
    } catch (const std::exception& error) {
        m_messages.loadFailed(StorageError(m_storage.notesFolder(), error.what()));
        return false;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    return true;
}

void FrmMain::LoadData() {
    StoredNotes stored = m_storage.load();
    if (stored.autoRun) {
        m_autoRunEnabled = *stored.autoRun;
        applyAutoRun();
    }
    m_notesPage->showLoadedNotes(std::move(stored.texts), std::move(stored.origins));
    m_messages.loadWarnings(stored.warnings);
}

void FrmMain::applyAutoRun() {
    if (m_autoRunEnabled) {
        registry::RegisterAutoRun(m_platform);
    } else {
        registry::UnregisterAutoRun(m_platform);
    }
}

bool FrmMain::SaveData() {
    const std::optional<StorageError> error = storeEditorAndSave(true);
    if (error) {
        m_messages.saveFailed(*error);
    }
    return !error;
}

std::optional<StorageError> FrmMain::storeEditorAndSave(bool personPresent) {
    m_notesPage->writeBackEditor();
    try {
        SavedNotes saved = m_storage.save(m_notes.textsToSave(), m_autoRunEnabled, m_notes.originsToSave());
        m_notes.recordSaved(std::move(saved.origins));
        // The notes are saved; what went wrong beside them must still be heard of.
        m_messages.savedWithWarnings(saved.warnings, personPresent);
        return std::nullopt;
    } catch (const StorageError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return StorageError(m_storage.notesFolder(), "out of memory");
    }
}

void FrmMain::rescueNotes(const StorageError& saveError) {
    m_messages.saveFailedUnattended(saveError);
    m_messages.rescued(pennoc::rescueNotes(m_platform, m_notes.textsToSave(), m_autoRunEnabled));
}

void FrmMain::Label1_Click(int index) {
    if (index != 0 && index != 1) {
        return;
    }
    for (int i = 0; i < 2; ++i) {
        showChoice(m_label1[static_cast<std::size_t>(i)], i == index);
    }
    if (index == 1 && !m_todoPage) {
        buildTodoPage();
    }
    m_notesPage->setVisible(index == 0);
    if (m_todoPage) {
        m_todoPage->setVisible(index == 1);
    }
    m_currentPage = index;
    // The notes editor's guard watches the notes page only while it is shown.
    m_notesPage->setEditorGuardActive(index == 0);
}

void FrmMain::Timer3_Timer() {
    m_clock->tick();
}

void FrmMain::RunTaskAction(const std::u16string& stored) {
    if (m_ending) {
        return;
    }
    const TaskAction action = TaskAction::read(stored);
    const bool saved = SaveData();
    // The program may have been told to end while a failed save's message was open: nothing starts then.
    if (m_ending) {
        return;
    }
    // The machine must not go down with the notes unsaved.
    if (!saved && action.isPowerAction()) {
        m_platform.reportToConsole(u"便笺没有保存成功，关机或睡眠已取消。");
        m_clock->actionFinished();
        return;
    }
    const bool popupOpen =
        action.run(m_platform, m_platform, [this](const std::u16string& message, const std::u16string& title) {
            ShowReminderPopup(m_platform, m_platform.notifications(), message, title, this,
                              [this] { m_clock->actionFinished(); });
        });
    // A pop-up tells the clock itself, when it closes.
    if (!popupOpen) {
        m_clock->actionFinished();
    }
}

void FrmMain::SSwitch1_Click() {
    m_autoRunEnabled = m_todoPage->autoRunSwitch()->Value();
    applyAutoRun();
}

void FrmMain::PicMenu_Click(int index) {
    if (index == 0) {
        exitProgram();
    } else if (index == 2) {
        showMinimized();
    }
}

void FrmMain::exitProgram() {
    if (m_ending) {
        return;
    }
    if (const std::optional<StorageError> error = storeEditorAndSave(true)) {
        m_messages.saveFailed(*error);
        // A termination request may have come while the boxes were open; it has ended the program then.
        const bool quit = !m_ending && m_messages.confirmQuitUnsaved();
        if (m_ending) {
            return;
        }
        if (!quit) {
            m_titleBand->showUnderPointer();
            return;
        }
    }
    endProgram(0);
}

void FrmMain::exitWithoutAsking() {
    if (m_ending) {
        return;
    }
    if (const std::optional<StorageError> error = storeEditorAndSave(false)) {
        rescueNotes(*error);
        endProgram(1);
        return;
    }
    endProgram(0);
}

bool FrmMain::commitSessionData(const std::function<bool()>& mayAsk) {
    if (m_ending) {
        return true;
    }
    const std::optional<StorageError> error = storeEditorAndSave(false);
    if (!error) {
        return true;
    }
    if (!mayAsk()) {
        rescueNotes(*error);
        return true;
    }
    m_messages.saveFailed(*error);
    return m_messages.confirmQuitUnsaved();
}

void FrmMain::endProgram(int status) {
    m_ending = true;
    if (m_wheelHook) {
        m_wheelHook->remove();
    }
    m_timer3->stop();
    QApplication::closeAllWindows();
    QApplication::exit(status);
}

void FrmMain::mousePressEvent(QMouseEvent* event) {
    startWindowDrag(this, event->globalPosition().toPoint());
}

void FrmMain::mouseMoveEvent(QMouseEvent*) {
    m_titleBand->showResting();
}

void FrmMain::closeEvent(QCloseEvent* event) {
    // The window manager's close is the user's and runs the same exit as the close box. A close from within
    // (the application told to quit, as at the end of a session) has no person to ask.
    if (!m_ending) {
        if (event->spontaneous()) {
            exitProgram();
        } else {
            exitWithoutAsking();
        }
    }
    event->setAccepted(m_ending);
}

} // namespace pennoc
