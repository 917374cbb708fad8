<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Menu</name>
    <message>
        <source>Info...</source>
        <translation>Infos...</translation>
    </message>
    <message>
        <source>&amp;Dictionary</source>
        <translation>&amp;Dictionnaire</translation>
    </message>
    <message>
        <source>&amp;Program</source>
        <translation>&amp;Programme</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Hi&amp;gh Scores...</source>
        <translation>&amp;Meilleurs scores...</translation>
    </message>
    <message>
        <source>S&amp;tatistics...</source>
        <translation>S&amp;tatistiques...</translation>
    </message>
    <message>
        <source>&amp;Cheat...</source>
        <translation>T&amp;richer...</translation>
    </message>
    <message>
        <source>Set Wo&amp;rd...</source>
        <translation>&amp;Choisir le mot...</translation>
    </message>
    <message>
        <source>&amp;Help...</source>
        <translation>&amp;Aide...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À pr&amp;opos...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Hard &amp;Mode</source>
        <translation>Mode di&amp;fficile</translation>
    </message>
    <message>
        <source>H&amp;int...</source>
        <translation>&amp;Indice...</translation>
    </message>
    <message>
        <source>Re&amp;view Game...</source>
        <translation>Re&amp;voir la partie...</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Please select your name:</source>
        <translation>Choisis ton nom&#xa0;:</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Saisis ton nom&#xa0;:</translation>
    </message>
    <message>
        <source>Dictionary</source>
        <translation>Dictionnaire</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;Select</source>
        <translation>&amp;Valider</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Créer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Suppr.</translation>
    </message>
    <message>
        <source>Are you sure you want to abort the current game?</source>
        <translation>Veux-tu vraiment abandonner la partie en cours&#xa0;?</translation>
    </message>
    <message>
        <source>If you %1, the game must be restarted.
Abort the current game?</source>
        <translation>Si tu %1, la partie doit recommencer.
Abandonner la partie en cours&#xa0;?</translation>
    </message>
    <message>
        <source>select another player</source>
        <translation>choisis un autre joueur</translation>
    </message>
    <message>
        <source>select another dictionary</source>
        <translation>choisis un autre dictionnaire</translation>
    </message>
    <message>
        <source>set the word</source>
        <translation>choisis le mot</translation>
    </message>
    <message>
        <source>Are you sure you want to delete player &apos;%1&apos;?</source>
        <translation>Veux-tu vraiment supprimer le joueur «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>Are you sure you want to cheat?</source>
        <translation>Veux-tu vraiment tricher&#xa0;?</translation>
    </message>
    <message>
        <source>Don&apos;t you think it&apos;s more fun trying to guess it yourself?</source>
        <translation>C&apos;est bien plus amusant de trouver le mot toi-même&#xa0;! Tu préfères continuer à chercher&#xa0;?</translation>
    </message>
    <message>
        <source>OK, then... the word is &apos;%1&apos;</source>
        <translation>Bon, d&apos;accord... le mot est «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>%1!d! words</source>
        <translation>%1!d! mots</translation>
    </message>
    <message>
        <source>Try to guess the secret word!
For every guess, you&apos;ll get a number of pins: a black pin for every letter on the correct position, and a white pin for a letter correct but on the wrong position.</source>
        <translation>Essaie de deviner le mot secret&#xa0;!
Pour chaque essai, tu reçois des pions&#xa0;: un pion noir pour chaque lettre à la bonne place, et un pion blanc pour chaque lettre correcte mais mal placée.</translation>
    </message>
    <message>
        <source>Four black pins means they&apos;re all correct, and that&apos;s the end of the game. Hit the &apos;play&apos; button on the right to start another game.</source>
        <translation>Quatre pions noirs&#xa0;: toutes les lettres sont justes, et la partie est terminée. Clique sur le bouton «&#xa0;jouer&#xa0;» à droite pour commencer une nouvelle partie.</translation>
    </message>
    <message>
        <source>Tip: if you&apos;re really stuck, try holding the &apos;Shift&apos; key while clicking the &apos;Flag&apos; menu button...</source>
        <translation>Astuce&#xa0;: si tu es vraiment bloqué, essaie de maintenir la touche «&#xa0;Maj&#xa0;» enfoncée en cliquant sur le drapeau, le bouton du menu...</translation>
    </message>
    <message>
        <source>Keys: type the four letters and press Enter; Backspace steps back, Space clears a cell, the arrows move between cells. F2 starts a new game, F1 opens this help, the Menu key or Shift+F10 the flag menu (the Menu key with Shift adds Cheat, with Ctrl Set Word), Escape closes a window or ends the game.</source>
        <translation>Touches&#xa0;: tape les quatre lettres et appuie sur Entrée&#xa0;; Retour arrière recule d&apos;une case, Espace vide une case, les flèches passent d&apos;une case à l&apos;autre. F2 lance une nouvelle partie, F1 ouvre cette aide, la touche Menu ou Maj+F10 le menu du drapeau (la touche Menu avec Maj ajoute Tricher, avec Ctrl Choisir le mot), Échap ferme une fenêtre ou quitte le jeu.</translation>
    </message>
    <message>
        <source>Enter word:</source>
        <translation>Saisis le mot&#xa0;:</translation>
    </message>
    <message>
        <source>High Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>&amp;Clear All</source>
        <translation>Tout &amp;effacer</translation>
    </message>
    <message>
        <source>Are you sure you want to remove all high scores?</source>
        <translation>Veux-tu vraiment effacer tous les meilleurs scores&#xa0;?</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niv.</translation>
    </message>
    <message>
        <source>Lang</source>
        <translation>Lang</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Mot</translation>
    </message>
    <message>
        <source>You&apos;ve got the Highest Score!!</source>
        <translation>Tu as le meilleur score&#xa0;!!</translation>
    </message>
    <message>
        <source>High Score: # %1!d!!</source>
        <translation>%1!d!e meilleur score&#xa0;!</translation>
    </message>
    <message>
        <source>Menu: dictionaries, language, sound…</source>
        <translation>Menu&#xa0;: dictionnaires, langue, son…</translation>
    </message>
    <message>
        <source>Change the player</source>
        <translation>Changer de joueur</translation>
    </message>
    <message>
        <source>Drop the guess onto the board (Enter)</source>
        <translation>Poser l&apos;essai sur le plateau (Entrée)</translation>
    </message>
    <message>
        <source>Start a new game (Enter)</source>
        <translation>Commencer une nouvelle partie (Entrée)</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Games won</source>
        <translation>Victoires</translation>
    </message>
    <message>
        <source>Games abandoned</source>
        <translation>Abandons</translation>
    </message>
    <message>
        <source>Current run of wins</source>
        <translation>Série en cours</translation>
    </message>
    <message>
        <source>Best time</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Average time</source>
        <translation>Temps moyen</translation>
    </message>
    <message>
        <source>Best run of wins</source>
        <translation>Meilleure série</translation>
    </message>
    <message>
        <source>Won games by number of guesses</source>
        <translation>Victoires par nombre d&apos;essais</translation>
    </message>
    <message>
        <source>Games won by number of guesses: %1.</source>
        <translation>Victoires par nombre d&apos;essais&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Last won game: %1.</source>
        <translation>Dernière victoire&#xa0;: %1.</translation>
    </message>
    <message>
        <source>No game won yet.</source>
        <translation>Pas encore de victoire.</translation>
    </message>
    <message>
        <source>1 guess</source>
        <translation>1 essai</translation>
    </message>
    <message>
        <source>%1!d! guesses</source>
        <translation>%1!d! essais</translation>
    </message>
    <message>
        <source>16 or more guesses</source>
        <translation>16 essais ou plus</translation>
    </message>
    <message>
        <source>Letter %1</source>
        <translation>Lettre %1</translation>
    </message>
    <message>
        <source>Guess %1: %2, %3</source>
        <translation>Essai %1&#xa0;: %2, %3</translation>
    </message>
    <message>
        <source>%1 right, %2 elsewhere</source>
        <translation>%1 à la bonne place, %2 ailleurs</translation>
    </message>
    <message>
        <source>Dictionary: %1</source>
        <translation>Dictionnaire&#xa0;: %1</translation>
    </message>
    <message>
        <source>Drop the guess</source>
        <translation>Poser l&apos;essai</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>You found %1 with guess %2, in %3.</source>
        <translation>Tu as trouvé %1 à l&apos;essai %2, en %3.</translation>
    </message>
    <message>
        <source>Dictionaries</source>
        <translation>Dictionnaires</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Mots</translation>
    </message>
    <message>
        <source>Switches between capitals and small letters</source>
        <translation>Bascule entre majuscules et minuscules</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>A hint keeps this game out of the high scores and statistics. Take a hint?</source>
        <translation>Un indice exclut cette partie des meilleurs scores et des statistiques. Veux-tu un indice ?</translation>
    </message>
    <message>
        <source>Words still possible: %1!d!</source>
        <translation>Mots encore possibles : %1!d!</translation>
    </message>
    <message>
        <source>One of them: %1</source>
        <translation>L&apos;un d&apos;eux : %1</translation>
    </message>
    <message>
        <source>Hard mode: %1 contradicts guess %2.</source>
        <translation>Mode difficile : %1 contredit l&apos;essai %2.</translation>
    </message>
    <message>
        <source>Games won in hard mode</source>
        <translation>Victoires en mode difficile</translation>
    </message>
    <message>
        <source>F3 opens the review of a won game.</source>
        <translation>F3 ouvre la revue d&apos;une partie gagnée.</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Revue de la partie</translation>
    </message>
    <message>
        <source>Words still possible after each guess</source>
        <translation>Mots encore possibles après chaque essai</translation>
    </message>
    <message>
        <source>Words still possible after each guess: %1.</source>
        <translation>Mots encore possibles après chaque essai : %1.</translation>
    </message>
    <message>
        <source>Guess</source>
        <translation>Essai</translation>
    </message>
    <message>
        <source>Pins</source>
        <translation>Pions</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Avant</translation>
    </message>
    <message>
        <source>After</source>
        <translation>Après</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Idéal</translation>
    </message>
    <message>
        <source>Needs</source>
        <translation>Coups</translation>
    </message>
    <message>
        <source>The best guess each time: %1. You: %2.</source>
        <translation>Avec le meilleur essai à chaque fois : %1. Toi : %2.</translation>
    </message>
    <message>
        <source>The word is not in the dictionary: the best guesses never find it.</source>
        <translation>Le mot n&apos;est pas dans le dictionnaire : les meilleurs essais ne le trouvent jamais.</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
</context>
</TS>
