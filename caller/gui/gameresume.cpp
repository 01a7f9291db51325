#include "gameresume.h"

#include "ccallerdlg.h"
#include "gamejournal.h"
#include "journalfolder.h"
#include "journalformat.h"
#include "messagepresenter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

// A journal holds at most a few kilobytes; anything much larger is no journal.
constexpr qint64 MaxJournalBytes = 1 << 20;

JournalReading readJournalFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        JournalReading reading;
        reading.error = file.errorString();
        return reading;
    }
    const QByteArray bytes = file.read(MaxJournalBytes + 1);
    if (bytes.size() > MaxJournalBytes) {
        JournalReading reading;
        reading.error =
            QCoreApplication::translate("GameResume", "ゲームの記録にしては大きすぎます。");
        return reading;
    }
    return JournalFormat::read(bytes);
}

} // namespace

QString resumeQuestion(const JournalGame &game)
{
    return QCoreApplication::translate("GameResume",
                                       "前回のゲームは終わっていません。続けますか?\n\n"
                                       "数: %1\n引いた数字: %2 個\n最後の記録: %3")
        .arg(game.topNumber)
        .arg(game.drawCount())
        .arg(game.lastTime.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")));
}

void offerLastGame(CCallerDlg &dialog, GameJournal &journal, const JournalFolder &folder,
                   MessagePresenter &messages)
{
    const QString path = folder.newest();
    if (path.isEmpty())
        return;
    const JournalReading reading = readJournalFile(path);
    if (!reading.game) {
        QString error;
        const std::optional<QString> aside = folder.moveAside(path, &error);
        const QString kept =
            aside
                ? QCoreApplication::translate("GameResume", "記録は次の名前で残しました:\n%1")
                      .arg(QDir::toNativeSeparators(*aside))
                : QCoreApplication::translate("GameResume", "記録の名前を変えられませんでした: %1")
                      .arg(error);
        messages.show(&dialog, MessagePresenter::Icon::Warning, CCallerDlg::ApplicationTitle,
                      QCoreApplication::translate("GameResume",
                                                  "前回のゲームの記録を読めません。\n%1\n%2\n%3")
                          .arg(QDir::toNativeSeparators(path), reading.error, kept));
        return;
    }
    const JournalGame &game = *reading.game;
    if (game.complete())
        return;
    // Asked before the dialog shows, on no window of its own: the keys of a presenter remote
    // stay out of questions over the caller's windows, but here Enter must take the default.
    if (messages.askDefaultYes(nullptr, CCallerDlg::ApplicationTitle, resumeQuestion(game))) {
        if (dialog.restoreGame(game.drawOrder, game.drawCount()))
            journal.resume(path, reading);
    } else {
        journal.decline(path, reading);
    }
}
