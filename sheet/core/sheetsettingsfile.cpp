#include "sheetsettingsfile.h"

#include "regularfile.h"

#include <QStandardPaths>

SheetSettingsFile::SheetSettingsFile()
{
    const QString file = path();
    if (isNonRegularEntry(file)) {
        m_warning = QStringLiteral("%1 is not a regular file; the settings are neither read "
                                   "from it nor saved to it")
                        .arg(file);
        m_settings = std::make_unique<QSettings>(
            m_scratch.emplace().filePath(QStringLiteral("BINGO.conf")), QSettings::IniFormat);
    } else {
        m_settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
    }
}

QString SheetSettingsFile::path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Local AppWizard-Generated Applications/BINGO.conf");
}
