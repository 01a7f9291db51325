#pragma once

#include "sheetverdict.h"

#include <QDialog>
#include <QList>

#include <optional>

class MessagePresenter;
class QLabel;
class QLineEdit;
class QScrollArea;
class QTableWidget;

// The sheet check: the operator types the code of a set and the number of a sheet; the dialog
// shows that sheet as it was printed with the numbers called so far marked, and the verdict in
// large type. A code or number that names no sheet of this game gets a message instead.
class SheetCheckDialog final : public QDialog
{
    Q_OBJECT

public:
    static QString title() { return tr("シート確認"); }

    // gameTop is the game's top number, called its numbers in the order they were called.
    SheetCheckDialog(MessagePresenter &messages, int gameTop, QList<int> called,
                     const QString &setCode, QWidget *parent = nullptr);

    // The last code that named a set of this game, grouped as shown; else the one given.
    const QString &setCode() const { return m_setCode; }
    const std::optional<SheetVerdict> &verdict() const { return m_verdict; }

    // Reads the code and the number and shows that sheet and its verdict; false, with the
    // reason told, when they name no sheet of this game.
    bool check();

private:
    void refuse(const QString &why);
    void showSheet(std::span<const int, SheetRules::Cells> sheet);
    void fitToScreen();

    MessagePresenter &m_messages;
    int m_gameTop;
    QList<int> m_called;
    QString m_setCode;
    std::optional<SheetVerdict> m_verdict;
    QLineEdit *m_codeEdit = nullptr;
    QLineEdit *m_numberEdit = nullptr;
    QTableWidget *m_grid = nullptr;
    QLabel *m_headline = nullptr;
    QLabel *m_details = nullptr;
    QScrollArea *m_detailsArea = nullptr;
};
