#pragma once

#include "recentfilelist.h"
#include "sheetservices.h"

#include <QObject>
#include <QPrinter>

#include <memory>

class CBINGODoc;
class CBINGOView;
class CMainFrame;
struct SheetCommandLine;

// The application: one frame, one document and one view per run. It handles New, Open, Save,
// the recent files, Printer Setup and About.
class CBINGOApp : public QObject
{
    Q_OBJECT

public:
    explicit CBINGOApp(const SheetServices &services, QObject *parent = nullptr);
    ~CBINGOApp() override;

    // Makes the frame, document and view (the view asks for the sheets), opens the command
    // line's file and shows the window. False when the program should end at once, with
    // exitCode() saying how.
    bool InitInstance(const SheetCommandLine &commandLine);
    int exitCode() const { return m_exitCode; }

    CMainFrame *mainFrame() const { return m_frame.get(); }
    CBINGOView *view() const { return m_view; }
    CBINGODoc *document() const { return m_doc; }
    QPrinter &printer() { return m_printer; }
    const RecentFileList &recentFiles() const { return m_recentFiles; }

    void OnAppAbout();
    void OnFileNew();
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnFileSave();
    void OnFileSaveAs();
    // Numbered sheets on or off, remembered for the next run.
    void OnViewNumbered(bool on);
    // Opens a document: the sheets it names take the place of those shown (an empty file, as
    // older versions saved, leaves them); the view's initial update runs again.
    void OpenDocumentFile(const QString &path);

private:
    void connectCommands();
    void saveTo(const QString &path);
    void addToRecentFileList(const QString &path);
    void updateTitle();

    SheetServices m_services;
    RecentFileList m_recentFiles;
    QPrinter m_printer;
    std::unique_ptr<CMainFrame> m_frame;
    CBINGODoc *m_doc = nullptr;
    CBINGOView *m_view = nullptr;
    int m_exitCode = 0;
};
