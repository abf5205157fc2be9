#pragma once

#include "controls/PictureBox.h"

#include <QLine>

namespace pennoc {

// The notes drawer's toggle tab (`Picture4`): a chevron of two lines (`Line1`) that points right while the
// drawer is closed and left while it is open. Its tag string is "1" while open and "0" while closed.
class DrawerTab : public PictureBox {
public:
    explicit DrawerTab(QWidget* parent = nullptr);

    QString tag() const { return m_open ? QStringLiteral("1") : QStringLiteral("0"); }
    // Mirrors the chevron: each line swaps its start and end x.
    void flip(bool open);
    bool chevronPointsRight() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_open = false;
    // In twips, relative to the tab.
    QLine m_lines[2] = {QLine(120, 120, 240, 240), QLine(240, 240, 120, 360)};
};

} // namespace pennoc
