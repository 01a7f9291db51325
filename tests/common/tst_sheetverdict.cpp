#include "sheetverdict.h"

#include <QTest>

#include <array>

namespace {

// A sheet whose cell c holds 10 + c, so each line's numbers can be read off by hand: row r is
// 10 + r, 15 + r, ..., 30 + r; column k is 10 + 5k .. 14 + 5k; 22 lies under the star.
std::array<int, 25> plainSheet()
{
    std::array<int, 25> sheet{};
    for (int c = 0; c < 25; ++c)
        sheet[std::size_t(c)] = 10 + c;
    return sheet;
}

using Calls = QList<int>;

} // namespace

class TestSheetVerdict : public QObject
{
    Q_OBJECT

private slots:
    void eachLineCompletes_data();
    void eachLineCompletes();
    void reach_data();
    void reach();
    void linesInTheOrderTheyCompleted();
    void fullSheet();
    void nothingYet();
    void numberUnderTheStarCountsForNothing();
    void marks();
};

void TestSheetVerdict::eachLineCompletes_data()
{
    QTest::addColumn<Calls>("called");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("call");
    QTest::addColumn<int>("number");
    // Numbers that are not on the sheet come first and in between; the last number of the line
    // is the one that completes it.
    QTest::newRow("row 1") << Calls{1, 30, 10, 2, 20, 25, 15} << 0 << "上から 1 行目" << 7 << 15;
    QTest::newRow("row 2") << Calls{11, 16, 21, 26, 31} << 1 << "上から 2 行目" << 5 << 31;
    QTest::newRow("row 3, through the star's neighbours")
        << Calls{3, 17, 27, 12, 32} << 2 << "上から 3 行目" << 5 << 32;
    QTest::newRow("row 4") << Calls{33, 28, 23, 18, 13} << 3 << "上から 4 行目" << 5 << 13;
    QTest::newRow("row 5") << Calls{14, 19, 24, 0, 29, 34} << 4 << "上から 5 行目" << 6 << 34;
    QTest::newRow("column 1") << Calls{14, 13, 12, 11, 10} << 5 << "左から 1 列目" << 5 << 10;
    QTest::newRow("column 2") << Calls{15, 16, 17, 18, 19} << 6 << "左から 2 列目" << 5 << 19;
    QTest::newRow("column 3, through the star's neighbours")
        << Calls{21, 23, 5, 20, 24} << 7 << "左から 3 列目" << 5 << 24;
    QTest::newRow("column 4") << Calls{25, 26, 27, 28, 29} << 8 << "左から 4 列目" << 5 << 29;
    QTest::newRow("column 5") << Calls{34, 30, 32, 31, 33} << 9 << "左から 5 列目" << 5 << 33;
    QTest::newRow("diagonal down to the right")
        << Calls{34, 28, 16, 10} << 10 << "斜め（左上から右下）" << 4 << 10;
    QTest::newRow("diagonal down to the left")
        << Calls{14, 18, 26, 30} << 11 << "斜め（右上から左下）" << 4 << 30;
}

void TestSheetVerdict::eachLineCompletes()
{
    QFETCH(Calls, called);
    QFETCH(int, line);
    QFETCH(QString, name);
    QFETCH(int, call);
    QFETCH(int, number);
    const auto sheet = plainSheet();
    const SheetVerdict verdict(sheet, called);
    QVERIFY(verdict.hasLine());
    QCOMPARE(verdict.completeLines(), (QList<SheetVerdict::CompleteLine>{{line, call, number}}));
    QCOMPARE(SheetVerdict::lineName(line), name);
    QVERIFY(!verdict.full());
    QCOMPARE(verdict.headline(), QStringLiteral("ビンゴ！ 1 列そろいました"));
    QCOMPARE(verdict.details().constFirst(),
             QStringLiteral("そろった列: %1（%2 回目の %3 でそろいました）")
                 .arg(name)
                 .arg(call)
                 .arg(number));

    // One number less and the line is one short instead.
    const SheetVerdict before(sheet, called.first(call - 1));
    QVERIFY(!before.hasLine());
    QVERIFY(before.reachLines().contains(SheetVerdict::ReachLine{line, number}));
}

void TestSheetVerdict::reach_data()
{
    QTest::addColumn<Calls>("called");
    QTest::addColumn<bool>("gameOver");
    QTest::addColumn<QList<int>>("lines");
    QTest::addColumn<QList<int>>("waiting");
    QTest::addColumn<QString>("headline");
    QTest::addColumn<QStringList>("details");
    const QString reach = QStringLiteral("リーチ（まだそろった列はありません）");
    QTest::newRow("row one short")
        << Calls{10, 15, 20, 25} << false << QList<int>{0} << QList<int>{30} << reach
        << QStringList{"リーチ: 上から 1 行目（あと 30）"};
    QTest::newRow("star and three neighbours")
        << Calls{21, 23, 24} << false << QList<int>{7} << QList<int>{20} << reach
        << QStringList{"リーチ: 左から 3 列目（あと 20）"};
    QTest::newRow("both diagonals waiting")
        << Calls{10, 16, 28, 30, 26, 18} << false << QList<int>{10, 11} << QList<int>{34, 14}
        << reach
        << QStringList{"リーチ: 斜め（左上から右下）（あと 34）",
                       "リーチ: 斜め（右上から左下）（あと 14）"};
    QTest::newRow("a row and a column waiting for the same number")
        << Calls{10, 15, 20, 25, 31, 32, 33, 34} << false << QList<int>{0, 9} << QList<int>{30, 30}
        << reach
        << QStringList{"リーチ: 上から 1 行目（あと 30）", "リーチ: 左から 5 列目（あと 30）"};
    // After the last draw nothing is waited for: the one number never drawn is named as such.
    QTest::newRow("over, the row's number never drawn")
        << Calls{10, 15, 20, 25} << true << QList<int>{0} << QList<int>{30}
        << QStringLiteral("そろった列はありません（ゲーム終了）")
        << QStringList{"リーチのまま終了: 上から 1 行目（30 は引かれませんでした）"};
}

void TestSheetVerdict::reach()
{
    QFETCH(Calls, called);
    QFETCH(bool, gameOver);
    QFETCH(QList<int>, lines);
    QFETCH(QList<int>, waiting);
    QFETCH(QString, headline);
    QFETCH(QStringList, details);
    const SheetVerdict verdict(plainSheet(), called, gameOver);
    QVERIFY(!verdict.hasLine());
    QCOMPARE(verdict.isGameOver(), gameOver);
    QCOMPARE(verdict.reachLines().size(), lines.size());
    for (int i = 0; i < lines.size(); ++i)
        QCOMPARE(verdict.reachLines().at(i), (SheetVerdict::ReachLine{lines.at(i), waiting.at(i)}));
    QCOMPARE(verdict.headline(), headline);
    QCOMPARE(verdict.details(), details);
}

void TestSheetVerdict::linesInTheOrderTheyCompleted()
{
    // Column 5 is complete at the 5th call; 10 then completes row 1 and column 1 at once at the
    // 13th call, and the row comes first.
    const SheetVerdict verdict(plainSheet(),
                               Calls{30, 31, 32, 33, 34, 15, 20, 25, 11, 12, 13, 14, 10});
    QCOMPARE(verdict.completeLines(), (QList<SheetVerdict::CompleteLine>{
                                          {9, 5, 34},
                                          {0, 13, 10},
                                          {5, 13, 10},
                                      }));
    QCOMPARE(verdict.headline(), QStringLiteral("ビンゴ！ 3 列そろいました"));
    QCOMPARE(verdict.details(), (QStringList{
                                    "そろった列: 左から 5 列目（5 回目の 34 でそろいました）",
                                    "そろった列: 上から 1 行目（13 回目の 10 でそろいました）",
                                    "そろった列: 左から 1 列目（13 回目の 10 でそろいました）",
                                }));
}

void TestSheetVerdict::fullSheet()
{
    // Every number but the star's, with others in between; 17 comes last, at the 27th call.
    Calls called{0, 1, 2};
    for (int value = 34; value >= 10; --value) {
        if (value != 22 && value != 17)
            called.append(value);
    }
    called.append(17);
    called.append(5);
    const SheetVerdict verdict(plainSheet(), called);
    QCOMPARE(verdict.full(), (SheetVerdict::Full{27, 17}));
    QCOMPARE(verdict.completeLines().size(), 12);
    QVERIFY(verdict.reachLines().isEmpty());
    QCOMPARE(verdict.headline(), QStringLiteral("ビンゴ！ 全部そろいました"));
    QVERIFY(verdict.details().contains(
        QStringLiteral("全部: 24 個すべて（27 回目の 17 でそろいました）")));

    // Without 17 the sheet is not full; its row and column wait for it.
    const SheetVerdict oneShort(plainSheet(), called.first(26));
    QVERIFY(!oneShort.full());
    QCOMPARE(oneShort.reachLines(), (QList<SheetVerdict::ReachLine>{{2, 17}, {6, 17}}));
    QCOMPARE(oneShort.completeLines().size(), 10);
}

void TestSheetVerdict::nothingYet()
{
    const SheetVerdict verdict(plainSheet(), Calls{0, 1, 2, 40, 99});
    QVERIFY(!verdict.hasLine());
    QVERIFY(verdict.reachLines().isEmpty());
    QVERIFY(!verdict.full());
    QCOMPARE(verdict.headline(), QStringLiteral("まだそろった列はありません"));
    QCOMPARE(verdict.details(), QStringList{QStringLiteral("リーチの列もありません")});

    const SheetVerdict none(plainSheet(), Calls{});
    QCOMPARE(none.headline(), QStringLiteral("まだそろった列はありません"));
}

void TestSheetVerdict::numberUnderTheStarCountsForNothing()
{
    // 22 is the centre cell's value, hidden by the star: calling it completes nothing, and row 3
    // still waits for 32.
    const SheetVerdict verdict(plainSheet(), Calls{22, 12, 17, 27});
    QVERIFY(!verdict.hasLine());
    QCOMPARE(verdict.reachLines(), (QList<SheetVerdict::ReachLine>{{2, 32}}));
}

void TestSheetVerdict::marks()
{
    const SheetVerdict verdict(plainSheet(), Calls{10, 34, 50});
    for (int c = 0; c < 25; ++c)
        QCOMPARE(verdict.isMarked(c), c == 0 || c == 12 || c == 24);
}

QTEST_APPLESS_MAIN(TestSheetVerdict)
#include "tst_sheetverdict.moc"
