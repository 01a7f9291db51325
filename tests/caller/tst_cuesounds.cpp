#include "cuesounds.h"
#include "qtsoundoutput.h"
#include "recordingsound.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestCueSounds : public QObject
{
    Q_OBJECT

private slots:
    void cueOpensFromStartDir();
    void newCueClosesTheOldDevice();
    void failedOpenStillCountsAsOpen();
    void destructorClosesTheLastCue();
    void realOutputIsSilentOnBadFiles_data();
    void realOutputIsSilentOnBadFiles();
};

void TestCueSounds::cueOpensFromStartDir()
{
    RecordingSound output;
    CueSounds cues(output);
    cues.setStartDir(QStringLiteral("/opt/kit"));
    cues.PlayCue(CueSounds::OpeningCue);
    QCOMPARE(output.calls, (QStringList{"open /opt/kit/wave/file.wav", "play"}));
}

void TestCueSounds::newCueClosesTheOldDevice()
{
    RecordingSound output;
    CueSounds cues(output);
    cues.setStartDir(QStringLiteral("/k"));
    cues.PlayCue(CueSounds::StartCue);
    cues.PlayCue(CueSounds::StopCue);
    QCOMPARE(output.calls, (QStringList{"open /k/wave/start.wav", "play", "close",
                                        "open /k/wave/stop.wav", "play"}));
}

void TestCueSounds::failedOpenStillCountsAsOpen()
{
    RecordingSound output;
    output.opens = false;
    CueSounds cues(output);
    cues.setStartDir(QStringLiteral("/k"));
    cues.PlayCue(CueSounds::ClearCue);
    output.opens = true;
    cues.PlayCue(CueSounds::StopCue);
    QCOMPARE(output.calls, (QStringList{"open /k/wave/clear.wav", "play", "close",
                                        "open /k/wave/stop.wav", "play"}));
}

void TestCueSounds::destructorClosesTheLastCue()
{
    RecordingSound output;
    {
        CueSounds idle(output);
    }
    QVERIFY(output.calls.isEmpty());
    {
        CueSounds cues(output);
        cues.PlayCue(CueSounds::StopCue);
    }
    QCOMPARE(output.calls.last(), QStringLiteral("close"));
}

void TestCueSounds::realOutputIsSilentOnBadFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");

    QTest::newRow("missing file") << "missing.wav" << QByteArray();
    QTest::newRow("a folder") << "." << QByteArray();
    QTest::newRow("text named like a cue") << "stop.wav" << QByteArray("not a sound\n");
    QTest::newRow("empty file") << "stop.wav" << QByteArray("");
}

void TestCueSounds::realOutputIsSilentOnBadFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QTemporaryDir dir;
    if (!contents.isNull()) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    QtSoundOutput output;
    QVERIFY(!output.open(dir.filePath(name)));
    output.play();
    output.close();
}

QTEST_MAIN(TestCueSounds)
#include "tst_cuesounds.moc"
