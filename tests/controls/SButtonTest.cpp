#include "controls/SButton.h"

#include "controls/OutlineShape.h"
#include "controls/RecordingPropertyBag.h"
#include "controls/UiLook.h"

#include <QLabel>
#include <QMetaProperty>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

const std::vector<std::string> kKeysInStoreOrder = {
    "BackColorClick",    "BackColorHover", "BackColorNormal", "BorderColorClick", "BorderColorHover",
    "BorderColorNormal", "BorderStyle",    "Caption",         "Enabled",          "Font",
    "ForeColorClick",    "ForeColorHover", "ForeColorNormal"};

// A button of 100 × 40 px at (20, 20) on a shown host of 200 × 100 px.
class SButtonTest : public ::testing::Test {
protected:
    static constexpr QPoint kBesideButton{180, 90}; // on the host

    void SetUp() override {
        m_host.resize(200, 100);
        m_button = new SButton(&m_host);
        m_button->setGeometry(20, 20, 100, 40);
        m_host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_host));
        QTest::mouseMove(&m_host, kBesideButton);
    }

    // The background as painted, away from the caption and the border.
    QRgb surface() const { return m_button->grab().toImage().pixel(3, 3); }
    QRgb corner() const { return m_button->grab().toImage().pixel(0, 0); }
    QLabel* label1() const { return m_button->findChild<QLabel*>(QStringLiteral("Label1")); }
    OutlineShape* shape1() const { return m_button->findChild<OutlineShape*>(QStringLiteral("Shape1")); }
    QColor captionColor() const { return label1()->palette().color(QPalette::WindowText); }

    static QRgb rgb(ColorValue value) { return toQColor(value).rgb(); }

    void expectCaptionCentred() const {
        const QRect caption = label1()->geometry();
        EXPECT_EQ(caption.size(), label1()->sizeHint());
        EXPECT_LE(std::abs(caption.center().x() - m_button->width() / 2), 1);
        EXPECT_LE(std::abs(caption.center().y() - m_button->height() / 2), 1);
    }

    QWidget m_host;
    SButton* m_button = nullptr;
};

TEST_F(SButtonTest, NewButtonShowsItsCaptionInWhiteOnLightBlueWithoutBorder) {
    EXPECT_EQ(label1()->text(), QStringLiteral("SButton"));
    EXPECT_EQ(captionColor().rgb(), qRgb(255, 255, 255));
    EXPECT_EQ(surface(), qRgb(51, 204, 255));
    EXPECT_EQ(corner(), qRgb(51, 204, 255));
    EXPECT_FALSE(shape1()->isVisible());

    const QImage look = m_button->grab().toImage();
    bool whiteText = false;
    const QRect caption = label1()->geometry();
    for (int y = caption.top(); y <= caption.bottom() && !whiteText; ++y) {
        for (int x = caption.left(); x <= caption.right() && !whiteText; ++x) {
            whiteText = look.pixel(x, y) == qRgb(255, 255, 255);
        }
    }
    EXPECT_TRUE(whiteText);
    expectCaptionCentred();
}

TEST_F(SButtonTest, OnlyBorderStyleOneShowsTheBorder) {
    m_button->setBorderColorNormal(colors::kDangerRed);
    for (const int style : {0, 2, -1}) {
        m_button->setBorderStyle(style);
        EXPECT_FALSE(shape1()->isVisible()) << style;
        EXPECT_EQ(corner(), qRgb(51, 204, 255)) << style;
    }
    m_button->setBorderStyle(1);
    EXPECT_TRUE(shape1()->isVisible());
    EXPECT_EQ(shape1()->geometry(), m_button->rect());
    EXPECT_EQ(corner(), qRgb(255, 0, 0));
}

TEST_F(SButtonTest, PropertiesAreDeclaredInOrderAndEveryWriteNotifies) {
    const QMetaObject& meta = SButton::staticMetaObject;
    std::vector<std::string> names;
    for (int i = meta.propertyOffset(); i < meta.propertyCount(); ++i) {
        const QMetaProperty property = meta.property(i);
        names.emplace_back(property.name());
        QSignalSpy notified(m_button, property.notifySignal());
        ASSERT_TRUE(property.write(m_button, property.read(m_button))) << property.name();
        EXPECT_EQ(notified.count(), 1) << property.name();
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"BackColorClick", "BackColorHover", "BackColorNormal", "BorderColorClick",
                                        "BorderColorHover", "BorderColorNormal", "ForeColorClick", "ForeColorHover",
                                        "ForeColorNormal", "BorderStyle", "Caption", "Font", "Enabled"}));
    // Hosts bind the events by their position.
    EXPECT_EQ(meta.method(meta.methodOffset()).name(), "Click");
    EXPECT_EQ(meta.method(meta.methodOffset() + 1).name(), "Hover");
    EXPECT_EQ(meta.method(meta.methodOffset() + 2).name(), "MouseLeave");
}

TEST_F(SButtonTest, HoverIsRaisedOncePerMoveAndALookChangeShowsAtOnce) {
    QSignalSpy hovers(m_button, &SButton::Hover);
    QTest::mouseMove(m_button, {10, 10});
    QTest::mouseMove(m_button, {20, 10});
    QTest::mouseMove(m_button, {30, 12});
    EXPECT_EQ(hovers.count(), 3);
    EXPECT_EQ(surface(), qRgb(102, 204, 255));
    // A held pointer would leave every other window, a modal one included, deaf to the mouse.
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    m_button->setBackColorHover(colors::kAccent);
    EXPECT_EQ(surface(), rgb(colors::kAccent));
}

TEST_F(SButtonTest, ClickIsRaisedOnLeftPressBeforeThePressedLookIsPainted) {
    QTest::mouseMove(m_button, {10, 10});
    QSignalSpy clicks(m_button, &SButton::Click);
    QRgb seenByHandler = 0;
    QObject::connect(m_button, &SButton::Click, m_button, [&] { seenByHandler = surface(); });

    QTest::mousePress(m_button, Qt::RightButton, {}, {10, 10});
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(surface(), qRgb(102, 204, 255));
    QTest::mouseRelease(m_button, Qt::RightButton, {}, {10, 10});

    QTest::mousePress(m_button, Qt::LeftButton, {}, {10, 10});
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(seenByHandler, qRgb(102, 204, 255));
    EXPECT_EQ(surface(), qRgb(51, 153, 255));

    QTest::mouseRelease(m_button, Qt::LeftButton, {}, {10, 10});
    EXPECT_EQ(surface(), qRgb(102, 204, 255));
}

TEST_F(SButtonTest, LeavingRestoresTheNormalLook) {
    QTest::mouseMove(m_button, {10, 10});
    ASSERT_EQ(surface(), qRgb(102, 204, 255));

    QTest::mouseMove(&m_host, {170, 80});
    EXPECT_EQ(surface(), qRgb(51, 204, 255));
}

TEST_F(SButtonTest, DraggingOffAPressedButtonAndReleasingLeavesTheNormalLook) {
    QTest::mouseMove(m_button, {10, 10});
    QTest::mousePress(m_button, Qt::LeftButton, {}, {10, 10});
    QSignalSpy hovers(m_button, &SButton::Hover);

    QTest::mouseMove(m_button, {50, 20});
    EXPECT_EQ(surface(), qRgb(51, 153, 255));
    QTest::mouseMove(m_button, {150, 60});
    EXPECT_EQ(surface(), qRgb(51, 204, 255));
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, {150, 60});
    EXPECT_EQ(surface(), qRgb(51, 204, 255));
    EXPECT_EQ(hovers.count(), 0);
}

TEST_F(SButtonTest, DisabledButtonShowsSystemColoursAndRaisesNothing) {
    m_button->setBorderStyle(1);
    QTest::mouseMove(m_button, {10, 10});
    m_button->setEnabled(false);

    EXPECT_EQ(surface(), rgb(colors::kSystemButtonFace));
    EXPECT_EQ(corner(), rgb(colors::kSystemDarkShadow));
    EXPECT_EQ(captionColor().rgb(), rgb(colors::kSystemGrayText));

    QSignalSpy clicks(m_button, &SButton::Click);
    QSignalSpy hovers(m_button, &SButton::Hover);
    QTest::mouseMove(m_button, {30, 30});
    QTest::mouseClick(m_host.windowHandle(), Qt::LeftButton, {}, {50, 50});
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(hovers.count(), 0);
    EXPECT_EQ(surface(), rgb(colors::kSystemButtonFace));

    // The hover state outlived the disabled spell.
    m_button->setEnabled(true);
    EXPECT_EQ(surface(), qRgb(102, 204, 255));
}

TEST_F(SButtonTest, CaptionIsRecentredWhenCaptionOrFontChanges) {
    m_button->setCaption(QStringLiteral("开机自启动的长标题"));
    EXPECT_EQ(label1()->text(), QStringLiteral("开机自启动的长标题"));
    expectCaptionCentred();

    m_button->setFont(uiFont(20));
    EXPECT_EQ(label1()->font().pointSizeF(), 20.0);
    expectCaptionCentred();

    m_button->resize(60, 30);
    expectCaptionCentred();
    EXPECT_EQ(shape1()->geometry(), m_button->rect());
}

TEST_F(SButtonTest, ButtonHiddenByItsClickHandlerComesBackNormal) {
    QObject::connect(m_button, &SButton::Click, m_button, [this] { m_button->hide(); });
    QTest::mouseMove(m_button, {10, 10});
    QTest::mousePress(m_button, Qt::LeftButton, {}, {10, 10});
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, {10, 10});

    m_button->show();
    EXPECT_EQ(surface(), qRgb(51, 204, 255));
}

TEST_F(SButtonTest, PropertyStoreKeepsOnlyChangedValuesAndReadsKeysInOrder) {
    PropertyBag untouched;
    m_button->WriteProperties(untouched);
    EXPECT_TRUE(untouched.entries().empty());

    m_button->setForeColorNormal(colors::kBlack);
    m_button->setBackColorHover(colors::kSystemButtonFace);
    m_button->setBorderStyle(1);
    m_button->setCaption(QStringLiteral("常用"));
    m_button->setFont(uiFont(10.5));
    m_button->setEnabled(false);
    PropertyBag stored;
    m_button->WriteProperties(stored);
    EXPECT_EQ(test::storedKeys(stored), (std::vector<std::string>{"BackColorHover", "BorderStyle", "Caption", "Enabled",
                                                                  "Font", "ForeColorNormal"}));

    test::RecordingPropertyBag reading(stored);
    SButton copy;
    QSignalSpy captionChanges(&copy, &SButton::CaptionChanged);
    copy.ReadProperties(reading);
    EXPECT_EQ(reading.readKeys, kKeysInStoreOrder);
    EXPECT_EQ(captionChanges.count(), 0);
    for (const std::string& key : kKeysInStoreOrder) {
        EXPECT_EQ(copy.property(key.c_str()), m_button->property(key.c_str())) << key;
    }
    EXPECT_EQ(copy.findChild<QLabel*>(QStringLiteral("Label1"))->text(), QStringLiteral("常用"));
    EXPECT_FALSE(copy.isEnabled());
}

} // namespace
} // namespace pennoc
