<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>ClueGridModel</name>
    <message>
        <location filename="../editor/ui/ClueGrid.cpp" line="+37"/>
        <source>Clue of pair %1</source>
        <translation>Podpowiedź z pary %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Puzzle of pair %1</source>
        <translation>Hasło z pary %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Clue</source>
        <extracomment>A column heading of the editor&apos;s grid of pairs.</extracomment>
        <translation>Podpowiedź</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Puzzle</source>
        <translation>Hasło</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <location filename="../common/ui/CommandLine.cpp" line="+81"/>
        <source>FILE</source>
        <extracomment>The name the help gives the game set named on the command line</extracomment>
        <translation>PLIK</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>A game set (.kazset) to open.</source>
        <translation>Zestaw (.kazset) do otwarcia.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>FOLDER</source>
        <extracomment>The name the help gives the value of --scores</extracomment>
        <translation>FOLDER</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Keep the high-score table hs.lst in %1 for this run (it must exist).</source>
        <translation>Przechowuj tabelę najlepszych wyników hs.lst w %1 (tylko przy tym uruchomieniu; folder musi istnieć).</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Only one file can be opened.</source>
        <translation>Można otworzyć tylko jeden plik.</translation>
    </message>
    <message>
        <location filename="../game/main.cpp" line="+27"/>
        <source>Kazoola, the word-puzzle game.</source>
        <translation>Kazoola, słowna gra w odgadywanie haseł.</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <location filename="../game/ui/Form1.cpp" line="+169"/>
        <source>Clue:</source>
        <extracomment>The clue line before any game set is loaded</extracomment>
        <translation>Podpowiedź:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The clue to the hidden puzzle</source>
        <translation>Podpowiedź do ukrytego hasła</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divider under the clue</source>
        <translation>Linia pod podpowiedzią</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The wheel&apos;s middle lamp: its colour decides the spin</source>
        <translation>Środkowa lampka koła: jej kolor wyznacza wartość obrotu</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A lamp of the wheel</source>
        <translation>Lampka koła</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Arrow pointing at lamp %1 of %2</source>
        <translation>Strzałka wskazuje lampkę %1 z %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blinks when the wheel has stopped</source>
        <translation>Miga, gdy koło się zatrzyma</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Solve</source>
        <comment>button</comment>
        <extracomment>The button that asks for the whole answer</extracomment>
        <translation>Odgadnij</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spin</source>
        <comment>button</comment>
        <extracomment>The button that turns the wheel</extracomment>
        <translation>Zakręć</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Type the whole answer (Enter)</source>
        <translation>Wpisz całe hasło (Enter)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Spin the wheel for a letter&apos;s value (Space)</source>
        <translation>Zakręć kołem, żeby poznać wartość litery (Space)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Divider between the wheel and the letters</source>
        <translation>Linia między kołem a literami</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Guess the letter %1 (or type it)</source>
        <translation>Wybierz literę %1 (albo naciśnij ją na klawiaturze)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Status: the last spin or guess, the score and the spins</source>
        <translation>Stan: ostatni obrót lub wybrana litera, wynik i liczba obrotów</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>The hidden puzzle: each hidden letter is read as blank, and gap marks a space between words</source>
        <translation>Ukryte hasło: każda nieodkryta litera jest czytana jako „ukryta”, a „odstęp” oznacza spację między wyrazami</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Open a KAZ Set to Play</source>
        <translation>Otwórz zestaw KAZ do gry</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>KAZ Game Set</source>
        <extracomment>The file dialog&apos;s name for game set files</extracomment>
        <translation>Zestaw KAZ</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load A Game Set</source>
        <translation>&amp;Wczytaj zestaw</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Game Set Information</source>
        <translation>&amp;Informacje o zestawie</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High &amp;Scores</source>
        <translation>Naj&amp;lepsze wyniki</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;In</source>
        <translation>&amp;Powiększ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom &amp;Out</source>
        <translation>Po&amp;mniejsz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Actual Size</source>
        <translation>&amp;Normalny rozmiar</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Full Screen</source>
        <translation>Pełny &amp;ekran</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;Sound</source>
        <extracomment>View menu: the game&apos;s sounds on or off</extracomment>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Make the game window larger</source>
        <translation>Powiększ okno gry</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Make the game window smaller</source>
        <translation>Pomniejsz okno gry</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Show the game window at its designed size</source>
        <translation>Pokaż okno gry w normalnym rozmiarze</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fill the screen with the game (F11 or Esc to leave)</source>
        <translation>Pokaż grę na całym ekranie (wyjście: F11 lub Esc)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Play the game&apos;s sounds</source>
        <translation>Odtwarzaj dźwięki gry</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>&amp;About</source>
        <extracomment>The menu that holds Help and About</extracomment>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>A&amp;bout The Game</source>
        <translation>&amp;O grze</translation>
    </message>
    <message>
        <location line="+135"/>
        <source>Status: no game set loaded</source>
        <translation>Stan: nie wczytano zestawu</translation>
    </message>
    <message>
        <location filename="../game/ui/Form1View.cpp" line="+265"/>
        <source>Lamp %1 of %2: %3</source>
        <extracomment>%3 is the lamp&apos;s colour</extracomment>
        <translation>Lampka %1 z %2: %3</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <location filename="../game/ui/Form2.cpp" line="+24"/>
        <source>Game Set Information</source>
        <translation>Informacje o zestawie</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Author&apos;s Name:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Title of Game Set:</source>
        <translation>Tytuł zestawu:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date Last Edited:</source>
        <translation>Ostatnia zmiana:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Number of Puzzles:</source>
        <translation>Liczba haseł:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Information:</source>
        <translation>Informacje:</translation>
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
        <translation>Imię</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Game Set</source>
        <translation>Zestaw</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>High Scores for KAZ</source>
        <translation>Najlepsze wyniki KAZ</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>&amp;Done</source>
        <translation>&amp;Gotowe</translation>
    </message>
</context>
<context>
    <name>GameMessages</name>
    <message>
        <location filename="../game/ui/GameMessages.cpp" line="+32"/>
        <source>There is not a Game Set Loaded!
Please load a game set first!</source>
        <translation>Nie wczytano żadnego zestawu!
Najpierw wczytaj zestaw!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>No Game Set Loaded!</source>
        <translation>Brak wczytanego zestawu!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>There is already a game in progress!
Are you sure you want to quit?</source>
        <translation>Gra już trwa!
Na pewno chcesz ją przerwać?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Really Quit?</source>
        <translation>Przerwać grę?</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Please guess a letter before spinning again.</source>
        <translation>Zanim znów zakręcisz, wybierz literę.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pick A Letter</source>
        <translation>Wybierz literę</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All of the letters in the puzzle have been uncovered.  Please solve the puzzle!</source>
        <translation>Wszystkie litery hasła są już odkryte.  Teraz odgadnij hasło!</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Letters Are Showing</source>
        <translation>Wszystkie litery są odkryte</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I am sorry but you have lost all of your points!
Please roll again</source>
        <translation>Przykro mi, ale tracisz wszystkie punkty!
Zakręć jeszcze raz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>All Points Lost!</source>
        <translation>Punkty przepadły!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Before you can guess a letter, you must spin!</source>
        <translation>Zanim wybierzesz literę, musisz zakręcić kołem!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please Spin First</source>
        <translation>Najpierw zakręć kołem</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>I am sorry, that letter was not found!</source>
        <translation>Przykro mi, tej litery nie ma w haśle!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Letter Not Found</source>
        <translation>Nie ma tej litery</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>You Got It!

It took %1 spin(s) for you
to solve this %2 letter puzzle.
Your final (adjusted) score is %3</source>
        <extracomment>%1 spins, %2 letters, %3 the final score</extracomment>
        <translation>Udało się!

Liczba obrotów: %1
Liczba liter w haśle: %2
Twój wynik końcowy (po przeliczeniu): %3</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>congratulations</source>
        <translation>Gratulacje</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sorry, but that was not it.
You Entered: %1
The Puzzle was: %2</source>
        <extracomment>%1 the answer as typed, %2 the puzzle</extracomment>
        <translation>Niestety, to nie to.
Twoja odpowiedź: %1
Hasło brzmiało: %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Sorry!</source>
        <translation>Niestety!</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Please Enter Your Guess (And Watch Your Spelling!)</source>
        <translation>Wpisz odpowiedź (i uważaj na pisownię!)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Enter Your Answer</source>
        <translation>Twoja odpowiedź</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Please Enter Your Name IN CASE You Qualify For The High Score Board.</source>
        <translation>Wpisz imię – NA WYPADEK, gdyby wynik trafił do tabeli najlepszych wyników.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High Score?</source>
        <translation>Najlepszy wynik?</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Kazoola - Game %1 of %2</source>
        <translation>Kazoola - Gra %1 z %2</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Clue: %1</source>
        <extracomment>The line under the puzzle board; the clue follows</extracomment>
        <translation>Podpowiedź: %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Spin result: %1</source>
        <translation>Wypadło: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Letter %1 not found</source>
        <translation>Nie ma litery %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Letter %1 found once</source>
        <translation>Litera %1 jest w haśle raz</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>Letter %1 found %n times</source>
        <extracomment>Said for 2 or more</extracomment>
        <translation>
            <numerusform>Litera %1 jest w haśle %n raz</numerusform>
            <numerusform>Litera %1 jest w haśle %n razy</numerusform>
            <numerusform>Litera %1 jest w haśle %n razy</numerusform>
        </translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Solved</source>
        <translation>Odgadnięte</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Puzzle board: no game</source>
        <translation>Tablica: brak gry</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>, gap, </source>
        <extracomment>Between two words of the spoken board</extracomment>
        <translation>, odstęp, </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>blank</source>
        <extracomment>A hidden letter of the spoken board</extracomment>
        <translation>ukryta</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>, and %1 more words</source>
        <translation>, i jeszcze wyrazów: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Puzzle board: %1</source>
        <extracomment>The board&apos;s letters, blanks and gaps follow</extracomment>
        <translation>Tablica: %1</translation>
    </message>
</context>
<context>
    <name>GameSetFile</name>
    <message>
        <location filename="../common/core/GameSetFile.cpp" line="+52"/>
        <source>line %1: the file ends where %2 was expected</source>
        <translation>wiersz %1: plik się kończy, a brakuje jeszcze: %2</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>line %1: %2 has no closing double quote</source>
        <translation>wiersz %1: brak zamykającego cudzysłowu (%2)</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>This file is not a usable game set:</source>
        <translation>Ten plik nie jest poprawnym zestawem:</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>the title</source>
        <translation>tytuł</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>the author</source>
        <translation>autor</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the date</source>
        <translation>data</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>line %1: a date like #2001-02-25# was expected</source>
        <translation>wiersz %1: oczekiwano daty w postaci #2001-02-25#</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the information</source>
        <translation>informacje</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the number of puzzles</source>
        <translation>liczba haseł</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>line %1: a number of puzzles from 1 to %2 was expected</source>
        <translation>wiersz %1: oczekiwano liczby haseł od 1 do %2</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>clue %1</source>
        <translation>podpowiedź %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>puzzle %1</source>
        <translation>hasło %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>no file was chosen</source>
        <translation>nie wybrano pliku</translation>
    </message>
    <message>
        <location filename="../common/core/GameSetFile.h" line="+55"/>
        <source>Game Set Not Loaded</source>
        <translation>Nie wczytano zestawu</translation>
    </message>
</context>
<context>
    <name>HeadlessCommands</name>
    <message>
        <location filename="../editor/ui/HeadlessCommands.cpp" line="+30"/>
        <source>Usage:</source>
        <translation>Użycie:</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>no pair could be imported, so no game set was written</source>
        <translation>nie udało się zaimportować żadnej pary, więc nie zapisano zestawu</translation>
    </message>
    <message>
        <location line="+41"/>
        <source>--pdf takes key or worksheet, not &quot;%1&quot;</source>
        <translation>--pdf przyjmuje key lub worksheet, a nie „%1”</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>makes a game set of a word list (CSV, TSV, .txt or KVTML)</source>
        <translation>tworzy zestaw z listy słów (CSV, TSV, .txt lub KVTML)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>writes a game set&apos;s pairs as CSV</source>
        <translation>zapisuje pary zestawu jako CSV</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>writes a game set&apos;s answer key or worksheet as PDF</source>
        <translation>zapisuje klucz odpowiedzi lub kartę pracy zestawu jako PDF</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>these options do not make a command: %1</source>
        <translation>z tych opcji nie wynika żadne polecenie: %1</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <location filename="../common/core/HelpPage.cpp" line="+136"/>
        <source>it holds a word longer than %1 characters</source>
        <translation>zawiera zbyt długi wyraz (limit znaków: %1)</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>it holds a size of more than %1 digits</source>
        <translation>zawiera rozmiar o zbyt wielu cyfrach (limit: %1)</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>it holds more than %1 elements</source>
        <translation>zawiera zbyt wiele elementów (limit: %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its tables hold more than %1 cells</source>
        <translation>jego tabele mają zbyt wiele komórek (limit: %1)</translation>
    </message>
    <message>
        <location line="+22"/>
        <source>it holds more than %1 tables</source>
        <translation>zawiera zbyt wiele tabel (limit: %1)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>its tables are nested more than %1 deep</source>
        <translation>jego tabele są zagnieżdżone zbyt głęboko (limit poziomów: %1)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>it holds more than %1 lists</source>
        <translation>zawiera zbyt wiele list (limit: %1)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>its elements are nested more than %1 deep</source>
        <translation>jego elementy są zagnieżdżone zbyt głęboko (limit poziomów: %1)</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>the file is larger than %1 KiB</source>
        <translation>plik jest większy niż %1 KiB</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <location filename="../common/ui/HelpViewer.cpp" line="+19"/>
        <source>The help file could not be opened:
%1

%2</source>
        <translation>Nie udało się otworzyć pliku pomocy:
%1

%2</translation>
    </message>
    <message>
        <location line="+81"/>
        <source>%1 Help</source>
        <extracomment>%1 is the help file&apos;s name: &quot;Kaz Help&quot;</extracomment>
        <translation>Pomoc – %1</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
</context>
<context>
    <name>HighScores</name>
    <message>
        <location filename="../game/core/HighScores.cpp" line="+22"/>
        <source>the program&apos;s own folder could not be found</source>
        <translation>nie udało się znaleźć folderu programu</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>High Scores Not Saved</source>
        <translation>Nie zapisano wyników</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>High Scores Not Read</source>
        <translation>Nie wczytano wyników</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The high-score file could not be written:</source>
        <translation>Nie udało się zapisać pliku najlepszych wyników:</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The high-score file could not be read:</source>
        <translation>Nie udało się odczytać pliku najlepszych wyników:</translation>
    </message>
    <message>
        <location line="-22"/>
        <source>Not Played</source>
        <translation>Nie grano</translation>
    </message>
</context>
<context>
    <name>ImportRules</name>
    <message>
        <location filename="../editor/core/ImportRules.cpp" line="+72"/>
        <source>1 entry was refused:</source>
        <translation>Odrzucono 1 wpis:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 entry was changed:</source>
        <translation>Zmieniono 1 wpis:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line was refused:</source>
        <translation>Odrzucono 1 wiersz:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>1 line was changed:</source>
        <translation>Zmieniono 1 wiersz:</translation>
    </message>
    <message numerus="yes">
        <location line="+3"/>
        <source>%n entries were refused:</source>
        <translation>
            <numerusform>Odrzucono %n wpis:</numerusform>
            <numerusform>Odrzucono %n wpisy:</numerusform>
            <numerusform>Odrzucono %n wpisów:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n entries were changed:</source>
        <translation>
            <numerusform>Zmieniono %n wpis:</numerusform>
            <numerusform>Zmieniono %n wpisy:</numerusform>
            <numerusform>Zmieniono %n wpisów:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines were refused:</source>
        <translation>
            <numerusform>Odrzucono %n wiersz:</numerusform>
            <numerusform>Odrzucono %n wiersze:</numerusform>
            <numerusform>Odrzucono %n wierszy:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n lines were changed:</source>
        <translation>
            <numerusform>Zmieniono %n wiersz:</numerusform>
            <numerusform>Zmieniono %n wiersze:</numerusform>
            <numerusform>Zmieniono %n wierszy:</numerusform>
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
        <translation>i jeszcze %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>the clue is longer than 30 characters</source>
        <translation>podpowiedź ma ponad 30 znaków</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the puzzle is longer than 75 characters</source>
        <translation>hasło ma ponad 75 znaków</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>an entry is empty</source>
        <translation>jedno z pól jest puste</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the puzzle is over 25 characters long without a space every 25 characters</source>
        <translation>hasło ma ponad 25 znaków i nie ma spacji co 25 znaków</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>the set is full (101 pairs)</source>
        <translation>zestaw jest pełny (101 par)</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the clue holds a digit, which the board cannot show</source>
        <translation>podpowiedź zawiera cyfrę, której tablica nie umie pokazać</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>the puzzle holds a digit, which the board cannot show</source>
        <translation>hasło zawiera cyfrę, której tablica nie umie pokazać</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>punctuation became blanks</source>
        <translation>interpunkcję zamieniono na odstępy</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>&quot;%1&quot; is a letter the game cannot show</source>
        <translation>„%1” to litera, której gra nie umie pokazać</translation>
    </message>
    <message>
        <location line="+46"/>
        <source>No pairs were added.</source>
        <translation>Nie dodano żadnej pary.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>1 pair was added.</source>
        <translation>Dodano 1 parę.</translation>
    </message>
    <message numerus="yes">
        <location line="+1"/>
        <source>%n pairs were added.</source>
        <translation>
            <numerusform>Dodano %n parę.</numerusform>
            <numerusform>Dodano %n pary.</numerusform>
            <numerusform>Dodano %n par.</numerusform>
        </translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Import Pairs</source>
        <translation>Importuj pary</translation>
    </message>
</context>
<context>
    <name>KazCreate</name>
    <message>
        <location filename="../editor/main.cpp" line="+25"/>
        <source>KazCreate, the Kazoola game set editor.

Without a window:</source>
        <translation>KazCreate, edytor zestawów do gry Kazoola.

Bez okna:</translation>
    </message>
</context>
<context>
    <name>KazCreateMod</name>
    <message>
        <location filename="../editor/core/KazCreateMod.cpp" line="+19"/>
        <source>Your Name</source>
        <extracomment>Stands in the author box until the teacher types a name.</extracomment>
        <translation>Twoje imię</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Title For Set</source>
        <extracomment>Stands in the title box until the teacher types a title.</extracomment>
        <translation>Wpisz tytuł</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Enter whatever you want here.  Email, web pages, why you made the set, etc., etc. Up to 255 characters.</source>
        <extracomment>Stands in the information box; the box holds at most 255 characters.</extracomment>
        <translation>Wpisz tu, co tylko chcesz.  E-mail, strony WWW, po co powstał zestaw itd. Do 255 znaków.</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>None Given</source>
        <extracomment>Saved as the author or title when the teacher left the box as it was.</extracomment>
        <translation>Nie podano</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>No information given</source>
        <translation>Brak informacji</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter a clue to help the player solve the puzzle.</source>
        <translation>Wpisz podpowiedź, która pomoże odgadnąć hasło.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Enter the puzzle to be solved here.</source>
        <translation>Tutaj wpisz hasło do odgadnięcia.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Number of Clues in Set: 0</source>
        <translation>Podpowiedzi w zestawie: 0</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Number of clues in set: %1</source>
        <translation>Podpowiedzi w zestawie: %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Are You Sure?<byte value="xd"/>
All unsaved puzzle data entered thus far will be lost!</source>
        <translation>Na pewno?<byte value="xd"/>
Wszystkie niezapisane dane zestawu przepadną!</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ARE YOU SURE?</source>
        <translation>CZY NA PEWNO?</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>An entry is empty!<byte value="xd"/>
Please check them and try again!</source>
        <translation>Jedno z pól jest puste!<byte value="xd"/>
Sprawdź pola i spróbuj jeszcze raz!</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ERROR IN DATA</source>
        <translation>BŁĄD W DANYCH</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Your Puzzle is over 25 characters long and it <byte value="xd"/>
does not have at LEAST one space every 25 character.<byte value="xd"/>
I am sorry, but I must ask that you modifiy it to allow for proper display.</source>
        <translation>Twoje hasło ma ponad 25 znaków i <byte value="xd"/>
nie ma CHOCIAŻ jednej spacji co 25 znaków.<byte value="xd"/>
Przykro mi, ale muszę cię poprosić o zmianę hasła, żeby dało się je poprawnie wyświetlić.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Bad Spacing</source>
        <translation>Złe odstępy</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>This set already holds 101 clues.<byte value="xd"/>
No more can be added.</source>
        <translation>Ten zestaw ma już 101 podpowiedzi.<byte value="xd"/>
Nie można dodać kolejnych.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Set Is Full</source>
        <translation>Zestaw jest pełny</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Game Set Not Saved</source>
        <translation>Nie zapisano zestawu</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Save Your Game Set</source>
        <translation>Zapisz swój zestaw</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select a Game Set to Edit</source>
        <translation>Wybierz zestaw do edycji</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>KAZ Game Set</source>
        <extracomment>The name of the file type in the file dialogs.</extracomment>
        <translation>Zestaw KAZ</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>it holds more than %1 pairs</source>
        <translation>zawiera ponad %1 par</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>No pair was loaded; pair 1 and the pairs after it were not.</source>
        <translation>Nie wczytano żadnej pary: ani pary 1, ani kolejnych.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pairs 1 to %1 were loaded; pair %2 and the pairs after it were not.</source>
        <translation>Wczytano pary od 1 do %1; pary %2 i kolejnych nie wczytano.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Pair %1 of this game set has an empty clue:</source>
        <translation>Para %1 tego zestawu ma pustą podpowiedź:</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Game Set Partly Loaded</source>
        <translation>Zestaw wczytany częściowo</translation>
    </message>
</context>
<context>
    <name>KazMod</name>
    <message>
        <location filename="../game/core/KazMod.cpp" line="+16"/>
        <source>Current Score: %1</source>
        <translation>Twój wynik: %1</translation>
    </message>
    <message>
        <location line="+3"/>
        <source># Of Spins So Far: %1</source>
        <translation>Liczba obrotów: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spin Value: %1</source>
        <translation>Wartość obrotu: %1</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <location filename="../common/ui/Language.cpp" line="+130"/>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>System Language</source>
        <translation>Język systemu</translation>
    </message>
</context>
<context>
    <name>SafeFile</name>
    <message>
        <location filename="../common/core/SafeFile.cpp" line="+53"/>
        <source>it is a folder, not a file</source>
        <translation>to folder, a nie plik</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a named pipe (FIFO), not a regular file</source>
        <translation>to potok nazwany (FIFO), a nie zwykły plik</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a device, not a regular file</source>
        <translation>to urządzenie, a nie zwykły plik</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a socket, not a regular file</source>
        <translation>to gniazdo, a nie zwykły plik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>%1 MiB</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 bytes</source>
        <translation>%1 B</translation>
    </message>
    <message>
        <location line="+115"/>
        <source>it is a link that another user made, and such links are not followed</source>
        <translation>to dowiązanie utworzone przez innego użytkownika, a takich dowiązań program nie otwiera</translation>
    </message>
    <message>
        <location line="+159"/>
        <source>the file was replaced while it was being saved</source>
        <translation>plik został podmieniony w trakcie zapisywania</translation>
    </message>
    <message>
        <location line="+34"/>
        <location line="+93"/>
        <source>no file was named</source>
        <translation>nie podano nazwy pliku</translation>
    </message>
    <message>
        <location line="-82"/>
        <location line="+15"/>
        <source>the file could not be opened (%1)</source>
        <translation>nie udało się otworzyć pliku (%1)</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+23"/>
        <source>the file is larger than %1</source>
        <translation>plik jest większy niż %1</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>the file could not be read (%1)</source>
        <translation>nie udało się odczytać pliku (%1)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>it is not a folder</source>
        <translation>to nie jest folder</translation>
    </message>
    <message>
        <location line="+134"/>
        <source>its lock file %1 is in the way (%2)</source>
        <translation>przeszkadza jego plik blokady %1 (%2)</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>it is a link</source>
        <translation>to dowiązanie</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>another program or user holds a lock on %1 (its lock file %2 names process %3 on %4)</source>
        <translation>inny program lub użytkownik zablokował %1 (plik blokady %2 wskazuje proces %3 na %4)</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>another program or user holds a lock on %1</source>
        <translation>inny program lub użytkownik zablokował %1</translation>
    </message>
</context>
<context>
    <name>SameFile</name>
    <message>
        <location filename="../editor/core/SameFile.cpp" line="+24"/>
        <source>it is the same file as the input %1, which writing it would destroy</source>
        <translation>to ten sam plik co plik wejściowy %1 – zapis by go zniszczył</translation>
    </message>
</context>
<context>
    <name>Scoring</name>
    <message>
        <location filename="../game/core/Scoring.cpp" line="+62"/>
        <source>Final Score: %1</source>
        <translation>Wynik końcowy: %1</translation>
    </message>
</context>
<context>
    <name>SheetLayout</name>
    <message>
        <location filename="../editor/core/SheetLayout.cpp" line="+187"/>
        <source>Answer Key</source>
        <extracomment>The sheet with the puzzles written out, for the teacher.</extracomment>
        <translation>Klucz odpowiedzi</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Worksheet</source>
        <extracomment>The sheet with the puzzles hidden, for the pupils.</extracomment>
        <translation>Karta pracy</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Page %1 of %2</source>
        <translation>Strona %1 z %2</translation>
    </message>
</context>
<context>
    <name>SheetPrinter</name>
    <message>
        <location filename="../editor/ui/SheetPrinter.cpp" line="+141"/>
        <source>the pages could not be drawn</source>
        <translation>nie udało się narysować stron</translation>
    </message>
</context>
<context>
    <name>Wheel</name>
    <message>
        <location filename="../game/core/Wheel.cpp" line="+30"/>
        <source>All Points Lost</source>
        <comment>spin value</comment>
        <translation>Punkty przepadły</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>100 Points</source>
        <comment>spin value</comment>
        <translation>100 punktów</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>200 Points</source>
        <comment>spin value</comment>
        <translation>200 punktów</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>300 Points</source>
        <comment>spin value</comment>
        <translation>300 punktów</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>400 Points</source>
        <comment>spin value</comment>
        <translation>400 punktów</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>500 Points</source>
        <comment>spin value</comment>
        <translation>500 punktów</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>50 Points</source>
        <comment>spin value</comment>
        <translation>50 punktów</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Double</source>
        <comment>spin value</comment>
        <translation>Podwojenie</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>black</source>
        <comment>lamp colour</comment>
        <translation>czarny</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>blue</source>
        <comment>lamp colour</comment>
        <translation>niebieski</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>green</source>
        <comment>lamp colour</comment>
        <translation>zielony</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>cyan</source>
        <comment>lamp colour</comment>
        <translation>turkusowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>red</source>
        <comment>lamp colour</comment>
        <translation>czerwony</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>magenta</source>
        <comment>lamp colour</comment>
        <translation>purpurowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>dark yellow</source>
        <comment>lamp colour</comment>
        <translation>ciemnożółty</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light grey</source>
        <comment>lamp colour</comment>
        <translation>jasnoszary</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>grey</source>
        <comment>lamp colour</comment>
        <translation>szary</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light blue</source>
        <comment>lamp colour</comment>
        <translation>jasnoniebieski</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light green</source>
        <comment>lamp colour</comment>
        <translation>jasnozielony</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light cyan</source>
        <comment>lamp colour</comment>
        <translation>jasnoturkusowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light red</source>
        <comment>lamp colour</comment>
        <translation>jasnoczerwony</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>light magenta</source>
        <comment>lamp colour</comment>
        <translation>jasnopurpurowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>yellow</source>
        <comment>lamp colour</comment>
        <translation>żółty</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>white</source>
        <comment>lamp colour</comment>
        <translation>biały</translation>
    </message>
</context>
<context>
    <name>WordList</name>
    <message>
        <location filename="../editor/core/WordList.cpp" line="+38"/>
        <source>it starts as UTF-16 text, but it is not valid UTF-16</source>
        <translation>zaczyna się jak tekst UTF-16, ale nie jest poprawnym UTF-16</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>it holds a NUL character, so it is not a text file</source>
        <translation>zawiera znak NUL, więc nie jest plikiem tekstowym</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>it holds a NUL byte, so it is not a text file</source>
        <translation>zawiera bajt NUL, więc nie jest plikiem tekstowym</translation>
    </message>
    <message>
        <location line="+61"/>
        <source>line %1</source>
        <extracomment>Where a record of a word list stands, as the import report names it: &quot;line 3&quot;.</extracomment>
        <translation>wiersz %1</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>there is no puzzle after the clue</source>
        <translation>po podpowiedzi brakuje hasła</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>there is no clue after the puzzle</source>
        <translation>po haśle brakuje podpowiedzi</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>there are more than two fields</source>
        <translation>jest więcej niż dwa pola</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>there are more than %1 fields</source>
        <translation>jest za dużo pól (najwyżej %1)</translation>
    </message>
    <message>
        <location line="+89"/>
        <source>line %1: a quoted field is never closed</source>
        <translation>wiersz %1: pole w cudzysłowie nie zostało zamknięte</translation>
    </message>
    <message>
        <location line="+91"/>
        <source>its entities would expand to more than %1 MiB of text</source>
        <translation>jego encje rozwinęłyby się do ponad %1 MiB tekstu</translation>
    </message>
    <message>
        <location line="+73"/>
        <source>line %1: elements are nested more than %2 deep</source>
        <translation>wiersz %1: elementy są zagnieżdżone zbyt głęboko (limit poziomów: %2)</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>it is not a KVTML word list (its first element is &lt;%1&gt;)</source>
        <translation>to nie jest lista słów KVTML (pierwszy element to &lt;%1&gt;)</translation>
    </message>
    <message>
        <location line="+49"/>
        <source>entry %1</source>
        <extracomment>A KVTML word list&apos;s entry, by its id or else by its position: &quot;entry 7&quot;.</extracomment>
        <translation>wpis %1</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>entry at position %1</source>
        <translation>wpis na pozycji %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>the entity %1 is not defined in the file</source>
        <translation>encja %1 nie jest zdefiniowana w pliku</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>it is not valid XML (line %1, column %2: %3)</source>
        <translation>to nie jest poprawny XML (wiersz %1, kolumna %2: %3)</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The title was cut to %1 characters.</source>
        <translation>Tytuł skrócono do %1 znaków.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The author was cut to %1 characters.</source>
        <translation>Nazwę autora skrócono do %1 znaków.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The comment was cut to %1 characters.</source>
        <translation>Komentarz skrócono do %1 znaków.</translation>
    </message>
    <message>
        <location line="+100"/>
        <source>line %1: &quot;%2&quot; names no separator</source>
        <translation>wiersz %1: „%2” nie jest nazwą separatora</translation>
    </message>
    <message>
        <location line="+103"/>
        <source>the entity %1 is not one HTML knows</source>
        <translation>encja %1 nie jest znaną encją HTML</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <location filename="../game/ui/frmAbout.cpp" line="+66"/>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informacje o systemie są teraz niedostępne</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Version %1.%2.%3</source>
        <translation>Wersja %1.%2.%3</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Contact the Author at %1</source>
        <translation>Kontakt z autorem: %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>&amp;System Info...</source>
        <translation>Dane &amp;systemu...</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>A freeware word game
Created by Orvendel
25 Feb 2001</source>
        <translation>Darmowa gra słowna
Autor: Orvendel
25 lutego 2001</translation>
    </message>
</context>
<context>
    <name>frmAdd</name>
    <message>
        <location filename="../editor/ui/frmAdd.cpp" line="+22"/>
        <source>Edit a Clue</source>
        <translation>Edytuj podpowiedź</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Add a Clue</source>
        <translation>Dodaj podpowiedź</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>A Clue Can Have No More Than 30 Characters</source>
        <translation>Podpowiedź może mieć najwyżej 30 znaków</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>A Clue Can Have No More Than 75 Characters</source>
        <extracomment>The puzzle box&apos;s tooltip: a puzzle holds at most 75 characters.</extracomment>
        <translation>Hasło może mieć najwyżej 75 znaków</translation>
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
        <translation>Dodaj</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Clue:</source>
        <translation>Podpowiedź:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Puzzle:</source>
        <translation>Hasło:</translation>
    </message>
</context>
<context>
    <name>frmCreate</name>
    <message>
        <location filename="../editor/ui/frmCreate.cpp" line="+260"/>
        <source>KAZ Puzzle Set Creator</source>
        <translation>Kreator zestawów KAZ</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Add Clue To Puzzle Set</source>
        <translation>Dodaj podpowiedź</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete This Clue</source>
        <translation>Usuń tę podpowiedź</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save</source>
        <extracomment>A button: saves the game set.</extracomment>
        <translation>Zapisz</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>New Set</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Load Set</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Author&apos;s Name:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Title of Puzzle Set:</source>
        <translation>Tytuł zestawu:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Information:</source>
        <translation>Informacje:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>How many clue and puzzle pairs the set holds</source>
        <translation>Ile par (podpowiedź i hasło) ma zestaw</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Clues and puzzles of the set</source>
        <translation>Podpowiedzi i hasła zestawu</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>One pair a row: the clue, then the puzzle (Delete removes it)</source>
        <translation>Jedna para w wierszu: podpowiedź, potem hasło (Delete ją usuwa)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>&amp;Save...</source>
        <translation>&amp;Zapisz...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;New Set</source>
        <translation>&amp;Nowy zestaw</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Load Set...</source>
        <translation>&amp;Wczytaj zestaw...</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Import Pairs...</source>
        <translation>&amp;Importuj pary...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Export Pairs...</source>
        <translation>&amp;Eksportuj pary...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Export P&amp;DF...</source>
        <translation>Eksportuj &amp;PDF...</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit This &amp;Clue</source>
        <translation>Edytuj tę &amp;podpowiedź</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Import Pairs</source>
        <translation>Importuj pary</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Word lists</source>
        <extracomment>The name of the file types in the file dialog.</extracomment>
        <translation>Listy słów</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>This word list could not be imported:</source>
        <translation>Nie udało się zaimportować tej listy słów:</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>Export Pairs</source>
        <translation>Eksportuj pary</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>CSV file</source>
        <extracomment>The name of the file type in the file dialog.</extracomment>
        <translation>Plik CSV</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The pairs could not be exported:</source>
        <translation>Nie udało się wyeksportować par:</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Print</source>
        <extracomment>The title of the print dialogs.</extracomment>
        <translation>Drukuj</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>The sheet could not be printed.</source>
        <translation>Nie udało się wydrukować arkusza.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Export PDF</source>
        <translation>Eksportuj PDF</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>PDF document</source>
        <extracomment>The name of the file type in the file dialog.</extracomment>
        <translation>Dokument PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>The PDF could not be written:</source>
        <translation>Nie udało się zapisać pliku PDF:</translation>
    </message>
    <message>
        <location line="+40"/>
        <source>The game set could not be saved:</source>
        <translation>Nie udało się zapisać zestawu:</translation>
    </message>
</context>
</TS>
