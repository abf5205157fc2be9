// The sound module on Windows: files through PlaySound, our beep through a wave output of its own, since
// PlaySound plays one sound at a time and the beep must not cut a reminder's music short.
#include "app/platform/SoundPlayer.h"
#include "app/platform/sound/BeepTone.h"

#include <chrono>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>
// mmsystem.h needs the types of windows.h.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
// clang-format on

namespace pennoc {

namespace {

using Clock = std::chrono::steady_clock;

// How long a WAV file plays, from its header; zero where the header cannot be read.
Clock::duration waveLength(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const auto readNumber = [&in] {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            value |= static_cast<std::uint32_t>(in.get() & 0xFF) << (8 * i);
        }
        return value;
    };
    std::string tag(4, '\0');
    const auto readTag = [&in, &tag] { return static_cast<bool>(in.read(tag.data(), 4)); };
    if (!readTag() || tag != "RIFF") {
        return {};
    }
    readNumber(); // the file's size
    if (!readTag() || tag != "WAVE") {
        return {};
    }
    std::uint32_t bytesPerSecond = 0;
    while (readTag()) {
        const std::uint32_t size = readNumber();
        if (tag == "data") {
            if (bytesPerSecond == 0) {
                return {};
            }
            return std::chrono::duration_cast<Clock::duration>(
                std::chrono::duration<double>(static_cast<double>(size) / bytesPerSecond));
        }
        std::uint32_t skip = size + (size & 1);
        if (tag == "fmt " && size >= 12) {
            readNumber(); // format and channels
            readNumber(); // samples a second
            bytesPerSecond = readNumber();
            skip -= 12;
        }
        in.seekg(skip, std::ios::cur);
    }
    return {};
}

class WinSoundPlayer : public SoundPlayer {
public:
    ~WinSoundPlayer() override {
        stop();
        closeBeep();
    }

    void play(const std::filesystem::path& file) override {
        stop();
        if (PlaySoundW(file.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT)) {
            m_playsUntil = Clock::now() + waveLength(file);
        }
    }

    void stop() override {
        PlaySoundW(nullptr, nullptr, 0);
        m_playsUntil = {};
    }

    // PlaySound cannot say when a sound has ended, so the file's own length does.
    bool playing() const override { return Clock::now() < m_playsUntil; }

    bool beep() override {
        closeBeep();
        if (m_tone.empty()) {
            m_tone = beepTone();
        }
        WAVEFORMATEX format{};
        format.wFormatTag = WAVE_FORMAT_PCM;
        format.nChannels = 1;
        format.nSamplesPerSec = kBeepToneRate;
        format.wBitsPerSample = 16;
        format.nBlockAlign = sizeof(std::int16_t);
        format.nAvgBytesPerSec = kBeepToneRate * format.nBlockAlign;
        if (waveOutOpen(&m_beep, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
            m_beep = nullptr;
            return false;
        }
        m_beepHeader = WAVEHDR{};
        m_beepHeader.lpData = reinterpret_cast<LPSTR>(m_tone.data());
        m_beepHeader.dwBufferLength = static_cast<DWORD>(m_tone.size() * sizeof(std::int16_t));
        return waveOutPrepareHeader(m_beep, &m_beepHeader, sizeof m_beepHeader) == MMSYSERR_NOERROR &&
               waveOutWrite(m_beep, &m_beepHeader, sizeof m_beepHeader) == MMSYSERR_NOERROR;
    }

private:
    // The output reads the tone through its header while it plays, so it is closed before either changes.
    void closeBeep() {
        if (m_beep == nullptr) {
            return;
        }
        waveOutReset(m_beep);
        waveOutUnprepareHeader(m_beep, &m_beepHeader, sizeof m_beepHeader);
        waveOutClose(m_beep);
        m_beep = nullptr;
    }

    Clock::time_point m_playsUntil;
    std::vector<std::int16_t> m_tone;
    HWAVEOUT m_beep = nullptr;
    WAVEHDR m_beepHeader{};
};

} // namespace

} // namespace pennoc

extern "C" __declspec(dllexport) pennoc::SoundPlayer* pennoc_create_sound_player() {
    return new pennoc::WinSoundPlayer();
}
