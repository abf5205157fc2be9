#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace pennoc {

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

    // The command lines the shut-down-or-sleep kind stores; each platform maps them to its own power calls.
    static constexpr std::u16string_view kShutdownCommand = u"shutdown -s -t 0";
    static constexpr std::u16string_view kSleepCommand = u"rundll32.exe powrprof.dll SetSuspendState";

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

    Type type = Type::Popup;
    std::u16string payload;
};

} // namespace pennoc
