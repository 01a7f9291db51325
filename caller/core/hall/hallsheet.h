#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

// A sheet the hall follows: a phone sheet the caller handed out, or a printed sheet whose code
// and number a phone typed.
struct HallSheet
{
    QString setCode; // as SetCode::text() writes it
    int number = 0;
    QString name; // the holder's name, may be empty
    bool phoneSheet = false;

    friend bool operator==(const HallSheet &, const HallSheet &) = default;
};

// After each reveal: how many followed sheets (each sheet once, however many phones follow it)
// have a reach and a bingo, and the sheets this draw completed.
struct HallTally
{
    int draw = 0; // numbers revealed so far
    int reach = 0;
    int bingo = 0;
    QList<HallSheet> newBingos;

    friend bool operator==(const HallTally &, const HallTally &) = default;
};

// What the operator chose about phone sheets.
struct PhoneSheetPolicy
{
    enum class HandOut {
        UntilFirstStart, // handed out until the game's first Start, then closed
        Open,
        Closed,
    };

    static constexpr int DefaultTotal = 1000;
    // Each phone in a hall has an address of its own; a few share one behind a tethering phone.
    static constexpr int DefaultPerAddress = 4;

    bool enabled = true;
    int total = DefaultTotal;
    int perAddress = DefaultPerAddress;
    HandOut handOut = HandOut::UntilFirstStart;

    friend bool operator==(const PhoneSheetPolicy &, const PhoneSheetPolicy &) = default;
};

Q_DECLARE_METATYPE(HallSheet)
Q_DECLARE_METATYPE(HallTally)
Q_DECLARE_METATYPE(PhoneSheetPolicy)
