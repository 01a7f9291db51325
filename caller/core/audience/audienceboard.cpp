#include "audienceboard.h"

#include <algorithm>
#include <cmath>

namespace {

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double luminance(Rgb colour)
{
    const auto linear = [](int component) {
        const double c = component / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

// The sRGB component of a grey of the given relative luminance, 0 to 255.
double greyComponent(double luminance)
{
    const double l = std::clamp(luminance, 0.0, 1.0);
    const double c = l <= 0.0031308 ? l * 12.92 : 1.055 * std::pow(l, 1 / 2.4) - 0.055;
    return c * 255;
}

} // namespace

AudienceBoard::AudienceBoard(QObject *parent)
    : QObject(parent)
{}

void AudienceBoard::follow(const CallerGame &game)
{
    connect(&game, &CallerGame::gameStarted, this,
            [this](int topNumber, const QList<int> &) { gameStarted(topNumber); });
    connect(&game, &CallerGame::spinStarted, this, [this] { spinStarted(); });
    connect(&game, &CallerGame::numberRevealed, this,
            [this](int, int number) { numberRevealed(number); });
    connect(&game, &CallerGame::gameFinished, this, [this] { gameFinished(); });
    connect(&game, &CallerGame::gameCleared, this, [this] { gameCleared(); });
    connect(&game, &CallerGame::gameRestored, this,
            [this](int topNumber, const QList<int> &order, int drawCount) {
                gameRestored(topNumber, order.first(drawCount));
            });
}

void AudienceBoard::gameRestored(int topNumber, const QList<int> &drawn)
{
    gameStarted(topNumber);
    for (int number : drawn)
        numberRevealed(number);
    if (drawn.size() == topNumber)
        gameFinished();
    else if (drawn.isEmpty())
        m_phase = Phase::BetweenDraws;
    emit changed();
}

void AudienceBoard::setTopNumberText(const QString &text)
{
    const std::optional<int> top = CallerGame::playableTopNumber(text);
    if (!top || *top == m_chosenTop)
        return;
    m_chosenTop = *top;
    if (m_phase == Phase::Waiting)
        emit changed();
}

void AudienceBoard::setTextColour(Rgb colour)
{
    if (colour == m_textColour)
        return;
    m_textColour = colour;
    emit changed();
}

bool AudienceBoard::isCalled(int number) const
{
    return number >= 0 && number < static_cast<int>(m_calledFlags.size()) &&
           m_calledFlags[static_cast<std::size_t>(number)];
}

QList<int> AudienceBoard::recent() const
{
    QList<int> numbers;
    for (auto it = m_called.crbegin(); it != m_called.crend() && numbers.size() < RecentCount; ++it)
        numbers << *it;
    return numbers;
}

QString AudienceBoard::countText() const
{
    return QStringLiteral("%1 / %2").arg(drawnCount()).arg(topNumber());
}

Rgb AudienceBoard::contrastingBackground(Rgb text)
{
    // Contrast ratios as (lighter + 0.05) / (darker + 0.05) against white and black.
    const double l = luminance(text);
    const double onWhite = 1.05 / (l + 0.05);
    const double onBlack = (l + 0.05) / 0.05;
    return onWhite > onBlack ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
}

double AudienceBoard::contrast(Rgb a, Rgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Rgb AudienceBoard::uncalledColour() const
{
    // Rounded away from the background, so the contrast is never below the one asked for.
    const double back = luminance(backColour());
    const int grey = back > 0.5
                         ? int(std::floor(greyComponent((back + 0.05) / UncalledContrast - 0.05)))
                         : int(std::ceil(greyComponent((back + 0.05) * UncalledContrast - 0.05)));
    return Rgb{grey, grey, grey};
}

void AudienceBoard::gameStarted(int topNumber)
{
    m_topNumber = topNumber;
    m_called.clear();
    m_calledFlags.fill(false);
}

void AudienceBoard::spinStarted()
{
    m_phase = Phase::Spinning;
    emit changed();
}

void AudienceBoard::numberRevealed(int number)
{
    if (number >= 0 && number < static_cast<int>(m_calledFlags.size()))
        m_calledFlags[static_cast<std::size_t>(number)] = true;
    m_called << number;
    m_phase = Phase::BetweenDraws;
    emit changed();
}

void AudienceBoard::gameFinished()
{
    m_phase = Phase::Finished;
    emit changed();
}

void AudienceBoard::gameCleared()
{
    m_phase = Phase::Waiting;
    m_called.clear();
    m_calledFlags.fill(false);
    emit changed();
}
