#include "windows/core/DesktopEntry.h"

namespace pennoc {

std::string desktopEntryExecValue(const std::string& program) {
    // Inside a quoted argument '"', '`', '$' and '\' take a backslash; '%' is doubled for the field-code
    // rule. The value as a whole is then escaped once more as a desktop-entry string ('\' → "\\").
    std::string quoted = "\"";
    for (const char c : program) {
        switch (c) {
        case '"':
        case '`':
        case '$':
        case '\\':
            quoted += '\\';
            quoted += c;
            break;
        case '%':
            quoted += "%%";
            break;
        default:
            quoted += c;
        }
    }
    quoted += '"';

    std::string value;
    for (const char c : quoted) {
        switch (c) {
        case '\\':
            value += "\\\\";
            break;
        case '\n':
            value += "\\n";
            break;
        case '\t':
            value += "\\t";
            break;
        case '\r':
            value += "\\r";
            break;
        default:
            value += c;
        }
    }
    return value;
}

std::string autostartDesktopEntry(const std::string& name, const std::string& program) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" +
           name + "\nExec=" + desktopEntryExecValue(program) +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

std::string applicationDesktopEntry(const std::string& name, const std::string& program, const std::string& icon) {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=" +
           name +
           "\n"
           "Comment=Notes and to-do reminders with timers\n"
           "Comment[zh_CN]=便笺与定时待办提醒\n"
           "Exec=" +
           desktopEntryExecValue(program) + "\nIcon=" + icon +
           "\n"
           "Terminal=false\n"
           "Categories=Utility;\n"
           "Keywords=notes;reminder;todo;timer;\n"
           "X-GNOME-UsesNotifications=true\n";
}

} // namespace pennoc
