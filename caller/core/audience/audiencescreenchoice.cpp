#include "audiencescreenchoice.h"

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
