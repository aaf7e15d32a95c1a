<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation>0 – 标准</translation>
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
        <translation>恭喜您…
…您在最高分排行榜中获得第 %1 名！
请输入您的名字：</translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Scores Table!
Please Enter Your Name: </source>
        <translation>恭喜您…
…您在最高分排行榜中获得第 %1 名！
请输入您的名字：</translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Combos Table!
Please Enter Your Name: </source>
        <translation>恭喜您…
…您在最高连击排行榜中获得第 %1 名！
请输入您的名字：</translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Combo Table!
Please Enter Your Name: </source>
        <translation>恭喜您…
…您在最高连击排行榜中获得第 %1 名！
请输入您的名字：</translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Chains Table!
Please Enter Your Name: </source>
        <translation>恭喜您…
…您在最高连锁排行榜中获得第 %1 名！
请输入您的名字：</translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Chians Table!
Please Enter Your Name: </source>
        <translation>恭喜您…
…您在最高连锁排行榜中获得第 %1 名！
请输入您的名字：</translation>
    </message>
    <message>
        <source>Error: There was an error in loading the HighScore Table, this may be because the file &apos;HighScores&apos; is currupt or missing. This Problem will be fix when you next aquire a HighScore and the File is overwritten</source>
        <translation>错误：无法载入高分榜，文件“HighScores”可能已损坏或不存在。下次您创下高分、文件被重新写入后，问题就会解决。</translation>
    </message>
    <message>
        <source>cannot create the new file</source>
        <translation>无法创建新文件</translation>
    </message>
    <message>
        <source>cannot write the new file</source>
        <translation>无法写入新文件</translation>
    </message>
    <message>
        <source>cannot replace the old file</source>
        <translation>无法替换旧文件</translation>
    </message>
    <message>
        <source>Error: The HighScore Table could not be saved to the file &apos;%1&apos; (%2: %3). The file keeps the tables it held before; the new scores stay in the Records window until the next save.</source>
        <translation>错误：高分榜无法保存到文件“%1”（%2：%3）。该文件仍保留原来的记录；新成绩会保留在“排行榜”窗口中，直到下次保存。</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::AppModel</name>
    <message>
        <source>Game Over</source>
        <translation>游戏结束</translation>
    </message>
    <message>
        <source>This is not a valid Sound File!</source>
        <translation>这不是有效的声音文件！</translation>
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
        <translation>文件</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Sound Option</source>
        <translation>声音设置</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>排行榜</translation>
    </message>
    <message>
        <source>Highest Scores</source>
        <translation>最高分</translation>
    </message>
    <message>
        <source>Highest Combo</source>
        <translation>最高连击</translation>
    </message>
    <message>
        <source>Highest Chain</source>
        <translation>最高连锁</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Coming Soon...</source>
        <translation>敬请期待…</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>最高纪录</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>得分：</translation>
    </message>
    <message>
        <source>Combo:</source>
        <translation>连击：</translation>
    </message>
    <message>
        <source>Chain:</source>
        <translation>连锁：</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>本局最佳</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>当前</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form2</name>
    <message>
        <source>Highest Scores</source>
        <extracomment>The headers: the blanks put each word over its column of the list below.</extracomment>
        <translation>最高分</translation>
    </message>
    <message>
        <source>Highest Score</source>
        <translation>最高分</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Score               Combo             Chain</source>
        <translation>名次 名字 (速度)            得分                 连击                 连锁</translation>
    </message>
    <message>
        <source>Highest Combos</source>
        <translation>最高连击</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Combo             Chain                Score</source>
        <translation>名次 名字 (速度)            连击                 连锁                  得分</translation>
    </message>
    <message>
        <source>Highest Chains</source>
        <translation>最高连锁</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Chain               Score               Combo</source>
        <translation>名次 名字 (速度)            连锁                 得分                连击</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>排行榜</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form3</name>
    <message>
        <source>Sound Option</source>
        <translation>声音设置</translation>
    </message>
    <message>
        <source>_ Hide</source>
        <extracomment>Hides the window.</extracomment>
        <translation>隐藏</translation>
    </message>
    <message>
        <source>Sound Device:</source>
        <translation>输出设备：</translation>
    </message>
    <message>
        <source>Gem Collision:</source>
        <translation>落地音效：</translation>
    </message>
    <message>
        <source>Gem Destruction:</source>
        <translation>消除音效：</translation>
    </message>
    <message>
        <source>BackGround Music:</source>
        <translation>背景音乐：</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>浏览…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Disable BGM (click Play to apply)</source>
        <translation>关闭背景音乐（点击播放生效）</translation>
    </message>
    <message>
        <source>Combo1</source>
        <extracomment>In the device box until there is a device to show.</extracomment>
        <translation>（无）</translation>
    </message>
    <message>
        <source>Select Sound File...</source>
        <translation>选择声音文件</translation>
    </message>
    <message>
        <source>Wave Sound Files (*.wav)</source>
        <translation>WAV 声音文件 (*.wav)</translation>
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
        <translation>关闭</translation>
    </message>
</context>
</TS>
