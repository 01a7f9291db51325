<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
        <source>スタート / ストップ: Space, Enter, Page Down, →
観客用表示を開く / 閉じる: F5
観客用表示の全画面表示: F11 (戻るときは F11 か Esc)
シート確認: F8</source>
        <translation>Start / Stop: Space, Enter, Page Down, →
Open / close the audience screen: F5
Audience screen full screen: F11 (back with F11 or Esc)
Sheet check: F8</translation>
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
    <name>GameJournal</name>
    <message>
        <source>ゲームの記録を書けません。ゲームは記録なしで続けます。
フォルダー: %1
理由: %2</source>
        <translation>The game record cannot be written. The game goes on without a record.
Folder: %1
Reason: %2</translation>
    </message>
</context>
<context>
    <name>GameResume</name>
    <message>
        <source>ゲームの記録にしては大きすぎます。</source>
        <translation>It is too large to be a game record.</translation>
    </message>
    <message>
        <source>前回のゲームは終わっていません。続けますか?

数: %1
引いた数字: %2 個
最後の記録: %3</source>
        <translation>The last game was not finished. Continue it?

Top number: %1
Numbers drawn: %2
Last recorded: %3</translation>
    </message>
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
        <source>前回のゲームの記録を読めません。
%1
%2
%3</source>
        <translation>The record of the last game cannot be read.
%1
%2
%3</translation>
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
        <source>使い方: Kavelo --check-sheet コード シート番号 --called 12,5,33,...</source>
        <translation>Usage: Kavelo --check-sheet CODE NUMBER --called 12,5,33,...</translation>
    </message>
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
</context>
</TS>
