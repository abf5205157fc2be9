// The autostart entry's quoting: whatever the program's path, the desktop starts exactly that program, and the
// path cannot add a line to the entry.
//
// Input: the path's bytes.
#include "Property.h"
#include "windows/DesktopEntry.h"
#include "windows/DesktopExecParser.h"

#include <algorithm>
#include <stdexcept>

using namespace pennoc;
using namespace pennoc::fuzz;

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
    const std::string entry = autostartDesktopEntry("pennoc", program);
    requireProperty(std::count(entry.begin(), entry.end(), '\n') == 6 && entry.find('\r') == std::string::npos,
                    "a path cannot add a line to the entry");
    return 0;
}
