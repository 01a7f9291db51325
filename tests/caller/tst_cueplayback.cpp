// Plays the caller's cues through the real sound output into a PulseAudio null sink started
// here, records the sink with parec and measures how long each cue sounded. The reveal's pauses
// are real sleeps of the dialog's thread.

#include "callerdlgfixture.h"
#include "qtsoundoutput.h"
#include "threadsleeper.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <numbers>

namespace {

constexpr int Rate = 22050;
constexpr char SinkName[] = "kavelo_test";

// A steady 1 kHz tone at half of full scale with 2 ms ramps, so that its sounding length is
// its length in the file.
QByteArray toneWave(double seconds)
{
    const int count = static_cast<int>(seconds * Rate);
    const int ramp = Rate / 500;
    QByteArray data;
    for (int i = 0; i < count; ++i) {
        const double edge = std::min({1.0, double(i) / ramp, double(count - 1 - i) / ramp});
        const double v = 0.5 * edge * std::sin(2 * std::numbers::pi * 1000.0 * i / Rate);
        const auto s = static_cast<qint16>(std::lround(v * 32767));
        data.append(char(s & 0xFF)).append(char((s >> 8) & 0xFF));
    }
    auto le = [](quint32 value, int bytes) {
        QByteArray out;
        for (int i = 0; i < bytes; ++i)
            out.append(char((value >> (8 * i)) & 0xFF));
        return out;
    };
    return "RIFF" + le(36 + data.size(), 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) +
           le(Rate, 4) + le(Rate * 2, 4) + le(2, 2) + le(16, 2) + "data" + le(data.size(), 4) +
           data;
}

// A stretch of a recording where something sounds, in seconds from the recording's start.
struct Sounding
{
    double start;
    double length;
};

// The stretches of a recording where something sounds: 2 ms windows whose loudest sample
// passes -30 dBFS, joined across drops shorter than 10 ms.
QList<Sounding> soundings(const QByteArray &pcm)
{
    const auto *samples = reinterpret_cast<const qint16 *>(pcm.constData());
    const qsizetype count = pcm.size() / 2;
    constexpr int Window = Rate / 500;
    constexpr int JoinWindows = 5;
    QList<Sounding> found;
    auto seconds = [](qsizetype windows) { return double(windows) * Window / Rate; };
    qsizetype start = -1;
    qsizetype lastLoud = -1;
    for (qsizetype w = 0; w * Window < count; ++w) {
        int loudest = 0;
        for (qsizetype i = w * Window; i < std::min(count, (w + 1) * Window); ++i)
            loudest = std::max(loudest, std::abs(int(samples[i])));
        if (loudest < 1036)
            continue;
        if (start >= 0 && w - lastLoud > JoinWindows) {
            found.append({seconds(start), seconds(lastLoud - start + 1)});
            start = -1;
        }
        if (start < 0)
            start = w;
        lastLoud = w;
    }
    if (start >= 0)
        found.append({seconds(start), seconds(lastLoud - start + 1)});
    return found;
}

QString describe(const QList<Sounding> &found)
{
    QStringList parts;
    for (const Sounding &s : found)
        parts << QStringLiteral("%1 s at %2").arg(s.length, 0, 'f', 3).arg(s.start, 0, 'f', 3);
    return parts.join(QStringLiteral(", "));
}

} // namespace

class TestCuePlayback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cuesSoundWholeThroughThePauses();
    void newCueCutsOffTheOneSounding();

private:
    bool startServer(QString *why);
    void startRecording();
    QByteArray stopRecording();

    QTemporaryDir m_runtime;
    QTemporaryDir m_startDir;
    QString m_socket;
    QProcess m_server;
    QProcess m_recorder;
    QString m_originalDir;
};

bool TestCuePlayback::startServer(QString *why)
{
    const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (pulseaudio.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty()) {
        *why = QStringLiteral("pulseaudio, parec or pactl is not installed");
        return false;
    }
    // A private server: its own runtime folder, socket and home, so it meets no other server
    // and runs as root as well (where it only warns). Left behind by a crashed test, it ends
    // once it has had no client for 30 s.
    const QDir runtime(m_runtime.path());
    runtime.mkdir(QStringLiteral("run"));
    runtime.mkdir(QStringLiteral("home"));
    QFile::setPermissions(runtime.filePath(QStringLiteral("run")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_socket = runtime.filePath(QStringLiteral("native"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.filePath(QStringLiteral("run")));
    env.insert(QStringLiteral("HOME"), runtime.filePath(QStringLiteral("home")));
    env.remove(QStringLiteral("PULSE_SERVER"));
    m_server.setProcessEnvironment(env);
    m_server.setProcessChannelMode(QProcess::MergedChannels);
    m_server.start(
        pulseaudio,
        {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=30"),
         QStringLiteral("-n"), QStringLiteral("--use-pid-file=no"), QStringLiteral("--realtime=no"),
         QStringLiteral("--high-priority=no"), QStringLiteral("--log-target=stderr"),
         QStringLiteral("-Lmodule-native-protocol-unix auth-anonymous=1 socket=") + m_socket,
         QStringLiteral("-Lmodule-null-sink sink_name=%1 rate=%2 channels=1")
             .arg(QLatin1String(SinkName))
             .arg(Rate)});
    if (!m_server.waitForStarted()) {
        *why = QStringLiteral("pulseaudio did not start: ") + m_server.errorString();
        return false;
    }
    for (int attempt = 0; attempt < 50; ++attempt) {
        QProcess info;
        info.start(QStringLiteral("pactl"), {QStringLiteral("-s"), m_socket, QStringLiteral("list"),
                                             QStringLiteral("short"), QStringLiteral("sinks")});
        if (info.waitForFinished() && info.exitCode() == 0 &&
            info.readAllStandardOutput().contains(SinkName)) {
            qputenv("PULSE_SERVER", (QStringLiteral("unix:") + m_socket).toLocal8Bit());
            return true;
        }
        if (m_server.state() != QProcess::Running)
            break;
        QTest::qWait(100);
    }
    m_server.kill();
    m_server.waitForFinished();
    *why = QStringLiteral("pulseaudio gave no null sink: ") +
           QString::fromLocal8Bit(m_server.readAll()).right(400);
    return false;
}

void TestCuePlayback::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    QVERIFY(m_startDir.isValid());
    QString why;
    if (!startServer(&why))
        QSKIP(qPrintable(QStringLiteral("no sound server to record from: ") + why));

    QVERIFY(QDir(m_startDir.path()).mkdir(QStringLiteral("wave")));
    const std::pair<const char *, double> cues[] = {
        {"file.wav", 0.60}, {"start.wav", 0.35}, {"stop.wav", 0.25}, {"clear.wav", 0.45}};
    for (const auto &[name, seconds] : cues) {
        QFile file(m_startDir.filePath(QStringLiteral("wave/") + QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(toneWave(seconds)) > 0);
    }
    m_originalDir = QDir::currentPath();
}

void TestCuePlayback::cleanupTestCase()
{
    if (!m_originalDir.isEmpty())
        QDir::setCurrent(m_originalDir);
    if (m_server.state() == QProcess::Running) {
        m_server.terminate();
        if (!m_server.waitForFinished(3000))
            m_server.kill();
    }
}

void TestCuePlayback::startRecording()
{
    m_recorder.start(QStringLiteral("parec"),
                     {QStringLiteral("-s"), m_socket, QStringLiteral("-d"),
                      QLatin1String(SinkName) + QStringLiteral(".monitor"), QStringLiteral("--raw"),
                      QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(Rate),
                      QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=20")});
    QVERIFY(m_recorder.waitForStarted());
    // The stream is connected once silence arrives.
    QTRY_VERIFY(m_recorder.bytesAvailable() > 0);
}

QByteArray TestCuePlayback::stopRecording()
{
    QTest::qWait(300);
    m_recorder.terminate();
    m_recorder.waitForFinished(3000);
    return m_recorder.readAllStandardOutput();
}

void TestCuePlayback::cuesSoundWholeThroughThePauses()
{
    QVERIFY(QDir::setCurrent(m_startDir.path()));
    startRecording();

    QtSoundOutput sound;
    ThreadSleeper sleeper;
    {
        // The opening cue starts while the window is still being built and shown.
        CallerDlgFixture f({.sound = &sound, .sleeper = &sleeper});
        f.dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
        QTest::qWait(900);
        f.button("IDC_START")->click();
        QTest::qWait(700);
        // Three stop cues, the first two each followed by a pause of the window's thread.
        f.button("IDC_STOP")->click();
        QTest::qWait(600);
    }
    const QList<Sounding> found = soundings(stopRecording());
    const QString seen = describe(found);
    qInfo("recorded: %s", qPrintable(seen));

    // Opening, start and three stop cues, each as long as its file. This recording path loses
    // up to 20 ms of any sound: paplay of the 0.25 s tone records as 0.23 to 0.24 s.
    const QList<double> lengths{0.60, 0.35, 0.25, 0.25, 0.25};
    QVERIFY2(found.size() == lengths.size(), qPrintable(seen));
    for (qsizetype i = 0; i < lengths.size(); ++i)
        QVERIFY2(std::abs(found[i].length - lengths[i]) <= 0.03, qPrintable(seen));
}

void TestCuePlayback::newCueCutsOffTheOneSounding()
{
    startRecording();
    {
        QtSoundOutput sound;
        QVERIFY(sound.open(m_startDir.filePath(QStringLiteral("wave/file.wav"))));
        sound.play();
        QTest::qWait(200);
        // The same file again starts from its beginning: 0.2 s cut, then 0.6 s whole.
        sound.close();
        QVERIFY(sound.open(m_startDir.filePath(QStringLiteral("wave/file.wav"))));
        sound.play();
        QTest::qWait(1000);
    }
    const QList<Sounding> found = soundings(stopRecording());
    const QString seen = describe(found);
    qInfo("recorded: %s", qPrintable(seen));
    QVERIFY2(found.size() == 2, qPrintable(seen));
    // The first sounded for the 0.2 s less the time the sink takes to start.
    QVERIFY2(found[0].length > 0.10 && found[0].length <= 0.21, qPrintable(seen));
    QVERIFY2(std::abs(found[1].length - 0.60) <= 0.03, qPrintable(seen));
}

QTEST_MAIN(TestCuePlayback)
#include "tst_cueplayback.moc"
