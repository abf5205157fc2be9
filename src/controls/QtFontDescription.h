#pragma once

#include "controls/core/FontDescription.h"

#include <QFont>

namespace pennoc {

// What the property store keeps of a font. describeFont(toQFont(d)) == d for every description taken from a
// QFont, so a stored font compares equal to its default after a round trip.
FontDescription describeFont(const QFont& font);
QFont toQFont(const FontDescription& description);

} // namespace pennoc
