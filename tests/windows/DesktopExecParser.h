#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pennoc::test {

// Reads an Exec value back the way a desktop environment does: string unescaping first, then the quoting
// rules of the Exec key, then field codes. Gives the program and its arguments.
//
// Anything the rules leave undefined (a character inside quotes that must be escaped but is not, a stray
// backslash, an unclosed quote) throws std::invalid_argument, as does a field code the rules do not know.
// The entry is taken as started without files, so every field code ("%f", "%U", …) expands to nothing and
// "%%" gives "%".
inline std::vector<std::string> parseDesktopExec(const std::string& value) {
    std::string unescaped;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char next = value[++i];
            unescaped += next == 's' ? ' ' : next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : next;
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
            // Inside quotes '"', '`', '$' and '\\' must be escaped with a backslash, and nothing else may be.
            const std::string_view escapable = "\"`$\\";
            if (c == '\\') {
                if (i + 1 == unescaped.size() || escapable.find(unescaped[i + 1]) == std::string_view::npos) {
                    throw std::invalid_argument("Exec value with a stray backslash: " + value);
                }
                current += unescaped[++i];
            } else if (c == '"') {
                inQuotes = false;
            } else if (c == '`' || c == '$') {
                throw std::invalid_argument("Exec value with an unescaped '`' or '$': " + value);
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
    if (inQuotes) {
        throw std::invalid_argument("Exec value with an unclosed quote: " + value);
    }
    if (any) {
        arguments.push_back(current);
    }
    const std::string_view fieldCodes = "fFuUdDnNickvm";
    for (std::string& argument : arguments) {
        std::string expanded;
        for (std::size_t i = 0; i < argument.size(); ++i) {
            if (argument[i] != '%') {
                expanded += argument[i];
                continue;
            }
            const char code = i + 1 < argument.size() ? argument[++i] : '\0';
            if (code == '%') {
                expanded += '%';
            } else if (code == '\0' || fieldCodes.find(code) == std::string_view::npos) {
                throw std::invalid_argument("Exec value with an invalid field code: " + value);
            }
        }
        argument = expanded;
    }
    return arguments;
}

} // namespace pennoc::test
