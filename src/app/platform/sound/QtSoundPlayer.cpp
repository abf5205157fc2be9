// The sound module: plays WAV files and our beep through Qt Multimedia.
#include "app/platform/SoundPlayer.h"
#include "app/platform/sound/BeepTone.h"

#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <memory>

namespace pennoc {

namespace {

class QtSoundPlayer : public SoundPlayer {
public:
    void play(const std::filesystem::path& file) override {
        m_effect.stop();
        m_effect.setSource(QUrl::fromLocalFile(QString::fromStdU16String(file.u16string())));
        m_effect.play();
    }

    void stop() override { m_effect.stop(); }
    bool playing() const override { return m_effect.isPlaying(); }

    bool beep() override {
        const QAudioDevice output = QMediaDevices::defaultAudioOutput();
        QAudioFormat format;
        format.setSampleRate(kBeepToneRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        if (output.isNull() || !output.isFormatSupported(format)) {
            return false;
        }
        if (m_tone.isEmpty()) {
            const std::vector<std::int16_t> samples = beepTone();
            m_tone = QByteArray(reinterpret_cast<const char*>(samples.data()),
                                static_cast<qsizetype>(samples.size() * sizeof(std::int16_t)));
        }
        // The sink reads from the buffer while it plays, so it goes first.
        m_beep.reset();
        m_beepData = std::make_unique<QBuffer>(&m_tone);
        m_beepData->open(QIODevice::ReadOnly);
        m_beep = std::make_unique<QAudioSink>(output, format);
        m_beep->start(m_beepData.get());
        return m_beep->error() == QAudio::NoError;
    }

private:
    QSoundEffect m_effect;
    QByteArray m_tone;
    std::unique_ptr<QBuffer> m_beepData;
    std::unique_ptr<QAudioSink> m_beep;
};

} // namespace

} // namespace pennoc

extern "C" Q_DECL_EXPORT pennoc::SoundPlayer* pennoc_create_sound_player() {
    return new pennoc::QtSoundPlayer();
}
