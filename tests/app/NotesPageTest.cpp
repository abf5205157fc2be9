#include "app/NotesPage.h"

#include "app/DrawerTab.h"
#include "app/WindowInput.h"
#include "controls/ClickableLabel.h"
#include "controls/OutlineShape.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace pennoc {
namespace {

QStringList titles(const QListWidget* list) {
    QStringList result;
    for (int i = 0; i < list->count(); ++i) {
        result << list->item(i)->text();
    }
    return result;
}

class NotesPageTest : public ::testing::Test {
protected:
    NotesPageTest() {
        m_page.resize(408, 444);
        test::showActive(m_page);
    }

    void click(int command) { QTest::mouseClick(m_page.command(command), Qt::LeftButton); }
    void openDrawer() {
        if (!m_page.book().drawerOpen()) {
            QTest::mouseClick(m_page.drawerTab(), Qt::LeftButton);
        }
    }
    // Clicks a row where it shows, as a person does; with Ctrl a highlighted row loses its highlight.
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
        const QRect rect = m_page.list()->visualItemRect(m_page.list()->item(row));
        test::clickAt(m_page, m_page.list()->viewport()->mapTo(&m_page, rect.center()), modifiers);
    }
    void typeIntoEditor(const QString& text) {
        m_page.editor()->selectAll();
        QTest::keyClicks(m_page.editor(), text);
    }

    NoteBook m_book;
    NotesPage m_page{m_book};
};

TEST_F(NotesPageTest, AddShowsANewEmptyNoteInTheEditor) {
    m_page.showLoadedNotes({u"first"});
    openDrawer();
    EXPECT_EQ(m_page.drawerTab()->tag(), QStringLiteral("1"));
    EXPECT_FALSE(m_page.drawerTab()->chevronPointsRight());
    EXPECT_TRUE(m_page.drawerBorder()->isVisibleTo(&m_page));

    click(0);
    EXPECT_EQ(titles(m_page.list()), (QStringList{"first", "#无内容#"}));
    EXPECT_EQ(m_page.list()->currentRow(), 1);
    EXPECT_EQ(m_page.drawerTab()->tag(), QStringLiteral("0"));
    EXPECT_TRUE(m_page.drawerTab()->chevronPointsRight());
    EXPECT_FALSE(m_page.drawerBorder()->isVisibleTo(&m_page));
    EXPECT_EQ(m_page.drawer()->x(), -216);
    EXPECT_TRUE(m_page.editor()->toPlainText().isEmpty());
    EXPECT_TRUE(m_page.editor()->isEnabled());
}

TEST_F(NotesPageTest, EditorLinesAreStoredWithCrLfAndTheTitleFollowsWhenTheDrawerOpens) {
    m_page.showLoadedNotes({});
    openDrawer();
    click(0);
    typeIntoEditor(QStringLiteral("a"));
    QTest::keyClick(m_page.editor(), Qt::Key_Return);
    QTest::keyClicks(m_page.editor(), QStringLiteral("b"));
    EXPECT_EQ(titles(m_page.list()), QStringList{"#无内容#"});

    openDrawer();
    EXPECT_EQ(m_page.book().noteTexts()[0], u"a\r\nb");
    EXPECT_EQ(titles(m_page.list()), QStringList{"a\r\nb"});
    EXPECT_FALSE(m_page.editor()->isEnabled());
    // The editor keeps showing the text while the drawer is open.
    EXPECT_EQ(m_page.editor()->toPlainText(), QStringLiteral("a\nb"));
}

TEST_F(NotesPageTest, SelectingLeavesTheEditorAloneAndDoubleClickShowsTheNote) {
    m_page.showLoadedNotes({u"one\r\ntwo", u"three"});
    openDrawer();
    clickRow(0);
    EXPECT_TRUE(m_page.editor()->toPlainText().isEmpty());

    const QRect row = m_page.list()->visualItemRect(m_page.list()->item(0));
    // A double-click arrives after the press and release of its first click.
    QTest::mouseClick(m_page.list()->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(m_page.list()->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_FALSE(m_page.book().drawerOpen());
    EXPECT_EQ(m_page.editor()->toPlainText(), QStringLiteral("one\ntwo"));
    EXPECT_TRUE(m_page.editor()->isEnabled());
}

TEST_F(NotesPageTest, DeleteTheMiddleNoteByLabelOrKey) {
    m_page.showLoadedNotes({u"one", u"two", u"three"});
    openDrawer();
    clickRow(1);
    click(1);
    EXPECT_EQ(titles(m_page.list()), (QStringList{"one", "three"}));
    EXPECT_EQ(m_page.book().noteTexts(), (std::vector<std::u16string>{u"one", u"three"}));
    EXPECT_EQ(m_page.list()->currentRow(), -1);
    EXPECT_FALSE(m_page.editor()->isEnabled());
    EXPECT_TRUE(m_page.book().drawerOpen());

    // Without a selection the key does nothing; with one it deletes like the label.
    QTest::keyClick(m_page.list(), Qt::Key_Delete);
    EXPECT_EQ(m_page.list()->count(), 2);
    clickRow(0);
    QTest::keyClick(m_page.list(), Qt::Key_Delete);
    EXPECT_EQ(titles(m_page.list()), QStringList{"three"});
}

TEST_F(NotesPageTest, ClearEmptiesEverythingAtOnce) {
    m_page.showLoadedNotes({u"one", u"two"});
    click(2);
    EXPECT_EQ(m_page.list()->count(), 0);
    EXPECT_EQ(m_page.book().noteTexts(), std::vector<std::u16string>{u""});
    EXPECT_FALSE(m_page.editor()->isEnabled());
}

TEST_F(NotesPageTest, TheEditorIsDisabledAsSoonAsNothingIsSelected) {
    m_page.showLoadedNotes({u"one"});
    openDrawer();
    clickRow(0);
    QTest::mouseClick(m_page.drawerTab(), Qt::LeftButton);
    ASSERT_TRUE(m_page.editor()->isEnabled());
    openDrawer();
    clickRow(0, Qt::ControlModifier);
    QTest::mouseClick(m_page.drawerTab(), Qt::LeftButton);
    EXPECT_FALSE(m_page.editor()->isEnabled());
}

} // namespace
} // namespace pennoc
