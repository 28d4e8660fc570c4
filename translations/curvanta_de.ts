<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Accessibility</name>
    <message>
        <source>Empty: only the axes are drawn.</source>
        <translation>Leer: nur die Achsen sind gezeichnet.</translation>
    </message>
    <message>
        <source>No function chosen, %1</source>
        <translation>Keine Funktion gewählt, %1</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>Earlier plots not listed: %1.</source>
        <translation>Nicht aufgeführte frühere Zeichnungen: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%1, drawn %n times.</source>
        <translation>
            <numerusform>%1, %n-mal gezeichnet.</numerusform>
            <numerusform>%1, %n-mal gezeichnet.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 coefficient %2</source>
        <translation>%1 Koeffizient %2</translation>
    </message>
    <message>
        <source>Function</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Lower x limit value</source>
        <translation>Wert der unteren x-Grenze</translation>
    </message>
    <message>
        <source>Upper x limit value</source>
        <translation>Wert der oberen x-Grenze</translation>
    </message>
    <message>
        <source>%1: lower x limit</source>
        <translation>%1: untere x-Grenze</translation>
    </message>
    <message>
        <source>%1: upper x limit</source>
        <translation>%1: obere x-Grenze</translation>
    </message>
    <message>
        <source>Plot area</source>
        <translation>Zeichenfläche</translation>
    </message>
    <message>
        <source>Function code</source>
        <translation>Funktionscode</translation>
    </message>
    <message>
        <source>Credit font size</source>
        <translation>Schriftgröße des Vermerks</translation>
    </message>
    <message>
        <source>%1, stopped at x = %2: %3</source>
        <translation>%1, angehalten bei x = %2: %3</translation>
    </message>
    <message>
        <source>Plotted: %1.</source>
        <translation>Gezeichnet: %1.</translation>
    </message>
    <message>
        <source>Cleared: only the axes are drawn.</source>
        <translation>Gelöscht: nur die Achsen sind gezeichnet.</translation>
    </message>
    <message>
        <source>Clear undone: %1</source>
        <translation>Löschen rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>for x from %1 to %2 (the limits %3 and %4 divided by 1.2)</source>
        <translation>für x von %1 bis %2 (die Grenzen %3 und %4 geteilt durch 1,2)</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>No function chosen</source>
        <translation>Keine Funktion gewählt</translation>
    </message>
    <message>
        <source>%1 with %2</source>
        <translation>%1 mit %2</translation>
    </message>
</context>
<context>
    <name>Account</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>It does not cross y = 0.</source>
        <translation>Sie schneidet y = 0 nicht.</translation>
    </message>
    <message>
        <source>Crossings of y = 0: %1, at x %2.</source>
        <translation>Schnittpunkte mit y = 0: %1, bei x %2.</translation>
    </message>
    <message>
        <source>It touches y = 0 at x %1.</source>
        <translation>Sie berührt y = 0 bei x %1.</translation>
    </message>
    <message>
        <source>No turning points.</source>
        <translation>Keine Extrempunkte.</translation>
    </message>
    <message>
        <source>One turning point: %1.</source>
        <translation>Ein Extrempunkt: %1.</translation>
    </message>
    <message>
        <source>Turning points: %1; the highest: %2; the lowest: %3.</source>
        <translation>Extrempunkte: %1; der höchste: %2; der tiefste: %3.</translation>
    </message>
    <message>
        <source>Gaps at x %1.</source>
        <translation>Lücken bei x %1.</translation>
    </message>
    <message>
        <source>Nothing has been plotted since the last clear.</source>
        <translation>Seit dem letzten Löschen wurde nichts gezeichnet.</translation>
    </message>
    <message>
        <source>Plot %1: %2.</source>
        <translation>Kurve %1: %2.</translation>
    </message>
    <message>
        <source>It drew no dots.</source>
        <translation>Sie hat keine Punkte gezeichnet.</translation>
    </message>
    <message>
        <source>Points of interest: %1.</source>
        <translation>Besondere Punkte: %1.</translation>
    </message>
</context>
<context>
    <name>CheckedArithmetic</name>
    <message>
        <source>%1 gave a number too large to hold. Try smaller coefficients or a narrower x range.</source>
        <extracomment>%1 names the operation, such as &quot;An addition&quot;.</extracomment>
        <translation>%1 ergab eine zu große Zahl. Versuchen Sie kleinere Koeffizienten oder einen engeren x-Bereich.</translation>
    </message>
    <message>
        <source>A division by zero was asked for. Change the coefficients.</source>
        <translation>Es sollte durch null geteilt werden. Ändern Sie die Koeffizienten.</translation>
    </message>
    <message>
        <source>%1 has no numeric result. Change the coefficients.</source>
        <extracomment>%1 names the operation, such as &quot;A subtraction&quot;.</extracomment>
        <translation>%1 hat kein Zahlenergebnis. Ändern Sie die Koeffizienten.</translation>
    </message>
    <message>
        <source>An addition</source>
        <translation>Eine Addition</translation>
    </message>
    <message>
        <source>A subtraction</source>
        <translation>Eine Subtraktion</translation>
    </message>
    <message>
        <source>A multiplication</source>
        <translation>Eine Multiplikation</translation>
    </message>
    <message>
        <source>A division</source>
        <translation>Eine Division</translation>
    </message>
    <message>
        <source>Raising to a power</source>
        <translation>Das Potenzieren</translation>
    </message>
    <message>
        <source>A conversion to single precision</source>
        <translation>Die Umwandlung in einfache Genauigkeit</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1 &quot;%2&quot;: %3</source>
        <translation>%1 &quot;%2&quot;: %3</translation>
    </message>
    <message>
        <source>a file name is needed</source>
        <translation>ein Dateiname wird benötigt</translation>
    </message>
    <message>
        <source>no such function</source>
        <translation>diese Funktion gibt es nicht</translation>
    </message>
    <message>
        <source>a whole number from -30 to 0 is needed</source>
        <translation>eine ganze Zahl von -30 bis 0 wird benötigt</translation>
    </message>
    <message>
        <source>a whole number from 0 to 30 is needed</source>
        <translation>eine ganze Zahl von 0 bis 30 wird benötigt</translation>
    </message>
    <message>
        <source>--render FILE is needed with the other options</source>
        <translation>zu den anderen Optionen wird --render DATEI benötigt</translation>
    </message>
    <message>
        <source>--function is needed with --render</source>
        <translation>zu --render wird --function benötigt</translation>
    </message>
    <message>
        <source>unknown argument &quot;%1&quot;</source>
        <translation>unbekanntes Argument &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Try &apos;curvanta --help&apos; for more information.</source>
        <translation>&apos;curvanta --help&apos; gibt weitere Informationen.</translation>
    </message>
    <message>
        <source>the file name must end in one of %1</source>
        <translation>der Dateiname muss auf eine dieser Endungen enden: %1</translation>
    </message>
    <message>
        <source>a number written with a decimal point, such as 1.5, is needed</source>
        <translation>eine Zahl mit Dezimalpunkt wie 1.5 wird gebraucht</translation>
    </message>
    <message>
        <source>a size from %1 to %2 is needed</source>
        <translation>eine Größe von %1 bis %2 wird gebraucht</translation>
    </message>
    <message>
        <source>a whole number from 1 to %1 is needed</source>
        <translation>eine ganze Zahl von 1 bis %1 wird benötigt</translation>
    </message>
    <message>
        <source>ends the options</source>
        <translation>beendet die Optionen</translation>
    </message>
    <message>
        <source>given again, adds a plot: the plots are drawn in turn on one sheet, as pressing Plot for each would draw them. The plot options (%1) after a --function belong to its plot alone; those before the first --function hold for every plot that does not give its own.</source>
        <translation>erneut angegeben, fügt eine Kurve hinzu: Die Kurven werden nacheinander auf ein Blatt gezeichnet, wie ein Druck auf Plot für jede sie zeichnen würde. Die Kurvenoptionen (%1) nach einem --function gehören nur zu dessen Kurve; die vor dem ersten --function gelten für jede Kurve, die keine eigenen angibt.</translation>
    </message>
    <message>
        <source>Usage: curvanta [--help] [--version]
  or:  curvanta --render FILE --function TEXT [OPTION]...
Plots a chosen function on a sheet of graph paper.

Without options, Curvanta opens its window. Choose a function from the
list, type its coefficients into the boxes a=, b=, c= and d=, set the
lower and the upper end of the x range with the two scroll bars and
press &quot;Plot&quot;: the curve appears as red dots on graph paper. Every
coefficient is divided by 1.5 before use, and x runs from each limit
divided by 1.2. Double-click the plot area to clear it; its context menu
saves, copies or prints the plot and undoes a clear. Numbers are typed
in the format of the user&apos;s language.

Options:
%1An option&apos;s value is the next argument, or follows an equals sign in
the same one. Qt&apos;s own options, such as -platform NAME or -style NAME,
are accepted too.

Functions:
%2
Exit status: 0 when done, 1 when the plot or the file failed or no
display was found for the window, 2 when the command line is wrong.
</source>
        <translation>Aufruf: curvanta [--help] [--version]
  oder: curvanta --render DATEI --function TEXT [OPTION]...
Zeichnet eine gewählte Funktion auf ein Blatt Millimeterpapier.

Ohne Optionen öffnet Curvanta sein Fenster. Wählen Sie eine Funktion aus
der Liste, geben Sie ihre Koeffizienten in die Felder a=, b=, c= und d=
ein, stellen Sie mit den beiden Bildlaufleisten das untere und das obere
Ende des x-Bereichs ein und drücken Sie &quot;Plot&quot;: Die Kurve erscheint als
rote Punkte auf Millimeterpapier. Jeder Koeffizient wird vor der
Verwendung durch 1,5 geteilt, und x läuft von jeder Grenze geteilt durch
1,2. Ein Doppelklick auf die Zeichenfläche löscht sie; ihr Kontextmenü
speichert, kopiert oder druckt die Zeichnung und macht ein Löschen
rückgängig. Zahlen werden im Fenster im Format der Sprache des Benutzers
eingegeben.

Optionen:
%1Der Wert einer Option ist das nächste Argument oder folgt im selben
Argument einem Gleichheitszeichen. Auch die Optionen von Qt selbst wie
-platform NAME oder -style NAME werden angenommen.

Funktionen:
%2
Rückgabewert: 0 bei Erfolg, 1 wenn die Zeichnung oder die Datei misslang
oder keine Anzeige für das Fenster gefunden wurde, 2 wenn die
Befehlszeile falsch ist.
</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>the numbers typed into a=, b=, c=, d= (default 1), written with a decimal point (1.5) in every language</source>
        <translation>die Zahlen, die in a=, b=, c=, d= getippt werden (Vorgabe 1), in jeder Sprache mit Dezimalpunkt geschrieben (1.5)</translation>
    </message>
    <message>
        <source>show this text</source>
        <translation>diesen Text anzeigen</translation>
    </message>
    <message>
        <source>show the version</source>
        <translation>die Version anzeigen</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>draw the plot area without a window into FILE, whose extension names the format: %1</source>
        <translation>die Zeichenfläche ohne Fenster in DATEI schreiben, deren Endung das Format nennt: %1</translation>
    </message>
    <message>
        <source>TEXT</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>the function as the list shows it (&quot;bsin(ax)&quot;) or its code 1-11, as listed below</source>
        <translation>die Funktion, wie die Liste sie zeigt (&quot;bsin(ax)&quot;), oder ihr Code 1-11, wie unten aufgeführt</translation>
    </message>
    <message>
        <source>the negative end of the x range, -30..0 (default -30)</source>
        <translation>das negative Ende des x-Bereichs, -30..0 (Vorgabe -30)</translation>
    </message>
    <message>
        <source>the positive end of the x range, 0..30 (default 30)</source>
        <translation>das positive Ende des x-Bereichs, 0..30 (Vorgabe 30)</translation>
    </message>
    <message>
        <source>WxH</source>
        <translation>BxH</translation>
    </message>
    <message>
        <source>the screen size in pixels, %1 to %2 (default 1024x768)</source>
        <translation>die Bildschirmgröße in Pixeln, %1 bis %2 (Vorgabe 1024x768)</translation>
    </message>
    <message>
        <source>an image (.png, .jpg, .jpeg, .bmp) with N times as many pixels across and down, drawn sharp at that size, 1..%1 (default 1)</source>
        <translation>ein Bild (.png, .jpg, .jpeg, .bmp) mit N-mal so vielen Pixeln in der Breite und Höhe, in dieser Größe scharf gezeichnet, 1..%1 (Vorgabe 1)</translation>
    </message>
    <message>
        <source>
In the window, with the plot area focused, the arrow keys move a
crosshair whose tone follows the latest plot, and L (or &quot;Listen to the
Plot&quot; in its context menu) plays the plots as sound: the pitch follows y
as x runs from left to right. L again or Escape stops it; 1 to 9 set its
speed. T traces the latest plot along its dots, each step spoken and
sounded: Left and Right a tenth of a unit (with Ctrl, a unit), Page Up
and Page Down the points of interest, Home and End the ends, Up and
Down the other plots; T again or Escape ends it.
</source>
        <translation>
Im Fenster, wenn die Zeichenfläche den Fokus hat, bewegen die Pfeiltasten
ein Fadenkreuz, dessen Ton der letzten Kurve folgt, und L (oder &quot;Die
Kurven anhören&quot; in ihrem Kontextmenü) spielt die Kurven als Ton: Die
Tonhöhe folgt y, während x von links nach rechts läuft. Erneut L oder
Escape beendet es; 1 bis 9 stellen das Tempo ein. T verfolgt die letzte
Kurve entlang ihrer Punkte, jeder Schritt gesprochen und als Ton: Links
und Rechts ein Zehntel einer Einheit (mit Strg eine Einheit), Bild auf
und Bild ab die besonderen Punkte, Pos1 und Ende die Enden, Auf und Ab
die anderen Kurven; erneut T oder Escape beendet es.
</translation>
    </message>
    <message>
        <source>--title is for a worksheet: add --annotate</source>
        <translation>--title ist für ein Arbeitsblatt: --annotate hinzufügen</translation>
    </message>
    <message>
        <source>a worksheet is drawn: the file name must end in one of %1</source>
        <translation>ein Arbeitsblatt wird gezeichnet: Der Dateiname muss auf eine von %1 enden</translation>
    </message>
    <message>
        <source>
Drawings, tables, sound and several plots:
  .svg and .pdf draw the sheet, sharp at any size; .csv is a table of
  the dots drawn, one row each with the plot&apos;s number, the function, x
  and y; .wav is the plots&apos; sound; .txt tells every point of interest of
  every plot in words (crossings of y = 0, turning points, gaps), in the
  user&apos;s language.

%1
Example: a worksheet with y = x^2, y = 2x^2 and y = x^3 on one sheet
(each coefficient is divided by 1.5, so 3 draws 2):
  curvanta --render worksheet.pdf --annotate --lower -6 --upper 6 \
      --function &quot;ax^2&quot; --a 1.5 --function &quot;ax^2&quot; --a 3 \
      --function &quot;ax^3&quot; --a 1.5
</source>
        <translation>
Zeichnungen, Tabellen, Ton und mehrere Kurven:
  .svg und .pdf zeichnen das Blatt, scharf in jeder Größe; .csv ist eine
  Tabelle der gezeichneten Punkte, je eine Zeile mit der Nummer der
  Kurve, der Funktion, x und y; .wav ist der Ton der Kurven; .txt nennt
  jeden besonderen Punkt jeder Kurve in Worten (Schnittpunkte mit y = 0,
  Extrempunkte, Lücken), in der Sprache des Benutzers.

%1
Beispiel: ein Arbeitsblatt mit y = x^2, y = 2x^2 und y = x^3 auf einem Blatt
(jeder Koeffizient wird durch 1,5 geteilt, also zeichnet 3 eine 2):
  curvanta --render arbeitsblatt.pdf --annotate --lower -6 --upper 6 \
      --function &quot;ax^2&quot; --a 1.5 --function &quot;ax^2&quot; --a 3 \
      --function &quot;ax^3&quot; --a 1.5
</translation>
    </message>
    <message>
        <source>draw a worksheet to hand out (images, .svg, .pdf): the axes numbered, each curve in a colour of its own (dashed in .svg and .pdf) and a legend with the formula each plot computed and its x range</source>
        <translation>ein Arbeitsblatt zum Austeilen zeichnen (Bilder, .svg, .pdf): die Achsen beziffert, jede Kurve in eigener Farbe (in .svg und .pdf gestrichelt) und eine Legende mit der Formel, die jede Kurve berechnet hat, und ihrem x-Bereich</translation>
    </message>
    <message>
        <source>with --annotate, a title above the legend</source>
        <translation>mit --annotate ein Titel über der Legende</translation>
    </message>
</context>
<context>
    <name>Display</name>
    <message>
        <source>no display found to open the window on; --render FILE draws the plot into a file without one</source>
        <translation>keine Anzeige gefunden, auf der sich das Fenster öffnen ließe; --render DATEI zeichnet die Zeichnung ohne Anzeige in eine Datei</translation>
    </message>
</context>
<context>
    <name>Drawn</name>
    <message>
        <source>more has been plotted since the plot area was last cleared than can be kept; clear it and plot again</source>
        <translation>seit dem letzten Löschen der Zeichenfläche wurde mehr gezeichnet, als behalten werden kann; löschen Sie sie und zeichnen Sie erneut</translation>
    </message>
</context>
<context>
    <name>Interest</name>
    <message>
        <source>start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>end</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>gap</source>
        <translation>Lücke</translation>
    </message>
    <message>
        <source>the walk stopped</source>
        <translation>die Kurve bricht ab</translation>
    </message>
    <message>
        <source>maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>crosses zero</source>
        <translation>schneidet null</translation>
    </message>
    <message>
        <source>touches zero</source>
        <translation>berührt null</translation>
    </message>
    <message>
        <source>crosses the y axis</source>
        <translation>schneidet die y-Achse</translation>
    </message>
    <message>
        <source>leaves the sheet</source>
        <translation>verlässt das Blatt</translation>
    </message>
    <message>
        <source>enters the sheet</source>
        <translation>kommt aufs Blatt</translation>
    </message>
    <message>
        <source>x %1, y %2</source>
        <translation>x %1, y %2</translation>
    </message>
    <message>
        <source>x %1</source>
        <translation>x %1</translation>
    </message>
    <message>
        <source>no dot, x %1</source>
        <translation>kein Punkt, x %1</translation>
    </message>
</context>
<context>
    <name>Listening</name>
    <message>
        <source>Listen to the Plot</source>
        <translation>Die Kurven anhören</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Angehalten</translation>
    </message>
    <message>
        <source>The plots cannot be played: %1.</source>
        <translation>Die Kurven können nicht abgespielt werden: %1.</translation>
    </message>
    <message>
        <source>Nothing to listen to: nothing has been plotted since the last clear.</source>
        <translation>Nichts anzuhören: Seit dem letzten Löschen wurde nichts gezeichnet.</translation>
    </message>
    <message>
        <source>Speed %1 of 9: about %2 seconds for the full range.</source>
        <translation>Tempo %1 von 9: etwa %2 Sekunden für den ganzen Bereich.</translation>
    </message>
</context>
<context>
    <name>PlotExport</name>
    <message>
        <source>Save Plot As</source>
        <translation>Zeichnung speichern unter</translation>
    </message>
    <message>
        <source>The plot could not be saved to &quot;%1&quot;: %2.</source>
        <translation>Die Zeichnung konnte nicht unter &quot;%1&quot; gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Save Plot As…</source>
        <translation>Zeichnung speichern unter …</translation>
    </message>
    <message>
        <source>Copy Plot</source>
        <translation>Zeichnung kopieren</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken …</translation>
    </message>
    <message>
        <source>Undo Clear</source>
        <translation>Löschen rückgängig machen</translation>
    </message>
    <message>
        <source>The plot could not be printed: %1.</source>
        <translation>Die Zeichnung konnte nicht gedruckt werden: %1.</translation>
    </message>
    <message>
        <source>The plot could not be printed to &quot;%1&quot;: %2.</source>
        <translation>Die Zeichnung konnte nicht nach &quot;%1&quot; gedruckt werden: %2.</translation>
    </message>
    <message>
        <source>the file name does not end in one of %1, so there is no format to write it in</source>
        <translation>der Dateiname endet nicht auf eine von %1, also gibt es kein Format, in dem sie geschrieben werden kann</translation>
    </message>
    <message>
        <source>there is nothing here to tell the plots in words</source>
        <translation>hier gibt es nichts, das die Kurven in Worte fasst</translation>
    </message>
    <message>
        <source>Save Worksheet As</source>
        <translation>Arbeitsblatt speichern unter</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Arbeitsblatt drucken</translation>
    </message>
    <message>
        <source>Save Worksheet As…</source>
        <translation>Arbeitsblatt speichern unter…</translation>
    </message>
    <message>
        <source>Print Worksheet…</source>
        <translation>Arbeitsblatt drucken…</translation>
    </message>
</context>
<context>
    <name>PlotFiles</name>
    <message>
        <source>PNG image</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>JPEG image</source>
        <translation>JPEG-Bild</translation>
    </message>
    <message>
        <source>BMP image</source>
        <translation>BMP-Bild</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>SVG-Zeichnung</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>CSV table</source>
        <translation>CSV-Tabelle</translation>
    </message>
    <message>
        <source>WAV sound</source>
        <translation>WAV-Ton</translation>
    </message>
    <message>
        <source>Text description</source>
        <translation>Textbeschreibung</translation>
    </message>
</context>
<context>
    <name>PlotRoutine</name>
    <message>
        <source>The number in the box %1, %2, is too large.</source>
        <translation>Die Zahl im Feld %1, %2, ist zu groß.</translation>
    </message>
    <message>
        <source>The box %1 is empty. Type a number into it.</source>
        <translation>Das Feld %1 ist leer. Geben Sie eine Zahl ein.</translation>
    </message>
    <message>
        <source>The box %1 holds %2, which is not a number. Type a number such as %3 into it.</source>
        <translation>Das Feld %1 enthält %2, und das ist keine Zahl. Geben Sie eine Zahl wie %3 ein.</translation>
    </message>
    <message>
        <source>No function has been chosen yet. Choose one from the list first.</source>
        <translation>Es ist noch keine Funktion gewählt. Wählen Sie zuerst eine aus der Liste.</translation>
    </message>
    <message>
        <source>The function code %1 is not a number.</source>
        <translation>Der Funktionscode %1 ist keine Zahl.</translation>
    </message>
</context>
<context>
    <name>Readout</name>
    <message>
        <source>x = %1   y = %2</source>
        <translation>x = %1   y = %2</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>There is no sound output: nothing can be heard.</source>
        <translation>Es gibt keine Tonausgabe: Nichts ist zu hören.</translation>
    </message>
    <message>
        <source>The sound output failed: nothing can be heard.</source>
        <translation>Die Tonausgabe ist ausgefallen: Nichts ist zu hören.</translation>
    </message>
    <message>
        <source>not all of the sound could be written</source>
        <translation>nicht der ganze Ton konnte geschrieben werden</translation>
    </message>
    <message>
        <source>the sound is too long for a WAV file</source>
        <translation>der Ton ist zu lang für eine WAV-Datei</translation>
    </message>
</context>
<context>
    <name>Trace</name>
    <message>
        <source>The plots cannot be traced: %1.</source>
        <translation>Die Kurven können nicht verfolgt werden: %1.</translation>
    </message>
    <message>
        <source>Nothing to trace: nothing has been plotted since the last clear.</source>
        <translation>Nichts zu verfolgen: Seit dem letzten Löschen wurde nichts gezeichnet.</translation>
    </message>
    <message>
        <source>Tracing %1</source>
        <translation>Verfolgung von %1</translation>
    </message>
    <message>
        <source>Tracing ended.</source>
        <translation>Verfolgung beendet.</translation>
    </message>
    <message>
        <source>No further point of interest</source>
        <translation>Kein weiterer besonderer Punkt</translation>
    </message>
    <message>
        <source>No earlier point of interest</source>
        <translation>Kein früherer besonderer Punkt</translation>
    </message>
    <message>
        <source>Plot %1 of %2, %3</source>
        <translation>Kurve %1 von %2, %3</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>plot::Cp_Click</name>
    <message>
        <source>The x range from %1 to %2 holds too many steps of 0.001 to plot.</source>
        <translation>Der x-Bereich von %1 bis %2 enthält zu viele Schritte von 0,001, um ihn zu zeichnen.</translation>
    </message>
</context>
<context>
    <name>sheet::Sheet</name>
    <message>
        <source>the scale must be a whole number from 1 to %1</source>
        <translation>der Maßstab muss eine ganze Zahl von 1 bis %1 sein</translation>
    </message>
    <message>
        <source>the plot area has no size yet</source>
        <translation>die Zeichenfläche hat noch keine Größe</translation>
    </message>
    <message>
        <source>there is not enough memory for an image of %1 x %2 pixels</source>
        <translation>es gibt nicht genug Speicher für ein Bild von %1 x %2 Pixeln</translation>
    </message>
</context>
<context>
    <name>sheet::VectorFile</name>
    <message>
        <source>Curvanta plot</source>
        <translation>Curvanta-Zeichnung</translation>
    </message>
    <message>
        <source>the drawing could not be made</source>
        <translation>die Zeichnung konnte nicht angefertigt werden</translation>
    </message>
</context>
<context>
    <name>ui::AtomicFile</name>
    <message>
        <source>not a plain file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the file is not open for writing</source>
        <translation>die Datei ist nicht zum Schreiben geöffnet</translation>
    </message>
    <message>
        <source>not everything could be written</source>
        <translation>nicht alles konnte geschrieben werden</translation>
    </message>
</context>
<context>
    <name>ui::Event</name>
    <message>
        <source>Raised in %1.</source>
        <extracomment>%1 is the name of the event handler that failed, such as Cp_Click.</extracomment>
        <translation>%1 ergab eine zu große Zahl. Versuchen Sie kleinere Koeffizienten oder einen engeren x-Bereich.</translation>
    </message>
    <message>
        <source>There was not enough memory to finish. Close other programs and try again.</source>
        <translation>Der Speicher reichte nicht aus, um fertig zu werden. Schließen Sie andere Programme und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>ui::ImageOutput</name>
    <message>
        <source>the printer reported a failure</source>
        <translation>der Drucker hat einen Fehler gemeldet</translation>
    </message>
</context>
<context>
    <name>ui::PictureBox</name>
    <message>
        <source>There is not enough memory for a plot area of %1 x %2 pixels.</source>
        <translation>Für eine Zeichenfläche von %1 x %2 Pixeln ist nicht genug Speicher vorhanden.</translation>
    </message>
</context>
<context>
    <name>ui::RuntimeError</name>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Invalid floating-point operation</source>
        <translation>Ungültige Gleitkommaoperation</translation>
    </message>
    <message>
        <source>File error</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Speicher erschöpft</translation>
    </message>
    <message>
        <source>Unexpected error</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
    <message>
        <source>Window system error</source>
        <translation>Fehler des Fenstersystems</translation>
    </message>
</context>
<context>
    <name>worksheet::Legend</name>
    <message>
        <source>no function chosen</source>
        <translation>keine Funktion gewählt</translation>
    </message>
    <message>
        <source>no dots drawn</source>
        <translation>keine Punkte gezeichnet</translation>
    </message>
    <message>
        <source>for x from %1 to %2</source>
        <translation>für x von %1 bis %2</translation>
    </message>
    <message>
        <source>%1, not to the axes&apos; scale</source>
        <translation>%1, nicht im Maßstab der Achsen</translation>
    </message>
</context>
</TS>
