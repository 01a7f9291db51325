<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>CBINGOApp</name>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>すべてのﾌｧｲﾙ (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>%1 を開けません。
%2</source>
        <translation>%1 cannot be opened.
%2</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>%1 に保存できません。
%2</source>
        <translation>Cannot save to %1.
%2</translation>
    </message>
</context>
<context>
    <name>CBINGODoc</name>
    <message>
        <source>無題</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>このﾌｧｲﾙには内容があります。保存すると内容が失われるため、保存しませんでした。</source>
        <translation>This file has content. Saving would lose it, so it was not saved.</translation>
    </message>
</context>
<context>
    <name>CBINGOView</name>
    <message>
        <source>印刷できませんでした。ﾌﾟﾘﾝﾀに接続できません。</source>
        <translation>Could not print. The printer cannot be reached.</translation>
    </message>
    <message>
        <source>印刷できませんでした。ﾌﾟﾘﾝﾀ &quot;%1&quot; に接続できません。</source>
        <translation>Could not print. The printer &quot;%1&quot; cannot be reached.</translation>
    </message>
    <message>
        <source>印刷できませんでした。ﾌｧｲﾙ &quot;%1&quot; に書き込めません。</source>
        <translation>Could not print. The file &quot;%1&quot; cannot be written.</translation>
    </message>
    <message>
        <source>印刷できませんでした。ﾌﾟﾘﾝﾀが設定されていません。</source>
        <translation>Could not print. No printer is set up.</translation>
    </message>
    <message>
        <source>印刷できませんでした。ﾌﾟﾘﾝﾀ &quot;%1&quot; を確認してください。</source>
        <translation>Could not print. Please check the printer &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>ｼｰﾄ %1 枚分のﾒﾓﾘを確保できません。</source>
        <translation>There is not enough memory for %1 sheets.</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>ｼｰﾄの組のｺｰﾄﾞ (ｼｰﾄ確認に使います)</source>
        <translation>Code of the set of sheets (for the sheet check)</translation>
    </message>
    <message>
        <source>ｺｰﾄﾞ %1</source>
        <translation>Code %1</translation>
    </message>
</context>
<context>
    <name>CSheetSetupDlg</name>
    <message>
        <source>枚数は %1 から %2 までの整数で入力してください。</source>
        <translation>Enter a whole number from %1 to %2 as the number of sheets.</translation>
    </message>
    <message>
        <source>数値は %1 から %2 までの数で入力してください。</source>
        <translation>Enter a number from %1 to %2 as the top number.</translation>
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
        <source>BINGO ｼｰﾄ印刷ﾌﾟﾛｸﾞﾗﾑ</source>
        <translation>BINGO sheet printing program</translation>
    </message>
    <message>
        <source>BINGOのﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>About BINGO</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>枚</source>
        <translation>pc</translation>
    </message>
    <message>
        <source>Ｓheet</source>
        <translation>Sheets</translation>
    </message>
    <message>
        <source>数値</source>
        <translation>Top number</translation>
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
        <source>色</source>
        <translation>Colour</translation>
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
    <name>PdfExport</name>
    <message>
        <source>「%1」に書き込めません。%2</source>
        <translation>Cannot write to &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>「%1」のページを描けません。</source>
        <translation>The pages of &quot;%1&quot; cannot be drawn.</translation>
    </message>
    <message>
        <source>%1 枚のシートを作るにはメモリーが足りません。</source>
        <translation>There is not enough memory to make %1 sheets.</translation>
    </message>
</context>
<context>
    <name>PrinterSetupDialog</name>
    <message>
        <source>ﾌﾟﾘﾝﾀ</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>名前(&amp;N):</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>説明:</source>
        <translation>Comment:</translation>
    </message>
    <message>
        <source>用紙</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>ｻｲｽﾞ(&amp;Z):</source>
        <translation>Si&amp;ze:</translation>
    </message>
    <message>
        <source>縦(&amp;O)</source>
        <translation>P&amp;ortrait</translation>
    </message>
    <message>
        <source>横(&amp;A)</source>
        <translation>L&amp;andscape</translation>
    </message>
    <message>
        <source>印刷の向き</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>ｷｬﾝｾﾙ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀの設定</source>
        <translation>Print Setup</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀが見つかりません</source>
        <translation>No printer found</translation>
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
    <name>SheetCheckDialog</name>
    <message>
        <source>コード %1 は数値 %2 までのシートの組です。このゲームは %3 までです。</source>
        <translation>Code %1 is a set of sheets with numbers up to %2. This game goes up to %3.</translation>
    </message>
    <message>
        <source>シート番号を 1 から %1 までの数字で入力してください。</source>
        <translation>Enter a sheet number from 1 to %1.</translation>
    </message>
</context>
<context>
    <name>SheetCommandLine</name>
    <message>
        <source>ビンゴのシートを作り、表示し、印刷します。

語 (色、用紙の大きさ) は大文字でも小文字でも書けます。</source>
        <translation>Makes, shows and prints bingo sheets.

Words (colours, paper sizes) may be written in any case. </translation>
    </message>
    <message>
        <source>シートの枚数 (0 から 100000)。</source>
        <translation>Number of sheets, 0 to 100000.</translation>
    </message>
    <message>
        <source>シートの数値 (24 から 100)。</source>
        <translation>Top number of the sheets, 24 to 100.</translation>
    </message>
    <message>
        <source>数字の色: blue (青)、red (赤)、green (緑)。</source>
        <translation>Colour of the numbers: blue, red or green.</translation>
    </message>
    <message>
        <source>現在の時刻の代わりに使う乱数の種 (0 から 4294967295)。同じ種からは同じシートができます。</source>
        <translation>Seed of the generator instead of the current time, 0 to 4294967295; the same seed makes the same sheets.</translation>
    </message>
    <message>
        <source>PDF ファイルの用紙: A4 か Letter。</source>
        <translation>Paper of the PDF file: A4 or Letter.</translation>
    </message>
    <message>
        <source>画面を開かずに、シートをこの PDF ファイルに書き出します。--sheets、--top、--color が必要です。</source>
        <translation>Write the sheets to this PDF file without opening a window; needs --sheets, --top and --color.</translation>
    </message>
    <message>
        <source>印刷ダイアログを出さずに、シートを既定のプリンターで印刷して終了します。</source>
        <translation>Print the sheets to the default printer without the print dialog, then end.</translation>
    </message>
    <message>
        <source>シート確認のために、各シートにシート番号と組のコードを印刷します。</source>
        <translation>Print on each sheet its number and the code of the set, for the sheet check.</translation>
    </message>
    <message>
        <source>--seed と --top から決まる組のコードを表示して終了します。</source>
        <translation>Print the code of the set that --seed and --top make, then end.</translation>
    </message>
    <message>
        <source>シートを作った後に開く文書。</source>
        <translation>Document to open once the sheets are made.</translation>
    </message>
    <message>
        <source>--color には blue、red、green のどれかを指定してください (指定は「%1」)</source>
        <translation>--color needs blue, red or green, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--page-size には A4 か Letter を指定してください (指定は「%1」)</source>
        <translation>--page-size needs A4 or Letter, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--set-code は --%1 と一緒には使えません</source>
        <translation>--set-code cannot be used with --%1</translation>
    </message>
    <message>
        <source>--set-code は文書を開きませんが、「%1」が指定されました</source>
        <translation>--set-code opens no document, but &quot;%1&quot; was given</translation>
    </message>
    <message>
        <source>--set-code には --seed が必要です</source>
        <translation>--set-code needs --seed</translation>
    </message>
    <message>
        <source>--set-code には --top が必要です</source>
        <translation>--set-code needs --top</translation>
    </message>
    <message>
        <source>開けるファイルは一つだけですが、%1 個指定されました</source>
        <translation>only one file can be opened, got %1</translation>
    </message>
    <message>
        <source>--%1 は --pdf か --set-code と一緒にだけ使います</source>
        <translation>--%1 is only used with --pdf or --set-code</translation>
    </message>
    <message>
        <source>--%1 は --pdf と一緒にだけ使います</source>
        <translation>--%1 is only used with --pdf</translation>
    </message>
    <message>
        <source>--print と --pdf は一緒には使えません</source>
        <translation>--print and --pdf cannot be used together</translation>
    </message>
    <message>
        <source>--pdf は文書を開きませんが、「%1」が指定されました</source>
        <translation>--pdf opens no document, but &quot;%1&quot; was given</translation>
    </message>
    <message>
        <source>--pdf にはファイル名が必要です</source>
        <translation>--pdf needs a file name</translation>
    </message>
    <message>
        <source>--pdf には --%1 が必要です</source>
        <translation>--pdf needs --%1</translation>
    </message>
    <message>
        <source>「%1」は正しい UTF-8 ではありません。ファイル名などの引数は UTF-8 で書いてください</source>
        <translation>&quot;%1&quot; is not valid UTF-8; file names and other arguments must be UTF-8 text</translation>
    </message>
</context>
<context>
    <name>SheetResources</name>
    <message>
        <source>ﾌｧｲﾙ(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新規作成(&amp;N)	Ctrl+N</source>
        <translation>&amp;New	Ctrl+N</translation>
    </message>
    <message>
        <source>開く(&amp;O)...	Ctrl+O</source>
        <translation>&amp;Open...	Ctrl+O</translation>
    </message>
    <message>
        <source>上書き保存(&amp;S)	Ctrl+S</source>
        <translation>&amp;Save	Ctrl+S</translation>
    </message>
    <message>
        <source>名前を付けて保存(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>印刷(&amp;P)...	Ctrl+P</source>
        <translation>&amp;Print...	Ctrl+P</translation>
    </message>
    <message>
        <source>印刷ﾌﾟﾚﾋﾞｭｰ(&amp;V)</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀの設定(&amp;R)...</source>
        <translation>P&amp;rint Setup...</translation>
    </message>
    <message>
        <source>最近使ったﾌｧｲﾙ</source>
        <translation>Recent File</translation>
    </message>
    <message>
        <source>ｱﾌﾟﾘｹｰｼｮﾝの終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>元に戻す(&amp;U)	Ctrl+Z</source>
        <translation>&amp;Undo	Ctrl+Z</translation>
    </message>
    <message>
        <source>切り取り(&amp;T)	Ctrl+X</source>
        <translation>Cu&amp;t	Ctrl+X</translation>
    </message>
    <message>
        <source>ｺﾋﾟｰ(&amp;C)	Ctrl+C</source>
        <translation>&amp;Copy	Ctrl+C</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)	Ctrl+V</source>
        <translation>&amp;Paste	Ctrl+V</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>ﾂｰﾙ ﾊﾞｰ(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ ﾊﾞｰ(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>ｼｰﾄ番号とｺｰﾄﾞ(&amp;N)</source>
        <translation>Sheet &amp;Number and Code</translation>
    </message>
    <message>
        <source>ﾍﾙﾌﾟ(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>BINGO のﾊﾞｰｼﾞｮﾝ情報(&amp;A)...</source>
        <translation>&amp;About BINGO...</translation>
    </message>
    <message>
        <source>各ｼｰﾄにｼｰﾄ番号と組のｺｰﾄﾞを入れる
ｼｰﾄ番号とｺｰﾄﾞ</source>
        <translation>Put its number and the code of the set on each sheet
Sheet Number and Code</translation>
    </message>
    <message>
        <source>ﾚﾃﾞｨ</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>新規にﾌｧｲﾙを作成
新規ﾌｧｲﾙ</source>
        <translation>Create a new document
New</translation>
    </message>
    <message>
        <source>既存のﾌｧｲﾙを開く
開く</source>
        <translation>Open an existing document
Open</translation>
    </message>
    <message>
        <source>作業中のﾌｧｲﾙを閉じる
閉じる</source>
        <translation>Close the active document
Close</translation>
    </message>
    <message>
        <source>作業中のﾌｧｲﾙを上書きして保存
保存</source>
        <translation>Save the active document
Save</translation>
    </message>
    <message>
        <source>作業中のﾌｧｲﾙを新しい名前で保存
名前をつけて保存</source>
        <translation>Save the active document with a new name
Save As</translation>
    </message>
    <message>
        <source>印刷ｵﾌﾟｼｮﾝの変更
ﾍﾟｰｼﾞ ﾚｲｱｳﾄの設定</source>
        <translation>Change the printing options
Page Setup</translation>
    </message>
    <message>
        <source>ﾌﾟﾘﾝﾀ/印刷ｵﾌﾟｼｮﾝの変更
印刷設定</source>
        <translation>Change the printer and printing options
Print Setup</translation>
    </message>
    <message>
        <source>作業中のﾌｧｲﾙを印刷
印刷</source>
        <translation>Print the active document
Print</translation>
    </message>
    <message>
        <source>印刷ｲﾒｰｼﾞを表示
印刷ﾌﾟﾚﾋﾞｭｰ</source>
        <translation>Display full pages
Print Preview</translation>
    </message>
    <message>
        <source>指定のﾌｧｲﾙを開く</source>
        <translation>Open this document</translation>
    </message>
    <message>
        <source>選択範囲を消去
消去</source>
        <translation>Erase the selection
Erase</translation>
    </message>
    <message>
        <source>すべて消去
すべて消去</source>
        <translation>Erase everything
Erase All</translation>
    </message>
    <message>
        <source>選択範囲をｺﾋﾟｰしてｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存
ｺﾋﾟｰ</source>
        <translation>Copy the selection and put it on the Clipboard
Copy</translation>
    </message>
    <message>
        <source>選択範囲を切り取ってｸﾘｯﾌﾟﾎﾞｰﾄﾞに保存
切り取り</source>
        <translation>Cut the selection and put it on the Clipboard
Cut</translation>
    </message>
    <message>
        <source>ｸﾘｯﾌﾟﾎﾞｰﾄﾞの内容を貼り付け
貼り付け</source>
        <translation>Insert Clipboard contents
Paste</translation>
    </message>
    <message>
        <source>直前に行った動作を繰り返す
繰り返し</source>
        <translation>Repeat the last action
Repeat</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ内のすべてを選択
すべて選択</source>
        <translation>Select the entire document
Select All</translation>
    </message>
    <message>
        <source>直前に行った動作を元に戻す
元に戻す</source>
        <translation>Undo the last action
Undo</translation>
    </message>
    <message>
        <source>直前に行った動作を繰り返す
繰り返す</source>
        <translation>Redo the previously undone action
Redo</translation>
    </message>
    <message>
        <source>ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示
ﾊﾞｰｼﾞｮﾝ情報</source>
        <translation>Display program information, version number and copyright
About</translation>
    </message>
    <message>
        <source>ｱﾌﾟﾘｹｰｼｮﾝを終了し、ﾌｧｲﾙの保存を指示
終了</source>
        <translation>Quit the application; prompts to save documents
Exit</translation>
    </message>
    <message>
        <source>次のｳｨﾝﾄﾞｳに切り替える
次のﾍﾟｲﾝ</source>
        <translation>Switch to the next window pane
Next Pane</translation>
    </message>
    <message>
        <source>前のｳｨﾝﾄﾞｳに切り替える
前のﾍﾟｲﾝ</source>
        <translation>Switch back to the previous window pane
Previous Pane</translation>
    </message>
    <message>
        <source>上書</source>
        <translation>OVR</translation>
    </message>
    <message>
        <source>記録</source>
        <translation>REC</translation>
    </message>
    <message>
        <source>ｶﾅ</source>
        <translation>KANA</translation>
    </message>
    <message>
        <source>ﾂｰﾙ ﾊﾞｰの 表示/非表示
ﾂｰﾙ ﾊﾞｰの表示切り替え</source>
        <translation>Show or hide the toolbar
Toggle Toolbar</translation>
    </message>
    <message>
        <source>ｽﾃｰﾀｽ ﾊﾞｰの 表示/非表示
ｽﾃｰﾀｽ ﾊﾞｰの表示切り替え</source>
        <translation>Show or hide the status bar
Toggle Status Bar</translation>
    </message>
</context>
<context>
    <name>SheetSettingsFile</name>
    <message>
        <source>%1 は通常のファイルではないため、設定の読み込みにも保存にも使いません。設定はこの実行の間だけ保たれます。</source>
        <translation>%1 is not a regular file, so the settings are neither read from it nor saved to it. They are kept only while the program runs.</translation>
    </message>
    <message>
        <source>%1 は 1 MB を超えていて設定ファイルとしては大きすぎるため、設定の読み込みにも保存にも使いません。設定はこの実行の間だけ保たれます。</source>
        <translation>%1 is larger than 1 MB, too large for a settings file, so the settings are neither read from it nor saved to it. They are kept only while the program runs.</translation>
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
</TS>
