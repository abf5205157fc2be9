#pragma once

class QCoreApplication;
class QTranslator;

namespace pennoc {

// Makes Qt's own dialogs and buttons ("OK", "Yes", "No", the file dialog) speak Simplified Chinese, like the
// rest of the program, whatever the system's language. Uses the translations Qt ships; without them the
// texts stay English. Returns the installed translator, owned by `app`, or null when none was found.
QTranslator* installQtTranslations(QCoreApplication& app);

} // namespace pennoc
