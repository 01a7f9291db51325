#include "wavesound.h"

#include <QTest>

namespace {

QByteArray le(quint32 value, int bytes)
{
    QByteArray out;
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
    return out;
}

QByteArray chunk(const QByteArray &id, const QByteArray &body)
{
    QByteArray out = id + le(quint32(body.size()), 4) + body;
    if (body.size() % 2)
        out.append('\0');
    return out;
}

QByteArray fmt(quint16 tag, quint16 channels, quint32 rate, quint16 bits)
{
    const quint16 align = channels * bits / 8;
    return chunk("fmt ", le(tag, 2) + le(channels, 2) + le(rate, 4) + le(rate * align, 4) +
                             le(align, 2) + le(bits, 2));
}

QByteArray riff(const QByteArray &chunks)
{
    return "RIFF" + le(quint32(4 + chunks.size()), 4) + "WAVE" + chunks;
}

// WAVE_FORMAT_EXTENSIBLE whose sub-format GUID begins with the given tag.
QByteArray extensible(quint16 subTag, quint16 bits)
{
    const QByteArray guidRest = QByteArray::fromHex("000000001000800000aa00389b71");
    return chunk("fmt ", le(0xFFFE, 2) + le(2, 2) + le(48000, 4) + le(48000 * 2 * bits / 8, 4) +
                             le(2 * bits / 8, 2) + le(bits, 2) + le(22, 2) + le(bits, 2) +
                             le(3, 4) + le(subTag, 2) + guidRest);
}

} // namespace

class TestWaveSound : public QObject
{
    Q_OBJECT

private slots:
    void playable_data();
    void playable();
    void refused_data();
    void refused();
};

void TestWaveSound::playable_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("encoding");
    QTest::addColumn<QByteArray>("samples");

    const QByteArray four = QByteArray::fromHex("0102030405060708");
    QTest::newRow("16-bit mono") << riff(fmt(1, 1, 22050, 16) + chunk("data", four)) << 22050 << 1
                                 << int(WaveSound::Encoding::Int16) << four;
    QTest::newRow("8-bit stereo") << riff(fmt(1, 2, 11025, 8) + chunk("data", four)) << 11025 << 2
                                  << int(WaveSound::Encoding::UInt8) << four;
    QTest::newRow("32-bit float") << riff(fmt(3, 1, 44100, 32) + chunk("data", four)) << 44100 << 1
                                  << int(WaveSound::Encoding::Float32) << four;
    QTest::newRow("24-bit widened to 32")
        << riff(fmt(1, 1, 8000, 24) + chunk("data", QByteArray::fromHex("112233445566"))) << 8000
        << 1 << int(WaveSound::Encoding::Int32) << QByteArray::fromHex("0011223300445566");
    QTest::newRow("extensible PCM") << riff(extensible(1, 16) + chunk("data", four)) << 48000 << 2
                                    << int(WaveSound::Encoding::Int16) << four;
    QTest::newRow("odd-sized chunk before the data is skipped with its pad byte")
        << riff(fmt(1, 1, 22050, 16) + chunk("LIST", "abc") + chunk("data", four)) << 22050 << 1
        << int(WaveSound::Encoding::Int16) << four;
    QTest::newRow("data cut short keeps whole frames")
        << riff(fmt(1, 2, 22050, 16) + "data" + le(100, 4) + QByteArray::fromHex("0102030405"))
        << 22050 << 2 << int(WaveSound::Encoding::Int16) << QByteArray::fromHex("01020304");
}

void TestWaveSound::playable()
{
    QFETCH(QByteArray, file);
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(int, encoding);
    QFETCH(QByteArray, samples);
    QString why;
    const std::optional<WaveSound> sound = parseWave(file, &why);
    QVERIFY2(sound, qPrintable(why));
    QCOMPARE(sound->sampleRate, rate);
    QCOMPARE(sound->channels, channels);
    QCOMPARE(int(sound->encoding), encoding);
    QCOMPARE(sound->samples, samples);
}

void TestWaveSound::refused_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("reason");

    const QByteArray data = chunk("data", "\1\2");
    QTest::newRow("empty") << QByteArray() << "not a RIFF WAVE file";
    QTest::newRow("text") << QByteArray("hello, this is not a sound") << "not a RIFF WAVE file";
    QTest::newRow("RIFF of another kind")
        << QByteArray("RIFF\4\0\0\0AVI ") << "not a RIFF WAVE file";
    QTest::newRow("no format") << riff(data) << "no format chunk";
    QTest::newRow("short format") << riff(chunk("fmt ", "\1\0\1\0") + data) << "no format chunk";
    QTest::newRow("no data") << riff(fmt(1, 1, 22050, 16)) << "no data chunk";
    QTest::newRow("chunk size past the end hides the data")
        << riff(fmt(1, 1, 22050, 16) + "LIST" + le(0xFFFFFFF0, 4) + data) << "no data chunk";
    QTest::newRow("MP3 inside") << riff(fmt(0x55, 1, 22050, 0) + data)
                                << "encoding 85 with 0 bits is not supported";
    QTest::newRow("ADPCM") << riff(fmt(2, 1, 22050, 4) + data)
                           << "encoding 2 with 4 bits is not supported";
    QTest::newRow("12-bit PCM") << riff(fmt(1, 1, 22050, 12) + data)
                                << "encoding 1 with 12 bits is not supported";
    QTest::newRow("extensible A-law")
        << riff(extensible(6, 8) + data) << "encoding 6 with 8 bits is not supported";
    QTest::newRow("no channels") << riff(fmt(1, 0, 22050, 16) + data)
                                 << "0 channels at 22050 Hz cannot be played";
    QTest::newRow("rate zero") << riff(fmt(1, 1, 0, 16) + data)
                               << "1 channels at 0 Hz cannot be played";
}

void TestWaveSound::refused()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, reason);
    QString why;
    QVERIFY(!parseWave(file, &why));
    QCOMPARE(why, reason);
}

QTEST_MAIN(TestWaveSound)
#include "tst_wavesound.moc"
