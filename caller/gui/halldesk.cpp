#include "halldesk.h"

#include "audiencescreen.h"
#include "callergame.h"
#include "hallbanner.h"
#include "liveserving.h"
#include "phonesheetsdialog.h"
#include "winnerswindow.h"

#include <QAction>
#include <QWidget>

HallDesk::HallDesk(const CallerGame &game, LiveServing &live, MessagePresenter &messages,
                   FileChooser &files, QWidget &dialog)
    : QObject(&dialog)
    , m_live(live)
    , m_messages(messages)
    , m_files(files)
    , m_dialog(dialog)
    , m_audience(m_winners)
    , m_winnersItem(new QAction(winnersItemText(), this))
    , m_phoneSheetsItem(new QAction(phoneSheetsItemText(), this))
{
    m_winnersItem->setObjectName(QStringLiteral("winners"));
    m_winnersItem->setShortcut(WinnersKey);
    connect(m_winnersItem, &QAction::triggered, this, &HallDesk::openWinners);
    m_phoneSheetsItem->setObjectName(QStringLiteral("phoneSheets"));
    connect(m_phoneSheetsItem, &QAction::triggered, this, &HallDesk::choosePhoneSheets);

    connect(&live, &LiveServing::tallied, &m_winners, &WinnersList::take);
    connect(&live, &LiveServing::sheetNamed, &m_winners, &WinnersList::rename);
    connect(&live, &LiveServing::tallied, &m_audience, &AudienceHall::take);
    connect(&game, &CallerGame::gameCleared, &m_winners, &WinnersList::clear);
    m_audience.follow(game);
    connect(&m_winners, &WinnersList::changed, this, &HallDesk::updateItems);
    connect(live.action(), &QAction::toggled, this, &HallDesk::updateItems);
    updateItems();
}

void HallDesk::updateItems()
{
    const bool hall = m_live.action()->isChecked() || !m_winners.isEmpty();
    m_winnersItem->setVisible(hall);
    m_phoneSheetsItem->setVisible(hall);
}

void HallDesk::openWinners()
{
    if (!m_window) {
        m_window = new WinnersWindow(m_winners, m_messages, m_files, &m_dialog);
        m_window->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void HallDesk::showOn(AudienceScreen &screen, const AudienceBoard &board)
{
    // Made on the screen, so that a strip with something to show never opens as a window of its
    // own.
    screen.setBanner(new HallBanner(board, m_audience, &screen));
}

void HallDesk::choosePhoneSheets()
{
    PhoneSheetsDialog dialog(m_live.phoneSheetPolicy(), m_live.phoneSetCode(),
                             m_live.phoneSheetCount(), m_messages, &m_dialog);
    if (dialog.exec() == QDialog::Accepted)
        m_live.setPhoneSheetPolicy(dialog.policy());
}

QString HallDesk::bingoEndText(const QString &bingoEnd) const
{
    QStringList lines{bingoEnd};
    const int shown = std::min<int>(BingoEndWinners, static_cast<int>(m_winners.winners().size()));
    if (shown > 0)
        lines << QString();
    for (int row = 0; row < shown; ++row)
        lines << m_winners.line(row);
    return lines.join(u'\n');
}

std::optional<QString> HallDesk::saveBeside(const QString &drawnNumbersPath) const
{
    if (m_winners.isEmpty())
        return std::nullopt;
    return writeWinnersCsv(m_winners, winnersCsvBeside(drawnNumbersPath));
}
