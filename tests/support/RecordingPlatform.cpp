#include "support/RecordingPlatform.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace pennoc::test {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& bytes, char32_t code) {
    const auto byte = [&bytes](char32_t value) { bytes.push_back(static_cast<char>(value)); };
    if (code < 0x80) {
        byte(code);
    } else if (code < 0x800) {
        byte(0xC0 | (code >> 6));
        byte(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        byte(0xE0 | (code >> 12));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    } else {
        byte(0xF0 | (code >> 18));
        byte(0x80 | ((code >> 12) & 0x3F));
        byte(0x80 | ((code >> 6) & 0x3F));
        byte(0x80 | (code & 0x3F));
    }
}

void appendUtf16(std::u16string& text, char32_t code) {
    if (code < 0x10000) {
        text.push_back(static_cast<char16_t>(code));
    } else {
        text.push_back(static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)));
        text.push_back(static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF)));
    }
}

// The length of the UTF-8 sequence that `lead` starts and its payload bits; 0 for a byte that starts none.
std::pair<std::size_t, char32_t> utf8Lead(unsigned char lead) {
    if (lead < 0x80) {
        return {1, lead};
    }
    if (lead >= 0xC2 && lead < 0xE0) {
        return {2, lead & 0x1Fu};
    }
    if (lead >= 0xE0 && lead < 0xF0) {
        return {3, lead & 0x0Fu};
    }
    if (lead >= 0xF0 && lead < 0xF5) {
        return {4, lead & 0x07u};
    }
    return {0, 0};
}

} // namespace

// Half a surrogate pair, or a broken UTF-8 sequence, becomes U+FFFD, as Qt's conversions do.
std::string utf8(std::u16string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t unit = text[i];
        if (unit >= 0xD800 && unit < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            appendUtf8(bytes, 0x10000 + ((unit - 0xD800) << 10) + (text[++i] - 0xDC00));
        } else if (unit >= 0xD800 && unit < 0xE000) {
            appendUtf8(bytes, kReplacement);
        } else {
            appendUtf8(bytes, unit);
        }
    }
    return bytes;
}

std::u16string utf16(std::string_view text) {
    std::u16string result;
    for (std::size_t i = 0; i < text.size();) {
        auto [length, code] = utf8Lead(static_cast<unsigned char>(text[i]));
        bool valid = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3Fu);
        }
        const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        valid = valid && code >= smallest[length] && code < 0x110000 && (code < 0xD800 || code >= 0xE000);
        appendUtf16(result, valid ? code : kReplacement);
        i += valid ? length : 1;
    }
    return result;
}

class FakeTimer : public PeriodicTimer {
public:
    FakeTimer(RecordingPlatform& platform, std::chrono::milliseconds interval, std::function<void()> onTick)
        : m_platform(platform)
        , m_interval(interval)
        , m_onTick(std::move(onTick)) {
        m_platform.m_timers.push_back(this);
    }

    ~FakeTimer() override { std::erase(m_platform.m_timers, this); }

    void start() override { m_active = true; }
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }

    std::chrono::milliseconds interval() const { return m_interval; }

    // Like Qt, which delivers no timeout of a timer while its previous one is still being handled (a modal
    // window opened inside the handler, say).
    void fire() {
        if (m_firing) {
            return;
        }
        m_firing = true;
        try {
            m_onTick();
        } catch (...) {
            m_firing = false;
            throw;
        }
        m_firing = false;
    }

private:
    RecordingPlatform& m_platform;
    std::chrono::milliseconds m_interval;
    std::function<void()> m_onTick;
    bool m_active = false;
    bool m_firing = false;
};

RecordingPlatform::RecordingPlatform(std::filesystem::path programFolder)
    : m_programFolder(std::move(programFolder)) {}

RecordingPlatform::~RecordingPlatform() = default;

std::unique_ptr<PeriodicTimer> RecordingPlatform::createTimer(std::chrono::milliseconds interval,
                                                              std::function<void()> onTick) {
    return std::make_unique<FakeTimer>(*this, interval, std::move(onTick));
}

void RecordingPlatform::tick(std::chrono::milliseconds interval, int times) {
    for (int i = 0; i < times; ++i) {
        fakeClocks.pass(interval);
        // A tick may create or destroy timers, so the running ones are picked before any fires.
        std::vector<FakeTimer*> due;
        for (FakeTimer* timer : m_timers) {
            if (timer->isActive() && timer->interval() == interval) {
                due.push_back(timer);
            }
        }
        for (FakeTimer* timer : due) {
            if (std::find(m_timers.begin(), m_timers.end(), timer) != m_timers.end()) {
                timer->fire();
            }
        }
        afterTick();
    }
}

bool RecordingPlatform::timerRunning(std::chrono::milliseconds interval) const {
    return std::any_of(m_timers.begin(), m_timers.end(),
                       [&](const FakeTimer* timer) { return timer->isActive() && timer->interval() == interval; });
}

int RecordingPlatform::count(const std::string& callPrefix) const {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                          [&](const std::string& call) { return call.starts_with(callPrefix); }));
}

void RecordingPlatform::record(std::string call) {
    calls.push_back(call);
    if (onCall) {
        onCall(call);
    }
}

void RecordingPlatform::playSound(const std::filesystem::path& file) {
    record("playSound " + file.string());
}

void RecordingPlatform::stopSound() {
    record("stopSound");
}

void RecordingPlatform::beep() {
    record("beep");
}

void RecordingPlatform::openWithSystem(const std::u16string& target) {
    record("open " + utf8(target));
}

void RecordingPlatform::startHiddenCommand(const std::u16string& commandLine) {
    record("command " + utf8(commandLine));
}

void RecordingPlatform::powerOff() {
    record("powerOff");
}

void RecordingPlatform::suspend() {
    record("suspend");
}

const TextCodec& RecordingPlatform::textCodec() const {
    throw std::logic_error("The core's recording platform has no text codec; storage tests use the real one.");
}

void RecordingPlatform::registerAutoRun() {
    record("registerAutoRun");
}

void RecordingPlatform::unregisterAutoRun() {
    record("unregisterAutoRun");
}

void RecordingPlatform::showErrorMessage(const std::u16string& title, const std::u16string& text) {
    record("error " + utf8(title) + "|" + utf8(text));
    keepDialogOpen();
}

bool RecordingPlatform::askToConfirm(const std::u16string& title, const std::u16string& text) {
    record("confirm " + utf8(title) + "|" + utf8(text));
    keepDialogOpen();
    return confirmAnswer;
}

std::optional<std::filesystem::path> RecordingPlatform::chooseFileToOpen(const OpenFileRequest& request) {
    dialogRequests.push_back(request);
    record("dialog " + utf8(request.title));
    keepDialogOpen();
    if (dialogAnswers.empty()) {
        return std::nullopt;
    }
    std::optional<std::filesystem::path> answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return answer;
}

std::filesystem::path RecordingPlatform::createRescueFolder() {
    const std::filesystem::path folder = m_programFolder / ("Rescue" + std::to_string(++m_rescueFolders));
    std::filesystem::create_directory(folder);
    record("rescueFolder " + folder.string());
    return folder;
}

void RecordingPlatform::keepDialogOpen() {
    if (auto whileOpen = std::exchange(whileDialogOpen, nullptr)) {
        whileOpen();
    }
}

void RecordingPlatform::reportToConsole(const std::u16string& text) {
    record("console " + utf8(text));
}

} // namespace pennoc::test
