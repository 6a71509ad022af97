<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>curve</name>
    <message>
        <source>velmora-calc curve [OPTIONS]
  Draws one curve as the curve dialog and the curve engine do: the dialog opens with
  its defaults, the type is picked, the values are typed (in the order given) and OK
  is pressed. An empty value clears its box.
  --type TEXT            curve type, e.g. &quot;Verkürzung Vf bei d&quot; (default: the
                         dialog&apos;s first choice)
  --value1 V, --value2 V, --value3 V   the boxes Wert 1 to Wert 3
  --material TEXT        conductor, e.g. &quot;35 Al&quot;
  --free-space           tick &quot;Freiraum&quot;
  --y-name, --y-unit, --y-full-scale, --x-name, --x-unit, --x-full-scale TEXT
                         the graph labelling
  --plot-size WxH        plot area in twips (default 7752x3135)
  --format F             png, svg, pdf (plot with the title under it), csv (x and y of
                         every sampled point in axis units), json (default: layout,
                         ticks, points set, title, messages, request)
  --dpi N                resolution of png and svg (default 96, the screen&apos;s)
  -o FILE                write to FILE instead of standard output
  --decimal-point        numbers with a decimal point instead of a comma
  Status 2 for a refused character, a value longer than the 64 characters a numeric
  box takes, a value for a box the type hides, a full scale beyond 16 bits, or a png
  beyond 16384 pixels a side or 512 MB; 3 when the engine does not know the curve
  type.
</source>
        <translation>velmora-calc curve [OPTIONEN]
  Zeichnet eine Kurve wie der Kurvendialog und die Kurvenberechnung: der Dialog öffnet
  mit seinen Vorgaben, der Typ wird gewählt, die Werte werden (in der angegebenen
  Reihenfolge) getippt und OK wird gedrückt. Ein leerer Wert leert sein Feld.
  --type TEXT            Kurventyp, z. B. &quot;Verkürzung Vf bei d&quot; (Vorgabe: die erste
                         Wahl des Dialogs)
  --value1 V, --value2 V, --value3 V   die Felder Wert 1 bis Wert 3
  --material TEXT        Leiter, z. B. &quot;35 Al&quot;
  --free-space           &quot;Freiraum&quot; ankreuzen
  --y-name, --y-unit, --y-full-scale, --x-name, --x-unit, --x-full-scale TEXT
                         die Beschriftung der Grafik
  --plot-size BxH        Zeichenfläche in Twips (Vorgabe 7752x3135)
  --format F             png, svg, pdf (Zeichnung mit dem Titel darunter), csv (x und y
                         jedes berechneten Punktes in Achseneinheiten), json (Vorgabe:
                         Aufteilung, Teilstriche, gesetzte Punkte, Titel, Meldungen,
                         Anforderung)
  --dpi N                Auflösung von png und svg (Vorgabe 96, die des Bildschirms)
  -o DATEI               in DATEI statt auf die Standardausgabe schreiben
  --decimal-point        Zahlen mit Dezimalpunkt statt Komma
  Status 2 für ein abgelehntes Zeichen, einen Wert über den 64 Zeichen, die ein
  Zahlenfeld nimmt, einen Wert für ein Feld, das der Typ ausblendet, einen Endwert über
  16 Bit oder ein png über 16384 Pixel je Seite oder 512 MB; 3, wenn die
  Kurvenberechnung den Kurventyp nicht kennt.
</translation>
    </message>
    <message>
        <source>--plot-size wants WIDTHxHEIGHT in twips, e.g. 7752x3135</source>
        <translation>--plot-size verlangt BREITExHÖHE in Twips, z. B. 7752x3135</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (png, svg, pdf, csv, json)</source>
        <translation>unbekanntes Format „%1“ (png, svg, pdf, csv, json)</translation>
    </message>
    <message>
        <source>--dpi wants a whole number from 24 to 1200</source>
        <translation>--dpi verlangt eine ganze Zahl von 24 bis 1200</translation>
    </message>
    <message>
        <source>--%1: the box %2 is hidden for &quot;%3&quot;</source>
        <translation>--%1: das Feld %2 ist bei „%3“ ausgeblendet</translation>
    </message>
    <message>
        <source>--%1: the box %2 refuses &apos;%3&apos; (it takes digits, &apos;,&apos; and &apos;.&apos;)</source>
        <translation>--%1: das Feld %2 lehnt „%3“ ab (es nimmt Ziffern, „,“ und „.“)</translation>
    </message>
    <message>
        <source>--%1: the box %2 takes at most %3 characters</source>
        <translation>--%1: das Feld %2 nimmt höchstens %3 Zeichen</translation>
    </message>
    <message>
        <source>--plot-size and --dpi: %1</source>
        <translation>--plot-size und --dpi: %1</translation>
    </message>
    <message>
        <source>velmora-calc curve: the picture could not be produced</source>
        <translation>velmora-calc curve: das Bild konnte nicht erzeugt werden</translation>
    </message>
    <message>
        <source>velmora-calc curve: cannot write %1: %2</source>
        <translation>velmora-calc curve: %1 kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>formula</name>
    <message>
        <source>a positive number</source>
        <translation>eine positive Zahl</translation>
    </message>
    <message>
        <source>common logarithm of x</source>
        <translation>dekadischer Logarithmus von x</translation>
    </message>
    <message>
        <source>frequency in MHz</source>
        <translation>Frequenz in MHz</translation>
    </message>
    <message>
        <source>height above ground in m</source>
        <translation>Höhe über Grund in m</translation>
    </message>
    <message>
        <source>-1 real ground, 0 free space</source>
        <translation>-1 realer Boden, 0 Freiraum</translation>
    </message>
    <message>
        <source>radiation resistance Rs in ohms</source>
        <translation>Strahlungswiderstand Rs in Ohm</translation>
    </message>
    <message>
        <source>dipole length in m</source>
        <translation>Dipollänge in m</translation>
    </message>
    <message>
        <source>wire diameter in m</source>
        <translation>Drahtdurchmesser in m</translation>
    </message>
    <message>
        <source>mean ground loss resistance Rve in ohms</source>
        <translation>mittlerer Erdverlustwiderstand Rve in Ohm</translation>
    </message>
    <message>
        <source>wire length in m</source>
        <translation>Drahtlänge in m</translation>
    </message>
    <message>
        <source>conductivity in m/(ohm mm^2), 56 for copper</source>
        <translation>Leitfähigkeit in m/(Ohm mm^2), 56 für Kupfer</translation>
    </message>
    <message>
        <source>conductor loss resistance Rv with skin effect in ohms</source>
        <translation>Leiterverlustwiderstand Rv mit Skineffekt in Ohm</translation>
    </message>
    <message>
        <source>wire diameter in mm</source>
        <translation>Drahtdurchmesser in mm</translation>
    </message>
    <message>
        <source>shortening by the wire thickness in percent</source>
        <translation>Verkürzung durch die Drahtdicke in Prozent</translation>
    </message>
    <message>
        <source>shortening by the height above ground in percent</source>
        <translation>Verkürzung durch die Höhe über Grund in Prozent</translation>
    </message>
    <message>
        <source>relative permittivity of the insulation</source>
        <translation>relative Permittivität der Isolierung</translation>
    </message>
    <message>
        <source>outer diameter over the insulation in mm</source>
        <translation>Außendurchmesser über der Isolierung in mm</translation>
    </message>
    <message>
        <source>conductor diameter in mm</source>
        <translation>Leiterdurchmesser in mm</translation>
    </message>
    <message>
        <source>velocity factor of the bare wire, a fraction</source>
        <translation>Verkürzungsfaktor des blanken Drahtes, ein Bruchteil</translation>
    </message>
    <message>
        <source>additional shortening by the insulation, a fraction</source>
        <translation>zusätzliche Verkürzung durch die Isolierung, ein Bruchteil</translation>
    </message>
    <message>
        <source>base factor, 1</source>
        <translation>Grundfaktor, 1</translation>
    </message>
    <message>
        <source>insulation shortening, a fraction</source>
        <translation>Verkürzung durch die Isolierung, ein Bruchteil</translation>
    </message>
    <message>
        <source>length of the resonant dipole in m</source>
        <translation>Länge des resonanten Dipols in m</translation>
    </message>
    <message>
        <source>velmora-calc formula NAME ARG...
  Evaluates one antenna formula and prints its result: 9 significant digits for a
  single-precision result, 17 for a double, or &quot;failed&quot; (exit status 3) when the
  formula fails. Numbers are written with a point (3.6); a single-precision parameter
  is rounded to single precision first. Flags are -1 (true) or 0 (false).

  Functions:
</source>
        <translation>velmora-calc formula NAME ARGUMENT...
  Wertet eine Antennenformel aus und gibt ihr Ergebnis aus: 9 signifikante Stellen für
  ein Ergebnis einfacher Genauigkeit (single), 17 für doppelte (double), oder &quot;failed&quot;
  (Exit-Status 3), wenn die Formel scheitert. Zahlen werden mit Punkt geschrieben (3.6);
  ein Parameter einfacher Genauigkeit wird zuerst darauf gerundet. Schalter sind -1
  (wahr) oder 0 (falsch).

  Funktionen:
</translation>
    </message>
    <message>
        <source>
  Example: velmora-calc formula RadiationResistance 3.6 12 -1
</source>
        <translation>
  Beispiel: velmora-calc formula RadiationResistance 3.6 12 -1
</translation>
    </message>
    <message>
        <source>is not a flag (write -1 for true, 0 for false)</source>
        <translation>ist kein Schalter (-1 für wahr, 0 für falsch schreiben)</translation>
    </message>
    <message>
        <source>is out of range</source>
        <translation>liegt außerhalb des Wertebereichs</translation>
    </message>
    <message>
        <source>is not a number (write the decimal separator as a point, e.g. 3.6)</source>
        <translation>ist keine Zahl (das Dezimaltrennzeichen als Punkt schreiben, z. B. 3.6)</translation>
    </message>
    <message>
        <source>is not a number</source>
        <translation>ist keine Zahl</translation>
    </message>
    <message>
        <source>is not a finite number</source>
        <translation>ist keine endliche Zahl</translation>
    </message>
    <message>
        <source>is beyond the single-precision range</source>
        <translation>liegt außerhalb des Bereichs einfacher Genauigkeit</translation>
    </message>
    <message>
        <source>missing function name; known functions: %1</source>
        <translation>Funktionsname fehlt; bekannte Funktionen: %1</translation>
    </message>
    <message>
        <source>unknown function &apos;%1&apos;; known functions: %2</source>
        <translation>unbekannte Funktion „%1“; bekannte Funktionen: %2</translation>
    </message>
    <message>
        <source>usage: velmora-calc formula %1</source>
        <translation>Aufruf: velmora-calc formula %1</translation>
    </message>
    <message>
        <source>%1 takes 1 argument, got %2</source>
        <translation>%1 nimmt 1 Argument, erhalten: %2</translation>
    </message>
    <message>
        <source>%1 takes %2 arguments, got %3</source>
        <translation>%1 nimmt %2 Argumente, erhalten: %3</translation>
    </message>
    <message>
        <source>argument %1 (%2, %3) &apos;%4&apos; %5</source>
        <translation>Argument %1 (%2, %3) „%4“ %5</translation>
    </message>
</context>
<context>
    <name>single</name>
    <message>
        <source>velmora-calc single [OPTIONS]
  Opens the single-value dialog, picks a calculation, types the values into their
  boxes key by key (each box&apos;s text is replaced), presses OK and prints each visible
  result row as &quot;caption value&quot;, then the status line.

  --choice TEXT               the calculation, exactly as listed: &quot;resonante Dipollänge&quot;
                              (the default), &quot;Verkürzungsfaktor Vf&quot;, &quot;Strahlungswiderstand Rs&quot;,
                              &quot;Ant. - Güte Qa bei h&quot;, &quot;Ant. - Güte Qa bei d&quot;, &quot;Bodendämpfung Rve&quot;
  --height M                  antenna height in m
  --frequency MHZ             frequency in MHz
  --length M                  dipole length in m (not for the resonant length, nor Vf)
  --diameter MM               wire diameter in mm (not for the resonant length)
  --outer-diameter MM         outer diameter over the insulation (resonant length only)
  --conductor-diameter MM     conductor diameter (resonant length only)
  --material TEXT             conductor material, e.g. &quot;56 Cu&quot;, &quot;16,5 Zn&quot;
  --insulation TEXT           insulation, e.g. &quot;2,3   PE Polyethylen&quot; (resonant length)
  --free-space                tick &quot;Freiraum&quot; (Vf, Rs and the two Qa calculations)
  --decimal-point             number texts with a decimal point instead of a comma
  --json                      print one JSON object with the dialog&apos;s results instead

  Values are applied in the order given; an empty value (--frequency &quot;&quot;) empties the box.
  The boxes of --height, --frequency, --length and --diameter take only digits, &apos;,&apos; and &apos;.&apos;,
  at most 64 of them: any other character is an error, as is a longer value or a value for
  a box the chosen calculation does not show (exit status 2).
  --outer-diameter and --conductor-diameter take any text, as the
  dialog&apos;s boxes do.
  Exit status 3 when the dialog does not know the calculation (&quot; Falsche Formel !&quot;).
  Example: velmora-calc single --choice &quot;Verkürzungsfaktor Vf&quot; --height 12 --diameter 2,05
           --frequency 3,6
</source>
        <translation>velmora-calc single [OPTIONEN]
  Öffnet den Einzelwert-Dialog, wählt eine Berechnung, tippt die Werte Taste für Taste
  in ihre Felder (der Text jedes Feldes wird ersetzt), drückt OK und gibt jede sichtbare
  Ergebniszeile als &quot;Beschriftung Wert&quot; aus, dann die Statuszeile.

  --choice TEXT               die Berechnung, genau wie aufgeführt: &quot;resonante Dipollänge&quot;
                              (die Vorgabe), &quot;Verkürzungsfaktor Vf&quot;, &quot;Strahlungswiderstand Rs&quot;,
                              &quot;Ant. - Güte Qa bei h&quot;, &quot;Ant. - Güte Qa bei d&quot;, &quot;Bodendämpfung Rve&quot;
  --height M                  Antennenhöhe in m
  --frequency MHZ             Frequenz in MHz
  --length M                  Dipollänge in m (nicht für die resonante Länge, nicht für Vf)
  --diameter MM               Drahtdurchmesser in mm (nicht für die resonante Länge)
  --outer-diameter MM         Außendurchmesser über der Isolierung (nur resonante Länge)
  --conductor-diameter MM     Leiterdurchmesser (nur resonante Länge)
  --material TEXT             Leitermaterial, z. B. &quot;56 Cu&quot;, &quot;16,5 Zn&quot;
  --insulation TEXT           Isolierung, z. B. &quot;2,3   PE Polyethylen&quot; (resonante Länge)
  --free-space                &quot;Freiraum&quot; ankreuzen (Vf, Rs und die beiden Qa-Berechnungen)
  --decimal-point             Zahlentexte mit Dezimalpunkt statt Komma
  --json                      stattdessen ein JSON-Objekt mit den Ergebnissen ausgeben

  Die Werte werden in der angegebenen Reihenfolge eingetragen; ein leerer Wert
  (--frequency &quot;&quot;) leert das Feld.
  Die Felder von --height, --frequency, --length und --diameter nehmen nur Ziffern, &apos;,&apos;
  und &apos;.&apos;, höchstens 64 davon: jedes andere Zeichen ist ein Fehler, ebenso ein längerer
  Wert oder ein Wert für ein Feld, das die gewählte Berechnung nicht zeigt (Exit-Status 2).
  --outer-diameter und --conductor-diameter nehmen jeden Text, wie die Felder
  des Dialogs.
  Exit-Status 3, wenn der Dialog die Berechnung nicht kennt (&quot; Falsche Formel !&quot;).
  Beispiel: velmora-calc single --choice &quot;Verkürzungsfaktor Vf&quot; --height 12 --diameter 2,05
            --frequency 3,6
</translation>
    </message>
    <message>
        <source>--choice given more than once</source>
        <translation>--choice mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>--%1: the calculation &quot;%2&quot; has no such box on screen</source>
        <translation>--%1: die Berechnung „%2“ zeigt kein solches Feld</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot;: the box refuses &quot;%3&quot; (it takes only digits, &apos;,&apos; and &apos;.&apos;)</source>
        <translation>--%1 „%2“: das Feld lehnt „%3“ ab (es nimmt nur Ziffern, „,“ und „.“)</translation>
    </message>
    <message>
        <source>--%1: the box takes at most %2 characters</source>
        <translation>--%1: das Feld nimmt höchstens %2 Zeichen</translation>
    </message>
    <message>
        <source>message box &quot;%1&quot;: %2</source>
        <translation>Meldung „%1“: %2</translation>
    </message>
    <message>
        <source>%1 beep(s)</source>
        <translation>%1 Signalton/-töne</translation>
    </message>
    <message>
        <source>%1 beep(s), input focus in %2</source>
        <translation>%1 Signalton/-töne, Eingabefokus in %2</translation>
    </message>
</context>
<context>
    <name>velmora-calc</name>
    <message>
        <source>velmora-calc - Velmora, dipole calculator, on the command line

Usage: velmora-calc COMMAND [ARGS...]
       velmora-calc COMMAND --help

Commands:
</source>
        <translation>velmora-calc - Velmora, der Dipolrechner, auf der Kommandozeile

Aufruf: velmora-calc BEFEHL [ARGUMENTE...]
        velmora-calc BEFEHL --help

Befehle:
</translation>
    </message>
    <message>
        <source>
Exit status: 0 success, 1 output could not be written, 2 usage error,
3 the formula, the calculation or the NEC-2 search failed, 4 nec2c is not installed.
</source>
        <translation>
Exit-Status: 0 Erfolg, 1 Ausgabe nicht geschrieben, 2 Bedienungsfehler,
3 Formel, Berechnung oder NEC-2-Suche gescheitert, 4 nec2c ist nicht installiert.
</translation>
    </message>
    <message>
        <source>draw one curve (png, svg, pdf, csv, json)</source>
        <translation>eine Kurve zeichnen (png, svg, pdf, csv, json)</translation>
    </message>
    <message>
        <source>evaluate one antenna formula</source>
        <translation>eine Antennenformel auswerten</translation>
    </message>
    <message>
        <source>one single-value calculation through the dialog</source>
        <translation>eine Einzelwertberechnung über den Dialog</translation>
    </message>
    <message>
        <source>velmora-calc: unknown command &apos;%1&apos; (try velmora-calc --help)</source>
        <translation>velmora-calc: unbekannter Befehl „%1“ (siehe velmora-calc --help)</translation>
    </message>
    <message>
        <source>%1: standard output could not be written: %2</source>
        <translation>%1: die Standardausgabe konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>%1 (try velmora-calc %2 --help)</source>
        <translation>%1 (siehe velmora-calc %2 --help)</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot; (a value follows its option: --option value)</source>
        <translation>unerwartetes Argument „%1“ (ein Wert folgt seiner Option: --option Wert)</translation>
    </message>
</context>
</TS>
