#include "cbingoapp.h"

#include "caboutdlg.h"
#include "cbingodoc.h"
#include "cbingoview.h"
#include "cmainframe.h"
#include "filechooser.h"
#include "messagepresenter.h"
#include "printerdialogs.h"
#include "sheetcommandline.h"
#include "sheetids.h"
#include "sheetresources.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QSignalBlocker>

using namespace SheetIds;

namespace {

const QString NumberedSetting = QStringLiteral("Settings/NumberedSheets");

} // namespace

CBINGOApp::CBINGOApp(const SheetServices &services, QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_recentFiles(*services.settings)
{
    // Names the print jobs in the print queue and the title of a printed PDF file.
    m_printer.setDocName(QStringLiteral("BINGO"));
}

CBINGOApp::~CBINGOApp() = default;

bool CBINGOApp::InitInstance(const SheetCommandLine &commandLine)
{
    m_frame = std::make_unique<CMainFrame>();
    m_doc = new CBINGODoc(this);
    m_view = new CBINGOView(m_services, m_printer, commandLine.seed, m_frame.get());
    if (m_view->state() != CBINGOView::State::Ready) {
        // Cancelled setup: the user chose to make no sheets, which is no failure.
        m_exitCode = m_view->state() == CBINGOView::State::Declined ? 0 : 1;
        return false;
    }
    m_frame->setCentralWidget(m_view);
    m_frame->showSetCode(m_view->setCode().text());
    // --numbered turns them on for this run; the menu's choice is what the next run remembers.
    const bool numbered =
        commandLine.numbered || m_services.settings->value(NumberedSetting, false).toBool();
    m_frame->action(ID_VIEW_NUMBERED)->setChecked(numbered);
    m_view->setNumbered(numbered);
    connectCommands();
    m_frame->setRecentFiles(m_recentFiles.files());
    connect(m_doc, &CBINGODoc::titleChanged, this, &CBINGOApp::updateTitle);

    OnFileNew();
    if (!commandLine.documentFile.isEmpty())
        OpenDocumentFile(commandLine.documentFile);
    if (commandLine.printDirect) {
        m_exitCode = m_view->OnFilePrintDirect() ? 0 : 1;
        return false;
    }
    m_frame->show();
    return true;
}

void CBINGOApp::connectCommands()
{
    const auto route = [this](int id, void (CBINGOApp::*handler)()) {
        connect(m_frame->action(id), &QAction::triggered, this, handler);
    };
    route(ID_APP_ABOUT, &CBINGOApp::OnAppAbout);
    route(ID_FILE_NEW, &CBINGOApp::OnFileNew);
    route(ID_FILE_OPEN, &CBINGOApp::OnFileOpen);
    route(ID_FILE_PRINT_SETUP, &CBINGOApp::OnFilePrintSetup);
    route(ID_FILE_SAVE, &CBINGOApp::OnFileSave);
    route(ID_FILE_SAVE_AS, &CBINGOApp::OnFileSaveAs);
    connect(m_frame->action(ID_FILE_PRINT), &QAction::triggered, m_view, &CBINGOView::OnFilePrint);
    connect(m_frame->action(ID_FILE_PRINT_PREVIEW), &QAction::triggered, m_view,
            &CBINGOView::OnFilePrintPreview);
    connect(m_frame.get(), &CMainFrame::recentFileChosen, this, &CBINGOApp::OpenDocumentFile);
    connect(m_frame->action(ID_VIEW_NUMBERED), &QAction::toggled, this, &CBINGOApp::OnViewNumbered);
}

void CBINGOApp::OnAppAbout()
{
    CAboutDlg about(m_frame.get());
    about.exec();
}

void CBINGOApp::OnViewNumbered(bool on)
{
    m_view->setNumbered(on);
    m_services.settings->setValue(NumberedSetting, on);
}

void CBINGOApp::OnFileNew()
{
    m_doc->OnNewDocument();
    m_view->OnInitialUpdate();
}

void CBINGOApp::OnFileOpen()
{
    const QString path = m_services.files->choose(
        m_frame.get(), FileChooser::Purpose::Open, QCoreApplication::translate("CBINGOApp", "開く"),
        {QCoreApplication::translate("CBINGOApp", "すべてのﾌｧｲﾙ (*)")});
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

void CBINGOApp::OpenDocumentFile(const QString &path)
{
    QString error;
    if (!m_doc->OnOpenDocument(path, &error)) {
        m_services.messages->show(m_frame.get(), MessagePresenter::Icon::Critical,
                                  QStringLiteral("BINGO"),
                                  QCoreApplication::translate("CBINGOApp", "%1 を開けません。\n%2")
                                      .arg(QDir::toNativeSeparators(path), error));
        m_recentFiles.remove(path);
        m_frame->setRecentFiles(m_recentFiles.files());
        return;
    }
    addToRecentFileList(m_doc->pathName());
    if (const auto &set = m_doc->set(); set && m_view->makeSheets(*set)) {
        m_frame->showSetCode(m_view->setCode().text());
        // The document's numbering, for this run: what the menu remembers stays as it was.
        const QSignalBlocker quiet(m_frame->action(ID_VIEW_NUMBERED));
        m_frame->action(ID_VIEW_NUMBERED)->setChecked(set->numbered);
        m_view->setNumbered(set->numbered);
    }
    m_view->OnInitialUpdate();
}

void CBINGOApp::OnFilePrintSetup()
{
    m_services.printerDialogs->printerSetup(m_printer, m_frame.get());
}

void CBINGOApp::OnFileSave()
{
    if (m_doc->pathName().isEmpty())
        OnFileSaveAs();
    else
        saveTo(m_doc->pathName());
}

void CBINGOApp::OnFileSaveAs()
{
    const QString path =
        m_services.files->choose(m_frame.get(), FileChooser::Purpose::Save,
                                 QCoreApplication::translate("CBINGOApp", "名前を付けて保存"),
                                 {QCoreApplication::translate("CBINGOApp", "すべてのﾌｧｲﾙ (*)")});
    if (!path.isEmpty())
        saveTo(path);
}

void CBINGOApp::saveTo(const QString &path)
{
    QString error;
    if (!m_doc->OnSaveDocument(path, m_view->document(), &error)) {
        m_services.messages->show(
            m_frame.get(), MessagePresenter::Icon::Critical, QStringLiteral("BINGO"),
            QCoreApplication::translate("CBINGOApp", "%1 に保存できません。\n%2")
                .arg(QDir::toNativeSeparators(path), error));
        return;
    }
    addToRecentFileList(m_doc->pathName());
}

void CBINGOApp::addToRecentFileList(const QString &path)
{
    m_recentFiles.add(path);
    m_frame->setRecentFiles(m_recentFiles.files());
}

void CBINGOApp::updateTitle()
{
    m_frame->setWindowTitle(
        QStringLiteral("%1 - %2").arg(m_doc->title(), SheetResources::string(AFX_IDS_APP_TITLE)));
}
