#include "messagepresenter.h"

#include <QGridLayout>
#include <QMessageBox>

namespace {

// A title bar holds the window's icon and three buttons beside the title, each about two lines
// of text wide with its spacing.
constexpr int TitleBarItems = 4;

// A box only as wide as "Bingo End" and its OK button would have its title cut to "K…". Called
// last: setting the icon or the buttons lays the box out anew.
void keepTitleWhole(QMessageBox &box)
{
    auto *grid = qobject_cast<QGridLayout *>(box.layout());
    if (!grid)
        return;
    QFont title = box.font();
    title.setBold(true);
    const QFontMetrics metrics(title);
    const int width =
        metrics.horizontalAdvance(box.windowTitle()) + TitleBarItems * 2 * metrics.height();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

} // namespace

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
    keepTitleWhole(box);
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
    keepTitleWhole(box);
    return box.exec() == QMessageBox::Yes;
}
