#pragma once

#include "cbingoapp.h"
#include "printerdialogs.h"
#include "sheetcommandline.h"
#include "sheetfakes.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

// The words of a PDF file, page after page, with pages separated by form feeds.
inline QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable("pdftotext"), {pdf, "-"});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QStringList pdfPages(const QString &pdf)
{
    QStringList pages = pdfText(pdf).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

inline QString lastWord(const QString &page)
{
    const QStringList words = page.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    return words.isEmpty() ? QString() : words.last();
}

// The whole sheet program on recorded services: its settings in a temporary folder of the
// test's own, the setup dialog answered by m_answers, printing into printed.pdf there. A suite
// calls setUp from its init slot and tearDown from its cleanup slot.
class BingoAppFixture
{
protected:
    void setUp()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        // Test-mode settings in a file of our own, never the user's.
        m_settings = std::make_unique<QSettings>(path("BINGO.ini"), QSettings::IniFormat);
        m_messages = {};
        m_files = {};
        m_printerDialogs = {};
        m_answers = {};
    }
    void tearDown()
    {
        m_settings.reset();
        m_dir.reset();
    }

    std::unique_ptr<CBINGOApp> start(const SheetCommandLine &commandLine = {})
    {
        SheetServices services;
        services.runSetup = [this](CSheetSetupDlg &dialog) { return m_answers(dialog); };
        services.seed = [] { return std::uint32_t(1700000000); };
        services.messages = &m_messages;
        services.files = &m_files;
        services.printerDialogs = &m_printerDialogs;
        services.settings = m_settings.get();
        auto app = std::make_unique<CBINGOApp>(services);
        app->printer().setOutputFormat(QPrinter::PdfFormat);
        app->printer().setOutputFileName(path("printed.pdf"));
        app->InitInstance(commandLine);
        return app;
    }
    QString path(const QString &name) const { return m_dir->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QSettings> m_settings;
    RecordingMessages m_messages;
    ScriptedFiles m_files;
    FakePrinterDialogs m_printerDialogs;
    SetupAnswers m_answers;
};
