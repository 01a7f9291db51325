#pragma once

#include <QMargins>
#include <QSize>

class QWidget;

// What the window manager adds around a top-level window: as it is around window once shown,
// else as around another window of the program that is shown, else the usual title bar and
// borders.
QMargins windowFrameMargins(const QWidget *window = nullptr);
// The largest size up to wanted whose frame fits the available area of the screen window
// opens on.
QSize sizeInsideScreen(const QWidget &window, QSize wanted);
// Sizes a window that is about to open to wanted, no larger than its screen's available area
// leaves, and places it in the middle of that area, so that no part opens off the screen.
void openCentred(QWidget &window, QSize wanted);
