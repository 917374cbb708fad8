<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>Menu</name>
    <message>
        <source>Info...</source>
        <translation>Info...</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Woordenboek</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programma</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Geluid</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>Hi&amp;gh Scores...</source>
        <translation>Hoogste s&amp;cores...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistieken...</translation>
    </message>
    <message>
        <source>&amp;Cheat...</source>
        <translation>&amp;Spieken...</translation>
    </message>
    <message>
        <source>Set Wo&amp;rd...</source>
        <translation>Woo&amp;rd instellen...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Help...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Over...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>Hard &amp;Mode</source>
        <translation>&amp;Moeilijke modus</translation>
    </message>
    <message>
        <source>H&amp;int...</source>
        <translation>T&amp;ip...</translation>
    </message>
    <message>
        <source>Re&amp;view Game...</source>
        <translation>Terug&amp;blik...</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Please select your name:</source>
        <translation>Kies je naam uit de lijst:</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Vul je naam in:</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>Woordenboek</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Selecteren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nee</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>Are you sure you want to abort the current game?</source>
        <translation>Wil je het spel afbreken?</translation>
    </message>
    <message>
        <source>If you %1, the game must be restarted.
Abort the current game?</source>
        <translation>Wanneer je een %1, moet het spel opnieuw worden gestart.
Het spel afbreken?</translation>
    </message>
    <message>
        <source>select another player</source>
        <translation>andere speler kiest</translation>
    </message>
    <message>
        <source>select another dictionary</source>
        <translation>ander woordenboek kiest</translation>
    </message>
    <message>
        <source>set the word</source>
        <translation>ander woord instelt</translation>
    </message>
    <message>
        <source>Are you sure you want to delete player &apos;%1&apos;?</source>
        <translation>Wil je werkelijk speler &apos;%1&apos; verwijderen?</translation>
    </message>
    <message>
        <source>Are you sure you want to cheat?</source>
        <translation>Ben je zeker dat je wil spieken?</translation>
    </message>
    <message>
        <source>Don&apos;t you think it&apos;s more fun trying to guess it yourself?</source>
        <translation>Denk je niet dat het leuker is het woord zelf te raden?</translation>
    </message>
    <message>
        <source>OK, then... the word is &apos;%1&apos;</source>
        <translation>OK dan... het woord is &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1!d! words</source>
        <translation>%1!d! woorden</translation>
    </message>
    <message>
        <source>Try to guess the secret word!
For every guess, you&apos;ll get a number of pins: a black pin for every letter on the correct position, and a white pin for a letter correct but on the wrong position.</source>
        <translation>Probeer het verborgen woord te raden!
Voor elke poging krijg je een aantal pinnetjes: een zwart voor elke correcte letter, en een wit voor elke juiste letter die niet op de juiste plaats staat.</translation>
    </message>
    <message>
        <source>Four black pins means they&apos;re all correct, and that&apos;s the end of the game. Hit the &apos;play&apos; button on the right to start another game.</source>
        <translation>Wanneer je het woord geraden hebt, krijg je vier zwarte pinnetjes, en dat is het einde van het spel. Klik de knop aan de rechterkant om een nieuw spel te beginnen.</translation>
    </message>
    <message>
        <source>Tip: if you&apos;re really stuck, try holding the &apos;Shift&apos; key while clicking the &apos;Flag&apos; menu button...</source>
        <translation>Tip: wanneer het echt niet lukt het woord te raden, probeer eens de &apos;Shift&apos; toets in te drukken terwijl je op het vlaggetje klikt...</translation>
    </message>
    <message>
        <source>Keys: type the four letters and press Enter; Backspace steps back, Space clears a cell, the arrows move between cells. F2 starts a new game, F1 opens this help, the Menu key or Shift+F10 the flag menu (the Menu key with Shift adds Cheat, with Ctrl Set Word), Escape closes a window or ends the game.</source>
        <translation>Toetsen: typ de vier letters en druk op Enter; Backspace gaat terug, de spatiebalk maakt een vakje leeg, de pijltjes gaan van vakje naar vakje. F2 begint een nieuw spel, F1 opent deze help, de menutoets of Shift+F10 het vlaggetjesmenu (de menutoets met Shift erbij geeft Spieken, met Ctrl Woord instellen), Escape sluit een venster of beëindigt het spel.</translation>
    </message>
    <message>
        <source>Enter word:</source>
        <translation>Vul woord in:</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Hoogste scores</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>Alles &amp;wissen</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all high scores?</source>
        <translation>Wil je werkelijk alle scores wissen?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Lang</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Woord</translation>
    </message>
    <message>
        <source>You&apos;ve got the Highest Score!!</source>
        <translation>Je hebt de hoogste score!!</translation>
    </message>
    <message>
        <source>High Score: # %1!d!!</source>
        <translation>Hoge score: %1!d!e plaats!</translation>
    </message>
    <message>
        <source>Menu: dictionaries, language, sound…</source>
        <translation>Menu: woordenboeken, taal, geluid…</translation>
    </message>
    <message>
        <source>Change the player</source>
        <translation>Een andere speler kiezen</translation>
    </message>
    <message>
        <source>Drop the guess onto the board (Enter)</source>
        <translation>De gok op het bord leggen (Enter)</translation>
    </message>
    <message>
        <source>Start a new game (Enter)</source>
        <translation>Een nieuw spel beginnen (Enter)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistieken</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Gewonnen spellen</translation>
    </message>
    <message>
        <source>Games abandoned</source>
        <translation>Afgebroken spellen</translation>
    </message>
    <message>
        <source>Current run of wins</source>
        <translation>Huidige reeks</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Beste tijd</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Gemiddelde tijd</translation>
    </message>
    <message>
        <source>Best run of wins</source>
        <translation>Langste reeks</translation>
    </message>
    <message>
        <source>Won games by number of guesses</source>
        <translation>Gewonnen spellen per aantal pogingen</translation>
    </message>
    <message>
        <source>Games won by number of guesses: %1.</source>
        <translation>Gewonnen spellen per aantal pogingen: %1.</translation>
    </message>
    <message>
        <source>Last won game: %1.</source>
        <translation>Laatst gewonnen spel: %1.</translation>
    </message>
    <message>
        <source>No game won yet.</source>
        <translation>Nog geen spel gewonnen.</translation>
    </message>
    <message>
        <source>1 guess</source>
        <translation>1 poging</translation>
    </message>
    <message>
        <source>%1!d! guesses</source>
        <translation>%1!d! pogingen</translation>
    </message>
    <message>
        <source>16 or more guesses</source>
        <translation>16 of meer pogingen</translation>
    </message>
    <message>
        <source>Letter %1</source>
        <translation>Letter %1</translation>
    </message>
    <message>
        <source>Guess %1: %2, %3</source>
        <translation>Gok %1: %2, %3</translation>
    </message>
    <message>
        <source>%1 right, %2 elsewhere</source>
        <translation>%1 goed, %2 elders</translation>
    </message>
    <message>
        <source>Dictionary: %1</source>
        <translation>Woordenboek: %1</translation>
    </message>
    <message>
        <source>Drop the guess</source>
        <translation>De gok neerleggen</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>You found %1 with guess %2, in %3.</source>
        <translation>Je vond %1 met gok %2, in %3.</translation>
    </message>
    <message>
        <source>Dictionaries</source>
        <translation>Woordenboeken</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Woorden</translation>
    </message>
    <message>
        <source>Switches between capitals and small letters</source>
        <translation>Wisselt tussen hoofdletters en kleine letters</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>A hint keeps this game out of the high scores and statistics. Take a hint?</source>
        <translation>Met een tip telt dit spel niet mee voor de hoogste scores en de statistieken. Een tip nemen?</translation>
    </message>
    <message>
        <source>Words still possible: %1!d!</source>
        <translation>Nog mogelijke woorden: %1!d!</translation>
    </message>
    <message>
        <source>One of them: %1</source>
        <translation>Eén ervan: %1</translation>
    </message>
    <message>
        <source>Hard mode: %1 contradicts guess %2.</source>
        <translation>Moeilijke modus: %1 spreekt gok %2 tegen.</translation>
    </message>
    <message>
        <source>Games won in hard mode</source>
        <translation>Gewonnen in moeilijke modus</translation>
    </message>
    <message>
        <source>F3 opens the review of a won game.</source>
        <translation>F3 opent de terugblik op een gewonnen spel.</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Terugblik</translation>
    </message>
    <message>
        <source>Words still possible after each guess</source>
        <translation>Nog mogelijke woorden na elke gok</translation>
    </message>
    <message>
        <source>Words still possible after each guess: %1.</source>
        <translation>Nog mogelijke woorden na elke gok: %1.</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>Gok</translation>
    </message>
    <message>
        <source>Pins</source>
        <translation>Pinnen</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Ervoor</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Erna</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Nodig</translation>
    </message>
    <message>
        <source>The best guess each time: %1. You: %2.</source>
        <translation>Telkens de beste gok: %1. Jij: %2.</translation>
    </message>
    <message>
        <source>The word is not in the dictionary: the best guesses never find it.</source>
        <translation>Het woord staat niet in het woordenboek: de beste gokken vinden het nooit.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nummer</translation>
    </message>
</context>
</TS>
