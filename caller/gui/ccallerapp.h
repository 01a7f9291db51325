#pragma once

#include <QApplication>
#include <QtGlobal>

#include <cstdint>
#include <optional>

// The caller program: it runs its one dialog and ends when the dialog ends.
class CCallerApp final : public QApplication
{
    Q_OBJECT

public:
    CCallerApp(int &argc, char **argv);

    // Runs the main dialog with the real services, the generator seeded with seed or else the
    // current time, serving the live page from the start when serve is set; returns the exit
    // code.
    int InitInstance(std::optional<std::uint32_t> seed, bool serve = false,
                     std::optional<quint16> port = std::nullopt);
};
