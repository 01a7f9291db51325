#include "gamejournal.h"

#include "callergame.h"
#include "journalfolder.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

GameJournal::GameJournal(const JournalFolder &folder, std::uint32_t seed, Clock clock,
                         QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_seed(seed)
    , m_clock(std::move(clock))
{}

GameJournal::~GameJournal()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void GameJournal::observe(const CallerGame &game)
{
    connect(&game, &CallerGame::gameStarted, this, &GameJournal::onGameStarted);
    connect(&game, &CallerGame::numberDrawn, this, &GameJournal::onNumberDrawn);
    connect(&game, &CallerGame::gameFinished, this, &GameJournal::onGameFinished);
    connect(&game, &CallerGame::gameCleared, this, &GameJournal::onGameCleared);
}

void GameJournal::onGameStarted(int topNumber, const QList<int> &drawOrder)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_path.clear();
    ++m_gamesOfRun;
    m_topNumber = topNumber;
    m_drawCount = 0;
    const QDateTime now = m_clock();
    QString error;
    const std::optional<QString> path = m_folder.create(
        now, JournalFormat::startRecord(topNumber, m_seed, m_gamesOfRun, now, drawOrder), &error);
    if (!path) {
        fail(error);
        return;
    }
    m_fd = ::open(QFile::encodeName(*path).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (m_fd < 0) {
        fail(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    m_path = *path;
}

void GameJournal::onNumberDrawn(int index, int number)
{
    if (m_fd < 0)
        return;
    if (append(JournalFormat::drawnRecord(index, number, m_clock())))
        m_drawCount = index + 1;
}

void GameJournal::onGameFinished()
{
    close(JournalGame::Ending::Finished);
}

void GameJournal::onGameCleared(int)
{
    close(JournalGame::Ending::Cleared);
}

void GameJournal::programEnded()
{
    close(JournalGame::Ending::Quit);
}

bool GameJournal::resume(const QString &path, const JournalReading &reading)
{
    if (!reading.game || !reopen(path, reading.intactBytes))
        return false;
    ++m_gamesOfRun;
    m_topNumber = reading.game->topNumber;
    m_drawCount = reading.game->drawCount();
    if (!append(JournalFormat::resumedRecord(m_clock())))
        return false;
    if (m_drawCount == m_topNumber)
        close(JournalGame::Ending::Finished);
    return true;
}

bool GameJournal::decline(const QString &path, const JournalReading &reading)
{
    if (!reading.game || !reopen(path, reading.intactBytes))
        return false;
    m_drawCount = reading.game->drawCount();
    close(JournalGame::Ending::Declined);
    return true;
}

bool GameJournal::reopen(const QString &path, qsizetype intactBytes)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_path.clear();
    m_fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
    // A record cut short would otherwise sit between intact ones and spoil the journal.
    if (m_fd < 0 || ::ftruncate(m_fd, intactBytes) != 0) {
        fail(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    m_path = path;
    return true;
}

bool GameJournal::append(const QByteArray &record)
{
    QString error;
    if (appendDurably(m_fd, record, &error))
        return true;
    fail(error);
    return false;
}

void GameJournal::close(JournalGame::Ending ending)
{
    if (m_fd < 0)
        return;
    append(JournalFormat::endRecord(ending, m_drawCount, m_clock()));
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_path.clear();
}

void GameJournal::fail(const QString &reason)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_path.clear();
    if (m_reported)
        return;
    m_reported = true;
    emit unavailable(QCoreApplication::translate(
                         "GameJournal", "ゲームの記録を書けません。ゲームは記録なしで続けます。\n"
                                        "フォルダー: %1\n理由: %2")
                         .arg(m_folder.path(), reason));
}
