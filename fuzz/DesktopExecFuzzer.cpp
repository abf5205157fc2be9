// The desktop entries' quoting: whatever the program's path, the desktop starts exactly that program, and the
// path cannot add a line to the autostart entry or the menu entry.
//
// Input: the path's bytes.
#include "Property.h"
#include "windows/DesktopExecParser.h"
#include "windows/core/DesktopEntry.h"

#include <algorithm>
#include <stdexcept>

using namespace pennoc;
using namespace pennoc::fuzz;

namespace {

constexpr const char* kPlainProgram = "/usr/bin/pennoc";

// Line feeds and carriage returns: either would start a line of its own in the entry.
std::ptrdiff_t lineBreaks(const std::string& entry) {
    return std::count_if(entry.begin(), entry.end(), [](char c) { return c == '\n' || c == '\r'; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string program(reinterpret_cast<const char*>(data), size);
    if (program.find('\0') != std::string::npos) {
        return 0; // No path holds a NUL.
    }
    try {
        requireProperty(test::parseDesktopExec(desktopEntryExecValue(program)) == std::vector<std::string>{program},
                        "the desktop starts exactly the program");
    } catch (const std::invalid_argument& error) {
        requireProperty(false, error.what());
    }
    requireProperty(lineBreaks(autostartDesktopEntry("pennoc", program)) ==
                        lineBreaks(autostartDesktopEntry("pennoc", kPlainProgram)),
                    "a path cannot add a line to the autostart entry");
    requireProperty(lineBreaks(applicationDesktopEntry("pennoc", program, "pennoc")) ==
                        lineBreaks(applicationDesktopEntry("pennoc", kPlainProgram, "pennoc")),
                    "a path cannot add a line to the menu entry");
    return 0;
}
