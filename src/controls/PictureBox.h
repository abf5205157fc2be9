#pragma once

#include "controls/ClickTracker.h"

#include <QPixmap>
#include <QWidget>

namespace pennoc {

// A plain area that reports the pointer over its own bare background (`mouseMoved`), presses on it
// (`mousePressed`) and left clicks (`clicked`), and can show a picture at its top-left corner.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }

Q_SIGNALS:
    void clicked();
    void mouseMoved();
    void mousePressed(Qt::MouseButton button, QPoint globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    ClickTracker m_clicks;
};

} // namespace pennoc
