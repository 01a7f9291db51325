#include "audiencescreen.h"

#include "audienceboard.h"
#include "audiencelayout.h"
#include "audiencescreenchoice.h"
#include "hallbanner.h"
#include "livecorner.h"
#include "numbertext.h"
#include "qtcolour.h"
#include "windowplacement.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

#include <cmath>
#include <numbers>

namespace {

constexpr QSize WindowSize(960, 720);

QColor mixed(const QColor &a, const QColor &b, double share)
{
    return QColor::fromRgbF(float(a.redF() * share + b.redF() * (1 - share)),
                            float(a.greenF() * share + b.greenF() * (1 - share)),
                            float(a.blueF() * share + b.blueF() * (1 - share)));
}

QFont baseFont(bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("IPAPGothic")});
    font.setBold(bold);
    return font;
}

// The largest font in which sample fits the box, its digits filling most of the height.
QFont fitted(QFont font, const QString &sample, QSizeF box, double fill)
{
    constexpr double Probe = 100;
    font.setPixelSize(int(Probe));
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(sample);
    const double height = metrics.capHeight();
    if (width <= 0 || height <= 0)
        return font;
    const double scale = std::min(box.width() / width, box.height() / height) * fill;
    font.setPixelSize(std::max(1, int(Probe * scale)));
    return font;
}

// Two digits set the size of every number, so the one number of three (100) is drawn
// narrower instead of every number smaller.
const QString TwoDigits = QStringLiteral("88");

} // namespace

AudienceScreen::AudienceScreen(const AudienceBoard &board, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_board(board)
{
    setWindowTitle(tr("観客用表示"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    resize(WindowSize);

    m_fullScreen = new QAction(tr("全画面表示(&F)"), this);
    m_fullScreen->setObjectName(QStringLiteral("fullScreen"));
    m_fullScreen->setCheckable(true);
    m_fullScreen->setShortcut(Qt::Key_F11);
    connect(m_fullScreen, &QAction::toggled, this, &AudienceScreen::setFullScreen);
    addAction(m_fullScreen);

    m_spin.setInterval(SpinStepMs);
    connect(&m_spin, &QTimer::timeout, this, [this] {
        m_spinStep = (m_spinStep + 1) % SpinDots;
        update(spinChange());
    });
    connect(&board, &AudienceBoard::changed, this, &AudienceScreen::boardChanged);
}

void AudienceScreen::open(const QWidget &dialog)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QList<QRect> geometries;
    for (const QScreen *screen : screens)
        geometries << screen->geometry();
    if (const std::optional<int> index = audienceScreenFor(geometries, dialog.frameGeometry())) {
        QScreen *target = screens[*index];
        setScreen(target);
        setGeometry(target->geometry());
        showFullScreen();
    } else {
        // Placed by the program rather than the window manager, which may leave part of it off
        // the screen or over the dialog's Stop.
        const QMargins frame = windowFrameMargins(&dialog);
        const QRect placed = audienceWindowFor(dialog.screen()->availableGeometry(),
                                               dialog.frameGeometry(), WindowSize.grownBy(frame));
        resize(placed.size().shrunkBy(frame));
        move(placed.topLeft());
        showNormal();
    }
    raise();
}

bool AudienceScreen::hides(const QWidget &dialog) const
{
    return isVisible() && isFullScreen() && geometry().contains(dialog.frameGeometry().center());
}

void AudienceScreen::boardChanged()
{
    followSpin();
    // At once rather than at the next pass of the event loop: the number must reach the room
    // as it reaches the dialog's called slot, and the "Bingo End" message follows at once.
    if (isVisible())
        repaint();
    emit boardPainted();
}

void AudienceScreen::followSpin()
{
    const bool spinning = isVisible() && m_board.phase() == AudienceBoard::Phase::Spinning;
    if (spinning && !m_spin.isActive()) {
        m_spinStep = 0;
        m_spin.start();
    } else if (!spinning) {
        m_spin.stop();
    }
}

void AudienceScreen::setFullScreen(bool on)
{
    if (on == isFullScreen())
        return;
    if (on)
        showFullScreen();
    else
        showNormal();
}

void AudienceScreen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && isFullScreen()) {
        setFullScreen(false);
        return;
    }
    QWidget::keyPressEvent(event);
}

void AudienceScreen::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange) {
        const QSignalBlocker blocker(m_fullScreen);
        m_fullScreen->setChecked(isFullScreen());
    }
    QWidget::changeEvent(event);
}

void AudienceScreen::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closed();
}

void AudienceScreen::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    followSpin();
}

void AudienceScreen::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    followSpin();
}

void AudienceScreen::setCorner(QWidget *corner)
{
    m_corner = corner;
    if (corner) {
        corner->setParent(this);
        corner->show();
    }
    resizeEvent(nullptr);
    update();
}

void AudienceScreen::setBanner(QWidget *banner)
{
    m_banner = banner;
    if (banner) {
        if (banner->parentWidget() != this)
            banner->setParent(this);
        banner->installEventFilter(this);
    }
    resizeEvent(nullptr);
    update();
}

bool AudienceScreen::eventFilter(QObject *watched, QEvent *event)
{
    // The banner shows once the hall has something to say; the rest then moves up for it.
    if (watched == m_banner &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
        resizeEvent(nullptr);
        update();
    }
    return QWidget::eventFilter(watched, event);
}

void AudienceScreen::resizeEvent(QResizeEvent *)
{
    if (m_corner) {
        const int side = LiveCorner::side(size());
        m_corner->setGeometry(width() - side, height() - side, side, side);
    }
    if (m_banner) {
        const QSize content = contentSize();
        const int strip = HallBanner::stripHeight(size());
        m_banner->setGeometry(0, content.height(), content.width(), strip);
    }
}

QSize AudienceScreen::contentSize() const
{
    QSize content = size();
    if (m_corner) {
        const int side = LiveCorner::side(size());
        content =
            width() >= height() ? QSize(width() - side, height()) : QSize(width(), height() - side);
    }
    if (m_banner && !m_banner->isHidden())
        content.rheight() -= HallBanner::stripHeight(size());
    return content;
}

QRectF AudienceScreen::spinnerArea() const
{
    const AudienceLayout layout(contentSize(), m_board.topNumber() + 1, AudienceBoard::RecentCount);
    const QRectF area = layout.latest();
    const double side = std::min(area.width(), area.height());
    QRectF square(0, 0, side, side);
    square.moveCenter(area.center());
    return square;
}

QString AudienceScreen::stateText() const
{
    switch (m_board.phase()) {
    case AudienceBoard::Phase::Waiting:
        return tr("スタートを待っています");
    case AudienceBoard::Phase::Spinning:
        return tr("抽選中");
    case AudienceBoard::Phase::BetweenDraws:
        break;
    case AudienceBoard::Phase::Finished:
        return FinishedText;
    }
    return {};
}

void AudienceScreen::paintEvent(QPaintEvent *event)
{
    const AudienceLayout layout(contentSize(), m_board.topNumber() + 1, AudienceBoard::RecentCount);
    const QColor back = toQColor(m_board.backColour());
    const QColor ink = toQColor(m_board.contrastingBackground(m_board.backColour()));
    const QRegion region = event->region();

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRegion(region);
    painter.fillRect(rect(), back);

    if (region.intersects(layout.state().toAlignedRect())) {
        const QString state = stateText();
        if (!state.isEmpty()) {
            painter.setPen(ink);
            painter.setFont(fitted(baseFont(true), state, layout.state().size(), 0.6));
            drawCentred(painter, layout.state(), state);
        }
    }
    if (region.intersects(layout.latest().toAlignedRect())) {
        if (m_board.phase() == AudienceBoard::Phase::Spinning)
            paintSpinner(painter, region);
        else
            paintLatest(painter, layout);
    }
    if (region.intersects(layout.count().toAlignedRect())) {
        painter.setPen(ink);
        painter.setFont(
            fitted(baseFont(false), QStringLiteral("100 / 100"), layout.count().size(), 0.55));
        drawCentred(painter, layout.count(), m_board.countText());
    }
    if (region.intersects(layout.recentRow().toAlignedRect()))
        paintRecent(painter, layout);
    if (region.intersects(layout.board().toAlignedRect()))
        paintBoard(painter, layout);
}

void AudienceScreen::drawCentred(QPainter &painter, const QRectF &box, const QString &text,
                                 qreal maxWidth)
{
    // Digits this large are drawn as outlines, not from Qt's glyph cache, which costs tens of
    // milliseconds a board; each label is drawn once and kept as an image instead.
    const QFont font = painter.font();
    const QColor colour = painter.pen().color();
    const QString key = text + u'|' + font.key() + u'|' + QString::number(colour.rgba());
    auto found = m_labels.constFind(key);
    if (found == m_labels.constEnd()) {
        if (m_labels.size() > MaxLabels)
            m_labels.clear();
        const QFontMetricsF metrics(font);
        const qreal ratio = devicePixelRatioF();
        const QSizeF size(metrics.horizontalAdvance(text) + 2, metrics.height() + 2);
        QImage image((size * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(ratio);
        image.fill(Qt::transparent);
        QPainter label(&image);
        label.setFont(font);
        label.setPen(colour);
        label.drawText(QPointF(1, 1 + metrics.ascent()), text);
        label.end();
        found = m_labels.insert(key, Label{image, metrics.ascent(), metrics.capHeight()});
    }
    const Label &label = *found;
    // The capital height, not the line box, is centred, so digits sit in the middle.
    const QSizeF size = label.image.deviceIndependentSize();
    const QPointF topLeft(box.center().x() - size.width() / 2,
                          box.center().y() + label.capHeight / 2 - label.ascent - 1);
    if (maxWidth <= 0 || size.width() <= maxWidth) {
        painter.drawImage(topLeft, label.image);
        return;
    }
    // Too wide: narrowed, keeping its height.
    const QRectF target(box.center().x() - maxWidth / 2, topLeft.y(), maxWidth, size.height());
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, label.image);
    painter.restore();
}

void AudienceScreen::paintLatest(QPainter &painter, const AudienceLayout &layout)
{
    if (m_board.latest() < 0)
        return;
    painter.setPen(toQColor(m_board.textColour()));
    painter.setFont(fitted(baseFont(true), TwoDigits, layout.latest().size(), 0.85));
    drawCentred(painter, layout.latest(), numberText(m_board.latest()),
                layout.latest().width() * 0.95);
}

namespace {

// How many dots behind the moving one are still fading out; the rest are all as faint.
constexpr int FadingDots = 4;

double spinDotShare(int behind)
{
    return behind < FadingDots ? 1.0 - behind * 0.22 : 0.2;
}

} // namespace

QRectF AudienceScreen::spinDot(int index, bool leading) const
{
    const QRectF area = spinnerArea();
    const double angle = 2 * std::numbers::pi * index / SpinDots;
    const QPointF centre =
        area.center() + QPointF(std::sin(angle), -std::cos(angle)) * area.width() * 0.3;
    const double radius = area.width() * 0.05 * (leading ? 1.4 : 1.0);
    return QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
}

QRegion AudienceScreen::spinChange() const
{
    // A step moves the lead on and fades the dots behind it; the faint ones stay as they were.
    QRegion changed;
    for (int behind = 0; behind <= FadingDots; ++behind) {
        const int index = (m_spinStep - behind + SpinDots) % SpinDots;
        changed += spinDot(index, true).toAlignedRect().adjusted(-1, -1, 1, 1);
    }
    return changed;
}

void AudienceScreen::paintSpinner(QPainter &painter, const QRegion &region) const
{
    const QColor text = toQColor(m_board.textColour());
    const QColor back = toQColor(m_board.backColour());
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < SpinDots; ++i) {
        // The dots behind the moving one fade out, so it reads as turning.
        const int behind = (m_spinStep - i + SpinDots) % SpinDots;
        const QRectF dot = spinDot(i, behind == 0);
        if (!region.intersects(dot.toAlignedRect()))
            continue;
        painter.setBrush(mixed(text, back, spinDotShare(behind)));
        painter.drawEllipse(dot);
    }
}

void AudienceScreen::paintRecent(QPainter &painter, const AudienceLayout &layout)
{
    const QList<int> recent = m_board.recent();
    if (recent.isEmpty())
        return;
    const QColor ink = toQColor(m_board.contrastingBackground(m_board.backColour()));
    const QColor dim = mixed(ink, toQColor(m_board.backColour()), 0.45);
    const QRectF first = layout.recentSlot(0);
    const double gap = first.width() * 0.08;
    // No taller than wide, so a tall row does not leave the digits small in narrow boxes.
    const QSizeF inner(first.width() - 2 * gap, std::min(first.height(), first.width()) - 2 * gap);
    painter.setFont(fitted(baseFont(true), TwoDigits, inner, 0.7));
    for (int i = 0; i < recent.size(); ++i) {
        QRectF slot(QPointF(0, 0), inner);
        slot.moveCenter(layout.recentSlot(i).center());
        painter.setPen(QPen(dim, std::max(1.0, slot.height() * 0.03)));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(slot, slot.height() * 0.12, slot.height() * 0.12);
        painter.setPen(ink);
        drawCentred(painter, slot, numberText(recent[i]), slot.width() * 0.9);
    }
}

void AudienceScreen::paintBoard(QPainter &painter, const AudienceLayout &layout)
{
    const int top = m_board.topNumber();
    const QColor text = toQColor(m_board.textColour());
    const QColor back = toQColor(m_board.backColour());
    const QColor ink = toQColor(m_board.contrastingBackground(m_board.backColour()));
    const QColor outline = mixed(ink, back, 0.4);
    const QColor uncalled = toQColor(m_board.uncalledColour());
    const QRectF first = layout.cell(0);
    const double gap = std::max(2.0, std::min(first.width(), first.height()) * 0.07);
    const QSizeF inner(first.width() - 2 * gap, first.height() - 2 * gap);
    const QSizeF digits(inner.width() * 0.74, inner.height() * 0.6);
    const QFont plain = fitted(baseFont(false), TwoDigits, digits, 1.0);
    const QFont bold = fitted(baseFont(true), TwoDigits, digits, 1.0);
    const double line = std::max(1.0, inner.height() * 0.04);
    const double radius = inner.height() * 0.12;

    // Called numbers are filled and bold, the others only outlined, in a grey that still
    // reads from afar, so the two read apart without their colour; the latest also has a
    // heavy frame.
    for (int number = 0; number <= top; ++number) {
        const QRectF cell = layout.cell(number).adjusted(gap, gap, -gap, -gap);
        const QString label = numberText(number);
        if (m_board.isCalled(number)) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(text);
            painter.drawRoundedRect(cell, radius, radius);
            painter.setPen(back);
            painter.setFont(bold);
        } else {
            painter.setPen(QPen(outline, line));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(cell, radius, radius);
            painter.setPen(uncalled);
            painter.setFont(plain);
        }
        drawCentred(painter, cell, label, inner.width() * 0.9);
        if (number == m_board.latest()) {
            const double frame = gap * 0.8;
            painter.setPen(QPen(ink, frame));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(cell.adjusted(-frame / 2, -frame / 2, frame / 2, frame / 2),
                                    radius, radius);
        }
    }
}
