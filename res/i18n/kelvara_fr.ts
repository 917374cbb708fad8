<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Menu</name>
    <message>
        <source>Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi&amp;gh Scores...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Cheat...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Wo&amp;rd...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Please select your name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to abort the current game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you %1, the game must be restarted.
Abort the current game?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select another player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>select another dictionary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>set the word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete player &apos;%1&apos;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to cheat?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t you think it&apos;s more fun trying to guess it yourself?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK, then... the word is &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1!d! words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try to guess the secret word!
For every guess, you&apos;ll get a number of pins: a black pin for every letter on the correct position, and a white pin for a letter correct but on the wrong position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four black pins means they&apos;re all correct, and that&apos;s the end of the game. Hit the &apos;play&apos; button on the right to start another game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip: if you&apos;re really stuck, try holding the &apos;Shift&apos; key while clicking the &apos;Flag&apos; menu button...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keys: type the four letters and press Enter; Backspace steps back, Space clears a cell, the arrows move between cells. F2 starts a new game, F1 opens this help, the Menu key or Shift+F10 the flag menu (the Menu key with Shift adds Cheat, with Ctrl Set Word), Escape closes a window or ends the game.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to remove all high scores?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You&apos;ve got the Highest Score!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High Score: # %1!d!!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu: dictionaries, language, sound…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop the guess onto the board (Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start a new game (Enter)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games won</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games abandoned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current run of wins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best run of wins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Won games by number of guesses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Games won by number of guesses: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last won game: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No game won yet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 guess</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1!d! guesses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16 or more guesses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guess %1: %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 right, %2 elsewhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dictionary: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop the guess</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You found %1 with guess %2, in %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dictionaries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switches between capitals and small letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
