#include "callerdlgfixture.h"
#include "fifowatch.h"
#include "gamejournal.h"
#include "gameresume.h"
#include "journalfolder.h"
#include "journalformat.h"
#include "readall.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <tuple>

namespace {

using Ending = JournalGame::Ending;

// The order of a game of 50 for seed 12345, and of a game of 7 for seed 2024.
const QList<int> orderOf50{34, 14, 45, 25, 28, 5,  27, 13, 22, 4,  9,  0,  43, 32, 35, 26, 16,
                           17, 29, 49, 18, 30, 19, 36, 37, 38, 1,  39, 31, 20, 21, 12, 33, 23,
                           2,  24, 40, 15, 3,  41, 42, 44, 10, 46, 47, 7,  6,  48, 50, 8};
const QList<int> orderOf7{5, 6, 7, 1, 3, 4, 0};

// Puts what a lock file row names at path: "held" (by a running program, through lock),
// "empty", "garbage", "gone" (the number of a process long ended), "folder", "dangling link",
// "fifo", "link to fifo" or "link to /dev/zero". A FIFO comes with its watch.
void makeLockFile(const QString &state, const QString &path, std::unique_ptr<QLockFile> *lock,
                  std::unique_ptr<FifoWatch> *fifo)
{
    const QString beside = path + QStringLiteral(".target");
    if (state == "held") {
        *lock = std::make_unique<QLockFile>(path);
        QVERIFY((*lock)->tryLock(0));
    } else if (state == "empty" || state == "garbage" || state == "gone") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(state == "garbage" ? QByteArray("\x01\x02 not a lock\n")
                   : state == "gone"  ? QByteArray("999999999\nKavelo\n\n")
                                      : QByteArray());
        // Old, as one left behind by a program long gone is.
        QVERIFY(file.flush() && file.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                                                 QFileDevice::FileModificationTime));
    } else if (state == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (state == "dangling link") {
        QVERIFY(QFile::link(beside, path));
    } else if (state == "fifo") {
        *fifo = std::make_unique<FifoWatch>(path);
    } else if (state == "link to fifo") {
        *fifo = std::make_unique<FifoWatch>(beside);
        QVERIFY(QFile::link(beside, path));
    } else {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    }
}

// Local time, so the question shows it as written whatever the machine's zone.
const QDateTime t0(QDate(2024, 5, 1), QTime(10, 0, 0));

struct Fixture : CallerDlgFixture
{
    QTemporaryDir dir;
    JournalFolder folder{dir.path()};
    GameJournal journal{folder, 77, [] { return t0.addSecs(600); }};

    Fixture()
        : CallerDlgFixture({}, 77)
    {
        messages.answer = true;
        QObject::connect(&journal, &GameJournal::unavailable, [this](const QString &message) {
            messages.show(dialog.get(), MessagePresenter::Icon::Warning, "Kavelo", message);
        });
    }

    // A journal of a game of order with drawn numbers drawn, a minute apart.
    QString writeJournal(const QList<int> &order, int drawn, const QByteArray &after = {})
    {
        QByteArray content =
            JournalFormat::startRecord(static_cast<int>(order.size()), 12345, 1, t0, order);
        for (int i = 0; i < drawn; ++i)
            content += JournalFormat::drawnRecord(i, order[i], t0.addSecs(60 * (i + 1)));
        return writeFile(content + after);
    }
    QString writeFile(const QByteArray &content,
                      const QString &name = QStringLiteral("game-20240501-010000-000.journal"))
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(content);
        return path;
    }
    void offer()
    {
        offerLastGame(*dialog, journal, folder, messages);
        journal.observe(dialog->game());
    }
    JournalReading readBack(const QString &path) const
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return JournalFormat::read(file.readAll());
    }

    bool slotPainted(DisplaySlot slot) const
    {
        const QImage &image = get<DisplayFrame>("IDC_DISPLAY_FRAME")->image();
        return !image.isNull() && image.pixelColor(slot.x + 3, slot.y + 3).alpha() != 0;
    }
};

std::span<const int> spanOf(const QList<int> &list)
{
    return std::span<const int>(list.constData(), static_cast<std::size_t>(list.size()));
}

} // namespace

class TestCallerResume : public QObject
{
    Q_OBJECT

private slots:
    void yesPutsTheGameBack_data();
    void yesPutsTheGameBack();
    void theQuestionNamesTheGame();
    void noKeepsTheJournalAndStartsAfresh();
    void unreadableJournalIsReportedOnceAndKept_data();
    void unreadableJournalIsReportedOnceAndKept();
    void completeJournalIsNotOffered();
    void tornLastRecordIsLeftOut();
    void clearEndsTheResumedGameAsCleared();
    void restoreRefusesWhatCannotBeAGame_data();
    void restoreRefusesWhatCannotBeAGame();
    void defaultAnswerOfTheRealBox_data();
    void defaultAnswerOfTheRealBox();
    void onlyARunningCallerRefusesASecond_data();
    void onlyARunningCallerRefusesASecond();
    void gameGoesOnWhereItsLockFileCannotBeTaken_data();
    void gameGoesOnWhereItsLockFileCannotBeTaken();
};

void TestCallerResume::yesPutsTheGameBack_data()
{
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<int>("drawn");
    QTest::addColumn<QString>("buttons");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("lastRow");
    QTest::addColumn<QString>("nextCell");
    QTest::newRow("seven of fifty")
        << orderOf50 << 7 << "101100" << 2 << QStringList{"05", "27", "", "", ""} << "1,2";
    QTest::newRow("killed spinning for the first number")
        << orderOf50 << 0 << "101100" << 0 << QStringList() << "0,0";
    QTest::newRow("a full row") << orderOf50 << 5 << "101100" << 1
                                << QStringList{"34", "14", "45", "25", "28"} << "1,0";
    QTest::newRow("one left to draw")
        << orderOf7 << 6 << "101100" << 2 << QStringList{"04", "", "", "", ""} << "1,1";
    QTest::newRow("every number drawn")
        << orderOf7 << 7 << "001100" << 2 << QStringList{"04", "00", "", "", ""} << "";
}

void TestCallerResume::yesPutsTheGameBack()
{
    QFETCH(QList<int>, order);
    QFETCH(int, drawn);
    QFETCH(QString, buttons);
    QFETCH(int, rows);
    QFETCH(QStringList, lastRow);
    QFETCH(QString, nextCell);
    Fixture f;
    const QString path = f.writeJournal(order, drawn);
    f.offer();

    QCOMPARE(f.messages.yesByDefault.size(), 1);
    QVERIFY(f.messages.questions.isEmpty());
    QCOMPARE(f.buttons(), buttons);
    QCOMPARE(f.topNumber()->currentText(), QString::number(order.size()));
    QCOMPARE(f.grid()->rowCount(), rows);
    for (int column = 0; column < 5 && rows > 0; ++column)
        QCOMPARE(f.cell(rows - 1, column), lastRow[column]);
    const auto drawnNumbers = f.dialog->game().drawnNumbers();
    QCOMPARE(QList<int>(drawnNumbers.begin(), drawnNumbers.end()), order.first(drawn));
    QCOMPARE(f.slotPainted(NumberDisplays::Centre), drawn > 0);
    QCOMPARE(f.slotPainted(NumberDisplays::Called), drawn > 0);
    QVERIFY(!f.slotPainted(NumberDisplays::Left));

    if (nextCell.isEmpty()) {
        QCOMPARE(f.readBack(path).game->ending, Ending::Finished);
        return;
    }
    f.click("IDC_START");
    f.click("IDC_STOP");
    const QStringList at = nextCell.split(u',');
    QCOMPARE(f.cell(at[0].toInt(), at[1].toInt()), QString::asprintf("%02d", order[drawn]));
    const JournalReading after = f.readBack(path);
    QVERIFY2(after.game, qPrintable(after.error));
    QCOMPARE(after.game->drawCount(), drawn + 1);
    QCOMPARE(after.game->drawOrder, order);
}

void TestCallerResume::theQuestionNamesTheGame()
{
    Fixture f;
    f.writeJournal(orderOf50, 7);
    f.offer();
    // Killed in the reveal, the last number is in the journal but the room may not have seen it.
    QCOMPARE(f.messages.yesByDefault,
             QStringList{"前回のゲームは終わっていません。続けますか?\n\n"
                         "数: 50\n引いた数字: 7 個\n最後に引いた数字: 27\n"
                         "(表示される前に止まったかもしれません。発表したか確かめてください。)\n"
                         "最後の記録: 2024/05/01 10:07:00"});
}

void TestCallerResume::noKeepsTheJournalAndStartsAfresh()
{
    Fixture f;
    const QString path = f.writeJournal(orderOf50, 3);
    f.messages.answer = false;
    f.offer();
    QCOMPARE(f.buttons(), QStringLiteral("100011"));
    QCOMPARE(f.grid()->rowCount(), 0);
    QCOMPARE(f.dialog->game().drawCount(), 0);
    const JournalReading kept = f.readBack(path);
    QVERIFY2(kept.game, qPrintable(kept.error));
    QCOMPARE(kept.game->ending, Ending::Declined);
    QCOMPARE(kept.game->drawCount(), 3);

    Fixture later;
    later.writeFile([&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }());
    later.offer();
    QVERIFY(later.messages.yesByDefault.isEmpty());
}

void TestCallerResume::unreadableJournalIsReportedOnceAndKept_data()
{
    QTest::addColumn<int>("journals");
    QTest::addColumn<int>("named");
    QTest::newRow("one") << 1 << 1;
    // Each named in full, the box would grow past the screen and hide its button.
    QTest::newRow("five: three named, the rest counted") << 5 << 3;
}

void TestCallerResume::unreadableJournalIsReportedOnceAndKept()
{
    QFETCH(int, journals);
    QFETCH(int, named);
    Fixture f;
    QStringList paths;
    for (int i = 0; i < journals; ++i) {
        paths << f.writeFile("not a journal\n",
                             QString::asprintf("game-20240501-0100%02d-000.journal", i));
    }
    f.offer();
    QVERIFY(f.messages.yesByDefault.isEmpty());
    QCOMPARE(f.messages.shown.size(), 1);
    const QString message = f.messages.shown[0].text;
    for (int i = 0; i < journals; ++i) {
        QCOMPARE(message.contains(paths[i] + QStringLiteral(".unreadable")), i < named);
        QVERIFY(!QFile::exists(paths[i]));
        QVERIFY(QFile::exists(paths[i] + QStringLiteral(".unreadable")));
    }
    QCOMPARE(message.contains(QStringLiteral("ほかに %1 個の記録も読めず").arg(journals - named)),
             journals > named);
    QCOMPARE(f.buttons(), QStringLiteral("100011"));

    offerLastGame(*f.dialog, f.journal, f.folder, f.messages);
    QCOMPARE(f.messages.shown.size(), 1);
}

void TestCallerResume::completeJournalIsNotOffered()
{
    Fixture f;
    f.writeJournal(orderOf7, 2, JournalFormat::endRecord(Ending::Cleared, 2, t0));
    f.offer();
    QVERIFY(f.messages.yesByDefault.isEmpty());
    QVERIFY(f.messages.shown.isEmpty());
    QCOMPARE(f.dialog->game().drawCount(), 0);
}

void TestCallerResume::tornLastRecordIsLeftOut()
{
    Fixture f;
    const QByteArray torn = JournalFormat::drawnRecord(3, orderOf50[3], t0).chopped(9);
    const QString path = f.writeJournal(orderOf50, 3, torn);
    f.offer();
    QCOMPARE(f.dialog->game().drawCount(), 3);
    f.click("IDC_START");
    f.click("IDC_STOP");
    const JournalReading after = f.readBack(path);
    QVERIFY2(after.game, qPrintable(after.error));
    QCOMPARE(after.ignoredBytes, 0);
    QCOMPARE(after.game->drawCount(), 4);
}

void TestCallerResume::clearEndsTheResumedGameAsCleared()
{
    Fixture f;
    const QString path = f.writeJournal(orderOf50, 3);
    f.offer();
    f.click("IDC_CLEAR");
    QCOMPARE(f.buttons(), QStringLiteral("100011"));
    const JournalReading after = f.readBack(path);
    QVERIFY(after.game);
    QCOMPARE(after.game->ending, Ending::Cleared);
    QCOMPARE(after.game->drawCount(), 3);
}

void TestCallerResume::restoreRefusesWhatCannotBeAGame_data()
{
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<int>("drawn");
    QList<int> tooLong;
    for (int i = 0; i <= CallerGame::MaxTopNumber; ++i)
        tooLong << i;
    QTest::newRow("no order") << QList<int>() << 0;
    QTest::newRow("an order longer than the game has room for") << tooLong << 0;
    QTest::newRow("a negative count") << orderOf7 << -1;
    QTest::newRow("more drawn than the order holds") << orderOf7 << 8;
}

void TestCallerResume::restoreRefusesWhatCannotBeAGame()
{
    QFETCH(QList<int>, order);
    QFETCH(int, drawn);
    Fixture f;
    QVERIFY(!f.dialog->restoreGame(spanOf(order), drawn));
    QCOMPARE(f.buttons(), QStringLiteral("100011"));
    QCOMPARE(f.grid()->rowCount(), 0);
    QCOMPARE(f.dialog->game().drawCount(), 0);
    QCOMPARE(f.dialog->game().topNumberText(), QStringLiteral("50"));
}

void TestCallerResume::defaultAnswerOfTheRealBox_data()
{
    QTest::addColumn<bool>("yesByDefault");
    QTest::newRow("the resume question: yes") << true;
    QTest::newRow("every other question: no") << false;
}

void TestCallerResume::defaultAnswerOfTheRealBox()
{
    QFETCH(bool, yesByDefault);
    QtMessagePresenter presenter;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        defaultButton = box->standardButton(box->defaultButton());
        QTest::keyClick(box, Qt::Key_Return);
    });
    const bool answer = yesByDefault ? presenter.askDefaultYes(nullptr, "Kavelo", "?")
                                     : presenter.ask(nullptr, "Kavelo", "?");
    QCOMPARE(answer, yesByDefault);
    QCOMPARE(defaultButton, yesByDefault ? QMessageBox::Yes : QMessageBox::No);
}

void TestCallerResume::onlyARunningCallerRefusesASecond_data()
{
    // What running.lock is; whether this caller then claims the folder, refuses to start, or
    // starts unclaimed with a warning naming the file.
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("outcome");
    for (const auto &[name, state, outcome] :
         {std::tuple{"nothing there", "", "claimed"},
          {"a running caller holds it", "held", "refused"},
          {"empty, as a power cut leaves it", "empty", "claimed"},
          {"garbage", "garbage", "claimed"},
          {"a process long gone", "gone", "claimed"},
          {"a folder", "folder", "warned"},
          {"a dangling link", "dangling link", "warned"},
          {"a FIFO, never opened", "fifo", "warned"},
          {"a link to a FIFO", "link to fifo", "warned"},
          {"a link to /dev/zero, never read", "link to /dev/zero", "warned"}})
        QTest::newRow(name) << QString(state) << QString(outcome);
}

void TestCallerResume::onlyARunningCallerRefusesASecond()
{
    QFETCH(QString, state);
    QFETCH(QString, outcome);
    Fixture f;
    const QString path = f.folder.folderLockPath();
    std::unique_ptr<QLockFile> held;
    std::unique_ptr<FifoWatch> fifo;
    if (!state.isEmpty())
        makeLockFile(state, path, &held, &fifo);

    JournalFolder::Claim claim;
    QCOMPARE(anotherCallerRuns(f.folder, &claim, f.messages), outcome == "refused");
    QCOMPARE(bool(claim), outcome == "claimed");
    QCOMPARE(f.messages.shown.size(), outcome == "claimed" ? 0 : 1);
    if (outcome == "refused")
        QVERIFY(f.messages.shown[0].text.startsWith("Kavelo はもう動いています。"));
    if (outcome == "warned") {
        QCOMPARE(f.messages.shown[0].icon, MessagePresenter::Icon::Warning);
        QVERIFY(f.messages.shown[0].text.contains(path));
        // Left as it was, and a game is still recorded.
        QVERIFY(QFileInfo(path).isSymLink() || QFileInfo(path).isDir() || fifo);
        f.offer();
        f.click("IDC_START");
        f.click("IDC_STOP");
        QCOMPARE(f.folder.journals().size(), 1);
    }
    if (outcome == "claimed") {
        QVERIFY(QFileInfo(path).isFile());
        QLockFile second(path);
        QVERIFY(!second.tryLock(0));
    }
    QVERIFY(!fifo || !fifo->readerSeen());
}

void TestCallerResume::gameGoesOnWhereItsLockFileCannotBeTaken_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("answer");
    QTest::newRow("a FIFO: yes goes on in a new file") << "fifo" << true;
    QTest::newRow("a link to /dev/zero: yes goes on in a new file") << "link to /dev/zero" << true;
    QTest::newRow("a folder: no is kept in a new file") << "folder" << false;
    QTest::newRow("empty, as a power cut leaves it: the same file") << "empty" << true;
}

void TestCallerResume::gameGoesOnWhereItsLockFileCannotBeTaken()
{
    QFETCH(QString, state);
    QFETCH(bool, answer);
    Fixture f;
    f.messages.answer = answer;
    const QString path = f.writeJournal(orderOf50, 3);
    const QByteArray before = readAll(path);
    std::unique_ptr<QLockFile> held;
    std::unique_ptr<FifoWatch> fifo;
    makeLockFile(state, path + QStringLiteral(".lock"), &held, &fifo);
    f.offer();
    QCOMPARE(f.messages.yesByDefault.size(), 1);
    if (answer) {
        f.click("IDC_START");
        f.click("IDC_STOP");
        QCOMPARE(f.dialog->game().drawCount(), 4);
    }
    const bool sameFile = state == "empty";
    const QStringList journals = f.folder.journals();
    QCOMPARE(journals.size(), sameFile ? 1 : 2);
    const JournalReading last = f.readBack(journals.constLast());
    QVERIFY2(last.game, qPrintable(last.error));
    QCOMPARE(last.game->drawCount(), answer ? 4 : 3);
    QCOMPARE(last.game->ending, answer ? Ending::None : Ending::Declined);
    QCOMPARE(last.game->started, t0);
    if (!sameFile) {
        // The old file untouched; a game going on in the new one says so once, with both names.
        QCOMPARE(readAll(path), before);
        QCOMPARE(f.messages.shown.size(), answer ? 1 : 0);
        QVERIFY(!answer || f.messages.shown[0].text.contains(path + ".lock"));
        QVERIFY(!answer || f.messages.shown[0].text.contains(journals.constLast()));
    }
    QVERIFY(!fifo || !fifo->readerSeen());

    // Killed now, the next start offers the newer journal of the game, never the old one again.
    Fixture later;
    for (const QString &journal : journals)
        QVERIFY(QFile::copy(journal, later.dir.filePath(QFileInfo(journal).fileName())));
    later.offer();
    QCOMPARE(later.messages.yesByDefault.size(), answer ? 1 : 0);
    QVERIFY(!answer || later.messages.yesByDefault[0].contains("引いた数字: 4 個"));
}

QTEST_MAIN(TestCallerResume)
#include "tst_callerresume.moc"
