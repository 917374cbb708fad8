<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Menu</name>
    <message>
        <source>Info...</source>
        <translation>Info...</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Dizionario</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programma</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Suono</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>Hi&amp;gh Scores...</source>
        <translation>&amp;Classifica...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistiche...</translation>
    </message>
    <message>
        <source>&amp;Cheat...</source>
        <translation>S&amp;bircia...</translation>
    </message>
    <message>
        <source>Set Wo&amp;rd...</source>
        <translation>Imposta pa&amp;rola...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Guida...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Hard &amp;Mode</source>
        <translation>&amp;Modalità difficile</translation>
    </message>
    <message>
        <source>H&amp;int...</source>
        <translation>Indi&amp;zio...</translation>
    </message>
    <message>
        <source>Re&amp;view Game...</source>
        <translation>Ri&amp;vedi partita...</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Please select your name:</source>
        <translation>Scegli il tuo nome:</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Scrivi il tuo nome:</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>Dizionario</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Scegli</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>Are you sure you want to abort the current game?</source>
        <translation>Vuoi davvero interrompere la partita in corso?</translation>
    </message>
    <message>
        <source>If you %1, the game must be restarted.
Abort the current game?</source>
        <translation>Se %1, la partita deve ricominciare da capo.
Vuoi interrompere la partita in corso?</translation>
    </message>
    <message>
        <source>select another player</source>
        <translation>cambi giocatore</translation>
    </message>
    <message>
        <source>select another dictionary</source>
        <translation>cambi dizionario</translation>
    </message>
    <message>
        <source>set the word</source>
        <translation>imposti la parola</translation>
    </message>
    <message>
        <source>Are you sure you want to delete player &apos;%1&apos;?</source>
        <translation>Vuoi davvero eliminare il giocatore «%1»?</translation>
    </message>
    <message>
        <source>Are you sure you want to cheat?</source>
        <translation>Vuoi davvero barare?</translation>
    </message>
    <message>
        <source>Don&apos;t you think it&apos;s more fun trying to guess it yourself?</source>
        <translation>Non pensi che sia più divertente provare a indovinarla tu?</translation>
    </message>
    <message>
        <source>OK, then... the word is &apos;%1&apos;</source>
        <translation>E va bene... la parola è «%1»</translation>
    </message>
    <message>
        <source>%1!d! words</source>
        <translation>%1!d! parole</translation>
    </message>
    <message>
        <source>Try to guess the secret word!
For every guess, you&apos;ll get a number of pins: a black pin for every letter on the correct position, and a white pin for a letter correct but on the wrong position.</source>
        <translation>Cerca di indovinare la parola segreta!
A ogni tentativo ricevi dei pioli: un piolo nero per ogni lettera al posto giusto e un piolo bianco per ogni lettera giusta ma al posto sbagliato.</translation>
    </message>
    <message>
        <source>Four black pins means they&apos;re all correct, and that&apos;s the end of the game. Hit the &apos;play&apos; button on the right to start another game.</source>
        <translation>Quattro pioli neri vogliono dire che sono tutte giuste, e la partita è finita. Premi il pulsante «gioca» a destra per iniziare un&apos;altra partita.</translation>
    </message>
    <message>
        <source>Tip: if you&apos;re really stuck, try holding the &apos;Shift&apos; key while clicking the &apos;Flag&apos; menu button...</source>
        <translation>Suggerimento: se proprio non ne vieni a capo, prova a tenere premuto il tasto Maiusc mentre fai clic sulla bandierina del menu...</translation>
    </message>
    <message>
        <source>Keys: type the four letters and press Enter; Backspace steps back, Space clears a cell, the arrows move between cells. F2 starts a new game, F1 opens this help, the Menu key or Shift+F10 the flag menu (the Menu key with Shift adds Cheat, with Ctrl Set Word), Escape closes a window or ends the game.</source>
        <translation>Tasti: digita le quattro lettere e premi Invio; Backspace torna indietro, la barra spaziatrice svuota una casella, le frecce passano da una casella all&apos;altra. F2 inizia una nuova partita, F1 apre questa guida, il tasto Menu o Maiusc+F10 il menu della bandierina (il tasto Menu con Maiusc aggiunge «Sbircia», con Ctrl «Imposta parola»), Esc chiude una finestra o termina la partita.</translation>
    </message>
    <message>
        <source>Enter word:</source>
        <translation>Scrivi la parola:</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>&amp;Azzera tutto</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all high scores?</source>
        <translation>Vuoi davvero azzerare la classifica?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Liv.</translation>
    </message>
    <message>
        <source>Lang</source>
        <translation>Diz.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Parola</translation>
    </message>
    <message>
        <source>You&apos;ve got the Highest Score!!</source>
        <translation>Primo posto in classifica!!</translation>
    </message>
    <message>
        <source>High Score: # %1!d!!</source>
        <translation>In classifica: %1!d!° posto!</translation>
    </message>
    <message>
        <source>Menu: dictionaries, language, sound…</source>
        <translation>Menu: dizionari, lingua, suono…</translation>
    </message>
    <message>
        <source>Change the player</source>
        <translation>Cambia giocatore</translation>
    </message>
    <message>
        <source>Drop the guess onto the board (Enter)</source>
        <translation>Metti il tentativo sul tabellone (Invio)</translation>
    </message>
    <message>
        <source>Start a new game (Enter)</source>
        <translation>Inizia una nuova partita (Invio)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiche</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Partite vinte</translation>
    </message>
    <message>
        <source>Games abandoned</source>
        <translation>Partite interrotte</translation>
    </message>
    <message>
        <source>Current run of wins</source>
        <translation>Serie in corso</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Più veloce</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Tempo medio</translation>
    </message>
    <message>
        <source>Best run of wins</source>
        <translation>Serie migliore</translation>
    </message>
    <message>
        <source>Won games by number of guesses</source>
        <translation>Partite vinte per numero di tentativi</translation>
    </message>
    <message>
        <source>Games won by number of guesses: %1.</source>
        <translation>Partite vinte per numero di tentativi: %1.</translation>
    </message>
    <message>
        <source>Last won game: %1.</source>
        <translation>Ultima partita vinta: %1.</translation>
    </message>
    <message>
        <source>No game won yet.</source>
        <translation>Ancora nessuna partita vinta.</translation>
    </message>
    <message>
        <source>1 guess</source>
        <translation>1 tentativo</translation>
    </message>
    <message>
        <source>%1!d! guesses</source>
        <translation>%1!d! tentativi</translation>
    </message>
    <message>
        <source>16 or more guesses</source>
        <translation>16 o più tentativi</translation>
    </message>
    <message>
        <source>Letter %1</source>
        <translation>Lettera %1</translation>
    </message>
    <message>
        <source>Guess %1: %2, %3</source>
        <translation>Tentativo %1: %2, %3</translation>
    </message>
    <message>
        <source>%1 right, %2 elsewhere</source>
        <translation>%1 al posto giusto, %2 altrove</translation>
    </message>
    <message>
        <source>Dictionary: %1</source>
        <translation>Dizionario: %1</translation>
    </message>
    <message>
        <source>Drop the guess</source>
        <translation>Metti il tentativo</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>You found %1 with guess %2, in %3.</source>
        <translation>Hai trovato %1 al tentativo %2, in %3.</translation>
    </message>
    <message>
        <source>Dictionaries</source>
        <translation>Dizionari</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Parole</translation>
    </message>
    <message>
        <source>Switches between capitals and small letters</source>
        <translation>Passa dalle maiuscole alle minuscole e viceversa</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Posto</translation>
    </message>
    <message>
        <source>A hint keeps this game out of the high scores and statistics. Take a hint?</source>
        <translation>Con un indizio questa partita non conta per la classifica e le statistiche. Vuoi un indizio?</translation>
    </message>
    <message>
        <source>Words still possible: %1!d!</source>
        <translation>Parole ancora possibili: %1!d!</translation>
    </message>
    <message>
        <source>One of them: %1</source>
        <translation>Una di queste: %1</translation>
    </message>
    <message>
        <source>Hard mode: %1 contradicts guess %2.</source>
        <translation>Modalità difficile: %1 contraddice il tentativo %2.</translation>
    </message>
    <message>
        <source>Games won in hard mode</source>
        <translation>Vinte in modalità difficile</translation>
    </message>
    <message>
        <source>F3 opens the review of a won game.</source>
        <translation>F3 apre il riepilogo di una partita vinta.</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Riepilogo partita</translation>
    </message>
    <message>
        <source>Words still possible after each guess</source>
        <translation>Parole ancora possibili dopo ogni tentativo</translation>
    </message>
    <message>
        <source>Words still possible after each guess: %1.</source>
        <translation>Parole ancora possibili dopo ogni tentativo: %1.</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>Tent.</translation>
    </message>
    <message>
        <source>Pins</source>
        <translation>Pioli</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Dopo</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Migl.</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Mosse</translation>
    </message>
    <message>
        <source>The best guess each time: %1. You: %2.</source>
        <translation>Col tentativo migliore ogni volta: %1. Tu: %2.</translation>
    </message>
    <message>
        <source>The word is not in the dictionary: the best guesses never find it.</source>
        <translation>La parola non è nel dizionario: i tentativi migliori non la trovano mai.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numero</translation>
    </message>
</context>
</TS>
