<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Assistant</name>
    <message>
        <source>No flickers in the last minute</source>
        <translation>Kein Flattern in der letzten Minute</translation>
    </message>
    <message numerus="yes">
        <source>%n flicker(s) in the last minute</source>
        <translation>
            <numerusform>%n× Flattern in der letzten Minute</numerusform>
            <numerusform>%n× Flattern in der letzten Minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flicker(s) near %1 at %2 %3 in the last minute</source>
        <translation>
            <numerusform>%n× Flattern nahe %1 bei %2 %3 in der letzten Minute</numerusform>
            <numerusform>%n× Flattern nahe %1 bei %2 %3 in der letzten Minute</numerusform>
        </translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>No records of %1 yet: %2 needs them</source>
        <translation>Noch keine Aufzeichnung von %1: %2 braucht sie</translation>
    </message>
    <message>
        <source>%1 and %2 overlap in %3 between %4 and %5: the lever or the adaptor reads them too close together</source>
        <translation>%1 und %2 überlappen in %3 zwischen %4 und %5: Der Hebel oder der Adapter liest sie zu dicht beieinander</translation>
    </message>
    <message>
        <source>%1 and %2 are only %3 apart in %4 between %5 and %6: a threshold there would be under %7 from one of them</source>
        <translation>%1 und %2 liegen in %4 zwischen %5 und %6 nur %3 auseinander: Ein Schwellwert dort läge weniger als %7 von einem entfernt</translation>
    </message>
    <message>
        <source>Move the lever along neutral from far left to far right</source>
        <translation>Den Hebel in der Neutralgasse von ganz links nach ganz rechts bewegen</translation>
    </message>
    <message>
        <source>Put it in 1st and move it around in the gate</source>
        <translation>Den 1. Gang einlegen und den Hebel in der Gasse bewegen</translation>
    </message>
    <message>
        <source>Put it in 2nd and move it around in the gate</source>
        <translation>Den 2. Gang einlegen und den Hebel in der Gasse bewegen</translation>
    </message>
    <message>
        <source>Put it in 3rd and move it around in the gate</source>
        <translation>Den 3. Gang einlegen und den Hebel in der Gasse bewegen</translation>
    </message>
    <message>
        <source>Put it in 4th and move it around in the gate</source>
        <translation>Den 4. Gang einlegen und den Hebel in der Gasse bewegen</translation>
    </message>
    <message>
        <source>Put it in 5th and move it around in the gate</source>
        <translation>Den 5. Gang einlegen und den Hebel in der Gasse bewegen</translation>
    </message>
    <message>
        <source>Put it in 6th and move it around in the gate</source>
        <translation>Den 6. Gang einlegen und den Hebel in der Gasse bewegen</translation>
    </message>
    <message>
        <source>Optionally, put it in reverse and move it around in the gate</source>
        <translation>Wahlweise den Rückwärtsgang einlegen und den Hebel in der Gasse bewegen</translation>
    </message>
    <message>
        <source>Let the lever rest</source>
        <translation>Den Hebel ruhen lassen</translation>
    </message>
    <message>
        <source>Push it to +</source>
        <translation>Nach + drücken</translation>
    </message>
    <message>
        <source>Pull it to -</source>
        <translation>Nach - ziehen</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>Neutral</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1. Gang</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2. Gang</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3. Gang</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4. Gang</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5. Gang</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6. Gang</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>Rückwärtsgang</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>Ruhe</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>this build has no window; run one of the commands, such as --read.
Try --help.
</source>
        <translation>dieses Programm wurde ohne Fenster gebaut; führen Sie einen der Befehle aus, etwa --read.
Siehe --help.
</translation>
    </message>
    <message>
        <source>there is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set). The commands, such as --read, work without one.
Try --help.
</source>
        <translation>es gibt keine Anzeige für das Fenster (weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt). Die Befehle, etwa --read, laufen auch ohne.
Siehe --help.
</translation>
    </message>
    <message>
        <source>could not write %1</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>%1: %2
Try --help.
</source>
        <translation>%1: %2
Siehe --help.
</translation>
    </message>
    <message>
        <source>Lists each adaptor present: path, product, version, serial number and whether this user may open it (if not: why).</source>
        <translation>Listet jeden angeschlossenen Adapter auf: Pfad, Produkt, Version, Seriennummer und ob dieser Benutzer ihn öffnen darf (wenn nicht: warum).</translation>
    </message>
    <message>
        <source>Shows the adaptor&apos;s identity and its six stored thresholds; writes nothing.</source>
        <translation>Zeigt die Kennung des Adapters und seine sechs gespeicherten Schwellwerte; schreibt nichts.</translation>
    </message>
    <message>
        <source>Stores all six thresholds of a calibration exported from the window (File &gt; Export calibration...).</source>
        <translation>Speichert alle sechs Schwellwerte einer aus dem Fenster exportierten Kalibrierung (Datei &gt; Kalibrierung exportieren...).</translation>
    </message>
    <message>
        <source>Shows the adaptor&apos;s 128 bytes of memory as hex text.</source>
        <translation>Zeigt die 128 Byte Speicher des Adapters als Hex-Text.</translation>
    </message>
    <message>
        <source>Writes a support report to FILE (- for standard output).</source>
        <translation>Schreibt einen Support-Bericht nach FILE (- für die Standardausgabe).</translation>
    </message>
    <message>
        <source>--%1 applies to --simulate only</source>
        <translation>--%1 gilt nur mit --simulate</translation>
    </message>
    <message>
        <source>unknown lever &apos;%1&apos; for --lever: use tour, assistant or assistant-sequential</source>
        <translation>unbekannter Hebel „%1“ für --lever: tour, assistant oder assistant-sequential verwenden</translation>
    </message>
    <message>
        <source>--gates applies to --lever=assistant only</source>
        <translation>--gates gilt nur mit --lever=assistant</translation>
    </message>
    <message>
        <source>--gates needs three X positions 0..255 from left to right, such as 40,165,215, not &apos;%1&apos;</source>
        <translation>--gates braucht drei X-Positionen 0..255 von links nach rechts, etwa 40,165,215, nicht „%1“</translation>
    </message>
    <message>
        <source>--noise needs a whole number of units 0..%1, not &apos;%2&apos;</source>
        <translation>--noise braucht eine ganze Zahl von Einheiten 0..%1, nicht „%2“</translation>
    </message>
    <message>
        <source>Calibrates the lever thresholds of a USB shifter adaptor.</source>
        <translation>Kalibriert die Schwellwerte des Hebels eines USB-Schalthebel-Adapters.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Zeigt diese Hilfe.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version.</source>
        <translation>Zeigt die Version des Programms.</translation>
    </message>
    <message>
        <source>Reports a second the simulated adaptor sends (default 125).</source>
        <translation>Reports pro Sekunde, die der simulierte Adapter sendet (Vorgabe 125).</translation>
    </message>
    <message>
        <source>Saves a PNG picture of the window to FILE after about two seconds, then closes the window.</source>
        <translation>Speichert nach etwa zwei Sekunden ein PNG-Bild des Fensters nach FILE und schließt dann das Fenster.</translation>
    </message>
    <message>
        <source>Keeps the calibration history of a simulated adaptor in the user&apos;s data folder, as it is always kept for real adaptors.</source>
        <translation>Führt den Kalibrierungsverlauf eines simulierten Adapters im Datenordner des Benutzers, wie er für echte Adapter immer geführt wird.</translation>
    </message>
    <message>
        <source>How the simulated lever moves: tour (the default) goes through the gears of both modes; assistant follows the calibration assistant&apos;s H-pattern steps, assistant-sequential its sequential ones.</source>
        <translation>Wie sich der simulierte Hebel bewegt: tour (Vorgabe) fährt durch die Gänge beider Modi; assistant folgt den H-Schaltungs-Schritten des Kalibrierungsassistenten, assistant-sequential seinen sequenziellen.</translation>
    </message>
    <message>
        <source>X of the assistant lever&apos;s left, middle and right gates (default 40,165,215, where the factory thresholds read some of 3rd as 5th).</source>
        <translation>X der linken, mittleren und rechten Gasse des Assistenten-Hebels (Vorgabe 40,165,215, wobei die Werkswerte einen Teil des 3. Gangs als 5. lesen).</translation>
    </message>
    <message>
        <source>Units the simulated lever shakes in X and Y (default 3 for the assistant&apos;s lever, 0 for the tour).</source>
        <translation>Einheiten, um die der simulierte Hebel in X und Y zittert (Vorgabe 3 für den Hebel des Assistenten, 0 für die Tour).</translation>
    </message>
    <message>
        <source>With --read: answers in JSON.</source>
        <translation>Mit --read: antwortet in JSON.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Aufruf: %1 [Optionen]</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>--report-rate applies to --simulate only</source>
        <translation>--report-rate gilt nur mit --simulate</translation>
    </message>
    <message>
        <source>--report-rate needs a number of reports a second above 0 and at most %1, not &apos;%2&apos;</source>
        <translation>--report-rate braucht eine Zahl von Reports pro Sekunde über 0 und höchstens %1, nicht „%2“</translation>
    </message>
    <message>
        <source>give one command at a time</source>
        <translation>bitte nur einen Befehl auf einmal</translation>
    </message>
    <message>
        <source>--%1 needs %2</source>
        <translation>--%1 braucht %2</translation>
    </message>
    <message>
        <source>--json applies to --read only</source>
        <translation>--json gilt nur mit --read</translation>
    </message>
    <message>
        <source>--screenshot needs a file name</source>
        <translation>--screenshot braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>The calibration window is using the adaptors; close it, then run the command again.
</source>
        <translation>Das Kalibrierungsfenster benutzt die Adapter; schließen Sie es und führen Sie den Befehl dann erneut aus.
</translation>
    </message>
    <message>
        <source>Could not write %1
</source>
        <translation>%1 konnte nicht geschrieben werden
</translation>
    </message>
    <message>
        <source>Support report written to %1
</source>
        <translation>Support-Bericht geschrieben nach %1
</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>das Bild konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>--%1 needs a file name, and %2 is a folder</source>
        <translation>--%1 braucht einen Dateinamen, und %2 ist ein Ordner</translation>
    </message>
    <message>
        <source>--%1 cannot write into the folder %2</source>
        <translation>--%1 kann nicht in den Ordner %2 schreiben</translation>
    </message>
    <message>
        <source>Runs on a simulated adaptor whose lever moves by itself: kelvo (when no value is given), mirad, usb or loader; or on the adaptor a recording made with --record holds, given as --simulate=FILE.</source>
        <translation>Läuft mit einem simulierten Adapter, dessen Hebel sich von selbst bewegt: kelvo (ohne Angabe eines Werts), mirad, usb oder loader; oder mit dem Adapter, den eine mit --record erstellte Aufzeichnung enthält, angegeben als --simulate=FILE.</translation>
    </message>
    <message>
        <source>Records every call to the adaptors and each answer into FILE, with the window or any command. The recording holds the adaptor&apos;s serial number and thresholds; it stops at 50 MB.</source>
        <translation>Zeichnet jeden Aufruf an die Adapter und jede Antwort in FILE auf, mit dem Fenster oder jedem Befehl. Die Aufzeichnung enthält die Seriennummer und die Schwellwerte des Adapters; sie endet bei 50 MB.</translation>
    </message>
    <message>
        <source>With --record: writes a stand-in for the serial number and the device paths.</source>
        <translation>Mit --record: schreibt einen Platzhalter statt der Seriennummer und der Gerätepfade.</translation>
    </message>
    <message>
        <source>Opens the window at FACTOR times the design&apos;s size (0.4 to 8), and keeps its size, place and View choices for the next run unchanged.</source>
        <translation>Öffnet das Fenster in FACTOR-facher Größe des Entwurfs (0,4 bis 8) und lässt seine gespeicherte Größe, Position und Ansicht-Auswahl für den nächsten Start unverändert.</translation>
    </message>
    <message>
        <source>unknown adaptor &apos;%1&apos; for --simulate: use kelvo, mirad, usb, loader or a recording&apos;s file</source>
        <translation>unbekannter Adapter „%1“ für --simulate: verwenden Sie kelvo, mirad, usb, loader oder die Datei einer Aufzeichnung</translation>
    </message>
    <message>
        <source>--%1 needs the window, not a command</source>
        <translation>--%1 braucht das Fenster, keinen Befehl</translation>
    </message>
    <message>
        <source>--scale needs a factor from %1 to %2, not &apos;%3&apos;</source>
        <translation>--scale braucht einen Faktor von %1 bis %2, nicht „%3“</translation>
    </message>
    <message>
        <source>%1 is larger than the %2 MB a recording may hold</source>
        <translation>%1 ist größer als die %2 MB, die eine Aufzeichnung umfassen darf</translation>
    </message>
    <message>
        <source>cannot read the recording %1: %2</source>
        <translation>die Aufzeichnung %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Could not write the recording %1</source>
        <translation>Die Aufzeichnung konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The recording reached its size limit of %1 MB and stopped; %2 holds the session up to then.</source>
        <translation>Die Aufzeichnung hat ihre Größengrenze von %1 MB erreicht und wurde beendet; %2 enthält die Sitzung bis dahin.</translation>
    </message>
    <message>
        <source>Recorded the session to %1.</source>
        <translation>Die Sitzung wurde in %1 aufgezeichnet.</translation>
    </message>
    <message>
        <source>--%1 cannot write %2</source>
        <translation>--%1 kann %2 nicht schreiben</translation>
    </message>
    <message>
        <source>--record would replace %1, the recording being played; record into another file</source>
        <translation>--record würde %1 ersetzen, die Aufzeichnung, die abgespielt wird; zeichnen Sie in eine andere Datei auf</translation>
    </message>
    <message>
        <source>Could not save the recording now (%1); it is saved again at the next save and at the end.</source>
        <translation>Die Aufzeichnung konnte gerade nicht gespeichert werden (%1); sie wird beim nächsten Speichern und am Ende erneut gespeichert.</translation>
    </message>
    <message>
        <source>Another program is recording into %1; nothing was recorded.</source>
        <translation>Ein anderes Programm zeichnet in %1 auf; es wurde nichts aufgezeichnet.</translation>
    </message>
    <message>
        <source>The simulated adaptor could not be started; start the program with --simulate.</source>
        <translation>Der simulierte Adapter konnte nicht gestartet werden; starten Sie das Programm mit --simulate.</translation>
    </message>
    <message>
        <source>
Exit statuses:
  0  done
  1  the adaptor refused or did not answer a report, a file or standard output
     could not be written, or the window has no display
  2  wrong command line or values; nothing was sent
  3  another instance (the window) is using the adaptors; nothing was sent
  4  no adaptor could be opened

--read --json prints one object: path, productId (number), product, manufacturer,
productName, version, serialNumber, and thresholds {V1, V2, H1, H2, SeqH1, SeqH2}
(numbers 0..255; absent for the firmware loader).
</source>
        <translation>
Rückgabewerte:
  0  erledigt
  1  der Adapter hat einen Report abgelehnt oder nicht beantwortet, eine Datei oder die
     Standardausgabe konnte nicht geschrieben werden, oder das Fenster hat keine Anzeige
  2  falsche Befehlszeile oder Werte; nichts wurde gesendet
  3  eine andere Instanz (das Fenster) benutzt die Adapter; nichts wurde gesendet
  4  kein Adapter ließ sich öffnen

--read --json gibt ein Objekt aus: path, productId (Zahl), product, manufacturer,
productName, version, serialNumber und thresholds {V1, V2, H1, H2, SeqH1, SeqH2}
(Zahlen 0..255; fehlt beim Firmware-Lader).
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 erwartet keinen Wert</translation>
    </message>
    <message>
        <source>--%1 does not apply to a recording, which plays the reports it holds</source>
        <translation>--%1 gilt nicht für eine Aufzeichnung, die ihre eigenen Reports abspielt</translation>
    </message>
    <message>
        <source>--record-anonymous applies to --record only</source>
        <translation>--record-anonymous gilt nur mit --record</translation>
    </message>
    <message>
        <source>--record needs a file name</source>
        <translation>--record braucht einen Dateinamen</translation>
    </message>
    <message>
        <source>Stores thresholds given as NAME=VALUE,... (V1, V2, H1, H2, SeqH1, SeqH2; values 0 to 254), e.g. V1=80,SeqH2=75.</source>
        <translation>Speichert Schwellwerte, angegeben als NAME=WERT,... (V1, V2, H1, H2, SeqH1, SeqH2; Werte 0 bis 254), z. B. V1=80,SeqH2=75.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>an %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>a %1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>  access: yes
</source>
        <translation>  Zugriff: ja
</translation>
    </message>
    <message>
        <source>  access: no (%1)
</source>
        <translation>  Zugriff: nein (%1)
</translation>
    </message>
    <message>
        <source>the system refused to open it</source>
        <translation>das System hat das Öffnen verweigert</translation>
    </message>
    <message>
        <source>No adaptor found.
</source>
        <translation>Kein Adapter gefunden.
</translation>
    </message>
    <message>
        <source>The adaptor did not answer the settings request.
</source>
        <translation>Der Adapter hat die Anfrage nach den Einstellungen nicht beantwortet.
</translation>
    </message>
    <message>
        <source>Thresholds: </source>
        <translation>Schwellwerte: </translation>
    </message>
    <message>
        <source>Thresholds: none (the adaptor waits for firmware)
</source>
        <translation>Schwellwerte: keine (der Adapter wartet auf Firmware)
</translation>
    </message>
    <message>
        <source>Nothing was sent: %1.
</source>
        <translation>Nichts wurde gesendet: %1.
</translation>
    </message>
    <message>
        <source>Nothing was sent: the adaptor waits for firmware and holds no thresholds.
</source>
        <translation>Nichts wurde gesendet: Der Adapter wartet auf Firmware und hat keine Schwellwerte.
</translation>
    </message>
    <message>
        <source>Nothing was sent: the values were made for %1 adaptor, and this is %2.
</source>
        <translation>Nichts wurde gesendet: Die Werte wurden für einen %1-Adapter erstellt, und dies ist ein %2-Adapter.
</translation>
    </message>
    <message>
        <source>Before: %1
Written: %2
</source>
        <translation>Vorher: %1
Geschrieben: %2
</translation>
    </message>
    <message>
        <source>unread</source>
        <translation>nicht gelesen</translation>
    </message>
    <message>
        <source>The adaptor refused %1 of %2 reports.
</source>
        <translation>Der Adapter hat %1 von %2 Reports abgelehnt.
</translation>
    </message>
    <message>
        <source>After: </source>
        <translation>Nachher: </translation>
    </message>
    <message>
        <source>This adaptor does not hand out its memory.
</source>
        <translation>Dieser Adapter gibt seinen Speicher nicht heraus.
</translation>
    </message>
    <message>
        <source>Some memory blocks could not be read (shown as question marks).
</source>
        <translation>Einige Speicherblöcke konnten nicht gelesen werden (als Fragezeichen gezeigt).
</translation>
    </message>
    <message>
        <source>USB shifter</source>
        <translation>USB-Schalthebel</translation>
    </message>
    <message>
        <source>firmware loader</source>
        <translation>Firmware-Lader</translation>
    </message>
    <message>
        <source>%1  %2  version %3  serial %4</source>
        <translation>%1  %2  Version %3  Seriennummer %4</translation>
    </message>
    <message>
        <source>Path: %1
Product: %2 (%3)
Manufacturer: %4
Version: %5
Serial number: %6
</source>
        <translation>Pfad: %1
Produkt: %2 (%3)
Hersteller: %4
Version: %5
Seriennummer: %6
</translation>
    </message>
    <message>
        <source>No adaptor could be opened.</source>
        <translation>Kein Adapter ließ sich öffnen.</translation>
    </message>
    <message>
        <source>threshold %1 is given twice</source>
        <translation>Schwellwert %1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not NAME=VALUE</source>
        <translation>„%1“ ist nicht NAME=WERT</translation>
    </message>
    <message>
        <source>threshold %1 needs a whole number from %2, not &apos;%3&apos;</source>
        <translation>Schwellwert %1 braucht eine ganze Zahl von %2, nicht „%3“</translation>
    </message>
    <message>
        <source>no threshold given; use names V1, V2, H1, H2, SeqH1, SeqH2</source>
        <translation>kein Schwellwert angegeben; die Namen V1, V2, H1, H2, SeqH1, SeqH2 verwenden</translation>
    </message>
    <message>
        <source>unknown threshold &apos;%1&apos;; use V1, V2, H1, H2, SeqH1, SeqH2</source>
        <translation>unbekannter Schwellwert „%1“; V1, V2, H1, H2, SeqH1, SeqH2 verwenden</translation>
    </message>
</context>
<context>
    <name>Diagnosis</name>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>  %1 (adaptor 1dd2:%2): </source>
        <translation>  %1 (Adapter 1dd2:%2): </translation>
    </message>
    <message>
        <source>this user may open it
</source>
        <translation>dieser Benutzer darf ihn öffnen
</translation>
    </message>
    <message>
        <source>this user may not open it (%1)
</source>
        <translation>dieser Benutzer darf ihn nicht öffnen (%1)
</translation>
    </message>
    <message>
        <source>    not present under /dev
</source>
        <translation>    nicht unter /dev vorhanden
</translation>
    </message>
    <message>
        <source>    owner %1, group %2, mode %3, access list: %4
</source>
        <translation>    Besitzer %1, Gruppe %2, Modus %3, Zugriffsliste: %4
</translation>
    </message>
    <message>
        <source>    udev tag uaccess: </source>
        <translation>    udev-Markierung uaccess: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Session: </source>
        <translation>Sitzung: </translation>
    </message>
    <message>
        <source>no login session</source>
        <translation>keine Anmeldesitzung</translation>
    </message>
    <message>
        <source>login session %1</source>
        <translation>Anmeldesitzung %1</translation>
    </message>
    <message>
        <source>, no seat</source>
        <translation>, kein Arbeitsplatz</translation>
    </message>
    <message>
        <source>, seat %1</source>
        <translation>, Arbeitsplatz %1</translation>
    </message>
    <message>
        <source>, over SSH</source>
        <translation>, über SSH</translation>
    </message>
    <message>
        <source>, user id %1
</source>
        <translation>, Benutzer-ID %1
</translation>
    </message>
    <message>
        <source>This user may open every adaptor plugged in.</source>
        <translation>Dieser Benutzer darf jeden angeschlossenen Adapter öffnen.</translation>
    </message>
    <message>
        <source>No adaptor is plugged in: plug it in.</source>
        <translation>Es ist kein Adapter angeschlossen: Schließen Sie ihn an.</translation>
    </message>
    <message>
        <source>The program runs in a Flatpak sandbox that cannot see the adaptor: grant it device access, then start it again.</source>
        <translation>Das Programm läuft in einer Flatpak-Sandbox, die den Adapter nicht sieht: Erlauben Sie ihr den Gerätezugriff und starten Sie es dann neu.</translation>
    </message>
    <message>
        <source>The program runs in a Flatpak sandbox without the udev database: grant it /run/udev, then start it again.</source>
        <translation>Das Programm läuft in einer Flatpak-Sandbox ohne die udev-Datenbank: Geben Sie ihr /run/udev frei und starten Sie es dann neu.</translation>
    </message>
    <message>
        <source>No udev rule gives this user the adaptor: install 70-shifter-calibration.rules from the source folder, then re-trigger udev as root.</source>
        <translation>Keine udev-Regel gibt diesem Benutzer den Adapter: Installieren Sie 70-shifter-calibration.rules aus dem Quellordner und lösen Sie udev dann als root neu aus.</translation>
    </message>
    <message>
        <source>The udev rule is only under /usr/local/lib/udev/rules.d, which udev does not read on Debian: move it to /etc/udev/rules.d and re-trigger udev as root.</source>
        <translation>Die udev-Regel liegt nur unter /usr/local/lib/udev/rules.d, das udev unter Debian nicht liest: Verschieben Sie sie nach /etc/udev/rules.d und lösen Sie udev als root neu aus.</translation>
    </message>
    <message>
        <source>The udev rule is installed but not yet applied to the adaptor: re-trigger udev as root, or unplug and replug the adaptor.</source>
        <translation>Die udev-Regel ist installiert, aber noch nicht auf den Adapter angewandt: Lösen Sie udev als root neu aus oder stecken Sie den Adapter ab und wieder an.</translation>
    </message>
    <message>
        <source>The adaptor is given to the person at the machine, and this session has no seat (over SSH or outside a desktop login): run the program from the desktop session at the machine.</source>
        <translation>Der Adapter wird der Person am Rechner zugeteilt, und diese Sitzung hat keinen Arbeitsplatz (über SSH oder außerhalb einer Desktop-Anmeldung): Starten Sie das Programm aus der Desktop-Sitzung am Rechner.</translation>
    </message>
    <message>
        <source>The rule is applied and this session has a seat, yet the system refuses the adaptor: unplug it and plug it in again.</source>
        <translation>Die Regel ist angewandt und diese Sitzung hat einen Arbeitsplatz, doch das System verweigert den Adapter: Stecken Sie ihn ab und wieder an.</translation>
    </message>
    <message>
        <source>no refusal</source>
        <translation>keine Verweigerung</translation>
    </message>
    <message>
        <source>the sandbox hides the device</source>
        <translation>die Sandbox verbirgt das Gerät</translation>
    </message>
    <message>
        <source>the sandbox hides the udev database</source>
        <translation>die Sandbox verbirgt die udev-Datenbank</translation>
    </message>
    <message>
        <source>no udev rule installed</source>
        <translation>keine udev-Regel installiert</translation>
    </message>
    <message>
        <source>the udev rule is in a folder udev does not read</source>
        <translation>die udev-Regel liegt in einem Ordner, den udev nicht liest</translation>
    </message>
    <message>
        <source>udev has not applied the rule yet</source>
        <translation>udev hat die Regel noch nicht angewandt</translation>
    </message>
    <message>
        <source>this session has no seat</source>
        <translation>diese Sitzung hat keinen Arbeitsplatz</translation>
    </message>
    <message>
        <source>refused although the rule applies</source>
        <translation>verweigert, obwohl die Regel greift</translation>
    </message>
    <message>
        <source>Adaptor nodes:
</source>
        <translation>Adapter-Knoten:
</translation>
    </message>
    <message>
        <source>  none of our vendor in /sys/class/hidraw
</source>
        <translation>  keiner unseres Herstellers in /sys/class/hidraw
</translation>
    </message>
    <message>
        <source>Rule %1:
</source>
        <translation>Regel %1:
</translation>
    </message>
    <message>
        <source>present</source>
        <translation>vorhanden</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source> (udev does not read this folder on Debian)</source>
        <translation> (udev liest diesen Ordner unter Debian nicht)</translation>
    </message>
    <message>
        <source>Sandbox: </source>
        <translation>Sandbox: </translation>
    </message>
    <message>
        <source>udev database: </source>
        <translation>udev-Datenbank: </translation>
    </message>
    <message>
        <source>visible</source>
        <translation>sichtbar</translation>
    </message>
    <message>
        <source>not visible</source>
        <translation>nicht sichtbar</translation>
    </message>
    <message>
        <source>Fix: </source>
        <translation>Abhilfe: </translation>
    </message>
    <message>
        <source>The access diagnosis is made on Linux only; here, close any other program that uses the adaptor, or unplug it and plug it in again.</source>
        <translation>Die Zugriffsdiagnose gibt es nur unter Linux; schließen Sie hier jedes andere Programm, das den Adapter verwendet, oder stecken Sie ihn ab und wieder an.</translation>
    </message>
    <message>
        <source>Windows opens the adaptor with its own driver for input devices, so none needs installing: close any other program that uses the adaptor, or unplug it and plug it in again.</source>
        <translation>Windows öffnet den Adapter mit seinem eigenen Treiber für Eingabegeräte, es muss also keiner installiert werden: Schließen Sie jedes andere Programm, das den Adapter verwendet, oder stecken Sie ihn ab und wieder an.</translation>
    </message>
    <message>
        <source>the system refused to open it</source>
        <translation>das System hat das Öffnen verweigert</translation>
    </message>
    <message>
        <source>Not on this system: it has no hidraw nodes, udev rules or seats to look at.
</source>
        <translation>Nicht auf diesem System: Es hat keine hidraw-Knoten, udev-Regeln oder Arbeitsplätze, die sich prüfen ließen.
</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but the system does not let this program open it. Install 70-shifter-calibration.rules (see README), then run &quot;udevadm control --reload-rules&quot; and &quot;udevadm trigger&quot; as root, or unplug and replug the adaptor.</source>
        <translation>Der Adapter ist angeschlossen, aber das System lässt dieses Programm ihn nicht öffnen. Installieren Sie 70-shifter-calibration.rules (siehe README) und führen Sie dann als root „udevadm control --reload-rules“ und „udevadm trigger“ aus, oder stecken Sie den Adapter ab und wieder an.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>read</source>
        <translation>gelesen</translation>
    </message>
    <message>
        <source>stored by Update settings</source>
        <translation>gespeichert mit „Werte speichern“</translation>
    </message>
    <message>
        <source>stored at close</source>
        <translation>beim Schließen gespeichert</translation>
    </message>
    <message>
        <source>stored all six</source>
        <translation>alle sechs gespeichert</translation>
    </message>
    <message>
        <source>stored by command</source>
        <translation>per Befehl gespeichert</translation>
    </message>
    <message>
        <source>restored</source>
        <translation>wiederhergestellt</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>The recording never lists an adaptor, so there is nothing to simulate.</source>
        <translation>Die Aufzeichnung nennt keinen Adapter, es gibt also nichts zu simulieren.</translation>
    </message>
    <message>
        <source>This is not a session recording: its first line does not name the format &quot;%1&quot; and its version.</source>
        <translation>Dies ist keine Sitzungsaufzeichnung: Ihre erste Zeile nennt nicht das Format „%1“ und seine Version.</translation>
    </message>
    <message>
        <source>This recording is of format version %1, newer than the version %2 this program reads.</source>
        <translation>Diese Aufzeichnung hat die Formatversion %1, neuer als die Version %2, die dieses Programm liest.</translation>
    </message>
    <message>
        <source>The recording&apos;s first line lacks the program, the platform or the date.</source>
        <translation>In der ersten Zeile der Aufzeichnung fehlt das Programm, die Plattform oder das Datum.</translation>
    </message>
    <message>
        <source>The recording is larger than the %1 MB a recording may hold.</source>
        <translation>Die Aufzeichnung ist größer als die %1 MB, die eine Aufzeichnung umfassen darf.</translation>
    </message>
    <message>
        <source>The recording is empty.</source>
        <translation>Die Aufzeichnung ist leer.</translation>
    </message>
    <message>
        <source>The recording is damaged at line %1.</source>
        <translation>Die Aufzeichnung ist in Zeile %1 beschädigt.</translation>
    </message>
    <message>
        <source>The recording is cut short: it ends before its closing line.</source>
        <translation>Die Aufzeichnung ist unvollständig: Sie endet vor ihrer Schlusszeile.</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>Shifter calibration</source>
        <translation>Schalthebel-Kalibrierung</translation>
    </message>
    <message>
        <source>nothing reads from it</source>
        <translation>nichts liest daraus</translation>
    </message>
    <message>
        <source>it is a symbolic link, which is not followed</source>
        <translation>es ist ein symbolischer Link, dem nicht gefolgt wird</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>es ist größer als %1 Byte</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Die Datei</translation>
    </message>
    <message>
        <source>The file %1</source>
        <translation>Die Datei %1</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 ist leer.</translation>
    </message>
    <message>
        <source>%1 is damaged or is not JSON (%2 at byte %3).</source>
        <translation>%1 ist beschädigt oder kein JSON (%2 bei Byte %3).</translation>
    </message>
    <message>
        <source>%1 is not a calibration exported by this program.</source>
        <translation>%1 ist keine von diesem Programm exportierte Kalibrierung.</translation>
    </message>
    <message>
        <source>%1 has format version %2, which this version of the program cannot read.</source>
        <translation>%1 hat die Formatversion %2, die diese Version des Programms nicht lesen kann.</translation>
    </message>
    <message>
        <source>%1 is damaged: the adaptor it came from is missing.</source>
        <translation>%1 ist beschädigt: Der Adapter, von dem sie stammt, fehlt.</translation>
    </message>
    <message>
        <source>%1 is refused: %2.</source>
        <translation>%1 wird abgelehnt: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Die Datei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>the thresholds are missing</source>
        <translation>die Schwellwerte fehlen</translation>
    </message>
    <message>
        <source>%1 is missing or not a number</source>
        <translation>%1 fehlt oder ist keine Zahl</translation>
    </message>
    <message>
        <source>%1 is %2, not a whole number from 0 to 255</source>
        <translation>%1 ist %2, keine ganze Zahl von 0 bis 255</translation>
    </message>
    <message>
        <source>product %1</source>
        <translation>Produkt %1</translation>
    </message>
    <message>
        <source>The calibration history is not kept: no home folder was found (set HOME to an absolute path).</source>
        <translation>Der Kalibrierungsverlauf wird nicht geführt: Es wurde kein Home-Ordner gefunden (HOME auf einen absoluten Pfad setzen).</translation>
    </message>
    <message>
        <source>: it is not a regular file</source>
        <translation>: es ist keine normale Datei</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>ein anderes Programm hält sie</translation>
    </message>
    <message>
        <source>The calibration history %1 is damaged</source>
        <translation>Der Kalibrierungsverlauf %1 ist beschädigt</translation>
    </message>
    <message>
        <source>The calibration history cannot be read: %1</source>
        <translation>Der Kalibrierungsverlauf kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The calibration history could not be saved: %1</source>
        <translation>Der Kalibrierungsverlauf konnte nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>: the folder cannot be created</source>
        <translation>: der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>: it is damaged and cannot be moved aside: </source>
        <translation>: er ist beschädigt und kann nicht beiseitegelegt werden: </translation>
    </message>
    <message>
        <source>The calibration history %1 was damaged; it was kept as %2 and a new one started</source>
        <translation>Der Kalibrierungsverlauf %1 war beschädigt; er wurde als %2 aufbewahrt und ein neuer begonnen</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>es ist ein symbolischer Link</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>es ist kein Ordner</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>es gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>others may use it (its mode is %1, not 700)</source>
        <translation>andere dürfen ihn benutzen (sein Modus ist %1, nicht 700)</translation>
    </message>
    <message>
        <source>Shifter calibration keeps its lock in %1, but that is not a folder of your own that only you may use: %2. Remove it and start again.</source>
        <translation>Die Schalthebel-Kalibrierung hält ihre Sperre in %1, doch das ist kein eigener Ordner, den nur Sie benutzen dürfen: %2. Entfernen Sie ihn und starten Sie neu.</translation>
    </message>
    <message>
        <source>Shifter calibration is already running; close it before starting it again.</source>
        <translation>Die Schalthebel-Kalibrierung läuft bereits; schließen Sie sie, bevor Sie sie erneut starten.</translation>
    </message>
    <message>
        <source>Shifter calibration cannot take its lock %1. Remove it and start again.</source>
        <translation>Die Schalthebel-Kalibrierung kann ihre Sperre %1 nicht nehmen. Entfernen Sie sie und starten Sie neu.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>es existiert nicht</translation>
    </message>
    <message>
        <source>A Shifter calibration command is using the adaptors; try again when it has ended.</source>
        <translation>Ein Befehl der Schalthebel-Kalibrierung benutzt die Adapter; versuchen Sie es erneut, wenn er beendet ist.</translation>
    </message>
    <message>
        <source>the program was not given that descriptor</source>
        <translation>dieser Deskriptor wurde dem Programm nicht übergeben</translation>
    </message>
    <message>
        <source>it is another user&apos;s file in a shared folder</source>
        <translation>es ist die Datei eines anderen Benutzers in einem gemeinsamen Ordner</translation>
    </message>
    <message>
        <source>: its folder does not exist</source>
        <translation>: ihr Ordner existiert nicht</translation>
    </message>
</context>
<context>
    <name>Thresholds</name>
    <message>
        <source>%1 is %2, not a threshold (%3)</source>
        <translation>%1 ist %2, kein Schwellwert (%3)</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Firmware-Update</translation>
    </message>
    <message>
        <source>Done.Exiting...</source>
        <translation>Fertig. Beenden...</translation>
    </message>
    <message>
        <source>Sending firmware: %1 of %2</source>
        <translation>Firmware wird gesendet: %1 von %2</translation>
    </message>
    <message>
        <source>Contents of shifter EEPROM memory</source>
        <translation>Inhalt des EEPROM-Speichers des Schalthebels</translation>
    </message>
    <message>
        <source>your adaptor&apos;s support</source>
        <translation>den Support Ihres Adapters</translation>
    </message>
    <message>
        <source>This is shifter EEPROM contents. Please copy (Ctrl+C) and email this text to %1 for analysis. Thank you!</source>
        <translation>Dies ist der EEPROM-Inhalt des Schalthebels. Bitte kopieren Sie diesen Text (Strg+C) und senden Sie ihn per E-Mail an %1 zur Analyse. Vielen Dank!</translation>
    </message>
    <message>
        <source>The adaptor&apos;s feature reports are %1 bytes long, but firmware blocks need %2 to %3 bytes, so nothing was sent.</source>
        <translation>Die Feature-Reports des Adapters sind %1 Byte lang, Firmware-Blöcke brauchen aber %2 bis %3 Byte; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The built-in firmware image is %1 bytes long, not a whole number of %2-byte blocks, so nothing was sent.</source>
        <translation>Das eingebaute Firmware-Image ist %1 Byte lang, kein Vielfaches von %2-Byte-Blöcken; es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>This build carries no adaptor firmware, only a test image, so nothing was sent to the adaptor.</source>
        <translation>Dieses Programm enthält keine Adapter-Firmware, nur ein Test-Image; es wurde nichts an den Adapter gesendet.</translation>
    </message>
    <message>
        <source>No threshold could be proposed yet: see the assistant&apos;s warnings</source>
        <translation>Noch kein Schwellwert vorschlagbar: siehe die Warnungen des Assistenten</translation>
    </message>
    <message>
        <source>Proposed thresholds are in the boxes: press &quot;Update settings&quot; to store them</source>
        <translation>Die vorgeschlagenen Schwellwerte stehen in den Feldern: „Werte speichern“ drücken, um sie zu speichern</translation>
    </message>
    <message>
        <source>Gear %1</source>
        <translation>Gang %1</translation>
    </message>
    <message>
        <source>Lever position X %1, Y %2</source>
        <translation>Hebelstellung X %1, Y %2</translation>
    </message>
    <message>
        <source>left vertical line</source>
        <translation>linke senkrechte Linie</translation>
    </message>
    <message>
        <source>right vertical line</source>
        <translation>rechte senkrechte Linie</translation>
    </message>
    <message>
        <source>upper horizontal line</source>
        <translation>obere waagerechte Linie</translation>
    </message>
    <message>
        <source>lower horizontal line</source>
        <translation>untere waagerechte Linie</translation>
    </message>
    <message>
        <source>first sequential line</source>
        <translation>erste sequenzielle Linie</translation>
    </message>
    <message>
        <source>second sequential line</source>
        <translation>zweite sequenzielle Linie</translation>
    </message>
    <message>
        <source>Store all six thresholds</source>
        <translation>Alle sechs Schwellwerte speichern</translation>
    </message>
    <message>
        <source>Nothing was stored: the adaptor&apos;s thresholds could not be read when it connected. Unplug the adaptor, plug it in again and retry.</source>
        <translation>Nichts wurde gespeichert: Die Schwellwerte des Adapters ließen sich beim Verbinden nicht lesen. Stecken Sie den Adapter ab und wieder an und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Stored all six thresholds in the adaptor</source>
        <translation>Alle sechs Schwellwerte im Adapter gespeichert</translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of the six thresholds; try again</source>
        <translation>Der Adapter hat %1 der sechs Schwellwerte nicht angenommen; bitte erneut versuchen</translation>
    </message>
    <message>
        <source>%1 shows %2, which is not a threshold (%3): %1 stays %4</source>
        <translation>%1 zeigt %2, das ist kein Schwellwert (%3): %1 bleibt %4</translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of %2 values; try again</source>
        <translation>Der Adapter hat %1 von %2 Werten nicht angenommen; bitte erneut versuchen</translation>
    </message>
    <message>
        <source>Stored in the adaptor: </source>
        <translation>Im Adapter gespeichert: </translation>
    </message>
    <message>
        <source>Update settings</source>
        <translation>Werte speichern</translation>
    </message>
    <message>
        <source>The adaptor&apos;s stored settings could not be read, so nothing was stored. Unplug the adaptor, plug it in again and retry.</source>
        <translation>Die gespeicherten Einstellungen des Adapters ließen sich nicht lesen, daher wurde nichts gespeichert. Stecken Sie den Adapter ab und wieder an und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Read shifter memory</source>
        <translation>Speicher auslesen</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Lever position</source>
        <translation>Hebelstellung</translation>
    </message>
    <message>
        <source>0 to 254</source>
        <translation>0 bis 254</translation>
    </message>
    <message>
        <source>Corvane Shifter interface calibration v1.5</source>
        <translation>Corvane Schalthebel-Interface-Kalibrierung v1.5</translation>
    </message>
    <message>
        <source>Kelvo/Mirad shifter interface calibration</source>
        <translation>Kelvo/Mirad Schalthebel-Interface-Kalibrierung</translation>
    </message>
    <message>
        <source>Mirad shifter interface calibration v1.5</source>
        <translation>Mirad Schalthebel-Interface-Kalibrierung v1.5</translation>
    </message>
    <message>
        <source>Kelvo shifter interface calibration v1.5</source>
        <translation>Kelvo Schalthebel-Interface-Kalibrierung v1.5</translation>
    </message>
    <message>
        <source>USB shifter interface calibration v1.5</source>
        <translation>USB-Schalthebel-Interface-Kalibrierung v1.5</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but it could not be read: its report sizes are unknown. Unplug the adaptor and plug it in again.</source>
        <translation>Der Adapter ist angeschlossen, ließ sich aber nicht lesen: Seine Report-Größen sind unbekannt. Stecken Sie den Adapter ab und wieder an.</translation>
    </message>
    <message>
        <source>No adaptor found. Plug one in: the window comes alive by itself.</source>
        <translation>Kein Adapter gefunden. Schließen Sie einen an: Das Fenster erwacht von selbst.</translation>
    </message>
    <message>
        <source>Simulated adaptor: nothing is kept when the program ends</source>
        <translation>Simulierter Adapter: Beim Beenden des Programms wird nichts behalten</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but its feature reports are %1 bytes long, and this program can exchange settings only in reports of %2 to %3 bytes: nothing is sent to it.</source>
        <translation>Der Adapter ist angeschlossen, aber seine Feature-Reports sind %1 Byte lang, und dieses Programm kann Einstellungen nur in Reports von %2 bis %3 Byte austauschen: Es wird nichts an ihn gesendet.</translation>
    </message>
    <message>
        <source>The firmware image was sent; please unplug the adaptor and plug it in again. This program now closes.</source>
        <translation>Das Firmware-Image wurde gesendet; bitte ziehen Sie den Adapter ab und schließen Sie ihn wieder an. Dieses Programm wird jetzt beendet.</translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of the %2 firmware blocks and is still waiting for a firmware image, so please start this program again and repeat the upgrade. This program now closes.</source>
        <translation>Der Adapter hat %1 der %2 Firmware-Blöcke nicht angenommen und wartet weiter auf ein Firmware-Image; bitte starten Sie dieses Programm erneut und wiederholen Sie das Update. Dieses Programm wird jetzt beendet.</translation>
    </message>
    <message>
        <source>%1 lies left of %2</source>
        <translation>%1 liegt links von %2</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 liegt über %2</translation>
    </message>
    <message>
        <source>%1: the lines have crossed</source>
        <translation>%1: Die Linien haben sich gekreuzt</translation>
    </message>
    <message>
        <source>Reads the adaptor&apos;s 128 bytes of memory and shows them for support</source>
        <translation>Liest die 128 Byte Speicher des Adapters und zeigt sie für den Support an</translation>
    </message>
    <message>
        <source>Stores the thresholds of the adaptor&apos;s current mode; closing the window stores all six</source>
        <translation>Speichert die Schwellwerte des aktuellen Modus des Adapters; beim Schließen des Fensters werden alle sechs gespeichert</translation>
    </message>
    <message>
        <source>Sends the built-in firmware to the adaptor; asks first</source>
        <translation>Sendet die eingebaute Firmware an den Adapter; fragt vorher nach</translation>
    </message>
    <message>
        <source>; the adaptor holds %1 until it is stored</source>
        <translation>; im Adapter steht %1, bis der Wert gespeichert wird</translation>
    </message>
    <message>
        <source>Simulated adaptor: its thresholds are lost when the program ends, its history is kept</source>
        <translation>Simulierter Adapter: Seine Schwellwerte gehen beim Beenden des Programms verloren, sein Verlauf bleibt erhalten</translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) (is|are) not stored in the adaptor yet; closing the window stores (it|them)</source>
        <translation>
            <numerusform>%n Wert ist noch nicht im Adapter gespeichert; beim Schließen des Fensters wird er gespeichert</numerusform>
            <numerusform>%n Werte sind noch nicht im Adapter gespeichert; beim Schließen des Fensters werden sie gespeichert</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was restored: %1</source>
        <translation>Nichts wurde wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but the system does not let this program open it.</source>
        <translation>Der Adapter ist angeschlossen, aber das System lässt dieses Programm ihn nicht öffnen.</translation>
    </message>
    <message>
        <source>the program&apos;s test image (%1 bytes), not adaptor firmware</source>
        <translation>das Test-Image des Programms (%1 Bytes), keine Adapter-Firmware</translation>
    </message>
    <message>
        <source>the built-in firmware (%1 bytes, SHA-256 %2)</source>
        <translation>die eingebaute Firmware (%1 Bytes, SHA-256 %2)</translation>
    </message>
    <message>
        <source>The adaptor is waiting for new firmware. Upgrade Firmware sends it %1, which takes a few seconds. Keep the adaptor plugged in until it is done. When it is done, this program closes.

Send the firmware now?</source>
        <translation>Der Adapter wartet auf eine neue Firmware. Firmware-Update sendet ihm %1; das dauert einige Sekunden. Lassen Sie den Adapter angeschlossen, bis es fertig ist. Danach wird dieses Programm beendet.

Firmware jetzt senden?</translation>
    </message>
    <message>
        <source>Send firmware</source>
        <translation>Firmware senden</translation>
    </message>
    <message>
        <source>The adaptor waits for its firmware, but this build carries none to send: only a test image.</source>
        <translation>Der Adapter wartet auf seine Firmware, aber dieses Programm enthält keine zum Senden, nur ein Test-Image.</translation>
    </message>
    <message>
        <source>The adaptor waits for its firmware: press Upgrade Firmware to send it %1.</source>
        <translation>Der Adapter wartet auf seine Firmware: Klicken Sie auf „Firmware-Update“, um ihm %1 zu senden.</translation>
    </message>
    <message>
        <source>Lever X %1</source>
        <translation>Hebel X %1</translation>
    </message>
    <message>
        <source>Lever Y %1</source>
        <translation>Hebel Y %1</translation>
    </message>
    <message>
        <source>Restored %1; the adaptor holds the same values</source>
        <translation>%1 wiederhergestellt; der Adapter hat dieselben Werte</translation>
    </message>
    <message>
        <source>Restored %1; to write it to the adaptor, choose %2</source>
        <translation>%1 wiederhergestellt; um sie im Adapter zu speichern, wählen Sie %2</translation>
    </message>
</context>
<context>
    <name>gui::About</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Calibrates the lever thresholds of a USB shifter adaptor.&lt;/p&gt;&lt;p&gt;Qt %3 (built with %4)&lt;br&gt;hidapi %5&lt;/p&gt;&lt;p&gt;Free software under the MIT License: you may use, copy, change and pass it on; it comes without any warranty. The full text is in the LICENSE file.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Kalibriert die Schwellwerte des Hebels eines USB-Schalthebel-Adapters.&lt;/p&gt;&lt;p&gt;Qt %3 (gebaut mit %4)&lt;br&gt;hidapi %5&lt;/p&gt;&lt;p&gt;Freie Software unter der MIT-Lizenz: Sie dürfen sie benutzen, kopieren, ändern und weitergeben; sie kommt ohne jede Gewährleistung. Der vollständige Text steht in der Datei LICENSE.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>gui::AccessDetails</name>
    <message>
        <source>Access to the adaptor</source>
        <translation>Zugriff auf den Adapter</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>gui::AssistantWindow</name>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Aufzeichnen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>&amp;Use these values</source>
        <translation>Diese Werte &amp;übernehmen</translation>
    </message>
    <message>
        <source>Calibration assistant</source>
        <translation>Kalibrierungsassistent</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Reports</translation>
    </message>
    <message>
        <source>&lt;b&gt;Proposed thresholds&lt;/b&gt;</source>
        <translation>&lt;b&gt;Vorgeschlagene Schwellwerte&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Waiting for the adaptor&apos;s lever reports...</source>
        <translation>Warte auf die Hebel-Reports des Adapters...</translation>
    </message>
    <message>
        <source>Sequential mode: take each step, then press Stop.</source>
        <translation>Sequenzieller Modus: jeden Schritt ausführen, dann Stopp drücken.</translation>
    </message>
    <message>
        <source>H-pattern mode: take each step, then press Stop.</source>
        <translation>H-Schaltung: jeden Schritt ausführen, dann Stopp drücken.</translation>
    </message>
    <message>
        <source>recording: %1</source>
        <translation>Aufzeichnung: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>below</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>above</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 = %2&lt;/b&gt;, margin %3 %4, %5 %6</source>
        <translation>&lt;b&gt;%1 = %2&lt;/b&gt;, Abstand %3 %4, %5 %6</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Records the selected step</source>
        <translation>Zeichnet den gewählten Schritt auf</translation>
    </message>
    <message>
        <source>Ends the step&apos;s recording</source>
        <translation>Beendet die Aufzeichnung des Schritts</translation>
    </message>
    <message>
        <source>%1 chooses the next step, %2 the previous one</source>
        <translation>%1 wählt den nächsten Schritt, %2 den vorigen</translation>
    </message>
</context>
<context>
    <name>gui::CalibrationMenus</name>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Export calibration...</source>
        <translation>Kalibrierung &amp;exportieren...</translation>
    </message>
    <message>
        <source>&amp;Import calibration...</source>
        <translation>Kalibrierung &amp;importieren...</translation>
    </message>
    <message>
        <source>&amp;Revert to the values read at connection</source>
        <translation>Auf die beim Verbinden gelesenen Werte &amp;zurücksetzen</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Verlauf...</translation>
    </message>
    <message>
        <source>&amp;Store all six thresholds</source>
        <translation>Alle &amp;sechs Schwellwerte speichern</translation>
    </message>
    <message>
        <source>The adaptor&apos;s thresholds could not be read when it connected; unplug it and plug it in again.</source>
        <translation>Die Schwellwerte des Adapters ließen sich beim Verbinden nicht lesen; stecken Sie ihn ab und wieder an.</translation>
    </message>
    <message>
        <source>The adaptor was unplugged meanwhile; nothing was restored.</source>
        <translation>Der Adapter wurde inzwischen abgezogen; nichts wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>The calibration could not be written: %1.</source>
        <translation>Die Kalibrierung konnte nicht geschrieben werden: %1.</translation>
    </message>
    <message>
        <source>Exported the calibration to %1</source>
        <translation>Kalibrierung nach %1 exportiert</translation>
    </message>
    <message>
        <source>This calibration was exported from %1, not from the connected %2. Use it anyway?</source>
        <translation>Diese Kalibrierung wurde von %1 exportiert, nicht vom angeschlossenen %2. Trotzdem verwenden?</translation>
    </message>
    <message>
        <source>the calibration from %1</source>
        <translation>die Kalibrierung aus %1</translation>
    </message>
    <message>
        <source>the calibration read at connection</source>
        <translation>die beim Verbinden gelesene Kalibrierung</translation>
    </message>
    <message>
        <source>No history is kept for a simulated adaptor; start the program with --keep-history to keep one.</source>
        <translation>Für einen simulierten Adapter wird kein Verlauf geführt; starten Sie das Programm mit --keep-history, um einen zu führen.</translation>
    </message>
    <message>
        <source>the calibration of %1</source>
        <translation>die Kalibrierung vom %1</translation>
    </message>
    <message>
        <source>Export calibration</source>
        <translation>Kalibrierung exportieren</translation>
    </message>
    <message>
        <source>Import calibration</source>
        <translation>Kalibrierung importieren</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Calibrations (*.json);;All files (*)</source>
        <translation>Kalibrierungen (*.json);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Nothing was restored: %1.</source>
        <translation>Nichts wurde wiederhergestellt: %1.</translation>
    </message>
    <message>
        <source>No adaptor has a history here yet: an adaptor&apos;s history starts when it first connects.</source>
        <translation>Hier hat noch kein Adapter einen Verlauf: Der Verlauf eines Adapters beginnt, wenn er zum ersten Mal verbunden wird.</translation>
    </message>
    <message>
        <source>The history of which adaptor?</source>
        <translation>Der Verlauf welches Adapters?</translation>
    </message>
</context>
<context>
    <name>gui::CalibrationTools</name>
    <message>
        <source>&amp;Colour the trace by gear</source>
        <translation>Spur nach Gang &amp;färben</translation>
    </message>
    <message>
        <source>Calibration &amp;assistant...</source>
        <translation>Kalibrierungs&amp;assistent...</translation>
    </message>
</context>
<context>
    <name>gui::FormWidget</name>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Adaptor</source>
        <translation>&amp;Adapter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>A&amp;nsicht</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Werkzeuge</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Try the simulated adaptor</source>
        <translation>Simulierten Adapter ausprobieren</translation>
    </message>
</context>
<context>
    <name>gui::GearLegend</name>
    <message>
        <source>Colours of the trace: the gear the adaptor reported at each point</source>
        <translation>Farben der Spur: der Gang, den der Adapter an jedem Punkt gemeldet hat</translation>
    </message>
</context>
<context>
    <name>gui::HistoryDialog</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Verlauf von %1</translation>
    </message>
    <message>
        <source>Puts the chosen row&apos;s thresholds into the window; nothing is sent to the adaptor until you store them.</source>
        <translation>Setzt die Schwellwerte der gewählten Zeile ins Fenster; an den Adapter geht nichts, bis Sie sie speichern.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignis</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Angenommen</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>Saves the chosen row&apos;s thresholds to a calibration file.</source>
        <translation>Speichert die Schwellwerte der gewählten Zeile in einer Kalibrierungsdatei.</translation>
    </message>
    <message>
        <source>Connect this adaptor to restore a calibration into the window.</source>
        <translation>Schließen Sie diesen Adapter an, um eine Kalibrierung in das Fenster zurückzuholen.</translation>
    </message>
</context>
<context>
    <name>gui::InputDialog</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>gui::SupportRecording</name>
    <message>
        <source>Record a session for support...</source>
        <translation>Sitzung für den Support aufzeichnen...</translation>
    </message>
    <message>
        <source>Record a session for support</source>
        <translation>Sitzung für den Support aufzeichnen</translation>
    </message>
    <message>
        <source>A recording holds every report the program exchanges with the adaptor, with the adaptor&apos;s serial number and thresholds. Start it, do what goes wrong (the dialog may be closed meanwhile), then stop it and save it to attach to your report.</source>
        <translation>Eine Aufzeichnung enthält jeden Report, den das Programm mit dem Adapter austauscht, samt Seriennummer und Schwellwerten des Adapters. Starten Sie sie, tun Sie, was schiefgeht (der Dialog darf so lange geschlossen sein), beenden Sie sie dann und speichern Sie sie, um sie Ihrer Meldung beizulegen.</translation>
    </message>
    <message>
        <source>Not recording.</source>
        <translation>Keine Aufzeichnung.</translation>
    </message>
    <message>
        <source>Recording: %1 KB so far.</source>
        <translation>Aufzeichnung läuft: bisher %1 KB.</translation>
    </message>
    <message>
        <source>Stopped: the recording holds %1 KB.</source>
        <translation>Beendet: Die Aufzeichnung umfasst %1 KB.</translation>
    </message>
    <message>
        <source>Stopped at the size limit: the recording holds %1 KB.</source>
        <translation>An der Größengrenze beendet: Die Aufzeichnung umfasst %1 KB.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Save the recording</source>
        <translation>Aufzeichnung speichern</translation>
    </message>
    <message>
        <source>Session recordings (*.rec)</source>
        <translation>Sitzungsaufzeichnungen (*.rec)</translation>
    </message>
    <message>
        <source>The recording was not saved: could not write %1.</source>
        <translation>Die Aufzeichnung wurde nicht gespeichert: %1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Leave out the serial number and the device paths</source>
        <translation>Seriennummer und Gerätepfade weglassen</translation>
    </message>
    <message>
        <source>The recording has not been saved. Discard it?</source>
        <translation>Die Aufzeichnung wurde nicht gespeichert. Verwerfen?</translation>
    </message>
</context>
</TS>
