#include "ccallerdlg.h"

#include "aboutdlgtemplate.h"
#include "caboutdlg.h"
#include "callerdlgtemplate.h"
#include "callerlog.h"
#include "clipwidget.h"
#include "compactstyle.h"
#include "countdownplayer.h"
#include "displayframe.h"
#include "drawnnumbersfile.h"
#include "filechooser.h"
#include "messagepresenter.h"
#include "processstarter.h"
#include "sheetcheckdialog.h"
#include "sleeper.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIcon>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>

namespace {

constexpr int GridColumnWidth = 50;
const QStringList topNumberChoices{QStringLiteral("25"), QStringLiteral("50"),
                                   QStringLiteral("75")};

DialogBaseUnits screenBaseUnits()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return DialogBaseUnits::forResolution(screen ? screen->logicalDotsPerInchY() : 96.0);
}

QColor toColor(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace

CCallerDlg::CCallerDlg(const CallerServices &services, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_game(*this, m_random)
    , m_displays(*this, m_random)
    , m_cues(*services.sound)
{
    DialogBuilder builder(screenBaseUnits());
    builder.setFactory(IDC_DISPLAY_FRAME, [this](const ControlTemplate &, QWidget *parent) {
        m_displayFrame = new DisplayFrame(parent);
        return m_displayFrame;
    });
    builder.setFactory(IDC_ANIMATE, [this](const ControlTemplate &, QWidget *parent) {
        CountdownControl countdown;
        if (m_services.makeCountdown) {
            countdown = m_services.makeCountdown(parent);
        } else {
            auto *clip = new ClipWidget(parent);
            countdown = {clip, clip};
        }
        m_animation = countdown.player;
        return countdown.widget;
    });
    m_controls = builder.build(this, callerDialogTemplate);
    m_drawnList = m_controls.get<QTableWidget>(IDC_DRAWN_LIST);
    m_topNumberBox = m_controls.get<QComboBox>(IDC_TOP_NUMBER);
    // A child made after the controls is deleted after them.
    auto *compact = new CompactStyle;
    compact->setParent(this);
    m_topNumberBox->setStyle(compact);
    for (int id : {IDC_COLOR_BLUE, IDC_COLOR_RED, IDC_COLOR_GREEN, IDC_BACK_ON, IDC_BACK_OFF})
        m_controls.widget(id)->setStyle(compact);

    for (std::size_t i = 0; i < m_spinTimers.size(); ++i) {
        auto *timer = new QTimer(this);
        const int id = NumberDisplays::SpinTimers[i].id;
        timer->setObjectName(QStringLiteral("timer%1").arg(id));
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(NumberDisplays::SpinTimers[i].periodMs);
        connect(timer, &QTimer::timeout, this, [this, id] { OnTimer(id); });
        m_spinTimers[i] = timer;
    }

    connect(m_controls.get<QPushButton>(IDC_START), &QPushButton::clicked, this,
            &CCallerDlg::Start);
    connect(m_controls.get<QPushButton>(IDC_STOP), &QPushButton::clicked, this, &CCallerDlg::Stop);
    connect(m_controls.get<QPushButton>(IDC_CLEAR), &QPushButton::clicked, this,
            &CCallerDlg::Clear);
    connect(m_controls.get<QPushButton>(IDC_SAVE), &QPushButton::clicked, this,
            &CCallerDlg::OnSave);
    connect(m_controls.get<QPushButton>(IDC_SHEET), &QPushButton::clicked, this,
            &CCallerDlg::OnSheet);

    OnCtlColor();
    OnInitDialog();
}

CCallerDlg::~CCallerDlg() = default;

void CCallerDlg::OnInitDialog()
{
    m_startDir = QDir::currentPath();
    m_cues.setStartDir(m_startDir);

    m_systemMenu.addSeparator();
    QAction *about = m_systemMenu.addAction(AboutItemText, this, &CCallerDlg::OnAbout);
    about->setObjectName(QStringLiteral("IDM_ABOUTBOX"));
    QAction *sheetCheck =
        m_systemMenu.addAction(SheetCheckItemText, this, &CCallerDlg::OnSheetCheck);
    sheetCheck->setObjectName(QStringLiteral("sheetCheck"));
    sheetCheck->setShortcut(SheetCheckKey);
    addAction(sheetCheck);

    setWindowIcon(QIcon(QString::fromLatin1(applicationIconPath)));

    m_cues.PlayCue(CueSounds::OpeningCue);
    m_game.initialise();

    m_topNumberBox->addItems(topNumberChoices);
    UpdateData(false);
    m_controls.get<QRadioButton>(IDC_COLOR_BLUE)->setChecked(true);
    m_controls.get<QRadioButton>(IDC_BACK_ON)->setChecked(true);

    m_random.srand(m_services.seed ? m_services.seed() : CrtRandom::timeSeed());
    OpenCountdown();

    m_drawnList->setColumnCount(CallerGame::GridColumns);
    for (int column = 0; column < CallerGame::GridColumns; ++column)
        m_drawnList->setColumnWidth(column, GridColumnWidth);
    m_drawnList->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_drawnList->verticalHeader()->setDefaultSectionSize(m_drawnList->fontMetrics().height() + 4);
    m_drawnList->setShowGrid(true);
}

void CCallerDlg::UpdateData(bool saveAndValidate)
{
    if (saveAndValidate) {
        m_game.setTopNumberText(m_topNumberBox->currentText());
        return;
    }
    // The text goes back exactly as it stands: an entry is selected only when it is that
    // text, never one that merely begins with it (a typed 7 would otherwise become 75).
    const QString &text = m_game.topNumberText();
    m_topNumberBox->setCurrentIndex(m_topNumberBox->findText(text, Qt::MatchExactly));
    m_topNumberBox->setEditText(text);
}

void CCallerDlg::OnCtlColor()
{
    // The frame's own text, its caption, stands on grey; it has none, so this shows nowhere.
    QPalette palette = m_displayFrame->palette();
    palette.setColor(QPalette::Window, toColor(NumberDisplays::Grey));
    m_displayFrame->setPalette(palette);
}

void CCallerDlg::contextMenuEvent(QContextMenuEvent *event)
{
    m_systemMenu.exec(event->globalPos());
}

void CCallerDlg::OnAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void CCallerDlg::OnSheetCheck()
{
    if (m_game.drawCount() == 0) {
        m_services.messages->show(this, MessagePresenter::Icon::Information,
                                  SheetCheckDialog::Title, NothingToCheck);
        return;
    }
    const auto called = m_game.drawnNumbers();
    SheetCheckDialog dialog(*m_services.messages, m_game.topNumber(),
                            QList<int>(called.begin(), called.end()), m_setCode, this);
    dialog.exec();
    m_setCode = dialog.setCode();
}

void CCallerDlg::Start()
{
    m_game.start();
}

void CCallerDlg::Stop()
{
    m_game.stop();
}

void CCallerDlg::Clear()
{
    m_game.clear();
}

void CCallerDlg::OnTimer(int id)
{
    m_displays.OnTimer(id);
}

void CCallerDlg::reject()
{
    // A stray Escape must not end the event's game and lose the numbers drawn so far.
    if (m_game.drawCount() > 0 && !m_services.messages->ask(this, ApplicationTitle, QuitQuestion))
        return;
    QDialog::reject();
}

void CCallerDlg::OpenCountdown()
{
    const QString path = m_startDir + CountdownStill;
    const bool opened = m_animation->open(path);
    qCDebug(lcCallerFiles) << (opened ? "clip opened:" : "clip missing:") << path;
}

void CCallerDlg::StartCountdown()
{
    const bool opened = m_animation->open(CountdownClip);
    qCDebug(lcCallerFiles) << (opened ? "clip opened:" : "clip missing:")
                           << QDir::current().filePath(CountdownClip);
    m_animation->play(CountdownPlayer::RepeatUntilStopped, 0, CountdownPlayer::LastFrame);
}

void CCallerDlg::StopCountdown()
{
    m_animation->stop();
}

void CCallerDlg::OnSave()
{
    m_game.beginSave();
    SaveDrawnNumbers();
}

void CCallerDlg::SaveDrawnNumbers()
{
    // The file dialog leaves the current directory alone: the countdown clip of every Start
    // is looked up relative to it.
    const QString path = m_services.files->choose(
        this, FileChooser::Purpose::Write, QStringLiteral("保存"),
        {QStringLiteral("TXT Files(*.txt)"), QStringLiteral("All Files(*.*)")});
    if (path.isEmpty() || !WriteDrawnNumbers(path)) {
        m_game.endSave(false);
        return;
    }
    UpdateData(false);
    EnableStopAfterSave(path);
}

bool CCallerDlg::WriteDrawnNumbers(const QString &path)
{
    UpdateData(true);
    if (const auto error = writeDrawnNumbersFile(path, m_game.drawnNumbers())) {
        m_services.messages->show(this, MessagePresenter::Icon::Critical, ApplicationTitle,
                                  error->message());
        return false;
    }
    return true;
}

void CCallerDlg::EnableStopAfterSave(const QString &path)
{
    UpdateData(true);
    m_game.endSave(!path.isEmpty());
}

void CCallerDlg::OnSheet()
{
    const QString path = m_startDir + SheetProgram;
    if (const auto reason = m_services.processes->startDetached(path, QDir::currentPath())) {
        m_services.messages->show(
            this, MessagePresenter::Icon::Warning, ApplicationTitle,
            QStringLiteral("ビンゴ用紙のプログラム「%1」を起動できませんでした。\n%2")
                .arg(path, *reason));
    }
}

void CCallerDlg::setControlEnabled(GameControl control, bool enabled)
{
    int id = IDC_START;
    switch (control) {
    case GameControl::Start:
        id = IDC_START;
        break;
    case GameControl::Stop:
        id = IDC_STOP;
        break;
    case GameControl::Clear:
        id = IDC_CLEAR;
        break;
    case GameControl::Save:
        id = IDC_SAVE;
        break;
    case GameControl::Sheet:
        id = IDC_SHEET;
        break;
    case GameControl::Number:
        id = IDC_TOP_NUMBER;
        break;
    }
    m_controls.widget(id)->setEnabled(enabled);
}

QString CCallerDlg::topNumberInput() const
{
    return m_topNumberBox->currentText();
}

void CCallerDlg::refuseTopNumber(const QString &message)
{
    m_services.messages->show(this, MessagePresenter::Icon::Warning, ApplicationTitle, message);
}

void CCallerDlg::readTextColour()
{
    m_displays.ReadTextColour();
}

void CCallerDlg::startCountdown()
{
    StartCountdown();
}

void CCallerDlg::startSpinTimers()
{
    for (QTimer *timer : m_spinTimers)
        timer->start();
}

void CCallerDlg::playCue(GameCue cue)
{
    m_cues.PlayCue(cue == GameCue::Start ? CueSounds::StartCue : CueSounds::ClearCue);
}

void CCallerDlg::reveal(int number)
{
    m_displays.Reveal(number);
}

void CCallerDlg::insertGridRow(int row)
{
    m_drawnList->insertRow(row);
}

void CCallerDlg::setGridCell(int row, int column, const QString &text)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    m_drawnList->setItem(row, column, item);
    // Once the rows fill the grid, the newest number would otherwise fall out of sight.
    m_drawnList->scrollToItem(item);
}

void CCallerDlg::clearGrid()
{
    m_drawnList->setRowCount(0);
}

void CCallerDlg::eraseDisplays()
{
    m_displays.Erase();
}

void CCallerDlg::showBingoEnd()
{
    // The framework's message box with only an OK button carries the exclamation icon.
    m_services.messages->show(this, MessagePresenter::Icon::Warning, ApplicationTitle,
                              BingoEndText);
}

bool CCallerDlg::isChecked(DisplayRadio radio) const
{
    int id = IDC_COLOR_BLUE;
    switch (radio) {
    case DisplayRadio::ColourBlue:
        id = IDC_COLOR_BLUE;
        break;
    case DisplayRadio::ColourRed:
        id = IDC_COLOR_RED;
        break;
    case DisplayRadio::ColourGreen:
        id = IDC_COLOR_GREEN;
        break;
    case DisplayRadio::BackOn:
        id = IDC_BACK_ON;
        break;
    case DisplayRadio::BackOff:
        id = IDC_BACK_OFF;
        break;
    }
    return m_controls.get<QRadioButton>(id)->isChecked();
}

void CCallerDlg::drawText(int x, int y, int pointSize, const QString &text, Rgb textColour,
                          Rgb backColour)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSizeF(pointSize / 10.0);
    m_displayFrame->drawText(QPoint(x, y), font, text, toColor(textColour), toColor(backColour));
}

void CCallerDlg::stopCountdown()
{
    StopCountdown();
}

void CCallerDlg::killSpinTimers()
{
    for (QTimer *timer : m_spinTimers)
        timer->stop();
}

void CCallerDlg::playStopCue()
{
    m_cues.PlayCue(CueSounds::StopCue);
}

void CCallerDlg::sleep(int milliseconds)
{
    m_services.sleeper->sleep(milliseconds);
}
