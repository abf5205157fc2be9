#pragma once

#include "app/platform/SoundPlayer.h"

#include <QString>
#include <memory>

namespace pennoc {

// Loads the sound module from `folder` and creates its player. On failure returns nothing and says why in
// `error`; the module stays loaded for the rest of the run once it has been.
std::unique_ptr<SoundPlayer> loadSoundPlayer(const QString& folder, QString& error);

} // namespace pennoc
