// The sound module: plays WAV files through Qt Multimedia.
#include "app/platform/SoundPlayer.h"

#include <QSoundEffect>
#include <QUrl>

namespace pennoc {

namespace {

class QtSoundPlayer : public SoundPlayer {
public:
    void play(const QString& file) override {
        m_effect.stop();
        m_effect.setSource(QUrl::fromLocalFile(file));
        m_effect.play();
    }

    void stop() override { m_effect.stop(); }
    bool playing() const override { return m_effect.isPlaying(); }

private:
    QSoundEffect m_effect;
};

} // namespace

} // namespace pennoc

extern "C" Q_DECL_EXPORT pennoc::SoundPlayer* pennoc_create_sound_player() {
    return new pennoc::QtSoundPlayer();
}
