#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>
#include <string>

class QFrame;
class QLabel;

namespace pennoc {

class SoundOutput;

// The pop-up reminder window: a message, a title and an OK label in a frameless, topmost window that draws
// its own title band and close box and is modal to the whole program.
//
// Constructing the window loads it: it is laid out, made topmost, centred on the primary screen and beeps
// once. The caller then sets the texts and shows it. A click on the close box or on the OK label closes the
// window, and a closed window deletes itself. Enter and Escape alone do nothing; Tab reaches the OK label and
// the close box, which Enter or Space then press.
class FrmMessage : public QWidget {
    Q_OBJECT

public:
    // A position and size in twips, in the coordinates of the element's container.
    struct TwipsBox {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;

        bool operator==(const TwipsBox&) const = default;
    };

    // Where the load step puts the elements. The rectangle framing the OK label shares its box.
    struct Layout {
        TwipsBox picInterface;
        TwipsBox picClose;
        TwipsBox lblMessage;
        TwipsBox lblConfirm;
    };

    // Design sizes in twips of the OK label, shared with the action panel's preview.
    static constexpr int kConfirmWidth = 645;
    static constexpr int kConfirmHeight = 285;

    // The load step's placement for a window of the given inner size, a square close box of `closeSize` and
    // an OK label of the given size, all in twips. Computed in single precision, rounded to whole twips.
    static Layout layOut(int width, int height, int closeSize, int confirmWidth, int confirmHeight);

    explicit FrmMessage(SoundOutput& sound);

    // The geometry the load step gave the elements, in twips.
    const Layout& layout() const { return m_layout; }

    // The message wraps at the message area's width and is cut at its bottom; the area never changes size.
    void setMessage(const std::u16string& message);
    // The title stays on one line; its label grows to the text's width and may run under the close box.
    void setTitle(const std::u16string& title);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // The window is named "<title>：<message>" for the window system.
    void nameWindow();
    void placeTitle();
    void Form_Load();
    void Form_MouseDown(const QMouseEvent& event);
    void Form_MouseMove();
    void LblFormTitle_MouseDown(const QMouseEvent& event);
    void PicClose_MouseMove();
    void PicClose_Click();
    void LblConfirm_Click();
    void LblConfirm_MouseMove();
    void PicInterface_MouseMove();

    int confirmWidth() const;
    void placeAtScreenCentre();

    SoundOutput& m_sound;
    // The close box's images: normal, and under the pointer.
    std::array<QPixmap, 2> m_menuBar;
    Layout m_layout;

    QLabel* m_lblFormTitle = nullptr;
    QLabel* m_picClose = nullptr;
    QWidget* m_picInterface = nullptr;
    QLabel* m_lblMessage = nullptr;
    QLabel* m_lblConfirm = nullptr;
    QFrame* m_shpConfirm = nullptr;
};

} // namespace pennoc
