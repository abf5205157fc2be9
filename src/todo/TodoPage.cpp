#include "todo/TodoPage.h"

#include "controls/ClickableLabel.h"
#include "controls/LabelLook.h"
#include "controls/QtText.h"
#include "controls/SButton.h"
#include "controls/SSwitch.h"
#include "controls/UiLook.h"
#include "controls/core/ColorValue.h"
#include "todo/ActionEditor.h"
#include "todo/TimeEntry.h"
#include "todo/TodoListModel.h"
#include "todo/core/EditorCaptions.h"
#include "todo/core/SampleReminders.h"

#include <QEvent>
#include <QLineEdit>
#include <QListView>
#include <algorithm>
#include <initializer_list>

namespace pennoc {

namespace {

constexpr int kTitleLimit = 16;
// "添加", "删除", "清空已完成", "清空全部", "保存": the text colours at rest and the backgrounds under the pointer.
constexpr ColorValue kCommandColors[] = {colors::kSystemWindowText, colors::kDangerRed, colors::kBlack, colors::kBlack,
                                         colors::kAccent};
constexpr ColorValue kCommandLitColors[] = {colors::kAccent, colors::kDangerRed, colors::kAccent, colors::kAccent,
                                            colors::kAccent};

QFrame* separator(const char* name, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(name));
    setColors(line, colors::kAccent, colors::kAccent);
    return line;
}

// The page's buttons: white, the accent colour under the pointer; the other looks are the control's own.
SButton* flatButton(const QString& name, const QString& caption, ColorValue textColor, QWidget* parent) {
    auto* button = new SButton(parent);
    button->setObjectName(name);
    button->setCaption(caption);
    button->setBackColorNormal(colors::kWhite);
    button->setBackColorHover(colors::kAccent);
    button->setForeColorNormal(textColor);
    button->setFont(uiFont(12));
    return button;
}

} // namespace

TodoPage::TodoPage(SoundOutput& sound, Dialogs& dialogs, std::filesystem::path programFolder, TodoList& list,
                   QWidget* parent)
    : PictureBox(parent)
    , m_sound(sound)
    , m_dialogs(dialogs)
    , m_programFolder(std::move(programFolder))
    , m_todoList(list) {
    setObjectName(QStringLiteral("Picture1_1"));
    setColors(this, colors::kSystemWindow, colors::kSystemWindowText);
    build();
    buildSamplePanel();
    for (QWidget* covered :
         std::initializer_list<QWidget*>{m_timeEntry->label6(), m_actionEditor->tabOrder().front(), m_list2,
                                         m_label4[1], m_label4[2], m_label4[3], m_label4[4], m_sSwitch1}) {
        m_underPanels.emplace_back(covered, covered->focusPolicy());
    }
    for (QWidget* panel : std::initializer_list<QWidget*>{m_timeEntry->panel(), m_actionEditor->panel(), m_picture14}) {
        panel->installEventFilter(this);
    }
}

TodoPage::~TodoPage() = default;

std::vector<QWidget*> TodoPage::tabOrder() const {
    std::vector<QWidget*> order{m_text2, m_sButton2};
    const std::vector<QWidget*> time = m_timeEntry->tabOrder();
    const std::vector<QWidget*> task = m_actionEditor->tabOrder();
    order.insert(order.end(), time.begin(), time.end());
    order.insert(order.end(), task.begin(), task.end());
    order.insert(order.end(), {m_list2, m_label4[1], m_label4[2], m_label4[3], m_label4[4], m_sSwitch1, m_sButton3});
    order.insert(order.end(), m_sButton4.begin(), m_sButton4.end());
    return order;
}

void TodoPage::build() {
    m_text2 = new QLineEdit(this);
    m_text2->setObjectName(QStringLiteral("Text2"));
    m_text2->setGeometry(twipsRect(120, 240, 4800, 375));
    m_text2->setFont(uiFont(12));
    m_text2->setMaxLength(kTitleLimit);
    m_text2->setFrame(false);
    m_text2->setAccessibleName(QStringLiteral("待办标题"));
    m_line3 = separator("Line3", this);
    m_line3->setGeometry(m_text2->x(), m_text2->geometry().bottom() + 1, m_text2->width(), 1);

    m_sButton2 = flatButton(QStringLiteral("SButton2"), QStringLiteral("常用"), colors::kAccent, this);
    m_sButton2->setGeometry(twipsRect(5040, 240, 735, 375));
    connect(m_sButton2, &SButton::Click, this, &TodoPage::SButton2_Click);

    m_picture11 = new PictureBox(this);
    m_picture11->setObjectName(QStringLiteral("Picture11"));
    m_list2 = new QListView(m_picture11);
    m_list2->setObjectName(QStringLiteral("List2"));
    m_list2->setFont(uiFont(12));
    m_list2->setAccessibleName(QStringLiteral("待办列表"));
    // Rows are one line each; without this the view measures every changed row on every tick.
    m_list2->setUniformItemSizes(true);
    m_list2->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list2->setSelectionMode(QAbstractItemView::SingleSelection);
    m_model = new TodoListModel(m_todoList, this);
    m_list2->setModel(m_model);
    constexpr int listWidth = 6000;
    constexpr int listHeight = 3600;
    m_list2->setGeometry(twipsRect(-15, -15, listWidth, listHeight));
    m_picture11->setGeometry(twipsRect(60, 1680, listWidth - 30, listHeight - 30));
    m_line4 = separator("Line4", this);
    m_line4->setGeometry(twipsRect(60, 1680 - 60, listWidth - 30, 15));

    const QString captions[] = {QStringLiteral("添加"), QStringLiteral("删除"), QStringLiteral("清空已完成"),
                                QStringLiteral("清空全部"), QStringLiteral("保存")};
    const QRect places[] = {twipsRect(5280, 5400, 600, 255), twipsRect(120, 5400, 600, 255),
                            twipsRect(840, 5400, 1200, 255), twipsRect(2160, 5400, 1000, 255),
                            twipsRect(5280, 5400, 600, 255)};
    for (int i = 0; i < kCommandCount; ++i) {
        auto* label = new ClickableLabel(captions[i], this);
        label->setObjectName(QStringLiteral("Label4_%1").arg(i));
        label->setFont(uiFont(12));
        placeLabel(label, places[i]);
        label->setAlignment(Qt::AlignCenter);
        setColors(label, colors::kWhite, kCommandColors[i]);
        connect(label, &ClickableLabel::clicked, this, [this, i] { Label4_Click(i); });
        connect(label, &ClickableLabel::mouseMoved, this, [this, i] { Label4_MouseMove(i); });
        m_label4[static_cast<std::size_t>(i)] = label;
    }
    // "添加" lies under "保存" and is never shown.
    m_label4[0]->hide();

    m_label24 = new QLabel(QStringLiteral("开机自启动"), this);
    m_label24->setObjectName(QStringLiteral("Label24"));
    m_label24->setFont(uiFont(12));
    placeLabel(m_label24, twipsRect(120, 6000, 1200, 255));
    m_sSwitch1 = new SSwitch(this);
    m_sSwitch1->setObjectName(QStringLiteral("SSwitch1"));
    m_sSwitch1->setGeometry(twipsRect(1440, 6000, 495, 255));
    m_sSwitch1->setBackColorOff(rgbValue(192, 192, 192));
    m_sSwitch1->setBackColorOn(colors::kAccent);
    // The caption beside the switch names it; it has no mnemonic, so no key moves the focus.
    m_label24->setBuddy(m_sSwitch1);

    m_timeEntry = new TimeEntry(this);
    m_actionEditor = new ActionEditor(m_sound, m_dialogs, this);
    // At most one of the two panels is open: each opener closes the other.
    connect(m_timeEntry, &TimeEntry::panelToggled, m_actionEditor, &ActionEditor::hidePanel);
    connect(m_actionEditor, &ActionEditor::panelToggled, m_timeEntry, &TimeEntry::hidePanel);
    connect(m_text2, &QLineEdit::textChanged, m_actionEditor, &ActionEditor::Text2_Change);
    // The length limit counts UTF-16 units: a character that does not fit whole is left out whole.
    connect(m_text2, &QLineEdit::textEdited, this, [this](const QString& text) {
        const std::u16string whole = withoutHalfCharacters(text.toStdU16String());
        if (whole.size() != static_cast<std::size_t>(text.size())) {
            const int cursor = m_text2->cursorPosition();
            m_text2->setText(toQString(whole));
            m_text2->setCursorPosition(static_cast<int>(std::min<qsizetype>(cursor, m_text2->text().size())));
        }
    });
}

void TodoPage::buildSamplePanel() {
    m_picture14 = new PictureBox(this);
    m_picture14->setObjectName(QStringLiteral("Picture14"));
    setColors(m_picture14, colors::kSystemWindow, colors::kSystemWindowText);
    m_picture14->hide();

    m_sButton3 = flatButton(QStringLiteral("SButton3"), QStringLiteral("返回"), colors::kBlack, m_picture14);
    m_sButton3->setGeometry(twipsRect(5040, 240, 735, 375));
    connect(m_sButton3, &SButton::Click, this, &TodoPage::SButton3_Click);

    for (int i = 0; i < kSampleCount; ++i) {
        auto* button = flatButton(QStringLiteral("SButton4_%1").arg(i), toQString(sampleReminder(i, {}).caption),
                                  colors::kBlack, m_picture14);
        button->setGeometry(twipsRect(120, 840 + i * 600, 4800, 450));
        connect(button, &SButton::Click, this, [this, i] { SButton4_Click(i); });
        m_sButton4[static_cast<std::size_t>(i)] = button;
    }
}

void TodoPage::resizeEvent(QResizeEvent* event) {
    PictureBox::resizeEvent(event);
    // The sample panel covers the whole page.
    m_picture14->setGeometry(rect());
}

bool TodoPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
        const bool shown = event->type() == QEvent::Show;
        showCoveredControlsToKeys();
        if (watched == m_timeEntry->panel()) {
            followPanelWithKeys(m_timeEntry->panel(), m_timeEntry->label6(), shown);
        } else if (watched == m_actionEditor->panel()) {
            followPanelWithKeys(m_actionEditor->panel(), m_actionEditor->tabOrder().front(), shown);
        } else if (watched == m_picture14) {
            followPanelWithKeys(m_picture14, m_sButton2, shown);
        }
    }
    return PictureBox::eventFilter(watched, event);
}

// Keys go where the person looks: no key reaches a control under an open panel.
void TodoPage::showCoveredControlsToKeys() {
    const bool samplesShown = !m_picture14->isHidden();
    const bool covered = samplesShown || !m_timeEntry->panel()->isHidden() || !m_actionEditor->panel()->isHidden();
    for (const auto& [control, policy] : m_underPanels) {
        control->setFocusPolicy(covered ? Qt::NoFocus : policy);
    }
    m_text2->setFocusPolicy(samplesShown ? Qt::NoFocus : Qt::StrongFocus);
    m_sButton2->setFocusPolicy(samplesShown ? Qt::NoFocus : Qt::TabFocus);
}

// A panel that opens takes the focus from a control it covers; one that closes gives it back to its opener.
void TodoPage::followPanelWithKeys(QWidget* panel, QWidget* opener, bool shown) {
    QWidget* focused = window()->focusWidget();
    if (!focused) {
        return;
    }
    if (shown && focused->focusPolicy() == Qt::NoFocus && focused != window()) {
        for (QWidget* control : tabOrder()) {
            if (panel->isAncestorOf(control) && control->isVisibleTo(panel) && control->focusPolicy() != Qt::NoFocus) {
                control->setFocus(Qt::TabFocusReason);
                return;
            }
        }
    } else if (!shown && panel->isAncestorOf(focused)) {
        opener->setFocus(Qt::TabFocusReason);
    }
}

void TodoPage::SButton2_Click() {
    m_picture14->show();
    m_picture14->raise();
}

void TodoPage::SButton3_Click() {
    m_picture14->hide();
}

void TodoPage::SButton4_Click(int index) {
    if (index < 0 || index >= kSampleCount) {
        return;
    }
    SampleReminder sample = sampleReminder(index, m_programFolder);
    m_todoList.append(std::move(sample.line), std::move(sample.action));
    SButton3_Click();
}

void TodoPage::Label4_Click(int index) {
    switch (index) {
    case kNewEntry:
        cancelEditor();
        break;
    case kDeleteEntry: {
        const QModelIndex selected = m_list2->currentIndex();
        if (m_todoList.count() == 0 || !selected.isValid() || !m_list2->selectionModel()->isSelected(selected)) {
            return;
        }
        m_todoList.removeAt(selected.row());
        cancelEditor();
        break;
    }
    case kClearCompleted:
        m_todoList.removeCompleted();
        break;
    case kClearAll:
        m_todoList.clear();
        cancelEditor();
        break;
    case kSaveEntry:
        saveEditorEntry();
        break;
    default:
        break;
    }
}

void TodoPage::Label4_MouseMove(int index) {
    if (index >= 0 && index < kCommandCount) {
        lightUp(command(index), kCommandLitColors[index]);
    }
}

void TodoPage::Picture1_MouseMove(int index) {
    const auto putBack = [this](int label) {
        return putBackIfLit(command(label), kCommandLitColors[label], kCommandColors[label]);
    };
    if (index == 1 && (putBack(2) || putBack(3))) {
        return;
    }
    putBack(1);
    putBack(4);
    putBackIfLit(m_timeEntry->label6(), colors::kAccent, colors::kBlack);
    m_actionEditor->restoreLabel12();
}

void TodoPage::resetEditor() {
    m_text2->clear();
    clearListSelection();
    m_timeEntry->setTimeCaption(initialTimeCaption());
    m_actionEditor->setTaskCaption(taskCaption(TaskAction::Type::Popup));
    m_timeEntry->Label8_Click(1);
}

void TodoPage::cancelEditor() {
    resetEditor();
    m_actionEditor->Label22_Click();
}

void TodoPage::clearListSelection() {
    m_list2->selectionModel()->clearSelection();
    m_list2->setCurrentIndex(QModelIndex());
}

void TodoPage::saveEditorEntry() {
    const std::u16string title = titleForSave(m_text2->text().toStdU16String());
    if (title != m_text2->text().toStdU16String()) {
        m_text2->setText(toQString(title));
    }
    const TaskSettings settings{m_actionEditor->soundPath(), m_actionEditor->filePath(),
                                m_actionEditor->sleepSelected()};
    m_todoList.append(displayLineFor(title, m_timeEntry->timeCaption()),
                      actionFor(title, m_actionEditor->taskCaption(), settings));

    resetEditor();
    m_actionEditor->hidePanel();
    m_actionEditor->Label13_Click(0);
    m_actionEditor->clearPaths();
    m_actionEditor->Label19_Click(0);
    clearListSelection();
}

} // namespace pennoc
