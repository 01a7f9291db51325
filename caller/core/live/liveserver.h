#pragma once

#include "hallcount.h"
#include "kitlanguage.h"
#include "livegame.h"
#include "phonesheets.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>
#include <unordered_map>

class LiveHttpServer;
class LiveTcpServer;
class QTcpSocket;

// The server the phones talk to: it serves the page from the program's resources on a few
// paths, answers GET only, and keeps a WebSocket to every phone that opened the page, sending
// each the whole game at once and again whenever it changes. Nothing a client sends is acted
// on. It runs in whatever thread it lives in; the program gives it a thread of its own, so
// that no client can hold up a reveal.
class LiveServer final : public QObject
{
    Q_OBJECT

public:
    struct Limits
    {
        int connections = 1000;
        // Connections one address may hold: a phone's browser opens a few at once, and more
        // from one address would be someone taking the hall's share.
        int perAddress = 16;
        // Connections the system holds until they are accepted: a hall's phones arrive together
        // when the QR code appears.
        int backlog = 1024;
        int requestHeadBytes = 8 * 1024;
        // A client that reads nothing is dropped once this much waits to be sent to it; the
        // system's own buffer for each connection is kept to this size too.
        qint64 unsentBytes = 64 * 1024;
        // Pings, pongs and closes a phone may send in a second: a browser answers one ping
        // every pingMs.
        int controlFramesPerSecond = 10;
        // A connection that is no WebSocket is closed after this long.
        int httpIdleMs = 15'000;
        // Each WebSocket is pinged this often and dropped when the last ping went unanswered.
        int pingMs = 30'000;
    };

    static inline const QString LivePath = QStringLiteral("/live");

    explicit LiveServer(const Limits &limits, QObject *parent = nullptr);
    ~LiveServer() override;

    struct ListenFailure
    {
        bool portTaken = false;
        QString reason;
    };
    // Listens on every address of the machine, or says why it cannot. Port 0 takes any free
    // port.
    std::optional<ListenFailure> listen(quint16 port);
    quint16 port() const;

    // The game changed: every phone is sent the new state.
    void publish(const LiveGame &game);

    // A new game for the phone sheets: its set and the holders a resume brings back. The
    // generation comes back with each holding handed out, so a late one of an old game is told
    // apart.
    void resetPhoneSheets(const std::optional<SetCode> &set,
                          const QList<PhoneSheetHolding> &holdings, int generation);
    // The top number changed before the start: the same holders, another set.
    void setPhoneSet(const std::optional<SetCode> &set);
    void setPhoneSheetPolicy(const PhoneSheetPolicy &policy);
    const PhoneSheetSupply &phoneSheets() const { return m_supply; }

    // What a phone may send: a word and at most one argument in one text frame, a few a second.
    // Anything else ends its connection.
    static constexpr int MessageBurst = 8;
    static constexpr int MessageRefillMs = 10'000;
    int clientCount() const { return static_cast<int>(m_clients.size()); }
    int connectionCount() const;

signals:
    void clientCountChanged(int count);
    // After each reveal, over every sheet the phones follow.
    void tallied(const HallTally &tally);
    // A phone sheet was handed out or named: for the journal.
    void phoneSheetHeld(const PhoneSheetHolding &holding, int generation);
    void sheetNamed(const HallSheet &sheet);

private:
    struct Client
    {
        // The connection, which the TCP server owns and deletes once it is closed.
        QPointer<QTcpSocket> connection;
        std::optional<LiveSheet> sheet;
        bool awaitingPong = false;
        // The control frames received in the second that ends at frameWindow.
        int frames = 0;
        QDeadlineTimer frameWindow;
        KitLanguage language = KitLanguage::Japanese;
        QString address;
        // The phone sheet this phone holds, once it said its token.
        QByteArray tokenHash;
        // It said its token, whether or not that holds a sheet.
        bool claimed = false;
        bool textsSent = false;
        QString notice;
        int budget = MessageBurst;
        QDeadlineTimer refill;
    };

    void acceptWebSocket(QTcpSocket *connection, const QByteArray &target);
    void readFrames(QTcpSocket *connection);
    void send(Client &client, const QByteArray &game);
    void sendAll();
    // False when the phone's message ends its connection.
    bool receive(Client &client, const QByteArray &payload);
    bool claim(Client &client, QStringView token, bool take);
    void holdPhoneSheet(Client &client, const PhoneSheetHolding &holding);
    void followTyped(Client &client);
    void rebuildCount();
    void tally();
    // Closes the clients that read too little to keep up, after a round of sending.
    void dropSlowReaders();
    bool readsTooLittle(const QTcpSocket &connection) const;
    void drop(QTcpSocket *connection);
    void ping();

    Limits m_limits;
    // Handed to the HTTP server, which takes it as its child.
    QPointer<LiveTcpServer> m_tcp;
    LiveHttpServer *m_http = nullptr;
    std::unordered_map<QTcpSocket *, Client> m_clients;
    QTimer *m_ping = nullptr;
    LiveGame m_game;
    PhoneSheetSupply m_supply;
    int m_generation = 0;
    HallCount m_count;
    // The typed printed sheets each address added to the count, which it bounds.
    QHash<QString, int> m_typedFrom;
    int m_talliedDraw = -1;
    QString m_hallText[2];
};
