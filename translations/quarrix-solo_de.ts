<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>quarrix::SpeedSetting</name>
    <message>
        <source>-75%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-50%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-25%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 - Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+25%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+50%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+75%</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrix::records</name>
    <message>
        <source>You are worth...
...and have aquired the Number %1Position on the Highest Scores Table!
Please Enter Your Name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Scores Table!
Please Enter Your Name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Combos Table!
Please Enter Your Name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Combo Table!
Please Enter Your Name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Chains Table!
Please Enter Your Name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Chians Table!
Please Enter Your Name: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: There was an error in loading the HighScore Table, this may be because the file &apos;HighScores&apos; is currupt or missing. This Problem will be fix when you next aquire a HighScore and the File is overwritten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the new file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the new file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot replace the old file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error: The HighScore Table could not be saved to the file &apos;%1&apos; (%2: %3). The file keeps the tables it held before; the new scores stay in the Records window until the next save.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrix::ui::AppModel</name>
    <message>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a valid Sound File!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form1</name>
    <message>
        <source>Quarrix Solo. - 17/2/2004</source>
        <extracomment>The game&apos;s name and the day of its first version, 17 February 2004, as a date is written here.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest Combo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest Chain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coming Soon...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chain:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form2</name>
    <message>
        <source>Highest Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Score               Combo             Chain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest Combos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Combo             Chain                Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Highest Chains</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Chain               Score               Combo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form3</name>
    <message>
        <source>Sound Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>_ Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Device:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gem Collision:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gem Destruction:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BackGround Music:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable BGM (click Play to apply)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Combo1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Sound File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave Sound Files (*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
