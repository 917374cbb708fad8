<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ga">
<context>
    <name>Menu</name>
    <message>
        <source>Info...</source>
        <translation>Eolas...</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Foclóir</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Ríomhchlár</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>F&amp;uaim</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Cluiche nua</translation>
    </message>
    <message>
        <source>Hi&amp;gh Scores...</source>
        <translation>&amp;Ardscóir...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>&amp;Staitisticí...</translation>
    </message>
    <message>
        <source>&amp;Cheat...</source>
        <translation>Ca&amp;imiléireacht...</translation>
    </message>
    <message>
        <source>Set Wo&amp;rd...</source>
        <translation>Socraigh foca&amp;l...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>Ca&amp;bhair...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Maidir leis...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sc&amp;oir</translation>
    </message>
    <message>
        <source>Hard &amp;Mode</source>
        <translation>Mód &amp;deacair</translation>
    </message>
    <message>
        <source>H&amp;int...</source>
        <translation>L&amp;eid...</translation>
    </message>
    <message>
        <source>Re&amp;view Game...</source>
        <translation>A&amp;thbhreithniú cluiche...</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Please select your name:</source>
        <translation>Roghnaigh d&apos;ainm:</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Scríobh d&apos;ainm:</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>Foclóir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Cabhair</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Roghnaigh</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cealaigh</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tá</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Níl</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nua</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Scrios</translation>
    </message>
    <message>
        <source>Are you sure you want to abort the current game?</source>
        <translation>An bhfuil tú cinnte gur mian leat an cluiche seo a thréigean?</translation>
    </message>
    <message>
        <source>If you %1, the game must be restarted.
Abort the current game?</source>
        <translation>Má %1, caithfear an cluiche a atosú.
An bhfuil tú sásta an cluiche seo a thréigean?</translation>
    </message>
    <message>
        <source>select another player</source>
        <translation>roghnaíonn tú imreoir eile</translation>
    </message>
    <message>
        <source>select another dictionary</source>
        <translation>roghnaíonn tú foclóir eile</translation>
    </message>
    <message>
        <source>set the word</source>
        <translation>shocraíonn tú an focal</translation>
    </message>
    <message>
        <source>Are you sure you want to delete player &apos;%1&apos;?</source>
        <translation>An bhfuil tú cinnte gur mian leat an t-imreoir &apos;%1&apos; a scriosadh?</translation>
    </message>
    <message>
        <source>Are you sure you want to cheat?</source>
        <translation>An bhfuil tú cinnte gur mian leat caimiléireacht a dhéanamh?</translation>
    </message>
    <message>
        <source>Don&apos;t you think it&apos;s more fun trying to guess it yourself?</source>
        <translation>Nach bhfuil sé níos spraíúla an focal a thomhas tú féin?</translation>
    </message>
    <message>
        <source>OK, then... the word is &apos;%1&apos;</source>
        <translation>Ceart go leor, mar sin... is é &apos;%1&apos; an focal</translation>
    </message>
    <message>
        <source>%1!d! words</source>
        <translation>%1!d! focal</translation>
    </message>
    <message>
        <source>Try to guess the secret word!
For every guess, you&apos;ll get a number of pins: a black pin for every letter on the correct position, and a white pin for a letter correct but on the wrong position.</source>
        <translation>Déan iarracht an focal rúnda a thomhas!
I ngach tomhas, gheobhaidh tú roinnt pionnaí: pionna dubh do gach litir atá san áit cheart, agus pionna bán do litir atá ceart ach san áit mhícheart.</translation>
    </message>
    <message>
        <source>Four black pins means they&apos;re all correct, and that&apos;s the end of the game. Hit the &apos;play&apos; button on the right to start another game.</source>
        <translation>Má fhaigheann tú ceithre phionna dhubha, tá na litreacha go léir ceart, agus sin deireadh an chluiche. Cliceáil ar an gcnaipe &apos;imir&apos; ar dheis chun cluiche eile a thosú.</translation>
    </message>
    <message>
        <source>Tip: if you&apos;re really stuck, try holding the &apos;Shift&apos; key while clicking the &apos;Flag&apos; menu button...</source>
        <translation>Leid: má tá tú i bhfostú i gceart, coinnigh an eochair &apos;Shift&apos; síos agus tú ag cliceáil ar an gcnaipe roghchláir &apos;Bratach&apos;...</translation>
    </message>
    <message>
        <source>Keys: type the four letters and press Enter; Backspace steps back, Space clears a cell, the arrows move between cells. F2 starts a new game, F1 opens this help, the Menu key or Shift+F10 the flag menu (the Menu key with Shift adds Cheat, with Ctrl Set Word), Escape closes a window or ends the game.</source>
        <translation>Eochracha: clóscríobh na ceithre litir agus brúigh Enter; téann Backspace céim siar, glanann an barra spáis cill, bogann na saigheada ó chill go cill. Tosaíonn F2 cluiche nua, osclaíonn F1 an chabhair seo, osclaíonn eochair an roghchláir nó Shift+F10 roghchlár na brataí (cuireann eochair an roghchláir in éineacht le Shift &apos;Caimiléireacht&apos; leis, in éineacht le Ctrl &apos;Socraigh focal&apos;), dúnann Escape fuinneog nó críochnaíonn sé an cluiche.</translation>
    </message>
    <message>
        <source>Enter word:</source>
        <translation>Scríobh focal:</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Ardscóir</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>&amp;Glan uile</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all high scores?</source>
        <translation>An bhfuil tú cinnte gur mian leat na hardscóir go léir a scriosadh?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ainm</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Am</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Céim</translation>
    </message>
    <message>
        <source>Lang</source>
        <translation>Teanga</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Focal</translation>
    </message>
    <message>
        <source>You&apos;ve got the Highest Score!!</source>
        <translation>Tá an scór is airde agat!!</translation>
    </message>
    <message>
        <source>High Score: # %1!d!!</source>
        <translation>Ardscór: an %1!d!ú háit!</translation>
    </message>
    <message>
        <source>Menu: dictionaries, language, sound…</source>
        <translation>Roghchlár: foclóirí, teanga, fuaim…</translation>
    </message>
    <message>
        <source>Change the player</source>
        <translation>Athraigh an t-imreoir</translation>
    </message>
    <message>
        <source>Drop the guess onto the board (Enter)</source>
        <translation>Cuir an tomhas ar an gclár (Enter)</translation>
    </message>
    <message>
        <source>Start a new game (Enter)</source>
        <translation>Tosaigh cluiche nua (Enter)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Staitisticí</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Gach foclóir</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Cluichí buaite</translation>
    </message>
    <message>
        <source>Games abandoned</source>
        <translation>Cluichí tréigthe</translation>
    </message>
    <message>
        <source>Current run of wins</source>
        <translation>Sraith reatha</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Am is fearr</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Am ar meán</translation>
    </message>
    <message>
        <source>Best run of wins</source>
        <translation>Sraith is faide</translation>
    </message>
    <message>
        <source>Won games by number of guesses</source>
        <translation>Cluichí buaite de réir líon na dtomhas</translation>
    </message>
    <message>
        <source>Games won by number of guesses: %1.</source>
        <translation>Cluichí buaite de réir líon na dtomhas: %1.</translation>
    </message>
    <message>
        <source>Last won game: %1.</source>
        <translation>An cluiche is déanaí a buadh: %1.</translation>
    </message>
    <message>
        <source>No game won yet.</source>
        <translation>Níor buadh aon chluiche fós.</translation>
    </message>
    <message>
        <source>1 guess</source>
        <translation>1 tomhas</translation>
    </message>
    <message>
        <source>%1!d! guesses</source>
        <translation>%1!d! tomhas</translation>
    </message>
    <message>
        <source>16 or more guesses</source>
        <translation>16 tomhas nó breis</translation>
    </message>
    <message>
        <source>Letter %1</source>
        <translation>Litir %1</translation>
    </message>
    <message>
        <source>Guess %1: %2, %3</source>
        <translation>Tomhas %1: %2, %3</translation>
    </message>
    <message>
        <source>%1 right, %2 elsewhere</source>
        <translation>%1 ceart, %2 in áit eile</translation>
    </message>
    <message>
        <source>Dictionary: %1</source>
        <translation>Foclóir: %1</translation>
    </message>
    <message>
        <source>Drop the guess</source>
        <translation>Cuir an tomhas síos</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Cluiche nua</translation>
    </message>
    <message>
        <source>You found %1 with guess %2, in %3.</source>
        <translation>D&apos;aimsigh tú %1 le tomhas %2, tar éis %3.</translation>
    </message>
    <message>
        <source>Dictionaries</source>
        <translation>Foclóirí</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Focail</translation>
    </message>
    <message>
        <source>Switches between capitals and small letters</source>
        <translation>Athraíonn sé idir ceannlitreacha agus litreacha beaga</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Áit</translation>
    </message>
    <message>
        <source>A hint keeps this game out of the high scores and statistics. Take a hint?</source>
        <translation>Má ghlacann tú leid, ní áireofar an cluiche seo sna hardscóir ná sna staitisticí. An bhfuil leid uait?</translation>
    </message>
    <message>
        <source>Words still possible: %1!d!</source>
        <translation>Focail atá fós féideartha: %1!d!</translation>
    </message>
    <message>
        <source>One of them: %1</source>
        <translation>Ceann acu: %1</translation>
    </message>
    <message>
        <source>Hard mode: %1 contradicts guess %2.</source>
        <translation>Mód deacair: ní réitíonn %1 le tomhas %2.</translation>
    </message>
    <message>
        <source>Games won in hard mode</source>
        <translation>Buaite sa mhód deacair</translation>
    </message>
    <message>
        <source>F3 opens the review of a won game.</source>
        <translation>Osclaíonn F3 athbhreithniú ar chluiche a bhuaigh tú.</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Athbhreithniú</translation>
    </message>
    <message>
        <source>Words still possible after each guess</source>
        <translation>Focail atá fós féideartha tar éis gach tomhais</translation>
    </message>
    <message>
        <source>Words still possible after each guess: %1.</source>
        <translation>Focail atá fós féideartha tar éis gach tomhais: %1.</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>Tomh.</translation>
    </message>
    <message>
        <source>Pins</source>
        <translation>Pion.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Roimhe</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Ansin</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Fearr</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Gá</translation>
    </message>
    <message>
        <source>The best guess each time: %1. You: %2.</source>
        <translation>An tomhas is fearr gach uair: %1. Tusa: %2.</translation>
    </message>
    <message>
        <source>The word is not in the dictionary: the best guesses never find it.</source>
        <translation>Níl an focal san fhoclóir: ní aimsíonn na tomhais is fearr riamh é.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Uimhir</translation>
    </message>
</context>
</TS>
