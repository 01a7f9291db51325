#pragma once

#include "journalfolder.h"

class CCallerDlg;
class GameJournal;
class MessagePresenter;
class QString;
struct JournalGame;

// Run first as the caller starts: one caller at a time plays on a journal folder. True when
// another one really runs on it, after saying so; otherwise claim holds the folder for this one,
// or stays empty, after a warning naming the lock file, where it cannot be taken.
bool anotherCallerRuns(const JournalFolder &folder, JournalFolder::Claim *claim,
                       MessagePresenter &messages);

// Run once as the caller starts, before its dialog opens: when a journal no other running
// program holds shows a game left unfinished, asks whether to continue the one played last (Yes
// by default). Yes puts the game back into the dialog and the journal goes on with it; No
// closes that journal as declined. Journals that cannot be read are reported in one message and
// renamed, so they are kept but never offered again.
void offerLastGame(CCallerDlg &dialog, GameJournal &journal, const JournalFolder &folder,
                   MessagePresenter &messages);

// The question for an unfinished game: its top number, how many numbers were called, the last
// of them (which the room may not have seen) and when.
QString resumeQuestion(const JournalGame &game);
