<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>AudienceHall</name>
    <message>
        <source>ビンゴ! %1</source>
        <translation>BINGO! %1</translation>
    </message>
</context>
<context>
    <name>AudienceScreen</name>
    <message>
        <source>観客用表示</source>
        <translation>Audience screen</translation>
    </message>
    <message>
        <source>全画面表示(&amp;F)</source>
        <translation>&amp;Full screen</translation>
    </message>
    <message>
        <source>スタートを待っています</source>
        <translation>Waiting for Start</translation>
    </message>
    <message>
        <source>抽選中</source>
        <translation>Drawing</translation>
    </message>
</context>
<context>
    <name>CCallerDlg</name>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ビンゴ用紙のプログラム「%1」を起動できませんでした。
%2</source>
        <translation>The sheet program &quot;%1&quot; could not be started.
%2</translation>
    </message>
    <message>
        <source>Kavelo のﾊﾞｰｼﾞｮﾝ情報(&amp;A)...</source>
        <translation>&amp;About Kavelo...</translation>
    </message>
    <message>
        <source>観客用表示(&amp;D)</source>
        <translation>Au&amp;dience screen</translation>
    </message>
    <message>
        <source>キー操作(&amp;K)...</source>
        <translation>&amp;Keys...</translation>
    </message>
    <message>
        <source>シート確認</source>
        <translation>Sheet check</translation>
    </message>
    <message>
        <source>まだ数字を引いていません。シート確認は最初の数字を引いてからできます。</source>
        <translation>No number has been drawn yet. Sheets can be checked after the first draw.</translation>
    </message>
    <message>
        <source>ゲームの途中です。終了すると、引いた数字は失われます。
終了しますか?</source>
        <translation>A game is in progress. If you quit, the numbers drawn are lost.
Quit?</translation>
    </message>
    <message>
        <source>ゲームは終了しました。引いた数字は保存されていないため、終了すると失われます。
終了しますか?</source>
        <translation>The game has ended. The numbers drawn have not been saved and are lost if you quit.
Quit?</translation>
    </message>
    <message>
        <source>ゲームは終了し、引いた数字は保存されています。
終了しますか?</source>
        <translation>The game has ended and the numbers drawn have been saved.
Quit?</translation>
    </message>
    <message>
        <source>スタート / ストップ: Space, Enter, Page Down, →
観客用表示を開く / 閉じる: F5
観客用表示の全画面表示: F11 (戻るときは F11 か Esc)
シート確認: F8
会場のスマホに公開 / やめる: F9</source>
        <translation>Start / Stop: Space, Enter, Page Down, →
Open / close the audience screen: F5
Audience screen full screen: F11 (back with F11 or Esc)
Sheet check: F8
Serve to / stop serving the hall&apos;s phones: F9</translation>
    </message>
    <message>
        <source>ゲームの途中です。クリアすると、引いた数字は失われ、このゲームは続けられません。
クリアしますか?</source>
        <translation>A game is in progress. If you clear it, the numbers drawn are lost and this game cannot be continued.
Clear it?</translation>
    </message>
</context>
<context>
    <name>CallerCommandLine</name>
    <message>
        <source>ビンゴの数字を引きます。ゲームはそれぞれ $XDG_STATE_HOME/kavelo/journal に記録され、終わっていないゲームは次の起動で続けられます。

kavelo --check-sheet コード シート番号 --called 12,5,33,... は、コードの組のその番号のシートを、呼んだ数字に照らした判定とともに、画面を開かずに表示します。終了ステータスは、そろった列があれば 0、なければ 1、入力が正しくなければ 2 です。ここでもシート確認の画面と同じく、数字は全角でも入力できます。

</source>
        <translation>Calls the numbers of a bingo game. Each game is recorded in $XDG_STATE_HOME/kavelo/journal, and an unfinished game can be continued at the next start.

kavelo --check-sheet CODE NUMBER --called 12,5,33,... prints sheet NUMBER of the set CODE with its verdict against the numbers called, without a window: exit status 0 when a line is complete, 1 when none is, 2 for bad input. There, as in the sheet check&apos;s window, the numbers may also be typed in full-width digits.

</translation>
    </message>
    <message>
        <source>現在の時刻の代わりに使う乱数の種 (0 から 4294967295)。同じ種なら最初のゲームは同じ順に引かれ、ゲームを再現できます。</source>
        <translation>Seed of the generator instead of the current time, 0 to 4294967295; the same seed draws the same order for the first game, so a game can be replayed.</translation>
    </message>
    <message>
        <source>最初から会場のスマホに公開します (画面では F9 で公開とやめるを切り替えます)。</source>
        <translation>Serve the live page for the players&apos; phones from the start (F9 in the window turns it on and off).</translation>
    </message>
    <message>
        <source>スマホ向けページのポート (1 から 65535)。指定しなければ 8765 です。</source>
        <translation>Port of the live page, 1 to 65535, instead of 8765.</translation>
    </message>
    <message>
        <source>引数は取りませんが、「%1」が指定されました</source>
        <translation>no arguments are taken, but &quot;%1&quot; was given</translation>
    </message>
</context>
<context>
    <name>CallerGame</name>
    <message>
        <source>数には 1 から %1 までの整数を入力してください。
入力された数: 「%2」</source>
        <translation>Enter a whole number from 1 to %1 as the top number.
Number entered: &quot;%2&quot;</translation>
    </message>
</context>
<context>
    <name>CommandLineRules</name>
    <message>
        <source>各オプションは一度だけ指定できます。繰り返したオプションは、同じ値でも受け付けません。数は半角数字だけで書いた整数です (先頭の 0 は構いません)。符号や空白などは付けられません。</source>
        <translation>Each option is given at most once: a repeated option is refused, even with the same value. Numbers are whole numbers in plain digits (leading zeros are allowed), without a sign, blanks or anything else.</translation>
    </message>
    <message>
        <source>--%1 は一度だけ指定できます</source>
        <translation>--%1 can be given only once</translation>
    </message>
    <message>
        <source>使い方は「%1 --help」で表示できます。</source>
        <translation>Try &quot;%1 --help&quot;.</translation>
    </message>
    <message>
        <source>--%1 には %2 から %3 までの整数を指定してください (指定は「%4」)</source>
        <translation>--%1 needs a whole number from %2 to %3, not &quot;%4&quot;</translation>
    </message>
</context>
<context>
    <name>DialogTemplate</name>
    <message>
        <source>ビンゴの数字を引くプログラム</source>
        <translation>Draws the numbers for bingo</translation>
    </message>
    <message>
        <source>Kaveloのﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About Kavelo</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>ストップ</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>クリア</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>ビンゴ用紙</source>
        <translation>Sheets</translation>
    </message>
    <message>
        <source>数</source>
        <translation>Top</translation>
    </message>
    <message>
        <source>色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>青</source>
        <translation>B</translation>
    </message>
    <message>
        <source>赤</source>
        <translation>R</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>G</translation>
    </message>
    <message>
        <source>有</source>
        <translation>On</translation>
    </message>
    <message>
        <source>無</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>配る</source>
        <translation>Hand out</translation>
    </message>
    <message>
        <source>配らない</source>
        <translation>Don&apos;t hand out</translation>
    </message>
    <message>
        <source>シートは全部で</source>
        <translation>Sheets in all</translation>
    </message>
    <message>
        <source>枚まで</source>
        <translation>at most</translation>
    </message>
    <message>
        <source>配るのは</source>
        <translation>Hand out</translation>
    </message>
    <message>
        <source>最初のスタートまで</source>
        <translation>Until the first Start</translation>
    </message>
    <message>
        <source>いつでも</source>
        <translation>At any time</translation>
    </message>
    <message>
        <source>締め切る</source>
        <translation>Closed</translation>
    </message>
    <message>
        <source>セットコード</source>
        <translation>Set code</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>スマホのシート</source>
        <translation>Phone sheets</translation>
    </message>
    <message>
        <source>確認済み</source>
        <translation>Checked</translation>
    </message>
    <message>
        <source>名前を隠す</source>
        <translation>Hide name</translation>
    </message>
    <message>
        <source>外す</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>CSV に保存...</source>
        <translation>Save CSV...</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ビンゴ順位</source>
        <translation>Bingo winners</translation>
    </message>
</context>
<context>
    <name>DrawnNumbersFile</name>
    <message>
        <source>ファイル「%1」に保存できませんでした。
%2</source>
        <translation>Could not save the file &quot;%1&quot;.
%2</translation>
    </message>
    <message>
        <source>ファイル名がありません。</source>
        <translation>No file name was given.</translation>
    </message>
</context>
<context>
    <name>FileReasons</name>
    <message>
        <source>そのようなファイルやフォルダーはありません。</source>
        <translation>There is no such file or folder.</translation>
    </message>
    <message>
        <source>アクセスする権限がありません。</source>
        <translation>Permission to access it is denied.</translation>
    </message>
    <message>
        <source>その操作は許可されていません。</source>
        <translation>That operation is not permitted.</translation>
    </message>
    <message>
        <source>読み取り専用の場所です。</source>
        <translation>The place is read-only.</translation>
    </message>
    <message>
        <source>ディスクに空きがありません。</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>ディスクの使用量の上限を超えました。</source>
        <translation>The disk quota is exceeded.</translation>
    </message>
    <message>
        <source>ファイルの大きさの上限を超えます。</source>
        <translation>The file would exceed the largest size allowed.</translation>
    </message>
    <message>
        <source>途中の名前がフォルダーではありません。</source>
        <translation>A part of the path is not a folder.</translation>
    </message>
    <message>
        <source>シンボリックリンクが循環しています。</source>
        <translation>Symbolic links form a loop.</translation>
    </message>
    <message>
        <source>名前が長すぎます。</source>
        <translation>The name is too long.</translation>
    </message>
    <message>
        <source>同じ名前のものがすでにあります。</source>
        <translation>Something with the same name already exists.</translation>
    </message>
    <message>
        <source>フォルダーが空ではありません。</source>
        <translation>The folder is not empty.</translation>
    </message>
    <message>
        <source>別のファイルシステムへは移せません。</source>
        <translation>It cannot be moved to another file system.</translation>
    </message>
    <message>
        <source>入出力エラーが起きました。ディスクや装置の不具合かもしれません。</source>
        <translation>An input/output error occurred. The disk or device may be faulty.</translation>
    </message>
    <message>
        <source>読み取る側のプログラムが終了しました。</source>
        <translation>The program reading it has ended.</translation>
    </message>
    <message>
        <source>閉じられています。</source>
        <translation>It is closed.</translation>
    </message>
    <message>
        <source>開いているファイルが多すぎます。</source>
        <translation>Too many files are open.</translation>
    </message>
    <message>
        <source>メモリーが足りません。</source>
        <translation>There is not enough memory.</translation>
    </message>
    <message>
        <source>使用中です。</source>
        <translation>It is in use.</translation>
    </message>
    <message>
        <source>装置がありません。</source>
        <translation>There is no such device.</translation>
    </message>
    <message>
        <source>今は使えません。もう一度お試しください。</source>
        <translation>It is not available now. Please try again.</translation>
    </message>
    <message>
        <source>中断されました。</source>
        <translation>It was interrupted.</translation>
    </message>
    <message>
        <source>この操作はここではできません。</source>
        <translation>This operation cannot be done here.</translation>
    </message>
    <message>
        <source>このファイルシステムではその操作ができません。</source>
        <translation>This file system does not support that operation.</translation>
    </message>
    <message>
        <source>大きすぎて扱えません。</source>
        <translation>It is too large to handle.</translation>
    </message>
    <message>
        <source>時間切れになりました。</source>
        <translation>It timed out.</translation>
    </message>
    <message>
        <source>ネットワーク上のファイルが無効になりました。</source>
        <translation>The file on the network is no longer valid.</translation>
    </message>
    <message>
        <source>予期しないエラーが起きました（エラー番号 %1）。</source>
        <translation>An unexpected error occurred (error number %1).</translation>
    </message>
    <message>
        <source>ファイル名がありません。</source>
        <translation>No file name was given.</translation>
    </message>
    <message>
        <source>フォルダーです。</source>
        <translation>It is a folder.</translation>
    </message>
    <message>
        <source>通常のファイルではありません。</source>
        <translation>It is not a regular file.</translation>
    </message>
    <message>
        <source>通常のファイル、名前付きパイプ、キャラクターデバイスのどれでもありません。</source>
        <translation>It is not a regular file, a named pipe or a character device.</translation>
    </message>
    <message>
        <source>読み取るプログラムのない名前付きパイプです。</source>
        <translation>It is a named pipe that no program reads.</translation>
    </message>
    <message>
        <source>すでに書き込み中です。</source>
        <translation>It is already being written.</translation>
    </message>
    <message>
        <source>書き込みにしか開けません。読み込みや追記はできません。</source>
        <translation>It can only be opened for writing, not for reading or appending.</translation>
    </message>
    <message>
        <source>書き込み用に開かれていません。</source>
        <translation>It is not open for writing.</translation>
    </message>
    <message>
        <source>同じフォルダーに一時ファイルを作れません。%1</source>
        <translation>No temporary file can be made in the same folder. %1</translation>
    </message>
    <message>
        <source>同じフォルダーに一時ファイルの空いた名前が見つかりません。</source>
        <translation>No free name for a temporary file is left in the same folder.</translation>
    </message>
    <message>
        <source>%1ファイルをその場で書き換えることもできません。%2</source>
        <translation>%1 Nor can the file be rewritten in place. %2</translation>
    </message>
    <message>
        <source>大きすぎて、書き換える間に元の内容を控えておけません。</source>
        <translation>It is too large to keep its old content while it is rewritten.</translation>
    </message>
    <message>
        <source>読み込んでいる間に変わりました。</source>
        <translation>It changed while it was being read.</translation>
    </message>
    <message>
        <source>一時フォルダー「%1」に新しい内容を置けません。%2</source>
        <translation>The new content cannot be put in the temporary folder &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>書き込みが中断されました。</source>
        <translation>Writing was interrupted.</translation>
    </message>
    <message>
        <source>%1元の内容も戻せませんでした。%2</source>
        <translation>%1 The old content could not be put back either. %2</translation>
    </message>
    <message>
        <source>標準出力に書き込めません。%1</source>
        <translation>Cannot write to standard output. %1</translation>
    </message>
</context>
<context>
    <name>GameJournal</name>
    <message>
        <source>ゲームの記録を書けません。ゲームは記録なしで続けます。
フォルダー: %1
理由: %2</source>
        <translation>The game record cannot be written. The game goes on without a record.
Folder: %1
Reason: %2</translation>
    </message>
    <message>
        <source>普通のファイルではありません。</source>
        <translation>It is not a regular file.</translation>
    </message>
    <message>
        <source>前回のゲームの記録に続けて書けません。新しい記録も作れないので、ゲームは記録なしで続けます。
記録: %1
理由: %2
新しい記録を作れない理由: %3</source>
        <translation>The record of the last game cannot be continued, and no new record can be made, so the game goes on without a record.
Record: %1
Reason: %2
Why no new record can be made: %3</translation>
    </message>
    <message>
        <source>前回のゲームの記録に続けて書けません。ゲームは新しい記録に続けます。
記録: %1
理由: %2
新しい記録: %3</source>
        <translation>The record of the last game cannot be continued in its own file. The game is recorded in a new file.
Record: %1
Reason: %2
New record: %3</translation>
    </message>
</context>
<context>
    <name>GameResume</name>
    <message>
        <source>記録は次の名前で残しました:
%1</source>
        <translation>The record was kept under this name:
%1</translation>
    </message>
    <message>
        <source>記録の名前を変えられませんでした: %1</source>
        <translation>The record could not be renamed: %1</translation>
    </message>
    <message>
        <source>前回のゲームは終わっていません。続けますか?

数: %1
引いた数字: %2 個
</source>
        <translation>The last game was not finished. Continue it?

Top number: %1
Numbers drawn: %2
</translation>
    </message>
    <message>
        <source>最後に引いた数字: %1
(表示される前に止まったかもしれません。発表したか確かめてください。)
</source>
        <translation>Last number drawn: %1
(The program may have stopped before showing it. Check that it was announced.)
</translation>
    </message>
    <message>
        <source>最後の記録: %1</source>
        <translation>Last recorded: %1</translation>
    </message>
    <message>
        <source>Kavelo はもう動いています。
開いている Kavelo の画面を使ってください。</source>
        <translation>Kavelo is already running.
Please use the Kavelo window that is open.</translation>
    </message>
    <message>
        <source>ほかに %1 個の記録も読めず、同じように名前を変えました。</source>
        <translation>%1 more records could not be read either and were renamed the same way.</translation>
    </message>
    <message>
        <source>前回のゲームの記録を読めません。
%1</source>
        <translation>The record of the last game cannot be read.
%1</translation>
    </message>
    <message>
        <source>ゲームの記録の鍵ファイルを使えません。Kavelo は動きますが、もう一つ起動されても止められません。
ファイル: %1
理由: %2</source>
        <translation>The lock file of the game records cannot be used. Kavelo runs, but cannot stop a second one from starting.
File: %1
Reason: %2</translation>
    </message>
</context>
<context>
    <name>HallDesk</name>
    <message>
        <source>ビンゴ順位(&amp;W)...</source>
        <translation>Bingo &amp;winners...</translation>
    </message>
    <message>
        <source>ビンゴ順位: F7</source>
        <translation>Bingo winners: F7</translation>
    </message>
    <message>
        <source>スマホのシート(&amp;P)...</source>
        <translation>&amp;Phone sheets...</translation>
    </message>
</context>
<context>
    <name>JournalFolder</name>
    <message>
        <source>フォルダーを作れません。</source>
        <translation>The folder cannot be created.</translation>
    </message>
    <message>
        <source>新しい記録の名前が見つかりません。</source>
        <translation>No name is free for a new record.</translation>
    </message>
    <message>
        <source>フォルダーに書く許可がありません。</source>
        <translation>There is no permission to write in the folder.</translation>
    </message>
    <message>
        <source>記録の鍵ファイルを作れません。</source>
        <translation>The record&apos;s lock file cannot be made.</translation>
    </message>
    <message>
        <source>ゲームの記録にしては大きすぎます。</source>
        <translation>It is too large to be a game record.</translation>
    </message>
    <message>
        <source>鍵ファイル %1 を使えません。%2</source>
        <translation>The lock file %1 cannot be used. %2</translation>
    </message>
</context>
<context>
    <name>JournalFormat</name>
    <message>
        <source>%1 番目の記録</source>
        <translation>Record %1</translation>
    </message>
    <message>
        <source>に時刻がありません。</source>
        <translation> has no time.</translation>
    </message>
    <message>
        <source>が、終わったゲームの後にあります。</source>
        <translation> comes after the game ended.</translation>
    </message>
    <message>
        <source>の引いた数が記録と合いません。</source>
        <translation> has a count of numbers drawn that does not match the records.</translation>
    </message>
    <message>
        <source>はまだ終わっていないゲームを終わりとしています。</source>
        <translation> ends a game that has not finished.</translation>
    </message>
    <message>
        <source>の種類「%1」を知りません。</source>
        <translation> is of an unknown kind &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>ゲームの記録ではありません。</source>
        <translation>This is not a game record.</translation>
    </message>
    <message>
        <source>記録の版「%1」は読めません。</source>
        <translation>Record version &quot;%1&quot; cannot be read.</translation>
    </message>
    <message>
        <source>(ゲームの始まり)の値が正しくありません。</source>
        <translation> (the start of the game) has wrong values.</translation>
    </message>
    <message>
        <source>の引く順が正しくありません。</source>
        <translation> has a wrong draw order.</translation>
    </message>
    <message>
        <source>の引く順の長さが数と合いません。</source>
        <translation> has a draw order whose length does not match the top number.</translation>
    </message>
    <message>
        <source>は %1 番目に引いた数字ではありません。</source>
        <translation> is not the number drawn in place %1.</translation>
    </message>
    <message>
        <source>の数字が引く順と合いません。</source>
        <translation> has a number that does not match the draw order.</translation>
    </message>
    <message>
        <source>%1 番目の記録が壊れていて、その後にも記録があります。</source>
        <translation>Record %1 is damaged and more records follow it.</translation>
    </message>
    <message>
        <source>ゲームの始まりの記録がありません。</source>
        <translation>The record of the start of the game is missing.</translation>
    </message>
    <message>
        <source>(スマホのシート)の値が正しくありません。</source>
        <translation> (a phone sheet) has wrong values.</translation>
    </message>
</context>
<context>
    <name>LivePage</name>
    <message>
        <source>ビンゴ</source>
        <translation>Bingo</translation>
    </message>
    <message>
        <source>接続しています…</source>
        <translation>Connecting…</translation>
    </message>
    <message>
        <source>ライブ</source>
        <translation>Live</translation>
    </message>
    <message>
        <source>接続が切れました。つなぎ直しています…</source>
        <translation>Connection lost. Reconnecting…</translation>
    </message>
    <message>
        <source>最新の数字</source>
        <translation>Latest number</translation>
    </message>
    <message>
        <source>Bingo End</source>
        <translation>Bingo End</translation>
    </message>
    <message>
        <source>最近の 5 つ</source>
        <translation>Last five</translation>
    </message>
    <message>
        <source>マイシート</source>
        <translation>My sheet</translation>
    </message>
    <message>
        <source>シートをもらう</source>
        <translation>Get a sheet</translation>
    </message>
    <message>
        <source>紙のシートを持っているときは、コードと番号を入れてください。</source>
        <translation>Holding a printed sheet? Type its set code and number.</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>消す</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>名前 (16 文字まで)</source>
        <translation>Name (up to 16 characters)</translation>
    </message>
    <message>
        <source>名前をつける</source>
        <translation>Save name</translation>
    </message>
    <message>
        <source>フリー</source>
        <translation>free</translation>
    </message>
    <message>
        <source>ゲームの数字（呼ばれた数字は塗りつぶし）</source>
        <translation>All numbers (called ones filled)</translation>
    </message>
    <message>
        <source>リーチ %1 · ビンゴ %2</source>
        <translation>Reach %1 · Bingo %2</translation>
    </message>
    <message>
        <source>シート %1 · %2</source>
        <translation>Sheet %1 · %2</translation>
    </message>
</context>
<context>
    <name>LiveServing</name>
    <message>
        <source>ポート %1 はほかのプログラムが使っていて、その後のポートにも空きがありません。</source>
        <translation>Port %1 is used by another program, and no port after it is free either.</translation>
    </message>
    <message>
        <source>ポート %1 はほかのプログラムが使っています。
空いているポート %2 で公開しますか?</source>
        <translation>Port %1 is used by another program.
Serve on the free port %2 instead?</translation>
    </message>
    <message>
        <source>スマホへの公開を始められませんでした。
%1</source>
        <translation>Serving to the phones could not be started.
%1</translation>
    </message>
    <message>
        <source>%1  –  公開中 %2</source>
        <translation>%1  –  serving %2</translation>
    </message>
    <message>
        <source>会場のスマホに公開</source>
        <translation>Serve to the hall&apos;s phones</translation>
    </message>
    <message>
        <source>この機械はネットワークにつながっていないため、スマホに公開できません。
会場の Wi-Fi につないでから、もう一度選んでください。</source>
        <translation>This computer is not connected to a network, so it cannot serve the phones.
Connect it to the hall&apos;s Wi-Fi, then choose this again.</translation>
    </message>
</context>
<context>
    <name>LiveSheet</name>
    <message>
        <source>コードが長すぎます。</source>
        <translation>The code is too long.</translation>
    </message>
    <message>
        <source>シート番号が長すぎます。</source>
        <translation>The sheet number is too long.</translation>
    </message>
</context>
<context>
    <name>PhoneSheets</name>
    <message>
        <source>名前は %1 文字までです。</source>
        <translation>A name has at most %1 characters.</translation>
    </message>
    <message>
        <source>名前に使えない文字が入っています。</source>
        <translation>The name has characters that cannot be used.</translation>
    </message>
    <message>
        <source>スマホのシートは配っていません。</source>
        <translation>No sheets are handed out to phones.</translation>
    </message>
    <message>
        <source>シートを配る時間は終わりました。</source>
        <translation>Sheets are no longer handed out.</translation>
    </message>
    <message>
        <source>このゲームの数ではシートを作れません (%1 以上が必要です)。</source>
        <translation>No sheets can be made for this game&apos;s top number (it must be at least %1).</translation>
    </message>
    <message>
        <source>シートはすべて配り終わりました。</source>
        <translation>All the sheets have been handed out.</translation>
    </message>
    <message>
        <source>このネットワークの住所には、もうシートを配れません。</source>
        <translation>No more sheets can be handed out to this network address.</translation>
    </message>
</context>
<context>
    <name>PhoneSheetsDialog</name>
    <message>
        <source>(なし)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>このゲームで配ったシート: %1 枚</source>
        <translation>Sheets handed out this game: %1</translation>
    </message>
    <message>
        <source>シートの数には 1 から %1 までの数字を入力してください。
入力された数: 「%2」</source>
        <translation>Enter a number of sheets from 1 to %1.
Number entered: &quot;%2&quot;</translation>
    </message>
    <message>
        <source>スマホのシート</source>
        <translation>Phone sheets</translation>
    </message>
</context>
<context>
    <name>ProcessLimits</name>
    <message>
        <source>同時に開けるファイルの数が %1 に制限されています。少なくとも %2 必要です (ulimit -n)。</source>
        <translation>Open files are limited to %1; at least %2 are needed (ulimit -n).</translation>
    </message>
    <message>
        <source>メモリーが足りないため、終了します。</source>
        <translation>Out of memory; ending.</translation>
    </message>
</context>
<context>
    <name>SetCode</name>
    <message>
        <source>コードに使われない文字「%1」があります（コードは 2～9 と、I, L, O を除く英字でできています）。</source>
        <translation>The code has a character that codes do not use, &quot;%1&quot; (codes are made of 2 to 9 and the letters other than I, L and O).</translation>
    </message>
    <message>
        <source>コードを入力してください。</source>
        <translation>Enter the code.</translation>
    </message>
    <message>
        <source>コードは %1 文字です（入力は %2 文字でした）。</source>
        <translation>A code has %1 characters (%2 were entered).</translation>
    </message>
    <message>
        <source>コードが正しくありません（確認文字が合いません）。</source>
        <translation>The code is not right (its check character does not match).</translation>
    </message>
    <message>
        <source>コードが正しくありません（どのシートの組にも当たりません）。</source>
        <translation>The code is not right (it names no set of sheets).</translation>
    </message>
    <message>
        <source>シート番号 %1 はありません。シート番号は 1 から %2 までです。</source>
        <translation>There is no sheet number %1. Sheet numbers run from 1 to %2.</translation>
    </message>
</context>
<context>
    <name>SheetCheckCommand</name>
    <message>
        <source>--check-sheet にはコードとシート番号が必要です。
</source>
        <translation>--check-sheet needs a code and a sheet number.
</translation>
    </message>
    <message>
        <source>--called には呼んだ数字をコンマで区切って続けてください。
</source>
        <translation>--called must be followed by the numbers called, separated by commas.
</translation>
    </message>
    <message>
        <source>「%1」はここでは使えません。
</source>
        <translation>&quot;%1&quot; cannot be used here.
</translation>
    </message>
    <message>
        <source>--called で呼んだ数字を指定してください。
</source>
        <translation>Give the numbers called with --called.
</translation>
    </message>
    <message>
        <source>シート番号「%1」は数字ではありません。</source>
        <translation>The sheet number &quot;%1&quot; is not a number.</translation>
    </message>
    <message>
        <source>--called の「%1」は 0 から %2 までの数字ではありません。</source>
        <translation>&quot;%1&quot; in --called is not a number from 0 to %2.</translation>
    </message>
    <message>
        <source>--called に %1 が二度あります。</source>
        <translation>%1 is in --called twice.</translation>
    </message>
    <message>
        <source>使い方: kavelo --check-sheet コード シート番号 --called 12,5,33,...</source>
        <translation>Usage: kavelo --check-sheet CODE NUMBER --called 12,5,33,...</translation>
    </message>
    <message>
        <source>まだ数字を引いていません（--called が空です）。シート確認は最初の数字を引いてからできます。</source>
        <translation>No number has been drawn yet (--called is empty). Sheets can be checked after the first draw.</translation>
    </message>
</context>
<context>
    <name>SheetCheckDialog</name>
    <message>
        <source>確認</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>コード</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>シート番号</source>
        <translation>Sheet number</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>コード %1 は数値 %2 までのシートの組です。このゲームは %3 までです。</source>
        <translation>Code %1 is a set of sheets with numbers up to %2. This game goes up to %3.</translation>
    </message>
    <message>
        <source>シート番号を 1 から %1 までの数字で入力してください。</source>
        <translation>Enter a sheet number from 1 to %1.</translation>
    </message>
    <message>
        <source>シート確認</source>
        <translation>Sheet check</translation>
    </message>
</context>
<context>
    <name>SheetVerdict</name>
    <message>
        <source>%1 回目の %2</source>
        <translation>%2 (draw %1)</translation>
    </message>
    <message>
        <source>上から %1 行目</source>
        <translation>row %1 from the top</translation>
    </message>
    <message>
        <source>左から %1 列目</source>
        <translation>column %1 from the left</translation>
    </message>
    <message>
        <source>斜め（左上から右下）</source>
        <translation>diagonal (top left to bottom right)</translation>
    </message>
    <message>
        <source>斜め（右上から左下）</source>
        <translation>diagonal (top right to bottom left)</translation>
    </message>
    <message>
        <source>ビンゴ！ 全部そろいました</source>
        <translation>BINGO! The whole sheet</translation>
    </message>
    <message>
        <source>ビンゴ！ %1 列そろいました</source>
        <translation>BINGO! Lines complete: %1</translation>
    </message>
    <message>
        <source>リーチ（まだそろった列はありません）</source>
        <translation>Reach (no line complete yet)</translation>
    </message>
    <message>
        <source>まだそろった列はありません</source>
        <translation>No line complete yet</translation>
    </message>
    <message>
        <source>そろった列: %1（%2 でそろいました）</source>
        <translation>Line complete: %1 (completed by %2)</translation>
    </message>
    <message>
        <source>全部: 24 個すべて（%1 でそろいました）</source>
        <translation>Whole sheet: all 24 (completed by %1)</translation>
    </message>
    <message>
        <source>リーチ: %1（あと %2）</source>
        <translation>Reach: %1 (waiting for %2)</translation>
    </message>
    <message>
        <source>リーチの列もありません</source>
        <translation>No line is one number short either</translation>
    </message>
    <message>
        <source>そろった列はありません（ゲーム終了）</source>
        <translation>No line complete (game over)</translation>
    </message>
    <message>
        <source>リーチのまま終了: %1（%2 は引かれませんでした）</source>
        <translation>Ended one short: %1 (%2 was not drawn)</translation>
    </message>
</context>
<context>
    <name>WinnersList</name>
    <message>
        <source>(スマホ)</source>
        <translation>(phone)</translation>
    </message>
    <message>
        <source>(紙)</source>
        <translation>(paper)</translation>
    </message>
    <message>
        <source>%1位</source>
        <translation>#%1</translation>
    </message>
    <message>
        <source>順位</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>引いた数</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>セットコード</source>
        <translation>Set code</translation>
    </message>
    <message>
        <source>シート番号</source>
        <translation>Sheet number</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>シート</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Checked</translation>
    </message>
    <message>
        <source>スマホ</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>紙 (要提示)</source>
        <translation>Paper (must be shown)</translation>
    </message>
    <message>
        <source>済</source>
        <translation>Yes</translation>
    </message>
</context>
<context>
    <name>WinnersWindow</name>
    <message>
        <source>順位</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>回</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>シート</source>
        <translation>Sheet</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>種類</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Checked</translation>
    </message>
    <message>
        <source>(隠しています)</source>
        <translation>(hidden)</translation>
    </message>
    <message>
        <source>スマホ</source>
        <translation>Phone</translation>
    </message>
    <message>
        <source>紙 (用紙を見せてもらう)</source>
        <translation>Paper (ask to see it)</translation>
    </message>
    <message>
        <source>済</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>%1
をビンゴ順位から外しますか? 外したシートは戻りません。</source>
        <translation>Remove
%1
from the bingo winners? A sheet removed does not come back.</translation>
    </message>
    <message>
        <source>ビンゴ順位を保存</source>
        <translation>Save the bingo winners</translation>
    </message>
    <message>
        <source>ビンゴ順位</source>
        <translation>Bingo winners</translation>
    </message>
</context>
</TS>
