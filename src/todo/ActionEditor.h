#pragma once

#include "platform/Dialogs.h"

#include <QObject>
#include <QString>
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QWidget;

namespace pennoc {

class ClickableLabel;
class PictureBox;
class SoundOutput;

// The task part of the to-do editor: the task caption `Label11`, its "更改" opener `Label12` and the action
// panel `Picture7`, all children of the to-do page given at construction. The panel's tabs choose the action
// type; "应用" writes it into the task caption, which is the editor's only task state. The sound path, the
// file path and the shut-down/sleep choice stay in the panel for "保存" to read.
class ActionEditor : public QObject {
    Q_OBJECT
public:
    // Builds the controls on `page` in their start state: panel hidden, pop-up tab and "关闭计算机" selected,
    // both paths empty, the task caption naming the pop-up kind.
    ActionEditor(SoundOutput& sound, Dialogs& dialogs, QWidget* page);

    // Where the sound dialog starts; empty leaves it to the dialog. The main window passes the `Sounds`
    // folder when it builds the page and that folder exists.
    void setSoundFolder(const std::filesystem::path& folder);

    std::u16string taskCaption() const;
    // Also widens `Label11` to its new text.
    void setTaskCaption(std::u16string_view caption);
    // The captions of `Label17` and `Label21`.
    std::u16string soundPath() const;
    std::u16string filePath() const;
    // Empties both paths; the dialogs keep their last file names.
    void clearPaths();
    // True while "睡眠计算机" is the selected choice.
    bool sleepSelected() const;

    PictureBox* panel() const { return m_picture7; }
    // The opener and the panel's controls in the order Tab visits them.
    std::vector<QWidget*> tabOrder() const;

    // Hides the panel and nothing else: a sound that plays keeps playing.
    void hidePanel();
    // Puts `Label12` back to white with black text when it is lit, for the page's own mouse moves; a label
    // at rest is not repainted.
    void restoreLabel12();

    // Handlers, named after their controls. Indexes outside a control array do nothing.
    void Label12_Click();
    void Label13_Click(int index);
    void Label18_Click(int index);
    void Label19_Click(int index);
    void Label23_Click();
    void Label22_Click();
    // To be called with every change of the title box `Text2`.
    void Text2_Change(const QString& text);

    void Picture7_MouseMove();
    void Picture8_MouseMove(int index);
    void Label12_MouseMove();
    void Label18_MouseMove(int index);
    void Label22_MouseMove();
    void Label23_MouseMove();

Q_SIGNALS:
    // `Label12` was clicked: the time panel must close, so that at most one panel is open.
    void panelToggled();

private:
    // The state of one open-file dialog: what it asks with and the full path last confirmed in it.
    struct FileDialog {
        OpenFileRequest request;
        QString fileName;
    };

    void buildCaption(QWidget* page);
    void buildPanel(QWidget* page);
    void buildPreview(PictureBox* subPanel);
    void buildPathPanel(PictureBox* subPanel, const QString& labelName, const QString& pathName, QLabel*& path);
    void buildChoices(PictureBox* subPanel);
    ClickableLabel* makeButton(const QString& name, const QString& caption, QWidget* parent, int left, int top,
                               int width);
    // Shows the dialog; the label then shows its file name unless it is still empty.
    void browse(FileDialog& dialog, QLabel* path);

    SoundOutput& m_sound;
    Dialogs& m_dialogs;
    FileDialog m_cd1;
    FileDialog m_cd2;
    QString m_label13Tag;
    QString m_label19Tag;

    QLabel* m_label11 = nullptr;
    ClickableLabel* m_label12 = nullptr;
    PictureBox* m_picture7 = nullptr;
    std::array<ClickableLabel*, 4> m_label13{};
    std::array<PictureBox*, 4> m_picture8{};
    QLabel* m_lblMessage = nullptr;
    QLabel* m_label17 = nullptr;
    QLabel* m_label21 = nullptr;
    std::array<ClickableLabel*, 4> m_label18{};
    std::array<ClickableLabel*, 2> m_label19{};
    ClickableLabel* m_label22 = nullptr;
    ClickableLabel* m_label23 = nullptr;
};

} // namespace pennoc
