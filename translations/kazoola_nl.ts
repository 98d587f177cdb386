<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>ClueGridModel</name>
    <message>
        <location filename="../editor/ui/ClueGrid.cpp" line="+37"/>
        <source>Clue of pair %1</source>
        <translation>Hint van paar %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Puzzle of pair %1</source>
        <translation>Puzzel van paar %1</translation>
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
        <translation>Puzzel</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../common/ui/CommandLine.cpp" line="+81"/>
        <source>FILE</source>
        <extracomment>The name the help gives the game set named on the command line</extracomment>
        <translation>BESTAND</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A game set (.kazset) to open.</source>
        <translation>Een spelset (.kazset) om te openen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>FOLDER</source>
        <extracomment>The name the help gives the value of --scores</extracomment>
        <translation>MAP</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep the high-score table hs.lst in %1 for this run (it must exist).</source>
        <translation>Bewaar de topscorelijst hs.lst deze keer in %1 (die map moet al bestaan).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Only one file can be opened.</source>
        <translation>Je kunt maar één bestand tegelijk openen.</translation>
    </message>
    <message>
        <location filename="../game/main.cpp" line="+27"/>
        <source>Kazoola, the word-puzzle game.</source>
        <translation>Kazoola, het woordpuzzelspel.</translation>
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
        <translation>De hint bij de verborgen puzzel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divider under the clue</source>
        <translation>Scheidingslijn onder de hint</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The wheel&apos;s middle lamp: its colour decides the spin</source>
        <translation>De middelste lamp van het rad: de kleur bepaalt wat je draait</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A lamp of the wheel</source>
        <translation>Een lamp van het rad</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Arrow pointing at lamp %1 of %2</source>
        <translation>Pijl wijst naar lamp %1 van %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blinks when the wheel has stopped</source>
        <translation>Knippert als het rad stilstaat</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solve</source>
        <comment>button</comment>
        <extracomment>The button that asks for the whole answer</extracomment>
        <translation>Oplossen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spin</source>
        <comment>button</comment>
        <extracomment>The button that turns the wheel</extracomment>
        <translation>Draai</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Type the whole answer (Enter)</source>
        <translation>Typ het hele antwoord (Enter)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spin the wheel for a letter&apos;s value (Space)</source>
        <translation>Draai aan het rad voor de waarde van een letter (Space)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divider between the wheel and the letters</source>
        <translation>Scheidingslijn tussen het rad en de letters</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Guess the letter %1 (or type it)</source>
        <translation>Raad de letter %1 (of typ hem)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status: the last spin or guess, the score and the spins</source>
        <translation>Status: de laatste draai of gok, de score en het aantal draaien</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The hidden puzzle: each hidden letter is read as blank, and gap marks a space between words</source>
        <translation>De verborgen puzzel: elke verborgen letter wordt voorgelezen als leeg, en spatie staat voor de ruimte tussen twee woorden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open a KAZ Set to Play</source>
        <translation>Kies een KAZ-spelset om te spelen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KAZ Game Set</source>
        <extracomment>The file dialog&apos;s name for game set files</extracomment>
        <translation>KAZ-spelset</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load A Game Set</source>
        <translation>Spelset &amp;laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Game Set Information</source>
        <translation>&amp;Info over de spelset</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High &amp;Scores</source>
        <translation>&amp;Topscores</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;In</source>
        <translation>&amp;Inzoomen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Uitzoomen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Actual Size</source>
        <translation>&amp;Normale grootte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Full Screen</source>
        <translation>&amp;Volledig scherm</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sound</source>
        <extracomment>View menu: the game&apos;s sounds on or off</extracomment>
        <translation>&amp;Geluid</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make the game window larger</source>
        <translation>Maak het spelvenster groter</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make the game window smaller</source>
        <translation>Maak het spelvenster kleiner</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the game window at its designed size</source>
        <translation>Toon het spelvenster op normale grootte</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fill the screen with the game (F11 or Esc to leave)</source>
        <translation>Laat het spel het hele scherm vullen (F11 of Esc om terug te gaan)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play the game&apos;s sounds</source>
        <translation>Laat de geluiden van het spel horen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About</source>
        <extracomment>The menu that holds Help and About</extracomment>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A&amp;bout The Game</source>
        <translation>&amp;Over het spel</translation>
    </message>
    <message>
        <location line="+135"/>
        <source>Status: no game set loaded</source>
        <translation>Status: geen spelset geladen</translation>
    </message>
    <message>
        <location filename="../game/ui/Form1View.cpp" line="+265"/>
        <source>Lamp %1 of %2: %3</source>
        <extracomment>%3 is the lamp&apos;s colour</extracomment>
        <translation>Lamp %1 van %2: %3</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <location filename="../game/ui/Form2.cpp" line="+24"/>
        <source>Game Set Information</source>
        <translation>Info over de spelset</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Author&apos;s Name:</source>
        <translation>Gemaakt door:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Title of Game Set:</source>
        <translation>Titel van de spelset:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date Last Edited:</source>
        <translation>Laatst bewerkt op:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number of Puzzles:</source>
        <translation>Aantal puzzels:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Information:</source>
        <translation>Informatie:</translation>
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
        <translation>Naam</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Game Set</source>
        <translation>Spelset</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>High Scores for KAZ</source>
        <translation>Topscores van KAZ</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;Done</source>
        <translation>&amp;Klaar</translation>
    </message>
</context>
<context>
    <name>GameMessages</name>
    <message>
        <location filename="../game/ui/GameMessages.cpp" line="+32"/>
        <source>There is not a Game Set Loaded!
Please load a game set first!</source>
        <translation>Er is geen spelset geladen!
Laad eerst een spelset!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No Game Set Loaded!</source>
        <translation>Geen spelset geladen!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is already a game in progress!
Are you sure you want to quit?</source>
        <translation>Er is al een spel bezig!
Weet je zeker dat je wilt stoppen?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Really Quit?</source>
        <translation>Echt stoppen?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please guess a letter before spinning again.</source>
        <translation>Raad eerst een letter voordat je opnieuw draait.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pick A Letter</source>
        <translation>Kies een letter</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All of the letters in the puzzle have been uncovered.  Please solve the puzzle!</source>
        <translation>Alle letters van de puzzel zijn al te zien.  Los de puzzel nu op!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Letters Are Showing</source>
        <translation>Alle letters zijn al te zien</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I am sorry but you have lost all of your points!
Please roll again</source>
        <translation>Jammer, je bent al je punten kwijt!
Draai maar opnieuw</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All Points Lost!</source>
        <translation>Alle punten kwijt!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before you can guess a letter, you must spin!</source>
        <translation>Voordat je een letter kunt raden, moet je eerst draaien!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Spin First</source>
        <translation>Draai eerst aan het rad</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I am sorry, that letter was not found!</source>
        <translation>Jammer, die letter zit er niet in!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letter Not Found</source>
        <translation>Letter niet gevonden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You Got It!

It took %1 spin(s) for you
to solve this %2 letter puzzle.
Your final (adjusted) score is %3</source>
        <extracomment>%1 spins, %2 letters, %3 the final score</extracomment>
        <translation>Helemaal goed!

Je had %1 draai(en) nodig
om deze puzzel van %2 letters op te lossen.
Je (aangepaste) eindscore is %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>congratulations</source>
        <translation>gefeliciteerd</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sorry, but that was not it.
You Entered: %1
The Puzzle was: %2</source>
        <extracomment>%1 the answer as typed, %2 the puzzle</extracomment>
        <translation>Helaas, dat was het niet.
Jij typte: %1
De puzzel was: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sorry!</source>
        <translation>Helaas!</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Please Enter Your Guess (And Watch Your Spelling!)</source>
        <translation>Typ je antwoord (en let op je spelling!)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter Your Answer</source>
        <translation>Je antwoord</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please Enter Your Name IN CASE You Qualify For The High Score Board.</source>
        <translation>Typ je naam, VOOR HET GEVAL dat je op de topscorelijst komt.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High Score?</source>
        <translation>Topscore?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Kazoola - Game %1 of %2</source>
        <translation>Kazoola - Spel %1 van %2</translation>
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
        <translation>Je draaide: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Letter %1 not found</source>
        <translation>Letter %1 niet gevonden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Letter %1 found once</source>
        <translation>Letter %1 één keer gevonden</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Letter %1 found %n times</source>
        <extracomment>Said for 2 or more</extracomment>
        <translation>
            <numerusform>Letter %1 %n keer gevonden</numerusform>
            <numerusform>Letter %1 %n keer gevonden</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Solved</source>
        <translation>Opgelost</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Puzzle board: no game</source>
        <translation>Puzzelbord: geen spel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, gap, </source>
        <extracomment>Between two words of the spoken board</extracomment>
        <translation>, spatie, </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>blank</source>
        <extracomment>A hidden letter of the spoken board</extracomment>
        <translation>leeg</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>, and %1 more words</source>
        <translation>, en nog %1 woorden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Puzzle board: %1</source>
        <extracomment>The board&apos;s letters, blanks and gaps follow</extracomment>
        <translation>Puzzelbord: %1</translation>
    </message>
</context>
<context>
    <name>GameSetFile</name>
    <message>
        <location filename="../common/core/GameSetFile.cpp" line="+52"/>
        <source>line %1: the file ends where %2 was expected</source>
        <translation>regel %1: het bestand houdt op waar %2 had moeten staan</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>line %1: %2 has no closing double quote</source>
        <translation>regel %1: bij %2 ontbreekt het sluitende dubbele aanhalingsteken</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>This file is not a usable game set:</source>
        <translation>Dit bestand is geen bruikbare spelset:</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>the title</source>
        <translation>de titel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the author</source>
        <translation>de maker</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the date</source>
        <translation>de datum</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>line %1: a date like #2001-02-25# was expected</source>
        <translation>regel %1: er werd een datum zoals #2001-02-25# verwacht</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the information</source>
        <translation>de informatie</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the number of puzzles</source>
        <translation>het aantal puzzels</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>line %1: a number of puzzles from 1 to %2 was expected</source>
        <translation>regel %1: er werd een aantal puzzels van 1 tot en met %2 verwacht</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>clue %1</source>
        <translation>hint %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>puzzle %1</source>
        <translation>puzzel %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>no file was chosen</source>
        <translation>er is geen bestand gekozen</translation>
    </message>
    <message>
        <location filename="../common/core/GameSetFile.h" line="+55"/>
        <source>Game Set Not Loaded</source>
        <translation>Spelset niet geladen</translation>
    </message>
</context>
<context>
    <name>HeadlessCommands</name>
    <message>
        <location filename="../editor/ui/HeadlessCommands.cpp" line="+30"/>
        <source>Usage:</source>
        <translation>Gebruik:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>no pair could be imported, so no game set was written</source>
        <translation>er kon geen enkel paar worden geïmporteerd, dus er is geen spelset gemaakt</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>--pdf takes key or worksheet, not &quot;%1&quot;</source>
        <translation>--pdf verwacht key of worksheet, niet &quot;%1&quot;</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>makes a game set of a word list (CSV, TSV, .txt or KVTML)</source>
        <translation>maakt een spelset van een woordenlijst (CSV, TSV, .txt of KVTML)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>writes a game set&apos;s pairs as CSV</source>
        <translation>schrijft de paren van een spelset weg als CSV</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>writes a game set&apos;s answer key or worksheet as PDF</source>
        <translation>schrijft het antwoordblad of werkblad van een spelset weg als PDF</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>these options do not make a command: %1</source>
        <translation>deze opties vormen samen geen opdracht: %1</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <location filename="../common/core/HelpPage.cpp" line="+136"/>
        <source>it holds a word longer than %1 characters</source>
        <translation>het bevat een woord van meer dan %1 tekens</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>it holds a size of more than %1 digits</source>
        <translation>het bevat een grootte van meer dan %1 cijfers</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>it holds more than %1 elements</source>
        <translation>het bevat meer dan %1 elementen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its tables hold more than %1 cells</source>
        <translation>de tabellen bevatten meer dan %1 cellen</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>it holds more than %1 tables</source>
        <translation>het bevat meer dan %1 tabellen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its tables are nested more than %1 deep</source>
        <translation>de tabellen zijn meer dan %1 diep genest</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it holds more than %1 lists</source>
        <translation>het bevat meer dan %1 lijsten</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its elements are nested more than %1 deep</source>
        <translation>de elementen zijn meer dan %1 diep genest</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the file is larger than %1 KiB</source>
        <translation>het bestand is groter dan %1 KiB</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <location filename="../common/ui/HelpViewer.cpp" line="+19"/>
        <source>The help file could not be opened:
%1

%2</source>
        <translation>Het helpbestand kon niet worden geopend:
%1

%2</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>%1 Help</source>
        <extracomment>%1 is the help file&apos;s name: &quot;Kaz Help&quot;</extracomment>
        <translation>Help bij %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <location filename="../game/core/HighScores.cpp" line="+22"/>
        <source>the program&apos;s own folder could not be found</source>
        <translation>de map van het programma zelf is niet gevonden</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>High Scores Not Saved</source>
        <translation>Topscores niet opgeslagen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>High Scores Not Read</source>
        <translation>Topscores niet gelezen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The high-score file could not be written:</source>
        <translation>Het topscorebestand kon niet worden opgeslagen:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The high-score file could not be read:</source>
        <translation>Het topscorebestand kon niet worden gelezen:</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Not Played</source>
        <translation>Niet gespeeld</translation>
    </message>
</context>
<context>
    <name>ImportRules</name>
    <message>
        <location filename="../editor/core/ImportRules.cpp" line="+72"/>
        <source>1 entry was refused:</source>
        <translation>1 item is geweigerd:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 entry was changed:</source>
        <translation>1 item is aangepast:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line was refused:</source>
        <translation>1 regel is geweigerd:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line was changed:</source>
        <translation>1 regel is aangepast:</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n entries were refused:</source>
        <translation>
            <numerusform>%n item is geweigerd:</numerusform>
            <numerusform>%n items zijn geweigerd:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n entries were changed:</source>
        <translation>
            <numerusform>%n item is aangepast:</numerusform>
            <numerusform>%n items zijn aangepast:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines were refused:</source>
        <translation>
            <numerusform>%n regel is geweigerd:</numerusform>
            <numerusform>%n regels zijn geweigerd:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines were changed:</source>
        <translation>
            <numerusform>%n regel is aangepast:</numerusform>
            <numerusform>%n regels zijn aangepast:</numerusform>
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
        <translation>en nog %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the clue is longer than 30 characters</source>
        <translation>de hint is langer dan 30 tekens</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the puzzle is longer than 75 characters</source>
        <translation>de puzzel is langer dan 75 tekens</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an entry is empty</source>
        <translation>een veld is leeg</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the puzzle is over 25 characters long without a space every 25 characters</source>
        <translation>de puzzel is langer dan 25 tekens zonder minstens één spatie per 25 tekens</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the set is full (101 pairs)</source>
        <translation>de set is vol (101 paren)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the clue holds a digit, which the board cannot show</source>
        <translation>de hint bevat een cijfer, en dat kan het bord niet tonen</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the puzzle holds a digit, which the board cannot show</source>
        <translation>de puzzel bevat een cijfer, en dat kan het bord niet tonen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>punctuation became blanks</source>
        <translation>leestekens zijn spaties geworden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; is a letter the game cannot show</source>
        <translation>&quot;%1&quot; is een letter die het spel niet kan tonen</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>No pairs were added.</source>
        <translation>Er zijn geen paren toegevoegd.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 pair was added.</source>
        <translation>1 paar is toegevoegd.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n pairs were added.</source>
        <translation>
            <numerusform>%n paar is toegevoegd.</numerusform>
            <numerusform>%n paren zijn toegevoegd.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Import Pairs</source>
        <translation>Paren importeren</translation>
    </message>
</context>
<context>
    <name>KazCreate</name>
    <message>
        <location filename="../editor/main.cpp" line="+25"/>
        <source>KazCreate, the Kazoola game set editor.

Without a window:</source>
        <translation>KazCreate, de spelseteditor van Kazoola.

Zonder venster:</translation>
    </message>
</context>
<context>
    <name>KazCreateMod</name>
    <message>
        <location filename="../editor/core/KazCreateMod.cpp" line="+19"/>
        <source>Your Name</source>
        <extracomment>Stands in the author box until the teacher types a name.</extracomment>
        <translation>Jouw naam</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Title For Set</source>
        <extracomment>Stands in the title box until the teacher types a title.</extracomment>
        <translation>Titel voor de set</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enter whatever you want here.  Email, web pages, why you made the set, etc., etc. Up to 255 characters.</source>
        <extracomment>Stands in the information box; the box holds at most 255 characters.</extracomment>
        <translation>Typ hier wat je maar wilt.  E-mail, websites, waarom je de set hebt gemaakt, enzovoort. Maximaal 255 tekens.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>None Given</source>
        <extracomment>Saved as the author or title when the teacher left the box as it was.</extracomment>
        <translation>Niet ingevuld</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No information given</source>
        <translation>Geen informatie ingevuld</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter a clue to help the player solve the puzzle.</source>
        <translation>Typ een hint die de speler helpt de puzzel op te lossen.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter the puzzle to be solved here.</source>
        <translation>Typ hier de puzzel die opgelost moet worden.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number of Clues in Set: 0</source>
        <translation>Aantal hints in de set: 0</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Number of clues in set: %1</source>
        <translation>Aantal hints in de set: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Are You Sure?<byte value="xd"/>
All unsaved puzzle data entered thus far will be lost!</source>
        <translation>Weet je het zeker?<byte value="xd"/>
Alles wat je nog niet hebt opgeslagen, gaat verloren!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ARE YOU SURE?</source>
        <translation>WEET JE HET ZEKER?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>An entry is empty!<byte value="xd"/>
Please check them and try again!</source>
        <translation>Een vak is leeg!<byte value="xd"/>
Controleer de vakken en probeer het opnieuw!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ERROR IN DATA</source>
        <translation>FOUT IN DE GEGEVENS</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your Puzzle is over 25 characters long and it <byte value="xd"/>
does not have at LEAST one space every 25 character.<byte value="xd"/>
I am sorry, but I must ask that you modifiy it to allow for proper display.</source>
        <translation>Je puzzel is langer dan 25 tekens en heeft <byte value="xd"/>
niet MINSTENS één spatie per 25 tekens.<byte value="xd"/>
Sorry, maar pas de puzzel aan, anders past hij niet goed op het bord.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bad Spacing</source>
        <translation>Verkeerde spaties</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This set already holds 101 clues.<byte value="xd"/>
No more can be added.</source>
        <translation>Deze set heeft al 101 hints.<byte value="xd"/>
Er kunnen er geen meer bij.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Set Is Full</source>
        <translation>Set is vol</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Game Set Not Saved</source>
        <translation>Spelset niet opgeslagen</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save Your Game Set</source>
        <translation>Spelset opslaan</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select a Game Set to Edit</source>
        <translation>Kies een spelset om te bewerken</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>KAZ Game Set</source>
        <extracomment>The name of the file type in the file dialogs.</extracomment>
        <translation>KAZ-spelset</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>it holds more than %1 pairs</source>
        <translation>het bevat meer dan %1 paren</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No pair was loaded; pair 1 and the pairs after it were not.</source>
        <translation>Er is geen enkel paar geladen: paar 1 en alle paren daarna zijn niet geladen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pairs 1 to %1 were loaded; pair %2 and the pairs after it were not.</source>
        <translation>Paren 1 tot en met %1 zijn geladen; paar %2 en de paren daarna niet.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pair %1 of this game set has an empty clue:</source>
        <translation>Paar %1 van deze spelset heeft een lege hint:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Game Set Partly Loaded</source>
        <translation>Spelset deels geladen</translation>
    </message>
</context>
<context>
    <name>KazMod</name>
    <message>
        <location filename="../game/core/KazMod.cpp" line="+16"/>
        <source>Current Score: %1</source>
        <translation>Huidige score: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source># Of Spins So Far: %1</source>
        <translation>Aantal draaien: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spin Value: %1</source>
        <translation>Draaiwaarde: %1</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../common/ui/Language.cpp" line="+130"/>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Language</source>
        <translation>Systeemtaal</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <location filename="../common/core/SafeFile.cpp" line="+53"/>
        <source>it is a folder, not a file</source>
        <translation>het is een map, geen bestand</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a named pipe (FIFO), not a regular file</source>
        <translation>het is een named pipe (FIFO), geen gewoon bestand</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a device, not a regular file</source>
        <translation>het is een apparaat, geen gewoon bestand</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a socket, not a regular file</source>
        <translation>het is een socket, geen gewoon bestand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>it is a link that another user made, and such links are not followed</source>
        <translation>het is een koppeling die een andere gebruiker heeft gemaakt, en zulke koppelingen worden niet gevolgd</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>the file was replaced while it was being saved</source>
        <translation>het bestand is vervangen terwijl het werd opgeslagen</translation>
    </message>
    <message>
        <location line="+34"/>
        <location line="+93"/>
        <source>no file was named</source>
        <translation>geen bestand opgegeven</translation>
    </message>
    <message>
        <location line="-82"/>
        <location line="+15"/>
        <source>the file could not be opened (%1)</source>
        <translation>het bestand kon niet worden geopend (%1)</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+23"/>
        <source>the file is larger than %1</source>
        <translation>het bestand is groter dan %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the file could not be read (%1)</source>
        <translation>het bestand kon niet worden gelezen (%1)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>it is not a folder</source>
        <translation>het is geen map</translation>
    </message>
    <message>
        <location line="+134"/>
        <source>its lock file %1 is in the way (%2)</source>
        <translation>het vergrendelbestand %1 zit in de weg (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a link</source>
        <translation>het is een koppeling</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>another program or user holds a lock on %1 (its lock file %2 names process %3 on %4)</source>
        <translation>een ander programma of een andere gebruiker heeft %1 vergrendeld (het vergrendelbestand %2 noemt proces %3 op %4)</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>another program or user holds a lock on %1</source>
        <translation>een ander programma of een andere gebruiker heeft %1 vergrendeld</translation>
    </message>
</context>
<context>
    <name>SameFile</name>
    <message>
        <location filename="../editor/core/SameFile.cpp" line="+24"/>
        <source>it is the same file as the input %1, which writing it would destroy</source>
        <translation>het is hetzelfde bestand als de invoer %1, en die zou door het wegschrijven verloren gaan</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <location filename="../game/core/Scoring.cpp" line="+62"/>
        <source>Final Score: %1</source>
        <translation>Eindscore: %1</translation>
    </message>
</context>
<context>
    <name>SheetLayout</name>
    <message>
        <location filename="../editor/core/SheetLayout.cpp" line="+187"/>
        <source>Answer Key</source>
        <extracomment>The sheet with the puzzles written out, for the teacher.</extracomment>
        <translation>Antwoordblad</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Worksheet</source>
        <extracomment>The sheet with the puzzles hidden, for the pupils.</extracomment>
        <translation>Werkblad</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 van %2</translation>
    </message>
</context>
<context>
    <name>SheetPrinter</name>
    <message>
        <location filename="../editor/ui/SheetPrinter.cpp" line="+141"/>
        <source>the pages could not be drawn</source>
        <translation>de pagina&apos;s konden niet worden getekend</translation>
    </message>
</context>
<context>
    <name>Wheel</name>
    <message>
        <location filename="../game/core/Wheel.cpp" line="+30"/>
        <source>All Points Lost</source>
        <comment>spin value</comment>
        <translation>Alle punten kwijt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>100 Points</source>
        <comment>spin value</comment>
        <translation>100 punten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>200 Points</source>
        <comment>spin value</comment>
        <translation>200 punten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>300 Points</source>
        <comment>spin value</comment>
        <translation>300 punten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>400 Points</source>
        <comment>spin value</comment>
        <translation>400 punten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>500 Points</source>
        <comment>spin value</comment>
        <translation>500 punten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>50 Points</source>
        <comment>spin value</comment>
        <translation>50 punten</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Double</source>
        <comment>spin value</comment>
        <translation>Dubbel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>black</source>
        <comment>lamp colour</comment>
        <translation>zwart</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue</source>
        <comment>lamp colour</comment>
        <translation>blauw</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green</source>
        <comment>lamp colour</comment>
        <translation>groen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan</source>
        <comment>lamp colour</comment>
        <translation>cyaan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red</source>
        <comment>lamp colour</comment>
        <translation>rood</translation>
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
        <translation>donkergeel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light grey</source>
        <comment>lamp colour</comment>
        <translation>lichtgrijs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grey</source>
        <comment>lamp colour</comment>
        <translation>grijs</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light blue</source>
        <comment>lamp colour</comment>
        <translation>lichtblauw</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light green</source>
        <comment>lamp colour</comment>
        <translation>lichtgroen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light cyan</source>
        <comment>lamp colour</comment>
        <translation>lichtcyaan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light red</source>
        <comment>lamp colour</comment>
        <translation>lichtrood</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light magenta</source>
        <comment>lamp colour</comment>
        <translation>lichtmagenta</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yellow</source>
        <comment>lamp colour</comment>
        <translation>geel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>white</source>
        <comment>lamp colour</comment>
        <translation>wit</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <location filename="../editor/core/WordList.cpp" line="+38"/>
        <source>it starts as UTF-16 text, but it is not valid UTF-16</source>
        <translation>het begint als UTF-16-tekst, maar het is geen geldige UTF-16</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it holds a NUL character, so it is not a text file</source>
        <translation>het bevat een NUL-teken, dus het is geen tekstbestand</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it holds a NUL byte, so it is not a text file</source>
        <translation>het bevat een NUL-byte, dus het is geen tekstbestand</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>line %1</source>
        <extracomment>Where a record of a word list stands, as the import report names it: &quot;line 3&quot;.</extracomment>
        <translation>regel %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>there is no puzzle after the clue</source>
        <translation>er staat geen puzzel na de hint</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>there is no clue after the puzzle</source>
        <translation>er staat geen hint na de puzzel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>there are more than two fields</source>
        <translation>er zijn meer dan twee velden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>there are more than %1 fields</source>
        <translation>er zijn meer dan %1 velden</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>line %1: a quoted field is never closed</source>
        <translation>regel %1: een veld tussen aanhalingstekens wordt nergens afgesloten</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>its entities would expand to more than %1 MiB of text</source>
        <translation>de entiteiten zouden uitgroeien tot meer dan %1 MiB tekst</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>line %1: elements are nested more than %2 deep</source>
        <translation>regel %1: elementen zijn meer dan %2 diep genest</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is not a KVTML word list (its first element is &lt;%1&gt;)</source>
        <translation>het is geen KVTML-woordenlijst (het eerste element is &lt;%1&gt;)</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>entry %1</source>
        <extracomment>A KVTML word list&apos;s entry, by its id or else by its position: &quot;entry 7&quot;.</extracomment>
        <translation>item %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>entry at position %1</source>
        <translation>item op plaats %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the entity %1 is not defined in the file</source>
        <translation>de entiteit %1 is niet in het bestand gedefinieerd</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>it is not valid XML (line %1, column %2: %3)</source>
        <translation>het is geen geldige XML (regel %1, kolom %2: %3)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The title was cut to %1 characters.</source>
        <translation>De titel is ingekort tot %1 tekens.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The author was cut to %1 characters.</source>
        <translation>De naam van de maker is ingekort tot %1 tekens.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The comment was cut to %1 characters.</source>
        <translation>De opmerking is ingekort tot %1 tekens.</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>line %1: &quot;%2&quot; names no separator</source>
        <translation>regel %1: &quot;%2&quot; is geen scheidingsteken</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>the entity %1 is not one HTML knows</source>
        <translation>HTML kent de entiteit %1 niet</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../game/ui/frmAbout.cpp" line="+66"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeeminformatie is nu niet beschikbaar</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Version %1.%2.%3</source>
        <translation>Versie %1.%2.%3</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Contact the Author at %1</source>
        <translation>Neem contact op met de maker via %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeeminfo...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A freeware word game
Created by Orvendel
25 Feb 2001</source>
        <translation>Een gratis woordspel
Gemaakt door Orvendel
25 feb 2001</translation>
    </message>
</context>
<context>
    <name>frmAdd</name>
    <message>
        <location filename="../editor/ui/frmAdd.cpp" line="+22"/>
        <source>Edit a Clue</source>
        <translation>Hint bewerken</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add a Clue</source>
        <translation>Hint toevoegen</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A Clue Can Have No More Than 30 Characters</source>
        <translation>Een hint mag maximaal 30 tekens hebben</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A Clue Can Have No More Than 75 Characters</source>
        <extracomment>The puzzle box&apos;s tooltip: a puzzle holds at most 75 characters.</extracomment>
        <translation>Een puzzel mag maximaal 75 tekens hebben</translation>
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
        <translation>Toevoegen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <translation>Leegmaken</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clue:</source>
        <translation>Hint:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Puzzle:</source>
        <translation>Puzzel:</translation>
    </message>
</context>
<context>
    <name>frmCreate</name>
    <message>
        <location filename="../editor/ui/frmCreate.cpp" line="+260"/>
        <source>KAZ Puzzle Set Creator</source>
        <translation>KAZ-spelsetmaker</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Clue To Puzzle Set</source>
        <translation>Hint toevoegen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete This Clue</source>
        <translation>Hint wissen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <extracomment>A button: saves the game set.</extracomment>
        <translation>Opslaan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Set</source>
        <translation>Nieuwe set</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load Set</source>
        <translation>Set laden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Author&apos;s Name:</source>
        <translation>Gemaakt door:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Title of Puzzle Set:</source>
        <translation>Titel van de spelset:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information:</source>
        <translation>Informatie:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How many clue and puzzle pairs the set holds</source>
        <translation>Hoeveel paren van hint en puzzel de set heeft</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clues and puzzles of the set</source>
        <translation>Hints en puzzels van de set</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One pair a row: the clue, then the puzzle (Delete removes it)</source>
        <translation>Eén paar per rij: de hint, dan de puzzel (Delete wist het paar)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Save...</source>
        <translation>&amp;Opslaan...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Set</source>
        <translation>&amp;Nieuwe set</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load Set...</source>
        <translation>Set &amp;laden...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import Pairs...</source>
        <translation>Paren &amp;importeren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export Pairs...</source>
        <translation>Paren &amp;exporteren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print...</source>
        <translation>&amp;Afdrukken...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export P&amp;DF...</source>
        <translation>P&amp;DF exporteren...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit This &amp;Clue</source>
        <translation>Deze &amp;hint bewerken</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Import Pairs</source>
        <translation>Paren importeren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Word lists</source>
        <extracomment>The name of the file types in the file dialog.</extracomment>
        <translation>Woordenlijsten</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>This word list could not be imported:</source>
        <translation>Deze woordenlijst kon niet worden geïmporteerd:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Export Pairs</source>
        <translation>Paren exporteren</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV file</source>
        <extracomment>The name of the file type in the file dialog.</extracomment>
        <translation>CSV-bestand</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The pairs could not be exported:</source>
        <translation>De paren konden niet worden geëxporteerd:</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Print</source>
        <extracomment>The title of the print dialogs.</extracomment>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The sheet could not be printed.</source>
        <translation>Het blad kon niet worden afgedrukt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Export PDF</source>
        <translation>PDF exporteren</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>PDF document</source>
        <extracomment>The name of the file type in the file dialog.</extracomment>
        <translation>PDF-document</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The PDF could not be written:</source>
        <translation>De PDF kon niet worden geschreven:</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>The game set could not be saved:</source>
        <translation>De spelset kon niet worden opgeslagen:</translation>
    </message>
</context>
</TS>
