#include "app/core/NoteBook.h"

#include <gtest/gtest.h>

namespace pennoc {
namespace {

using Texts = std::vector<std::u16string>;

TEST(NoteBook, StartsWithOneEmptyTextAndNoNotes) {
    NoteBook book;
    EXPECT_EQ(book.count(), 0);
    EXPECT_EQ(book.noteTexts(), Texts{u""});
    EXPECT_TRUE(book.textsToSave().empty());
    EXPECT_FALSE(book.drawerOpen());
    EXPECT_FALSE(book.editorEnabled());
}

TEST(NoteBook, AddAppendsAnEmptyNoteClosesTheDrawerAndShowsIt) {
    NoteBook book;
    book.load({u"first"});
    book.toggleDrawer(u"");
    ASSERT_TRUE(book.drawerOpen());

    EXPECT_EQ(book.add(), std::optional<std::u16string>(u""));
    EXPECT_EQ(book.titles(), (Texts{u"first", u"#无内容#"}));
    EXPECT_EQ(book.noteTexts(), (Texts{u"first", u""}));
    EXPECT_EQ(book.selection(), 1);
    EXPECT_EQ(book.editorNote(), 1);
    EXPECT_FALSE(book.drawerOpen());
    EXPECT_TRUE(book.editorEnabled());
}

TEST(NoteBook, TheDrawerMovesTextsBetweenEditorAndNotes) {
    NoteBook book;
    book.load({u"one", u"two"});
    book.toggleDrawer(u"");
    book.select(1);
    // Closing with a note selected shows it.
    EXPECT_EQ(book.toggleDrawer(u"ignored"), std::optional<std::u16string>(u"two"));
    EXPECT_TRUE(book.editorEnabled());

    // Typing changes nothing until the drawer opens; then the title follows the text.
    const std::u16string typed = u"abcdefghijklmnopqrstuvwxyz";
    EXPECT_EQ(book.toggleDrawer(typed), std::nullopt);
    EXPECT_EQ(book.noteTexts()[1], typed);
    EXPECT_EQ(book.titles()[1], u"abcdefghijklmnopqrstuvwx...");
    EXPECT_FALSE(book.editorEnabled());

    // A note emptied in the editor gets the placeholder.
    book.toggleDrawer(u"");
    book.toggleDrawer(u"");
    EXPECT_EQ(book.titles()[1], u"#无内容#");
}

TEST(NoteBook, TheEditorsTextGoesBackToItsOwnNoteWhateverIsSelected) {
    NoteBook book;
    book.load({u"one", u"two", u"three"});
    book.toggleDrawer(u"");
    book.select(0);
    book.toggleDrawer(u"");
    // Arrow keys move the selection while the editor still holds note 0.
    book.select(2);
    book.writeBack(u"one, edited");
    EXPECT_EQ(book.noteTexts(), (Texts{u"one, edited", u"two", u"three"}));

    book.toggleDrawer(u"one, edited again");
    EXPECT_EQ(book.noteTexts(), (Texts{u"one, edited again", u"two", u"three"}));
    // Closing the drawer now loads the selected note.
    EXPECT_EQ(book.toggleDrawer(u""), std::optional<std::u16string>(u"three"));
    EXPECT_EQ(book.editorNote(), 2);

    // Nothing in the editor: nothing is written back.
    NoteBook fresh;
    fresh.load({u"kept"});
    fresh.select(0);
    fresh.writeBack(u"stray");
    EXPECT_EQ(fresh.noteTexts(), Texts{u"kept"});
}

TEST(NoteBook, DeleteAndClear) {
    NoteBook book;
    book.load({u"one", u"two", u"three"});
    EXPECT_EQ(book.removeSelected(), std::nullopt); // nothing selected

    book.select(1);
    EXPECT_EQ(book.removeSelected(), std::optional<std::u16string>(u""));
    EXPECT_EQ(book.noteTexts(), (Texts{u"one", u"three"}));
    EXPECT_EQ(book.titles(), (Texts{u"one", u"three"}));
    EXPECT_EQ(book.selection(), std::nullopt);
    EXPECT_EQ(book.editorNote(), std::nullopt);
    EXPECT_FALSE(book.editorEnabled());

    book.select(0);
    book.removeSelected();
    book.select(0);
    book.removeSelected();
    EXPECT_EQ(book.count(), 0);
    EXPECT_EQ(book.noteTexts(), Texts{u""});

    book.load({u"a", u"b"});
    book.clear();
    EXPECT_EQ(book.count(), 0);
    EXPECT_EQ(book.noteTexts(), Texts{u""});
    EXPECT_TRUE(book.textsToSave().empty());
}

TEST(NoteBook, EachNoteKeepsItsOriginThroughRemovalsAdditionsAndSaves) {
    NoteBook book;
    book.load({u"one", u"linked", u"three"}, {11, 12, 13});
    book.select(1);
    book.removeSelected();
    book.add();
    EXPECT_EQ(book.originsToSave(), (std::vector<NoteOrigin>{11, 13, kNewNote}));
    book.recordSaved({11, 13, 14});
    book.select(0);
    book.removeSelected();
    EXPECT_EQ(book.originsToSave(), (std::vector<NoteOrigin>{13, 14}));
    book.clear();
    book.add();
    EXPECT_EQ(book.originsToSave(), std::vector<NoteOrigin>{kNewNote});
}

TEST(NoteBook, TheGuardDisablesTheEditorOnlyWithoutSelection) {
    NoteBook book;
    book.load({u"one"});
    book.toggleDrawer(u"");
    book.select(0);
    book.toggleDrawer(u"");
    book.guardEditor();
    EXPECT_TRUE(book.editorEnabled());
    book.select(std::nullopt);
    book.guardEditor();
    EXPECT_FALSE(book.editorEnabled());
    book.select(5);
    EXPECT_EQ(book.selection(), std::nullopt);
}

} // namespace
} // namespace pennoc
