#include "app/FrmMain.h"
#include "controls/ClickableLabel.h"
#include "controls/SButton.h"
#include "support/PointerInput.h"
#include "support/QtRecordingPlatform.h"
#include "support/TemporaryFolder.h"
#include "todo/ActionEditor.h"
#include "todo/TimeEntry.h"
#include "todo/TodoPage.h"
#include "windows/FrmMessage.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

using test::centreOf;
using test::clickAt;

// How many pixel rows and columns a caption's ink takes.
struct Ink {
    int rows = 0;
    int columns = 0;
};

// Where two renderings of the same place differ.
Ink difference(const QImage& one, const QImage& other) {
    std::vector<bool> rows(static_cast<std::size_t>(one.height()));
    std::vector<bool> columns(static_cast<std::size_t>(one.width()));
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            const QColor a = one.pixelColor(x, y);
            const QColor b = other.pixelColor(x, y);
            if (std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                          std::abs(a.blue() - b.blue())}) > 16) {
                rows[static_cast<std::size_t>(y)] = true;
                columns[static_cast<std::size_t>(x)] = true;
            }
        }
    }
    return {static_cast<int>(std::count(rows.begin(), rows.end(), true)),
            static_cast<int>(std::count(columns.begin(), columns.end(), true))};
}

// The caption's ink as its window shows it: the window with the text against the window without it, so
// that whatever covers or clips the label takes its part away. Also gives the background around the text.
Ink shownInk(QLabel* label, QColor& background) {
    QWidget* window = label->window();
    const QImage with = window->grab().toImage();
    const QString text = label->text();
    label->setText(QString());
    const QImage without = window->grab().toImage();
    label->setText(text);
    background = without.pixelColor(label->mapTo(window, label->rect().center()));
    return difference(with, without);
}

// The caption's whole ink: the same text in the same face and colours, underline included, with room all
// round.
Ink wholeInk(const QLabel* label, QColor background) {
    QLabel copy;
    copy.setFont(label->font());
    copy.setTextFormat(label->textFormat());
    QPalette palette = copy.palette();
    palette.setColor(QPalette::WindowText, label->palette().color(QPalette::WindowText));
    palette.setColor(QPalette::Window, background);
    copy.setPalette(palette);
    copy.setAutoFillBackground(true);
    copy.setText(label->text());
    copy.resize(copy.sizeHint() + QSize(20, 20));
    const QImage with = copy.grab().toImage();
    copy.setText(QString());
    return difference(with, copy.grab().toImage());
}

// The labels with text that show in the window and lie uncovered (a button's caption lies in its button).
std::vector<QLabel*> shownCaptions(QWidget* window) {
    std::vector<QLabel*> captions;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text().trimmed().isEmpty() || !label->isVisible()) {
            continue;
        }
        const QWidget* top = window->childAt(label->mapTo(window, label->rect().center()));
        const bool inItsButton =
            label->testAttribute(Qt::WA_TransparentForMouseEvents) && top && top == label->parentWidget();
        if (top == label || inItsButton) {
            captions.push_back(label);
        }
    }
    return captions;
}

void expectWholeCaptions(QWidget* window, const char* state) {
    const std::vector<QLabel*> captions = shownCaptions(window);
    EXPECT_FALSE(captions.empty()) << state;
    for (QLabel* label : captions) {
        QColor background;
        const Ink shown = shownInk(label, background);
        const Ink whole = wholeInk(label, background);
        const std::string name =
            std::string(state) + ": " + label->objectName().toStdString() + " \"" + label->text().toStdString() + "\"";
        EXPECT_GE(shown.rows, whole.rows) << name;
        // Glyphs sit at fractional positions across the line, so their edges may shade one column more or less.
        EXPECT_GE(shown.columns, whole.columns - 1) << name;
    }
}

class CaptionsTest : public ::testing::Test {
protected:
    CaptionsTest() {
        m_window.Form_Initialize();
        EXPECT_TRUE(m_window.Form_Load());
        m_window.show();
        m_window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_window));
    }

    test::TemporaryFolder m_folder;
    test::QtRecordingPlatform m_platform{m_folder.path()};
    FrmMain m_window{m_platform};
};

TEST_F(CaptionsTest, EveryCaptionOfTheMainWindowShowsWhole) {
    expectWholeCaptions(&m_window, "notes page");
    clickAt(centreOf(m_window.pageTab(1)));
    TodoPage& page = *m_window.todoPage();
    expectWholeCaptions(&m_window, "to-do page");

    clickAt(centreOf(page.timeEntry().label6()));
    ASSERT_TRUE(m_window.findChild<QLabel*>("Label7_1")->isVisible());
    expectWholeCaptions(&m_window, "time panel");
    // The chosen mode is underlined.
    clickAt(centreOf(m_window.findChild<QLabel*>("Label7_1")));
    expectWholeCaptions(&m_window, "countdown chosen");

    clickAt(centreOf(m_window.findChild<QLabel*>("Label12")));
    expectWholeCaptions(&m_window, "action panel");
    clickAt(centreOf(m_window.findChild<QLabel*>("Label12")));

    clickAt(centreOf(page.samplesOpener()));
    expectWholeCaptions(&m_window, "sample panel");
}

TEST_F(CaptionsTest, ThePopUpsCaptionsShowWhole) {
    FrmMessage popup(m_platform);
    popup.setTitle(u"待办");
    popup.setMessage(u"体温测量时间到了");
    popup.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&popup));
    expectWholeCaptions(&popup, "pop-up");
}

} // namespace
} // namespace pennoc
