#include "liveservice.h"

#include "audienceboard.h"
#include "pagelanguage.h"

#include <QCoreApplication>

#include <QTcpServer>
#include <QThread>

LiveService::LiveService(const AudienceBoard &board, const LiveServer::Limits &limits,
                         QObject *parent)
    : QObject(parent)
    , m_board(board)
    , m_limits(limits)
{
    connect(&board, &AudienceBoard::changed, this, [this] {
        if (!m_awaitPaints)
            publish();
    });
    qRegisterMetaType<HallTally>();
    qRegisterMetaType<HallSheet>();
    qRegisterMetaType<PhoneSheetHolding>();
    if (QCoreApplication *app = QCoreApplication::instance())
        PageLanguage::install(*app);
}

LiveService::~LiveService()
{
    stop();
}

std::optional<LiveServer::ListenFailure> LiveService::start(quint16 port)
{
    if (m_server)
        return std::nullopt;
    auto *thread = new QThread(this);
    thread->setObjectName(QStringLiteral("live page"));
    auto *server = new LiveServer(m_limits);
    server->moveToThread(thread);
    connect(thread, &QThread::finished, server, &QObject::deleteLater);
    thread->start();

    std::optional<LiveServer::ListenFailure> failure;
    QMetaObject::invokeMethod(
        server, [&] { failure = server->listen(port); }, Qt::BlockingQueuedConnection);
    if (failure) {
        thread->quit();
        thread->wait();
        delete thread;
        return failure;
    }
    connect(server, &LiveServer::clientCountChanged, this, [this](int count) {
        m_clients = count;
        emit clientCountChanged(count);
    });
    connect(server, &LiveServer::tallied, this, &LiveService::tallied);
    connect(server, &LiveServer::sheetNamed, this, &LiveService::sheetNamed);
    connect(server, &LiveServer::phoneSheetHeld, this,
            [this](const PhoneSheetHolding &holding, int generation) {
                if (generation != m_generation)
                    return;
                const auto same = std::find_if(
                    m_holdings.begin(), m_holdings.end(),
                    [&](const PhoneSheetHolding &h) { return h.tokenHash == holding.tokenHash; });
                if (same == m_holdings.end())
                    m_holdings.append(holding);
                else
                    *same = holding;
                emit phoneSheetHeld(holding);
            });
    QMetaObject::invokeMethod(
        server,
        [server, policy = m_policy, set = m_set, holdings = m_holdings, generation = m_generation] {
            server->setPhoneSheetPolicy(policy);
            server->resetPhoneSheets(set, holdings, generation);
        },
        Qt::QueuedConnection);
    m_thread = thread;
    m_server = server;
    m_port = server->port();
    publish();
    emit servingChanged(true);
    return std::nullopt;
}

void LiveService::stop()
{
    if (!m_server)
        return;
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    m_server = nullptr;
    m_port = 0;
    m_clients = 0;
    emit clientCountChanged(0);
    emit servingChanged(false);
}

void LiveService::publish()
{
    if (!m_server)
        return;
    LiveServer *server = m_server;
    QMetaObject::invokeMethod(
        server, [server, game = LiveGame::of(m_board)] { server->publish(game); },
        Qt::QueuedConnection);
}

void LiveService::setPhoneSheetPolicy(const PhoneSheetPolicy &policy)
{
    m_policy = policy;
    if (LiveServer *server = m_server)
        QMetaObject::invokeMethod(
            server, [server, policy] { server->setPhoneSheetPolicy(policy); },
            Qt::QueuedConnection);
}

void LiveService::resetPhoneSheets(const std::optional<SetCode> &set,
                                   const QList<PhoneSheetHolding> &holdings)
{
    m_set = set;
    m_holdings = holdings;
    const int generation = ++m_generation;
    if (LiveServer *server = m_server)
        QMetaObject::invokeMethod(
            server,
            [server, set, holdings, generation] {
                server->resetPhoneSheets(set, holdings, generation);
            },
            Qt::QueuedConnection);
}

void LiveService::setPhoneSet(const std::optional<SetCode> &set)
{
    m_set = set;
    if (LiveServer *server = m_server)
        QMetaObject::invokeMethod(
            server, [server, set] { server->setPhoneSet(set); }, Qt::QueuedConnection);
}

std::optional<quint16> LiveService::nextFreePort(quint16 after)
{
    for (int port = after + 1; port <= after + 100 && port <= 65535; ++port) {
        QTcpServer probe;
        if (probe.listen(QHostAddress::Any, quint16(port)))
            return quint16(port);
    }
    return std::nullopt;
}
