#include "qttranslation.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>

class TestQtTranslation : public QObject
{
    Q_OBJECT

private slots:
    void standardButtonsSpeakJapanese();
};

void TestQtTranslation::standardButtonsSpeakJapanese()
{
    QDialogButtonBox before(QDialogButtonBox::Cancel);
    QCOMPARE(before.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancel"));

    installQtJapanese(*qApp);
    QDialogButtonBox after(QDialogButtonBox::Cancel);
    QCOMPARE(after.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
}

QTEST_MAIN(TestQtTranslation)
#include "tst_qttranslation.moc"
