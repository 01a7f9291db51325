#include "messagepresenter.h"

#include <QMessageBox>

void QtMessagePresenter::show(QWidget *parent, Icon icon, const QString &title, const QString &text)
{
    QMessageBox box(parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(title);
    // Texts carry names and file names as they were given: never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    switch (icon) {
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    }
    box.exec();
}

bool QtMessagePresenter::ask(QWidget *parent, const QString &title, const QString &text)
{
    return askWithDefault(parent, title, text, false);
}

bool QtMessagePresenter::askDefaultYes(QWidget *parent, const QString &title, const QString &text)
{
    return askWithDefault(parent, title, text, true);
}

bool QtMessagePresenter::askWithDefault(QWidget *parent, const QString &title, const QString &text,
                                        bool yesByDefault)
{
    QMessageBox box(parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(yesByDefault ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}
