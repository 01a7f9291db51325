#include "liveserver.h"

#include "requestheadlimit.h"

#include <QAbstractHttpServer>
#include <QDeadlineTimer>
#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>
#include <QWebSocket>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <vector>

namespace {

using Status = QHttpServerResponder::StatusCode;

// The page runs only its own script and style and talks only to the server it came from.
const std::array<std::pair<QByteArray, QByteArray>, 5> securityHeaders{{
    {"Content-Security-Policy",
     "default-src 'none'; script-src 'self'; style-src 'self'; connect-src 'self'; "
     "base-uri 'none'; form-action 'none'; frame-ancestors 'none'"},
    {"X-Content-Type-Options", "nosniff"},
    {"Referrer-Policy", "no-referrer"},
    {"X-Frame-Options", "DENY"},
    {"Cache-Control", "no-cache"},
}};

struct PageFile
{
    const char *path;
    const char *resource;
    const char *type;
};

const std::array<PageFile, 3> pageFiles{{
    {"/", ":/live/index.html", "text/html; charset=utf-8"},
    {"/live.css", ":/live/live.css", "text/css; charset=utf-8"},
    {"/live.js", ":/live/live.js", "text/javascript; charset=utf-8"},
}};

constexpr int ServingNice = 5;

// Sockets beyond those of the clients that the rest of the program may need: files, sound,
// the display connection.
constexpr rlim_t ReservedFiles = 128;

// Lets the process hold as many sockets as it is to serve, as far as the system allows; the
// number of connections that fit.
int connectionsThatFit(int wanted)
{
    rlimit files{};
    if (getrlimit(RLIMIT_NOFILE, &files) != 0)
        return wanted;
    const rlim_t needed = rlim_t(wanted) + ReservedFiles;
    if (files.rlim_cur < needed) {
        files.rlim_cur = std::min(needed, files.rlim_max);
        setrlimit(RLIMIT_NOFILE, &files);
        getrlimit(RLIMIT_NOFILE, &files);
    }
    if (files.rlim_cur == RLIM_INFINITY || files.rlim_cur >= needed)
        return wanted;
    return files.rlim_cur > ReservedFiles ? int(files.rlim_cur - ReservedFiles) : 0;
}

} // namespace

// Accepts connections up to the limit, refuses heads that grow too long before a connection
// is a WebSocket, and closes connections that stay plain HTTP for too long. A child object of
// each socket tells when the socket goes, since taking it over for a WebSocket cuts every
// signal connection of it.
class LiveTcpServer final : public QTcpServer
{
public:
    LiveTcpServer(const LiveServer::Limits &limits, QObject *parent)
        : QTcpServer(parent)
        , m_limits(limits)
        , m_capacity(connectionsThatFit(limits.connections))
    {
        auto *sweep = new QTimer(this);
        connect(sweep, &QTimer::timeout, this, &LiveTcpServer::closeIdle);
        sweep->start(std::max(100, m_limits.httpIdleMs / 4));
        // Out of descriptors for a moment: accepting would otherwise stay paused for good.
        connect(this, &QTcpServer::acceptError, this,
                [this] { QTimer::singleShot(1000, this, [this] { resumeAccepting(); }); });
    }

    ~LiveTcpServer() override
    {
        // The sockets' trackers report to m_open, which must outlive them.
        const auto sockets = findChildren<QTcpSocket *>(Qt::FindDirectChildrenOnly);
        qDeleteAll(sockets);
        m_open.clear();
    }

    int openCount() const { return static_cast<int>(m_open.size()); }

    // The connection of a WebSocket just opened: it is no longer idle HTTP, and it goes when
    // the WebSocket goes.
    QTcpSocket *becameWebSocket(QWebSocket &webSocket)
    {
        for (auto &[socket, open] : m_open) {
            if (socket->peerPort() == webSocket.peerPort() &&
                socket->peerAddress() == webSocket.peerAddress()) {
                open.webSocket = true;
                socket->setParent(&webSocket);
                return socket;
            }
        }
        return nullptr;
    }

protected:
    void incomingConnection(qintptr handle) override
    {
        auto *socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(handle) || openCount() >= m_capacity) {
            socket->abort();
            delete socket;
            return;
        }
        m_open.emplace(socket, Open{QDeadlineTimer(m_limits.httpIdleMs), false,
                                    RequestHeadLimit(m_limits.requestHeadBytes)});
        new Tracker(this, socket);
        // Connected before the HTTP server's own handler, so a head too long is never parsed.
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { watchHead(socket); });
        addPendingConnection(socket);
    }

private:
    struct Open
    {
        QDeadlineTimer deadline;
        bool webSocket;
        RequestHeadLimit head;
    };

    class Tracker final : public QObject
    {
    public:
        Tracker(LiveTcpServer *server, QTcpSocket *socket)
            : QObject(socket)
            , m_server(server)
            , m_socket(socket)
        {}
        ~Tracker() override
        {
            if (m_server)
                m_server->m_open.erase(m_socket);
        }

    private:
        // A WebSocket deleted later may take its connection after the server has gone.
        QPointer<LiveTcpServer> m_server;
        QTcpSocket *m_socket;
    };

    void watchHead(QTcpSocket *socket)
    {
        const auto open = m_open.find(socket);
        if (open == m_open.end() || open->second.webSocket)
            return;
        if (open->second.head.feed(socket->peek(socket->bytesAvailable())))
            return;
        // Taken from the HTTP server, which would otherwise go on parsing it.
        socket->disconnect();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        socket->write("HTTP/1.1 431 Request Header Fields Too Large\r\n"
                      "Content-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        m_open.erase(open);
    }

    void closeIdle()
    {
        std::vector<QTcpSocket *> idle;
        for (const auto &[socket, open] : m_open) {
            if (!open.webSocket && open.deadline.hasExpired())
                idle.push_back(socket);
        }
        for (QTcpSocket *socket : idle) {
            // The HTTP parser may have let go of a socket it could not parse; it is no longer
            // counted, and goes with the server at the latest.
            m_open.erase(socket);
            socket->abort();
        }
    }

    LiveServer::Limits m_limits;
    int m_capacity;
    std::unordered_map<QTcpSocket *, Open> m_open;
};

// The page's paths, GET only, and the WebSocket upgrade on the live path; everything else gets
// 404 or 405.
class LiveHttpServer final : public QAbstractHttpServer
{
public:
    explicit LiveHttpServer(QObject *parent)
        : QAbstractHttpServer(parent)
    {
        for (const PageFile &file : pageFiles) {
            QFile resource(QString::fromLatin1(file.resource));
            if (resource.open(QIODevice::ReadOnly))
                m_pages.emplace(QString::fromLatin1(file.path),
                                Page{QByteArray(file.type), resource.readAll()});
        }
    }

protected:
    // For a WebSocket upgrade, true hands the connection to the WebSocket server and false
    // closes it after the answer written here.
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override
    {
        const QString path = request.url().path();
        const bool get = request.method() == QHttpServerRequest::Method::Get;
        const bool upgrade =
            request.value("upgrade").compare("websocket", Qt::CaseInsensitive) == 0;
        if (upgrade && get && path == LiveServer::LivePath)
            return true;
        QHttpServerResponder responder = makeResponder(request, socket);
        const auto page = m_pages.find(path);
        if (page == m_pages.end())
            reply(responder, Status::NotFound, "text/plain; charset=utf-8", "Not Found\n");
        else if (!get)
            reply(responder, Status::MethodNotAllowed, "text/plain; charset=utf-8",
                  "Method Not Allowed\n", {"Allow", "GET"});
        else
            reply(responder, Status::Ok, page->second.type, page->second.body);
        return !upgrade;
    }

    void missingHandler(const QHttpServerRequest &, QTcpSocket *) override {}

private:
    struct Page
    {
        QByteArray type;
        QByteArray body;
    };

    static void reply(QHttpServerResponder &responder, Status status, const QByteArray &type,
                      const QByteArray &body, std::pair<QByteArray, QByteArray> extra = {})
    {
        responder.writeStatusLine(status);
        for (const auto &[name, value] : securityHeaders)
            responder.writeHeader(name, value);
        if (!extra.first.isEmpty())
            responder.writeHeader(extra.first, extra.second);
        responder.writeHeader("Content-Type", type);
        responder.writeHeader("Content-Length", QByteArray::number(body.size()));
        responder.writeBody(body);
    }

    std::unordered_map<QString, Page> m_pages;
};

LiveServer::LiveServer(const Limits &limits, QObject *parent)
    : QObject(parent)
    , m_limits(limits)
{}

LiveServer::~LiveServer()
{
    // The WebSockets hold connections the TCP server counts: they go first, without telling
    // this server, which is going.
    for (auto &[socket, client] : m_clients)
        socket->disconnect(this);
    m_clients.clear();
    delete m_http;
    delete m_tcp;
}

std::optional<LiveServer::ListenFailure> LiveServer::listen(quint16 port)
{
    if (!m_tcp) {
        // Where the phones and the reveal compete for the processor, the reveal comes first:
        // this thread runs at a lower priority than the caller's window.
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), ServingNice);
        m_tcp = new LiveTcpServer(m_limits, this);
        m_http = new LiveHttpServer(this);
        connect(m_http, &QAbstractHttpServer::newWebSocketConnection, this,
                &LiveServer::acceptWebSockets);
        m_ping = new QTimer(this);
        connect(m_ping, &QTimer::timeout, this, &LiveServer::ping);
    }
    if (!m_tcp->listen(QHostAddress::Any, port))
        return ListenFailure{m_tcp->serverError() == QAbstractSocket::AddressInUseError,
                             m_tcp->errorString()};
    m_http->bind(m_tcp);
    m_ping->start(m_limits.pingMs);
    return std::nullopt;
}

quint16 LiveServer::port() const
{
    return m_tcp ? m_tcp->serverPort() : 0;
}

int LiveServer::connectionCount() const
{
    return m_tcp ? m_tcp->openCount() : 0;
}

void LiveServer::acceptWebSockets()
{
    while (m_http->hasPendingWebSocketConnections()) {
        std::unique_ptr<QWebSocket> socket = m_http->nextPendingWebSocketConnection();
        QTcpSocket *connection = m_tcp->becameWebSocket(*socket);
        const QUrl url = socket->requestUrl();
        if (url.path() != LivePath || !connection) {
            socket->abort();
            continue;
        }
        // Phones have nothing to say: a message, or a frame longer than a pong, ends the
        // connection.
        socket->setMaxAllowedIncomingFrameSize(125);
        socket->setMaxAllowedIncomingMessageSize(125);
        QWebSocket *key = socket.get();
        const auto refuse = [key] { QTimer::singleShot(0, key, &QWebSocket::abort); };
        connect(key, &QWebSocket::textMessageReceived, key, refuse);
        connect(key, &QWebSocket::binaryMessageReceived, key, refuse);
        connect(key, &QWebSocket::disconnected, this, [this, key] { drop(key); });
        connect(key, &QWebSocket::pong, this, [this, key] {
            if (const auto client = m_clients.find(key); client != m_clients.end())
                client->second.awaitingPong = false;
        });

        Client client;
        client.socket = std::move(socket);
        client.connection = connection;
        const QUrlQuery query(url);
        const QString code = query.queryItemValue(QStringLiteral("code"), QUrl::FullyDecoded);
        const QString number = query.queryItemValue(QStringLiteral("sheet"), QUrl::FullyDecoded);
        if (!code.isEmpty() || !number.isEmpty())
            client.sheet.emplace(code, number);
        const QByteArray game = liveGameJson(m_game);
        auto &added = m_clients.emplace(key, std::move(client)).first->second;
        send(added, game, QString::fromUtf8(game));
        emit clientCountChanged(clientCount());
    }
    dropSlowReaders();
}

void LiveServer::publish(const LiveGame &game)
{
    m_game = game;
    const QByteArray json = liveGameJson(game);
    const QString text = QString::fromUtf8(json);
    for (auto &[socket, client] : m_clients)
        send(client, json, text);
    dropSlowReaders();
}

void LiveServer::send(Client &client, const QByteArray &game, const QString &gameText)
{
    if (!client.sheet) {
        client.socket->sendTextMessage(gameText);
        return;
    }
    // The game's object with the sheet added as its last member.
    QByteArray message = game;
    message.chop(1);
    message += ",\"sheet\":" + client.sheet->json(m_game) + '}';
    client.socket->sendTextMessage(QString::fromUtf8(message));
}

void LiveServer::dropSlowReaders()
{
    std::vector<QWebSocket *> slow;
    for (const auto &[socket, client] : m_clients) {
        if (client.connection && client.connection->bytesToWrite() > m_limits.unsentBytes)
            slow.push_back(socket);
    }
    for (QWebSocket *socket : slow)
        socket->abort();
}

void LiveServer::drop(QWebSocket *socket)
{
    const auto client = m_clients.find(socket);
    if (client == m_clients.end())
        return;
    // Deleted later: this runs inside one of the socket's own signals.
    client->second.socket.release()->deleteLater();
    m_clients.erase(client);
    emit clientCountChanged(clientCount());
}

void LiveServer::ping()
{
    std::vector<QWebSocket *> silent;
    for (auto &[socket, client] : m_clients) {
        if (client.awaitingPong) {
            silent.push_back(socket);
        } else {
            client.awaitingPong = true;
            socket->ping();
        }
    }
    for (QWebSocket *socket : silent)
        socket->abort();
}
