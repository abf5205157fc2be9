// A sound module for tests, loaded as the real one is: a machine with an audio output, where every beep is
// heard and counted.
#include "app/platform/SoundPlayer.h"

#include <QtGlobal>

extern "C" {
Q_DECL_EXPORT int pennoc_beeps_heard = 0;
}

namespace {

class RecordingSoundPlayer : public pennoc::SoundPlayer {
public:
    void play(const std::filesystem::path&) override {}
    void stop() override {}
    bool playing() const override { return false; }
    bool beep() override {
        ++pennoc_beeps_heard;
        return true;
    }
};

} // namespace

extern "C" Q_DECL_EXPORT pennoc::SoundPlayer* pennoc_create_sound_player() {
    return new RecordingSoundPlayer();
}
