<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>quarrix::SpeedSetting</name>
    <message>
        <source>-75%</source>
        <translation>-75&#xa0;%</translation>
    </message>
    <message>
        <source>-50%</source>
        <translation>-50&#xa0;%</translation>
    </message>
    <message>
        <source>-25%</source>
        <translation>-25&#xa0;%</translation>
    </message>
    <message>
        <source>0 - Normal</source>
        <translation>0 – Normale</translation>
    </message>
    <message>
        <source>+25%</source>
        <translation>+25&#xa0;%</translation>
    </message>
    <message>
        <source>+50%</source>
        <translation>+50&#xa0;%</translation>
    </message>
    <message>
        <source>+75%</source>
        <translation>+75&#xa0;%</translation>
    </message>
</context>
<context>
    <name>quarrix::records</name>
    <message>
        <source>You are worth...
...and have aquired the Number %1Position on the Highest Scores Table!
Please Enter Your Name: </source>
        <translation>Bravo…
… vous avez décroché la place n° %1 du tableau des meilleurs scores !
Veuillez entrer votre nom : </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Scores Table!
Please Enter Your Name: </source>
        <translation>Bravo…
… vous avez décroché la place n° %1 du tableau des meilleurs scores !
Veuillez entrer votre nom : </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Combos Table!
Please Enter Your Name: </source>
        <translation>Bravo…
… vous avez décroché la place n° %1 du tableau des meilleurs combos !
Veuillez entrer votre nom : </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Combo Table!
Please Enter Your Name: </source>
        <translation>Bravo…
… vous avez décroché la place n° %1 du tableau des meilleurs combos !
Veuillez entrer votre nom : </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Chains Table!
Please Enter Your Name: </source>
        <translation>Bravo…
… vous avez décroché la place n° %1 du tableau des meilleures chaînes !
Veuillez entrer votre nom : </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Chians Table!
Please Enter Your Name: </source>
        <translation>Bravo…
… vous avez décroché la place n° %1 du tableau des meilleures chaînes !
Veuillez entrer votre nom : </translation>
    </message>
    <message>
        <source>Error: There was an error in loading the HighScore Table, this may be because the file &apos;HighScores&apos; is currupt or missing. This Problem will be fix when you next aquire a HighScore and the File is overwritten</source>
        <translation>Erreur : impossible de charger le tableau des records ; le fichier « HighScores » est peut-être corrompu ou absent. Le problème disparaîtra dès que vous établirez un nouveau record et que le fichier sera réécrit.</translation>
    </message>
    <message>
        <source>cannot create the new file</source>
        <translation>impossible de créer le nouveau fichier</translation>
    </message>
    <message>
        <source>cannot write the new file</source>
        <translation>impossible d’écrire le nouveau fichier</translation>
    </message>
    <message>
        <source>cannot replace the old file</source>
        <translation>impossible de remplacer l’ancien fichier</translation>
    </message>
    <message>
        <source>Error: The HighScore Table could not be saved to the file &apos;%1&apos; (%2: %3). The file keeps the tables it held before; the new scores stay in the Records window until the next save.</source>
        <translation>Erreur : le tableau des records n’a pas pu être enregistré dans le fichier « %1 » (%2 : %3). Le fichier garde les tableaux qu’il contenait ; les nouveaux scores restent dans la fenêtre Records jusqu’au prochain enregistrement.</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::AppModel</name>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>This is not a valid Sound File!</source>
        <translation>Ce n’est pas un fichier son valide !</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form1</name>
    <message>
        <source>Quarrix Solo. - 17/2/2004</source>
        <extracomment>The game&apos;s name and the day of its first version, 17 February 2004, as a date is written here.</extracomment>
        <translation>Quarrix Solo. – 17/2/2004</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Sound Option</source>
        <translation>Options du son</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Highest Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Highest Combo</source>
        <translation>Meilleurs combos</translation>
    </message>
    <message>
        <source>Highest Chain</source>
        <translation>Meilleures chaînes</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Coming Soon...</source>
        <translation>Bientôt…</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Puis</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score :</translation>
    </message>
    <message>
        <source>Combo:</source>
        <translation>Combo :</translation>
    </message>
    <message>
        <source>Chain:</source>
        <translation>Chaîne :</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleurs</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>En cours</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form2</name>
    <message>
        <source>Highest Scores</source>
        <extracomment>The headers: the blanks put each word over its column of the list below.</extracomment>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Highest Score</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Score               Combo             Chain</source>
        <translation>N°   Nom (vitesse)         Score               Combo             Chaîne</translation>
    </message>
    <message>
        <source>Highest Combos</source>
        <translation>Meilleurs combos</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Combo             Chain                Score</source>
        <translation>N°   Nom (vitesse)         Combo             Chaîne             Score</translation>
    </message>
    <message>
        <source>Highest Chains</source>
        <translation>Meilleures chaînes</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Chain               Score               Combo</source>
        <translation>N°   Nom (vitesse)         Chaîne            Score               Combo</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Records</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form3</name>
    <message>
        <source>Sound Option</source>
        <translation>Options du son</translation>
    </message>
    <message>
        <source>_ Hide</source>
        <extracomment>Hides the window.</extracomment>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>Sound Device:</source>
        <translation>Sortie son :</translation>
    </message>
    <message>
        <source>Gem Collision:</source>
        <translation>Impact :</translation>
    </message>
    <message>
        <source>Gem Destruction:</source>
        <translation>Explosion :</translation>
    </message>
    <message>
        <source>BackGround Music:</source>
        <translation>Musique de fond :</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Disable BGM (click Play to apply)</source>
        <translation>Sans musique (cliquez sur Lire)</translation>
    </message>
    <message>
        <source>Combo1</source>
        <extracomment>In the device box until there is a device to show.</extracomment>
        <translation>(aucune)</translation>
    </message>
    <message>
        <source>Select Sound File...</source>
        <translation>Choisir un fichier son</translation>
    </message>
    <message>
        <source>Wave Sound Files (*.wav)</source>
        <translation>Fichiers son Wave (*.wav)</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
</TS>
