<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ClueGridModel</name>
    <message>
        <location filename="../editor/ui/ClueGrid.cpp" line="+37"/>
        <source>Clue of pair %1</source>
        <translation>Indice de la paire %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Puzzle of pair %1</source>
        <translation>Énigme de la paire %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Clue</source>
        <extracomment>A column heading of the editor&apos;s grid of pairs.</extracomment>
        <translation>Indice</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Puzzle</source>
        <translation>Énigme</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../common/ui/CommandLine.cpp" line="+81"/>
        <source>FILE</source>
        <extracomment>The name the help gives the game set named on the command line</extracomment>
        <translation>FICHIER</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A game set (.kazset) to open.</source>
        <translation>Une série (.kazset) à ouvrir.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>FOLDER</source>
        <extracomment>The name the help gives the value of --scores</extracomment>
        <translation>DOSSIER</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep the high-score table hs.lst in %1 for this run (it must exist).</source>
        <translation>Garde le tableau des meilleurs scores hs.lst dans %1 pour cette session (ce dossier doit exister).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Only one file can be opened.</source>
        <translation>Tu ne peux ouvrir qu&apos;un seul fichier.</translation>
    </message>
    <message>
        <location filename="../game/main.cpp" line="+27"/>
        <source>Kazoola, the word-puzzle game.</source>
        <translation>Kazoola, le jeu de lettres.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../game/ui/Form1.cpp" line="+169"/>
        <source>Clue:</source>
        <extracomment>The clue line before any game set is loaded</extracomment>
        <translation>Indice&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The clue to the hidden puzzle</source>
        <translation>L&apos;indice de l&apos;énigme cachée</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divider under the clue</source>
        <translation>Séparateur sous l&apos;indice</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The wheel&apos;s middle lamp: its colour decides the spin</source>
        <translation>La lampe du milieu de la roue&#xa0;: sa couleur décide du lancer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A lamp of the wheel</source>
        <translation>Une lampe de la roue</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Arrow pointing at lamp %1 of %2</source>
        <translation>Flèche vers la lampe %1 sur %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blinks when the wheel has stopped</source>
        <translation>Clignote quand la roue s&apos;est arrêtée</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solve</source>
        <comment>button</comment>
        <extracomment>The button that asks for the whole answer</extracomment>
        <translation>Résoudre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spin</source>
        <comment>button</comment>
        <extracomment>The button that turns the wheel</extracomment>
        <translation>Lancer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Type the whole answer (Enter)</source>
        <translation>Tape ta réponse en entier (Enter)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spin the wheel for a letter&apos;s value (Space)</source>
        <translation>Lance la roue pour savoir combien vaut une lettre (Space)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divider between the wheel and the letters</source>
        <translation>Séparateur entre la roue et les lettres</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Guess the letter %1 (or type it)</source>
        <translation>Choisis la lettre %1 (ou tape-la)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status: the last spin or guess, the score and the spins</source>
        <translation>État&#xa0;: le dernier lancer ou la dernière lettre, le score et les lancers</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The hidden puzzle: each hidden letter is read as blank, and gap marks a space between words</source>
        <translation>L&apos;énigme cachée&#xa0;: chaque lettre cachée se lit «&#xa0;vide&#xa0;», et «&#xa0;espace&#xa0;» marque un blanc entre deux mots</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open a KAZ Set to Play</source>
        <translation>Ouvrir une série KAZ pour jouer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KAZ Game Set</source>
        <extracomment>The file dialog&apos;s name for game set files</extracomment>
        <translation>Série KAZ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load A Game Set</source>
        <translation>&amp;Charger une série</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Game Set Information</source>
        <translation>&amp;Infos sur la série</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High &amp;Scores</source>
        <translation>&amp;Meilleurs scores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Full Screen</source>
        <translation>&amp;Plein écran</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sound</source>
        <extracomment>View menu: the game&apos;s sounds on or off</extracomment>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make the game window larger</source>
        <translation>Agrandit la fenêtre du jeu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make the game window smaller</source>
        <translation>Rétrécit la fenêtre du jeu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the game window at its designed size</source>
        <translation>Affiche la fenêtre du jeu à sa taille d&apos;origine</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fill the screen with the game (F11 or Esc to leave)</source>
        <translation>Le jeu remplit tout l&apos;écran (F11 ou Esc pour en sortir)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play the game&apos;s sounds</source>
        <translation>Joue les sons du jeu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About</source>
        <extracomment>The menu that holds Help and About</extracomment>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A&amp;bout The Game</source>
        <translation>À &amp;propos du jeu</translation>
    </message>
    <message>
        <location line="+135"/>
        <source>Status: no game set loaded</source>
        <translation>État&#xa0;: aucune série chargée</translation>
    </message>
    <message>
        <location filename="../game/ui/Form1View.cpp" line="+265"/>
        <source>Lamp %1 of %2: %3</source>
        <extracomment>%3 is the lamp&apos;s colour</extracomment>
        <translation>Lampe %1 sur %2&#xa0;: %3</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <location filename="../game/ui/Form2.cpp" line="+24"/>
        <source>Game Set Information</source>
        <translation>Infos sur la série</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Author&apos;s Name:</source>
        <translation>Nom de l&apos;auteur&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Title of Game Set:</source>
        <translation>Titre de la série&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date Last Edited:</source>
        <translation>Modifiée le&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number of Puzzles:</source>
        <translation>Énigmes&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Information:</source>
        <translation>Informations&#xa0;:</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <location filename="../game/ui/Form3.cpp" line="+46"/>
        <source>Name</source>
        <extracomment>The High Scores table&apos;s headings</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Game Set</source>
        <translation>Série</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>High Scores for KAZ</source>
        <translation>Meilleurs scores de KAZ</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;Done</source>
        <translation>&amp;Terminé</translation>
    </message>
</context>
<context>
    <name>GameMessages</name>
    <message>
        <location filename="../game/ui/GameMessages.cpp" line="+32"/>
        <source>There is not a Game Set Loaded!
Please load a game set first!</source>
        <translation>Aucune série n&apos;est chargée&#xa0;!
Charge d&apos;abord une série&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No Game Set Loaded!</source>
        <translation>Aucune série chargée&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is already a game in progress!
Are you sure you want to quit?</source>
        <translation>Une partie est déjà en cours&#xa0;!
Tu veux vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Really Quit?</source>
        <translation>Vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please guess a letter before spinning again.</source>
        <translation>Devine une lettre avant de relancer la roue.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pick A Letter</source>
        <translation>Choisis une lettre</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All of the letters in the puzzle have been uncovered.  Please solve the puzzle!</source>
        <translation>Toutes les lettres de l&apos;énigme sont découvertes. Résous l&apos;énigme&#xa0;!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Letters Are Showing</source>
        <translation>Toutes les lettres sont visibles</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I am sorry but you have lost all of your points!
Please roll again</source>
        <translation>Désolé, tu as perdu tous tes points&#xa0;!
Relance la roue</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All Points Lost!</source>
        <translation>Tout perdu&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before you can guess a letter, you must spin!</source>
        <translation>Avant de deviner une lettre, tu dois lancer la roue&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Spin First</source>
        <translation>Lance d&apos;abord la roue</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I am sorry, that letter was not found!</source>
        <translation>Désolé, cette lettre n&apos;est pas dans l&apos;énigme&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letter Not Found</source>
        <translation>Lettre absente</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You Got It!

It took %1 spin(s) for you
to solve this %2 letter puzzle.
Your final (adjusted) score is %3</source>
        <extracomment>%1 spins, %2 letters, %3 the final score</extracomment>
        <translation>Trouvé&#xa0;!

Tu as fait %1 lancer(s)
pour résoudre cette énigme de %2 lettres.
Ton score final (ajusté) est %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>congratulations</source>
        <translation>félicitations</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sorry, but that was not it.
You Entered: %1
The Puzzle was: %2</source>
        <extracomment>%1 the answer as typed, %2 the puzzle</extracomment>
        <translation>Dommage, ce n&apos;était pas ça.
Ta réponse&#xa0;: %1
L&apos;énigme était&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sorry!</source>
        <translation>Dommage&#xa0;!</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Please Enter Your Guess (And Watch Your Spelling!)</source>
        <translation>Tape ta réponse (et attention à l&apos;orthographe&#xa0;!)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter Your Answer</source>
        <translation>Ta réponse</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please Enter Your Name IN CASE You Qualify For The High Score Board.</source>
        <translation>Tape ton nom AU CAS OÙ tu entrerais dans le tableau des meilleurs scores.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High Score?</source>
        <translation>Meilleur score&#xa0;?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Kazoola - Game %1 of %2</source>
        <translation>Kazoola - Partie %1 sur %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clue: %1</source>
        <extracomment>The line under the puzzle board; the clue follows</extracomment>
        <translation>Indice&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Spin result: %1</source>
        <translation>Résultat du lancer&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Letter %1 not found</source>
        <translation>Lettre %1 absente</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Letter %1 found once</source>
        <translation>Lettre %1 trouvée une fois</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Letter %1 found %n times</source>
        <extracomment>Said for 2 or more</extracomment>
        <translation>
            <numerusform>Lettre %1 trouvée %n fois</numerusform>
            <numerusform>Lettre %1 trouvée %n fois</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Solved</source>
        <translation>Énigme résolue</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Puzzle board: no game</source>
        <translation>Panneau&#xa0;: aucune partie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, gap, </source>
        <extracomment>Between two words of the spoken board</extracomment>
        <translation>, espace, </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>blank</source>
        <extracomment>A hidden letter of the spoken board</extracomment>
        <translation>vide</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>, and %1 more words</source>
        <translation>, et encore %1 mots</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Puzzle board: %1</source>
        <extracomment>The board&apos;s letters, blanks and gaps follow</extracomment>
        <translation>Panneau&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>GameSetFile</name>
    <message>
        <location filename="../common/core/GameSetFile.cpp" line="+52"/>
        <source>line %1: the file ends where %2 was expected</source>
        <translation>ligne %1&#xa0;: le fichier s&apos;arrête avant %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>line %1: %2 has no closing double quote</source>
        <translation>ligne %1&#xa0;: il manque le guillemet double fermant pour %2</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>This file is not a usable game set:</source>
        <translation>Ce fichier n&apos;est pas une série utilisable&#xa0;:</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>the title</source>
        <translation>le titre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the author</source>
        <translation>l&apos;auteur</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the date</source>
        <translation>la date</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>line %1: a date like #2001-02-25# was expected</source>
        <translation>ligne %1&#xa0;: une date comme #2001-02-25# était attendue</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the information</source>
        <translation>les informations</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the number of puzzles</source>
        <translation>le nombre d&apos;énigmes</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>line %1: a number of puzzles from 1 to %2 was expected</source>
        <translation>ligne %1&#xa0;: un nombre d&apos;énigmes de 1 à %2 était attendu</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>clue %1</source>
        <translation>l&apos;indice %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>puzzle %1</source>
        <translation>l&apos;énigme %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>no file was chosen</source>
        <translation>aucun fichier n&apos;a été choisi</translation>
    </message>
    <message>
        <location filename="../common/core/GameSetFile.h" line="+55"/>
        <source>Game Set Not Loaded</source>
        <translation>Série non chargée</translation>
    </message>
</context>
<context>
    <name>HeadlessCommands</name>
    <message>
        <location filename="../editor/ui/HeadlessCommands.cpp" line="+30"/>
        <source>Usage:</source>
        <translation>Utilisation&#xa0;:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>no pair could be imported, so no game set was written</source>
        <translation>aucune paire n&apos;a pu être importée, donc aucune série n&apos;a été écrite</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>--pdf takes key or worksheet, not &quot;%1&quot;</source>
        <translation>--pdf attend key ou worksheet, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>makes a game set of a word list (CSV, TSV, .txt or KVTML)</source>
        <translation>crée une série à partir d&apos;une liste de mots (CSV, TSV, .txt ou KVTML)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>writes a game set&apos;s pairs as CSV</source>
        <translation>écrit les paires d&apos;une série en CSV</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>writes a game set&apos;s answer key or worksheet as PDF</source>
        <translation>écrit le corrigé ou la fiche d&apos;exercices d&apos;une série en PDF</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>these options do not make a command: %1</source>
        <translation>ces options ne forment pas une commande&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <location filename="../common/core/HelpPage.cpp" line="+136"/>
        <source>it holds a word longer than %1 characters</source>
        <translation>il contient un mot de plus de %1 caractères</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>it holds a size of more than %1 digits</source>
        <translation>il contient une taille de plus de %1 chiffres</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>it holds more than %1 elements</source>
        <translation>il contient plus de %1 éléments</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its tables hold more than %1 cells</source>
        <translation>ses tableaux contiennent plus de %1 cellules</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>it holds more than %1 tables</source>
        <translation>il contient plus de %1 tableaux</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its tables are nested more than %1 deep</source>
        <translation>ses tableaux sont imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it holds more than %1 lists</source>
        <translation>il contient plus de %1 listes</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its elements are nested more than %1 deep</source>
        <translation>ses éléments sont imbriqués sur plus de %1 niveaux</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the file is larger than %1 KiB</source>
        <translation>le fichier dépasse %1 Kio</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <location filename="../common/ui/HelpViewer.cpp" line="+19"/>
        <source>The help file could not be opened:
%1

%2</source>
        <translation>Impossible d&apos;ouvrir le fichier d&apos;aide&#xa0;:
%1

%2</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>%1 Help</source>
        <extracomment>%1 is the help file&apos;s name: &quot;Kaz Help&quot;</extracomment>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <location filename="../game/core/HighScores.cpp" line="+22"/>
        <source>the program&apos;s own folder could not be found</source>
        <translation>le dossier du programme est introuvable</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>High Scores Not Saved</source>
        <translation>Meilleurs scores non enregistrés</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>High Scores Not Read</source>
        <translation>Meilleurs scores non lus</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The high-score file could not be written:</source>
        <translation>Impossible d&apos;écrire le fichier des meilleurs scores&#xa0;:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The high-score file could not be read:</source>
        <translation>Impossible de lire le fichier des meilleurs scores&#xa0;:</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Not Played</source>
        <translation>Pas encore jouée</translation>
    </message>
</context>
<context>
    <name>ImportRules</name>
    <message>
        <location filename="../editor/core/ImportRules.cpp" line="+72"/>
        <source>1 entry was refused:</source>
        <translation>1 entrée refusée&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 entry was changed:</source>
        <translation>1 entrée modifiée&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line was refused:</source>
        <translation>1 ligne refusée&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line was changed:</source>
        <translation>1 ligne modifiée&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n entries were refused:</source>
        <translation>
            <numerusform>%n entrée refusée&#xa0;:</numerusform>
            <numerusform>%n entrées refusées&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n entries were changed:</source>
        <translation>
            <numerusform>%n entrée modifiée&#xa0;:</numerusform>
            <numerusform>%n entrées modifiées&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines were refused:</source>
        <translation>
            <numerusform>%n ligne refusée&#xa0;:</numerusform>
            <numerusform>%n lignes refusées&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines were changed:</source>
        <translation>
            <numerusform>%n ligne modifiée&#xa0;:</numerusform>
            <numerusform>%n lignes modifiées&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: %2</source>
        <extracomment>A refused or changed record: &quot;line 3: the clue is longer than 30 characters&quot;.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>and %1 more</source>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the clue is longer than 30 characters</source>
        <translation>l&apos;indice dépasse 30 caractères</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the puzzle is longer than 75 characters</source>
        <translation>l&apos;énigme dépasse 75 caractères</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an entry is empty</source>
        <translation>une case est vide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the puzzle is over 25 characters long without a space every 25 characters</source>
        <translation>l&apos;énigme dépasse 25 caractères sans espace tous les 25 caractères</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the set is full (101 pairs)</source>
        <translation>la série est pleine (101 paires)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the clue holds a digit, which the board cannot show</source>
        <translation>l&apos;indice contient un chiffre, que le panneau ne peut pas afficher</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the puzzle holds a digit, which the board cannot show</source>
        <translation>l&apos;énigme contient un chiffre, que le panneau ne peut pas afficher</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>punctuation became blanks</source>
        <translation>ponctuation remplacée par des espaces</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; is a letter the game cannot show</source>
        <translation>«&#xa0;%1&#xa0;» est une lettre que le jeu ne peut pas afficher</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>No pairs were added.</source>
        <translation>Aucune paire n&apos;a été ajoutée.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 pair was added.</source>
        <translation>1 paire a été ajoutée.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n pairs were added.</source>
        <translation>
            <numerusform>%n paire a été ajoutée.</numerusform>
            <numerusform>%n paires ont été ajoutées.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Import Pairs</source>
        <translation>Importer des paires</translation>
    </message>
</context>
<context>
    <name>KazCreate</name>
    <message>
        <location filename="../editor/main.cpp" line="+25"/>
        <source>KazCreate, the Kazoola game set editor.

Without a window:</source>
        <translation>KazCreate, l&apos;éditeur de séries de Kazoola.

Sans fenêtre&#xa0;:</translation>
    </message>
</context>
<context>
    <name>KazCreateMod</name>
    <message>
        <location filename="../editor/core/KazCreateMod.cpp" line="+19"/>
        <source>Your Name</source>
        <extracomment>Stands in the author box until the teacher types a name.</extracomment>
        <translation>Ton nom</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Title For Set</source>
        <extracomment>Stands in the title box until the teacher types a title.</extracomment>
        <translation>Titre de ta série</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enter whatever you want here.  Email, web pages, why you made the set, etc., etc. Up to 255 characters.</source>
        <extracomment>Stands in the information box; the box holds at most 255 characters.</extracomment>
        <translation>Écris ici ce que tu veux&#xa0;: e-mail, pages web, pourquoi tu as fait cette série, etc. Jusqu&apos;à 255 caractères.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>None Given</source>
        <extracomment>Saved as the author or title when the teacher left the box as it was.</extracomment>
        <translation>Non indiqué</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No information given</source>
        <translation>Aucune information</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter a clue to help the player solve the puzzle.</source>
        <translation>Écris un indice pour aider le joueur à résoudre l&apos;énigme.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter the puzzle to be solved here.</source>
        <translation>Écris ici l&apos;énigme à résoudre.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number of Clues in Set: 0</source>
        <translation>Indices dans la série&#xa0;: 0</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Number of clues in set: %1</source>
        <translation>Indices dans la série&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Are You Sure?<byte value="xd"/>
All unsaved puzzle data entered thus far will be lost!</source>
        <translation>Tu confirmes&#xa0;?<byte value="xd"/>
Tout ce qui n&apos;a pas été enregistré sera perdu&#xa0;!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ARE YOU SURE?</source>
        <translation>TU CONFIRMES&#xa0;?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>An entry is empty!<byte value="xd"/>
Please check them and try again!</source>
        <translation>Une case est vide&#xa0;!<byte value="xd"/>
Vérifie les cases et réessaie&#xa0;!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ERROR IN DATA</source>
        <translation>ERREUR DE SAISIE</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your Puzzle is over 25 characters long and it <byte value="xd"/>
does not have at LEAST one space every 25 character.<byte value="xd"/>
I am sorry, but I must ask that you modifiy it to allow for proper display.</source>
        <translation>Ton énigme fait plus de 25 caractères et <byte value="xd"/>
n&apos;a pas AU MOINS un espace tous les 25 caractères.<byte value="xd"/>
Désolé, mais tu dois la modifier pour qu&apos;elle s&apos;affiche bien.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bad Spacing</source>
        <translation>Mauvais espacement</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This set already holds 101 clues.<byte value="xd"/>
No more can be added.</source>
        <translation>Cette série contient déjà 101 indices.<byte value="xd"/>
Tu ne peux plus en ajouter.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Set Is Full</source>
        <translation>Série pleine</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Game Set Not Saved</source>
        <translation>Série non enregistrée</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save Your Game Set</source>
        <translation>Enregistrer ta série</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select a Game Set to Edit</source>
        <translation>Choisir une série à modifier</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>KAZ Game Set</source>
        <extracomment>The name of the file type in the file dialogs.</extracomment>
        <translation>Série KAZ</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>it holds more than %1 pairs</source>
        <translation>le fichier contient plus de %1 paires</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No pair was loaded; pair 1 and the pairs after it were not.</source>
        <translation>Aucune paire n&apos;a été chargée&#xa0;: ni la paire 1, ni les suivantes.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pairs 1 to %1 were loaded; pair %2 and the pairs after it were not.</source>
        <translation>Les paires 1 à %1 ont été chargées&#xa0;; la paire %2 et les suivantes, non.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pair %1 of this game set has an empty clue:</source>
        <translation>La paire %1 de cette série a un indice vide&#xa0;:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Game Set Partly Loaded</source>
        <translation>Série chargée en partie</translation>
    </message>
</context>
<context>
    <name>KazMod</name>
    <message>
        <location filename="../game/core/KazMod.cpp" line="+16"/>
        <source>Current Score: %1</source>
        <translation>Score actuel&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source># Of Spins So Far: %1</source>
        <translation>Nombre de lancers&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spin Value: %1</source>
        <translation>Valeur du lancer&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../common/ui/Language.cpp" line="+130"/>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Language</source>
        <translation>Langue du système</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <location filename="../common/core/SafeFile.cpp" line="+53"/>
        <source>it is a folder, not a file</source>
        <translation>c&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a named pipe (FIFO), not a regular file</source>
        <translation>c&apos;est un tube nommé (FIFO), pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a device, not a regular file</source>
        <translation>c&apos;est un périphérique, pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a socket, not a regular file</source>
        <translation>c&apos;est un socket, pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 MiB</source>
        <translation>%1 Mio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>it is a link that another user made, and such links are not followed</source>
        <translation>c&apos;est un lien créé par un autre utilisateur, et ces liens ne sont pas suivis</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>the file was replaced while it was being saved</source>
        <translation>le fichier a été remplacé pendant son enregistrement</translation>
    </message>
    <message>
        <location line="+34"/>
        <location line="+93"/>
        <source>no file was named</source>
        <translation>aucun fichier indiqué</translation>
    </message>
    <message>
        <location line="-82"/>
        <location line="+15"/>
        <source>the file could not be opened (%1)</source>
        <translation>le fichier n&apos;a pas pu être ouvert (%1)</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+23"/>
        <source>the file is larger than %1</source>
        <translation>le fichier dépasse %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the file could not be read (%1)</source>
        <translation>le fichier n&apos;a pas pu être lu (%1)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>it is not a folder</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <location line="+134"/>
        <source>its lock file %1 is in the way (%2)</source>
        <translation>son fichier de verrou %1 bloque l&apos;accès (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a link</source>
        <translation>c&apos;est un lien</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>another program or user holds a lock on %1 (its lock file %2 names process %3 on %4)</source>
        <translation>un autre programme ou utilisateur a verrouillé %1 (son fichier de verrou %2 indique le processus %3 sur %4)</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>another program or user holds a lock on %1</source>
        <translation>un autre programme ou utilisateur a verrouillé %1</translation>
    </message>
</context>
<context>
    <name>SameFile</name>
    <message>
        <location filename="../editor/core/SameFile.cpp" line="+24"/>
        <source>it is the same file as the input %1, which writing it would destroy</source>
        <translation>c&apos;est le fichier d&apos;entrée %1 lui-même&#xa0;: l&apos;écrire le détruirait</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <location filename="../game/core/Scoring.cpp" line="+62"/>
        <source>Final Score: %1</source>
        <translation>Score final&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SheetLayout</name>
    <message>
        <location filename="../editor/core/SheetLayout.cpp" line="+187"/>
        <source>Answer Key</source>
        <extracomment>The sheet with the puzzles written out, for the teacher.</extracomment>
        <translation>Corrigé</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Worksheet</source>
        <extracomment>The sheet with the puzzles hidden, for the pupils.</extracomment>
        <translation>Fiche d&apos;exercices</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>SheetPrinter</name>
    <message>
        <location filename="../editor/ui/SheetPrinter.cpp" line="+141"/>
        <source>the pages could not be drawn</source>
        <translation>les pages n&apos;ont pas pu être dessinées</translation>
    </message>
</context>
<context>
    <name>Wheel</name>
    <message>
        <location filename="../game/core/Wheel.cpp" line="+30"/>
        <source>All Points Lost</source>
        <comment>spin value</comment>
        <translation>Tout perdu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>100 Points</source>
        <comment>spin value</comment>
        <translation>100 points</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>200 Points</source>
        <comment>spin value</comment>
        <translation>200 points</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>300 Points</source>
        <comment>spin value</comment>
        <translation>300 points</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>400 Points</source>
        <comment>spin value</comment>
        <translation>400 points</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>500 Points</source>
        <comment>spin value</comment>
        <translation>500 points</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>50 Points</source>
        <comment>spin value</comment>
        <translation>50 points</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Double</source>
        <comment>spin value</comment>
        <translation>Double</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>black</source>
        <comment>lamp colour</comment>
        <translation>noir</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue</source>
        <comment>lamp colour</comment>
        <translation>bleu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green</source>
        <comment>lamp colour</comment>
        <translation>vert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan</source>
        <comment>lamp colour</comment>
        <translation>cyan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red</source>
        <comment>lamp colour</comment>
        <translation>rouge</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magenta</source>
        <comment>lamp colour</comment>
        <translation>magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dark yellow</source>
        <comment>lamp colour</comment>
        <translation>jaune foncé</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light grey</source>
        <comment>lamp colour</comment>
        <translation>gris clair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grey</source>
        <comment>lamp colour</comment>
        <translation>gris</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light blue</source>
        <comment>lamp colour</comment>
        <translation>bleu clair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light green</source>
        <comment>lamp colour</comment>
        <translation>vert clair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light cyan</source>
        <comment>lamp colour</comment>
        <translation>cyan clair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light red</source>
        <comment>lamp colour</comment>
        <translation>rouge clair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light magenta</source>
        <comment>lamp colour</comment>
        <translation>magenta clair</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yellow</source>
        <comment>lamp colour</comment>
        <translation>jaune</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>white</source>
        <comment>lamp colour</comment>
        <translation>blanc</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <location filename="../editor/core/WordList.cpp" line="+38"/>
        <source>it starts as UTF-16 text, but it is not valid UTF-16</source>
        <translation>le fichier commence comme du texte UTF-16, mais ce n&apos;est pas de l&apos;UTF-16 valide</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it holds a NUL character, so it is not a text file</source>
        <translation>le fichier contient un caractère NUL, ce n&apos;est donc pas un fichier texte</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it holds a NUL byte, so it is not a text file</source>
        <translation>le fichier contient un octet NUL, ce n&apos;est donc pas un fichier texte</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>line %1</source>
        <extracomment>Where a record of a word list stands, as the import report names it: &quot;line 3&quot;.</extracomment>
        <translation>ligne %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>there is no puzzle after the clue</source>
        <translation>il n&apos;y a pas d&apos;énigme après l&apos;indice</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>there is no clue after the puzzle</source>
        <translation>il n&apos;y a pas d&apos;indice après l&apos;énigme</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>there are more than two fields</source>
        <translation>il y a plus de deux champs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>there are more than %1 fields</source>
        <translation>il y a plus de %1 champs</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>line %1: a quoted field is never closed</source>
        <translation>ligne %1&#xa0;: un champ entre guillemets n&apos;est jamais fermé</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>its entities would expand to more than %1 MiB of text</source>
        <translation>ses entités donneraient plus de %1 Mio de texte</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>line %1: elements are nested more than %2 deep</source>
        <translation>ligne %1&#xa0;: les éléments sont imbriqués sur plus de %2 niveaux</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is not a KVTML word list (its first element is &lt;%1&gt;)</source>
        <translation>ce n&apos;est pas une liste de mots KVTML (son premier élément est &lt;%1&gt;)</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>entry %1</source>
        <extracomment>A KVTML word list&apos;s entry, by its id or else by its position: &quot;entry 7&quot;.</extracomment>
        <translation>entrée %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>entry at position %1</source>
        <translation>entrée en position %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the entity %1 is not defined in the file</source>
        <translation>l&apos;entité %1 n&apos;est pas définie dans le fichier</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>it is not valid XML (line %1, column %2: %3)</source>
        <translation>ce n&apos;est pas du XML valide (ligne %1, colonne %2&#xa0;: %3)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The title was cut to %1 characters.</source>
        <translation>Le titre a été coupé à %1 caractères.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The author was cut to %1 characters.</source>
        <translation>Le nom de l&apos;auteur a été coupé à %1 caractères.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The comment was cut to %1 characters.</source>
        <translation>Le commentaire a été coupé à %1 caractères.</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>line %1: &quot;%2&quot; names no separator</source>
        <translation>ligne %1&#xa0;: «&#xa0;%2&#xa0;» n&apos;indique aucun séparateur</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>the entity %1 is not one HTML knows</source>
        <translation>l&apos;entité %1 est inconnue en HTML</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../game/ui/frmAbout.cpp" line="+66"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les infos système ne sont pas disponibles pour le moment</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Contact the Author at %1</source>
        <translation>Pour contacter l&apos;auteur&#xa0;: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;System Info...</source>
        <translation>&amp;Infos système...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A freeware word game
Created by Orvendel
25 Feb 2001</source>
        <translation>Un jeu de lettres gratuit
Créé par Orvendel
25 février 2001</translation>
    </message>
</context>
<context>
    <name>frmAdd</name>
    <message>
        <location filename="../editor/ui/frmAdd.cpp" line="+22"/>
        <source>Edit a Clue</source>
        <translation>Modifier un indice</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add a Clue</source>
        <translation>Ajouter un indice</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A Clue Can Have No More Than 30 Characters</source>
        <translation>Un indice ne peut pas dépasser 30 caractères</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A Clue Can Have No More Than 75 Characters</source>
        <extracomment>The puzzle box&apos;s tooltip: a puzzle holds at most 75 characters.</extracomment>
        <translation>Une énigme ne peut pas dépasser 75 caractères</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>OK</source>
        <extracomment>The button that stores the pair: &quot;OK&quot; when editing one, &quot;Add&quot; for a new one.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clue:</source>
        <translation>Indice&#xa0;:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Puzzle:</source>
        <translation>Énigme&#xa0;:</translation>
    </message>
</context>
<context>
    <name>frmCreate</name>
    <message>
        <location filename="../editor/ui/frmCreate.cpp" line="+260"/>
        <source>KAZ Puzzle Set Creator</source>
        <translation>Créateur de séries KAZ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Clue To Puzzle Set</source>
        <translation>Ajouter un indice</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete This Clue</source>
        <translation>Supprimer cet indice</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <extracomment>A button: saves the game set.</extracomment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Set</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load Set</source>
        <translation>Charger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Author&apos;s Name:</source>
        <translation>Nom de l&apos;auteur&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Title of Puzzle Set:</source>
        <translation>Titre de la série&#xa0;:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information:</source>
        <translation>Informations&#xa0;:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How many clue and puzzle pairs the set holds</source>
        <translation>Le nombre de paires indice-énigme de la série</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clues and puzzles of the set</source>
        <translation>Les indices et les énigmes de la série</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One pair a row: the clue, then the puzzle (Delete removes it)</source>
        <translation>Une paire par ligne&#xa0;: l&apos;indice, puis l&apos;énigme (Delete la supprime)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Set</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load Set...</source>
        <translation>&amp;Charger...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import Pairs...</source>
        <translation>&amp;Importer des paires...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export Pairs...</source>
        <translation>E&amp;xporter les paires...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print...</source>
        <translation>Im&amp;primer...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export P&amp;DF...</source>
        <translation>Exporter en P&amp;DF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit This &amp;Clue</source>
        <translation>Modifier cet &amp;indice</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Import Pairs</source>
        <translation>Importer des paires</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Word lists</source>
        <extracomment>The name of the file types in the file dialog.</extracomment>
        <translation>Listes de mots</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>This word list could not be imported:</source>
        <translation>Impossible d&apos;importer cette liste de mots&#xa0;:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Export Pairs</source>
        <translation>Exporter les paires</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV file</source>
        <extracomment>The name of the file type in the file dialog.</extracomment>
        <translation>Fichier CSV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The pairs could not be exported:</source>
        <translation>Impossible d&apos;exporter les paires&#xa0;:</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Print</source>
        <extracomment>The title of the print dialogs.</extracomment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The sheet could not be printed.</source>
        <translation>Impossible d&apos;imprimer la feuille.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>PDF document</source>
        <extracomment>The name of the file type in the file dialog.</extracomment>
        <translation>Document PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The PDF could not be written:</source>
        <translation>Impossible d&apos;écrire le PDF&#xa0;:</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>The game set could not be saved:</source>
        <translation>Impossible d&apos;enregistrer la série&#xa0;:</translation>
    </message>
</context>
</TS>
