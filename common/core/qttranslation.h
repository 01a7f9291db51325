#pragma once

class QCoreApplication;

// Loads Qt's own Japanese texts (standard buttons, the file, print and preview dialogs), so that
// what Qt draws speaks the language of the programs. Where the translation is not installed,
// Qt's English texts stay.
void installQtJapanese(QCoreApplication &app);
