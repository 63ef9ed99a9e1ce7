<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>mizaro::DetailDialog</name>
    <message>
        <source>集計条件</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>最近の</source>
        <translation>Last</translation>
    </message>
    <message>
        <source>局</source>
        <translation>games</translation>
    </message>
    <message>
        <source>配牌時の向聴数</source>
        <translation>Shanten after the deal</translation>
    </message>
    <message>
        <source>終局時の向聴数</source>
        <translation>Shanten at the end</translation>
    </message>
    <message>
        <source>～</source>
        <translation>to</translation>
    </message>
    <message>
        <source>リーチあり</source>
        <translation>With riichi</translation>
    </message>
    <message>
        <source>リーチなし</source>
        <translation>Without riichi</translation>
    </message>
    <message>
        <source>ノーマルモード</source>
        <translation>Normal mode</translation>
    </message>
    <message>
        <source>チンイツモード</source>
        <translation>Chinitsu mode</translation>
    </message>
    <message>
        <source>ホンイツモード</source>
        <translation>Honitsu mode</translation>
    </message>
    <message>
        <source>国士モード</source>
        <translation>Kokushi mode</translation>
    </message>
    <message>
        <source>集計</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>条件クリア</source>
        <translation>Clear yaku</translation>
    </message>
    <message>
        <source>再生できない記録 %1 局を集計から除外しました</source>
        <translation>%1 records that could not be replayed were left out</translation>
    </message>
    <message>
        <source>コピー</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Mizaro  詳細解析ダイアログ(COM)</source>
        <translation>Mizaro  Detailed analysis (computer)</translation>
    </message>
    <message>
        <source>Mizaro  詳細解析ダイアログ</source>
        <translation>Mizaro  Detailed analysis</translation>
    </message>
</context>
<context>
    <name>mizaro::DrillWindow</name>
    <message>
        <source>ドリル</source>
        <translation>Drill</translation>
    </message>
    <message>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>何切る？ページ</source>
        <translation>Discard page</translation>
    </message>
    <message>
        <source>進捗ページ</source>
        <translation>Progress page</translation>
    </message>
    <message>
        <source>捨牌</source>
        <translation>Discards</translation>
    </message>
    <message>
        <source>ドラ</source>
        <translation>Dora</translation>
    </message>
    <message>
        <source>%1巡目&#x3000;何を切る？</source>
        <translation>Turn %1: what do you discard?</translation>
    </message>
    <message>
        <source>準備中…</source>
        <translation>Preparing…</translation>
    </message>
    <message>
        <source>今日の問題はすべて終わりました。
局を打つと、損の大きかった打牌がここに問題として出ます。</source>
        <translation>Today&apos;s problems are all done.
Play games, and the discards that cost you most come back here as problems.</translation>
    </message>
    <message>
        <source>今日の問題はすべて終わりました。</source>
        <translation>Today&apos;s problems are all done.</translation>
    </message>
    <message>
        <source>正解</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>不正解</source>
        <translation>Wrong</translation>
    </message>
    <message>
        <source>損失 %1点</source>
        <translation>Loss %1 pts</translation>
    </message>
    <message>
        <source>損失 —
（向聴数が下がる打牌）</source>
        <translation>Loss —
(the discard lowers the shanten)</translation>
    </message>
    <message>
        <source> 最善</source>
        <translation> best</translation>
    </message>
    <message>
        <source> ←あなた</source>
        <translation> ← yours</translation>
    </message>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>ページを書き込めませんでした。
%1</source>
        <translation>The page could not be written.
%1</translation>
    </message>
    <message>
        <source>打牌</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>期待値</source>
        <translation>Expected value</translation>
    </message>
    <message>
        <source>和了率</source>
        <translation>Win rate</translation>
    </message>
    <message>
        <source>聴牌率</source>
        <translation>Tenpai rate</translation>
    </message>
    <message>
        <source>東</source>
        <translation>East</translation>
    </message>
    <message>
        <source>南</source>
        <translation>South</translation>
    </message>
    <message>
        <source>西</source>
        <translation>West</translation>
    </message>
    <message>
        <source>北</source>
        <translation>North</translation>
    </message>
    <message>
        <source>%1場 %2家（%3）</source>
        <translation>%1 round, %2 seat (%3)</translation>
    </message>
    <message>
        <source>親</source>
        <translation>dealer</translation>
    </message>
    <message>
        <source>子</source>
        <translation>non-dealer</translation>
    </message>
    <message>
        <source>%1%2局</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>ドリルのファイルを保存できませんでした。
%1</source>
        <translation>The drill file could not be saved.
%1</translation>
    </message>
</context>
<context>
    <name>mizaro::MainWindow</name>
    <message>
        <source>エラー</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>ShantenTable.txt が見つかりません。
向聴数と何切るの評価が正しく数えられません。</source>
        <translation>ShantenTable.txt was not found.
Shanten counts and discard ratings cannot be computed correctly.</translation>
    </message>
    <message>
        <source>捨牌</source>
        <translation>Discards</translation>
    </message>
    <message>
        <source>ドラ</source>
        <translation>Dora</translation>
    </message>
    <message>
        <source>アシスト表示</source>
        <translation>Assist</translation>
    </message>
    <message>
        <source>無効</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>統計情報</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>結果表示</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>何切る ?</source>
        <translation>Discard ?</translation>
    </message>
    <message>
        <source>リーチ ?</source>
        <translation>Riichi ?</translation>
    </message>
    <message>
        <source>向聴数</source>
        <translation>Shanten</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>編集</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>統計を保存できなかったため、ユーザを切り替えませんでした。
%1</source>
        <translation>The statistics could not be saved, so the user was not changed.
%1</translation>
    </message>
    <message>
        <source>シミュレーション中は終了できません。先にシミュレーションを止めてください。</source>
        <translation>The program cannot end during a simulation. Stop the simulation first.</translation>
    </message>
    <message>
        <source>ページを書き込めませんでした。
%1</source>
        <translation>The page could not be written.
%1</translation>
    </message>
    <message>
        <source>１</source>
        <translation>1</translation>
    </message>
    <message>
        <source>２</source>
        <translation>2</translation>
    </message>
    <message>
        <source>３</source>
        <translation>3</translation>
    </message>
    <message>
        <source>４</source>
        <translation>4</translation>
    </message>
    <message>
        <source>５</source>
        <translation>5</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>保存	Ctrl + s</source>
        <translation>Save position	Ctrl + s</translation>
    </message>
    <message>
        <source>読込	Ctrl + o</source>
        <translation>Load position	Ctrl + o</translation>
    </message>
    <message>
        <source>データの消去</source>
        <translation>Erase data</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>表示切替</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>局の結果</source>
        <translation>Game results</translation>
    </message>
    <message>
        <source>シミュレーション経過</source>
        <translation>Simulation progress</translation>
    </message>
    <message>
        <source>ツール</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>何切る？	F3</source>
        <translation>What to discard?	F3</translation>
    </message>
    <message>
        <source>何切る？(手変わり)	Ctrl + F3</source>
        <translation>What to discard? (hand changes)	Ctrl + F3</translation>
    </message>
    <message>
        <source>リーチ？	F4</source>
        <translation>Riichi?	F4</translation>
    </message>
    <message>
        <source>詳細解析	F10</source>
        <translation>Detailed analysis	F10</translation>
    </message>
    <message>
        <source>詳細解析(COM)	Ctrl + F10</source>
        <translation>Detailed analysis (computer)	Ctrl + F10</translation>
    </message>
    <message>
        <source>シミュレーション開始</source>
        <translation>Start simulation</translation>
    </message>
    <message>
        <source>局の検討</source>
        <translation>Game review</translation>
    </message>
    <message>
        <source>ドリル	Ctrl + d</source>
        <translation>Drill	Ctrl + d</translation>
    </message>
    <message>
        <source>操作</source>
        <translation>&amp;Play</translation>
    </message>
    <message>
        <source>字牌を捨てる	z</source>
        <translation>Discard an honour	z</translation>
    </message>
    <message>
        <source>ツモ切り	SPACE</source>
        <translation>Discard the drawn tile	SPACE</translation>
    </message>
    <message>
        <source>モード</source>
        <translation>&amp;Mode</translation>
    </message>
    <message>
        <source>ノーマルモード	F5</source>
        <translation>Normal mode	F5</translation>
    </message>
    <message>
        <source>チンイツモード	Ctrl + F5</source>
        <translation>Chinitsu mode	Ctrl + F5</translation>
    </message>
    <message>
        <source>ホンイツモード	Shift + F5</source>
        <translation>Honitsu mode	Shift + F5</translation>
    </message>
    <message>
        <source>国士モード	Ctrl + Shift + F5</source>
        <translation>Kokushi mode	Ctrl + Shift + F5</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>ユーザ設定</source>
        <translation>Users</translation>
    </message>
    <message>
        <source>何切る？結果</source>
        <translation>What to discard? depth</translation>
    </message>
    <message>
        <source>シミュレーション</source>
        <translation>Simulation level</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation>About</translation>
    </message>
    <message>
        <source>作者のHP</source>
        <translation>Author&apos;s home page</translation>
    </message>
    <message>
        <source>オンラインヘルプ	F1</source>
        <translation>Online help	F1</translation>
    </message>
    <message>
        <source>*.qtw (*.qtw)</source>
        <translation>Positions (*.qtw)</translation>
    </message>
    <message>
        <source>局面を保存できませんでした。
%1</source>
        <translation>The position could not be saved.
%1</translation>
    </message>
    <message>
        <source>確認</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>現在のユーザのデータを消去しますか？</source>
        <translation>Erase the current user&apos;s data?</translation>
    </message>
    <message>
        <source>解析中</source>
        <translation>Analysing</translation>
    </message>
    <message>
        <source>牌に数字を表示</source>
        <translation>Numbers on tiles</translation>
    </message>
    <message>
        <source>あなたの成績を標準的な成績と並べたページを開きます</source>
        <translation>Opens a page with your results beside typical results</translation>
    </message>
    <message>
        <source>押してある間、局の終わりに和了・流局の結果を表示します</source>
        <translation>While pressed, the result of each win or draw is shown at the end of the game</translation>
    </message>
    <message>
        <source>打牌ごとの期待値を比べる何切るのページを開きます (F3)</source>
        <translation>Opens the what-to-discard page comparing the expected value of each discard (F3)</translation>
    </message>
    <message>
        <source>リーチした場合としない場合を比べるページを開きます (F4)</source>
        <translation>Opens a page comparing riichi with dama (F4)</translation>
    </message>
    <message>
        <source>押してある間、一般・七対子・国士の向聴数を表示します</source>
        <translation>While pressed, the regular, chiitoi and kokushi shanten are shown</translation>
    </message>
    <message>
        <source>今の局面をファイルに保存します (Ctrl+S)</source>
        <translation>Saves the current position to a file (Ctrl+S)</translation>
    </message>
    <message>
        <source>保存した局面を読み込んで続きから打ちます (Ctrl+O)</source>
        <translation>Loads a saved position and plays on from it (Ctrl+O)</translation>
    </message>
    <message>
        <source>編集モード：クリックで手牌とドラ表示牌を変え、Delete で捨牌を消します</source>
        <translation>Edit mode: clicks change the hand and the dora indicator, Delete clears the discards</translation>
    </message>
    <message>
        <source>ツモ後の向聴数がこの値以下のとき、各牌の上に打牌の評価マークを出します（無効：出さない）</source>
        <translation>At this shanten after the draw or less, a rating mark shows above each tile (Off: never)</translation>
    </message>
    <message>
        <source>ヘルプのページが見つかりません。
help/ja/index.html を、プログラムと同じフォルダか share/mizaro/help/ に置いてください。</source>
        <translation>The help pages were not found.
Put help/ja/index.html in the program&apos;s folder or in share/mizaro/help/.</translation>
    </message>
    <message>
        <source>手牌を文字でコピー	Ctrl + t</source>
        <translation>Copy hand as text	Ctrl + t</translation>
    </message>
    <message>
        <source>手牌を文字から読込	Ctrl + v</source>
        <translation>Read hand from text	Ctrl + v</translation>
    </message>
    <message>
        <source>手牌を文字から読込</source>
        <translation>Read hand from text</translation>
    </message>
    <message>
        <source>手牌13枚か14枚（最後の1枚がツモ）とドラ表示牌：
例 123m456p789s1122z dora=5p（123M 406p のような書き方も可、0は赤五）</source>
        <translation>A hand of 13 or 14 tiles (the last one is the draw) and the dora indicator:
e.g. 123m456p789s1122z dora=5p (123M 406p is fine too; 0 is a red five)</translation>
    </message>
    <message>
        <source>手牌の文字を読めませんでした：%1</source>
        <translation>The hand could not be read: %1</translation>
    </message>
    <message>
        <source>検討できる局がありません。</source>
        <translation>There is no game to review.</translation>
    </message>
    <message>
        <source>Review.htm を書き込めませんでした。
%1</source>
        <translation>Review.htm could not be written.
%1</translation>
    </message>
    <message>
        <source>統計</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>統計ファイルが見つからないため、ログから成績を復元しました。%1</source>
        <translation>The statistics file was missing, so the results were restored from the log.%1</translation>
    </message>
    <message>
        <source>次のファイルを読み込めませんでした。内容を守るため、このファイルには保存しません。%1</source>
        <translation>These files could not be read. To keep what they hold, nothing will be saved into them.%1</translation>
    </message>
    <message>
        <source>設定または統計を保存できませんでした。
%1

保存せずに終了すると、起動してからの成績は失われます。</source>
        <translation>The settings or statistics could not be saved.
%1

Ending without saving loses the results since the start.</translation>
    </message>
    <message>
        <source>再試行</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>保存せずに終了</source>
        <translation>End without saving</translation>
    </message>
    <message>
        <source>終了しない</source>
        <translation>Do not end</translation>
    </message>
    <message>
        <source>えらーです</source>
        <translation>The statistics page could not be written.</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <comment>message box title</comment>
        <translation>Help</translation>
    </message>
    <message>
        <source>牌譜を読み込む</source>
        <translation>Import game log…</translation>
    </message>
    <message>
        <source>クリップボードに牌譜らしい文字があります。どちらから読み込みますか？</source>
        <translation>The clipboard holds what looks like a game log. Read it from the clipboard or choose a file?</translation>
    </message>
    <message>
        <source>クリップボード</source>
        <translation>Clipboard</translation>
    </message>
    <message>
        <source>ファイルを選ぶ</source>
        <translation>Choose a file</translation>
    </message>
    <message>
        <source>牌譜 (*.json *.mjlog *.xml *.gz)</source>
        <translation>Game logs (*.json *.mjlog *.xml *.gz)</translation>
    </message>
    <message>
        <source>すべてのファイル (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>牌譜を読めませんでした。
%1</source>
        <translation>The game log could not be read.
%1</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>表示の設定を保存できませんでした。
%1</source>
        <translation>The display settings could not be saved.
%1</translation>
    </message>
</context>
<context>
    <name>mizaro::PlayerDialog</name>
    <message>
        <source>検討するプレイヤー</source>
        <translation>Player to review</translation>
    </message>
    <message>
        <source>（名前なし）</source>
        <translation>(no name)</translation>
    </message>
    <message>
        <source>席 %1：%2</source>
        <translation>Seat %1: %2</translation>
    </message>
</context>
<context>
    <name>mizaro::ProgressDialog</name>
    <message>
        <source>中止</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>mizaro::ReviewDialog</name>
    <message>
        <source>局の検討</source>
        <translation>Game review</translation>
    </message>
    <message>
        <source>対局中の局</source>
        <translation>The game in progress</translation>
    </message>
    <message>
        <source>記録した局</source>
        <translation>A recorded game</translation>
    </message>
    <message>
        <source>局前（1 が最新）</source>
        <translation>games ago (1 is the latest)</translation>
    </message>
</context>
<context>
    <name>mizaro::SearchRunner</name>
    <message>
        <source>計算中</source>
        <translation>Computing</translation>
    </message>
</context>
<context>
    <name>mizaro::UserDialog</name>
    <message>
        <source>ユーザの設定</source>
        <translation>Users</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>削除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>ユーザの追加</source>
        <translation>Add user</translation>
    </message>
    <message>
        <source>ユーザ名：</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>この名前はユーザ名に使えません。</source>
        <translation>This name cannot be a user name.</translation>
    </message>
    <message>
        <source>この名前のユーザは既にいます。</source>
        <translation>A user of this name exists already.</translation>
    </message>
    <message>
        <source>ユーザの削除</source>
        <translation>Delete user</translation>
    </message>
    <message>
        <source>このユーザに関するデータが失われます。<byte value="xd"/>
削除してもいいですか？</source>
        <translation>This user&apos;s data will be lost.<byte value="xd"/>
Delete the user?</translation>
    </message>
</context>
<context>
    <name>mizaro::WinBox</name>
    <message>
        <source>和了牌</source>
        <translation>Winning tile</translation>
    </message>
    <message>
        <source>裏ドラ表示牌</source>
        <translation>Ura-dora indicator</translation>
    </message>
</context>
</TS>
