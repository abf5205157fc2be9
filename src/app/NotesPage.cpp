#include "app/NotesPage.h"

#include "app/DrawerTab.h"
#include "app/core/StoredText.h"
#include "controls/ClickableLabel.h"
#include "controls/KeyboardPress.h"
#include "controls/LabelLook.h"
#include "controls/OutlineShape.h"
#include "controls/QtText.h"
#include "controls/UiLook.h"
#include "controls/core/ColorValue.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <initializer_list>

namespace pennoc {

namespace {

constexpr int kDeleteKey = 46;
// The drawer `Picture2`, in twips: the list's width is what shows of it when it is closed.
constexpr int kDrawerWidth = 3735;
constexpr int kDrawerHeight = 6495;
constexpr int kListWidth = 3240;
constexpr int kDrawerClosedLeft = -kListWidth;
// " 添加 ", " 删除 ", " 清空 ": the text colours at rest and the backgrounds under the pointer.
constexpr ColorValue kCommandColors[] = {colors::kAccent, colors::kDangerRed, colors::kBlack};
constexpr ColorValue kCommandLitColors[] = {colors::kAccent, colors::kDangerRed, colors::kAccent};
constexpr int kCommandLefts[] = {120, 1080, 2040};

} // namespace

NotesPage::NotesPage(NoteBook& book, QWidget* parent)
    : PictureBox(parent)
    , m_book(book) {
    setObjectName(QStringLiteral("Picture1_0"));
    build();
    showDrawerAndEditor();
}

void NotesPage::build() {
    setColors(this, colors::kSystemWindow, colors::kSystemWindowText);

    m_text1 = new QPlainTextEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(twipsRect(600, 120, 5415, 6255));
    m_text1->setFont(uiFont(12));
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text1->setAccessibleName(QStringLiteral("便笺内容"));
    // Tab leaves the note like any other field; Ctrl+Tab types a tab.
    m_text1->setTabChangesFocus(true);
    m_text1->installEventFilter(this);

    m_picture2 = new PictureBox(this);
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    connect(m_picture2, &PictureBox::mouseMoved, this, &NotesPage::Picture2_MouseMove);
    setColors(m_picture2, colors::kSystemWindow, colors::kSystemWindowText);

    m_shape1 = new OutlineShape(m_picture2);
    m_shape1->setObjectName(QStringLiteral("Shape1"));
    m_shape1->setGeometry(twipsRect(15, 15, kDrawerWidth - 30, kDrawerHeight - 30));
    m_shape1->setBorderColor(colors::kAccent);

    const QString captions[] = {QStringLiteral(" 添加 "), QStringLiteral(" 删除 "), QStringLiteral(" 清空 ")};
    for (int i = 0; i < kCommandCount; ++i) {
        auto* label = new ClickableLabel(captions[i], m_picture2);
        label->setObjectName(QStringLiteral("Label2_%1").arg(i));
        label->setFont(uiFont(12));
        label->setAlignment(Qt::AlignCenter);
        setColors(label, colors::kWhite, kCommandColors[i]);
        connect(label, &ClickableLabel::clicked, this, [this, i] { Label2_Click(i); });
        connect(label, &ClickableLabel::mouseMoved, this, [this, i] { Label2_MouseMove(i); });
        m_label2[static_cast<std::size_t>(i)] = label;
    }

    m_picture3 = new PictureBox(m_picture2);
    m_picture3->setObjectName(QStringLiteral("Picture3"));
    m_picture3->setGeometry(twipsRect(30, 480, kListWidth - 30, 5895 - 30));
    m_list1 = new QListWidget(m_picture3);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setGeometry(twipsRect(-15, -15, kListWidth, 5895));
    m_list1->setFont(uiFont(12));
    m_list1->setAccessibleName(QStringLiteral("便笺列表"));
    m_list1->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list1->installEventFilter(this);
    // The selection is the highlighted row. The current row is not: the list makes its first row current,
    // without highlighting it, as soon as it takes the focus.
    connect(m_list1->selectionModel(), &QItemSelectionModel::selectionChanged, this, &NotesPage::onSelectionChanged);
    connect(m_list1, &QListWidget::itemDoubleClicked, this, [this] { List1_DblClick(); });

    m_line2 = new QFrame(m_picture2);
    m_line2->setObjectName(QStringLiteral("Line2"));
    m_line2->setGeometry(twipsRect(30, 480 - 45, kListWidth - 30, 15));
    setColors(m_line2, colors::kAccent, colors::kAccent);

    m_picture4 = new DrawerTab(m_picture2);
    m_picture4->setObjectName(QStringLiteral("Picture4"));
    m_picture4->setGeometry(twipsRect(kListWidth, 3000, 375, 495));
    setColors(m_picture4, colors::kSystemWindow, colors::kSystemWindowText);
    connect(m_picture4, &PictureBox::clicked, this, &NotesPage::Picture4_Click);
    pressWithKeys(m_picture4, [this] { Q_EMIT m_picture4->clicked(); });
}

std::vector<QWidget*> NotesPage::tabOrder() const {
    // Left to right as the page shows them; the closed drawer's hidden part drops out by itself.
    return {m_picture4, m_label2[0], m_label2[1], m_label2[2], m_list1, m_text1};
}

void NotesPage::showLoadedNotes(std::vector<std::u16string> texts, std::vector<NoteOrigin> origins) {
    m_book.load(std::move(texts), std::move(origins));
    {
        const QScopedValueRollback syncing(m_syncingList, true);
        m_list1->clear();
        for (const std::u16string& title : m_book.titles()) {
            m_list1->addItem(toQString(title));
        }
        m_list1->setCurrentRow(-1);
    }
    showEditorText(std::u16string());
    showDrawerAndEditor();
}

void NotesPage::writeBackEditor() {
    m_book.writeBack(editorText());
}

void NotesPage::Label2_Click(int index) {
    switch (index) {
    case kAddNote: {
        const std::optional<std::u16string> shown = m_book.add();
        {
            const QScopedValueRollback syncing(m_syncingList, true);
            m_list1->addItem(toQString(m_book.titles().back()));
        }
        showEditorText(shown);
        showSelection();
        break;
    }
    case kDeleteNote: {
        const std::optional<int> removed = m_book.selection();
        const std::optional<std::u16string> shown = m_book.removeSelected();
        if (!shown) {
            return;
        }
        {
            const QScopedValueRollback syncing(m_syncingList, true);
            delete m_list1->takeItem(*removed);
        }
        showEditorText(shown);
        showSelection();
        break;
    }
    case kClearNotes:
        m_book.clear();
        {
            const QScopedValueRollback syncing(m_syncingList, true);
            m_list1->clear();
        }
        showEditorText(std::u16string());
        showSelection();
        break;
    default:
        return;
    }
    showDrawerAndEditor();
}

void NotesPage::Picture4_Click() {
    const std::optional<int> editorNote = m_book.editorNote();
    showEditorText(m_book.toggleDrawer(editorText()));
    if (m_book.drawerOpen() && editorNote) {
        m_list1->item(*editorNote)->setText(toQString(m_book.titles()[static_cast<std::size_t>(*editorNote)]));
    }
    showDrawerAndEditor();
}

void NotesPage::List1_DblClick() {
    if (m_book.count() > 0 && m_book.selection()) {
        Picture4_Click();
    }
}

void NotesPage::List1_KeyDown(int keyCode, int) {
    if (keyCode == kDeleteKey && m_book.count() > 0 && m_book.selection()) {
        Label2_Click(kDeleteNote);
    }
}

void NotesPage::Label2_MouseMove(int index) {
    if (index >= 0 && index < kCommandCount) {
        lightUp(command(index), kCommandLitColors[index]);
    }
}

void NotesPage::Picture2_MouseMove() {
    for (int i = 0; i < kCommandCount; ++i) {
        putBackIfLit(command(i), kCommandLitColors[i], kCommandColors[i]);
    }
}

void NotesPage::setEditorGuardActive(bool active) {
    m_guardActive = active;
    if (active) {
        Timer1_Timer();
    }
}

void NotesPage::Timer1_Timer() {
    m_book.guardEditor();
    m_text1->setEnabled(m_book.editorEnabled());
}

bool NotesPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_text1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::ControlModifier) {
            m_text1->insertPlainText(QStringLiteral("\t"));
            return true;
        }
    }
    if (watched == m_list1 && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete) {
            // Shift, Ctrl and Alt sit next to each other in Qt's modifier bits, in the order 1, 2, 4.
            List1_KeyDown(kDeleteKey, static_cast<int>(key->modifiers() >> 25));
            return true;
        }
    }
    return PictureBox::eventFilter(watched, event);
}

std::u16string NotesPage::editorText() const {
    return editorTextToNote(m_text1->toPlainText().toStdU16String());
}

void NotesPage::showEditorText(const std::optional<std::u16string>& text) {
    if (text) {
        m_text1->setPlainText(toQString(noteTextToEditor(*text)));
    }
}

void NotesPage::showSelection() {
    const QScopedValueRollback syncing(m_syncingList, true);
    if (m_book.selection()) {
        m_list1->setCurrentRow(*m_book.selection());
    } else {
        m_list1->setCurrentRow(-1);
        m_list1->clearSelection();
    }
}

void NotesPage::showDrawerAndEditor() {
    const bool open = m_book.drawerOpen();
    const bool closing = !open && !m_picture3->isHidden();
    const QWidget* focused = window()->focusWidget();
    const bool focusInDrawer = focused && focused != m_picture4 && m_picture2->isAncestorOf(focused);
    m_picture2->setGeometry(twipsRect(open ? 0 : kDrawerClosedLeft, 0, kDrawerWidth, kDrawerHeight));
    m_picture2->raise();
    m_shape1->setVisible(open);
    // The closed drawer's part beyond the page's edge is hidden as well, so that no key can act on it.
    for (QWidget* part : std::initializer_list<QWidget*>{m_picture3, m_line2, m_label2[0], m_label2[1], m_label2[2]}) {
        part->setVisible(open);
    }
    // Placed as the drawer opens: measuring the captions loads glyphs from the font file, which a start with the
    // drawer closed would keep in memory for nothing.
    for (int i = 0; open && i < kCommandCount; ++i) {
        placeLabel(m_label2[static_cast<std::size_t>(i)], twipsRect(kCommandLefts[i], 120, 600, 255));
    }
    if (open != (m_picture4->tag() == QStringLiteral("1"))) {
        m_picture4->flip(open);
    }
    m_text1->setEnabled(m_book.editorEnabled());
    // The keys follow the eyes: into the note that just came up, or onto the tab that brings the list back.
    if (closing && m_book.editorEnabled()) {
        m_text1->setFocus(Qt::OtherFocusReason);
    } else if (focusInDrawer && !open) {
        m_picture4->setFocus(Qt::OtherFocusReason);
    }
}

std::optional<int> NotesPage::highlightedRow() const {
    const QModelIndexList rows = m_list1->selectionModel()->selectedRows();
    return rows.isEmpty() ? std::nullopt : std::optional<int>(rows.first().row());
}

void NotesPage::onSelectionChanged() {
    if (m_syncingList) {
        return;
    }
    m_book.select(highlightedRow());
    if (m_guardActive) {
        Timer1_Timer();
    }
}

} // namespace pennoc
