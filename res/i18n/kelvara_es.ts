<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Menu</name>
    <message>
        <source>Info...</source>
        <translation>Información...</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Diccionario</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programa</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>S&amp;onido</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>Hi&amp;gh Scores...</source>
        <translation>&amp;Récords...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>&amp;Estadísticas...</translation>
    </message>
    <message>
        <source>&amp;Cheat...</source>
        <translation>Hacer &amp;trampa...</translation>
    </message>
    <message>
        <source>Set Wo&amp;rd...</source>
        <translation>Elegir pa&amp;labra...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Ayuda...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>A&amp;cerca de...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Hard &amp;Mode</source>
        <translation>&amp;Modo difícil</translation>
    </message>
    <message>
        <source>H&amp;int...</source>
        <translation>P&amp;ista...</translation>
    </message>
    <message>
        <source>Re&amp;view Game...</source>
        <translation>Re&amp;visar partida...</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Please select your name:</source>
        <translation>Elige tu nombre:</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Escribe tu nombre:</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>Diccionario</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Elegir</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Are you sure you want to abort the current game?</source>
        <translation>¿Seguro que quieres abandonar la partida actual?</translation>
    </message>
    <message>
        <source>If you %1, the game must be restarted.
Abort the current game?</source>
        <translation>Si %1, la partida tiene que volver a empezar.
¿Abandonar la partida actual?</translation>
    </message>
    <message>
        <source>select another player</source>
        <translation>cambias de jugador</translation>
    </message>
    <message>
        <source>select another dictionary</source>
        <translation>cambias de diccionario</translation>
    </message>
    <message>
        <source>set the word</source>
        <translation>eliges la palabra</translation>
    </message>
    <message>
        <source>Are you sure you want to delete player &apos;%1&apos;?</source>
        <translation>¿Seguro que quieres borrar al jugador «%1»?</translation>
    </message>
    <message>
        <source>Are you sure you want to cheat?</source>
        <translation>¿Seguro que quieres hacer trampa?</translation>
    </message>
    <message>
        <source>Don&apos;t you think it&apos;s more fun trying to guess it yourself?</source>
        <translation>¿No crees que es más divertido adivinarla por tu cuenta?</translation>
    </message>
    <message>
        <source>OK, then... the word is &apos;%1&apos;</source>
        <translation>Vale, pues... la palabra es «%1»</translation>
    </message>
    <message>
        <source>%1!d! words</source>
        <translation>%1!d! palabras</translation>
    </message>
    <message>
        <source>Try to guess the secret word!
For every guess, you&apos;ll get a number of pins: a black pin for every letter on the correct position, and a white pin for a letter correct but on the wrong position.</source>
        <translation>¡Intenta adivinar la palabra secreta!
En cada intento recibes clavijas: una clavija negra por cada letra en su sitio y una clavija blanca por cada letra correcta pero fuera de sitio.</translation>
    </message>
    <message>
        <source>Four black pins means they&apos;re all correct, and that&apos;s the end of the game. Hit the &apos;play&apos; button on the right to start another game.</source>
        <translation>Cuatro clavijas negras quieren decir que todas son correctas, y se acaba la partida. Pulsa el botón «jugar» de la derecha para empezar otra partida.</translation>
    </message>
    <message>
        <source>Tip: if you&apos;re really stuck, try holding the &apos;Shift&apos; key while clicking the &apos;Flag&apos; menu button...</source>
        <translation>Consejo: si de verdad te atascas, prueba a mantener pulsada la tecla Mayús mientras haces clic en la banderita del menú...</translation>
    </message>
    <message>
        <source>Keys: type the four letters and press Enter; Backspace steps back, Space clears a cell, the arrows move between cells. F2 starts a new game, F1 opens this help, the Menu key or Shift+F10 the flag menu (the Menu key with Shift adds Cheat, with Ctrl Set Word), Escape closes a window or ends the game.</source>
        <translation>Teclas: escribe las cuatro letras y pulsa Intro; Retroceso vuelve atrás, la barra espaciadora vacía una casilla, las flechas pasan de una casilla a otra. F2 empieza una nueva partida, F1 abre esta ayuda, la tecla de menú o Mayús+F10 el menú de la banderita (la tecla de menú con Mayús añade «Hacer trampa», con Ctrl «Elegir palabra»), Esc cierra una ventana o termina la partida.</translation>
    </message>
    <message>
        <source>Enter word:</source>
        <translation>Escribe la palabra:</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>Borrar &amp;todo</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all high scores?</source>
        <translation>¿Seguro que quieres borrar todos los récords?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tiempo</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Lang</source>
        <translation>Dicc.</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>You&apos;ve got the Highest Score!!</source>
        <translation>¡¡Nuevo récord!!</translation>
    </message>
    <message>
        <source>High Score: # %1!d!!</source>
        <translation>¡Puesto %1!d! en los récords!</translation>
    </message>
    <message>
        <source>Menu: dictionaries, language, sound…</source>
        <translation>Menú: diccionarios, idioma, sonido…</translation>
    </message>
    <message>
        <source>Change the player</source>
        <translation>Cambiar de jugador</translation>
    </message>
    <message>
        <source>Drop the guess onto the board (Enter)</source>
        <translation>Colocar el intento en el tablero (Intro)</translation>
    </message>
    <message>
        <source>Start a new game (Enter)</source>
        <translation>Empezar una nueva partida (Intro)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Partidas ganadas</translation>
    </message>
    <message>
        <source>Games abandoned</source>
        <translation>Abandonadas</translation>
    </message>
    <message>
        <source>Current run of wins</source>
        <translation>Racha actual</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Más rápida</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Tiempo medio</translation>
    </message>
    <message>
        <source>Best run of wins</source>
        <translation>Mejor racha</translation>
    </message>
    <message>
        <source>Won games by number of guesses</source>
        <translation>Partidas ganadas por número de intentos</translation>
    </message>
    <message>
        <source>Games won by number of guesses: %1.</source>
        <translation>Partidas ganadas por número de intentos: %1.</translation>
    </message>
    <message>
        <source>Last won game: %1.</source>
        <translation>Última partida ganada: %1.</translation>
    </message>
    <message>
        <source>No game won yet.</source>
        <translation>Aún no has ganado ninguna partida.</translation>
    </message>
    <message>
        <source>1 guess</source>
        <translation>1 intento</translation>
    </message>
    <message>
        <source>%1!d! guesses</source>
        <translation>%1!d! intentos</translation>
    </message>
    <message>
        <source>16 or more guesses</source>
        <translation>16 o más intentos</translation>
    </message>
    <message>
        <source>Letter %1</source>
        <translation>Letra %1</translation>
    </message>
    <message>
        <source>Guess %1: %2, %3</source>
        <translation>Intento %1: %2, %3</translation>
    </message>
    <message>
        <source>%1 right, %2 elsewhere</source>
        <translation>%1 en su sitio, %2 en otro sitio</translation>
    </message>
    <message>
        <source>Dictionary: %1</source>
        <translation>Diccionario: %1</translation>
    </message>
    <message>
        <source>Drop the guess</source>
        <translation>Colocar el intento</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>You found %1 with guess %2, in %3.</source>
        <translation>Has encontrado %1 en el intento %2, en %3.</translation>
    </message>
    <message>
        <source>Dictionaries</source>
        <translation>Diccionarios</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Switches between capitals and small letters</source>
        <translation>Cambia entre mayúsculas y minúsculas</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>A hint keeps this game out of the high scores and statistics. Take a hint?</source>
        <translation>Con una pista, esta partida no cuenta para los récords ni las estadísticas. ¿Quieres una pista?</translation>
    </message>
    <message>
        <source>Words still possible: %1!d!</source>
        <translation>Palabras aún posibles: %1!d!</translation>
    </message>
    <message>
        <source>One of them: %1</source>
        <translation>Una de ellas: %1</translation>
    </message>
    <message>
        <source>Hard mode: %1 contradicts guess %2.</source>
        <translation>Modo difícil: %1 contradice el intento %2.</translation>
    </message>
    <message>
        <source>Games won in hard mode</source>
        <translation>Ganadas en modo difícil</translation>
    </message>
    <message>
        <source>F3 opens the review of a won game.</source>
        <translation>F3 abre la revisión de una partida ganada.</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Revisión de la partida</translation>
    </message>
    <message>
        <source>Words still possible after each guess</source>
        <translation>Palabras aún posibles tras cada intento</translation>
    </message>
    <message>
        <source>Words still possible after each guess: %1.</source>
        <translation>Palabras aún posibles tras cada intento: %1.</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>Int.</translation>
    </message>
    <message>
        <source>Pins</source>
        <translation>Clav.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Antes</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Desp.</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>The best guess each time: %1. You: %2.</source>
        <translation>Con el mejor intento cada vez: %1. Tú: %2.</translation>
    </message>
    <message>
        <source>The word is not in the dictionary: the best guesses never find it.</source>
        <translation>La palabra no está en el diccionario: los mejores intentos nunca la encuentran.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
</context>
</TS>
