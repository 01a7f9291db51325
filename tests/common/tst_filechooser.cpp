#include "filechooser.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
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
        return files.choose(nullptr, file.isEmpty() ? Open : Write, QStringLiteral("保存"),
                            {QStringLiteral("All Files(*.*)")});
    };
    const QString saved = root.filePath(QStringLiteral("other/drawn.txt"));
    if (savedInOther)
        QCOMPARE(choose(saved), saved);
    QCOMPARE(choose({}), QString());
    QCOMPARE(shown, QDir(root.filePath(start)).canonicalPath());
}

QTEST_MAIN(TestFileChooser)
#include "tst_filechooser.moc"
