#include "controls/SSwitch.h"

#include "controls/OutlineShape.h"
#include "controls/RecordingPropertyBag.h"
#include "controls/UiLook.h"
#include "controls/core/Twips.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

constexpr QPoint kSwitchOnHost{10, 10};

// A switch of 480 × 240 twips on a shown host.
class SSwitchTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_host.resize(100, 50);
        m_switch = new SSwitch(&m_host);
        m_switch->setGeometry(QRect(kSwitchOnHost, twipsRect(0, 0, 480, 240).size()));
        m_host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_host));
    }

    QWidget* knob() const { return m_switch->findChild<QWidget*>(QStringLiteral("Picture2")); }
    QRgb pixel(QPoint at) const { return m_switch->grab().toImage().pixel(at); }
    // A user click through the window system, at a point of the switch.
    void clickAt(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(m_host.windowHandle(), button, {}, kSwitchOnHost + at);
    }

    static QRgb rgb(ColorValue value) { return toQColor(value).rgb(); }

    QWidget m_host;
    SSwitch* m_switch = nullptr;
};

TEST_F(SSwitchTest, NewSwitchIsOffWithTheKnobFifteenTwipsFromTheLeftTopAndBottom) {
    EXPECT_FALSE(m_switch->Value());
    EXPECT_EQ(m_switch->size(), QSize(32, 16));
    EXPECT_EQ(knob()->geometry(), twipsRect(15, 15, 225, 210));
    EXPECT_EQ(knob()->geometry(), QRect(1, 1, 15, 14));
    EXPECT_EQ(pixel({0, 0}), qRgb(225, 225, 225));
    EXPECT_EQ(pixel({24, 8}), qRgb(225, 225, 225));
    EXPECT_EQ(pixel({8, 8}), qRgb(255, 255, 255));
}

TEST_F(SSwitchTest, ValueFromCodeMovesTheKnobRightWithoutClick) {
    QSignalSpy clicks(m_switch, &SSwitch::Click);
    QSignalSpy valueChanges(m_switch, &SSwitch::ValueChanged);
    m_switch->setValue(true);

    EXPECT_EQ(knob()->geometry(), twipsRect(240, 15, 225, 210));
    EXPECT_EQ(knob()->geometry(), QRect(16, 1, 15, 14));
    EXPECT_EQ(pixel({8, 8}), qRgb(51, 204, 255));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(valueChanges.count(), 1);
}

TEST_F(SSwitchTest, KnobOfAnOddSizedSwitchKeepsEqualMarginsAtBothEnds) {
    // The main window's switch: 495 × 255 twips.
    m_switch->resize(twipsRect(0, 0, 495, 255).size());
    m_switch->setValue(true);
    const QRect on = knob()->geometry();
    m_switch->setValue(false);
    const QRect off = knob()->geometry();

    EXPECT_EQ(off.size(), on.size());
    EXPECT_EQ(off.left(), 1);
    EXPECT_EQ(m_switch->width() - 1 - on.right(), 1);
}

TEST_F(SSwitchTest, UserClickTogglesAndTheHandlerReadsTheNewValue) {
    std::vector<bool> seen;
    QObject::connect(m_switch, &SSwitch::Click, m_switch, [&] {
        seen.push_back(m_switch->Value());
        EXPECT_EQ(pixel({0, 0}), m_switch->Value() ? qRgb(51, 204, 255) : qRgb(225, 225, 225));
    });

    clickAt({8, 8});   // on the knob
    clickAt({8, 8});   // on the track, the knob is at the right now
    clickAt({30, 15}); // on the outline
    clickAt({8, 8}, Qt::RightButton);

    EXPECT_EQ(seen, (std::vector<bool>{true, false, true}));
    EXPECT_TRUE(m_switch->Value());
}

TEST_F(SSwitchTest, DisabledSwitchLooksTheSameAndIgnoresClicks) {
    const QImage enabledLook = m_switch->grab().toImage();
    m_switch->setEnabled(false);
    EXPECT_EQ(m_switch->grab().toImage(), enabledLook);

    QSignalSpy clicks(m_switch, &SSwitch::Click);
    clickAt({8, 8});
    EXPECT_FALSE(m_switch->Value());
    EXPECT_EQ(clicks.count(), 0);
}

TEST_F(SSwitchTest, BackColorOnRecoloursTrackAndOutlineAtOnce) {
    m_switch->setValue(true);
    m_switch->setBackColorOn(colors::kAccent);
    EXPECT_EQ(pixel({0, 0}), rgb(colors::kAccent));
    EXPECT_EQ(pixel({8, 8}), rgb(colors::kAccent));
    EXPECT_EQ(m_switch->findChild<OutlineShape*>(QStringLiteral("Shape1"))->borderColor(), colors::kAccent);

    m_switch->setBackColorOff(colors::kDangerRed);
    EXPECT_EQ(pixel({8, 8}), rgb(colors::kAccent));
}

TEST_F(SSwitchTest, PropertyStoreKeepsOnlyChangedValuesAndReadsKeysInOrder) {
    PropertyBag untouched;
    m_switch->WriteProperties(untouched);
    EXPECT_TRUE(untouched.entries().empty());

    m_switch->setEnabled(false);
    m_switch->setValue(true);
    m_switch->setBackColorOff(rgbValue(192, 192, 192));
    PropertyBag stored;
    m_switch->WriteProperties(stored);
    EXPECT_EQ(test::storedKeys(stored), (std::vector<std::string>{"BackColorOff", "Value", "Enabled"}));

    test::RecordingPropertyBag reading(stored);
    SSwitch copy;
    QSignalSpy valueChanges(&copy, &SSwitch::ValueChanged);
    copy.ReadProperties(reading);
    EXPECT_EQ(reading.readKeys, (std::vector<std::string>{"BackColorOff", "BackColorOn", "Value", "Enabled"}));
    EXPECT_EQ(valueChanges.count(), 0);
    EXPECT_EQ(copy.BackColorOff(), rgbValue(192, 192, 192));
    EXPECT_EQ(copy.BackColorOn(), SSwitch::kDefaultBackColorOn);
    EXPECT_TRUE(copy.Value());
    EXPECT_FALSE(copy.Enabled());
}

} // namespace
} // namespace pennoc
