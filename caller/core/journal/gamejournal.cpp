#include "gamejournal.h"

#include "callergame.h"
#include "filereasons.h"
#include "regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString journalSystemError()
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
        *error = journalSystemError();
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
    if (!openNew(std::move(*created), &error))
        fail(error);
}

bool GameJournal::openNew(JournalFolder::Claimed journal, QString *error)
{
    m_fd = openForAppend(journal.path, error);
    // A journal whose space cannot be set aside could be cut short by a full disk in the middle
    // of its game, so the game is not recorded at all.
    if (m_fd < 0 || !JournalFolder::reserve(m_fd, error)) {
        closeFile();
        QFile::remove(journal.path);
        return false;
    }
    m_claim = std::move(journal.claim);
    m_path = journal.path;
    m_gameEnded = false;
    for (const QByteArray &record : std::exchange(m_pendingPhoneSheets, {}))
        append(record);
    return true;
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

bool GameJournal::resume(JournalFolder::Unfinished game)
{
    if (!game.reading.game || !reopen(game, true))
        return false;
    ++m_gamesOfRun;
    m_topNumber = game.reading.game->topNumber;
    m_drawCount = game.reading.game->drawCount();
    if (!append(JournalFormat::resumedRecord(m_clock())))
        return false;
    m_gameEnded = m_drawCount == m_topNumber;
    if (m_gameEnded)
        close(JournalGame::Ending::Finished);
    return true;
}

bool GameJournal::decline(JournalFolder::Unfinished game)
{
    if (!game.reading.game || !reopen(game, false))
        return false;
    m_drawCount = game.reading.game->drawCount();
    close(JournalGame::Ending::Declined);
    return true;
}

bool GameJournal::reopen(JournalFolder::Unfinished &game, bool resuming)
{
    closeFile();
    m_path.clear();
    QString error;
    if (!game.journal.claim)
        return reopenInCopy(game, resuming);
    m_claim = std::move(game.journal.claim);
    m_fd = openForAppend(game.journal.path, &error);
    if (m_fd < 0) {
        fail(error);
        return false;
    }
    // A record cut short would otherwise sit between intact ones and spoil the journal. Cutting
    // gives up the space set aside, so that is asked for again.
    if ((game.reading.ignoredBytes > 0 && ::ftruncate(m_fd, game.reading.intactBytes) != 0) ||
        !JournalFolder::reserve(m_fd, &error)) {
        fail(error.isEmpty() ? journalSystemError() : error);
        return false;
    }
    m_path = game.journal.path;
    return true;
}

bool GameJournal::reopenInCopy(JournalFolder::Unfinished &game, bool resuming)
{
    QString error;
    QFile file;
    QByteArray records;
    if (openRegularFile(file, game.journal.path, &error))
        records = file.read(game.reading.intactBytes);
    std::optional<JournalFolder::Claimed> copy;
    if (records.size() == game.reading.intactBytes)
        copy = m_folder.create(m_clock(), records, &error);
    else if (error.isEmpty())
        error = FileReasons::changedWhileRead();
    // Declining only marks the game, in the copy; where that fails it is asked again.
    const QString original = QDir::toNativeSeparators(game.journal.path);
    if (!copy || !openNew(std::move(*copy), &error)) {
        if (!resuming) {
            closeFile();
            return false;
        }
        failWithMessage(QCoreApplication::translate(
                            "GameJournal",
                            "前回のゲームの記録に続けて書けません。新しい記録も作れないので、"
                            "ゲームは記録なしで続けます。\n記録: %1\n理由: %2\n"
                            "新しい記録を作れない理由: %3")
                            .arg(original, game.sameFileError, error));
        return false;
    }
    if (resuming)
        emit unavailable(QCoreApplication::translate(
                             "GameJournal", "前回のゲームの記録に続けて書けません。"
                                            "ゲームは新しい記録に続けます。\n記録: %1\n理由: %2\n"
                                            "新しい記録: %3")
                             .arg(original, game.sameFileError, QDir::toNativeSeparators(m_path)));
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
    failWithMessage(QCoreApplication::translate(
                        "GameJournal", "ゲームの記録を書けません。ゲームは記録なしで続けます。\n"
                                       "フォルダー: %1\n理由: %2")
                        .arg(m_folder.path(), reason));
}

void GameJournal::failWithMessage(const QString &message)
{
    closeFile();
    m_path.clear();
    if (m_reported)
        return;
    m_reported = true;
    emit unavailable(message);
}
