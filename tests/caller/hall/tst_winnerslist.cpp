#include "journalformat.h"
#include "winnerslist.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QDateTime t0 =
    QDateTime::fromString(QStringLiteral("2024-05-01T10:00:00.000+09:00"), Qt::ISODateWithMs);

// "CODE/7" is a printed sheet, "CODE/7p" a phone sheet, ":name" after either its holder's name.
HallSheet sheetOf(const QString &text)
{
    const QString key = text.section(u':', 0, 0);
    return {key.section(u'/', 0, 0), key.section(u'/', 1).remove(u'p').toInt(),
            text.section(u':', 1), key.endsWith(u'p')};
}

// Runs one step: "tally DRAW SHEET...", "rename SHEET", "check ROW", "uncheck ROW", "hide ROW",
// "show ROW", "remove ROW" or "clear".
void run(WinnersList &list, const QString &step)
{
    const QStringList words = step.split(u' ', Qt::SkipEmptyParts);
    const QString &verb = words.constFirst();
    const int row = words.value(1).toInt();
    if (verb == u"tally") {
        HallTally tally{row, 0, 0, {}};
        for (const QString &word : words.mid(2))
            tally.newBingos.append(sheetOf(word));
        list.take(tally);
    } else if (verb == u"rename") {
        list.rename(sheetOf(step.mid(verb.size() + 1)));
    } else if (verb.endsWith(u"check")) {
        list.setChecked(row, verb == u"check");
    } else if (verb == u"hide" || verb == u"show") {
        list.setNameHidden(row, verb == u"hide");
    } else if (verb == u"remove") {
        list.remove(row);
    } else {
        QCOMPARE(verb, u"clear");
        list.clear();
    }
}

// "PLACE.DRAW CODE/NUMBER[p] NAME [checked]" a winner, joined by " | ".
QString shown(const WinnersList &list)
{
    QStringList rows;
    for (int row = 0; row < list.winners().size(); ++row) {
        const Winner &w = list.winners()[row];
        const QString name = w.shownName().isEmpty() ? QStringLiteral("-") : w.shownName();
        rows << QStringLiteral("%1.%2 %3/%4%5 %6%7")
                    .arg(QString::number(list.place(row)), QString::number(w.draw), w.sheet.setCode,
                         QString::number(w.sheet.number), w.sheet.phoneSheet ? "p" : "", name,
                         w.checked ? " checked" : "");
    }
    return rows.join(QStringLiteral(" | "));
}

} // namespace

class TestWinnersList : public QObject
{
    Q_OBJECT

private slots:
    void winnersInTheOrderTheyWon_data();
    void winnersInTheOrderTheyWon();
};

void TestWinnersList::winnersInTheOrderTheyWon_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");
    // The file's rows after its header, where the row checks them; else empty.
    QTest::addColumn<QByteArray>("csvRows");

    QTest::newRow("a draw that completes nothing adds nothing")
        << QStringList{"tally 4"} << QString() << QByteArray();
    QTest::newRow("one draw's winners share a place, the next draw's counts them")
        << QStringList{"tally 5 A/7p:taro B/3", "tally 9 A/12"}
        << "1.5 A/7p taro | 1.5 B/3 - | 3.9 A/12 -"
        << QByteArray("1,5,\"A\",7,\"taro\",\"スマホ\",\"\"\r\n"
                      "1,5,\"B\",3,\"\",\"紙 (要提示)\",\"\"\r\n"
                      "3,9,\"A\",12,\"\",\"紙 (要提示)\",\"\"\r\n");
    QTest::newRow("a sheet wins once, however often named; one number of two sets is two sheets")
        << QStringList{"tally 5 A/7 B/7p", "tally 6 A/7 B/1", "tally 7 B/1"}
        << "1.5 A/7 - | 1.5 B/7p - | 3.6 B/1 -" << QByteArray();
    QTest::newRow("rows out of range change nothing; a removed winner stays out, places close up")
        << QStringList{"tally 3 A/1",     "check 1",  "hide -1",        "remove 1",
                       "tally 4 A/2 A/3", "remove 0", "tally 5 A/1 A/4"}
        << "1.4 A/2 - | 1.4 A/3 - | 3.5 A/4 -" << QByteArray();
    QTest::newRow("checked; a hidden name is kept but neither shown nor saved, and can come back")
        << QStringList{"tally 3 A/1p:hana A/2p:ken A/3",
                       "hide 0",
                       "hide 1",
                       "show 1",
                       "check 2",
                       "check 0",
                       "uncheck 0"}
        << "1.3 A/1p - | 1.3 A/2p ken | 1.3 A/3 - checked"
        << QByteArray("1,3,\"A\",1,\"\",\"スマホ\",\"\"\r\n1,3,\"A\",2,\"ken\",\"スマホ\",\"\"\r\n"
                      "1,3,\"A\",3,\"\",\"紙 (要提示)\",\"済\"\r\n");
    QTest::newRow("a holder names the sheet after it won; names cut to what the hall takes")
        << QStringList{"tally 3 A/1p A/2p:abcdefghijklmnopqrstuvwxyz", "rename A/1p:やまだ",
                       "rename A/9p:other"}
        << "1.3 A/1p やまだ | 1.3 A/2p abcdefghijklmnop" << QByteArray();
    QTest::newRow("cleared with the game, removals too")
        << QStringList{"tally 3 A/1 A/2", "remove 0", "clear", "tally 2 A/1"} << "1.2 A/1 -"
        << QByteArray();
    // Names are the holders' data: quoted, quotes doubled, formulas defused.
    QTest::newRow("CSV quotes commas, quotes and line ends and defuses formulas")
        << QStringList{"tally 2 A/1p:a,\"b\"\nc", "tally 3 A/2p:=1+2 A/3p:-x A/4p:@SUM A/5p:+1",
                       "rename A/6p:x"}
        << "1.2 A/1p a,\"b\"\nc | 2.3 A/2p =1+2 | 2.3 A/3p -x | 2.3 A/4p @SUM | 2.3 A/5p +1"
        << QByteArray("1,2,\"A\",1,\"a,\"\"b\"\"\nc\",\"スマホ\",\"\"\r\n"
                      "2,3,\"A\",2,\"'=1+2\",\"スマホ\",\"\"\r\n"
                      "2,3,\"A\",3,\"'-x\",\"スマホ\",\"\"\r\n"
                      "2,3,\"A\",4,\"'@SUM\",\"スマホ\",\"\"\r\n"
                      "2,3,\"A\",5,\"'+1\",\"スマホ\",\"\"\r\n");
}

void TestWinnersList::winnersInTheOrderTheyWon()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);
    QFETCH(QByteArray, csvRows);

    WinnersList list;
    QSignalSpy recorded(&list, &WinnersList::recorded);
    for (const QString &step : steps)
        run(list, step);
    QCOMPARE(shown(list), expected);

    const QByteArray header = "\xEF\xBB\xBF\"順位\",\"引いた数\",\"セットコード\",\"シート番号\","
                              "\"名前\",\"シート\",\"確認\"\r\n";
    const QByteArray csv = list.csv();
    QVERIFY(csv.startsWith(header));
    if (!csvRows.isEmpty())
        QCOMPARE(csv.sliced(header.size()), csvRows);

    // The game's journal brings back the list as it stood; a Clear ends the game and its journal.
    if (steps.contains(QStringLiteral("clear")))
        return;
    QByteArray journal =
        JournalFormat::startRecord(5, 7, 1, t0, {3, 0, 5, 1, 2}) + JournalFormat::resumedRecord(t0);
    for (const QList<QVariant> &args : recorded)
        journal += JournalFormat::noteRecord(args.constFirst().toByteArray(), t0.addSecs(1));
    const JournalReading reading = JournalFormat::read(journal);
    QVERIFY2(reading.game, qPrintable(reading.error));
    QCOMPARE(reading.game->winnerRecords.size(), recorded.size());
    WinnersList restored;
    restored.restore(reading.game->winnerRecords);
    QCOMPARE(shown(restored), expected);
    QCOMPARE(restored.csv(), csv);
    // Removed sheets stay out after the resume too, and winners keep their draw.
    for (const QString &step : steps)
        if (step.startsWith(QStringLiteral("tally ")))
            run(restored, QStringLiteral("tally 99 ") + step.section(u' ', 2));
    QCOMPARE(shown(restored), expected);
}

QTEST_GUILESS_MAIN(TestWinnersList)
#include "tst_winnerslist.moc"
