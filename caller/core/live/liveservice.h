#pragma once

#include "liveserver.h"

#include <QObject>
#include <QString>

#include <optional>

class AudienceBoard;
class QThread;

// Serving the live page while the operator wants it: the server in a thread of its own, fed
// with the board of the audience screen each time the room has seen it change, so a number
// reaches the phones when it reaches the room and never before. Off until started.
class LiveService final : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 DefaultPort = 8765;

    explicit LiveService(const AudienceBoard &board,
                         const LiveServer::Limits &limits = LiveServer::Limits{},
                         QObject *parent = nullptr);
    ~LiveService() override;

    // Starts serving on port, or says why not; serving already, it changes nothing.
    std::optional<LiveServer::ListenFailure> start(quint16 port);
    void stop();
    bool isServing() const { return m_server != nullptr; }
    quint16 port() const { return m_port; }
    // The phones connected now; updated from the server's thread.
    int clientCount() const { return m_clients; }

    // Phone sheets: the operator's policy, a new game's set with the holders a resume brings
    // back, and the set of another top number chosen before the start. Kept while not serving.
    void setPhoneSheetPolicy(const PhoneSheetPolicy &policy);
    void resetPhoneSheets(const std::optional<SetCode> &set,
                          const QList<PhoneSheetHolding> &holdings = {});
    void setPhoneSet(const std::optional<SetCode> &set);
    // The phone sheets of the game, as the server handed them out.
    const QList<PhoneSheetHolding> &phoneSheets() const { return m_holdings; }
    const std::optional<SetCode> &phoneSet() const { return m_set; }
    // Until this is called the board is published as soon as it changes, which is when the
    // room has seen it: the dialog's panel paints a number before the board takes it. From then
    // on a screen for the room paints each change itself and calls boardPainted() once it has.
    void awaitPaints() { m_awaitPaints = true; }
    void boardPainted() { publish(); }

    // The first port after `after` that nothing listens on, or nothing within a hundred.
    static std::optional<quint16> nextFreePort(quint16 after);

signals:
    void servingChanged(bool serving);
    void clientCountChanged(int count);
    void tallied(const HallTally &tally);
    // A phone sheet was handed out or named in this game.
    void phoneSheetHeld(const PhoneSheetHolding &holding);
    void sheetNamed(const HallSheet &sheet);

private:
    void publish();

    const AudienceBoard &m_board;
    LiveServer::Limits m_limits;
    QThread *m_thread = nullptr;
    LiveServer *m_server = nullptr;
    quint16 m_port = 0;
    int m_clients = 0;
    PhoneSheetPolicy m_policy;
    std::optional<SetCode> m_set;
    QList<PhoneSheetHolding> m_holdings;
    int m_generation = 0;
    bool m_awaitPaints = false;
};
