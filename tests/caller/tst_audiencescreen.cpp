#include "audienceboard.h"
#include "audiencelayout.h"
#include "audiencescreen.h"
#include "callerdlgfixture.h"
#include "hallbanner.h"
#include "halldesk.h"
#include "liveserving.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <span>

namespace {

// Counts the paints of a widget.
class PaintCounter final : public QObject
{
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

struct Fixture : CallerDlgFixture
{
    explicit Fixture(const Real &real = {})
        : CallerDlgFixture(real)
    {
        dialog->show();
        dialog->activateWindow();
    }

    AudienceScreen *screen() const { return dialog->findChild<AudienceScreen *>(); }
    QAction *menuItem(const char *name) const
    {
        return dialog->systemMenu().findChild<QAction *>(QString::fromLatin1(name));
    }

    // Start, Stop, Clear, Save as 1 (enabled) or 0.
    QString buttons() const
    {
        QString s;
        for (const char *name : {"IDC_START", "IDC_STOP", "IDC_CLEAR", "IDC_SAVE"})
            s += get(name)->isEnabled() ? u'1' : u'0';
        return s;
    }
    int draws() const { return dialog->game().drawCount(); }
    bool spinning() const { return dialog->findChild<QTimer *>("timer2")->isActive(); }
    // The windows "Bingo End" (of a game of one number played to its end) and the sheet check
    // open over.
    QList<QWidget *> boxesOver()
    {
        click("IDC_CLEAR");
        get<QComboBox>("IDC_TOP_NUMBER")->setEditText(QStringLiteral("1"));
        draw();
        const bool ended = !messages.shown.isEmpty() &&
                           messages.shown.constLast().text == CCallerDlg::BingoEndText;
        QWidget *checkOver = nullptr;
        QTimer::singleShot(0, dialog.get(), [&checkOver] {
            if (QWidget *check = QApplication::activeModalWidget()) {
                checkOver = check->parentWidget();
                check->close();
            }
        });
        menuItem("sheetCheck")->trigger();
        return {ended ? messages.shown.constLast().parent : nullptr, checkOver};
    }
};

enum class Phase { Ready, Spinning, BetweenDraws, Finished };

void bringTo(Fixture &f, Phase phase)
{
    f.get<QComboBox>("IDC_TOP_NUMBER")->setEditText(QStringLiteral("5"));
    switch (phase) {
    case Phase::Ready:
        break;
    case Phase::Spinning:
        f.draw();
        f.click("IDC_START");
        break;
    case Phase::BetweenDraws:
        f.draw();
        break;
    case Phase::Finished:
        for (int k = 0; k < 5; ++k)
            f.draw();
        break;
    }
}

// The colour of the screen at the middle of the left edge of a board cell, inside the cell's
// frame and clear of its digits.
QColor cellColour(const QImage &image, QSize size, int cells, int number)
{
    const QRectF cell = AudienceLayout(size, cells, 5).cell(number);
    return image.pixelColor(
        QPointF(cell.left() + cell.width() * 0.14, cell.center().y()).toPoint());
}

// Whether any pixel of the box differs from the colour.
bool hasInk(const QImage &image, const QRect &box, const QColor &back)
{
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (image.pixelColor(x, y) != back)
                return true;
    return false;
}

bool cellHasInk(const QImage &image, QSize size, int cells, int number, const QColor &back)
{
    return hasInk(image, AudienceLayout(size, cells, 5).cell(number).toAlignedRect() & image.rect(),
                  back);
}

// The box around the pixels of a board cell that stand out from the background by at least
// the contrast given: its digits, without the lighter outline.
QRect inkBox(const QImage &image, QSize size, int cells, int number, const QColor &back,
             double contrast)
{
    const auto rgb = [](const QColor &c) { return Rgb{c.red(), c.green(), c.blue()}; };
    const QRect cell = AudienceLayout(size, cells, 5).cell(number).toAlignedRect() & image.rect();
    QRect box;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            if (AudienceBoard::contrast(rgb(image.pixelColor(x, y)), rgb(back)) >= contrast)
                box |= QRect(x, y, 1, 1);
    return box;
}

// What a held key sends after its press: a marked repeat, and a release and a press of one time
// as X11 sends them.
void sendRepeats(QWidget *target, Qt::Key key, ulong time)
{
    QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(target, &repeat);
    for (QEvent::Type type : {QEvent::KeyRelease, QEvent::KeyPress}) {
        QKeyEvent unmarked(type, key, Qt::NoModifier);
        unmarked.setTimestamp(time);
        QApplication::sendEvent(target, &unmarked);
    }
}

// Opens the audience screen as a window of 1024 x 768, whatever the screens are.
AudienceScreen *openWindowed(Fixture &f)
{
    f.dialog->ToggleAudienceScreen();
    AudienceScreen *screen = f.screen();
    screen->showNormal();
    screen->resize(1024, 768);
    if (!QTest::qWaitForWindowExposed(screen))
        return nullptr;
    return screen;
}

} // namespace

Q_DECLARE_METATYPE(Phase)

class TestAudienceScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void nextKey_data();
    void nextKey();
    void nextKeyDoesNotAnswerAQuestion_data();
    void nextKeyDoesNotAnswerAQuestion();
    void heldKeyDoesNotAnswerBingoEnd_data();
    void heldKeyDoesNotAnswerBingoEnd();
    void openAndCloseMidGame();
    void opensOnTheScreenWithoutTheDialog();
    void fullScreenKeys();
    void revealReachesTheScreenWithTheCalledSlot();
    void spinRepaintsOnlyTheDotsThatTurn();
    void boardShowsTheCalledNumbers();
    void boardFollowsTheTopNumberInReady();
    void keysAreListed();
    void hallCountsCoverNothing();
};

void TestAudienceScreen::initTestCase()
{
    registerFontSubstitutions();
}

void TestAudienceScreen::nextKey_data()
{
    QTest::addColumn<Phase>("phase");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("onScreen");
    QTest::addColumn<int>("draws");
    QTest::addColumn<QString>("buttons");

    QTest::newRow("Space in Ready starts")
        << Phase::Ready << int(Qt::Key_Space) << "IDC_START" << false << 0 << "0100";
    QTest::newRow("Enter in the top number box starts")
        << Phase::Ready << int(Qt::Key_Return) << "IDC_TOP_NUMBER" << false << 0 << "0100";
    QTest::newRow("keypad Enter in Ready starts")
        << Phase::Ready << int(Qt::Key_Enter) << "IDC_START" << false << 0 << "0100";
    QTest::newRow("Page Down while spinning stops")
        << Phase::Spinning << int(Qt::Key_PageDown) << "IDC_STOP" << false << 2 << "1011";
    QTest::newRow("Right on a colour radio while spinning stops, the colour stays")
        << Phase::Spinning << int(Qt::Key_Right) << "IDC_COLOR_BLUE" << false << 2 << "1011";
    QTest::newRow("Space on Clear between draws starts, not clears")
        << Phase::BetweenDraws << int(Qt::Key_Space) << "IDC_CLEAR" << false << 1 << "0100";
    QTest::newRow("Enter on Save between draws starts, not saves")
        << Phase::BetweenDraws << int(Qt::Key_Return) << "IDC_SAVE" << false << 1 << "0100";
    QTest::newRow("Space on Clear when finished does nothing")
        << Phase::Finished << int(Qt::Key_Space) << "IDC_CLEAR" << false << 5 << "0011";
    QTest::newRow("Enter when finished does nothing")
        << Phase::Finished << int(Qt::Key_Return) << "IDC_CLEAR" << false << 5 << "0011";
    QTest::newRow("Space on the audience screen in Ready starts")
        << Phase::Ready << int(Qt::Key_Space) << "" << true << 0 << "0100";
    QTest::newRow("Page Down on the audience screen while spinning stops")
        << Phase::Spinning << int(Qt::Key_PageDown) << "" << true << 2 << "1011";
    QTest::newRow("Right on the audience screen when finished does nothing")
        << Phase::Finished << int(Qt::Key_Right) << "" << true << 5 << "0011";
    // Keypad Enter comes with the keypad's modifier; the screen has no default button that the
    // key would press if it got through.
    QTest::newRow("keypad Enter on the audience screen in Ready starts")
        << Phase::Ready << (Qt::KeypadModifier | Qt::Key_Enter).toCombined() << "" << true << 0
        << "0100";
    QTest::newRow("Shift+Space on Start in Ready neither starts nor presses it")
        << Phase::Ready << (Qt::ShiftModifier | Qt::Key_Space).toCombined() << "IDC_START" << false
        << 0 << "1000";
    QTest::newRow("Alt+Enter on Clear between draws neither starts nor clears")
        << Phase::BetweenDraws << (Qt::AltModifier | Qt::Key_Return).toCombined() << "IDC_CLEAR"
        << false << 1 << "1011";
}

void TestAudienceScreen::nextKey()
{
    QFETCH(Phase, phase);
    QFETCH(int, key);
    QFETCH(QString, focus);
    QFETCH(bool, onScreen);
    QFETCH(int, draws);
    QFETCH(QString, buttons);

    Fixture f;
    QVERIFY(QTest::qWaitForWindowActive(f.dialog.get()));
    bringTo(f, phase);
    const int endMessages = int(f.messages.shown.size());
    QWidget *target = nullptr;
    if (onScreen) {
        f.dialog->ToggleAudienceScreen();
        target = f.screen();
        QVERIFY(QTest::qWaitForWindowExposed(target));
    } else {
        target = f.dialog->findChild<QWidget *>(focus);
        if (auto *box = qobject_cast<QComboBox *>(target))
            target = box->lineEdit();
        QVERIFY(target);
        target->setFocus();
    }
    const QString topBefore = f.get<QComboBox>("IDC_TOP_NUMBER")->currentText();
    const QKeyCombination pressed = QKeyCombination::fromCombined(key);
    QTest::keyClick(target, pressed.key(), pressed.keyboardModifiers());
    QCOMPARE(f.draws(), draws);
    QCOMPARE(f.buttons(), buttons);
    QCOMPARE(f.messages.shown.size(), endMessages);
    QVERIFY(f.dialog->isVisible());
    QVERIFY(f.get<QRadioButton>("IDC_COLOR_BLUE")->isChecked());
    QCOMPARE(f.get<QComboBox>("IDC_TOP_NUMBER")->currentText(), topBefore);

    // Held down, the key takes one step and repeats nothing, whether its repeats are marked or
    // come as X11 sends them, a release and a press of one time; with a modifier it is another
    // key.
    QTest::keyPress(target, pressed.key());
    const int afterPress = f.draws();
    const QString buttonsAfterPress = f.buttons();
    sendRepeats(target, pressed.key(), 5000);
    sendRepeats(target, pressed.key(), 5000);
    QTest::keyRelease(target, pressed.key());
    QTest::keyClick(target, pressed.key(), Qt::ControlModifier);
    QCOMPARE(f.draws(), afterPress);
    QCOMPARE(f.buttons(), buttonsAfterPress);
}

void TestAudienceScreen::nextKeyDoesNotAnswerAQuestion_data()
{
    QTest::addColumn<bool>("clearing");
    QTest::newRow("closing mid-game") << false;
    QTest::newRow("clearing mid-game") << true;
}

void TestAudienceScreen::nextKeyDoesNotAnswerAQuestion()
{
    QFETCH(bool, clearing);
    QtMessagePresenter boxes;
    Fixture f({.messages = &boxes});
    QVERIFY(QTest::qWaitForWindowActive(f.dialog.get()));
    f.draw();
    f.draw();
    f.dialog->ToggleAudienceScreen();

    bool stayedOpen = false;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        for (Qt::Key key :
             {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_PageDown, Qt::Key_Right}) {
            QWidget *focus = box->focusWidget() ? box->focusWidget() : box;
            QTest::keyClick(focus, key);
            QTest::keyClick(box->button(QMessageBox::Yes), key);
        }
        stayedOpen = box->isVisible();
        box->button(QMessageBox::No)->click();
    });
    if (clearing)
        f.click("IDC_CLEAR");
    else
        QTest::keyClick(f.dialog.get(), Qt::Key_Escape);
    QVERIFY(stayedOpen);
    QVERIFY(f.dialog->isVisible());
    QCOMPARE(f.draws(), 2);
    QCOMPARE(f.buttons(), QStringLiteral("1011"));

    // A key that closed a message box on its press takes no step with the repeats that then
    // reach the dialog, only after its release.
    QTimer::singleShot(0, this,
                       [] { QTest::keyPress(QApplication::activeModalWidget(), Qt::Key_Return); });
    f.dialog->OnKeys();
    QTest::keyPress(f.dialog.get(), Qt::Key_Return);
    QCOMPARE(f.buttons(), QStringLiteral("1011"));
    QTest::keyRelease(f.dialog.get(), Qt::Key_Return);
    QTest::keyClick(f.dialog.get(), Qt::Key_Return);
    QCOMPARE(f.buttons(), QStringLiteral("0100"));
}

void TestAudienceScreen::heldKeyDoesNotAnswerBingoEnd_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("fullScreen");
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
        for (const bool fullScreen : {false, true})
            QTest::addRow("%s held over the %s", qPrintable(QKeySequence(key).toString()),
                          fullScreen ? "full-screen audience screen" : "dialog")
                << int(key) << fullScreen;
}

void TestAudienceScreen::heldKeyDoesNotAnswerBingoEnd()
{
    QFETCH(int, key);
    QFETCH(bool, fullScreen);
    QtMessagePresenter boxes;
    Fixture f({.messages = &boxes});
    QVERIFY(QTest::qWaitForWindowActive(f.dialog.get()));
    f.get<QComboBox>("IDC_TOP_NUMBER")->setEditText(QStringLiteral("1"));
    QWidget *target = f.dialog.get();
    if (fullScreen) {
        f.dialog->ToggleAudienceScreen();
        f.screen()->fullScreenAction()->trigger();
        target = f.screen();
    }
    // A winner's name is the holder's text, never markup.
    emit f.dialog->live().tallied(HallTally{1, 0, 1, {{"A", 1, "<i>x</i>", true}}});
    f.click("IDC_START");

    // Stop on the last number, the key held on: the box takes neither the key's repeats nor its
    // release; a new press answers it.
    QStringList seen;
    int titleRoom = 0;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        const auto state = [box] { return box->isVisible() ? "open" : "answered"; };
        seen << (box->textFormat() == Qt::PlainText ? box->text() : QString());
        // Wide enough for its title beside a title bar's icon and buttons, not "K…".
        titleRoom = box->width() - box->fontMetrics().horizontalAdvance(box->windowTitle());
        QWidget *ok = box->button(QMessageBox::Ok);
        sendRepeats(ok, Qt::Key(key), 7000);
        seen << state();
        QTest::keyRelease(ok, Qt::Key(key));
        seen << state();
        QTest::keyClick(ok, Qt::Key(key));
        seen << state();
        box->close();
    });
    QTest::keyPress(target, Qt::Key(key));
    QCOMPARE(seen, (QStringList{CCallerDlg::BingoEndText + "\n\n1位  No.1  <i>x</i>  (スマホ)",
                                "open", "open", "answered"}));
    QVERIFY2(titleRoom >= 100, qPrintable(QString::number(titleRoom)));
    QCOMPARE(f.draws(), 1);
}

void TestAudienceScreen::openAndCloseMidGame()
{
    Fixture f;
    QVERIFY(QTest::qWaitForWindowActive(f.dialog.get()));
    bringTo(f, Phase::Spinning);
    QAction *item = f.menuItem("audienceScreen");

    QTest::keyClick(f.dialog.get(), Qt::Key_F5);
    AudienceScreen *screen = f.screen();
    QVERIFY(screen);
    QVERIFY(screen->isVisible());
    QVERIFY(screen->isWindow());
    QCOMPARE(screen->windowTitle(), QStringLiteral("観客用表示"));
    QVERIFY(item->isChecked());
    QCOMPARE(f.draws(), 1);
    QCOMPARE(f.buttons(), QStringLiteral("0100"));
    QVERIFY(f.spinning());

    // F5 on the screen itself closes it; the game spins on.
    screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(screen));
    QTest::keyClick(screen, Qt::Key_F5);
    QVERIFY(!screen->isVisible());
    QVERIFY(!item->isChecked());
    QCOMPARE(f.draws(), 1);
    QVERIFY(f.spinning());

    f.click("IDC_STOP");
    item->trigger();
    QVERIFY(screen->isVisible());
    QCOMPARE(f.draws(), 2);
    QCOMPARE(f.buttons(), QStringLiteral("1011"));
    screen->close();
    QVERIFY(!item->isChecked());
    QCOMPARE(f.buttons(), QStringLiteral("1011"));
    f.draw();
    QCOMPARE(f.draws(), 3);
}

void TestAudienceScreen::opensOnTheScreenWithoutTheDialog()
{
    // Run once with the one screen of the offscreen platform and once with two (see the
    // CMake file): with one it is a window, with two it fills the screen the dialog is not on.
    const QList<QScreen *> screens = QGuiApplication::screens();
    Fixture f;
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
    f.dialog->move(screens.first()->geometry().topLeft() + QPoint(50, 50));
    f.dialog->ToggleAudienceScreen();
    AudienceScreen *screen = f.screen();
    // "Bingo End" and the sheet check open over the dialog unless the audience screen is full
    // screen in front of it: then over the audience screen, so the room does not get the dialog.
    if (screens.size() == 1) {
        QVERIFY(!screen->isFullScreen());
        QVERIFY(screen->isVisible());
        // A window inside the screen's free area, even where that is smaller than the window.
        QVERIFY(screens.first()->availableGeometry().contains(screen->frameGeometry()));
        QCOMPARE(f.boxesOver(), (QList<QWidget *>{f.dialog.get(), f.dialog.get()}));
        screen->fullScreenAction()->trigger();
        QVERIFY(screen->isFullScreen());
        QCOMPARE(f.boxesOver(), (QList<QWidget *>{screen, screen}));
        return;
    }
    QVERIFY(screen->isFullScreen());
    QCOMPARE(screen->screen(), screens.at(1));
    QCOMPARE(screen->geometry(), screens.at(1)->geometry());
    QCOMPARE(f.boxesOver(), (QList<QWidget *>{f.dialog.get(), f.dialog.get()}));

    f.dialog->ToggleAudienceScreen();
    f.dialog->move(screens.at(1)->geometry().topLeft() + QPoint(50, 50));
    f.dialog->ToggleAudienceScreen();
    QVERIFY(screen->isFullScreen());
    QCOMPARE(screen->screen(), screens.at(0));
    QCOMPARE(screen->geometry(), screens.at(0)->geometry());
}

void TestAudienceScreen::fullScreenKeys()
{
    Fixture f;
    f.dialog->ToggleAudienceScreen();
    AudienceScreen *screen = f.screen();
    screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(screen));
    // With two screens it opens full screen.
    if (QGuiApplication::screens().size() > 1) {
        QVERIFY(screen->isFullScreen());
        QTest::keyClick(screen, Qt::Key_Escape);
    }
    QVERIFY(!screen->isFullScreen());

    QTest::keyClick(screen, Qt::Key_Escape);
    QVERIFY(screen->isVisible());
    QVERIFY(!screen->isFullScreen());
    QTest::keyClick(screen, Qt::Key_F11);
    QVERIFY(screen->isFullScreen());
    QVERIFY(screen->fullScreenAction()->isChecked());
    QTest::keyClick(screen, Qt::Key_Escape);
    QVERIFY(!screen->isFullScreen());
    QVERIFY(!screen->fullScreenAction()->isChecked());

    screen->fullScreenAction()->trigger();
    QVERIFY(screen->isFullScreen());
    QTest::keyClick(screen, Qt::Key_F11);
    QVERIFY(!screen->isFullScreen());
    QVERIFY(screen->isVisible());
    QCOMPARE(f.draws(), 0);

    // Its context menu holds full screen, the item that closes it, the sheet check, the live
    // page, the winners' list (shown only with the hall) and the list of keys.
    QStringList items;
    for (QAction *action : screen->actions())
        items << action->text();
    QCOMPARE(items, (QStringList{"全画面表示(&F)", "観客用表示(&D)", "シート確認",
                                 "会場のスマホに公開", "ビンゴ順位(&W)...", "キー操作(&K)..."}));
    QCOMPARE(screen->contextMenuPolicy(), Qt::ActionsContextMenu);
}

void TestAudienceScreen::revealReachesTheScreenWithTheCalledSlot()
{
    Fixture f;
    f.dialog->ToggleAudienceScreen();
    AudienceScreen *screen = f.screen();
    QVERIFY(QTest::qWaitForWindowExposed(screen));
    f.get<QComboBox>("IDC_TOP_NUMBER")->setEditText(QStringLiteral("2"));
    PaintCounter counter;
    screen->installEventFilter(&counter);

    // Observers connected after the screen run after it: by then the number is painted.
    int paintsWhenDrawn = -1;
    QList<int> paintedByReveal;
    connect(&f.dialog->game(), &CallerGame::numberDrawn, this,
            [&] { paintsWhenDrawn = counter.paints; });
    // The screen says it has painted the board (for the live page) after the paint.
    int paintsWhenTold = -1;
    connect(screen, &AudienceScreen::boardPainted, this, [&] { paintsWhenTold = counter.paints; });
    connect(&f.dialog->game(), &CallerGame::numberRevealed, this, [&] {
        paintedByReveal << counter.paints - paintsWhenDrawn;
        QCOMPARE(paintsWhenTold, counter.paints);
    });
    int paintsAtBingoEnd = -1;
    f.messages.probe = [&] { return paintsAtBingoEnd = counter.paints; };

    f.draw();
    f.draw();
    QCOMPARE(paintedByReveal, (QList<int>{1, 1}));
    // "Bingo End" is on the screen before its message box opens.
    QCOMPARE(paintsAtBingoEnd, paintsWhenDrawn + 2);
}

void TestAudienceScreen::spinRepaintsOnlyTheDotsThatTurn()
{
    Fixture f;
    AudienceScreen *screen = openWindowed(f);
    QVERIFY(screen);
    f.click("IDC_START");
    QCoreApplication::processEvents();

    // What the window shows, kept up to date with only the areas each step repaints.
    struct StepFilter : QObject
    {
        AudienceScreen *screen = nullptr;
        QImage shown;
        QList<QRegion> steps;
        bool grabbing = false;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() != QEvent::Paint || grabbing)
                return false;
            const QRegion region = static_cast<QPaintEvent *>(event)->region();
            steps << region;
            QTimer::singleShot(0, screen, [this, region] {
                grabbing = true;
                const QImage now = screen->grab().toImage();
                grabbing = false;
                QPainter painter(&shown);
                painter.setClipRegion(region);
                painter.drawImage(0, 0, now);
            });
            return false;
        }
    } filter;
    filter.screen = screen;
    filter.shown = screen->grab().toImage();
    screen->installEventFilter(&filter);
    QTRY_VERIFY(filter.steps.size() >= AudienceScreen::SpinDots + 2);
    QCoreApplication::processEvents();
    screen->removeEventFilter(&filter);
    filter.grabbing = true;

    // A full turn and more left the window as a full repaint draws it, each step repainting
    // a small part of the ring.
    QCOMPARE(filter.shown, screen->grab().toImage());
    for (const QRegion &step : std::as_const(filter.steps)) {
        qint64 area = 0;
        for (const QRect &rect : step)
            area += qint64(rect.width()) * rect.height();
        QVERIFY2(area * 20 < qint64(screen->width()) * screen->height(),
                 qPrintable(QStringLiteral("a step repainted %1 pixels").arg(area)));
    }
}

void TestAudienceScreen::boardShowsTheCalledNumbers()
{
    Fixture f;
    f.get<QComboBox>("IDC_TOP_NUMBER")->setEditText(QStringLiteral("10"));
    for (int k = 0; k < 3; ++k)
        f.draw();
    AudienceScreen *screen = openWindowed(f);
    QVERIFY(screen);
    const QImage image = screen->grab().toImage();
    const std::span<const int> drawn = f.dialog->game().drawnNumbers();
    const QColor blue(0, 0, 255);
    const QColor white(255, 255, 255);
    for (int number = 0; number <= 10; ++number) {
        const bool called = std::find(drawn.begin(), drawn.end(), number) != drawn.end();
        QCOMPARE(cellColour(image, screen->size(), 11, number), called ? blue : white);
    }

    // Red text turns the background black; the called cells fill with red.
    f.get<QRadioButton>("IDC_COLOR_RED")->setChecked(true);
    const QImage red = screen->grab().toImage();
    QCOMPARE(cellColour(red, screen->size(), 11, drawn[0]), QColor(255, 0, 0));
    QCOMPARE(red.pixelColor(1, 1), QColor(0, 0, 0));

    // After Clear, confirmed mid-game, nothing is called.
    f.messages.answer = true;
    f.click("IDC_CLEAR");
    const QImage cleared = screen->grab().toImage();
    for (int number = 0; number <= 10; ++number)
        QCOMPARE(cellColour(cleared, screen->size(), 11, number), QColor(0, 0, 0));
}

void TestAudienceScreen::boardFollowsTheTopNumberInReady()
{
    Fixture f;
    AudienceScreen *screen = openWindowed(f);
    QVERIFY(screen);
    // 0..20 and 0..22 both lie in four columns of six rows at this size.
    QCOMPARE(AudienceLayout(screen->size(), 21, 5).columns(), 4);
    QCOMPARE(AudienceLayout(screen->size(), 23, 5).rows(), 6);
    const QColor white(255, 255, 255);

    // Of 0..100 the digits fill about half a cell's height, in a grey that reads at 4.5:1;
    // the one number of three digits is narrowed to stay clear of its cell's frame.
    f.get<QComboBox>("IDC_TOP_NUMBER")->setEditText(QStringLiteral("100"));
    const QImage hundred = screen->grab().toImage();
    const QRect digits = inkBox(hundred, screen->size(), 101, 45, white, 4.5);
    QVERIFY(digits.height() >= AudienceLayout(screen->size(), 101, 5).cell(45).height() * 0.45);
    const QRect threeDigits = inkBox(hundred, screen->size(), 101, 100, white, 4.5);
    QVERIFY(!threeDigits.isEmpty());
    QVERIFY(threeDigits.width() <= AudienceLayout(screen->size(), 101, 5).cell(100).width() * 0.8);

    f.get<QComboBox>("IDC_TOP_NUMBER")->setEditText(QStringLiteral("22"));
    QVERIFY(cellHasInk(screen->grab().toImage(), screen->size(), 23, 22, white));
    f.get<QComboBox>("IDC_TOP_NUMBER")->setEditText(QStringLiteral("20"));
    const QImage image = screen->grab().toImage();
    QVERIFY(cellHasInk(image, screen->size(), 21, 20, white));
    QVERIFY(!cellHasInk(image, screen->size(), 21, 21, white));
    QVERIFY(!cellHasInk(image, screen->size(), 21, 22, white));
}

void TestAudienceScreen::keysAreListed()
{
    Fixture f;
    f.menuItem("keys")->trigger();
    QCOMPARE(f.messages.texts(), QStringList{"スタート / ストップ: Space, Enter, Page Down, →\n"
                                             "観客用表示を開く / 閉じる: F5\n"
                                             "観客用表示の全画面表示: F11 (戻るときは F11 か Esc)\n"
                                             "シート確認: F8\n"
                                             "会場のスマホに公開 / やめる: F9"});
    QCOMPARE(f.draws(), 0);
}

void TestAudienceScreen::hallCountsCoverNothing()
{
    Fixture f;
    bringTo(f, Phase::BetweenDraws);
    AudienceScreen *screen = openWindowed(f);
    QVERIFY(screen);
    auto *banner = screen->findChild<HallBanner *>();
    QVERIFY(banner);
    const AudienceHall &hall = f.dialog->hall().audience();
    LiveServing &live = f.dialog->live();

    // Until something is counted the screen is as it always was.
    const QImage before = screen->grab().toImage();
    emit live.tallied(HallTally{1, 0, 0, {}});
    QVERIFY(banner->isHidden());
    QCOMPARE(screen->grab().toImage(), before);

    emit live.tallied(HallTally{1, 12, 3, {HallSheet{"2222-E7HD5", 7, "はな", true}}});
    QVERIFY(banner->isVisible());
    QCOMPARE(hallCountText(hall.reach(), hall.bingo()), QStringLiteral("リーチ 12 · ビンゴ 3"));
    QCOMPARE(hall.announcement(), QStringLiteral("ビンゴ! No.7 はな"));
    // The rest is laid out above the strip: nothing of it lies under the banner, and the number
    // just revealed is still painted in full.
    const QSize size = screen->size();
    const int strip = HallBanner::stripHeight(size);
    QCOMPARE(banner->geometry(), QRect(0, size.height() - strip, size.width(), strip));
    const AudienceLayout layout(QSizeF(size.width(), size.height() - strip), 6, 5);
    for (const QRectF &part :
         {layout.state(), layout.latest(), layout.count(), layout.recentRow(), layout.board()})
        QVERIFY(!part.toAlignedRect().intersects(banner->geometry()));
    const QImage during = screen->grab().toImage();
    QVERIFY(hasInk(during, layout.latest().toAlignedRect(), during.pixelColor(1, 1)));
    QVERIFY(hasInk(during, banner->geometry(), during.pixelColor(1, 1)));

    // A hidden name stays hidden; the next spin ends the announcement, the counts stay.
    f.dialog->hall().winners().setNameHidden(0, true);
    QCOMPARE(hall.announcement(), QStringLiteral("ビンゴ! No.7"));
    f.dialog->hall().winners().setNameHidden(0, false);
    f.click("IDC_START");
    QCOMPARE(hall.announcement(), QString());
    QVERIFY(banner->isVisible());
    f.click("IDC_STOP");
    emit live.tallied(HallTally{2, 10, 4, {HallSheet{"3333-ABCDE", 9, {}, false}}});
    QCOMPARE(hall.announcement(), QStringLiteral("ビンゴ! No.9"));

    // "Bingo End": the first winners in order; Clear takes the strip away again.
    for (int k = 2; k < 5; ++k)
        f.draw();
    QCOMPARE(hall.announcement(), QStringLiteral("1位  No.7  はな  (スマホ)   2位  No.9  (紙)"));
    f.click("IDC_CLEAR");
    QVERIFY(banner->isHidden());
    QCOMPARE(screen->findChild<HallBanner *>(), banner);

    // A screen opened once the hall has counted shows the strip at once.
    Fixture late;
    bringTo(late, Phase::BetweenDraws);
    emit late.dialog->live().tallied(HallTally{1, 2, 0, {}});
    late.dialog->ToggleAudienceScreen();
    QVERIFY(late.screen()->findChild<HallBanner *>()->isVisible());
}

QTEST_MAIN(TestAudienceScreen)
#include "tst_audiencescreen.moc"
