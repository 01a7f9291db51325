#include "boardedgame.h"
#include "lanaddress.h"
#include "livegame.h"
#include "qrcode.h"
#include "requestheadlimit.h"
#include "setcode.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

QJsonObject parsed(const QByteArray &json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        qWarning() << "not JSON:" << json;
    return document.object();
}

QList<int> numbers(const QJsonValue &array)
{
    QList<int> list;
    for (const QJsonValue &value : array.toArray())
        list << value.toInt();
    return list;
}

// A game of top 50 that the test steps through: s Start, t Stop, c Clear.
struct Game : BoardedGame
{
    Game()
        : BoardedGame(1)
    {}
    void run(const QString &script)
    {
        for (QChar step : script) {
            if (step == u's')
                game.start();
            else if (step == u't')
                game.stop();
            else
                game.clear();
        }
    }
};

} // namespace

class TestLiveGame : public QObject
{
    Q_OBJECT

private slots:
    void gameAsPhonesSeeIt_data();
    void gameAsPhonesSeeIt();
    void noNumberBeforeTheRoomSeesIt();
    void sheet_data();
    void sheet();
    void sheetFollowsTheCalls();
    void requestHeadLimit_data();
    void requestHeadLimit();
    void defaultRoute_data();
    void defaultRoute();
    void url_data();
    void url();
    void qrCodeHasItsFinderPatterns();
};

void TestLiveGame::gameAsPhonesSeeIt_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("phase");
    QTest::addColumn<int>("calledCount");
    QTest::newRow("before the first Start: waiting on the chosen top") << ""
                                                                       << "waiting" << 0;
    QTest::newRow("spinning: nothing revealed yet") << "s"
                                                    << "spinning" << 0;
    QTest::newRow("between draws") << "stst"
                                   << "between" << 2;
    QTest::newRow("spinning for the third") << "ststs"
                                            << "spinning" << 2;
    QTest::newRow("cleared: waiting, board empty") << "ststc"
                                                   << "waiting" << 0;
    QTest::newRow("all drawn: finished") << QString("st").repeated(50) << "finished" << 50;
}

void TestLiveGame::gameAsPhonesSeeIt()
{
    QFETCH(QString, script);
    QFETCH(QString, phase);
    QFETCH(int, calledCount);
    Game g;
    g.run(script);
    const QJsonObject json = parsed(liveGameJson(LiveGame::of(g.board)));
    QCOMPARE(json.value("phase").toString(), phase);
    QCOMPARE(json.value("top").toInt(), 50);
    const QList<int> called = numbers(json.value("called"));
    QCOMPARE(called.size(), calledCount);
    const auto drawn = g.game.drawnNumbers();
    if (phase != "waiting")
        QCOMPARE(called, QList<int>(drawn.begin(), drawn.end()));
    // The game's state and nothing else: no order, no seed.
    QCOMPARE(json.keys(), (QStringList{"called", "phase", "top"}));
}

void TestLiveGame::noNumberBeforeTheRoomSeesIt()
{
    Game g;
    const auto called = [&] {
        return numbers(parsed(liveGameJson(LiveGame::of(g.board))).value("called"));
    };
    QList<QList<int>> atDraw;
    QList<QList<int>> atReveal;
    connect(&g.game, &CallerGame::numberDrawn, this, [&] { atDraw << called(); });
    connect(&g.game, &CallerGame::numberRevealed, this, [&] { atReveal << called(); });
    g.run("ststststst");
    QCOMPARE(atDraw.size(), 5);
    const auto drawn = g.game.drawnNumbers();
    for (int i = 0; i < 5; ++i) {
        // Taken from the order but not shown yet: the phones have only the numbers before it.
        QCOMPARE(atDraw[i], QList<int>(drawn.begin(), drawn.begin() + i));
        QCOMPARE(atReveal[i], QList<int>(drawn.begin(), drawn.begin() + i + 1));
    }
}

void TestLiveGame::sheet_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("gameTop");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("error");
    const QString code = SetCode(4711, 50).text();
    QTest::newRow("a sheet of the game") << code << "7" << 50 << ""
                                         << "";
    QTest::newRow("lower case, spaces, full-width dash") << " 2222－e7hd5 "
                                                         << " 7 " << 50 << ""
                                                         << "";
    QTest::newRow("wrong check character")
        << "2222-E7HD6"
        << "7" << 50 << "code" << SetCode::read("2222-E7HD6").error;
    QTest::newRow("no code") << ""
                             << "7" << 50 << "code" << QStringLiteral("コードを入力してください。");
    QTest::newRow("a set of another top number")
        << code << "7" << 75 << "code"
        << QStringLiteral("コード 2222-E7HD5 は数値 50 までのシートの組です。このゲームは 75 "
                          "までです。");
    QTest::newRow("number not digits")
        << code << "7a" << 50 << "number"
        << QStringLiteral("シート番号を 1 から 100000 までの数字で入力してください。");
    QTest::newRow("number zero") << code << "0" << 50 << "number"
                                 << *SetCode::sheetNumberRefusal(0);
    QTest::newRow("number beyond the set")
        << code << "100001" << 50 << "number" << *SetCode::sheetNumberRefusal(100001);
    QTest::newRow("overlong code refused unread")
        << QString(500, u'A') << "7" << 50 << "code" << QStringLiteral("コードが長すぎます。");
    QTest::newRow("overlong number refused unread") << code << QString(41, u'1') << 50 << "number"
                                                    << QStringLiteral("シート番号が長すぎます。");
}

void TestLiveGame::sheet()
{
    QFETCH(QString, code);
    QFETCH(QString, number);
    QFETCH(int, gameTop);
    QFETCH(QString, field);
    QFETCH(QString, error);
    LiveSheet sheet(code, number);
    const QJsonObject json = parsed(sheet.json({AudienceBoard::Phase::Waiting, gameTop, {}}));
    QCOMPARE(json.value("error").toString(), error);
    QCOMPARE(json.value("field").toString(), field);
    if (!error.isEmpty())
        return;
    // The sheet as the sheet program printed it, from the same code.
    const auto cells = SetCode(4711, 50).sheet(7);
    QCOMPARE(numbers(json.value("cells")), QList<int>(cells.begin(), cells.end()));
    QCOMPARE(json.value("code").toString(), "2222-E7HD5");
    QCOMPARE(json.value("number").toInt(), 7);
}

void TestLiveGame::sheetFollowsTheCalls()
{
    // Sheet 7 of 2222-E7HD5; its top row is 18 39 24 7 43 (cells 0, 5, 10, 15, 20).
    LiveSheet sheet(QStringLiteral("2222-E7HD5"), QStringLiteral("7"));
    const auto cells = SetCode(4711, 50).sheet(7);
    const QList<int> called{cells[0], 1, cells[5], cells[10], cells[15]};
    LiveGame game{AudienceBoard::Phase::BetweenDraws, 50, called};
    QJsonObject json = parsed(sheet.json(game));
    const SheetVerdict reach(cells, called);
    QCOMPARE(json.value("headline").toString(), reach.headline());
    QCOMPARE(json.value("details").toVariant().toStringList(), reach.details());
    QJsonArray expectedReach;
    for (const auto &line : reach.reachLines())
        expectedReach.append(QJsonObject{{"line", line.line}, {"waitsFor", line.waitsFor}});
    QCOMPARE(json.value("reach").toArray(), expectedReach);
    QVERIFY(
        json.value("reach").toArray().contains(QJsonObject{{"line", 0}, {"waitsFor", cells[20]}}));
    QCOMPARE(json.value("marked").toArray().at(20).toBool(), false);

    game.called << cells[20];
    json = parsed(sheet.json(game));
    QCOMPARE(json.value("marked").toArray().at(20).toBool(), true);
    QCOMPARE(json.value("complete").toArray(),
             (QJsonArray{QJsonObject{{"line", 0}, {"call", 6}, {"number", cells[20]}}}));
    QCOMPARE(json.value("headline").toString(), SheetVerdict(cells, game.called).headline());
    QVERIFY(json.value("full").isNull());
}

void TestLiveGame::requestHeadLimit_data()
{
    QTest::addColumn<QList<QByteArray>>("pieces");
    QTest::addColumn<bool>("accepted");
    const QByteArray line = "X-A: " + QByteArray(90, 'a') + "\r\n"; // 97 bytes
    QTest::newRow("a short GET") << QList<QByteArray>{"GET / HTTP/1.1\r\nHost: a\r\n\r\n"} << true;
    QTest::newRow("a head of exactly the limit")
        << QList<QByteArray>{line.repeated(10) + QByteArray(26, 'b') + "\r\n\r\n"} << true;
    QTest::newRow("one byte over")
        << QList<QByteArray>{line.repeated(10) + QByteArray(27, 'b') + "\r\n\r\n"} << false;
    QTest::newRow("a long head in small pieces") << QList<QByteArray>(12, line) << false;
    QTest::newRow("many short requests on one connection")
        << QList<QByteArray>(40, "GET / HTTP/1.1\r\n" + line + "\r\n") << true;
    QTest::newRow("lines ending in LF alone")
        << QList<QByteArray>(40, "GET / HTTP/1.1\n" + line.chopped(2) + "\n\n") << true;
    QTest::newRow("the empty line split between pieces")
        << QList<QByteArray>{line.repeated(9) + "\r\n\r", "\n" + line.repeated(9) + "\r\n\r\n"}
        << true;
    QTest::newRow("a body counts as the next head")
        << QList<QByteArray>{"POST / HTTP/1.1\r\n\r\n" + QByteArray(1200, 'x')} << false;
}

void TestLiveGame::requestHeadLimit()
{
    QFETCH(QList<QByteArray>, pieces);
    QFETCH(bool, accepted);
    RequestHeadLimit limit(1000);
    bool ok = true;
    for (const QByteArray &piece : pieces)
        ok = ok && limit.feed(piece);
    QCOMPARE(ok, accepted);
}

void TestLiveGame::defaultRoute_data()
{
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QString>("interface");
    const QByteArray head =
        "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\t"
        "Window\tIRTT\n";
    QTest::newRow("one default route")
        << head + "eth0\t00000000\t0100A8C0\t0003\t0\t0\t100\t00000000\t0\t0\t0\n"
                  "eth0\t0000A8C0\t00000000\t0001\t0\t0\t100\t00FFFFFF\t0\t0\t0\n"
        << "eth0";
    QTest::newRow("Wi-Fi and cable: the lowest metric")
        << head + "wlan0\t00000000\t0101A8C0\t0003\t0\t0\t600\t00000000\t0\t0\t0\n"
                  "enp3s0\t00000000\t0100A8C0\t0003\t0\t0\t100\t00000000\t0\t0\t0\n"
        << "enp3s0";
    QTest::newRow("only a local network") << head + "eth0\t0000A8C0\t00000000\t0001\t0\t0\t100\t"
                                                    "00FFFFFF\t0\t0\t0\n"
                                          << "";
    QTest::newRow("a default route that is down")
        << head + "eth0\t00000000\t0100A8C0\t0002\t0\t0\t100\t00000000\t0\t0\t0\n"
        << "";
    QTest::newRow("no routes at all") << head << "";
    QTest::newRow("not a route table") << QByteArray("garbage\n\n1 2 3\n") << "";
}

void TestLiveGame::defaultRoute()
{
    QFETCH(QByteArray, table);
    QFETCH(QString, interface);
    QCOMPARE(defaultRouteInterface(table), interface);
}

void TestLiveGame::url_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("url");
    QTest::newRow("IPv4") << "192.168.1.20" << 8765 << "http://192.168.1.20:8765/";
    QTest::newRow("IPv6 in brackets") << "fd00::1" << 80 << "http://[fd00::1]:80/";
}

void TestLiveGame::url()
{
    QFETCH(QString, address);
    QFETCH(int, port);
    QFETCH(QString, url);
    QCOMPARE(liveUrl(QHostAddress(address), quint16(port)), url);
}

void TestLiveGame::qrCodeHasItsFinderPatterns()
{
    const QrCode code("http://192.168.100.200:65535/");
    // 29 characters in 8-bit mode with medium correction need version 3: 29 modules a side.
    QCOMPARE(code.size(), 29);
    // The three corner squares: a dark ring of 7, a light ring of 5, a dark core of 3.
    for (const QPoint corner : {QPoint(0, 0), QPoint(22, 0), QPoint(0, 22)}) {
        for (int y = 0; y < 7; ++y) {
            for (int x = 0; x < 7; ++x) {
                const int ring = std::min({x, y, 6 - x, 6 - y});
                QCOMPARE(code.isDark(corner.x() + x, corner.y() + y), ring != 1);
            }
        }
    }
    QCOMPARE(QrCode(QByteArray(8000, 'a')).size(), 0);
}

QTEST_GUILESS_MAIN(TestLiveGame)
#include "tst_livegame.moc"
