#pragma once

#include <QString>

#include <optional>

// What a program needs of the process's limits before it starts its work.

// The files either program keeps open at once: its fonts, the display and sound server
// connections, the files it reads and writes. With fewer, fonts fail to load (windows without
// text, drawing that crashes), so the program refuses to start instead.
inline constexpr int MinOpenFiles = 64;

// Raises the limit on open files to MinOpenFiles where it is lower and the hard limit allows;
// otherwise returns why the program cannot run, in the user's language once the translations
// are in place.
std::optional<QString> openFilesRefusal();

// The message for memory that ran out (std::bad_alloc), where nothing better can be done than
// ending cleanly.
QString outOfMemory();
