#include "sheetcheckcommand.h"

#include <QProcess>
#include <QTest>

namespace {

// Sheet 3 of the set 2222-E7J7D (seed 4711, top 75), worked out by hand from the generator.
const QString sheetThree = QStringLiteral("24 38 11 32 43\n"
                                          "31 61 63 48 22\n"
                                          "33 10 * 34 64\n"
                                          "68 62 01 58 72\n"
                                          "05 25 15 26 39\n");

SheetCheckOutput check(const QStringList &arguments)
{
    return runSheetCheck(QStringList{QStringLiteral("Kavelo")} + arguments);
}

} // namespace

class TestSheetCheckCommand : public QObject
{
    Q_OBJECT

private slots:
    void onlyTheCheckIsACheck_data();
    void onlyTheCheckIsACheck();
    void verdicts_data();
    void verdicts();
    void lastSheetASetCanHave();
    void aFinishedGameWaitsForNothing();
    void badInput_data();
    void badInput();
    void runsWithoutAnyDisplay();
};

void TestSheetCheckCommand::onlyTheCheckIsACheck_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("check");
    QTest::newRow("no arguments") << QStringList{"Kavelo"} << false;
    QTest::newRow("other options") << QStringList{"Kavelo", "--seed", "5"} << false;
    QTest::newRow("the program named like the option") << QStringList{"--check-sheet"} << false;
    QTest::newRow("the check") << QStringList{"Kavelo", "--called", "1", "--check-sheet"} << true;
}

void TestSheetCheckCommand::onlyTheCheckIsACheck()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, check);
    QCOMPARE(requestsSheetCheck(arguments), check);
}

void TestSheetCheckCommand::verdicts_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("verdict");
    QTest::newRow("top row complete")
        << QStringList{"--check-sheet", "2222-E7J7D", "3", "--called", "5,24,38,11,32,43"} << 0
        << "ビンゴ！ 1 列そろいました\nそろった列: 上から 1 行目（6 回目の 43 でそろいました）\n";
    QTest::newRow("called before the code, typed loosely")
        << QStringList{"--called=5, 24,38 ,11,32,43", "--check-sheet", "2222e7j7d", "3"} << 0
        << "ビンゴ！ 1 列そろいました\nそろった列: 上から 1 行目（6 回目の 43 でそろいました）\n";
    QTest::newRow("centre column through the star, one short")
        << QStringList{"--check-sheet", "2222-E7J7D", "3", "--called", "11,63,01"} << 1
        << "リーチ（まだそろった列はありません）\nリーチ: 左から 3 列目（あと 15）\n";
    QTest::newRow("the top number itself is a number that can be called")
        << QStringList{"--check-sheet", "2222-E7J7D", "3", "--called", "75,24,38,11,32,43"} << 0
        << "ビンゴ！ 1 列そろいました\nそろった列: 上から 1 行目（6 回目の 43 でそろいました）\n";
    QTest::newRow("numbers typed in full-width digits, with leading zeros")
        << QStringList{"--check-sheet", "２２２２－Ｅ７Ｊ７Ｄ", "０００３", "--called",
                       "０５,２４,38,１１,００３２,４３"}
        << 0
        << "ビンゴ！ 1 列そろいました\nそろった列: 上から 1 行目（6 回目の 43 でそろいました）\n";
    QTest::newRow("more leading zeros than a sheet number has digits")
        << QStringList{"--check-sheet", "2222-E7J7D", "0000000003", "--called", "11,63,01"} << 1
        << "リーチ（まだそろった列はありません）\nリーチ: 左から 3 列目（あと 15）\n";
}

void TestSheetCheckCommand::verdicts()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, verdict);
    const SheetCheckOutput output = check(arguments);
    QCOMPARE(output.err, QString());
    QCOMPARE(output.exitCode, exitCode);
    QCOMPARE(output.out, sheetThree + u'\n' + verdict);
}

void TestSheetCheckCommand::aFinishedGameWaitsForNothing()
{
    // Every number of the game but 15, which sheet 3's bottom row and centre column need.
    QStringList called;
    for (int n = 0; n <= 75; ++n)
        if (n != 15)
            called << QString::number(n);
    const auto verdict = [&](const QStringList &numbers) {
        return check({"--check-sheet", "2222-E7J7D", "3", "--called", numbers.join(u',')}).out;
    };
    const QString over = verdict(called);
    QVERIFY2(over.contains(u"リーチのまま終了: 上から 5 行目（15 は引かれませんでした）\n"
                           u"リーチのまま終了: 左から 3 列目（15 は引かれませんでした）\n"),
             qPrintable(over));
    QVERIFY(!over.contains(u"あと"));
    // One draw short of the end, the same lines still wait.
    called.removeLast();
    QVERIFY(verdict(called).contains(u"リーチ: 左から 3 列目（あと 15）"));
}

void TestSheetCheckCommand::lastSheetASetCanHave()
{
    const SheetCheckOutput output =
        check({"--check-sheet", "2222-E7J7D", "100000", "--called", "72,53,00,66,30"});
    QCOMPARE(output.exitCode, 0);
    QVERIFY2(output.out.startsWith(QStringLiteral("72 53 00 66 30\n"
                                                  "73 51 45 01 67\n"
                                                  "10 29 * 19 32\n"
                                                  "17 74 39 65 41\n"
                                                  "27 03 75 58 31\n")),
             qPrintable(output.out));
}

void TestSheetCheckCommand::badInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");
    const QString usage =
        QStringLiteral("\n使い方: kavelo --check-sheet コード シート番号 --called 12,5,33,...");
    QTest::newRow("check character wrong")
        << QStringList{"--check-sheet", "2222-E7J7E", "3", "--called", "5"}
        << "コードが正しくありません（確認文字が合いません）。";
    QTest::newRow("neighbours swapped")
        << QStringList{"--check-sheet", "2222-7EJ7D", "3", "--called", "5"}
        << "コードが正しくありません（確認文字が合いません）。";
    QTest::newRow("sheet number 0")
        << QStringList{"--check-sheet", "2222-E7J7D", "0", "--called", "5"}
        << "シート番号 0 はありません。シート番号は 1 から 100000 までです。";
    QTest::newRow("sheet number past the last")
        << QStringList{"--check-sheet", "2222-E7J7D", "100001", "--called", "5"}
        << "シート番号 100001 はありません。シート番号は 1 から 100000 までです。";
    QTest::newRow("sheet number not a number")
        << QStringList{"--check-sheet", "2222-E7J7D", "3a", "--called", "5"}
        << "シート番号「3a」は数字ではありません。";
    QTest::newRow("sheet number with a sign")
        << QStringList{"--check-sheet", "2222-E7J7D", "+3", "--called", "5"}
        << "シート番号「+3」は数字ではありません。";
    QTest::newRow("sheet number of more digits than any sheet")
        << QStringList{"--check-sheet", "2222-E7J7D", "99999999999", "--called", "5"}
        << "シート番号 99999999999 はありません。シート番号は 1 から 100000 までです。";
    const QString nothingDrawn = QStringLiteral("まだ数字を引いていません（--called が空です）。"
                                                "シート確認は最初の数字を引いてからできます。");
    QTest::newRow("nothing called yet")
        << QStringList{"--check-sheet", "2222-E7J7D", "3", "--called", ""} << nothingDrawn;
    QTest::newRow("nothing but blanks called")
        << QStringList{"--check-sheet", "2222-E7J7D", "3", "--called= "} << nothingDrawn;
    QTest::newRow("called number one above the top")
        << QStringList{"--check-sheet", "2222-E7J7D", "3", "--called", "０７６"}
        << "--called の「０７６」は 0 から 75 までの数字ではありません。";
    QTest::newRow("called number above the top")
        << QStringList{"--check-sheet", "2222-E7J7D", "3", "--called", "5,76"}
        << "--called の「76」は 0 から 75 までの数字ではありません。";
    QTest::newRow("called list with a gap")
        << QStringList{"--check-sheet", "2222-E7J7D", "3", "--called", "5,,6"}
        << "--called の「」は 0 から 75 までの数字ではありません。";
    QTest::newRow("called negative")
        << QStringList{"--check-sheet", "2222-E7J7D", "3", "--called", "-5"}
        << "--called の「-5」は 0 から 75 までの数字ではありません。";
    QTest::newRow("called twice") << QStringList{"--check-sheet", "2222-E7J7D", "3", "--called",
                                                 "5,6,5"}
                                  << "--called に 5 が二度あります。";
    QTest::newRow("no called numbers") << QStringList{"--check-sheet", "2222-E7J7D", "3"}
                                       << "--called で呼んだ数字を指定してください。" + usage;
    QTest::newRow("--called at the end with nothing after")
        << QStringList{"--check-sheet", "2222-E7J7D", "3", "--called"}
        << "--called には呼んだ数字をコンマで区切って続けてください。" + usage;
    QTest::newRow("no sheet number") << QStringList{"--called", "5", "--check-sheet", "2222-E7J7D"}
                                     << "--check-sheet にはコードとシート番号が必要です。" + usage;
    QTest::newRow("something else as well")
        << QStringList{"--check-sheet", "2222-E7J7D", "3", "--called", "5", "--seed"}
        << "「--seed」はここでは使えません。" + usage;
}

void TestSheetCheckCommand::badInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    const SheetCheckOutput output = check(arguments);
    QCOMPARE(output.exitCode, 2);
    QCOMPARE(output.out, QString());
    QCOMPARE(output.err, QStringLiteral("kavelo: %1\n").arg(error));
}

void TestSheetCheckCommand::runsWithoutAnyDisplay()
{
    // With a platform that needs a display and no display, a window could not even start.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    const auto run = [&](const QStringList &arguments) {
        QProcess kavelo;
        kavelo.setProcessEnvironment(environment);
        kavelo.start(QStringLiteral(KAVELO_PATH), arguments);
        kavelo.waitForFinished(30000);
        return std::pair(
            kavelo.exitStatus() == QProcess::NormalExit ? kavelo.exitCode() : -1,
            QString::fromUtf8(kavelo.readAllStandardOutput() + kavelo.readAllStandardError()));
    };
    const auto [lineCode, lineText] =
        run({"--check-sheet", "2222-E7J7D", "3", "--called", "5,24,38,11,32,43"});
    QCOMPARE(lineCode, 0);
    QVERIFY2(lineText.startsWith(sheetThree), qPrintable(lineText));
    QCOMPARE(run({"--check-sheet", "2222-E7J7D", "3", "--called", "5"}).first, 1);
    const auto [badCode, badText] = run({"--check-sheet", "2222-E7J7", "3", "--called", "5"});
    QCOMPARE(badCode, 2);
    QCOMPARE(badText, QStringLiteral("kavelo: コードは 9 文字です（入力は 8 文字でした）。\n"));
}

QTEST_APPLESS_MAIN(TestSheetCheckCommand)
#include "tst_sheetcheckcommand.moc"
