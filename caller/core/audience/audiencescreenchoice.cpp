#include "audiencescreenchoice.h"

#include "windowfit.h"

#include <limits>

namespace {

// The screen showing the dialog: the one holding its centre, else the one showing most of it,
// else the first (where a window that is nowhere yet will appear).
int dialogScreen(const QList<QRect> &screens, const QRect &dialog)
{
    for (int i = 0; i < screens.size(); ++i) {
        if (screens[i].contains(dialog.center()))
            return i;
    }
    int best = 0;
    qint64 bestArea = 0;
    for (int i = 0; i < screens.size(); ++i) {
        const QRect shared = screens[i].intersected(dialog);
        const qint64 area = qint64(shared.width()) * shared.height();
        if (area > bestArea) {
            bestArea = area;
            best = i;
        }
    }
    return best;
}

} // namespace

std::optional<int> audienceScreenFor(const QList<QRect> &screens, const QRect &dialog)
{
    if (screens.size() < 2)
        return std::nullopt;
    const int shown = dialogScreen(screens, dialog);
    return shown == 0 ? 1 : 0;
}

QRect audienceWindowFor(const QRect &available, const QRect &dialog, QSize frame)
{
    const QSize size = frame.boundedTo(available.size());
    const QPoint beside[] = {
        {dialog.right() + 1, dialog.top()},
        {dialog.left() - size.width(), dialog.top()},
        {dialog.left(), dialog.bottom() + 1},
        {dialog.left(), dialog.top() - size.height()},
    };
    QRect best;
    qint64 leastCovered = std::numeric_limits<qint64>::max();
    for (const QPoint &topLeft : beside) {
        const QRect placed = fitInside(available, QRect(topLeft, size));
        const QRect covered = placed.intersected(dialog);
        const qint64 area = covered.isEmpty() ? 0 : qint64(covered.width()) * covered.height();
        if (area < leastCovered) {
            best = placed;
            leastCovered = area;
        }
    }
    return best;
}
