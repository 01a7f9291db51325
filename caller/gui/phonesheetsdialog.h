#pragma once

#include "dialogbuilder.h"
#include "hallsheet.h"

#include <QDialog>

class MessagePresenter;

enum PhoneSheetsControlId : int {
    IDC_PHONE_ON = 1300,
    IDC_PHONE_OFF = 1301,
    IDC_PHONE_TOTAL = 1302,
    IDC_HANDOUT_FIRST_START = 1303,
    IDC_HANDOUT_OPEN = 1304,
    IDC_HANDOUT_CLOSED = 1305,
    IDC_PHONE_CODE = 1306,
    IDC_PHONE_COUNT = 1307,
};

// The phone sheets dialog, スマホのシート.
extern const DialogTemplate phoneSheetsDialogTemplate;

// What the operator chooses about the sheets the caller hands to the hall's phones: whether it
// hands any out, how many in all, and until when; with the code of this game's phone set, which
// the sheet check takes like a printed set's, and how many were handed out.
class PhoneSheetsDialog final : public QDialog
{
    Q_OBJECT

public:
    static QString title() { return tr("スマホのシート"); }

    PhoneSheetsDialog(const PhoneSheetPolicy &policy, const QString &setCode, int handedOut,
                      MessagePresenter &messages, QWidget *parent = nullptr);

    // The policy as chosen; valid once the dialog was accepted.
    const PhoneSheetPolicy &policy() const { return m_policy; }
    // Reads the controls; a total that is not a number of sheets is refused with a message and
    // the dialog stays open.
    void accept() override;

private:
    MessagePresenter &m_messages;
    PhoneSheetPolicy m_policy;
    BuiltDialog m_controls;
};
