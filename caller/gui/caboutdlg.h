#pragma once

#include <QDialog>

// The About box, dialog template 100: the icon, the version and one line about the program.
class CAboutDlg final : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};
