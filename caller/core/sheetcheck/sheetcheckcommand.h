#pragma once

#include "sheetrules.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

// The sheet check for scripts, without a window:
//   Kavelo --check-sheet CODE NUMBER --called 12,5,33,...
// prints the sheet (five rows of five numbers, the star as "*") and the verdict.
struct SheetCheckOutput
{
    static constexpr int LineComplete = 0;
    static constexpr int NoLine = 1;
    static constexpr int BadInput = 2;

    int exitCode = BadInput;
    QString out; // for standard output
    QString err; // for standard error
};

// Whether the command line asks for the sheet check; arguments[0] is the program.
bool requestsSheetCheck(const QStringList &arguments);
SheetCheckOutput runSheetCheck(const QStringList &arguments);

// Runs the check when the command line asks for it, printing its output: the exit status, or
// nothing when the command line asks for something else.
std::optional<int> checkSheetFromCommandLine(int argc, char *argv[]);

// The sheet as rows of text: each row's five cells "%02d" apart by a space, the star as "*".
QString sheetRowsText(std::span<const int, SheetRules::Cells> sheet);
