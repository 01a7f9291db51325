#include "winnerswindow.h"

#include "drawnnumbersfile.h"
#include "filechooser.h"
#include "messagepresenter.h"
#include "safefilewriter.h"
#include "winnerslist.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>

namespace {

constexpr ControlTemplate winnersControls[] = {
    {IDC_WINNERS_LIST, "IDC_WINNERS_LIST", ControlKind::ListView, {7, 7, 306, 156}, "", TabStop},
    {IDC_WINNER_CHECK,
     "IDC_WINNER_CHECK",
     ControlKind::PushButton,
     {7, 170, 56, 14},
     QT_TRANSLATE_NOOP("DialogTemplate", "確認済み"),
     TabStop},
    {IDC_WINNER_HIDE,
     "IDC_WINNER_HIDE",
     ControlKind::PushButton,
     {67, 170, 56, 14},
     QT_TRANSLATE_NOOP("DialogTemplate", "名前を隠す"),
     TabStop},
    {IDC_WINNER_REMOVE,
     "IDC_WINNER_REMOVE",
     ControlKind::PushButton,
     {127, 170, 44, 14},
     QT_TRANSLATE_NOOP("DialogTemplate", "外す"),
     TabStop},
    {IDC_WINNERS_SAVE,
     "IDC_WINNERS_SAVE",
     ControlKind::PushButton,
     {197, 170, 60, 14},
     QT_TRANSLATE_NOOP("DialogTemplate", "CSV に保存..."),
     TabStop},
    {IDC_WINNERS_CLOSE,
     "IDC_WINNERS_CLOSE",
     ControlKind::PushButton,
     {261, 170, 52, 14},
     QT_TRANSLATE_NOOP("DialogTemplate", "閉じる"),
     TabStop},
};

enum Column { PlaceColumn, DrawColumn, SheetColumn, NameColumn, KindColumn, CheckedColumn };

} // namespace

const DialogTemplate winnersDialogTemplate{
    1200,    QT_TRANSLATE_NOOP("DialogTemplate", "ビンゴ順位"), "ＭＳ Ｐゴシック", 9, 320, 191,
    winnersControls};

WinnersWindow::WinnersWindow(WinnersList &winners, MessagePresenter &messages, FileChooser &files,
                             QWidget *parent)
    : QDialog(parent)
    , m_winners(winners)
    , m_messages(messages)
    , m_files(files)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const DialogBuilder builder(
        DialogBaseUnits::forResolution(screen ? screen->logicalDotsPerInchY() : 96.0));
    m_controls = builder.build(this, winnersDialogTemplate);
    m_table = m_controls.get<QTableWidget>(IDC_WINNERS_LIST);
    m_table->setColumnCount(CheckedColumn + 1);
    m_table->setHorizontalHeaderLabels(
        {tr("順位"), tr("回"), tr("シート"), tr("名前"), tr("種類"), tr("確認")});
    m_table->horizontalHeader()->show();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);

    connect(m_controls.get<QPushButton>(IDC_WINNER_CHECK), &QPushButton::clicked, this,
            &WinnersWindow::toggleChecked);
    connect(m_controls.get<QPushButton>(IDC_WINNER_HIDE), &QPushButton::clicked, this,
            &WinnersWindow::toggleNameHidden);
    connect(m_controls.get<QPushButton>(IDC_WINNER_REMOVE), &QPushButton::clicked, this,
            &WinnersWindow::removeWinner);
    connect(m_controls.get<QPushButton>(IDC_WINNERS_SAVE), &QPushButton::clicked, this,
            &WinnersWindow::saveCsv);
    connect(m_controls.get<QPushButton>(IDC_WINNERS_CLOSE), &QPushButton::clicked, this,
            &QDialog::close);
    connect(&m_winners, &WinnersList::changed, this, &WinnersWindow::refill);
    refill();
}

void WinnersWindow::refill()
{
    const int keep = selectedRow();
    const QList<Winner> &winners = m_winners.winners();
    m_table->setRowCount(static_cast<int>(winners.size()));
    for (int row = 0; row < winners.size(); ++row) {
        const Winner &w = winners[row];
        // A QTableWidgetItem shows its text as it is, so a name is never taken for markup.
        const QStringList cells{
            QString::number(m_winners.place(row)),
            QString::number(w.draw),
            QStringLiteral("%1  No.%2").arg(w.sheet.setCode).arg(w.sheet.number),
            w.nameHidden ? tr("(隠しています)") : w.sheet.name,
            w.sheet.phoneSheet ? tr("スマホ") : tr("紙 (用紙を見せてもらう)"),
            w.checked ? tr("済") : QString(),
        };
        for (int column = 0; column < cells.size(); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    if (keep >= 0 && keep < m_table->rowCount())
        m_table->selectRow(keep);
    else if (m_table->rowCount() > 0)
        m_table->selectRow(0);
    for (int id : {IDC_WINNER_CHECK, IDC_WINNER_HIDE, IDC_WINNER_REMOVE})
        m_controls.widget(id)->setEnabled(!winners.isEmpty());
}

int WinnersWindow::selectedRow() const
{
    const QList<QTableWidgetSelectionRange> ranges = m_table->selectedRanges();
    return ranges.isEmpty() ? -1 : ranges.constFirst().topRow();
}

void WinnersWindow::toggleChecked()
{
    const int row = selectedRow();
    if (row >= 0)
        m_winners.setChecked(row, !m_winners.winners()[row].checked);
}

void WinnersWindow::toggleNameHidden()
{
    const int row = selectedRow();
    if (row >= 0)
        m_winners.setNameHidden(row, !m_winners.winners()[row].nameHidden);
}

void WinnersWindow::removeWinner()
{
    const int row = selectedRow();
    if (row < 0 || !m_messages.ask(this, title(),
                                   tr("%1\nをビンゴ順位から外しますか? 外したシートは戻りません。")
                                       .arg(m_winners.line(row))))
        return;
    m_winners.remove(row);
}

void WinnersWindow::saveCsv()
{
    const QString path =
        m_files.choose(this, FileChooser::Purpose::Save, tr("ビンゴ順位を保存"),
                       {QStringLiteral("CSV Files(*.csv)"), QStringLiteral("All Files(*.*)")});
    if (path.isEmpty())
        return;
    if (const auto error = writeWinnersCsv(m_winners, path))
        m_messages.show(this, MessagePresenter::Icon::Critical, title(), *error);
}

std::optional<QString> writeWinnersCsv(const WinnersList &winners, const QString &path)
{
    if (const auto reason = writeFileSafely(path, winners.csv()))
        return FileWriteError{path, *reason}.message();
    return std::nullopt;
}

QString winnersCsvBeside(const QString &drawnNumbersPath)
{
    const QFileInfo drawn(drawnNumbersPath);
    const QString base = drawn.suffix().compare(QStringLiteral("txt"), Qt::CaseInsensitive) == 0
                             ? drawn.completeBaseName()
                             : drawn.fileName();
    return drawn.dir().filePath(base + QStringLiteral("-winners.csv"));
}
