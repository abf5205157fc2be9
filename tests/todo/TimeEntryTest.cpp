#include "todo/TimeEntry.h"

#include "controls/ClickableLabel.h"
#include "controls/PictureBox.h"
#include "controls/SButton.h"
#include "controls/UiLook.h"
#include "todo/WheelHook.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

// The main window: counts the wheel events that get past the hook.
class WindowStandIn : public QWidget {
public:
    int wheelEventsSeen = 0;

protected:
    void wheelEvent(QWheelEvent* event) override {
        ++wheelEventsSeen;
        event->ignore();
    }
};

class TimeEntryTest : public ::testing::Test {
protected:
    TimeEntryTest() { m_hook.install(&m_window); }

    template <typename T = QWidget> T* part(const char* name) {
        return m_page->findChild<T*>(QString::fromLatin1(name));
    }
    QLineEdit* hours() { return part<QLineEdit>("Text3"); }
    QLineEdit* minutes() { return part<QLineEdit>("Text4"); }
    void click(const char* name) { QTest::mouseClick(part(name), Qt::LeftButton); }
    void type(QLineEdit* field, const QString& text) {
        field->selectAll();
        QTest::keyClicks(field, text);
    }
    void pointerOver(const char* name) {
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(part(name), &move);
    }
    // Negative distances turn the wheel toward the user.
    bool wheel(int delta, QWidget* target = nullptr, QPoint angle = {}) {
        QWheelEvent event(QPointF(2, 2), QPointF(2, 2), QPoint(), angle.isNull() ? QPoint(0, delta) : angle,
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target ? target : &m_window, &event);
        return event.isAccepted();
    }
    void expectFields(const QString& h, const QString& m) {
        EXPECT_EQ(hours()->text(), h);
        EXPECT_EQ(minutes()->text(), m);
    }
    bool underlined(int index) { return part(QStringLiteral("Label7_%1").arg(index).toLatin1())->font().underline(); }

    WindowStandIn m_window;
    QWidget* m_page = new QWidget(&m_window);
    TimeEntry* m_entry = new TimeEntry(m_page);
    WheelHook m_hook{*m_entry};
};

TEST_F(TimeEntryTest, TypedValuesOutsideTheRangeAreClampedAtOnce) {
    type(hours(), QStringLiteral("-5"));
    EXPECT_EQ(hours()->text(), QStringLiteral("00"));
    type(hours(), QStringLiteral("99"));
    EXPECT_EQ(hours()->text(), QStringLiteral("23"));
    type(minutes(), QStringLiteral("75"));
    EXPECT_EQ(minutes()->text(), QStringLiteral("59"));
    type(minutes(), QStringLiteral("5x"));
    EXPECT_EQ(minutes()->text(), QStringLiteral("5x"));
}

TEST_F(TimeEntryTest, ApplyWritesTwoDigitsAndTheTimeAreaNormalisesTheFields) {
    EXPECT_EQ(m_entry->timeCaption(), u"时间   -00:00");
    type(hours(), QStringLiteral("7"));
    type(minutes(), QStringLiteral("30"));
    click("Label6");
    click("Label8_0");
    EXPECT_EQ(m_entry->timeCaption(), u"时间   +07:30");
    EXPECT_TRUE(m_entry->panel()->isHidden());
    EXPECT_EQ(hours()->text(), QStringLiteral("7"));

    pointerOver("Text3");
    EXPECT_EQ(hours()->palette().color(QPalette::Text), toQColor(colors::kAccent));
    pointerOver("Picture6");
    expectFields(QStringLiteral("07"), QStringLiteral("30"));
    EXPECT_EQ(hours()->property("Tag").toString(), QStringLiteral("0"));
    EXPECT_EQ(hours()->palette().color(QPalette::Text), toQColor(colors::kBlack));
}

TEST_F(TimeEntryTest, RealPointerMovesMarkAndUnmarkTheFields) {
    m_window.resize(408, 500);
    m_page->resize(408, 500);
    m_window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    click("Label6");
    const auto pointerTo = [this](QWidget* target) {
        QTest::mouseMove(m_window.windowHandle(), target->mapTo(&m_window, QPoint(3, 3)));
    };
    pointerTo(minutes());
    EXPECT_EQ(minutes()->property("Tag").toString(), QStringLiteral("1"));
    pointerTo(part("Picture6"));
    EXPECT_EQ(minutes()->property("Tag").toString(), QStringLiteral("0"));
}

TEST_F(TimeEntryTest, WheelStepsTheMarkedFieldWithinItsLimits) {
    hours()->setText(QStringLiteral("22"));
    minutes()->setText(QStringLiteral("58"));
    EXPECT_TRUE(wheel(-120));
    expectFields(QStringLiteral("22"), QStringLiteral("58"));

    pointerOver("Text3");
    wheel(-120);
    wheel(-120);
    expectFields(QStringLiteral("23"), QStringLiteral("58"));
    hours()->setText(QStringLiteral("01"));
    wheel(120, hours()); // passed up from the field to the window
    wheel(120);
    expectFields(QStringLiteral("00"), QStringLiteral("58"));

    pointerOver("Picture6");
    pointerOver("Text4");
    wheel(-120);
    wheel(-120);
    expectFields(QStringLiteral("00"), QStringLiteral("59"));
    EXPECT_EQ(m_window.wheelEventsSeen, 0);
}

TEST_F(TimeEntryTest, BothMarkedFieldsStepTogetherOncePerWholeNotch) {
    pointerOver("Text3");
    pointerOver("Text4");
    wheel(-120);
    expectFields(QStringLiteral("01"), QStringLiteral("01"));
    for (int i = 0; i < 3; ++i) {
        wheel(-30);
    }
    expectFields(QStringLiteral("01"), QStringLiteral("01"));
    wheel(-30);
    expectFields(QStringLiteral("02"), QStringLiteral("02"));
    wheel(240);
    expectFields(QStringLiteral("00"), QStringLiteral("00"));
}

TEST_F(TimeEntryTest, NoTimingKeepsTheDigitsAndCancelKeepsTheCaption) {
    hours()->setText(QStringLiteral("05"));
    minutes()->setText(QStringLiteral("30"));
    click("Label7_2");
    EXPECT_TRUE(part("Picture6")->isHidden());
    EXPECT_TRUE(underlined(2) && !underlined(0) && !underlined(1));
    click("Label8_0");
    EXPECT_EQ(m_entry->timeCaption(), u"时间   没有设定时间");
    expectFields(QStringLiteral("05"), QStringLiteral("30"));

    click("Label6");
    click("Label8_1");
    EXPECT_EQ(m_entry->timeCaption(), u"时间   没有设定时间");
    expectFields(QStringLiteral("00"), QStringLiteral("00"));
    EXPECT_TRUE(m_entry->panel()->isHidden());
}

TEST_F(TimeEntryTest, SwitchingTimedModesResetsTheFieldsAndPresetsApplyAtOnce) {
    hours()->setText(QStringLiteral("05"));
    click("Label7_1");
    expectFields(QStringLiteral("00"), QStringLiteral("00"));
    EXPECT_FALSE(part("Picture13")->isHidden());
    EXPECT_EQ(part("Label7_1")->palette().color(QPalette::WindowText), toQColor(colors::kAccent));
    EXPECT_EQ(part("Label7_0")->palette().color(QPalette::WindowText), toQColor(colors::kBlack));
    minutes()->setText(QStringLiteral("15"));
    click("Label7_0");
    expectFields(QStringLiteral("00"), QStringLiteral("00"));
    EXPECT_TRUE(part("Picture13")->isHidden());

    click("Label7_1");
    click("Label6");
    QTest::mousePress(part("SButton1_3"), Qt::LeftButton);
    EXPECT_EQ(m_entry->timeCaption(), u"时间   -02:00");
    EXPECT_TRUE(m_entry->panel()->isHidden());
}

TEST_F(TimeEntryTest, OpenerRaisesThePanelAndPutsItsOwnHighlightBack) {
    auto* laterSibling = new QWidget(m_page);
    int toggles = 0;
    QObject::connect(m_entry, &TimeEntry::panelToggled, laterSibling, [&toggles] { ++toggles; });
    m_entry->Label6_MouseMove();
    click("Label6");
    EXPECT_FALSE(m_entry->panel()->isHidden());
    EXPECT_EQ(m_page->children().last(), m_entry->panel());
    EXPECT_EQ(m_entry->label6()->palette().color(QPalette::Window), toQColor(colors::kWhite));
    click("Label6");
    EXPECT_TRUE(m_entry->panel()->isHidden());
    EXPECT_EQ(toggles, 2);
}

TEST_F(TimeEntryTest, PanelBackgroundPutsBackOnlyItsLitCommands) {
    m_entry->Label6_MouseMove();
    pointerOver("Label8_1");
    EXPECT_EQ(part("Label8_1")->palette().color(QPalette::Window), toQColor(colors::kAccent));
    EXPECT_EQ(part("Label8_1")->palette().color(QPalette::WindowText), toQColor(colors::kWhite));
    pointerOver("Picture5");
    EXPECT_EQ(part("Label8_1")->palette().color(QPalette::Window), toQColor(colors::kWhite));
    EXPECT_EQ(part("Label8_1")->palette().color(QPalette::WindowText), toQColor(colors::kBlack));
    EXPECT_EQ(m_entry->label6()->palette().color(QPalette::Window), toQColor(colors::kAccent));
}

TEST_F(TimeEntryTest, CaptionWidensToItsTextButNeverBelowTheDesign) {
    const int designed = m_entry->label5()->width();
    m_entry->setTimeCaption(u"时间   没有设定时间");
    EXPECT_GE(m_entry->label5()->width(), m_entry->label5()->sizeHint().width());
    m_entry->setTimeCaption(u"时");
    EXPECT_GE(m_entry->label5()->width(), 78);
    EXPECT_LE(m_entry->label5()->width(), designed);
}

TEST_F(TimeEntryTest, RemovedHookLeavesTheWheelAlone) {
    pointerOver("Text3");
    EXPECT_FALSE(wheel(0, nullptr, QPoint(-120, 0))); // sideways: not the hook's
    EXPECT_EQ(m_window.wheelEventsSeen, 1);
    m_hook.remove();
    wheel(-120);
    EXPECT_EQ(hours()->text(), QStringLiteral("00"));
    EXPECT_EQ(m_window.wheelEventsSeen, 2);
}

} // namespace
} // namespace pennoc
