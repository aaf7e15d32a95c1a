<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>0 – Normal</translation>
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
        <translation>¡Enhorabuena…!
…ha conseguido el puesto n.º %1 en la tabla de mejores puntuaciones.
Escriba su nombre: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Scores Table!
Please Enter Your Name: </source>
        <translation>¡Enhorabuena…!
…ha conseguido el puesto n.º %1 en la tabla de mejores puntuaciones.
Escriba su nombre: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Combos Table!
Please Enter Your Name: </source>
        <translation>¡Enhorabuena…!
…ha conseguido el puesto n.º %1 en la tabla de mejores combos.
Escriba su nombre: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Combo Table!
Please Enter Your Name: </source>
        <translation>¡Enhorabuena…!
…ha conseguido el puesto n.º %1 en la tabla de mejores combos.
Escriba su nombre: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Chains Table!
Please Enter Your Name: </source>
        <translation>¡Enhorabuena…!
…ha conseguido el puesto n.º %1 en la tabla de mejores cadenas.
Escriba su nombre: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Chians Table!
Please Enter Your Name: </source>
        <translation>¡Enhorabuena…!
…ha conseguido el puesto n.º %1 en la tabla de mejores cadenas.
Escriba su nombre: </translation>
    </message>
    <message>
        <source>Error: There was an error in loading the HighScore Table, this may be because the file &apos;HighScores&apos; is currupt or missing. This Problem will be fix when you next aquire a HighScore and the File is overwritten</source>
        <translation>Error: no se ha podido cargar la tabla de récords; puede que el archivo «HighScores» esté dañado o no exista. Se arreglará la próxima vez que consiga un récord y el archivo se vuelva a escribir.</translation>
    </message>
    <message>
        <source>cannot create the new file</source>
        <translation>no se puede crear el archivo nuevo</translation>
    </message>
    <message>
        <source>cannot write the new file</source>
        <translation>no se puede escribir el archivo nuevo</translation>
    </message>
    <message>
        <source>cannot replace the old file</source>
        <translation>no se puede reemplazar el archivo anterior</translation>
    </message>
    <message>
        <source>Error: The HighScore Table could not be saved to the file &apos;%1&apos; (%2: %3). The file keeps the tables it held before; the new scores stay in the Records window until the next save.</source>
        <translation>Error: no se ha podido guardar la tabla de récords en el archivo «%1» (%2: %3). El archivo conserva las tablas que tenía; las nuevas puntuaciones siguen en la ventana Récords hasta el próximo guardado.</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::AppModel</name>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>This is not a valid Sound File!</source>
        <translation>¡No es un archivo de sonido válido!</translation>
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
        <translation>Archivo</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Sound Option</source>
        <translation>Opciones de sonido</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Highest Scores</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Highest Combo</source>
        <translation>Mejores combos</translation>
    </message>
    <message>
        <source>Highest Chain</source>
        <translation>Mejores cadenas</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Coming Soon...</source>
        <translation>Próximamente…</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Sig.</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Puntos:</translation>
    </message>
    <message>
        <source>Combo:</source>
        <translation>Combo:</translation>
    </message>
    <message>
        <source>Chain:</source>
        <translation>Cadena:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejores</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Actual</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form2</name>
    <message>
        <source>Highest Scores</source>
        <extracomment>The headers: the blanks put each word over its column of the list below.</extracomment>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Highest Score</source>
        <translation>Mejores puntuaciones</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Score               Combo             Chain</source>
        <translation>N.º   Nombre (vel.)         Puntos             Combo             Cadena</translation>
    </message>
    <message>
        <source>Highest Combos</source>
        <translation>Mejores combos</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Combo             Chain                Score</source>
        <translation>N.º   Nombre (vel.)         Combo             Cadena             Puntos</translation>
    </message>
    <message>
        <source>Highest Chains</source>
        <translation>Mejores cadenas</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Chain               Score               Combo</source>
        <translation>N.º   Nombre (vel.)         Cadena            Puntos             Combo</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Récords</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form3</name>
    <message>
        <source>Sound Option</source>
        <translation>Opciones de sonido</translation>
    </message>
    <message>
        <source>_ Hide</source>
        <extracomment>Hides the window.</extracomment>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>Sound Device:</source>
        <translation>Dispositivo:</translation>
    </message>
    <message>
        <source>Gem Collision:</source>
        <translation>Choque:</translation>
    </message>
    <message>
        <source>Gem Destruction:</source>
        <translation>Explosión:</translation>
    </message>
    <message>
        <source>BackGround Music:</source>
        <translation>Música de fondo:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Oír</translation>
    </message>
    <message>
        <source>Disable BGM (click Play to apply)</source>
        <translation>Sin música (aplicar con Oír)</translation>
    </message>
    <message>
        <source>Combo1</source>
        <extracomment>In the device box until there is a device to show.</extracomment>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Select Sound File...</source>
        <translation>Elegir archivo de sonido</translation>
    </message>
    <message>
        <source>Wave Sound Files (*.wav)</source>
        <translation>Archivos de sonido Wave (*.wav)</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
</TS>
