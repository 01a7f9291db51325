#include "boardedgame.h"
#include "liveserver.h"
#include "liveservice.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWebSocket>

#include <array>
#include <memory>

namespace {

const QByteArray upgradeHeaders = "Upgrade: websocket\r\nConnection: Upgrade\r\n"
                                  "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
                                  "Sec-WebSocket-Version: 13\r\n";

QByteArray header(const QByteArray &reply, const QByteArray &name)
{
    for (const QByteArray &line : reply.left(reply.indexOf("\r\n\r\n")).split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return line.mid(colon + 1).trimmed();
    }
    return {};
}

// Sends a raw request on the loopback and returns the reply once its head and as much body as
// its Content-Length says have come. Runs the event loop meanwhile: the server may live in this
// thread.
QByteArray exchange(quint16 port, const QByteArray &request)
{
    QTcpSocket socket;
    QByteArray reply;
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] { reply += socket.readAll(); });
    socket.connectToHost(QHostAddress::LocalHost, port);
    socket.write(request);
    const auto done = [&] {
        const qsizetype end = reply.indexOf("\r\n\r\n");
        const qsizetype body = reply.size() - end - 4;
        return (end >= 0 && body >= header(reply, "Content-Length").toInt()) ||
               socket.state() == QAbstractSocket::UnconnectedState;
    };
    if (!QTest::qWaitFor(done, 5000))
        qWarning() << "no complete reply in 5 s to" << request.left(40);
    return reply;
}

std::unique_ptr<QWebSocket> openLive(quint16 port, const QString &query = {})
{
    auto socket = std::make_unique<QWebSocket>();
    socket->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/live%2").arg(port).arg(query)));
    return socket;
}

// A connection that has made itself a WebSocket by hand, with what the server sent since.
struct RawWebSocket
{
    QTcpSocket socket;
    QByteArray received;

    explicit RawWebSocket(quint16 port, const QHostAddress &from = QHostAddress::LocalHost)
    {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] { received += socket.readAll(); });
        socket.bind(from);
        socket.connectToHost(QHostAddress::LocalHost, port);
        socket.write("GET /live HTTP/1.1\r\nHost: a\r\n" + upgradeHeaders + "\r\n");
    }
    bool upgraded()
    {
        return QTest::qWaitFor([&] { return received.contains("\r\n\r\n"); });
    }
};

// A frame as a client sends it: whole and masked unless told otherwise.
QByteArray clientFrame(quint8 opcode, const QByteArray &payload, bool masked = true,
                       bool whole = true)
{
    const QByteArray mask("\x11\x22\x33\x44", 4);
    QByteArray frame;
    frame += char((whole ? 0x80 : 0) | opcode);
    frame += char((masked ? 0x80 : 0) | payload.size());
    if (masked)
        frame += mask;
    for (qsizetype i = 0; i < payload.size(); ++i)
        frame += masked ? char(payload[i] ^ mask[i % 4]) : payload[i];
    return frame;
}

QJsonObject lastMessage(const QSignalSpy &spy)
{
    return QJsonDocument::fromJson(spy.last().at(0).toString().toUtf8()).object();
}

// The game in a message, without the page's texts and the phone's own parts.
QJsonObject gameIn(const QJsonObject &message)
{
    return {{"phase", message.value("phase")},
            {"top", message.value("top")},
            {"called", message.value("called")}};
}

} // namespace

class TestLiveServer : public QObject
{
    Q_OBJECT

private slots:
    void routes_data();
    void routes();
    void servesPhonesFromItsOwnThread();
    void misbehavingConnectionsAreClosed();
    void whatAPhoneSendsIsBounded_data();
    void whatAPhoneSendsIsBounded();
    void connectionsAreLimited();
    void aFullHallPrefersNewPhones();
};

void TestLiveServer::routes_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("type");
    const auto ask = [](const char *line, const QByteArray &fields = {}) {
        return line + QByteArray(" HTTP/1.1\r\nHost: 127.0.0.1\r\n") + fields + "\r\n";
    };
    const auto row = [](const char *name, const QByteArray &request, int status,
                        const char *type = "") {
        QTest::newRow(name) << request << status << QByteArray(type);
    };
    row("the page", ask("GET /"), 200, "text/html");
    row("with a query", ask("GET /?x=1"), 200, "text/html");
    row("its script", ask("GET /live.js"), 200, "text/javascript");
    row("its style", ask("GET /live.css"), 200, "text/css");
    row("unknown path", ask("GET /journal"), 404);
    row("the resource name", ask("GET /index.html"), 404);
    row("dot segments", ask("GET /../../etc/passwd"), 404);
    row("the live path without upgrade", ask("GET /live"), 404);
    row("upgrade on another path", ask("GET /other", upgradeHeaders), 404);
    row("POST", ask("POST /", "Content-Length: 3\r\n") + "abc", 405);
    row("HEAD", ask("HEAD /"), 405);
    row("PUT the script", ask("PUT /live.js", "Content-Length: 0\r\n"), 405);
    row("DELETE", ask("DELETE /"), 405);
    row("a head of 9 KB", ask("GET /", "X-Pad: " + QByteArray(9000, 'a') + "\r\n"), 431);
    row("a first head of 20 KB", ask("GET /live", "X-Pad: " + QByteArray(20000, 'a') + "\r\n"),
        431);
    row("the WebSocket", ask("GET /live?code=1", upgradeHeaders), 101);
    row("a WebSocket with a short key",
        ask("GET /live", QByteArray(upgradeHeaders).replace("dGhlIHNhbXBsZSBub25jZQ==", "YQ==")),
        404);
    row("a WebSocket of another version",
        ask("GET /live", QByteArray(upgradeHeaders).replace("Version: 13", "Version: 8")), 404);
}

void TestLiveServer::routes()
{
    QFETCH(QByteArray, request);
    QFETCH(int, status);
    QFETCH(QByteArray, type);
    LiveServer server(LiveServer::Limits{});
    QVERIFY(!server.listen(0));
    const QByteArray reply = exchange(server.port(), request);
    QVERIFY2(reply.startsWith("HTTP/1.1 " + QByteArray::number(status) + ' '), reply.left(80));
    QVERIFY(header(reply, "Set-Cookie").isEmpty());
    QVERIFY(header(reply, "Server").isEmpty());
    QVERIFY(header(reply, "Access-Control-Allow-Origin").isEmpty());
    if (status == 101) {
        QCOMPARE(header(reply, "Sec-WebSocket-Accept"), "s3pPLMBiTxaQ9kYGzzhZRbK+xOo=");
        return;
    }
    QCOMPARE(header(reply, "Content-Security-Policy"),
             "default-src 'none'; script-src 'self'; style-src 'self'; connect-src 'self'; "
             "base-uri 'none'; form-action 'none'; frame-ancestors 'none'");
    QCOMPARE(header(reply, "X-Content-Type-Options"), "nosniff");
    QCOMPARE(header(reply, "Allow"), status == 405 ? "GET" : "");
    if (!type.isEmpty()) {
        QVERIFY(header(reply, "Content-Type").startsWith(type));
        QVERIFY(reply.size() > 500);
    }
}

void TestLiveServer::servesPhonesFromItsOwnThread()
{
    BoardedGame g{3};
    LiveService service(g.board);
    // A port in use is reported as such, and the next free one serves.
    QTcpServer other;
    QVERIFY(other.listen(QHostAddress::Any, 0));
    const auto failure = service.start(other.serverPort());
    QVERIFY(failure && failure->portTaken);
    QVERIFY(!failure->reason.isEmpty());
    QVERIFY(!service.isServing());
    const std::optional<quint16> port = LiveService::nextFreePort(other.serverPort());
    QVERIFY(port && *port > other.serverPort());
    QVERIFY(!service.start(*port));
    QVERIFY(service.isServing());
    QCOMPARE(service.port(), *port);

    // A phone is told the whole state at once, with its sheet when it asked for one.
    g.game.start();
    g.game.stop();
    const int first = g.game.drawnNumbers()[0];
    auto plain = openLive(*port);
    auto mine = openLive(*port, QStringLiteral("?code=2222-E7HD5&sheet=7"));
    QSignalSpy plainSpy(plain.get(), &QWebSocket::textMessageReceived);
    QSignalSpy mineSpy(mine.get(), &QWebSocket::textMessageReceived);
    QTRY_COMPARE(plainSpy.size(), 1);
    QTRY_COMPARE(mineSpy.size(), 1);
    QCOMPARE(gameIn(lastMessage(plainSpy)),
             (QJsonObject{{"phase", "between"}, {"top", 50}, {"called", QJsonArray{first}}}));
    // The page's words come with the first message, in the page's language.
    QCOMPARE(lastMessage(plainSpy).value("texts").toObject().value("take").toString(),
             "シートをもらう");
    QCOMPARE(lastMessage(mineSpy).value("sheet").toObject().value("number").toInt(), 7);
    QTRY_COMPARE(service.clientCount(), 2);

    // Each step reaches every phone: the spin, then the number.
    g.game.start();
    QTRY_COMPARE(plainSpy.size(), 2);
    QCOMPARE(lastMessage(plainSpy), (QJsonObject{{"phase", "spinning"},
                                                 {"top", 50},
                                                 {"called", QJsonArray{first}},
                                                 {"hall", "リーチ 0 · ビンゴ 0"},
                                                 {"offer", false}}));
    g.game.stop();
    QTRY_COMPARE(plainSpy.size(), 3);
    QTRY_COMPARE(mineSpy.size(), 3);
    const QJsonArray both{first, g.game.drawnNumbers()[1]};
    QCOMPARE(lastMessage(plainSpy).value("called").toArray(), both);
    QCOMPARE(lastMessage(mineSpy).value("called").toArray(), both);

    // Waiting for a screen's paints, a change reaches the phones once it is painted.
    service.awaitPaints();
    g.game.start();
    QTest::qWait(300);
    QCOMPARE(plainSpy.size(), 3);
    service.boardPainted();
    QTRY_COMPARE(plainSpy.size(), 4);
    QCOMPARE(lastMessage(plainSpy).value("phase"), "spinning");
    g.game.stop();

    // A phone that comes back after a drop gets the state as it stands.
    plain->abort();
    plain = openLive(*port);
    QSignalSpy againSpy(plain.get(), &QWebSocket::textMessageReceived);
    QVERIFY(againSpy.wait(5000));
    QCOMPARE(lastMessage(againSpy).value("called").toArray(), both);

    // Stopped, nothing listens.
    service.stop();
    QTRY_COMPARE(mine->state(), QAbstractSocket::UnconnectedState);
    QVERIFY(!service.isServing());
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, *port);
    QVERIFY(!probe.waitForConnected(1000));
}

void TestLiveServer::misbehavingConnectionsAreClosed()
{
    LiveServer server(LiveServer::Limits{.httpIdleMs = 300, .pingMs = 200});
    QVERIFY(!server.listen(0));
    // A phone that answers pings; a request never finished; a raw connection that upgraded (its
    // head in two pieces) and then went quiet.
    auto phone = openLive(server.port());
    QSignalSpy phoneClosed(phone.get(), &QWebSocket::disconnected);
    QTcpSocket idle;
    idle.connectToHost(QHostAddress::LocalHost, server.port());
    idle.write("GET / HTTP/1.1\r\nHost: a\r\n");
    QTcpSocket silent;
    silent.connectToHost(QHostAddress::LocalHost, server.port());
    silent.write("GET /live HTTP/1.1\r\nHost: a\r\n");
    QTest::qWait(50);
    silent.write(upgradeHeaders + "\r\n");
    QTRY_COMPARE(server.clientCount(), 2);
    QTRY_COMPARE(idle.state(), QAbstractSocket::UnconnectedState);
    QTRY_COMPARE(silent.state(), QAbstractSocket::UnconnectedState);
    QTest::qWait(600);
    QCOMPARE(phoneClosed.size(), 0);
    QCOMPARE(server.clientCount(), 1);
    QCOMPARE(server.connectionCount(), 1);
    // Phones only listen: a message from one ends its connection.
    phone->sendTextMessage(QStringLiteral("{\"draw\":true}"));
    QVERIFY(phoneClosed.wait(5000));
    QTRY_COMPARE(server.clientCount(), 0);
}

void TestLiveServer::whatAPhoneSendsIsBounded_data()
{
    QTest::addColumn<QByteArray>("frames");
    QTest::addColumn<bool>("dropped");
    QTest::addColumn<bool>("unread"); // the phone reads nothing more, and the system keeps little
    const QByteArray ping = clientFrame(0x9, "abc");
    QTest::newRow("ten pings in a second are answered") << ping.repeated(10) << false << false;
    QTest::newRow("the eleventh ping is one too many") << ping.repeated(11) << true << false;
    QTest::newRow("pongs count too") << clientFrame(0xA, {}).repeated(11) << true << false;
    QTest::newRow("an unmasked ping") << clientFrame(0x9, "abc", false) << true << false;
    QTest::newRow("a ping in pieces") << clientFrame(0x9, "abc", true, false) << true << false;
    QTest::newRow("a ping of 126 bytes") << clientFrame(0x9, QByteArray(126, 'p')) << true << false;
    QTest::newRow("a text message") << clientFrame(0x1, "{}") << true << false;
    QTest::newRow("a reserved opcode") << clientFrame(0xB, {}) << true << false;
    // Pings an allowance of 1000 lets through, whose pongs pile up past 1000 bytes unsent.
    QTest::newRow("pongs left unread")
        << clientFrame(0x9, QByteArray(125, 'p')).repeated(500) << true << true;
}

void TestLiveServer::whatAPhoneSendsIsBounded()
{
    QFETCH(QByteArray, frames);
    QFETCH(bool, dropped);
    QFETCH(bool, unread);
    LiveServer server(unread
                          ? LiveServer::Limits{.unsentBytes = 1000, .controlFramesPerSecond = 1000}
                          : LiveServer::Limits{});
    QVERIFY(!server.listen(0));
    RawWebSocket phone(server.port());
    QVERIFY(phone.upgraded());
    QTRY_COMPARE(server.clientCount(), 1);
    if (unread) {
        phone.socket.setReadBufferSize(1);
        phone.socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 1024);
    }
    phone.socket.write(frames);
    if (dropped) {
        QTRY_COMPARE(server.clientCount(), 0);
        QTRY_COMPARE(phone.socket.state(), QAbstractSocket::UnconnectedState);
        return;
    }
    const QByteArray pong = QByteArray("\x8a\x03", 2) + "abc";
    QTRY_COMPARE(phone.received.count(pong), 10);
    QCOMPARE(server.clientCount(), 1);
    // A second later the allowance is whole again.
    QTest::qWait(1100);
    phone.socket.write(frames);
    QTRY_COMPARE(phone.received.count(pong), 20);
    QCOMPARE(server.clientCount(), 1);
}

void TestLiveServer::connectionsAreLimited()
{
    LiveServer server(LiveServer::Limits{.connections = 3});
    QVERIFY(!server.listen(0));
    std::array<QTcpSocket, 3> idle;
    for (QTcpSocket &socket : idle)
        socket.connectToHost(QHostAddress::LocalHost, server.port());
    QTRY_COMPARE(server.connectionCount(), 3);
    // The fourth is closed unanswered; the page still loads once one of the others goes.
    QTcpSocket fourth;
    fourth.connectToHost(QHostAddress::LocalHost, server.port());
    QTRY_COMPARE(fourth.state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(server.connectionCount(), 3);
    idle[0].abort();
    QTRY_COMPARE(server.connectionCount(), 2);
    QVERIFY(
        exchange(server.port(), "GET / HTTP/1.1\r\nHost: a\r\n\r\n").startsWith("HTTP/1.1 200"));
}

void TestLiveServer::aFullHallPrefersNewPhones()
{
    LiveServer server(LiveServer::Limits{.connections = 4, .perAddress = 2});
    QVERIFY(!server.listen(0));
    const auto from = [&](const char *address) {
        auto socket = std::make_unique<QTcpSocket>();
        socket->bind(QHostAddress(QString::fromLatin1(address)));
        socket->connectToHost(QHostAddress::LocalHost, server.port());
        return socket;
    };
    // One address holds two, a WebSocket and a plain connection; a third from it is refused.
    RawWebSocket crowdWeb(server.port(), QHostAddress(QStringLiteral("127.0.0.2")));
    QVERIFY(crowdWeb.upgraded());
    auto crowdPlain = from("127.0.0.2");
    QTRY_COMPARE(server.connectionCount(), 2);
    auto crowdThird = from("127.0.0.2");
    QTRY_COMPARE(crowdThird->state(), QAbstractSocket::UnconnectedState);
    // Two phones fill the hall.
    auto first = from("127.0.0.3");
    auto second = from("127.0.0.4");
    QTRY_COMPARE(server.connectionCount(), 4);
    // A new phone takes the place of the crowded address's plain connection before its
    // WebSocket; once every address holds one, the next is refused.
    auto newcomer = from("127.0.0.5");
    QTRY_COMPARE(crowdPlain->state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(crowdWeb.socket.state(), QAbstractSocket::ConnectedState);
    QTest::qWait(200);
    QCOMPARE(newcomer->state(), QAbstractSocket::ConnectedState);
    QCOMPARE(server.connectionCount(), 4);
    auto late = from("127.0.0.6");
    QTRY_COMPARE(late->state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(crowdWeb.socket.state(), QAbstractSocket::ConnectedState);
    QCOMPARE(server.connectionCount(), 4);
}

QTEST_GUILESS_MAIN(TestLiveServer)
#include "tst_liveserver.moc"
