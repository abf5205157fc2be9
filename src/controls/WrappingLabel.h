#pragma once

#include <QLabel>

namespace pennoc {

// A label that also breaks a word wider than its line, so a long unbroken text (a path, a link) is cut only
// at the bottom and never at the right edge. Shown as plain text.
class WrappingLabel : public QLabel {
public:
    explicit WrappingLabel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace pennoc
