#pragma once

#include <QIcon>

class QPainter;

namespace pennoc {

// The program's icon, drawn on a 64 × 64 design square scaled to `side` pixels: a note sheet with a folded
// corner on the accent blue. The installed theme icon is generated from this same drawing at build time.
void paintAppIcon(QPainter& painter, int side);

// The icon at the sizes task bars and window switchers ask for.
QIcon appIcon();

} // namespace pennoc
