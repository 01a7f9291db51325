#pragma once

#include "liveservice.h"

#include <QKeySequence>
#include <QObject>
#include <QPointer>
#include <QString>

class AudienceBoard;
class AudienceScreen;
class LiveCorner;
class MessagePresenter;
class QAction;
class QWidget;

// The caller's switch for the live page, 会場のスマホに公開: it starts and stops serving, asks
// before taking another port when the chosen one is taken, and shows the address in the
// dialog's title and, with its QR code, in a corner of the audience screen.
class LiveServing final : public QObject
{
    Q_OBJECT

public:
    static QString itemText() { return tr("会場のスマホに公開"); }
    static inline const QKeySequence Key = QKeySequence(Qt::Key_F9);
    static QString noNetwork()
    {
        return tr("この機械はネットワークにつながっていないため、スマホに公開できません。\n"
                  "会場の Wi-Fi につないでから、もう一度選んでください。");
    }

    LiveServing(const AudienceBoard &board, MessagePresenter &messages, QWidget &dialog);

    QAction *action() const { return m_action; }
    LiveService &service() { return m_service; }
    // The port to serve on; the default one unless the command line chose another.
    void setPort(quint16 port) { m_port = port; }
    // The page's address while serving, else empty.
    const QString &url() const { return m_url; }

    // Starts serving, asking first about another port when the chosen one is taken; false
    // when it does not serve, after saying why.
    bool start();
    void stop();
    // The audience screen shows the address while serving.
    void showOn(AudienceScreen *screen);

private:
    void toggle();
    void refuse(const QString &text);
    void showAddress();

    const AudienceBoard &m_board;
    MessagePresenter &m_messages;
    QWidget &m_dialog;
    LiveService m_service;
    QAction *m_action;
    quint16 m_port = LiveService::DefaultPort;
    QString m_url;
    QString m_title;
    QPointer<AudienceScreen> m_screen;
    QPointer<LiveCorner> m_corner;
};
