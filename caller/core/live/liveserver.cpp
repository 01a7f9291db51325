#include "liveserver.h"

#include "pagelanguage.h"
#include "requestheadlimit.h"

#include <QAbstractHttpServer>
#include <QDeadlineTimer>
#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonDocument>
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

// The phone's address as one text, an IPv4 address the same whichever way the socket reports it.
QString addressOf(const QTcpSocket &socket)
{
    bool v4 = false;
    const quint32 ipv4 = socket.peerAddress().toIPv4Address(&v4);
    return v4 ? QHostAddress(ipv4).toString() : socket.peerAddress().toString();
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
        // A phone says little: a frame longer than MaxMessageBytes, a binary message or one
        // out of form ends its connection.
        socket->setMaxAllowedIncomingFrameSize(MaxMessageBytes);
        socket->setMaxAllowedIncomingMessageSize(MaxMessageBytes);
        QWebSocket *key = socket.get();
        connect(key, &QWebSocket::textMessageReceived, this,
                [this, key](const QString &message) { receive(key, message); });
        connect(key, &QWebSocket::binaryMessageReceived, key,
                [key] { QTimer::singleShot(0, key, &QWebSocket::abort); });
        connect(key, &QWebSocket::disconnected, this, [this, key] { drop(key); });
        connect(key, &QWebSocket::pong, this, [this, key] {
            if (const auto client = m_clients.find(key); client != m_clients.end())
                client->second.awaitingPong = false;
        });

        Client client;
        client.socket = std::move(socket);
        client.connection = connection;
        client.address = addressOf(*connection);
        client.refill.setRemainingTime(MessageRefillMs);
        const QUrlQuery query(url);
        client.language = PageLanguage::of(query.queryItemValue(QStringLiteral("lang")));
        const QString code = query.queryItemValue(QStringLiteral("code"), QUrl::FullyDecoded);
        const QString number = query.queryItemValue(QStringLiteral("sheet"), QUrl::FullyDecoded);
        if (!code.isEmpty() || !number.isEmpty())
            client.sheet.emplace(code, number);
        auto &added = m_clients.emplace(key, std::move(client)).first->second;
        send(added, liveGameJson(m_game));
        followTyped(added);
        emit clientCountChanged(clientCount());
    }
    dropSlowReaders();
}

void LiveServer::publish(const LiveGame &game)
{
    const bool newTop = game.top != m_game.top;
    m_game = game;
    if (game.phase != AudienceBoard::Phase::Waiting || !game.called.isEmpty())
        m_supply.setStarted(true);
    if (newTop)
        rebuildCount();
    tally();
    sendAll();
}

void LiveServer::resetPhoneSheets(const std::optional<SetCode> &set,
                                  const QList<PhoneSheetHolding> &holdings, int generation)
{
    m_generation = generation;
    m_supply.reset(set, holdings);
    m_supply.setStarted(m_game.phase != AudienceBoard::Phase::Waiting || !m_game.called.isEmpty());
    // The phones of the old game hold nothing in this one until they claim again.
    for (auto &[socket, client] : m_clients) {
        if (!client.tokenHash.isEmpty())
            client.sheet.reset();
        client.tokenHash.clear();
    }
    m_typedFrom.clear();
    m_talliedDraw = -1;
    rebuildCount();
    sendAll();
}

void LiveServer::setPhoneSet(const std::optional<SetCode> &set)
{
    m_supply.setSet(set);
    for (auto &[socket, client] : m_clients) {
        if (const PhoneSheetHolding *held = m_supply.holding(client.tokenHash))
            holdPhoneSheet(client, *held);
    }
    rebuildCount();
    sendAll();
}

void LiveServer::setPhoneSheetPolicy(const PhoneSheetPolicy &policy)
{
    m_supply.setPolicy(policy);
    sendAll();
}

void LiveServer::rebuildCount()
{
    m_count.clear();
    if (const auto &set = m_supply.set()) {
        for (const PhoneSheetHolding &holding : m_supply.holdings())
            m_count.follow(m_supply.hallSheet(holding), set->sheet(holding.number));
    }
    m_typedFrom.clear();
    for (auto &[socket, client] : m_clients)
        followTyped(client);
}

void LiveServer::followTyped(Client &client)
{
    if (!client.sheet || !client.tokenHash.isEmpty())
        return;
    client.sheet->json(m_game);
    const SheetChoice *choice = client.sheet->found();
    // A phone set's sheet counts once it is handed out, as the phone sheet it is.
    if (!choice || *choice->code == m_supply.set() ||
        m_count.follows(choice->code->text(), choice->number))
        return;
    // Typed sheets count only as many from one address as the phone sheets it may take.
    int &typed = m_typedFrom[client.address];
    if (typed >= m_supply.policy().perAddress)
        return;
    ++typed;
    m_count.follow({choice->code->text(), choice->number, {}, false}, choice->cells);
}

void LiveServer::tally()
{
    const int draw = static_cast<int>(m_game.called.size());
    if (draw == m_talliedDraw)
        return;
    m_talliedDraw = draw;
    const HallTally counted = m_count.tally(m_game.called);
    for (const KitLanguage language : {KitLanguage::Japanese, KitLanguage::English}) {
        const PageLanguage inLanguage(language);
        m_hallText[int(language)] = hallCountText(counted.reach, counted.bingo);
    }
    emit tallied(counted);
}

void LiveServer::sendAll()
{
    const QByteArray game = liveGameJson(m_game);
    for (auto &[socket, client] : m_clients)
        send(client, game);
    dropSlowReaders();
}

void LiveServer::send(Client &client, const QByteArray &game)
{
    const PageLanguage inLanguage(client.language);
    QJsonObject more;
    if (!client.textsSent) {
        more.insert(QStringLiteral("texts"), livePageTexts());
        client.textsSent = true;
    }
    if (m_count.size() > 0)
        more.insert(QStringLiteral("hall"), m_hallText[int(client.language)]);
    const bool holds = !client.tokenHash.isEmpty();
    if (m_supply.policy().enabled)
        more.insert(QStringLiteral("offer"), !holds && m_supply.handingOut() && m_supply.set());
    if (const PhoneSheetHolding *held = holds ? m_supply.holding(client.tokenHash) : nullptr)
        more.insert(QStringLiteral("phone"), QJsonObject{{QStringLiteral("name"), held->name}});
    else if (client.claimed)
        more.insert(QStringLiteral("phone"), QJsonValue::Null);
    if (!client.notice.isEmpty())
        more.insert(QStringLiteral("notice"), std::exchange(client.notice, {}));
    // The game's object with the rest added as its last members.
    QByteArray message = game;
    if (!more.isEmpty()) {
        message.chop(1);
        message += ',' + QJsonDocument(more).toJson(QJsonDocument::Compact).sliced(1);
    }
    if (client.sheet) {
        message.chop(1);
        message += ",\"sheet\":" + client.sheet->json(m_game) + '}';
    }
    client.socket->sendTextMessage(QString::fromUtf8(message));
}

void LiveServer::receive(QWebSocket *socket, const QString &message)
{
    const auto found = m_clients.find(socket);
    if (found == m_clients.end())
        return;
    Client &client = found->second;
    if (client.refill.hasExpired()) {
        client.budget = MessageBurst;
        client.refill.setRemainingTime(MessageRefillMs);
    }
    const qsizetype space = message.indexOf(u' ');
    const QStringView word = QStringView(message).left(space < 0 ? message.size() : space);
    const QStringView argument = space < 0 ? QStringView() : QStringView(message).sliced(space + 1);
    if (client.budget-- <= 0 || !act(client, word, argument)) {
        QTimer::singleShot(0, socket, &QWebSocket::abort);
        return;
    }
    send(client, liveGameJson(m_game));
    dropSlowReaders();
}

bool LiveServer::act(Client &client, QStringView word, QStringView argument)
{
    if (word == u"hold" || word == u"take")
        return claim(client, argument, word == u"take");
    if (word == u"name") {
        const PageLanguage inLanguage(client.language);
        const QString name = argument.toString();
        if (client.tokenHash.isEmpty())
            return false;
        if (const auto refusal = PhoneSheets::nameRefusal(name)) {
            client.notice = *refusal;
            return true;
        }
        m_supply.name(client.tokenHash, name);
        const PhoneSheetHolding *held = m_supply.holding(client.tokenHash);
        const HallSheet sheet = m_supply.hallSheet(*held);
        m_count.rename(sheet.setCode, sheet.number, name);
        emit phoneSheetHeld(*held, m_generation);
        emit sheetNamed(sheet);
        return true;
    }
    return false;
}

bool LiveServer::claim(Client &client, QStringView token, bool take)
{
    const QByteArray text = token.toLatin1();
    if (token.size() != PhoneSheets::TokenLength || !PhoneSheets::isToken(text))
        return false;
    const QByteArray hash = PhoneSheets::tokenHash(text);
    client.claimed = true;
    // While the phone that holds a sheet is connected, its token from another address is
    // someone else's: the connection ends. From the same address it is the phone reloading.
    for (const auto &[socket, other] : m_clients) {
        if (&other != &client && other.tokenHash == hash && other.address != client.address)
            return false;
    }
    const PageLanguage inLanguage(client.language);
    if (!take) {
        if (const PhoneSheetHolding *held = m_supply.holding(hash); held && m_supply.set())
            holdPhoneSheet(client, *held);
        return true;
    }
    const auto taken = m_supply.take(hash, client.address);
    if (const auto *refusal = std::get_if<PhoneSheetSupply::Refusal>(&taken)) {
        client.notice = PhoneSheetSupply::refusalText(*refusal);
        return true;
    }
    const PhoneSheetHolding &held = *m_supply.holding(hash);
    if (std::get<std::pair<int, bool>>(taken).second) {
        m_count.follow(m_supply.hallSheet(held), m_supply.set()->sheet(held.number));
        emit phoneSheetHeld(held, m_generation);
    }
    holdPhoneSheet(client, held);
    return true;
}

void LiveServer::holdPhoneSheet(Client &client, const PhoneSheetHolding &holding)
{
    client.tokenHash = holding.tokenHash;
    if (m_supply.set())
        client.sheet.emplace(m_supply.set()->text(), QString::number(holding.number));
    else
        client.sheet.reset();
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
