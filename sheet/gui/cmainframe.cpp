#include "cmainframe.h"

#include "sheetids.h"
#include "sheetresources.h"
#include "windowplacement.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

using namespace SheetIds;

CMainFrame::CMainFrame(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowIcon(QIcon(QStringLiteral(":/bingo/icons/bingo.svg")));
    openCentred(*this, QSize(760, 600));
    buildMenus();
    buildAccelerators();
    buildToolBar();
    buildStatusBar();

    // Commands no one handles show disabled, as a framework does for commands without handler.
    for (int id : {ID_EDIT_UNDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE})
        action(id)->setEnabled(false);
    connect(action(ID_APP_EXIT), &QAction::triggered, this, &QWidget::close);
}

QAction *CMainFrame::makeAction(int id, const QString &text)
{
    auto *created = new QAction(text, this);
    created->setData(id);
    created->setStatusTip(SheetResources::prompt(id));
    created->setToolTip(SheetResources::toolTip(id));
    m_actions.insert(id, created);
    return created;
}

void CMainFrame::buildMenus()
{
    QMenu *popup = nullptr;
    for (const MenuEntry &entry : SheetResources::menu()) {
        const QString caption = SheetResources::menuCaption(entry);
        switch (entry.kind) {
        case MenuEntry::Kind::Popup:
            popup = menuBar()->addMenu(caption);
            if (!m_fileMenu)
                m_fileMenu = popup;
            break;
        case MenuEntry::Kind::Separator:
            popup->addSeparator();
            break;
        case MenuEntry::Kind::Item: {
            QAction *item = makeAction(entry.id, caption);
            item->setEnabled(!entry.greyed);
            popup->addAction(item);
            if (entry.id == ID_FILE_MRU_FILE1)
                m_recentPlaceholder = item;
            break;
        }
        }
    }

    QAction *toolBarToggle = action(ID_VIEW_TOOLBAR);
    toolBarToggle->setCheckable(true);
    toolBarToggle->setChecked(true);
    QAction *statusBarToggle = action(ID_VIEW_STATUS_BAR);
    statusBarToggle->setCheckable(true);
    statusBarToggle->setChecked(true);
    connect(statusBarToggle, &QAction::toggled, this,
            [this](bool on) { statusBar()->setVisible(on); });
    action(ID_VIEW_NUMBERED)->setCheckable(true);
}

void CMainFrame::buildAccelerators()
{
    QHash<int, QList<QKeySequence>> keysOf;
    for (const Accelerator &accelerator : SheetResources::accelerators())
        keysOf[accelerator.command].append(QKeySequence(accelerator.keys));
    for (auto keys = keysOf.cbegin(); keys != keysOf.cend(); ++keys) {
        QAction *command = action(keys.key());
        if (!command) {
            // The pane commands have no menu item; with no split panes they do nothing.
            command = makeAction(keys.key(), {});
            command->setEnabled(false);
            addAction(command);
        }
        command->setShortcuts(keys.value());
    }
}

void CMainFrame::buildToolBar()
{
    m_wndToolBar = new QToolBar(this);
    m_wndToolBar->setObjectName(QStringLiteral("AFX_IDW_TOOLBAR"));
    m_wndToolBar->setIconSize(QSize(16, 15));
    for (const ToolBarButton &button : SheetResources::toolBar()) {
        if (button.id == 0) {
            m_wndToolBar->addSeparator();
            continue;
        }
        QAction *command = action(button.id);
        command->setIcon(QIcon::fromTheme(QString::fromLatin1(button.themeIcon),
                                          QIcon(QString::fromLatin1(button.fallback))));
        m_wndToolBar->addAction(command);
    }
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);

    QAction *toggle = action(ID_VIEW_TOOLBAR);
    connect(toggle, &QAction::toggled, m_wndToolBar, &QWidget::setVisible);
    connect(m_wndToolBar->toggleViewAction(), &QAction::toggled, toggle, &QAction::setChecked);
}

void CMainFrame::buildStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("AFX_IDW_STATUS_BAR"));
    // The idle message stays under any prompt and shows again when the prompt goes.
    auto *message = new QLabel(SheetResources::string(AFX_IDS_IDLEMESSAGE), bar);
    message->setObjectName(QStringLiteral("ID_SEPARATOR"));
    bar->addWidget(message, 1);

    // Qt reports no lock-key state, so the panes keep their place and stay blank.
    const QHash<int, QString> names{{ID_INDICATOR_KANA, QStringLiteral("ID_INDICATOR_KANA")},
                                    {ID_INDICATOR_CAPS, QStringLiteral("ID_INDICATOR_CAPS")},
                                    {ID_INDICATOR_NUM, QStringLiteral("ID_INDICATOR_NUM")},
                                    {ID_INDICATOR_SCRL, QStringLiteral("ID_INDICATOR_SCRL")}};
    for (int id : SheetResources::indicators()) {
        auto *pane = new QLabel(bar);
        pane->setObjectName(names.value(id));
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        pane->setAlignment(Qt::AlignCenter);
        // Wide enough for its text, the indicator's string.
        pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(SheetResources::string(id)) +
                              8);
        bar->addPermanentWidget(pane);
        m_indicators.append(pane);
    }
}

void CMainFrame::showSetCode(const QString &code)
{
    if (!m_setCodePane) {
        m_setCodePane = new QLabel(statusBar());
        m_setCodePane->setObjectName(QStringLiteral("ID_INDICATOR_SETCODE"));
        m_setCodePane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_setCodePane->setToolTip(
            QCoreApplication::translate("CMainFrame", "ｼｰﾄの組のｺｰﾄﾞ (ｼｰﾄ確認に使います)"));
        statusBar()->insertPermanentWidget(1, m_setCodePane);
    }
    m_setCodePane->setText(QCoreApplication::translate("CMainFrame", "ｺｰﾄﾞ %1").arg(code));
}

void CMainFrame::setRecentFiles(const QStringList &files)
{
    qDeleteAll(m_recentActions);
    m_recentActions.clear();
    m_recentPlaceholder->setVisible(files.isEmpty());
    // A long path loses its middle, so the menu stays as wide as a desktop's menus are; the
    // tool tip keeps it whole.
    const QFontMetrics metrics = m_fileMenu->fontMetrics();
    const int widest = RecentEntryChars * metrics.averageCharWidth();
    m_fileMenu->setToolTipsVisible(true);
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        const QString native = QDir::toNativeSeparators(path);
        QString shown = metrics.elidedText(native, Qt::ElideMiddle, widest);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        auto *entry = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), this);
        entry->setToolTip(native);
        entry->setData(ID_FILE_MRU_FILE1 + int(i));
        entry->setStatusTip(SheetResources::prompt(ID_FILE_MRU_FILE1 + int(i)));
        connect(entry, &QAction::triggered, this, [this, path] { emit recentFileChosen(path); });
        m_fileMenu->insertAction(m_recentPlaceholder, entry);
        m_recentActions.append(entry);
    }
}
