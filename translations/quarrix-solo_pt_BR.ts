<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>0 – Normal</translation>
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
        <translation>Parabéns…
…você conquistou a %1ª posição na tabela de maiores pontuações!
Digite seu nome: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Scores Table!
Please Enter Your Name: </source>
        <translation>Parabéns…
…você conquistou a %1ª posição na tabela de maiores pontuações!
Digite seu nome: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Combos Table!
Please Enter Your Name: </source>
        <translation>Parabéns…
…você conquistou a %1ª posição na tabela de maiores combos!
Digite seu nome: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Combo Table!
Please Enter Your Name: </source>
        <translation>Parabéns…
…você conquistou a %1ª posição na tabela de maiores combos!
Digite seu nome: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Chains Table!
Please Enter Your Name: </source>
        <translation>Parabéns…
…você conquistou a %1ª posição na tabela de maiores cadeias!
Digite seu nome: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Chians Table!
Please Enter Your Name: </source>
        <translation>Parabéns…
…você conquistou a %1ª posição na tabela de maiores cadeias!
Digite seu nome: </translation>
    </message>
    <message>
        <source>Error: There was an error in loading the HighScore Table, this may be because the file &apos;HighScores&apos; is currupt or missing. This Problem will be fix when you next aquire a HighScore and the File is overwritten</source>
        <translation>Erro: não foi possível carregar a tabela de recordes; talvez o arquivo &quot;HighScores&quot; esteja corrompido ou não exista. Isso será resolvido na próxima vez que você bater um recorde e o arquivo for regravado.</translation>
    </message>
    <message>
        <source>cannot create the new file</source>
        <translation>não é possível criar o novo arquivo</translation>
    </message>
    <message>
        <source>cannot write the new file</source>
        <translation>não é possível gravar o novo arquivo</translation>
    </message>
    <message>
        <source>cannot replace the old file</source>
        <translation>não é possível substituir o arquivo antigo</translation>
    </message>
    <message>
        <source>Error: The HighScore Table could not be saved to the file &apos;%1&apos; (%2: %3). The file keeps the tables it held before; the new scores stay in the Records window until the next save.</source>
        <translation>Erro: não foi possível salvar a tabela de recordes no arquivo &quot;%1&quot; (%2: %3). O arquivo mantém as tabelas que já tinha; as novas pontuações ficam na janela Recordes até o próximo salvamento.</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::AppModel</name>
    <message>
        <source>Game Over</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>This is not a valid Sound File!</source>
        <translation>Este não é um arquivo de som válido!</translation>
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
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Sound Option</source>
        <translation>Opções de som</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Highest Scores</source>
        <translation>Maiores pontuações</translation>
    </message>
    <message>
        <source>Highest Combo</source>
        <translation>Maiores combos</translation>
    </message>
    <message>
        <source>Highest Chain</source>
        <translation>Maiores cadeias</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Coming Soon...</source>
        <translation>Em breve…</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próx</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Pontos:</translation>
    </message>
    <message>
        <source>Combo:</source>
        <translation>Combo:</translation>
    </message>
    <message>
        <source>Chain:</source>
        <translation>Cadeia:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Melhores</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Atual</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form2</name>
    <message>
        <source>Highest Scores</source>
        <extracomment>The headers: the blanks put each word over its column of the list below.</extracomment>
        <translation>Maiores pontuações</translation>
    </message>
    <message>
        <source>Highest Score</source>
        <translation>Maiores pontuações</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Score               Combo             Chain</source>
        <translation>Pos Nome (veloc.)         Pontos             Combo             Cadeia</translation>
    </message>
    <message>
        <source>Highest Combos</source>
        <translation>Maiores combos</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Combo             Chain                Score</source>
        <translation>Pos Nome (veloc.)         Combo             Cadeia              Pontos</translation>
    </message>
    <message>
        <source>Highest Chains</source>
        <translation>Maiores cadeias</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Chain               Score               Combo</source>
        <translation>Pos Nome (veloc.)         Cadeia             Pontos             Combo</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Recordes</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form3</name>
    <message>
        <source>Sound Option</source>
        <translation>Opções de som</translation>
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
        <translation>Colisão:</translation>
    </message>
    <message>
        <source>Gem Destruction:</source>
        <translation>Explosão:</translation>
    </message>
    <message>
        <source>BackGround Music:</source>
        <translation>Música de fundo:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Tocar</translation>
    </message>
    <message>
        <source>Disable BGM (click Play to apply)</source>
        <translation>Sem música (aplicar em Tocar)</translation>
    </message>
    <message>
        <source>Combo1</source>
        <extracomment>In the device box until there is a device to show.</extracomment>
        <translation>(nenhum)</translation>
    </message>
    <message>
        <source>Select Sound File...</source>
        <translation>Selecionar arquivo de som</translation>
    </message>
    <message>
        <source>Wave Sound Files (*.wav)</source>
        <translation>Arquivos de som Wave (*.wav)</translation>
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
        <translation>Fechar</translation>
    </message>
</context>
</TS>
