#pragma once

#include "windows/FrmMessage.h"

#include <QApplication>
#include <vector>

namespace pennoc::test {

// The reminder pop-ups on the screen now, oldest first as Qt lists its windows.
inline std::vector<FrmMessage*> openPopups() {
    std::vector<FrmMessage*> popups;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* popup = qobject_cast<FrmMessage*>(widget); popup && popup->isVisible()) {
            popups.push_back(popup);
        }
    }
    return popups;
}

} // namespace pennoc::test
