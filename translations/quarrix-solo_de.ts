<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>quarrix::SpeedSetting</name>
    <message>
        <source>-75%</source>
        <translation>-75 %</translation>
    </message>
    <message>
        <source>-50%</source>
        <translation>-50 %</translation>
    </message>
    <message>
        <source>-25%</source>
        <translation>-25 %</translation>
    </message>
    <message>
        <source>0 - Normal</source>
        <translation>0 – Normal</translation>
    </message>
    <message>
        <source>+25%</source>
        <translation>+25 %</translation>
    </message>
    <message>
        <source>+50%</source>
        <translation>+50 %</translation>
    </message>
    <message>
        <source>+75%</source>
        <translation>+75 %</translation>
    </message>
</context>
<context>
    <name>quarrix::records</name>
    <message>
        <source>You are worth...
...and have aquired the Number %1Position on the Highest Scores Table!
Please Enter Your Name: </source>
        <translation>Glückwunsch …
… Sie haben Platz %1 der Punkte-Bestenliste erreicht!
Bitte geben Sie Ihren Namen ein: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Scores Table!
Please Enter Your Name: </source>
        <translation>Glückwunsch …
… Sie haben Platz %1 der Punkte-Bestenliste erobert!
Bitte geben Sie Ihren Namen ein: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Combos Table!
Please Enter Your Name: </source>
        <translation>Glückwunsch …
… Sie haben Platz %1 der Kombo-Bestenliste erreicht!
Bitte geben Sie Ihren Namen ein: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Combo Table!
Please Enter Your Name: </source>
        <translation>Glückwunsch …
… Sie haben Platz %1 der Kombo-Bestenliste erobert!
Bitte geben Sie Ihren Namen ein: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Chains Table!
Please Enter Your Name: </source>
        <translation>Glückwunsch …
… Sie haben Platz %1 der Ketten-Bestenliste erreicht!
Bitte geben Sie Ihren Namen ein: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Chians Table!
Please Enter Your Name: </source>
        <translation>Glückwunsch …
… Sie haben Platz %1 der Ketten-Bestenliste erobert!
Bitte geben Sie Ihren Namen ein: </translation>
    </message>
    <message>
        <source>Error: There was an error in loading the HighScore Table, this may be because the file &apos;HighScores&apos; is currupt or missing. This Problem will be fix when you next aquire a HighScore and the File is overwritten</source>
        <translation>Fehler: Die Bestenliste konnte nicht geladen werden; vielleicht ist die Datei „HighScores“ beschädigt oder fehlt. Das behebt sich, sobald Sie wieder einen Rekord aufstellen und die Datei neu geschrieben wird.</translation>
    </message>
    <message>
        <source>cannot create the new file</source>
        <translation>die neue Datei lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>cannot write the new file</source>
        <translation>die neue Datei lässt sich nicht schreiben</translation>
    </message>
    <message>
        <source>cannot replace the old file</source>
        <translation>die alte Datei lässt sich nicht ersetzen</translation>
    </message>
    <message>
        <source>Error: The HighScore Table could not be saved to the file &apos;%1&apos; (%2: %3). The file keeps the tables it held before; the new scores stay in the Records window until the next save.</source>
        <translation>Fehler: Die Bestenliste konnte nicht in der Datei „%1“ gespeichert werden (%2: %3). Die Datei behält ihre bisherigen Tabellen; die neuen Ergebnisse bleiben bis zum nächsten Speichern im Fenster „Rekorde“.</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::AppModel</name>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>This is not a valid Sound File!</source>
        <translation>Das ist keine gültige Sounddatei!</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form1</name>
    <message>
        <source>Quarrix Solo. - 17/2/2004</source>
        <extracomment>The game&apos;s name and the day of its first version, 17 February 2004, as a date is written here.</extracomment>
        <translation>Quarrix Solo. – 17.2.2004</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Sound Option</source>
        <translation>Soundoptionen</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>Highest Scores</source>
        <translation>Höchste Punktzahlen</translation>
    </message>
    <message>
        <source>Highest Combo</source>
        <translation>Höchste Kombos</translation>
    </message>
    <message>
        <source>Highest Chain</source>
        <translation>Längste Ketten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Coming Soon...</source>
        <translation>Demnächst …</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Rekorde</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>Combo:</source>
        <translation>Kombo:</translation>
    </message>
    <message>
        <source>Chain:</source>
        <translation>Kette:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Bestwerte</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Aktuell</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form2</name>
    <message>
        <source>Highest Scores</source>
        <extracomment>The headers: the blanks put each word over its column of the list below.</extracomment>
        <translation>Höchste Punktzahlen</translation>
    </message>
    <message>
        <source>Highest Score</source>
        <translation>Höchste Punktzahlen</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Score               Combo             Chain</source>
        <translation>Pl.    Name (Tempo)      Punkte             Kombo             Kette</translation>
    </message>
    <message>
        <source>Highest Combos</source>
        <translation>Höchste Kombos</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Combo             Chain                Score</source>
        <translation>Pl.    Name (Tempo)      Kombo             Kette                 Punkte</translation>
    </message>
    <message>
        <source>Highest Chains</source>
        <translation>Längste Ketten</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Chain               Score               Combo</source>
        <translation>Pl.    Name (Tempo)      Kette                Punkte             Kombo</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Rekorde</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form3</name>
    <message>
        <source>Sound Option</source>
        <translation>Soundoptionen</translation>
    </message>
    <message>
        <source>_ Hide</source>
        <extracomment>Hides the window.</extracomment>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Sound Device:</source>
        <translation>Soundgerät:</translation>
    </message>
    <message>
        <source>Gem Collision:</source>
        <translation>Aufprall:</translation>
    </message>
    <message>
        <source>Gem Destruction:</source>
        <translation>Zerplatzen:</translation>
    </message>
    <message>
        <source>BackGround Music:</source>
        <translation>Hintergrundmusik:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Wählen …</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Hören</translation>
    </message>
    <message>
        <source>Disable BGM (click Play to apply)</source>
        <translation>Musik aus (gilt ab „Hören“)</translation>
    </message>
    <message>
        <source>Combo1</source>
        <extracomment>In the device box until there is a device to show.</extracomment>
        <translation>(kein Gerät)</translation>
    </message>
    <message>
        <source>Select Sound File...</source>
        <translation>Sounddatei auswählen</translation>
    </message>
    <message>
        <source>Wave Sound Files (*.wav)</source>
        <translation>Wave-Sounddateien (*.wav)</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
</TS>
