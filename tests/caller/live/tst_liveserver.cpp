#include "audienceboard.h"
#include "boardedgame.h"
#include "liveserver.h"
#include "liveservice.h"

#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWebSocket>

#include <memory>

namespace {

const QByteArray csp = "default-src 'none'; script-src 'self'; style-src 'self'; connect-src "
                       "'self'; base-uri 'none'; form-action 'none'; frame-ancestors 'none'";
const QByteArray upgradeHeaders = "Upgrade: websocket\r\nConnection: Upgrade\r\n"
                                  "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
                                  "Sec-WebSocket-Version: 13\r\n";

// Whether a reply holds its whole head and as much body as its Content-Length says.
bool complete(const QByteArray &reply)
{
    const qsizetype end = reply.indexOf("\r\n\r\n");
    if (end < 0)
        return false;
    const qsizetype at = reply.toLower().indexOf("content-length:");
    if (at < 0 || at > end)
        return true;
    const qsizetype lineEnd = reply.indexOf("\r\n", at);
    const int length = reply.mid(at + 15, lineEnd - at - 15).trimmed().toInt();
    return reply.size() - end - 4 >= length;
}

// Sends a raw request to the server on the loopback and returns what came back, running the
// event loop meanwhile, since the server may live in this thread.
QByteArray exchange(quint16 port, const QByteArray &request)
{
    QTcpSocket socket;
    QByteArray reply;
    QObject::connect(&socket, &QTcpSocket::readyRead, [&] { reply += socket.readAll(); });
    socket.connectToHost(QHostAddress::LocalHost, port);
    socket.write(request);
    const QDeadlineTimer deadline(5000);
    while (!complete(reply) && !deadline.hasExpired()) {
        QTest::qWait(5);
        if (socket.state() == QAbstractSocket::UnconnectedState)
            break;
    }
    return reply;
}

QByteArray header(const QByteArray &reply, const QByteArray &name)
{
    const QList<QByteArray> lines = reply.left(reply.indexOf("\r\n\r\n")).split('\n');
    for (const QByteArray &line : lines) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).trimmed().toLower() == name.toLower())
            return line.mid(colon + 1).trimmed();
    }
    return {};
}

std::unique_ptr<QWebSocket> openLive(quint16 port, const QString &query = {})
{
    auto socket = std::make_unique<QWebSocket>();
    socket->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/live%2").arg(port).arg(query)));
    return socket;
}

QJsonObject lastMessage(const QSignalSpy &spy)
{
    return QJsonDocument::fromJson(spy.last().at(0).toString().toUtf8()).object();
}

} // namespace

class TestLiveServer : public QObject
{
    Q_OBJECT

private slots:
    void routes_data();
    void routes();
    void phonesFollowTheGameFromTheirOwnThread();
    void misbehavingConnectionsAreClosed();
    void connectionsAreLimited();
    void takenPortIsReported();
};

void TestLiveServer::routes_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("type");
    const QByteArray host = " HTTP/1.1\r\nHost: 127.0.0.1\r\n";
    QTest::newRow("the page") << "GET /" + host + "\r\n" << 200 << QByteArray("text/html");
    QTest::newRow("with a query") << "GET /?x=1" + host + "\r\n" << 200 << QByteArray("text/html");
    QTest::newRow("its script") << "GET /live.js" + host + "\r\n"
                                << 200 << QByteArray("text/javascript");
    QTest::newRow("its style") << "GET /live.css" + host + "\r\n" << 200 << QByteArray("text/css");
    QTest::newRow("unknown path") << "GET /journal" + host + "\r\n" << 404 << QByteArray();
    QTest::newRow("the resource name") << "GET /index.html" + host + "\r\n" << 404 << QByteArray();
    QTest::newRow("dot segments") << "GET /../../etc/passwd" + host + "\r\n" << 404 << QByteArray();
    QTest::newRow("the live path without upgrade") << "GET /live" + host + "\r\n"
                                                   << 404 << QByteArray();
    QTest::newRow("POST") << "POST /" + host + "Content-Length: 3\r\n\r\nabc" << 405
                          << QByteArray();
    QTest::newRow("HEAD") << "HEAD /" + host + "\r\n" << 405 << QByteArray();
    QTest::newRow("PUT the script") << "PUT /live.js" + host + "Content-Length: 0\r\n\r\n"
                                    << 405 << QByteArray();
    QTest::newRow("DELETE") << "DELETE /" + host + "\r\n" << 405 << QByteArray();
    QTest::newRow("upgrade on another path") << "GET /other" + host + upgradeHeaders + "\r\n"
                                             << 404 << QByteArray();
    QTest::newRow("a head of 9 KB")
        << "GET /" + host + "X-Pad: " + QByteArray(9000, 'a') + "\r\n\r\n"
        << 431 << QByteArray();
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
    if (status == 431)
        return;
    QCOMPARE(header(reply, "Content-Security-Policy"), csp);
    QCOMPARE(header(reply, "X-Content-Type-Options"), QByteArray("nosniff"));
    QCOMPARE(header(reply, "Allow"), status == 405 ? QByteArray("GET") : QByteArray());
    if (!type.isEmpty()) {
        QVERIFY(header(reply, "Content-Type").startsWith(type));
        QVERIFY(reply.size() > 500);
    }
}

void TestLiveServer::phonesFollowTheGameFromTheirOwnThread()
{
    BoardedGame g{3};
    LiveService service(g.board);
    QVERIFY(!service.start(0));
    QVERIFY(service.isServing());

    // Before anything happens, a phone is told the whole state at once.
    g.game.start();
    g.game.stop();
    auto plain = openLive(service.port());
    auto mine = openLive(service.port(), QStringLiteral("?code=2222-E7HD5&sheet=7"));
    QSignalSpy plainSpy(plain.get(), &QWebSocket::textMessageReceived);
    QSignalSpy mineSpy(mine.get(), &QWebSocket::textMessageReceived);
    QVERIFY(plainSpy.wait(5000));
    QTRY_COMPARE(mineSpy.size(), 1);
    const int first = g.game.drawnNumbers()[0];
    QCOMPARE(lastMessage(plainSpy).value("called").toArray(), QJsonArray{first});
    QCOMPARE(lastMessage(plainSpy).value("phase").toString(), "between");
    QVERIFY(!lastMessage(plainSpy).contains("sheet"));
    QCOMPARE(lastMessage(mineSpy).value("sheet").toObject().value("number").toInt(), 7);
    QTRY_COMPARE(service.clientCount(), 2);

    // Each step reaches every phone: the spin, then the number with the sheet marked.
    g.game.start();
    QTRY_COMPARE(plainSpy.size(), 2);
    QCOMPARE(lastMessage(plainSpy).value("phase").toString(), "spinning");
    QCOMPARE(lastMessage(plainSpy).value("called").toArray().size(), 1);
    g.game.stop();
    QTRY_COMPARE(plainSpy.size(), 3);
    QTRY_COMPARE(mineSpy.size(), 3);
    const int second = g.game.drawnNumbers()[1];
    QCOMPARE(lastMessage(plainSpy).value("called").toArray(), (QJsonArray{first, second}));
    QCOMPARE(lastMessage(mineSpy).value("called").toArray(), (QJsonArray{first, second}));

    // A phone that comes back after a drop gets the state as it stands.
    plain->abort();
    plain = openLive(service.port());
    QSignalSpy againSpy(plain.get(), &QWebSocket::textMessageReceived);
    QVERIFY(againSpy.wait(5000));
    QCOMPARE(lastMessage(againSpy).value("called").toArray(), (QJsonArray{first, second}));

    // Stopped, nothing listens.
    QSignalSpy gone(mine.get(), &QWebSocket::disconnected);
    service.stop();
    QVERIFY(gone.wait(5000) || mine->state() == QAbstractSocket::UnconnectedState);
    QVERIFY(!service.isServing());
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, quint16(service.port()));
    QVERIFY(!probe.waitForConnected(1000) || probe.state() != QAbstractSocket::ConnectedState);
}

void TestLiveServer::misbehavingConnectionsAreClosed()
{
    LiveServer::Limits limits;
    limits.httpIdleMs = 300;
    limits.pingMs = 200;
    LiveServer server(limits);
    QVERIFY(!server.listen(0));
    // A phone that answers pings; a request never finished; a raw connection that upgraded and
    // then went quiet.
    auto phone = openLive(server.port());
    QSignalSpy messages(phone.get(), &QWebSocket::textMessageReceived);
    QSignalSpy phoneClosed(phone.get(), &QWebSocket::disconnected);
    QTcpSocket idle;
    QSignalSpy idleClosed(&idle, &QTcpSocket::disconnected);
    idle.connectToHost(QHostAddress::LocalHost, server.port());
    idle.write("GET / HTTP/1.1\r\nHost: a\r\n");
    QTcpSocket silent;
    QSignalSpy silentClosed(&silent, &QTcpSocket::disconnected);
    silent.connectToHost(QHostAddress::LocalHost, server.port());
    silent.write("GET /live HTTP/1.1\r\nHost: a\r\n" + upgradeHeaders + "\r\n");
    QVERIFY(messages.wait(5000));
    QTRY_COMPARE(server.clientCount(), 2);
    QTRY_COMPARE(idleClosed.size(), 1);
    QTRY_COMPARE(silentClosed.size(), 1);
    QTest::qWait(600);
    QCOMPARE(phoneClosed.size(), 0);
    QCOMPARE(server.clientCount(), 1);
    QCOMPARE(server.connectionCount(), 1);
    // Phones only listen: a message from one ends its connection.
    phone->sendTextMessage(QStringLiteral("{\"draw\":true}"));
    QVERIFY(phoneClosed.wait(5000));
    QTRY_COMPARE(server.clientCount(), 0);
}

void TestLiveServer::connectionsAreLimited()
{
    LiveServer::Limits limits;
    limits.connections = 3;
    LiveServer server(limits);
    QVERIFY(!server.listen(0));
    std::vector<std::unique_ptr<QTcpSocket>> idle;
    for (int i = 0; i < 3; ++i) {
        idle.push_back(std::make_unique<QTcpSocket>());
        idle.back()->connectToHost(QHostAddress::LocalHost, server.port());
    }
    QTRY_COMPARE(server.connectionCount(), 3);
    // The fourth is closed unanswered; the page still loads once one of the others goes.
    QTcpSocket fourth;
    QSignalSpy refused(&fourth, &QTcpSocket::disconnected);
    fourth.connectToHost(QHostAddress::LocalHost, server.port());
    QVERIFY(refused.wait(5000));
    QCOMPARE(server.connectionCount(), 3);
    idle.front()->abort();
    QTRY_COMPARE(server.connectionCount(), 2);
    QVERIFY(
        exchange(server.port(), "GET / HTTP/1.1\r\nHost: a\r\n\r\n").startsWith("HTTP/1.1 200"));
}

void TestLiveServer::takenPortIsReported()
{
    QTcpServer other;
    QVERIFY(other.listen(QHostAddress::Any, 0));
    AudienceBoard board;
    LiveService service(board);
    const auto failure = service.start(other.serverPort());
    QVERIFY(failure);
    QVERIFY(failure->portTaken);
    QVERIFY(!failure->reason.isEmpty());
    QVERIFY(!service.isServing());
    const std::optional<quint16> next = LiveService::nextFreePort(other.serverPort());
    QVERIFY(next);
    QVERIFY(*next > other.serverPort());
    QVERIFY(!service.start(*next));
    QCOMPARE(service.port(), *next);
}

QTEST_GUILESS_MAIN(TestLiveServer)
#include "tst_liveserver.moc"
