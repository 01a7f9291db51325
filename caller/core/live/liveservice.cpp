#include "liveservice.h"

#include "audienceboard.h"

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

std::optional<quint16> LiveService::nextFreePort(quint16 after)
{
    for (int port = after + 1; port <= after + 100 && port <= 65535; ++port) {
        QTcpServer probe;
        if (probe.listen(QHostAddress::Any, quint16(port)))
            return quint16(port);
    }
    return std::nullopt;
}
