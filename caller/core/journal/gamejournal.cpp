#include "gamejournal.h"

#include "callergame.h"
#include "filereasons.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError()
{
    return FileReasons::systemError(errno);
}

// Opens a journal to append to; never waits on a FIFO put in its place, and writes nowhere but
// into a regular file.
int openForAppend(const QString &path, QString *error)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        *error = systemError();
        return -1;
    }
    struct stat status;
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        *error = QCoreApplication::translate("GameJournal", "普通のファイルではありません。");
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

GameJournal::GameJournal(const JournalFolder &folder, std::uint32_t seed, Clock clock,
                         QObject *parent)
    : QObject(parent)
    , m_folder(folder)
    , m_seed(seed)
    , m_clock(std::move(clock))
{}

GameJournal::~GameJournal()
{
    closeFile();
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
    closeFile();
    m_path.clear();
    m_claim.reset();
    ++m_gamesOfRun;
    m_topNumber = topNumber;
    m_drawCount = 0;
    const QDateTime now = m_clock();
    QString error;
    std::optional<JournalFolder::Claimed> created = m_folder.create(
        now, JournalFormat::startRecord(topNumber, m_seed, m_gamesOfRun, now, drawOrder), &error);
    if (!created) {
        fail(error);
        return;
    }
    m_claim = std::move(created->claim);
    m_fd = openForAppend(created->path, &error);
    if (m_fd < 0) {
        fail(error);
        return;
    }
    m_path = created->path;
    m_gameEnded = false;
    for (const QByteArray &record : std::exchange(m_pendingPhoneSheets, {}))
        append(record);
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
    m_gameEnded = true;
}

void GameJournal::onGameCleared(int)
{
    close(JournalGame::Ending::Cleared);
    m_gameEnded = false;
    m_pendingPhoneSheets.clear();
}

void GameJournal::recordPhoneSheet(const SetCode &set, const PhoneSheetHolding &holding)
{
    const QByteArray record = JournalFormat::phoneSheetRecord(set, holding, m_clock());
    if (m_fd >= 0)
        append(record);
    else if (!m_gameEnded)
        m_pendingPhoneSheets.append(record);
}

void GameJournal::note(const QByteArray &wordAndFields)
{
    if (m_fd >= 0)
        append(JournalFormat::noteRecord(wordAndFields, m_clock()));
}

void GameJournal::programEnded()
{
    close(JournalGame::Ending::Quit);
}

bool GameJournal::resume(JournalFolder::Claimed journal, const JournalReading &reading)
{
    if (!reading.game || !reopen(std::move(journal), reading.intactBytes))
        return false;
    ++m_gamesOfRun;
    m_topNumber = reading.game->topNumber;
    m_drawCount = reading.game->drawCount();
    if (!append(JournalFormat::resumedRecord(m_clock())))
        return false;
    m_gameEnded = m_drawCount == m_topNumber;
    if (m_gameEnded)
        close(JournalGame::Ending::Finished);
    return true;
}

bool GameJournal::decline(JournalFolder::Claimed journal, const JournalReading &reading)
{
    if (!reading.game || !reopen(std::move(journal), reading.intactBytes))
        return false;
    m_drawCount = reading.game->drawCount();
    close(JournalGame::Ending::Declined);
    return true;
}

bool GameJournal::reopen(JournalFolder::Claimed journal, qsizetype intactBytes)
{
    closeFile();
    m_path.clear();
    m_claim = std::move(journal.claim);
    QString error;
    m_fd = openForAppend(journal.path, &error);
    if (m_fd < 0) {
        fail(error);
        return false;
    }
    // A record cut short would otherwise sit between intact ones and spoil the journal.
    if (::ftruncate(m_fd, intactBytes) != 0) {
        fail(systemError());
        return false;
    }
    m_path = journal.path;
    return true;
}

bool GameJournal::append(const QByteArray &record)
{
    QString error;
    if (m_folder.appendDurably(m_fd, record, &error))
        return true;
    fail(error);
    return false;
}

void GameJournal::close(JournalGame::Ending ending)
{
    if (m_fd >= 0)
        append(JournalFormat::endRecord(ending, m_drawCount, m_clock()));
    closeFile();
    m_path.clear();
    m_claim.reset();
}

void GameJournal::closeFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void GameJournal::fail(const QString &reason)
{
    closeFile();
    m_path.clear();
    if (m_reported)
        return;
    m_reported = true;
    emit unavailable(QCoreApplication::translate(
                         "GameJournal", "ゲームの記録を書けません。ゲームは記録なしで続けます。\n"
                                        "フォルダー: %1\n理由: %2")
                         .arg(m_folder.path(), reason));
}
