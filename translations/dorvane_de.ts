<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AlarmTexts</name>
    <message>
        <source>At %1, the alarm time, Dorvane could not open anything: %2</source>
        <translation>Zur Weckzeit um %1 konnte Dorvane nichts öffnen: %2</translation>
    </message>
    <message>
        <source>no application is set up to open that kind of file (%1).</source>
        <translation>Für Dateien dieses Typs ist keine Anwendung zum Öffnen eingerichtet (%1).</translation>
    </message>
    <message>
        <source>the chosen file %1 cannot be found.</source>
        <translation>Die gewählte Datei %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>the chosen file %1 cannot be read: you have no permission to read it.</source>
        <translation>Die gewählte Datei %1 kann nicht gelesen werden: Sie haben keine Leseberechtigung dafür.</translation>
    </message>
    <message>
        <source>the desktop could not open %1.</source>
        <translation>Die Arbeitsumgebung konnte %1 nicht öffnen.</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener could not be started to open %1.</source>
        <translation>Das Programm der Arbeitsumgebung zum Öffnen von Dateien konnte für %1 nicht gestartet werden.</translation>
    </message>
    <message>
        <source>no file has been chosen. Choose one with Set File.</source>
        <translation>Es ist keine Datei gewählt. Wählen Sie eine über „Datei&#xa0;…“ aus.</translation>
    </message>
    <message>
        <source>the record of the chosen file, %1, cannot be read: %2. Choose the file again with Set File.</source>
        <translation>Die Datei %1, in der die gewählte Datei vermerkt ist, kann nicht gelesen werden: %2. Wählen Sie die Datei erneut über „Datei&#xa0;…“ aus.</translation>
    </message>
    <message>
        <source>the chosen file is recorded as %1, which is not a full path, so it could be any file of that name. Choose the file again with Set File.</source>
        <translation>Die gewählte Datei ist als %1 vermerkt. Das ist kein vollständiger Pfad, daher könnte jede Datei dieses Namens gemeint sein. Wählen Sie die Datei erneut über „Datei&#xa0;…“ aus.</translation>
    </message>
    <message>
        <source>the chosen %1 is not a file that can be opened, but a folder, a device or a pipe.</source>
        <translation>Das gewählte Element %1 ist keine Datei, die sich öffnen lässt, sondern ein Ordner, ein Gerät oder eine Pipe.</translation>
    </message>
    <message>
        <source>the chosen file %1 cannot be read: %2.</source>
        <translation>Die gewählte Datei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>the chosen file %1 cannot be read: you have no permission to open the folder %2 on its path.</source>
        <translation>Die gewählte Datei %1 kann nicht gelesen werden: Sie haben keine Berechtigung, den Ordner %2 in ihrem Pfad zu öffnen.</translation>
    </message>
    <message>
        <source>the chosen file is recorded as %1, which ends in “%2” and so names a folder, but %3 is a file. Choose the file again with Set File.</source>
        <translation>Die gewählte Datei ist als %1 vermerkt. Der Pfad endet auf „%2“ und bezeichnet damit einen Ordner, %3 ist aber eine Datei. Wählen Sie die Datei erneut über „Datei&#xa0;…“ aus.</translation>
    </message>
    <message>
        <source>the chosen file is recorded as %1, the address of a file on another computer, which Dorvane cannot open. Choose the file again with Set File.</source>
        <translation>Die gewählte Datei ist als %1 vermerkt. Das ist die Adresse einer Datei auf einem anderen Computer, die Dorvane nicht öffnen kann. Wählen Sie die Datei erneut über „Datei&#xa0;…“ aus.</translation>
    </message>
    <message>
        <source>the computer was asleep.</source>
        <translation>Der Computer war im Bereitschaftsmodus.</translation>
    </message>
    <message>
        <source>the computer&apos;s clock was set forward past it.</source>
        <translation>Die Uhr des Computers wurde über die Weckzeit hinaus vorgestellt.</translation>
    </message>
    <message>
        <source>Dorvane could not run at that time: it was stopped, or the computer was too busy.</source>
        <translation>Dorvane konnte zu dieser Zeit nicht laufen, weil das Programm angehalten oder der Computer zu stark ausgelastet war.</translation>
    </message>
    <message>
        <source>The alarm of %1 was missed and is not played late: %2</source>
        <translation>Der Wecker um %1 wurde verpasst und wird nicht nachgeholt: %2</translation>
    </message>
    <message numerus="yes">
        <source>The %n alarms from %1 to %2 were missed and are not played late: %3</source>
        <translation>
            <numerusform>%n Wecker von %1 bis %2 wurde verpasst und wird nicht nachgeholt: %3</numerusform>
            <numerusform>Die %n Wecker von %1 bis %2 wurden verpasst und werden nicht nachgeholt: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Dorvane does not wake the computer while no file is chosen.</source>
        <translation>Solange keine Datei gewählt ist, weckt Dorvane den Computer nicht auf.</translation>
    </message>
    <message>
        <source>Dorvane could not wake it: %1.</source>
        <translation>Dorvane konnte ihn nicht aufwecken: %1.</translation>
    </message>
    <message>
        <source>Dorvane had asked the system to wake it at %1.</source>
        <translation>Dorvane hatte das System gebeten, ihn um %1 aufzuwecken.</translation>
    </message>
    <message>
        <source>Dorvane could not read the alarm time from %1: %2.

The alarm is set to 12:00 PM until you choose another time.</source>
        <translation>Dorvane konnte die Weckzeit nicht aus %1 lesen: %2.

Der Wecker ist auf 12:00 PM gestellt, bis Sie eine andere Zeit wählen.</translation>
    </message>
    <message>
        <source>it holds “%1”</source>
        <translation>enthält die Datei „%1“</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>enthält die Datei gar nichts</translation>
    </message>
    <message>
        <source>Dorvane could not read the alarm time from %1: %2, which is not a time of day.

The alarm is set to 12:00 PM until you choose another time.</source>
        <translation>Dorvane konnte die Weckzeit nicht aus %1 lesen: Statt einer Uhrzeit %2.

Der Wecker ist auf 12:00 PM gestellt, bis Sie eine andere Zeit wählen.</translation>
    </message>
    <message>
        <source>Dorvane could not save the alarm time to %1: %2.

The alarm still rings at the time shown, but Dorvane will not remember it when it starts again.</source>
        <translation>Dorvane konnte die Weckzeit nicht in %1 speichern: %2.

Der Wecker klingelt trotzdem zur angezeigten Zeit, aber beim nächsten Start hat Dorvane sie vergessen.</translation>
    </message>
    <message numerus="yes">
        <source>%1

This has happened %n times, the first at %2.</source>
        <translation>
            <numerusform>%1

Das ist bisher %n-mal vorgekommen, zum ersten Mal um %2.</numerusform>
            <numerusform>%1

Das ist bisher %n-mal vorgekommen, zum ersten Mal um %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer will be woken at %1 for the alarm.</source>
        <translation>Der Computer wird um %1 für den Wecker aufgeweckt.</translation>
    </message>
    <message>
        <source>This computer will not be woken for the alarm: %1.</source>
        <translation>Dieser Computer wird für den Wecker nicht aufgeweckt: %1.</translation>
    </message>
    <message>
        <source>This computer will not be woken for the alarm while no file is chosen.</source>
        <translation>Solange keine Datei gewählt ist, wird dieser Computer für den Wecker nicht aufgeweckt.</translation>
    </message>
    <message>
        <source>The alarm at %1 is about to play its file.</source>
        <translation>Der Wecker um %1 spielt gleich seine Datei ab.</translation>
    </message>
    <message>
        <source>If this computer is asleep at the alarm time, Dorvane cannot wake it: %1.

Leave the computer awake, or the alarm will be missed.</source>
        <translation>Wenn dieser Computer zur Weckzeit im Bereitschaftsmodus ist, kann Dorvane ihn nicht aufwecken: %1.

Lassen Sie den Computer nicht in den Bereitschaftsmodus wechseln, sonst wird der Wecker verpasst.</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language of the day and month names in notices: the code of this translation&apos;s language, such as de or fr</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>dddd, d MMMM</source>
        <comment>a day in notices, in QLocale&apos;s date format: Monday, 15 June</comment>
        <translation>dddd, d. MMMM</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <comment>a moment in notices: 07:30:00 AM on Monday, 15 June</comment>
        <translation>%1 am %2</translation>
    </message>
</context>
<context>
    <name>DriveMap</name>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 ist eine Datei, kein Ordner</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>Der Ordner %1 konnte nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>FolderListBox</name>
    <message>
        <source>This name begins or ends with a space, shown as ␣, or holds a line break, shown as ⏎, or another control character, shown as �.</source>
        <translation>Dieser Name beginnt oder endet mit einem Leerzeichen (dargestellt als ␣) oder enthält einen Zeilenumbruch (dargestellt als ⏎) oder ein anderes Steuerzeichen (dargestellt als �).</translation>
    </message>
    <message>
        <source>Reading the folder…</source>
        <translation>Ordner wird gelesen&#xa0;…</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Contact</source>
        <extracomment>A button caption: at most 80 pixels of Verdana 8.25 pt.</extracomment>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Set File</source>
        <extracomment>A button caption: at most 64 pixels of Verdana 8.25 pt; it opens the dialog that chooses the file.</extracomment>
        <translation>Datei&#xa0;…</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A button caption: at most 34 pixels of Verdana 8.25 pt.</extracomment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Opens one chosen file at one set time of day, every day.</source>
        <translation>Öffnet jeden Tag zu einer festen Uhrzeit eine gewählte Datei.</translation>
    </message>
    <message>
        <source>Time now</source>
        <translation>Aktuelle Uhrzeit</translation>
    </message>
    <message>
        <source>The current time, updated every second.</source>
        <translation>Die aktuelle Uhrzeit, sekündlich aktualisiert.</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>Weckzeit</translation>
    </message>
    <message>
        <source>Opens Dorvane&apos;s help in your web browser.</source>
        <translation>Öffnet die Hilfe zu Dorvane in Ihrem Webbrowser.</translation>
    </message>
    <message>
        <source>Opens the page for contacting Dorvane&apos;s makers in your web browser.</source>
        <translation>Öffnet die Kontaktseite der Dorvane-Entwickler in Ihrem Webbrowser.</translation>
    </message>
    <message>
        <source>Chooses the file that Dorvane opens at the alarm time.</source>
        <translation>Wählt die Datei, die Dorvane zur Weckzeit öffnet.</translation>
    </message>
    <message>
        <source>News from Dorvane&apos;s makers</source>
        <translation>Neues von den Dorvane-Entwicklern</translation>
    </message>
    <message>
        <source>A page from Dorvane&apos;s makers; its links open in your web browser.</source>
        <translation>Eine Seite der Dorvane-Entwickler; ihre Links öffnen sich in Ihrem Webbrowser.</translation>
    </message>
    <message>
        <source>At this time every day Dorvane opens the chosen file. Left and Right move between hours, minutes and AM/PM; Up and Down or typing change them. Each change is saved at once.</source>
        <translation>Zu dieser Uhrzeit öffnet Dorvane jeden Tag die gewählte Datei. Mit den Pfeiltasten nach links und rechts wechseln Sie zwischen Stunden, Minuten und AM/PM, mit den Pfeiltasten nach oben und unten oder durch Eintippen ändern Sie den Wert. Jede Änderung wird sofort gespeichert.</translation>
    </message>
</context>
<context>
    <name>LinkPane</name>
    <message>
        <source>More from the makers of Dorvane</source>
        <translation>Mehr von den Dorvane-Entwicklern</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>Home</source>
        <translation>Persönlicher Ordner</translation>
    </message>
</context>
<context>
    <name>PowerPlan</name>
    <message>
        <source>Windows&apos; power plan does not let timers wake this computer (in Power Options, under Change advanced power settings, set Sleep, Allow wake timers to Enable)</source>
        <translation>Der Energiesparplan von Windows lässt nicht zu, dass Zeitgeber diesen Computer reaktivieren (setzen Sie in den Energieoptionen unter „Erweiterte Energieeinstellungen ändern“ den Punkt „Energie sparen“, „Zeitgeber zur Aktivierung zulassen“ auf „Aktivieren“)</translation>
    </message>
    <message>
        <source>Windows&apos; power plan does not let timers wake this computer while it is plugged in (in Power Options, under Change advanced power settings, set Sleep, Allow wake timers, Plugged in to Enable)</source>
        <translation>Der Energiesparplan von Windows lässt im Netzbetrieb nicht zu, dass Zeitgeber diesen Computer reaktivieren (setzen Sie in den Energieoptionen unter „Erweiterte Energieeinstellungen ändern“ den Punkt „Energie sparen“, „Zeitgeber zur Aktivierung zulassen“, „Netzbetrieb“ auf „Aktivieren“)</translation>
    </message>
    <message>
        <source>Windows&apos; power plan does not let timers wake this computer while it runs on battery (in Power Options, under Change advanced power settings, set Sleep, Allow wake timers, On battery to Enable)</source>
        <translation>Der Energiesparplan von Windows lässt im Akkubetrieb nicht zu, dass Zeitgeber diesen Computer reaktivieren (setzen Sie in den Energieoptionen unter „Erweiterte Energieeinstellungen ändern“ den Punkt „Energie sparen“, „Zeitgeber zur Aktivierung zulassen“, „Akkubetrieb“ auf „Aktivieren“)</translation>
    </message>
</context>
<context>
    <name>RichTextPane</name>
    <message>
        <source>Tab moves between the page&apos;s links; Enter opens one in your web browser.</source>
        <translation>Mit der Tabulatortaste wechseln Sie zwischen den Links der Seite, mit der Eingabetaste öffnen Sie einen davon in Ihrem Webbrowser.</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Webseite</translation>
    </message>
</context>
<context>
    <name>SequentialFiles</name>
    <message>
        <source>a folder stands in its place; Dorvane leaves it as it is</source>
        <translation>An dieser Stelle befindet sich ein Ordner; Dorvane lässt ihn unangetastet</translation>
    </message>
    <message>
        <source>it is not a regular file but a device or a pipe; Dorvane leaves it as it is</source>
        <translation>Das ist keine reguläre Datei, sondern ein Gerät oder eine Pipe; Dorvane lässt es unangetastet</translation>
    </message>
    <message>
        <source>file number %1 is already open</source>
        <translation>Dateinummer %1 ist bereits geöffnet</translation>
    </message>
    <message>
        <source>it holds more than %1 KB, far more than a settings file does</source>
        <translation>Die Datei ist größer als %1 KB und damit viel zu groß für eine Einstellungsdatei</translation>
    </message>
    <message>
        <source>the file system it is on is read-only</source>
        <translation>Die Datei liegt auf einem schreibgeschützten Dateisystem</translation>
    </message>
    <message numerus="yes">
        <source>the disk took only %n of %1 bytes; it may be full</source>
        <translation>
            <numerusform>Auf den Datenträger wurde nur %n Byte von %1 geschrieben; möglicherweise ist er voll</numerusform>
            <numerusform>Auf den Datenträger wurden nur %n Bytes von %1 geschrieben; möglicherweise ist er voll</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>something that is not a lock file stands in its place</source>
        <translation>an dieser Stelle befindet sich etwas anderes als eine Sperrdatei</translation>
    </message>
    <message>
        <source>it cannot be made</source>
        <translation>die Datei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>something holds its lock, but no copy of Dorvane that runs as you answers</source>
        <translation>etwas hält die Sperre, aber keine unter Ihrem Benutzerkonto laufende Instanz von Dorvane antwortet</translation>
    </message>
    <message>
        <source>it belongs to another account, %1</source>
        <translation>der Ordner gehört einem anderen Benutzerkonto, %1</translation>
    </message>
    <message>
        <source>another account, %1, holds its lock</source>
        <translation>ein anderes Benutzerkonto, %1, hält die Sperre</translation>
    </message>
</context>
<context>
    <name>SystemWakeUp</name>
    <message>
        <source>waking the computer is turned off with %1=off</source>
        <translation>Das Aufwecken des Computers ist mit %1=off ausgeschaltet</translation>
    </message>
    <message>
        <source>the wake-up time %1 is further ahead than Dorvane ever asks</source>
        <translation>Der Aufweckzeitpunkt %1 liegt weiter in der Zukunft, als Dorvane es je anfordert</translation>
    </message>
    <message>
        <source>its helper dorvane-wake, which Dorvane&apos;s package installs, is not there</source>
        <translation>Das Hilfsprogramm dorvane-wake, das mit dem Paket von Dorvane installiert wird, ist nicht vorhanden</translation>
    </message>
    <message>
        <source>its helper %1 could not be started (%2)</source>
        <translation>Das Hilfsprogramm %1 konnte nicht gestartet werden (%2)</translation>
    </message>
    <message>
        <source>its helper %1 does not hold the capability cap_wake_alarm (to give it: sudo setcap cap_wake_alarm=p %1)</source>
        <translation>Dem Hilfsprogramm %1 fehlt die Capability cap_wake_alarm (so erteilen Sie sie: sudo setcap cap_wake_alarm=p %1)</translation>
    </message>
    <message>
        <source>Dorvane runs with no_new_privs set (in a sandbox, or as a service with NoNewPrivileges=), so the system does not grant its helper %1 the capability cap_wake_alarm</source>
        <translation>Dorvane läuft mit gesetztem no_new_privs (in einer Sandbox oder als Dienst mit NoNewPrivileges=), daher erteilt das System seinem Hilfsprogramm %1 die Capability cap_wake_alarm nicht</translation>
    </message>
    <message>
        <source>only programs in a local session at a seat may wake this computer, and Dorvane runs outside one (as from an ssh login, a cron job or a service)</source>
        <translation>Nur Programme in einer lokalen Sitzung an einem Arbeitsplatz dürfen diesen Computer aufwecken, und Dorvane läuft außerhalb einer solchen Sitzung (etwa über eine SSH-Anmeldung, als Cron-Job oder als Dienst)</translation>
    </message>
    <message>
        <source>its helper %1 gave an answer Dorvane does not know: %2</source>
        <translation>Das Hilfsprogramm %1 hat eine Antwort gegeben, die Dorvane nicht kennt: %2</translation>
    </message>
    <message>
        <source>its helper %1 says: %2</source>
        <translation>Das Hilfsprogramm %1 meldet: %2</translation>
    </message>
    <message>
        <source>its helper %1 refused the request</source>
        <translation>Das Hilfsprogramm %1 hat die Anfrage abgelehnt</translation>
    </message>
    <message>
        <source>its helper %1 was killed by signal %2</source>
        <translation>Das Hilfsprogramm %1 wurde durch Signal %2 beendet</translation>
    </message>
    <message>
        <source>its helper %1 ended (exit status %2)</source>
        <translation>Das Hilfsprogramm %1 hat sich beendet (Exit-Status %2)</translation>
    </message>
</context>
<context>
    <name>WaitableTimer</name>
    <message>
        <source>this computer does not support waking by timer</source>
        <translation>Dieser Computer unterstützt kein Aufwecken per Zeitgeber</translation>
    </message>
    <message>
        <source>Windows refused the wake-up timer (%1)</source>
        <translation>Windows hat den Zeitgeber zum Aufwecken abgelehnt (%1)</translation>
    </message>
</context>
<context>
    <name>frmSelectOneFile</name>
    <message>
        <source>Select Files</source>
        <extracomment>The dialog&apos;s title. It chooses the one file the alarm opens.</extracomment>
        <translation>Datei auswählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button caption: at most 90 pixels of bold Verdana 8.25 pt.</extracomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>A button caption: at most 90 pixels of bold Verdana 8.25 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Choose the file that Dorvane opens at the alarm time.</source>
        <translation>Wählen Sie die Datei, die Dorvane zur Weckzeit öffnet.</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Where to browse from: the root folder, your home folder or a mounted disk. Up and Down choose one.</source>
        <translation>Ausgangspunkt zum Durchsuchen: der Wurzelordner, Ihr persönlicher Ordner oder ein eingehängter Datenträger. Mit den Pfeiltasten nach oben und unten wählen Sie einen davon.</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>The current folder, the folders above it and its subfolders. Enter opens the highlighted folder.</source>
        <translation>Der aktuelle Ordner, die übergeordneten Ordner und seine Unterordner. Die Eingabetaste öffnet den hervorgehobenen Ordner.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>The files in the current folder. Select the one the alarm opens.</source>
        <translation>Die Dateien im aktuellen Ordner. Wählen Sie die Datei aus, die der Wecker öffnen soll.</translation>
    </message>
    <message>
        <source>Makes the selected file the one the alarm opens, and closes.</source>
        <translation>Übernimmt die ausgewählte Datei für den Wecker und schließt den Dialog.</translation>
    </message>
    <message>
        <source>Closes without changing the file the alarm opens.</source>
        <translation>Schließt den Dialog, ohne die Datei für den Wecker zu ändern.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is no longer there, or it is not a folder.</source>
        <translation>%1 kann nicht geöffnet werden: Es ist nicht mehr vorhanden oder kein Ordner.</translation>
    </message>
    <message>
        <source>The name of this file, or of a folder above it, holds a line break. Dorvane keeps the chosen file as one line of text, which cannot hold such a name, so this file cannot be chosen.

The file the alarm opens has not changed. Rename the file or choose another one.</source>
        <translation>Der Name dieser Datei oder eines übergeordneten Ordners enthält einen Zeilenumbruch. Dorvane speichert die gewählte Datei als eine einzige Textzeile, in die ein solcher Name nicht passt; daher kann diese Datei nicht gewählt werden.

Die Datei für den Wecker bleibt unverändert. Benennen Sie die Datei um oder wählen Sie eine andere.</translation>
    </message>
    <message>
        <source>Dorvane could not save your choice to %1: %2.

The file the alarm opens has not changed. Press Ok to try again, or Cancel to keep it.</source>
        <translation>Dorvane konnte Ihre Auswahl nicht in %1 speichern: %2.

Die Datei für den Wecker bleibt unverändert. Klicken Sie auf „OK“, um es erneut zu versuchen, oder auf „Abbrechen“, um sie beizubehalten.</translation>
    </message>
    <message>
        <source>%1 is no longer a file: a folder, a device or a pipe now stands in its place.

The file the alarm opens has not changed. Choose another file.</source>
        <translation>%1 ist keine Datei mehr: An ihrer Stelle befindet sich jetzt ein Ordner, ein Gerät oder eine Pipe.

Die Datei für den Wecker bleibt unverändert. Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>%1 is no longer there: it was moved or deleted after the list was read.

The file the alarm opens has not changed. Choose another file.</source>
        <translation>%1 ist nicht mehr vorhanden: Die Datei wurde verschoben oder gelöscht, nachdem die Liste eingelesen wurde.

Die Datei für den Wecker bleibt unverändert. Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: its full path is longer than the system allows.</source>
        <translation>%1 kann nicht geöffnet werden: Der vollständige Pfad ist länger, als das System zulässt.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is, or its path passes through, a symbolic link that leads round in a circle.

The file the alarm opens has not changed. Choose another file.</source>
        <translation>%1 kann nicht geöffnet werden: Es ist selbst eine symbolische Verknüpfung, die im Kreis verweist, oder sein Pfad führt über eine solche.

Die Datei für den Wecker bleibt unverändert. Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>%1 is no longer a file: a symbolic link to something that is not there now stands in its place.

The file the alarm opens has not changed. Choose another file.</source>
        <translation>%1 ist keine Datei mehr: An ihrer Stelle befindet sich jetzt eine symbolische Verknüpfung auf ein nicht vorhandenes Ziel.

Die Datei für den Wecker bleibt unverändert. Wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: its full path is longer than the system allows.

The file the alarm opens has not changed. Choose another file.</source>
        <translation>%1 kann nicht geöffnet werden: Der vollständige Pfad ist länger, als das System zulässt.

Die Datei für den Wecker bleibt unverändert. Wählen Sie eine andere Datei.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Dorvane is already running, but it does not answer. Close it, or end it if it hangs, and start Dorvane again.</source>
        <translation>Dorvane läuft bereits, reagiert aber nicht. Schließen Sie das Programm oder beenden Sie es, falls es hängt, und starten Sie Dorvane dann erneut.</translation>
    </message>
    <message>
        <source>Dorvane could not rule out that another copy of it is running, because %1 cannot be locked (%2).

If another copy runs, your file may open twice at the alarm time.</source>
        <translation>Dorvane konnte nicht ausschließen, dass bereits eine weitere Instanz läuft, da %1 nicht gesperrt werden kann (%2).

Falls eine weitere Instanz läuft, wird Ihre Datei zur Weckzeit möglicherweise zweimal geöffnet.</translation>
    </message>
    <message>
        <source>Opens one chosen file at one set time of day, every day.</source>
        <translation>Öffnet jeden Tag zu einer festen Uhrzeit eine gewählte Datei.</translation>
    </message>
    <message>
        <source>Dorvane cannot tell where your settings are: the environment variable %1 is %2, which is not valid UTF-8 text, and Dorvane keeps your settings in a folder below it.

Dorvane has not started, so that it reads and saves no settings in another folder. Rename that folder, or set %1 to a name that is valid text, and start Dorvane again.</source>
        <translation>Dorvane kann nicht feststellen, wo sich Ihre Einstellungen befinden: Die Umgebungsvariable %1 hat den Wert %2. Das ist kein gültiger UTF-8-Text, und Dorvane speichert Ihre Einstellungen in einem Ordner darunter.

Dorvane wird nicht gestartet, damit es keine Einstellungen in einem anderen Ordner liest oder speichert. Benennen Sie diesen Ordner um oder setzen Sie %1 auf einen Namen, der gültiger Text ist, und starten Sie Dorvane erneut.</translation>
    </message>
</context>
</TS>
