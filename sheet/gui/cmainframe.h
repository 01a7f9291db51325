#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QStringList>

class QAction;
class QLabel;
class QMenu;
class QToolBar;

// The main window: menu 128, accelerators 128, tool bar 128 and the status bar, all built from
// their tables. Commands are actions found by their ids; whoever handles one connects to it.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    // How many average characters of a recent file's path the File menu shows at most.
    static constexpr int RecentEntryChars = 60;

    explicit CMainFrame(QWidget *parent = nullptr);

    QAction *action(int id) const { return m_actions.value(id); }
    QToolBar *toolBar() const { return m_wndToolBar; }
    // The panes right of the message pane, in order.
    const QList<QLabel *> &indicatorPanes() const { return m_indicators; }

    // Shows the code of the set on screen in a pane left of the indicators.
    void showSetCode(const QString &code);
    QLabel *setCodePane() const { return m_setCodePane; }

    // Shows the recent files in place of the greyed placeholder, or the placeholder alone.
    void setRecentFiles(const QStringList &files);

signals:
    void recentFileChosen(const QString &path);

private:
    QAction *makeAction(int id, const QString &text);
    void buildMenus();
    void buildAccelerators();
    void buildToolBar();
    void buildStatusBar();

    QHash<int, QAction *> m_actions;
    QMenu *m_fileMenu = nullptr;
    QAction *m_recentPlaceholder = nullptr;
    QList<QAction *> m_recentActions;
    QToolBar *m_wndToolBar = nullptr;
    QList<QLabel *> m_indicators;
    QLabel *m_setCodePane = nullptr;
};
