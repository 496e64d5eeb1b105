<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>Assistant</name>
    <message>
        <source>No flickers in the last minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n flicker(s) in the last minute</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n flicker(s) near %1 at %2 %3 in the last minute</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No records of %1 yet: %2 needs them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 overlap in %3 between %4 and %5: the lever or the adaptor reads them too close together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 are only %3 apart in %4 between %5 and %6: a threshold there would be under %7 from one of them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move the lever along neutral from far left to far right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put it in 1st and move it around in the gate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put it in 2nd and move it around in the gate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put it in 3rd and move it around in the gate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put it in 4th and move it around in the gate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put it in 5th and move it around in the gate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put it in 6th and move it around in the gate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optionally, put it in reverse and move it around in the gate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let the lever rest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Push it to +</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pull it to -</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neutral</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>rest</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>this build has no window; run one of the commands, such as --read.
Try --help.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set). The commands, such as --read, work without one.
Try --help.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not write %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2
Try --help.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists each adaptor present: path, product, version, serial number and whether this user may open it (if not: why).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the adaptor&apos;s identity and its six stored thresholds; writes nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stores thresholds given as NAME=VALUE,... (V1, V2, H1, H2, SEQH1, SEQH2; values 0 to 255), e.g. V1=80,SEQH2=75.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stores all six thresholds of a calibration exported from the window (File &gt; Export calibration...).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the adaptor&apos;s 128 bytes of memory as hex text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writes a support report to FILE (- for standard output).</source>
        <translation type="unfinished"></translation>
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
productName, version, serialNumber, and thresholds {V1, V2, H1, H2, SEQH1, SEQH2}
(numbers 0..255; absent for the firmware loader).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--screenshot needs a file name, and %1 is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--screenshot cannot write into the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 applies to --simulate only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown lever &apos;%1&apos; for --lever: use tour, assistant or assistant-sequential</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--gates applies to --lever=assistant only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--gates needs three X positions 0..255 from left to right, such as 40,165,215, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--noise needs a whole number of units 0..%1, not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrates the lever thresholds of a USB shifter adaptor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the program&apos;s version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs on a simulated adaptor whose lever moves by itself: kelvo (when no value is given), mirad, usb or loader.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports a second the simulated adaptor sends (default 125).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves a PNG picture of the window to FILE after about two seconds, then closes the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keeps the calibration history of a simulated adaptor in the user&apos;s data folder, as it is always kept for real adaptors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the simulated lever moves: tour (the default) goes through the gears of both modes; assistant follows the calibration assistant&apos;s H-pattern steps, assistant-sequential its sequential ones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X of the assistant lever&apos;s left, middle and right gates (default 40,165,215, where the factory thresholds read some of 3rd as 5th).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units the simulated lever shakes in X and Y (default 3 for the assistant&apos;s lever, 0 for the tour).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --read: answers in JSON.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown adaptor &apos;%1&apos; for --simulate: use kelvo, mirad, usb or loader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--report-rate applies to --simulate only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--report-rate needs a number of reports a second above 0 and at most %1, not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give one command at a time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 needs %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--json applies to --read only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--screenshot needs the window, not a command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--screenshot needs a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration window is using the adaptors; close it, then run the command again.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support report written to %1
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  access: yes
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  access: no (%1)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the system refused to open it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No adaptor found.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The adaptor did not answer the settings request.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thresholds: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thresholds: none (the adaptor waits for firmware)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was sent: %1.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was sent: the adaptor waits for firmware and holds no thresholds.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was sent: the values were made for %1 adaptor, and this is %2.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before: %1
Written: %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unread</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The adaptor refused %1 of %2 reports.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This adaptor does not hand out its memory.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some memory blocks could not be read (shown as question marks).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB shifter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>firmware loader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  %2  version %3  serial %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path: %1
Product: %2 (%3)
Manufacturer: %4
Version: %5
Serial number: %6
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No adaptor could be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no threshold given; use names V1, V2, H1, H2, SEQH1, SEQH2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown threshold &apos;%1&apos;; use V1, V2, H1, H2, SEQH1, SEQH2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>threshold %1 needs a whole number from 0 to 255, not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>threshold %1 is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not NAME=VALUE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Diagnosis</name>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  %1 (adaptor 1dd2:%2): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this user may open it
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this user may not open it (%1)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    not present under /dev
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    owner %1, group %2, mode %3, access list: %4
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    udev tag uaccess: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no login session</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>login session %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, no seat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, seat %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, over SSH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, user id %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This user may open every adaptor plugged in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No adaptor is plugged in: plug it in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program runs in a Flatpak sandbox that cannot see the adaptor: grant it device access, then start it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program runs in a Flatpak sandbox without the udev database: grant it /run/udev, then start it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No udev rule gives this user the adaptor: install 70-shifter-calibration.rules from the source folder, then re-trigger udev as root.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The udev rule is only under /usr/local/lib/udev/rules.d, which udev does not read on Debian: move it to /etc/udev/rules.d and re-trigger udev as root.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The udev rule is installed but not yet applied to the adaptor: re-trigger udev as root, or unplug and replug the adaptor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The adaptor is given to the person at the machine, and this session has no seat (over SSH or outside a desktop login): run the program from the desktop session at the machine.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rule is applied and this session has a seat, yet the system refuses the adaptor: unplug it and plug it in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no refusal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sandbox hides the device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sandbox hides the udev database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no udev rule installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the udev rule is in a folder udev does not read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>udev has not applied the rule yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this session has no seat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused although the rule applies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adaptor nodes:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  none of our vendor in /sys/class/hidraw
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rule %1:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (udev does not read this folder on Debian)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sandbox: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>udev database: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>visible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not visible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fix: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stored by Update settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stored at close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stored all six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stored by command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>restored</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Storage</name>
    <message>
        <source>Shifter calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing reads from it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a symbolic link, which is not followed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged or is not JSON (%2 at byte %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a calibration exported by this program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has format version %2, which this version of the program cannot read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is damaged: the adaptor it came from is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is refused: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the thresholds are missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is missing or not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2, not a whole number from 0 to 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>product %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration history is not kept: no home folder was found (set HOME to an absolute path).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program holds it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration history %1 is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration history cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration history could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: the folder cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: it is damaged and cannot be moved aside: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration history %1 was damaged; it was kept as %2 and a new one started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a symbolic link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>others may use it (its mode is %1, not 700)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shifter calibration keeps its lock in %1, but that is not a folder of your own that only you may use: %2. Remove it and start again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shifter calibration is already running; close it before starting it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shifter calibration cannot take its lock %1. Remove it and start again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>Upgrade Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done.Exiting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The firmware image was sent; please unplug the adaptor and plug it in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of the %2 firmware blocks and is still waiting for a firmware image, so please start this program again and repeat the upgrade.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending firmware: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents of shifter EEPROM memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your adaptor&apos;s support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is shifter EEPROM contents. Please copy (Ctrl+C) and email this text to %1 for analysis. Thank you!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The adaptor&apos;s feature reports are %1 bytes long, but firmware blocks need %2 to %3 bytes, so nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The built-in firmware image is %1 bytes long, not a whole number of %2-byte blocks, so nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This build carries no adaptor firmware, only a test image, so nothing was sent to the adaptor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No threshold could be proposed yet: see the assistant&apos;s warnings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proposed thresholds are in the boxes: press &quot;Update settings&quot; to store them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gear %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lever position X %1, Y %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left vertical line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right vertical line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upper horizontal line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lower horizontal line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first sequential line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second sequential line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restored %1; press Store all six to write it to the adaptor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store all six thresholds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was stored: the adaptor&apos;s thresholds could not be read when it connected. Unplug the adaptor, plug it in again and retry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored all six thresholds in the adaptor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of the six thresholds; try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 shows %2, which is not a threshold (%3): %1 stays %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The adaptor did not accept %1 of %2 values; try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stored in the adaptor: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The adaptor&apos;s stored settings could not be read, so nothing was stored. Unplug the adaptor, plug it in again and retry.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read shifter memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Product</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lever position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 to 254</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corvane Shifter interface calibration v1.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvo/Mirad shifter interface calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirad shifter interface calibration v1.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kelvo shifter interface calibration v1.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB shifter interface calibration v1.5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but the system does not let this program open it. Install 70-shifter-calibration.rules (see README), then run &quot;udevadm control --reload-rules&quot; and &quot;udevadm trigger&quot; as root, or unplug and replug the adaptor.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The adaptor is plugged in, but it could not be read: its report sizes are unknown. Unplug the adaptor and plug it in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No adaptor found. Plug one in: the window comes alive by itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulated adaptor: nothing is kept when the program ends</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gui::About</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;%1 %2&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Calibrates the lever thresholds of a USB shifter adaptor.&lt;/p&gt;&lt;p&gt;Qt %3 (built with %4)&lt;br&gt;hidapi %5&lt;/p&gt;&lt;p&gt;Free software under the MIT License: you may use, copy, change and pass it on; it comes without any warranty. The full text is in the LICENSE file.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gui::AccessDetails</name>
    <message>
        <source>Access to the adaptor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gui::AssistantWindow</name>
    <message>
        <source>&amp;Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use these values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration assistant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Proposed thresholds&lt;/b&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the adaptor&apos;s lever reports...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequential mode: take each step, then press Stop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>H-pattern mode: take each step, then press Stop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>recording: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;%1 = %2&lt;/b&gt;, margin %3 %4, %5 %6</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gui::CalibrationMenus</name>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export calibration...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import calibration...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Revert to the values read at connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;History...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Store all six thresholds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The adaptor&apos;s thresholds could not be read when it connected; unplug it and plug it in again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The adaptor was unplugged meanwhile; nothing was restored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calibration could not be written: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported the calibration to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This calibration was exported from %1, not from the connected %2. Use it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the calibration from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the calibration read at connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No history is kept for a simulated adaptor; start the program with --keep-history to keep one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the calibration of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrations (*.json);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gui::CalibrationTools</name>
    <message>
        <source>&amp;Colour the trace by gear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration &amp;assistant...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gui::FormWidget</name>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Adaptor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gui::GearLegend</name>
    <message>
        <source>Colours of the trace: the gear the adaptor reported at each point</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gui::HistoryDialog</name>
    <message>
        <source>&amp;Restore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puts the chosen row&apos;s thresholds into the window; nothing is sent to the adaptor until you store them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accepted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>gui::InputDialog</name>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
