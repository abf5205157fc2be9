#include "support/QtRecordingPlatform.h"

#include <QCoreApplication>

namespace pennoc::test {

void QtRecordingPlatform::afterTick() {
    if (QCoreApplication::instance()) {
        QCoreApplication::sendPostedEvents();
    }
}

} // namespace pennoc::test
