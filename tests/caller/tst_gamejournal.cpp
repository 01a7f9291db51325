#include "callergame.h"
#include "crtrandom.h"
#include "filereasons.h"
#include "gamedisplays.h"
#include "gamejournal.h"
#include "journalfolder.h"
#include "journalformat.h"
#include "quietgameview.h"
#include "tinydisk.h"
#include "writefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using Ending = JournalGame::Ending;

// The one journal, where a row has it, of an unfinished game recorded a day before the rest.
const QString unfinished = QStringLiteral("game-20240430-010000-000.journal");
const QDateTime t0 =
    QDateTime::fromString(QStringLiteral("2024-05-01T10:00:00.000+09:00"), Qt::ISODateWithMs);

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

JournalReading readBack(const QString &path)
{
    return JournalFormat::read(contentOf(path));
}

struct Fixture
{
    QTemporaryDir dir;
    JournalFolder folder{dir.path() + QStringLiteral("/state/kavelo/journal")};
    QDateTime now = t0;
    QuietGameView view{QStringLiteral("7")};
    // The generator of seed 2024 gives the order 5 6 7 1 3 4 0 for a game of 7.
    CrtRandom random{2024};
    CallerGame game{view, view, random};
    std::optional<GameJournal> journal{std::in_place, folder, 2024, [this] {
                                           now = now.addSecs(1);
                                           return now;
                                       }};

    Fixture()
    {
        journal->observe(game);
        game.initialise();
    }
    // The program is killed: its journal stays as it was, and its claims go with it.
    void kill() { journal.reset(); }
    void draw(int times)
    {
        for (int i = 0; i < times; ++i) {
            game.start();
            game.stop();
        }
    }
};

} // namespace

class TestGameJournal : public QObject
{
    Q_OBJECT

private slots:
    void wholeGameIsRecorded();
    void eachNumberIsOnDiskBeforeItIsShown();
    void howAGameEnds_data();
    void howAGameEnds();
    void nextGameGetsItsOwnFile();
    void unwritableFolderWarnsOnceAndTheGameGoesOn_data();
    void unwritableFolderWarnsOnceAndTheGameGoesOn();
    void keepsTheNewestHundredGames_data();
    void keepsTheNewestHundredGames();
    void whichGameIsOffered_data();
    void whichGameIsOffered();
    void defaultFolder_data();
    void defaultFolder();
    void resumeCutsATornRecordAndGoesOn();
    void resumingAFullyDrawnGameClosesIt();
    void declineClosesTheJournal();
    void moveAsideKeepsTheFileUnderAnotherName();
};

void TestGameJournal::wholeGameIsRecorded()
{
    Fixture f;
    f.draw(7);
    QCOMPARE(f.folder.journals().size(), 1);
    const QString path = f.folder.journals().constLast();
    QVERIFY(path.startsWith(f.folder.path() + QStringLiteral("/game-20240501-010001-000")));
    const JournalReading reading = readBack(path);
    QVERIFY2(reading.game, qPrintable(reading.error));
    QCOMPARE(reading.game->topNumber, 7);
    QCOMPARE(reading.game->seed, 2024u);
    QCOMPARE(reading.game->gameOfRun, 1);
    QCOMPARE(reading.game->drawOrder, QList<int>({5, 6, 7, 1, 3, 4, 0}));
    QCOMPARE(reading.game->drawCount(), 7);
    QCOMPARE(reading.game->started, t0.addSecs(1));
    QCOMPARE(reading.game->drawTimes.constFirst(), t0.addSecs(2));
    QCOMPARE(reading.game->ending, Ending::Finished);
    QVERIFY(!f.journal->isOpen());
    // The game's whole space was set aside at its start, the file's size untouched.
    struct stat status;
    QCOMPARE(::stat(QFile::encodeName(path).constData(), &status), 0);
    QCOMPARE(status.st_size, contentOf(path).size());
    QVERIFY(status.st_blocks * 512 >= JournalFolder::ReservedBytes);
}

void TestGameJournal::eachNumberIsOnDiskBeforeItIsShown()
{
    Fixture f;
    QList<int> recordedAtReveal;
    f.view.onReveal = [&](int number) {
        const JournalReading reading = readBack(f.journal->currentPath());
        recordedAtReveal << (reading.game && reading.game->drawCount() > 0
                                 ? reading.game->drawOrder[reading.game->drawCount() - 1] * 100 +
                                       reading.game->drawCount()
                                 : -1);
        Q_UNUSED(number);
    };
    f.draw(3);
    // Number and count on disk at each reveal: 5 as the first, 6 as the second, 7 as the third.
    QCOMPARE(recordedAtReveal, QList<int>({501, 602, 703}));
}

void TestGameJournal::howAGameEnds_data()
{
    QTest::addColumn<int>("draws");
    QTest::addColumn<QString>("then");
    QTest::addColumn<int>("ending");
    QTest::addColumn<int>("count");
    QTest::newRow("cleared mid-game") << 3 << "clear" << int(Ending::Cleared) << 3;
    QTest::newRow("program ended mid-game") << 2 << "end" << int(Ending::Quit) << 2;
    QTest::newRow("program ended while the first number spins")
        << 0 << "start end" << int(Ending::Quit) << 0;
    QTest::newRow("cleared after the last number stays finished")
        << 7 << "clear" << int(Ending::Finished) << 7;
    QTest::newRow("program ended after the last number stays finished")
        << 7 << "end" << int(Ending::Finished) << 7;
    QTest::newRow("killed mid-game stays open") << 4 << "" << int(Ending::None) << 4;
}

void TestGameJournal::howAGameEnds()
{
    QFETCH(int, draws);
    QFETCH(QString, then);
    QFETCH(int, ending);
    QFETCH(int, count);
    Fixture f;
    f.draw(draws);
    for (const QString &step : then.split(u' ', Qt::SkipEmptyParts)) {
        if (step == QLatin1String("clear"))
            f.game.clear();
        else if (step == QLatin1String("start"))
            f.game.start();
        else
            f.journal->programEnded();
    }
    const JournalReading reading = readBack(f.folder.journals().constLast());
    QVERIFY2(reading.game, qPrintable(reading.error));
    QCOMPARE(int(reading.game->ending), ending);
    QCOMPARE(reading.game->drawCount(), count);
}

void TestGameJournal::nextGameGetsItsOwnFile()
{
    Fixture f;
    f.draw(2);
    f.game.clear();
    f.view.input = QStringLiteral("5");
    f.draw(1);
    const QStringList journals = f.folder.journals();
    QCOMPARE(journals.size(), 2);
    const JournalReading first = readBack(journals[0]);
    const JournalReading second = readBack(journals[1]);
    QVERIFY(first.game && second.game);
    QCOMPARE(first.game->ending, Ending::Cleared);
    QCOMPARE(second.game->topNumber, 5);
    QCOMPARE(second.game->gameOfRun, 2);
    QCOMPARE(second.game->seed, 2024u);
    QCOMPARE(second.game->drawCount(), 1);
    QCOMPARE(second.game->ending, Ending::None);
}

void TestGameJournal::unwritableFolderWarnsOnceAndTheGameGoesOn_data()
{
    QTest::addColumn<QString>("fault");
    // Nothing can be made in a file, even by root.
    QTest::newRow("a file where the folder should be") << "file";
    QTest::newRow("the disk refuses to flush a record") << "flush";
    // Room for the first record but not for the rest of the game: nothing is kept of it.
    QTest::newRow("no room to set the game's space aside") << "tiny disk";
    QTest::newRow("the shipped flush, on a pipe that cannot be flushed") << "pipe";
}

void TestGameJournal::unwritableFolderWarnsOnceAndTheGameGoesOn()
{
    QFETCH(QString, fault);
    QTemporaryDir dir;
    TinyDisk disk(24);
    if (fault == "tiny disk" && !disk.mounted())
        QSKIP("mounting a tmpfs needs root");
    const QString state = (fault == "tiny disk" ? disk.path() : dir.path()) + "/state";
    if (fault == "pipe") {
        int ends[2];
        QCOMPARE(::pipe(ends), 0);
        QString error;
        QVERIFY(!JournalFolder(state).appendDurably(ends[1], "drawn\n", &error));
        QCOMPARE(error, FileReasons::systemError(EINVAL));
        ::close(ends[0]);
        ::close(ends[1]);
        return;
    }
    if (fault == "file")
        QVERIFY(writeFile(state, {}));
    const JournalFolder folder(state + QStringLiteral("/kavelo/journal"), [fault](int fd) {
        errno = EIO;
        return fault != "flush" && ::fsync(fd) == 0;
    });
    QuietGameView view{QStringLiteral("7")};
    CrtRandom random(2024);
    CallerGame game(view, view, random);
    GameJournal journal(folder, 2024, [] { return t0; });
    journal.observe(game);
    QSignalSpy warnings(&journal, &GameJournal::unavailable);
    game.initialise();
    for (int i = 0; i < 3; ++i) {
        game.start();
        game.stop();
    }
    game.clear();
    game.start();
    game.stop();
    QCOMPARE(warnings.size(), 1);
    QVERIFY(warnings[0][0].toString().contains(folder.path()));
    QCOMPARE(game.drawCount(), 1);
    QVERIFY(!journal.isOpen());
    if (fault == "tiny disk") {
        QVERIFY(warnings[0][0].toString().contains(FileReasons::systemError(ENOSPC)));
        QVERIFY(folder.journals().isEmpty());
    }
}

void TestGameJournal::keepsTheNewestHundredGames_data()
{
    // Files there before, each holding "mine"; games started a second apart from t0; whether
    // another program plays the first file's game; every file there after.
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("games");
    QTest::addColumn<bool>("holdFirst");
    QTest::addColumn<QStringList>("after");
    // Journals of games started a second apart, at the hour `start` (UTC).
    const auto journals = [](const char *start, int from, int to) {
        QStringList names;
        for (int i = from; i < to; ++i)
            names << QString::asprintf("game-%s%02d%02d-000.journal", start, i / 60, i % 60);
        return names;
    };
    // 10:00:00 local is 01:00:00 UTC.
    const QStringList first{"game-20240501-010000-000.journal"};
    QTest::newRow("the five oldest of 105 go")
        << QStringList() << 105 << false << journals("20240501-01", 5, 105);
    const QStringList later = journals("20990101-00", 0, 100);
    QTest::newRow("a hundred names later than now: the new game's journal stays")
        << later << 1 << false << first + later.mid(1);
    const QStringList real{unfinished};
    QTest::newRow("a hundred names later than now: never the unfinished game next offered")
        << real + later << 1 << false << real + first + later.mid(2);
    const QStringList others{"old-game-20240501-010000-000.journal",
                             "game-0000-my-notes.journal",
                             "game-keep-final.journal",
                             "game-notes.journal",
                             "game-20240501-010000-000.journal.bak",
                             "game-20241301-000000-000.journal"};
    const QStringList earlier = journals("20240430-00", 0, 100);
    QTest::newRow("files of any other form are never removed")
        << others + earlier << 1 << false << others + earlier.mid(1) + first;
    QTest::newRow("a journal another program plays is never removed, nor its lock")
        << earlier << 1 << true
        << QStringList{earlier[0], earlier[0] + ".lock"} + earlier.mid(2) + first;
    QTest::newRow("a name taken in the same millisecond is left as it was")
        << first << 1 << false << first + QStringList{"game-20240501-010000-001.journal"};
}

void TestGameJournal::keepsTheNewestHundredGames()
{
    QFETCH(QStringList, before);
    QFETCH(int, games);
    QFETCH(bool, holdFirst);
    QFETCH(QStringList, after);
    QTemporaryDir dir;
    const JournalFolder folder(dir.path());
    const QDateTime dayBefore = t0.addDays(-1);
    const QByteArray game = JournalFormat::startRecord(2, 5, 1, dayBefore, {1, 0}) +
                            JournalFormat::drawnRecord(0, 1, dayBefore);
    for (const QString &name : before)
        QVERIFY(writeFile(dir.filePath(name), name == unfinished ? game : "mine"));
    const JournalFolder::Claim held =
        holdFirst ? folder.claim(dir.filePath(before.constFirst())) : nullptr;
    QCOMPARE(bool(held), holdFirst);
    QString error;
    for (int i = 0; i < games; ++i) {
        QVERIFY2(folder.create(t0.addSecs(i), JournalFormat::resumedRecord(t0), &error),
                 qPrintable(error));
    }
    // Nothing else is there: no temporary file, no lock of a game that is not played.
    QStringList found = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    found.sort();
    after.sort();
    QCOMPARE(found, after);
    for (const QString &name : before) {
        if (after.contains(name))
            QCOMPARE(contentOf(dir.filePath(name)), name == unfinished ? game : "mine");
    }
}

void TestGameJournal::whichGameIsOffered_data()
{
    // Files put in the folder, each "name kind minute": kind is "open" (a game of 2 with one
    // number drawn at t0 plus minute), "finished", "held" (open, played by another program),
    // "garbage" or "fifo" (a link to a FIFO).
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QStringList>("movedAside");
    const QString early = QStringLiteral("game-20240501-010000-000.journal");
    const QString late = QStringLiteral("game-20240501-020000-000.journal");
    QTest::newRow("an unfinished game behind a finished one named later")
        << QStringList{"game-20990101-000000-000.journal finished 50", early + " open 1"} << early
        << QStringList();
    QTest::newRow("of two unfinished games, the one recorded last")
        << QStringList{early + " open 30", late + " open 5"} << early << QStringList();
    QTest::newRow("a game another program plays is not offered")
        << QStringList{early + " open 1", late + " held 5"} << early << QStringList();
    QTest::newRow("files of another form are no journals")
        << QStringList{"game-notes.journal garbage", "game-0000-my-notes.journal garbage",
                       "game-keep-final.journal open 60",
                       "old-game-20240501-010000-000.journal open 70"}
        << QString() << QStringList();
    QTest::newRow("a link to a FIFO is passed over at once")
        << QStringList{early + " open 1", late + " fifo"} << early << QStringList();
    QTest::newRow("an unreadable journal is moved aside, the unfinished game still offered")
        << QStringList{early + " open 1", late + " garbage"} << early
        << QStringList{late + ".unreadable"};
}

void TestGameJournal::whichGameIsOffered()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, offered);
    QFETCH(QStringList, movedAside);
    QTemporaryDir dir;
    const JournalFolder folder(dir.path());
    QHash<QString, QByteArray> written;
    JournalFolder::Claim held;
    for (const QString &entry : entries) {
        const QStringList words = entry.split(u' ');
        const QString &kind = words[1];
        const QString path = dir.filePath(words[0]);
        const QDateTime at = t0.addSecs(60 * words.value(2).toInt());
        QByteArray content =
            JournalFormat::startRecord(2, 5, 1, at, {1, 0}) + JournalFormat::drawnRecord(0, 1, at);
        if (kind == "finished")
            content += JournalFormat::drawnRecord(1, 0, at) +
                       JournalFormat::endRecord(Ending::Finished, 2, at);
        else if (kind == "garbage")
            content = "not a journal\n";
        if (kind == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
            QVERIFY(QFile::link(dir.filePath("fifo"), path));
            continue;
        }
        QVERIFY(writeFile(path, content));
        written.insert(words[0], content);
        if (kind == "held")
            held = folder.claim(path);
    }

    QList<JournalFolder::Unreadable> unreadable;
    const std::optional<JournalFolder::Unfinished> last = folder.lastUnfinished(&unreadable);
    QCOMPARE(last ? QFileInfo(last->journal.path).fileName() : QString(), offered);
    // Claimed while the question is asked, so no other program takes it up meanwhile.
    QVERIFY(!last || (last->reading.game->drawCount() == 1 && !folder.claim(last->journal.path)));
    QStringList aside;
    for (const JournalFolder::Unreadable &entry : unreadable)
        aside << QFileInfo(entry.keptAs).fileName();
    QCOMPARE(aside, movedAside);
    // Nothing else written or renamed.
    for (const auto &[name, content] : written.asKeyValueRange()) {
        const QString renamed = name + QStringLiteral(".unreadable");
        QCOMPARE(contentOf(dir.filePath(movedAside.contains(renamed) ? renamed : name)), content);
    }
}

void TestGameJournal::defaultFolder_data()
{
    QTest::addColumn<QByteArray>("stateHome");
    QTest::addColumn<QString>("expected");
    const QString home = QDir::homePath();
    QTest::newRow("the state home given")
        << QByteArray("/srv/state") << "/srv/state/kavelo/journal";
    QTest::newRow("unset") << QByteArray() << home + "/.local/state/kavelo/journal";
    QTest::newRow("a relative path is ignored")
        << QByteArray("state") << home + "/.local/state/kavelo/journal";
}

void TestGameJournal::defaultFolder()
{
    QFETCH(QByteArray, stateHome);
    QFETCH(QString, expected);
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", stateHome);
    const QString path = JournalFolder::defaultPath();
    qputenv("XDG_STATE_HOME", saved);
    QCOMPARE(path, expected);
}

void TestGameJournal::resumeCutsATornRecordAndGoesOn()
{
    Fixture f;
    f.draw(3);
    f.kill();
    const QString path = f.folder.journals().constLast();
    // A write cut short by the power going: half a record at the end.
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::Append));
        file.write("61 0badf00d drawn index=3 num");
    }
    const JournalReading reading = readBack(path);
    QVERIFY(reading.game);
    QCOMPARE(reading.game->drawCount(), 3);
    QVERIFY(reading.ignoredBytes > 0);

    QuietGameView view{QStringLiteral("7")};
    CrtRandom random(99);
    CallerGame game(view, view, random);
    GameJournal journal(f.folder, 99, [] { return t0.addSecs(100); });
    journal.observe(game);
    game.initialise();
    QVERIFY(journal.resume({{path, f.folder.claim(path)}, reading, {}}));
    QVERIFY(game.restore(reading.game->drawOrder, 3));
    game.start();
    game.stop();

    const JournalReading after = readBack(path);
    QVERIFY2(after.game, qPrintable(after.error));
    QCOMPARE(after.ignoredBytes, 0);
    QCOMPARE(after.game->drawCount(), 4);
    QCOMPARE(after.game->drawTimes.constLast(), t0.addSecs(100));
    // The game keeps its own seed; the resumed run's is not the game's.
    QCOMPARE(after.game->seed, 2024u);
    QVERIFY(contentOf(path).contains("resumed time=2024-05-01T10:01:40.000+09:00"));
    QCOMPARE(f.folder.journals().size(), 1);
}

void TestGameJournal::resumingAFullyDrawnGameClosesIt()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("game.journal"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(JournalFormat::startRecord(2, 5, 1, t0, {1, 0}) +
               JournalFormat::drawnRecord(0, 1, t0) + JournalFormat::drawnRecord(1, 0, t0));
    file.close();
    const JournalFolder folder(dir.path());
    GameJournal journal(folder, 5, [] { return t0; });
    QVERIFY(journal.resume({{path, folder.claim(path)}, readBack(path), {}}));
    QVERIFY(!journal.isOpen());
    QCOMPARE(readBack(path).game->ending, Ending::Finished);
}

void TestGameJournal::declineClosesTheJournal()
{
    Fixture f;
    f.draw(2);
    f.kill();
    const QString path = f.folder.journals().constLast();
    GameJournal later(f.folder, 1, [] { return t0; });
    QVERIFY(later.decline({{path, f.folder.claim(path)}, readBack(path), {}}));
    const JournalReading reading = readBack(path);
    QVERIFY2(reading.game, qPrintable(reading.error));
    QCOMPARE(reading.game->ending, Ending::Declined);
    QCOMPARE(reading.game->drawCount(), 2);
    QVERIFY(!later.isOpen());
}

void TestGameJournal::moveAsideKeepsTheFileUnderAnotherName()
{
    Fixture f;
    f.draw(1);
    const QString path = f.folder.journals().constLast();
    QString error;
    const std::optional<QString> aside = f.folder.moveAside(path, &error);
    QVERIFY2(aside, qPrintable(error));
    QCOMPARE(*aside, path + QStringLiteral(".unreadable"));
    QVERIFY(QFile::exists(*aside));
    QVERIFY(f.folder.journals().isEmpty());
}

QTEST_GUILESS_MAIN(TestGameJournal)
#include "tst_gamejournal.moc"
