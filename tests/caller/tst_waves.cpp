#include <QDataStream>
#include <QFile>
#include <QTest>

#include <cmath>

// The generated cues: real 16-bit mono PCM files, short, audible, and free of clicks at their
// ends.
class TestWaves : public QObject
{
    Q_OBJECT

private slots:
    void cues_data();
    void cues();
};

void TestWaves::cues_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"file.wav", "start.wav", "stop.wav", "clear.wav"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestWaves::cues()
{
    QFETCH(QString, name);
    QFile file(QStringLiteral(WAVE_DIR "/") + name);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() > 44);
    QCOMPARE(bytes.left(4), QByteArray("RIFF"));
    QCOMPARE(bytes.mid(8, 8), QByteArray("WAVEfmt "));

    QDataStream in(bytes);
    in.setByteOrder(QDataStream::LittleEndian);
    quint32 riffSize, fmtSize, rate, byteRate, dataSize;
    quint16 format, channels, align, bits;
    char tag[4];
    in.skipRawData(4);
    in >> riffSize;
    in.skipRawData(8);
    in >> fmtSize >> format >> channels >> rate >> byteRate >> align >> bits;
    in.readRawData(tag, 4);
    in >> dataSize;
    QCOMPARE(riffSize, quint32(bytes.size() - 8));
    QCOMPARE(fmtSize, 16u);
    QCOMPARE(format, quint16(1));
    QCOMPARE(channels, quint16(1));
    QVERIFY(rate == 22050 || rate == 44100);
    QCOMPARE(bits, quint16(16));
    QCOMPARE(QByteArray(tag, 4), QByteArray("data"));
    QCOMPARE(dataSize, quint32(bytes.size() - 44));

    const int count = int(dataSize / 2);
    const double seconds = double(count) / rate;
    QVERIFY2(seconds > 0.15 && seconds < 1.5, qPrintable(QString::number(seconds)));
    int peak = 0;
    QList<qint16> samples(count);
    for (qint16 &s : samples) {
        in >> s;
        peak = std::max(peak, std::abs(int(s)));
    }
    QVERIFY2(peak > 8000 && peak < 32000, qPrintable(QString::number(peak)));
    QVERIFY(std::abs(samples.constFirst()) < 500);
    QVERIFY(std::abs(samples.constLast()) < 500);
}

QTEST_APPLESS_MAIN(TestWaves)
#include "tst_waves.moc"
