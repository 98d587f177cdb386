<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ClueGridModel</name>
    <message>
        <location filename="../editor/ui/ClueGrid.cpp" line="+37"/>
        <source>Clue of pair %1</source>
        <translation>Indizio della coppia %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Puzzle of pair %1</source>
        <translation>Enigma della coppia %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Clue</source>
        <extracomment>A column heading of the editor&apos;s grid of pairs.</extracomment>
        <translation>Indizio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Puzzle</source>
        <translation>Enigma</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../common/ui/CommandLine.cpp" line="+81"/>
        <source>FILE</source>
        <extracomment>The name the help gives the game set named on the command line</extracomment>
        <translation>FILE</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A game set (.kazset) to open.</source>
        <translation>Una raccolta (.kazset) da aprire.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>FOLDER</source>
        <extracomment>The name the help gives the value of --scores</extracomment>
        <translation>CARTELLA</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep the high-score table hs.lst in %1 for this run (it must exist).</source>
        <translation>Per questa volta, usa la tabella dei record hs.lst in %1 (la cartella deve esistere).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Only one file can be opened.</source>
        <translation>Si può aprire un solo file.</translation>
    </message>
    <message>
        <location filename="../game/main.cpp" line="+27"/>
        <source>Kazoola, the word-puzzle game.</source>
        <translation>Kazoola, il gioco di parole da indovinare.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../game/ui/Form1.cpp" line="+169"/>
        <source>Clue:</source>
        <extracomment>The clue line before any game set is loaded</extracomment>
        <translation>Indizio:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The clue to the hidden puzzle</source>
        <translation>L&apos;indizio per l&apos;enigma nascosto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divider under the clue</source>
        <translation>Separatore sotto l&apos;indizio</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The wheel&apos;s middle lamp: its colour decides the spin</source>
        <translation>La luce centrale della ruota: il suo colore dà il valore del giro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A lamp of the wheel</source>
        <translation>Una luce della ruota</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Arrow pointing at lamp %1 of %2</source>
        <translation>Freccia che indica la luce %1 di %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blinks when the wheel has stopped</source>
        <translation>Lampeggia quando la ruota si ferma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solve</source>
        <comment>button</comment>
        <extracomment>The button that asks for the whole answer</extracomment>
        <translation>Risolvi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spin</source>
        <comment>button</comment>
        <extracomment>The button that turns the wheel</extracomment>
        <translation>Gira</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Type the whole answer (Enter)</source>
        <translation>Scrivi la risposta intera (Enter)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spin the wheel for a letter&apos;s value (Space)</source>
        <translation>Gira la ruota per il valore di una lettera (Space)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divider between the wheel and the letters</source>
        <translation>Separatore tra la ruota e le lettere</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Guess the letter %1 (or type it)</source>
        <translation>Prova la lettera %1 (o scrivila)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status: the last spin or guess, the score and the spins</source>
        <translation>Stato: l&apos;ultimo giro o tentativo, il punteggio e i giri</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The hidden puzzle: each hidden letter is read as blank, and gap marks a space between words</source>
        <translation>L&apos;enigma nascosto: ogni lettera nascosta si legge vuoto, e spazio indica lo stacco tra due parole</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open a KAZ Set to Play</source>
        <translation>Apri una raccolta KAZ da giocare</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KAZ Game Set</source>
        <extracomment>The file dialog&apos;s name for game set files</extracomment>
        <translation>Raccolta KAZ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load A Game Set</source>
        <translation>&amp;Carica raccolta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Game Set Information</source>
        <translation>&amp;Info sulla raccolta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High &amp;Scores</source>
        <translation>&amp;Record</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Actual Size</source>
        <translation>&amp;Dimensioni reali</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Full Screen</source>
        <translation>&amp;Schermo intero</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sound</source>
        <extracomment>View menu: the game&apos;s sounds on or off</extracomment>
        <translation>S&amp;uoni</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make the game window larger</source>
        <translation>Ingrandisci la finestra del gioco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make the game window smaller</source>
        <translation>Rimpicciolisci la finestra del gioco</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the game window at its designed size</source>
        <translation>Mostra la finestra del gioco nella sua misura originale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fill the screen with the game (F11 or Esc to leave)</source>
        <translation>Gioca a tutto schermo (F11 o Esc per uscire)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play the game&apos;s sounds</source>
        <translation>Attiva i suoni del gioco</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About</source>
        <extracomment>The menu that holds Help and About</extracomment>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A&amp;bout The Game</source>
        <translation>&amp;Info sul gioco</translation>
    </message>
    <message>
        <location line="+135"/>
        <source>Status: no game set loaded</source>
        <translation>Stato: nessuna raccolta caricata</translation>
    </message>
    <message>
        <location filename="../game/ui/Form1View.cpp" line="+265"/>
        <source>Lamp %1 of %2: %3</source>
        <extracomment>%3 is the lamp&apos;s colour</extracomment>
        <translation>Luce %1 di %2: %3</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <location filename="../game/ui/Form2.cpp" line="+24"/>
        <source>Game Set Information</source>
        <translation>Info sulla raccolta</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Author&apos;s Name:</source>
        <translation>Nome dell&apos;autore:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Title of Game Set:</source>
        <translation>Titolo della raccolta:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date Last Edited:</source>
        <translation>Ultima modifica:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number of Puzzles:</source>
        <translation>Numero di enigmi:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Information:</source>
        <translation>Informazioni:</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Score</source>
        <translation>Punteggio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Game Set</source>
        <translation>Raccolta</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>High Scores for KAZ</source>
        <translation>Record di KAZ</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;Done</source>
        <translation>&amp;Fatto</translation>
    </message>
</context>
<context>
    <name>GameMessages</name>
    <message>
        <location filename="../game/ui/GameMessages.cpp" line="+32"/>
        <source>There is not a Game Set Loaded!
Please load a game set first!</source>
        <translation>Non c&apos;è nessuna raccolta caricata!
Prima carica una raccolta!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No Game Set Loaded!</source>
        <translation>Nessuna raccolta caricata!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is already a game in progress!
Are you sure you want to quit?</source>
        <translation>C&apos;è già una partita in corso!
Vuoi davvero abbandonarla?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Really Quit?</source>
        <translation>Lasci la partita?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please guess a letter before spinning again.</source>
        <translation>Scegli una lettera prima di girare di nuovo.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pick A Letter</source>
        <translation>Scegli una lettera</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All of the letters in the puzzle have been uncovered.  Please solve the puzzle!</source>
        <translation>Tutte le lettere dell&apos;enigma sono scoperte.  Ora risolvi l&apos;enigma!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Letters Are Showing</source>
        <translation>Tutte le lettere sono scoperte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I am sorry but you have lost all of your points!
Please roll again</source>
        <translation>Mi dispiace, hai perso tutti i tuoi punti!
Gira di nuovo</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All Points Lost!</source>
        <translation>Tutti i punti persi!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before you can guess a letter, you must spin!</source>
        <translation>Prima di provare una lettera, devi girare la ruota!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Spin First</source>
        <translation>Prima gira la ruota</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I am sorry, that letter was not found!</source>
        <translation>Mi dispiace, quella lettera non c&apos;è!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letter Not Found</source>
        <translation>Lettera non trovata</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You Got It!

It took %1 spin(s) for you
to solve this %2 letter puzzle.
Your final (adjusted) score is %3</source>
        <extracomment>%1 spins, %2 letters, %3 the final score</extracomment>
        <translation>Indovinato!

Giri fatti: %1
Lettere dell&apos;enigma: %2
Il tuo punteggio finale (ricalcolato) è %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>congratulations</source>
        <translation>complimenti</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sorry, but that was not it.
You Entered: %1
The Puzzle was: %2</source>
        <extracomment>%1 the answer as typed, %2 the puzzle</extracomment>
        <translation>Peccato, la risposta non è giusta.
Hai scritto: %1
L&apos;enigma era: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sorry!</source>
        <translation>Peccato!</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Please Enter Your Guess (And Watch Your Spelling!)</source>
        <translation>Scrivi la tua risposta (e occhio all&apos;ortografia!)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter Your Answer</source>
        <translation>La tua risposta</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please Enter Your Name IN CASE You Qualify For The High Score Board.</source>
        <translation>Scrivi il tuo nome CASOMAI entrassi nella tabella dei record.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High Score?</source>
        <translation>Record?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Kazoola - Game %1 of %2</source>
        <translation>Kazoola - Partita %1 di %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clue: %1</source>
        <extracomment>The line under the puzzle board; the clue follows</extracomment>
        <translation>Indizio: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Spin result: %1</source>
        <translation>Esito del giro: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Letter %1 not found</source>
        <translation>Lettera %1 non trovata</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Letter %1 found once</source>
        <translation>Lettera %1 trovata una volta</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Letter %1 found %n times</source>
        <extracomment>Said for 2 or more</extracomment>
        <translation>
            <numerusform>Lettera %1 trovata %n volta</numerusform>
            <numerusform>Lettera %1 trovata %n volte</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Solved</source>
        <translation>Risolto</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Puzzle board: no game</source>
        <translation>Tabellone: nessuna partita</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, gap, </source>
        <extracomment>Between two words of the spoken board</extracomment>
        <translation>, spazio, </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>blank</source>
        <extracomment>A hidden letter of the spoken board</extracomment>
        <translation>vuoto</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>, and %1 more words</source>
        <translation>, e altre %1 parole</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Puzzle board: %1</source>
        <extracomment>The board&apos;s letters, blanks and gaps follow</extracomment>
        <translation>Tabellone: %1</translation>
    </message>
</context>
<context>
    <name>GameSetFile</name>
    <message>
        <location filename="../common/core/GameSetFile.cpp" line="+52"/>
        <source>line %1: the file ends where %2 was expected</source>
        <translation>riga %1: il file finisce dove ci si aspettava %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>line %1: %2 has no closing double quote</source>
        <translation>riga %1: manca la virgoletta doppia che chiude %2</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>This file is not a usable game set:</source>
        <translation>Questo file non è una raccolta utilizzabile:</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>the title</source>
        <translation>il titolo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the author</source>
        <translation>l&apos;autore</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the date</source>
        <translation>la data</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>line %1: a date like #2001-02-25# was expected</source>
        <translation>riga %1: ci si aspettava una data come #2001-02-25#</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the information</source>
        <translation>le informazioni</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the number of puzzles</source>
        <translation>il numero di enigmi</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>line %1: a number of puzzles from 1 to %2 was expected</source>
        <translation>riga %1: ci si aspettava un numero di enigmi da 1 a %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>clue %1</source>
        <translation>l&apos;indizio %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>puzzle %1</source>
        <translation>l&apos;enigma %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>no file was chosen</source>
        <translation>nessun file scelto</translation>
    </message>
    <message>
        <location filename="../common/core/GameSetFile.h" line="+55"/>
        <source>Game Set Not Loaded</source>
        <translation>Raccolta non caricata</translation>
    </message>
</context>
<context>
    <name>HeadlessCommands</name>
    <message>
        <location filename="../editor/ui/HeadlessCommands.cpp" line="+30"/>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>no pair could be imported, so no game set was written</source>
        <translation>non è stato possibile importare nessuna coppia, quindi non è stata scritta nessuna raccolta</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>--pdf takes key or worksheet, not &quot;%1&quot;</source>
        <translation>--pdf accetta key o worksheet, non &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>makes a game set of a word list (CSV, TSV, .txt or KVTML)</source>
        <translation>crea una raccolta da un elenco di parole (CSV, TSV, .txt o KVTML)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>writes a game set&apos;s pairs as CSV</source>
        <translation>scrive in CSV le coppie di una raccolta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>writes a game set&apos;s answer key or worksheet as PDF</source>
        <translation>scrive in PDF le soluzioni o la scheda esercizi di una raccolta</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>these options do not make a command: %1</source>
        <translation>queste opzioni non formano un comando: %1</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <location filename="../common/core/HelpPage.cpp" line="+136"/>
        <source>it holds a word longer than %1 characters</source>
        <translation>contiene una parola più lunga di %1 caratteri</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>it holds a size of more than %1 digits</source>
        <translation>contiene una misura di più di %1 cifre</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>it holds more than %1 elements</source>
        <translation>contiene più di %1 elementi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its tables hold more than %1 cells</source>
        <translation>le sue tabelle hanno più di %1 celle</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>it holds more than %1 tables</source>
        <translation>contiene più di %1 tabelle</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its tables are nested more than %1 deep</source>
        <translation>le sue tabelle sono annidate su più di %1 livelli</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it holds more than %1 lists</source>
        <translation>contiene più di %1 elenchi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its elements are nested more than %1 deep</source>
        <translation>i suoi elementi sono annidati su più di %1 livelli</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the file is larger than %1 KiB</source>
        <translation>il file supera %1 KiB</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <location filename="../common/ui/HelpViewer.cpp" line="+19"/>
        <source>The help file could not be opened:
%1

%2</source>
        <translation>Non è stato possibile aprire il file della guida:
%1

%2</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>%1 Help</source>
        <extracomment>%1 is the help file&apos;s name: &quot;Kaz Help&quot;</extracomment>
        <translation>Guida di %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <location filename="../game/core/HighScores.cpp" line="+22"/>
        <source>the program&apos;s own folder could not be found</source>
        <translation>non è stato possibile trovare la cartella del programma</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>High Scores Not Saved</source>
        <translation>Record non salvati</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>High Scores Not Read</source>
        <translation>Record non letti</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The high-score file could not be written:</source>
        <translation>Non è stato possibile scrivere il file dei record:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The high-score file could not be read:</source>
        <translation>Non è stato possibile leggere il file dei record:</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Not Played</source>
        <translation>Non giocata</translation>
    </message>
</context>
<context>
    <name>ImportRules</name>
    <message>
        <location filename="../editor/core/ImportRules.cpp" line="+72"/>
        <source>1 entry was refused:</source>
        <translation>1 voce è stata scartata:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 entry was changed:</source>
        <translation>1 voce è stata modificata:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line was refused:</source>
        <translation>1 riga è stata scartata:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line was changed:</source>
        <translation>1 riga è stata modificata:</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n entries were refused:</source>
        <translation>
            <numerusform>%n voce è stata scartata:</numerusform>
            <numerusform>%n voci sono state scartate:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n entries were changed:</source>
        <translation>
            <numerusform>%n voce è stata modificata:</numerusform>
            <numerusform>%n voci sono state modificate:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines were refused:</source>
        <translation>
            <numerusform>%n riga è stata scartata:</numerusform>
            <numerusform>%n righe sono state scartate:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines were changed:</source>
        <translation>
            <numerusform>%n riga è stata modificata:</numerusform>
            <numerusform>%n righe sono state modificate:</numerusform>
        </translation>
    </message>
    <message>
        <location line="+10"/>
        <source>%1: %2</source>
        <extracomment>A refused or changed record: &quot;line 3: the clue is longer than 30 characters&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>and %1 more</source>
        <translation>e altre %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the clue is longer than 30 characters</source>
        <translation>l&apos;indizio supera i 30 caratteri</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the puzzle is longer than 75 characters</source>
        <translation>l&apos;enigma supera i 75 caratteri</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an entry is empty</source>
        <translation>un campo è vuoto</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the puzzle is over 25 characters long without a space every 25 characters</source>
        <translation>l&apos;enigma supera i 25 caratteri senza uno spazio ogni 25 caratteri</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the set is full (101 pairs)</source>
        <translation>la raccolta è piena (101 coppie)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the clue holds a digit, which the board cannot show</source>
        <translation>l&apos;indizio contiene una cifra, che il tabellone non può mostrare</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the puzzle holds a digit, which the board cannot show</source>
        <translation>l&apos;enigma contiene una cifra, che il tabellone non può mostrare</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>punctuation became blanks</source>
        <translation>punteggiatura cambiata in spazi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; is a letter the game cannot show</source>
        <translation>&quot;%1&quot; è una lettera che il gioco non può mostrare</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>No pairs were added.</source>
        <translation>Nessuna coppia aggiunta.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 pair was added.</source>
        <translation>È stata aggiunta 1 coppia.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n pairs were added.</source>
        <translation>
            <numerusform>È stata aggiunta %n coppia.</numerusform>
            <numerusform>Sono state aggiunte %n coppie.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Import Pairs</source>
        <translation>Importa coppie</translation>
    </message>
</context>
<context>
    <name>KazCreate</name>
    <message>
        <location filename="../editor/main.cpp" line="+25"/>
        <source>KazCreate, the Kazoola game set editor.

Without a window:</source>
        <translation>KazCreate, l&apos;editor di raccolte di Kazoola.

Senza finestra:</translation>
    </message>
</context>
<context>
    <name>KazCreateMod</name>
    <message>
        <location filename="../editor/core/KazCreateMod.cpp" line="+19"/>
        <source>Your Name</source>
        <extracomment>Stands in the author box until the teacher types a name.</extracomment>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Title For Set</source>
        <extracomment>Stands in the title box until the teacher types a title.</extracomment>
        <translation>Scrivi un titolo</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enter whatever you want here.  Email, web pages, why you made the set, etc., etc. Up to 255 characters.</source>
        <extracomment>Stands in the information box; the box holds at most 255 characters.</extracomment>
        <translation>Scrivi qui quello che vuoi.  Email, pagine web, perché hai creato la raccolta, ecc. ecc. Fino a 255 caratteri.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>None Given</source>
        <extracomment>Saved as the author or title when the teacher left the box as it was.</extracomment>
        <translation>Non indicato</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No information given</source>
        <translation>Nessuna informazione</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter a clue to help the player solve the puzzle.</source>
        <translation>Scrivi un indizio che aiuti a risolvere l&apos;enigma.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter the puzzle to be solved here.</source>
        <translation>Scrivi qui l&apos;enigma da risolvere.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number of Clues in Set: 0</source>
        <translation>Indizi nella raccolta: 0</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Number of clues in set: %1</source>
        <translation>Indizi nella raccolta: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Are You Sure?<byte value="xd"/>
All unsaved puzzle data entered thus far will be lost!</source>
        <translation>Confermi?<byte value="xd"/>
Tutti i dati inseriti finora e non salvati andranno persi!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ARE YOU SURE?</source>
        <translation>CONFERMI?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>An entry is empty!<byte value="xd"/>
Please check them and try again!</source>
        <translation>Un campo è vuoto!<byte value="xd"/>
Controlla i campi e riprova!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ERROR IN DATA</source>
        <translation>ERRORE NEI DATI</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your Puzzle is over 25 characters long and it <byte value="xd"/>
does not have at LEAST one space every 25 character.<byte value="xd"/>
I am sorry, but I must ask that you modifiy it to allow for proper display.</source>
        <translation>Il tuo enigma è lungo più di 25 caratteri e <byte value="xd"/>
non ha ALMENO uno spazio ogni 25 caratteri.<byte value="xd"/>
Mi dispiace, ma devi modificarlo perché si possa mostrare bene.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bad Spacing</source>
        <translation>Spazi sbagliati</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This set already holds 101 clues.<byte value="xd"/>
No more can be added.</source>
        <translation>Questa raccolta ha già 101 indizi.<byte value="xd"/>
Non se ne possono aggiungere altri.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Set Is Full</source>
        <translation>Raccolta piena</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Game Set Not Saved</source>
        <translation>Raccolta non salvata</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save Your Game Set</source>
        <translation>Salva la tua raccolta</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select a Game Set to Edit</source>
        <translation>Scegli una raccolta da modificare</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>KAZ Game Set</source>
        <extracomment>The name of the file type in the file dialogs.</extracomment>
        <translation>Raccolta KAZ</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>it holds more than %1 pairs</source>
        <translation>contiene più di %1 coppie</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No pair was loaded; pair 1 and the pairs after it were not.</source>
        <translation>Nessuna coppia caricata: la coppia 1 e le successive non sono state caricate.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pairs 1 to %1 were loaded; pair %2 and the pairs after it were not.</source>
        <translation>Sono state caricate le coppie da 1 a %1; la coppia %2 e le successive no.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pair %1 of this game set has an empty clue:</source>
        <translation>La coppia %1 di questa raccolta ha un indizio vuoto:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Game Set Partly Loaded</source>
        <translation>Raccolta caricata in parte</translation>
    </message>
</context>
<context>
    <name>KazMod</name>
    <message>
        <location filename="../game/core/KazMod.cpp" line="+16"/>
        <source>Current Score: %1</source>
        <translation>Punteggio attuale: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source># Of Spins So Far: %1</source>
        <translation>Giri finora: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spin Value: %1</source>
        <translation>Valore del giro: %1</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../common/ui/Language.cpp" line="+130"/>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Language</source>
        <translation>Lingua del sistema</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <location filename="../common/core/SafeFile.cpp" line="+53"/>
        <source>it is a folder, not a file</source>
        <translation>è una cartella, non un file</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a named pipe (FIFO), not a regular file</source>
        <translation>è una pipe con nome (FIFO), non un file normale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a device, not a regular file</source>
        <translation>è un dispositivo, non un file normale</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a socket, not a regular file</source>
        <translation>è un socket, non un file normale</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>it is a link that another user made, and such links are not followed</source>
        <translation>è un collegamento creato da un altro utente, e questi collegamenti non vengono seguiti</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>the file was replaced while it was being saved</source>
        <translation>il file è stato sostituito durante il salvataggio</translation>
    </message>
    <message>
        <location line="+34"/>
        <location line="+93"/>
        <source>no file was named</source>
        <translation>nessun file indicato</translation>
    </message>
    <message>
        <location line="-82"/>
        <location line="+15"/>
        <source>the file could not be opened (%1)</source>
        <translation>non è stato possibile aprire il file (%1)</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+23"/>
        <source>the file is larger than %1</source>
        <translation>il file supera %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the file could not be read (%1)</source>
        <translation>non è stato possibile leggere il file (%1)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>it is not a folder</source>
        <translation>non è una cartella</translation>
    </message>
    <message>
        <location line="+134"/>
        <source>its lock file %1 is in the way (%2)</source>
        <translation>il suo file di blocco %1 è di intralcio (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a link</source>
        <translation>è un collegamento</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>another program or user holds a lock on %1 (its lock file %2 names process %3 on %4)</source>
        <translation>un altro programma o utente tiene bloccato %1 (il file di blocco %2 indica il processo %3 su %4)</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>another program or user holds a lock on %1</source>
        <translation>un altro programma o utente tiene bloccato %1</translation>
    </message>
</context>
<context>
    <name>SameFile</name>
    <message>
        <location filename="../editor/core/SameFile.cpp" line="+24"/>
        <source>it is the same file as the input %1, which writing it would destroy</source>
        <translation>è lo stesso file di partenza %1: scriverci sopra lo distruggerebbe</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <location filename="../game/core/Scoring.cpp" line="+62"/>
        <source>Final Score: %1</source>
        <translation>Punteggio finale: %1</translation>
    </message>
</context>
<context>
    <name>SheetLayout</name>
    <message>
        <location filename="../editor/core/SheetLayout.cpp" line="+187"/>
        <source>Answer Key</source>
        <extracomment>The sheet with the puzzles written out, for the teacher.</extracomment>
        <translation>Soluzioni</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Worksheet</source>
        <extracomment>The sheet with the puzzles hidden, for the pupils.</extracomment>
        <translation>Scheda esercizi</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
</context>
<context>
    <name>SheetPrinter</name>
    <message>
        <location filename="../editor/ui/SheetPrinter.cpp" line="+141"/>
        <source>the pages could not be drawn</source>
        <translation>non è stato possibile disegnare le pagine</translation>
    </message>
</context>
<context>
    <name>Wheel</name>
    <message>
        <location filename="../game/core/Wheel.cpp" line="+30"/>
        <source>All Points Lost</source>
        <comment>spin value</comment>
        <translation>Tutti i punti persi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>100 Points</source>
        <comment>spin value</comment>
        <translation>100 punti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>200 Points</source>
        <comment>spin value</comment>
        <translation>200 punti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>300 Points</source>
        <comment>spin value</comment>
        <translation>300 punti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>400 Points</source>
        <comment>spin value</comment>
        <translation>400 punti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>500 Points</source>
        <comment>spin value</comment>
        <translation>500 punti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>50 Points</source>
        <comment>spin value</comment>
        <translation>50 punti</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Double</source>
        <comment>spin value</comment>
        <translation>Doppio</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>black</source>
        <comment>lamp colour</comment>
        <translation>nero</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue</source>
        <comment>lamp colour</comment>
        <translation>blu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green</source>
        <comment>lamp colour</comment>
        <translation>verde</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan</source>
        <comment>lamp colour</comment>
        <translation>ciano</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red</source>
        <comment>lamp colour</comment>
        <translation>rosso</translation>
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
        <translation>giallo scuro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light grey</source>
        <comment>lamp colour</comment>
        <translation>grigio chiaro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grey</source>
        <comment>lamp colour</comment>
        <translation>grigio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light blue</source>
        <comment>lamp colour</comment>
        <translation>blu chiaro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light green</source>
        <comment>lamp colour</comment>
        <translation>verde chiaro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light cyan</source>
        <comment>lamp colour</comment>
        <translation>ciano chiaro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light red</source>
        <comment>lamp colour</comment>
        <translation>rosso chiaro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light magenta</source>
        <comment>lamp colour</comment>
        <translation>magenta chiaro</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yellow</source>
        <comment>lamp colour</comment>
        <translation>giallo</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>white</source>
        <comment>lamp colour</comment>
        <translation>bianco</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <location filename="../editor/core/WordList.cpp" line="+38"/>
        <source>it starts as UTF-16 text, but it is not valid UTF-16</source>
        <translation>inizia come testo UTF-16, ma non è UTF-16 valido</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it holds a NUL character, so it is not a text file</source>
        <translation>contiene un carattere NUL, quindi non è un file di testo</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it holds a NUL byte, so it is not a text file</source>
        <translation>contiene un byte NUL, quindi non è un file di testo</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>line %1</source>
        <extracomment>Where a record of a word list stands, as the import report names it: &quot;line 3&quot;.</extracomment>
        <translation>riga %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>there is no puzzle after the clue</source>
        <translation>manca l&apos;enigma dopo l&apos;indizio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>there is no clue after the puzzle</source>
        <translation>manca l&apos;indizio dopo l&apos;enigma</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>there are more than two fields</source>
        <translation>ci sono più di due campi</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>there are more than %1 fields</source>
        <translation>ci sono più di %1 campi</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>line %1: a quoted field is never closed</source>
        <translation>riga %1: un campo tra virgolette non viene mai chiuso</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>its entities would expand to more than %1 MiB of text</source>
        <translation>le sue entità si espanderebbero in più di %1 MiB di testo</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>line %1: elements are nested more than %2 deep</source>
        <translation>riga %1: gli elementi sono annidati su più di %2 livelli</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is not a KVTML word list (its first element is &lt;%1&gt;)</source>
        <translation>non è un elenco di parole KVTML (il suo primo elemento è &lt;%1&gt;)</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>entry %1</source>
        <extracomment>A KVTML word list&apos;s entry, by its id or else by its position: &quot;entry 7&quot;.</extracomment>
        <translation>voce %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>entry at position %1</source>
        <translation>voce in posizione %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the entity %1 is not defined in the file</source>
        <translation>l&apos;entità %1 non è definita nel file</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>it is not valid XML (line %1, column %2: %3)</source>
        <translation>non è XML valido (riga %1, colonna %2: %3)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The title was cut to %1 characters.</source>
        <translation>Il titolo è stato accorciato a %1 caratteri.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The author was cut to %1 characters.</source>
        <translation>Il nome dell&apos;autore è stato accorciato a %1 caratteri.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The comment was cut to %1 characters.</source>
        <translation>Il commento è stato accorciato a %1 caratteri.</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>line %1: &quot;%2&quot; names no separator</source>
        <translation>riga %1: &quot;%2&quot; non indica nessun separatore</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>the entity %1 is not one HTML knows</source>
        <translation>l&apos;entità %1 non è un&apos;entità HTML conosciuta</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../game/ui/frmAbout.cpp" line="+66"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Le informazioni di sistema non sono disponibili al momento</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Version %1.%2.%3</source>
        <translation>Versione %1.%2.%3</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Contact the Author at %1</source>
        <translation>Contatta l&apos;autore: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;System Info...</source>
        <translation>Info di &amp;sistema...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>About %1</source>
        <translation>Info su %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A freeware word game
Created by Orvendel
25 Feb 2001</source>
        <translation>Un gioco di parole gratuito
Creato da Orvendel
25 febbraio 2001</translation>
    </message>
</context>
<context>
    <name>frmAdd</name>
    <message>
        <location filename="../editor/ui/frmAdd.cpp" line="+22"/>
        <source>Edit a Clue</source>
        <translation>Modifica indizio</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add a Clue</source>
        <translation>Aggiungi indizio</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A Clue Can Have No More Than 30 Characters</source>
        <translation>Un indizio può avere al massimo 30 caratteri</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A Clue Can Have No More Than 75 Characters</source>
        <extracomment>The puzzle box&apos;s tooltip: a puzzle holds at most 75 characters.</extracomment>
        <translation>Un enigma può avere al massimo 75 caratteri</translation>
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
        <translation>Aggiungi</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clue:</source>
        <translation>Indizio:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Puzzle:</source>
        <translation>Enigma:</translation>
    </message>
</context>
<context>
    <name>frmCreate</name>
    <message>
        <location filename="../editor/ui/frmCreate.cpp" line="+260"/>
        <source>KAZ Puzzle Set Creator</source>
        <translation>Editor di raccolte KAZ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Clue To Puzzle Set</source>
        <translation>Aggiungi indizio</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete This Clue</source>
        <translation>Elimina indizio</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <extracomment>A button: saves the game set.</extracomment>
        <translation>Salva</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Set</source>
        <translation>Nuova</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load Set</source>
        <translation>Carica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Author&apos;s Name:</source>
        <translation>Nome dell&apos;autore:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Title of Puzzle Set:</source>
        <translation>Titolo della raccolta:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information:</source>
        <translation>Informazioni:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How many clue and puzzle pairs the set holds</source>
        <translation>Quante coppie indizio/enigma ha la raccolta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clues and puzzles of the set</source>
        <translation>Indizi ed enigmi della raccolta</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One pair a row: the clue, then the puzzle (Delete removes it)</source>
        <translation>Una coppia per riga: l&apos;indizio, poi l&apos;enigma (Delete la elimina)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Save...</source>
        <translation>&amp;Salva...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Set</source>
        <translation>&amp;Nuova raccolta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load Set...</source>
        <translation>&amp;Carica raccolta...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import Pairs...</source>
        <translation>&amp;Importa coppie...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export Pairs...</source>
        <translation>&amp;Esporta coppie...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export P&amp;DF...</source>
        <translation>Esporta P&amp;DF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit This &amp;Clue</source>
        <translation>Modifica &amp;indizio</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Import Pairs</source>
        <translation>Importa coppie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Word lists</source>
        <extracomment>The name of the file types in the file dialog.</extracomment>
        <translation>Elenchi di parole</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>This word list could not be imported:</source>
        <translation>Non è stato possibile importare questo elenco di parole:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Export Pairs</source>
        <translation>Esporta coppie</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV file</source>
        <extracomment>The name of the file type in the file dialog.</extracomment>
        <translation>File CSV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The pairs could not be exported:</source>
        <translation>Non è stato possibile esportare le coppie:</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Print</source>
        <extracomment>The title of the print dialogs.</extracomment>
        <translation>Stampa</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The sheet could not be printed.</source>
        <translation>Non è stato possibile stampare il foglio.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Export PDF</source>
        <translation>Esporta PDF</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>PDF document</source>
        <extracomment>The name of the file type in the file dialog.</extracomment>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The PDF could not be written:</source>
        <translation>Non è stato possibile scrivere il PDF:</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>The game set could not be saved:</source>
        <translation>Non è stato possibile salvare la raccolta:</translation>
    </message>
</context>
</TS>
