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
        Open, // an existing file
        Save, // a file to write: a new name typed in, used exactly as typed, or an existing file
              // once the user has agreed to replace it
    };

    virtual ~FileChooser() = default;
    // Returns the chosen path, or an empty string when the user cancelled.
    virtual QString choose(QWidget *parent, Purpose purpose, const QString &title,
                           const QStringList &nameFilters) = 0;
};

// The file dialog. It starts in the folder of the file last chosen in this run; before that in
// the current folder, unless that is the program's own folder (the installed kit starts there,
// and users cannot write it): then in the user's documents folder, or home where there is none.
class QtFileChooser final : public FileChooser
{
public:
    QtFileChooser();
    QtFileChooser(const QString &programFolder, const QString &documentsFolder);

    QString choose(QWidget *parent, Purpose purpose, const QString &title,
                   const QStringList &nameFilters) override;

private:
    QString startFolder() const;

    QString m_programFolder;
    QString m_documentsFolder;
    QString m_lastFolder;
};
