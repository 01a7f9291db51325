#include "callerdlgfixture.h"
#include "clipwidget.h"
#include "fifowatch.h"
#include "numbertext.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// A start-up directory laid out like the program folder: the still clip and, when asked for,
// the "wave" folder with the countdown clip.
bool layOutClips(const QString &dir, bool withWave)
{
    const QString programDir = QStringLiteral(KIT_PROGRAM_DIR);
    if (!QFile::copy(programDir + QStringLiteral("/COUNT16.AVI"),
                     dir + QStringLiteral("/COUNT16.AVI")))
        return false;
    if (!withWave)
        return true;
    return QDir(dir).mkdir(QStringLiteral("wave")) &&
           QFile::copy(programDir + QStringLiteral("/wave/count16.AVI"),
                       dir + QStringLiteral("/wave/count16.AVI"));
}

} // namespace

// The countdown clips the dialog plays.
class TestCallerDlgClips : public QObject
{
    Q_OBJECT

private slots:
    void countdownClipsPlay();
    void fifoClipsDoNotFreezeTheDialog();
    void missingCountdownLeavesTheAreaEmpty();
};

void TestCallerDlgClips::fifoClipsDoNotFreezeTheDialog()
{
    const KeepCurrentDir keep;
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("wave")));
    FifoWatch still(dir.filePath(QStringLiteral("COUNT16.AVI")));
    FifoWatch countdown(dir.filePath(QStringLiteral("wave/count16.AVI")));
    QVERIFY(still.made() && countdown.made());
    QVERIFY(QDir::setCurrent(dir.path()));
    CallerDlgFixture f({.clip = true});
    auto *clip = f.get<ClipWidget>("IDC_ANIMATE");
    QVERIFY(!clip->isOpen());
    f.click("IDC_START");
    QVERIFY(!clip->isOpen());
    f.click("IDC_STOP");
    QCOMPARE(f.dialog->game().drawCount(), 1);
    QVERIFY2(!still.readerSeen(), "opening COUNT16.AVI waited for a writer");
    QVERIFY2(!countdown.readerSeen(), "opening wave/count16.AVI waited for a writer");
}

void TestCallerDlgClips::countdownClipsPlay()
{
    const KeepCurrentDir keep;
    QTemporaryDir dir;
    QVERIFY(layOutClips(dir.path(), true));
    QVERIFY(QDir::setCurrent(dir.path()));
    CallerDlgFixture f({.clip = true});
    auto *clip = f.get<ClipWidget>("IDC_ANIMATE");
    QVERIFY(clip);

    // After start-up the still clip of the start-up directory shows its first frame.
    QVERIFY(clip->isOpen());
    QCOMPARE(clip->fileName(), QDir::currentPath() + QStringLiteral("/COUNT16.AVI"));
    QCOMPARE(clip->currentFrame(), 0);
    QVERIFY(!clip->isPlaying());

    f.click("IDC_START");
    QCOMPARE(clip->fileName(), QStringLiteral("wave/count16.AVI"));
    QVERIFY(clip->isPlaying());
    QTRY_VERIFY(clip->currentFrame() > 0);

    f.click("IDC_STOP");
    QVERIFY(!clip->isPlaying());
    const int held = clip->currentFrame();
    QVERIFY(held > 0);
    QTest::qWait(300);
    QCOMPARE(clip->currentFrame(), held);

    // Clear leaves the stopped frame; the next Start plays the countdown from its start.
    f.messages.answer = true;
    f.click("IDC_CLEAR");
    QCOMPARE(clip->currentFrame(), held);
    f.click("IDC_START");
    QVERIFY(clip->isPlaying());
    QVERIFY(clip->currentFrame() < held);
}

void TestCallerDlgClips::missingCountdownLeavesTheAreaEmpty()
{
    const KeepCurrentDir keep;
    QTemporaryDir dir;
    QVERIFY(layOutClips(dir.path(), false));
    QVERIFY(QDir::setCurrent(dir.path()));
    CallerDlgFixture f({.clip = true});
    auto *clip = f.get<ClipWidget>("IDC_ANIMATE");
    QVERIFY(clip->isOpen());

    f.click("IDC_START");
    QVERIFY(!clip->isOpen());
    QVERIFY(!clip->isPlaying());
    QCOMPARE(clip->currentFrame(), -1);

    // The game runs on unchanged.
    f.click("IDC_STOP");
    QCOMPARE(f.dialog->game().drawCount(), 1);
    QCOMPARE(f.grid()->item(0, 0)->text(), numberText(FirstOf50));
    QCOMPARE(f.buttons(), QStringLiteral("101100"));
}

QTEST_MAIN(TestCallerDlgClips)
#include "tst_callerdlgclips.moc"
