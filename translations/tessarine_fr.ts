<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CalendarFetch</name>
    <message>
        <source>the address sent something other than a calendar, such as a web page</source>
        <translation>l’adresse a envoyé autre chose qu’un calendrier, par exemple une page web</translation>
    </message>
    <message>
        <source>the address redirects without end</source>
        <translation>l’adresse redirige sans fin</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>le serveur a répondu %1 %2</translation>
    </message>
</context>
<context>
    <name>DonationAnswers</name>
    <message>
        <source>Yes, take me to the donations page now!</source>
        <translation>Oui, emmenez-moi tout de suite à la page des dons&#xa0;!</translation>
    </message>
    <message>
        <source>I still have to check it a bit more, show this again in two weeks</source>
        <translation>Je l’essaie encore, rappelez-le-moi dans deux semaines</translation>
    </message>
    <message>
        <source>I already made a donation, don&apos;t show this dialog again</source>
        <translation>J’ai déjà fait un don, ne plus afficher cette fenêtre</translation>
    </message>
    <message>
        <source>No, I don&apos;t want to donate, never show this dialog again</source>
        <translation>Non, pas de don, ne plus jamais afficher cette fenêtre</translation>
    </message>
    <message>
        <source>Not now, notify me again in 1 day</source>
        <translation>Pas maintenant, rappelez-le-moi dans 1 jour</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>The printer reports no usable resolution.</source>
        <translation>L’imprimante n’indique aucune résolution utilisable.</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Aucune imprimante n’est disponible.</translation>
    </message>
    <message>
        <source>The printing service is not running, so no printer can be reached. Start it (for example &apos;sudo systemctl start cups&apos;) and print again.</source>
        <translation>Le service d’impression n’est pas lancé&#xa0;: aucune imprimante n’est joignable. Démarrez-le (par exemple avec «&#xa0;sudo systemctl start cups&#xa0;») puis imprimez de nouveau.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; named by the %2 setting does not exist. Correct or remove %2, or set up a printer of that name, and print again.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» désignée par le réglage %2 n’existe pas. Corrigez ou supprimez %2, ou installez une imprimante de ce nom, puis imprimez de nouveau.</translation>
    </message>
    <message>
        <source>No default printer is set up. Choose a default printer in the system&apos;s printer settings and print again.</source>
        <translation>Aucune imprimante par défaut n’est configurée. Choisissez une imprimante par défaut dans les réglages d’impression du système, puis imprimez de nouveau.</translation>
    </message>
    <message>
        <source>The page orientation cannot change while a document is printing.</source>
        <translation>L’orientation de la page ne peut pas changer pendant l’impression d’un document.</translation>
    </message>
    <message>
        <source>Cannot start the PDF file &quot;%1&quot;.</source>
        <translation>Impossible de commencer le fichier PDF «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Cannot add a page to &quot;%1&quot;.</source>
        <translation>Impossible d’ajouter une page à «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>No page was printed.</source>
        <translation>Aucune page n’a été imprimée.</translation>
    </message>
    <message>
        <source>Cannot finish the PDF file &quot;%1&quot;.</source>
        <translation>Impossible de terminer le fichier PDF «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Printing failed for an unknown reason.</source>
        <translation>L’impression a échoué pour une raison inconnue.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start the document.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas pu commencer le document.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not finish the document.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas pu terminer le document.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start a new sheet.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’a pas pu commencer une nouvelle feuille.</translation>
    </message>
    <message>
        <source>Printing is not available: its module could not be opened (%1).</source>
        <translation>L’impression n’est pas disponible&#xa0;: son module n’a pas pu être ouvert (%1).</translation>
    </message>
    <message>
        <source>The printing service reports: %1.</source>
        <translation>Le service d’impression signale&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs, so nothing was printed. Let it accept jobs again in the system&apos;s printer settings (for example &apos;sudo cupsaccept %1&apos;) and print again.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» n’accepte pas de travaux&#xa0;: rien n’a été imprimé. Faites-lui de nouveau accepter les travaux dans les réglages d’imprimante du système (par exemple avec «&#xa0;sudo cupsaccept %1&#xa0;») puis imprimez de nouveau.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped, so nothing was printed. Resume it in the system&apos;s printer settings (for example &apos;sudo cupsenable %1&apos;) and print again.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» est arrêtée&#xa0;: rien n’a été imprimé. Relancez-la dans les réglages d’imprimante du système (par exemple avec «&#xa0;sudo cupsenable %1&#xa0;») puis imprimez de nouveau.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the job, so nothing was printed. Check the printer in the system&apos;s printer settings and print again.</source>
        <translation>L’imprimante «&#xa0;%1&#xa0;» a refusé le travail&#xa0;: rien n’a été imprimé. Vérifiez l’imprimante dans les réglages d’imprimante du système puis imprimez de nouveau.</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Impossible de lire les données de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Type de données non valide pour «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Impossible d’enregistrer les données de «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>le quota disque est épuisé</translation>
    </message>
    <message>
        <source>it would exceed the file size limit</source>
        <translation>il dépasserait la taille de fichier autorisée</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>le système de fichiers est en lecture seule</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>le disque a signalé une erreur d’entrée/sortie</translation>
    </message>
    <message>
        <source>a part of its path is not a folder</source>
        <translation>une partie de son chemin n’est pas un dossier</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads round in a loop</source>
        <translation>c’est un lien symbolique qui tourne en boucle</translation>
    </message>
    <message>
        <source>it is a named pipe</source>
        <translation>c’est un tube nommé</translation>
    </message>
    <message>
        <source>it is a device</source>
        <translation>c’est un périphérique</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads nowhere</source>
        <translation>c’est un lien symbolique qui ne mène nulle part</translation>
    </message>
    <message>
        <source>it is a symbolic link, which a lock file may not be</source>
        <translation>c’est un lien symbolique, ce qu’un fichier de verrou ne doit pas être</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>il appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>another program has kept it locked for too long</source>
        <translation>un autre programme le garde verrouillé depuis trop longtemps</translation>
    </message>
    <message>
        <source>it would grow larger than 16 MiB</source>
        <translation>il dépasserait 16 Mio</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be used: %2. Tessarine goes on without it.</source>
        <translation>Le fichier de réglages %1 ne peut pas être utilisé&#xa0;: %2. Tessarine continue sans lui.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2.</source>
        <translation>Le fichier de réglages %1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written: %2.</source>
        <translation>Le fichier de réglages %1 n’a pas pu être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 was damaged (%2). It has been kept as %3, and the settings start afresh.</source>
        <translation>Le fichier de réglages %1 était endommagé (%2). Il a été conservé sous le nom %3, et les réglages repartent de zéro.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged (%2) and could not be moved aside, so it is ignored: %3.</source>
        <translation>Le fichier de réglages %1 est endommagé (%2) et n’a pas pu être mis de côté&#xa0;; il est donc ignoré&#xa0;: %3.</translation>
    </message>
    <message>
        <source>the reader closed the output</source>
        <translation>le programme qui lisait a fermé la sortie</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>impossible d’écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>il a changé pendant son ouverture</translation>
    </message>
    <message>
        <source>something else appeared there while it was being written</source>
        <translation>autre chose est apparu à cet endroit pendant l’écriture</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>it is a link that leads nowhere</source>
        <translation>c’est un lien qui ne mène nulle part</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is neither a regular file, a FIFO nor a character device</source>
        <translation>ce n’est ni un fichier ordinaire, ni une FIFO, ni un périphérique en mode caractère</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A calendar that cannot be read: %1 its file or address, %2 the reason.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>A calendar that cannot be read: %1 its file or address, %2 the line, %3 the reason.</extracomment>
        <translation>%1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>Impossible d’ouvrir le fichier.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file.</source>
        <translation>Ce n’est pas un fichier iCalendar.</translation>
    </message>
    <message>
        <source>This END closes no component that is open.</source>
        <translation>Ce END ne ferme aucun composant ouvert.</translation>
    </message>
    <message>
        <source>This END does not match the last BEGIN.</source>
        <translation>Ce END ne correspond pas au dernier BEGIN.</translation>
    </message>
    <message>
        <source>This component is never ended: the file may be cut short.</source>
        <translation>Ce composant n’est jamais terminé&#xa0;: le fichier est peut-être tronqué.</translation>
    </message>
    <message>
        <source>The file cannot be read as iCalendar.</source>
        <translation>Le fichier ne peut pas être lu comme iCalendar.</translation>
    </message>
    <message>
        <source>The calendar %1 cannot be fetched (%2).</source>
        <translation>Le calendrier %1 ne peut pas être récupéré (%2).</translation>
    </message>
    <message>
        <source>The calendar %1 cannot be fetched (%2); %3.</source>
        <extracomment>%1 the calendar&apos;s address, %2 why it failed, %3 e.g. &quot;showing the copy from 3 hours ago&quot;.</extracomment>
        <translation>Le calendrier %1 ne peut pas être récupéré (%2)&#xa0;; %3.</translation>
    </message>
    <message>
        <source>Calendars cannot be shown: their module could not be opened (%1).</source>
        <translation>Les calendriers ne peuvent pas être affichés&#xa0;: leur module n’a pas pu être ouvert (%1).</translation>
    </message>
</context>
<context>
    <name>KeptCopy</name>
    <message>
        <source>showing the copy from less than a minute ago</source>
        <translation>affichage de la copie d’il y a moins d’une minute</translation>
    </message>
    <message>
        <source>showing the copy from 1 minute ago</source>
        <translation>affichage de la copie d’il y a 1 minute</translation>
    </message>
    <message>
        <source>showing the copy from %1 minutes ago</source>
        <extracomment>%1 is a number of minutes, 2 or more.</extracomment>
        <translation>affichage de la copie d’il y a %1 minutes</translation>
    </message>
    <message>
        <source>showing the copy from 1 hour ago</source>
        <translation>affichage de la copie d’il y a 1 heure</translation>
    </message>
    <message>
        <source>showing the copy from %1 hours ago</source>
        <extracomment>%1 is a number of hours, 2 or more.</extracomment>
        <translation>affichage de la copie d’il y a %1 heures</translation>
    </message>
    <message>
        <source>showing the copy from 1 day ago</source>
        <translation>affichage de la copie d’il y a 1 jour</translation>
    </message>
    <message>
        <source>showing the copy from %1 days ago</source>
        <extracomment>%1 is a number of days, 2 to 6.</extracomment>
        <translation>affichage de la copie d’il y a %1 jours</translation>
    </message>
    <message>
        <source>showing the copy from %1</source>
        <extracomment>%1 is the date the copy was fetched, as the locale writes dates.</extracomment>
        <translation>affichage de la copie du %1</translation>
    </message>
</context>
<context>
    <name>PageFormats</name>
    <message>
        <source>Monthly View</source>
        <translation>Vue mensuelle</translation>
    </message>
    <message>
        <source>Monthly View (wide format)</source>
        <translation>Vue mensuelle (format paysage)</translation>
    </message>
    <message>
        <source>Biweekly Planner</source>
        <translation>Agenda sur deux semaines</translation>
    </message>
    <message>
        <source>Biweekly Planner (wide format)</source>
        <translation>Agenda sur deux semaines (format paysage)</translation>
    </message>
    <message>
        <source>Weekly Planner</source>
        <translation>Agenda hebdomadaire</translation>
    </message>
    <message>
        <source>Weekly Planner (wide format)</source>
        <translation>Agenda hebdomadaire (format paysage)</translation>
    </message>
    <message>
        <source>Two Day Planner</source>
        <translation>Agenda sur deux jours</translation>
    </message>
    <message>
        <source>Two Day Planner (wide format)</source>
        <translation>Agenda sur deux jours (format paysage)</translation>
    </message>
    <message>
        <source>Yearly Calendar View</source>
        <translation>Calendrier annuel</translation>
    </message>
    <message>
        <source>Yearly Calendar View (wide format)</source>
        <translation>Calendrier annuel (format paysage)</translation>
    </message>
    <message>
        <source>Year Planner</source>
        <translation>Planning annuel</translation>
    </message>
    <message>
        <source>Year Planner (wide format)</source>
        <translation>Planning annuel (format paysage)</translation>
    </message>
</context>
<context>
    <name>PrintedPage</name>
    <message>
        <source>Biweekly Planner</source>
        <translation>Agenda sur deux semaines</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>Vue mensuelle</translation>
    </message>
    <message>
        <source>mmmm d, yyyy</source>
        <extracomment>The date pattern of planner titles: mmmm month name, d day, yyyy year; text in quotes is printed as it stands (&quot;d &apos;de&apos; mmmm&quot;).</extracomment>
        <translation>d mmmm yyyy</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>Weekly Planner</source>
        <translation>Agenda hebdomadaire</translation>
    </message>
    <message>
        <source>Two Day Planner</source>
        <translation>Agenda sur deux jours</translation>
    </message>
    <message>
        <source>Year View</source>
        <translation>Vue annuelle</translation>
    </message>
    <message>
        <source>Yearly Planner</source>
        <translation>Planning annuel</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>M T W T F S S</source>
        <extracomment>Monday to Sunday, one letter each, separated by spaces.</extracomment>
        <translation>L M M J V S D</translation>
    </message>
    <message>
        <source>S M T W T F S</source>
        <extracomment>Sunday to Saturday, one letter each, separated by spaces.</extracomment>
        <translation>D L M M J V S</translation>
    </message>
    <message>
        <source>%1 1</source>
        <extracomment>A planner&apos;s day box on the first of a month: %1 is the weekday name, then the day as the language writes the first of a month.</extracomment>
        <translation>%1 1er</translation>
    </message>
    <message>
        <source>mmmm 1, yyyy</source>
        <extracomment>The date pattern of planner titles for the first day of a month, where 1 is the day itself: mmmm month name, yyyy year; text in quotes is printed as it stands.</extracomment>
        <translation>&apos;1er&apos; mmmm yyyy</translation>
    </message>
    <message>
        <source>+%1 more</source>
        <translation>+%1 autres</translation>
    </message>
</context>
<context>
    <name>tessarine-pdf</name>
    <message>
        <source>unknown format %1: the formats are 0 to 11 (see --list-formats)</source>
        <translation>format inconnu %1&#xa0;: les formats vont de 0 à 11 (voir --list-formats)</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (see --list-formats)</source>
        <translation>format inconnu «&#xa0;%1&#xa0;» (voir --list-formats)</translation>
    </message>
    <message>
        <source>bad date &quot;%1&quot;: write it as YYYY-MM-DD</source>
        <translation>date incorrecte «&#xa0;%1&#xa0;»&#xa0;: écrivez-la sous la forme YYYY-MM-DD</translation>
    </message>
    <message>
        <source>date %1 lies outside the years 1582 to 3000</source>
        <translation>la date %1 est en dehors des années 1582 à 3000</translation>
    </message>
    <message>
        <source>date %1 does not exist</source>
        <translation>la date %1 n’existe pas</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>option %1 is given twice</source>
        <translation>l’option %1 est donnée deux fois</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>l’option %1 demande une valeur</translation>
    </message>
    <message>
        <source>pages must be a number from 1 to 13, not &quot;%1&quot;</source>
        <translation>le nombre de pages doit aller de 1 à 13, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>days must be doy, jdn or none, not &quot;%1&quot;</source>
        <translation>days doit valoir doy, jdn ou none, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>paper must be letter or a4, not &quot;%1&quot;</source>
        <translation>paper doit valoir letter ou a4, et non «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the output file name is empty</source>
        <translation>le nom du fichier de sortie est vide</translation>
    </message>
    <message>
        <source>no output file: give --output FILE.pdf</source>
        <translation>aucun fichier de sortie&#xa0;: indiquez --output FICHIER.pdf</translation>
    </message>
    <message>
        <source>%1 stands alone</source>
        <translation>%1 s’emploie seul</translation>
    </message>
    <message>
        <source>these pages need the system&apos;s fonts, but their writer could not be started (%1)</source>
        <translation>ces pages ont besoin des polices du système, mais leur programme d&apos;écriture n&apos;a pas pu être lancé (%1)</translation>
    </message>
    <message>
        <source>Usage: tessarine-pdf [OPTION]... --output FILE.pdf
  or:  tessarine-pdf --list-formats | --help | --version

Writes calendar pages, one page per printed sheet, to FILE.pdf.

  --format N|NAME      page format by number or by its name (see --list-formats);
                       default 0
  --pages 1..13        consecutive pages; default 1
  --date YYYY-MM-DD    the date the pages start from, 1582-01-01 to 3000-12-31;
                       default today
  --days doy|jdn|none  second number in Month View cells: day of year,
                       chronological Julian Day Number or none; default doy
  --paper letter|a4    sheet size; default the paper size of the system&apos;s locale
  --output FILE.pdf    the PDF file to write, or - for standard output; an
                       existing file is replaced only by a complete new one;
                       a FIFO or device is written to, never replaced
  --calendar FILE|ADDRESS
                       an iCalendar file, or an https://, http:// or webcal://
                       address (webcal:// is fetched as http://), whose events
                       the pages list; may be given more than once. Fetched
                       copies are kept in $XDG_CACHE_HOME/tessarine and used
                       when the address cannot be reached

Exit status: 0 written, 1 the file could not be written or a calendar could
not be read, 2 bad arguments.
</source>
        <translation>Usage&#xa0;: tessarine-pdf [OPTION]... --output FICHIER.pdf
  ou&#xa0;:  tessarine-pdf --list-formats | --help | --version

Écrit des pages de calendrier, une page par feuille imprimée, dans FICHIER.pdf.

  --format N|NOM       format de page par numéro ou par nom (voir --list-formats)&#xa0;;
                       0 par défaut
  --pages 1..13        pages consécutives&#xa0;; 1 par défaut
  --date YYYY-MM-DD    la date de départ des pages, de 1582-01-01 à 3000-12-31&#xa0;;
                       aujourd’hui par défaut
  --days doy|jdn|none  second nombre dans les cases de la vue mensuelle&#xa0;: jour
                       de l’année, jour julien chronologique ou rien&#xa0;; doy par
                       défaut
  --paper letter|a4    taille de la feuille&#xa0;; par défaut celle de la langue du
                       système
  --output FICHIER.pdf le fichier PDF à écrire, ou - pour la sortie standard&#xa0;;
                       un fichier existant n’est remplacé que par un nouveau
                       fichier complet&#xa0;; une FIFO ou un périphérique reçoit
                       l’écriture, sans jamais être remplacé
  --calendar FICHIER|ADRESSE
                       un fichier iCalendar, ou une adresse https://, http://
                       ou webcal:// (webcal:// est récupéré en http://), dont
                       les pages listent les événements&#xa0;; peut être donné
                       plusieurs fois. Les copies récupérées sont conservées
                       dans $XDG_CACHE_HOME/tessarine et servent quand
                       l’adresse est injoignable

Code de retour&#xa0;: 0 écrit, 1 le fichier n’a pas pu être écrit ou un calendrier
n’a pas pu être lu, 2 arguments incorrects.
</translation>
    </message>
    <message>
        <source>the calendar file or address is empty</source>
        <translation>le fichier ou l’adresse du calendrier est vide</translation>
    </message>
    <message>
        <source>calendar %1 cannot be read: %2</source>
        <translation>le calendrier %1 ne peut pas être lu&#xa0;: %2</translation>
    </message>
    <message>
        <source>calendar %1 cannot be fetched (%2), and no copy of it was kept before</source>
        <translation>le calendrier %1 ne peut pas être récupéré (%2), et aucune copie n’en a été conservée</translation>
    </message>
    <message>
        <source>calendar %1 cannot be fetched (%2); printing the copy kept from before</source>
        <translation>le calendrier %1 ne peut pas être récupéré (%2)&#xa0;; impression de la copie conservée</translation>
    </message>
</context>
<context>
    <name>tessarine::TCalendarsForm</name>
    <message>
        <source>Add a calendar file</source>
        <translation>Ajouter un fichier de calendrier</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendriers</translation>
    </message>
    <message>
        <source>&amp;Calendars shown on the grid:</source>
        <translation>&amp;Calendriers affichés dans la grille :</translation>
    </message>
    <message>
        <source>Uncheck a calendar to hide it without removing it</source>
        <translation>Décochez un calendrier pour le masquer sans le retirer</translation>
    </message>
    <message>
        <source>Add &amp;File...</source>
        <translation>Ajouter un &amp;fichier...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <source>A&amp;ddress:</source>
        <translation>A&amp;dresse :</translation>
    </message>
    <message>
        <source>Address of a published calendar</source>
        <translation>Adresse d’un calendrier publié</translation>
    </message>
    <message>
        <source>Add &amp;Address</source>
        <translation>Ajouter l’&amp;adresse</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Not shown:</source>
        <translation>Non affichés :</translation>
    </message>
</context>
<context>
    <name>tessarine::TDateDiffForm</name>
    <message>
        <source>Display Date Differences</source>
        <translation>Afficher les écarts entre dates</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 minus %2: %3 days</source>
        <translation>%1 moins %2&#xa0;: %3 jours</translation>
    </message>
</context>
<context>
    <name>tessarine::TDonateForm</name>
    <message>
        <source>Make a Donation</source>
        <translation>Faire un don</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Votre réponse</translation>
    </message>
    <message>
        <source>Donations help offset the cost of running the Tessarine web site, and they are a way to say thank you for a job well done.</source>
        <translation>Les dons aident à couvrir les frais du site web de Tessarine, et ils sont une façon de dire merci pour un travail bien fait.</translation>
    </message>
    <message>
        <source>Donating is completely optional, and the amount you give is entirely up to you.  Thank you.</source>
        <translation>Le don est entièrement facultatif, et son montant ne dépend que de vous.  Merci.</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continuer</translation>
    </message>
</context>
<context>
    <name>tessarine::TenterDateForm</name>
    <message>
        <source>Go to a date</source>
        <translation>Aller à une date</translation>
    </message>
    <message>
        <source>Please enter date as YYYYMMDD</source>
        <translation>Saisissez la date au format AAAAMMJJ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>tessarine::TjulCalMainForm</name>
    <message>
        <source>Go to Date %1 - %2</source>
        <translation>Aller à la date %1 - %2</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Faire un don</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>An préc.</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mois préc.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>Mois suiv.</translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>An suiv.</translation>
    </message>
    <message>
        <source>The command failed for an unknown reason.</source>
        <translation>La commande a échoué pour une raison inconnue.</translation>
    </message>
    <message>
        <source>Tessarine - Freeware Edition</source>
        <translation>Tessarine - Édition gratuite</translation>
    </message>
    <message>
        <source>Go To Date...</source>
        <translation>Aller à la date...</translation>
    </message>
    <message>
        <source>Go to Date...</source>
        <translation>Aller à la date...</translation>
    </message>
    <message>
        <source>Go to a specific date</source>
        <translation>Aller à une date précise</translation>
    </message>
    <message>
        <source>Display Date Differences...</source>
        <translation>Afficher les écarts entre dates...</translation>
    </message>
    <message>
        <source>Display Date Differences</source>
        <translation>Afficher les écarts entre dates</translation>
    </message>
    <message>
        <source>Set as Date 1</source>
        <translation>Définir comme date 1</translation>
    </message>
    <message>
        <source>Mark current date as Date 1</source>
        <translation>Marquer la date courante comme date 1</translation>
    </message>
    <message>
        <source>Set as Date 2</source>
        <translation>Définir comme date 2</translation>
    </message>
    <message>
        <source>Mark current date as Date 2</source>
        <translation>Marquer la date courante comme date 2</translation>
    </message>
    <message>
        <source>Set as Date 3</source>
        <translation>Définir comme date 3</translation>
    </message>
    <message>
        <source>Mark current date as Date 3</source>
        <translation>Marquer la date courante comme date 3</translation>
    </message>
    <message>
        <source>Go to Date 1</source>
        <translation>Aller à la date 1</translation>
    </message>
    <message>
        <source>Jump to the date previously marked as Date 1</source>
        <translation>Aller à la date marquée auparavant comme date 1</translation>
    </message>
    <message>
        <source>Go to Date 2</source>
        <translation>Aller à la date 2</translation>
    </message>
    <message>
        <source>Jump to the date previously marked as Date 2</source>
        <translation>Aller à la date marquée auparavant comme date 2</translation>
    </message>
    <message>
        <source>Go to Date 3</source>
        <translation>Aller à la date 3</translation>
    </message>
    <message>
        <source>Jump to the date previously marked as Date 3</source>
        <translation>Aller à la date marquée auparavant comme date 3</translation>
    </message>
    <message>
        <source>Show Day of Year</source>
        <translation>Afficher le jour de l’année</translation>
    </message>
    <message>
        <source>Show Day of Year </source>
        <translation>Afficher le jour de l’année </translation>
    </message>
    <message>
        <source>Show Chronological Julian Day Numbers</source>
        <translation>Afficher les jours juliens chronologiques</translation>
    </message>
    <message>
        <source>Uniform count of days from -4712 January 1 (Chronological Julian Day Number)</source>
        <translation>Décompte continu des jours depuis le 1er janvier -4712 (jour julien chronologique)</translation>
    </message>
    <message>
        <source>Show None</source>
        <translation>Ne rien afficher</translation>
    </message>
    <message>
        <source>Do not show Day Numbers</source>
        <translation>Ne pas afficher de numéros de jour</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>File Menu</source>
        <translation>Menu Fichier</translation>
    </message>
    <message>
        <source>&amp;Print Planner or Calendar...</source>
        <translation>&amp;Imprimer un agenda ou un calendrier...</translation>
    </message>
    <message>
        <source>Print Calendar for current month</source>
        <translation>Imprimer le calendrier du mois courant</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit this program</source>
        <translation>Quitter ce programme</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>Date Functions</source>
        <translation>Fonctions de date</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Standard Colors</source>
        <translation>Couleurs standard</translation>
    </message>
    <message>
        <source>Green and Yellow</source>
        <translation>Vert et jaune</translation>
    </message>
    <message>
        <source>Use default color set</source>
        <translation>Utiliser le jeu de couleurs par défaut</translation>
    </message>
    <message>
        <source>Silver and Teal</source>
        <translation>Argent et bleu canard</translation>
    </message>
    <message>
        <source>Use Business Colors</source>
        <translation>Utiliser les couleurs sobres</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help Menu</source>
        <translation>Menu Aide</translation>
    </message>
    <message>
        <source>&amp;Help Contents</source>
        <translation>&amp;Sommaire de l’aide</translation>
    </message>
    <message>
        <source>Program Instructions screen</source>
        <translation>Mode d’emploi du programme</translation>
    </message>
    <message>
        <source>&amp;About Tessarine...</source>
        <translation>À &amp;propos de Tessarine...</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>Faire un don</translation>
    </message>
    <message>
        <source>tessarine4.html</source>
        <extracomment>The help page&apos;s file name: tessarine4_&lt;language&gt;.html, the page written in this language.</extracomment>
        <translation>tessarine4_fr.html</translation>
    </message>
    <message>
        <source>&amp;Calendars...</source>
        <translation>&amp;Calendriers...</translation>
    </message>
    <message>
        <source>Choose the calendars whose events the grid shows</source>
        <translation>Choisir les calendriers dont la grille montre les événements</translation>
    </message>
</context>
<context>
    <name>tessarine::TprintSelDialog</name>
    <message>
        <source>Print Calendar Pages</source>
        <translation>Imprimer le calendrier</translation>
    </message>
    <message>
        <source>1) Select Page Format  -</source>
        <translation>1) Choisissez le format de page  -</translation>
    </message>
    <message>
        <source>Page format</source>
        <translation>Format de page</translation>
    </message>
    <message>
        <source>2) Select number of consecutive pages to print --</source>
        <translation>2) Choisissez le nombre de pages consécutives --</translation>
    </message>
    <message>
        <source>Consecutive pages</source>
        <translation>Pages consécutives</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>tessarine::TsplashForm</name>
    <message>
        <source>About Tessarine</source>
        <translation>À propos de Tessarine</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Freeware Edition</source>
        <translation>Édition gratuite</translation>
    </message>
</context>
</TS>
