<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Assistant</name>
    <message>
        <source>No flickers in the last minute</source>
        <translation>Ningún parpadeo en el último minuto</translation>
    </message>
    <message numerus="yes">
        <source>%n flicker(s) in the last minute</source>
        <translation>
            <numerusform>%n parpadeo en el último minuto</numerusform>
            <numerusform>%n parpadeos en el último minuto</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flicker(s) near %1 at %2 %3 in the last minute</source>
        <translation>
            <numerusform>%n parpadeo cerca de %1 en %2 %3 en el último minuto</numerusform>
            <numerusform>%n parpadeos cerca de %1 en %2 %3 en el último minuto</numerusform>
        </translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>No records of %1 yet: %2 needs them</source>
        <translation>Aún no hay registros de %1: %2 los necesita</translation>
    </message>
    <message>
        <source>%1 and %2 overlap in %3 between %4 and %5: the lever or the adaptor reads them too close together</source>
        <translation>%1 y %2 se solapan en %3 entre %4 y %5: la palanca o el adaptador los lee demasiado juntos</translation>
    </message>
    <message>
        <source>%1 and %2 are only %3 apart in %4 between %5 and %6: a threshold there would be under %7 from one of them</source>
        <translation>%1 y %2 solo distan %3 en %4 entre %5 y %6: un umbral ahí quedaría a menos de %7 de uno de ellos</translation>
    </message>
    <message>
        <source>Move the lever along neutral from far left to far right</source>
        <translation>Mueve la palanca por punto muerto desde el extremo izquierdo hasta el extremo derecho</translation>
    </message>
    <message>
        <source>Put it in 1st and move it around in the gate</source>
        <translation>Mete la 1.ª y mueve la palanca dentro de su carril</translation>
    </message>
    <message>
        <source>Put it in 2nd and move it around in the gate</source>
        <translation>Mete la 2.ª y mueve la palanca dentro de su carril</translation>
    </message>
    <message>
        <source>Put it in 3rd and move it around in the gate</source>
        <translation>Mete la 3.ª y mueve la palanca dentro de su carril</translation>
    </message>
    <message>
        <source>Put it in 4th and move it around in the gate</source>
        <translation>Mete la 4.ª y mueve la palanca dentro de su carril</translation>
    </message>
    <message>
        <source>Put it in 5th and move it around in the gate</source>
        <translation>Mete la 5.ª y mueve la palanca dentro de su carril</translation>
    </message>
    <message>
        <source>Put it in 6th and move it around in the gate</source>
        <translation>Mete la 6.ª y mueve la palanca dentro de su carril</translation>
    </message>
    <message>
        <source>Optionally, put it in reverse and move it around in the gate</source>
        <translation>Opcionalmente, mete la marcha atrás y mueve la palanca dentro de su carril</translation>
    </message>
    <message>
        <source>Let the lever rest</source>
        <translation>Deja la palanca en reposo</translation>
    </message>
    <message>
        <source>Push it to +</source>
        <translation>Empújala hacia +</translation>
    </message>
    <message>
        <source>Pull it to -</source>
        <translation>Tira de ella hacia -</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>punto muerto</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1.ª</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2.ª</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3.ª</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4.ª</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5.ª</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6.ª</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>marcha atrás</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>reposo</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>this build has no window; run one of the commands, such as --read.
Try --help.
</source>
        <translation>esta versión no tiene ventana; ejecuta uno de los comandos, como --read.
Prueba --help.
</translation>
    </message>
    <message>
        <source>there is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set). The commands, such as --read, work without one.
Try --help.
</source>
        <translation>no hay pantalla donde mostrar la ventana (no está definido ni DISPLAY ni WAYLAND_DISPLAY). Los comandos, como --read, funcionan sin ella.
Prueba --help.
</translation>
    </message>
    <message>
        <source>could not write %1</source>
        <translation>no se pudo escribir %1</translation>
    </message>
    <message>
        <source>%1: %2
Try --help.
</source>
        <translation>%1: %2
Prueba --help.
</translation>
    </message>
    <message>
        <source>Lists each adaptor present: path, product, version, serial number and whether this user may open it (if not: why).</source>
        <translation>Lista cada adaptador presente: ruta, producto, versión, número de serie y si este usuario puede abrirlo (si no: por qué).</translation>
    </message>
    <message>
        <source>Shows the adaptor&apos;s identity and its six stored thresholds; writes nothing.</source>
        <translation>Muestra la identidad del adaptador y sus seis umbrales guardados; no escribe nada.</translation>
    </message>
    <message>
        <source>Stores all six thresholds of a calibration exported from the window (File &gt; Export calibration...).</source>
        <translation>Guarda los seis umbrales de una calibración exportada desde la ventana (Archivo &gt; Exportar calibración...).</translation>
    </message>
    <message>
        <source>Shows the adaptor&apos;s 128 bytes of memory as hex text.</source>
        <translation>Muestra los 128 bytes de memoria del adaptador como texto hexadecimal.</translation>
    </message>
    <message>
        <source>Writes a support report to FILE (- for standard output).</source>
        <translation>Escribe un informe para soporte en FILE (- para la salida estándar).</translation>
    </message>
    <message>
        <source>--%1 applies to --simulate only</source>
        <translation>--%1 solo vale con --simulate</translation>
    </message>
    <message>
        <source>unknown lever &apos;%1&apos; for --lever: use tour, assistant or assistant-sequential</source>
        <translation>palanca «%1» desconocida para --lever: usa tour, assistant o assistant-sequential</translation>
    </message>
    <message>
        <source>--gates applies to --lever=assistant only</source>
        <translation>--gates solo vale con --lever=assistant</translation>
    </message>
    <message>
        <source>--gates needs three X positions 0..255 from left to right, such as 40,165,215, not &apos;%1&apos;</source>
        <translation>--gates necesita tres posiciones X de 0 a 255 de izquierda a derecha, como 40,165,215, no «%1»</translation>
    </message>
    <message>
        <source>--noise needs a whole number of units 0..%1, not &apos;%2&apos;</source>
        <translation>--noise necesita un número entero de unidades de 0 a %1, no «%2»</translation>
    </message>
    <message>
        <source>Calibrates the lever thresholds of a USB shifter adaptor.</source>
        <translation>Calibra los umbrales de la palanca de un adaptador de palanca de cambios USB.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version.</source>
        <translation>Muestra la versión del programa.</translation>
    </message>
    <message>
        <source>Reports a second the simulated adaptor sends (default 125).</source>
        <translation>Informes por segundo que envía el adaptador simulado (125 por omisión).</translation>
    </message>
    <message>
        <source>Saves a PNG picture of the window to FILE after about two seconds, then closes the window.</source>
        <translation>Guarda una imagen PNG de la ventana en FILE tras unos dos segundos y luego cierra la ventana.</translation>
    </message>
    <message>
        <source>Keeps the calibration history of a simulated adaptor in the user&apos;s data folder, as it is always kept for real adaptors.</source>
        <translation>Lleva el historial de calibraciones de un adaptador simulado en la carpeta de datos del usuario, como siempre se lleva para los adaptadores reales.</translation>
    </message>
    <message>
        <source>How the simulated lever moves: tour (the default) goes through the gears of both modes; assistant follows the calibration assistant&apos;s H-pattern steps, assistant-sequential its sequential ones.</source>
        <translation>Cómo se mueve la palanca simulada: tour (por omisión) recorre las marchas de ambos modos; assistant sigue los pasos en H del asistente de calibración, assistant-sequential sus pasos secuenciales.</translation>
    </message>
    <message>
        <source>X of the assistant lever&apos;s left, middle and right gates (default 40,165,215, where the factory thresholds read some of 3rd as 5th).</source>
        <translation>X de los carriles izquierdo, central y derecho de la palanca del asistente (40,165,215 por omisión, donde los umbrales de fábrica leen parte de la 3.ª como 5.ª).</translation>
    </message>
    <message>
        <source>Units the simulated lever shakes in X and Y (default 3 for the assistant&apos;s lever, 0 for the tour).</source>
        <translation>Unidades que tiembla la palanca simulada en X e Y (3 por omisión para la palanca del asistente, 0 para el tour).</translation>
    </message>
    <message>
        <source>With --read: answers in JSON.</source>
        <translation>Con --read: responde en JSON.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Uso: %1 [opciones]</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 se da más de una vez</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado «%1»</translation>
    </message>
    <message>
        <source>--report-rate applies to --simulate only</source>
        <translation>--report-rate solo vale con --simulate</translation>
    </message>
    <message>
        <source>--report-rate needs a number of reports a second above 0 and at most %1, not &apos;%2&apos;</source>
        <translation>--report-rate necesita un número de informes por segundo mayor que 0 y como mucho %1, no «%2»</translation>
    </message>
    <message>
        <source>give one command at a time</source>
        <translation>da un solo comando cada vez</translation>
    </message>
    <message>
        <source>--%1 needs %2</source>
        <translation>--%1 necesita %2</translation>
    </message>
    <message>
        <source>--json applies to --read only</source>
        <translation>--json solo vale con --read</translation>
    </message>
    <message>
        <source>--screenshot needs a file name</source>
        <translation>--screenshot necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>The calibration window is using the adaptors; close it, then run the command again.
</source>
        <translation>La ventana de calibración está usando los adaptadores; ciérrala y vuelve a ejecutar el comando.
</translation>
    </message>
    <message>
        <source>Could not write %1
</source>
        <translation>No se pudo escribir %1
</translation>
    </message>
    <message>
        <source>Support report written to %1
</source>
        <translation>Informe para soporte escrito en %1
</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>no se pudo crear la imagen</translation>
    </message>
    <message>
        <source>--%1 needs a file name, and %2 is a folder</source>
        <translation>--%1 necesita un nombre de archivo, y %2 es una carpeta</translation>
    </message>
    <message>
        <source>--%1 cannot write into the folder %2</source>
        <translation>--%1 no puede escribir en la carpeta %2</translation>
    </message>
    <message>
        <source>Runs on a simulated adaptor whose lever moves by itself: kelvo (when no value is given), mirad, usb or loader; or on the adaptor a recording made with --record holds, given as --simulate=FILE.</source>
        <translation>Funciona con un adaptador simulado cuya palanca se mueve sola: kelvo (si no se indica ningún valor), mirad, usb o loader; o con el adaptador que contiene una grabación hecha con --record, indicada como --simulate=FILE.</translation>
    </message>
    <message>
        <source>Records every call to the adaptors and each answer into FILE, with the window or any command. The recording holds the adaptor&apos;s serial number and thresholds; it stops at 50 MB.</source>
        <translation>Graba cada llamada a los adaptadores y cada respuesta en FILE, con la ventana o con cualquier orden. La grabación contiene el número de serie y los umbrales del adaptador; se detiene al llegar a 50 MB.</translation>
    </message>
    <message>
        <source>With --record: writes a stand-in for the serial number and the device paths.</source>
        <translation>Con --record: escribe un sustituto en lugar del número de serie y de las rutas de los dispositivos.</translation>
    </message>
    <message>
        <source>Opens the window at FACTOR times the design&apos;s size (0.4 to 8), and keeps its size, place and View choices for the next run unchanged.</source>
        <translation>Abre la ventana a FACTOR veces el tamaño del diseño (0,4 a 8) y deja sin cambios el tamaño, la posición y las opciones de Ver guardados para la próxima vez.</translation>
    </message>
    <message>
        <source>unknown adaptor &apos;%1&apos; for --simulate: use kelvo, mirad, usb, loader or a recording&apos;s file</source>
        <translation>adaptador «%1» desconocido para --simulate: usa kelvo, mirad, usb, loader o el archivo de una grabación</translation>
    </message>
    <message>
        <source>--%1 needs the window, not a command</source>
        <translation>--%1 necesita la ventana, no una orden</translation>
    </message>
    <message>
        <source>--scale needs a factor from %1 to %2, not &apos;%3&apos;</source>
        <translation>--scale necesita un factor de %1 a %2, no «%3»</translation>
    </message>
    <message>
        <source>%1 is larger than the %2 MB a recording may hold</source>
        <translation>%1 supera los %2 MB que puede contener una grabación</translation>
    </message>
    <message>
        <source>cannot read the recording %1: %2</source>
        <translation>no se puede leer la grabación %1: %2</translation>
    </message>
    <message>
        <source>Could not write the recording %1</source>
        <translation>No se pudo escribir la grabación: %1</translation>
    </message>
    <message>
        <source>The recording reached its size limit of %1 MB and stopped; %2 holds the session up to then.</source>
        <translation>La grabación alcanzó su límite de %1 MB y se detuvo; %2 contiene la sesión hasta ese momento.</translation>
    </message>
    <message>
        <source>Recorded the session to %1.</source>
        <translation>Sesión grabada en %1.</translation>
    </message>
    <message>
        <source>--%1 cannot write %2</source>
        <translation>--%1 no puede escribir %2</translation>
    </message>
    <message>
        <source>--record would replace %1, the recording being played; record into another file</source>
        <translation>--record reemplazaría %1, la grabación que se reproduce; graba en otro archivo</translation>
    </message>
    <message>
        <source>Could not save the recording now (%1); it is saved again at the next save and at the end.</source>
        <translation>No se pudo guardar la grabación ahora (%1); se guardará de nuevo en el próximo guardado y al final.</translation>
    </message>
    <message>
        <source>Another program is recording into %1; nothing was recorded.</source>
        <translation>Otro programa está grabando en %1; no se grabó nada.</translation>
    </message>
    <message>
        <source>The simulated adaptor could not be started; start the program with --simulate.</source>
        <translation>No se pudo iniciar el adaptador simulado; inicia el programa con --simulate.</translation>
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
Estados de salida:
  0  hecho
  1  el adaptador rechazó o no respondió un informe, no se pudo escribir un archivo
     o la salida estándar, o la ventana no tiene pantalla
  2  línea de comandos o valores erróneos; no se envió nada
  3  otra instancia (la ventana) está usando los adaptadores; no se envió nada
  4  no se pudo abrir ningún adaptador

--read --json imprime un objeto: path, productId (número), product, manufacturer,
productName, version, serialNumber y thresholds {V1, V2, H1, H2, SeqH1, SeqH2}
(números de 0 a 255; ausente en el cargador de firmware).
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción «%1» desconocida</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 no lleva valor</translation>
    </message>
    <message>
        <source>--%1 does not apply to a recording, which plays the reports it holds</source>
        <translation>--%1 no vale con una grabación, que reproduce sus propios informes</translation>
    </message>
    <message>
        <source>--record-anonymous applies to --record only</source>
        <translation>--record-anonymous solo vale con --record</translation>
    </message>
    <message>
        <source>--record needs a file name</source>
        <translation>--record necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>Stores thresholds given as NAME=VALUE,... (V1, V2, H1, H2, SeqH1, SeqH2; values 0 to 254), e.g. V1=80,SeqH2=75.</source>
        <translation>Guarda umbrales dados como NOMBRE=VALOR,... (V1, V2, H1, H2, SeqH1, SeqH2; valores de 0 a 254), p. ej. V1=80,SeqH2=75.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
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
        <translation>  acceso: sí
</translation>
    </message>
    <message>
        <source>  access: no (%1)
</source>
        <translation>  acceso: no (%1)
</translation>
    </message>
    <message>
        <source>the system refused to open it</source>
        <translation>el sistema se negó a abrirlo</translation>
    </message>
    <message>
        <source>No adaptor found.
</source>
        <translation>No se encontró ningún adaptador.
</translation>
    </message>
    <message>
        <source>The adaptor did not answer the settings request.
</source>
        <translation>El adaptador no respondió a la petición de ajustes.
</translation>
    </message>
    <message>
        <source>Thresholds: </source>
        <translation>Umbrales: </translation>
    </message>
    <message>
        <source>Thresholds: none (the adaptor waits for firmware)
</source>
        <translation>Umbrales: ninguno (el adaptador espera firmware)
</translation>
    </message>
    <message>
        <source>Nothing was sent: %1.
</source>
        <translation>No se envió nada: %1.
</translation>
    </message>
    <message>
        <source>Nothing was sent: the adaptor waits for firmware and holds no thresholds.
</source>
        <translation>No se envió nada: el adaptador espera firmware y no tiene umbrales.
</translation>
    </message>
    <message>
        <source>Nothing was sent: the values were made for %1 adaptor, and this is %2.
</source>
        <translation>No se envió nada: los valores se hicieron para un adaptador %1, y este es un %2.
</translation>
    </message>
    <message>
        <source>Before: %1
Written: %2
</source>
        <translation>Antes: %1
Escrito: %2
</translation>
    </message>
    <message>
        <source>unread</source>
        <translation>sin leer</translation>
    </message>
    <message>
        <source>The adaptor refused %1 of %2 reports.
</source>
        <translation>El adaptador rechazó %1 de %2 informes.
</translation>
    </message>
    <message>
        <source>After: </source>
        <translation>Después: </translation>
    </message>
    <message>
        <source>This adaptor does not hand out its memory.
</source>
        <translation>Este adaptador no entrega su memoria.
</translation>
    </message>
    <message>
        <source>Some memory blocks could not be read (shown as question marks).
</source>
        <translation>No se pudieron leer algunos bloques de memoria (se muestran como signos de interrogación).
</translation>
    </message>
    <message>
        <source>USB shifter</source>
        <translation>palanca de cambios USB</translation>
    </message>
    <message>
        <source>firmware loader</source>
        <translation>cargador de firmware</translation>
    </message>
    <message>
        <source>%1  %2  version %3  serial %4</source>
        <translation>%1  %2  versión %3  serie %4</translation>
    </message>
    <message>
        <source>Path: %1
Product: %2 (%3)
Manufacturer: %4
Version: %5
Serial number: %6
</source>
        <translation>Ruta: %1
Producto: %2 (%3)
Fabricante: %4
Versión: %5
Número de serie: %6
</translation>
    </message>
    <message>
        <source>No adaptor could be opened.</source>
        <translation>No se pudo abrir ningún adaptador.</translation>
    </message>
    <message>
        <source>threshold %1 is given twice</source>
        <translation>el umbral %1 se da dos veces</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not NAME=VALUE</source>
        <translation>«%1» no tiene la forma NOMBRE=VALOR</translation>
    </message>
    <message>
        <source>threshold %1 needs a whole number from %2, not &apos;%3&apos;</source>
        <translation>el umbral %1 necesita un número entero %2, no «%3»</translation>
    </message>
    <message>
        <source>no threshold given; use names V1, V2, H1, H2, SeqH1, SeqH2</source>
        <translation>no se dio ningún umbral; usa los nombres V1, V2, H1, H2, SeqH1, SeqH2</translation>
    </message>
    <message>
        <source>unknown threshold &apos;%1&apos;; use V1, V2, H1, H2, SeqH1, SeqH2</source>
        <translation>umbral «%1» desconocido; usa V1, V2, H1, H2, SeqH1, SeqH2</translation>
    </message>
</context>
<context>
    <name>Diagnosis</name>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>  %1 (adaptor 1dd2:%2): </source>
        <translation>  %1 (adaptador 1dd2:%2): </translation>
    </message>
    <message>
        <source>this user may open it
</source>
        <translation>este usuario puede abrirlo
</translation>
    </message>
    <message>
        <source>this user may not open it (%1)
</source>
        <translation>este usuario no puede abrirlo (%1)
</translation>
    </message>
    <message>
        <source>    not present under /dev
</source>
        <translation>    no está en /dev
</translation>
    </message>
    <message>
        <source>    owner %1, group %2, mode %3, access list: %4
</source>
        <translation>    propietario %1, grupo %2, modo %3, lista de acceso: %4
</translation>
    </message>
    <message>
        <source>    udev tag uaccess: </source>
        <translation>    etiqueta udev uaccess: </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Session: </source>
        <translation>Sesión: </translation>
    </message>
    <message>
        <source>no login session</source>
        <translation>sin sesión de inicio</translation>
    </message>
    <message>
        <source>login session %1</source>
        <translation>sesión de inicio %1</translation>
    </message>
    <message>
        <source>, no seat</source>
        <translation>, sin puesto</translation>
    </message>
    <message>
        <source>, seat %1</source>
        <translation>, puesto %1</translation>
    </message>
    <message>
        <source>, over SSH</source>
        <translation>, por SSH</translation>
    </message>
    <message>
        <source>, user id %1
</source>
        <translation>, id de usuario %1
</translation>
    </message>
    <message>
        <source>This user may open every adaptor plugged in.</source>
        <translation>Este usuario puede abrir todos los adaptadores conectados.</translation>
    </message>
    <message>
        <source>No adaptor is plugged in: plug it in.</source>
        <translation>No hay ningún adaptador conectado: conéctalo.</translation>
    </message>
    <message>
        <source>The program runs in a Flatpak sandbox that cannot see the adaptor: grant it device access, then start it again.</source>
        <translation>El programa se ejecuta en un entorno aislado Flatpak que no ve el adaptador: dale acceso a los dispositivos y vuelve a iniciarlo.</translation>
    </message>
    <message>
        <source>The program runs in a Flatpak sandbox without the udev database: grant it /run/udev, then start it again.</source>
        <translation>El programa se ejecuta en un entorno aislado Flatpak sin la base de datos de udev: dale acceso a /run/udev y vuelve a iniciarlo.</translation>
    </message>
    <message>
        <source>No udev rule gives this user the adaptor: install 70-shifter-calibration.rules from the source folder, then re-trigger udev as root.</source>
        <translation>Ninguna regla de udev da el adaptador a este usuario: instala 70-shifter-calibration.rules desde la carpeta de fuentes y vuelve a disparar udev como root.</translation>
    </message>
    <message>
        <source>The udev rule is only under /usr/local/lib/udev/rules.d, which udev does not read on Debian: move it to /etc/udev/rules.d and re-trigger udev as root.</source>
        <translation>La regla de udev solo está en /usr/local/lib/udev/rules.d, que udev no lee en Debian: muévela a /etc/udev/rules.d y vuelve a disparar udev como root.</translation>
    </message>
    <message>
        <source>The udev rule is installed but not yet applied to the adaptor: re-trigger udev as root, or unplug and replug the adaptor.</source>
        <translation>La regla de udev está instalada pero aún no se ha aplicado al adaptador: vuelve a disparar udev como root, o desconecta y vuelve a conectar el adaptador.</translation>
    </message>
    <message>
        <source>The adaptor is given to the person at the machine, and this session has no seat (over SSH or outside a desktop login): run the program from the desktop session at the machine.</source>
        <translation>El adaptador se asigna a la persona sentada ante el equipo, y esta sesión no tiene puesto (por SSH o fuera de un inicio de sesión de escritorio): ejecuta el programa desde la sesión de escritorio del equipo.</translation>
    </message>
    <message>
        <source>The rule is applied and this session has a seat, yet the system refuses the adaptor: unplug it and plug it in again.</source>
        <translation>La regla está aplicada y esta sesión tiene puesto, pero el sistema rechaza el adaptador: desconéctalo y vuelve a conectarlo.</translation>
    </message>
    <message>
        <source>no refusal</source>
        <translation>sin rechazo</translation>
    </message>
    <message>
        <source>the sandbox hides the device</source>
        <translation>el entorno aislado oculta el dispositivo</translation>
    </message>
    <message>
        <source>the sandbox hides the udev database</source>
        <translation>el entorno aislado oculta la base de datos de udev</translation>
    </message>
    <message>
        <source>no udev rule installed</source>
        <translation>no hay regla de udev instalada</translation>
    </message>
    <message>
        <source>the udev rule is in a folder udev does not read</source>
        <translation>la regla de udev está en una carpeta que udev no lee</translation>
    </message>
    <message>
        <source>udev has not applied the rule yet</source>
        <translation>udev aún no ha aplicado la regla</translation>
    </message>
    <message>
        <source>this session has no seat</source>
        <translation>esta sesión no tiene puesto</translation>
    </message>
    <message>
        <source>refused although the rule applies</source>
        <translation>rechazado aunque la regla se aplica</translation>
    </message>
    <message>
        <source>Adaptor nodes:
</source>
        <translation>Nodos de adaptadores:
</translation>
    </message>
    <message>
        <source>  none of our vendor in /sys/class/hidraw
</source>
        <translation>  ninguno de nuestro fabricante en /sys/class/hidraw
</translation>
    </message>
    <message>
        <source>Rule %1:
</source>
        <translation>Regla %1:
</translation>
    </message>
    <message>
        <source>present</source>
        <translation>presente</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>falta</translation>
    </message>
    <message>
        <source> (udev does not read this folder on Debian)</source>
        <translation> (udev no lee esta carpeta en Debian)</translation>
    </message>
    <message>
        <source>Sandbox: </source>
        <translation>Entorno aislado: </translation>
    </message>
    <message>
        <source>udev database: </source>
        <translation>Base de datos de udev: </translation>
    </message>
    <message>
        <source>visible</source>
        <translation>visible</translation>
    </message>
    <message>
        <source>not visible</source>
        <translation>no visible</translation>
    </message>
    <message>
        <source>Fix: </source>
        <translation>Solución: </translation>
    </message>
    <message>
        <source>The access diagnosis is made on Linux only; here, close any other program that uses the adaptor, or unplug it and plug it in again.</source>
        <translation>El diagnóstico de acceso solo se hace en Linux; aquí, cierra cualquier otro programa que use el adaptador, o desconéctalo y vuelve a conectarlo.</translation>
    </message>
    <message>
        <source>Windows opens the adaptor with its own driver for input devices, so none needs installing: close any other program that uses the adaptor, or unplug it and plug it in again.</source>
        <translation>Windows abre el adaptador con su propio controlador de dispositivos de entrada, así que no hay que instalar ninguno: cierra cualquier otro programa que use el adaptador, o desconéctalo y vuelve a conectarlo.</translation>
    </message>
    <message>
        <source>the system refused to open it</source>
        <translation>el sistema se negó a abrirlo</translation>
    </message>
    <message>
        <source>Not on this system: it has no hidraw nodes, udev rules or seats to look at.
</source>
        <translation>No en este sistema: no tiene nodos hidraw, reglas udev ni puestos que examinar.
</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but the system does not let this program open it. Install 70-shifter-calibration.rules (see README), then run &quot;udevadm control --reload-rules&quot; and &quot;udevadm trigger&quot; as root, or unplug and replug the adaptor.</source>
        <translation>El adaptador está conectado, pero el sistema no deja que este programa lo abra. Instala 70-shifter-calibration.rules (consulta el README) y luego ejecuta «udevadm control --reload-rules» y «udevadm trigger» como root, o desconecta y vuelve a conectar el adaptador.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>read</source>
        <translation>leído</translation>
    </message>
    <message>
        <source>stored by Update settings</source>
        <translation>guardado con Actualizar ajustes</translation>
    </message>
    <message>
        <source>stored at close</source>
        <translation>guardado al cerrar</translation>
    </message>
    <message>
        <source>stored all six</source>
        <translation>guardados los seis</translation>
    </message>
    <message>
        <source>stored by command</source>
        <translation>guardado por comando</translation>
    </message>
    <message>
        <source>restored</source>
        <translation>restaurado</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>The recording never lists an adaptor, so there is nothing to simulate.</source>
        <translation>La grabación no incluye ningún adaptador, así que no hay nada que simular.</translation>
    </message>
    <message>
        <source>This is not a session recording: its first line does not name the format &quot;%1&quot; and its version.</source>
        <translation>Esto no es una grabación de sesión: su primera línea no indica el formato «%1» y su versión.</translation>
    </message>
    <message>
        <source>This recording is of format version %1, newer than the version %2 this program reads.</source>
        <translation>Esta grabación tiene la versión de formato %1, más reciente que la versión %2 que lee este programa.</translation>
    </message>
    <message>
        <source>The recording&apos;s first line lacks the program, the platform or the date.</source>
        <translation>A la primera línea de la grabación le falta el programa, la plataforma o la fecha.</translation>
    </message>
    <message>
        <source>The recording is larger than the %1 MB a recording may hold.</source>
        <translation>La grabación supera los %1 MB que puede contener una grabación.</translation>
    </message>
    <message>
        <source>The recording is empty.</source>
        <translation>La grabación está vacía.</translation>
    </message>
    <message>
        <source>The recording is damaged at line %1.</source>
        <translation>La grabación está dañada en la línea %1.</translation>
    </message>
    <message>
        <source>The recording is cut short: it ends before its closing line.</source>
        <translation>La grabación está incompleta: termina antes de su línea final.</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>Shifter calibration</source>
        <translation>Calibración de la palanca de cambios</translation>
    </message>
    <message>
        <source>nothing reads from it</source>
        <translation>nada lee de él</translation>
    </message>
    <message>
        <source>it is a symbolic link, which is not followed</source>
        <translation>es un enlace simbólico, que no se sigue</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>ocupa más de %1 bytes</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>El archivo</translation>
    </message>
    <message>
        <source>The file %1</source>
        <translation>El archivo %1</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 está vacío.</translation>
    </message>
    <message>
        <source>%1 is damaged or is not JSON (%2 at byte %3).</source>
        <translation>%1 está dañado o no es JSON (%2 en el byte %3).</translation>
    </message>
    <message>
        <source>%1 is not a calibration exported by this program.</source>
        <translation>%1 no es una calibración exportada por este programa.</translation>
    </message>
    <message>
        <source>%1 has format version %2, which this version of the program cannot read.</source>
        <translation>%1 tiene la versión de formato %2, que esta versión del programa no puede leer.</translation>
    </message>
    <message>
        <source>%1 is damaged: the adaptor it came from is missing.</source>
        <translation>%1 está dañado: falta el adaptador del que procede.</translation>
    </message>
    <message>
        <source>%1 is refused: %2.</source>
        <translation>%1 se rechaza: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo %1: %2.</translation>
    </message>
    <message>
        <source>the thresholds are missing</source>
        <translation>faltan los umbrales</translation>
    </message>
    <message>
        <source>%1 is missing or not a number</source>
        <translation>%1 falta o no es un número</translation>
    </message>
    <message>
        <source>%1 is %2, not a whole number from 0 to 255</source>
        <translation>%1 vale %2, no un número entero de 0 a 255</translation>
    </message>
    <message>
        <source>product %1</source>
        <translation>producto %1</translation>
    </message>
    <message>
        <source>The calibration history is not kept: no home folder was found (set HOME to an absolute path).</source>
        <translation>No se lleva el historial de calibraciones: no se encontró ninguna carpeta personal (define HOME con una ruta absoluta).</translation>
    </message>
    <message>
        <source>: it is not a regular file</source>
        <translation>: no es un archivo normal</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>otro programa lo tiene</translation>
    </message>
    <message>
        <source>The calibration history %1 is damaged</source>
        <translation>El historial de calibraciones %1 está dañado</translation>
    </message>
    <message>
        <source>The calibration history cannot be read: %1</source>
        <translation>No se puede leer el historial de calibraciones: %1</translation>
    </message>
    <message>
        <source>The calibration history could not be saved: %1</source>
        <translation>No se pudo guardar el historial de calibraciones: %1</translation>
    </message>
    <message>
        <source>: the folder cannot be created</source>
        <translation>: no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>: it is damaged and cannot be moved aside: </source>
        <translation>: está dañado y no se puede apartar: </translation>
    </message>
    <message>
        <source>The calibration history %1 was damaged; it was kept as %2 and a new one started</source>
        <translation>El historial de calibraciones %1 estaba dañado; se guardó como %2 y se empezó uno nuevo</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>es un enlace simbólico</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <source>others may use it (its mode is %1, not 700)</source>
        <translation>otros pueden usarla (su modo es %1, no 700)</translation>
    </message>
    <message>
        <source>Shifter calibration keeps its lock in %1, but that is not a folder of your own that only you may use: %2. Remove it and start again.</source>
        <translation>La calibración de la palanca de cambios guarda su bloqueo en %1, pero no es una carpeta tuya que solo tú puedas usar: %2. Elimínala y vuelve a empezar.</translation>
    </message>
    <message>
        <source>Shifter calibration is already running; close it before starting it again.</source>
        <translation>La calibración de la palanca de cambios ya está en marcha; ciérrala antes de volver a iniciarla.</translation>
    </message>
    <message>
        <source>Shifter calibration cannot take its lock %1. Remove it and start again.</source>
        <translation>La calibración de la palanca de cambios no puede tomar su bloqueo %1. Elimínalo y vuelve a empezar.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>A Shifter calibration command is using the adaptors; try again when it has ended.</source>
        <translation>Un comando de la calibración de la palanca de cambios está usando los adaptadores; vuelve a intentarlo cuando haya terminado.</translation>
    </message>
    <message>
        <source>the program was not given that descriptor</source>
        <translation>al programa no se le dio ese descriptor</translation>
    </message>
    <message>
        <source>it is another user&apos;s file in a shared folder</source>
        <translation>es el archivo de otro usuario en una carpeta compartida</translation>
    </message>
    <message>
        <source>: its folder does not exist</source>
        <translation>: su carpeta no existe</translation>
    </message>
</context>
<context>
    <name>Thresholds</name>
    <message>
        <source>%1 is %2, not a threshold (%3)</source>
        <translation>%1 es %2, no es un umbral (%3)</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Actualizar firmware</translation>
    </message>
    <message>
        <source>Done.Exiting...</source>
        <translation>Hecho. Saliendo...</translation>
    </message>
    <message>
        <source>Sending firmware: %1 of %2</source>
        <translation>Enviando firmware: %1 de %2</translation>
    </message>
    <message>
        <source>Contents of shifter EEPROM memory</source>
        <translation>Contenido de la memoria EEPROM de la palanca</translation>
    </message>
    <message>
        <source>your adaptor&apos;s support</source>
        <translation>el soporte de tu adaptador</translation>
    </message>
    <message>
        <source>This is shifter EEPROM contents. Please copy (Ctrl+C) and email this text to %1 for analysis. Thank you!</source>
        <translation>Este es el contenido de la EEPROM de la palanca. Copia este texto (Ctrl+C) y envíalo por correo a %1 para su análisis. ¡Gracias!</translation>
    </message>
    <message>
        <source>The adaptor&apos;s feature reports are %1 bytes long, but firmware blocks need %2 to %3 bytes, so nothing was sent.</source>
        <translation>Los informes de características del adaptador miden %1 bytes, pero los bloques de firmware necesitan de %2 a %3 bytes, así que no se envió nada.</translation>
    </message>
    <message>
        <source>The built-in firmware image is %1 bytes long, not a whole number of %2-byte blocks, so nothing was sent.</source>
        <translation>La imagen de firmware integrada mide %1 bytes, que no es un número entero de bloques de %2 bytes, así que no se envió nada.</translation>
    </message>
    <message>
        <source>This build carries no adaptor firmware, only a test image, so nothing was sent to the adaptor.</source>
        <translation>Esta versión no lleva firmware del adaptador, solo una imagen de prueba, así que no se envió nada al adaptador.</translation>
    </message>
    <message>
        <source>No threshold could be proposed yet: see the assistant&apos;s warnings</source>
        <translation>Aún no se puede proponer ningún umbral: mira las advertencias del asistente</translation>
    </message>
    <message>
        <source>Proposed thresholds are in the boxes: press &quot;Update settings&quot; to store them</source>
        <translation>Los umbrales propuestos están en las casillas: pulsa «Actualizar ajustes» para guardarlos</translation>
    </message>
    <message>
        <source>Gear %1</source>
        <translation>Marcha %1</translation>
    </message>
    <message>
        <source>Lever position X %1, Y %2</source>
        <translation>Posición de la palanca X %1, Y %2</translation>
    </message>
    <message>
        <source>left vertical line</source>
        <translation>línea vertical izquierda</translation>
    </message>
    <message>
        <source>right vertical line</source>
        <translation>línea vertical derecha</translation>
    </message>
    <message>
        <source>upper horizontal line</source>
        <translation>línea horizontal superior</translation>
    </message>
    <message>
        <source>lower horizontal line</source>
        <translation>línea horizontal inferior</translation>
    </message>
    <message>
        <source>first sequential line</source>
        <translation>primera línea secuencial</translation>
    </message>
    <message>
        <source>second sequential line</source>
        <translation>segunda línea secuencial</translation>
    </message>
    <message>
        <source>Store all six thresholds</source>
        <translation>Guardar los seis umbrales</translation>
    </message>
    <message>
        <source>Nothing was stored: the adaptor&apos;s thresholds could not be read when it connected. Unplug the adaptor, plug it in again and retry.</source>
        <translation>No se guardó nada: los umbrales del adaptador no se pudieron leer al conectarse. Desconecta el adaptador, vuelve a conectarlo e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Stored all six thresholds in the adaptor</source>
        <translation>Guardados los seis umbrales en el adaptador</translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of the six thresholds; try again</source>
        <translation>El adaptador no aceptó %1 de los seis umbrales; inténtalo de nuevo</translation>
    </message>
    <message>
        <source>%1 shows %2, which is not a threshold (%3): %1 stays %4</source>
        <translation>%1 muestra %2, que no es un umbral (%3): %1 sigue en %4</translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of %2 values; try again</source>
        <translation>El adaptador no aceptó %1 de %2 valores; inténtalo de nuevo</translation>
    </message>
    <message>
        <source>Stored in the adaptor: </source>
        <translation>Guardado en el adaptador: </translation>
    </message>
    <message>
        <source>Update settings</source>
        <translation>Actualizar ajustes</translation>
    </message>
    <message>
        <source>The adaptor&apos;s stored settings could not be read, so nothing was stored. Unplug the adaptor, plug it in again and retry.</source>
        <translation>No se pudieron leer los ajustes guardados del adaptador, así que no se guardó nada. Desconecta el adaptador, vuelve a conectarlo e inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Read shifter memory</source>
        <translation>Leer memoria</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Producto</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricante</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Lever position</source>
        <translation>Posición de la palanca</translation>
    </message>
    <message>
        <source>0 to 254</source>
        <translation>de 0 a 254</translation>
    </message>
    <message>
        <source>Corvane Shifter interface calibration v1.5</source>
        <translation>Calibración de la interfaz de cambio Corvane v1.5</translation>
    </message>
    <message>
        <source>Kelvo/Mirad shifter interface calibration</source>
        <translation>Calibración de la interfaz de cambio Kelvo/Mirad</translation>
    </message>
    <message>
        <source>Mirad shifter interface calibration v1.5</source>
        <translation>Calibración de la interfaz de cambio Mirad v1.5</translation>
    </message>
    <message>
        <source>Kelvo shifter interface calibration v1.5</source>
        <translation>Calibración de la interfaz de cambio Kelvo v1.5</translation>
    </message>
    <message>
        <source>USB shifter interface calibration v1.5</source>
        <translation>Calibración de la interfaz de cambio USB v1.5</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but it could not be read: its report sizes are unknown. Unplug the adaptor and plug it in again.</source>
        <translation>El adaptador está conectado, pero no se pudo leer: se desconoce el tamaño de sus informes. Desconecta el adaptador y vuelve a conectarlo.</translation>
    </message>
    <message>
        <source>No adaptor found. Plug one in: the window comes alive by itself.</source>
        <translation>No se encontró ningún adaptador. Conecta uno: la ventana se activa sola.</translation>
    </message>
    <message>
        <source>Simulated adaptor: nothing is kept when the program ends</source>
        <translation>Adaptador simulado: no se conserva nada al cerrar el programa</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but its feature reports are %1 bytes long, and this program can exchange settings only in reports of %2 to %3 bytes: nothing is sent to it.</source>
        <translation>El adaptador está conectado, pero sus informes de características miden %1 bytes, y este programa solo puede intercambiar ajustes en informes de %2 a %3 bytes: no se le envía nada.</translation>
    </message>
    <message>
        <source>The firmware image was sent; please unplug the adaptor and plug it in again. This program now closes.</source>
        <translation>Se envió la imagen del firmware; desconecta el adaptador y vuelve a conectarlo. Este programa se cierra ahora.</translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of the %2 firmware blocks and is still waiting for a firmware image, so please start this program again and repeat the upgrade. This program now closes.</source>
        <translation>El adaptador no aceptó %1 de los %2 bloques del firmware y sigue esperando una imagen de firmware, así que vuelve a iniciar este programa y repite la actualización. Este programa se cierra ahora.</translation>
    </message>
    <message>
        <source>%1 lies left of %2</source>
        <translation>%1 está a la izquierda de %2</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 está por encima de %2</translation>
    </message>
    <message>
        <source>%1: the lines have crossed</source>
        <translation>%1: las líneas se han cruzado</translation>
    </message>
    <message>
        <source>Reads the adaptor&apos;s 128 bytes of memory and shows them for support</source>
        <translation>Lee los 128 bytes de memoria del adaptador y los muestra para el soporte</translation>
    </message>
    <message>
        <source>Stores the thresholds of the adaptor&apos;s current mode; closing the window stores all six</source>
        <translation>Guarda los umbrales del modo actual del adaptador; al cerrar la ventana se guardan los seis</translation>
    </message>
    <message>
        <source>Sends the built-in firmware to the adaptor; asks first</source>
        <translation>Envía el firmware incluido al adaptador; pregunta antes</translation>
    </message>
    <message>
        <source>; the adaptor holds %1 until it is stored</source>
        <translation>; el adaptador conserva %1 hasta que se guarde</translation>
    </message>
    <message>
        <source>Simulated adaptor: its thresholds are lost when the program ends, its history is kept</source>
        <translation>Adaptador simulado: sus umbrales se pierden al cerrar el programa, su historial se conserva</translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) (is|are) not stored in the adaptor yet; closing the window stores (it|them)</source>
        <translation>
            <numerusform>%n valor aún no está guardado en el adaptador; al cerrar la ventana se guarda</numerusform>
            <numerusform>%n valores aún no están guardados en el adaptador; al cerrar la ventana se guardan</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was restored: %1</source>
        <translation>No se restauró nada: %1</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but the system does not let this program open it.</source>
        <translation>El adaptador está conectado, pero el sistema no deja que este programa lo abra.</translation>
    </message>
    <message>
        <source>the program&apos;s test image (%1 bytes), not adaptor firmware</source>
        <translation>la imagen de prueba del programa (%1 bytes), no firmware del adaptador</translation>
    </message>
    <message>
        <source>the built-in firmware (%1 bytes, SHA-256 %2)</source>
        <translation>el firmware incluido (%1 bytes, SHA-256 %2)</translation>
    </message>
    <message>
        <source>The adaptor is waiting for new firmware. Upgrade Firmware sends it %1, which takes a few seconds. Keep the adaptor plugged in until it is done. When it is done, this program closes.

Send the firmware now?</source>
        <translation>El adaptador está esperando un firmware nuevo. Actualizar firmware le envía %1, lo que tarda unos segundos. Mantén el adaptador conectado hasta que termine. Al terminar, este programa se cierra.

¿Enviar el firmware ahora?</translation>
    </message>
    <message>
        <source>Send firmware</source>
        <translation>Enviar firmware</translation>
    </message>
    <message>
        <source>The adaptor waits for its firmware, but this build carries none to send: only a test image.</source>
        <translation>El adaptador espera su firmware, pero esta versión no lleva ninguno que enviar: solo una imagen de prueba.</translation>
    </message>
    <message>
        <source>The adaptor waits for its firmware: press Upgrade Firmware to send it %1.</source>
        <translation>El adaptador espera su firmware: pulsa Actualizar firmware para enviarle %1.</translation>
    </message>
    <message>
        <source>Lever X %1</source>
        <translation>Palanca X %1</translation>
    </message>
    <message>
        <source>Lever Y %1</source>
        <translation>Palanca Y %1</translation>
    </message>
    <message>
        <source>Restored %1; the adaptor holds the same values</source>
        <translation>%1 restaurada; el adaptador tiene los mismos valores</translation>
    </message>
    <message>
        <source>Restored %1; to write it to the adaptor, choose %2</source>
        <translation>%1 restaurada; para guardarla en el adaptador, elige %2</translation>
    </message>
</context>
<context>
    <name>gui::About</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Calibrates the lever thresholds of a USB shifter adaptor.&lt;/p&gt;&lt;p&gt;Qt %3 (built with %4)&lt;br&gt;hidapi %5&lt;/p&gt;&lt;p&gt;Free software under the MIT License: you may use, copy, change and pass it on; it comes without any warranty. The full text is in the LICENSE file.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Calibra los umbrales de la palanca de un adaptador de palanca de cambios USB.&lt;/p&gt;&lt;p&gt;Qt %3 (compilado con %4)&lt;br&gt;hidapi %5&lt;/p&gt;&lt;p&gt;Software libre bajo la licencia MIT: puedes usarlo, copiarlo, modificarlo y compartirlo; se ofrece sin ninguna garantía. El texto completo está en el archivo LICENSE.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
</context>
<context>
    <name>gui::AccessDetails</name>
    <message>
        <source>Access to the adaptor</source>
        <translation>Acceso al adaptador</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>gui::AssistantWindow</name>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Grabar</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>&amp;Use these values</source>
        <translation>&amp;Usar estos valores</translation>
    </message>
    <message>
        <source>Calibration assistant</source>
        <translation>Asistente de calibración</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Paso</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>&lt;b&gt;Proposed thresholds&lt;/b&gt;</source>
        <translation>&lt;b&gt;Umbrales propuestos&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Waiting for the adaptor&apos;s lever reports...</source>
        <translation>Esperando los informes de la palanca del adaptador...</translation>
    </message>
    <message>
        <source>Sequential mode: take each step, then press Stop.</source>
        <translation>Modo secuencial: haz cada paso y luego pulsa Detener.</translation>
    </message>
    <message>
        <source>H-pattern mode: take each step, then press Stop.</source>
        <translation>Modo en H: haz cada paso y luego pulsa Detener.</translation>
    </message>
    <message>
        <source>recording: %1</source>
        <translation>grabando: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>left</source>
        <translation>a la izquierda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>a la derecha</translation>
    </message>
    <message>
        <source>below</source>
        <translation>por debajo</translation>
    </message>
    <message>
        <source>above</source>
        <translation>por encima</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 = %2&lt;/b&gt;, margin %3 %4, %5 %6</source>
        <translation>&lt;b&gt;%1 = %2&lt;/b&gt;, margen %3 %4, %5 %6</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Records the selected step</source>
        <translation>Graba el paso elegido</translation>
    </message>
    <message>
        <source>Ends the step&apos;s recording</source>
        <translation>Termina la grabación del paso</translation>
    </message>
    <message>
        <source>%1 chooses the next step, %2 the previous one</source>
        <translation>%1 elige el paso siguiente, %2 el anterior</translation>
    </message>
</context>
<context>
    <name>gui::CalibrationMenus</name>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Export calibration...</source>
        <translation>&amp;Exportar calibración...</translation>
    </message>
    <message>
        <source>&amp;Import calibration...</source>
        <translation>&amp;Importar calibración...</translation>
    </message>
    <message>
        <source>&amp;Revert to the values read at connection</source>
        <translation>&amp;Volver a los valores leídos al conectar</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historial...</translation>
    </message>
    <message>
        <source>&amp;Store all six thresholds</source>
        <translation>Guardar los &amp;seis umbrales</translation>
    </message>
    <message>
        <source>The adaptor&apos;s thresholds could not be read when it connected; unplug it and plug it in again.</source>
        <translation>Los umbrales del adaptador no se pudieron leer al conectarse; desconéctalo y vuelve a conectarlo.</translation>
    </message>
    <message>
        <source>The adaptor was unplugged meanwhile; nothing was restored.</source>
        <translation>El adaptador se desconectó entretanto; no se restauró nada.</translation>
    </message>
    <message>
        <source>The calibration could not be written: %1.</source>
        <translation>No se pudo escribir la calibración: %1.</translation>
    </message>
    <message>
        <source>Exported the calibration to %1</source>
        <translation>Calibración exportada a %1</translation>
    </message>
    <message>
        <source>This calibration was exported from %1, not from the connected %2. Use it anyway?</source>
        <translation>Esta calibración se exportó desde %1, no desde el %2 conectado. ¿Usarla de todos modos?</translation>
    </message>
    <message>
        <source>the calibration from %1</source>
        <translation>la calibración de %1</translation>
    </message>
    <message>
        <source>the calibration read at connection</source>
        <translation>la calibración leída al conectar</translation>
    </message>
    <message>
        <source>No history is kept for a simulated adaptor; start the program with --keep-history to keep one.</source>
        <translation>No se lleva historial de un adaptador simulado; inicia el programa con --keep-history para llevarlo.</translation>
    </message>
    <message>
        <source>the calibration of %1</source>
        <translation>la calibración del %1</translation>
    </message>
    <message>
        <source>Export calibration</source>
        <translation>Exportar calibración</translation>
    </message>
    <message>
        <source>Import calibration</source>
        <translation>Importar calibración</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Calibrations (*.json);;All files (*)</source>
        <translation>Calibraciones (*.json);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Nothing was restored: %1.</source>
        <translation>No se restauró nada: %1.</translation>
    </message>
    <message>
        <source>No adaptor has a history here yet: an adaptor&apos;s history starts when it first connects.</source>
        <translation>Aquí ningún adaptador tiene historial todavía: el historial de un adaptador empieza cuando se conecta por primera vez.</translation>
    </message>
    <message>
        <source>The history of which adaptor?</source>
        <translation>¿El historial de qué adaptador?</translation>
    </message>
</context>
<context>
    <name>gui::CalibrationTools</name>
    <message>
        <source>&amp;Colour the trace by gear</source>
        <translation>&amp;Colorear el trazo por marcha</translation>
    </message>
    <message>
        <source>Calibration &amp;assistant...</source>
        <translation>&amp;Asistente de calibración...</translation>
    </message>
</context>
<context>
    <name>gui::FormWidget</name>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Adaptor</source>
        <translation>A&amp;daptador</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Try the simulated adaptor</source>
        <translation>Probar el adaptador simulado</translation>
    </message>
</context>
<context>
    <name>gui::GearLegend</name>
    <message>
        <source>Colours of the trace: the gear the adaptor reported at each point</source>
        <translation>Colores del trazo: la marcha que el adaptador indicó en cada punto</translation>
    </message>
</context>
<context>
    <name>gui::HistoryDialog</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Historial de %1</translation>
    </message>
    <message>
        <source>Puts the chosen row&apos;s thresholds into the window; nothing is sent to the adaptor until you store them.</source>
        <translation>Pone los umbrales de la fila elegida en la ventana; no se envía nada al adaptador hasta que los guardes.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Evento</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Aceptado</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>Saves the chosen row&apos;s thresholds to a calibration file.</source>
        <translation>Guarda los umbrales de la fila elegida en un archivo de calibración.</translation>
    </message>
    <message>
        <source>Connect this adaptor to restore a calibration into the window.</source>
        <translation>Conecta este adaptador para restaurar una calibración en la ventana.</translation>
    </message>
</context>
<context>
    <name>gui::InputDialog</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>gui::SupportRecording</name>
    <message>
        <source>Record a session for support...</source>
        <translation>Grabar una sesión para el soporte...</translation>
    </message>
    <message>
        <source>Record a session for support</source>
        <translation>Grabar una sesión para el soporte</translation>
    </message>
    <message>
        <source>A recording holds every report the program exchanges with the adaptor, with the adaptor&apos;s serial number and thresholds. Start it, do what goes wrong (the dialog may be closed meanwhile), then stop it and save it to attach to your report.</source>
        <translation>Una grabación contiene cada informe que el programa intercambia con el adaptador, con el número de serie y los umbrales del adaptador. Iníciala, haz lo que falla (puedes cerrar el diálogo mientras tanto), luego detenla y guárdala para adjuntarla a tu aviso.</translation>
    </message>
    <message>
        <source>Not recording.</source>
        <translation>Sin grabar.</translation>
    </message>
    <message>
        <source>Recording: %1 KB so far.</source>
        <translation>Grabando: %1 KB hasta ahora.</translation>
    </message>
    <message>
        <source>Stopped: the recording holds %1 KB.</source>
        <translation>Detenida: la grabación contiene %1 KB.</translation>
    </message>
    <message>
        <source>Stopped at the size limit: the recording holds %1 KB.</source>
        <translation>Detenida al llegar al límite de tamaño: la grabación contiene %1 KB.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Save the recording</source>
        <translation>Guardar la grabación</translation>
    </message>
    <message>
        <source>Session recordings (*.rec)</source>
        <translation>Grabaciones de sesión (*.rec)</translation>
    </message>
    <message>
        <source>The recording was not saved: could not write %1.</source>
        <translation>No se guardó la grabación: no se pudo escribir %1.</translation>
    </message>
    <message>
        <source>Leave out the serial number and the device paths</source>
        <translation>Omitir el número de serie y las rutas de los dispositivos</translation>
    </message>
    <message>
        <source>The recording has not been saved. Discard it?</source>
        <translation>La grabación no se ha guardado. ¿Descartarla?</translation>
    </message>
</context>
</TS>
