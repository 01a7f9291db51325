#include "avireader.h"
#include "aviwriter.h"
#include "fifowatch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

using Format = AviWriter::Format;
using Index = AviWriter::Index;

namespace {

const std::vector<quint32> eightColours = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF,
                                           0xFFFF00, 0x00FFFF, 0xFF00FF, 0xFFFFFF};
// Two 3 by 2 pictures, rows from the top: an odd width makes every format pad its rows.
const std::vector<std::uint8_t> pictureA = {1, 2, 3, 4, 5, 6};
const std::vector<std::uint8_t> pictureB = {7, 0, 1, 2, 3, 4};

std::vector<quint32> rgbOf(const std::vector<std::uint8_t> &picture)
{
    std::vector<quint32> rgb;
    for (const std::uint8_t i : picture)
        rgb.push_back(eightColours[i]);
    return rgb;
}

QList<quint32> argbOf(const std::vector<std::uint8_t> &picture)
{
    QList<quint32> argb;
    for (const std::uint8_t i : picture)
        argb.append(0xFF000000u | eightColours[i]);
    return argb;
}

// The two pictures as a clip in the given format and layout.
QByteArray twoPictureClip(Format format, bool topDown = false, Index index = Index::Relative,
                          bool records = false)
{
    AviWriter writer(3, 2, format);
    writer.setPalette(eightColours);
    writer.setTopDown(topDown);
    writer.setIndex(index);
    writer.setRecordLists(records);
    if (format == Format::Rle8) {
        writer.addFrame(encodeRle8(pictureA, {}, 3, 2, topDown));
        writer.addFrame(encodeRle8(pictureB, pictureA, 3, 2, topDown));
    } else if (format == Format::Palette8) {
        writer.addFrame(packIndexed(pictureA, 3, 2, topDown));
        writer.addFrame(packIndexed(pictureB, 3, 2, topDown));
    } else {
        writer.addFrame(packRgb(rgbOf(pictureA), 3, 2, format, topDown));
        writer.addFrame(packRgb(rgbOf(pictureB), 3, 2, format, topDown));
    }
    return writer.data();
}

// A 4 by 3 RLE8 clip from hand-made codes.
QByteArray rleClip(const QList<QByteArray> &frames, Index index = Index::Relative)
{
    AviWriter writer(4, 3, Format::Rle8);
    writer.setPalette(eightColours);
    writer.setIndex(index);
    for (const QByteArray &f : frames)
        writer.addFrame(f);
    return writer.data();
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (const int v : values)
        out.append(char(v));
    return out;
}

// Where the body of the first chunk or list with this code starts.
qsizetype bodyOf(const QByteArray &data, const char *id)
{
    const qsizetype at = data.indexOf(id);
    Q_ASSERT(at >= 0);
    return at + 8;
}

QByteArray patched32(QByteArray data, qsizetype at, quint32 value)
{
    for (int i = 0; i < 4; ++i)
        data[at + i] = char(value >> (8 * i));
    return data;
}

QByteArray patched16(QByteArray data, qsizetype at, quint32 value)
{
    data[at] = char(value);
    data[at + 1] = char(value >> 8);
    return data;
}

quint32 read32(const QByteArray &data, qsizetype at)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | quint8(data[at + i]);
    return value;
}

// A bit-field clip with the 12 bytes of its colour masks cut out, and every size around them
// made to match: a plain 40-byte bitmap header with nothing after it.
QByteArray withoutMasks(QByteArray data)
{
    const qsizetype strf = bodyOf(data, "strf");
    data.remove(strf + 40, 12);
    for (const qsizetype sizeAt :
         {qsizetype(4), data.indexOf("hdrl") - 4, data.indexOf("strl") - 4, strf - 4})
        data = patched32(data, sizeAt, read32(data, sizeAt) - 12);
    return data;
}

QByteArray renamed(QByteArray data, const char *from, const char *to)
{
    return data.replace(data.indexOf(from), 4, to);
}

// The same clip with its stream list given twice.
QByteArray withSecondStream(QByteArray data)
{
    const qsizetype list = data.indexOf("strl") - 8;
    const qsizetype length =
        8 + qsizetype(quint8(data[list + 4])) + (qsizetype(quint8(data[list + 5])) << 8);
    data.insert(list + length, data.mid(list, length));
    const qsizetype hdrl = data.indexOf("hdrl") - 4;
    const quint32 hdrlSize = quint32(quint8(data[hdrl])) | quint32(quint8(data[hdrl + 1])) << 8;
    data = patched32(data, hdrl, hdrlSize + quint32(length));
    return patched32(data, 4, quint32(data.size() - 8));
}

QList<quint32> decoded(AviReader &reader, int frame)
{
    QList<quint32> pixels(reader.frameSize().width() * reader.frameSize().height());
    if (!reader.decodeFrame(frame, {pixels.data(), std::size_t(pixels.size())}))
        return {};
    return pixels;
}

// Opening either refuses with a reason or gives a clip whose every frame decodes, forwards and
// backwards.
void expectCleanResult(const QByteArray &data, const char *what)
{
    AviReader reader;
    if (!reader.openData(data)) {
        QVERIFY2(!reader.errorString().isEmpty(), what);
        QVERIFY2(!reader.isOpen(), what);
        return;
    }
    QVERIFY2(reader.frameCount() > 0, what);
    const qsizetype area = qsizetype(reader.frameSize().width()) * reader.frameSize().height();
    QVERIFY2(area > 0 && area <= AviReader::MaxFramePixels, what);
    for (int f = 0; f < reader.frameCount(); ++f)
        QVERIFY2(decoded(reader, f).size() == area, what);
    QVERIFY2(decoded(reader, 0).size() == area, what);
}

QString hexText(quint32 v)
{
    return QString::number(v, 16);
}

QString programFile(const char *name)
{
    return QStringLiteral(KIT_PROGRAM_DIR "/") + QLatin1String(name);
}

} // namespace

class TestAviReader : public QObject
{
    Q_OBJECT

private slots:
    void generatedClips_data();
    void generatedClips();
    void countdownPixels_data();
    void countdownPixels();
    void countdownDecodesAlikeInAnyOrder();
    void stillPixels();
    void formats_data();
    void formats();
    void rleUpdates_data();
    void rleUpdates();
    void emptyFramesRepeat();
    void fieldValues_data();
    void fieldValues();
    void refusals_data();
    void refusals();
    void tooManyFrames();
    void everyTruncation();
    void everyTruncationWithItsSizeMended();
    void flippedBytes();
    void files_data();
    void files();
};

void TestAviReader::generatedClips_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("encoding");
    QTest::newRow("still shown after start-up")
        << programFile("COUNT16.AVI") << 1 << int(AviReader::Encoding::Rgb24);
    QTest::newRow("countdown played while spinning")
        << programFile("wave/count16.AVI") << 75 << int(AviReader::Encoding::Rle8);
}

void TestAviReader::generatedClips()
{
    QFETCH(QString, path);
    QFETCH(int, frames);
    QFETCH(int, encoding);
    AviReader reader;
    QVERIFY2(reader.openFile(path), qPrintable(reader.errorString()));
    QCOMPARE(reader.frameCount(), frames);
    QCOMPARE(int(reader.encoding()), encoding);
    QCOMPARE(reader.rate(), 15u);
    QCOMPARE(reader.scale(), 1u);
    QCOMPARE(reader.frameMicroseconds(), 66667);
    // The control's area is 91 by 69 pixels with a 2-pixel edge inside.
    QCOMPARE(reader.frameSize(), QSize(88, 64));
    QVERIFY(!reader.isTopDown());
}

void TestAviReader::countdownPixels_data()
{
    QTest::addColumn<int>("frame");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<quint32>("colour");
    QTest::newRow("corner is background") << 0 << QPoint(0, 0) << 0xFFF0F0F0u;
    QTest::newRow("sweep starts at twelve") << 0 << QPoint(44, 5) << 0xFF0000FFu;
    QTest::newRow("six o'clock not swept at first") << 0 << QPoint(44, 59) << 0xFFC8D0E0u;
    QTest::newRow("ring full at a digit's last frame") << 14 << QPoint(44, 59) << 0xFF0000FFu;
    QTest::newRow("ring starts again with the next digit") << 15 << QPoint(44, 59) << 0xFFC8D0E0u;
    QTest::newRow("five has its top bar") << 0 << QPoint(44, 18) << 0xFFE00000u;
    QTest::newRow("four has no top bar") << 15 << QPoint(44, 18) << 0xFFF0F0F0u;
    QTest::newRow("four has its left upright") << 15 << QPoint(36, 24) << 0xFFE00000u;
    QTest::newRow("five has no upper right upright") << 0 << QPoint(52, 24) << 0xFFF0F0F0u;
    QTest::newRow("one stands in the middle") << 74 << QPoint(44, 40) << 0xFFE00000u;
}

void TestAviReader::countdownPixels()
{
    QFETCH(int, frame);
    QFETCH(QPoint, point);
    QFETCH(quint32, colour);
    AviReader reader;
    QVERIFY(reader.openFile(programFile("wave/count16.AVI")));
    const QList<quint32> pixels = decoded(reader, frame);
    QCOMPARE(pixels.size(), 88 * 64);
    QCOMPARE(hexText(pixels[point.y() * 88 + point.x()]), hexText(colour));
}

void TestAviReader::countdownDecodesAlikeInAnyOrder()
{
    AviReader reader;
    QVERIFY(reader.openFile(programFile("wave/count16.AVI")));
    std::vector<QList<quint32>> inOrder;
    for (int f = 0; f < reader.frameCount(); ++f)
        inOrder.push_back(decoded(reader, f));
    QVERIFY(inOrder[0] != inOrder[1]);
    for (int f = reader.frameCount() - 1; f >= 0; f -= 7)
        QCOMPARE(decoded(reader, f), inOrder[std::size_t(f)]);
    for (const int f : {3, 3, 40, 2, 74, 0, 15})
        QCOMPARE(decoded(reader, f), inOrder[std::size_t(f)]);
}

void TestAviReader::stillPixels()
{
    AviReader reader;
    QVERIFY(reader.openFile(programFile("COUNT16.AVI")));
    const QList<quint32> pixels = decoded(reader, 0);
    auto at = [&](int x, int y) { return pixels[y * 88 + x]; };
    auto red = [&](int x, int y) { return (at(x, y) >> 16) & 0xFF; };
    auto blue = [&](int x, int y) { return at(x, y) & 0xFF; };
    QCOMPARE(hexText(at(0, 0)), hexText(0xFFF0F0F0u));
    // The blue ball B stands high on the left, the red I low beside it.
    QCOMPARE(hexText(at(13, 24)), hexText(0xFFFFFFFFu));
    QVERIFY(blue(9, 31) > 2 * red(9, 31));
    QCOMPARE(hexText(at(22, 40)), hexText(0xFFFFFFFFu));
    QVERIFY(red(27, 47) > 2 * blue(27, 47));
    QCOMPARE(hexText(at(9, 47)), hexText(0xFFF0F0F0u));
}

void TestAviReader::formats_data()
{
    QTest::addColumn<QByteArray>("clip");
    QTest::addColumn<bool>("topDown");
    QTest::newRow("8-bit palette, bottom-up") << twoPictureClip(Format::Palette8) << false;
    QTest::newRow("8-bit palette, top-down") << twoPictureClip(Format::Palette8, true) << true;
    QTest::newRow("16-bit 555") << twoPictureClip(Format::Rgb555) << false;
    QTest::newRow("16-bit 565 bit fields") << twoPictureClip(Format::Rgb565) << false;
    QTest::newRow("24-bit") << twoPictureClip(Format::Rgb24) << false;
    QTest::newRow("24-bit, top-down") << twoPictureClip(Format::Rgb24, true) << true;
    QTest::newRow("32-bit") << twoPictureClip(Format::Rgb32) << false;
    QTest::newRow("RLE8 with a delta frame") << twoPictureClip(Format::Rle8) << false;
    QTest::newRow("RLE8, top-down") << twoPictureClip(Format::Rle8, true) << true;
    QTest::newRow("index from the start of the file")
        << twoPictureClip(Format::Palette8, false, Index::Absolute) << false;
    QTest::newRow("no index: the movie list is walked")
        << twoPictureClip(Format::Rgb24, false, Index::None) << false;
    QTest::newRow("frames in record lists, indexed")
        << twoPictureClip(Format::Rle8, false, Index::Relative, true) << false;
    QTest::newRow("frames in record lists, walked")
        << twoPictureClip(Format::Palette8, false, Index::None, true) << false;
}

void TestAviReader::formats()
{
    QFETCH(QByteArray, clip);
    QFETCH(bool, topDown);
    AviReader reader;
    QVERIFY2(reader.openData(clip), qPrintable(reader.errorString()));
    QCOMPARE(reader.frameCount(), 2);
    QCOMPARE(reader.frameSize(), QSize(3, 2));
    QCOMPARE(reader.isTopDown(), topDown);
    QCOMPARE(decoded(reader, 0), argbOf(pictureA));
    QCOMPARE(decoded(reader, 1), argbOf(pictureB));
    QCOMPARE(decoded(reader, 0), argbOf(pictureA));
}

void TestAviReader::rleUpdates_data()
{
    // Rows in file order are bottom-up; the expected pixels are from the top.
    const QByteArray whole = bytes({4, 1, 0, 0, 4, 2, 0, 0, 4, 3, 0, 1});
    const QByteArray deltaIntoMiddle = bytes({0, 2, 1, 1, 2, 5, 0, 1});
    const QByteArray lineThenLiteral = bytes({0, 0, 0, 3, 6, 7, 6, 0, 0, 1});
    const QByteArray skipsAtStart = bytes({0, 2, 2, 0, 2, 1, 0, 1});
    const QByteArray noEndCode = bytes({1, 7});
    // Down a line, one pixel, then a delta taken from where that pixel left off.
    const QByteArray deltaAfterRun = bytes({0, 2, 0, 1, 1, 4, 0, 2, 1, 1, 1, 5, 0, 1});
    const QList<quint32> f0 = {0xFF0000FF, 0xFF0000FF, 0xFF0000FF, 0xFF0000FF,
                               0xFF00FF00, 0xFF00FF00, 0xFF00FF00, 0xFF00FF00,
                               0xFFFF0000, 0xFFFF0000, 0xFFFF0000, 0xFFFF0000};
    QList<quint32> f1 = f0;
    f1[5] = f1[6] = 0xFF00FFFF;
    QList<quint32> f3 = f1;
    f3[4] = 0xFFFF00FF;
    f3[5] = 0xFFFFFFFF;
    f3[6] = 0xFFFF00FF;

    QTest::addColumn<QByteArray>("clip");
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<QList<QList<quint32>>>("expected");
    const QByteArray clip = rleClip({whole, deltaIntoMiddle, QByteArray(), lineThenLiteral});
    const QList<QList<quint32>> frames = {f0, f1, f1, f3};
    QTest::newRow("updates in order") << clip << QList<int>{0, 1, 2, 3} << frames;
    QTest::newRow("going back replays from the first") << clip << QList<int>{3, 1, 0, 2} << frames;
    QTest::newRow("jumping ahead applies the frames between") << clip << QList<int>{0, 3} << frames;
    QList<quint32> movedOn = f0;
    movedOn[4] = 0xFFFFFF00;
    movedOn[2] = 0xFF00FFFF;
    QTest::newRow("a delta moves on from where the codes before it left off")
        << rleClip({whole, deltaAfterRun}) << QList<int>{0, 1}
        << QList<QList<quint32>>{f0, movedOn};
    QList<quint32> skipped(12, 0xFF000000);
    skipped[10] = skipped[11] = 0xFFFF0000;
    QTest::newRow("pixels a first frame skips show colour 0")
        << rleClip({skipsAtStart}) << QList<int>{0} << QList<QList<quint32>>{skipped};
    QList<quint32> unended(12, 0xFF000000);
    unended[8] = 0xFFFFFFFF;
    QTest::newRow("data without an end code ends the frame")
        << rleClip({noEndCode}) << QList<int>{0} << QList<QList<quint32>>{unended};
}

void TestAviReader::rleUpdates()
{
    QFETCH(QByteArray, clip);
    QFETCH(QList<int>, order);
    QFETCH(QList<QList<quint32>>, expected);
    AviReader reader;
    QVERIFY2(reader.openData(clip), qPrintable(reader.errorString()));
    for (const int f : order)
        QCOMPARE(decoded(reader, f), expected[f]);
}

void TestAviReader::emptyFramesRepeat()
{
    AviWriter writer(3, 2, Format::Palette8);
    writer.setPalette(eightColours);
    writer.addFrame(QByteArray());
    writer.addFrame(packIndexed(pictureA, 3, 2, false));
    writer.addFrame(QByteArray());
    writer.addFrame(QByteArray());
    writer.addFrame(packIndexed(pictureB, 3, 2, false));
    AviReader reader;
    QVERIFY2(reader.openData(writer.data()), qPrintable(reader.errorString()));
    QCOMPARE(reader.frameCount(), 5);
    QCOMPARE(decoded(reader, 0), QList<quint32>(6, 0xFF000000));
    QCOMPARE(decoded(reader, 3), argbOf(pictureA));
    QCOMPARE(decoded(reader, 2), argbOf(pictureA));
    QCOMPARE(decoded(reader, 4), argbOf(pictureB));
}

void TestAviReader::fieldValues_data()
{
    const QByteArray base = twoPictureClip(Format::Palette8);
    const qsizetype avih = bodyOf(base, "avih");
    const qsizetype strh = bodyOf(base, "strh");
    const qsizetype strf = bodyOf(base, "strf");
    QTest::addColumn<QByteArray>("clip");
    QTest::addColumn<int>("frames");
    QTest::addColumn<qint64>("microseconds");
    QTest::newRow("huge frame total in the main header")
        << patched32(base, avih + 16, 0xFFFFFFFF) << 2 << qint64(66667);
    QTest::newRow("huge stream count in the main header")
        << patched32(base, avih + 24, 0xFFFFFFFF) << 2 << qint64(66667);
    QTest::newRow("huge stream length")
        << patched32(base, strh + 32, 0xFFFFFFFF) << 2 << qint64(66667);
    QTest::newRow("stream length shorter than the frames")
        << patched32(base, strh + 32, 1) << 1 << qint64(66667);
    QTest::newRow("huge image size")
        << patched32(base, strf + 20, 0xFFFFFFFF) << 2 << qint64(66667);
    QTest::newRow("rate from the stream header, 29.97 a second")
        << patched32(patched32(base, strh + 20, 1001), strh + 24, 30000) << 2 << qint64(33367);
    QTest::newRow("rate from the main header when the stream gives none")
        << patched32(patched32(base, strh + 24, 0), avih, 40000) << 2 << qint64(40000);
    QTest::newRow("slowest rate") << patched32(patched32(base, strh + 20, 0xFFFFFFFF), strh + 24, 1)
                                  << 2 << qint64(0xFFFFFFFF) * 1000000;
}

void TestAviReader::fieldValues()
{
    QFETCH(QByteArray, clip);
    QFETCH(int, frames);
    QFETCH(qint64, microseconds);
    AviReader reader;
    QVERIFY2(reader.openData(clip), qPrintable(reader.errorString()));
    QCOMPARE(reader.frameCount(), frames);
    QCOMPARE(reader.frameMicroseconds(), microseconds);
    QCOMPARE(decoded(reader, frames - 1), argbOf(frames == 1 ? pictureA : pictureB));
}

void TestAviReader::refusals_data()
{
    const QByteArray base = twoPictureClip(Format::Palette8);
    const QByteArray rgb = twoPictureClip(Format::Rgb565);
    const qsizetype avih = bodyOf(base, "avih");
    const qsizetype strh = bodyOf(base, "strh");
    const qsizetype strf = bodyOf(base, "strf");
    const qsizetype idx1 = bodyOf(base, "idx1");
    QTest::addColumn<QByteArray>("clip");
    QTest::addColumn<QString>("reason");

    QTest::newRow("empty file") << QByteArray() << "not a RIFF file";
    QTest::newRow("text file") << QByteArray("hello, this is no clip at all") << "not a RIFF file";
    QTest::newRow("wave file") << renamed(base, "AVI ", "WAVE") << "'WAVE', not an AVI clip";
    QTest::newRow("RIFF size past the end")
        << patched32(base, 4, quint32(base.size())) << "cut short";
    QTest::newRow("header list past its end")
        << patched32(base, bodyOf(base, "LIST") - 4, 0x7FFFFFF0) << "past the end of its list";
    QTest::newRow("stream header past its list")
        << patched32(base, strh - 4, 0x10000) << "chunk 'strh'";
    QTest::newRow("no header list") << renamed(base, "hdrl", "hdrX") << "no header list";
    QTest::newRow("no main header") << renamed(base, "avih", "avXh") << "no main header";
    QTest::newRow("no movie list") << renamed(base, "movi", "movX") << "no movie list";
    QTest::newRow("no stream header") << renamed(base, "strh", "strX") << "stream header";
    QTest::newRow("no frame format") << renamed(base, "strf", "strX") << "no format";
    QTest::newRow("sound stream") << renamed(base, "vids", "auds") << "sound stream";
    QTest::newRow("text stream") << renamed(base, "vids", "txts") << "'txts'; only video";
    QTest::newRow("two video streams") << withSecondStream(base) << "more than one video stream";
    QTest::newRow("zero width") << patched32(base, strf + 4, 0) << "width of 0";
    QTest::newRow("negative width") << patched32(base, strf + 4, quint32(-3)) << "width of -3";
    QTest::newRow("zero height") << patched32(base, strf + 8, 0) << "height of 0";
    QTest::newRow("most negative height")
        << patched32(base, strf + 8, 0x80000000) << "larger than a clip may have";
    QTest::newRow("frame side over the limit")
        << patched32(base, strf + 4, 5000) << "larger than a clip may have";
    QTest::newRow("frame area over the limit")
        << patched32(patched32(base, strf + 4, 4096), strf + 8, 4096)
        << "larger than a clip may have";
    QTest::newRow("4-bit frames") << patched16(base, strf + 14, 4) << "4 bits per pixel";
    QTest::newRow("RLE8 of 24 bits")
        << patched16(patched32(base, strf + 16, 1), strf + 14, 24) << "RLE8 frames with 24 bits";
    QTest::newRow("RLE4") << patched32(base, strf + 16, 2) << "compressed as 2";
    QTest::newRow("other compression") << patched32(base, strf + 16, 0x44495658) << "'XVID'";
    QTest::newRow("bit fields of 8 bits") << patched32(base, strf + 16, 3) << "bit fields with 8";
    QTest::newRow("overlapping colour masks")
        << patched32(rgb, bodyOf(rgb, "strf") + 44, 0xFFE0) << "not usable";
    QTest::newRow("bit fields of a 40-byte format without masks")
        << withoutMasks(rgb) << "colour masks of the bit fields are missing";
    QTest::newRow("gapped colour mask")
        << patched32(rgb, bodyOf(rgb, "strf") + 48, 0x0015) << "not usable";
    QTest::newRow("palette claims 300 colours") << patched32(base, strf + 32, 300) << "at most 256";
    QTest::newRow("palette larger than the format")
        << patched32(base, strf + 32, 9) << "does not fit";
    QTest::newRow("bitmap header larger than the format")
        << patched32(base, strf, 1000) << "bitmap header claims 1000";
    QTest::newRow("bitmap header too small")
        << patched32(base, strf, 12) << "bitmap header claims 12";
    QTest::newRow("no frame rate")
        << patched32(patched32(base, strh + 24, 0), avih, 0) << "no frame rate";
    QTest::newRow("frames shorter than their format")
        << patched32(base, strf + 8, 20) << "holds 8 bytes, 80 needed";
    QTest::newRow("index points outside the file")
        << patched32(base, idx1 + 8, 0x7FFFFFF0) << "points at no frame chunk";
    QTest::newRow("later index entry points outside")
        << patched32(base, idx1 + 16 + 8, 0xFFFFFF00) << "entry 1 points outside the movie list";
    QTest::newRow("index length lies") << patched32(base, idx1 + 12, 4) << "entry 0 does not match";
    QTest::newRow("index length past the movie list")
        << patched32(base, idx1 + 16 + 12, 0x100000) << "entry 1 points outside";
    QTest::newRow("no frames") << rleClip({}) << "holds no frames";
    QTest::newRow("RLE run past the end of a line")
        << rleClip({bytes({5, 1, 0, 1})}) << "run of 5 pixels at x 0 passes the end";
    QTest::newRow("RLE run past the end of a line later")
        << rleClip({bytes({3, 1, 2, 2, 0, 1})}) << "run of 2 pixels at x 3";
    QTest::newRow("RLE literal past the end of a line")
        << rleClip({bytes({2, 1, 0, 3, 1, 2, 3, 0, 0, 1})}) << "3 literal pixels at x 2";
    QTest::newRow("RLE literal cut short")
        << rleClip({bytes({0, 3, 1, 2})}) << "literal pixels are cut short";
    QTest::newRow("RLE delta past the frame")
        << rleClip({bytes({0, 2, 9, 0, 0, 1})}) << "delta moves past";
    QTest::newRow("RLE delta past the frame from the middle of a line")
        << rleClip({bytes({2, 1, 0, 2, 3, 0, 0, 1})}) << "delta moves past";
    QTest::newRow("RLE delta below the frame")
        << rleClip({bytes({0, 2, 0, 4, 0, 1})}) << "delta moves past";
    QTest::newRow("RLE delta cut short") << rleClip({bytes({0, 2, 1})}) << "delta is cut short";
    QTest::newRow("RLE pixels below the last line")
        << rleClip({bytes({0, 0, 0, 0, 0, 0, 1, 1, 0, 1})}) << "below the last line";
    QTest::newRow("RLE end of line below the last line")
        << rleClip({bytes({0, 0, 0, 0, 0, 0, 0, 0, 0, 1})}) << "end of line lies below";
    QTest::newRow("RLE fault in a later frame")
        << rleClip({bytes({0, 1}), bytes({4, 1, 0, 0, 0, 2, 4, 0, 1, 1, 0, 1})}) << "frame 1:";
    QTest::newRow("longer than a clip may be")
        << QByteArray(AviReader::MaxFileBytes + 1, 'R') << "longer than";
}

void TestAviReader::refusals()
{
    QFETCH(QByteArray, clip);
    QFETCH(QString, reason);
    AviReader reader;
    QVERIFY(!reader.openData(clip));
    QVERIFY2(reader.errorString().contains(reason), qPrintable(reader.errorString()));
    QVERIFY(!reader.errorString().isEmpty());
    QVERIFY(!reader.isOpen());
    QCOMPARE(reader.frameCount(), 0);
    QCOMPARE(reader.frameSize(), QSize(0, 0));
    quint32 pixel = 0;
    QVERIFY(!reader.decodeFrame(0, {&pixel, 1}));
}

void TestAviReader::tooManyFrames()
{
    AviWriter writer(1, 1, Format::Palette8);
    writer.setPalette(eightColours);
    writer.addFrame(QByteArray(4, '\1'));
    for (int i = 0; i < AviReader::MaxFrames; ++i)
        writer.addFrame(QByteArray());
    const QByteArray clip = writer.data();
    // Through the index, and by walking the movie list once the index is hidden.
    for (const QByteArray &data : {clip, renamed(clip, "idx1", "idxX")}) {
        AviReader reader;
        QVERIFY(!reader.openData(data));
        QVERIFY2(reader.errorString().contains(QStringLiteral("more than 65535 frames")),
                 qPrintable(reader.errorString()));
    }
}

void TestAviReader::everyTruncation()
{
    for (const QByteArray &clip :
         {twoPictureClip(Format::Palette8), twoPictureClip(Format::Rle8)}) {
        for (qsizetype length = 0; length < clip.size(); ++length) {
            AviReader reader;
            QVERIFY(!reader.openData(clip.left(length)));
            QVERIFY(!reader.errorString().isEmpty());
        }
    }
}

void TestAviReader::everyTruncationWithItsSizeMended()
{
    const QByteArray clips[] = {twoPictureClip(Format::Palette8), twoPictureClip(Format::Rle8),
                                twoPictureClip(Format::Rgb565, false, Index::None, true)};
    int accepted = 0;
    for (const QByteArray &clip : clips) {
        for (qsizetype length = 12; length < clip.size(); ++length) {
            const QByteArray cut = patched32(clip.left(length), 4, quint32(length - 8));
            expectCleanResult(cut, "truncation");
            AviReader reader;
            accepted += reader.openData(cut);
        }
    }
    // Cutting the index off leaves clips that play by walking their movie list.
    QVERIFY(accepted > 0);
}

void TestAviReader::flippedBytes()
{
    const QByteArray clips[] = {twoPictureClip(Format::Palette8), twoPictureClip(Format::Rle8),
                                twoPictureClip(Format::Rgb565, true),
                                rleClip({bytes({0, 2, 1, 1, 2, 5, 0, 0, 3, 1, 0, 1})})};
    for (const QByteArray &clip : clips) {
        for (qsizetype at = 0; at < clip.size(); ++at) {
            for (const char mask : {char(0xFF), char(0x80), char(0x01), char(0x10)}) {
                QByteArray flipped = clip;
                flipped[at] = char(flipped[at] ^ mask);
                expectCleanResult(flipped, "flipped byte");
            }
        }
    }
}

void TestAviReader::files_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing file") << "missing.avi" << qint64(-1) << "missing.avi: no such file";
    QTest::newRow("folder") << "folder" << qint64(-2) << "is a folder";
    QTest::newRow("empty file") << "empty.avi" << qint64(0) << "empty.avi: not a RIFF file";
    QTest::newRow("file over the limit")
        << "huge.avi" << AviReader::MaxFileBytes + 1 << "huge.avi: longer than";
    QTest::newRow("empty name") << "" << qint64(-1) << "no file name";
    QTest::newRow("FIFO, read as if missing")
        << "fifo.avi" << qint64(-3) << "通常のファイルではありません";
}

void TestAviReader::files()
{
    QFETCH(QString, name);
    QFETCH(qint64, size);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = name.isEmpty() ? QString() : dir.filePath(name);
    if (size == -2) {
        QVERIFY(QDir(dir.path()).mkdir(name));
    } else if (size >= 0) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(size)); // sparse: costs no disk
    }
    std::optional<FifoWatch> fifo;
    if (size == -3)
        QVERIFY(fifo.emplace(path).made());
    AviReader reader;
    QVERIFY(!reader.openFile(path));
    QVERIFY2(reader.errorString().contains(reason), qPrintable(reader.errorString()));
    QVERIFY(!reader.isOpen());
    if (fifo)
        QVERIFY2(!fifo->readerSeen(), "opening the FIFO waited for a writer");
}

QTEST_GUILESS_MAIN(TestAviReader)
#include "tst_avireader.moc"
