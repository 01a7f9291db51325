#include "boardedgame.h"
#include "lanaddress.h"
#include "livegame.h"
#include "numbertext.h"
#include "qrcode.h"
#include "requestheadlimit.h"
#include "setcode.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <algorithm>

namespace {

QJsonObject parsed(const QByteArray &json)
{
    return QJsonDocument::fromJson(json).object();
}

QJsonArray arrayOf(std::span<const int> numbers)
{
    QJsonArray array;
    for (int number : numbers)
        array.append(number);
    return array;
}

QString markOf(const QJsonObject &sheet, int column, int row)
{
    return sheet.value("rows")[row][column].toObject().value("m").toString();
}

} // namespace

class TestLiveGame : public QObject
{
    Q_OBJECT

private slots:
    void gameAsPhonesSeeIt_data();
    void gameAsPhonesSeeIt();
    void sheet_data();
    void sheet();
    void requestHeadLimit_data();
    void requestHeadLimit();
    void defaultRoute_data();
    void defaultRoute();
    void url();
    void qrCodeHasItsFinderPatterns();
};

void TestLiveGame::gameAsPhonesSeeIt_data()
{
    QTest::addColumn<QString>("script"); // s Start, t Stop, c Clear
    QTest::addColumn<QString>("phase");
    QTest::addColumn<int>("calledCount");
    const auto row = [](const char *name, const QString &script, const char *phase, int count) {
        QTest::newRow(name) << script << phase << count;
    };
    row("before the first Start: waiting on the chosen top", "", "waiting", 0);
    row("spinning: nothing revealed yet", "s", "spinning", 0);
    row("between draws", "stst", "between", 2);
    row("spinning for the third", "ststs", "spinning", 2);
    row("cleared: waiting, board empty", "ststc", "waiting", 0);
    row("all drawn: finished", QString("st").repeated(50), "finished", 50);
}

void TestLiveGame::gameAsPhonesSeeIt()
{
    QFETCH(QString, script);
    QFETCH(QString, phase);
    QFETCH(int, calledCount);
    BoardedGame g{1};
    // A number reaches the phones when the room sees it revealed, never when it is drawn.
    int checks = 0;
    int wrong = 0;
    const auto phonesHave = [&](int count) {
        ++checks;
        wrong += !std::ranges::equal(LiveGame::of(g.board).called,
                                     g.game.drawnNumbers().first(std::size_t(count)));
    };
    connect(&g.game, &CallerGame::numberDrawn, this, [&](int index) { phonesHave(index); });
    connect(&g.game, &CallerGame::numberRevealed, this, [&](int index) { phonesHave(index + 1); });
    for (QChar step : script)
        step == u's' ? g.game.start() : step == u't' ? g.game.stop() : g.game.clear();
    QCOMPARE(checks, 2 * script.count(u't'));
    QCOMPARE(wrong, 0);

    const QJsonObject json = parsed(liveGameJson(LiveGame::of(g.board)));
    // The game's state and nothing else: no order, no seed.
    QCOMPARE(json.keys(), (QStringList{"called", "phase", "top"}));
    QCOMPARE(json.value("phase").toString(), phase);
    QCOMPARE(json.value("top").toInt(), 50);
    const QJsonArray called = json.value("called").toArray();
    QCOMPARE(called.size(), calledCount);
    if (phase != "waiting")
        QCOMPARE(called, arrayOf(g.game.drawnNumbers()));
}

void TestLiveGame::sheet_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("gameTop");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("error");
    const auto row = [](const char *name, const QString &code, const QString &number,
                        const char *field, const QString &error, int top = 50) {
        QTest::newRow(name) << code << number << top << field << error;
    };
    const QString code = QStringLiteral("2222-E7HD5");
    row("a sheet of the game", code, "7", "", "");
    row("lower case, spaces, full-width dash", " 2222－e7hd5 ", " 7 ", "", "");
    row("wrong check character", "2222-E7HD6", "7", "code", SetCode::read("2222-E7HD6").error);
    row("no code", "", "7", "code", "コードを入力してください。");
    row("a set of another top number", code, "7", "code",
        "コード 2222-E7HD5 は数値 50 までのシートの組です。このゲームは 75 までです。", 75);
    row("number not digits", code, "7a", "number",
        "シート番号を 1 から 100000 までの数字で入力してください。");
    row("number zero", code, "0", "number", *SetCode::sheetNumberRefusal(0));
    row("number beyond the set", code, "100001", "number", *SetCode::sheetNumberRefusal(100001));
    row("overlong code refused unread", QString(500, u'A'), "7", "code", "コードが長すぎます。");
    row("overlong number refused unread", code, QString(41, u'1'), "number",
        "シート番号が長すぎます。");
}

void TestLiveGame::sheet()
{
    QFETCH(QString, code);
    QFETCH(QString, number);
    QFETCH(int, gameTop);
    QFETCH(QString, field);
    QFETCH(QString, error);
    // Sheet 7 of 2222-E7HD5 as the sheet program printed it; cells 0, 5, 10, 15, 20 are its
    // top row, all but the last called here.
    const auto cells = SetCode(4711, 50).sheet(7);
    LiveGame game{
        AudienceBoard::Phase::BetweenDraws, gameTop, {cells[0], 1, cells[5], cells[10], cells[15]}};
    LiveSheet sheet(code, number);
    QJsonObject json = parsed(sheet.json(game));
    QCOMPARE(json.value("error").toString(), error);
    QCOMPARE(json.value("field").toString(), field);
    if (!error.isEmpty())
        return;
    // Printed column by column: the page is sent rows, the star in the middle.
    QCOMPARE(json.value("rows").toArray().size(), 5);
    for (int row = 0; row < 5; ++row) {
        QCOMPARE(json.value("rows")[row].toArray().size(), 5);
        for (int column = 0; column < 5; ++column)
            QCOMPARE(json.value("rows")[row][column]["n"].toString(),
                     row == 2 && column == 2 ? "★" : numberText(cells[column * 5 + row]));
    }
    QCOMPARE(markOf(json, 2, 2), "star");
    QCOMPARE(json.value("title").toString(), "シート 7 · 2222-E7HD5");
    QCOMPARE(json.value("code").toString(), "2222-E7HD5");
    QCOMPARE(json.value("number").toInt(), 7);
    const SheetVerdict reach(cells, game.called);
    QCOMPARE(json.value("headline").toString(), reach.headline());
    QCOMPARE(json.value("details").toVariant().toStringList(), reach.details());
    QCOMPARE(json.value("reach").toArray(),
             (QJsonArray{QJsonObject{{"line", 0}, {"waitsFor", cells[20]}}}));
    QCOMPARE(markOf(json, 0, 0), "hit");
    QCOMPARE(markOf(json, 4, 0), "wait");
    QCOMPARE(markOf(json, 4, 1), "");

    game.called << cells[20];
    json = parsed(sheet.json(game));
    QCOMPARE(markOf(json, 4, 0), "hit");
    QCOMPARE(json.value("complete").toArray(),
             (QJsonArray{QJsonObject{{"line", 0}, {"call", 6}, {"number", cells[20]}}}));
    QCOMPARE(json.value("headline").toString(), SheetVerdict(cells, game.called).headline());
    QVERIFY(json.value("full").isNull());
    QCOMPARE(json.value("over").toBool(), false);

    // After the last draw, the lines through the one number never drawn wait for nothing.
    game.called.clear();
    for (int n = 0; n <= gameTop; ++n)
        if (n != cells[20])
            game.called << n;
    json = parsed(sheet.json(game));
    QCOMPARE(json.value("over").toBool(), true);
    QCOMPARE(json.value("reach").toArray(), QJsonArray());
    QCOMPARE(json.value("notDrawn").toArray(),
             (QJsonArray{QJsonObject{{"line", 0}, {"waitsFor", cells[20]}},
                         QJsonObject{{"line", 9}, {"waitsFor", cells[20]}},
                         QJsonObject{{"line", 11}, {"waitsFor", cells[20]}}}));
}

void TestLiveGame::requestHeadLimit_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<bool>("accepted");
    const auto row = [](const char *name, const QList<QByteArray> &pieces, bool accepted) {
        QTest::newRow(name) << pieces << accepted;
    };
    const QByteArray line = "X-A: " + QByteArray(90, 'a') + "\r\n"; // 97 bytes
    const QByteArray end = "\r\n\r\n";
    row("a short GET", {"GET / HTTP/1.1\r\nHost: a\r\n\r\n"}, true);
    row("a head of exactly the limit", {line.repeated(10) + QByteArray(26, 'b') + end}, true);
    row("one byte over", {line.repeated(10) + QByteArray(27, 'b') + end}, false);
    row("a long head in small pieces", QList<QByteArray>(12, line), false);
    row("many short requests on one connection",
        QList<QByteArray>(40, "GET / HTTP/1.1\r\n" + line + "\r\n"), true);
    row("lines ending in LF alone",
        QList<QByteArray>(40, "GET / HTTP/1.1\n" + line.chopped(2) + "\n\n"), true);
    row("the empty line split between pieces",
        {line.repeated(9) + "\r\n\r", "\n" + line.repeated(9) + end}, true);
    row("a body counts as the next head", {"POST / HTTP/1.1\r\n\r\n" + QByteArray(1200, 'x')},
        false);
}

void TestLiveGame::requestHeadLimit()
{
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(bool, accepted);
    RequestHeadLimit limit(1000);
    QCOMPARE(std::all_of(pieces.begin(), pieces.end(),
                         [&](const auto &piece) { return limit.feed(piece); }),
             accepted);
}

void TestLiveGame::defaultRoute_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QString>("interface");
    const auto row = [](const char *name, const QByteArray &routes, const char *interface) {
        const QByteArray head = "Iface\tDestination\tGateway\tFlags\tRefCnt\tUse\tMetric\tMask\n";
        QTest::newRow(name) << head + routes << interface;
    };
    // A line of the table; a default route has destination and mask 0, and flag 1 when it is up.
    const auto route = [](const char *iface, const char *metric, const char *flags = "0003",
                          const QByteArray &destination = "00000000") {
        const QByteArray mask = destination == "00000000" ? destination : QByteArray("00FFFFFF");
        return iface + ('\t' + destination) + "\t0100A8C0\t" + flags + "\t0\t0\t" + metric + '\t' +
               mask + "\t0\t0\t0\n";
    };
    const QByteArray lan = route("eth0", "100", "0001", "0000A8C0");
    row("one default route", route("eth0", "100") + lan, "eth0");
    row("Wi-Fi and cable: the lowest metric", route("wlan0", "600") + route("enp3s0", "100"),
        "enp3s0");
    row("only a local network", lan, "");
    row("a default route that is down", route("eth0", "100", "0002"), "");
    row("no routes at all", "", "");
    QTest::newRow("not a route table") << QByteArray("garbage\n\n1 2 3\n") << "";
}

void TestLiveGame::defaultRoute()
{
    QFETCH(QByteArray, table);
    QFETCH(QString, interface);
    QCOMPARE(defaultRouteInterface(table), interface);
}

void TestLiveGame::url()
{
    QCOMPARE(liveUrl(QHostAddress("192.168.1.20"), 8765), "http://192.168.1.20:8765/");
    QCOMPARE(liveUrl(QHostAddress("fd00::1"), 80), "http://[fd00::1]:80/");
}

void TestLiveGame::qrCodeHasItsFinderPatterns()
{
    const QrCode code("http://192.168.100.200:65535/");
    // 29 characters in 8-bit mode with medium correction need version 3: 29 modules a side.
    QCOMPARE(code.size(), 29);
    // The three corner squares: a dark ring of 7, a light ring of 5, a dark core of 3.
    for (const QPoint corner : {QPoint(0, 0), QPoint(22, 0), QPoint(0, 22)})
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 7; ++x)
                QCOMPARE(code.isDark(corner.x() + x, corner.y() + y),
                         std::min({x, y, 6 - x, 6 - y}) != 1);
    QCOMPARE(QrCode(QByteArray(8000, 'a')).size(), 0);
}

QTEST_GUILESS_MAIN(TestLiveGame)
#include "tst_livegame.moc"
