#include "callergame.h"

#include "dialogint.h"
#include "numberfill.h"
#include "numbertext.h"
#include "randomsource.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
constexpr auto On = CallerGame::Setting::On;
constexpr auto Off = CallerGame::Setting::Off;
constexpr auto Keep = CallerGame::Setting::Keep;
} // namespace

// Start, Stop, Clear, Save, Sheet, Number.
const std::array<CallerGame::ButtonRow, 7> CallerGame::buttonTable{{
    {Event::Initialised, On, Off, Off, Off, Keep, Keep},
    {Event::Start, Off, On, Off, Off, Off, Off},
    {Event::StopMoreRemain, On, Off, On, On, Off, Keep},
    {Event::StopLastNumber, Off, Off, On, On, Off, Keep},
    {Event::Clear, On, Off, Off, Off, On, On},
    {Event::Save, On, Off, On, Off, Keep, Keep},
    // Once every number is drawn there is nothing left to start or stop until Clear.
    {Event::SaveFinished, Off, Off, On, Off, Keep, Keep},
}};

CallerGame::CallerGame(GameView &view, GameDisplays &displays, RandomSource &random,
                       QObject *parent)
    : QObject(parent)
    , m_view(view)
    , m_displays(displays)
    , m_random(random)
{}

QString CallerGame::topNumberRefusal(const QString &input)
{
    return QCoreApplication::translate(
               "CallerGame",
               "数には 1 から %1 までの整数を入力してください。\n入力された数: 「%2」")
        .arg(QString::number(MaxTopNumber), input);
}

std::optional<int> CallerGame::playableTopNumber(const QString &input)
{
    // Only a top number the draw order has room for can be played.
    const DialogInt parsed = readLeadingInt(input);
    if (!parsed.ok() || parsed.value < 1 || parsed.value > MaxTopNumber)
        return std::nullopt;
    return parsed.value;
}

void CallerGame::apply(Event event)
{
    for (const ButtonRow &row : buttonTable) {
        if (row.event != event)
            continue;
        const std::pair<GameControl, Setting> settings[] = {
            {GameControl::Start, row.start}, {GameControl::Stop, row.stop},
            {GameControl::Clear, row.clear}, {GameControl::Save, row.save},
            {GameControl::Sheet, row.sheet}, {GameControl::Number, row.number},
        };
        for (const auto &[control, setting] : settings) {
            if (setting != Keep)
                m_view.setControlEnabled(control, setting == On);
        }
        return;
    }
}

void CallerGame::fillDrawOrder()
{
    fillUniqueNumbers(m_drawOrder, m_topNumber, m_topNumber, m_random);
}

void CallerGame::initialise()
{
    m_started = 0;
    m_drawCount = 0;
    m_listRow = 0;
    m_listCol = 0;
    apply(Event::Initialised);
}

void CallerGame::start()
{
    if (isFinished())
        return;
    int topNumber = m_topNumber;
    if (!m_started) {
        // A top number that cannot be played leaves the game in Ready, with the combobox
        // still open for a correction.
        const QString input = m_view.topNumberInput();
        const std::optional<int> playable = playableTopNumber(input);
        if (!playable) {
            m_view.refuseTopNumber(topNumberRefusal(input));
            return;
        }
        topNumber = *playable;
    }

    m_displays.ReadTextColour();
    apply(Event::Start);
    const bool firstStart = !m_started;
    if (firstStart) {
        m_topNumber = topNumber;
        fillDrawOrder();
    }
    m_view.StartCountdown();
    m_displays.StartSpin();
    m_view.playCue(GameCue::Start);
    // A Start after a save between draws spins again for the same number.
    if (firstStart && m_drawCount == 0) {
        const std::span<const int> order = drawOrder();
        emit gameStarted(m_topNumber, QList<int>(order.begin(), order.end()));
    }
    emit spinStarted(m_drawCount);
}

void CallerGame::stop()
{
    if (m_topNumber < 1 || m_drawCount >= m_topNumber)
        return;
    const int index = m_drawCount;
    const int number = m_drawOrder[static_cast<std::size_t>(index)];
    emit numberDrawn(index, number);
    m_displays.Reveal(number);
    m_numberText = ::numberText(number);

    if (m_drawCount == 0) {
        m_view.insertGridRow(0);
    } else if (m_drawCount % GridColumns == 0) {
        ++m_listRow;
        m_listCol = 0;
        m_view.insertGridRow(m_listRow);
    }
    m_view.setGridCell(m_listRow, m_listCol, m_numberText);

    const bool last = index == m_topNumber - 1;
    apply(last ? Event::StopLastNumber : Event::StopMoreRemain);
    ++m_listCol;
    ++m_drawCount;
    m_started = 1;
    emit numberRevealed(index, number);
    if (last) {
        emit gameFinished();
        m_view.showBingoEnd();
    }
}

void CallerGame::clear()
{
    const int drawn = m_drawCount;
    apply(Event::Clear);
    m_view.clearGrid();
    m_displays.Erase();
    // The fresh order is replaced at the next Start; drawing it still advances the generator.
    fillDrawOrder();
    m_drawCount = 0;
    m_listCol = 0;
    m_listRow = 0;
    m_started = 0;
    m_view.playCue(GameCue::Clear);
    emit gameCleared(drawn);
}

bool CallerGame::restore(std::span<const int> drawOrder, int drawCount)
{
    const auto topNumber = static_cast<int>(drawOrder.size());
    if (topNumber < 1 || topNumber > MaxTopNumber || drawCount < 0 || drawCount > topNumber)
        return false;
    std::copy(drawOrder.begin(), drawOrder.end(), m_drawOrder.begin());
    m_topNumber = topNumber;
    m_topNumberText = QString::number(topNumber);
    m_drawCount = drawCount;
    m_started = 1;
    m_view.clearGrid();
    for (int index = 0; index < drawCount; ++index) {
        if (index % GridColumns == 0)
            m_view.insertGridRow(index / GridColumns);
        m_view.setGridCell(index / GridColumns, index % GridColumns,
                           ::numberText(drawOrder[static_cast<std::size_t>(index)]));
    }
    // Where the next number goes, as the Stops of the drawn ones would have left it.
    m_listRow = drawCount > 0 ? (drawCount - 1) / GridColumns : 0;
    m_listCol = drawCount > 0 ? (drawCount - 1) % GridColumns + 1 : 0;
    m_numberText = drawCount > 0 ? ::numberText(drawOrder[static_cast<std::size_t>(drawCount - 1)])
                                 : QString();
    apply(drawCount == topNumber ? Event::StopLastNumber : Event::StopMoreRemain);
    m_view.setControlEnabled(GameControl::Number, false);
    emit gameRestored(topNumber, QList<int>(drawOrder.begin(), drawOrder.end()), drawCount);
    return true;
}

void CallerGame::beginSave()
{
    apply(isFinished() ? Event::SaveFinished : Event::Save);
}

void CallerGame::endSave(bool written)
{
    if (!isFinished()) {
        if (written)
            m_view.setControlEnabled(GameControl::Stop, true);
    } else if (!written) {
        // No Stop is left to enable Save again, so a finished game that was not written can
        // be saved on another try instead of being lost.
        m_view.setControlEnabled(GameControl::Save, true);
    }
    emit saveEnded(written);
}
