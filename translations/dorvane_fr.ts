<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AlarmTexts</name>
    <message>
        <source>At %1, the alarm time, Dorvane could not open anything: %2</source>
        <translation>À l&apos;heure de l&apos;alarme, le %1, Dorvane n&apos;a rien pu ouvrir&#xa0;: %2</translation>
    </message>
    <message>
        <source>no application is set up to open that kind of file (%1).</source>
        <translation>aucune application n&apos;est configurée pour ouvrir ce type de fichier (%1).</translation>
    </message>
    <message>
        <source>the chosen file %1 cannot be found.</source>
        <translation>le fichier choisi, %1, est introuvable.</translation>
    </message>
    <message>
        <source>the chosen file %1 cannot be read: you have no permission to read it.</source>
        <translation>le fichier choisi, %1, ne peut pas être lu&#xa0;: vous n&apos;avez pas l&apos;autorisation de le lire.</translation>
    </message>
    <message>
        <source>the desktop could not open %1.</source>
        <translation>l&apos;environnement de bureau n&apos;a pas pu ouvrir %1.</translation>
    </message>
    <message>
        <source>the desktop&apos;s opener could not be started to open %1.</source>
        <translation>l&apos;outil qui ouvre les fichiers dans l&apos;environnement de bureau n&apos;a pas pu être lancé pour ouvrir %1.</translation>
    </message>
    <message>
        <source>no file has been chosen. Choose one with Set File.</source>
        <translation>aucun fichier n&apos;a été choisi. Choisissez-en un avec le bouton «&#xa0;Fichier…&#xa0;».</translation>
    </message>
    <message>
        <source>the record of the chosen file, %1, cannot be read: %2. Choose the file again with Set File.</source>
        <translation>le fichier %1, où est enregistré votre choix, ne peut pas être lu&#xa0;: %2. Choisissez de nouveau le fichier avec le bouton «&#xa0;Fichier…&#xa0;».</translation>
    </message>
    <message>
        <source>the chosen file is recorded as %1, which is not a full path, so it could be any file of that name. Choose the file again with Set File.</source>
        <translation>le fichier choisi est enregistré sous la forme %1, qui n&apos;est pas un chemin complet&#xa0;: ce pourrait être n&apos;importe quel fichier portant ce nom. Choisissez de nouveau le fichier avec le bouton «&#xa0;Fichier…&#xa0;».</translation>
    </message>
    <message>
        <source>the chosen %1 is not a file that can be opened, but a folder, a device or a pipe.</source>
        <translation>l&apos;élément choisi, %1, n&apos;est pas un fichier que l&apos;on peut ouvrir, mais un dossier, un périphérique ou un tube.</translation>
    </message>
    <message>
        <source>the chosen file %1 cannot be read: %2.</source>
        <translation>le fichier choisi, %1, ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>the chosen file %1 cannot be read: you have no permission to open the folder %2 on its path.</source>
        <translation>le fichier choisi, %1, ne peut pas être lu&#xa0;: vous n&apos;avez pas l&apos;autorisation d&apos;ouvrir le dossier %2, par lequel passe son chemin.</translation>
    </message>
    <message>
        <source>the chosen file is recorded as %1, which ends in “%2” and so names a folder, but %3 is a file. Choose the file again with Set File.</source>
        <translation>le fichier choisi est enregistré sous la forme %1, qui se termine par «&#xa0;%2&#xa0;» et désigne donc un dossier, mais %3 est un fichier. Choisissez de nouveau le fichier avec le bouton «&#xa0;Fichier…&#xa0;».</translation>
    </message>
    <message>
        <source>the chosen file is recorded as %1, the address of a file on another computer, which Dorvane cannot open. Choose the file again with Set File.</source>
        <translation>le fichier choisi est enregistré sous la forme %1, l&apos;adresse d&apos;un fichier situé sur un autre ordinateur, que Dorvane ne peut pas ouvrir. Choisissez de nouveau le fichier avec le bouton «&#xa0;Fichier…&#xa0;».</translation>
    </message>
    <message>
        <source>the computer was asleep.</source>
        <translation>l&apos;ordinateur était en veille.</translation>
    </message>
    <message>
        <source>the computer&apos;s clock was set forward past it.</source>
        <translation>l&apos;horloge de l&apos;ordinateur a été avancée au-delà de l&apos;heure de l&apos;alarme.</translation>
    </message>
    <message>
        <source>Dorvane could not run at that time: it was stopped, or the computer was too busy.</source>
        <translation>Dorvane n&apos;a pas pu fonctionner à ce moment-là, car il a été interrompu ou l&apos;ordinateur était trop occupé.</translation>
    </message>
    <message>
        <source>The alarm of %1 was missed and is not played late: %2</source>
        <translation>L&apos;alarme du %1 a été manquée et ne sera pas jouée en retard&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>The %n alarms from %1 to %2 were missed and are not played late: %3</source>
        <translation>
            <numerusform>%n alarme, du %1 au %2, a été manquée et ne sera pas jouée en retard&#xa0;: %3</numerusform>
            <numerusform>Les %n alarmes du %1 au %2 ont été manquées et ne seront pas jouées en retard&#xa0;: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>Dorvane does not wake the computer while no file is chosen.</source>
        <translation>Dorvane ne réveille pas l&apos;ordinateur tant qu&apos;aucun fichier n&apos;est choisi.</translation>
    </message>
    <message>
        <source>Dorvane could not wake it: %1.</source>
        <translation>Dorvane n&apos;a pas pu le réveiller&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Dorvane had asked the system to wake it at %1.</source>
        <translation>Dorvane avait demandé au système de le réveiller à %1.</translation>
    </message>
    <message>
        <source>Dorvane could not read the alarm time from %1: %2.

The alarm is set to 12:00 PM until you choose another time.</source>
        <translation>Dorvane n&apos;a pas pu lire l&apos;heure de l&apos;alarme dans %1&#xa0;: %2.

L&apos;alarme est réglée sur 12:00 PM jusqu&apos;à ce que vous choisissiez une autre heure.</translation>
    </message>
    <message>
        <source>it holds “%1”</source>
        <translation>on y trouve «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>il est vide</translation>
    </message>
    <message>
        <source>Dorvane could not read the alarm time from %1: %2, which is not a time of day.

The alarm is set to 12:00 PM until you choose another time.</source>
        <translation>Dorvane n&apos;a pas pu lire l&apos;heure de l&apos;alarme dans %1, qui ne contient aucune heure valide&#xa0;: %2.

L&apos;alarme est réglée sur 12:00 PM jusqu&apos;à ce que vous choisissiez une autre heure.</translation>
    </message>
    <message>
        <source>Dorvane could not save the alarm time to %1: %2.

The alarm still rings at the time shown, but Dorvane will not remember it when it starts again.</source>
        <translation>Dorvane n&apos;a pas pu enregistrer l&apos;heure de l&apos;alarme dans %1&#xa0;: %2.

L&apos;alarme sonnera bien à l&apos;heure affichée, mais Dorvane ne s&apos;en souviendra pas à son prochain démarrage.</translation>
    </message>
    <message numerus="yes">
        <source>%1

This has happened %n times, the first at %2.</source>
        <translation>
            <numerusform>%1

Cela s&apos;est produit %n fois, le %2.</numerusform>
            <numerusform>%1

Cela s&apos;est produit %n fois, la première fois le %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>The computer will be woken at %1 for the alarm.</source>
        <translation>L&apos;ordinateur sera réveillé à %1 pour l&apos;alarme.</translation>
    </message>
    <message>
        <source>This computer will not be woken for the alarm: %1.</source>
        <translation>Cet ordinateur ne sera pas réveillé pour l&apos;alarme&#xa0;: %1.</translation>
    </message>
    <message>
        <source>This computer will not be woken for the alarm while no file is chosen.</source>
        <translation>Cet ordinateur ne sera pas réveillé pour l&apos;alarme tant qu&apos;aucun fichier n&apos;est choisi.</translation>
    </message>
    <message>
        <source>The alarm at %1 is about to play its file.</source>
        <translation>L&apos;alarme de %1 va bientôt ouvrir son fichier.</translation>
    </message>
    <message>
        <source>If this computer is asleep at the alarm time, Dorvane cannot wake it: %1.

Leave the computer awake, or the alarm will be missed.</source>
        <translation>Si cet ordinateur est en veille à l&apos;heure de l&apos;alarme, Dorvane ne pourra pas le réveiller&#xa0;: %1.

Ne mettez pas l&apos;ordinateur en veille, sinon l&apos;alarme sera manquée.</translation>
    </message>
    <message>
        <source>en</source>
        <comment>the language of the day and month names in notices: the code of this translation&apos;s language, such as de or fr</comment>
        <translation>fr</translation>
    </message>
    <message>
        <source>dddd, d MMMM</source>
        <comment>a day in notices, in QLocale&apos;s date format: Monday, 15 June</comment>
        <translation>dddd d MMMM</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <comment>a moment in notices: 07:30:00 AM on Monday, 15 June</comment>
        <translation>%2 à %1</translation>
    </message>
</context>
<context>
    <name>DriveMap</name>
    <message>
        <source>%1 is a file, not a folder</source>
        <translation>%1 est un fichier, pas un dossier</translation>
    </message>
    <message>
        <source>the folder %1 could not be created</source>
        <translation>le dossier %1 n&apos;a pas pu être créé</translation>
    </message>
</context>
<context>
    <name>FolderListBox</name>
    <message>
        <source>This name begins or ends with a space, shown as ␣, or holds a line break, shown as ⏎, or another control character, shown as �.</source>
        <translation>Ce nom commence ou se termine par un espace, représenté par ␣, ou contient un saut de ligne, représenté par ⏎, ou un autre caractère de contrôle, représenté par �.</translation>
    </message>
    <message>
        <source>Reading the folder…</source>
        <translation>Lecture du dossier…</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Contact</source>
        <extracomment>A button caption: at most 80 pixels of Verdana 8.25 pt.</extracomment>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Set File</source>
        <extracomment>A button caption: at most 64 pixels of Verdana 8.25 pt; it opens the dialog that chooses the file.</extracomment>
        <translation>Fichier…</translation>
    </message>
    <message>
        <source>Help</source>
        <extracomment>A button caption: at most 34 pixels of Verdana 8.25 pt.</extracomment>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Opens one chosen file at one set time of day, every day.</source>
        <translation>Ouvre un fichier choisi à une heure donnée, tous les jours.</translation>
    </message>
    <message>
        <source>Time now</source>
        <translation>Heure actuelle</translation>
    </message>
    <message>
        <source>The current time, updated every second.</source>
        <translation>L&apos;heure actuelle, mise à jour chaque seconde.</translation>
    </message>
    <message>
        <source>Alarm time</source>
        <translation>Heure de l&apos;alarme</translation>
    </message>
    <message>
        <source>Opens Dorvane&apos;s help in your web browser.</source>
        <translation>Ouvre l&apos;aide de Dorvane dans votre navigateur web.</translation>
    </message>
    <message>
        <source>Opens the page for contacting Dorvane&apos;s makers in your web browser.</source>
        <translation>Ouvre dans votre navigateur web la page pour contacter les auteurs de Dorvane.</translation>
    </message>
    <message>
        <source>Chooses the file that Dorvane opens at the alarm time.</source>
        <translation>Choisit le fichier que Dorvane ouvre à l&apos;heure de l&apos;alarme.</translation>
    </message>
    <message>
        <source>News from Dorvane&apos;s makers</source>
        <translation>Nouvelles des auteurs de Dorvane</translation>
    </message>
    <message>
        <source>A page from Dorvane&apos;s makers; its links open in your web browser.</source>
        <translation>Une page des auteurs de Dorvane&#x202f;; ses liens s&apos;ouvrent dans votre navigateur web.</translation>
    </message>
    <message>
        <source>At this time every day Dorvane opens the chosen file. Left and Right move between hours, minutes and AM/PM; Up and Down or typing change them. Each change is saved at once.</source>
        <translation>Chaque jour à cette heure, Dorvane ouvre le fichier choisi. Les flèches Gauche et Droite permettent de passer des heures aux minutes et à AM/PM&#x202f;; les flèches Haut et Bas ou la saisie au clavier les modifient. Chaque modification est enregistrée aussitôt.</translation>
    </message>
</context>
<context>
    <name>LinkPane</name>
    <message>
        <source>More from the makers of Dorvane</source>
        <translation>Plus de nouvelles des auteurs de Dorvane</translation>
    </message>
</context>
<context>
    <name>Places</name>
    <message>
        <source>Home</source>
        <translation>Dossier personnel</translation>
    </message>
</context>
<context>
    <name>PowerPlan</name>
    <message>
        <source>Windows&apos; power plan does not let timers wake this computer (in Power Options, under Change advanced power settings, set Sleep, Allow wake timers to Enable)</source>
        <translation>le mode de gestion de l&apos;alimentation de Windows ne permet pas aux minuteries de réveiller cet ordinateur (dans «&#xa0;Options d&apos;alimentation&#xa0;», sous «&#xa0;Modifier les paramètres d&apos;alimentation avancés&#xa0;», réglez «&#xa0;Veille &gt; Autoriser les minuteries de réveil&#xa0;» sur «&#xa0;Activer&#xa0;»)</translation>
    </message>
    <message>
        <source>Windows&apos; power plan does not let timers wake this computer while it is plugged in (in Power Options, under Change advanced power settings, set Sleep, Allow wake timers, Plugged in to Enable)</source>
        <translation>le mode de gestion de l&apos;alimentation de Windows ne permet pas aux minuteries de réveiller cet ordinateur lorsqu&apos;il est sur secteur (dans «&#xa0;Options d&apos;alimentation&#xa0;», sous «&#xa0;Modifier les paramètres d&apos;alimentation avancés&#xa0;», réglez «&#xa0;Veille &gt; Autoriser les minuteries de réveil &gt; Sur secteur&#xa0;» sur «&#xa0;Activer&#xa0;»)</translation>
    </message>
    <message>
        <source>Windows&apos; power plan does not let timers wake this computer while it runs on battery (in Power Options, under Change advanced power settings, set Sleep, Allow wake timers, On battery to Enable)</source>
        <translation>le mode de gestion de l&apos;alimentation de Windows ne permet pas aux minuteries de réveiller cet ordinateur lorsqu&apos;il fonctionne sur batterie (dans «&#xa0;Options d&apos;alimentation&#xa0;», sous «&#xa0;Modifier les paramètres d&apos;alimentation avancés&#xa0;», réglez «&#xa0;Veille &gt; Autoriser les minuteries de réveil &gt; Sur batterie&#xa0;» sur «&#xa0;Activer&#xa0;»)</translation>
    </message>
</context>
<context>
    <name>RichTextPane</name>
    <message>
        <source>Tab moves between the page&apos;s links; Enter opens one in your web browser.</source>
        <translation>Tab passe d&apos;un lien de la page à l&apos;autre&#x202f;; Entrée ouvre le lien dans votre navigateur web.</translation>
    </message>
    <message>
        <source>Web page</source>
        <translation>Page web</translation>
    </message>
</context>
<context>
    <name>SequentialFiles</name>
    <message>
        <source>a folder stands in its place; Dorvane leaves it as it is</source>
        <translation>un dossier se trouve à sa place&#x202f;; Dorvane n&apos;y touche pas</translation>
    </message>
    <message>
        <source>it is not a regular file but a device or a pipe; Dorvane leaves it as it is</source>
        <translation>ce n&apos;est pas un fichier ordinaire, mais un périphérique ou un tube&#x202f;; Dorvane n&apos;y touche pas</translation>
    </message>
    <message>
        <source>file number %1 is already open</source>
        <translation>le fichier numéro %1 est déjà ouvert</translation>
    </message>
    <message>
        <source>it holds more than %1 KB, far more than a settings file does</source>
        <translation>il fait plus de %1 Ko, bien plus qu&apos;un fichier de paramètres</translation>
    </message>
    <message>
        <source>the file system it is on is read-only</source>
        <translation>le système de fichiers qui le contient est en lecture seule</translation>
    </message>
    <message numerus="yes">
        <source>the disk took only %n of %1 bytes; it may be full</source>
        <translation>
            <numerusform>le disque n&apos;a accepté que %n octet sur %1&#x202f;; il est peut-être plein</numerusform>
            <numerusform>le disque n&apos;a accepté que %n octets sur %1&#x202f;; il est peut-être plein</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>something that is not a lock file stands in its place</source>
        <translation>quelque chose qui n&apos;est pas un fichier de verrou se trouve à sa place</translation>
    </message>
    <message>
        <source>it cannot be made</source>
        <translation>il ne peut pas être créé</translation>
    </message>
    <message>
        <source>something holds its lock, but no copy of Dorvane that runs as you answers</source>
        <translation>quelque chose détient son verrou, mais aucune instance de Dorvane lancée sous votre compte ne répond</translation>
    </message>
    <message>
        <source>it belongs to another account, %1</source>
        <translation>il appartient à un autre compte, %1</translation>
    </message>
    <message>
        <source>another account, %1, holds its lock</source>
        <translation>un autre compte, %1, détient son verrou</translation>
    </message>
</context>
<context>
    <name>SystemWakeUp</name>
    <message>
        <source>waking the computer is turned off with %1=off</source>
        <translation>la sortie de veille est désactivée par %1=off</translation>
    </message>
    <message>
        <source>the wake-up time %1 is further ahead than Dorvane ever asks</source>
        <translation>l&apos;heure de sortie de veille %1 est plus lointaine que toutes celles que Dorvane demande</translation>
    </message>
    <message>
        <source>its helper dorvane-wake, which Dorvane&apos;s package installs, is not there</source>
        <translation>le programme auxiliaire dorvane-wake, qu&apos;installe le paquet de Dorvane, est absent</translation>
    </message>
    <message>
        <source>its helper %1 could not be started (%2)</source>
        <translation>le programme auxiliaire de Dorvane, %1, n&apos;a pas pu être lancé (%2)</translation>
    </message>
    <message>
        <source>its helper %1 does not hold the capability cap_wake_alarm (to give it: sudo setcap cap_wake_alarm=p %1)</source>
        <translation>le programme auxiliaire de Dorvane, %1, ne dispose pas de la capacité cap_wake_alarm (pour la lui accorder&#xa0;: sudo setcap cap_wake_alarm=p %1)</translation>
    </message>
    <message>
        <source>Dorvane runs with no_new_privs set (in a sandbox, or as a service with NoNewPrivileges=), so the system does not grant its helper %1 the capability cap_wake_alarm</source>
        <translation>Dorvane s&apos;exécute avec l&apos;attribut no_new_privs (dans un bac à sable, ou en tant que service avec NoNewPrivileges=), si bien que le système n&apos;accorde pas la capacité cap_wake_alarm à son programme auxiliaire %1</translation>
    </message>
    <message>
        <source>only programs in a local session at a seat may wake this computer, and Dorvane runs outside one (as from an ssh login, a cron job or a service)</source>
        <translation>seuls les programmes d&apos;une session locale (ouverte sur place, devant l&apos;écran) peuvent réveiller cet ordinateur, et Dorvane s&apos;exécute hors d&apos;une telle session (par exemple depuis une connexion ssh, une tâche cron ou un service)</translation>
    </message>
    <message>
        <source>its helper %1 gave an answer Dorvane does not know: %2</source>
        <translation>le programme auxiliaire de Dorvane, %1, a donné une réponse que Dorvane ne connaît pas&#xa0;: %2</translation>
    </message>
    <message>
        <source>its helper %1 says: %2</source>
        <translation>le programme auxiliaire de Dorvane, %1, indique&#xa0;: %2</translation>
    </message>
    <message>
        <source>its helper %1 refused the request</source>
        <translation>le programme auxiliaire de Dorvane, %1, a refusé la demande</translation>
    </message>
    <message>
        <source>its helper %1 was killed by signal %2</source>
        <translation>le programme auxiliaire de Dorvane, %1, a été arrêté par le signal %2</translation>
    </message>
    <message>
        <source>its helper %1 ended (exit status %2)</source>
        <translation>le programme auxiliaire de Dorvane, %1, s&apos;est terminé (code de sortie %2)</translation>
    </message>
</context>
<context>
    <name>WaitableTimer</name>
    <message>
        <source>this computer does not support waking by timer</source>
        <translation>cet ordinateur ne prend pas en charge la sortie de veille par minuterie</translation>
    </message>
    <message>
        <source>Windows refused the wake-up timer (%1)</source>
        <translation>Windows a refusé la minuterie de réveil (%1)</translation>
    </message>
</context>
<context>
    <name>frmSelectOneFile</name>
    <message>
        <source>Select Files</source>
        <extracomment>The dialog&apos;s title. It chooses the one file the alarm opens.</extracomment>
        <translation>Choisir le fichier</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>A button caption: at most 90 pixels of bold Verdana 8.25 pt.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ok</source>
        <extracomment>A button caption: at most 90 pixels of bold Verdana 8.25 pt.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Choose the file that Dorvane opens at the alarm time.</source>
        <translation>Choisissez le fichier que Dorvane ouvre à l&apos;heure de l&apos;alarme.</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Where to browse from: the root folder, your home folder or a mounted disk. Up and Down choose one.</source>
        <translation>Point de départ de la navigation&#xa0;: le dossier racine, votre dossier personnel ou un disque monté. Les flèches Haut et Bas permettent d&apos;en choisir un.</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>The current folder, the folders above it and its subfolders. Enter opens the highlighted folder.</source>
        <translation>Le dossier actuel, les dossiers qui le contiennent et ses sous-dossiers. Entrée ouvre le dossier en surbrillance.</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>The files in the current folder. Select the one the alarm opens.</source>
        <translation>Les fichiers du dossier actuel. Sélectionnez celui que l&apos;alarme doit ouvrir.</translation>
    </message>
    <message>
        <source>Makes the selected file the one the alarm opens, and closes.</source>
        <translation>Fait du fichier sélectionné celui qu&apos;ouvre l&apos;alarme, puis ferme la fenêtre.</translation>
    </message>
    <message>
        <source>Closes without changing the file the alarm opens.</source>
        <translation>Ferme la fenêtre sans changer le fichier qu&apos;ouvre l&apos;alarme.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is no longer there, or it is not a folder.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: il n&apos;existe plus, ou ce n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>The name of this file, or of a folder above it, holds a line break. Dorvane keeps the chosen file as one line of text, which cannot hold such a name, so this file cannot be chosen.

The file the alarm opens has not changed. Rename the file or choose another one.</source>
        <translation>Le nom de ce fichier, ou d&apos;un dossier qui le contient, comporte un saut de ligne. Dorvane enregistre le fichier choisi sur une seule ligne de texte, qui ne peut pas contenir un tel nom&#xa0;: ce fichier ne peut donc pas être choisi.

Le fichier qu&apos;ouvre l&apos;alarme reste inchangé. Renommez le fichier ou choisissez-en un autre.</translation>
    </message>
    <message>
        <source>Dorvane could not save your choice to %1: %2.

The file the alarm opens has not changed. Press Ok to try again, or Cancel to keep it.</source>
        <translation>Dorvane n&apos;a pas pu enregistrer votre choix dans %1&#xa0;: %2.

Le fichier qu&apos;ouvre l&apos;alarme reste inchangé. Cliquez sur «&#xa0;OK&#xa0;» pour réessayer, ou sur «&#xa0;Annuler&#xa0;» pour le conserver.</translation>
    </message>
    <message>
        <source>%1 is no longer a file: a folder, a device or a pipe now stands in its place.

The file the alarm opens has not changed. Choose another file.</source>
        <translation>%1 n&apos;est plus un fichier&#xa0;: un dossier, un périphérique ou un tube l&apos;a remplacé.

Le fichier qu&apos;ouvre l&apos;alarme reste inchangé. Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>%1 is no longer there: it was moved or deleted after the list was read.

The file the alarm opens has not changed. Choose another file.</source>
        <translation>%1 n&apos;existe plus&#xa0;: il a été déplacé ou supprimé après la lecture de la liste.

Le fichier qu&apos;ouvre l&apos;alarme reste inchangé. Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: its full path is longer than the system allows.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: son chemin complet dépasse la longueur autorisée par le système.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: it is, or its path passes through, a symbolic link that leads round in a circle.

The file the alarm opens has not changed. Choose another file.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: c&apos;est un lien symbolique qui tourne en boucle, ou son chemin passe par un tel lien.

Le fichier qu&apos;ouvre l&apos;alarme reste inchangé. Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>%1 is no longer a file: a symbolic link to something that is not there now stands in its place.

The file the alarm opens has not changed. Choose another file.</source>
        <translation>%1 n&apos;est plus un fichier&#xa0;: il a été remplacé par un lien symbolique vers un élément qui n&apos;existe pas.

Le fichier qu&apos;ouvre l&apos;alarme reste inchangé. Choisissez un autre fichier.</translation>
    </message>
    <message>
        <source>%1 cannot be opened: its full path is longer than the system allows.

The file the alarm opens has not changed. Choose another file.</source>
        <translation>Impossible d&apos;ouvrir %1&#xa0;: son chemin complet dépasse la longueur autorisée par le système.

Le fichier qu&apos;ouvre l&apos;alarme reste inchangé. Choisissez un autre fichier.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Dorvane is already running, but it does not answer. Close it, or end it if it hangs, and start Dorvane again.</source>
        <translation>Dorvane est déjà en cours d&apos;exécution, mais ne répond pas. Quittez cette instance, ou forcez son arrêt si elle est bloquée, puis relancez Dorvane.</translation>
    </message>
    <message>
        <source>Dorvane could not rule out that another copy of it is running, because %1 cannot be locked (%2).

If another copy runs, your file may open twice at the alarm time.</source>
        <translation>Dorvane n&apos;a pas pu s&apos;assurer qu&apos;aucune autre instance n&apos;est déjà en cours d&apos;exécution, car %1 ne peut pas être verrouillé (%2).

Si une autre instance est lancée, votre fichier risque de s&apos;ouvrir deux fois à l&apos;heure de l&apos;alarme.</translation>
    </message>
    <message>
        <source>Opens one chosen file at one set time of day, every day.</source>
        <translation>Ouvre un fichier choisi à une heure donnée, tous les jours.</translation>
    </message>
    <message>
        <source>Dorvane cannot tell where your settings are: the environment variable %1 is %2, which is not valid UTF-8 text, and Dorvane keeps your settings in a folder below it.

Dorvane has not started, so that it reads and saves no settings in another folder. Rename that folder, or set %1 to a name that is valid text, and start Dorvane again.</source>
        <translation>Dorvane ne peut pas déterminer où se trouvent vos paramètres&#xa0;: la variable d&apos;environnement %1 vaut %2, qui n&apos;est pas un texte UTF-8 valide, or c&apos;est dans un sous-dossier de ce dossier que Dorvane conserve vos paramètres.

Dorvane n&apos;a pas démarré, afin de ne lire ni d&apos;enregistrer aucun paramètre dans un autre dossier. Renommez ce dossier, ou faites pointer %1 vers un dossier dont le nom est un texte valide, puis relancez Dorvane.</translation>
    </message>
</context>
</TS>
