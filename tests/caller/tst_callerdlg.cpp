#include "caboutdlg.h"
#include "callerdlgtemplate.h"
#include "ccallerdlg.h"
#include "clipwidget.h"
#include "countdownplayer.h"
#include "displayframe.h"
#include "drawnnumbersfile.h"
#include "filechooser.h"
#include "fontsubstitutions.h"
#include "messagepresenter.h"
#include "numberfill.h"
#include "numbertext.h"
#include "processstarter.h"
#include "sheetcheckdialog.h"
#include "sleeper.h"
#include "soundoutput.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSet>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include <functional>

namespace {

constexpr quint32 Seed = 4242;

class RecordingSound final : public SoundOutput
{
public:
    QStringList opened;
    int plays = 0;
    bool open(const QString &path) override
    {
        opened << path;
        return true;
    }
    void play() override { ++plays; }
    void close() override {}
};

class ScriptedFiles final : public FileChooser
{
public:
    QString answer;
    QStringList filters;
    Purpose purpose = Purpose::Open;
    QString choose(QWidget *, Purpose p, const QString &, const QStringList &f) override
    {
        purpose = p;
        filters = f;
        return answer;
    }
};

struct ShownMessage
{
    MessagePresenter::Icon icon;
    QString title;
    QString text;
    int drawCountWhenShown;
};

class RecordingMessages final : public MessagePresenter
{
public:
    QList<ShownMessage> shown;
    std::function<int()> drawCount = [] { return -1; };
    void show(QWidget *, Icon icon, const QString &title, const QString &text) override
    {
        shown.append({icon, title, text, drawCount()});
    }
    QStringList questions;
    bool answer = false;
    bool ask(QWidget *, const QString &title, const QString &text) override
    {
        questions << title + u'|' + text;
        return answer;
    }
};

class RecordingStarter final : public ProcessStarter
{
public:
    QStringList started;
    std::optional<QString> failure;
    std::optional<QString> startDetached(const QString &program, const QString &dir) override
    {
        started << program + QStringLiteral(" in ") + dir;
        return failure;
    }
};

class RecordingSleeper final : public Sleeper
{
public:
    QList<int> sleeps;
    void sleep(int ms) override { sleeps << ms; }
};

class RecordingCountdown final : public CountdownPlayer
{
public:
    QStringList calls;
    bool open(const QString &path) override
    {
        calls << QStringLiteral("open ") + path;
        return true;
    }
    void play(int repeat, int from, int to) override
    {
        calls << QStringLiteral("play %1 %2 %3").arg(repeat).arg(from).arg(to);
    }
    void stop() override { calls << QStringLiteral("stop"); }
};

// Keeps the regions the display frame was asked to paint.
class PaintRecorder final : public QObject
{
public:
    QRegion painted;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            painted += static_cast<QPaintEvent *>(event)->region();
        return false;
    }
};

struct Fixture
{
    RecordingSound sound;
    ScriptedFiles files;
    RecordingMessages messages;
    RecordingStarter starter;
    RecordingSleeper sleeper;
    RecordingCountdown countdown;
    std::unique_ptr<CCallerDlg> dialog;

    enum class Clip { Recorded, Real };

    explicit Fixture(FileChooser *realFiles = nullptr, ProcessStarter *realStarter = nullptr,
                     Clip clip = Clip::Recorded)
    {
        CallerServices services;
        services.sound = &sound;
        services.files = realFiles ? realFiles : &files;
        services.messages = &messages;
        services.processes = realStarter ? realStarter : &starter;
        services.sleeper = &sleeper;
        services.seed = [] { return Seed; };
        if (clip == Clip::Recorded) {
            services.makeCountdown = [this](QWidget *parent) {
                auto *area = new QWidget(parent);
                return CountdownControl{area, &countdown};
            };
        }
        dialog = std::make_unique<CCallerDlg>(services);
        messages.drawCount = [this] { return dialog->game().drawCount(); };
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

    // Start, Stop, Clear, Save, Sheet, Number as 1 (enabled) or 0.
    QString buttons() const
    {
        QString s;
        for (const char *name :
             {"IDC_START", "IDC_STOP", "IDC_CLEAR", "IDC_SAVE", "IDC_SHEET", "IDC_TOP_NUMBER"})
            s += get(name)->isEnabled() ? u'1' : u'0';
        return s;
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

QRect textBox(const DisplaySlot &slot, const QString &text)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(slot.pointSize / 10.0);
    const QFontMetrics metrics(font);
    return QRect(QPoint(slot.x, slot.y), QSize(metrics.horizontalAdvance(text), metrics.height()));
}

// A start-up directory laid out like the program folder: the still clip and, when asked for,
// the "wave" folder with the countdown clip.
bool layOutClips(const QString &dir, bool withWave)
{
    const QString programDir = QStringLiteral(KIT_PROGRAM_DIR);
    if (!QFile::copy(programDir + QStringLiteral("/COUNT16.AVI"),
                     dir + QStringLiteral("/COUNT16.AVI")))
        return false;
    if (!withWave)
        return true;
    return QDir(dir).mkdir(QStringLiteral("wave")) &&
           QFile::copy(programDir + QStringLiteral("/wave/count16.AVI"),
                       dir + QStringLiteral("/wave/count16.AVI"));
}

QColor pixel(const DisplayFrame *frame, QPoint p)
{
    return frame->image().pixelColor(p);
}

// How many pixels of a cell are exactly the colour.
int countColour(const DisplayFrame *frame, const QRect &cell, const QColor &colour)
{
    int n = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            n += frame->image().pixelColor(x, y) == colour;
    return n;
}

std::vector<int> expectedOrder(int n)
{
    CrtRandom random(Seed);
    std::vector<int> order(static_cast<std::size_t>(n));
    fillUniqueNumbers(order, n, n, random);
    return order;
}

const char *kindClass(ControlKind kind)
{
    switch (kind) {
    case ControlKind::PushButton:
        return "QPushButton";
    case ControlKind::GroupBox:
        return "QGroupBox";
    case ControlKind::Frame:
        return "QFrame";
    case ControlKind::ComboBox:
        return "QComboBox";
    case ControlKind::RadioButton:
        return "QRadioButton";
    case ControlKind::ListView:
        return "QTableWidget";
    default:
        return "QWidget";
    }
}

} // namespace

class TestCallerDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void builtAgainstTheTable_data();
    void builtAgainstTheTable();
    void displaysInsideTheirFrames_data();
    void displaysInsideTheirFrames();
    void initialState();
    void wholeGameOfTwentyFive();
    void refusedTopNumber();
    void slotColours_data();
    void slotColours();
    void textColourAtTheNextTick();
    void tickRepaintsOnlyItsSlot();
    void exposeShowsWhatWasPainted();
    void clearErasesTheDisplays();
    void save_data();
    void save();
    void finishedGameCanBeSavedAgain();
    void typedTopNumberSurvivesSave();
    void typedTopNumberIsPlayedAsTyped_data();
    void typedTopNumberIsPlayedAsTyped();
    void realFileDialogKeepsTheCurrentDirectory();
    void sheetButton_data();
    void sheetButton();
    void sheetStartsForReal();
    void sheetMissingForReal();
    void aboutFromTheContextMenu();
    void sheetCheckBeforeAnyDrawSaysWhy();
    void sheetCheckMarksTheNumbersDrawn();
    void closingMidGameAsksFirst_data();
    void closingMidGameAsksFirst();
    void countdownClipsPlay();
    void missingCountdownLeavesTheAreaEmpty();
    void gridFollowsTheLatestRow();
    void gridMarksNoNumber();

private:
    QString m_originalDir;
};

void TestCallerDlg::initTestCase()
{
    registerFontSubstitutions();
    m_originalDir = QDir::currentPath();
}

void TestCallerDlg::cleanup()
{
    QDir::setCurrent(m_originalDir);
}

void TestCallerDlg::builtAgainstTheTable_data()
{
    QTest::addColumn<int>("index");
    for (const ControlTemplate &control : callerDialogTemplate.controls) {
        const int index = static_cast<int>(&control - callerDialogTemplate.controls.data());
        const QByteArray name =
            control.name ? QByteArray(control.name) : "decoration " + QByteArray::number(index);
        QTest::newRow(name.constData()) << index;
    }
}

void TestCallerDlg::builtAgainstTheTable()
{
    QFETCH(int, index);
    Fixture f;
    const ControlTemplate &control = callerDialogTemplate.controls[std::size_t(index)];
    const DialogBaseUnits units =
        DialogBaseUnits::forResolution(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    QCOMPARE(f.dialog->windowTitle(), QStringLiteral("BINGO"));
    QCOMPARE(f.dialog->size(), QSize(units.toPixelsX(418), units.toPixelsY(399)));

    const QRect expected = units.toPixels(control.rect);
    QWidget *widget = nullptr;
    if (control.name) {
        widget = f.get(control.name);
    } else {
        // A decoration is found by its place and caption.
        for (auto *box : f.dialog->findChildren<QGroupBox *>()) {
            if (box->geometry() == expected && box->title() == QString::fromUtf8(control.caption))
                widget = box;
        }
    }
    QVERIFY(widget);
    QVERIFY(widget->inherits(kindClass(control.kind)));
    QCOMPARE(widget->pos(), expected.topLeft());
    QCOMPARE(widget->width(), expected.width());
    if (control.kind != ControlKind::ComboBox)
        QCOMPARE(widget->height(), expected.height());

    const QString caption = QString::fromUtf8(control.caption);
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        QCOMPARE(button->text(), caption);
    if (auto *box = qobject_cast<QGroupBox *>(widget))
        QCOMPARE(box->title(), caption);
}

void TestCallerDlg::displaysInsideTheirFrames_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<QString>("panel");

    const auto row = [](const char *name, DisplaySlot slot, const char *panel) {
        QTest::newRow(name) << slot.x << slot.y << slot.pointSize << QString::fromLatin1(panel);
    };
    row("centre inside the lower frame", NumberDisplays::Centre, "IDC_LOWER_PANEL");
    row("left inside the lower frame", NumberDisplays::Left, "IDC_LOWER_PANEL");
    row("right inside the lower frame", NumberDisplays::Right, "IDC_LOWER_PANEL");
    row("called inside the top-right frame", NumberDisplays::Called, "IDC_CALLED_PANEL");
}

void TestCallerDlg::displaysInsideTheirFrames()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, pointSize);
    QFETCH(QString, panel);

    Fixture f;
    auto *frame = f.dialog->findChild<QFrame *>(panel);
    QVERIFY(frame);
    const QRect inner = frame->contentsRect().translated(frame->pos() - f.frame()->pos());
    const QRect box = textBox({x, y, pointSize}, QStringLiteral("88"));
    QVERIFY2(inner.contains(box), qPrintable(QStringLiteral("%1,%2 %3x%4 outside %5,%6 %7x%8")
                                                 .arg(box.x())
                                                 .arg(box.y())
                                                 .arg(box.width())
                                                 .arg(box.height())
                                                 .arg(inner.x())
                                                 .arg(inner.y())
                                                 .arg(inner.width())
                                                 .arg(inner.height())));
    QFont font(QStringLiteral("Times New Roman"));
    QCOMPARE(QFontInfo(font).family(), QStringLiteral("Liberation Serif"));
}

void TestCallerDlg::initialState()
{
    QTemporaryDir start;
    QDir::setCurrent(start.path());
    Fixture f;
    QCOMPARE(f.dialog->startDir(), QDir::currentPath());
    QCOMPARE(f.buttons(), QStringLiteral("100011"));
    QCOMPARE(f.topNumber()->currentText(), QStringLiteral("50"));
    QVERIFY(f.topNumber()->isEditable());
    QStringList items;
    for (int i = 0; i < f.topNumber()->count(); ++i)
        items << f.topNumber()->itemText(i);
    QCOMPARE(items, (QStringList{"25", "50", "75"}));
    QVERIFY(f.get<QRadioButton>("IDC_COLOR_BLUE")->isChecked());
    QVERIFY(f.get<QRadioButton>("IDC_BACK_ON")->isChecked());
    QVERIFY(!f.get<QRadioButton>("IDC_BACK_OFF")->isChecked());

    QCOMPARE(f.sound.opened, (QStringList{f.dialog->startDir() + "/wave/file.wav"}));
    QCOMPARE(f.sound.plays, 1);
    QCOMPARE(f.countdown.calls, (QStringList{"open " + f.dialog->startDir() + "/COUNT16.AVI"}));

    QCOMPARE(f.grid()->columnCount(), 5);
    for (int c = 0; c < 5; ++c)
        QCOMPARE(f.grid()->columnWidth(c), 50);
    QVERIFY(f.grid()->showGrid());
    QVERIFY(f.grid()->horizontalHeader()->isHidden());
    QCOMPARE(f.grid()->rowCount(), 0);
    QVERIFY(!f.dialog->windowIcon().isNull());
    QVERIFY(f.frame()->testAttribute(Qt::WA_TransparentForMouseEvents));
}

void TestCallerDlg::wholeGameOfTwentyFive()
{
    Fixture f;
    f.topNumber()->setEditText(QStringLiteral("25"));
    const std::vector<int> order = expectedOrder(25);
    const QString dir = f.dialog->startDir();
    QStringList cues{dir + "/wave/file.wav"};

    for (int k = 0; k < 25; ++k) {
        f.countdown.calls.clear();
        f.sleeper.sleeps.clear();
        f.click("IDC_START");
        QCOMPARE(f.buttons(), QStringLiteral("010000"));
        QCOMPARE(f.countdown.calls, (QStringList{"open wave/count16.AVI", "play -1 0 65535"}));
        for (int id : {2, 3, 4})
            QVERIFY(f.timer(id)->isActive());
        cues << dir + "/wave/start.wav";

        f.click("IDC_STOP");
        cues << dir + "/wave/stop.wav" << dir + "/wave/stop.wav" << dir + "/wave/stop.wav";
        QCOMPARE(f.countdown.calls.last(), QStringLiteral("stop"));
        QCOMPARE(f.sleeper.sleeps, (QList<int>{100, 300, 300}));
        for (int id : {2, 3, 4})
            QVERIFY(!f.timer(id)->isActive());

        QTableWidgetItem *cell = f.grid()->item(k / 5, k % 5);
        QVERIFY(cell);
        QCOMPARE(cell->text(), numberText(order[std::size_t(k)]));
        QCOMPARE(cell->textAlignment(), int(Qt::AlignCenter));
        QCOMPARE(f.grid()->rowCount(), k / 5 + 1);
        QCOMPARE(f.buttons(), k < 24 ? QStringLiteral("101100") : QStringLiteral("001100"));
    }
    QCOMPARE(f.sound.opened, cues);
    QCOMPARE(f.messages.shown.size(), 1);
    const ShownMessage &end = f.messages.shown.constFirst();
    QCOMPARE(end.title, QStringLiteral("Kavelo"));
    QCOMPARE(end.text, QStringLiteral("Bingo End"));
    QCOMPARE(end.drawCountWhenShown, 24);
    QCOMPARE(f.dialog->game().drawCount(), 25);

    f.click("IDC_CLEAR");
    QCOMPARE(f.buttons(), QStringLiteral("100011"));
    QCOMPARE(f.grid()->rowCount(), 0);
    QCOMPARE(f.sound.opened.last(), dir + "/wave/clear.wav");
    QCOMPARE(f.sound.opened.size(), cues.size() + 1);
}

void TestCallerDlg::refusedTopNumber()
{
    Fixture f;
    f.topNumber()->setEditText(QStringLiteral("abc"));
    f.click("IDC_START");
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.messages.shown.constFirst().title, QStringLiteral("Kavelo"));
    QVERIFY(f.messages.shown.constFirst().text.contains(QStringLiteral("abc")));
    QCOMPARE(f.buttons(), QStringLiteral("100011"));
    QCOMPARE(f.sound.opened.size(), 1);
    QVERIFY(!f.timer(2)->isActive());
}

void TestCallerDlg::slotColours_data()
{
    QTest::addColumn<QString>("backRadio");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QColor>("back");

    const QColor cyan(0, 255, 255), grey(190, 190, 190);
    QTest::newRow("有 puts the centre on cyan") << "IDC_BACK_ON" << 270 << 325 << cyan;
    QTest::newRow("有 puts the called slot on cyan") << "IDC_BACK_ON" << 453 << 25 << cyan;
    QTest::newRow("無 puts the centre on grey") << "IDC_BACK_OFF" << 270 << 325 << grey;
    QTest::newRow("無 puts the called slot on grey") << "IDC_BACK_OFF" << 453 << 25 << grey;
    QTest::newRow("the left slot is pink") << "IDC_BACK_OFF" << 30 << 345 << QColor(255, 150, 255);
    QTest::newRow("the right slot is yellow") << "IDC_BACK_ON" << 530 << 345 << QColor(255, 255, 0);
}

void TestCallerDlg::slotColours()
{
    QFETCH(QString, backRadio);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QColor, back);

    Fixture f;
    f.dialog->findChild<QRadioButton *>(backRadio)->setChecked(true);
    f.draw();
    // The top of a cell lies above the digits.
    QCOMPARE(pixel(f.frame(), {x + 2, y + 2}), back);
    const QRect cell = textBox({x, y, 1200}, QStringLiteral("88"));
    QVERIFY(countColour(f.frame(), cell, QColor(0, 0, 255)) > 100);
}

void TestCallerDlg::textColourAtTheNextTick()
{
    Fixture f;
    f.click("IDC_START");
    const QRect left = textBox(NumberDisplays::Left, QStringLiteral("88"));
    f.tick(3);
    QVERIFY(countColour(f.frame(), left, QColor(0, 0, 255)) > 100);
    f.get<QRadioButton>("IDC_COLOR_RED")->setChecked(true);
    QCOMPARE(countColour(f.frame(), left, QColor(255, 0, 0)), 0);
    f.tick(3);
    QVERIFY(countColour(f.frame(), left, QColor(255, 0, 0)) > 100);
    QCOMPARE(countColour(f.frame(), left, QColor(0, 0, 255)), 0);
    // The reveal keeps the colour last read.
    f.get<QRadioButton>("IDC_COLOR_GREEN")->setChecked(true);
    f.click("IDC_STOP");
    QCOMPARE(countColour(f.frame(), left, QColor(0, 255, 0)), 0);
    QVERIFY(countColour(f.frame(), left, QColor(255, 0, 0)) > 100);
}

void TestCallerDlg::tickRepaintsOnlyItsSlot()
{
    Fixture f;
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
    f.click("IDC_START");
    for (int id : {2, 3, 4})
        f.timer(id)->stop();
    QTest::qWait(50);
    const QImage before = f.frame()->image();
    PaintRecorder recorder;
    f.frame()->installEventFilter(&recorder);

    f.tick(4);
    const QRect right = textBox(NumberDisplays::Right, QStringLiteral("88"));
    QVERIFY(!recorder.painted.isEmpty());
    QCOMPARE(recorder.painted.boundingRect(), right);
    const QImage after = f.frame()->image();
    bool changedInside = false;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            if (before.pixel(x, y) == after.pixel(x, y))
                continue;
            QVERIFY2(right.contains(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            changedInside = true;
        }
    }
    QVERIFY(changedInside);
}

void TestCallerDlg::exposeShowsWhatWasPainted()
{
    Fixture f;
    f.draw();
    const QImage shown = f.frame()->grab().toImage();
    QCOMPARE(shown.pixelColor(272, 327), QColor(0, 255, 255));
    QCOMPARE(shown.pixelColor(455, 27), QColor(0, 255, 255));
    // Elsewhere the frame lets the controls under it show.
    QCOMPARE(pixel(f.frame(), {5, 300}).alpha(), 0);
}

void TestCallerDlg::clearErasesTheDisplays()
{
    Fixture f;
    f.draw();
    f.click("IDC_CLEAR");
    const QColor grey(190, 190, 190);
    for (const DisplaySlot &slot : {NumberDisplays::Centre, NumberDisplays::Left,
                                    NumberDisplays::Right, NumberDisplays::Called}) {
        const QRect cell = textBox(slot, QStringLiteral("88"));
        QCOMPARE(countColour(f.frame(), cell, grey), cell.width() * cell.height());
    }
}

void TestCallerDlg::save_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("written");
    QTest::addColumn<QString>("buttons");

    QTest::newRow("written, name kept without extension") << "drawn" << true << "111000";
    QTest::newRow("cancelled writes nothing") << "" << false << "101000";
    QTest::newRow("a missing folder fails with a message")
        << "no/such/drawn.txt" << false << "101000";
}

void TestCallerDlg::save()
{
    QFETCH(QString, name);
    QFETCH(bool, written);
    QFETCH(QString, buttons);

    QTemporaryDir dir;
    Fixture f;
    for (int k = 0; k < 7; ++k)
        f.draw();
    const QString cwd = QDir::currentPath();
    f.files.answer = name.isEmpty() ? QString() : dir.filePath(name);
    f.click("IDC_SAVE");

    QCOMPARE(f.files.purpose, FileChooser::Purpose::Write);
    QCOMPARE(f.files.filters, (QStringList{"TXT Files(*.txt)", "All Files(*.*)"}));
    QCOMPARE(f.buttons(), buttons);
    QCOMPARE(QDir::currentPath(), cwd);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), written ? QStringList{name} : QStringList{});
    if (written) {
        QFile file(f.files.answer);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QCOMPARE(bytes.size(), 70);
        QCOMPARE(bytes, drawnNumbersFileContent(f.dialog->game().drawnNumbers()));
        QVERIFY(f.messages.shown.isEmpty());
        // Stop now reveals the next number without a spin.
        f.click("IDC_STOP");
        QCOMPARE(f.dialog->game().drawCount(), 8);
    } else if (name.isEmpty()) {
        QVERIFY(f.messages.shown.isEmpty());
    } else {
        QCOMPARE(f.messages.shown.size(), 1);
        const ShownMessage &box = f.messages.shown.constFirst();
        QCOMPARE(box.icon, MessagePresenter::Icon::Critical);
        QCOMPARE(box.title, QStringLiteral("Kavelo"));
        QVERIFY(box.text.contains(f.files.answer));
        QCOMPARE(f.dialog->game().drawCount(), 7);
    }
}

void TestCallerDlg::finishedGameCanBeSavedAgain()
{
    QTemporaryDir dir;
    Fixture f;
    f.topNumber()->setEditText(QStringLiteral("5"));
    for (int k = 0; k < 5; ++k)
        f.draw();
    // A folder that is not there fails the write; the operator can still save the game.
    f.files.answer = dir.filePath(QStringLiteral("missing/five.txt"));
    f.click("IDC_SAVE");
    QCOMPARE(f.messages.shown.size(), 2);
    QCOMPARE(f.messages.shown.last().icon, MessagePresenter::Icon::Critical);
    QCOMPARE(f.buttons(), QStringLiteral("001100"));

    f.files.answer.clear();
    f.click("IDC_SAVE");
    QCOMPARE(f.buttons(), QStringLiteral("001100"));

    f.files.answer = dir.filePath(QStringLiteral("five.txt"));
    f.click("IDC_SAVE");
    QCOMPARE(f.buttons(), QStringLiteral("001000"));
    QFile file(f.files.answer);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), drawnNumbersFileContent(f.dialog->game().drawnNumbers()));
}

void TestCallerDlg::typedTopNumberSurvivesSave()
{
    QTemporaryDir dir;
    Fixture f;
    f.topNumber()->setEditText(QStringLiteral("7"));
    f.draw();
    f.files.answer = dir.filePath(QStringLiteral("seven.txt"));
    f.click("IDC_SAVE");
    QCOMPARE(f.topNumber()->currentText(), QStringLiteral("7"));
    f.click("IDC_CLEAR");
    f.draw();
    QCOMPARE(f.dialog->game().topNumber(), 7);
}

void TestCallerDlg::typedTopNumberIsPlayedAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("topNumber");
    QTest::newRow("7 is not completed to 75") << "7" << 7;
    QTest::newRow("2 is not completed to 25") << "2" << 2;
    QTest::newRow("5 is not completed to 50") << "5" << 5;
    QTest::newRow("a listed number typed in full") << "25" << 25;
}

void TestCallerDlg::typedTopNumberIsPlayedAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(int, topNumber);
    Fixture f;
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
    QLineEdit *edit = f.topNumber()->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, typed);
    QCOMPARE(f.topNumber()->currentText(), typed);
    f.draw();
    QCOMPARE(f.dialog->game().topNumber(), topNumber);
}

void TestCallerDlg::realFileDialogKeepsTheCurrentDirectory()
{
    QTemporaryDir saveDir;
    QTemporaryDir workDir;
    QDir::setCurrent(workDir.path());
    QtFileChooser realFiles;
    Fixture f(&realFiles);
    f.draw();

    QStringList filters;
    QTimer::singleShot(0, this, [&] {
        auto *fileDialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(fileDialog);
        filters = fileDialog->nameFilters();
        fileDialog->setDirectory(saveDir.path());
        fileDialog->selectFile(QStringLiteral("typed"));
        QMetaObject::invokeMethod(fileDialog, "accept");
    });
    f.click("IDC_SAVE");

    QCOMPARE(filters, (QStringList{"TXT Files(*.txt)", "All Files(*.*)"}));
    QCOMPARE(QDir(saveDir.path()).entryList(QDir::Files), QStringList{"typed"});
    QCOMPARE(QDir::currentPath(), QDir(workDir.path()).canonicalPath());
    QCOMPARE(f.buttons(), QStringLiteral("111000"));
}

void TestCallerDlg::sheetButton_data()
{
    QTest::addColumn<bool>("fails");
    QTest::newRow("each click starts one more") << false;
    QTest::newRow("a failure names the path and the reason") << true;
}

void TestCallerDlg::sheetButton()
{
    QFETCH(bool, fails);
    QTemporaryDir start;
    QTemporaryDir elsewhere;
    QDir::setCurrent(start.path());
    Fixture f;
    if (fails)
        f.starter.failure = QStringLiteral("no such file");
    QDir::setCurrent(elsewhere.path());
    f.click("IDC_SHEET");
    f.click("IDC_SHEET");

    const QString expected = f.dialog->startDir() + "/bingo in " + QDir::currentPath();
    QCOMPARE(f.starter.started, (QStringList{expected, expected}));
    QCOMPARE(f.messages.shown.size(), fails ? 2 : 0);
    if (fails) {
        QVERIFY(f.messages.shown.constFirst().text.contains(f.dialog->startDir() + "/bingo"));
        QVERIFY(f.messages.shown.constFirst().text.contains(QStringLiteral("no such file")));
    }
    f.click("IDC_START");
    QVERIFY(!f.button("IDC_SHEET")->isEnabled());
}

void TestCallerDlg::sheetStartsForReal()
{
    QTemporaryDir start;
    QTemporaryDir elsewhere;
    QVERIFY(QFile::copy(QStringLiteral(RECORDLAUNCH_PATH), start.filePath("bingo")));
    QDir::setCurrent(start.path());
    QtProcessStarter processes;
    Fixture f(nullptr, &processes);
    QDir::setCurrent(elsewhere.path());
    f.click("IDC_SHEET");

    QFile record(QDir(elsewhere.path()).filePath("launch-record.txt"));
    QTRY_VERIFY_WITH_TIMEOUT(record.exists(), 10000);
    QVERIFY(record.open(QIODevice::ReadOnly));
    const QString expected = "args=0\ncwd=" + QDir(elsewhere.path()).canonicalPath() + "\n";
    QCOMPARE(QString::fromLocal8Bit(record.readAll()), expected);
    QVERIFY(f.messages.shown.isEmpty());
}

void TestCallerDlg::sheetMissingForReal()
{
    QTemporaryDir start;
    QDir::setCurrent(start.path());
    QtProcessStarter processes;
    Fixture f(nullptr, &processes);
    f.click("IDC_SHEET");
    QCOMPARE(f.messages.shown.size(), 1);
    const QString text = f.messages.shown.constFirst().text;
    QVERIFY(text.contains(f.dialog->startDir() + "/bingo"));
    QVERIFY2(text.section(u'\n', 1).size() > 0, qPrintable(text));
}

void TestCallerDlg::aboutFromTheContextMenu()
{
    Fixture f;
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));

    const QList<QAction *> actions = f.dialog->systemMenu().actions();
    QCOMPARE(actions.size(), 3);
    QVERIFY(actions.at(0)->isSeparator());
    QCOMPARE(actions.at(1)->text(), QStringLiteral("Kavelo のﾊﾞｰｼﾞｮﾝ情報(&A)..."));
    QCOMPARE(actions.at(2)->text(), QStringLiteral("シート確認"));
    QCOMPARE(actions.at(2)->shortcut(), QKeySequence(Qt::Key_F8));

    QString title;
    QStringList texts;
    QTimer::singleShot(0, this, [&] {
        QWidget *popup = QApplication::activePopupWidget();
        QCOMPARE(popup, &f.dialog->systemMenu());
        QTimer::singleShot(0, this, [&] {
            auto *about = qobject_cast<CAboutDlg *>(QApplication::activeModalWidget());
            QVERIFY(about);
            title = about->windowTitle();
            for (auto *label : about->findChildren<QLabel *>())
                texts << label->text();
            QVERIFY(!about->findChild<QLabel *>("IDC_ABOUT_ICON")->pixmap().isNull());
            QTest::mouseClick(about->findChild<QPushButton *>("IDOK"), Qt::LeftButton);
        });
        actions.at(1)->trigger();
        f.dialog->systemMenu().close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            f.dialog->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(f.dialog.get(), &event);

    QCOMPARE(title, QStringLiteral("Kaveloのﾊﾞｰｼﾞｮﾝ情報"));
    QVERIFY(texts.contains(QStringLiteral("Kavelo Version 1.0")));
}

void TestCallerDlg::sheetCheckBeforeAnyDrawSaysWhy()
{
    Fixture f;
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
    QTest::keyClick(f.dialog.get(), Qt::Key_F8);
    QCOMPARE(f.messages.shown.size(), 1);
    QCOMPARE(f.messages.shown.constFirst().title, QStringLiteral("シート確認"));
    QCOMPARE(
        f.messages.shown.constFirst().text,
        QStringLiteral("まだ数字を引いていません。シート確認は最初の数字を引いてからできます。"));
}

void TestCallerDlg::sheetCheckMarksTheNumbersDrawn()
{
    Fixture f;
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
    for (int i = 0; i < 20; ++i)
        f.draw();
    const auto drawn = f.dialog->game().drawnNumbers();
    const QSet<int> called(drawn.begin(), drawn.end());

    // F8 opens the check; the code of seed 4711 and top 50 (worked out by hand) and sheet 7.
    int marked = 0;
    QTimer::singleShot(0, this, [&] {
        auto *check = qobject_cast<SheetCheckDialog *>(QApplication::activeModalWidget());
        QVERIFY(check);
        QCOMPARE(check->findChild<QLineEdit *>("setCode")->text(), QString());
        check->findChild<QLineEdit *>("setCode")->setText("2222-E7HD5");
        check->findChild<QLineEdit *>("sheetNumber")->setText("7");
        QTest::mouseClick(check->findChild<QPushButton *>("checkButton"), Qt::LeftButton);
        QVERIFY(check->verdict());
        const auto *grid = check->findChild<QTableWidget *>("sheetGrid");
        const QColor open = Qt::white;
        for (int r = 0; r < 5; ++r) {
            for (int c = 0; c < 5; ++c) {
                if (r == 2 && c == 2)
                    continue;
                const QTableWidgetItem *item = grid->item(r, c);
                const bool isCalled = item->background().color() != open;
                QCOMPARE(isCalled, called.contains(item->text().toInt()));
                marked += isCalled;
            }
        }
        check->reject();
    });
    QTest::keyClick(f.dialog.get(), Qt::Key_F8);
    QVERIFY(marked > 0);
    QVERIFY(f.messages.shown.isEmpty());

    // From the context menu the code comes back for the next sheet.
    QString offered;
    QTimer::singleShot(0, this, [&] {
        auto *check = qobject_cast<SheetCheckDialog *>(QApplication::activeModalWidget());
        QVERIFY(check);
        offered = check->findChild<QLineEdit *>("setCode")->text();
        check->reject();
    });
    f.dialog->systemMenu().actions().at(2)->trigger();
    QCOMPARE(offered, QStringLiteral("2222-E7HD5"));
}

void TestCallerDlg::closingMidGameAsksFirst_data()
{
    QTest::addColumn<int>("draws");
    QTest::addColumn<bool>("byEscape");
    QTest::addColumn<bool>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");
    QTest::newRow("before the first draw Escape closes at once")
        << 0 << true << false << false << true;
    QTest::newRow("mid-game Escape answered no keeps the game")
        << 3 << true << false << true << false;
    QTest::newRow("mid-game close box answered no keeps the game")
        << 3 << false << false << true << false;
    QTest::newRow("mid-game Escape answered yes closes") << 3 << true << true << true << true;
}

void TestCallerDlg::closingMidGameAsksFirst()
{
    QFETCH(int, draws);
    QFETCH(bool, byEscape);
    QFETCH(bool, answer);
    QFETCH(bool, asked);
    QFETCH(bool, closed);
    Fixture f;
    f.messages.answer = answer;
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
    for (int k = 0; k < draws; ++k)
        f.draw();
    QSignalSpy rejected(f.dialog.get(), &QDialog::rejected);
    if (byEscape)
        QTest::keyClick(f.dialog.get(), Qt::Key_Escape);
    else
        f.dialog->close();
    QCOMPARE(f.messages.questions.size(), asked ? 1 : 0);
    if (asked)
        QCOMPARE(f.messages.questions.first(),
                 QStringLiteral("Kavelo|") + CCallerDlg::QuitQuestion);
    QCOMPARE(rejected.size(), closed ? 1 : 0);
    QCOMPARE(f.dialog->isVisible(), !closed);
    QCOMPARE(f.dialog->game().drawCount(), draws);
}

void TestCallerDlg::countdownClipsPlay()
{
    QTemporaryDir dir;
    QVERIFY(layOutClips(dir.path(), true));
    QVERIFY(QDir::setCurrent(dir.path()));
    Fixture f(nullptr, nullptr, Fixture::Clip::Real);
    auto *clip = f.get<ClipWidget>("IDC_ANIMATE");
    QVERIFY(clip);

    // After start-up the still clip of the start-up directory shows its first frame.
    QVERIFY(clip->isOpen());
    QCOMPARE(clip->fileName(), QDir::currentPath() + QStringLiteral("/COUNT16.AVI"));
    QCOMPARE(clip->currentFrame(), 0);
    QVERIFY(!clip->isPlaying());

    f.click("IDC_START");
    QCOMPARE(clip->fileName(), QStringLiteral("wave/count16.AVI"));
    QVERIFY(clip->isPlaying());
    QTRY_VERIFY(clip->currentFrame() > 0);

    f.click("IDC_STOP");
    QVERIFY(!clip->isPlaying());
    const int held = clip->currentFrame();
    QVERIFY(held > 0);
    QTest::qWait(300);
    QCOMPARE(clip->currentFrame(), held);

    // Clear leaves the stopped frame; the next Start plays the countdown from its start.
    f.click("IDC_CLEAR");
    QCOMPARE(clip->currentFrame(), held);
    f.click("IDC_START");
    QVERIFY(clip->isPlaying());
    QVERIFY(clip->currentFrame() < held);
}

void TestCallerDlg::missingCountdownLeavesTheAreaEmpty()
{
    QTemporaryDir dir;
    QVERIFY(layOutClips(dir.path(), false));
    QVERIFY(QDir::setCurrent(dir.path()));
    Fixture f(nullptr, nullptr, Fixture::Clip::Real);
    auto *clip = f.get<ClipWidget>("IDC_ANIMATE");
    QVERIFY(clip->isOpen());

    f.click("IDC_START");
    QVERIFY(!clip->isOpen());
    QVERIFY(!clip->isPlaying());
    QCOMPARE(clip->currentFrame(), -1);

    // The game runs on unchanged.
    f.click("IDC_STOP");
    QCOMPARE(f.dialog->game().drawCount(), 1);
    QCOMPARE(f.grid()->item(0, 0)->text(), numberText(expectedOrder(50)[0]));
    QCOMPARE(f.buttons(), QStringLiteral("101100"));
}

void TestCallerDlg::gridFollowsTheLatestRow()
{
    Fixture f;
    f.topNumber()->setEditText(QStringLiteral("75"));
    f.dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.dialog.get()));
    for (int k = 0; k < 75; ++k)
        f.draw();
    QTableWidget *grid = f.grid();
    QCOMPARE(grid->rowCount(), 15);
    // The row of the last number drawn is in view without the operator scrolling.
    const QRect last = grid->visualItemRect(grid->item(14, 4));
    QVERIFY(grid->viewport()->rect().contains(last));
}

void TestCallerDlg::gridMarksNoNumber()
{
    Fixture f;
    f.dialog->show();
    f.dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.dialog.get()));
    for (int k = 0; k < 3; ++k)
        f.draw();
    // Focus passes on from the buttons as they are disabled; the grid must not take it, or
    // its current cell is drawn as if that number were marked.
    QVERIFY(QApplication::focusWidget() != f.grid());
    QVERIFY(!f.grid()->currentIndex().isValid());
}

QTEST_MAIN(TestCallerDlg)
#include "tst_callerdlg.moc"
