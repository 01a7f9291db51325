#pragma once

#include "sheetsetup.h"

#include <QPageSize>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// The sheet program's command line:
//   bingo [--seed S] [--print] [--numbered] [FILE]
//   bingo --sheets N --top T --color blue|red|green [--seed S] [--page-size A4|Letter]
//         [--numbered] --pdf FILE
//   bingo --set-code --seed S --top T
// The first form opens the window (and FILE after the sheets are made); the second writes the
// sheets to a PDF file without any window; the third prints the code of a set.
struct SheetCommandLine
{
    enum class Mode {
        Window,  // the program with its window
        Pdf,     // the sheets written to a file, no window
        Help,    // the options listed
        SetCode, // the code of the set of --seed and --top printed
        Error,   // the arguments refused; error says why
    };

    Mode mode = Mode::Window;
    SheetSetup setup;
    std::optional<std::uint32_t> seed;
    QPageSize::PageSizeId pageSize = QPageSize::A4;
    QString pdfPath;
    QString documentFile;
    bool printDirect = false; // print to the default printer without the dialog, then end
    bool numbered = false;    // each sheet carries its number and the set's code
    QString setCode;          // for Mode::SetCode
    QString error;

    // arguments[0] is the program.
    static SheetCommandLine parse(const QStringList &arguments);
    // The program's own argument bytes; an argument that is not valid UTF-8 text is refused, so
    // that a file name never stands for a file other than the one given.
    static SheetCommandLine parse(int argc, const char *const *argv);
    // The option list for --help.
    static QString helpText();
};
