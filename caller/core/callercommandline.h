#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// The caller's command line:
//   kavelo [--seed S]
//   kavelo --help | --version
struct CallerCommandLine
{
    enum class Mode {
        Window,  // the program with its window
        Help,    // the options listed
        Version, // the program's name and version
        Error,   // the arguments refused; error says why
    };

    static inline const QString Version = QStringLiteral("1.0");
    // The program as users type it: the launcher's name.
    static inline const QString Command = QStringLiteral("kavelo");

    Mode mode = Mode::Window;
    std::optional<std::uint32_t> seed;
    QString error;

    // arguments[0] is the program.
    static CallerCommandLine parse(const QStringList &arguments);
    // The option list for --help.
    static QString helpText();
};
