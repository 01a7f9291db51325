#include "callergame.h"
#include "crtrandom.h"
#include "gamedisplays.h"
#include "gamejournal.h"
#include "journalfolder.h"
#include "journalformat.h"
#include "quietgameview.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

namespace {

using Ending = JournalGame::Ending;

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
    GameJournal journal{folder, 2024, [this] {
                            now = now.addSecs(1);
                            return now;
                        }};

    Fixture()
    {
        journal.observe(game);
        game.initialise();
    }
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
    void unwritableFolderWarnsOnceAndTheGameGoesOn();
    void keepsTheNewestHundredGames();
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
    const QString path = f.folder.newest();
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
    QVERIFY(!f.journal.isOpen());
}

void TestGameJournal::eachNumberIsOnDiskBeforeItIsShown()
{
    Fixture f;
    QList<int> recordedAtReveal;
    f.view.onReveal = [&](int number) {
        const JournalReading reading = readBack(f.journal.currentPath());
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
            f.journal.programEnded();
    }
    const JournalReading reading = readBack(f.folder.newest());
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

void TestGameJournal::unwritableFolderWarnsOnceAndTheGameGoesOn()
{
    QTemporaryDir dir;
    // A file where the folder should be: nothing can be made in it, even by root.
    QFile blocker(dir.path() + QStringLiteral("/state"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const JournalFolder folder(blocker.fileName() + QStringLiteral("/kavelo/journal"));
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
}

void TestGameJournal::keepsTheNewestHundredGames()
{
    QTemporaryDir dir;
    const JournalFolder folder(dir.path());
    QString error;
    for (int i = 0; i < 105; ++i) {
        QVERIFY2(folder.create(t0.addSecs(i), JournalFormat::resumedRecord(t0), &error),
                 qPrintable(error));
    }
    const QStringList journals = folder.journals();
    QCOMPARE(journals.size(), 100);
    // 10:00:05 local is 01:00:05 UTC: the five oldest went.
    QCOMPARE(QFileInfo(journals.constFirst()).fileName(),
             QStringLiteral("game-20240501-010005-000.journal"));
    QCOMPARE(QFileInfo(journals.constLast()).fileName(),
             QStringLiteral("game-20240501-010144-000.journal"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 100);
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
    const QString path = f.folder.newest();
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
    QVERIFY(journal.resume(path, reading));
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
    QVERIFY(journal.resume(path, readBack(path)));
    QVERIFY(!journal.isOpen());
    QCOMPARE(readBack(path).game->ending, Ending::Finished);
}

void TestGameJournal::declineClosesTheJournal()
{
    Fixture f;
    f.draw(2);
    const QString path = f.folder.newest();
    GameJournal later(f.folder, 1, [] { return t0; });
    QVERIFY(later.decline(path, readBack(path)));
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
    const QString path = f.folder.newest();
    QString error;
    const std::optional<QString> aside = f.folder.moveAside(path, &error);
    QVERIFY2(aside, qPrintable(error));
    QCOMPARE(*aside, path + QStringLiteral(".unreadable"));
    QVERIFY(QFile::exists(*aside));
    QVERIFY(f.folder.newest().isEmpty());
}

QTEST_GUILESS_MAIN(TestGameJournal)
#include "tst_gamejournal.moc"
