<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AlarmTexts</name>
    <message>
        <source>At %1, the alarm time, Dorvane could not open anything: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no application is set up to open that kind of file (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the chosen file %1 cannot be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the chosen file %1 cannot be read: you have no permission to read it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the desktop could not open %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the desktop&apos;s opener could not be started to open %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file has been chosen. Choose one with Set File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the record of the chosen file, %1, cannot be read: %2. Choose the file again with Set File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the chosen file is recorded as %1, which is not a full path, so it could be any file of that name. Choose the file again with Set File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the chosen %1 is not a file that can be opened, but a folder, a device or a pipe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the chosen file %1 cannot be read: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the chosen file %1 cannot be read: you have no permission to open the folder %2 on its path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the chosen file is recorded as %1, which ends in “%2” and so names a folder, but %3 is a file. Choose the file again with Set File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the chosen file is recorded as %1, the address of a file on another computer, which Dorvane cannot open. Choose the file again with Set File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the computer was asleep.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the computer&apos;s clock was set forward past it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dorvane could not run at that time: it was stopped, or the computer was too busy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The alarm of %1 was missed and is not played late: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The %n alarms from %1 to %2 were missed and are not played late: %3</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Dorvane does not wake the computer while no file is chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dorvane could not wake it: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dorvane had asked the system to wake it at %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dorvane could not read the alarm time from %1: %2.

The alarm is set to 12:00 PM until you choose another time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds “%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dorvane could not read the alarm time from %1: %2, which is not a time of day.

The alarm is set to 12:00 PM until you choose another time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dorvane could not save the alarm time to %1: %2.

The alarm still rings at the time shown, but Dorvane will not remember it when it starts again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1

This has happened %n times, the first at %2.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The computer will be woken at %1 for the alarm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer will not be woken for the alarm: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This computer will not be woken for the alarm while no file is chosen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The alarm at %1 is about to play its file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If this computer is asleep at the alarm time, Dorvane cannot wake it: %1.

Leave the computer awake, or the alarm will be missed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language of the day and month names in notices: the code of this translation&apos;s language, such as de or fr</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dddd, d MMMM</source>
        <comment>a day in notices, in QLocale&apos;s date format: Monday, 15 June</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <comment>a moment in notices: 07:30:00 AM on Monday, 15 June</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DriveMap</name>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderListBox</name>
    <message>
        <source>This name begins or ends with a space, shown as ␣, or holds a line break, shown as ⏎, or another control character, shown as �.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the folder…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Contact</source>
        <extracomment>A button caption: at most 80 pixels of Verdana 8.25 pt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set File</source>
        <extracomment>A button caption: at most 64 pixels of Verdana 8.25 pt; it opens the dialog that chooses the file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A button caption: at most 34 pixels of Verdana 8.25 pt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens one chosen file at one set time of day, every day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current time, updated every second.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens Dorvane&apos;s help in your web browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the page for contacting Dorvane&apos;s makers in your web browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chooses the file that Dorvane opens at the alarm time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>News from Dorvane&apos;s makers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A page from Dorvane&apos;s makers; its links open in your web browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At this time every day Dorvane opens the chosen file. Left and Right move between hours, minutes and AM/PM; Up and Down or typing change them. Each change is saved at once.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkPane</name>
    <message>
        <source>More from the makers of Dorvane</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PowerPlan</name>
    <message>
        <source>Windows&apos; power plan does not let timers wake this computer (in Power Options, under Change advanced power settings, set Sleep, Allow wake timers to Enable)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows&apos; power plan does not let timers wake this computer while it is plugged in (in Power Options, under Change advanced power settings, set Sleep, Allow wake timers, Plugged in to Enable)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows&apos; power plan does not let timers wake this computer while it runs on battery (in Power Options, under Change advanced power settings, set Sleep, Allow wake timers, On battery to Enable)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RichTextPane</name>
    <message>
        <source>Tab moves between the page&apos;s links; Enter opens one in your web browser.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SequentialFiles</name>
    <message>
        <source>a folder stands in its place; Dorvane leaves it as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file but a device or a pipe; Dorvane leaves it as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file number %1 is already open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds more than %1 KB, far more than a settings file does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file system it is on is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk took only %1 of %2 bytes; it may be full</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>something that is not a lock file stands in its place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>something holds its lock, but no copy of Dorvane that runs as you answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it belongs to another account, %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another account, %1, holds its lock</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemWakeUp</name>
    <message>
        <source>waking the computer is turned off with %1=off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the wake-up time %1 is further ahead than Dorvane ever asks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its helper dorvane-wake, which Dorvane&apos;s package installs, is not there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its helper %1 could not be started (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its helper %1 does not hold the capability cap_wake_alarm (to give it: sudo setcap cap_wake_alarm=p %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dorvane runs with no_new_privs set (in a sandbox, or as a service with NoNewPrivileges=), so the system does not grant its helper %1 the capability cap_wake_alarm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>only programs in a local session at a seat may wake this computer, and Dorvane runs outside one (as from an ssh login, a cron job or a service)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its helper %1 gave an answer Dorvane does not know: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its helper %1 says: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its helper %1 refused the request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its helper %1 was killed by signal %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its helper %1 ended (exit status %2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaitableTimer</name>
    <message>
        <source>this computer does not support waking by timer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows refused the wake-up timer (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSelectOneFile</name>
    <message>
        <source>Select Files</source>
        <extracomment>The dialog&apos;s title. It chooses the one file the alarm opens.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button caption: at most 90 pixels of bold Verdana 8.25 pt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>A button caption: at most 90 pixels of bold Verdana 8.25 pt.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the file that Dorvane opens at the alarm time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where to browse from: the root folder, your home folder or a mounted disk. Up and Down choose one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current folder, the folders above it and its subfolders. Enter opens the highlighted folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The files in the current folder. Select the one the alarm opens.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes the selected file the one the alarm opens, and closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes without changing the file the alarm opens.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is no longer there, or it is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name of this file, or of a folder above it, holds a line break. Dorvane keeps the chosen file as one line of text, which cannot hold such a name, so this file cannot be chosen.

The file the alarm opens has not changed. Rename the file or choose another one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dorvane could not save your choice to %1: %2.

The file the alarm opens has not changed. Press Ok to try again, or Cancel to keep it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no longer a file: a folder, a device or a pipe now stands in its place.

The file the alarm opens has not changed. Choose another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no longer there: it was moved or deleted after the list was read.

The file the alarm opens has not changed. Choose another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: its full path is longer than the system allows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is, or its path passes through, a symbolic link that leads round in a circle.

The file the alarm opens has not changed. Choose another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no longer a file: a symbolic link to something that is not there now stands in its place.

The file the alarm opens has not changed. Choose another file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be opened: its full path is longer than the system allows.

The file the alarm opens has not changed. Choose another file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Dorvane is already running, but it does not answer. Close it, or end it if it hangs, and start Dorvane again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dorvane could not rule out that another copy of it is running, because %1 cannot be locked (%2).

If another copy runs, your file may open twice at the alarm time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens one chosen file at one set time of day, every day.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dorvane cannot tell where your settings are: the environment variable %1 is %2, which is not valid UTF-8 text, and Dorvane keeps your settings in a folder below it.

Dorvane has not started, so that it reads and saves no settings in another folder. Rename that folder, or set %1 to a name that is valid text, and start Dorvane again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
