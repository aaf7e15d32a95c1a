<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>quarrix::SpeedSetting</name>
    <message>
        <source>-75%</source>
        <translation>-75%</translation>
    </message>
    <message>
        <source>-50%</source>
        <translation>-50%</translation>
    </message>
    <message>
        <source>-25%</source>
        <translation>-25%</translation>
    </message>
    <message>
        <source>0 - Normal</source>
        <translation>0 – 標準</translation>
    </message>
    <message>
        <source>+25%</source>
        <translation>+25%</translation>
    </message>
    <message>
        <source>+50%</source>
        <translation>+50%</translation>
    </message>
    <message>
        <source>+75%</source>
        <translation>+75%</translation>
    </message>
</context>
<context>
    <name>quarrix::records</name>
    <message>
        <source>You are worth...
...and have aquired the Number %1Position on the Highest Scores Table!
Please Enter Your Name: </source>
        <translation>おめでとうございます…
…スコアランキングで%1位に入りました！
お名前を入力してください: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Scores Table!
Please Enter Your Name: </source>
        <translation>おめでとうございます…
…スコアランキングで%1位に入りました！
お名前を入力してください: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Combos Table!
Please Enter Your Name: </source>
        <translation>おめでとうございます…
…コンボランキングで%1位に入りました！
お名前を入力してください: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Combo Table!
Please Enter Your Name: </source>
        <translation>おめでとうございます…
…コンボランキングで%1位に入りました！
お名前を入力してください: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Chains Table!
Please Enter Your Name: </source>
        <translation>おめでとうございます…
…連鎖ランキングで%1位に入りました！
お名前を入力してください: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Chians Table!
Please Enter Your Name: </source>
        <translation>おめでとうございます…
…連鎖ランキングで%1位に入りました！
お名前を入力してください: </translation>
    </message>
    <message>
        <source>Error: There was an error in loading the HighScore Table, this may be because the file &apos;HighScores&apos; is currupt or missing. This Problem will be fix when you next aquire a HighScore and the File is overwritten</source>
        <translation>エラー: ハイスコア表を読み込めませんでした。ファイル「HighScores」が壊れているか、見つかりません。次にハイスコアを出してファイルが書き直されると直ります。</translation>
    </message>
    <message>
        <source>cannot create the new file</source>
        <translation>新しいファイルを作成できません</translation>
    </message>
    <message>
        <source>cannot write the new file</source>
        <translation>新しいファイルに書き込めません</translation>
    </message>
    <message>
        <source>cannot replace the old file</source>
        <translation>古いファイルを置き換えられません</translation>
    </message>
    <message>
        <source>Error: The HighScore Table could not be saved to the file &apos;%1&apos; (%2: %3). The file keeps the tables it held before; the new scores stay in the Records window until the next save.</source>
        <translation>エラー: ハイスコア表をファイル「%1」に保存できませんでした（%2: %3）。ファイルには以前の表が残っています。新しいスコアは次に保存されるまで「記録」ウィンドウに表示されます。</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::AppModel</name>
    <message>
        <source>Game Over</source>
        <translation>ゲームオーバー</translation>
    </message>
    <message>
        <source>This is not a valid Sound File!</source>
        <translation>有効なサウンドファイルではありません！</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form1</name>
    <message>
        <source>Quarrix Solo. - 17/2/2004</source>
        <extracomment>The game&apos;s name and the day of its first version, 17 February 2004, as a date is written here.</extracomment>
        <translation>Quarrix Solo. – 2004/2/17</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>Sound Option</source>
        <translation>サウンド設定</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>記録</translation>
    </message>
    <message>
        <source>Highest Scores</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Highest Combo</source>
        <translation>最大コンボ</translation>
    </message>
    <message>
        <source>Highest Chain</source>
        <translation>最大連鎖</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Coming Soon...</source>
        <translation>準備中…</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>最高記録</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>スコア:</translation>
    </message>
    <message>
        <source>Combo:</source>
        <translation>コンボ:</translation>
    </message>
    <message>
        <source>Chain:</source>
        <translation>連鎖:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>ベスト</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>現在</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form2</name>
    <message>
        <source>Highest Scores</source>
        <extracomment>The headers: the blanks put each word over its column of the list below.</extracomment>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Highest Score</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Score               Combo             Chain</source>
        <translation>順位 名前 (速度)            スコア             コンボ             連鎖</translation>
    </message>
    <message>
        <source>Highest Combos</source>
        <translation>最大コンボ</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Combo             Chain                Score</source>
        <translation>順位 名前 (速度)            コンボ             連鎖                  スコア</translation>
    </message>
    <message>
        <source>Highest Chains</source>
        <translation>最大連鎖</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Chain               Score               Combo</source>
        <translation>順位 名前 (速度)            連鎖                 スコア             コンボ</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>記録</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form3</name>
    <message>
        <source>Sound Option</source>
        <translation>サウンド設定</translation>
    </message>
    <message>
        <source>_ Hide</source>
        <extracomment>Hides the window.</extracomment>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Sound Device:</source>
        <translation>出力先:</translation>
    </message>
    <message>
        <source>Gem Collision:</source>
        <translation>着地音:</translation>
    </message>
    <message>
        <source>Gem Destruction:</source>
        <translation>消去音:</translation>
    </message>
    <message>
        <source>BackGround Music:</source>
        <translation>BGM:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>参照…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Disable BGM (click Play to apply)</source>
        <translation>BGMを止める（再生で適用）</translation>
    </message>
    <message>
        <source>Combo1</source>
        <extracomment>In the device box until there is a device to show.</extracomment>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>Select Sound File...</source>
        <translation>サウンドファイルを選択</translation>
    </message>
    <message>
        <source>Wave Sound Files (*.wav)</source>
        <translation>WAVサウンドファイル (*.wav)</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
</TS>
