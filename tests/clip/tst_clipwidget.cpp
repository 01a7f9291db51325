#include "aviwriter.h"
#include "clipwidget.h"
#include "writefile.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

namespace {

const std::vector<quint32> colours = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF,
                                      0xFFFF00, 0x00FFFF, 0xFF00FF, 0xFFFFFF};

// Six 10 by 8 frames at 100 a second, frame i filled with colour i + 1.
QByteArray countingClip()
{
    AviWriter writer(10, 8, AviWriter::Format::Palette8);
    writer.setPalette(colours);
    writer.setRate(100, 1);
    for (int f = 0; f < 6; ++f)
        writer.addFrame(
            packIndexed(std::vector<std::uint8_t>(80, std::uint8_t(f + 1)), 10, 8, false));
    return writer.data();
}

// One frame whose pixel (x, y) has red x and green y, so that a painted pixel tells where in
// the clip it comes from.
QByteArray coordinateClip(int width, int height)
{
    std::vector<quint32> rgb;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            rgb.push_back(quint32(x) << 16 | quint32(y) << 8 | 0x80);
    }
    AviWriter writer(width, height, AviWriter::Format::Rgb24);
    writer.addFrame(packRgb(rgb, width, height, AviWriter::Format::Rgb24, false));
    return writer.data();
}

QList<int> framesOf(const QSignalSpy &spy)
{
    QList<int> frames;
    for (const QList<QVariant> &call : spy)
        frames.append(call.at(0).toInt());
    return frames;
}

} // namespace

class TestClipWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void firstFrameShownAfterOpen();
    void paintedPixels_data();
    void paintedPixels();
    void playRanges_data();
    void playRanges();
    void playUntilStoppedThenHold();
    void replacingTheClip();
    void failedOpenLeavesTheAreaEmpty_data();
    void failedOpenLeavesTheAreaEmpty();
    void relativePathUsesTheCurrentDirectory();
    void closeEmptiesTheArea();

private:
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    QColor background() const { return m_widget->palette().window().color(); }
    QColor paintedAt(int x, int y) const { return m_widget->grab().toImage().pixelColor(x, y); }

    QTemporaryDir m_dir;
    QString m_startDir;
    ClipWidget *m_widget = nullptr;
};

void TestClipWidget::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_startDir = QDir::currentPath();
    QVERIFY(writeFile(path("counting.avi"), countingClip()));
    QVERIFY(writeFile(path("small.avi"), coordinateClip(10, 8)));
    QVERIFY(writeFile(path("large.avi"), coordinateClip(120, 100)));
    QVERIFY(writeFile(path("notaclip.avi"), "just some text"));
    QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("wave")));
    QVERIFY(writeFile(path("wave/count16.AVI"), countingClip()));
}

void TestClipWidget::init()
{
    m_widget = new ClipWidget;
    // The control's 52 by 46 dialog-unit area at base units 7 by 12.
    m_widget->resize(91, 69);
}

void TestClipWidget::cleanup()
{
    delete m_widget;
    m_widget = nullptr;
    QDir::setCurrent(m_startDir);
}

void TestClipWidget::firstFrameShownAfterOpen()
{
    QVERIFY2(m_widget->open(path("counting.avi")), qPrintable(m_widget->errorString()));
    QVERIFY(m_widget->isOpen());
    QVERIFY(!m_widget->isPlaying());
    QCOMPARE(m_widget->currentFrame(), 0);
    QCOMPARE(m_widget->fileName(), path("counting.avi"));
    QVERIFY(m_widget->errorString().isEmpty());
    QCOMPARE(paintedAt(45, 34), QColor(Qt::red));
}

void TestClipWidget::paintedPixels_data()
{
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QPoint>("fromClip"); // (-1, -1): background
    QTest::newRow("small clip: its top left corner")
        << "small.avi" << QPoint(40, 30) << QPoint(0, 0);
    QTest::newRow("small clip: its bottom right corner")
        << "small.avi" << QPoint(49, 37) << QPoint(9, 7);
    QTest::newRow("small clip: background to its left")
        << "small.avi" << QPoint(39, 30) << QPoint(-1, -1);
    QTest::newRow("small clip: background below it")
        << "small.avi" << QPoint(49, 38) << QPoint(-1, -1);
    QTest::newRow("large clip: first pixel inside the edge")
        << "large.avi" << QPoint(2, 2) << QPoint(16, 17);
    QTest::newRow("large clip: its centre in the middle")
        << "large.avi" << QPoint(46, 35) << QPoint(60, 50);
    QTest::newRow("large clip: last pixel inside the edge")
        << "large.avi" << QPoint(88, 66) << QPoint(102, 81);
}

void TestClipWidget::paintedPixels()
{
    QFETCH(QString, clip);
    QFETCH(QPoint, point);
    QFETCH(QPoint, fromClip);
    QVERIFY(m_widget->open(path(qPrintable(clip))));
    const QImage painted = m_widget->grab().toImage();
    const QColor expected =
        fromClip.x() < 0 ? background() : QColor(fromClip.x(), fromClip.y(), 0x80);
    QCOMPARE(painted.pixelColor(point), expected);
    // A sunken edge: dark above and to the left, light below and to the right, over the clip.
    QVERIFY(qGray(painted.pixel(0, 0)) < qGray(background().rgb()));
    QVERIFY(qGray(painted.pixel(1, 34)) < qGray(background().rgb()));
    QVERIFY(qGray(painted.pixel(90, 68)) >= qGray(background().rgb()));
    QVERIFY(qGray(painted.pixel(45, 68)) >= qGray(background().rgb()));
}

void TestClipWidget::playRanges_data()
{
    QTest::addColumn<int>("repeat");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QList<int>>("shown");
    QTest::addColumn<bool>("played");
    QTest::newRow("whole clip once") << 1 << 0 << 0xFFFF << QList<int>{1, 2, 3, 4, 5} << true;
    QTest::newRow("part of it twice") << 2 << 1 << 3 << QList<int>{1, 2, 3, 1, 2, 3} << true;
    QTest::newRow("end beyond the clip is its last frame")
        << 1 << 3 << 40 << QList<int>{3, 4, 5} << true;
    QTest::newRow("one frame is shown without playing") << 1 << 4 << 4 << QList<int>{4} << false;
    QTest::newRow("start after the end does nothing") << 1 << 3 << 2 << QList<int>{} << false;
    QTest::newRow("start beyond the clip does nothing")
        << 1 << 6 << 0xFFFF << QList<int>{} << false;
    QTest::newRow("negative start does nothing") << 1 << -1 << 3 << QList<int>{} << false;
    QTest::newRow("no repeat does nothing") << 0 << 0 << 0xFFFF << QList<int>{} << false;
}

void TestClipWidget::playRanges()
{
    QFETCH(int, repeat);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QList<int>, shown);
    QFETCH(bool, played);
    QVERIFY(m_widget->open(path("counting.avi")));
    QSignalSpy frames(m_widget, &ClipWidget::frameChanged);
    QSignalSpy playing(m_widget, &ClipWidget::playingChanged);
    m_widget->play(repeat, from, to);
    QCOMPARE(m_widget->isPlaying(), played);
    QTRY_VERIFY(!m_widget->isPlaying());
    QCOMPARE(framesOf(frames), shown);
    QCOMPARE(m_widget->currentFrame(), shown.isEmpty() ? 0 : shown.last());
    QCOMPARE(playing.count(), played ? 2 : 0);
    // The last frame played stays on show.
    const QList<QColor> frameColours = {Qt::red,    Qt::green, Qt::blue,
                                        Qt::yellow, Qt::cyan,  Qt::magenta};
    QCOMPARE(paintedAt(45, 34), frameColours[m_widget->currentFrame()]);
}

void TestClipWidget::playUntilStoppedThenHold()
{
    QVERIFY(m_widget->open(path("counting.avi")));
    QSignalSpy frames(m_widget, &ClipWidget::frameChanged);
    m_widget->play(-1, 0, 0xFFFF);
    QVERIFY(m_widget->isPlaying());
    // Round twice: the loop comes back to the first frame after the last.
    QTRY_VERIFY(frames.count() >= 12);
    QCOMPARE(framesOf(frames).mid(0, 12), (QList<int>{1, 2, 3, 4, 5, 0, 1, 2, 3, 4, 5, 0}));
    QVERIFY(m_widget->isPlaying());
    m_widget->stop();
    QVERIFY(!m_widget->isPlaying());
    const int held = m_widget->currentFrame();
    const qsizetype changes = frames.count();
    QTest::qWait(60);
    QCOMPARE(m_widget->currentFrame(), held);
    QCOMPARE(frames.count(), changes);
    QVERIFY(m_widget->isOpen());
    // Playing again goes on from the requested frame.
    m_widget->play(1, 2, 3);
    QCOMPARE(m_widget->currentFrame(), 2);
    QTRY_COMPARE(m_widget->currentFrame(), 3);
}

void TestClipWidget::replacingTheClip()
{
    QVERIFY(m_widget->open(path("counting.avi")));
    m_widget->play(-1, 0, 0xFFFF);
    QTRY_VERIFY(m_widget->currentFrame() > 0);
    QSignalSpy playing(m_widget, &ClipWidget::playingChanged);
    QVERIFY(m_widget->open(path("small.avi")));
    QCOMPARE(playing.count(), 1);
    QCOMPARE(playing.at(0).at(0).toBool(), false);
    QVERIFY(!m_widget->isPlaying());
    QCOMPARE(m_widget->currentFrame(), 0);
    QCOMPARE(m_widget->fileName(), path("small.avi"));
    QCOMPARE(paintedAt(40, 30), QColor(0, 0, 0x80));
    // Nothing of the old clip is left around the new, smaller one.
    QCOMPARE(paintedAt(39, 30), background());
}

void TestClipWidget::failedOpenLeavesTheAreaEmpty_data()
{
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing file") << path("missing.avi") << "missing.avi: no such file";
    QTest::newRow("not a clip") << path("notaclip.avi") << "not a RIFF file";
    QTest::newRow("folder") << m_dir.path() << "is a folder";
    QTest::newRow("no name") << QString() << "no file name";
}

void TestClipWidget::failedOpenLeavesTheAreaEmpty()
{
    QFETCH(QString, clip);
    QFETCH(QString, reason);
    QVERIFY(m_widget->open(path("counting.avi")));
    m_widget->play(-1, 0, 0xFFFF);
    QSignalSpy frames(m_widget, &ClipWidget::frameChanged);
    QVERIFY(!m_widget->open(clip));
    QVERIFY2(m_widget->errorString().contains(reason), qPrintable(m_widget->errorString()));
    QVERIFY(!m_widget->isOpen());
    QVERIFY(!m_widget->isPlaying());
    QCOMPARE(m_widget->currentFrame(), -1);
    QVERIFY(m_widget->fileName().isEmpty());
    QCOMPARE(frames.count(), 1);
    QCOMPARE(paintedAt(45, 34), background());
    // The requests after it do nothing.
    m_widget->play(-1, 0, 0xFFFF);
    QVERIFY(!m_widget->isPlaying());
    m_widget->stop();
    QCOMPARE(m_widget->currentFrame(), -1);
    QCOMPARE(frames.count(), 1);
    QCOMPARE(paintedAt(45, 34), background());
}

void TestClipWidget::relativePathUsesTheCurrentDirectory()
{
    QVERIFY(QDir::setCurrent(m_dir.path()));
    QVERIFY2(m_widget->open(QStringLiteral("wave/count16.AVI")),
             qPrintable(m_widget->errorString()));
    QCOMPARE(m_widget->fileName(), QStringLiteral("wave/count16.AVI"));
    // The name keeps its case: another spelling is another file.
    QVERIFY(!m_widget->open(QStringLiteral("wave/COUNT16.AVI")));
    // Once the current directory has moved, the same name finds nothing there.
    QVERIFY(QDir::setCurrent(path("wave")));
    QVERIFY(!m_widget->open(QStringLiteral("wave/count16.AVI")));
    QVERIFY(!m_widget->isOpen());
}

void TestClipWidget::closeEmptiesTheArea()
{
    QVERIFY(m_widget->open(path("counting.avi")));
    m_widget->play(-1, 0, 0xFFFF);
    QSignalSpy frames(m_widget, &ClipWidget::frameChanged);
    m_widget->close();
    QVERIFY(!m_widget->isOpen());
    QVERIFY(!m_widget->isPlaying());
    QCOMPARE(m_widget->currentFrame(), -1);
    QCOMPARE(framesOf(frames), QList<int>{-1});
    QVERIFY(m_widget->fileName().isEmpty());
    QVERIFY(m_widget->errorString().isEmpty());
    QCOMPARE(paintedAt(45, 34), background());
}

QTEST_MAIN(TestClipWidget)
#include "tst_clipwidget.moc"
