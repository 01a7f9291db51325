#pragma once

#include "qrcode.h"

#include <QString>
#include <QWidget>

class AudienceBoard;

// The corner of the audience screen that tells the room where to follow the game on a phone:
// the QR code of the live page's address, and the address as text under it.
class LiveCorner final : public QWidget
{
    Q_OBJECT

public:
    LiveCorner(const AudienceBoard &board, const QString &url, QWidget *parent = nullptr);

    const QString &url() const { return m_url; }
    // The side of the square the corner takes in a window of the given size.
    static int side(QSize window);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const AudienceBoard &m_board;
    QString m_url;
    QrCode m_code;
};
