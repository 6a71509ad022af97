<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>band</name>
    <message>
        <source>velmora-calc band (--band NAME | --from MHZ --to MHZ) --height M --diameter MM [OPTIONS]
  Designs a centre-fed horizontal dipole for an amateur band, by the closed form and
  by NEC-2 (nec2c, found on PATH): the length to cut (in all and each leg, without the
  centre insulator), the resonance, R at resonance, the lowest SWR, the SWR at the band
  limits and the SWR &lt;= 1,5 and &lt;= 2 ranges, and for the closed form the efficiency
  Rs / R with Rs, Rve and Rv. The curves are sampled at 41 frequencies over twice the
  band, centred on it.

  --band NAME            an IARU Region 1 band: 160m, 80m, 60m, 40m, 30m, 20m, 17m,
                         15m, 12m or 10m (&quot;80 m&quot; works too)
  --from MHZ --to MHZ    any other band (&quot;frei&quot;): its lower and upper limit
  --frequency MHZ        the design frequency (default: the band&apos;s centre)
  --height M             height above ground in m
  --diameter MM          conductor diameter in mm
  --outer-diameter MM    the insulation&apos;s outer diameter in mm (with --insulation)
  --insulation TEXT      the insulation, e.g. &quot;4,0   PVC (3,5...4,5)&quot; or a number: er
  --material TEXT        conductor, e.g. &quot;56 Cu&quot; (the default), &quot;35 Al&quot;
  --ground G             average (the default): average real ground; perfect: a
                         perfect ground
  --impedance OHM        the reference impedance Z0 (default 50), e.g. 12,5 behind a
                         4:1 balun
  --no-nec               the closed form alone, without nec2c
  --json                 print one JSON object instead of text
  --csv                  print the 41 samples as CSV (semicolons, decimal commas)
  --touchstone FILE      also write the model&apos;s 41 samples (NEC-2&apos;s where it ran,
                         else the closed form&apos;s) to FILE as a Touchstone 1.0 file,
                         &quot;# MHz S RI R &lt;Z0&gt;&quot;, for an analyser&apos;s reference trace

  Numbers are typed as in the dialogs: digits with a comma or a point.
  Exit status 2 for a usage error, 3 when NEC-2 fails and 4 when nec2c is not
  installed (the closed form is printed in both cases).
  Example: velmora-calc band --band 80m --height 12 --diameter 1,38
</source>
        <translation>velmora-calc band (--band NAME | --from MHZ --to MHZ) --height M --diameter MM [OPTIONEN]
  Entwirft einen mittengespeisten waagerechten Dipol für ein Amateurfunkband, nach den
  Formeln und mit NEC-2 (nec2c, im PATH gefunden): die zu schneidende Länge (gesamt und
  je Schenkel, ohne Mittelisolator), die Resonanz, R bei Resonanz, das kleinste SWV, das
  SWV an den Bandgrenzen und die Bereiche SWV &lt;= 1,5 und &lt;= 2, für die Formeln auch den
  Wirkungsgrad Rs / R mit Rs, Rve und Rv. Die Kurven werden an 41 Frequenzen über die
  doppelte Breite des Bandes berechnet, mittig um das Band.

  --band NAME            ein Band der IARU-Region 1: 160m, 80m, 60m, 40m, 30m, 20m,
                         17m, 15m, 12m oder 10m (&quot;80 m&quot; geht auch)
  --from MHZ --to MHZ    jedes andere Band (&quot;frei&quot;): seine untere und obere Grenze
  --frequency MHZ        die Entwurfsfrequenz (Vorgabe: die Mitte des Bandes)
  --height M             Höhe über Grund in m
  --diameter MM          Leiterdurchmesser in mm
  --outer-diameter MM    Außendurchmesser der Isolierung in mm (mit --insulation)
  --insulation TEXT      die Isolierung, z. B. &quot;4,0   PVC (3,5...4,5)&quot;, oder eine
                         Zahl: er
  --material TEXT        Leiter, z. B. &quot;56 Cu&quot; (die Vorgabe), &quot;35 Al&quot;
  --ground G             average (die Vorgabe): durchschnittlicher realer Boden;
                         perfect: ein idealer Boden
  --impedance OHM        die Bezugsimpedanz Z0 (Vorgabe 50), z. B. 12,5 hinter einem
                         4:1-Balun
  --no-nec               nur die Formeln, ohne nec2c
  --json                 ein JSON-Objekt statt Text ausgeben
  --csv                  die 41 Punkte als CSV ausgeben (Semikolons, Dezimalkommas)
  --touchstone DATEI     außerdem die 41 Punkte des Modells (die von NEC-2, wo es lief,
                         sonst die der Formeln) als Touchstone-1.0-Datei
                         &quot;# MHz S RI R &lt;Z0&gt;&quot; in DATEI schreiben, als Referenzkurve
                         für einen Antennenanalysator

  Zahlen werden wie in den Dialogen getippt: Ziffern mit Komma oder Punkt.
  Exit-Status 2 bei einem Bedienungsfehler, 3, wenn NEC-2 scheitert, und 4, wenn nec2c
  nicht installiert ist (die Formeln werden in beiden Fällen ausgegeben).
  Beispiel: velmora-calc band --band 80m --height 12 --diameter 1,38
</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot;: type a number with digits and a comma or a point, e.g. 3,6</source>
        <translation>--%1 „%2“: eine Zahl aus Ziffern und einem Komma oder Punkt tippen, z. B. 3,6</translation>
    </message>
    <message>
        <source>give either --band or both --from and --to</source>
        <translation>entweder --band oder beide, --from und --to, angeben</translation>
    </message>
    <message>
        <source>--band &quot;%1&quot;: use 160m, 80m, 60m, 40m, 30m, 20m, 17m, 15m, 12m or 10m</source>
        <translation>--band „%1“: bekannt sind 160m, 80m, 60m, 40m, 30m, 20m, 17m, 15m, 12m und 10m</translation>
    </message>
    <message>
        <source>give both --from and --to</source>
        <translation>--from und --to beide angeben</translation>
    </message>
    <message>
        <source>--%1 is missing</source>
        <translation>--%1 fehlt</translation>
    </message>
    <message>
        <source>give --outer-diameter and --insulation together</source>
        <translation>--outer-diameter und --insulation zusammen angeben</translation>
    </message>
    <message>
        <source>--ground &quot;%1&quot;: use average or perfect</source>
        <translation>--ground „%1“: average oder perfect angeben</translation>
    </message>
    <message>
        <source>--material &quot;%1&quot;: no conductivity (it starts with its number, e.g. &quot;56 Cu&quot;)</source>
        <translation>--material „%1“: keine Leitfähigkeit (der Text beginnt mit ihrer Zahl, z. B. „56 Cu“)</translation>
    </message>
    <message>
        <source>give --json or --csv, not both</source>
        <translation>--json oder --csv angeben, nicht beide</translation>
    </message>
    <message>
        <source>the closed form gives no dipole for these inputs.</source>
        <translation>die Formeln ergeben für diese Eingaben keinen Dipol.</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
</context>
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
    <name>measure</name>
    <message>
        <source>velmora-calc measure FILE [OPTIONS]
  Reads the sweep of an antenna analyser, a Touchstone 1.0 one-port file (.s1p), and
  prints where the reactance X crosses zero from minus to plus nearest the frequency
  (the resonance), the lowest SWR and the ranges of SWR &lt;= 1,5 and &lt;= 2 around it.
  With --length and --frequency also how much to cut or add per leg so that the
  dipole resonates at the frequency: L_new = L_now * L(f_target) / L(f_resonance),
  L the resonant length NEC-2 finds for the same wire (when nec2c is installed), else
  the formulas&apos; &quot;resonante Dipollänge&quot;. Without the wire&apos;s height and diameter the
  length scales by frequency alone: L_new = L_now * f_resonance / f_target.

  --frequency MHZ        the target frequency in MHz (default: the sweep&apos;s middle)
  --impedance OHM        the SWR&apos;s reference impedance in ohms (default 50)
  --length M             the wire&apos;s present total length in m (with --frequency)
  --height M             height above ground in m (not needed for --ground free)
  --diameter MM          wire diameter in mm
  --outer-diameter MM    outer diameter over the insulation in mm
  --insulation TEXT      insulation, e.g. &quot;2,3   PE Polyethylen&quot;
  --material TEXT        conductor, e.g. &quot;56 Cu&quot; (the default), &quot;35 Al&quot;
  --ground G             average (the default), perfect or free
  --no-nec               trim by the formulas even when nec2c is installed
  --json                 print one JSON object instead of text; perLegCm is
                         negative where the wire is to be shortened

  Exit status 2 when the file cannot be read; the message names the line.
  Example: velmora-calc measure dipol.s1p --frequency 3,6 --length 40,2
  The file stands first or after the options.
</source>
        <translation>velmora-calc measure DATEI [OPTIONEN]
  Liest die Messkurve eines Antennenanalysators, eine Touchstone-1.0-Datei eines
  Eintors (.s1p), und gibt aus, wo der Blindwiderstand X der Frequenz am nächsten von
  minus nach plus durch null geht (die Resonanz), das kleinste SWR und die Bereiche
  SWR &lt;= 1,5 und &lt;= 2 darum.
  Mit --length und --frequency auch, wie viel je Schenkel zu kürzen oder anzusetzen
  ist, damit der Dipol bei der Frequenz resoniert:
  L_new = L_now * L(f_target) / L(f_resonance), L die resonante Länge, die NEC-2 für
  denselben Draht findet (wenn nec2c installiert ist), sonst die &quot;resonante Dipollänge&quot;
  der Formeln. Ohne Höhe und Durchmesser des Drahts skaliert die Länge allein mit der
  Frequenz: L_new = L_now * f_resonance / f_target.

  --frequency MHZ        die Zielfrequenz in MHz (Vorgabe: die Mitte der Messkurve)
  --impedance OHM        die Bezugsimpedanz des SWR in Ohm (Vorgabe 50)
  --length M             die jetzige Gesamtlänge des Drahts in m (mit --frequency)
  --height M             Höhe über Grund in m (nicht nötig bei --ground free)
  --diameter MM          Drahtdurchmesser in mm
  --outer-diameter MM    Außendurchmesser über der Isolierung in mm
  --insulation TEXT      Isolierung, z. B. &quot;2,3   PE Polyethylen&quot;
  --material TEXT        Leiter, z. B. &quot;56 Cu&quot; (die Vorgabe), &quot;35 Al&quot;
  --ground G             average (die Vorgabe), perfect oder free
  --no-nec               nach den Formeln abgleichen, auch wenn nec2c installiert ist
  --json                 ein JSON-Objekt statt Text ausgeben; perLegCm ist negativ,
                         wo der Draht zu kürzen ist

  Exit-Status 2, wenn die Datei nicht gelesen werden kann; die Meldung nennt die Zeile.
  Beispiel: velmora-calc measure dipol.s1p --frequency 3,6 --length 40,2
  Die Datei steht zuerst oder nach den Optionen.
</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot;: type a number with digits and a comma or a point, e.g. 3,6</source>
        <translation>--%1 „%2“: eine Zahl aus Ziffern und einem Komma oder Punkt tippen, z. B. 3,6</translation>
    </message>
    <message>
        <source>--%1 must be above 0</source>
        <translation>--%1 muss größer als 0 sein</translation>
    </message>
    <message>
        <source>name one Touchstone file</source>
        <translation>genau eine Touchstone-Datei nennen</translation>
    </message>
    <message>
        <source>--length needs --frequency, the target of the trim</source>
        <translation>--length braucht --frequency, das Ziel des Abgleichs</translation>
    </message>
    <message>
        <source>--ground &quot;%1&quot;: use free, perfect or average</source>
        <translation>--ground „%1“: free, perfect oder average angeben</translation>
    </message>
    <message>
        <source>--%1 needs both --height and --diameter</source>
        <translation>--%1 braucht sowohl --height als auch --diameter</translation>
    </message>
    <message>
        <source>--outer-diameter and --insulation go together</source>
        <translation>--outer-diameter und --insulation gehören zusammen</translation>
    </message>
    <message>
        <source>--outer-diameter must be above --diameter</source>
        <translation>--outer-diameter muss größer als --diameter sein</translation>
    </message>
    <message>
        <source>--insulation &quot;%1&quot;: no permittivity of 1 or more (it starts with its number, e.g. &quot;2,3 PE&quot;)</source>
        <translation>--insulation „%1“: keine Permittivität von 1 oder mehr (der Text beginnt mit ihrer Zahl, z. B. „2,3 PE“)</translation>
    </message>
    <message>
        <source>--material &quot;%1&quot;: no conductivity (it starts with its number, e.g. &quot;56 Cu&quot;)</source>
        <translation>--material „%1“: keine Leitfähigkeit (der Text beginnt mit ihrer Zahl, z. B. „56 Cu“)</translation>
    </message>
    <message>
        <source>the trim uses the formulas&apos; resonant length instead.</source>
        <translation>der Abgleich nimmt stattdessen die resonante Länge der Formeln.</translation>
    </message>
    <message>
        <source>no trim, since the sweep shows no resonance.</source>
        <translation>kein Abgleich, da die Messkurve keine Resonanz zeigt.</translation>
    </message>
</context>
<context>
    <name>nec</name>
    <message>
        <source>velmora-calc nec --frequency MHZ --height M --diameter MM [OPTIONS]
  Finds the resonant total length (X = 0) of a centre-fed horizontal dipole of bare
  or insulated wire with NEC-2 (nec2c, found on PATH) and prints it with
  Vf = length / (lambda/2), the feed resistance R at resonance and the number of nec2c
  runs; beside them the velocity factor and length of the single-value calculation
  &quot;Verkürzungsfaktor Vf&quot; (bare wire) or &quot;resonante Dipollänge&quot; (insulated wire,
  average ground only) for the same wire and height, and the difference in percent.
  A search ends after 30 s at the most.

  --frequency MHZ     frequency in MHz (NEC-2 takes 0,01 to 3000)
  --height M          height above ground in m (not needed for --ground free)
  --diameter MM       wire diameter in mm; the conductor&apos;s with an insulation
  --outer-diameter MM outer diameter of the insulation in mm
  --insulation TEXT   its relative permittivity: an item of the single-value dialog&apos;s
                      list, e.g. &quot;4,0   PVC (3,5...4,5)&quot;, or a number such as 4
  --material TEXT     conductor, e.g. &quot;56 Cu&quot; (the default), &quot;35 Al&quot;
  --ground G          average (the default): average real ground, Sommerfeld-Norton,
                      against the formulas over real ground; perfect: a perfect
                      ground, against the formulas with &quot;Freiraum&quot; ticked; free:
                      true free space, which the formulas have no counterpart for
  --segments N        odd number of wire segments, 5 to 501 (default 41)
  --json              print one JSON object instead of text

  Numbers are typed as in the dialogs: digits with a comma or a point.
  Exit status 3 when the search fails, 4 when nec2c is not installed.
  Example: velmora-calc nec --frequency 3,6 --height 20,82 --diameter 2,05
</source>
        <translation>velmora-calc nec --frequency MHZ --height M --diameter MM [OPTIONEN]
  Sucht mit NEC-2 (nec2c, im PATH gefunden) die resonante Gesamtlänge (X = 0) eines
  mittengespeisten waagerechten Dipols aus blankem oder isoliertem Draht und gibt sie
  mit Vf = Länge / (Lambda/2), dem Fußpunktwiderstand R bei Resonanz und der Zahl der
  nec2c-Läufe aus; daneben Verkürzungsfaktor und Länge der Einzelwertberechnung
  &quot;Verkürzungsfaktor Vf&quot; (blanker Draht) oder &quot;resonante Dipollänge&quot; (isolierter
  Draht, nur über durchschnittlichem Boden) für denselben Draht und dieselbe Höhe und
  den Unterschied in Prozent. Eine Suche endet nach höchstens 30 s.

  --frequency MHZ     Frequenz in MHz (NEC-2 nimmt 0,01 bis 3000)
  --height M          Höhe über Grund in m (nicht nötig bei --ground free)
  --diameter MM       Drahtdurchmesser in mm; mit Isolierung der des Leiters
  --outer-diameter MM Außendurchmesser der Isolierung in mm
  --insulation TEXT   ihre relative Permittivität: ein Eintrag der Liste des
                      Einzelwert-Dialogs, z. B. &quot;4,0   PVC (3,5...4,5)&quot;, oder eine
                      Zahl wie 4
  --material TEXT     Leiter, z. B. &quot;56 Cu&quot; (die Vorgabe), &quot;35 Al&quot;
  --ground G          average (die Vorgabe): durchschnittlicher realer Boden,
                      Sommerfeld-Norton, verglichen mit den Formeln über realem Boden;
                      perfect: ein idealer Boden, verglichen mit den Formeln mit
                      angekreuztem &quot;Freiraum&quot;; free: echter freier Raum, zu dem die
                      Formeln kein Gegenstück haben
  --segments N        ungerade Zahl von Drahtsegmenten, 5 bis 501 (Vorgabe 41)
  --json              ein JSON-Objekt statt Text ausgeben

  Zahlen werden wie in den Dialogen getippt: Ziffern mit Komma oder Punkt.
  Exit-Status 3, wenn die Suche scheitert, 4, wenn nec2c nicht installiert ist.
  Beispiel: velmora-calc nec --frequency 3,6 --height 20,82 --diameter 2,05
</translation>
    </message>
    <message>
        <source>--%1 &quot;%2&quot;: type a number with digits and a comma or a point, e.g. 3,6</source>
        <translation>--%1 „%2“: eine Zahl aus Ziffern und einem Komma oder Punkt tippen, z. B. 3,6</translation>
    </message>
    <message>
        <source>--ground &quot;%1&quot;: use free, perfect or average</source>
        <translation>--ground „%1“: free, perfect oder average angeben</translation>
    </message>
    <message>
        <source>--%1 is missing</source>
        <translation>--%1 fehlt</translation>
    </message>
    <message>
        <source>--frequency: the frequency must be above 0</source>
        <translation>--frequency: die Frequenz muss größer als 0 sein</translation>
    </message>
    <message>
        <source>--diameter: the wire diameter must be above 0</source>
        <translation>--diameter: der Drahtdurchmesser muss größer als 0 sein</translation>
    </message>
    <message>
        <source>--height: the height must be at least 0,01 m (the single-value calculation takes no lower one)</source>
        <translation>--height: die Höhe muss mindestens 0,01 m betragen (die Einzelwertberechnung nimmt keine geringere)</translation>
    </message>
    <message>
        <source>--material &quot;%1&quot;: no conductivity (it starts with its number, e.g. &quot;56 Cu&quot;)</source>
        <translation>--material „%1“: keine Leitfähigkeit (der Text beginnt mit ihrer Zahl, z. B. „56 Cu“)</translation>
    </message>
    <message>
        <source>--segments &quot;%1&quot;: not a number</source>
        <translation>--segments „%1“: keine Zahl</translation>
    </message>
    <message>
        <source>--outer-diameter and --insulation go together: both for an insulated wire, neither for a bare one</source>
        <translation>--outer-diameter und --insulation gehören zusammen: beide für isolierten Draht, keines für blanken</translation>
    </message>
    <message>
        <source>--insulation &quot;%1&quot;: neither an item of the insulation list (e.g. &quot;4,0   PVC (3,5...4,5)&quot;) nor a number</source>
        <translation>--insulation &quot;%1&quot;: weder ein Eintrag der Isolierungsliste (z. B. &quot;4,0   PVC (3,5...4,5)&quot;) noch eine Zahl</translation>
    </message>
    <message>
        <source>note: the formulas take the wire as %1 mm, as the dialog would</source>
        <translation>Hinweis: die Formeln nehmen den Draht mit %1 mm, wie der Dialog es täte</translation>
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
    <message>
        <source>a dipole for a band: length, SWR and bandwidth by formula and NEC-2</source>
        <translation>ein Dipol für ein Band: Länge, SWV und Bandbreite nach Formel und NEC-2</translation>
    </message>
    <message>
        <source>the figures of an analyser&apos;s sweep and how much to trim</source>
        <translation>die Kennwerte der Messkurve eines Analysators und der Abgleich</translation>
    </message>
    <message>
        <source>NEC-2&apos;s resonant length beside the formulas&apos; (needs nec2c)</source>
        <translation>die resonante Länge nach NEC-2 neben der der Formeln (braucht nec2c)</translation>
    </message>
</context>
</TS>
