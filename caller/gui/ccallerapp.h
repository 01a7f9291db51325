#pragma once

#include <QApplication>

// The caller program: it runs its one dialog and ends when the dialog ends.
class CCallerApp final : public QApplication
{
    Q_OBJECT

public:
    CCallerApp(int &argc, char **argv);

    // Runs the main dialog with the real services; returns the exit code.
    int InitInstance();
};
