#include "cbingoapp.h"
#include "commandlinerules.h"
#include "csheetsetupdlg.h"
#include "filechooser.h"
#include "fontsubstitutions.h"
#include "messagepresenter.h"
#include "pdfexport.h"
#include "printerdialogs.h"
#include "processlimits.h"
#include "qttranslation.h"
#include "safefilewriter.h"
#include "sheetcommandline.h"
#include "sheetlayout.h"
#include "sheetsettingsfile.h"
#include "standardstreams.h"

#include <QApplication>
#include <QScreen>

#include <new>

namespace {

QtMessageHandler previousMessageHandler = nullptr;

// Where XDG_RUNTIME_DIR is unset (cron, ssh), Qt warns while it sets up and falls back to a
// folder of its own. The program keeps nothing in that folder, so the warning would only make a
// successful run look like a failed one.
void dropRuntimeFolderWarning(QtMsgType type, const QMessageLogContext &context,
                              const QString &message)
{
    if (type == QtWarningMsg &&
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (previousMessageHandler)
        previousMessageHandler(type, context, message);
}

// The PDF export shows no window, so it always runs on the offscreen platform: it works where
// no display exists, whatever platform the environment names, and every machine gives it the
// same screen resolution.
int exportPdf(int argc, char *argv[], const SheetCommandLine &commandLine)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    registerFontSubstitutions();
    installKitTranslations(app, QStringLiteral("bingo"));
    const int dpi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY());
    try {
        const PdfExportResult result = exportFromCommandLine(
            commandLine, SheetLayout::sheetFontHeight(dpi), terminalProgress(stderr));
        if (!result.ok) {
            printTo(stderr, QStringLiteral("bingo: %1\n").arg(result.error));
            return 1;
        }
    } catch (const std::bad_alloc &) {
        printTo(stderr, QStringLiteral("bingo: %1\n").arg(outOfMemory()));
        return 1;
    }
    return 0;
}

int runWindow(int argc, char *argv[], const SheetCommandLine &commandLine)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QStringLiteral("BINGO"));
    registerFontSubstitutions();
    installKitTranslations(app, QStringLiteral("bingo"));

    SheetSettingsFile settingsFile([](const QString &warning) {
        printTo(stderr, QStringLiteral("bingo: %1\n").arg(warning));
    });
    if (!settingsFile.warning().isEmpty())
        printTo(stderr, QStringLiteral("bingo: %1\n").arg(settingsFile.warning()));
    QtMessagePresenter messages;
    QtFileChooser files;
    QtPrinterDialogs printerDialogs;
    SheetServices services;
    services.runSetup = [](CSheetSetupDlg &dialog) { return dialog.exec(); };
    services.messages = &messages;
    services.files = &files;
    services.printerDialogs = &printerDialogs;
    services.settings = &settingsFile.settings();

    try {
        CBINGOApp bingo(services);
        if (!bingo.InitInstance(commandLine))
            return bingo.exitCode();
        return app.exec();
    } catch (const std::bad_alloc &) {
        printTo(stderr, QStringLiteral("bingo: %1\n").arg(outOfMemory()));
        return 1;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    holdClosedStandardStreams();
    if (openFilesRefusal()) {
        QCoreApplication app(argc, argv);
        installKitTranslations(app, QStringLiteral("bingo"));
        printTo(stderr, QStringLiteral("bingo: %1\n").arg(*openFilesRefusal()));
        return 1;
    }
    SafeFileWriter::removeTemporaryFilesOnInterrupt();
    previousMessageHandler = qInstallMessageHandler(dropRuntimeFolderWarning);
    SheetCommandLine commandLine = SheetCommandLine::parse(argc, argv);
    switch (commandLine.mode) {
    case SheetCommandLine::Mode::Help:
    case SheetCommandLine::Mode::Error: {
        QCoreApplication app(argc, argv);
        installKitTranslations(app, QStringLiteral("bingo"));
        // Read again with the translations in place, so that help and refusals speak the
        // user's language.
        commandLine = SheetCommandLine::parse(argc, argv);
        if (commandLine.mode == SheetCommandLine::Mode::Help) {
            printTo(stdout, SheetCommandLine::helpText());
            return finishStandardOutput("bingo", 0);
        }
        printTo(stderr,
                QStringLiteral("bingo: %1\n%2\n")
                    .arg(commandLine.error, CommandLineRules::tryHelp(QStringLiteral("bingo"))));
        return 2;
    }
    case SheetCommandLine::Mode::SetCode: {
        // Translated too, for the message when standard output cannot be written.
        QCoreApplication app(argc, argv);
        installKitTranslations(app, QStringLiteral("bingo"));
        printTo(stdout, commandLine.setCode + u'\n');
        return finishStandardOutput("bingo", 0);
    }
    case SheetCommandLine::Mode::Pdf:
        return exportPdf(argc, argv, commandLine);
    case SheetCommandLine::Mode::Window:
        break;
    }
    return runWindow(argc, argv, commandLine);
}
