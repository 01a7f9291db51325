#include "crtrandom.h"
#include "hallcount.h"
#include "journalformat.h"
#include "phonesheets.h"
#include "setcode.h"

#include <QTest>

#include <numeric>

namespace {

using Refusal = PhoneSheetSupply::Refusal;
using HandOut = PhoneSheetPolicy::HandOut;

// The seeds a generator gives: the first is the caller's own, which a set must not take.
std::uint32_t fixed()
{
    static std::uint32_t next = 7;
    return std::exchange(next, next * 2654435761u + 1);
}

const QDateTime t0 =
    QDateTime::fromString(QStringLiteral("2024-05-01T10:00:00.000+09:00"), Qt::ISODateWithMs);

QByteArray hashOf(const QString &phone)
{
    return PhoneSheets::tokenHash(phone.toLatin1().repeated(32).left(32));
}

// What one step of a script did: "1 new", "1" (held already), "AddressLimit"...
QString outcome(const std::variant<std::pair<int, bool>, Refusal> &taken)
{
    if (const auto *sheet = std::get_if<std::pair<int, bool>>(&taken))
        return QString::number(sheet->first) + (sheet->second ? " new" : "");
    static const QStringList names{"Off", "Closed", "NoSet", "SoldOut", "AddressLimit"};
    return names[int(std::get<Refusal>(taken))];
}

// The holders as the journal keeps them, read back as a resume reads them.
QList<PhoneSheetHolding> throughJournal(const SetCode &set,
                                        const QList<PhoneSheetHolding> &holdings)
{
    QList<int> order(30);
    std::iota(order.begin(), order.end(), 0);
    QByteArray journal = JournalFormat::startRecord(30, 7, 1, t0, order);
    for (const PhoneSheetHolding &holding : holdings)
        journal += JournalFormat::phoneSheetRecord(set, holding, t0);
    const JournalReading reading = JournalFormat::read(journal);
    if (!reading.game || reading.game->phoneSet != set) {
        qWarning() << reading.error;
        return {};
    }
    return reading.game->phoneSheets;
}

} // namespace

class TestPhoneSheets : public QObject
{
    Q_OBJECT

private slots:
    void supply_data();
    void supply();
    void names();
    void tallyCountsEachSheetOnce();
    void phoneSetsKeepApart();
};

// Each step: "PHONE ADDRESS" takes a sheet, "start" is the game's first Start, "open", "close",
// "off" and "on" are the operator's choices, "resume" writes the holders to a journal and reads
// them back into a new supply, "name PHONE TEXT" names a sheet.
void TestPhoneSheets::supply_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("perAddress");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("outcomes");

    QTest::newRow("one sheet a phone, numbered in order, up to the operator's total")
        << 2 << 4 << QStringList{"a 10.0.0.1", "b 10.0.0.2", "c 10.0.0.3", "a 10.0.0.1"}
        << QStringList{"1 new", "2 new", "SoldOut", "1"};
    QTest::newRow("a limit per address; a token from another address gets its own sheet back")
        << 10 << 2
        << QStringList{"a 10.0.0.1", "a 10.0.0.9", "b 10.0.0.1", "c 10.0.0.1", "d 10.0.0.2"}
        << QStringList{"1 new", "1", "2 new", "AddressLimit", "3 new"};
    QTest::newRow("handed out until the first Start, then reopened")
        << 10 << 4 << QStringList{"a 10.0.0.1", "start",      "b 10.0.0.2", "a 10.0.0.1",
                                  "open",       "b 10.0.0.2", "close",      "c 10.0.0.3"}
        << QStringList{"1 new", "Closed", "1", "2 new", "Closed"};
    QTest::newRow("switched off: nothing new, what was handed out stays")
        << 10 << 4
        << QStringList{"a 10.0.0.1", "off", "b 10.0.0.2", "a 10.0.0.1", "on", "b 10.0.0.2"}
        << QStringList{"1 new", "Off", "1", "2 new"};
    QTest::newRow("a resume gives each phone its sheet and goes on after the last")
        << 10 << 4 << QStringList{"a 10.0.0.1", "b 10.0.0.2", "name b Ünï <b>", "resume",
                                  "b 10.0.0.7", "a 10.0.0.1", "c 10.0.0.3"}
        << QStringList{"1 new", "2 new", "2", "1", "3 new"};
}

void TestPhoneSheets::supply()
{
    QFETCH(int, total);
    QFETCH(int, perAddress);
    QFETCH(QStringList, steps);
    QFETCH(QStringList, outcomes);

    PhoneSheetPolicy policy{.total = total, .perAddress = perAddress};
    const SetCode set(PhoneSheets::setSeed(7, fixed), 30);
    PhoneSheetSupply supply;
    supply.reset(set);
    supply.setPolicy(policy);
    QStringList seen;
    QHash<QByteArray, QString> names;
    for (const QString &step : steps) {
        const QStringList words = step.split(u' ');
        if (step == "start") {
            supply.setStarted(true);
        } else if (step == "open" || step == "close") {
            policy.handOut = step == "open" ? HandOut::Open : HandOut::Closed;
        } else if (step == "off" || step == "on") {
            policy.enabled = step == "on";
        } else if (words[0] == "name") {
            const QString name = words.mid(2).join(u' ');
            QVERIFY(supply.name(hashOf(words[1]), name));
            names.insert(hashOf(words[1]), name);
        } else if (step == "resume") {
            const QList<PhoneSheetHolding> after = throughJournal(set, supply.holdings());
            QCOMPARE(after, supply.holdings());
            supply = PhoneSheetSupply();
            supply.reset(set, after);
            supply.setStarted(true);
            policy.handOut = HandOut::Open;
        } else {
            seen << outcome(supply.take(hashOf(words[0]), words[1]));
        }
        supply.setPolicy(policy);
    }
    QCOMPARE(seen, outcomes);
    // No sheet is held twice, and names stay with their sheets.
    QSet<int> numbers;
    for (const PhoneSheetHolding &holding : supply.holdings()) {
        QVERIFY(!numbers.contains(holding.number));
        numbers.insert(holding.number);
        QCOMPARE(holding.name, names.value(holding.tokenHash));
        QVERIFY(PhoneSheets::isTokenHash(holding.tokenHash));
    }
}

void TestPhoneSheets::names()
{
    // Up to 16 characters, kana or outside the BMP, markup as text like any, empty to clear it;
    // no control character, line break or line separator.
    for (const QString &name : {QString(), QStringLiteral("<b>Aki</b> &amp;"),
                                QString(16, QChar(0x30A2)), QString::fromUcs4(U"😀").repeated(16)})
        QVERIFY2(!PhoneSheets::nameRefusal(name), qPrintable(name));
    for (const QString &name :
         {QString(17, u'a'), QStringLiteral("Aki\u0007"), QStringLiteral("Aki\nBo"),
          QStringLiteral("Aki\u2028"), QString(10 * 1024, u'x')})
        QVERIFY2(PhoneSheets::nameRefusal(name), qPrintable(name.left(20)));
}

void TestPhoneSheets::tallyCountsEachSheetOnce()
{
    const SetCode printed(4711, 50);
    const SheetRules::Sheet sheet = printed.sheet(7);
    HallCount count;
    // The same sheet followed by two phones counts once; the top row of sheet 7 is cells 0, 5,
    // 10, 15, 20.
    count.follow({printed.text(), 7, {}, false}, sheet);
    count.follow({printed.text(), 7, "Aki", false}, sheet);
    count.follow({printed.text(), 8, {}, false}, printed.sheet(8));
    QCOMPARE(count.size(), 2);
    QList<int> called{sheet[0], sheet[5], sheet[10], sheet[15]};
    HallTally tally = count.tally(called);
    QVERIFY(tally.reach >= 1);
    QCOMPARE(tally.bingo, 0);
    called << sheet[20];
    tally = count.tally(called);
    QVERIFY(tally.bingo >= 1);
    QCOMPARE(tally.draw, 5);
    QVERIFY(tally.newBingos.contains(HallSheet{printed.text(), 7, "Aki", false}));
    // A bingo is new once.
    called << -1;
    QVERIFY(!count.tally(called).newBingos.contains(HallSheet{printed.text(), 7, "Aki", false}));
}

// A game's phone sheets are none of the printed sheets of the caller's seed nor its draws: a
// candidate within reach of either is drawn again.
void TestPhoneSheets::phoneSetsKeepApart()
{
    const std::uint32_t seed = 1'700'000'000;
    const std::uint32_t draws = CrtRandom::callerStart(seed);
    // The generator's top bit changes no value.
    for (const std::uint32_t near : {seed, CrtRandom::advanced(seed, 1000 * 25), draws,
                                     CrtRandom::advanced(draws, 5000), draws ^ 0x8000'0000u})
        QVERIFY(!PhoneSheets::keepsApart(near, seed));
    QList<std::uint32_t> candidates{seed, draws, 4711};
    const std::uint32_t chosen = PhoneSheets::setSeed(seed, [&] { return candidates.takeFirst(); });
    QCOMPARE(chosen, 4711u);
    const SetCode printed(seed, 75);
    const SetCode phones(chosen, 75);
    for (int number = 1; number <= 100; ++number)
        QVERIFY(phones.sheet(number) != printed.sheet(number));
}

QTEST_GUILESS_MAIN(TestPhoneSheets)
#include "tst_phonesheets.moc"
