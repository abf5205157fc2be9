#include "windows/DesktopEntry.h"

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
           name +
           "\n"
           "Exec=" +
           desktopEntryExecValue(program) +
           "\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

} // namespace pennoc
