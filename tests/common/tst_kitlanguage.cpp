#include "kitlanguage.h"

#include <QTest>

class TestKitLanguage : public QObject
{
    Q_OBJECT

private slots:
    void chosenFromTheEnvironment_data();
    void chosenFromTheEnvironment();
};

void TestKitLanguage::chosenFromTheEnvironment_data()
{
    // Each variable as NAME=value, separated by blanks.
    QTest::addColumn<QString>("variables");
    QTest::addColumn<KitLanguage>("expected");

    const auto ja = KitLanguage::Japanese;
    const auto en = KitLanguage::English;
    QTest::newRow("nothing set") << "" << ja;
    QTest::newRow("C") << "LANG=C" << ja;
    QTest::newRow("POSIX") << "LANG=POSIX" << ja;
    QTest::newRow("C with a code set") << "LANG=C.UTF-8" << ja;
    QTest::newRow("LANGUAGE ignored under C") << "LANG=C.UTF-8 LANGUAGE=en_US" << ja;
    QTest::newRow("LANGUAGE alone is no choice") << "LANGUAGE=en" << ja;
    QTest::newRow("Japanese locale") << "LANG=ja_JP.UTF-8" << ja;
    QTest::newRow("Japanese without region") << "LANG=ja" << ja;
    QTest::newRow("Japanese with a modifier") << "LANG=ja_JP@cjknarrow" << ja;
    QTest::newRow("English locale") << "LANG=en_US.UTF-8" << en;
    QTest::newRow("other locale gives English") << "LANG=de_DE.UTF-8" << en;
    QTest::newRow("LC_ALL over LANG") << "LC_ALL=ja_JP.UTF-8 LANG=en_GB.UTF-8" << ja;
    QTest::newRow("LC_ALL C over LANG") << "LC_ALL=C LANG=fr_FR.UTF-8" << ja;
    QTest::newRow("LC_MESSAGES over LANG") << "LC_MESSAGES=fr_FR LANG=ja_JP.UTF-8" << en;
    QTest::newRow("LC_ALL over LC_MESSAGES") << "LC_ALL=ja_JP LC_MESSAGES=en_US" << ja;
    QTest::newRow("empty LC_ALL is unset") << "LC_ALL= LANG=en_US.UTF-8" << en;
    QTest::newRow("LANGUAGE over the locale") << "LANG=ja_JP.UTF-8 LANGUAGE=en_GB" << en;
    QTest::newRow("LANGUAGE first known wins") << "LANG=de_DE.UTF-8 LANGUAGE=fr:ja_JP:en" << ja;
    QTest::newRow("LANGUAGE English before Japanese") << "LANG=ja_JP LANGUAGE=en:ja" << en;
    QTest::newRow("LANGUAGE only others") << "LANG=ja_JP.UTF-8 LANGUAGE=fr:de" << en;
    QTest::newRow("LANGUAGE empty entries") << "LANG=ja_JP.UTF-8 LANGUAGE=::" << ja;
    QTest::newRow("LANGUAGE C entry skipped") << "LANG=ja_JP.UTF-8 LANGUAGE=C" << ja;
    QTest::newRow("upper case") << "LANG=JA_JP.UTF-8" << ja;
}

void TestKitLanguage::chosenFromTheEnvironment()
{
    QFETCH(QString, variables);
    QFETCH(KitLanguage, expected);

    QProcessEnvironment environment;
    for (const QString &pair : variables.split(u' ', Qt::SkipEmptyParts))
        environment.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    QCOMPARE(chooseKitLanguage(environment), expected);
}

QTEST_APPLESS_MAIN(TestKitLanguage)
#include "tst_kitlanguage.moc"
