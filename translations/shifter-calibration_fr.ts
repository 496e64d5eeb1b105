<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Assistant</name>
    <message>
        <source>No flickers in the last minute</source>
        <translation>Aucun battement dans la dernière minute</translation>
    </message>
    <message numerus="yes">
        <source>%n flicker(s) in the last minute</source>
        <translation>
            <numerusform>%n battement dans la dernière minute</numerusform>
            <numerusform>%n battements dans la dernière minute</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flicker(s) near %1 at %2 %3 in the last minute</source>
        <translation>
            <numerusform>%n battement près de %1 à %2 %3 dans la dernière minute</numerusform>
            <numerusform>%n battements près de %1 à %2 %3 dans la dernière minute</numerusform>
        </translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>No records of %1 yet: %2 needs them</source>
        <translation>Pas encore d’enregistrement de %1 : %2 en a besoin</translation>
    </message>
    <message>
        <source>%1 and %2 overlap in %3 between %4 and %5: the lever or the adaptor reads them too close together</source>
        <translation>%1 et %2 se chevauchent en %3 entre %4 et %5 : le levier ou l’adaptateur les lit trop près l’un de l’autre</translation>
    </message>
    <message>
        <source>%1 and %2 are only %3 apart in %4 between %5 and %6: a threshold there would be under %7 from one of them</source>
        <translation>%1 et %2 ne sont qu’à %3 l’un de l’autre en %4 entre %5 et %6 : un seuil à cet endroit serait à moins de %7 de l’un d’eux</translation>
    </message>
    <message>
        <source>Move the lever along neutral from far left to far right</source>
        <translation>Déplacez le levier au point mort de l’extrême gauche à l’extrême droite</translation>
    </message>
    <message>
        <source>Put it in 1st and move it around in the gate</source>
        <translation>Passez la 1re et bougez le levier dans son couloir</translation>
    </message>
    <message>
        <source>Put it in 2nd and move it around in the gate</source>
        <translation>Passez la 2e et bougez le levier dans son couloir</translation>
    </message>
    <message>
        <source>Put it in 3rd and move it around in the gate</source>
        <translation>Passez la 3e et bougez le levier dans son couloir</translation>
    </message>
    <message>
        <source>Put it in 4th and move it around in the gate</source>
        <translation>Passez la 4e et bougez le levier dans son couloir</translation>
    </message>
    <message>
        <source>Put it in 5th and move it around in the gate</source>
        <translation>Passez la 5e et bougez le levier dans son couloir</translation>
    </message>
    <message>
        <source>Put it in 6th and move it around in the gate</source>
        <translation>Passez la 6e et bougez le levier dans son couloir</translation>
    </message>
    <message>
        <source>Optionally, put it in reverse and move it around in the gate</source>
        <translation>Facultatif : passez la marche arrière et bougez le levier dans son couloir</translation>
    </message>
    <message>
        <source>Let the lever rest</source>
        <translation>Laissez le levier au repos</translation>
    </message>
    <message>
        <source>Push it to +</source>
        <translation>Poussez-le vers +</translation>
    </message>
    <message>
        <source>Pull it to -</source>
        <translation>Tirez-le vers -</translation>
    </message>
    <message>
        <source>neutral</source>
        <translation>point mort</translation>
    </message>
    <message>
        <source>1st</source>
        <translation>1re</translation>
    </message>
    <message>
        <source>2nd</source>
        <translation>2e</translation>
    </message>
    <message>
        <source>3rd</source>
        <translation>3e</translation>
    </message>
    <message>
        <source>4th</source>
        <translation>4e</translation>
    </message>
    <message>
        <source>5th</source>
        <translation>5e</translation>
    </message>
    <message>
        <source>6th</source>
        <translation>6e</translation>
    </message>
    <message>
        <source>reverse</source>
        <translation>marche arrière</translation>
    </message>
    <message>
        <source>rest</source>
        <translation>repos</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>this build has no window; run one of the commands, such as --read.
Try --help.
</source>
        <translation>cette version n’a pas de fenêtre ; lancez l’une des commandes, par exemple --read.
Essayez --help.
</translation>
    </message>
    <message>
        <source>there is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set). The commands, such as --read, work without one.
Try --help.
</source>
        <translation>aucun écran où afficher la fenêtre (ni DISPLAY ni WAYLAND_DISPLAY n’est défini). Les commandes, par exemple --read, fonctionnent sans écran.
Essayez --help.
</translation>
    </message>
    <message>
        <source>could not write %1</source>
        <translation>impossible d’écrire %1</translation>
    </message>
    <message>
        <source>%1: %2
Try --help.
</source>
        <translation>%1 : %2
Essayez --help.
</translation>
    </message>
    <message>
        <source>Lists each adaptor present: path, product, version, serial number and whether this user may open it (if not: why).</source>
        <translation>Liste chaque adaptateur présent : chemin, produit, version, numéro de série et si cet utilisateur peut l’ouvrir (sinon : pourquoi).</translation>
    </message>
    <message>
        <source>Shows the adaptor&apos;s identity and its six stored thresholds; writes nothing.</source>
        <translation>Affiche l’identité de l’adaptateur et ses six seuils enregistrés ; n’écrit rien.</translation>
    </message>
    <message>
        <source>Stores all six thresholds of a calibration exported from the window (File &gt; Export calibration...).</source>
        <translation>Enregistre les six seuils d’un étalonnage exporté depuis la fenêtre (Fichier &gt; Exporter l’étalonnage...).</translation>
    </message>
    <message>
        <source>Shows the adaptor&apos;s 128 bytes of memory as hex text.</source>
        <translation>Affiche les 128 octets de mémoire de l’adaptateur en hexadécimal.</translation>
    </message>
    <message>
        <source>Writes a support report to FILE (- for standard output).</source>
        <translation>Écrit un rapport pour l’assistance dans FILE (- pour la sortie standard).</translation>
    </message>
    <message>
        <source>--%1 applies to --simulate only</source>
        <translation>--%1 ne s’applique qu’avec --simulate</translation>
    </message>
    <message>
        <source>unknown lever &apos;%1&apos; for --lever: use tour, assistant or assistant-sequential</source>
        <translation>levier « %1 » inconnu pour --lever : utilisez tour, assistant ou assistant-sequential</translation>
    </message>
    <message>
        <source>--gates applies to --lever=assistant only</source>
        <translation>--gates ne s’applique qu’avec --lever=assistant</translation>
    </message>
    <message>
        <source>--gates needs three X positions 0..255 from left to right, such as 40,165,215, not &apos;%1&apos;</source>
        <translation>--gates demande trois positions X de 0 à 255 de gauche à droite, par ex. 40,165,215, et non « %1 »</translation>
    </message>
    <message>
        <source>--noise needs a whole number of units 0..%1, not &apos;%2&apos;</source>
        <translation>--noise demande un nombre entier d’unités de 0 à %1, et non « %2 »</translation>
    </message>
    <message>
        <source>Calibrates the lever thresholds of a USB shifter adaptor.</source>
        <translation>Étalonne les seuils du levier d’un adaptateur de boîte de vitesses USB.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Affiche cette aide.</translation>
    </message>
    <message>
        <source>Shows the program&apos;s version.</source>
        <translation>Affiche la version du programme.</translation>
    </message>
    <message>
        <source>Reports a second the simulated adaptor sends (default 125).</source>
        <translation>Rapports par seconde envoyés par l’adaptateur simulé (125 par défaut).</translation>
    </message>
    <message>
        <source>Saves a PNG picture of the window to FILE after about two seconds, then closes the window.</source>
        <translation>Enregistre une image PNG de la fenêtre dans FILE après environ deux secondes, puis ferme la fenêtre.</translation>
    </message>
    <message>
        <source>Keeps the calibration history of a simulated adaptor in the user&apos;s data folder, as it is always kept for real adaptors.</source>
        <translation>Tient l’historique des étalonnages d’un adaptateur simulé dans le dossier de données de l’utilisateur, comme toujours pour les vrais adaptateurs.</translation>
    </message>
    <message>
        <source>How the simulated lever moves: tour (the default) goes through the gears of both modes; assistant follows the calibration assistant&apos;s H-pattern steps, assistant-sequential its sequential ones.</source>
        <translation>Comment bouge le levier simulé : tour (par défaut) passe les vitesses des deux modes ; assistant suit les étapes en H de l’assistant d’étalonnage, assistant-sequential ses étapes séquentielles.</translation>
    </message>
    <message>
        <source>X of the assistant lever&apos;s left, middle and right gates (default 40,165,215, where the factory thresholds read some of 3rd as 5th).</source>
        <translation>X des couloirs gauche, central et droit du levier de l’assistant (40,165,215 par défaut, où les seuils d’usine lisent une partie de la 3e comme la 5e).</translation>
    </message>
    <message>
        <source>Units the simulated lever shakes in X and Y (default 3 for the assistant&apos;s lever, 0 for the tour).</source>
        <translation>Unités dont le levier simulé tremble en X et Y (3 par défaut pour le levier de l’assistant, 0 pour le tour).</translation>
    </message>
    <message>
        <source>With --read: answers in JSON.</source>
        <translation>Avec --read : répond en JSON.</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>Utilisation : %1 [options]</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 est donné plus d’une fois</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>--report-rate applies to --simulate only</source>
        <translation>--report-rate ne s’applique qu’avec --simulate</translation>
    </message>
    <message>
        <source>--report-rate needs a number of reports a second above 0 and at most %1, not &apos;%2&apos;</source>
        <translation>--report-rate demande un nombre de rapports par seconde supérieur à 0 et au plus %1, et non « %2 »</translation>
    </message>
    <message>
        <source>give one command at a time</source>
        <translation>une seule commande à la fois</translation>
    </message>
    <message>
        <source>--%1 needs %2</source>
        <translation>--%1 demande %2</translation>
    </message>
    <message>
        <source>--json applies to --read only</source>
        <translation>--json ne s’applique qu’avec --read</translation>
    </message>
    <message>
        <source>--screenshot needs a file name</source>
        <translation>--screenshot demande un nom de fichier</translation>
    </message>
    <message>
        <source>The calibration window is using the adaptors; close it, then run the command again.
</source>
        <translation>La fenêtre d’étalonnage utilise les adaptateurs ; fermez-la, puis relancez la commande.
</translation>
    </message>
    <message>
        <source>Could not write %1
</source>
        <translation>Impossible d’écrire %1
</translation>
    </message>
    <message>
        <source>Support report written to %1
</source>
        <translation>Rapport pour l’assistance écrit dans %1
</translation>
    </message>
    <message>
        <source>the picture could not be made</source>
        <translation>l’image n’a pas pu être créée</translation>
    </message>
    <message>
        <source>--%1 needs a file name, and %2 is a folder</source>
        <translation>--%1 demande un nom de fichier, et %2 est un dossier</translation>
    </message>
    <message>
        <source>--%1 cannot write into the folder %2</source>
        <translation>--%1 ne peut pas écrire dans le dossier %2</translation>
    </message>
    <message>
        <source>Runs on a simulated adaptor whose lever moves by itself: kelvo (when no value is given), mirad, usb or loader; or on the adaptor a recording made with --record holds, given as --simulate=FILE.</source>
        <translation>Fonctionne avec un adaptateur simulé dont le levier bouge tout seul : kelvo (sans valeur donnée), mirad, usb ou loader ; ou avec l’adaptateur que contient un enregistrement fait avec --record, donné sous la forme --simulate=FILE.</translation>
    </message>
    <message>
        <source>Records every call to the adaptors and each answer into FILE, with the window or any command. The recording holds the adaptor&apos;s serial number and thresholds; it stops at 50 MB.</source>
        <translation>Enregistre chaque appel aux adaptateurs et chaque réponse dans FILE, avec la fenêtre ou toute commande. L’enregistrement contient le numéro de série et les seuils de l’adaptateur ; il s’arrête à 50 Mo.</translation>
    </message>
    <message>
        <source>With --record: writes a stand-in for the serial number and the device paths.</source>
        <translation>Avec --record : écrit un substitut à la place du numéro de série et des chemins des périphériques.</translation>
    </message>
    <message>
        <source>Opens the window at FACTOR times the design&apos;s size (0.4 to 8), and keeps its size, place and View choices for the next run unchanged.</source>
        <translation>Ouvre la fenêtre à FACTOR fois la taille prévue (0,4 à 8), sans changer la taille, la position ni les choix du menu Affichage gardés pour le prochain lancement.</translation>
    </message>
    <message>
        <source>unknown adaptor &apos;%1&apos; for --simulate: use kelvo, mirad, usb, loader or a recording&apos;s file</source>
        <translation>adaptateur « %1 » inconnu pour --simulate : utilisez kelvo, mirad, usb, loader ou le fichier d’un enregistrement</translation>
    </message>
    <message>
        <source>--%1 needs the window, not a command</source>
        <translation>--%1 demande la fenêtre, pas une commande</translation>
    </message>
    <message>
        <source>--scale needs a factor from %1 to %2, not &apos;%3&apos;</source>
        <translation>--scale demande un facteur de %1 à %2, et non « %3 »</translation>
    </message>
    <message>
        <source>%1 is larger than the %2 MB a recording may hold</source>
        <translation>%1 dépasse les %2 Mo qu’un enregistrement peut contenir</translation>
    </message>
    <message>
        <source>cannot read the recording %1: %2</source>
        <translation>impossible de lire l’enregistrement %1 : %2</translation>
    </message>
    <message>
        <source>Could not write the recording %1</source>
        <translation>Impossible d’écrire l’enregistrement : %1</translation>
    </message>
    <message>
        <source>The recording reached its size limit of %1 MB and stopped; %2 holds the session up to then.</source>
        <translation>L’enregistrement a atteint sa taille limite de %1 Mo et s’est arrêté ; %2 contient la session jusque-là.</translation>
    </message>
    <message>
        <source>Recorded the session to %1.</source>
        <translation>Session enregistrée dans %1.</translation>
    </message>
    <message>
        <source>--%1 cannot write %2</source>
        <translation>--%1 ne peut pas écrire %2</translation>
    </message>
    <message>
        <source>--record would replace %1, the recording being played; record into another file</source>
        <translation>--record remplacerait %1, l’enregistrement en cours de lecture ; enregistrez dans un autre fichier</translation>
    </message>
    <message>
        <source>Could not save the recording now (%1); it is saved again at the next save and at the end.</source>
        <translation>Impossible de sauvegarder l’enregistrement maintenant (%1) ; il sera sauvegardé à nouveau à la prochaine sauvegarde et à la fin.</translation>
    </message>
    <message>
        <source>Another program is recording into %1; nothing was recorded.</source>
        <translation>Un autre programme enregistre dans %1 ; rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>The simulated adaptor could not be started; start the program with --simulate.</source>
        <translation>L’adaptateur simulé n’a pas pu être lancé ; lancez le programme avec --simulate.</translation>
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
Codes de sortie :
  0  terminé
  1  l’adaptateur a refusé un rapport ou n’y a pas répondu, un fichier ou la sortie
     standard n’a pas pu être écrit, ou la fenêtre n’a pas d’écran
  2  ligne de commande ou valeurs incorrectes ; rien n’a été envoyé
  3  une autre instance (la fenêtre) utilise les adaptateurs ; rien n’a été envoyé
  4  aucun adaptateur n’a pu être ouvert

--read --json affiche un objet : path, productId (nombre), product, manufacturer,
productName, version, serialNumber et thresholds {V1, V2, H1, H2, SeqH1, SeqH2}
(nombres de 0 à 255 ; absent pour le chargeur de firmware).
</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option « %1 » inconnue</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 ne prend pas de valeur</translation>
    </message>
    <message>
        <source>--%1 does not apply to a recording, which plays the reports it holds</source>
        <translation>--%1 ne s’applique pas à un enregistrement, qui rejoue ses propres rapports</translation>
    </message>
    <message>
        <source>--record-anonymous applies to --record only</source>
        <translation>--record-anonymous ne s’applique qu’avec --record</translation>
    </message>
    <message>
        <source>--record needs a file name</source>
        <translation>--record demande un nom de fichier</translation>
    </message>
    <message>
        <source>Stores thresholds given as NAME=VALUE,... (V1, V2, H1, H2, SeqH1, SeqH2; values 0 to 254), e.g. V1=80,SeqH2=75.</source>
        <translation>Enregistre des seuils donnés sous la forme NOM=VALEUR,... (V1, V2, H1, H2, SeqH1, SeqH2 ; valeurs de 0 à 254), par ex. V1=80,SeqH2=75.</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
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
        <translation>  accès : oui
</translation>
    </message>
    <message>
        <source>  access: no (%1)
</source>
        <translation>  accès : non (%1)
</translation>
    </message>
    <message>
        <source>the system refused to open it</source>
        <translation>le système a refusé de l’ouvrir</translation>
    </message>
    <message>
        <source>No adaptor found.
</source>
        <translation>Aucun adaptateur trouvé.
</translation>
    </message>
    <message>
        <source>The adaptor did not answer the settings request.
</source>
        <translation>L’adaptateur n’a pas répondu à la demande de réglages.
</translation>
    </message>
    <message>
        <source>Thresholds: </source>
        <translation>Seuils : </translation>
    </message>
    <message>
        <source>Thresholds: none (the adaptor waits for firmware)
</source>
        <translation>Seuils : aucun (l’adaptateur attend un firmware)
</translation>
    </message>
    <message>
        <source>Nothing was sent: %1.
</source>
        <translation>Rien n’a été envoyé : %1.
</translation>
    </message>
    <message>
        <source>Nothing was sent: the adaptor waits for firmware and holds no thresholds.
</source>
        <translation>Rien n’a été envoyé : l’adaptateur attend un firmware et n’a aucun seuil.
</translation>
    </message>
    <message>
        <source>Nothing was sent: the values were made for %1 adaptor, and this is %2.
</source>
        <translation>Rien n’a été envoyé : les valeurs ont été faites pour un adaptateur %1, et celui-ci est un %2.
</translation>
    </message>
    <message>
        <source>Before: %1
Written: %2
</source>
        <translation>Avant : %1
Écrit : %2
</translation>
    </message>
    <message>
        <source>unread</source>
        <translation>non lu</translation>
    </message>
    <message>
        <source>The adaptor refused %1 of %2 reports.
</source>
        <translation>L’adaptateur a refusé %1 rapports sur %2.
</translation>
    </message>
    <message>
        <source>After: </source>
        <translation>Après : </translation>
    </message>
    <message>
        <source>This adaptor does not hand out its memory.
</source>
        <translation>Cet adaptateur ne donne pas accès à sa mémoire.
</translation>
    </message>
    <message>
        <source>Some memory blocks could not be read (shown as question marks).
</source>
        <translation>Certains blocs de mémoire n’ont pas pu être lus (affichés comme points d’interrogation).
</translation>
    </message>
    <message>
        <source>USB shifter</source>
        <translation>boîte de vitesses USB</translation>
    </message>
    <message>
        <source>firmware loader</source>
        <translation>chargeur de firmware</translation>
    </message>
    <message>
        <source>%1  %2  version %3  serial %4</source>
        <translation>%1  %2  version %3  série %4</translation>
    </message>
    <message>
        <source>Path: %1
Product: %2 (%3)
Manufacturer: %4
Version: %5
Serial number: %6
</source>
        <translation>Chemin : %1
Produit : %2 (%3)
Fabricant : %4
Version : %5
Numéro de série : %6
</translation>
    </message>
    <message>
        <source>No adaptor could be opened.</source>
        <translation>Aucun adaptateur n’a pu être ouvert.</translation>
    </message>
    <message>
        <source>threshold %1 is given twice</source>
        <translation>le seuil %1 est donné deux fois</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not NAME=VALUE</source>
        <translation>« %1 » n’est pas de la forme NOM=VALEUR</translation>
    </message>
    <message>
        <source>threshold %1 needs a whole number from %2, not &apos;%3&apos;</source>
        <translation>le seuil %1 demande un nombre entier %2, et non « %3 »</translation>
    </message>
    <message>
        <source>no threshold given; use names V1, V2, H1, H2, SeqH1, SeqH2</source>
        <translation>aucun seuil donné ; utilisez les noms V1, V2, H1, H2, SeqH1, SeqH2</translation>
    </message>
    <message>
        <source>unknown threshold &apos;%1&apos;; use V1, V2, H1, H2, SeqH1, SeqH2</source>
        <translation>seuil « %1 » inconnu ; utilisez V1, V2, H1, H2, SeqH1, SeqH2</translation>
    </message>
</context>
<context>
    <name>Diagnosis</name>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>  %1 (adaptor 1dd2:%2): </source>
        <translation>  %1 (adaptateur 1dd2:%2) : </translation>
    </message>
    <message>
        <source>this user may open it
</source>
        <translation>cet utilisateur peut l’ouvrir
</translation>
    </message>
    <message>
        <source>this user may not open it (%1)
</source>
        <translation>cet utilisateur ne peut pas l’ouvrir (%1)
</translation>
    </message>
    <message>
        <source>    not present under /dev
</source>
        <translation>    absent de /dev
</translation>
    </message>
    <message>
        <source>    owner %1, group %2, mode %3, access list: %4
</source>
        <translation>    propriétaire %1, groupe %2, mode %3, liste d’accès : %4
</translation>
    </message>
    <message>
        <source>    udev tag uaccess: </source>
        <translation>    étiquette udev uaccess : </translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>Session: </source>
        <translation>Session : </translation>
    </message>
    <message>
        <source>no login session</source>
        <translation>pas de session de connexion</translation>
    </message>
    <message>
        <source>login session %1</source>
        <translation>session de connexion %1</translation>
    </message>
    <message>
        <source>, no seat</source>
        <translation>, pas de poste</translation>
    </message>
    <message>
        <source>, seat %1</source>
        <translation>, poste %1</translation>
    </message>
    <message>
        <source>, over SSH</source>
        <translation>, via SSH</translation>
    </message>
    <message>
        <source>, user id %1
</source>
        <translation>, identifiant utilisateur %1
</translation>
    </message>
    <message>
        <source>This user may open every adaptor plugged in.</source>
        <translation>Cet utilisateur peut ouvrir tous les adaptateurs branchés.</translation>
    </message>
    <message>
        <source>No adaptor is plugged in: plug it in.</source>
        <translation>Aucun adaptateur n’est branché : branchez-le.</translation>
    </message>
    <message>
        <source>The program runs in a Flatpak sandbox that cannot see the adaptor: grant it device access, then start it again.</source>
        <translation>Le programme tourne dans un bac à sable Flatpak qui ne voit pas l’adaptateur : donnez-lui l’accès aux périphériques, puis relancez-le.</translation>
    </message>
    <message>
        <source>The program runs in a Flatpak sandbox without the udev database: grant it /run/udev, then start it again.</source>
        <translation>Le programme tourne dans un bac à sable Flatpak sans la base de données udev : donnez-lui /run/udev, puis relancez-le.</translation>
    </message>
    <message>
        <source>No udev rule gives this user the adaptor: install 70-shifter-calibration.rules from the source folder, then re-trigger udev as root.</source>
        <translation>Aucune règle udev ne donne l’adaptateur à cet utilisateur : installez 70-shifter-calibration.rules depuis le dossier des sources, puis relancez udev en root.</translation>
    </message>
    <message>
        <source>The udev rule is only under /usr/local/lib/udev/rules.d, which udev does not read on Debian: move it to /etc/udev/rules.d and re-trigger udev as root.</source>
        <translation>La règle udev est seulement sous /usr/local/lib/udev/rules.d, que udev ne lit pas sous Debian : déplacez-la dans /etc/udev/rules.d et relancez udev en root.</translation>
    </message>
    <message>
        <source>The udev rule is installed but not yet applied to the adaptor: re-trigger udev as root, or unplug and replug the adaptor.</source>
        <translation>La règle udev est installée mais pas encore appliquée à l’adaptateur : relancez udev en root, ou débranchez et rebranchez l’adaptateur.</translation>
    </message>
    <message>
        <source>The adaptor is given to the person at the machine, and this session has no seat (over SSH or outside a desktop login): run the program from the desktop session at the machine.</source>
        <translation>L’adaptateur est donné à la personne devant la machine, et cette session n’a pas de poste (via SSH ou hors d’une session de bureau) : lancez le programme depuis la session de bureau de la machine.</translation>
    </message>
    <message>
        <source>The rule is applied and this session has a seat, yet the system refuses the adaptor: unplug it and plug it in again.</source>
        <translation>La règle est appliquée et cette session a un poste, mais le système refuse l’adaptateur : débranchez-le et rebranchez-le.</translation>
    </message>
    <message>
        <source>no refusal</source>
        <translation>pas de refus</translation>
    </message>
    <message>
        <source>the sandbox hides the device</source>
        <translation>le bac à sable cache le périphérique</translation>
    </message>
    <message>
        <source>the sandbox hides the udev database</source>
        <translation>le bac à sable cache la base de données udev</translation>
    </message>
    <message>
        <source>no udev rule installed</source>
        <translation>aucune règle udev installée</translation>
    </message>
    <message>
        <source>the udev rule is in a folder udev does not read</source>
        <translation>la règle udev est dans un dossier que udev ne lit pas</translation>
    </message>
    <message>
        <source>udev has not applied the rule yet</source>
        <translation>udev n’a pas encore appliqué la règle</translation>
    </message>
    <message>
        <source>this session has no seat</source>
        <translation>cette session n’a pas de poste</translation>
    </message>
    <message>
        <source>refused although the rule applies</source>
        <translation>refusé bien que la règle s’applique</translation>
    </message>
    <message>
        <source>Adaptor nodes:
</source>
        <translation>Nœuds des adaptateurs :
</translation>
    </message>
    <message>
        <source>  none of our vendor in /sys/class/hidraw
</source>
        <translation>  aucun de notre fabricant dans /sys/class/hidraw
</translation>
    </message>
    <message>
        <source>Rule %1:
</source>
        <translation>Règle %1 :
</translation>
    </message>
    <message>
        <source>present</source>
        <translation>présente</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>absente</translation>
    </message>
    <message>
        <source> (udev does not read this folder on Debian)</source>
        <translation> (udev ne lit pas ce dossier sous Debian)</translation>
    </message>
    <message>
        <source>Sandbox: </source>
        <translation>Bac à sable : </translation>
    </message>
    <message>
        <source>udev database: </source>
        <translation>Base de données udev : </translation>
    </message>
    <message>
        <source>visible</source>
        <translation>visible</translation>
    </message>
    <message>
        <source>not visible</source>
        <translation>invisible</translation>
    </message>
    <message>
        <source>Fix: </source>
        <translation>Solution : </translation>
    </message>
    <message>
        <source>The access diagnosis is made on Linux only; here, close any other program that uses the adaptor, or unplug it and plug it in again.</source>
        <translation>Le diagnostic d’accès n’est fait que sous Linux ; ici, fermez tout autre programme qui utilise l’adaptateur, ou débranchez-le et rebranchez-le.</translation>
    </message>
    <message>
        <source>Windows opens the adaptor with its own driver for input devices, so none needs installing: close any other program that uses the adaptor, or unplug it and plug it in again.</source>
        <translation>Windows ouvre l’adaptateur avec son propre pilote de périphériques d’entrée, il n’y a donc rien à installer : fermez tout autre programme qui utilise l’adaptateur, ou débranchez-le et rebranchez-le.</translation>
    </message>
    <message>
        <source>the system refused to open it</source>
        <translation>le système a refusé de l’ouvrir</translation>
    </message>
    <message>
        <source>Not on this system: it has no hidraw nodes, udev rules or seats to look at.
</source>
        <translation>Pas sur ce système : il n’a ni nœuds hidraw, ni règles udev, ni postes à examiner.
</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but the system does not let this program open it. Install 70-shifter-calibration.rules (see README), then run &quot;udevadm control --reload-rules&quot; and &quot;udevadm trigger&quot; as root, or unplug and replug the adaptor.</source>
        <translation>L’adaptateur est branché, mais le système ne laisse pas ce programme l’ouvrir. Installez 70-shifter-calibration.rules (voir README), puis lancez « udevadm control --reload-rules » et « udevadm trigger » en root, ou débranchez et rebranchez l’adaptateur.</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>read</source>
        <translation>lu</translation>
    </message>
    <message>
        <source>stored by Update settings</source>
        <translation>enregistré par Mettre à jour</translation>
    </message>
    <message>
        <source>stored at close</source>
        <translation>enregistré à la fermeture</translation>
    </message>
    <message>
        <source>stored all six</source>
        <translation>les six enregistrés</translation>
    </message>
    <message>
        <source>stored by command</source>
        <translation>enregistré par commande</translation>
    </message>
    <message>
        <source>restored</source>
        <translation>restauré</translation>
    </message>
</context>
<context>
    <name>Recording</name>
    <message>
        <source>The recording never lists an adaptor, so there is nothing to simulate.</source>
        <translation>L’enregistrement ne liste aucun adaptateur : il n’y a rien à simuler.</translation>
    </message>
    <message>
        <source>This is not a session recording: its first line does not name the format &quot;%1&quot; and its version.</source>
        <translation>Ce n’est pas un enregistrement de session : sa première ligne ne nomme pas le format « %1 » et sa version.</translation>
    </message>
    <message>
        <source>This recording is of format version %1, newer than the version %2 this program reads.</source>
        <translation>Cet enregistrement est au format version %1, plus récent que la version %2 que ce programme lit.</translation>
    </message>
    <message>
        <source>The recording&apos;s first line lacks the program, the platform or the date.</source>
        <translation>Il manque à la première ligne de l’enregistrement le programme, la plateforme ou la date.</translation>
    </message>
    <message>
        <source>The recording is larger than the %1 MB a recording may hold.</source>
        <translation>L’enregistrement dépasse les %1 Mo qu’un enregistrement peut contenir.</translation>
    </message>
    <message>
        <source>The recording is empty.</source>
        <translation>L’enregistrement est vide.</translation>
    </message>
    <message>
        <source>The recording is damaged at line %1.</source>
        <translation>L’enregistrement est endommagé à la ligne %1.</translation>
    </message>
    <message>
        <source>The recording is cut short: it ends before its closing line.</source>
        <translation>L’enregistrement est tronqué : il se termine avant sa ligne de fin.</translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>Shifter calibration</source>
        <translation>Étalonnage du levier de vitesses</translation>
    </message>
    <message>
        <source>nothing reads from it</source>
        <translation>rien ne le lit</translation>
    </message>
    <message>
        <source>it is a symbolic link, which is not followed</source>
        <translation>c’est un lien symbolique, qui n’est pas suivi</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>il dépasse %1 octets</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Le fichier</translation>
    </message>
    <message>
        <source>The file %1</source>
        <translation>Le fichier %1</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 est vide.</translation>
    </message>
    <message>
        <source>%1 is damaged or is not JSON (%2 at byte %3).</source>
        <translation>%1 est endommagé ou n’est pas du JSON (%2 à l’octet %3).</translation>
    </message>
    <message>
        <source>%1 is not a calibration exported by this program.</source>
        <translation>%1 n’est pas un étalonnage exporté par ce programme.</translation>
    </message>
    <message>
        <source>%1 has format version %2, which this version of the program cannot read.</source>
        <translation>%1 a le format en version %2, que cette version du programme ne sait pas lire.</translation>
    </message>
    <message>
        <source>%1 is damaged: the adaptor it came from is missing.</source>
        <translation>%1 est endommagé : l’adaptateur d’où il vient manque.</translation>
    </message>
    <message>
        <source>%1 is refused: %2.</source>
        <translation>%1 est refusé : %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation>Le fichier %1 ne peut pas être lu : %2.</translation>
    </message>
    <message>
        <source>the thresholds are missing</source>
        <translation>les seuils manquent</translation>
    </message>
    <message>
        <source>%1 is missing or not a number</source>
        <translation>%1 manque ou n’est pas un nombre</translation>
    </message>
    <message>
        <source>%1 is %2, not a whole number from 0 to 255</source>
        <translation>%1 vaut %2, pas un nombre entier de 0 à 255</translation>
    </message>
    <message>
        <source>product %1</source>
        <translation>produit %1</translation>
    </message>
    <message>
        <source>The calibration history is not kept: no home folder was found (set HOME to an absolute path).</source>
        <translation>L’historique des étalonnages n’est pas tenu : aucun dossier personnel trouvé (donnez à HOME un chemin absolu).</translation>
    </message>
    <message>
        <source>: it is not a regular file</source>
        <translation> : ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation>un autre programme le tient</translation>
    </message>
    <message>
        <source>The calibration history %1 is damaged</source>
        <translation>L’historique des étalonnages %1 est endommagé</translation>
    </message>
    <message>
        <source>The calibration history cannot be read: %1</source>
        <translation>L’historique des étalonnages ne peut pas être lu : %1</translation>
    </message>
    <message>
        <source>The calibration history could not be saved: %1</source>
        <translation>L’historique des étalonnages n’a pas pu être enregistré : %1</translation>
    </message>
    <message>
        <source>: the folder cannot be created</source>
        <translation> : le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>: it is damaged and cannot be moved aside: </source>
        <translation> : il est endommagé et ne peut pas être mis de côté : </translation>
    </message>
    <message>
        <source>The calibration history %1 was damaged; it was kept as %2 and a new one started</source>
        <translation>L’historique des étalonnages %1 était endommagé ; il a été gardé sous %2 et un nouveau a été commencé</translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation>c’est un lien symbolique</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>ce n’est pas un dossier</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>others may use it (its mode is %1, not 700)</source>
        <translation>d’autres peuvent l’utiliser (son mode est %1, pas 700)</translation>
    </message>
    <message>
        <source>Shifter calibration keeps its lock in %1, but that is not a folder of your own that only you may use: %2. Remove it and start again.</source>
        <translation>L’étalonnage du levier de vitesses garde son verrou dans %1, mais ce n’est pas un dossier à vous que vous seul pouvez utiliser : %2. Supprimez-le et relancez.</translation>
    </message>
    <message>
        <source>Shifter calibration is already running; close it before starting it again.</source>
        <translation>L’étalonnage du levier de vitesses est déjà lancé ; fermez-le avant de le relancer.</translation>
    </message>
    <message>
        <source>Shifter calibration cannot take its lock %1. Remove it and start again.</source>
        <translation>L’étalonnage du levier de vitesses ne peut pas prendre son verrou %1. Supprimez-le et relancez.</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>il n’existe pas</translation>
    </message>
    <message>
        <source>A Shifter calibration command is using the adaptors; try again when it has ended.</source>
        <translation>Une commande de l’étalonnage du levier de vitesses utilise les adaptateurs ; réessayez quand elle sera terminée.</translation>
    </message>
    <message>
        <source>the program was not given that descriptor</source>
        <translation>ce descripteur n’a pas été donné au programme</translation>
    </message>
    <message>
        <source>it is another user&apos;s file in a shared folder</source>
        <translation>c’est le fichier d’un autre utilisateur dans un dossier partagé</translation>
    </message>
    <message>
        <source>: its folder does not exist</source>
        <translation> : son dossier n’existe pas</translation>
    </message>
</context>
<context>
    <name>Thresholds</name>
    <message>
        <source>%1 is %2, not a threshold (%3)</source>
        <translation>%1 vaut %2, ce n’est pas un seuil (%3)</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation>Màj du firmware</translation>
    </message>
    <message>
        <source>Done.Exiting...</source>
        <translation>Terminé. Sortie...</translation>
    </message>
    <message>
        <source>Sending firmware: %1 of %2</source>
        <translation>Envoi du firmware : %1 sur %2</translation>
    </message>
    <message>
        <source>Contents of shifter EEPROM memory</source>
        <translation>Contenu de la mémoire EEPROM du levier</translation>
    </message>
    <message>
        <source>your adaptor&apos;s support</source>
        <translation>l’assistance de votre adaptateur</translation>
    </message>
    <message>
        <source>This is shifter EEPROM contents. Please copy (Ctrl+C) and email this text to %1 for analysis. Thank you!</source>
        <translation>Voici le contenu de l’EEPROM du levier. Copiez ce texte (Ctrl+C) et envoyez-le par e-mail à %1 pour analyse. Merci !</translation>
    </message>
    <message>
        <source>The adaptor&apos;s feature reports are %1 bytes long, but firmware blocks need %2 to %3 bytes, so nothing was sent.</source>
        <translation>Les rapports de fonctionnalité de l’adaptateur font %1 octets, mais les blocs du firmware en demandent de %2 à %3 ; rien n’a été envoyé.</translation>
    </message>
    <message>
        <source>The built-in firmware image is %1 bytes long, not a whole number of %2-byte blocks, so nothing was sent.</source>
        <translation>L’image du firmware intégrée fait %1 octets, pas un nombre entier de blocs de %2 octets ; rien n’a été envoyé.</translation>
    </message>
    <message>
        <source>This build carries no adaptor firmware, only a test image, so nothing was sent to the adaptor.</source>
        <translation>Cette version ne contient pas de firmware d’adaptateur, seulement une image de test ; rien n’a été envoyé à l’adaptateur.</translation>
    </message>
    <message>
        <source>No threshold could be proposed yet: see the assistant&apos;s warnings</source>
        <translation>Aucun seuil ne peut encore être proposé : voir les avertissements de l’assistant</translation>
    </message>
    <message>
        <source>Proposed thresholds are in the boxes: press &quot;Update settings&quot; to store them</source>
        <translation>Les seuils proposés sont dans les champs : appuyez sur « Mettre à jour » pour les enregistrer</translation>
    </message>
    <message>
        <source>Gear %1</source>
        <translation>Vitesse %1</translation>
    </message>
    <message>
        <source>Lever position X %1, Y %2</source>
        <translation>Position du levier X %1, Y %2</translation>
    </message>
    <message>
        <source>left vertical line</source>
        <translation>ligne verticale gauche</translation>
    </message>
    <message>
        <source>right vertical line</source>
        <translation>ligne verticale droite</translation>
    </message>
    <message>
        <source>upper horizontal line</source>
        <translation>ligne horizontale haute</translation>
    </message>
    <message>
        <source>lower horizontal line</source>
        <translation>ligne horizontale basse</translation>
    </message>
    <message>
        <source>first sequential line</source>
        <translation>première ligne séquentielle</translation>
    </message>
    <message>
        <source>second sequential line</source>
        <translation>deuxième ligne séquentielle</translation>
    </message>
    <message>
        <source>Store all six thresholds</source>
        <translation>Enregistrer les six seuils</translation>
    </message>
    <message>
        <source>Nothing was stored: the adaptor&apos;s thresholds could not be read when it connected. Unplug the adaptor, plug it in again and retry.</source>
        <translation>Rien n’a été enregistré : les seuils de l’adaptateur n’ont pas pu être lus à la connexion. Débranchez l’adaptateur, rebranchez-le et réessayez.</translation>
    </message>
    <message>
        <source>Stored all six thresholds in the adaptor</source>
        <translation>Les six seuils ont été enregistrés dans l’adaptateur</translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of the six thresholds; try again</source>
        <translation>L’adaptateur n’a pas accepté %1 des six seuils ; réessayez</translation>
    </message>
    <message>
        <source>%1 shows %2, which is not a threshold (%3): %1 stays %4</source>
        <translation>%1 affiche %2, qui n’est pas un seuil (%3) : %1 reste à %4</translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of %2 values; try again</source>
        <translation>L’adaptateur n’a pas accepté %1 valeurs sur %2 ; réessayez</translation>
    </message>
    <message>
        <source>Stored in the adaptor: </source>
        <translation>Enregistré dans l’adaptateur : </translation>
    </message>
    <message>
        <source>Update settings</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>The adaptor&apos;s stored settings could not be read, so nothing was stored. Unplug the adaptor, plug it in again and retry.</source>
        <translation>Les réglages enregistrés dans l’adaptateur n’ont pas pu être lus, donc rien n’a été enregistré. Débranchez l’adaptateur, rebranchez-le et réessayez.</translation>
    </message>
    <message>
        <source>Read shifter memory</source>
        <translation>Lire la mémoire</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Lever position</source>
        <translation>Position du levier</translation>
    </message>
    <message>
        <source>0 to 254</source>
        <translation>de 0 à 254</translation>
    </message>
    <message>
        <source>Corvane Shifter interface calibration v1.5</source>
        <translation>Étalonnage de l’interface de levier Corvane v1.5</translation>
    </message>
    <message>
        <source>Kelvo/Mirad shifter interface calibration</source>
        <translation>Étalonnage de l’interface de levier Kelvo/Mirad</translation>
    </message>
    <message>
        <source>Mirad shifter interface calibration v1.5</source>
        <translation>Étalonnage de l’interface de levier Mirad v1.5</translation>
    </message>
    <message>
        <source>Kelvo shifter interface calibration v1.5</source>
        <translation>Étalonnage de l’interface de levier Kelvo v1.5</translation>
    </message>
    <message>
        <source>USB shifter interface calibration v1.5</source>
        <translation>Étalonnage de l’interface de levier USB v1.5</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but it could not be read: its report sizes are unknown. Unplug the adaptor and plug it in again.</source>
        <translation>L’adaptateur est branché, mais il n’a pas pu être lu : la taille de ses rapports est inconnue. Débranchez l’adaptateur et rebranchez-le.</translation>
    </message>
    <message>
        <source>No adaptor found. Plug one in: the window comes alive by itself.</source>
        <translation>Aucun adaptateur trouvé. Branchez-en un : la fenêtre s’active d’elle-même.</translation>
    </message>
    <message>
        <source>Simulated adaptor: nothing is kept when the program ends</source>
        <translation>Adaptateur simulé : rien n’est gardé à la fin du programme</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but its feature reports are %1 bytes long, and this program can exchange settings only in reports of %2 to %3 bytes: nothing is sent to it.</source>
        <translation>L’adaptateur est branché, mais ses rapports de fonction font %1 octets, et ce programme ne peut échanger les réglages que dans des rapports de %2 à %3 octets : rien ne lui est envoyé.</translation>
    </message>
    <message>
        <source>The firmware image was sent; please unplug the adaptor and plug it in again. This program now closes.</source>
        <translation>L’image du firmware a été envoyée ; débranchez l’adaptateur puis rebranchez-le. Ce programme va maintenant se fermer.</translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of the %2 firmware blocks and is still waiting for a firmware image, so please start this program again and repeat the upgrade. This program now closes.</source>
        <translation>L’adaptateur n’a pas accepté %1 des %2 blocs du firmware et attend toujours une image de firmware : relancez ce programme et recommencez la mise à jour. Ce programme va maintenant se fermer.</translation>
    </message>
    <message>
        <source>%1 lies left of %2</source>
        <translation>%1 est à gauche de %2</translation>
    </message>
    <message>
        <source>%1 lies above %2</source>
        <translation>%1 est au-dessus de %2</translation>
    </message>
    <message>
        <source>%1: the lines have crossed</source>
        <translation>%1 : les lignes se sont croisées</translation>
    </message>
    <message>
        <source>Reads the adaptor&apos;s 128 bytes of memory and shows them for support</source>
        <translation>Lit les 128 octets de mémoire de l’adaptateur et les affiche pour l’assistance</translation>
    </message>
    <message>
        <source>Stores the thresholds of the adaptor&apos;s current mode; closing the window stores all six</source>
        <translation>Enregistre les seuils du mode actuel de l’adaptateur ; fermer la fenêtre enregistre les six</translation>
    </message>
    <message>
        <source>Sends the built-in firmware to the adaptor; asks first</source>
        <translation>Envoie le firmware intégré à l’adaptateur ; demande d’abord</translation>
    </message>
    <message>
        <source>; the adaptor holds %1 until it is stored</source>
        <translation> ; l’adaptateur garde %1 tant que ce n’est pas enregistré</translation>
    </message>
    <message>
        <source>Simulated adaptor: its thresholds are lost when the program ends, its history is kept</source>
        <translation>Adaptateur simulé : ses seuils sont perdus à la fin du programme, son historique est gardé</translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) (is|are) not stored in the adaptor yet; closing the window stores (it|them)</source>
        <translation>
            <numerusform>%n valeur n’est pas encore enregistrée dans l’adaptateur ; fermer la fenêtre l’enregistre</numerusform>
            <numerusform>%n valeurs ne sont pas encore enregistrées dans l’adaptateur ; fermer la fenêtre les enregistre</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was restored: %1</source>
        <translation>Rien n’a été restauré : %1</translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but the system does not let this program open it.</source>
        <translation>L’adaptateur est branché, mais le système ne laisse pas ce programme l’ouvrir.</translation>
    </message>
    <message>
        <source>the program&apos;s test image (%1 bytes), not adaptor firmware</source>
        <translation>l’image de test du programme (%1 octets), pas un firmware d’adaptateur</translation>
    </message>
    <message>
        <source>the built-in firmware (%1 bytes, SHA-256 %2)</source>
        <translation>le firmware intégré (%1 octets, SHA-256 %2)</translation>
    </message>
    <message>
        <source>The adaptor is waiting for new firmware. Upgrade Firmware sends it %1, which takes a few seconds. Keep the adaptor plugged in until it is done. When it is done, this program closes.

Send the firmware now?</source>
        <translation>L’adaptateur attend un nouveau firmware. Màj du firmware lui envoie %1, ce qui prend quelques secondes. Laissez l’adaptateur branché jusqu’à la fin. Ensuite, ce programme se ferme.

Envoyer le firmware maintenant ?</translation>
    </message>
    <message>
        <source>Send firmware</source>
        <translation>Envoyer le firmware</translation>
    </message>
    <message>
        <source>The adaptor waits for its firmware, but this build carries none to send: only a test image.</source>
        <translation>L’adaptateur attend son firmware, mais cette version n’en contient aucun à envoyer : seulement une image de test.</translation>
    </message>
    <message>
        <source>The adaptor waits for its firmware: press Upgrade Firmware to send it %1.</source>
        <translation>L’adaptateur attend son firmware : cliquez sur Màj du firmware pour lui envoyer %1.</translation>
    </message>
    <message>
        <source>Lever X %1</source>
        <translation>Levier X %1</translation>
    </message>
    <message>
        <source>Lever Y %1</source>
        <translation>Levier Y %1</translation>
    </message>
    <message>
        <source>Restored %1; the adaptor holds the same values</source>
        <translation>%1 restauré ; l&apos;adaptateur a les mêmes valeurs</translation>
    </message>
    <message>
        <source>Restored %1; to write it to the adaptor, choose %2</source>
        <translation>%1 restauré ; pour l&apos;enregistrer dans l&apos;adaptateur, choisissez %2</translation>
    </message>
</context>
<context>
    <name>gui::About</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Calibrates the lever thresholds of a USB shifter adaptor.&lt;/p&gt;&lt;p&gt;Qt %3 (built with %4)&lt;br&gt;hidapi %5&lt;/p&gt;&lt;p&gt;Free software under the MIT License: you may use, copy, change and pass it on; it comes without any warranty. The full text is in the LICENSE file.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Étalonne les seuils du levier d’un adaptateur de boîte de vitesses USB.&lt;/p&gt;&lt;p&gt;Qt %3 (compilé avec %4)&lt;br&gt;hidapi %5&lt;/p&gt;&lt;p&gt;Logiciel libre sous licence MIT : vous pouvez l’utiliser, le copier, le modifier et le transmettre ; il est fourni sans aucune garantie. Le texte complet se trouve dans le fichier LICENSE.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
</context>
<context>
    <name>gui::AccessDetails</name>
    <message>
        <source>Access to the adaptor</source>
        <translation>Accès à l’adaptateur</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>gui::AssistantWindow</name>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêter</translation>
    </message>
    <message>
        <source>&amp;Use these values</source>
        <translation>&amp;Utiliser ces valeurs</translation>
    </message>
    <message>
        <source>Calibration assistant</source>
        <translation>Assistant d’étalonnage</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>&lt;b&gt;Proposed thresholds&lt;/b&gt;</source>
        <translation>&lt;b&gt;Seuils proposés&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Waiting for the adaptor&apos;s lever reports...</source>
        <translation>En attente des rapports du levier de l’adaptateur...</translation>
    </message>
    <message>
        <source>Sequential mode: take each step, then press Stop.</source>
        <translation>Mode séquentiel : faites chaque étape, puis appuyez sur Arrêter.</translation>
    </message>
    <message>
        <source>H-pattern mode: take each step, then press Stop.</source>
        <translation>Mode en H : faites chaque étape, puis appuyez sur Arrêter.</translation>
    </message>
    <message>
        <source>recording: %1</source>
        <translation>enregistrement : %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refaire</translation>
    </message>
    <message>
        <source>left</source>
        <translation>à gauche</translation>
    </message>
    <message>
        <source>right</source>
        <translation>à droite</translation>
    </message>
    <message>
        <source>below</source>
        <translation>en dessous</translation>
    </message>
    <message>
        <source>above</source>
        <translation>au-dessus</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 = %2&lt;/b&gt;, margin %3 %4, %5 %6</source>
        <translation>&lt;b&gt;%1 = %2&lt;/b&gt;, marge %3 %4, %5 %6</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Records the selected step</source>
        <translation>Enregistre l&apos;étape choisie</translation>
    </message>
    <message>
        <source>Ends the step&apos;s recording</source>
        <translation>Termine l&apos;enregistrement de l&apos;étape</translation>
    </message>
    <message>
        <source>%1 chooses the next step, %2 the previous one</source>
        <translation>%1 choisit l&apos;étape suivante, %2 la précédente</translation>
    </message>
</context>
<context>
    <name>gui::CalibrationMenus</name>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Export calibration...</source>
        <translation>&amp;Exporter l’étalonnage...</translation>
    </message>
    <message>
        <source>&amp;Import calibration...</source>
        <translation>&amp;Importer un étalonnage...</translation>
    </message>
    <message>
        <source>&amp;Revert to the values read at connection</source>
        <translation>&amp;Revenir aux valeurs lues à la connexion</translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation>&amp;Historique...</translation>
    </message>
    <message>
        <source>&amp;Store all six thresholds</source>
        <translation>Enregistrer les &amp;six seuils</translation>
    </message>
    <message>
        <source>The adaptor&apos;s thresholds could not be read when it connected; unplug it and plug it in again.</source>
        <translation>Les seuils de l’adaptateur n’ont pas pu être lus à la connexion ; débranchez-le et rebranchez-le.</translation>
    </message>
    <message>
        <source>The adaptor was unplugged meanwhile; nothing was restored.</source>
        <translation>L’adaptateur a été débranché entre-temps ; rien n’a été restauré.</translation>
    </message>
    <message>
        <source>The calibration could not be written: %1.</source>
        <translation>L’étalonnage n’a pas pu être écrit : %1.</translation>
    </message>
    <message>
        <source>Exported the calibration to %1</source>
        <translation>Étalonnage exporté dans %1</translation>
    </message>
    <message>
        <source>This calibration was exported from %1, not from the connected %2. Use it anyway?</source>
        <translation>Cet étalonnage a été exporté depuis %1, et non depuis le %2 connecté. L’utiliser quand même ?</translation>
    </message>
    <message>
        <source>the calibration from %1</source>
        <translation>l’étalonnage de %1</translation>
    </message>
    <message>
        <source>the calibration read at connection</source>
        <translation>l’étalonnage lu à la connexion</translation>
    </message>
    <message>
        <source>No history is kept for a simulated adaptor; start the program with --keep-history to keep one.</source>
        <translation>Aucun historique n’est tenu pour un adaptateur simulé ; lancez le programme avec --keep-history pour en tenir un.</translation>
    </message>
    <message>
        <source>the calibration of %1</source>
        <translation>l’étalonnage du %1</translation>
    </message>
    <message>
        <source>Export calibration</source>
        <translation>Exporter l’étalonnage</translation>
    </message>
    <message>
        <source>Import calibration</source>
        <translation>Importer un étalonnage</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>Revenir</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Calibrations (*.json);;All files (*)</source>
        <translation>Étalonnages (*.json);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Nothing was restored: %1.</source>
        <translation>Rien n’a été restauré : %1.</translation>
    </message>
    <message>
        <source>No adaptor has a history here yet: an adaptor&apos;s history starts when it first connects.</source>
        <translation>Aucun adaptateur n’a encore d’historique ici : l’historique d’un adaptateur commence à sa première connexion.</translation>
    </message>
    <message>
        <source>The history of which adaptor?</source>
        <translation>L’historique de quel adaptateur ?</translation>
    </message>
</context>
<context>
    <name>gui::CalibrationTools</name>
    <message>
        <source>&amp;Colour the trace by gear</source>
        <translation>&amp;Colorer la trace selon la vitesse</translation>
    </message>
    <message>
        <source>Calibration &amp;assistant...</source>
        <translation>&amp;Assistant d’étalonnage...</translation>
    </message>
</context>
<context>
    <name>gui::FormWidget</name>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Adaptor</source>
        <translation>&amp;Adaptateur</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Try the simulated adaptor</source>
        <translation>Essayer l’adaptateur simulé</translation>
    </message>
</context>
<context>
    <name>gui::GearLegend</name>
    <message>
        <source>Colours of the trace: the gear the adaptor reported at each point</source>
        <translation>Couleurs de la trace : la vitesse que l’adaptateur indiquait à chaque point</translation>
    </message>
</context>
<context>
    <name>gui::HistoryDialog</name>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation>Historique de %1</translation>
    </message>
    <message>
        <source>Puts the chosen row&apos;s thresholds into the window; nothing is sent to the adaptor until you store them.</source>
        <translation>Met les seuils de la ligne choisie dans la fenêtre ; rien n’est envoyé à l’adaptateur tant que vous ne les enregistrez pas.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événement</translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation>Accepté</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exporter...</translation>
    </message>
    <message>
        <source>Saves the chosen row&apos;s thresholds to a calibration file.</source>
        <translation>Enregistre les seuils de la ligne choisie dans un fichier d’étalonnage.</translation>
    </message>
    <message>
        <source>Connect this adaptor to restore a calibration into the window.</source>
        <translation>Branchez cet adaptateur pour restaurer un étalonnage dans la fenêtre.</translation>
    </message>
</context>
<context>
    <name>gui::InputDialog</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>gui::SupportRecording</name>
    <message>
        <source>Record a session for support...</source>
        <translation>Enregistrer une session pour l’assistance...</translation>
    </message>
    <message>
        <source>Record a session for support</source>
        <translation>Enregistrer une session pour l’assistance</translation>
    </message>
    <message>
        <source>A recording holds every report the program exchanges with the adaptor, with the adaptor&apos;s serial number and thresholds. Start it, do what goes wrong (the dialog may be closed meanwhile), then stop it and save it to attach to your report.</source>
        <translation>Un enregistrement contient chaque rapport que le programme échange avec l’adaptateur, avec le numéro de série et les seuils de l’adaptateur. Démarrez-le, refaites ce qui ne va pas (la fenêtre peut être fermée entre-temps), puis arrêtez-le et sauvegardez-le pour le joindre à votre signalement.</translation>
    </message>
    <message>
        <source>Not recording.</source>
        <translation>Pas d’enregistrement en cours.</translation>
    </message>
    <message>
        <source>Recording: %1 KB so far.</source>
        <translation>Enregistrement en cours : %1 Ko pour l’instant.</translation>
    </message>
    <message>
        <source>Stopped: the recording holds %1 KB.</source>
        <translation>Arrêté : l’enregistrement contient %1 Ko.</translation>
    </message>
    <message>
        <source>Stopped at the size limit: the recording holds %1 KB.</source>
        <translation>Arrêté à la taille limite : l’enregistrement contient %1 Ko.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Sauvegarder sous...</translation>
    </message>
    <message>
        <source>Save the recording</source>
        <translation>Sauvegarder l’enregistrement</translation>
    </message>
    <message>
        <source>Session recordings (*.rec)</source>
        <translation>Enregistrements de session (*.rec)</translation>
    </message>
    <message>
        <source>The recording was not saved: could not write %1.</source>
        <translation>L’enregistrement n’a pas été sauvegardé : impossible d’écrire %1.</translation>
    </message>
    <message>
        <source>Leave out the serial number and the device paths</source>
        <translation>Omettre le numéro de série et les chemins des périphériques</translation>
    </message>
    <message>
        <source>The recording has not been saved. Discard it?</source>
        <translation>L’enregistrement n’a pas été sauvegardé. L’abandonner ?</translation>
    </message>
</context>
</TS>
