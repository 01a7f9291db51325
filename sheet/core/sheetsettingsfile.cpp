#include "sheetsettingsfile.h"

#include "regularfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

SheetSettingsFile::SheetSettingsFile()
{
    const QString file = path();
    if (isNonRegularEntry(file)) {
        m_warning =
            QCoreApplication::translate(
                "SheetSettingsFile", "%1 は通常のファイルではないため、設定の読み込みにも保存にも"
                                     "使いません。設定はこの実行の間だけ保たれます。")
                .arg(file);
    } else if (QFileInfo(file).size() > MaxBytes) {
        m_warning =
            QCoreApplication::translate(
                "SheetSettingsFile", "%1 は 1 MB を超えていて設定ファイルとしては大きすぎるため、"
                                     "設定の読み込みにも保存にも使いません。設定はこの実行の間だけ"
                                     "保たれます。")
                .arg(file);
    }
    if (m_warning.isEmpty()) {
        m_settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
    } else {
        m_settings = std::make_unique<QSettings>(
            m_scratch.emplace().filePath(QStringLiteral("BINGO.conf")), QSettings::IniFormat);
    }
}

QString SheetSettingsFile::path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Local AppWizard-Generated Applications/BINGO.conf");
}
