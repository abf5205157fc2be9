// Install step: writes the menu entry for the program at its installed path, quoted as the autostart entry is.
#include "controls/QtText.h"
#include "controls/core/AppTexts.h"
#include "windows/core/DesktopEntry.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s INSTALLED-PROGRAM OUTPUT.desktop\n", argv[0]);
        return 2;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << pennoc::applicationDesktopEntry(pennoc::toQString(pennoc::texts::kProgramTitle).toStdString(), argv[1],
                                           pennoc::texts::kMenuEntryName);
    out.close();
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
