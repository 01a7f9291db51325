#include "recentfilelist.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestRecentFileList : public QObject
{
    Q_OBJECT

private slots:
    void keepsFourMostRecentFirst();
    void survivesARestart();
    void removedEntriesLeaveNoGap();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
};

void TestRecentFileList::keepsFourMostRecentFirst()
{
    QSettings settings(path("first.ini"), QSettings::IniFormat);
    RecentFileList list(settings);
    QVERIFY(list.files().isEmpty());
    for (const char *name : {"a", "b", "c", "d", "e"})
        list.add(path(name));
    QCOMPARE(list.files(), (QStringList{path("e"), path("d"), path("c"), path("b")}));
    list.add(path("c"));
    QCOMPARE(list.files(), (QStringList{path("c"), path("e"), path("d"), path("b")}));
}

void TestRecentFileList::survivesARestart()
{
    const QString file = path("restart.ini");
    {
        QSettings settings(file, QSettings::IniFormat);
        RecentFileList list(settings);
        list.add(path("one"));
        list.add(path("two"));
    }
    QSettings settings(file, QSettings::IniFormat);
    QCOMPARE(settings.value("Recent File List/File1").toString(), path("two"));
    QCOMPARE(settings.value("Recent File List/File2").toString(), path("one"));
    QVERIFY(!settings.contains("Recent File List/File3"));
    RecentFileList again(settings);
    QCOMPARE(again.files(), (QStringList{path("two"), path("one")}));
}

void TestRecentFileList::removedEntriesLeaveNoGap()
{
    QSettings settings(path("remove.ini"), QSettings::IniFormat);
    RecentFileList list(settings);
    for (const char *name : {"a", "b", "c"})
        list.add(path(name));
    list.remove(path("b"));
    QCOMPARE(list.files(), (QStringList{path("c"), path("a")}));
    QCOMPARE(settings.value("Recent File List/File2").toString(), path("a"));
    QVERIFY(!settings.contains("Recent File List/File3"));
}

QTEST_APPLESS_MAIN(TestRecentFileList)
#include "tst_recentfilelist.moc"
