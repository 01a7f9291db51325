#include "sheetsettingsfile.h"

#include "regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

#include <utility>

namespace {

// QSettings tells of its changes by an event to itself, once a batch of them is made.
class WatchedSettings final : public QSettings
{
public:
    WatchedSettings(const QString &file, std::function<void()> changed)
        : QSettings(file, QSettings::IniFormat)
        , m_changed(std::move(changed))
    {}

protected:
    bool event(QEvent *event) override
    {
        const bool handled = QSettings::event(event);
        if (event->type() == QEvent::UpdateRequest)
            m_changed();
        return handled;
    }

private:
    std::function<void()> m_changed;
};

QVariantMap valuesOf(const QSettings &settings)
{
    QVariantMap values;
    for (const QString &key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

QString notRegular(const QString &file)
{
    return QCoreApplication::translate("SheetSettingsFile",
                                       "%1 は通常のファイルではないため、設定の読み込みにも保存に"
                                       "も使いません。設定はこの実行の間だけ保たれます。")
        .arg(file);
}

QString lockNotRegular()
{
    return QCoreApplication::translate("SheetSettingsFile",
                                       "%1 は通常のファイルではないため、設定を保存できません。"
                                       "設定はこの実行の間だけ保たれます。")
        .arg(SheetSettingsFile::lockPath());
}

} // namespace

SheetSettingsFile::SheetSettingsFile(std::function<void(const QString &)> warn)
    : m_warn(std::move(warn))
{
    const QString file = path();
    if (isNonRegularEntry(file)) {
        m_warning = notRegular(file);
    } else if (QFileInfo(file).size() > MaxBytes) {
        m_warning =
            QCoreApplication::translate(
                "SheetSettingsFile", "%1 は 1 MB を超えていて設定ファイルとしては大きすぎるため、"
                                     "設定の読み込みにも保存にも使いません。設定はこの実行の間だけ"
                                     "保たれます。")
                .arg(file);
    } else {
        m_useFile = true;
        // Reading takes no lock.
        m_written = valuesOf(QSettings(file, QSettings::IniFormat));
        if (isNonRegularEntry(lockPath()))
            m_warning = lockNotRegular();
    }
    m_lastWarned = m_warning;
    m_settings = std::make_unique<WatchedSettings>(m_scratch.filePath(QStringLiteral("BINGO.conf")),
                                                   [this] { writeThrough(); });
    for (auto it = m_written.cbegin(); it != m_written.cend(); ++it)
        m_settings->setValue(it.key(), it.value());
}

SheetSettingsFile::~SheetSettingsFile()
{
    writeThrough();
}

QString SheetSettingsFile::path()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Local AppWizard-Generated Applications/BINGO.conf");
}

void SheetSettingsFile::writeThrough()
{
    if (!m_useFile)
        return;
    const QVariantMap now = valuesOf(*m_settings);
    if (now == m_written)
        return;
    const auto refuse = [this](const QString &why) {
        if (why != m_lastWarned && m_warn)
            m_warn(why);
        m_lastWarned = why;
    };
    const QString file = path();
    if (isNonRegularEntry(file)) {
        refuse(notRegular(file));
        return;
    }
    if (isNonRegularEntry(lockPath())) {
        refuse(lockNotRegular());
        return;
    }
    {
        // QSettings waits for its lock without end; it gets it only where it is free now. A lock
        // that cannot be made at all (no folder, no permission) it gives up on at once.
        QDir().mkpath(QFileInfo(file).absolutePath());
        QLockFile probe(lockPath());
        if (!probe.tryLock(0) && probe.error() == QLockFile::LockFailedError) {
            refuse(QCoreApplication::translate("SheetSettingsFile",
                                               "%1 が使用中のため、設定をまだ保存できません。")
                       .arg(lockPath()));
            return;
        }
    }
    QSettings real(file, QSettings::IniFormat);
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        if (m_written.value(it.key()) != it.value() || !m_written.contains(it.key()))
            real.setValue(it.key(), it.value());
    }
    for (auto it = m_written.cbegin(); it != m_written.cend(); ++it) {
        if (!now.contains(it.key()))
            real.remove(it.key());
    }
    real.sync();
    if (real.status() != QSettings::NoError) {
        refuse(QCoreApplication::translate("SheetSettingsFile",
                                           "%1 に設定を保存できません。設定はこの実行の間だけ"
                                           "保たれます。")
                   .arg(file));
        return;
    }
    m_written = now;
    m_lastWarned.clear();
}
