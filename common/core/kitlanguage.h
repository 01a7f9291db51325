#pragma once

#include <QProcessEnvironment>

// The kit speaks Japanese, the language its texts are written in, or English.
enum class KitLanguage { Japanese, English };

// The language the environment asks for, read as desktop programs read it: the locale of
// messages is the first of LC_ALL, LC_MESSAGES and LANG that is set. Where that is unset, C or
// POSIX, nothing was chosen and the kit speaks Japanese. Otherwise LANGUAGE, a list such as
// "fr:ja:en", names the languages in the order the user prefers them: the first that the kit
// speaks wins, and a list naming only others gives English. Without LANGUAGE the locale's own
// language decides: Japanese for ja, English for any other.
KitLanguage chooseKitLanguage(const QProcessEnvironment &environment);
