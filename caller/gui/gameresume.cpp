#include "gameresume.h"

#include "ccallerdlg.h"
#include "gamejournal.h"
#include "halldesk.h"
#include "journalfolder.h"
#include "journalformat.h"
#include "liveserving.h"
#include "messagepresenter.h"
#include "numbertext.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace {

QString unreadableReport(const JournalFolder::Unreadable &journal)
{
    const QString kept =
        journal.keptAs.isEmpty()
            ? QCoreApplication::translate("GameResume", "記録の名前を変えられませんでした: %1")
                  .arg(journal.moveError)
            : QCoreApplication::translate("GameResume", "記録は次の名前で残しました:\n%1")
                  .arg(QDir::toNativeSeparators(journal.keptAs));
    return QStringLiteral("%1\n%2\n%3")
        .arg(QDir::toNativeSeparators(journal.path), journal.error, kept);
}

} // namespace

QString resumeQuestion(const JournalGame &game)
{
    QString question =
        QCoreApplication::translate("GameResume", "前回のゲームは終わっていません。続けますか?\n\n"
                                                  "数: %1\n引いた数字: %2 個\n")
            .arg(game.topNumber)
            .arg(game.drawCount());
    // The number is recorded before it is shown, so the program may have ended before the room
    // saw it.
    if (game.drawCount() > 0)
        question +=
            QCoreApplication::translate("GameResume", "最後に引いた数字: %1\n"
                                                      "(表示される前に止まったかもしれません。"
                                                      "発表したか確かめてください。)\n")
                .arg(numberText(game.drawOrder[game.drawCount() - 1]));
    return question +
           QCoreApplication::translate("GameResume", "最後の記録: %1")
               .arg(game.lastTime.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")));
}

bool anotherCallerRuns(const JournalFolder &folder, JournalFolder::Claim *claim,
                       MessagePresenter &messages)
{
    bool heldElsewhere = false;
    QString reason;
    *claim = folder.claimFolder(&heldElsewhere, &reason);
    if (heldElsewhere)
        messages.show(nullptr, MessagePresenter::Icon::Information, CCallerDlg::ApplicationTitle,
                      QCoreApplication::translate("GameResume",
                                                  "Kavelo はもう動いています。\n"
                                                  "開いている Kavelo の画面を使ってください。"));
    else if (!*claim)
        messages.show(nullptr, MessagePresenter::Icon::Warning, CCallerDlg::ApplicationTitle,
                      QCoreApplication::translate(
                          "GameResume",
                          "ゲームの記録の鍵ファイルを使えません。Kavelo は動きますが、"
                          "もう一つ起動されても止められません。\n"
                          "ファイル: %1\n理由: %2")
                          .arg(QDir::toNativeSeparators(folder.folderLockPath()), reason));
    return heldElsewhere;
}

void offerLastGame(CCallerDlg &dialog, GameJournal &journal, const JournalFolder &folder,
                   MessagePresenter &messages)
{
    QList<JournalFolder::Unreadable> unreadable;
    std::optional<JournalFolder::Unfinished> last = folder.lastUnfinished(&unreadable);
    if (!unreadable.isEmpty()) {
        // A few named in full; the box must still fit on the screen with its button.
        constexpr qsizetype Named = 3;
        QStringList reports;
        for (qsizetype i = 0; i < std::min(unreadable.size(), Named); ++i)
            reports << unreadableReport(unreadable[i]);
        if (unreadable.size() > Named)
            reports << QCoreApplication::translate(
                           "GameResume", "ほかに %1 個の記録も読めず、同じように名前を変えました。")
                           .arg(unreadable.size() - Named);
        messages.show(
            &dialog, MessagePresenter::Icon::Warning, CCallerDlg::ApplicationTitle,
            QCoreApplication::translate("GameResume", "前回のゲームの記録を読めません。\n%1")
                .arg(reports.join(QStringLiteral("\n\n"))));
    }
    if (!last)
        return;
    const JournalGame &game = *last->reading.game;
    // Asked before the dialog shows, on no window of its own: the keys of a presenter remote
    // stay out of questions over the caller's windows, but here Enter must take the default.
    if (messages.askDefaultYes(nullptr, CCallerDlg::ApplicationTitle, resumeQuestion(game))) {
        if (dialog.restoreGame(game.drawOrder, game.drawCount())) {
            // Every phone gets its own sheet back.
            dialog.live().resumePhoneSheets(game.phoneSet, game.topNumber, game.phoneSheets);
            dialog.hall().winners().restore(game.winnerRecords);
            journal.resume(std::move(*last));
        }
    } else {
        journal.decline(std::move(*last));
    }
}
