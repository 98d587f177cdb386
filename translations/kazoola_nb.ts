<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
<context>
    <name>ClueGridModel</name>
    <message>
        <location filename="../editor/ui/ClueGrid.cpp" line="+37"/>
        <source>Clue of pair %1</source>
        <translation>Hint i par %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Puzzle of pair %1</source>
        <translation>Gåte i par %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Clue</source>
        <extracomment>A column heading of the editor&apos;s grid of pairs.</extracomment>
        <translation>Hint</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Puzzle</source>
        <translation>Gåte</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../common/ui/CommandLine.cpp" line="+81"/>
        <source>FILE</source>
        <extracomment>The name the help gives the game set named on the command line</extracomment>
        <translation>FIL</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A game set (.kazset) to open.</source>
        <translation>Et gåtesett (.kazset) som skal åpnes.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>FOLDER</source>
        <extracomment>The name the help gives the value of --scores</extracomment>
        <translation>MAPPE</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep the high-score table hs.lst in %1 for this run (it must exist).</source>
        <translation>Bruk rekordlisten hs.lst i %1 denne gangen (mappen må finnes).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Only one file can be opened.</source>
        <translation>Bare én fil kan åpnes.</translation>
    </message>
    <message>
        <location filename="../game/main.cpp" line="+27"/>
        <source>Kazoola, the word-puzzle game.</source>
        <translation>Kazoola, spillet med ordgåter.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../game/ui/Form1.cpp" line="+169"/>
        <source>Clue:</source>
        <extracomment>The clue line before any game set is loaded</extracomment>
        <translation>Hint:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The clue to the hidden puzzle</source>
        <translation>Hintet til den skjulte gåten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divider under the clue</source>
        <translation>Skillelinje under hintet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The wheel&apos;s middle lamp: its colour decides the spin</source>
        <translation>Den midterste lampen på hjulet: fargen avgjør snurret</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A lamp of the wheel</source>
        <translation>En lampe på hjulet</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Arrow pointing at lamp %1 of %2</source>
        <translation>Pil som peker på lampe %1 av %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blinks when the wheel has stopped</source>
        <translation>Blinker når hjulet har stoppet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solve</source>
        <comment>button</comment>
        <extracomment>The button that asks for the whole answer</extracomment>
        <translation>Løs</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spin</source>
        <comment>button</comment>
        <extracomment>The button that turns the wheel</extracomment>
        <translation>Snurr</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Type the whole answer (Enter)</source>
        <translation>Skriv hele svaret (Enter)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spin the wheel for a letter&apos;s value (Space)</source>
        <translation>Snurr hjulet for å se hva en bokstav er verdt (Space)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divider between the wheel and the letters</source>
        <translation>Skillelinje mellom hjulet og bokstavene</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Guess the letter %1 (or type it)</source>
        <translation>Gjett bokstaven %1 (eller skriv den)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status: the last spin or guess, the score and the spins</source>
        <translation>Status: siste snurr eller gjetning, poengsummen og antall snurr</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The hidden puzzle: each hidden letter is read as blank, and gap marks a space between words</source>
        <translation>Den skjulte gåten: hver skjulte bokstav leses som «tom», og «mellomrom» står mellom ordene</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open a KAZ Set to Play</source>
        <translation>Åpne et KAZ-sett du vil spille</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KAZ Game Set</source>
        <extracomment>The file dialog&apos;s name for game set files</extracomment>
        <translation>KAZ-gåtesett</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;File</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Game</source>
        <translation>&amp;Nytt spill</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load A Game Set</source>
        <translation>&amp;Last inn gåtesett</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Game Set Information</source>
        <translation>Om &amp;gåtesettet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High &amp;Scores</source>
        <translation>&amp;Rekordliste</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Avslutt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>&amp;Vis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;inn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;Out</source>
        <translation>Zoom &amp;ut</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Actual Size</source>
        <translation>&amp;Vanlig størrelse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Full Screen</source>
        <translation>&amp;Fullskjerm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sound</source>
        <extracomment>View menu: the game&apos;s sounds on or off</extracomment>
        <translation>&amp;Lyd</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make the game window larger</source>
        <translation>Gjør spillvinduet større</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make the game window smaller</source>
        <translation>Gjør spillvinduet mindre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the game window at its designed size</source>
        <translation>Vis spillvinduet i vanlig størrelse</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fill the screen with the game (F11 or Esc to leave)</source>
        <translation>Fyll skjermen med spillet (F11 eller Esc for å gå ut)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play the game&apos;s sounds</source>
        <translation>Spill av lydene i spillet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About</source>
        <extracomment>The menu that holds Help and About</extracomment>
        <translation>&amp;Om</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Hjelp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A&amp;bout The Game</source>
        <translation>Om &amp;spillet</translation>
    </message>
    <message>
        <location line="+135"/>
        <source>Status: no game set loaded</source>
        <translation>Status: ingen gåtesett er lastet inn</translation>
    </message>
    <message>
        <location filename="../game/ui/Form1View.cpp" line="+265"/>
        <source>Lamp %1 of %2: %3</source>
        <extracomment>%3 is the lamp&apos;s colour</extracomment>
        <translation>Lampe %1 av %2: %3</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <location filename="../game/ui/Form2.cpp" line="+24"/>
        <source>Game Set Information</source>
        <translation>Om gåtesettet</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Author&apos;s Name:</source>
        <translation>Forfatter:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Title of Game Set:</source>
        <translation>Tittel på gåtesett:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date Last Edited:</source>
        <translation>Sist endret:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number of Puzzles:</source>
        <translation>Antall gåter:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Information:</source>
        <translation>Informasjon:</translation>
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
        <translation>Navn</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Score</source>
        <translation>Poeng</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Date</source>
        <translation>Dato</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Game Set</source>
        <translation>Gåtesett</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>High Scores for KAZ</source>
        <translation>Rekordliste for KAZ</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;Done</source>
        <translation>&amp;Ferdig</translation>
    </message>
</context>
<context>
    <name>GameMessages</name>
    <message>
        <location filename="../game/ui/GameMessages.cpp" line="+32"/>
        <source>There is not a Game Set Loaded!
Please load a game set first!</source>
        <translation>Ingen gåtesett er lastet inn!
Last inn et gåtesett først!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No Game Set Loaded!</source>
        <translation>Ingen gåtesett er lastet inn!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is already a game in progress!
Are you sure you want to quit?</source>
        <translation>Et spill er allerede i gang!
Er du sikker på at du vil slutte?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Really Quit?</source>
        <translation>Vil du virkelig slutte?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please guess a letter before spinning again.</source>
        <translation>Gjett en bokstav før du snurrer igjen.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pick A Letter</source>
        <translation>Velg en bokstav</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All of the letters in the puzzle have been uncovered.  Please solve the puzzle!</source>
        <translation>Alle bokstavene i gåten er avslørt.  Nå må du løse gåten!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Letters Are Showing</source>
        <translation>Alle bokstavene vises</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I am sorry but you have lost all of your points!
Please roll again</source>
        <translation>Beklager, du har tapt alle poengene dine!
Snurr igjen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All Points Lost!</source>
        <translation>Alle poeng tapt!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before you can guess a letter, you must spin!</source>
        <translation>Du må snurre før du kan gjette en bokstav!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Spin First</source>
        <translation>Snurr hjulet først</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I am sorry, that letter was not found!</source>
        <translation>Beklager, den bokstaven er ikke med!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letter Not Found</source>
        <translation>Bokstaven er ikke med</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You Got It!

It took %1 spin(s) for you
to solve this %2 letter puzzle.
Your final (adjusted) score is %3</source>
        <extracomment>%1 spins, %2 letters, %3 the final score</extracomment>
        <translation>Riktig! Du klarte det!

Du brukte %1 snurr
på å løse denne gåten med %2 bokstaver.
Sluttpoengene dine (justert) er %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>congratulations</source>
        <translation>gratulerer</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sorry, but that was not it.
You Entered: %1
The Puzzle was: %2</source>
        <extracomment>%1 the answer as typed, %2 the puzzle</extracomment>
        <translation>Beklager, det var ikke riktig.
Du skrev: %1
Gåten var: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sorry!</source>
        <translation>Dessverre!</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Please Enter Your Guess (And Watch Your Spelling!)</source>
        <translation>Skriv svaret ditt (og pass på stavingen!)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter Your Answer</source>
        <translation>Svaret ditt</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please Enter Your Name IN CASE You Qualify For The High Score Board.</source>
        <translation>Skriv navnet ditt I TILFELLE du kommer på rekordlisten.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High Score?</source>
        <translation>Rekord?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Kazoola - Game %1 of %2</source>
        <translation>Kazoola - Spill %1 av %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clue: %1</source>
        <extracomment>The line under the puzzle board; the clue follows</extracomment>
        <translation>Hint: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Spin result: %1</source>
        <translation>Snurret ga: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Letter %1 not found</source>
        <translation>Bokstaven %1 er ikke med</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Letter %1 found once</source>
        <translation>Bokstaven %1 finnes én gang</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Letter %1 found %n times</source>
        <extracomment>Said for 2 or more</extracomment>
        <translation>
            <numerusform>Bokstaven %1 finnes %n gang</numerusform>
            <numerusform>Bokstaven %1 finnes %n ganger</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Solved</source>
        <translation>Løst</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Puzzle board: no game</source>
        <translation>Spillbrettet: ikke noe spill</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, gap, </source>
        <extracomment>Between two words of the spoken board</extracomment>
        <translation>, mellomrom, </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>blank</source>
        <extracomment>A hidden letter of the spoken board</extracomment>
        <translation>tom</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>, and %1 more words</source>
        <translation>, og %1 ord til</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Puzzle board: %1</source>
        <extracomment>The board&apos;s letters, blanks and gaps follow</extracomment>
        <translation>Spillbrettet: %1</translation>
    </message>
</context>
<context>
    <name>GameSetFile</name>
    <message>
        <location filename="../common/core/GameSetFile.cpp" line="+52"/>
        <source>line %1: the file ends where %2 was expected</source>
        <translation>linje %1: filen slutter der %2 skulle stå</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>line %1: %2 has no closing double quote</source>
        <translation>linje %1: %2 mangler avsluttende anførselstegn</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>This file is not a usable game set:</source>
        <translation>Denne filen er ikke et brukbart gåtesett:</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>the title</source>
        <translation>tittelen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the author</source>
        <translation>forfatteren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the date</source>
        <translation>datoen</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>line %1: a date like #2001-02-25# was expected</source>
        <translation>linje %1: her skulle det stå en dato som #2001-02-25#</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the information</source>
        <translation>informasjonen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the number of puzzles</source>
        <translation>antall gåter</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>line %1: a number of puzzles from 1 to %2 was expected</source>
        <translation>linje %1: her skulle det stå et antall gåter fra 1 til %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>clue %1</source>
        <translation>hint %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>puzzle %1</source>
        <translation>gåte %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>no file was chosen</source>
        <translation>ingen fil ble valgt</translation>
    </message>
    <message>
        <location filename="../common/core/GameSetFile.h" line="+55"/>
        <source>Game Set Not Loaded</source>
        <translation>Gåtesettet ble ikke lastet inn</translation>
    </message>
</context>
<context>
    <name>HeadlessCommands</name>
    <message>
        <location filename="../editor/ui/HeadlessCommands.cpp" line="+30"/>
        <source>Usage:</source>
        <translation>Bruk:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>no pair could be imported, so no game set was written</source>
        <translation>ingen par kunne importeres, så det ble ikke skrevet noe gåtesett</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>--pdf takes key or worksheet, not &quot;%1&quot;</source>
        <translation>--pdf godtar bare key eller worksheet, ikke «%1»</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>makes a game set of a word list (CSV, TSV, .txt or KVTML)</source>
        <translation>lager et gåtesett av en ordliste (CSV, TSV, .txt eller KVTML)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>writes a game set&apos;s pairs as CSV</source>
        <translation>skriver parene i et gåtesett som CSV</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>writes a game set&apos;s answer key or worksheet as PDF</source>
        <translation>skriver fasit eller oppgaveark for et gåtesett som PDF</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>these options do not make a command: %1</source>
        <translation>disse valgene utgjør ingen kommando: %1</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <location filename="../common/core/HelpPage.cpp" line="+136"/>
        <source>it holds a word longer than %1 characters</source>
        <translation>den har et ord som er lengre enn %1 tegn</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>it holds a size of more than %1 digits</source>
        <translation>den har en størrelse på mer enn %1 sifre</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>it holds more than %1 elements</source>
        <translation>den har mer enn %1 elementer</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its tables hold more than %1 cells</source>
        <translation>tabellene har mer enn %1 celler</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>it holds more than %1 tables</source>
        <translation>den har mer enn %1 tabeller</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its tables are nested more than %1 deep</source>
        <translation>tabellene er nestet mer enn %1 nivåer dypt</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it holds more than %1 lists</source>
        <translation>den har mer enn %1 lister</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its elements are nested more than %1 deep</source>
        <translation>elementene er nestet mer enn %1 nivåer dypt</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the file is larger than %1 KiB</source>
        <translation>filen er større enn %1 KiB</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <location filename="../common/ui/HelpViewer.cpp" line="+19"/>
        <source>The help file could not be opened:
%1

%2</source>
        <translation>Hjelpefilen kunne ikke åpnes:
%1

%2</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>%1 Help</source>
        <extracomment>%1 is the help file&apos;s name: &quot;Kaz Help&quot;</extracomment>
        <translation>%1 – hjelp</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <location filename="../game/core/HighScores.cpp" line="+22"/>
        <source>the program&apos;s own folder could not be found</source>
        <translation>programmets egen mappe ble ikke funnet</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>High Scores Not Saved</source>
        <translation>Rekordlisten ble ikke lagret</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>High Scores Not Read</source>
        <translation>Rekordlisten ble ikke lest</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The high-score file could not be written:</source>
        <translation>Rekordfilen kunne ikke skrives:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The high-score file could not be read:</source>
        <translation>Rekordfilen kunne ikke leses:</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Not Played</source>
        <translation>Ikke spilt</translation>
    </message>
</context>
<context>
    <name>ImportRules</name>
    <message>
        <location filename="../editor/core/ImportRules.cpp" line="+72"/>
        <source>1 entry was refused:</source>
        <translation>1 oppføring ble avvist:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 entry was changed:</source>
        <translation>1 oppføring ble endret:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line was refused:</source>
        <translation>1 linje ble avvist:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line was changed:</source>
        <translation>1 linje ble endret:</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n entries were refused:</source>
        <translation>
            <numerusform>%n oppføring ble avvist:</numerusform>
            <numerusform>%n oppføringer ble avvist:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n entries were changed:</source>
        <translation>
            <numerusform>%n oppføring ble endret:</numerusform>
            <numerusform>%n oppføringer ble endret:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines were refused:</source>
        <translation>
            <numerusform>%n linje ble avvist:</numerusform>
            <numerusform>%n linjer ble avvist:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines were changed:</source>
        <translation>
            <numerusform>%n linje ble endret:</numerusform>
            <numerusform>%n linjer ble endret:</numerusform>
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
        <translation>og %1 til</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the clue is longer than 30 characters</source>
        <translation>hintet er lengre enn 30 tegn</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the puzzle is longer than 75 characters</source>
        <translation>gåten er lengre enn 75 tegn</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an entry is empty</source>
        <translation>et felt er tomt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the puzzle is over 25 characters long without a space every 25 characters</source>
        <translation>gåten er over 25 tegn lang uten et mellomrom for hvert 25. tegn</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the set is full (101 pairs)</source>
        <translation>settet er fullt (101 par)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the clue holds a digit, which the board cannot show</source>
        <translation>hintet har et siffer, som brettet ikke kan vise</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the puzzle holds a digit, which the board cannot show</source>
        <translation>gåten har et siffer, som brettet ikke kan vise</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>punctuation became blanks</source>
        <translation>skilletegn ble gjort om til mellomrom</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; is a letter the game cannot show</source>
        <translation>«%1» er en bokstav som spillet ikke kan vise</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>No pairs were added.</source>
        <translation>Ingen par ble lagt til.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 pair was added.</source>
        <translation>1 par ble lagt til.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n pairs were added.</source>
        <translation>
            <numerusform>%n par ble lagt til.</numerusform>
            <numerusform>%n par ble lagt til.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Import Pairs</source>
        <translation>Importer par</translation>
    </message>
</context>
<context>
    <name>KazCreate</name>
    <message>
        <location filename="../editor/main.cpp" line="+25"/>
        <source>KazCreate, the Kazoola game set editor.

Without a window:</source>
        <translation>KazCreate, programmet som lager gåtesett til Kazoola.

Uten vindu:</translation>
    </message>
</context>
<context>
    <name>KazCreateMod</name>
    <message>
        <location filename="../editor/core/KazCreateMod.cpp" line="+19"/>
        <source>Your Name</source>
        <extracomment>Stands in the author box until the teacher types a name.</extracomment>
        <translation>Ditt navn</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Title For Set</source>
        <extracomment>Stands in the title box until the teacher types a title.</extracomment>
        <translation>Tittel på settet</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enter whatever you want here.  Email, web pages, why you made the set, etc., etc. Up to 255 characters.</source>
        <extracomment>Stands in the information box; the box holds at most 255 characters.</extracomment>
        <translation>Skriv hva du vil her.  E-post, nettsider, hvorfor du laget settet osv. Opptil 255 tegn.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>None Given</source>
        <extracomment>Saved as the author or title when the teacher left the box as it was.</extracomment>
        <translation>Ikke oppgitt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No information given</source>
        <translation>Ingen informasjon oppgitt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter a clue to help the player solve the puzzle.</source>
        <translation>Skriv et hint som hjelper spilleren å løse gåten.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter the puzzle to be solved here.</source>
        <translation>Skriv gåten som skal løses, her.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number of Clues in Set: 0</source>
        <translation>Antall hint i settet: 0</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Number of clues in set: %1</source>
        <translation>Antall hint i settet: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Are You Sure?<byte value="xd"/>
All unsaved puzzle data entered thus far will be lost!</source>
        <translation>Er du sikker?<byte value="xd"/>
Alt du har skrevet inn og ikke lagret, går tapt!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ARE YOU SURE?</source>
        <translation>ER DU SIKKER?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>An entry is empty!<byte value="xd"/>
Please check them and try again!</source>
        <translation>Et felt er tomt!<byte value="xd"/>
Sjekk feltene og prøv igjen!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ERROR IN DATA</source>
        <translation>FEIL I DATA</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your Puzzle is over 25 characters long and it <byte value="xd"/>
does not have at LEAST one space every 25 character.<byte value="xd"/>
I am sorry, but I must ask that you modifiy it to allow for proper display.</source>
        <translation>Gåten din er over 25 tegn lang og har <byte value="xd"/>
ikke MINST ett mellomrom for hvert 25. tegn.<byte value="xd"/>
Beklager, men du må endre den slik at den kan vises riktig.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bad Spacing</source>
        <translation>Feil mellomrom</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This set already holds 101 clues.<byte value="xd"/>
No more can be added.</source>
        <translation>Dette settet har allerede 101 hint.<byte value="xd"/>
Du kan ikke legge til flere.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Set Is Full</source>
        <translation>Settet er fullt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Game Set Not Saved</source>
        <translation>Gåtesettet ble ikke lagret</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save Your Game Set</source>
        <translation>Lagre gåtesettet ditt</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select a Game Set to Edit</source>
        <translation>Velg et gåtesett du vil redigere</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>KAZ Game Set</source>
        <extracomment>The name of the file type in the file dialogs.</extracomment>
        <translation>KAZ-gåtesett</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>it holds more than %1 pairs</source>
        <translation>det har mer enn %1 par</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No pair was loaded; pair 1 and the pairs after it were not.</source>
        <translation>Ingen par ble lastet inn: verken par 1 eller parene etter det.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pairs 1 to %1 were loaded; pair %2 and the pairs after it were not.</source>
        <translation>Par 1 til %1 ble lastet inn, men ikke par %2 og parene etter det.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pair %1 of this game set has an empty clue:</source>
        <translation>Par %1 i dette gåtesettet har et tomt hint:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Game Set Partly Loaded</source>
        <translation>Gåtesettet ble delvis lastet inn</translation>
    </message>
</context>
<context>
    <name>KazMod</name>
    <message>
        <location filename="../game/core/KazMod.cpp" line="+16"/>
        <source>Current Score: %1</source>
        <translation>Poeng nå: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source># Of Spins So Far: %1</source>
        <translation>Snurr så langt: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spin Value: %1</source>
        <translation>Snurrverdi: %1</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../common/ui/Language.cpp" line="+130"/>
        <source>&amp;Language</source>
        <translation>&amp;Språk</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Language</source>
        <translation>Systemspråk</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <location filename="../common/core/SafeFile.cpp" line="+53"/>
        <source>it is a folder, not a file</source>
        <translation>det er en mappe, ikke en fil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a named pipe (FIFO), not a regular file</source>
        <translation>det er et navngitt rør (FIFO), ikke en vanlig fil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a device, not a regular file</source>
        <translation>det er en enhet, ikke en vanlig fil</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a socket, not a regular file</source>
        <translation>det er en socket, ikke en vanlig fil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a regular file</source>
        <translation>det er ikke en vanlig fil</translation>
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
        <translation>det er en lenke som en annen bruker har laget, og slike lenker blir ikke fulgt</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>the file was replaced while it was being saved</source>
        <translation>filen ble byttet ut mens den ble lagret</translation>
    </message>
    <message>
        <location line="+34"/>
        <location line="+93"/>
        <source>no file was named</source>
        <translation>ingen fil ble oppgitt</translation>
    </message>
    <message>
        <location line="-82"/>
        <location line="+15"/>
        <source>the file could not be opened (%1)</source>
        <translation>filen kunne ikke åpnes (%1)</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+23"/>
        <source>the file is larger than %1</source>
        <translation>filen er større enn %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the file could not be read (%1)</source>
        <translation>filen kunne ikke leses (%1)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>it is not a folder</source>
        <translation>det er ikke en mappe</translation>
    </message>
    <message>
        <location line="+134"/>
        <source>its lock file %1 is in the way (%2)</source>
        <translation>låsefilen %1 står i veien (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a link</source>
        <translation>det er en lenke</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>another program or user holds a lock on %1 (its lock file %2 names process %3 on %4)</source>
        <translation>et annet program eller en annen bruker har låst %1 (låsefilen %2 oppgir prosess %3 på %4)</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>another program or user holds a lock on %1</source>
        <translation>et annet program eller en annen bruker har låst %1</translation>
    </message>
</context>
<context>
    <name>SameFile</name>
    <message>
        <location filename="../editor/core/SameFile.cpp" line="+24"/>
        <source>it is the same file as the input %1, which writing it would destroy</source>
        <translation>det er samme fil som inndatafilen %1, som ville blitt ødelagt hvis den ble skrevet over</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <location filename="../game/core/Scoring.cpp" line="+62"/>
        <source>Final Score: %1</source>
        <translation>Sluttpoeng: %1</translation>
    </message>
</context>
<context>
    <name>SheetLayout</name>
    <message>
        <location filename="../editor/core/SheetLayout.cpp" line="+187"/>
        <source>Answer Key</source>
        <extracomment>The sheet with the puzzles written out, for the teacher.</extracomment>
        <translation>Fasit</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Worksheet</source>
        <extracomment>The sheet with the puzzles hidden, for the pupils.</extracomment>
        <translation>Oppgaveark</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Page %1 of %2</source>
        <translation>Side %1 av %2</translation>
    </message>
</context>
<context>
    <name>SheetPrinter</name>
    <message>
        <location filename="../editor/ui/SheetPrinter.cpp" line="+141"/>
        <source>the pages could not be drawn</source>
        <translation>sidene kunne ikke tegnes</translation>
    </message>
</context>
<context>
    <name>Wheel</name>
    <message>
        <location filename="../game/core/Wheel.cpp" line="+30"/>
        <source>All Points Lost</source>
        <comment>spin value</comment>
        <translation>Alle poeng tapt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>100 Points</source>
        <comment>spin value</comment>
        <translation>100 poeng</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>200 Points</source>
        <comment>spin value</comment>
        <translation>200 poeng</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>300 Points</source>
        <comment>spin value</comment>
        <translation>300 poeng</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>400 Points</source>
        <comment>spin value</comment>
        <translation>400 poeng</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>500 Points</source>
        <comment>spin value</comment>
        <translation>500 poeng</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>50 Points</source>
        <comment>spin value</comment>
        <translation>50 poeng</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Double</source>
        <comment>spin value</comment>
        <translation>Dobbel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>black</source>
        <comment>lamp colour</comment>
        <translation>svart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue</source>
        <comment>lamp colour</comment>
        <translation>blå</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green</source>
        <comment>lamp colour</comment>
        <translation>grønn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan</source>
        <comment>lamp colour</comment>
        <translation>turkis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red</source>
        <comment>lamp colour</comment>
        <translation>rød</translation>
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
        <translation>mørkegul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light grey</source>
        <comment>lamp colour</comment>
        <translation>lysegrå</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grey</source>
        <comment>lamp colour</comment>
        <translation>grå</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light blue</source>
        <comment>lamp colour</comment>
        <translation>lyseblå</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light green</source>
        <comment>lamp colour</comment>
        <translation>lysegrønn</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light cyan</source>
        <comment>lamp colour</comment>
        <translation>lyseturkis</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light red</source>
        <comment>lamp colour</comment>
        <translation>lyserød</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light magenta</source>
        <comment>lamp colour</comment>
        <translation>lys magenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yellow</source>
        <comment>lamp colour</comment>
        <translation>gul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>white</source>
        <comment>lamp colour</comment>
        <translation>hvit</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <location filename="../editor/core/WordList.cpp" line="+38"/>
        <source>it starts as UTF-16 text, but it is not valid UTF-16</source>
        <translation>den begynner som UTF-16-tekst, men er ikke gyldig UTF-16</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it holds a NUL character, so it is not a text file</source>
        <translation>den har et NUL-tegn, så den er ikke en tekstfil</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it holds a NUL byte, so it is not a text file</source>
        <translation>den har en NUL-byte, så den er ikke en tekstfil</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>line %1</source>
        <extracomment>Where a record of a word list stands, as the import report names it: &quot;line 3&quot;.</extracomment>
        <translation>linje %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>there is no puzzle after the clue</source>
        <translation>det er ingen gåte etter hintet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>there is no clue after the puzzle</source>
        <translation>det er ikke noe hint etter gåten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>there are more than two fields</source>
        <translation>det er mer enn to felt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>there are more than %1 fields</source>
        <translation>det er mer enn %1 felt</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>line %1: a quoted field is never closed</source>
        <translation>linje %1: et felt i anførselstegn blir aldri avsluttet</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>its entities would expand to more than %1 MiB of text</source>
        <translation>entitetene ville blitt utvidet til mer enn %1 MiB tekst</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>line %1: elements are nested more than %2 deep</source>
        <translation>linje %1: elementene er nestet mer enn %2 nivåer dypt</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is not a KVTML word list (its first element is &lt;%1&gt;)</source>
        <translation>den er ikke en KVTML-ordliste (det første elementet er &lt;%1&gt;)</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>entry %1</source>
        <extracomment>A KVTML word list&apos;s entry, by its id or else by its position: &quot;entry 7&quot;.</extracomment>
        <translation>oppføring %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>entry at position %1</source>
        <translation>oppføringen på plass %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the entity %1 is not defined in the file</source>
        <translation>entiteten %1 er ikke definert i filen</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>it is not valid XML (line %1, column %2: %3)</source>
        <translation>den er ikke gyldig XML (linje %1, kolonne %2: %3)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The title was cut to %1 characters.</source>
        <translation>Tittelen ble kortet ned til %1 tegn.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The author was cut to %1 characters.</source>
        <translation>Forfatternavnet ble kortet ned til %1 tegn.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The comment was cut to %1 characters.</source>
        <translation>Kommentaren ble kortet ned til %1 tegn.</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>line %1: &quot;%2&quot; names no separator</source>
        <translation>linje %1: «%2» angir ikke noe skilletegn</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>the entity %1 is not one HTML knows</source>
        <translation>entiteten %1 finnes ikke i HTML</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../game/ui/frmAbout.cpp" line="+66"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformasjon er ikke tilgjengelig nå</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Version %1.%2.%3</source>
        <translation>Versjon %1.%2.%3</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Contact the Author at %1</source>
        <translation>Kontakt forfatteren på %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>About %1</source>
        <translation>Om %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A freeware word game
Created by Orvendel
25 Feb 2001</source>
        <translation>Et gratis ordspill
Laget av Orvendel
25. feb. 2001</translation>
    </message>
</context>
<context>
    <name>frmAdd</name>
    <message>
        <location filename="../editor/ui/frmAdd.cpp" line="+22"/>
        <source>Edit a Clue</source>
        <translation>Rediger et hint</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add a Clue</source>
        <translation>Legg til et hint</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A Clue Can Have No More Than 30 Characters</source>
        <translation>Et hint kan ha høyst 30 tegn</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A Clue Can Have No More Than 75 Characters</source>
        <extracomment>The puzzle box&apos;s tooltip: a puzzle holds at most 75 characters.</extracomment>
        <translation>En gåte kan ha høyst 75 tegn</translation>
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
        <translation>Legg til</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <translation>Tøm</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clue:</source>
        <translation>Hint:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Puzzle:</source>
        <translation>Gåte:</translation>
    </message>
</context>
<context>
    <name>frmCreate</name>
    <message>
        <location filename="../editor/ui/frmCreate.cpp" line="+260"/>
        <source>KAZ Puzzle Set Creator</source>
        <translation>KAZ-gåtesettmaker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Clue To Puzzle Set</source>
        <translation>Legg til hint i settet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete This Clue</source>
        <translation>Slett dette hintet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <extracomment>A button: saves the game set.</extracomment>
        <translation>Lagre</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Set</source>
        <translation>Nytt sett</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load Set</source>
        <translation>Last inn sett</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Hjelp</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Author&apos;s Name:</source>
        <translation>Forfatter:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Title of Puzzle Set:</source>
        <translation>Tittel på gåtesett:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information:</source>
        <translation>Informasjon:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How many clue and puzzle pairs the set holds</source>
        <translation>Antall par med hint og gåte i settet</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clues and puzzles of the set</source>
        <translation>Hintene og gåtene i settet</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One pair a row: the clue, then the puzzle (Delete removes it)</source>
        <translation>Ett par per rad: hintet, så gåten (Delete fjerner paret)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Save...</source>
        <translation>&amp;Lagre...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Set</source>
        <translation>&amp;Nytt sett</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load Set...</source>
        <translation>Last inn &amp;sett...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;File</source>
        <translation>&amp;Fil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import Pairs...</source>
        <translation>&amp;Importer par...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export Pairs...</source>
        <translation>&amp;Eksporter par...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print...</source>
        <translation>Skriv &amp;ut...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export P&amp;DF...</source>
        <translation>Eksporter P&amp;DF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>&amp;Rediger</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit This &amp;Clue</source>
        <translation>Rediger dette &amp;hintet</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Import Pairs</source>
        <translation>Importer par</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Word lists</source>
        <extracomment>The name of the file types in the file dialog.</extracomment>
        <translation>Ordlister</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>This word list could not be imported:</source>
        <translation>Denne ordlisten kunne ikke importeres:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Export Pairs</source>
        <translation>Eksporter par</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV file</source>
        <extracomment>The name of the file type in the file dialog.</extracomment>
        <translation>CSV-fil</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The pairs could not be exported:</source>
        <translation>Parene kunne ikke eksporteres:</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Print</source>
        <extracomment>The title of the print dialogs.</extracomment>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The sheet could not be printed.</source>
        <translation>Arket kunne ikke skrives ut.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Export PDF</source>
        <translation>Eksporter PDF</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>PDF document</source>
        <extracomment>The name of the file type in the file dialog.</extracomment>
        <translation>PDF-dokument</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The PDF could not be written:</source>
        <translation>PDF-filen kunne ikke skrives:</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>The game set could not be saved:</source>
        <translation>Gåtesettet kunne ikke lagres:</translation>
    </message>
</context>
</TS>
