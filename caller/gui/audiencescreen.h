#pragma once

#include <QHash>
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class AudienceBoard;
class AudienceLayout;
class QAction;

// The window for the room, "観客用表示": the board of a game drawn large enough to read from
// the back of a hall, scaled to whatever size the window has. F11 or its context menu puts
// it full screen; Escape or F11 leaves full screen again.
class AudienceScreen final : public QWidget
{
    Q_OBJECT

public:
    static inline const QString FinishedText = QStringLiteral("Bingo End");
    static constexpr int SpinStepMs = 125;
    static constexpr int SpinDots = 12;

    explicit AudienceScreen(const AudienceBoard &board, QWidget *parent = nullptr);

    // Shows the window: full screen on the other screen where there are two or more, beside
    // the dialog as a window inside the screen's free area where there is one.
    void open(const QWidget &dialog);
    // Whether it is full screen on the screen that shows the dialog, where a window raised
    // over the dialog would also come up in front of the room.
    bool hides(const QWidget &dialog) const;
    QAction *fullScreenAction() const { return m_fullScreen; }
    // The line above the number for the game's phase, in the user's language; empty between
    // draws.
    QString stateText() const;
    // A square to keep in the bottom-right corner, with the board laid out beside it (above it
    // in a tall window) so that it covers nothing; nullptr for none. The screen takes it.
    void setCorner(QWidget *corner);
    // A strip along the foot of the content, which the rest is laid out above while the strip
    // is shown; nullptr for none. The screen takes it.
    void setBanner(QWidget *banner);

signals:
    void closed();
    // A change of the board is on the screen, or the screen is hidden and has nothing to show.
    void boardPainted();

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void boardChanged();
    void setFullScreen(bool on);
    void followSpin();
    QRectF spinnerArea() const;
    // One dot of the turning ring, larger when it leads.
    QRectF spinDot(int index, bool leading) const;
    // What one step of the ring repaints.
    QRegion spinChange() const;
    // The window less the corner's strip: where the board and the rest are laid out.
    QSize contentSize() const;
    // Draws text centred in box; a text wider than maxWidth, where one is given, is narrowed.
    void drawCentred(QPainter &painter, const QRectF &box, const QString &text, qreal maxWidth = 0);
    void paintLatest(QPainter &painter, const AudienceLayout &layout);
    void paintBoard(QPainter &painter, const AudienceLayout &layout);
    void paintRecent(QPainter &painter, const AudienceLayout &layout);
    void paintSpinner(QPainter &painter, const QRegion &region) const;

    // A text drawn once in one font and colour, with where its baseline and capitals lie.
    struct Label
    {
        QImage image;
        qreal ascent;
        qreal capHeight;
    };
    // Enough for both styles of a board and the rest at a few window sizes.
    static constexpr int MaxLabels = 600;

    const AudienceBoard &m_board;
    QHash<QString, Label> m_labels;
    QAction *m_fullScreen = nullptr;
    QTimer m_spin;
    int m_spinStep = 0;
    QPointer<QWidget> m_corner;
    QPointer<QWidget> m_banner;
};
