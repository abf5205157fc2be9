#include "support/RecordingPlatform.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QString>
#include <algorithm>

namespace pennoc::test {

std::string utf8(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

std::u16string utf16(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdU16String();
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
        const auto done = qScopeGuard([this] { m_firing = false; });
        m_onTick();
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
        // The real event loop handles what the handlers posted before the next timeout comes.
        if (QCoreApplication::instance()) {
            QCoreApplication::sendPostedEvents();
        }
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
