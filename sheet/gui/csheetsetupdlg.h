#pragma once

#include "dialogbuilder.h"
#include "sheetcolour.h"

#include <QDialog>
#include <QString>

#include <optional>

class MessagePresenter;

// The setup dialog: how many sheets, the top number and the text colour. The answers are read
// from the dialog once it has ended with Accepted; OK refuses what cannot be served and keeps
// the dialog open with the focus on the field.
class CSheetSetupDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CSheetSetupDlg(MessagePresenter &messages, QWidget *parent = nullptr);

    int colorId() const { return m_colorId; }
    // The colour of the checked radio; none before OK has stored one.
    std::optional<SheetColour> colour() const;
    int sheetCount() const { return m_sheetCount; }
    QString topNumberText() const { return m_topNumberText; }

    void accept() override;

private:
    void OnInitDialog();
    bool DoDataExchange();

    MessagePresenter &m_messages;
    BuiltDialog m_controls;
    int m_colorId = 0; // 0 until OK stores the checked radio
    int m_sheetCount = 10;
    QString m_topNumberText = QStringLiteral("50");
};
