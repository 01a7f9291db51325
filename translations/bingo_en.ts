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
</TS>
