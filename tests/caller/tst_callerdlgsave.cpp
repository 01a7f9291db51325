#include "callerdlgfixture.h"
#include "drawnnumbersfile.h"

#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// Saving the drawn numbers from the dialog.
class TestCallerDlgSave : public QObject
{
    Q_OBJECT

private slots:
    void save_data();
    void save();
    void finishedGameCanBeSavedAgain();
    void saveNeverReplacesAFifo();
    void typedTopNumberSurvivesSave();
    void realFileDialogKeepsTheCurrentDirectory();
};

void TestCallerDlgSave::save_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("buttons");

    QTest::newRow("written, name kept without extension") << "drawn" << true << "111000";
    QTest::newRow("cancelled writes nothing") << "" << false << "101000";
    QTest::newRow("a missing folder fails with a message")
        << "no/such/drawn.txt" << false << "101000";
}

void TestCallerDlgSave::save()
{
    QFETCH(QString, name);
    QFETCH(bool, written);
    QFETCH(QString, buttons);

    QTemporaryDir dir;
    CallerDlgFixture f;
    for (int k = 0; k < 7; ++k)
        f.draw();
    const QString cwd = QDir::currentPath();
    const QString path = name.isEmpty() ? QString() : dir.filePath(name);
    f.files.answers = {path};
    f.click("IDC_SAVE");

    QCOMPARE(f.files.purposes, QList<FileChooser::Purpose>{FileChooser::Purpose::Save});
    QCOMPARE(f.files.nameFilters, (QStringList{"TXT Files(*.txt)", "All Files(*.*)"}));
    QCOMPARE(f.buttons(), buttons);
    QCOMPARE(QDir::currentPath(), cwd);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), written ? QStringList{name} : QStringList{});
    if (written) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), 70);
        QCOMPARE(bytes, drawnNumbersFileContent(f.dialog->game().drawnNumbers()));
        QVERIFY(f.messages.shown.isEmpty());
        // Stop now reveals the next number without a spin.
        f.click("IDC_STOP");
        QCOMPARE(f.dialog->game().drawCount(), 8);
    } else if (name.isEmpty()) {
        QVERIFY(f.messages.shown.isEmpty());
    } else {
        QCOMPARE(f.messages.shown.size(), 1);
        const RecordingMessages::Shown &box = f.messages.shown.constFirst();
        QCOMPARE(box.icon, MessagePresenter::Icon::Critical);
        QCOMPARE(box.title, QStringLiteral("Kavelo"));
        QVERIFY(box.text.contains(path));
        QCOMPARE(f.dialog->game().drawCount(), 7);
    }
}

void TestCallerDlgSave::finishedGameCanBeSavedAgain()
{
    QTemporaryDir dir;
    CallerDlgFixture f;
    f.topNumber()->setEditText(QStringLiteral("5"));
    for (int k = 0; k < 5; ++k)
        f.draw();
    // A folder that is not there fails the write; the operator can still save the game.
    f.files.answers = {dir.filePath(QStringLiteral("missing/five.txt"))};
    f.click("IDC_SAVE");
    QCOMPARE(f.messages.shown.size(), 2);
    QCOMPARE(f.messages.shown.last().icon, MessagePresenter::Icon::Critical);
    QCOMPARE(f.buttons(), QStringLiteral("001100"));

    f.files.answers = {QString()};
    f.click("IDC_SAVE");
    QCOMPARE(f.buttons(), QStringLiteral("001100"));

    const QString five = dir.filePath(QStringLiteral("five.txt"));
    f.files.answers = {five};
    f.click("IDC_SAVE");
    QCOMPARE(f.buttons(), QStringLiteral("001000"));
    QFile file(five);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), drawnNumbersFileContent(f.dialog->game().drawnNumbers()));
}

void TestCallerDlgSave::saveNeverReplacesAFifo()
{
    QTemporaryDir dir;
    CallerDlgFixture f;
    f.draw();
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    f.files.answers = {fifo};
    // Nobody reads it: the save fails at once instead of waiting, and the FIFO stays.
    f.click("IDC_SAVE");
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.messages.shown.constFirst().icon, MessagePresenter::Icon::Critical);
    QVERIFY(f.messages.shown.constFirst().text.contains(fifo));
    QCOMPARE(f.buttons(), QStringLiteral("101000"));
    struct stat status
    {
    };
    QVERIFY(::lstat(QFile::encodeName(fifo).constData(), &status) == 0);
    QVERIFY(S_ISFIFO(status.st_mode));
}

void TestCallerDlgSave::typedTopNumberSurvivesSave()
{
    QTemporaryDir dir;
    CallerDlgFixture f;
    f.topNumber()->setEditText(QStringLiteral("7"));
    f.draw();
    f.files.answers = {dir.filePath(QStringLiteral("seven.txt"))};
    f.click("IDC_SAVE");
    QCOMPARE(f.topNumber()->currentText(), QStringLiteral("7"));
    f.messages.answer = true;
    f.click("IDC_CLEAR");
    f.draw();
    QCOMPARE(f.dialog->game().topNumber(), 7);
}

void TestCallerDlgSave::realFileDialogKeepsTheCurrentDirectory()
{
    const KeepCurrentDir keep;
    QTemporaryDir saveDir;
    QTemporaryDir workDir;
    QDir::setCurrent(workDir.path());
    QtFileChooser realFiles;
    CallerDlgFixture f({.files = &realFiles});
    f.draw();

    QStringList filters;
    QTimer::singleShot(0, this, [&] {
        auto *fileDialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(fileDialog);
        filters = fileDialog->nameFilters();
        fileDialog->setDirectory(saveDir.path());
        fileDialog->selectFile(QStringLiteral("typed"));
        QMetaObject::invokeMethod(fileDialog, "accept");
    });
    f.click("IDC_SAVE");

    QCOMPARE(filters, (QStringList{"TXT Files(*.txt)", "All Files(*.*)"}));
    QCOMPARE(QDir(saveDir.path()).entryList(QDir::Files), QStringList{"typed"});
    QCOMPARE(QDir::currentPath(), QDir(workDir.path()).canonicalPath());
    QCOMPARE(f.buttons(), QStringLiteral("111000"));
}

QTEST_MAIN(TestCallerDlgSave)
#include "tst_callerdlgsave.moc"
