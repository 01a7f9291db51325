#include "numberdisplays.h"
#include "recordinghost.h"
#include "scriptedrandom.h"

#include <QTest>

class TestNumberDisplays : public QObject
{
    Q_OBJECT

private slots:
    void revealSequence();
    void timerTicks_data();
    void timerTicks();
    void textColourRadios_data();
    void textColourRadios();
    void colourChangeAtNextTick();
    void eraseBlanksFourSlots();
    void spinStartsTheTimersAndPaintsNothing();
};

void TestNumberDisplays::revealSequence()
{
    RecordingHost host;
    host.check(DisplayRadio::ColourRed, DisplayRadio::BackOff);
    ScriptedRandom random({4217, 99});
    NumberDisplays displays(host, random);
    displays.ReadTextColour();
    displays.Reveal(5);

    const QStringList expected{
        "stopCountdown",
        "killTimers",
        "sleep 100",
        "draw 30,345 1200 \"17\" text 255,0,0 back 255,150,255",
        "stopCue",
        "sleep 300",
        "draw 530,345 1200 \"99\" text 255,0,0 back 255,255,0",
        "stopCue",
        "sleep 300",
        "draw 270,325 1350 \"05\" text 255,0,0 back 190,190,190",
        "draw 453,25 1850 \"05\" text 255,0,0 back 190,190,190",
        "stopCue",
    };
    QCOMPARE(host.calls, expected);
    QCOMPARE(random.calls(), std::size_t(2));
}

void TestNumberDisplays::timerTicks_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("backOn");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("timer 2 spins the centre on cyan with 有")
        << 2 << true << QStringList{"draw 270,325 1350 \"67\" text 0,0,255 back 0,255,255"};
    QTest::newRow("timer 2 spins the centre on grey with 無")
        << 2 << false << QStringList{"draw 270,325 1350 \"67\" text 0,0,255 back 190,190,190"};
    QTest::newRow("timer 3 spins the left slot on pink")
        << 3 << true << QStringList{"draw 30,345 1200 \"67\" text 0,0,255 back 255,150,255"};
    QTest::newRow("timer 4 spins the right slot on yellow")
        << 4 << false << QStringList{"draw 530,345 1200 \"67\" text 0,0,255 back 255,255,0"};
    QTest::newRow("another timer paints nothing") << 1 << true << QStringList{};
}

void TestNumberDisplays::timerTicks()
{
    QFETCH(int, id);
    QFETCH(bool, backOn);
    QFETCH(QStringList, expected);

    RecordingHost host;
    host.check(DisplayRadio::ColourBlue, backOn ? DisplayRadio::BackOn : DisplayRadio::BackOff);
    // 32767 % 100: the flicker runs to 99 whatever the top number.
    ScriptedRandom random({32767});
    NumberDisplays displays(host, random);
    displays.OnTimer(id);
    QCOMPARE(host.calls, expected);
}

void TestNumberDisplays::textColourRadios_data()
{
    QTest::addColumn<QList<DisplayRadio>>("checked");
    QTest::addColumn<QString>("colour");

    QTest::newRow("青 gives blue") << QList{DisplayRadio::ColourBlue} << "0,0,255";
    QTest::newRow("赤 gives red") << QList{DisplayRadio::ColourRed} << "255,0,0";
    QTest::newRow("緑 gives green") << QList{DisplayRadio::ColourGreen} << "0,255,0";
    QTest::newRow("none checked keeps the last colour") << QList<DisplayRadio>{} << "255,0,0";
}

void TestNumberDisplays::textColourRadios()
{
    QFETCH(QList<DisplayRadio>, checked);
    QFETCH(QString, colour);

    RecordingHost host;
    ScriptedRandom random({1});
    NumberDisplays displays(host, random);
    host.checked = {DisplayRadio::ColourRed};
    displays.ReadTextColour();
    host.checked = std::set<DisplayRadio>(checked.begin(), checked.end());
    displays.ReadTextColour();
    QCOMPARE(RecordingHost::colourText(displays.textColour()), colour);
}

void TestNumberDisplays::colourChangeAtNextTick()
{
    RecordingHost host;
    ScriptedRandom random({12});
    NumberDisplays displays(host, random);
    displays.OnTimer(3);
    host.check(DisplayRadio::ColourGreen, DisplayRadio::BackOn);
    displays.OnTimer(4);
    QCOMPARE(host.calls, (QStringList{"draw 30,345 1200 \"12\" text 0,0,255 back 255,150,255",
                                      "draw 530,345 1200 \"12\" text 0,255,0 back 255,255,0"}));
}

void TestNumberDisplays::eraseBlanksFourSlots()
{
    RecordingHost host;
    ScriptedRandom random({1});
    NumberDisplays displays(host, random);
    displays.Erase();
    QCOMPARE(host.calls, (QStringList{"draw 270,325 1350 \"    \" text 0,0,0 back 190,190,190",
                                      "draw 30,345 1200 \"    \" text 0,0,0 back 190,190,190",
                                      "draw 530,345 1200 \"    \" text 0,0,0 back 190,190,190",
                                      "draw 453,25 1850 \"    \" text 0,0,0 back 190,190,190"}));
    QCOMPARE(random.calls(), std::size_t(0));
}

void TestNumberDisplays::spinStartsTheTimersAndPaintsNothing()
{
    RecordingHost host;
    ScriptedRandom random({1});
    NumberDisplays displays(host, random);
    displays.StartSpin();
    QCOMPARE(host.calls, QStringList{"startTimers"});
    QCOMPARE(random.calls(), std::size_t(0));
}

QTEST_APPLESS_MAIN(TestNumberDisplays)
#include "tst_numberdisplays.moc"
