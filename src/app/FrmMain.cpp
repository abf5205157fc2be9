#include "app/FrmMain.h"

#include "app/NotesPage.h"
#include "controls/AppTexts.h"
#include "controls/ClickableLabel.h"
#include "controls/ColorValue.h"
#include "controls/ControlAccessibility.h"
#include "controls/LabelLook.h"
#include "controls/PictureBox.h"
#include "controls/QtText.h"
#include "controls/SSwitch.h"
#include "controls/TitleBandImages.h"
#include "controls/Twips.h"
#include "controls/UiLook.h"
#include "controls/WindowDrag.h"
#include "controls/WindowFrame.h"
#include "platform/PlatformServices.h"
#include "todo/ActionEditor.h"
#include "todo/ShowReminderPopup.h"
#include "todo/TaskAction.h"
#include "todo/TodoPage.h"
#include "todo/WheelHook.h"
#include "windows/Registry.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>

namespace pennoc {

namespace {

constexpr int kInnerWidth = 6390;
constexpr int kInnerHeight = 7605;
constexpr std::chrono::milliseconds kClockInterval{1000};

const QString kCannotPrepare = QStringLiteral("无法创建便笺的存储位置。");
const QString kCannotLoad = QStringLiteral("无法读取便笺，程序将退出，已保存的便笺不会被改动。");
const QString kSaveFailed = QStringLiteral("无法保存便笺，有些更改没有写到磁盘上；每条便笺仍在磁盘上的某个文件里。");
const QString kSavedWithWarning = QStringLiteral("便笺已保存，但有一处问题：");
constexpr std::u16string_view kQuitAnyway = u"便笺没有保存成功。仍要退出吗？退出后，上次保存之后的更改将会丢失。";

QString storageErrorText(const QString& what, const StorageError& error) {
    return what + QStringLiteral("\n") + pathToQString(error.path()) + QStringLiteral("\n") +
           QString::fromLocal8Bit(error.reason().c_str());
}

} // namespace

FrmMain::FrmMain(PlatformServices& platform, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , m_platform(platform)
    , m_storage(platform.files(), platform.textCodec(), platform.programFolder()) {
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(toQString(texts::kProgramTitle));
    build();
    m_clock = std::make_unique<ReminderClock>(m_todoList, [this](const std::u16string& action) {
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

    m_lblFormTitle = new QLabel(toQString(texts::kProgramTitle), this);
    m_lblFormTitle->setObjectName(QStringLiteral("LblFormTitle"));
    m_lblFormTitle->setFont(uiFont(12));
    placeLabel(m_lblFormTitle, twipsRect(60, 30, 1125, 255));
    setTextColor(m_lblFormTitle, colors::kWhite);
    m_lblFormTitle->installEventFilter(this);

    for (int i = 0; i < 3; ++i) {
        auto* button = new PictureBox(this);
        button->setObjectName(QStringLiteral("PicMenu_%1").arg(i));
        button->resize(twipsToPixels(frame::kTitleButtonSize), twipsToPixels(frame::kTitleButtonSize));
        button->setPicture(titleBandImage(2 * i + 1));
        connect(button, &PictureBox::mouseMoved, this,
                [this, i] { m_picMenu[static_cast<std::size_t>(i)]->setPicture(titleBandImage(2 * i + 2)); });
        connect(button, &PictureBox::clicked, this, [this, i] { PicMenu_Click(i); });
        m_picMenu[static_cast<std::size_t>(i)] = button;
    }
    // The menu button has no command and is never shown; minimise takes its place.
    m_picMenu[1]->hide();
    setAccessibleRole(m_picMenu[0], QAccessible::PushButton);
    m_picMenu[0]->setAccessibleName(toQString(texts::kCloseButtonName));
    setAccessibleRole(m_picMenu[2], QAccessible::PushButton);
    m_picMenu[2]->setAccessibleName(toQString(texts::kMinimiseButtonName));

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

    m_notesPage = new NotesPage(m_picInterface);
    layOut();
    Label1_Click(0);
}

void FrmMain::buildTodoPage() {
    m_todoPage = new TodoPage(m_platform, m_todoList, m_picInterface);
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
}

void FrmMain::layOut() {
    m_picInterface->setGeometry(
        twipsRect(frame::kEdge, frame::kPanelTop, frame::panelWidth(kInnerWidth), frame::panelHeight(kInnerHeight)));
    for (int i = 0; i < 3; ++i) {
        const int left = kInnerWidth - (i + 1) * frame::kTitleButtonSize - (2 * i + 1) * 30;
        m_picMenu[static_cast<std::size_t>(i)]->move(twipsToPixels(left), twipsToPixels(frame::kEdge));
    }
    m_picMenu[2]->move(m_picMenu[1]->pos());

    const int pageWidth = pixelsToTwips(m_picInterface->width()) - 240;
    const int pageTop = 480;
    m_notesPage->setGeometry(
        twipsRect(120, pageTop, pageWidth, pixelsToTwips(m_picInterface->height()) - pageTop - 120));
}

void FrmMain::Form_Initialize() {
    try {
        m_storage.prepare();
    } catch (const StorageError& error) {
        reportStorageError(kCannotPrepare, error);
    } catch (const std::exception& error) {
        reportStorageError(kCannotPrepare, StorageError(m_storage.notesFolder(), error.what()));
    }
}

bool FrmMain::Form_Load() {
    try {
        LoadData();
    } catch (const StorageError& error) {
        reportStorageError(kCannotLoad, error);
        return false;
    } catch (const std::exception& error) {
        reportStorageError(kCannotLoad, StorageError(m_storage.notesFolder(), error.what()));
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
        if (m_autoRunEnabled) {
            registry::RegisterAutoRun(m_platform);
        } else {
            registry::UnregisterAutoRun(m_platform);
        }
    }
    m_notesPage->showLoadedNotes(std::move(stored.texts), std::move(stored.origins));
    reportLoadWarnings(stored.warnings);
}

bool FrmMain::SaveData() {
    const std::optional<StorageError> error = trySave(true);
    if (error) {
        reportStorageError(kSaveFailed, *error);
    }
    return !error;
}

std::optional<StorageError> FrmMain::trySave(bool personPresent) {
    try {
        SavedNotes saved =
            m_storage.save(m_notesPage->book().textsToSave(), m_autoRunEnabled, m_notesPage->book().originsToSave());
        m_notesPage->recordSaved(std::move(saved.origins));
        // The notes are saved; what went wrong beside them must still be heard of.
        for (const StorageError& warning : saved.warnings) {
            if (personPresent) {
                reportStorageError(kSavedWithWarning, warning);
            } else {
                m_platform.reportToConsole(storageErrorText(kSavedWithWarning, warning).toStdU16String());
            }
        }
        return std::nullopt;
    } catch (const StorageError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return StorageError(m_storage.notesFolder(), "out of memory");
    }
}

void FrmMain::rescueNotes(const StorageError& saveError) {
    m_platform.reportToConsole(storageErrorText(kSaveFailed, saveError).toStdU16String());
    try {
        const std::filesystem::path folder = m_platform.createRescueFolder();
        // The same layout as next to the program, so the folder's contents can simply be copied back.
        NoteStorage(m_platform.files(), m_platform.textCodec(), folder)
            .save(m_notesPage->book().textsToSave(), m_autoRunEnabled);
        m_platform.reportToConsole(u"便笺已另存到：" + folder.u16string());
    } catch (const StorageError& error) {
        m_platform.reportToConsole(
            storageErrorText(QStringLiteral("便笺也无法另存到备用文件夹，上次保存之后的更改已丢失。"), error)
                .toStdU16String());
    }
}

void FrmMain::reportStorageError(const QString& what, const StorageError& error) {
    const std::u16string text = storageErrorText(what, error).toStdU16String();
    m_platform.reportToConsole(text);
    m_platform.showErrorMessage(std::u16string(texts::kProgramTitle), text);
}

void FrmMain::reportLoadWarnings(const std::vector<StorageError>& warnings) {
    if (warnings.empty()) {
        return;
    }
    // One box for the whole start, however many files: thousands of boxes would have to be clicked away.
    constexpr std::size_t kMostListed = 10;
    QString listed = QStringLiteral("读取便笺时出现问题。");
    QString all = listed;
    for (std::size_t i = 0; i < warnings.size(); ++i) {
        const QString line = QStringLiteral("\n") + pathToQString(warnings[i].path()) + QStringLiteral(": ") +
                             QString::fromLocal8Bit(warnings[i].reason().c_str());
        all += line;
        if (i < kMostListed) {
            listed += line;
        }
    }
    if (warnings.size() > kMostListed) {
        listed += QStringLiteral("\n……另有 %1 个文件，见标准错误输出。").arg(warnings.size() - kMostListed);
    }
    m_platform.reportToConsole(all.toStdU16String());
    m_platform.showErrorMessage(std::u16string(texts::kProgramTitle), listed.toStdU16String());
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
    m_clock->tick(m_platform.timeOfDay());
}

void FrmMain::RunTaskAction(const std::u16string& stored) {
    if (m_ending) {
        return;
    }
    const TaskAction action = TaskAction::read(stored);
    m_notesPage->writeBackEditor();
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
    const bool popupOpen = action.run(m_platform, [this](const std::u16string& message, const std::u16string& title) {
        ShowReminderPopup(m_platform, message, title, this, [this] { m_clock->actionFinished(); });
    });
    // A pop-up tells the clock itself, when it closes.
    if (!popupOpen) {
        m_clock->actionFinished();
    }
}

void FrmMain::SSwitch1_Click() {
    m_autoRunEnabled = m_todoPage->autoRunSwitch()->Value();
    if (m_autoRunEnabled) {
        registry::RegisterAutoRun(m_platform);
    } else {
        registry::UnregisterAutoRun(m_platform);
    }
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
    m_notesPage->writeBackEditor();
    if (const std::optional<StorageError> error = trySave(true)) {
        reportStorageError(kSaveFailed, *error);
        // A termination request may have come while the boxes were open; it has ended the program then.
        const bool quit =
            !m_ending && m_platform.askToConfirm(std::u16string(texts::kProgramTitle), std::u16string(kQuitAnyway));
        if (m_ending) {
            return;
        }
        if (!quit) {
            showTitleImagesUnderPointer();
            return;
        }
    }
    endProgram(0);
}

void FrmMain::exitWithoutAsking() {
    if (m_ending) {
        return;
    }
    m_notesPage->writeBackEditor();
    if (const std::optional<StorageError> error = trySave(false)) {
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
    m_notesPage->writeBackEditor();
    const std::optional<StorageError> error = trySave(false);
    if (!error) {
        return true;
    }
    if (!mayAsk()) {
        rescueNotes(*error);
        return true;
    }
    reportStorageError(kSaveFailed, *error);
    return m_platform.askToConfirm(std::u16string(texts::kProgramTitle), std::u16string(kQuitAnyway));
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
    showRestingTitleImages();
}

void FrmMain::showRestingTitleImages() {
    for (int i = 0; i < 3; ++i) {
        m_picMenu[static_cast<std::size_t>(i)]->setPicture(titleBandImage(2 * i + 1));
    }
}

void FrmMain::showTitleImagesUnderPointer() {
    // The pointer may have left the band while a message box held the input.
    showRestingTitleImages();
    const QWidget* under = QApplication::widgetAt(QCursor::pos());
    for (int i = 0; i < 3; ++i) {
        if (under == m_picMenu[static_cast<std::size_t>(i)]) {
            m_picMenu[static_cast<std::size_t>(i)]->setPicture(titleBandImage(2 * i + 2));
        }
    }
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

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_lblFormTitle && event->type() == QEvent::MouseButtonPress) {
        startWindowDrag(this, static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pennoc
