<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Assistant</name>
    <message>
        <source>No flickers in the last minute</source>
        <translation>Brak przeskoków w ostatniej minucie</translation>
    </message>
    <message numerus="yes">
        <source>%n flicker(s) in the last minute</source>
        <translation>
            <numerusform>%n przeskok w ostatniej minucie</numerusform>
            <numerusform>%n przeskoki w ostatniej minucie</numerusform>
            <numerusform>%n przeskoków w ostatniej minucie</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flicker(s) near %1 at %2 %3 in the last minute</source>
        <translation>
            <numerusform>%n przeskok przy %1, %2 %3, w ostatniej minucie</numerusform>
            <numerusform>%n przeskoki przy %1, %2 %3, w ostatniej minucie</numerusform>
            <numerusform>%n przeskoków przy %1, %2 %3, w ostatniej minucie</numerusform>
        </translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message>
        <source>No records of %1 yet: %2 needs them</source>
        <translation>Brak jeszcze zapisów dla: %1; są potrzebne dla %2</translation>
    </message>
    <message>
        <source>%1 and %2 overlap in %3 between %4 and %5: the lever or the adaptor reads them too close together</source>
        <translation>%1 i %2 nakładają się w osi %3 między %4 a %5: dźwignia lub adapter odczytuje je zbyt blisko siebie</translation>
    </message>
    <message>
        <source>%1 and %2 are only %3 apart in %4 between %5 and %6: a threshold there would be under %7 from one of them</source>
        <translation>%1 i %2 dzieli w osi %4 tylko %3 między %5 a %6: próg w tym miejscu byłby bliżej niż %7 od jednego z nich</translation>
    </message>
    <message>
        <source>Move the lever along neutral from far left to far right</source>
        <translation>Przesuń dźwignię po luzie od skrajnej lewej do skrajnej prawej</translation>
    </message>
    <message>
        <source>Put it in 1st and move it around in the gate</source>
        <translation>Wrzuć 1. bieg i poruszaj dźwignią w kulisie</translation>
    </message>
    <message>
        <source>Put it in 2nd and move it around in the gate</source>
        <translation>Wrzuć 2. bieg i poruszaj dźwignią w kulisie</translation>
    </message>
    <message>
        <source>Put it in 3rd and move it around in the gate</source>
        <translation>Wrzuć 3. bieg i poruszaj dźwignią w kulisie</translation>
    </message>
    <message>
        <source>Put it in 4th and move it around in the gate</source>
        <translation>Wrzuć 4. bieg i poruszaj dźwignią w kulisie</translation>
    </message>
    <message>
        <source>Put it in 5th and move it around in the gate</source>
        <translation>Wrzuć 5. bieg i poruszaj dźwignią w kulisie</translation>
    </message>
    <message>
        <source>Put it in 6th and move it around in the gate</source>
        <translation>Wrzuć 6. bieg i poruszaj dźwignią w kulisie</translation>
    </message>
    <message>
        <source>Optionally, put it in reverse and move it around in the gate</source>
        <translation>Opcjonalnie wrzuć wsteczny i poruszaj dźwignią w kulisie</translation>
    </message>
    <message>
        <source>Let the lever rest</source>
        <translation>Zostaw dźwignię w spoczynku</translation>
    </message>
    <message>
        <source>Push it to +</source>
        <translation>Pchnij do +</translation>
    </message>
    <message>
        <source>Pull it to -</source>
        <translation>Pociągnij do -</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>luz</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1. bieg</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2. bieg</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3. bieg</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4. bieg</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5. bieg</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6. bieg</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>wsteczny</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>spoczynek</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>this build has no window; run one of the commands, such as --read.
Try --help.
</source>
        <translation>ta wersja nie ma okna; uruchom jedno z poleceń, np. --read.
Zobacz --help.
</translation>
    </message>
    <message>
        <source>there is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set). The commands, such as --read, work without one.
Try --help.
</source>
        <translation>nie ma ekranu, na którym można pokazać okno (nie ustawiono ani DISPLAY, ani WAYLAND_DISPLAY). Polecenia, np. --read, działają bez niego.
Zobacz --help.
</translation>
    </message>
    <message>
        <source>could not write %1</source>
        <translation>nie można zapisać %1</translation>
    </message>
    <message>
        <source>%1: %2
Try --help.
</source>
        <translation>%1: %2
Zobacz --help.
</translation>
    </message>
    <message>
        <source>Lists each adaptor present: path, product, version, serial number and whether this user may open it (if not: why).</source>
        <translation>Wyświetla każdy podłączony adapter: ścieżkę, produkt, wersję, numer seryjny i to, czy ten użytkownik może go otworzyć (jeśli nie: dlaczego).</translation>
    </message>
    <message>
        <source>Shows the adaptor&apos;s identity and its six stored thresholds; writes nothing.</source>
        <translation>Pokazuje dane adaptera i jego sześć zapisanych progów; niczego nie zapisuje.</translation>
    </message>
    <message>
        <source>Stores all six thresholds of a calibration exported from the window (File &gt; Export calibration...).</source>
        <translation>Zapisuje wszystkie sześć progów kalibracji wyeksportowanej z okna (Plik &gt; Eksportuj kalibrację...).</translation>
    </message>
    <message>
        <source>Shows the adaptor&apos;s 128 bytes of memory as hex text.</source>
        <translation>Pokazuje 128 bajtów pamięci adaptera jako tekst szesnastkowy.</translation>
    </message>
    <message>
        <source>Writes a support report to FILE (- for standard output).</source>
        <translation>Zapisuje raport dla pomocy technicznej do FILE (- oznacza standardowe wyjście).</translation>
    </message>
    <message>
        <source>--%1 applies to --simulate only</source>
        <translation>--%1 działa tylko z --simulate</translation>
    </message>
    <message>
        <source>unknown lever &apos;%1&apos; for --lever: use tour, assistant or assistant-sequential</source>
        <translation>nieznana dźwignia „%1” dla --lever: użyj tour, assistant lub assistant-sequential</translation>
    </message>
    <message>
        <source>--gates applies to --lever=assistant only</source>
        <translation>--gates działa tylko z --lever=assistant</translation>
    </message>
    <message>
        <source>--gates needs three X positions 0..255 from left to right, such as 40,165,215, not &apos;%1&apos;</source>
        <translation>--gates wymaga trzech pozycji X 0..255 od lewej do prawej, np. 40,165,215, a nie „%1”</translation>
    </message>
    <message>
        <source>--noise needs a whole number of units 0..%1, not &apos;%2&apos;</source>
        <translation>--noise wymaga liczby całkowitej jednostek 0..%1, a nie „%2”</translation>
    </message>
    <message>
        <source>Calibrates the lever thresholds of a USB shifter adaptor.</source>
        <translation>Kalibruje progi dźwigni adaptera skrzyni biegów USB.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Pokazuje tę pomoc.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version.</source>
        <translation>Pokazuje wersję programu.</translation>
    </message>
    <message>
        <source>Reports a second the simulated adaptor sends (default 125).</source>
        <translation>Liczba raportów na sekundę wysyłanych przez symulowany adapter (domyślnie 125).</translation>
    </message>
    <message>
        <source>Saves a PNG picture of the window to FILE after about two seconds, then closes the window.</source>
        <translation>Po około dwóch sekundach zapisuje obraz PNG okna do FILE, a następnie zamyka okno.</translation>
    </message>
    <message>
        <source>Keeps the calibration history of a simulated adaptor in the user&apos;s data folder, as it is always kept for real adaptors.</source>
        <translation>Prowadzi historię kalibracji symulowanego adaptera w folderze danych użytkownika, tak jak zawsze dla prawdziwych adapterów.</translation>
    </message>
    <message>
        <source>How the simulated lever moves: tour (the default) goes through the gears of both modes; assistant follows the calibration assistant&apos;s H-pattern steps, assistant-sequential its sequential ones.</source>
        <translation>Jak porusza się symulowana dźwignia: tour (domyślnie) przechodzi przez biegi obu trybów; assistant wykonuje kroki asystenta kalibracji dla układu H, assistant-sequential jego kroki sekwencyjne.</translation>
    </message>
    <message>
        <source>X of the assistant lever&apos;s left, middle and right gates (default 40,165,215, where the factory thresholds read some of 3rd as 5th).</source>
        <translation>X lewej, środkowej i prawej kulisy dźwigni asystenta (domyślnie 40,165,215, gdzie progi fabryczne odczytują część 3. biegu jako 5.).</translation>
    </message>
    <message>
        <source>Units the simulated lever shakes in X and Y (default 3 for the assistant&apos;s lever, 0 for the tour).</source>
        <translation>O ile jednostek symulowana dźwignia drga w X i Y (domyślnie 3 dla dźwigni asystenta, 0 dla trybu tour).</translation>
    </message>
    <message>
        <source>With --read: answers in JSON.</source>
        <translation>Z --read: odpowiada w formacie JSON.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Użycie: %1 [opcje]</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 podano więcej niż raz</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument „%1”</translation>
    </message>
    <message>
        <source>--report-rate applies to --simulate only</source>
        <translation>--report-rate działa tylko z --simulate</translation>
    </message>
    <message>
        <source>--report-rate needs a number of reports a second above 0 and at most %1, not &apos;%2&apos;</source>
        <translation>--report-rate wymaga liczby raportów na sekundę większej od 0 i nie większej niż %1, a nie „%2”</translation>
    </message>
    <message>
        <source>give one command at a time</source>
        <translation>podaj jedno polecenie naraz</translation>
    </message>
    <message>
        <source>--%1 needs %2</source>
        <translation>--%1 wymaga %2</translation>
    </message>
    <message>
        <source>--json applies to --read only</source>
        <translation>--json działa tylko z --read</translation>
    </message>
    <message>
        <source>--screenshot needs a file name</source>
        <translation>--screenshot wymaga nazwy pliku</translation>
    </message>
    <message>
        <source>The calibration window is using the adaptors; close it, then run the command again.
</source>
        <translation>Okno kalibracji używa adapterów; zamknij je, a następnie uruchom polecenie ponownie.
</translation>
    </message>
    <message>
        <source>Could not write %1
</source>
        <translation>Nie można zapisać %1
</translation>
    </message>
    <message>
        <source>Support report written to %1
</source>
        <translation>Raport dla pomocy technicznej zapisano do %1
</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>nie udało się utworzyć obrazu</translation>
    </message>
    <message>
        <source>--%1 needs a file name, and %2 is a folder</source>
        <translation>--%1 wymaga nazwy pliku, a %2 jest folderem</translation>
    </message>
    <message>
        <source>--%1 cannot write into the folder %2</source>
        <translation>--%1 nie może zapisywać w folderze %2</translation>
    </message>
    <message>
        <source>Runs on a simulated adaptor whose lever moves by itself: kelvo (when no value is given), mirad, usb or loader; or on the adaptor a recording made with --record holds, given as --simulate=FILE.</source>
        <translation>Działa z symulowanym adapterem, którego dźwignia porusza się sama: kelvo (gdy nie podano wartości), mirad, usb lub loader; albo z adapterem zapisanym w nagraniu wykonanym z --record, podanym jako --simulate=FILE.</translation>
    </message>
    <message>
        <source>Records every call to the adaptors and each answer into FILE, with the window or any command. The recording holds the adaptor&apos;s serial number and thresholds; it stops at 50 MB.</source>
        <translation>Nagrywa do FILE każde wywołanie adapterów i każdą odpowiedź, z oknem lub dowolnym poleceniem. Nagranie zawiera numer seryjny i progi adaptera; kończy się przy 50 MB.</translation>
    </message>
    <message>
        <source>With --record: writes a stand-in for the serial number and the device paths.</source>
        <translation>Z --record: zapisuje zamiennik zamiast numeru seryjnego i ścieżek urządzeń.</translation>
    </message>
    <message>
        <source>Opens the window at FACTOR times the design&apos;s size (0.4 to 8), and keeps its size, place and View choices for the next run unchanged.</source>
        <translation>Otwiera okno w rozmiarze FACTOR razy większym od projektu (od 0,4 do 8) i nie zmienia zapamiętanego rozmiaru, położenia ani wyborów z menu Widok na następne uruchomienie.</translation>
    </message>
    <message>
        <source>unknown adaptor &apos;%1&apos; for --simulate: use kelvo, mirad, usb, loader or a recording&apos;s file</source>
        <translation>nieznany adapter „%1” dla --simulate: użyj kelvo, mirad, usb, loader albo pliku nagrania</translation>
    </message>
    <message>
        <source>--%1 needs the window, not a command</source>
        <translation>--%1 wymaga okna, a nie polecenia</translation>
    </message>
    <message>
        <source>--scale needs a factor from %1 to %2, not &apos;%3&apos;</source>
        <translation>--scale wymaga współczynnika od %1 do %2, a nie „%3”</translation>
    </message>
    <message>
        <source>%1 is larger than the %2 MB a recording may hold</source>
        <translation>%1 jest większy niż %2 MB, które może zawierać nagranie</translation>
    </message>
    <message>
        <source>cannot read the recording %1: %2</source>
        <translation>nie można odczytać nagrania %1: %2</translation>
    </message>
    <message>
        <source>Could not write the recording %1</source>
        <translation>Nie udało się zapisać nagrania: %1</translation>
    </message>
    <message>
        <source>The recording reached its size limit of %1 MB and stopped; %2 holds the session up to then.</source>
        <translation>Nagranie osiągnęło limit rozmiaru %1 MB i zostało zatrzymane; %2 zawiera sesję do tej chwili.</translation>
    </message>
    <message>
        <source>Recorded the session to %1.</source>
        <translation>Sesję nagrano do %1.</translation>
    </message>
    <message>
        <source>--%1 cannot write %2</source>
        <translation>--%1 nie może zapisać %2</translation>
    </message>
    <message>
        <source>--record would replace %1, the recording being played; record into another file</source>
        <translation>--record zastąpiłoby %1, odtwarzane nagranie; nagrywaj do innego pliku</translation>
    </message>
    <message>
        <source>Could not save the recording now (%1); it is saved again at the next save and at the end.</source>
        <translation>Nie udało się teraz zapisać nagrania (%1); zostanie zapisane ponownie przy następnym zapisie i na końcu.</translation>
    </message>
    <message>
        <source>Another program is recording into %1; nothing was recorded.</source>
        <translation>Inny program nagrywa do %1; nic nie zostało nagrane.</translation>
    </message>
    <message>
        <source>The simulated adaptor could not be started; start the program with --simulate.</source>
        <translation>Nie udało się uruchomić symulowanego adaptera; uruchom program z --simulate.</translation>
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
Kody wyjścia:
  0  gotowe
  1  adapter odrzucił raport lub nie odpowiedział, nie można było zapisać pliku
     lub standardowego wyjścia albo okno nie ma ekranu
  2  błędny wiersz poleceń lub wartości; niczego nie wysłano
  3  inna instancja (okno) używa adapterów; niczego nie wysłano
  4  nie można otworzyć żadnego adaptera

--read --json wypisuje jeden obiekt: path, productId (liczba), product, manufacturer,
productName, version, serialNumber oraz thresholds {V1, V2, H1, H2, SeqH1, SeqH2}
(liczby 0..255; brak dla programu ładującego firmware).
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja „%1”</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 nie przyjmuje wartości</translation>
    </message>
    <message>
        <source>--%1 does not apply to a recording, which plays the reports it holds</source>
        <translation>--%1 nie dotyczy nagrania, które odtwarza własne raporty</translation>
    </message>
    <message>
        <source>--record-anonymous applies to --record only</source>
        <translation>--record-anonymous działa tylko z --record</translation>
    </message>
    <message>
        <source>--record needs a file name</source>
        <translation>--record wymaga nazwy pliku</translation>
    </message>
    <message>
        <source>Stores thresholds given as NAME=VALUE,... (V1, V2, H1, H2, SeqH1, SeqH2; values 0 to 254), e.g. V1=80,SeqH2=75.</source>
        <translation>Zapisuje progi podane jako NAZWA=WARTOŚĆ,... (V1, V2, H1, H2, SeqH1, SeqH2; wartości od 0 do 254), np. V1=80,SeqH2=75.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>unknown</source>
        <translation>nieznany</translation>
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
        <translation>  dostęp: tak
</translation>
    </message>
    <message>
        <source>  access: no (%1)
</source>
        <translation>  dostęp: nie (%1)
</translation>
    </message>
    <message>
        <source>the system refused to open it</source>
        <translation>system odmówił otwarcia</translation>
    </message>
    <message>
        <source>No adaptor found.
</source>
        <translation>Nie znaleziono adaptera.
</translation>
    </message>
    <message>
        <source>The adaptor did not answer the settings request.
</source>
        <translation>Adapter nie odpowiedział na żądanie ustawień.
</translation>
    </message>
    <message>
        <source>Thresholds: </source>
        <translation>Progi: </translation>
    </message>
    <message>
        <source>Thresholds: none (the adaptor waits for firmware)
</source>
        <translation>Progi: brak (adapter czeka na firmware)
</translation>
    </message>
    <message>
        <source>Nothing was sent: %1.
</source>
        <translation>Niczego nie wysłano: %1.
</translation>
    </message>
    <message>
        <source>Nothing was sent: the adaptor waits for firmware and holds no thresholds.
</source>
        <translation>Niczego nie wysłano: adapter czeka na firmware i nie ma progów.
</translation>
    </message>
    <message>
        <source>Nothing was sent: the values were made for %1 adaptor, and this is %2.
</source>
        <translation>Niczego nie wysłano: wartości przygotowano dla adaptera %1, a to jest adapter %2.
</translation>
    </message>
    <message>
        <source>Before: %1
Written: %2
</source>
        <translation>Przed: %1
Zapisano: %2
</translation>
    </message>
    <message>
        <source>unread</source>
        <translation>nieodczytane</translation>
    </message>
    <message>
        <source>The adaptor refused %1 of %2 reports.
</source>
        <translation>Adapter odrzucił %1 z %2 raportów.
</translation>
    </message>
    <message>
        <source>After: </source>
        <translation>Po: </translation>
    </message>
    <message>
        <source>This adaptor does not hand out its memory.
</source>
        <translation>Ten adapter nie udostępnia swojej pamięci.
</translation>
    </message>
    <message>
        <source>Some memory blocks could not be read (shown as question marks).
</source>
        <translation>Nie udało się odczytać niektórych bloków pamięci (pokazane jako znaki zapytania).
</translation>
    </message>
    <message>
        <source>USB shifter</source>
        <translation>skrzynia biegów USB</translation>
    </message>
    <message>
        <source>firmware loader</source>
        <translation>program ładujący firmware</translation>
    </message>
    <message>
        <source>%1  %2  version %3  serial %4</source>
        <translation>%1  %2  wersja %3  nr seryjny %4</translation>
    </message>
    <message>
        <source>Path: %1
Product: %2 (%3)
Manufacturer: %4
Version: %5
Serial number: %6
</source>
        <translation>Ścieżka: %1
Produkt: %2 (%3)
Producent: %4
Wersja: %5
Numer seryjny: %6
</translation>
    </message>
    <message>
        <source>No adaptor could be opened.</source>
        <translation>Nie można otworzyć żadnego adaptera.</translation>
    </message>
    <message>
        <source>threshold %1 is given twice</source>
        <translation>próg %1 podano dwukrotnie</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not NAME=VALUE</source>
        <translation>„%1” nie ma postaci NAZWA=WARTOŚĆ</translation>
    </message>
    <message>
        <source>threshold %1 needs a whole number from %2, not &apos;%3&apos;</source>
        <translation>próg %1 wymaga liczby całkowitej %2, a nie „%3”</translation>
    </message>
    <message>
        <source>no threshold given; use names V1, V2, H1, H2, SeqH1, SeqH2</source>
        <translation>nie podano progu; użyj nazw V1, V2, H1, H2, SeqH1, SeqH2</translation>
    </message>
    <message>
        <source>unknown threshold &apos;%1&apos;; use V1, V2, H1, H2, SeqH1, SeqH2</source>
        <translation>nieznany próg „%1”; użyj V1, V2, H1, H2, SeqH1, SeqH2</translation>
    </message>
</context>
<context>
    <name>Diagnosis</name>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>  %1 (adaptor 1dd2:%2): </source>
        <translation>  %1 (adapter 1dd2:%2): </translation>
    </message>
    <message>
        <source>this user may open it
</source>
        <translation>ten użytkownik może go otworzyć
</translation>
    </message>
    <message>
        <source>this user may not open it (%1)
</source>
        <translation>ten użytkownik nie może go otworzyć (%1)
</translation>
    </message>
    <message>
        <source>    not present under /dev
</source>
        <translation>    brak w /dev
</translation>
    </message>
    <message>
        <source>    owner %1, group %2, mode %3, access list: %4
</source>
        <translation>    właściciel %1, grupa %2, tryb %3, lista dostępu: %4
</translation>
    </message>
    <message>
        <source>    udev tag uaccess: </source>
        <translation>    znacznik udev uaccess: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>Session: </source>
        <translation>Sesja: </translation>
    </message>
    <message>
        <source>no login session</source>
        <translation>brak sesji logowania</translation>
    </message>
    <message>
        <source>login session %1</source>
        <translation>sesja logowania %1</translation>
    </message>
    <message>
        <source>, no seat</source>
        <translation>, brak stanowiska</translation>
    </message>
    <message>
        <source>, seat %1</source>
        <translation>, stanowisko %1</translation>
    </message>
    <message>
        <source>, over SSH</source>
        <translation>, przez SSH</translation>
    </message>
    <message>
        <source>, user id %1
</source>
        <translation>, identyfikator użytkownika %1
</translation>
    </message>
    <message>
        <source>This user may open every adaptor plugged in.</source>
        <translation>Ten użytkownik może otworzyć każdy podłączony adapter.</translation>
    </message>
    <message>
        <source>No adaptor is plugged in: plug it in.</source>
        <translation>Żaden adapter nie jest podłączony: podłącz go.</translation>
    </message>
    <message>
        <source>The program runs in a Flatpak sandbox that cannot see the adaptor: grant it device access, then start it again.</source>
        <translation>Program działa w piaskownicy Flatpak, która nie widzi adaptera: nadaj jej dostęp do urządzeń, a następnie uruchom go ponownie.</translation>
    </message>
    <message>
        <source>The program runs in a Flatpak sandbox without the udev database: grant it /run/udev, then start it again.</source>
        <translation>Program działa w piaskownicy Flatpak bez bazy danych udev: udostępnij jej /run/udev, a następnie uruchom go ponownie.</translation>
    </message>
    <message>
        <source>No udev rule gives this user the adaptor: install 70-shifter-calibration.rules from the source folder, then re-trigger udev as root.</source>
        <translation>Żadna reguła udev nie daje temu użytkownikowi dostępu do adaptera: zainstaluj 70-shifter-calibration.rules z folderu źródeł, a następnie jako root ponownie wyzwól udev.</translation>
    </message>
    <message>
        <source>The udev rule is only under /usr/local/lib/udev/rules.d, which udev does not read on Debian: move it to /etc/udev/rules.d and re-trigger udev as root.</source>
        <translation>Reguła udev jest tylko w /usr/local/lib/udev/rules.d, którego udev w Debianie nie czyta: przenieś ją do /etc/udev/rules.d i jako root ponownie wyzwól udev.</translation>
    </message>
    <message>
        <source>The udev rule is installed but not yet applied to the adaptor: re-trigger udev as root, or unplug and replug the adaptor.</source>
        <translation>Reguła udev jest zainstalowana, ale jeszcze nie zastosowana do adaptera: jako root ponownie wyzwól udev albo odłącz i podłącz adapter.</translation>
    </message>
    <message>
        <source>The adaptor is given to the person at the machine, and this session has no seat (over SSH or outside a desktop login): run the program from the desktop session at the machine.</source>
        <translation>Adapter jest przydzielany osobie przy komputerze, a ta sesja nie ma stanowiska (przez SSH lub poza logowaniem do pulpitu): uruchom program z sesji pulpitu przy komputerze.</translation>
    </message>
    <message>
        <source>The rule is applied and this session has a seat, yet the system refuses the adaptor: unplug it and plug it in again.</source>
        <translation>Reguła jest zastosowana i ta sesja ma stanowisko, a mimo to system odmawia dostępu do adaptera: odłącz go i podłącz ponownie.</translation>
    </message>
    <message>
        <source>no refusal</source>
        <translation>brak odmowy</translation>
    </message>
    <message>
        <source>the sandbox hides the device</source>
        <translation>piaskownica ukrywa urządzenie</translation>
    </message>
    <message>
        <source>the sandbox hides the udev database</source>
        <translation>piaskownica ukrywa bazę danych udev</translation>
    </message>
    <message>
        <source>no udev rule installed</source>
        <translation>nie zainstalowano reguły udev</translation>
    </message>
    <message>
        <source>the udev rule is in a folder udev does not read</source>
        <translation>reguła udev jest w folderze, którego udev nie czyta</translation>
    </message>
    <message>
        <source>udev has not applied the rule yet</source>
        <translation>udev jeszcze nie zastosował reguły</translation>
    </message>
    <message>
        <source>this session has no seat</source>
        <translation>ta sesja nie ma stanowiska</translation>
    </message>
    <message>
        <source>refused although the rule applies</source>
        <translation>odmowa mimo obowiązującej reguły</translation>
    </message>
    <message>
        <source>Adaptor nodes:
</source>
        <translation>Węzły adapterów:
</translation>
    </message>
    <message>
        <source>  none of our vendor in /sys/class/hidraw
</source>
        <translation>  brak urządzeń naszego producenta w /sys/class/hidraw
</translation>
    </message>
    <message>
        <source>Rule %1:
</source>
        <translation>Reguła %1:
</translation>
    </message>
    <message>
        <source>present</source>
        <translation>jest</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>brak</translation>
    </message>
    <message>
        <source> (udev does not read this folder on Debian)</source>
        <translation> (udev w Debianie nie czyta tego folderu)</translation>
    </message>
    <message>
        <source>Sandbox: </source>
        <translation>Piaskownica: </translation>
    </message>
    <message>
        <source>udev database: </source>
        <translation>Baza danych udev: </translation>
    </message>
    <message>
        <source>visible</source>
        <translation>widoczna</translation>
    </message>
    <message>
        <source>not visible</source>
        <translation>niewidoczna</translation>
    </message>
    <message>
        <source>Fix: </source>
        <translation>Rozwiązanie: </translation>
    </message>
    <message>
        <source>The access diagnosis is made on Linux only; here, close any other program that uses the adaptor, or unplug it and plug it in again.</source>
        <translation>Diagnoza dostępu jest wykonywana tylko w systemie Linux; tutaj zamknij każdy inny program, który używa adaptera, albo odłącz go i podłącz ponownie.</translation>
    </message>
    <message>
        <source>Windows opens the adaptor with its own driver for input devices, so none needs installing: close any other program that uses the adaptor, or unplug it and plug it in again.</source>
        <translation>Windows otwiera adapter własnym sterownikiem urządzeń wejściowych, więc nie trzeba niczego instalować: zamknij każdy inny program, który używa adaptera, albo odłącz go i podłącz ponownie.</translation>
    </message>
    <message>
        <source>the system refused to open it</source>
        <translation>system odmówił otwarcia</translation>
    </message>
    <message>
        <source>Not on this system: it has no hidraw nodes, udev rules or seats to look at.
</source>
        <translation>Nie w tym systemie: nie ma węzłów hidraw, reguł udev ani stanowisk do sprawdzenia.
</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but the system does not let this program open it. Install 70-shifter-calibration.rules (see README), then run &quot;udevadm control --reload-rules&quot; and &quot;udevadm trigger&quot; as root, or unplug and replug the adaptor.</source>
        <translation>Adapter jest podłączony, ale system nie pozwala temu programowi go otworzyć. Zainstaluj 70-shifter-calibration.rules (zobacz README), a następnie jako root uruchom „udevadm control --reload-rules” i „udevadm trigger” albo odłącz i podłącz adapter.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>read</source>
        <translation>odczyt</translation>
    </message>
    <message>
        <source>stored by Update settings</source>
        <translation>zapis przyciskiem Zapisz ustawienia</translation>
    </message>
    <message>
        <source>stored at close</source>
        <translation>zapis przy zamknięciu</translation>
    </message>
    <message>
        <source>stored all six</source>
        <translation>zapis wszystkich sześciu</translation>
    </message>
    <message>
        <source>stored by command</source>
        <translation>zapis poleceniem</translation>
    </message>
    <message>
        <source>restored</source>
        <translation>przywrócenie</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>The recording never lists an adaptor, so there is nothing to simulate.</source>
        <translation>Nagranie nie wymienia żadnego adaptera, więc nie ma czego symulować.</translation>
    </message>
    <message>
        <source>This is not a session recording: its first line does not name the format &quot;%1&quot; and its version.</source>
        <translation>To nie jest nagranie sesji: jego pierwszy wiersz nie podaje formatu „%1” i jego wersji.</translation>
    </message>
    <message>
        <source>This recording is of format version %1, newer than the version %2 this program reads.</source>
        <translation>To nagranie ma format w wersji %1, nowszej niż wersja %2, którą odczytuje ten program.</translation>
    </message>
    <message>
        <source>The recording&apos;s first line lacks the program, the platform or the date.</source>
        <translation>W pierwszym wierszu nagrania brakuje programu, platformy lub daty.</translation>
    </message>
    <message>
        <source>The recording is larger than the %1 MB a recording may hold.</source>
        <translation>Nagranie jest większe niż %1 MB, które może zawierać nagranie.</translation>
    </message>
    <message>
        <source>The recording is empty.</source>
        <translation>Nagranie jest puste.</translation>
    </message>
    <message>
        <source>The recording is damaged at line %1.</source>
        <translation>Nagranie jest uszkodzone w wierszu %1.</translation>
    </message>
    <message>
        <source>The recording is cut short: it ends before its closing line.</source>
        <translation>Nagranie jest ucięte: kończy się przed wierszem zamykającym.</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>Shifter calibration</source>
        <translation>Kalibracja skrzyni biegów</translation>
    </message>
    <message>
        <source>nothing reads from it</source>
        <translation>nic z niego nie czyta</translation>
    </message>
    <message>
        <source>it is a symbolic link, which is not followed</source>
        <translation>to dowiązanie symboliczne, za którym program nie podąża</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>to folder</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>ma więcej niż %1 bajtów</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>The file %1</source>
        <translation>Plik %1</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 jest pusty.</translation>
    </message>
    <message>
        <source>%1 is damaged or is not JSON (%2 at byte %3).</source>
        <translation>%1 jest uszkodzony lub nie jest w formacie JSON (%2 w bajcie %3).</translation>
    </message>
    <message>
        <source>%1 is not a calibration exported by this program.</source>
        <translation>%1 nie jest kalibracją wyeksportowaną przez ten program.</translation>
    </message>
    <message>
        <source>%1 has format version %2, which this version of the program cannot read.</source>
        <translation>%1 ma format w wersji %2, której ta wersja programu nie potrafi odczytać.</translation>
    </message>
    <message>
        <source>%1 is damaged: the adaptor it came from is missing.</source>
        <translation>%1 jest uszkodzony: brak adaptera, z którego pochodzi.</translation>
    </message>
    <message>
        <source>%1 is refused: %2.</source>
        <translation>%1 odrzucono: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Nie można odczytać pliku %1: %2.</translation>
    </message>
    <message>
        <source>the thresholds are missing</source>
        <translation>brak progów</translation>
    </message>
    <message>
        <source>%1 is missing or not a number</source>
        <translation>brak %1 lub nie jest liczbą</translation>
    </message>
    <message>
        <source>%1 is %2, not a whole number from 0 to 255</source>
        <translation>%1 ma wartość %2, a nie liczbę całkowitą od 0 do 255</translation>
    </message>
    <message>
        <source>product %1</source>
        <translation>produkt %1</translation>
    </message>
    <message>
        <source>The calibration history is not kept: no home folder was found (set HOME to an absolute path).</source>
        <translation>Historia kalibracji nie jest prowadzona: nie znaleziono folderu domowego (ustaw HOME na ścieżkę bezwzględną).</translation>
    </message>
    <message>
        <source>: it is not a regular file</source>
        <translation>: to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>inny program go trzyma</translation>
    </message>
    <message>
        <source>The calibration history %1 is damaged</source>
        <translation>Historia kalibracji %1 jest uszkodzona</translation>
    </message>
    <message>
        <source>The calibration history cannot be read: %1</source>
        <translation>Nie można odczytać historii kalibracji: %1</translation>
    </message>
    <message>
        <source>The calibration history could not be saved: %1</source>
        <translation>Nie udało się zapisać historii kalibracji: %1</translation>
    </message>
    <message>
        <source>: the folder cannot be created</source>
        <translation>: nie można utworzyć folderu</translation>
    </message>
    <message>
        <source>: it is damaged and cannot be moved aside: </source>
        <translation>: jest uszkodzona i nie można jej odłożyć na bok: </translation>
    </message>
    <message>
        <source>The calibration history %1 was damaged; it was kept as %2 and a new one started</source>
        <translation>Historia kalibracji %1 była uszkodzona; zachowano ją jako %2 i rozpoczęto nową</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>to dowiązanie symboliczne</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>to nie jest folder</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>należy do innego użytkownika</translation>
    </message>
    <message>
        <source>others may use it (its mode is %1, not 700)</source>
        <translation>inni mogą go używać (jego tryb to %1, a nie 700)</translation>
    </message>
    <message>
        <source>Shifter calibration keeps its lock in %1, but that is not a folder of your own that only you may use: %2. Remove it and start again.</source>
        <translation>Kalibracja skrzyni biegów trzyma blokadę w %1, ale nie jest to Twój własny folder, z którego tylko Ty możesz korzystać: %2. Usuń go i uruchom program ponownie.</translation>
    </message>
    <message>
        <source>Shifter calibration is already running; close it before starting it again.</source>
        <translation>Kalibracja skrzyni biegów już działa; zamknij ją przed ponownym uruchomieniem.</translation>
    </message>
    <message>
        <source>Shifter calibration cannot take its lock %1. Remove it and start again.</source>
        <translation>Kalibracja skrzyni biegów nie może założyć blokady %1. Usuń ją i uruchom program ponownie.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>nie istnieje</translation>
    </message>
    <message>
        <source>A Shifter calibration command is using the adaptors; try again when it has ended.</source>
        <translation>Polecenie kalibracji skrzyni biegów używa adapterów; spróbuj ponownie, gdy się zakończy.</translation>
    </message>
    <message>
        <source>the program was not given that descriptor</source>
        <translation>program nie otrzymał tego deskryptora</translation>
    </message>
    <message>
        <source>it is another user&apos;s file in a shared folder</source>
        <translation>to plik innego użytkownika we wspólnym folderze</translation>
    </message>
    <message>
        <source>: its folder does not exist</source>
        <translation>: jego folder nie istnieje</translation>
    </message>
</context>
<context>
    <name>Thresholds</name>
    <message>
        <source>%1 is %2, not a threshold (%3)</source>
        <translation>%1 ma wartość %2, która nie jest progiem (%3)</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Aktualizuj firmware</translation>
    </message>
    <message>
        <source>Done.Exiting...</source>
        <translation>Gotowe. Zamykanie...</translation>
    </message>
    <message>
        <source>Sending firmware: %1 of %2</source>
        <translation>Wysyłanie firmware: %1 z %2</translation>
    </message>
    <message>
        <source>Contents of shifter EEPROM memory</source>
        <translation>Zawartość pamięci EEPROM skrzyni biegów</translation>
    </message>
    <message>
        <source>your adaptor&apos;s support</source>
        <translation>pomocy technicznej Twojego adaptera</translation>
    </message>
    <message>
        <source>This is shifter EEPROM contents. Please copy (Ctrl+C) and email this text to %1 for analysis. Thank you!</source>
        <translation>To jest zawartość pamięci EEPROM skrzyni biegów. Skopiuj ten tekst (Ctrl+C) i wyślij go e-mailem do %1 do analizy. Dziękujemy!</translation>
    </message>
    <message>
        <source>The adaptor&apos;s feature reports are %1 bytes long, but firmware blocks need %2 to %3 bytes, so nothing was sent.</source>
        <translation>Raporty funkcji adaptera mają %1 bajtów, a bloki firmware wymagają od %2 do %3 bajtów, więc niczego nie wysłano.</translation>
    </message>
    <message>
        <source>The built-in firmware image is %1 bytes long, not a whole number of %2-byte blocks, so nothing was sent.</source>
        <translation>Wbudowany obraz firmware ma %1 bajtów, co nie jest wielokrotnością bloków %2-bajtowych, więc niczego nie wysłano.</translation>
    </message>
    <message>
        <source>This build carries no adaptor firmware, only a test image, so nothing was sent to the adaptor.</source>
        <translation>Ta wersja nie zawiera firmware adaptera, tylko obraz testowy, więc niczego nie wysłano do adaptera.</translation>
    </message>
    <message>
        <source>No threshold could be proposed yet: see the assistant&apos;s warnings</source>
        <translation>Nie można jeszcze zaproponować żadnego progu: zobacz ostrzeżenia asystenta</translation>
    </message>
    <message>
        <source>Proposed thresholds are in the boxes: press &quot;Update settings&quot; to store them</source>
        <translation>Proponowane progi są w polach: naciśnij „Zapisz ustawienia”, aby je zapisać</translation>
    </message>
    <message>
        <source>Gear %1</source>
        <translation>Bieg %1</translation>
    </message>
    <message>
        <source>Lever position X %1, Y %2</source>
        <translation>Położenie dźwigni X %1, Y %2</translation>
    </message>
    <message>
        <source>left vertical line</source>
        <translation>lewa linia pionowa</translation>
    </message>
    <message>
        <source>right vertical line</source>
        <translation>prawa linia pionowa</translation>
    </message>
    <message>
        <source>upper horizontal line</source>
        <translation>górna linia pozioma</translation>
    </message>
    <message>
        <source>lower horizontal line</source>
        <translation>dolna linia pozioma</translation>
    </message>
    <message>
        <source>first sequential line</source>
        <translation>pierwsza linia sekwencyjna</translation>
    </message>
    <message>
        <source>second sequential line</source>
        <translation>druga linia sekwencyjna</translation>
    </message>
    <message>
        <source>Store all six thresholds</source>
        <translation>Zapisz wszystkie sześć progów</translation>
    </message>
    <message>
        <source>Nothing was stored: the adaptor&apos;s thresholds could not be read when it connected. Unplug the adaptor, plug it in again and retry.</source>
        <translation>Niczego nie zapisano: nie udało się odczytać progów adaptera przy połączeniu. Odłącz adapter, podłącz go ponownie i spróbuj jeszcze raz.</translation>
    </message>
    <message>
        <source>Stored all six thresholds in the adaptor</source>
        <translation>Zapisano wszystkie sześć progów w adapterze</translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of the six thresholds; try again</source>
        <translation>Adapter nie przyjął %1 z sześciu progów; spróbuj ponownie</translation>
    </message>
    <message>
        <source>%1 shows %2, which is not a threshold (%3): %1 stays %4</source>
        <translation>%1 pokazuje %2, a to nie jest próg (%3): %1 pozostaje %4</translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of %2 values; try again</source>
        <translation>Adapter nie przyjął %1 z %2 wartości; spróbuj ponownie</translation>
    </message>
    <message>
        <source>Stored in the adaptor: </source>
        <translation>Zapisano w adapterze: </translation>
    </message>
    <message>
        <source>Update settings</source>
        <translation>Zapisz ustawienia</translation>
    </message>
    <message>
        <source>The adaptor&apos;s stored settings could not be read, so nothing was stored. Unplug the adaptor, plug it in again and retry.</source>
        <translation>Nie udało się odczytać ustawień zapisanych w adapterze, więc niczego nie zapisano. Odłącz adapter, podłącz go ponownie i spróbuj jeszcze raz.</translation>
    </message>
    <message>
        <source>Read shifter memory</source>
        <translation>Odczytaj pamięć</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Producent</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Lever position</source>
        <translation>Położenie dźwigni</translation>
    </message>
    <message>
        <source>0 to 254</source>
        <translation>od 0 do 254</translation>
    </message>
    <message>
        <source>Corvane Shifter interface calibration v1.5</source>
        <translation>Kalibracja interfejsu skrzyni biegów Corvane v1.5</translation>
    </message>
    <message>
        <source>Kelvo/Mirad shifter interface calibration</source>
        <translation>Kalibracja interfejsu skrzyni biegów Kelvo/Mirad</translation>
    </message>
    <message>
        <source>Mirad shifter interface calibration v1.5</source>
        <translation>Kalibracja interfejsu skrzyni biegów Mirad v1.5</translation>
    </message>
    <message>
        <source>Kelvo shifter interface calibration v1.5</source>
        <translation>Kalibracja interfejsu skrzyni biegów Kelvo v1.5</translation>
    </message>
    <message>
        <source>USB shifter interface calibration v1.5</source>
        <translation>Kalibracja interfejsu skrzyni biegów USB v1.5</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but it could not be read: its report sizes are unknown. Unplug the adaptor and plug it in again.</source>
        <translation>Adapter jest podłączony, ale nie udało się go odczytać: rozmiary jego raportów są nieznane. Odłącz adapter i podłącz go ponownie.</translation>
    </message>
    <message>
        <source>No adaptor found. Plug one in: the window comes alive by itself.</source>
        <translation>Nie znaleziono adaptera. Podłącz go: okno samo się uaktywni.</translation>
    </message>
    <message>
        <source>Simulated adaptor: nothing is kept when the program ends</source>
        <translation>Symulowany adapter: po zamknięciu programu nic nie zostanie zachowane</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but its feature reports are %1 bytes long, and this program can exchange settings only in reports of %2 to %3 bytes: nothing is sent to it.</source>
        <translation>Adapter jest podłączony, ale jego raporty funkcji mają %1 bajtów, a ten program może wymieniać ustawienia tylko w raportach od %2 do %3 bajtów: nic nie zostanie do niego wysłane.</translation>
    </message>
    <message>
        <source>The firmware image was sent; please unplug the adaptor and plug it in again. This program now closes.</source>
        <translation>Obraz firmware został wysłany; odłącz adapter i podłącz go ponownie. Ten program zostanie teraz zamknięty.</translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of the %2 firmware blocks and is still waiting for a firmware image, so please start this program again and repeat the upgrade. This program now closes.</source>
        <translation>Adapter nie przyjął %1 z %2 bloków firmware i nadal czeka na obraz firmware, dlatego uruchom ten program ponownie i powtórz aktualizację. Ten program zostanie teraz zamknięty.</translation>
    </message>
    <message>
        <source>%1 lies left of %2</source>
        <translation>%1 leży na lewo od %2</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 leży powyżej %2</translation>
    </message>
    <message>
        <source>%1: the lines have crossed</source>
        <translation>%1: linie się skrzyżowały</translation>
    </message>
    <message>
        <source>Reads the adaptor&apos;s 128 bytes of memory and shows them for support</source>
        <translation>Odczytuje 128 bajtów pamięci adaptera i pokazuje je dla pomocy technicznej</translation>
    </message>
    <message>
        <source>Stores the thresholds of the adaptor&apos;s current mode; closing the window stores all six</source>
        <translation>Zapisuje progi bieżącego trybu adaptera; zamknięcie okna zapisuje wszystkie sześć</translation>
    </message>
    <message>
        <source>Sends the built-in firmware to the adaptor; asks first</source>
        <translation>Wysyła wbudowany firmware do adaptera; najpierw pyta</translation>
    </message>
    <message>
        <source>; the adaptor holds %1 until it is stored</source>
        <translation>; adapter przechowuje %1, dopóki wartość nie zostanie zapisana</translation>
    </message>
    <message>
        <source>Simulated adaptor: its thresholds are lost when the program ends, its history is kept</source>
        <translation>Symulowany adapter: jego progi przepadają po zamknięciu programu, jego historia zostaje zachowana</translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) (is|are) not stored in the adaptor yet; closing the window stores (it|them)</source>
        <translation>
            <numerusform>%n wartość nie jest jeszcze zapisana w adapterze; zamknięcie okna ją zapisze</numerusform>
            <numerusform>%n wartości nie są jeszcze zapisane w adapterze; zamknięcie okna je zapisze</numerusform>
            <numerusform>%n wartości nie jest jeszcze zapisanych w adapterze; zamknięcie okna je zapisze</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was restored: %1</source>
        <translation>Nic nie przywrócono: %1</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but the system does not let this program open it.</source>
        <translation>Adapter jest podłączony, ale system nie pozwala temu programowi go otworzyć.</translation>
    </message>
    <message>
        <source>the program&apos;s test image (%1 bytes), not adaptor firmware</source>
        <translation>obraz testowy programu (%1 bajtów), nie firmware adaptera</translation>
    </message>
    <message>
        <source>the built-in firmware (%1 bytes, SHA-256 %2)</source>
        <translation>wbudowany firmware (%1 bajtów, SHA-256 %2)</translation>
    </message>
    <message>
        <source>The adaptor is waiting for new firmware. Upgrade Firmware sends it %1, which takes a few seconds. Keep the adaptor plugged in until it is done. When it is done, this program closes.

Send the firmware now?</source>
        <translation>Adapter czeka na nowy firmware. Aktualizuj firmware wysyła mu %1, co trwa kilka sekund. Nie odłączaj adaptera, dopóki się nie skończy. Po zakończeniu ten program zostanie zamknięty.

Wysłać firmware teraz?</translation>
    </message>
    <message>
        <source>Send firmware</source>
        <translation>Wyślij firmware</translation>
    </message>
    <message>
        <source>The adaptor waits for its firmware, but this build carries none to send: only a test image.</source>
        <translation>Adapter czeka na swój firmware, ale ta wersja nie zawiera żadnego do wysłania: tylko obraz testowy.</translation>
    </message>
    <message>
        <source>The adaptor waits for its firmware: press Upgrade Firmware to send it %1.</source>
        <translation>Adapter czeka na swój firmware: naciśnij Aktualizuj firmware, aby wysłać mu %1.</translation>
    </message>
    <message>
        <source>Lever X %1</source>
        <translation>Dźwignia X %1</translation>
    </message>
    <message>
        <source>Lever Y %1</source>
        <translation>Dźwignia Y %1</translation>
    </message>
    <message>
        <source>Restored %1; the adaptor holds the same values</source>
        <translation>Przywrócono %1; adapter ma te same wartości</translation>
    </message>
    <message>
        <source>Restored %1; to write it to the adaptor, choose %2</source>
        <translation>Przywrócono %1; aby zapisać ją w adapterze, wybierz %2</translation>
    </message>
</context>
<context>
    <name>gui::About</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Calibrates the lever thresholds of a USB shifter adaptor.&lt;/p&gt;&lt;p&gt;Qt %3 (built with %4)&lt;br&gt;hidapi %5&lt;/p&gt;&lt;p&gt;Free software under the MIT License: you may use, copy, change and pass it on; it comes without any warranty. The full text is in the LICENSE file.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Kalibruje progi dźwigni adaptera skrzyni biegów USB.&lt;/p&gt;&lt;p&gt;Qt %3 (zbudowano z %4)&lt;br&gt;hidapi %5&lt;/p&gt;&lt;p&gt;Wolne oprogramowanie na licencji MIT: możesz go używać, kopiować, zmieniać i przekazywać dalej; jest dostarczane bez żadnej gwarancji. Pełny tekst znajduje się w pliku LICENSE.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O programie %1</translation>
    </message>
</context>
<context>
    <name>gui::AccessDetails</name>
    <message>
        <source>Access to the adaptor</source>
        <translation>Dostęp do adaptera</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
</context>
<context>
    <name>gui::AssistantWindow</name>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Nagrywaj</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>&amp;Use these values</source>
        <translation>&amp;Użyj tych wartości</translation>
    </message>
    <message>
        <source>Calibration assistant</source>
        <translation>Asystent kalibracji</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Krok</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Raporty</translation>
    </message>
    <message>
        <source>&lt;b&gt;Proposed thresholds&lt;/b&gt;</source>
        <translation>&lt;b&gt;Proponowane progi&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Waiting for the adaptor&apos;s lever reports...</source>
        <translation>Czekam na raporty dźwigni z adaptera...</translation>
    </message>
    <message>
        <source>Sequential mode: take each step, then press Stop.</source>
        <translation>Tryb sekwencyjny: wykonaj każdy krok, a potem naciśnij Stop.</translation>
    </message>
    <message>
        <source>H-pattern mode: take each step, then press Stop.</source>
        <translation>Tryb H: wykonaj każdy krok, a potem naciśnij Stop.</translation>
    </message>
    <message>
        <source>recording: %1</source>
        <translation>nagrywanie: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Powtórz</translation>
    </message>
    <message>
        <source>left</source>
        <translation>z lewej</translation>
    </message>
    <message>
        <source>right</source>
        <translation>z prawej</translation>
    </message>
    <message>
        <source>below</source>
        <translation>poniżej</translation>
    </message>
    <message>
        <source>above</source>
        <translation>powyżej</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 = %2&lt;/b&gt;, margin %3 %4, %5 %6</source>
        <translation>&lt;b&gt;%1 = %2&lt;/b&gt;, margines %3 %4, %5 %6</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Records the selected step</source>
        <translation>Nagrywa wybrany krok</translation>
    </message>
    <message>
        <source>Ends the step&apos;s recording</source>
        <translation>Kończy nagrywanie kroku</translation>
    </message>
    <message>
        <source>%1 chooses the next step, %2 the previous one</source>
        <translation>%1 wybiera następny krok, %2 poprzedni</translation>
    </message>
</context>
<context>
    <name>gui::CalibrationMenus</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Export calibration...</source>
        <translation>&amp;Eksportuj kalibrację...</translation>
    </message>
    <message>
        <source>&amp;Import calibration...</source>
        <translation>&amp;Importuj kalibrację...</translation>
    </message>
    <message>
        <source>&amp;Revert to the values read at connection</source>
        <translation>P&amp;rzywróć wartości odczytane przy połączeniu</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historia...</translation>
    </message>
    <message>
        <source>&amp;Store all six thresholds</source>
        <translation>Zapisz wszystkie &amp;sześć progów</translation>
    </message>
    <message>
        <source>The adaptor&apos;s thresholds could not be read when it connected; unplug it and plug it in again.</source>
        <translation>Nie udało się odczytać progów adaptera przy połączeniu; odłącz go i podłącz ponownie.</translation>
    </message>
    <message>
        <source>The adaptor was unplugged meanwhile; nothing was restored.</source>
        <translation>W międzyczasie adapter odłączono; niczego nie przywrócono.</translation>
    </message>
    <message>
        <source>The calibration could not be written: %1.</source>
        <translation>Nie udało się zapisać kalibracji: %1.</translation>
    </message>
    <message>
        <source>Exported the calibration to %1</source>
        <translation>Wyeksportowano kalibrację do %1</translation>
    </message>
    <message>
        <source>This calibration was exported from %1, not from the connected %2. Use it anyway?</source>
        <translation>Ta kalibracja została wyeksportowana z %1, a nie z podłączonego %2. Użyć jej mimo to?</translation>
    </message>
    <message>
        <source>the calibration from %1</source>
        <translation>kalibrację z %1</translation>
    </message>
    <message>
        <source>the calibration read at connection</source>
        <translation>kalibrację odczytaną przy połączeniu</translation>
    </message>
    <message>
        <source>No history is kept for a simulated adaptor; start the program with --keep-history to keep one.</source>
        <translation>Dla symulowanego adaptera historia nie jest prowadzona; uruchom program z --keep-history, aby ją prowadzić.</translation>
    </message>
    <message>
        <source>the calibration of %1</source>
        <translation>kalibrację z %1</translation>
    </message>
    <message>
        <source>Export calibration</source>
        <translation>Eksportuj kalibrację</translation>
    </message>
    <message>
        <source>Import calibration</source>
        <translation>Importuj kalibrację</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Przywróć</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historia</translation>
    </message>
    <message>
        <source>Calibrations (*.json);;All files (*)</source>
        <translation>Kalibracje (*.json);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Nothing was restored: %1.</source>
        <translation>Nic nie przywrócono: %1.</translation>
    </message>
    <message>
        <source>No adaptor has a history here yet: an adaptor&apos;s history starts when it first connects.</source>
        <translation>Żaden adapter nie ma tu jeszcze historii: historia adaptera zaczyna się przy jego pierwszym podłączeniu.</translation>
    </message>
    <message>
        <source>The history of which adaptor?</source>
        <translation>Historia którego adaptera?</translation>
    </message>
</context>
<context>
    <name>gui::CalibrationTools</name>
    <message>
        <source>&amp;Colour the trace by gear</source>
        <translation>&amp;Koloruj ślad według biegu</translation>
    </message>
    <message>
        <source>Calibration &amp;assistant...</source>
        <translation>&amp;Asystent kalibracji...</translation>
    </message>
</context>
<context>
    <name>gui::FormWidget</name>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Adaptor</source>
        <translation>&amp;Adapter</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>Try the simulated adaptor</source>
        <translation>Wypróbuj symulowany adapter</translation>
    </message>
</context>
<context>
    <name>gui::GearLegend</name>
    <message>
        <source>Colours of the trace: the gear the adaptor reported at each point</source>
        <translation>Kolory śladu: bieg zgłoszony przez adapter w każdym punkcie</translation>
    </message>
</context>
<context>
    <name>gui::HistoryDialog</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Przywróć</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Historia: %1</translation>
    </message>
    <message>
        <source>Puts the chosen row&apos;s thresholds into the window; nothing is sent to the adaptor until you store them.</source>
        <translation>Wstawia progi z wybranego wiersza do okna; nic nie trafia do adaptera, dopóki ich nie zapiszesz.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Czas</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Zdarzenie</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Przyjęte</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Eksportuj...</translation>
    </message>
    <message>
        <source>Saves the chosen row&apos;s thresholds to a calibration file.</source>
        <translation>Zapisuje progi wybranego wiersza w pliku kalibracji.</translation>
    </message>
    <message>
        <source>Connect this adaptor to restore a calibration into the window.</source>
        <translation>Podłącz ten adapter, aby przywrócić kalibrację do okna.</translation>
    </message>
</context>
<context>
    <name>gui::InputDialog</name>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Skopiowano</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>gui::SupportRecording</name>
    <message>
        <source>Record a session for support...</source>
        <translation>Nagraj sesję dla pomocy technicznej...</translation>
    </message>
    <message>
        <source>Record a session for support</source>
        <translation>Nagraj sesję dla pomocy technicznej</translation>
    </message>
    <message>
        <source>A recording holds every report the program exchanges with the adaptor, with the adaptor&apos;s serial number and thresholds. Start it, do what goes wrong (the dialog may be closed meanwhile), then stop it and save it to attach to your report.</source>
        <translation>Nagranie zawiera każdy raport, który program wymienia z adapterem, wraz z numerem seryjnym i progami adaptera. Uruchom je, wykonaj to, co nie działa (okno można w tym czasie zamknąć), a potem zatrzymaj je i zapisz, aby dołączyć do zgłoszenia.</translation>
    </message>
    <message>
        <source>Not recording.</source>
        <translation>Nagrywanie nie trwa.</translation>
    </message>
    <message>
        <source>Recording: %1 KB so far.</source>
        <translation>Nagrywanie: dotąd %1 KB.</translation>
    </message>
    <message>
        <source>Stopped: the recording holds %1 KB.</source>
        <translation>Zatrzymano: nagranie ma %1 KB.</translation>
    </message>
    <message>
        <source>Stopped at the size limit: the recording holds %1 KB.</source>
        <translation>Zatrzymano na limicie rozmiaru: nagranie ma %1 KB.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Rozpocznij</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Zapisz jako...</translation>
    </message>
    <message>
        <source>Save the recording</source>
        <translation>Zapisz nagranie</translation>
    </message>
    <message>
        <source>Session recordings (*.rec)</source>
        <translation>Nagrania sesji (*.rec)</translation>
    </message>
    <message>
        <source>The recording was not saved: could not write %1.</source>
        <translation>Nagranie nie zostało zapisane: nie udało się zapisać %1.</translation>
    </message>
    <message>
        <source>Leave out the serial number and the device paths</source>
        <translation>Pomiń numer seryjny i ścieżki urządzeń</translation>
    </message>
    <message>
        <source>The recording has not been saved. Discard it?</source>
        <translation>Nagranie nie zostało zapisane. Odrzucić je?</translation>
    </message>
</context>
</TS>
