#include "audienceboard.h"
#include "audiencelayout.h"
#include "audiencescreenchoice.h"
#include "callergame.h"
#include "gamedisplays.h"
#include "quietgameview.h"
#include "scriptedrandom.h"
#include "windowfit.h"

#include <QSignalSpy>
#include <QTest>

namespace {

struct Fixture
{
    QuietGameView view;
    ScriptedRandom random;
    CallerGame game{view, view, random};
    AudienceBoard board;

    Fixture(const QString &top, const QList<int> &order)
        : random({order.begin(), order.end()}, ScriptedRandom::AtTheEnd::StartAgain)
    {
        view.input = top;
        game.initialise();
        board.follow(game);
        board.setTopNumberText(top);
    }

    // s Start, t Stop, c Clear, v a save that wrote its file.
    void run(const QString &script)
    {
        for (QChar step : script) {
            switch (step.toLatin1()) {
            case 's':
                game.start();
                break;
            case 't':
                game.stop();
                break;
            case 'c':
                game.clear();
                break;
            case 'v':
                game.beginSave();
                game.endSave(true);
                break;
            default:
                QFAIL("unknown step");
            }
        }
    }

    QList<int> called() const
    {
        QList<int> numbers;
        for (int n = -1; n <= CallerGame::MaxTopNumber + 1; ++n) {
            if (board.isCalled(n))
                numbers << n;
        }
        return numbers;
    }
};

const QList<int> OrderOfFive{3, 0, 4, 1, 2};
const QList<int> OrderOfSeven{6, 2, 5, 0, 3, 1, 4};

} // namespace

Q_DECLARE_METATYPE(AudienceBoard::Phase)

class TestAudienceBoard : public QObject
{
    Q_OBJECT

private slots:
    void followsTheGame_data();
    void followsTheGame();
    void nothingShowsBeforeTheReveal();
    void clearEmptiesTheBoard();
    void restoredGameFillsTheBoard_data();
    void restoredGameFillsTheBoard();
    void topNumberFromTheCombobox_data();
    void topNumberFromTheCombobox();
    void topNumberIsFixedDuringAGame();
    void changedOnlyWhenTheScreenWouldChange();
    void contrastingBackground_data();
    void contrastingBackground();
    void layoutPartsInsideAndApart_data();
    void layoutPartsInsideAndApart();
    void layoutPinned_data();
    void layoutPinned();
    void screenChoice_data();
    void screenChoice();
    void windowPlacement_data();
    void windowPlacement();
};

void TestAudienceBoard::followsTheGame_data()
{
    QTest::addColumn<QString>("top");
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<QString>("script");
    QTest::addColumn<AudienceBoard::Phase>("phase");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QList<int>>("called");
    QTest::addColumn<int>("latest");
    QTest::addColumn<QList<int>>("recent");

    using P = AudienceBoard::Phase;
    QTest::newRow("waiting shows the chosen top number's board")
        << "5" << OrderOfFive << "" << P::Waiting << "0 / 5" << QList<int>{} << -1 << QList<int>{};
    QTest::newRow("the first spin marks nothing") << "5" << OrderOfFive << "s" << P::Spinning
                                                  << "0 / 5" << QList<int>{} << -1 << QList<int>{};
    QTest::newRow("between draws after two")
        << "5" << OrderOfFive << "stst" << P::BetweenDraws << "2 / 5" << QList<int>{0, 3} << 0
        << QList<int>{0, 3};
    QTest::newRow("spinning for the third keeps the second as latest")
        << "5" << OrderOfFive << "ststs" << P::Spinning << "2 / 5" << QList<int>{0, 3} << 0
        << QList<int>{0, 3};
    QTest::newRow("after a save the spin is for the same number")
        << "5" << OrderOfFive << "stvst" << P::BetweenDraws << "2 / 5" << QList<int>{0, 3} << 0
        << QList<int>{0, 3};
    QTest::newRow("finished leaves the top number uncalled")
        << "5" << OrderOfFive << "ststststst" << P::Finished << "5 / 5" << QList<int>{0, 1, 2, 3, 4}
        << 2 << QList<int>{2, 1, 4, 0, 3};
    QTest::newRow("six of seven keep the newest five")
        << "7" << OrderOfSeven << "stststststst" << P::BetweenDraws << "6 / 7"
        << QList<int>{0, 1, 2, 3, 5, 6} << 1 << QList<int>{1, 3, 0, 5, 2};
    QTest::newRow("the second game after a clear starts afresh")
        << "5" << OrderOfFive << "ststcst" << P::BetweenDraws << "1 / 5" << QList<int>{3} << 3
        << QList<int>{3};
}

void TestAudienceBoard::followsTheGame()
{
    QFETCH(QString, top);
    QFETCH(QList<int>, order);
    QFETCH(QString, script);
    QFETCH(AudienceBoard::Phase, phase);
    QFETCH(QString, count);
    QFETCH(QList<int>, called);
    QFETCH(int, latest);
    QFETCH(QList<int>, recent);

    Fixture f(top, order);
    f.run(script);
    QCOMPARE(f.board.phase(), phase);
    QCOMPARE(f.board.countText(), count);
    QCOMPARE(f.called(), called);
    QCOMPARE(f.board.latest(), latest);
    QCOMPARE(f.board.recent(), recent);
    QCOMPARE(f.board.topNumber(), top.toInt());
}

void TestAudienceBoard::nothingShowsBeforeTheReveal()
{
    Fixture f(QStringLiteral("5"), OrderOfFive);
    QList<int> calledWhenDrawn;
    QList<int> latestWhenDrawn;
    connect(&f.game, &CallerGame::numberDrawn, this, [&](int, int number) {
        calledWhenDrawn << f.board.isCalled(number);
        latestWhenDrawn << f.board.latest();
    });
    f.run(QStringLiteral("ststst"));
    QCOMPARE(calledWhenDrawn, (QList<int>{0, 0, 0}));
    QCOMPARE(latestWhenDrawn, (QList<int>{-1, 3, 0}));
    QCOMPARE(f.board.latest(), 4);
}

void TestAudienceBoard::clearEmptiesTheBoard()
{
    Fixture f(QStringLiteral("5"), OrderOfFive);
    f.run(QStringLiteral("ststst"));
    QSignalSpy changed(&f.board, &AudienceBoard::changed);
    f.run(QStringLiteral("c"));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(f.board.phase(), AudienceBoard::Phase::Waiting);
    QCOMPARE(f.board.countText(), QStringLiteral("0 / 5"));
    QCOMPARE(f.called(), QList<int>{});
    QCOMPARE(f.board.latest(), -1);
    QCOMPARE(f.board.recent(), QList<int>{});
}

void TestAudienceBoard::restoredGameFillsTheBoard_data()
{
    QTest::addColumn<int>("drawCount");
    QTest::addColumn<AudienceBoard::Phase>("phase");
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("latest");
    QTest::newRow("killed before the first reveal")
        << 0 << AudienceBoard::Phase::BetweenDraws << "0 / 5" << -1;
    QTest::newRow("between draws") << 2 << AudienceBoard::Phase::BetweenDraws << "2 / 5" << 1;
    QTest::newRow("finished") << 5 << AudienceBoard::Phase::Finished << "5 / 5" << 4;
}

// A game put back from its journal shows on the board as if its numbers had just been called.
void TestAudienceBoard::restoredGameFillsTheBoard()
{
    QFETCH(int, drawCount);
    QFETCH(AudienceBoard::Phase, phase);
    QFETCH(QString, count);
    QFETCH(int, latest);
    Fixture f(QStringLiteral("50"), {});
    const QList<int> order{3, 1, 0, 5, 4};
    QVERIFY(f.game.restore(order, drawCount));
    QCOMPARE(f.board.phase(), phase);
    QCOMPARE(f.board.topNumber(), 5);
    QCOMPARE(f.board.countText(), count);
    QCOMPARE(f.board.latest(), latest);
    for (int i = 0; i < order.size(); ++i)
        QCOMPARE(f.board.isCalled(order.at(i)), i < drawCount);
    QVERIFY(!f.board.isCalled(2));
}

void TestAudienceBoard::topNumberFromTheCombobox_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("top");
    QTest::newRow("a listed number") << "25" << 25;
    QTest::newRow("a typed one") << "7" << 7;
    QTest::newRow("the largest") << "100" << 100;
    QTest::newRow("digits then text as the game reads them") << "30abc" << 30;
    QTest::newRow("too large leaves it") << "101" << 50;
    QTest::newRow("zero leaves it") << "0" << 50;
    QTest::newRow("empty leaves it") << "" << 50;
    QTest::newRow("not a number leaves it") << "abc" << 50;
}

void TestAudienceBoard::topNumberFromTheCombobox()
{
    QFETCH(QString, text);
    QFETCH(int, top);
    Fixture f(QStringLiteral("50"), OrderOfFive);
    f.board.setTopNumberText(text);
    QCOMPARE(f.board.topNumber(), top);
    QCOMPARE(f.board.countText(), QStringLiteral("0 / %1").arg(top));
}

void TestAudienceBoard::topNumberIsFixedDuringAGame()
{
    Fixture f(QStringLiteral("5"), OrderOfFive);
    f.run(QStringLiteral("st"));
    f.board.setTopNumberText(QStringLiteral("75"));
    QCOMPARE(f.board.topNumber(), 5);
    QCOMPARE(f.board.countText(), QStringLiteral("1 / 5"));
    // The text chosen meanwhile is the next game's board.
    f.run(QStringLiteral("c"));
    QCOMPARE(f.board.topNumber(), 75);
}

void TestAudienceBoard::changedOnlyWhenTheScreenWouldChange()
{
    Fixture f(QStringLiteral("5"), OrderOfFive);
    QSignalSpy changed(&f.board, &AudienceBoard::changed);
    f.board.setTextColour(f.board.textColour());
    f.board.setTopNumberText(QStringLiteral("5"));
    f.board.setTopNumberText(QStringLiteral("abc"));
    QCOMPARE(changed.size(), 0);
    f.board.setTopNumberText(QStringLiteral("6"));
    f.board.setTextColour(TextColours::Green);
    QCOMPARE(changed.size(), 2);
    QCOMPARE(f.board.textColour(), TextColours::Green);

    f.view.input = QStringLiteral("6");
    f.run(QStringLiteral("s"));
    changed.clear();
    f.board.setTopNumberText(QStringLiteral("30"));
    QCOMPARE(changed.size(), 0);
}

void TestAudienceBoard::contrastingBackground_data()
{
    QTest::addColumn<Rgb>("text");
    QTest::addColumn<Rgb>("back");
    // Their contrast ratio in hundredths, as the usual checkers give it.
    QTest::addColumn<int>("contrast");
    const Rgb white{255, 255, 255};
    const Rgb black{0, 0, 0};
    QTest::newRow("blue on white") << TextColours::Blue << white << 859;
    QTest::newRow("red on black") << TextColours::Red << black << 525;
    QTest::newRow("green on black") << TextColours::Green << black << 1530;
    QTest::newRow("black on white") << black << white << 2100;
    QTest::newRow("white on black") << white << black << 2100;
}

void TestAudienceBoard::contrastingBackground()
{
    QFETCH(Rgb, text);
    QFETCH(Rgb, back);
    QFETCH(int, contrast);
    QCOMPARE(AudienceBoard::contrastingBackground(text), back);
    QCOMPARE(qRound(AudienceBoard::contrast(text, back) * 100), contrast);

    // Numbers not yet called are a grey at 7:1 to the background, well above the 4.5:1 that
    // reads in a lit hall, and rounded towards more.
    AudienceBoard board;
    board.setTextColour(text);
    const Rgb grey = board.uncalledColour();
    QCOMPARE(grey, (Rgb{grey.red, grey.red, grey.red}));
    QVERIFY(AudienceBoard::contrast(grey, back) >= AudienceBoard::UncalledContrast);
    QVERIFY(AudienceBoard::contrast(grey, back) < 7.1);
}

void TestAudienceBoard::layoutPartsInsideAndApart_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("cells");
    for (const QSize size : {QSize(800, 600), QSize(1024, 768), QSize(1920, 1080),
                             QSize(3840, 2160), QSize(600, 800), QSize(1080, 1920)}) {
        for (int cells : {2, 26, 51, 76, 101}) {
            QTest::addRow("%dx%d, %d cells", size.width(), size.height(), cells) << size << cells;
        }
    }
}

void TestAudienceBoard::layoutPartsInsideAndApart()
{
    QFETCH(QSize, size);
    QFETCH(int, cells);
    const AudienceLayout layout(size, cells, AudienceBoard::RecentCount);
    const QRectF window(QPointF(0, 0), QSizeF(size));
    const QList<QRectF> parts{layout.state(), layout.latest(), layout.count(), layout.recentRow(),
                              layout.board()};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QVERIFY(window.contains(parts[i]));
        QVERIFY(!parts[i].isEmpty());
        for (qsizetype j = i + 1; j < parts.size(); ++j) {
            const QRectF shared = parts[i].intersected(parts[j]);
            QVERIFY2(shared.width() < 0.01 || shared.height() < 0.01,
                     qPrintable(QStringLiteral("parts %1 and %2 overlap").arg(i).arg(j)));
        }
    }
    QVERIFY(layout.columns() * layout.rows() >= cells);
    QVERIFY(layout.columns() * (layout.rows() - 1) < cells);
    const QRectF board = layout.board().adjusted(-0.01, -0.01, 0.01, 0.01);
    for (int i = 0; i < cells; ++i) {
        QVERIFY(board.contains(layout.cell(i)));
        if (i > 0) {
            const QRectF shared = layout.cell(i).intersected(layout.cell(i - 1));
            QVERIFY(shared.width() < 0.01 || shared.height() < 0.01);
        }
    }
    for (int i = 0; i < AudienceBoard::RecentCount; ++i)
        QVERIFY(
            layout.recentRow().adjusted(-0.01, -0.01, 0.01, 0.01).contains(layout.recentSlot(i)));
}

void TestAudienceBoard::layoutPinned_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("cells");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QRectF>("board");
    // 800 x 600: a margin of 15, the board from 40% of the width.
    QTest::newRow("smallest window, 0..100")
        << QSize(800, 600) << 101 << 8 << 13 << QRectF(320, 15, 465, 570);
    QTest::newRow("full HD, 0..100")
        << QSize(1920, 1080) << 101 << 10 << 11 << QRectF(768, 27, 1125, 1026);
    QTest::newRow("full HD, 0..25")
        << QSize(1920, 1080) << 26 << 5 << 6 << QRectF(768, 27, 1125, 1026);
}

void TestAudienceBoard::layoutPinned()
{
    QFETCH(QSize, size);
    QFETCH(int, cells);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QRectF, board);
    const AudienceLayout layout(size, cells, AudienceBoard::RecentCount);
    QCOMPARE(layout.columns(), columns);
    QCOMPARE(layout.rows(), rows);
    QCOMPARE(layout.board(), board);
    // The last number sits in the last row, as far left as the numbers before it leave it.
    const QRectF last = layout.cell(cells - 1);
    QCOMPARE(last.bottom(), board.bottom());
    QCOMPARE(last.left(), board.left() + ((cells - 1) % columns) * board.width() / columns);
    // The latest number gets about half the window's height.
    QVERIFY(layout.latest().height() > size.height() * 0.45);
}

void TestAudienceBoard::screenChoice_data()
{
    QTest::addColumn<QList<QRect>>("screens");
    QTest::addColumn<QRect>("dialog");
    QTest::addColumn<int>("chosen");

    const QRect laptop(0, 0, 1366, 768);
    const QRect projector(1366, 0, 1920, 1080);
    const QRect dialog(100, 100, 730, 600);
    QTest::newRow("no screen: a window") << QList<QRect>{} << dialog << -1;
    QTest::newRow("one screen: a window") << QList<QRect>{laptop} << dialog << -1;
    QTest::newRow("dialog on the first: the second")
        << QList<QRect>{laptop, projector} << dialog << 1;
    QTest::newRow("dialog on the second: the first")
        << QList<QRect>{laptop, projector} << dialog.translated(1500, 0) << 0;
    QTest::newRow("dialog across both goes by its centre")
        << QList<QRect>{laptop, projector} << QRect(1100, 100, 730, 600) << 0;
    QTest::newRow("dialog partly off every screen goes by the most of it")
        << QList<QRect>{laptop, projector} << QRect(1300, 1000, 730, 600) << 0;
    QTest::newRow("dialog nowhere counts as on the first")
        << QList<QRect>{laptop, projector} << QRect(-5000, -5000, 730, 600) << 1;
    QTest::newRow("second screen to the left of the first")
        << QList<QRect>{laptop, QRect(-1280, 0, 1280, 1024)} << QRect(-1000, 100, 730, 600) << 0;
    QTest::newRow("three screens, dialog on the middle: the first")
        << QList<QRect>{laptop, projector, QRect(3286, 0, 1920, 1080)} << dialog.translated(1500, 0)
        << 0;
}

void TestAudienceBoard::screenChoice()
{
    QFETCH(QList<QRect>, screens);
    QFETCH(QRect, dialog);
    QFETCH(int, chosen);
    QCOMPARE(audienceScreenFor(screens, dialog).value_or(-1), chosen);
}

void TestAudienceBoard::windowPlacement_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("dialog");
    QTest::addColumn<QRect>("placed"); // of a window that would be 970 x 750
    const QRect hd(0, 0, 1920, 1080);
    QTest::newRow("1920 x 1080: right of the dialog")
        << hd << QRect(100, 100, 740, 630) << QRect(840, 100, 970, 750);
    QTest::newRow("1920 x 1080, dialog on the right: left of it")
        << hd << QRect(1100, 50, 740, 630) << QRect(130, 50, 970, 750);
    QTest::newRow("right of the dialog, moved up to stay on the screen")
        << hd << QRect(100, 400, 740, 630) << QRect(840, 330, 970, 750);
    QTest::newRow("1280 x 1024, no room beside: inside, over the dialog's least")
        << QRect(0, 0, 1280, 1024) << QRect(265, 150, 740, 630) << QRect(265, 274, 970, 750);
    QTest::newRow("1600 x 900 under a panel: inside the free area")
        << QRect(0, 30, 1600, 870) << QRect(430, 150, 740, 630) << QRect(630, 150, 970, 750);
    QTest::newRow("a window larger than the screen shrinks to it")
        << QRect(0, 0, 800, 600) << QRect(30, 20, 740, 560) << QRect(0, 0, 800, 600);
}

void TestAudienceBoard::windowPlacement()
{
    QFETCH(QRect, available);
    QFETCH(QRect, dialog);
    QFETCH(QRect, placed);
    QCOMPARE(audienceWindowFor(available, dialog, QSize(970, 750)), placed);
    QVERIFY(available.contains(placed));
    QCOMPARE(fitInside(available, placed), placed);
}

QTEST_APPLESS_MAIN(TestAudienceBoard)
#include "tst_audienceboard.moc"
