#include "ccallerdlg.h"

#include "aboutdlgtemplate.h"
#include "audiencescreen.h"
#include "caboutdlg.h"
#include "callerdlgtemplate.h"
#include "callerlog.h"
#include "clipwidget.h"
#include "compactstyle.h"
#include "countdownplayer.h"
#include "displayframe.h"
#include "drawnnumbersfile.h"
#include "filechooser.h"
#include "halldesk.h"
#include "liveserving.h"
#include "messagepresenter.h"
#include "nextkeyfilter.h"
#include "processstarter.h"
#include "sheetcheckdialog.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIcon>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyleOptionComboBox>
#include <QTableWidget>

namespace {

constexpr int GridColumnWidth = 50;
// A line edit keeps two pixels on each side of its text and one for the cursor.
constexpr int TopNumberTextMargins = 5;
constexpr double MinimumTopNumberPoints = 5;
const QStringList topNumberChoices{QStringLiteral("25"), QStringLiteral("50"),
                                   QStringLiteral("75")};

DialogBaseUnits screenBaseUnits()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return DialogBaseUnits::forResolution(screen ? screen->logicalDotsPerInchY() : 96.0);
}

} // namespace

CCallerDlg::CCallerDlg(const CallerServices &services, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_cues(*services.sound)
    , m_controls(buildControls())
    , m_panel(new DisplayPanel(*m_displayFrame, displayRadios(), *m_animation, m_cues,
                               *services.sleeper, m_random, this))
    , m_game(*this, m_panel->displays(), m_random)
{
    m_drawnList = m_controls.get<QTableWidget>(IDC_DRAWN_LIST);
    m_topNumberBox = m_controls.get<QComboBox>(IDC_TOP_NUMBER);
    // A child made after the controls is deleted after them.
    auto *compact = new CompactStyle;
    compact->setParent(this);
    m_topNumberBox->setStyle(compact);
    for (int id : {IDC_COLOR_BLUE, IDC_COLOR_RED, IDC_COLOR_GREEN, IDC_BACK_ON, IDC_BACK_OFF})
        m_controls.widget(id)->setStyle(compact);

    connect(m_controls.get<QPushButton>(IDC_START), &QPushButton::clicked, this,
            &CCallerDlg::Start);
    connect(m_controls.get<QPushButton>(IDC_STOP), &QPushButton::clicked, this, &CCallerDlg::Stop);
    connect(m_controls.get<QPushButton>(IDC_CLEAR), &QPushButton::clicked, this,
            &CCallerDlg::Clear);
    connect(m_controls.get<QPushButton>(IDC_SAVE), &QPushButton::clicked, this,
            &CCallerDlg::OnSave);
    connect(m_controls.get<QPushButton>(IDC_SHEET), &QPushButton::clicked, this,
            &CCallerDlg::OnSheet);
    connect(&m_game, &CallerGame::saveEnded, this, [this](bool written) {
        if (written)
            m_savedDrawCount = m_game.drawCount();
    });
    connect(&m_game, &CallerGame::gameCleared, this, [this] { m_savedDrawCount = -1; });

    m_audienceBoard.follow(m_game);
    connect(m_topNumberBox, &QComboBox::currentTextChanged, &m_audienceBoard,
            &AudienceBoard::setTopNumberText);
    connect(m_topNumberBox, &QComboBox::editTextChanged, this, &CCallerDlg::fitTopNumberText);
    for (int id : {IDC_COLOR_BLUE, IDC_COLOR_RED, IDC_COLOR_GREEN}) {
        connect(m_controls.get<QRadioButton>(id), &QRadioButton::toggled, this,
                [this] { m_audienceBoard.setTextColour(chosenTextColour()); });
    }
    m_nextKeys = new NextKeyFilter([this] { Next(); }, this);
    m_nextKeys->watch(this);

    OnInitDialog();
}

CCallerDlg::~CCallerDlg()
{
    // The audience screen shows the board, which goes before the dialog's children do.
    delete m_audienceScreen;
}

BuiltDialog CCallerDlg::buildControls()
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
    return builder.build(this, callerDialogTemplate);
}

DisplayPanel::Radios CCallerDlg::displayRadios() const
{
    return {m_controls.get<QRadioButton>(IDC_COLOR_BLUE),
            m_controls.get<QRadioButton>(IDC_COLOR_RED),
            m_controls.get<QRadioButton>(IDC_COLOR_GREEN),
            m_controls.get<QRadioButton>(IDC_BACK_ON), m_controls.get<QRadioButton>(IDC_BACK_OFF)};
}

void CCallerDlg::OnInitDialog()
{
    m_startDir = QDir::currentPath();
    m_cues.setStartDir(m_startDir);

    m_systemMenu.addSeparator();
    QAction *about = m_systemMenu.addAction(aboutItemText(), this, &CCallerDlg::OnAbout);
    about->setObjectName(QStringLiteral("IDM_ABOUTBOX"));
    m_audienceItem = m_systemMenu.addAction(audienceItemText());
    m_audienceItem->setObjectName(QStringLiteral("audienceScreen"));
    m_audienceItem->setCheckable(true);
    m_audienceItem->setShortcut(Qt::Key_F5);
    connect(m_audienceItem, &QAction::triggered, this, &CCallerDlg::ToggleAudienceScreen);
    addAction(m_audienceItem);
    m_sheetCheckItem =
        m_systemMenu.addAction(sheetCheckItemText(), this, &CCallerDlg::OnSheetCheck);
    m_sheetCheckItem->setObjectName(QStringLiteral("sheetCheck"));
    m_sheetCheckItem->setShortcut(SheetCheckKey);
    addAction(m_sheetCheckItem);
    m_live = new LiveServing(m_audienceBoard, *m_services.messages, *this);
    m_systemMenu.addAction(m_live->action());
    addAction(m_live->action());
    m_hall = new HallDesk(m_game, *m_live, *m_services.messages, *m_services.files, *this);
    m_systemMenu.addAction(m_hall->winnersItem());
    addAction(m_hall->winnersItem());
    m_systemMenu.addAction(m_hall->phoneSheetsItem());
    m_keysItem = m_systemMenu.addAction(keysItemText(), this, &CCallerDlg::OnKeys);
    m_keysItem->setObjectName(QStringLiteral("keys"));

    setWindowIcon(QIcon(QString::fromLatin1(applicationIconPath)));

    m_cues.PlayCue(CueSounds::OpeningCue);
    m_game.initialise();

    m_topNumberBox->addItems(topNumberChoices);
    UpdateData(false);
    m_controls.get<QRadioButton>(IDC_COLOR_BLUE)->setChecked(true);
    m_controls.get<QRadioButton>(IDC_BACK_ON)->setChecked(true);

    m_random.srand(m_services.seed());
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

void CCallerDlg::fitTopNumberText()
{
    // The box is as narrow as the design draws it, room for two digits beside its arrow; the
    // one top number of three (100) is drawn smaller rather than cut to "00".
    QLineEdit *edit = m_topNumberBox->lineEdit();
    QStyleOptionComboBox option;
    option.initFrom(m_topNumberBox);
    option.editable = true;
    const int room = m_topNumberBox->style()
                         ->subControlRect(QStyle::CC_ComboBox, &option,
                                          QStyle::SC_ComboBoxEditField, m_topNumberBox)
                         .width() -
                     TopNumberTextMargins;
    QFont font = m_topNumberBox->font();
    while (font.pointSizeF() > MinimumTopNumberPoints &&
           QFontMetrics(font).horizontalAdvance(edit->text()) > room)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    edit->setFont(font);
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

void CCallerDlg::OnKeys()
{
    QString keys = keysHelp();
    if (m_hall->winnersItem()->isVisible())
        keys += u'\n' + HallDesk::winnersKeyHelp();
    m_services.messages->show(this, MessagePresenter::Icon::Information, ApplicationTitle, keys);
}

void CCallerDlg::Next()
{
    for (int id : {IDC_START, IDC_STOP}) {
        auto *button = m_controls.get<QPushButton>(id);
        if (button->isEnabled()) {
            button->click();
            return;
        }
    }
}

void CCallerDlg::ToggleAudienceScreen()
{
    if (!m_audienceScreen) {
        // A child window of the dialog, so that the dialog's modality does not shut it out.
        m_audienceScreen = new AudienceScreen(m_audienceBoard, this);
        m_audienceScreen->addAction(m_audienceItem);
        m_audienceScreen->addAction(m_sheetCheckItem);
        m_audienceScreen->addAction(m_live->action());
        m_audienceScreen->addAction(m_hall->winnersItem());
        m_audienceScreen->addAction(m_keysItem);
        m_live->showOn(m_audienceScreen);
        m_hall->showOn(*m_audienceScreen, m_audienceBoard);
        m_nextKeys->watch(m_audienceScreen);
        connect(m_audienceScreen, &AudienceScreen::closed, this,
                [this] { m_audienceItem->setChecked(false); });
    }
    if (m_audienceScreen->isVisible())
        m_audienceScreen->close();
    else
        m_audienceScreen->open(*this);
    m_audienceItem->setChecked(m_audienceScreen->isVisible());
}

Rgb CCallerDlg::chosenTextColour() const
{
    if (m_controls.get<QRadioButton>(IDC_COLOR_RED)->isChecked())
        return TextColours::Red;
    if (m_controls.get<QRadioButton>(IDC_COLOR_GREEN)->isChecked())
        return TextColours::Green;
    return TextColours::Blue;
}

QWidget *CCallerDlg::frontWindow()
{
    // Raised over the dialog, a window would also bring the dialog up in front of the room.
    if (m_audienceScreen && m_audienceScreen->hides(*this))
        return m_audienceScreen;
    return this;
}

void CCallerDlg::OnSheetCheck()
{
    if (m_game.drawCount() == 0) {
        m_services.messages->show(frontWindow(), MessagePresenter::Icon::Information,
                                  SheetCheckDialog::title(), nothingToCheckText());
        return;
    }
    const auto called = m_game.drawnNumbers();
    SheetCheckDialog dialog(*m_services.messages, m_game.topNumber(),
                            QList<int>(called.begin(), called.end()), m_setCode, frontWindow());
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
    // クリア sits right under 保存, the same size: one stray click must not end the event's
    // game and keep it from being offered again. A finished game is what it is there for.
    if (m_game.drawCount() > 0 && !m_game.isFinished() &&
        !m_services.messages->ask(this, ApplicationTitle, clearMidGameQuestion()))
        return;
    m_game.clear();
}

bool CCallerDlg::restoreGame(std::span<const int> drawOrder, int drawCount)
{
    if (!m_game.restore(drawOrder, drawCount))
        return false;
    UpdateData(false);
    if (drawCount > 0)
        m_panel->displays().ShowDrawn(drawOrder[static_cast<std::size_t>(drawCount - 1)]);
    return true;
}

void CCallerDlg::reject()
{
    // A stray Escape must not end the event's game and lose the numbers drawn so far. A
    // finished and saved game loses nothing, but the window may still be needed to check a
    // winning sheet against the grid, so it asks too.
    const QString question = quitQuestion();
    if (!question.isEmpty() && !m_services.messages->ask(this, ApplicationTitle, question))
        return;
    QDialog::reject();
}

QString CCallerDlg::quitQuestion() const
{
    if (m_game.drawCount() == 0)
        return {};
    if (!m_game.isFinished())
        return quitMidGameQuestion();
    return m_savedDrawCount == m_game.drawCount() ? quitSavedQuestion() : quitFinishedQuestion();
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
        this, FileChooser::Purpose::Save, tr("保存"),
        {QStringLiteral("TXT Files(*.txt)"), QStringLiteral("All Files(*.*)")});
    if (path.isEmpty() || !WriteDrawnNumbers(path)) {
        m_game.endSave(false);
        return;
    }
    UpdateData(false);
    EnableStopAfterSave();
}

bool CCallerDlg::WriteDrawnNumbers(const QString &path)
{
    UpdateData(true);
    if (const auto error = writeDrawnNumbersFile(path, m_game.drawnNumbers())) {
        m_services.messages->show(this, MessagePresenter::Icon::Critical, ApplicationTitle,
                                  error->message());
        return false;
    }
    // The numbers are saved either way; a list that could not be written is only said.
    if (const auto error = m_hall->saveBeside(path))
        m_services.messages->show(this, MessagePresenter::Icon::Critical, ApplicationTitle, *error);
    return true;
}

void CCallerDlg::EnableStopAfterSave()
{
    UpdateData(true);
    m_game.endSave(true);
}

void CCallerDlg::OnSheet()
{
    const QString path = m_startDir + SheetProgram;
    if (const auto reason = m_services.processes->startDetached(path, QDir::currentPath())) {
        m_services.messages->show(
            this, MessagePresenter::Icon::Warning, ApplicationTitle,
            tr("ビンゴ用紙のプログラム「%1」を起動できませんでした。\n%2").arg(path, *reason));
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

void CCallerDlg::playCue(GameCue cue)
{
    m_cues.PlayCue(cue == GameCue::Start ? CueSounds::StartCue : CueSounds::ClearCue);
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

void CCallerDlg::showBingoEnd()
{
    // The framework's message box with only an OK button carries the exclamation icon.
    m_services.messages->show(frontWindow(), MessagePresenter::Icon::Warning, ApplicationTitle,
                              m_hall->bingoEndText(BingoEndText));
}
