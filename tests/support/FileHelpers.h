#pragma once

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace pennoc::test {

inline std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A quarter of a second of a 440 Hz tone: 16-bit mono PCM at 8 kHz in a RIFF WAVE file.
inline std::string shortWave() {
    constexpr int kRate = 8000;
    constexpr int kSamples = kRate / 4;
    const auto put = [](std::string& out, unsigned value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out += static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    };
    std::string wave = "RIFF";
    put(wave, 36 + 2 * kSamples, 4);
    wave += "WAVEfmt ";
    put(wave, 16, 4);
    put(wave, 1, 2); // PCM
    put(wave, 1, 2); // mono
    put(wave, kRate, 4);
    put(wave, 2 * kRate, 4);
    put(wave, 2, 2);
    put(wave, 16, 2);
    wave += "data";
    put(wave, 2 * kSamples, 4);
    for (int i = 0; i < kSamples; ++i) {
        const double phase = 2 * 3.14159265358979 * 440 * i / kRate;
        put(wave, static_cast<unsigned>(static_cast<short>(8000 * std::sin(phase))) & 0xFFFF, 2);
    }
    return wave;
}

} // namespace pennoc::test
