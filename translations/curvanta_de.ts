<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
    <name>ErrorDialog</name>
    <message>
        <source>Raised in %1.</source>
        <extracomment>%1 is the name of the event handler that failed, such as Cp_Click.</extracomment>
        <translation>Ausgelöst in %1.</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>There is not enough memory for a plot area of %1 x %2 pixels.</source>
        <translation>Für eine Zeichenfläche von %1 x %2 Pixeln ist nicht genug Speicher vorhanden.</translation>
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
    <name>RuntimeError</name>
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
        <source>Window system error</source>
        <translation>Fehler des Fenstersystems</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Usage: curvanta [--help] [--version]</source>
        <translation>Aufruf: curvanta [--help] [--version]</translation>
    </message>
    <message>
        <source>Plots a chosen function on a sheet of graph paper.

Without options, Curvanta opens its window. Choose a function from the
list, type its coefficients into the boxes a=, b=, c= and d=, set the
lower and the upper end of the x range with the two scroll bars and
press &quot;Plot&quot;: the curve appears as red dots on graph paper. Every
coefficient is divided by 1.5 before use, and x runs from each limit
divided by 1.2. Double-click the plot area to clear it. Numbers are
typed in the format of the user&apos;s language.

Options:
  -h, --help     show this help and exit
      --version  show the version and exit

Qt&apos;s own options, such as -platform NAME or -style NAME, are accepted
too.
</source>
        <translation>Zeichnet eine gewählte Funktion auf ein Blatt Millimeterpapier.

Ohne Optionen öffnet Curvanta sein Fenster. Wählen Sie eine Funktion aus
der Liste, geben Sie ihre Koeffizienten in die Felder a=, b=, c= und d=
ein, stellen Sie mit den beiden Bildlaufleisten das untere und das obere
Ende des x-Bereichs ein und drücken Sie &quot;Plot&quot;: Die Kurve erscheint als
rote Punkte auf Millimeterpapier. Jeder Koeffizient wird vor der
Verwendung durch 1,5 geteilt, und x läuft von jeder Grenze geteilt durch
1,2. Ein Doppelklick auf die Zeichenfläche löscht sie. Zahlen werden im
Format der Sprache des Benutzers eingegeben.

Optionen:
  -h, --help     diese Hilfe anzeigen und beenden
      --version  die Version anzeigen und beenden

Auch die Optionen von Qt selbst wie -platform NAME oder -style NAME
werden angenommen.
</translation>
    </message>
</context>
</TS>
