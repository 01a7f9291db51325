#include "windowplacement.h"

#include "windowfit.h"

#include <QApplication>
#include <QCursor>
#include <QScreen>
#include <QWidget>

namespace {

// A title bar and thin borders, as most window managers draw them.
constexpr QMargins UsualFrame(10, 40, 10, 10);

QMargins marginsAround(const QWidget &window)
{
    const QRect frame = window.frameGeometry();
    const QRect inside = window.geometry();
    return QMargins(inside.left() - frame.left(), inside.top() - frame.top(),
                    frame.right() - inside.right(), frame.bottom() - inside.bottom());
}

bool framed(const QWidget &window)
{
    return window.isVisible() && window.frameGeometry() != window.geometry();
}

// The screen a window opens on: its own once it has one of its choosing, else the one under
// the pointer, where the window manager puts new windows.
QScreen *screenFor(const QWidget &window)
{
    if (window.isVisible() || window.parentWidget())
        return window.screen();
    QScreen *under = QGuiApplication::screenAt(QCursor::pos());
    return under ? under : window.screen();
}

} // namespace

QMargins windowFrameMargins(const QWidget *window)
{
    if (window && framed(*window))
        return marginsAround(*window);
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget *shown : windows) {
        if (shown != window && framed(*shown))
            return marginsAround(*shown);
    }
    return UsualFrame;
}

QSize sizeInsideScreen(const QWidget &window, QSize wanted)
{
    const QScreen *screen = screenFor(window);
    if (!screen)
        return wanted;
    const QMargins frame = windowFrameMargins(&window);
    const QSize room = screen->availableGeometry().size().shrunkBy(frame);
    return wanted.boundedTo(room);
}

void openCentred(QWidget &window, QSize wanted)
{
    const QScreen *screen = screenFor(window);
    if (!screen) {
        window.resize(wanted);
        return;
    }
    const QRect available = screen->availableGeometry();
    const QMargins frame = windowFrameMargins(&window);
    QRect placed(QPoint(0, 0), wanted.grownBy(frame));
    placed.moveCenter(available.center());
    placed = fitInside(available, placed);
    window.resize(placed.size().shrunkBy(frame));
    // A top-level window's position is that of its frame.
    window.move(placed.topLeft());
}
