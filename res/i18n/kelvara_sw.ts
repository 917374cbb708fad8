<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sw">
<context>
    <name>Menu</name>
    <message>
        <source>Info...</source>
        <translation>Taarifa...</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Kamusi</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programu</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sauti</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Mchezo mpya</translation>
    </message>
    <message>
        <source>Hi&amp;gh Scores...</source>
        <translation>Alama za &amp;juu...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>&amp;Takwimu...</translation>
    </message>
    <message>
        <source>&amp;Cheat...</source>
        <translation>&amp;Danganya...</translation>
    </message>
    <message>
        <source>Set Wo&amp;rd...</source>
        <translation>&amp;Weka neno...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>Ms&amp;aada...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ku&amp;husu...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>T&amp;oka</translation>
    </message>
    <message>
        <source>Hard &amp;Mode</source>
        <translation>Hali &amp;ngumu</translation>
    </message>
    <message>
        <source>H&amp;int...</source>
        <translation>K&amp;idokezo...</translation>
    </message>
    <message>
        <source>Re&amp;view Game...</source>
        <translation>Pitia m&amp;chezo...</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Please select your name:</source>
        <translation>Chagua jina lako:</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Andika jina lako:</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>Kamusi</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Msaada</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Chagua</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Ghairi</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ndiyo</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Hapana</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Mpya</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Futa</translation>
    </message>
    <message>
        <source>Are you sure you want to abort the current game?</source>
        <translation>Je, una uhakika unataka kuacha mchezo huu?</translation>
    </message>
    <message>
        <source>If you %1, the game must be restarted.
Abort the current game?</source>
        <translation>Ukitaka %1, itabidi mchezo uanze upya.
Je, unataka kuacha mchezo huu?</translation>
    </message>
    <message>
        <source>select another player</source>
        <translation>kuchagua mchezaji mwingine</translation>
    </message>
    <message>
        <source>select another dictionary</source>
        <translation>kuchagua kamusi nyingine</translation>
    </message>
    <message>
        <source>set the word</source>
        <translation>kuweka neno</translation>
    </message>
    <message>
        <source>Are you sure you want to delete player &apos;%1&apos;?</source>
        <translation>Je, una uhakika unataka kumfuta mchezaji &apos;%1&apos;?</translation>
    </message>
    <message>
        <source>Are you sure you want to cheat?</source>
        <translation>Je, una uhakika unataka kudanganya?</translation>
    </message>
    <message>
        <source>Don&apos;t you think it&apos;s more fun trying to guess it yourself?</source>
        <translation>Kukisia neno mwenyewe kunafurahisha zaidi. Je, ungependa kuendelea kujaribu?</translation>
    </message>
    <message>
        <source>OK, then... the word is &apos;%1&apos;</source>
        <translation>Haya basi... neno ni &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1!d! words</source>
        <translation>Maneno %1!d!</translation>
    </message>
    <message>
        <source>Try to guess the secret word!
For every guess, you&apos;ll get a number of pins: a black pin for every letter on the correct position, and a white pin for a letter correct but on the wrong position.</source>
        <translation>Jaribu kukisia neno la siri!
Kwa kila kisio, utapata vigingi kadhaa: kigingi cheusi kwa kila herufi iliyo mahali pake sahihi, na kigingi cheupe kwa herufi sahihi iliyo mahali pasipo sahihi.</translation>
    </message>
    <message>
        <source>Four black pins means they&apos;re all correct, and that&apos;s the end of the game. Hit the &apos;play&apos; button on the right to start another game.</source>
        <translation>Vigingi vinne vyeusi vinamaanisha kwamba herufi zote ni sahihi, na mchezo umekwisha. Bofya kitufe cha &apos;cheza&apos; kilicho upande wa kulia ili kuanza mchezo mwingine.</translation>
    </message>
    <message>
        <source>Tip: if you&apos;re really stuck, try holding the &apos;Shift&apos; key while clicking the &apos;Flag&apos; menu button...</source>
        <translation>Kidokezo: ukikwama kabisa, jaribu kushikilia kitufe cha &apos;Shift&apos; huku ukibofya kitufe cha menyu cha &apos;Bendera&apos;...</translation>
    </message>
    <message>
        <source>Keys: type the four letters and press Enter; Backspace steps back, Space clears a cell, the arrows move between cells. F2 starts a new game, F1 opens this help, the Menu key or Shift+F10 the flag menu (the Menu key with Shift adds Cheat, with Ctrl Set Word), Escape closes a window or ends the game.</source>
        <translation>Vitufe: andika herufi nne kisha bonyeza Enter; Backspace hurudi nyuma, kitufe cha nafasi hufuta kisanduku, mishale hukusogeza kati ya visanduku. F2 huanza mchezo mpya, F1 hufungua msaada huu, kitufe cha Menyu au Shift+F10 hufungua menyu ya bendera (kitufe cha Menyu pamoja na Shift huongeza &apos;Danganya&apos;, pamoja na Ctrl &apos;Weka neno&apos;), Escape hufunga dirisha au humaliza mchezo.</translation>
    </message>
    <message>
        <source>Enter word:</source>
        <translation>Andika neno:</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Alama za juu</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>&amp;Futa zote</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all high scores?</source>
        <translation>Je, una uhakika unataka kufuta alama zote za juu?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Jina</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Muda</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Ngazi</translation>
    </message>
    <message>
        <source>Lang</source>
        <translation>Lugha</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Neno</translation>
    </message>
    <message>
        <source>You&apos;ve got the Highest Score!!</source>
        <translation>Umepata alama ya juu kabisa!!</translation>
    </message>
    <message>
        <source>High Score: # %1!d!!</source>
        <translation>Alama za juu: nafasi ya %1!d!!</translation>
    </message>
    <message>
        <source>Menu: dictionaries, language, sound…</source>
        <translation>Menyu: kamusi, lugha, sauti…</translation>
    </message>
    <message>
        <source>Change the player</source>
        <translation>Badilisha mchezaji</translation>
    </message>
    <message>
        <source>Drop the guess onto the board (Enter)</source>
        <translation>Weka kisio ubaoni (Enter)</translation>
    </message>
    <message>
        <source>Start a new game (Enter)</source>
        <translation>Anza mchezo mpya (Enter)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Takwimu</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Kamusi zote</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Ushindi</translation>
    </message>
    <message>
        <source>Games abandoned</source>
        <translation>Michezo iliyoachwa</translation>
    </message>
    <message>
        <source>Current run of wins</source>
        <translation>Mfululizo wa sasa</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Muda bora</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Muda wa wastani</translation>
    </message>
    <message>
        <source>Best run of wins</source>
        <translation>Mfululizo bora</translation>
    </message>
    <message>
        <source>Won games by number of guesses</source>
        <translation>Ushindi kwa idadi ya makisio</translation>
    </message>
    <message>
        <source>Games won by number of guesses: %1.</source>
        <translation>Ushindi kwa idadi ya makisio: %1.</translation>
    </message>
    <message>
        <source>Last won game: %1.</source>
        <translation>Ushindi wa mwisho: %1.</translation>
    </message>
    <message>
        <source>No game won yet.</source>
        <translation>Bado hujashinda mchezo wowote.</translation>
    </message>
    <message>
        <source>1 guess</source>
        <translation>kisio 1</translation>
    </message>
    <message>
        <source>%1!d! guesses</source>
        <translation>makisio %1!d!</translation>
    </message>
    <message>
        <source>16 or more guesses</source>
        <translation>makisio 16 au zaidi</translation>
    </message>
    <message>
        <source>Letter %1</source>
        <translation>Herufi %1</translation>
    </message>
    <message>
        <source>Guess %1: %2, %3</source>
        <translation>Kisio %1: %2, %3</translation>
    </message>
    <message>
        <source>%1 right, %2 elsewhere</source>
        <translation>%1 sahihi, %2 mahali pengine</translation>
    </message>
    <message>
        <source>Dictionary: %1</source>
        <translation>Kamusi: %1</translation>
    </message>
    <message>
        <source>Drop the guess</source>
        <translation>Weka kisio</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Mchezo mpya</translation>
    </message>
    <message>
        <source>You found %1 with guess %2, in %3.</source>
        <translation>Umepata %1 kwa kisio la %2, kwa muda wa %3.</translation>
    </message>
    <message>
        <source>Dictionaries</source>
        <translation>Kamusi</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Maneno</translation>
    </message>
    <message>
        <source>Switches between capitals and small letters</source>
        <translation>Hubadilisha kati ya herufi kubwa na herufi ndogo</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Nafasi</translation>
    </message>
    <message>
        <source>A hint keeps this game out of the high scores and statistics. Take a hint?</source>
        <translation>Ukichukua kidokezo, mchezo huu hautahesabiwa katika alama za juu na takwimu. Je, unataka kidokezo?</translation>
    </message>
    <message>
        <source>Words still possible: %1!d!</source>
        <translation>Maneno bado yanayowezekana: %1!d!</translation>
    </message>
    <message>
        <source>One of them: %1</source>
        <translation>Mojawapo: %1</translation>
    </message>
    <message>
        <source>Hard mode: %1 contradicts guess %2.</source>
        <translation>Hali ngumu: %1 linapingana na kisio %2.</translation>
    </message>
    <message>
        <source>Games won in hard mode</source>
        <translation>Ushindi katika hali ngumu</translation>
    </message>
    <message>
        <source>F3 opens the review of a won game.</source>
        <translation>F3 hufungua mapitio ya ushindi wako.</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Mapitio</translation>
    </message>
    <message>
        <source>Words still possible after each guess</source>
        <translation>Maneno bado yanayowezekana baada ya kila kisio</translation>
    </message>
    <message>
        <source>Words still possible after each guess: %1.</source>
        <translation>Maneno bado yanayowezekana baada ya kila kisio: %1.</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>Kisio</translation>
    </message>
    <message>
        <source>Pins</source>
        <translation>Vig.</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Kabla</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Baada</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Bora</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Haja</translation>
    </message>
    <message>
        <source>The best guess each time: %1. You: %2.</source>
        <translation>Kisio bora kila mara: %1. Wewe: %2.</translation>
    </message>
    <message>
        <source>The word is not in the dictionary: the best guesses never find it.</source>
        <translation>Neno hili halimo kwenye kamusi: makisio bora hayalipati kamwe.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Nambari</translation>
    </message>
</context>
</TS>
