<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eo">
<context>
    <name>Menu</name>
    <message>
        <source>Info...</source>
        <translation>Informoj...</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Vortaro</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programo</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sono</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nova ludo</translation>
    </message>
    <message>
        <source>Hi&amp;gh Scores...</source>
        <translation>&amp;Rekordoj...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>St&amp;atistiko...</translation>
    </message>
    <message>
        <source>&amp;Cheat...</source>
        <translation>&amp;Trompi...</translation>
    </message>
    <message>
        <source>Set Wo&amp;rd...</source>
        <translation>&amp;Fiksi vorton...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Helpo...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Pr&amp;i...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Eliri</translation>
    </message>
    <message>
        <source>Hard &amp;Mode</source>
        <translation>&amp;Malfacila reĝimo</translation>
    </message>
    <message>
        <source>H&amp;int...</source>
        <translation>Su&amp;gesto...</translation>
    </message>
    <message>
        <source>Re&amp;view Game...</source>
        <translation>Retrorigar&amp;do...</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Please select your name:</source>
        <translation>Elektu vian nomon:</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Tajpu vian nomon:</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>Vortaro</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Helpo</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Elekti</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Nuligi</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Jes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Ne</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nova</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Forigi</translation>
    </message>
    <message>
        <source>Are you sure you want to abort the current game?</source>
        <translation>Ĉu vi certe volas ĉesigi la nunan ludon?</translation>
    </message>
    <message>
        <source>If you %1, the game must be restarted.
Abort the current game?</source>
        <translation>Se vi %1, la ludo devos rekomenciĝi.
Ĉu ĉesigi la nunan ludon?</translation>
    </message>
    <message>
        <source>select another player</source>
        <translation>elektos alian ludanton</translation>
    </message>
    <message>
        <source>select another dictionary</source>
        <translation>elektos alian vortaron</translation>
    </message>
    <message>
        <source>set the word</source>
        <translation>fiksos la vorton</translation>
    </message>
    <message>
        <source>Are you sure you want to delete player &apos;%1&apos;?</source>
        <translation>Ĉu vi certe volas forigi la ludanton &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>Are you sure you want to cheat?</source>
        <translation>Ĉu vi certe volas trompi?</translation>
    </message>
    <message>
        <source>Don&apos;t you think it&apos;s more fun trying to guess it yourself?</source>
        <translation>Ĉu vi ne opinias, ke estas pli amuze diveni ĝin mem?</translation>
    </message>
    <message>
        <source>OK, then... the word is &apos;%1&apos;</source>
        <translation>Nu bone... la vorto estas &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1!d! words</source>
        <translation>%1!d! vortoj</translation>
    </message>
    <message>
        <source>Try to guess the secret word!
For every guess, you&apos;ll get a number of pins: a black pin for every letter on the correct position, and a white pin for a letter correct but on the wrong position.</source>
        <translation>Provu diveni la sekretan vorton!
Por ĉiu diveno vi ricevas kelkajn stiftojn: nigran stifton por ĉiu litero en la ĝusta loko, kaj blankan stifton por ĝusta litero en malĝusta loko.</translation>
    </message>
    <message>
        <source>Four black pins means they&apos;re all correct, and that&apos;s the end of the game. Hit the &apos;play&apos; button on the right to start another game.</source>
        <translation>Kvar nigraj stiftoj signifas, ke ĉiuj literoj estas ĝustaj, kaj tiam la ludo finiĝas. Alklaku la butonon &apos;ludi&apos; dekstre por komenci novan ludon.</translation>
    </message>
    <message>
        <source>Tip: if you&apos;re really stuck, try holding the &apos;Shift&apos; key while clicking the &apos;Flag&apos; menu button...</source>
        <translation>Konsilo: se vi vere ne plu scias, provu teni la klavon &apos;Shift&apos; premita, dum vi alklakas la butonon kun la flago...</translation>
    </message>
    <message>
        <source>Keys: type the four letters and press Enter; Backspace steps back, Space clears a cell, the arrows move between cells. F2 starts a new game, F1 opens this help, the Menu key or Shift+F10 the flag menu (the Menu key with Shift adds Cheat, with Ctrl Set Word), Escape closes a window or ends the game.</source>
        <translation>Klavoj: tajpu la kvar literojn kaj premu Enter; Backspace paŝas malantaŭen, la spaceto malplenigas ĉelon, la sagoj iras de ĉelo al ĉelo. F2 komencas novan ludon, F1 malfermas ĉi tiun helpon, la menua klavo aŭ Shift+F10 la menuon de la flago (la menua klavo kun Shift aldonas &apos;Trompi&apos;, kun Ctrl &apos;Fiksi vorton&apos;), Esc fermas fenestron aŭ finas la ludon.</translation>
    </message>
    <message>
        <source>Enter word:</source>
        <translation>Tajpu vorton:</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Rekordoj</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>&amp;Forviŝi ĉion</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all high scores?</source>
        <translation>Ĉu vi certe volas forviŝi ĉiujn rekordojn?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nomo</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niv.</translation>
    </message>
    <message>
        <source>Lang</source>
        <translation>Lng.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Vorto</translation>
    </message>
    <message>
        <source>You&apos;ve got the Highest Score!!</source>
        <translation>Vi estas unua en la rekordoj!!</translation>
    </message>
    <message>
        <source>High Score: # %1!d!!</source>
        <translation>Rekordo: %1!d!-a loko!</translation>
    </message>
    <message>
        <source>Menu: dictionaries, language, sound…</source>
        <translation>Menuo: vortaroj, lingvo, sono…</translation>
    </message>
    <message>
        <source>Change the player</source>
        <translation>Elekti alian ludanton</translation>
    </message>
    <message>
        <source>Drop the guess onto the board (Enter)</source>
        <translation>Meti la divenon sur la tabulon (Enter)</translation>
    </message>
    <message>
        <source>Start a new game (Enter)</source>
        <translation>Komenci novan ludon (Enter)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiko</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Ĉiuj</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Gajnitaj ludoj</translation>
    </message>
    <message>
        <source>Games abandoned</source>
        <translation>Ĉesigitaj ludoj</translation>
    </message>
    <message>
        <source>Current run of wins</source>
        <translation>Nuna serio</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Min. tempo</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Meza tempo</translation>
    </message>
    <message>
        <source>Best run of wins</source>
        <translation>Plej longa serio</translation>
    </message>
    <message>
        <source>Won games by number of guesses</source>
        <translation>Gajnitaj ludoj laŭ nombro de divenoj</translation>
    </message>
    <message>
        <source>Games won by number of guesses: %1.</source>
        <translation>Gajnitaj ludoj laŭ nombro de divenoj: %1.</translation>
    </message>
    <message>
        <source>Last won game: %1.</source>
        <translation>Lasta gajnita ludo: %1.</translation>
    </message>
    <message>
        <source>No game won yet.</source>
        <translation>Ankoraŭ neniu ludo gajnita.</translation>
    </message>
    <message>
        <source>1 guess</source>
        <translation>1 diveno</translation>
    </message>
    <message>
        <source>%1!d! guesses</source>
        <translation>%1!d! divenoj</translation>
    </message>
    <message>
        <source>16 or more guesses</source>
        <translation>almenaŭ 16 divenoj</translation>
    </message>
    <message>
        <source>Letter %1</source>
        <translation>Litero %1</translation>
    </message>
    <message>
        <source>Guess %1: %2, %3</source>
        <translation>Diveno %1: %2, %3</translation>
    </message>
    <message>
        <source>%1 right, %2 elsewhere</source>
        <translation>%1 ĝuste, %2 aliloke</translation>
    </message>
    <message>
        <source>Dictionary: %1</source>
        <translation>Vortaro: %1</translation>
    </message>
    <message>
        <source>Drop the guess</source>
        <translation>Meti la divenon</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nova ludo</translation>
    </message>
    <message>
        <source>You found %1 with guess %2, in %3.</source>
        <translation>Vi trovis %1 per diveno %2, en %3.</translation>
    </message>
    <message>
        <source>Dictionaries</source>
        <translation>Vortaroj</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Vortoj</translation>
    </message>
    <message>
        <source>Switches between capitals and small letters</source>
        <translation>Ŝaltas inter majuskloj kaj minuskloj</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Loko</translation>
    </message>
    <message>
        <source>A hint keeps this game out of the high scores and statistics. Take a hint?</source>
        <translation>Post sugesto ĉi tiu ludo ne kalkuliĝas por la rekordoj kaj la statistiko. Ĉu vi volas sugeston?</translation>
    </message>
    <message>
        <source>Words still possible: %1!d!</source>
        <translation>Ankoraŭ eblaj vortoj: %1!d!</translation>
    </message>
    <message>
        <source>One of them: %1</source>
        <translation>Unu el ili: %1</translation>
    </message>
    <message>
        <source>Hard mode: %1 contradicts guess %2.</source>
        <translation>Malfacila reĝimo: %1 kontraŭdiras divenon %2.</translation>
    </message>
    <message>
        <source>Games won in hard mode</source>
        <translation>Gajnoj en malfacila reĝimo</translation>
    </message>
    <message>
        <source>F3 opens the review of a won game.</source>
        <translation>F3 malfermas la retrorigardon al gajnita ludo.</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Retrorigardo</translation>
    </message>
    <message>
        <source>Words still possible after each guess</source>
        <translation>Ankoraŭ eblaj vortoj post ĉiu diveno</translation>
    </message>
    <message>
        <source>Words still possible after each guess: %1.</source>
        <translation>Ankoraŭ eblaj vortoj post ĉiu diveno: %1.</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>Div.</translation>
    </message>
    <message>
        <source>Pins</source>
        <translation>Stift.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antaŭe</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Poste</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Opt.</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Bez.</translation>
    </message>
    <message>
        <source>The best guess each time: %1. You: %2.</source>
        <translation>Ĉiufoje la plej bona diveno: %1. Vi: %2.</translation>
    </message>
    <message>
        <source>The word is not in the dictionary: the best guesses never find it.</source>
        <translation>La vorto ne estas en la vortaro: la plej bonaj divenoj neniam trovas ĝin.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
</context>
</TS>
