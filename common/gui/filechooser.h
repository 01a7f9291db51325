#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Asks the user for a file name. The programs talk to this interface so that tests can choose
// a file, or cancel, without a person; QtFileChooser is the real dialog.
class FileChooser
{
public:
    enum class Purpose {
        Open,  // an existing file
        Write, // an existing file or a new name typed in, used exactly as typed
        Save,  // as Write, but asks before replacing an existing file
    };

    virtual ~FileChooser() = default;
    // Returns the chosen path, or an empty string when the user cancelled.
    virtual QString choose(QWidget *parent, Purpose purpose, const QString &title,
                           const QStringList &nameFilters) = 0;
};

class QtFileChooser final : public FileChooser
{
public:
    QString choose(QWidget *parent, Purpose purpose, const QString &title,
                   const QStringList &nameFilters) override;
};
