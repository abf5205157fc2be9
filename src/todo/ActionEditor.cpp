#include "todo/ActionEditor.h"

#include "controls/ClickableLabel.h"
#include "controls/ControlAccessibility.h"
#include "controls/LabelLook.h"
#include "controls/PictureBox.h"
#include "controls/QtText.h"
#include "controls/UiLook.h"
#include "controls/WrappingLabel.h"
#include "controls/core/AppTexts.h"
#include "controls/core/ColorValue.h"
#include "controls/core/Twips.h"
#include "controls/core/WindowFrame.h"
#include "platform/SoundOutput.h"
#include "todo/core/EditorCaptions.h"
#include "todo/core/TaskAction.h"
#include "windows/FrmMessage.h"

#include <QLabel>
#include <algorithm>
#include <exception>
#include <optional>

namespace pennoc {

namespace {

constexpr int kTabCount = static_cast<int>(TaskAction::kKinds.size());

// The pop-up preview is the real window shrunk, laid out by the window's own rules.
constexpr int kPreviewWidth = 3600;
constexpr int kPreviewHeight = 2280;
constexpr double kPreviewPoints = 10.5;

QRect boxRect(const FrmMessage::TwipsBox& box) {
    return twipsRect(box.left, box.top, box.width, box.height);
}

// Shown as given: a typed title or a path is never read as markup.
QLabel* setUpCaption(QLabel* label, const QString& name, const QString& text, double points) {
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setText(text);
    label->setFont(uiFont(points));
    return label;
}

QLabel* makeCaption(const QString& name, const QString& text, QWidget* parent, double points = 12.0) {
    return setUpCaption(new QLabel(parent), name, text, points);
}

// A caption that sizes itself to its text, at a design position in twips.
void place(QLabel* label, int left, int top) {
    label->move(twipsToPixels(left), twipsToPixels(top));
    label->adjustSize();
}

PictureBox* makeArea(const QString& name, QWidget* parent, const QRect& geometry) {
    auto* area = new PictureBox(parent);
    area->setObjectName(name);
    area->setGeometry(geometry);
    setColors(area, colors::kWhite, colors::kBlack);
    return area;
}

bool inRange(int index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

} // namespace

ActionEditor::ActionEditor(SoundOutput& sound, Dialogs& dialogs, QWidget* page)
    : QObject(page)
    , m_sound(sound)
    , m_dialogs(dialogs)
    , m_cd1{OpenFileRequest{u"浏览声音文件", u"wav波形声音文件", u"*.wav", {}}, {}}
    , m_cd2{OpenFileRequest{u"浏览文件或程序", u"任何文件", u"*.*", {}}, {}} {
    buildCaption(page);
    buildPanel(page);
    Label13_Click(0);
    Label19_Click(0);
}

void ActionEditor::buildCaption(QWidget* page) {
    m_label11 =
        makeCaption(QStringLiteral("Label11"), toQString(pennoc::taskCaption(TaskAction::Type::Popup)), page, 10.5);
    // Beside the time line: two rows of text do not fit between it and the list's separator.
    placeLabel(m_label11, twipsRect(2760, 1200, 0, 210));
    m_label11->show();

    m_label12 = new ClickableLabel(QStringLiteral("更改"), page);
    m_label12->setObjectName(QStringLiteral("Label12"));
    m_label12->setFont(uiFont(10.5));
    placeLabel(m_label12, twipsRect(4920, 1200, 480, 210));
    setColors(m_label12, colors::kWhite, colors::kBlack);
    connect(m_label12, &ClickableLabel::clicked, this, &ActionEditor::Label12_Click);
    connect(m_label12, &ClickableLabel::mouseMoved, this, &ActionEditor::Label12_MouseMove);
    m_label12->show();
}

void ActionEditor::buildPanel(QWidget* page) {
    m_picture7 = makeArea(QStringLiteral("Picture7"), page, twipsRect(0, 1080, 6975, 5535));
    m_picture7->hide();
    connect(m_picture7, &PictureBox::mouseMoved, this, &ActionEditor::Picture7_MouseMove);

    const int tabLefts[kTabCount] = {120, 1260, 2880, 4260};
    const int tabWidths[kTabCount] = {1020, 1500, 1260, 1740};
    for (int i = 0; i < kTabCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        m_label13[at] = makeButton(QStringLiteral("Label13_%1").arg(i), toQString(TaskAction::kKinds[at].caption),
                                   m_picture7, tabLefts[i], 120, tabWidths[i]);
        setAccessibleRole(m_label13[at], QAccessible::PageTab);
        connect(m_label13[at], &ClickableLabel::clicked, this, [this, i] { Label13_Click(i); });

        m_picture8[at] = makeArea(QStringLiteral("Picture8_%1").arg(i), m_picture7, twipsRect(240, 600, 5640, 4320));
        connect(m_picture8[at], &PictureBox::mouseMoved, this, [this, i] { Picture8_MouseMove(i); });
    }

    buildPreview(m_picture8[0]);
    buildPathPanel(m_picture8[1], QStringLiteral("Label16"), QStringLiteral("Label17"), m_label17);
    buildChoices(m_picture8[2]);
    buildPathPanel(m_picture8[3], QStringLiteral("Label20"), QStringLiteral("Label21"), m_label21);

    const QString buttonCaptions[] = {QStringLiteral("浏览..."), QStringLiteral("播放"), QStringLiteral("浏览..."),
                                      QStringLiteral("停止")};
    PictureBox* const buttonPanels[] = {m_picture8[1], m_picture8[1], m_picture8[3], m_picture8[1]};
    const int buttonLefts[] = {120, 1080, 120, 1800};
    const int buttonWidths[] = {840, 600, 840, 600};
    for (int i = 0; i < 4; ++i) {
        const auto at = static_cast<std::size_t>(i);
        m_label18[at] = makeButton(QStringLiteral("Label18_%1").arg(i), buttonCaptions[i], buttonPanels[i],
                                   buttonLefts[i], 1320, buttonWidths[i]);
        m_label18[at]->setAlignment(Qt::AlignCenter);
        connect(m_label18[at], &ClickableLabel::clicked, this, [this, i] { Label18_Click(i); });
        connect(m_label18[at], &ClickableLabel::mouseMoved, this, [this, i] { Label18_MouseMove(i); });
    }

    m_label23 = makeButton(QStringLiteral("Label23"), QStringLiteral("应用"), m_picture7, 4440, 5160, 600);
    m_label23->setAlignment(Qt::AlignCenter);
    connect(m_label23, &ClickableLabel::clicked, this, &ActionEditor::Label23_Click);
    connect(m_label23, &ClickableLabel::mouseMoved, this, &ActionEditor::Label23_MouseMove);

    m_label22 = makeButton(QStringLiteral("Label22"), QStringLiteral("取消"), m_picture7, 5160, 5160, 600);
    m_label22->setAlignment(Qt::AlignCenter);
    connect(m_label22, &ClickableLabel::clicked, this, &ActionEditor::Label22_Click);
    connect(m_label22, &ClickableLabel::mouseMoved, this, &ActionEditor::Label22_MouseMove);
}

void ActionEditor::buildPreview(PictureBox* subPanel) {
    place(makeCaption(QStringLiteral("Label14"), QStringLiteral("提示预览："), subPanel), 120, 120);

    const FrmMessage::Layout look = FrmMessage::layOut(kPreviewWidth, kPreviewHeight, frame::kTitleButtonSize,
                                                       FrmMessage::kConfirmWidth, FrmMessage::kConfirmHeight);
    auto* window = new QWidget(subPanel);
    window->setObjectName(QStringLiteral("PreviewWindow"));
    window->setGeometry(twipsRect(120, 600, kPreviewWidth, kPreviewHeight));
    setColors(window, colors::kAccent, colors::kWhite);

    QLabel* title =
        makeCaption(QStringLiteral("PreviewTitle"), toQString(texts::kProgramTitle), window, kPreviewPoints);
    place(title, 60, 30);
    setTextColor(title, colors::kWhite);

    auto* panel = new QWidget(window);
    panel->setObjectName(QStringLiteral("PreviewPanel"));
    panel->setGeometry(boxRect(look.picInterface));
    setColors(panel, colors::kWhite, colors::kBlack);

    m_lblMessage = makeCaption(QStringLiteral("LblMessage"), QString(), panel, kPreviewPoints);
    m_lblMessage->setGeometry(boxRect(look.lblMessage));
    m_lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblMessage->setWordWrap(true);

    QLabel* confirm = makeCaption(QStringLiteral("PreviewConfirm"), QStringLiteral(" 确定 "), panel, kPreviewPoints);
    confirm->setGeometry(boxRect(look.lblConfirm));
    confirm->setAlignment(Qt::AlignCenter);
    confirm->setFrameStyle(QFrame::Box | QFrame::Plain);
    setColors(confirm, colors::kWhite, colors::kAccent);
}

void ActionEditor::buildPathPanel(PictureBox* subPanel, const QString& labelName, const QString& pathName,
                                  QLabel*& path) {
    place(makeCaption(labelName, QStringLiteral("文件路径："), subPanel), 120, 120);
    path = setUpCaption(new WrappingLabel(subPanel), pathName, QString(), 12.0);
    path->setGeometry(twipsRect(120, 480, 5400, 735));
    path->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ActionEditor::buildChoices(PictureBox* subPanel) {
    const QString captions[] = {QStringLiteral("关闭计算机"), QStringLiteral("睡眠计算机")};
    const int lefts[] = {120, 1800};
    for (int i = 0; i < 2; ++i) {
        const auto at = static_cast<std::size_t>(i);
        m_label19[at] = makeButton(QStringLiteral("Label19_%1").arg(i), captions[i], subPanel, lefts[i], 120, 1440);
        setAccessibleRole(m_label19[at], QAccessible::RadioButton);
        connect(m_label19[at], &ClickableLabel::clicked, this, [this, i] { Label19_Click(i); });
    }
}

ClickableLabel* ActionEditor::makeButton(const QString& name, const QString& caption, QWidget* parent, int left,
                                         int top, int width) {
    auto* button = new ClickableLabel(caption, parent);
    button->setObjectName(name);
    button->setTextFormat(Qt::PlainText);
    button->setFont(uiFont(12));
    // Faces with a deep descent would lose the underline of a selected choice in the designed height.
    QRect geometry = twipsRect(left, top, width, 255);
    geometry.setHeight(std::max(geometry.height(), button->fontMetrics().height()));
    button->setGeometry(geometry);
    setColors(button, colors::kWhite, colors::kBlack);
    return button;
}

void ActionEditor::setSoundFolder(const std::filesystem::path& folder) {
    m_cd1.request.initialFolder = folder;
}

std::u16string ActionEditor::taskCaption() const {
    return m_label11->text().toStdU16String();
}

void ActionEditor::setTaskCaption(std::u16string_view caption) {
    m_label11->setText(toQString(caption));
    m_label11->adjustSize();
}

std::u16string ActionEditor::soundPath() const {
    return m_label17->text().toStdU16String();
}

std::u16string ActionEditor::filePath() const {
    return m_label21->text().toStdU16String();
}

void ActionEditor::clearPaths() {
    m_label17->clear();
    m_label21->clear();
}

bool ActionEditor::sleepSelected() const {
    return m_label19Tag != QStringLiteral("0");
}

std::vector<QWidget*> ActionEditor::tabOrder() const {
    // Each kind's own controls follow the tabs; those of the kinds not shown drop out by themselves.
    std::vector<QWidget*> order{m_label12};
    order.insert(order.end(), m_label13.begin(), m_label13.end());
    order.insert(order.end(), {m_label18[0], m_label18[1], m_label18[3], m_label19[0], m_label19[1], m_label18[2],
                               m_label23, m_label22});
    return order;
}

void ActionEditor::hidePanel() {
    m_picture7->hide();
}

void ActionEditor::restoreLabel12() {
    putBackIfLit(m_label12, colors::kAccent, colors::kBlack);
}

void ActionEditor::Label12_Click() {
    m_picture7->setVisible(m_picture7->isHidden());
    if (!m_picture7->isHidden()) {
        m_picture7->raise();
    }
    Q_EMIT panelToggled();
    setColors(m_label12, colors::kWhite, colors::kBlack);
}

void ActionEditor::Label13_Click(int index) {
    if (!inRange(index, m_label13.size())) {
        return;
    }
    for (std::size_t i = 0; i < m_label13.size(); ++i) {
        showChoice(m_label13[i], false);
        m_picture8[i]->hide();
    }
    const auto at = static_cast<std::size_t>(index);
    showChoice(m_label13[at], true);
    m_picture8[at]->show();
    m_label13Tag = QString::number(index);
}

void ActionEditor::Label18_Click(int index) {
    switch (index) {
    case 0:
        browse(m_cd1, m_label17);
        break;
    case 1:
        TaskAction::playSoundFile(m_sound, soundPath());
        break;
    case 2:
        browse(m_cd2, m_label21);
        break;
    case 3:
        m_sound.stopSound();
        break;
    default:
        break;
    }
}

void ActionEditor::Label19_Click(int index) {
    if (!inRange(index, m_label19.size())) {
        return;
    }
    showChoice(m_label19[static_cast<std::size_t>(index)], true);
    showChoice(m_label19[static_cast<std::size_t>(1 - index)], false);
    m_label19Tag = QString::number(index);
}

void ActionEditor::Label23_Click() {
    setTaskCaption(pennoc::taskCaption(TaskAction::kKinds[static_cast<std::size_t>(m_label13Tag.toInt())].type));
    Label22_Click();
}

void ActionEditor::Label22_Click() {
    m_picture7->hide();
    Label18_Click(3);
}

void ActionEditor::Text2_Change(const QString& text) {
    m_lblMessage->setText(text);
}

void ActionEditor::Picture7_MouseMove() {
    putBackIfLit(m_label22, colors::kAccent, colors::kBlack);
    putBackIfLit(m_label23, colors::kAccent, colors::kBlack);
}

void ActionEditor::Picture8_MouseMove(int index) {
    if (index == 3) {
        putBackIfLit(m_label18[2], colors::kAccent, colors::kBlack);
    } else if (index == 1) {
        putBackIfLit(m_label18[0], colors::kAccent, colors::kBlack);
        putBackIfLit(m_label18[1], colors::kAccent, colors::kBlack);
        putBackIfLit(m_label18[3], colors::kAccent, colors::kBlack);
    }
}

void ActionEditor::Label12_MouseMove() {
    lightUp(m_label12, colors::kAccent);
}

void ActionEditor::Label18_MouseMove(int index) {
    if (inRange(index, m_label18.size())) {
        lightUp(m_label18[static_cast<std::size_t>(index)], colors::kAccent);
    }
}

void ActionEditor::Label22_MouseMove() {
    lightUp(m_label22, colors::kAccent);
}

void ActionEditor::Label23_MouseMove() {
    lightUp(m_label23, colors::kAccent);
}

void ActionEditor::browse(FileDialog& dialog, QLabel* path) {
    try {
        if (const std::optional<std::filesystem::path> chosen = m_dialogs.chooseFileToOpen(dialog.request)) {
            dialog.fileName = pathToQString(*chosen);
        }
    } catch (const std::exception&) {
        // A dialog that fails counts as one that was cancelled.
    }
    if (!dialog.fileName.isEmpty()) {
        path->setText(dialog.fileName);
    }
}

} // namespace pennoc
