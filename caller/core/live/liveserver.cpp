#include "liveserver.h"

#include "pagelanguage.h"
#include "requestheadlimit.h"
#include "websocketwire.h"

#include <QAbstractHttpServer>
#include <QDeadlineTimer>
#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonDocument>
#include <QStringDecoder>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <functional>
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

// Accepts connections up to the limits, reads the first request head of each itself, and
// either answers it (431 for a head too long), opens a WebSocket for an upgrade on the live path
// or hands the connection to the HTTP server. Closes connections that stay plain HTTP for too
// long. A child object of each socket tells when the socket goes.
class LiveTcpServer final : public QTcpServer
{
public:
    using WebSocketOpened = std::function<void(QTcpSocket *, const QByteArray &target)>;

    LiveTcpServer(const LiveServer::Limits &limits, WebSocketOpened opened, QObject *parent)
        : QTcpServer(parent)
        , m_limits(limits)
        , m_capacity(connectionsThatFit(limits.connections))
        , m_opened(std::move(opened))
    {
        setListenBacklogSize(limits.backlog);
        setMaxPendingConnections(limits.connections);
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

protected:
    void incomingConnection(qintptr handle) override
    {
        auto *socket = new QTcpSocket(this);
        if (!socket->setSocketDescriptor(handle) || !makeRoomFor(peer(*socket))) {
            socket->abort();
            delete socket;
            return;
        }
        const QHostAddress address = peer(*socket);
        m_open.emplace(socket, Open{QDeadlineTimer(m_limits.httpIdleMs), address, m_serial++,
                                    RequestHeadLimit(m_limits.requestHeadBytes)});
        ++m_perAddress[address];
        new Tracker(this, socket);
        // What the system keeps for a client that does not read counts against it as well.
        socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption,
                                int(m_limits.unsentBytes));
        socket->setReadBufferSize(2 * m_limits.requestHeadBytes);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { watchHead(socket); });
    }

private:
    struct Open
    {
        QDeadlineTimer deadline;
        QHostAddress address;
        quint64 serial;
        RequestHeadLimit head;
        // Handed to the HTTP server after its first head.
        bool http = false;
        bool webSocket = false;
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
                m_server->forget(m_socket);
        }

    private:
        // A socket deleted later may go after the server has gone.
        QPointer<LiveTcpServer> m_server;
        QTcpSocket *m_socket;
    };

    // An IPv4 client of the dual-stack socket has one address however it is written.
    static QHostAddress peer(const QTcpSocket &socket)
    {
        bool v4 = false;
        const quint32 address = socket.peerAddress().toIPv4Address(&v4);
        return v4 ? QHostAddress(address) : socket.peerAddress();
    }

    // Whether a connection from address may open, closing another to make room when the hall
    // is full: a newcomer takes the place of the oldest connection of the address that holds
    // the most, as long as that one holds more than the newcomer's would then.
    bool makeRoomFor(const QHostAddress &address)
    {
        const auto held = m_perAddress.find(address);
        const int own = held == m_perAddress.end() ? 0 : held->second;
        if (own >= m_limits.perAddress)
            return false;
        if (openCount() < m_capacity)
            return true;
        const auto most =
            std::max_element(m_perAddress.cbegin(), m_perAddress.cend(),
                             [](const auto &a, const auto &b) { return a.second < b.second; });
        if (most == m_perAddress.cend() || most->second <= own + 1)
            return false;
        // Its plain connections go before its WebSockets, the oldest first.
        const QHostAddress crowded = most->first;
        QTcpSocket *victim = nullptr;
        const Open *chosen = nullptr;
        for (const auto &[socket, open] : m_open) {
            if (open.address != crowded)
                continue;
            if (!chosen || std::pair(open.webSocket, open.serial) <
                               std::pair(chosen->webSocket, chosen->serial)) {
                victim = socket;
                chosen = &open;
            }
        }
        forget(victim);
        victim->abort();
        return true;
    }

    void forget(QTcpSocket *socket)
    {
        const auto open = m_open.find(socket);
        if (open == m_open.end())
            return;
        const auto count = m_perAddress.find(open->second.address);
        if (--count->second == 0)
            m_perAddress.erase(count);
        m_open.erase(open);
    }

    void watchHead(QTcpSocket *socket)
    {
        const auto open = m_open.find(socket);
        if (open == m_open.end() || open->second.webSocket)
            return;
        const QByteArray bytes = socket->peek(socket->bytesAvailable());
        if (open->second.http) {
            if (!open->second.head.feed(bytes))
                refuseHead(socket);
            return;
        }
        // Nothing has read the first head yet: it is all still there.
        const qsizetype length = WebSocketWire::headLength(bytes);
        if ((length == 0 ? bytes.size() : length) > m_limits.requestHeadBytes)
            return refuseHead(socket);
        if (length == 0)
            return;
        const auto upgrade = WebSocketWire::readUpgrade(QByteArrayView(bytes).first(length));
        if (upgrade && QUrl::fromEncoded(upgrade->target).path() == LiveServer::LivePath) {
            open->second.webSocket = true;
            disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
            socket->skip(length);
            socket->write(upgrade->answer);
            m_opened(socket, upgrade->target);
            return;
        }
        // Any other request is the HTTP server's, from its first byte on.
        open->second.http = true;
        addPendingConnection(socket);
        emit newConnection();
        QMetaObject::invokeMethod(socket, &QTcpSocket::readyRead, Qt::QueuedConnection);
    }

    void refuseHead(QTcpSocket *socket)
    {
        // Taken from the HTTP server, which would otherwise go on parsing it.
        if (parent())
            disconnect(socket, &QTcpSocket::readyRead, parent(), nullptr);
        disconnect(socket, &QTcpSocket::readyRead, this, nullptr);
        QByteArray answer = "HTTP/1.1 431 Request Header Fields Too Large\r\n";
        for (const auto &[name, value] : securityHeaders)
            answer += name + ": " + value + "\r\n";
        socket->write(answer + "Content-Length: 0\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        forget(socket);
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
            forget(socket);
            socket->abort();
        }
    }

    struct AddressHash
    {
        size_t operator()(const QHostAddress &address) const { return qHash(address); }
    };

    LiveServer::Limits m_limits;
    int m_capacity;
    WebSocketOpened m_opened;
    quint64 m_serial = 0;
    std::unordered_map<QTcpSocket *, Open> m_open;
    std::unordered_map<QHostAddress, int, AddressHash> m_perAddress;
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
    // The live path's WebSocket never gets here: an upgrade that does is answered like any
    // other request, and closed after the answer.
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override
    {
        const QString path = request.url().path();
        const bool get = request.method() == QHttpServerRequest::Method::Get;
        QHttpServerResponder responder = makeResponder(request, socket);
        const auto page = m_pages.find(path);
        if (page == m_pages.end())
            reply(responder, Status::NotFound, "text/plain; charset=utf-8", "Not Found\n");
        else if (!get)
            reply(responder, Status::MethodNotAllowed, "text/plain; charset=utf-8",
                  "Method Not Allowed\n", {"Allow", "GET"});
        else
            reply(responder, Status::Ok, page->second.type, page->second.body);
        return true;
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
    // The connections go with the TCP server, without telling this server, which is going.
    for (auto &[connection, client] : m_clients)
        connection->disconnect(this);
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
        m_tcp = new LiveTcpServer(
            m_limits,
            [this](QTcpSocket *connection, const QByteArray &target) {
                acceptWebSocket(connection, target);
            },
            this);
        m_http = new LiveHttpServer(this);
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

void LiveServer::acceptWebSocket(QTcpSocket *connection, const QByteArray &target)
{
    // A phone has little to say: a little is read at a time, the rest stays with the system,
    // which slows the sender.
    connection->setReadBufferSize(1024);
    connect(connection, &QTcpSocket::readyRead, this,
            [this, connection] { readFrames(connection); });
    connect(connection, &QTcpSocket::disconnected, this, [this, connection] { drop(connection); });

    Client client;
    client.connection = connection;
    client.address = addressOf(*connection);
    client.refill.setRemainingTime(MessageRefillMs);
    const QUrlQuery query(QUrl::fromEncoded(target));
    client.language = PageLanguage::of(query.queryItemValue(QStringLiteral("lang")));
    const QString code = query.queryItemValue(QStringLiteral("code"), QUrl::FullyDecoded);
    const QString number = query.queryItemValue(QStringLiteral("sheet"), QUrl::FullyDecoded);
    if (!code.isEmpty() || !number.isEmpty())
        client.sheet.emplace(code, number);
    auto &added = m_clients.emplace(connection, std::move(client)).first->second;
    send(added, liveGameJson(m_game));
    followTyped(added);
    emit clientCountChanged(clientCount());
    // Frames sent right behind the request.
    if (connection->bytesAvailable() > 0)
        readFrames(connection);
    else if (readsTooLittle(*connection))
        connection->abort();
}

// Every frame a phone sends costs it from its allowance of the second; one too many, one that
// is no control frame, or more pongs waiting to be sent than it may leave unread, and it is
// dropped at once.
void LiveServer::readFrames(QTcpSocket *connection)
{
    const auto found = m_clients.find(connection);
    if (found == m_clients.end())
        return;
    Client &client = found->second;
    bool refused = false;
    while (!refused) {
        const WebSocketWire::ClientFrame frame =
            WebSocketWire::readClientFrame(connection->peek(2 + 4 + 125));
        using Kind = WebSocketWire::ClientFrame::Kind;
        if (frame.kind == Kind::Incomplete)
            break;
        if (client.frameWindow.hasExpired()) {
            client.frameWindow.setRemainingTime(1000);
            client.frames = 0;
        }
        if (frame.kind == Kind::Refused || ++client.frames > m_limits.controlFramesPerSecond) {
            refused = true;
            break;
        }
        connection->skip(frame.size);
        if (frame.kind == Kind::Text) {
            if (!receive(client, frame.payload)) {
                refused = true;
                break;
            }
        } else if (frame.kind == Kind::Ping) {
            connection->write(
                WebSocketWire::serverFrame(WebSocketWire::Opcode::Pong, frame.payload));
        } else if (frame.kind == Kind::Pong) {
            client.awaitingPong = false;
        } else {
            connection->write(WebSocketWire::serverFrame(WebSocketWire::Opcode::Close, {}));
            connection->disconnectFromHost();
            return;
        }
    }
    if (refused || readsTooLittle(*connection))
        connection->abort();
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
    // Started or not, the game's next state says.
    m_supply.reset(set, holdings);
    // The phones of the old game hold nothing in this one until they claim again.
    for (auto &[connection, client] : m_clients) {
        if (!client.tokenHash.isEmpty())
            client.sheet.reset();
        client.tokenHash.clear();
    }
    m_talliedDraw = -1;
    rebuildCount();
    sendAll();
}

void LiveServer::setPhoneSet(const std::optional<SetCode> &set)
{
    m_supply.setSet(set);
    for (auto &[connection, client] : m_clients) {
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
    for (auto &[connection, client] : m_clients)
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
    for (auto &[connection, client] : m_clients) {
        send(client, game);
        // On its way now, not once every phone's message is made.
        connection->flush();
    }
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
    if (m_supply.policy().enabled)
        more.insert(QStringLiteral("offer"),
                    client.tokenHash.isEmpty() && m_supply.handingOut() && m_supply.set());
    if (const PhoneSheetHolding *held = m_supply.holding(client.tokenHash))
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
    client.connection->write(WebSocketWire::serverFrame(WebSocketWire::Opcode::Text, message));
}

bool LiveServer::receive(Client &client, const QByteArray &payload)
{
    if (client.refill.hasExpired()) {
        client.budget = MessageBurst;
        client.refill.setRemainingTime(MessageRefillMs);
    }
    if (client.budget-- <= 0)
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString message = utf8(payload);
    if (utf8.hasError())
        return false;
    const qsizetype space = message.indexOf(u' ');
    const QStringView word = QStringView(message).left(space < 0 ? message.size() : space);
    const QStringView argument = space < 0 ? QStringView() : QStringView(message).sliced(space + 1);
    if (word == u"hold" || word == u"take") {
        if (!claim(client, argument, word == u"take"))
            return false;
    } else if (word == u"name" && !client.tokenHash.isEmpty()) {
        const PageLanguage inLanguage(client.language);
        const QString name = argument.toString();
        if (const auto refusal = PhoneSheets::nameRefusal(name)) {
            client.notice = *refusal;
        } else {
            m_supply.name(client.tokenHash, name);
            const PhoneSheetHolding *held = m_supply.holding(client.tokenHash);
            const HallSheet sheet = m_supply.hallSheet(*held);
            m_count.rename(sheet.setCode, sheet.number, name);
            emit phoneSheetHeld(*held, m_generation);
            emit sheetNamed(sheet);
        }
    } else {
        return false;
    }
    send(client, liveGameJson(m_game));
    return true;
}

bool LiveServer::claim(Client &client, QStringView token, bool take)
{
    const QByteArray text = token.toLatin1();
    if (token.size() != PhoneSheets::TokenLength || !PhoneSheets::isToken(text))
        return false;
    const QByteArray hash = PhoneSheets::tokenHash(text);
    // While the phone that holds a sheet is connected, its token from another address is
    // someone else's: the connection ends. From the same address it is the phone reloading.
    for (const auto &[connection, other] : m_clients) {
        if (&other != &client && other.tokenHash == hash && other.address != client.address)
            return false;
    }
    client.claimed = true;
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

bool LiveServer::readsTooLittle(const QTcpSocket &connection) const
{
    return connection.bytesToWrite() > m_limits.unsentBytes;
}

void LiveServer::dropSlowReaders()
{
    std::vector<QTcpSocket *> slow;
    for (const auto &[connection, client] : m_clients) {
        if (readsTooLittle(*connection))
            slow.push_back(connection);
    }
    for (QTcpSocket *connection : slow)
        connection->abort();
}

void LiveServer::drop(QTcpSocket *connection)
{
    if (m_clients.erase(connection) != 0)
        emit clientCountChanged(clientCount());
}

void LiveServer::ping()
{
    const QByteArray frame = WebSocketWire::serverFrame(WebSocketWire::Opcode::Ping, {});
    std::vector<QTcpSocket *> silent;
    for (auto &[connection, client] : m_clients) {
        if (client.awaitingPong) {
            silent.push_back(connection);
        } else {
            client.awaitingPong = true;
            connection->write(frame);
            if (readsTooLittle(*connection))
                silent.push_back(connection);
        }
    }
    for (QTcpSocket *connection : silent)
        connection->abort();
}
