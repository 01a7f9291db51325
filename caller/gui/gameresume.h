#pragma once

class CCallerDlg;
class GameJournal;
class JournalFolder;
class MessagePresenter;
class QString;
struct JournalGame;

// Run once as the caller starts, before its dialog opens: when the newest journal shows a
// game left unfinished, asks whether to continue it (Yes by default). Yes puts the game back
// into the dialog and the journal goes on with it; No closes that journal as declined. A
// journal that cannot be read is reported and renamed, so it is kept but never offered again.
void offerLastGame(CCallerDlg &dialog, GameJournal &journal, const JournalFolder &folder,
                   MessagePresenter &messages);

// The question for an unfinished game: its top number, how many numbers were called and when.
QString resumeQuestion(const JournalGame &game);
