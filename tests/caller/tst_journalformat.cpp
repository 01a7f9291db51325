#include "journalformat.h"

#include <QTest>

#include <zlib.h>

namespace {

using Ending = JournalGame::Ending;

// A game of five, two numbers drawn, then cleared; the checksums come from Python's zlib.crc32.
const QByteArray pinnedJournal =
    "95 58fda935 kavelo-journal version=1 top=5 seed=7 game=1 "
    "time=2024-05-01T10:00:00.000+09:00 order=3,0,5,1,2\n"
    "57 ba67fe59 drawn index=0 number=3 time=2024-05-01T10:00:01.500+09:00\n"
    "57 eb532f03 drawn index=1 number=0 time=2024-05-01T10:00:09.250+09:00\n"
    "50 2a8ebcec cleared count=2 time=2024-05-01T10:01:00.000+09:00\n";

const QDateTime t0 =
    QDateTime::fromString(QStringLiteral("2024-05-01T10:00:00.000+09:00"), Qt::ISODateWithMs);

// A game of 7 with order 5 6 7 1 3 4 0, three numbers drawn and still open.
QList<QByteArray> openGameRecords()
{
    return {
        JournalFormat::startRecord(7, 2024, 1, t0, {5, 6, 7, 1, 3, 4, 0}),
        JournalFormat::drawnRecord(0, 5, t0.addSecs(1)),
        JournalFormat::drawnRecord(1, 6, t0.addSecs(2)),
        JournalFormat::resumedRecord(t0.addSecs(30)),
        JournalFormat::drawnRecord(2, 7, t0.addSecs(31)),
    };
}

QByteArray joined(const QList<QByteArray> &records)
{
    QByteArray all;
    for (const QByteArray &record : records)
        all += record;
    return all;
}

// A record framed by hand, so a payload can be wrong in ways the writer never makes.
QByteArray framed(const QByteArray &payload)
{
    const uLong crc =
        crc32(0, reinterpret_cast<const Bytef *>(payload.constData()), uInt(payload.size()));
    return QByteArray::number(payload.size()) + ' ' +
           QByteArray::number(crc, 16).rightJustified(8, '0') + ' ' + payload + '\n';
}

} // namespace

class TestJournalFormat : public QObject
{
    Q_OBJECT

private slots:
    void crcOfKnownTexts_data();
    void crcOfKnownTexts();
    void writerMakesThePinnedBytes();
    void pinnedJournalReads();
    void everyTruncationKeepsTheIntactRecords();
    void flippedBytesInTheLastRecordLeaveItOut_data();
    void flippedBytesInTheLastRecordLeaveItOut();
    void damageBeforeAnIntactRecordIsUnreadable();
    void contradictionsAreUnreadable_data();
    void contradictionsAreUnreadable();
};

void TestJournalFormat::crcOfKnownTexts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<quint32>("crc");
    QTest::newRow("empty") << QByteArray() << 0x00000000u;
    QTest::newRow("the standard check value") << QByteArray("123456789") << 0xCBF43926u;
    QTest::newRow("a drawn record's payload")
        << QByteArray("drawn index=0 number=12 time=2024-05-01T10:00:01.500+09:00") << 0x9b38e079u;
}

// The writer frames each record with the checksum that zlib and the crc32 tools give.
void TestJournalFormat::crcOfKnownTexts()
{
    QFETCH(QByteArray, text);
    QFETCH(quint32, crc);
    const QByteArray expected = QByteArray::number(text.size()) + ' ' +
                                QByteArray::number(crc, 16).rightJustified(8, '0') + ' ' + text +
                                '\n';
    QCOMPARE(JournalFormat::frame(text), expected);
}

void TestJournalFormat::writerMakesThePinnedBytes()
{
    const QByteArray written = JournalFormat::startRecord(5, 7, 1, t0, {3, 0, 5, 1, 2}) +
                               JournalFormat::drawnRecord(0, 3, t0.addMSecs(1500)) +
                               JournalFormat::drawnRecord(1, 0, t0.addMSecs(9250)) +
                               JournalFormat::endRecord(Ending::Cleared, 2, t0.addSecs(60));
    QCOMPARE(written, pinnedJournal);
}

void TestJournalFormat::pinnedJournalReads()
{
    const JournalReading reading = JournalFormat::read(pinnedJournal);
    QVERIFY2(reading.game, qPrintable(reading.error));
    const JournalGame &game = *reading.game;
    QCOMPARE(game.topNumber, 5);
    QCOMPARE(game.seed, 7u);
    QCOMPARE(game.gameOfRun, 1);
    QCOMPARE(game.drawOrder, QList<int>({3, 0, 5, 1, 2}));
    QCOMPARE(game.drawCount(), 2);
    QCOMPARE(game.drawTimes.constLast(), t0.addMSecs(9250));
    QCOMPARE(game.ending, Ending::Cleared);
    QCOMPARE(game.lastTime, t0.addSecs(60));
    QCOMPARE(reading.intactBytes, pinnedJournal.size());
    QCOMPARE(reading.ignoredBytes, 0);
}

void TestJournalFormat::everyTruncationKeepsTheIntactRecords()
{
    const QList<QByteArray> records = openGameRecords();
    // Numbers drawn once each record is complete.
    const QList<int> drawnAfter{0, 1, 2, 2, 3};
    const QByteArray all = joined(records);
    for (qsizetype length = 0; length <= all.size(); ++length) {
        const JournalReading reading = JournalFormat::read(all.first(length));
        qsizetype end = 0;
        int complete = 0;
        while (complete < records.size() && end + records[complete].size() <= length)
            end += records[complete++].size();
        const QByteArray at = QByteArray::number(length);
        if (complete == 0) {
            QVERIFY2(!reading.game, at.constData());
            QVERIFY2(!reading.error.isEmpty(), at.constData());
            continue;
        }
        QVERIFY2(reading.game, at + ' ' + reading.error.toUtf8());
        QCOMPARE(reading.game->drawCount(), drawnAfter[complete - 1]);
        QCOMPARE(reading.game->drawOrder, QList<int>({5, 6, 7, 1, 3, 4, 0}));
        QCOMPARE(reading.game->ending, Ending::None);
        QCOMPARE(reading.intactBytes, end);
        QCOMPARE(reading.ignoredBytes, length - end);
    }
}

void TestJournalFormat::flippedBytesInTheLastRecordLeaveItOut_data()
{
    QTest::addColumn<int>("mask");
    QTest::addColumn<bool>("becomesLineEnd");
    QTest::newRow("lowest bit") << 0x01 << false;
    QTest::newRow("highest bit") << 0x80 << false;
    QTest::newRow("every bit") << 0xFF << false;
    QTest::newRow("a line end in its place") << 0 << true;
}

void TestJournalFormat::flippedBytesInTheLastRecordLeaveItOut()
{
    QFETCH(int, mask);
    QFETCH(bool, becomesLineEnd);
    const QList<QByteArray> records = openGameRecords();
    const QByteArray all = joined(records);
    const qsizetype lastStart = all.size() - records.constLast().size();
    for (qsizetype at = lastStart; at < all.size(); ++at) {
        QByteArray damaged = all;
        if (becomesLineEnd) {
            if (damaged[at] == '\n')
                continue;
            damaged[at] = '\n';
        } else {
            damaged[at] = static_cast<char>(damaged[at] ^ mask);
        }
        const JournalReading reading = JournalFormat::read(damaged);
        const QByteArray where = "byte " + QByteArray::number(at);
        QVERIFY2(reading.game, where + ' ' + reading.error.toUtf8());
        QCOMPARE(reading.game->drawCount(), 2);
        QCOMPARE(reading.intactBytes, lastStart);
        QCOMPARE(reading.ignoredBytes, records.constLast().size());
    }
}

void TestJournalFormat::damageBeforeAnIntactRecordIsUnreadable()
{
    QByteArray damaged = joined(openGameRecords());
    // A digit of the second record's number: only the disk, not a cut-short write, does that.
    const qsizetype second = openGameRecords().constFirst().size();
    damaged[second + 30] = static_cast<char>(damaged[second + 30] ^ 0x01);
    const JournalReading reading = JournalFormat::read(damaged);
    QVERIFY(!reading.game);
    QVERIFY2(reading.error.contains(QStringLiteral("2 番目")), qPrintable(reading.error));
}

void TestJournalFormat::contradictionsAreUnreadable_data()
{
    QTest::addColumn<QByteArray>("journal");
    QTest::addColumn<QString>("reason");
    const QByteArray header = JournalFormat::startRecord(3, 1, 1, t0, {2, 0, 3});
    const QByteArray time = " time=2024-05-01T10:00:00.000+09:00";
    QTest::newRow("no header first")
        << framed("drawn index=0 number=2" + time) << QStringLiteral("ゲームの記録ではありません");
    QTest::newRow("a newer version")
        << framed("kavelo-journal version=2 top=3 seed=1 game=1" + time + " order=2,0,3")
        << QStringLiteral("版「2」");
    QTest::newRow("a top number above 100")
        << framed("kavelo-journal version=1 top=101 seed=1 game=1" + time + " order=1")
        << QStringLiteral("値が正しくありません");
    QTest::newRow("a seed beyond 32 bits")
        << framed("kavelo-journal version=1 top=3 seed=4294967296 game=1" + time + " order=2,0,3")
        << QStringLiteral("値が正しくありません");
    QTest::newRow("a number twice in the order")
        << framed("kavelo-journal version=1 top=3 seed=1 game=1" + time + " order=2,0,2")
        << QStringLiteral("引く順が正しくありません");
    QTest::newRow("a number above the top in the order")
        << framed("kavelo-journal version=1 top=3 seed=1 game=1" + time + " order=2,0,4")
        << QStringLiteral("引く順が正しくありません");
    QTest::newRow("an order shorter than the top number")
        << framed("kavelo-journal version=1 top=3 seed=1 game=1" + time + " order=2,0")
        << QStringLiteral("長さ");
    QTest::newRow("a drawn number skipped")
        << header + framed("drawn index=1 number=0" + time) << QStringLiteral("1 番目に引いた");
    QTest::newRow("a drawn number not of the order")
        << header + framed("drawn index=0 number=3" + time) << QStringLiteral("引く順と合いません");
    QTest::newRow("more drawn than the top number")
        << header + framed("drawn index=0 number=2" + time) +
               framed("drawn index=1 number=0" + time) + framed("drawn index=2 number=3" + time) +
               framed("drawn index=3 number=1" + time)
        << QStringLiteral("4 番目に引いた");
    QTest::newRow("a record after the end")
        << header + framed("cleared count=0" + time) + framed("drawn index=0 number=2" + time)
        << QStringLiteral("終わったゲームの後");
    QTest::newRow("finished before the last number")
        << header + framed("drawn index=0 number=2" + time) + framed("finished count=1" + time)
        << QStringLiteral("まだ終わっていないゲーム");
    QTest::newRow("cleared with another count")
        << header + framed("drawn index=0 number=2" + time) + framed("cleared count=2" + time)
        << QStringLiteral("引いた数が記録と合いません");
    QTest::newRow("a record of an unknown kind")
        << header + framed("paused" + time) << QStringLiteral("「paused」");
    QTest::newRow("a record without its time")
        << header + framed("drawn index=0 number=2") << QStringLiteral("時刻がありません");
    // Read as a torn tail, the blank line would silently drop the intact record after it.
    QTest::newRow("a blank line before an intact record")
        << header + '\n' + framed("drawn index=0 number=2" + time)
        << QStringLiteral("2 番目の記録が壊れていて、その後にも記録があります");
    QTest::newRow("an empty file") << QByteArray() << QStringLiteral("始まりの記録がありません");
    QTest::newRow("a length beyond any record")
        << QByteArray("99999 00000000 x\n") << QStringLiteral("始まりの記録がありません");
}

void TestJournalFormat::contradictionsAreUnreadable()
{
    QFETCH(QByteArray, journal);
    QFETCH(QString, reason);
    const JournalReading reading = JournalFormat::read(journal);
    QVERIFY(!reading.game);
    QVERIFY2(reading.error.contains(reason), qPrintable(reading.error));
}

QTEST_APPLESS_MAIN(TestJournalFormat)
#include "tst_journalformat.moc"
