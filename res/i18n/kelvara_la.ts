<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="la">
<context>
    <name>Menu</name>
    <message>
        <source>Info...</source>
        <translation>Notitiae...</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Lexicon</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programma</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonus</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Novus ludus</translation>
    </message>
    <message>
        <source>Hi&amp;gh Scores...</source>
        <translation>&amp;Tabula honoris...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>Stat&amp;istica...</translation>
    </message>
    <message>
        <source>&amp;Cheat...</source>
        <translation>&amp;Fallere...</translation>
    </message>
    <message>
        <source>Set Wo&amp;rd...</source>
        <translation>&amp;Verbum statuere...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Auxilium...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;De programmate...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Exire</translation>
    </message>
    <message>
        <source>Hard &amp;Mode</source>
        <translation>&amp;Modus difficilis</translation>
    </message>
    <message>
        <source>H&amp;int...</source>
        <translation>Indi&amp;cium...</translation>
    </message>
    <message>
        <source>Re&amp;view Game...</source>
        <translation>&amp;Recensio ludi...</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Please select your name:</source>
        <translation>Nomen tuum elige:</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Nomen tuum inscribe:</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>Lexicon</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Auxilium</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Elige</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Omitte</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ita</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Novus</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Dele</translation>
    </message>
    <message>
        <source>Are you sure you want to abort the current game?</source>
        <translation>Visne vere ludum praesentem abrumpere?</translation>
    </message>
    <message>
        <source>If you %1, the game must be restarted.
Abort the current game?</source>
        <translation>Si %1, ludus denuo incipiendus erit.
Visne ludum praesentem abrumpere?</translation>
    </message>
    <message>
        <source>select another player</source>
        <translation>alium lusorem elegeris</translation>
    </message>
    <message>
        <source>select another dictionary</source>
        <translation>aliud lexicon elegeris</translation>
    </message>
    <message>
        <source>set the word</source>
        <translation>verbum statueris</translation>
    </message>
    <message>
        <source>Are you sure you want to delete player &apos;%1&apos;?</source>
        <translation>Visne vere lusorem &apos;%1&apos; delere?</translation>
    </message>
    <message>
        <source>Are you sure you want to cheat?</source>
        <translation>Visne vere fallere?</translation>
    </message>
    <message>
        <source>Don&apos;t you think it&apos;s more fun trying to guess it yourself?</source>
        <translation>Nonne putas iucundius esse te ipsum verbum divinare?</translation>
    </message>
    <message>
        <source>OK, then... the word is &apos;%1&apos;</source>
        <translation>Esto... verbum est &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1!d! words</source>
        <translation>%1!d! verba</translation>
    </message>
    <message>
        <source>Try to guess the secret word!
For every guess, you&apos;ll get a number of pins: a black pin for every letter on the correct position, and a white pin for a letter correct but on the wrong position.</source>
        <translation>Conare verbum arcanum divinare!
Pro singulis conatibus aliquot paxillos accipies: paxillum nigrum pro unaquaque littera loco recto posita, et paxillum album pro littera recta sed loco falso posita.</translation>
    </message>
    <message>
        <source>Four black pins means they&apos;re all correct, and that&apos;s the end of the game. Hit the &apos;play&apos; button on the right to start another game.</source>
        <translation>Quattuor paxilli nigri significant omnes litteras rectas esse, et ludus finitur. Preme globulum &apos;lude&apos; ad dextram, ut novum ludum incipias.</translation>
    </message>
    <message>
        <source>Tip: if you&apos;re really stuck, try holding the &apos;Shift&apos; key while clicking the &apos;Flag&apos; menu button...</source>
        <translation>Consilium: si re vera haeres, clavem &apos;Shift&apos; tene, dum globulum vexilli premis...</translation>
    </message>
    <message>
        <source>Keys: type the four letters and press Enter; Backspace steps back, Space clears a cell, the arrows move between cells. F2 starts a new game, F1 opens this help, the Menu key or Shift+F10 the flag menu (the Menu key with Shift adds Cheat, with Ctrl Set Word), Escape closes a window or ends the game.</source>
        <translation>Claves: quattuor litteras scribe et Enter preme; Backspace retrocedit, clavis spatii cellulam vacuat, sagittae de cellula in cellulam transeunt. F2 novum ludum incipit, F1 hoc auxilium aperit, clavis indicis vel Shift+F10 indicem vexilli (clavis indicis cum Shift addit &apos;Fallere&apos;, cum Ctrl &apos;Verbum statuere&apos;), Esc fenestram claudit vel ludum finit.</translation>
    </message>
    <message>
        <source>Enter word:</source>
        <translation>Verbum inscribe:</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Tabula honoris</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>&amp;Omnia dele</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all high scores?</source>
        <translation>Visne vere totam tabulam honoris delere?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Mora</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Grad.</translation>
    </message>
    <message>
        <source>Lang</source>
        <translation>Lex.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Verb.</translation>
    </message>
    <message>
        <source>You&apos;ve got the Highest Score!!</source>
        <translation>Primum locum tenes!!</translation>
    </message>
    <message>
        <source>High Score: # %1!d!!</source>
        <translation>Tabula honoris: locus %1!d!!</translation>
    </message>
    <message>
        <source>Menu: dictionaries, language, sound…</source>
        <translation>Index: lexica, lingua, sonus…</translation>
    </message>
    <message>
        <source>Change the player</source>
        <translation>Alium lusorem elige</translation>
    </message>
    <message>
        <source>Drop the guess onto the board (Enter)</source>
        <translation>Conatum in tabula depone (Enter)</translation>
    </message>
    <message>
        <source>Start a new game (Enter)</source>
        <translation>Novum ludum incipe (Enter)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistica</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Omnia</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Ludi victi</translation>
    </message>
    <message>
        <source>Games abandoned</source>
        <translation>Ludi abrupti</translation>
    </message>
    <message>
        <source>Current run of wins</source>
        <translation>Series praesens</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Celerrime</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Tempus medium</translation>
    </message>
    <message>
        <source>Best run of wins</source>
        <translation>Series maxima</translation>
    </message>
    <message>
        <source>Won games by number of guesses</source>
        <translation>Ludi victi secundum numerum conatuum</translation>
    </message>
    <message>
        <source>Games won by number of guesses: %1.</source>
        <translation>Ludi victi secundum numerum conatuum: %1.</translation>
    </message>
    <message>
        <source>Last won game: %1.</source>
        <translation>Ultimus ludus victus: %1.</translation>
    </message>
    <message>
        <source>No game won yet.</source>
        <translation>Nullus adhuc ludus victus.</translation>
    </message>
    <message>
        <source>1 guess</source>
        <translation>1 conatus</translation>
    </message>
    <message>
        <source>%1!d! guesses</source>
        <translation>%1!d! conatus</translation>
    </message>
    <message>
        <source>16 or more guesses</source>
        <translation>saltem 16 conatus</translation>
    </message>
    <message>
        <source>Letter %1</source>
        <translation>Littera %1</translation>
    </message>
    <message>
        <source>Guess %1: %2, %3</source>
        <translation>Conatus %1: %2, %3</translation>
    </message>
    <message>
        <source>%1 right, %2 elsewhere</source>
        <translation>%1 recte, %2 alibi</translation>
    </message>
    <message>
        <source>Dictionary: %1</source>
        <translation>Lexicon: %1</translation>
    </message>
    <message>
        <source>Drop the guess</source>
        <translation>Conatum depone</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Novus ludus</translation>
    </message>
    <message>
        <source>You found %1 with guess %2, in %3.</source>
        <translation>Invenisti %1 conatu numero %2, tempore %3.</translation>
    </message>
    <message>
        <source>Dictionaries</source>
        <translation>Lexica</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Verba</translation>
    </message>
    <message>
        <source>Switches between capitals and small letters</source>
        <translation>Inter litteras maiusculas et minusculas commutat</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Locus</translation>
    </message>
    <message>
        <source>A hint keeps this game out of the high scores and statistics. Take a hint?</source>
        <translation>Si indicium acceperis, hic ludus neque in tabulam honoris neque in statisticam refertur. Visne indicium accipere?</translation>
    </message>
    <message>
        <source>Words still possible: %1!d!</source>
        <translation>Verba adhuc possibilia: %1!d!</translation>
    </message>
    <message>
        <source>One of them: %1</source>
        <translation>Unum ex eis: %1</translation>
    </message>
    <message>
        <source>Hard mode: %1 contradicts guess %2.</source>
        <translation>Modus difficilis: %1 conatui %2 contradicit.</translation>
    </message>
    <message>
        <source>Games won in hard mode</source>
        <translation>Victi modo difficili</translation>
    </message>
    <message>
        <source>F3 opens the review of a won game.</source>
        <translation>F3 recensionem ludi victi aperit.</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Recensio</translation>
    </message>
    <message>
        <source>Words still possible after each guess</source>
        <translation>Verba adhuc possibilia post singulos conatus</translation>
    </message>
    <message>
        <source>Words still possible after each guess: %1.</source>
        <translation>Verba adhuc possibilia post singulos conatus: %1.</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>Con.</translation>
    </message>
    <message>
        <source>Pins</source>
        <translation>Pax.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Ante</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Post</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Opt.</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Eget</translation>
    </message>
    <message>
        <source>The best guess each time: %1. You: %2.</source>
        <translation>Optimis semper conatibus: %1. Tu: %2.</translation>
    </message>
    <message>
        <source>The word is not in the dictionary: the best guesses never find it.</source>
        <translation>Verbum in lexico non est: optimi conatus id numquam inveniunt.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numerus</translation>
    </message>
</context>
</TS>
