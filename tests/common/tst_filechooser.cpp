#include "filechooser.h"
#include "writefile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestFileChooser : public QObject
{
    Q_OBJECT

private slots:
    void startFolder_data();
    void startFolder();
    void saveAsksBeforeReplacing_data();
    void saveAsksBeforeReplacing();
};

void TestFileChooser::startFolder_data()
{
    QTest::addColumn<QString>("current");   // the folder the program runs in
    QTest::addColumn<bool>("documents");    // whether the user has a documents folder
    QTest::addColumn<bool>("savedInOther"); // whether an earlier dialog of the run saved there
    QTest::addColumn<QString>("start");
    QTest::newRow("elsewhere: the current folder") << "work" << true << false << "work";
    QTest::newRow("elsewhere, after another folder: that folder")
        << "work" << true << true << "other";
    QTest::newRow("the program folder: the documents folder")
        << "program" << true << false << "documents";
    QTest::newRow("the program folder by another path: the documents folder")
        << "link" << true << false << "documents";
    QTest::newRow("the program folder and no documents folder: home")
        << "program" << false << false << "home";
    QTest::newRow("the program folder, after another folder: that folder")
        << "program" << true << true << "other";
}

void TestFileChooser::startFolder()
{
    QFETCH(QString, current);
    QFETCH(bool, documents);
    QFETCH(bool, savedInOther);
    QFETCH(QString, start);
    QTemporaryDir dir;
    const QDir root(dir.path());
    for (const char *name : {"program", "work", "home", "other"})
        QVERIFY(root.mkdir(QLatin1String(name)));
    QVERIFY(!documents || root.mkdir(QStringLiteral("documents")));
    QVERIFY(QFile::link(root.filePath("program"), root.filePath("link")));
    const auto restore = qScopeGuard([folder = QDir::currentPath(), home = qgetenv("HOME")] {
        QDir::setCurrent(folder);
        qputenv("HOME", home);
    });
    QVERIFY(QDir::setCurrent(root.filePath(current)));
    qputenv("HOME", QFile::encodeName(root.filePath("home")));

    QtFileChooser files(root.filePath("program"), root.filePath("documents"));
    QString shown;
    // Chooses file in the next dialog, or cancels it where file is empty, noting where it began.
    const auto choose = [&](const QString &file) {
        QTimer::singleShot(0, this, [&shown, file] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            shown = QDir(dialog->directory()).canonicalPath();
            dialog->selectFile(file);
            QMetaObject::invokeMethod(dialog, file.isEmpty() ? "reject" : "accept");
        });
        using enum FileChooser::Purpose;
        return files.choose(nullptr, file.isEmpty() ? Open : Save, QStringLiteral("保存"),
                            {QStringLiteral("All Files(*.*)")});
    };
    const QString saved = root.filePath(QStringLiteral("other/drawn.txt"));
    if (savedInOther)
        QCOMPARE(choose(saved), saved);
    QCOMPARE(choose({}), QString());
    QCOMPARE(shown, QDir(root.filePath(start)).canonicalPath());
}

void TestFileChooser::saveAsksBeforeReplacing_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("replace"); // the answer to the question, where one is asked
    QTest::addColumn<bool>("chosen");
    QTest::newRow("a new name: no question") << false << false << true;
    QTest::newRow("an existing file, replaced") << true << true << true;
    QTest::newRow("an existing file, kept: the dialog stays") << true << false << false;
}

// A save dialog says Save on its button and asks before an existing file is replaced; an open
// dialog would take any file without a word.
void TestFileChooser::saveAsksBeforeReplacing()
{
    QFETCH(bool, exists);
    QFETCH(bool, replace);
    QFETCH(bool, chosen);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("game1.txt"));
    if (exists)
        QVERIFY(writeFile(file, {}));
    QtFileChooser files(dir.path(), dir.path());
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    QString asked;
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        mode = dialog->acceptMode();
        dialog->selectFile(file);
        // The question, where there is one, runs inside accept() and takes this answer.
        QTimer::singleShot(0, dialog, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                asked = box->text();
                box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
            }
        });
        QMetaObject::invokeMethod(dialog, "accept");
        if (dialog->isVisible())
            dialog->reject();
    });
    const QString result = files.choose(nullptr, FileChooser::Purpose::Save, QStringLiteral("保存"),
                                        {QStringLiteral("All Files(*.*)")});
    QCOMPARE(mode, QFileDialog::AcceptSave);
    QCOMPARE(asked.contains(QStringLiteral("game1.txt")), exists);
    QCOMPARE(result, chosen ? file : QString());
}

QTEST_MAIN(TestFileChooser)
#include "tst_filechooser.moc"
