#pragma once

#include <QList>
#include <QRect>

#include <optional>

// The screen the audience screen fills when it opens, given every screen's geometry and the
// dialog's frame: with two or more screens, the first one that does not show the dialog, so
// the room sees the board and the operator keeps the dialog; with one screen, none, and the
// audience screen opens as a window beside the dialog.
std::optional<int> audienceScreenFor(const QList<QRect> &screens, const QRect &dialog);
// Where the audience screen's frame goes when it opens as a window on the dialog's screen: of
// the size given, no larger than the screen's available area, inside that area, and beside the
// dialog (right, left, below or above) where there is room, else where it covers least of it.
QRect audienceWindowFor(const QRect &available, const QRect &dialog, QSize frame);
