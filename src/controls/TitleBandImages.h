#pragma once

#include <QPixmap>

namespace pennoc {

// The six 18 × 18 pixel images of the title buttons (`ILFormMenuBar`), 1-based: 1 close at rest, 2 close under
// the pointer, 3 menu at rest, 4 menu under the pointer, 5 minimise at rest, 6 minimise under the pointer.
QPixmap titleBandImage(int index);

} // namespace pennoc
