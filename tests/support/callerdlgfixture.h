#pragma once

#include "buttonstates.h"
#include "ccallerdlg.h"
#include "displayframe.h"
#include "fontsubstitutions.h"
#include "recordingcountdown.h"
#include "recordingmessages.h"
#include "recordingsleeper.h"
#include "recordingsound.h"
#include "recordingstarter.h"
#include "scriptedfiles.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include <memory>
#include <vector>

// The caller's dialog with every service it talks to recorded or scripted, and what its tests
// share: finding controls, clicking, reading the display frame.

inline constexpr quint32 Seed = 4242;

// The draw order of a game of 25 from Seed, and the first number of a game of 50, worked out by
// hand from the generator's formula and the fill's upward search.
inline const std::vector<int> orderOf25{16, 21, 19, 18, 24, 17, 3,  14, 0, 20, 2, 13, 15,
                                        22, 1,  10, 4,  11, 23, 25, 5,  6, 9,  8, 7};
inline constexpr int FirstOf50 = 41;

// Real services a test puts in place of the recorded ones.
struct RealCallerServices
{
    FileChooser *files = nullptr;
    ProcessStarter *processes = nullptr;
    MessagePresenter *messages = nullptr;
    SoundOutput *sound = nullptr;
    Sleeper *sleeper = nullptr;
    bool clip = false;
};

struct CallerDlgFixture
{
    using Real = RealCallerServices;

    RecordingSound sound;
    ScriptedFiles files;
    RecordingMessages messages;
    RecordingStarter starter;
    RecordingSleeper sleeper;
    RecordingCountdown countdown;
    std::unique_ptr<CCallerDlg> dialog;

    explicit CallerDlgFixture(const Real &real = {}, quint32 seed = Seed)
    {
        registerFontSubstitutions();
        CallerServices services;
        services.sound = real.sound ? real.sound : &sound;
        services.files = real.files ? real.files : &files;
        services.messages = real.messages ? real.messages : &messages;
        services.processes = real.processes ? real.processes : &starter;
        services.sleeper = real.sleeper ? real.sleeper : &sleeper;
        services.seed = [seed] { return seed; };
        if (!real.clip) {
            services.makeCountdown = [this](QWidget *parent) {
                return CountdownControl{new QWidget(parent), &countdown};
            };
        }
        dialog = std::make_unique<CCallerDlg>(services);
        messages.probe = [this] { return dialog->game().drawCount(); };
    }

    template <typename T = QWidget> T *get(const char *name) const
    {
        return dialog->findChild<T *>(QString::fromLatin1(name));
    }
    QPushButton *button(const char *name) const { return get<QPushButton>(name); }
    DisplayFrame *frame() const { return get<DisplayFrame>("IDC_DISPLAY_FRAME"); }
    QTableWidget *grid() const { return get<QTableWidget>("IDC_DRAWN_LIST"); }
    QComboBox *topNumber() const { return get<QComboBox>("IDC_TOP_NUMBER"); }
    QTimer *timer(int id) const
    {
        return dialog->findChild<QTimer *>(QStringLiteral("timer%1").arg(id));
    }

    QString buttons() const { return buttonStates(*dialog); }

    QString cell(int row, int column) const
    {
        const QTableWidgetItem *item = grid()->item(row, column);
        return item ? item->text() : QString();
    }

    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    void draw()
    {
        click("IDC_START");
        click("IDC_STOP");
    }
    void tick(int id)
    {
        QTimerEvent event(timer(id)->timerId());
        QCoreApplication::sendEvent(timer(id), &event);
    }
};

// Puts the current directory back when a test that moved it ends, however it ends.
class KeepCurrentDir
{
public:
    KeepCurrentDir() = default;
    KeepCurrentDir(const KeepCurrentDir &) = delete;
    KeepCurrentDir &operator=(const KeepCurrentDir &) = delete;
    ~KeepCurrentDir() { QDir::setCurrent(m_dir); }

private:
    QString m_dir = QDir::currentPath();
};

// Where text stands in the display frame when drawn at a slot.
inline QRect textBox(const DisplaySlot &slot, const QString &text)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(slot.pointSize / 10.0);
    const QFontMetrics metrics(font);
    return QRect(QPoint(slot.x, slot.y), QSize(metrics.horizontalAdvance(text), metrics.height()));
}

inline QColor pixel(const DisplayFrame *frame, QPoint p)
{
    return frame->image().pixelColor(p);
}

// How many pixels of a cell are exactly the colour.
inline int countColour(const DisplayFrame *frame, const QRect &cell, const QColor &colour)
{
    int n = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            n += frame->image().pixelColor(x, y) == colour;
    return n;
}
