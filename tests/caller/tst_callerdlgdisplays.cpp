#include "callerdlgfixture.h"

#include <QPaintEvent>
#include <QRadioButton>
#include <QTest>

namespace {

// Keeps the regions the display frame was asked to paint.
class PaintRecorder final : public QObject
{
public:
    QRegion painted;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

} // namespace

// The number displays as painted on the display frame.
class TestCallerDlgDisplays : public QObject
{
    Q_OBJECT

private slots:
    void slotColours_data();
    void slotColours();
    void textColourAtTheNextTick();
    void tickRepaintsOnlyItsSlot();
    void exposeShowsWhatWasPainted();
    void clearErasesTheDisplays();
};

void TestCallerDlgDisplays::slotColours_data()
{
    QTest::addColumn<QString>("backRadio");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QColor>("back");

    const QColor cyan(0, 255, 255), grey(190, 190, 190);
    QTest::newRow("有 puts the centre on cyan") << "IDC_BACK_ON" << 270 << 325 << cyan;
    QTest::newRow("有 puts the called slot on cyan") << "IDC_BACK_ON" << 453 << 25 << cyan;
    QTest::newRow("無 puts the centre on grey") << "IDC_BACK_OFF" << 270 << 325 << grey;
    QTest::newRow("無 puts the called slot on grey") << "IDC_BACK_OFF" << 453 << 25 << grey;
    QTest::newRow("the left slot is pink") << "IDC_BACK_OFF" << 30 << 345 << QColor(255, 150, 255);
    QTest::newRow("the right slot is yellow") << "IDC_BACK_ON" << 530 << 345 << QColor(255, 255, 0);
}

void TestCallerDlgDisplays::slotColours()
{
    QFETCH(QString, backRadio);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QColor, back);

    CallerDlgFixture f;
    f.dialog->findChild<QRadioButton *>(backRadio)->setChecked(true);
    f.draw();
    // The top of a cell lies above the digits.
    QCOMPARE(pixel(f.frame(), {x + 2, y + 2}), back);
    const QRect cell = textBox({x, y, 1200}, QStringLiteral("88"));
    QVERIFY(countColour(f.frame(), cell, QColor(0, 0, 255)) > 100);
}

void TestCallerDlgDisplays::textColourAtTheNextTick()
{
    CallerDlgFixture f;
    f.click("IDC_START");
    const QRect left = textBox(NumberDisplays::Left, QStringLiteral("88"));
    f.tick(3);
    QVERIFY(countColour(f.frame(), left, QColor(0, 0, 255)) > 100);
    f.get<QRadioButton>("IDC_COLOR_RED")->setChecked(true);
    QCOMPARE(countColour(f.frame(), left, QColor(255, 0, 0)), 0);
    f.tick(3);
    QVERIFY(countColour(f.frame(), left, QColor(255, 0, 0)) > 100);
    QCOMPARE(countColour(f.frame(), left, QColor(0, 0, 255)), 0);
    // The reveal keeps the colour last read.
    f.get<QRadioButton>("IDC_COLOR_GREEN")->setChecked(true);
    f.click("IDC_STOP");
    QCOMPARE(countColour(f.frame(), left, QColor(0, 255, 0)), 0);
    QVERIFY(countColour(f.frame(), left, QColor(255, 0, 0)) > 100);
}

void TestCallerDlgDisplays::tickRepaintsOnlyItsSlot()
{
    CallerDlgFixture f;
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
    f.click("IDC_START");
    for (int id : {2, 3, 4})
        f.timer(id)->stop();
    QTest::qWait(50);
    const QImage before = f.frame()->image();
    PaintRecorder recorder;
    f.frame()->installEventFilter(&recorder);

    f.tick(4);
    const QRect right = textBox(NumberDisplays::Right, QStringLiteral("88"));
    QVERIFY(!recorder.painted.isEmpty());
    QCOMPARE(recorder.painted.boundingRect(), right);
    const QImage after = f.frame()->image();
    bool changedInside = false;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (before.pixel(x, y) == after.pixel(x, y))
                continue;
            QVERIFY2(right.contains(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            changedInside = true;
        }
    }
    QVERIFY(changedInside);
}

void TestCallerDlgDisplays::exposeShowsWhatWasPainted()
{
    CallerDlgFixture f;
    f.draw();
    const QImage shown = f.frame()->grab().toImage();
    QCOMPARE(shown.pixelColor(272, 327), QColor(0, 255, 255));
    QCOMPARE(shown.pixelColor(455, 27), QColor(0, 255, 255));
    // Elsewhere the frame lets the controls under it show.
    QCOMPARE(pixel(f.frame(), {5, 300}).alpha(), 0);
}

void TestCallerDlgDisplays::clearErasesTheDisplays()
{
    CallerDlgFixture f;
    f.messages.answer = true;
    f.draw();
    f.click("IDC_CLEAR");
    const QColor grey(190, 190, 190);
    for (const DisplaySlot &slot : {NumberDisplays::Centre, NumberDisplays::Left,
                                    NumberDisplays::Right, NumberDisplays::Called}) {
        const QRect cell = textBox(slot, QStringLiteral("88"));
        QCOMPARE(countColour(f.frame(), cell, grey), cell.width() * cell.height());
    }
}

QTEST_MAIN(TestCallerDlgDisplays)
#include "tst_callerdlgdisplays.moc"
