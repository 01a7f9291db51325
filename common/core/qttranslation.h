#pragma once

#include "kitlanguage.h"

class QCoreApplication;
class QString;

// Loads Qt's own Japanese texts (standard buttons, the file, print and preview dialogs), so that
// what Qt draws speaks the language of the programs. Where the translation is not installed,
// Qt's English texts stay.
void installQtJapanese(QCoreApplication &app);

// Makes the application speak the language: in Japanese the programs' texts stay as written and
// Qt's own texts are Japanese; in English the program's catalogue (":/i18n/<catalogue>_en.qm",
// built into the program) turns its texts into English, and Qt's own texts are English already.
// False where the English catalogue cannot be loaded.
bool installKitTranslations(QCoreApplication &app, KitLanguage language, const QString &catalogue);
// The same in the language the process's environment asks for.
bool installKitTranslations(QCoreApplication &app, const QString &catalogue);
