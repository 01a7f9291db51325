#include "filechooser.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
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
    QTest::addColumn<QString>("current");    // the folder the program runs in
    QTest::addColumn<bool>("documents");     // whether the user has a documents folder
    QTest::addColumn<QString>("usedBefore"); // where an earlier dialog of the run saved a file
    QTest::addColumn<QString>("start");
    QTest::newRow("elsewhere: the current folder") << "work" << true << ""
                                                   << "work";
    QTest::newRow("elsewhere, after another folder: that folder") << "work" << true << "other"
                                                                  << "other";
    QTest::newRow("the program folder: the documents folder") << "program" << true << ""
                                                              << "documents";
    QTest::newRow("the program folder by another path: the documents folder")
        << "link" << true << ""
        << "documents";
    QTest::newRow("the program folder and no documents folder: home") << "program" << false << ""
                                                                      << "home";
    QTest::newRow("the program folder, after another folder: that folder")
        << "program" << true << "other"
        << "other";
}

void TestFileChooser::startFolder()
{
    QFETCH(QString, current);
    QFETCH(bool, documents);
    QFETCH(QString, usedBefore);
    QFETCH(QString, start);
    QTemporaryDir dir;
    const QDir root(dir.path());
    for (const char *name : {"program", "work", "home", "other"})
        QVERIFY(root.mkdir(QLatin1String(name)));
    if (documents)
        QVERIFY(root.mkdir(QStringLiteral("documents")));
    QVERIFY(QFile::link(root.filePath("program"), root.filePath("link")));
    const QString previousFolder = QDir::currentPath();
    const QByteArray previousHome = qgetenv("HOME");
    QVERIFY(QDir::setCurrent(root.filePath(current)));
    qputenv("HOME", QFile::encodeName(root.filePath("home")));

    QtFileChooser files(root.filePath("program"), root.filePath("documents"));
    QString shown;
    const auto answer = [this, &shown](const QString &file) {
        QTimer::singleShot(0, this, [&shown, file] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            shown = QDir(dialog->directory()).canonicalPath();
            if (file.isEmpty()) {
                dialog->reject();
                return;
            }
            dialog->selectFile(file);
            QMetaObject::invokeMethod(dialog, "accept");
        });
    };
    if (!usedBefore.isEmpty()) {
        const QString saved = root.filePath(usedBefore + QStringLiteral("/drawn.txt"));
        answer(saved);
        QCOMPARE(files.choose(nullptr, FileChooser::Purpose::Write, QStringLiteral("保存"),
                              {QStringLiteral("All Files(*.*)")}),
                 saved);
    }
    answer({});
    files.choose(nullptr, FileChooser::Purpose::Open, QStringLiteral("開く"),
                 {QStringLiteral("All Files(*.*)")});

    QDir::setCurrent(previousFolder);
    qputenv("HOME", previousHome);
    QCOMPARE(shown, QDir(root.filePath(start)).canonicalPath());
}

QTEST_MAIN(TestFileChooser)
#include "tst_filechooser.moc"
