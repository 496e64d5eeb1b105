<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Assistant</name>
    <message>
        <source>No flickers in the last minute</source>
        <translation>Nessuno sfarfallio nell’ultimo minuto</translation>
    </message>
    <message numerus="yes">
        <source>%n flicker(s) in the last minute</source>
        <translation>
            <numerusform>%n sfarfallio nell’ultimo minuto</numerusform>
            <numerusform>%n sfarfallii nell’ultimo minuto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flicker(s) near %1 at %2 %3 in the last minute</source>
        <translation>
            <numerusform>%n sfarfallio vicino a %1 a %2 %3 nell’ultimo minuto</numerusform>
            <numerusform>%n sfarfallii vicino a %1 a %2 %3 nell’ultimo minuto</numerusform>
        </translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>No records of %1 yet: %2 needs them</source>
        <translation>Ancora nessuna registrazione di %1: servono a %2</translation>
    </message>
    <message>
        <source>%1 and %2 overlap in %3 between %4 and %5: the lever or the adaptor reads them too close together</source>
        <translation>%1 e %2 si sovrappongono in %3 tra %4 e %5: la leva o l’adattatore li legge troppo vicini</translation>
    </message>
    <message>
        <source>%1 and %2 are only %3 apart in %4 between %5 and %6: a threshold there would be under %7 from one of them</source>
        <translation>%1 e %2 distano solo %3 in %4 tra %5 e %6: una soglia lì sarebbe a meno di %7 da uno dei due</translation>
    </message>
    <message>
        <source>Move the lever along neutral from far left to far right</source>
        <translation>Muovi la leva in folle dall’estrema sinistra all’estrema destra</translation>
    </message>
    <message>
        <source>Put it in 1st and move it around in the gate</source>
        <translation>Inserisci la 1ª e muovi la leva nella sua corsia</translation>
    </message>
    <message>
        <source>Put it in 2nd and move it around in the gate</source>
        <translation>Inserisci la 2ª e muovi la leva nella sua corsia</translation>
    </message>
    <message>
        <source>Put it in 3rd and move it around in the gate</source>
        <translation>Inserisci la 3ª e muovi la leva nella sua corsia</translation>
    </message>
    <message>
        <source>Put it in 4th and move it around in the gate</source>
        <translation>Inserisci la 4ª e muovi la leva nella sua corsia</translation>
    </message>
    <message>
        <source>Put it in 5th and move it around in the gate</source>
        <translation>Inserisci la 5ª e muovi la leva nella sua corsia</translation>
    </message>
    <message>
        <source>Put it in 6th and move it around in the gate</source>
        <translation>Inserisci la 6ª e muovi la leva nella sua corsia</translation>
    </message>
    <message>
        <source>Optionally, put it in reverse and move it around in the gate</source>
        <translation>Facoltativo: inserisci la retromarcia e muovi la leva nella sua corsia</translation>
    </message>
    <message>
        <source>Let the lever rest</source>
        <translation>Lascia la leva a riposo</translation>
    </message>
    <message>
        <source>Push it to +</source>
        <translation>Spingila verso +</translation>
    </message>
    <message>
        <source>Pull it to -</source>
        <translation>Tirala verso -</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>folle</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1ª</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2ª</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3ª</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4ª</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5ª</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6ª</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>retromarcia</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>riposo</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>this build has no window; run one of the commands, such as --read.
Try --help.
</source>
        <translation>questa versione non ha la finestra; esegui uno dei comandi, per esempio --read.
Prova --help.
</translation>
    </message>
    <message>
        <source>there is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set). The commands, such as --read, work without one.
Try --help.
</source>
        <translation>non c’è uno schermo su cui mostrare la finestra (non è impostato né DISPLAY né WAYLAND_DISPLAY). I comandi, per esempio --read, funzionano anche senza.
Prova --help.
</translation>
    </message>
    <message>
        <source>could not write %1</source>
        <translation>impossibile scrivere %1</translation>
    </message>
    <message>
        <source>%1: %2
Try --help.
</source>
        <translation>%1: %2
Prova --help.
</translation>
    </message>
    <message>
        <source>Lists each adaptor present: path, product, version, serial number and whether this user may open it (if not: why).</source>
        <translation>Elenca ogni adattatore presente: percorso, prodotto, versione, numero di serie e se questo utente può aprirlo (se no: perché).</translation>
    </message>
    <message>
        <source>Shows the adaptor&apos;s identity and its six stored thresholds; writes nothing.</source>
        <translation>Mostra l’identità dell’adattatore e le sue sei soglie memorizzate; non scrive nulla.</translation>
    </message>
    <message>
        <source>Stores all six thresholds of a calibration exported from the window (File &gt; Export calibration...).</source>
        <translation>Memorizza tutte e sei le soglie di una calibrazione esportata dalla finestra (File &gt; Esporta calibrazione...).</translation>
    </message>
    <message>
        <source>Shows the adaptor&apos;s 128 bytes of memory as hex text.</source>
        <translation>Mostra i 128 byte di memoria dell’adattatore come testo esadecimale.</translation>
    </message>
    <message>
        <source>Writes a support report to FILE (- for standard output).</source>
        <translation>Scrive un report per l’assistenza in FILE (- per lo standard output).</translation>
    </message>
    <message>
        <source>--%1 applies to --simulate only</source>
        <translation>--%1 vale solo con --simulate</translation>
    </message>
    <message>
        <source>unknown lever &apos;%1&apos; for --lever: use tour, assistant or assistant-sequential</source>
        <translation>leva «%1» sconosciuta per --lever: usa tour, assistant o assistant-sequential</translation>
    </message>
    <message>
        <source>--gates applies to --lever=assistant only</source>
        <translation>--gates vale solo con --lever=assistant</translation>
    </message>
    <message>
        <source>--gates needs three X positions 0..255 from left to right, such as 40,165,215, not &apos;%1&apos;</source>
        <translation>--gates richiede tre posizioni X da 0 a 255 da sinistra a destra, per es. 40,165,215, non «%1»</translation>
    </message>
    <message>
        <source>--noise needs a whole number of units 0..%1, not &apos;%2&apos;</source>
        <translation>--noise richiede un numero intero di unità da 0 a %1, non «%2»</translation>
    </message>
    <message>
        <source>Calibrates the lever thresholds of a USB shifter adaptor.</source>
        <translation>Calibra le soglie della leva di un adattatore per cambio USB.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Mostra questo aiuto.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version.</source>
        <translation>Mostra la versione del programma.</translation>
    </message>
    <message>
        <source>Reports a second the simulated adaptor sends (default 125).</source>
        <translation>Report al secondo inviati dall’adattatore simulato (predefinito 125).</translation>
    </message>
    <message>
        <source>Saves a PNG picture of the window to FILE after about two seconds, then closes the window.</source>
        <translation>Salva un’immagine PNG della finestra in FILE dopo circa due secondi, poi chiude la finestra.</translation>
    </message>
    <message>
        <source>Keeps the calibration history of a simulated adaptor in the user&apos;s data folder, as it is always kept for real adaptors.</source>
        <translation>Tiene la cronologia delle calibrazioni di un adattatore simulato nella cartella dati dell’utente, come si fa sempre per gli adattatori reali.</translation>
    </message>
    <message>
        <source>How the simulated lever moves: tour (the default) goes through the gears of both modes; assistant follows the calibration assistant&apos;s H-pattern steps, assistant-sequential its sequential ones.</source>
        <translation>Come si muove la leva simulata: tour (predefinito) passa per le marce di entrambe le modalità; assistant segue i passi ad H dell’assistente di calibrazione, assistant-sequential quelli sequenziali.</translation>
    </message>
    <message>
        <source>X of the assistant lever&apos;s left, middle and right gates (default 40,165,215, where the factory thresholds read some of 3rd as 5th).</source>
        <translation>X delle corsie sinistra, centrale e destra della leva dell’assistente (predefinito 40,165,215, dove le soglie di fabbrica leggono parte della 3ª come 5ª).</translation>
    </message>
    <message>
        <source>Units the simulated lever shakes in X and Y (default 3 for the assistant&apos;s lever, 0 for the tour).</source>
        <translation>Unità di cui trema la leva simulata in X e Y (predefinito 3 per la leva dell’assistente, 0 per il tour).</translation>
    </message>
    <message>
        <source>With --read: answers in JSON.</source>
        <translation>Con --read: risponde in JSON.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opzioni]</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 è dato più di una volta</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argomento inatteso «%1»</translation>
    </message>
    <message>
        <source>--report-rate applies to --simulate only</source>
        <translation>--report-rate vale solo con --simulate</translation>
    </message>
    <message>
        <source>--report-rate needs a number of reports a second above 0 and at most %1, not &apos;%2&apos;</source>
        <translation>--report-rate richiede un numero di report al secondo maggiore di 0 e al massimo %1, non «%2»</translation>
    </message>
    <message>
        <source>give one command at a time</source>
        <translation>un comando alla volta</translation>
    </message>
    <message>
        <source>--%1 needs %2</source>
        <translation>--%1 richiede %2</translation>
    </message>
    <message>
        <source>--json applies to --read only</source>
        <translation>--json vale solo con --read</translation>
    </message>
    <message>
        <source>--screenshot needs a file name</source>
        <translation>--screenshot richiede un nome di file</translation>
    </message>
    <message>
        <source>The calibration window is using the adaptors; close it, then run the command again.
</source>
        <translation>La finestra di calibrazione sta usando gli adattatori; chiudila, poi esegui di nuovo il comando.
</translation>
    </message>
    <message>
        <source>Could not write %1
</source>
        <translation>Impossibile scrivere %1
</translation>
    </message>
    <message>
        <source>Support report written to %1
</source>
        <translation>Report per l’assistenza scritto in %1
</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>non è stato possibile creare l’immagine</translation>
    </message>
    <message>
        <source>--%1 needs a file name, and %2 is a folder</source>
        <translation>--%1 richiede un nome di file, e %2 è una cartella</translation>
    </message>
    <message>
        <source>--%1 cannot write into the folder %2</source>
        <translation>--%1 non può scrivere nella cartella %2</translation>
    </message>
    <message>
        <source>Runs on a simulated adaptor whose lever moves by itself: kelvo (when no value is given), mirad, usb or loader; or on the adaptor a recording made with --record holds, given as --simulate=FILE.</source>
        <translation>Funziona con un adattatore simulato la cui leva si muove da sola: kelvo (se non si indica alcun valore), mirad, usb o loader; oppure con l’adattatore contenuto in una registrazione fatta con --record, indicata come --simulate=FILE.</translation>
    </message>
    <message>
        <source>Records every call to the adaptors and each answer into FILE, with the window or any command. The recording holds the adaptor&apos;s serial number and thresholds; it stops at 50 MB.</source>
        <translation>Registra in FILE ogni chiamata agli adattatori e ogni risposta, con la finestra o con qualsiasi comando. La registrazione contiene il numero di serie e le soglie dell’adattatore; si ferma a 50 MB.</translation>
    </message>
    <message>
        <source>With --record: writes a stand-in for the serial number and the device paths.</source>
        <translation>Con --record: scrive un segnaposto al posto del numero di serie e dei percorsi dei dispositivi.</translation>
    </message>
    <message>
        <source>Opens the window at FACTOR times the design&apos;s size (0.4 to 8), and keeps its size, place and View choices for the next run unchanged.</source>
        <translation>Apre la finestra a FACTOR volte la dimensione del progetto (da 0,4 a 8) e lascia invariate la dimensione, la posizione e le scelte di Visualizza salvate per il prossimo avvio.</translation>
    </message>
    <message>
        <source>unknown adaptor &apos;%1&apos; for --simulate: use kelvo, mirad, usb, loader or a recording&apos;s file</source>
        <translation>adattatore «%1» sconosciuto per --simulate: usa kelvo, mirad, usb, loader o il file di una registrazione</translation>
    </message>
    <message>
        <source>--%1 needs the window, not a command</source>
        <translation>--%1 richiede la finestra, non un comando</translation>
    </message>
    <message>
        <source>--scale needs a factor from %1 to %2, not &apos;%3&apos;</source>
        <translation>--scale richiede un fattore da %1 a %2, non «%3»</translation>
    </message>
    <message>
        <source>%1 is larger than the %2 MB a recording may hold</source>
        <translation>%1 supera i %2 MB che una registrazione può contenere</translation>
    </message>
    <message>
        <source>cannot read the recording %1: %2</source>
        <translation>impossibile leggere la registrazione %1: %2</translation>
    </message>
    <message>
        <source>Could not write the recording %1</source>
        <translation>Impossibile scrivere la registrazione: %1</translation>
    </message>
    <message>
        <source>The recording reached its size limit of %1 MB and stopped; %2 holds the session up to then.</source>
        <translation>La registrazione ha raggiunto il limite di %1 MB e si è fermata; %2 contiene la sessione fino a quel momento.</translation>
    </message>
    <message>
        <source>Recorded the session to %1.</source>
        <translation>Sessione registrata in %1.</translation>
    </message>
    <message>
        <source>--%1 cannot write %2</source>
        <translation>--%1 non può scrivere %2</translation>
    </message>
    <message>
        <source>--record would replace %1, the recording being played; record into another file</source>
        <translation>--record sostituirebbe %1, la registrazione in riproduzione; registra in un altro file</translation>
    </message>
    <message>
        <source>Could not save the recording now (%1); it is saved again at the next save and at the end.</source>
        <translation>Impossibile salvare ora la registrazione (%1); verrà salvata di nuovo al prossimo salvataggio e alla fine.</translation>
    </message>
    <message>
        <source>Another program is recording into %1; nothing was recorded.</source>
        <translation>Un altro programma sta registrando in %1; non è stato registrato nulla.</translation>
    </message>
    <message>
        <source>The simulated adaptor could not be started; start the program with --simulate.</source>
        <translation>Impossibile avviare l’adattatore simulato; avvia il programma con --simulate.</translation>
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
Stati di uscita:
  0  fatto
  1  l’adattatore ha rifiutato un report o non ha risposto, non è stato possibile scrivere
     un file o lo standard output, oppure la finestra non ha uno schermo
  2  riga di comando o valori errati; non è stato inviato nulla
  3  un’altra istanza (la finestra) sta usando gli adattatori; non è stato inviato nulla
  4  non è stato possibile aprire alcun adattatore

--read --json stampa un oggetto: path, productId (numero), product, manufacturer,
productName, version, serialNumber e thresholds {V1, V2, H1, H2, SeqH1, SeqH2}
(numeri da 0 a 255; assente per il caricatore del firmware).
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opzione «%1» sconosciuta</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 non accetta valori</translation>
    </message>
    <message>
        <source>--%1 does not apply to a recording, which plays the reports it holds</source>
        <translation>--%1 non vale per una registrazione, che riproduce i propri report</translation>
    </message>
    <message>
        <source>--record-anonymous applies to --record only</source>
        <translation>--record-anonymous vale solo con --record</translation>
    </message>
    <message>
        <source>--record needs a file name</source>
        <translation>--record richiede un nome di file</translation>
    </message>
    <message>
        <source>Stores thresholds given as NAME=VALUE,... (V1, V2, H1, H2, SeqH1, SeqH2; values 0 to 254), e.g. V1=80,SeqH2=75.</source>
        <translation>Memorizza le soglie date come NOME=VALORE,... (V1, V2, H1, H2, SeqH1, SeqH2; valori da 0 a 254), per es. V1=80,SeqH2=75.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
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
        <translation>  accesso: sì
</translation>
    </message>
    <message>
        <source>  access: no (%1)
</source>
        <translation>  accesso: no (%1)
</translation>
    </message>
    <message>
        <source>the system refused to open it</source>
        <translation>il sistema ha rifiutato di aprirlo</translation>
    </message>
    <message>
        <source>No adaptor found.
</source>
        <translation>Nessun adattatore trovato.
</translation>
    </message>
    <message>
        <source>The adaptor did not answer the settings request.
</source>
        <translation>L’adattatore non ha risposto alla richiesta delle impostazioni.
</translation>
    </message>
    <message>
        <source>Thresholds: </source>
        <translation>Soglie: </translation>
    </message>
    <message>
        <source>Thresholds: none (the adaptor waits for firmware)
</source>
        <translation>Soglie: nessuna (l’adattatore attende un firmware)
</translation>
    </message>
    <message>
        <source>Nothing was sent: %1.
</source>
        <translation>Non è stato inviato nulla: %1.
</translation>
    </message>
    <message>
        <source>Nothing was sent: the adaptor waits for firmware and holds no thresholds.
</source>
        <translation>Non è stato inviato nulla: l’adattatore attende un firmware e non ha soglie.
</translation>
    </message>
    <message>
        <source>Nothing was sent: the values were made for %1 adaptor, and this is %2.
</source>
        <translation>Non è stato inviato nulla: i valori erano per un adattatore %1, e questo è un %2.
</translation>
    </message>
    <message>
        <source>Before: %1
Written: %2
</source>
        <translation>Prima: %1
Scritto: %2
</translation>
    </message>
    <message>
        <source>unread</source>
        <translation>non letto</translation>
    </message>
    <message>
        <source>The adaptor refused %1 of %2 reports.
</source>
        <translation>L’adattatore ha rifiutato %1 report su %2.
</translation>
    </message>
    <message>
        <source>After: </source>
        <translation>Dopo: </translation>
    </message>
    <message>
        <source>This adaptor does not hand out its memory.
</source>
        <translation>Questo adattatore non rende disponibile la sua memoria.
</translation>
    </message>
    <message>
        <source>Some memory blocks could not be read (shown as question marks).
</source>
        <translation>Alcuni blocchi di memoria non sono stati letti (mostrati come punti interrogativi).
</translation>
    </message>
    <message>
        <source>USB shifter</source>
        <translation>cambio USB</translation>
    </message>
    <message>
        <source>firmware loader</source>
        <translation>caricatore del firmware</translation>
    </message>
    <message>
        <source>%1  %2  version %3  serial %4</source>
        <translation>%1  %2  versione %3  seriale %4</translation>
    </message>
    <message>
        <source>Path: %1
Product: %2 (%3)
Manufacturer: %4
Version: %5
Serial number: %6
</source>
        <translation>Percorso: %1
Prodotto: %2 (%3)
Produttore: %4
Versione: %5
Numero di serie: %6
</translation>
    </message>
    <message>
        <source>No adaptor could be opened.</source>
        <translation>Non è stato possibile aprire alcun adattatore.</translation>
    </message>
    <message>
        <source>threshold %1 is given twice</source>
        <translation>la soglia %1 è data due volte</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not NAME=VALUE</source>
        <translation>«%1» non è nella forma NOME=VALORE</translation>
    </message>
    <message>
        <source>threshold %1 needs a whole number from %2, not &apos;%3&apos;</source>
        <translation>la soglia %1 richiede un numero intero %2, non «%3»</translation>
    </message>
    <message>
        <source>no threshold given; use names V1, V2, H1, H2, SeqH1, SeqH2</source>
        <translation>nessuna soglia data; usa i nomi V1, V2, H1, H2, SeqH1, SeqH2</translation>
    </message>
    <message>
        <source>unknown threshold &apos;%1&apos;; use V1, V2, H1, H2, SeqH1, SeqH2</source>
        <translation>soglia «%1» sconosciuta; usa V1, V2, H1, H2, SeqH1, SeqH2</translation>
    </message>
</context>
<context>
    <name>Diagnosis</name>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
    <message>
        <source>  %1 (adaptor 1dd2:%2): </source>
        <translation>  %1 (adattatore 1dd2:%2): </translation>
    </message>
    <message>
        <source>this user may open it
</source>
        <translation>questo utente può aprirlo
</translation>
    </message>
    <message>
        <source>this user may not open it (%1)
</source>
        <translation>questo utente non può aprirlo (%1)
</translation>
    </message>
    <message>
        <source>    not present under /dev
</source>
        <translation>    non presente in /dev
</translation>
    </message>
    <message>
        <source>    owner %1, group %2, mode %3, access list: %4
</source>
        <translation>    proprietario %1, gruppo %2, modo %3, elenco di accesso: %4
</translation>
    </message>
    <message>
        <source>    udev tag uaccess: </source>
        <translation>    etichetta udev uaccess: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Session: </source>
        <translation>Sessione: </translation>
    </message>
    <message>
        <source>no login session</source>
        <translation>nessuna sessione di accesso</translation>
    </message>
    <message>
        <source>login session %1</source>
        <translation>sessione di accesso %1</translation>
    </message>
    <message>
        <source>, no seat</source>
        <translation>, nessuna postazione</translation>
    </message>
    <message>
        <source>, seat %1</source>
        <translation>, postazione %1</translation>
    </message>
    <message>
        <source>, over SSH</source>
        <translation>, via SSH</translation>
    </message>
    <message>
        <source>, user id %1
</source>
        <translation>, id utente %1
</translation>
    </message>
    <message>
        <source>This user may open every adaptor plugged in.</source>
        <translation>Questo utente può aprire ogni adattatore collegato.</translation>
    </message>
    <message>
        <source>No adaptor is plugged in: plug it in.</source>
        <translation>Nessun adattatore è collegato: collegalo.</translation>
    </message>
    <message>
        <source>The program runs in a Flatpak sandbox that cannot see the adaptor: grant it device access, then start it again.</source>
        <translation>Il programma gira in una sandbox Flatpak che non vede l’adattatore: concedile l’accesso ai dispositivi, poi riavvialo.</translation>
    </message>
    <message>
        <source>The program runs in a Flatpak sandbox without the udev database: grant it /run/udev, then start it again.</source>
        <translation>Il programma gira in una sandbox Flatpak senza il database di udev: concedile /run/udev, poi riavvialo.</translation>
    </message>
    <message>
        <source>No udev rule gives this user the adaptor: install 70-shifter-calibration.rules from the source folder, then re-trigger udev as root.</source>
        <translation>Nessuna regola udev dà l’adattatore a questo utente: installa 70-shifter-calibration.rules dalla cartella dei sorgenti, poi riattiva udev come root.</translation>
    </message>
    <message>
        <source>The udev rule is only under /usr/local/lib/udev/rules.d, which udev does not read on Debian: move it to /etc/udev/rules.d and re-trigger udev as root.</source>
        <translation>La regola udev è solo in /usr/local/lib/udev/rules.d, che udev non legge su Debian: spostala in /etc/udev/rules.d e riattiva udev come root.</translation>
    </message>
    <message>
        <source>The udev rule is installed but not yet applied to the adaptor: re-trigger udev as root, or unplug and replug the adaptor.</source>
        <translation>La regola udev è installata ma non ancora applicata all’adattatore: riattiva udev come root, oppure scollega e ricollega l’adattatore.</translation>
    </message>
    <message>
        <source>The adaptor is given to the person at the machine, and this session has no seat (over SSH or outside a desktop login): run the program from the desktop session at the machine.</source>
        <translation>L’adattatore è assegnato a chi siede al computer, e questa sessione non ha una postazione (via SSH o fuori da un accesso al desktop): avvia il programma dalla sessione desktop del computer.</translation>
    </message>
    <message>
        <source>The rule is applied and this session has a seat, yet the system refuses the adaptor: unplug it and plug it in again.</source>
        <translation>La regola è applicata e questa sessione ha una postazione, eppure il sistema rifiuta l’adattatore: scollegalo e ricollegalo.</translation>
    </message>
    <message>
        <source>no refusal</source>
        <translation>nessun rifiuto</translation>
    </message>
    <message>
        <source>the sandbox hides the device</source>
        <translation>la sandbox nasconde il dispositivo</translation>
    </message>
    <message>
        <source>the sandbox hides the udev database</source>
        <translation>la sandbox nasconde il database di udev</translation>
    </message>
    <message>
        <source>no udev rule installed</source>
        <translation>nessuna regola udev installata</translation>
    </message>
    <message>
        <source>the udev rule is in a folder udev does not read</source>
        <translation>la regola udev è in una cartella che udev non legge</translation>
    </message>
    <message>
        <source>udev has not applied the rule yet</source>
        <translation>udev non ha ancora applicato la regola</translation>
    </message>
    <message>
        <source>this session has no seat</source>
        <translation>questa sessione non ha una postazione</translation>
    </message>
    <message>
        <source>refused although the rule applies</source>
        <translation>rifiutato benché la regola si applichi</translation>
    </message>
    <message>
        <source>Adaptor nodes:
</source>
        <translation>Nodi degli adattatori:
</translation>
    </message>
    <message>
        <source>  none of our vendor in /sys/class/hidraw
</source>
        <translation>  nessuno del nostro produttore in /sys/class/hidraw
</translation>
    </message>
    <message>
        <source>Rule %1:
</source>
        <translation>Regola %1:
</translation>
    </message>
    <message>
        <source>present</source>
        <translation>presente</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>assente</translation>
    </message>
    <message>
        <source> (udev does not read this folder on Debian)</source>
        <translation> (udev non legge questa cartella su Debian)</translation>
    </message>
    <message>
        <source>Sandbox: </source>
        <translation>Sandbox: </translation>
    </message>
    <message>
        <source>udev database: </source>
        <translation>Database di udev: </translation>
    </message>
    <message>
        <source>visible</source>
        <translation>visibile</translation>
    </message>
    <message>
        <source>not visible</source>
        <translation>non visibile</translation>
    </message>
    <message>
        <source>Fix: </source>
        <translation>Soluzione: </translation>
    </message>
    <message>
        <source>The access diagnosis is made on Linux only; here, close any other program that uses the adaptor, or unplug it and plug it in again.</source>
        <translation>La diagnosi dell’accesso si fa solo su Linux; qui chiudi ogni altro programma che usa l’adattatore, oppure scollegalo e ricollegalo.</translation>
    </message>
    <message>
        <source>Windows opens the adaptor with its own driver for input devices, so none needs installing: close any other program that uses the adaptor, or unplug it and plug it in again.</source>
        <translation>Windows apre l’adattatore con il proprio driver per i dispositivi di input, quindi non serve installarne nessuno: chiudi ogni altro programma che usa l’adattatore, oppure scollegalo e ricollegalo.</translation>
    </message>
    <message>
        <source>the system refused to open it</source>
        <translation>il sistema ha rifiutato di aprirlo</translation>
    </message>
    <message>
        <source>Not on this system: it has no hidraw nodes, udev rules or seats to look at.
</source>
        <translation>Non su questo sistema: non ha nodi hidraw, regole udev né postazioni da esaminare.
</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but the system does not let this program open it. Install 70-shifter-calibration.rules (see README), then run &quot;udevadm control --reload-rules&quot; and &quot;udevadm trigger&quot; as root, or unplug and replug the adaptor.</source>
        <translation>L’adattatore è collegato, ma il sistema non permette a questo programma di aprirlo. Installa 70-shifter-calibration.rules (vedi README), poi esegui «udevadm control --reload-rules» e «udevadm trigger» come root, oppure scollega e ricollega l’adattatore.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>read</source>
        <translation>letto</translation>
    </message>
    <message>
        <source>stored by Update settings</source>
        <translation>memorizzato con Aggiorna valori</translation>
    </message>
    <message>
        <source>stored at close</source>
        <translation>memorizzato alla chiusura</translation>
    </message>
    <message>
        <source>stored all six</source>
        <translation>memorizzate tutte e sei</translation>
    </message>
    <message>
        <source>stored by command</source>
        <translation>memorizzato da comando</translation>
    </message>
    <message>
        <source>restored</source>
        <translation>ripristinato</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>The recording never lists an adaptor, so there is nothing to simulate.</source>
        <translation>La registrazione non elenca alcun adattatore, quindi non c’è nulla da simulare.</translation>
    </message>
    <message>
        <source>This is not a session recording: its first line does not name the format &quot;%1&quot; and its version.</source>
        <translation>Questa non è una registrazione di sessione: la prima riga non indica il formato «%1» e la sua versione.</translation>
    </message>
    <message>
        <source>This recording is of format version %1, newer than the version %2 this program reads.</source>
        <translation>Questa registrazione ha la versione di formato %1, più recente della versione %2 letta da questo programma.</translation>
    </message>
    <message>
        <source>The recording&apos;s first line lacks the program, the platform or the date.</source>
        <translation>Alla prima riga della registrazione manca il programma, la piattaforma o la data.</translation>
    </message>
    <message>
        <source>The recording is larger than the %1 MB a recording may hold.</source>
        <translation>La registrazione supera i %1 MB che una registrazione può contenere.</translation>
    </message>
    <message>
        <source>The recording is empty.</source>
        <translation>La registrazione è vuota.</translation>
    </message>
    <message>
        <source>The recording is damaged at line %1.</source>
        <translation>La registrazione è danneggiata alla riga %1.</translation>
    </message>
    <message>
        <source>The recording is cut short: it ends before its closing line.</source>
        <translation>La registrazione è troncata: finisce prima della riga di chiusura.</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>Shifter calibration</source>
        <translation>Calibrazione del cambio</translation>
    </message>
    <message>
        <source>nothing reads from it</source>
        <translation>nessuno lo legge</translation>
    </message>
    <message>
        <source>it is a symbolic link, which is not followed</source>
        <translation>è un collegamento simbolico, che non viene seguito</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>supera i %1 byte</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Il file</translation>
    </message>
    <message>
        <source>The file %1</source>
        <translation>Il file %1</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 è vuoto.</translation>
    </message>
    <message>
        <source>%1 is damaged or is not JSON (%2 at byte %3).</source>
        <translation>%1 è danneggiato o non è JSON (%2 al byte %3).</translation>
    </message>
    <message>
        <source>%1 is not a calibration exported by this program.</source>
        <translation>%1 non è una calibrazione esportata da questo programma.</translation>
    </message>
    <message>
        <source>%1 has format version %2, which this version of the program cannot read.</source>
        <translation>%1 ha la versione di formato %2, che questa versione del programma non sa leggere.</translation>
    </message>
    <message>
        <source>%1 is damaged: the adaptor it came from is missing.</source>
        <translation>%1 è danneggiato: manca l’adattatore da cui proviene.</translation>
    </message>
    <message>
        <source>%1 is refused: %2.</source>
        <translation>%1 è rifiutato: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Impossibile leggere il file %1: %2.</translation>
    </message>
    <message>
        <source>the thresholds are missing</source>
        <translation>mancano le soglie</translation>
    </message>
    <message>
        <source>%1 is missing or not a number</source>
        <translation>%1 manca o non è un numero</translation>
    </message>
    <message>
        <source>%1 is %2, not a whole number from 0 to 255</source>
        <translation>%1 vale %2, non un numero intero da 0 a 255</translation>
    </message>
    <message>
        <source>product %1</source>
        <translation>prodotto %1</translation>
    </message>
    <message>
        <source>The calibration history is not kept: no home folder was found (set HOME to an absolute path).</source>
        <translation>La cronologia delle calibrazioni non viene tenuta: nessuna cartella home trovata (imposta HOME su un percorso assoluto).</translation>
    </message>
    <message>
        <source>: it is not a regular file</source>
        <translation>: non è un file normale</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>un altro programma lo tiene</translation>
    </message>
    <message>
        <source>The calibration history %1 is damaged</source>
        <translation>La cronologia delle calibrazioni %1 è danneggiata</translation>
    </message>
    <message>
        <source>The calibration history cannot be read: %1</source>
        <translation>Impossibile leggere la cronologia delle calibrazioni: %1</translation>
    </message>
    <message>
        <source>The calibration history could not be saved: %1</source>
        <translation>Impossibile salvare la cronologia delle calibrazioni: %1</translation>
    </message>
    <message>
        <source>: the folder cannot be created</source>
        <translation>: impossibile creare la cartella</translation>
    </message>
    <message>
        <source>: it is damaged and cannot be moved aside: </source>
        <translation>: è danneggiata e non può essere messa da parte: </translation>
    </message>
    <message>
        <source>The calibration history %1 was damaged; it was kept as %2 and a new one started</source>
        <translation>La cronologia delle calibrazioni %1 era danneggiata; è stata conservata come %2 e ne è stata iniziata una nuova</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>è un collegamento simbolico</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>non è una cartella</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>appartiene a un altro utente</translation>
    </message>
    <message>
        <source>others may use it (its mode is %1, not 700)</source>
        <translation>altri possono usarla (il suo modo è %1, non 700)</translation>
    </message>
    <message>
        <source>Shifter calibration keeps its lock in %1, but that is not a folder of your own that only you may use: %2. Remove it and start again.</source>
        <translation>La calibrazione del cambio tiene il suo blocco in %1, ma non è una tua cartella che solo tu puoi usare: %2. Rimuovila e riavvia.</translation>
    </message>
    <message>
        <source>Shifter calibration is already running; close it before starting it again.</source>
        <translation>La calibrazione del cambio è già in esecuzione; chiudila prima di avviarla di nuovo.</translation>
    </message>
    <message>
        <source>Shifter calibration cannot take its lock %1. Remove it and start again.</source>
        <translation>La calibrazione del cambio non può prendere il suo blocco %1. Rimuovilo e riavvia.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>non esiste</translation>
    </message>
    <message>
        <source>A Shifter calibration command is using the adaptors; try again when it has ended.</source>
        <translation>Un comando della calibrazione del cambio sta usando gli adattatori; riprova quando è terminato.</translation>
    </message>
    <message>
        <source>the program was not given that descriptor</source>
        <translation>al programma non è stato dato quel descrittore</translation>
    </message>
    <message>
        <source>it is another user&apos;s file in a shared folder</source>
        <translation>è il file di un altro utente in una cartella condivisa</translation>
    </message>
    <message>
        <source>: its folder does not exist</source>
        <translation>: la sua cartella non esiste</translation>
    </message>
</context>
<context>
    <name>Thresholds</name>
    <message>
        <source>%1 is %2, not a threshold (%3)</source>
        <translation>%1 vale %2, non è una soglia (%3)</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Aggiorna firmware</translation>
    </message>
    <message>
        <source>Done.Exiting...</source>
        <translation>Fatto. Uscita...</translation>
    </message>
    <message>
        <source>Sending firmware: %1 of %2</source>
        <translation>Invio del firmware: %1 di %2</translation>
    </message>
    <message>
        <source>Contents of shifter EEPROM memory</source>
        <translation>Contenuto della memoria EEPROM del cambio</translation>
    </message>
    <message>
        <source>your adaptor&apos;s support</source>
        <translation>l’assistenza del tuo adattatore</translation>
    </message>
    <message>
        <source>This is shifter EEPROM contents. Please copy (Ctrl+C) and email this text to %1 for analysis. Thank you!</source>
        <translation>Questo è il contenuto della EEPROM del cambio. Copia questo testo (Ctrl+C) e invialo per e-mail a %1 per l’analisi. Grazie!</translation>
    </message>
    <message>
        <source>The adaptor&apos;s feature reports are %1 bytes long, but firmware blocks need %2 to %3 bytes, so nothing was sent.</source>
        <translation>I feature report dell’adattatore sono lunghi %1 byte, ma i blocchi del firmware ne richiedono da %2 a %3, quindi non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>The built-in firmware image is %1 bytes long, not a whole number of %2-byte blocks, so nothing was sent.</source>
        <translation>L’immagine del firmware integrata è lunga %1 byte, non un numero intero di blocchi da %2 byte, quindi non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>This build carries no adaptor firmware, only a test image, so nothing was sent to the adaptor.</source>
        <translation>Questa versione non contiene firmware per l’adattatore, solo un’immagine di prova, quindi non è stato inviato nulla all’adattatore.</translation>
    </message>
    <message>
        <source>No threshold could be proposed yet: see the assistant&apos;s warnings</source>
        <translation>Non si può ancora proporre alcuna soglia: vedi gli avvisi dell’assistente</translation>
    </message>
    <message>
        <source>Proposed thresholds are in the boxes: press &quot;Update settings&quot; to store them</source>
        <translation>Le soglie proposte sono nelle caselle: premi «Aggiorna valori» per memorizzarle</translation>
    </message>
    <message>
        <source>Gear %1</source>
        <translation>Marcia %1</translation>
    </message>
    <message>
        <source>Lever position X %1, Y %2</source>
        <translation>Posizione della leva X %1, Y %2</translation>
    </message>
    <message>
        <source>left vertical line</source>
        <translation>linea verticale sinistra</translation>
    </message>
    <message>
        <source>right vertical line</source>
        <translation>linea verticale destra</translation>
    </message>
    <message>
        <source>upper horizontal line</source>
        <translation>linea orizzontale superiore</translation>
    </message>
    <message>
        <source>lower horizontal line</source>
        <translation>linea orizzontale inferiore</translation>
    </message>
    <message>
        <source>first sequential line</source>
        <translation>prima linea sequenziale</translation>
    </message>
    <message>
        <source>second sequential line</source>
        <translation>seconda linea sequenziale</translation>
    </message>
    <message>
        <source>Store all six thresholds</source>
        <translation>Memorizza tutte e sei le soglie</translation>
    </message>
    <message>
        <source>Nothing was stored: the adaptor&apos;s thresholds could not be read when it connected. Unplug the adaptor, plug it in again and retry.</source>
        <translation>Non è stato memorizzato nulla: le soglie dell’adattatore non sono state lette al collegamento. Scollega l’adattatore, ricollegalo e riprova.</translation>
    </message>
    <message>
        <source>Stored all six thresholds in the adaptor</source>
        <translation>Tutte e sei le soglie memorizzate nell’adattatore</translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of the six thresholds; try again</source>
        <translation>L’adattatore non ha accettato %1 delle sei soglie; riprova</translation>
    </message>
    <message>
        <source>%1 shows %2, which is not a threshold (%3): %1 stays %4</source>
        <translation>%1 mostra %2, che non è una soglia (%3): %1 resta %4</translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of %2 values; try again</source>
        <translation>L’adattatore non ha accettato %1 valori su %2; riprova</translation>
    </message>
    <message>
        <source>Stored in the adaptor: </source>
        <translation>Memorizzato nell’adattatore: </translation>
    </message>
    <message>
        <source>Update settings</source>
        <translation>Aggiorna valori</translation>
    </message>
    <message>
        <source>The adaptor&apos;s stored settings could not be read, so nothing was stored. Unplug the adaptor, plug it in again and retry.</source>
        <translation>Le impostazioni memorizzate nell’adattatore non sono state lette, quindi non è stato memorizzato nulla. Scollega l’adattatore, ricollegalo e riprova.</translation>
    </message>
    <message>
        <source>Read shifter memory</source>
        <translation>Leggi memoria</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Prodotto</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Lever position</source>
        <translation>Posizione della leva</translation>
    </message>
    <message>
        <source>0 to 254</source>
        <translation>da 0 a 254</translation>
    </message>
    <message>
        <source>Corvane Shifter interface calibration v1.5</source>
        <translation>Calibrazione interfaccia cambio Corvane v1.5</translation>
    </message>
    <message>
        <source>Kelvo/Mirad shifter interface calibration</source>
        <translation>Calibrazione interfaccia cambio Kelvo/Mirad</translation>
    </message>
    <message>
        <source>Mirad shifter interface calibration v1.5</source>
        <translation>Calibrazione interfaccia cambio Mirad v1.5</translation>
    </message>
    <message>
        <source>Kelvo shifter interface calibration v1.5</source>
        <translation>Calibrazione interfaccia cambio Kelvo v1.5</translation>
    </message>
    <message>
        <source>USB shifter interface calibration v1.5</source>
        <translation>Calibrazione interfaccia cambio USB v1.5</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but it could not be read: its report sizes are unknown. Unplug the adaptor and plug it in again.</source>
        <translation>L’adattatore è collegato, ma non è stato possibile leggerlo: le dimensioni dei suoi report sono sconosciute. Scollega l’adattatore e ricollegalo.</translation>
    </message>
    <message>
        <source>No adaptor found. Plug one in: the window comes alive by itself.</source>
        <translation>Nessun adattatore trovato. Collegane uno: la finestra si attiva da sola.</translation>
    </message>
    <message>
        <source>Simulated adaptor: nothing is kept when the program ends</source>
        <translation>Adattatore simulato: alla chiusura del programma non viene conservato nulla</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but its feature reports are %1 bytes long, and this program can exchange settings only in reports of %2 to %3 bytes: nothing is sent to it.</source>
        <translation>L’adattatore è collegato, ma i suoi feature report sono lunghi %1 byte, e questo programma può scambiare le impostazioni solo in report da %2 a %3 byte: non gli viene inviato nulla.</translation>
    </message>
    <message>
        <source>The firmware image was sent; please unplug the adaptor and plug it in again. This program now closes.</source>
        <translation>L’immagine del firmware è stata inviata; scollega l’adattatore e ricollegalo. Ora questo programma si chiude.</translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of the %2 firmware blocks and is still waiting for a firmware image, so please start this program again and repeat the upgrade. This program now closes.</source>
        <translation>L’adattatore non ha accettato %1 dei %2 blocchi del firmware ed è ancora in attesa di un’immagine del firmware, quindi riavvia questo programma e ripeti l’aggiornamento. Ora questo programma si chiude.</translation>
    </message>
    <message>
        <source>%1 lies left of %2</source>
        <translation>%1 è a sinistra di %2</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 è sopra %2</translation>
    </message>
    <message>
        <source>%1: the lines have crossed</source>
        <translation>%1: le linee si sono incrociate</translation>
    </message>
    <message>
        <source>Reads the adaptor&apos;s 128 bytes of memory and shows them for support</source>
        <translation>Legge i 128 byte di memoria dell’adattatore e li mostra per l’assistenza</translation>
    </message>
    <message>
        <source>Stores the thresholds of the adaptor&apos;s current mode; closing the window stores all six</source>
        <translation>Memorizza le soglie della modalità attuale dell’adattatore; chiudendo la finestra si memorizzano tutte e sei</translation>
    </message>
    <message>
        <source>Sends the built-in firmware to the adaptor; asks first</source>
        <translation>Invia il firmware incluso all’adattatore; chiede prima</translation>
    </message>
    <message>
        <source>; the adaptor holds %1 until it is stored</source>
        <translation>; l’adattatore mantiene %1 finché non viene memorizzato</translation>
    </message>
    <message>
        <source>Simulated adaptor: its thresholds are lost when the program ends, its history is kept</source>
        <translation>Adattatore simulato: le sue soglie si perdono alla chiusura del programma, la sua cronologia viene conservata</translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) (is|are) not stored in the adaptor yet; closing the window stores (it|them)</source>
        <translation>
            <numerusform>%n valore non è ancora memorizzato nell’adattatore; chiudendo la finestra viene memorizzato</numerusform>
            <numerusform>%n valori non sono ancora memorizzati nell’adattatore; chiudendo la finestra vengono memorizzati</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was restored: %1</source>
        <translation>Non è stato ripristinato nulla: %1</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but the system does not let this program open it.</source>
        <translation>L’adattatore è collegato, ma il sistema non permette a questo programma di aprirlo.</translation>
    </message>
    <message>
        <source>the program&apos;s test image (%1 bytes), not adaptor firmware</source>
        <translation>l’immagine di prova del programma (%1 byte), non firmware per l’adattatore</translation>
    </message>
    <message>
        <source>the built-in firmware (%1 bytes, SHA-256 %2)</source>
        <translation>il firmware incluso (%1 byte, SHA-256 %2)</translation>
    </message>
    <message>
        <source>The adaptor is waiting for new firmware. Upgrade Firmware sends it %1, which takes a few seconds. Keep the adaptor plugged in until it is done. When it is done, this program closes.

Send the firmware now?</source>
        <translation>L’adattatore è in attesa di un nuovo firmware. Aggiorna firmware gli invia %1, operazione che richiede alcuni secondi. Tieni collegato l’adattatore fino al termine. Al termine, questo programma si chiude.

Inviare il firmware ora?</translation>
    </message>
    <message>
        <source>Send firmware</source>
        <translation>Invia firmware</translation>
    </message>
    <message>
        <source>The adaptor waits for its firmware, but this build carries none to send: only a test image.</source>
        <translation>L’adattatore attende il suo firmware, ma questa versione non ne contiene: solo un’immagine di prova.</translation>
    </message>
    <message>
        <source>The adaptor waits for its firmware: press Upgrade Firmware to send it %1.</source>
        <translation>L’adattatore attende il suo firmware: premi Aggiorna firmware per inviargli %1.</translation>
    </message>
    <message>
        <source>Lever X %1</source>
        <translation>Leva X %1</translation>
    </message>
    <message>
        <source>Lever Y %1</source>
        <translation>Leva Y %1</translation>
    </message>
    <message>
        <source>Restored %1; the adaptor holds the same values</source>
        <translation>%1 ripristinata; l&apos;adattatore ha gli stessi valori</translation>
    </message>
    <message>
        <source>Restored %1; to write it to the adaptor, choose %2</source>
        <translation>%1 ripristinata; per memorizzarla nell&apos;adattatore, scegli %2</translation>
    </message>
</context>
<context>
    <name>gui::About</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Calibrates the lever thresholds of a USB shifter adaptor.&lt;/p&gt;&lt;p&gt;Qt %3 (built with %4)&lt;br&gt;hidapi %5&lt;/p&gt;&lt;p&gt;Free software under the MIT License: you may use, copy, change and pass it on; it comes without any warranty. The full text is in the LICENSE file.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Calibra le soglie della leva di un adattatore per cambio USB.&lt;/p&gt;&lt;p&gt;Qt %3 (compilato con %4)&lt;br&gt;hidapi %5&lt;/p&gt;&lt;p&gt;Software libero con licenza MIT: puoi usarlo, copiarlo, modificarlo e distribuirlo; è fornito senza alcuna garanzia. Il testo completo è nel file LICENSE.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
</context>
<context>
    <name>gui::AccessDetails</name>
    <message>
        <source>Access to the adaptor</source>
        <translation>Accesso all’adattatore</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
</context>
<context>
    <name>gui::AssistantWindow</name>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Registra</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Ferma</translation>
    </message>
    <message>
        <source>&amp;Use these values</source>
        <translation>&amp;Usa questi valori</translation>
    </message>
    <message>
        <source>Calibration assistant</source>
        <translation>Assistente di calibrazione</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Passo</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>&lt;b&gt;Proposed thresholds&lt;/b&gt;</source>
        <translation>&lt;b&gt;Soglie proposte&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Waiting for the adaptor&apos;s lever reports...</source>
        <translation>In attesa dei report della leva dall’adattatore...</translation>
    </message>
    <message>
        <source>Sequential mode: take each step, then press Stop.</source>
        <translation>Modalità sequenziale: esegui ogni passo, poi premi Ferma.</translation>
    </message>
    <message>
        <source>H-pattern mode: take each step, then press Stop.</source>
        <translation>Modalità ad H: esegui ogni passo, poi premi Ferma.</translation>
    </message>
    <message>
        <source>recording: %1</source>
        <translation>registrazione: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rifai</translation>
    </message>
    <message>
        <source>left</source>
        <translation>a sinistra</translation>
    </message>
    <message>
        <source>right</source>
        <translation>a destra</translation>
    </message>
    <message>
        <source>below</source>
        <translation>sotto</translation>
    </message>
    <message>
        <source>above</source>
        <translation>sopra</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 = %2&lt;/b&gt;, margin %3 %4, %5 %6</source>
        <translation>&lt;b&gt;%1 = %2&lt;/b&gt;, margine %3 %4, %5 %6</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Records the selected step</source>
        <translation>Registra il passo scelto</translation>
    </message>
    <message>
        <source>Ends the step&apos;s recording</source>
        <translation>Termina la registrazione del passo</translation>
    </message>
    <message>
        <source>%1 chooses the next step, %2 the previous one</source>
        <translation>%1 sceglie il passo seguente, %2 quello precedente</translation>
    </message>
</context>
<context>
    <name>gui::CalibrationMenus</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Export calibration...</source>
        <translation>&amp;Esporta calibrazione...</translation>
    </message>
    <message>
        <source>&amp;Import calibration...</source>
        <translation>&amp;Importa calibrazione...</translation>
    </message>
    <message>
        <source>&amp;Revert to the values read at connection</source>
        <translation>&amp;Torna ai valori letti al collegamento</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Cronologia...</translation>
    </message>
    <message>
        <source>&amp;Store all six thresholds</source>
        <translation>Memorizza tutte e &amp;sei le soglie</translation>
    </message>
    <message>
        <source>The adaptor&apos;s thresholds could not be read when it connected; unplug it and plug it in again.</source>
        <translation>Le soglie dell’adattatore non sono state lette al collegamento; scollegalo e ricollegalo.</translation>
    </message>
    <message>
        <source>The adaptor was unplugged meanwhile; nothing was restored.</source>
        <translation>Nel frattempo l’adattatore è stato scollegato; non è stato ripristinato nulla.</translation>
    </message>
    <message>
        <source>The calibration could not be written: %1.</source>
        <translation>Impossibile scrivere la calibrazione: %1.</translation>
    </message>
    <message>
        <source>Exported the calibration to %1</source>
        <translation>Calibrazione esportata in %1</translation>
    </message>
    <message>
        <source>This calibration was exported from %1, not from the connected %2. Use it anyway?</source>
        <translation>Questa calibrazione è stata esportata da %1, non dal %2 collegato. Usarla comunque?</translation>
    </message>
    <message>
        <source>the calibration from %1</source>
        <translation>la calibrazione da %1</translation>
    </message>
    <message>
        <source>the calibration read at connection</source>
        <translation>la calibrazione letta al collegamento</translation>
    </message>
    <message>
        <source>No history is kept for a simulated adaptor; start the program with --keep-history to keep one.</source>
        <translation>Per un adattatore simulato non si tiene la cronologia; avvia il programma con --keep-history per tenerne una.</translation>
    </message>
    <message>
        <source>the calibration of %1</source>
        <translation>la calibrazione del %1</translation>
    </message>
    <message>
        <source>Export calibration</source>
        <translation>Esporta calibrazione</translation>
    </message>
    <message>
        <source>Import calibration</source>
        <translation>Importa calibrazione</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Cronologia</translation>
    </message>
    <message>
        <source>Calibrations (*.json);;All files (*)</source>
        <translation>Calibrazioni (*.json);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Nothing was restored: %1.</source>
        <translation>Non è stato ripristinato nulla: %1.</translation>
    </message>
    <message>
        <source>No adaptor has a history here yet: an adaptor&apos;s history starts when it first connects.</source>
        <translation>Qui nessun adattatore ha ancora una cronologia: la cronologia di un adattatore inizia al suo primo collegamento.</translation>
    </message>
    <message>
        <source>The history of which adaptor?</source>
        <translation>La cronologia di quale adattatore?</translation>
    </message>
</context>
<context>
    <name>gui::CalibrationTools</name>
    <message>
        <source>&amp;Colour the trace by gear</source>
        <translation>&amp;Colora la traccia per marcia</translation>
    </message>
    <message>
        <source>Calibration &amp;assistant...</source>
        <translation>&amp;Assistente di calibrazione...</translation>
    </message>
</context>
<context>
    <name>gui::FormWidget</name>
    <message>
        <source>&amp;Quit</source>
        <translation>Es&amp;ci</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Adaptor</source>
        <translation>&amp;Adattatore</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>S&amp;trumenti</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Try the simulated adaptor</source>
        <translation>Prova l’adattatore simulato</translation>
    </message>
</context>
<context>
    <name>gui::GearLegend</name>
    <message>
        <source>Colours of the trace: the gear the adaptor reported at each point</source>
        <translation>Colori della traccia: la marcia che l’adattatore segnalava in ogni punto</translation>
    </message>
</context>
<context>
    <name>gui::HistoryDialog</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Cronologia di %1</translation>
    </message>
    <message>
        <source>Puts the chosen row&apos;s thresholds into the window; nothing is sent to the adaptor until you store them.</source>
        <translation>Mette nella finestra le soglie della riga scelta; all’adattatore non arriva nulla finché non le memorizzi.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Ora</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Accettato</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Esporta...</translation>
    </message>
    <message>
        <source>Saves the chosen row&apos;s thresholds to a calibration file.</source>
        <translation>Salva le soglie della riga scelta in un file di calibrazione.</translation>
    </message>
    <message>
        <source>Connect this adaptor to restore a calibration into the window.</source>
        <translation>Collega questo adattatore per ripristinare una calibrazione nella finestra.</translation>
    </message>
</context>
<context>
    <name>gui::InputDialog</name>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiato</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>gui::SupportRecording</name>
    <message>
        <source>Record a session for support...</source>
        <translation>Registra una sessione per l’assistenza...</translation>
    </message>
    <message>
        <source>Record a session for support</source>
        <translation>Registra una sessione per l’assistenza</translation>
    </message>
    <message>
        <source>A recording holds every report the program exchanges with the adaptor, with the adaptor&apos;s serial number and thresholds. Start it, do what goes wrong (the dialog may be closed meanwhile), then stop it and save it to attach to your report.</source>
        <translation>Una registrazione contiene ogni report che il programma scambia con l’adattatore, con il numero di serie e le soglie dell’adattatore. Avviala, ripeti ciò che non funziona (nel frattempo puoi chiudere la finestra), poi fermala e salvala per allegarla alla tua segnalazione.</translation>
    </message>
    <message>
        <source>Not recording.</source>
        <translation>Nessuna registrazione in corso.</translation>
    </message>
    <message>
        <source>Recording: %1 KB so far.</source>
        <translation>Registrazione in corso: finora %1 KB.</translation>
    </message>
    <message>
        <source>Stopped: the recording holds %1 KB.</source>
        <translation>Fermata: la registrazione contiene %1 KB.</translation>
    </message>
    <message>
        <source>Stopped at the size limit: the recording holds %1 KB.</source>
        <translation>Fermata al limite di dimensione: la registrazione contiene %1 KB.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Salva come...</translation>
    </message>
    <message>
        <source>Save the recording</source>
        <translation>Salva la registrazione</translation>
    </message>
    <message>
        <source>Session recordings (*.rec)</source>
        <translation>Registrazioni di sessione (*.rec)</translation>
    </message>
    <message>
        <source>The recording was not saved: could not write %1.</source>
        <translation>La registrazione non è stata salvata: impossibile scrivere %1.</translation>
    </message>
    <message>
        <source>Leave out the serial number and the device paths</source>
        <translation>Omettere il numero di serie e i percorsi dei dispositivi</translation>
    </message>
    <message>
        <source>The recording has not been saved. Discard it?</source>
        <translation>La registrazione non è stata salvata. Scartarla?</translation>
    </message>
</context>
</TS>
