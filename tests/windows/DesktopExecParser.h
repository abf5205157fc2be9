#pragma once

#include <string>
#include <vector>

namespace pennoc::test {

// Reads an Exec value back the way a desktop environment does: string unescaping first, then the quoting
// rules of the Exec key, then field codes. Gives the program and its arguments.
inline std::vector<std::string> parseDesktopExec(const std::string& value) {
    std::string unescaped;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char next = value[++i];
            unescaped += next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : next;
        } else {
            unescaped += value[i];
        }
    }
    std::vector<std::string> arguments;
    std::string current;
    bool inQuotes = false;
    bool any = false;
    for (std::size_t i = 0; i < unescaped.size(); ++i) {
        const char c = unescaped[i];
        if (inQuotes) {
            if (c == '\\' && i + 1 < unescaped.size()) {
                current += unescaped[++i];
            } else if (c == '"') {
                inQuotes = false;
            } else {
                current += c;
            }
        } else if (c == '"') {
            inQuotes = true;
            any = true;
        } else if (c == ' ') {
            if (any) {
                arguments.push_back(current);
            }
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (any) {
        arguments.push_back(current);
    }
    for (std::string& argument : arguments) {
        std::string fields;
        for (std::size_t i = 0; i < argument.size(); ++i) {
            fields += argument[i];
            if (argument[i] == '%' && i + 1 < argument.size() && argument[i + 1] == '%') {
                ++i;
            }
        }
        argument = fields;
    }
    return arguments;
}

} // namespace pennoc::test
