#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pennoc {

class DesktopShell;
class SoundOutput;

// A reminder's action as stored with it: one type digit followed by the payload, stored as it is. This type
// owns the stored form in both directions and the caption that names each kind in the action panel.
struct TaskAction {
    enum class Type { Popup, PlaySound, HiddenCommand, OpenWithSystem, None };

    struct Kind {
        Type type;
        char16_t digit;
        std::u16string_view caption;
    };
    // The kinds a reminder can be given, in the action panel's tab order.
    static constexpr std::array<Kind, 4> kKinds{{
        {Type::Popup, u'0', u"弹出提示"},
        {Type::PlaySound, u'1', u"播放指定声音"},
        {Type::HiddenCommand, u'2', u"关机或睡眠"},
        {Type::OpenWithSystem, u'3', u"打开文件或程序"},
    }};

    // The command lines the shut-down-or-sleep kind stores; running one powers off or suspends the machine the
    // platform's way, any other runs as it stands.
    static constexpr std::u16string_view kShutdownCommand = u"shutdown -s -t 0";
    static constexpr std::u16string_view kSleepCommand = u"rundll32.exe powrprof.dll SetSuspendState";

    // The title of every reminder's pop-up window.
    static constexpr std::u16string_view kPopupTitle = u"待办";

    // Opens the pop-up window with the message under the title; the window stays open after the call until
    // the user closes it.
    using ShowPopup = std::function<void(const std::u16string& message, const std::u16string& title)>;

    // The type is the leading numeric value of the first character: a kind's digit gives that kind, "4" to
    // "9" run nothing, and any other character (or none) counts as a pop-up. The payload is everything after
    // the first character, possibly empty.
    static TaskAction read(std::u16string_view stored);
    // The kind whose caption is `caption`; nothing for any other text.
    static std::optional<Type> typeOfCaption(std::u16string_view caption);
    static std::u16string_view captionOf(Type type);

    // The stored form: the kind's digit and the payload. Type::None has no stored form of its own and is
    // written as a pop-up.
    std::u16string stored() const;
    // Shutting down or sleeping: the notes must be safe on disk before it runs.
    bool isPowerAction() const { return type == Type::HiddenCommand; }

    // Runs the action: by type a pop-up with the payload under kPopupTitle, the payload played as a sound
    // file (playSoundFile), started as a hidden command line, or opened with the system; Type::None runs
    // nothing. Every call returns at once. True when the action goes on after the call: a pop-up is open
    // until the user closes it.
    bool run(DesktopShell& shell, SoundOutput& sound, const ShowPopup& showPopup) const;

    // Plays the sound file in the background when an ordinary file exists at `path`; a path that names no
    // such file (an empty one, a folder, a missing file, one the system cannot spell) plays nothing, silently.
    static void playSoundFile(SoundOutput& sound, std::u16string_view path);

    Type type = Type::Popup;
    std::u16string payload;
};

} // namespace pennoc
