<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
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
        <translation>0 – Обычная</translation>
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
        <translation>Поздравляем…
…вы заняли %1-е место в таблице рекордов по очкам!
Введите ваше имя: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Scores Table!
Please Enter Your Name: </source>
        <translation>Поздравляем…
…вы заняли %1-е место в таблице рекордов по очкам!
Введите ваше имя: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Combos Table!
Please Enter Your Name: </source>
        <translation>Поздравляем…
…вы заняли %1-е место в таблице рекордов по комбо!
Введите ваше имя: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Combo Table!
Please Enter Your Name: </source>
        <translation>Поздравляем…
…вы заняли %1-е место в таблице рекордов по комбо!
Введите ваше имя: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Chains Table!
Please Enter Your Name: </source>
        <translation>Поздравляем…
…вы заняли %1-е место в таблице рекордов по цепочкам!
Введите ваше имя: </translation>
    </message>
    <message>
        <source>You are worthy...
...and have aquired the Number %1Position on the Highest Chians Table!
Please Enter Your Name: </source>
        <translation>Поздравляем…
…вы заняли %1-е место в таблице рекордов по цепочкам!
Введите ваше имя: </translation>
    </message>
    <message>
        <source>Error: There was an error in loading the HighScore Table, this may be because the file &apos;HighScores&apos; is currupt or missing. This Problem will be fix when you next aquire a HighScore and the File is overwritten</source>
        <translation>Ошибка: не удалось загрузить таблицу рекордов — возможно, файл «HighScores» повреждён или отсутствует. Всё исправится, когда вы установите новый рекорд и файл будет перезаписан.</translation>
    </message>
    <message>
        <source>cannot create the new file</source>
        <translation>не удаётся создать новый файл</translation>
    </message>
    <message>
        <source>cannot write the new file</source>
        <translation>не удаётся записать новый файл</translation>
    </message>
    <message>
        <source>cannot replace the old file</source>
        <translation>не удаётся заменить старый файл</translation>
    </message>
    <message>
        <source>Error: The HighScore Table could not be saved to the file &apos;%1&apos; (%2: %3). The file keeps the tables it held before; the new scores stay in the Records window until the next save.</source>
        <translation>Ошибка: не удалось сохранить таблицу рекордов в файл «%1» (%2: %3). В файле остались прежние таблицы; новые результаты видны в окне «Рекорды» до следующего сохранения.</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::AppModel</name>
    <message>
        <source>Game Over</source>
        <translation>Игра окончена</translation>
    </message>
    <message>
        <source>This is not a valid Sound File!</source>
        <translation>Это не подходящий звуковой файл!</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form1</name>
    <message>
        <source>Quarrix Solo. - 17/2/2004</source>
        <extracomment>The game&apos;s name and the day of its first version, 17 February 2004, as a date is written here.</extracomment>
        <translation>Quarrix Solo. – 17.02.2004</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Sound Option</source>
        <translation>Настройки звука</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Highest Scores</source>
        <translation>Лучший счёт</translation>
    </message>
    <message>
        <source>Highest Combo</source>
        <translation>Лучшие комбо</translation>
    </message>
    <message>
        <source>Highest Chain</source>
        <translation>Лучшие цепочки</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Coming Soon...</source>
        <translation>Скоро…</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Ещё</translation>
    </message>
    <message>
        <source>Highest</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Очки:</translation>
    </message>
    <message>
        <source>Combo:</source>
        <translation>Комбо:</translation>
    </message>
    <message>
        <source>Chain:</source>
        <translation>Цепь:</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Лучшие</translation>
    </message>
    <message>
        <source>Current</source>
        <translation>Текущие</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form2</name>
    <message>
        <source>Highest Scores</source>
        <extracomment>The headers: the blanks put each word over its column of the list below.</extracomment>
        <translation>Лучший счёт</translation>
    </message>
    <message>
        <source>Highest Score</source>
        <translation>Лучший счёт</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Score               Combo             Chain</source>
        <translation>№     Имя (скорость)        Очки                  Комбо                Цепочка</translation>
    </message>
    <message>
        <source>Highest Combos</source>
        <translation>Лучшие комбо</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Combo             Chain                Score</source>
        <translation>№     Имя (скорость)        Комбо                Цепочка            Очки</translation>
    </message>
    <message>
        <source>Highest Chains</source>
        <translation>Лучшие цепочки</translation>
    </message>
    <message>
        <source>Pos Name (Speed)        Chain               Score               Combo</source>
        <translation>№     Имя (скорость)        Цепочка           Очки                  Комбо</translation>
    </message>
    <message>
        <source>Records</source>
        <translation>Рекорды</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::Form3</name>
    <message>
        <source>Sound Option</source>
        <translation>Настройки звука</translation>
    </message>
    <message>
        <source>_ Hide</source>
        <extracomment>Hides the window.</extracomment>
        <translation>Скрыть</translation>
    </message>
    <message>
        <source>Sound Device:</source>
        <translation>Устройство:</translation>
    </message>
    <message>
        <source>Gem Collision:</source>
        <translation>Падение:</translation>
    </message>
    <message>
        <source>Gem Destruction:</source>
        <translation>Взрыв:</translation>
    </message>
    <message>
        <source>BackGround Music:</source>
        <translation>Фоновая музыка:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Обзор…</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Пуск</translation>
    </message>
    <message>
        <source>Disable BGM (click Play to apply)</source>
        <translation>Без музыки (нажмите «Пуск»)</translation>
    </message>
    <message>
        <source>Combo1</source>
        <extracomment>In the device box until there is a device to show.</extracomment>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>Select Sound File...</source>
        <translation>Выбор звукового файла</translation>
    </message>
    <message>
        <source>Wave Sound Files (*.wav)</source>
        <translation>Звуковые файлы Wave (*.wav)</translation>
    </message>
</context>
<context>
    <name>quarrix::ui::TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
</TS>
