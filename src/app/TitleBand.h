#pragma once

#include <QObject>
#include <array>

class QLabel;
class QWidget;

namespace pennoc {

class PictureBox;

// The main window's title band: the title `LblFormTitle`, which drags the window, and the buttons `PicMenu`
// (0 close, 1 the menu, never shown, 2 minimise), which light up under the pointer.
class TitleBand : public QObject {
    Q_OBJECT
public:
    // Builds the band on `window`, whose inner width is `innerWidth` twips.
    TitleBand(QWidget* window, int innerWidth);

    PictureBox* button(int index) const { return m_picMenu[static_cast<std::size_t>(index)]; }
    void showResting();
    // The pointer may have left the band while a message box held the input.
    void showUnderPointer();

Q_SIGNALS:
    void buttonClicked(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QLabel* m_lblFormTitle = nullptr;
    std::array<PictureBox*, 3> m_picMenu{};
};

} // namespace pennoc
