#include "app/NotesPage.h"

#include "app/DrawerTab.h"
#include "app/StoredText.h"
#include "controls/ClickableLabel.h"
#include "controls/ColorValue.h"
#include "controls/LabelLook.h"
#include "controls/OutlineShape.h"
#include "controls/QtText.h"
#include "controls/UiLook.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScopedValueRollback>

namespace pennoc {

namespace {

constexpr int kDeleteKey = 46;
constexpr int kDrawerOpenLeft = 0;
constexpr int kDrawerClosedLeft = -3240;
// " 添加 ", " 删除 ", " 清空 ": the text colours at rest and the backgrounds under the pointer.
constexpr ColorValue kCommandColors[] = {colors::kAccent, colors::kDangerRed, colors::kBlack};
constexpr ColorValue kCommandLitColors[] = {colors::kAccent, colors::kDangerRed, colors::kAccent};

} // namespace

NotesPage::NotesPage(QWidget* parent)
    : PictureBox(parent) {
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

    m_picture2 = new PictureBox(this);
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    connect(m_picture2, &PictureBox::mouseMoved, this, &NotesPage::Picture2_MouseMove);
    setColors(m_picture2, colors::kSystemWindow, colors::kSystemWindowText);

    m_shape1 = new OutlineShape(m_picture2);
    m_shape1->setObjectName(QStringLiteral("Shape1"));
    m_shape1->setGeometry(twipsRect(15, 15, 3735 - 30, 6495 - 30));
    m_shape1->setBorderColor(colors::kAccent);

    const QString captions[] = {QStringLiteral(" 添加 "), QStringLiteral(" 删除 "), QStringLiteral(" 清空 ")};
    const int lefts[] = {120, 1080, 2040};
    for (int i = 0; i < 3; ++i) {
        auto* label = new ClickableLabel(captions[i], m_picture2);
        label->setObjectName(QStringLiteral("Label2_%1").arg(i));
        label->setFont(uiFont(12));
        placeLabel(label, twipsRect(lefts[i], 120, 600, 255));
        label->setAlignment(Qt::AlignCenter);
        setColors(label, colors::kWhite, kCommandColors[i]);
        connect(label, &ClickableLabel::clicked, this, [this, i] { Label2_Click(i); });
        connect(label, &ClickableLabel::mouseMoved, this, [this, i] { Label2_MouseMove(i); });
        m_label2[static_cast<std::size_t>(i)] = label;
    }

    m_picture3 = new PictureBox(m_picture2);
    m_picture3->setObjectName(QStringLiteral("Picture3"));
    m_picture3->setGeometry(twipsRect(30, 480, 3240 - 30, 5895 - 30));
    m_list1 = new QListWidget(m_picture3);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setGeometry(twipsRect(-15, -15, 3240, 5895));
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
    m_line2->setGeometry(twipsRect(30, 480 - 45, 3240 - 30, 15));
    setColors(m_line2, colors::kAccent, colors::kAccent);

    m_picture4 = new DrawerTab(m_picture2);
    m_picture4->setObjectName(QStringLiteral("Picture4"));
    m_picture4->setGeometry(twipsRect(3240, 3000, 375, 495));
    setColors(m_picture4, colors::kSystemWindow, colors::kSystemWindowText);
    connect(m_picture4, &PictureBox::clicked, this, &NotesPage::Picture4_Click);
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
    case 0: {
        const std::optional<std::u16string> shown = m_book.add();
        {
            const QScopedValueRollback syncing(m_syncingList, true);
            m_list1->addItem(toQString(m_book.titles().back()));
        }
        showEditorText(shown);
        showSelection();
        break;
    }
    case 1: {
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
    case 2:
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
        Label2_Click(1);
    }
}

void NotesPage::Label2_MouseMove(int index) {
    if (index >= 0 && index < 3) {
        lightUp(command(index), kCommandLitColors[index]);
    }
}

void NotesPage::Picture2_MouseMove() {
    for (int i = 0; i < 3; ++i) {
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
    m_picture2->setGeometry(twipsRect(open ? kDrawerOpenLeft : kDrawerClosedLeft, 0, 3735, 6495));
    m_picture2->raise();
    m_shape1->setVisible(open);
    if (open != (m_picture4->tag() == QStringLiteral("1"))) {
        m_picture4->flip(open);
    }
    m_text1->setEnabled(m_book.editorEnabled());
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
