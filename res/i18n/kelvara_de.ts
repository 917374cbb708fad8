<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Menu</name>
    <message>
        <source>Info...</source>
        <translation>Info...</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Wörterbuch</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programm</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>Hi&amp;gh Scores...</source>
        <translation>Besten&amp;liste...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>St&amp;atistik...</translation>
    </message>
    <message>
        <source>&amp;Cheat...</source>
        <translation>&amp;Schummeln...</translation>
    </message>
    <message>
        <source>Set Wo&amp;rd...</source>
        <translation>Wort &amp;festlegen...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Hilfe...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Hard &amp;Mode</source>
        <translation>Schwerer &amp;Modus</translation>
    </message>
    <message>
        <source>H&amp;int...</source>
        <translation>T&amp;ipp...</translation>
    </message>
    <message>
        <source>Re&amp;view Game...</source>
        <translation>&amp;Rückblick...</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Please select your name:</source>
        <translation>Wähle deinen Namen:</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Gib deinen Namen ein:</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>Wörterbuch</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Auswählen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Entf.</translation>
    </message>
    <message>
        <source>Are you sure you want to abort the current game?</source>
        <translation>Willst du das laufende Spiel wirklich abbrechen?</translation>
    </message>
    <message>
        <source>If you %1, the game must be restarted.
Abort the current game?</source>
        <translation>Wenn du %1, muss das Spiel neu gestartet werden.
Laufendes Spiel abbrechen?</translation>
    </message>
    <message>
        <source>select another player</source>
        <translation>einen anderen Spieler wählst</translation>
    </message>
    <message>
        <source>select another dictionary</source>
        <translation>ein anderes Wörterbuch wählst</translation>
    </message>
    <message>
        <source>set the word</source>
        <translation>das Wort festlegst</translation>
    </message>
    <message>
        <source>Are you sure you want to delete player &apos;%1&apos;?</source>
        <translation>Willst du den Spieler „%1“ wirklich entfernen?</translation>
    </message>
    <message>
        <source>Are you sure you want to cheat?</source>
        <translation>Willst du wirklich schummeln?</translation>
    </message>
    <message>
        <source>Don&apos;t you think it&apos;s more fun trying to guess it yourself?</source>
        <translation>Selbst raten macht doch viel mehr Spaß! Willst du lieber weiterspielen?</translation>
    </message>
    <message>
        <source>OK, then... the word is &apos;%1&apos;</source>
        <translation>Na gut... das Wort ist „%1“</translation>
    </message>
    <message>
        <source>%1!d! words</source>
        <translation>%1!d! Wörter</translation>
    </message>
    <message>
        <source>Try to guess the secret word!
For every guess, you&apos;ll get a number of pins: a black pin for every letter on the correct position, and a white pin for a letter correct but on the wrong position.</source>
        <translation>Errate das geheime Wort!
Für jeden Versuch bekommst du Stifte: einen schwarzen Stift für jeden Buchstaben an der richtigen Stelle und einen weißen Stift für jeden richtigen Buchstaben an der falschen Stelle.</translation>
    </message>
    <message>
        <source>Four black pins means they&apos;re all correct, and that&apos;s the end of the game. Hit the &apos;play&apos; button on the right to start another game.</source>
        <translation>Vier schwarze Stifte bedeuten: Alle Buchstaben stimmen, und das Spiel ist vorbei. Klicke rechts auf den Startknopf, um ein neues Spiel zu beginnen.</translation>
    </message>
    <message>
        <source>Tip: if you&apos;re really stuck, try holding the &apos;Shift&apos; key while clicking the &apos;Flag&apos; menu button...</source>
        <translation>Tipp: Wenn du wirklich nicht weiterkommst, halte die Umschalttaste gedrückt und klicke dabei auf die Flagge, den Menüknopf...</translation>
    </message>
    <message>
        <source>Keys: type the four letters and press Enter; Backspace steps back, Space clears a cell, the arrows move between cells. F2 starts a new game, F1 opens this help, the Menu key or Shift+F10 the flag menu (the Menu key with Shift adds Cheat, with Ctrl Set Word), Escape closes a window or ends the game.</source>
        <translation>Tasten: Tippe die vier Buchstaben und drücke Enter; die Rücktaste geht zurück, die Leertaste leert ein Feld, die Pfeiltasten wechseln das Feld. F2 startet ein neues Spiel, F1 öffnet diese Hilfe, die Menütaste oder Umschalt+F10 das Flaggenmenü (die Menütaste mit Umschalt zeigt auch Schummeln, mit Strg Wort festlegen), Esc schließt ein Fenster oder beendet das Spiel.</translation>
    </message>
    <message>
        <source>Enter word:</source>
        <translation>Wort eingeben:</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>Alle &amp;löschen</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all high scores?</source>
        <translation>Willst du die ganze Bestenliste wirklich löschen?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Lang</source>
        <translation>Spr.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Wort</translation>
    </message>
    <message>
        <source>You&apos;ve got the Highest Score!!</source>
        <translation>Du hast den Spitzenplatz!!</translation>
    </message>
    <message>
        <source>High Score: # %1!d!!</source>
        <translation>Bestenliste: Platz %1!d!!</translation>
    </message>
    <message>
        <source>Menu: dictionaries, language, sound…</source>
        <translation>Menü: Wörterbücher, Sprache, Ton…</translation>
    </message>
    <message>
        <source>Change the player</source>
        <translation>Spieler wechseln</translation>
    </message>
    <message>
        <source>Drop the guess onto the board (Enter)</source>
        <translation>Versuch aufs Spielbrett legen (Enter)</translation>
    </message>
    <message>
        <source>Start a new game (Enter)</source>
        <translation>Neues Spiel beginnen (Enter)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>Games abandoned</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Current run of wins</source>
        <translation>Aktuelle Serie</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Bestzeit</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Mittlere Zeit</translation>
    </message>
    <message>
        <source>Best run of wins</source>
        <translation>Längste Serie</translation>
    </message>
    <message>
        <source>Won games by number of guesses</source>
        <translation>Gewonnene Spiele nach Anzahl der Versuche</translation>
    </message>
    <message>
        <source>Games won by number of guesses: %1.</source>
        <translation>Gewonnene Spiele nach Anzahl der Versuche: %1.</translation>
    </message>
    <message>
        <source>Last won game: %1.</source>
        <translation>Letztes gewonnenes Spiel: %1.</translation>
    </message>
    <message>
        <source>No game won yet.</source>
        <translation>Noch kein Spiel gewonnen.</translation>
    </message>
    <message>
        <source>1 guess</source>
        <translation>1 Versuch</translation>
    </message>
    <message>
        <source>%1!d! guesses</source>
        <translation>%1!d! Versuche</translation>
    </message>
    <message>
        <source>16 or more guesses</source>
        <translation>ab 16 Versuchen</translation>
    </message>
    <message>
        <source>Letter %1</source>
        <translation>Buchstabe %1</translation>
    </message>
    <message>
        <source>Guess %1: %2, %3</source>
        <translation>Versuch %1: %2, %3</translation>
    </message>
    <message>
        <source>%1 right, %2 elsewhere</source>
        <translation>%1 richtig, %2 woanders</translation>
    </message>
    <message>
        <source>Dictionary: %1</source>
        <translation>Wörterbuch: %1</translation>
    </message>
    <message>
        <source>Drop the guess</source>
        <translation>Versuch legen</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>You found %1 with guess %2, in %3.</source>
        <translation>Du hast %1 mit Versuch %2 in %3 gefunden.</translation>
    </message>
    <message>
        <source>Dictionaries</source>
        <translation>Wörterbücher</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Wörter</translation>
    </message>
    <message>
        <source>Switches between capitals and small letters</source>
        <translation>Wechselt zwischen Groß- und Kleinbuchstaben</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>A hint keeps this game out of the high scores and statistics. Take a hint?</source>
        <translation>Mit einem Tipp zählt dieses Spiel weder für die Bestenliste noch für die Statistik. Willst du einen Tipp?</translation>
    </message>
    <message>
        <source>Words still possible: %1!d!</source>
        <translation>Noch mögliche Wörter: %1!d!</translation>
    </message>
    <message>
        <source>One of them: %1</source>
        <translation>Eines davon: %1</translation>
    </message>
    <message>
        <source>Hard mode: %1 contradicts guess %2.</source>
        <translation>Schwerer Modus: %1 widerspricht Versuch %2.</translation>
    </message>
    <message>
        <source>Games won in hard mode</source>
        <translation>Gewonnen im schweren Modus</translation>
    </message>
    <message>
        <source>F3 opens the review of a won game.</source>
        <translation>F3 öffnet den Rückblick auf ein gewonnenes Spiel.</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Rückblick</translation>
    </message>
    <message>
        <source>Words still possible after each guess</source>
        <translation>Noch mögliche Wörter nach jedem Versuch</translation>
    </message>
    <message>
        <source>Words still possible after each guess: %1.</source>
        <translation>Noch mögliche Wörter nach jedem Versuch: %1.</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>Vers.</translation>
    </message>
    <message>
        <source>Pins</source>
        <translation>Stifte</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Nach</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Nötig</translation>
    </message>
    <message>
        <source>The best guess each time: %1. You: %2.</source>
        <translation>Immer der beste Versuch: %1. Du: %2.</translation>
    </message>
    <message>
        <source>The word is not in the dictionary: the best guesses never find it.</source>
        <translation>Das Wort steht nicht im Wörterbuch: Die besten Versuche finden es nie.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
</context>
</TS>
