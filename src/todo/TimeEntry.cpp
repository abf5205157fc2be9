#include "todo/TimeEntry.h"

#include "controls/ClickableLabel.h"
#include "controls/ControlAccessibility.h"
#include "controls/LabelLook.h"
#include "controls/PictureBox.h"
#include "controls/QtText.h"
#include "controls/SButton.h"
#include "controls/UiLook.h"
#include "controls/core/Twips.h"
#include "todo/core/EditorCaptions.h"

#include <QEvent>
#include <QLineEdit>
#include <algorithm>

namespace pennoc {

namespace {

const char* const kTag = "Tag";
constexpr int kLabel5DesignWidth = 1170;
constexpr double kCaptionPointSize = 10.5;

struct Preset {
    const char16_t* caption;
    const char16_t* hours;
    const char16_t* minutes;
};

constexpr std::array<Preset, 6> kPresets{{
    {u"十分钟后", u"00", u"10"},
    {u"半个小时后", u"00", u"30"},
    {u"一个小时后", u"01", u"00"},
    {u"两个小时后", u"02", u"00"},
    {u"三个小时后", u"03", u"00"},
    {u"六个小时后", u"06", u"00"},
}};

std::u16string textOf(const QLineEdit* field) {
    return field->text().toStdU16String();
}

std::u16string tagOf(const QLineEdit* field) {
    return field->property(kTag).toString().toStdU16String();
}

void setTag(QLineEdit* field, std::u16string_view marker) {
    field->setProperty(kTag, toQString(marker));
}

ClickableLabel* addLabel(const QString& text, const QString& name, QWidget* parent, const QRect& geometry,
                         double pointSize) {
    auto* label = new ClickableLabel(text, parent);
    label->setObjectName(name);
    label->setFont(uiFont(pointSize));
    placeLabel(label, geometry);
    return label;
}

} // namespace

TimeEntry::TimeEntry(QWidget* page)
    : QObject(page) {
    buildTimeLine(page);
    buildPanel(page);
}

void TimeEntry::buildTimeLine(QWidget* page) {
    m_label5 = new QLabel(page);
    m_label5->setObjectName(QStringLiteral("Label5"));
    m_label5->setFont(uiFont(kCaptionPointSize));
    setTimeCaption(initialTimeCaption());
    placeLabel(m_label5, twipsRect(120, 1200, kLabel5DesignWidth, 210));

    m_label6 = addLabel(QStringLiteral("更改"), QStringLiteral("Label6"), page, twipsRect(2040, 1200, 480, 210),
                        kCaptionPointSize);
    setColors(m_label6, colors::kWhite, colors::kBlack);
    connect(m_label6, &ClickableLabel::clicked, this, &TimeEntry::Label6_Click);
    connect(m_label6, &ClickableLabel::mouseMoved, this, &TimeEntry::Label6_MouseMove);
}

void TimeEntry::buildPanel(QWidget* page) {
    m_picture5 = new PictureBox(page);
    m_picture5->setObjectName(QStringLiteral("Picture5"));
    // Wider than the page by design; the page clips it.
    m_picture5->setGeometry(twipsRect(0, 1080, 6975, 5535));
    setColors(m_picture5, colors::kWhite, colors::kBlack);
    m_picture5->hide();
    connect(m_picture5, &PictureBox::mouseMoved, this, &TimeEntry::Picture5_MouseMove);

    const QString modes[] = {QStringLiteral("以某时刻方式计时"), QStringLiteral("以倒计时方式计时"),
                             QStringLiteral("不需要计时")};
    const int modeLefts[] = {120, 2400, 4680};
    const int modeWidths[] = {1920, 1920, 1200};
    for (int i = 0; i < 3; ++i) {
        auto* label = addLabel(modes[i], QStringLiteral("Label7_%1").arg(i), m_picture5,
                               twipsRect(modeLefts[i], 120, modeWidths[i], 255), 12);
        setAccessibleRole(label, QAccessible::RadioButton);
        showChoice(label, i == 0);
        connect(label, &ClickableLabel::clicked, this, [this, i] { Label7_Click(i); });
        m_label7[static_cast<std::size_t>(i)] = label;
    }

    const QString commands[] = {QStringLiteral("应用"), QStringLiteral("取消")};
    for (int i = 0; i < 2; ++i) {
        auto* label = addLabel(commands[i], QStringLiteral("Label8_%1").arg(i), m_picture5,
                               twipsRect(4440 + 720 * i, 5160, 600, 255), 12);
        setColors(label, colors::kWhite, colors::kBlack);
        connect(label, &ClickableLabel::clicked, this, [this, i] { Label8_Click(i); });
        connect(label, &ClickableLabel::mouseMoved, this, [this, i] { Label8_MouseMove(i); });
        m_label8[static_cast<std::size_t>(i)] = label;
    }

    buildTimeArea();
    buildPresets();
}

void TimeEntry::buildTimeArea() {
    m_picture6 = new PictureBox(m_picture5);
    m_picture6->setObjectName(QStringLiteral("Picture6"));
    m_picture6->setGeometry(twipsRect(240, 600, 5535, 2415));
    setColors(m_picture6, colors::kWhite, colors::kBlack);
    connect(m_picture6, &PictureBox::mouseMoved, this, &TimeEntry::Picture6_MouseMove);

    m_text3 = addField(QStringLiteral("Text3"), 480);
    m_text4 = addField(QStringLiteral("Text4"), 3480);
    m_text3->setAccessibleName(QStringLiteral("小时"));
    m_text4->setAccessibleName(QStringLiteral("分钟"));
    connect(m_text3, &QLineEdit::textChanged, this, &TimeEntry::Text3_Change);
    connect(m_text4, &QLineEdit::textChanged, this, &TimeEntry::Text4_Change);

    const QString dotNames[] = {QStringLiteral("Label9"), QStringLiteral("Label10")};
    const int dotTops[] = {720, 1320};
    for (int i = 0; i < 2; ++i) {
        auto* dot = new QLabel(QStringLiteral("●"), m_picture6);
        dot->setObjectName(dotNames[i]);
        dot->setGeometry(twipsRect(2640, dotTops[i], 300, 315));
        dot->setFont(uiFont(15));
    }
}

QLineEdit* TimeEntry::addField(const QString& name, int left) {
    auto* field = new QLineEdit(toQString(kZeroField), m_picture6);
    field->setObjectName(name);
    field->setGeometry(twipsRect(left, 360, 1600, 1620));
    field->setMaxLength(2);
    field->setFont(uiFont(72));
    field->setFrame(false);
    field->setAlignment(Qt::AlignCenter);
    setTextColor(field, colors::kBlack);
    setTag(field, u"");
    // Without tracking a field only hears the pointer while a button is held.
    field->setMouseTracking(true);
    field->installEventFilter(this);
    return field;
}

void TimeEntry::buildPresets() {
    m_picture13 = new PictureBox(m_picture5);
    m_picture13->setObjectName(QStringLiteral("Picture13"));
    m_picture13->setGeometry(twipsRect(480, 3240, 5535, 1575));
    setColors(m_picture13, colors::kWhite, colors::kBlack);
    m_picture13->hide();

    const int lefts[] = {120, 1800, 3600};
    for (int i = 0; i < static_cast<int>(kPresets.size()); ++i) {
        auto* button = new SButton(m_picture13);
        button->setObjectName(QStringLiteral("SButton1_%1").arg(i));
        button->setGeometry(twipsRect(lefts[i % 3], i < 3 ? 240 : 840, 1335, 375));
        button->setBackColorHover(colors::kAccent);
        button->setBackColorNormal(colors::kWhite);
        button->setForeColorNormal(colors::kBlack);
        button->setFont(uiFont(12));
        button->setCaption(toQString(kPresets[static_cast<std::size_t>(i)].caption));
        connect(button, &SButton::Click, this, [this, i] { SButton1_Click(i); });
        m_sButton1[static_cast<std::size_t>(i)] = button;
    }
}

std::vector<QWidget*> TimeEntry::tabOrder() const {
    std::vector<QWidget*> order{m_label6, m_label7[0], m_label7[1], m_label7[2], m_text3, m_text4};
    order.insert(order.end(), m_sButton1.begin(), m_sButton1.end());
    order.insert(order.end(), m_label8.begin(), m_label8.end());
    return order;
}

std::u16string TimeEntry::timeCaption() const {
    return m_label5->text().toStdU16String();
}

void TimeEntry::setTimeCaption(std::u16string_view caption) {
    m_label5->setText(toQString(caption));
    m_label5->resize(std::max(twipsToPixels(kLabel5DesignWidth), m_label5->sizeHint().width()), m_label5->height());
}

void TimeEntry::hidePanel() {
    m_picture5->hide();
}

void TimeEntry::Label6_Click() {
    const bool open = m_picture5->isHidden();
    m_picture5->setVisible(open);
    if (open) {
        m_picture5->raise();
    }
    Q_EMIT panelToggled();
    setColors(m_label6, colors::kWhite, colors::kBlack);
}

void TimeEntry::Label7_Click(int index) {
    if (index < 0 || index >= static_cast<int>(m_label7.size())) {
        return;
    }
    for (int i = 0; i < static_cast<int>(m_label7.size()); ++i) {
        showChoice(m_label7[static_cast<std::size_t>(i)], i == index);
    }
    const bool timed = index != 2;
    m_picture6->setVisible(timed);
    m_picture13->setVisible(index == 1);
    if (timed) {
        m_text3->setText(toQString(kZeroField));
        m_text4->setText(toQString(kZeroField));
    }
}

void TimeEntry::Label8_Click(int index) {
    if (index == 1) {
        m_text3->setText(toQString(kZeroField));
        m_text4->setText(toQString(kZeroField));
    } else {
        setTimeCaption(pennoc::timeCaption(selectedMode(), textOf(m_text3), textOf(m_text4)));
    }
    m_picture5->hide();
}

void TimeEntry::SButton1_Click(int index) {
    if (index >= 0 && index < static_cast<int>(kPresets.size())) {
        const Preset& preset = kPresets[static_cast<std::size_t>(index)];
        m_text3->setText(toQString(preset.hours));
        m_text4->setText(toQString(preset.minutes));
    }
    Label8_Click(0);
}

void TimeEntry::Text3_Change() {
    clamp(m_text3, kMaxHours);
}

void TimeEntry::Text4_Change() {
    clamp(m_text4, kMaxMinutes);
}

void TimeEntry::Text3_MouseMove() {
    setTag(m_text3, kPointerOverMarker);
    setTextColor(m_text3, colors::kAccent);
}

void TimeEntry::Text4_MouseMove() {
    setTag(m_text4, kPointerOverMarker);
    setTextColor(m_text4, colors::kAccent);
}

void TimeEntry::Picture6_MouseMove() {
    for (QLineEdit* field : {m_text3, m_text4}) {
        setTag(field, u"0");
        setTextColor(field, colors::kBlack);
    }
    for (QLineEdit* field : {m_text3, m_text4}) {
        // Rewriting an unchanged text would move the caret on every movement of the pointer.
        const QString normalised = toQString(formatField(fieldValue(textOf(field))));
        if (field->text() != normalised) {
            field->setText(normalised);
        }
    }
}

void TimeEntry::Picture5_MouseMove() {
    for (QLabel* label : m_label8) {
        putBackIfLit(label, colors::kAccent, colors::kBlack);
    }
}

void TimeEntry::Label6_MouseMove() {
    lightUp(m_label6, colors::kAccent);
}

void TimeEntry::Label8_MouseMove(int index) {
    if (index >= 0 && index < static_cast<int>(m_label8.size())) {
        lightUp(m_label8[static_cast<std::size_t>(index)], colors::kAccent);
    }
}

void TimeEntry::MainWindowProc(WheelTurn turn) {
    stepByWheel(m_text3, kMaxHours, turn);
    stepByWheel(m_text4, kMaxMinutes, turn);
}

bool TimeEntry::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove) {
        if (watched == m_text3) {
            Text3_MouseMove();
        } else if (watched == m_text4) {
            Text4_MouseMove();
        }
    }
    return QObject::eventFilter(watched, event);
}

TimingMode TimeEntry::selectedMode() const {
    // Exactly one mode is underlined at any time, so the last one needs no test.
    if (m_label7[0]->font().underline()) {
        return TimingMode::TimeOfDay;
    }
    if (m_label7[1]->font().underline()) {
        return TimingMode::Countdown;
    }
    return TimingMode::None;
}

void TimeEntry::clamp(QLineEdit* field, int maximum) {
    if (const std::optional<std::u16string> corrected = clampField(textOf(field), maximum)) {
        field->setText(toQString(*corrected));
    }
}

void TimeEntry::stepByWheel(QLineEdit* field, int maximum, WheelTurn turn) {
    if (const std::optional<std::u16string> stepped = wheelStep(textOf(field), tagOf(field), maximum, turn)) {
        field->setText(toQString(*stepped));
    }
}

} // namespace pennoc
