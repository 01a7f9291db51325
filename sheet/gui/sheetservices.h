#pragma once

#include "crtrandom.h"

#include <cstdint>
#include <functional>

class CSheetSetupDlg;
class FileChooser;
class MessagePresenter;
class PrinterDialogs;
class QSettings;

// What the sheet program takes from outside, so that tests can stand in for the person at the
// keyboard, the clock and the user's settings.
struct SheetServices
{
    // Runs the setup dialog and returns its result (QDialog::Accepted or Rejected).
    std::function<int(CSheetSetupDlg &)> runSetup;
    // The generator's seed when none is given: the current time in whole seconds.
    std::function<std::uint32_t()> seed = &CrtRandom::timeSeed;
    MessagePresenter *messages = nullptr;
    FileChooser *files = nullptr;
    PrinterDialogs *printerDialogs = nullptr;
    QSettings *settings = nullptr;
};
