<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CalendarFetch</name>
    <message>
        <source>the address sent something other than a calendar, such as a web page</source>
        <translation>die Adresse hat etwas anderes als einen Kalender gesendet, etwa eine Webseite</translation>
    </message>
    <message>
        <source>the address redirects without end</source>
        <translation>die Adresse leitet endlos weiter</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>der Server antwortete %1 %2</translation>
    </message>
</context>
<context>
    <name>DonationAnswers</name>
    <message>
        <source>Yes, take me to the donations page now!</source>
        <translation>Ja, gleich zur Spendenseite!</translation>
    </message>
    <message>
        <source>I still have to check it a bit more, show this again in two weeks</source>
        <translation>Ich prüfe es noch etwas, in zwei Wochen wieder zeigen</translation>
    </message>
    <message>
        <source>I already made a donation, don&apos;t show this dialog again</source>
        <translation>Ich habe schon gespendet, diesen Dialog nicht mehr zeigen</translation>
    </message>
    <message>
        <source>No, I don&apos;t want to donate, never show this dialog again</source>
        <translation>Nein, ich möchte nicht spenden, nie wieder zeigen</translation>
    </message>
    <message>
        <source>Not now, notify me again in 1 day</source>
        <translation>Nicht jetzt, in 1 Tag wieder erinnern</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>The printer reports no usable resolution.</source>
        <translation>Der Drucker meldet keine verwendbare Auflösung.</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>Es ist kein Drucker verfügbar.</translation>
    </message>
    <message>
        <source>The printing service is not running, so no printer can be reached. Start it (for example &apos;sudo systemctl start cups&apos;) and print again.</source>
        <translation>Der Druckdienst läuft nicht, daher ist kein Drucker erreichbar. Starten Sie ihn (zum Beispiel mit „sudo systemctl start cups“) und drucken Sie erneut.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; named by the %2 setting does not exist. Correct or remove %2, or set up a printer of that name, and print again.</source>
        <translation>Der Drucker „%1“, den die Einstellung %2 nennt, existiert nicht. Korrigieren oder entfernen Sie %2 oder richten Sie einen Drucker dieses Namens ein und drucken Sie erneut.</translation>
    </message>
    <message>
        <source>No default printer is set up. Choose a default printer in the system&apos;s printer settings and print again.</source>
        <translation>Es ist kein Standarddrucker eingerichtet. Wählen Sie in den Druckereinstellungen des Systems einen Standarddrucker und drucken Sie erneut.</translation>
    </message>
    <message>
        <source>The page orientation cannot change while a document is printing.</source>
        <translation>Die Seitenausrichtung kann sich während des Druckens nicht ändern.</translation>
    </message>
    <message>
        <source>Cannot start the PDF file &quot;%1&quot;.</source>
        <translation>Die PDF-Datei „%1“ kann nicht begonnen werden.</translation>
    </message>
    <message>
        <source>Cannot add a page to &quot;%1&quot;.</source>
        <translation>Zu „%1“ kann keine Seite hinzugefügt werden.</translation>
    </message>
    <message>
        <source>No page was printed.</source>
        <translation>Es wurde keine Seite gedruckt.</translation>
    </message>
    <message>
        <source>Cannot finish the PDF file &quot;%1&quot;.</source>
        <translation>Die PDF-Datei „%1“ kann nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>Printing failed for an unknown reason.</source>
        <translation>Das Drucken ist aus unbekanntem Grund fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start the document.</source>
        <translation>Der Drucker „%1“ konnte das Dokument nicht beginnen.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not finish the document.</source>
        <translation>Der Drucker „%1“ konnte das Dokument nicht abschließen.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start a new sheet.</source>
        <translation>Der Drucker „%1“ konnte kein neues Blatt beginnen.</translation>
    </message>
    <message>
        <source>Printing is not available: its module could not be opened (%1).</source>
        <translation>Drucken ist nicht möglich: Das Druckmodul konnte nicht geöffnet werden (%1).</translation>
    </message>
    <message>
        <source>The printing service reports: %1.</source>
        <translation>Der Druckdienst meldet: %1.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs, so nothing was printed. Let it accept jobs again in the system&apos;s printer settings (for example &apos;sudo cupsaccept %1&apos;) and print again.</source>
        <translation>Der Drucker „%1“ nimmt keine Aufträge an, daher wurde nichts gedruckt. Lassen Sie ihn in den Druckereinstellungen des Systems wieder Aufträge annehmen (zum Beispiel mit „sudo cupsaccept %1“) und drucken Sie erneut.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped, so nothing was printed. Resume it in the system&apos;s printer settings (for example &apos;sudo cupsenable %1&apos;) and print again.</source>
        <translation>Der Drucker „%1“ ist angehalten, daher wurde nichts gedruckt. Setzen Sie ihn in den Druckereinstellungen des Systems fort (zum Beispiel mit „sudo cupsenable %1“) und drucken Sie erneut.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the job, so nothing was printed. Check the printer in the system&apos;s printer settings and print again.</source>
        <translation>Der Drucker „%1“ hat den Auftrag abgelehnt, daher wurde nichts gedruckt. Prüfen Sie den Drucker in den Druckereinstellungen des Systems und drucken Sie erneut.</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>Fehler beim Lesen der Daten für „%1“</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Ungültiger Datentyp für „%1“</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>Fehler beim Schreiben der Daten für „%1“</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>das Speicherkontingent ist erschöpft</translation>
    </message>
    <message>
        <source>it would exceed the file size limit</source>
        <translation>sie würde die Größengrenze für Dateien überschreiten</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>das Dateisystem ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>der Datenträger meldete einen Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>a part of its path is not a folder</source>
        <translation>ein Teil ihres Pfades ist kein Ordner</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>sie ist ein Ordner</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads round in a loop</source>
        <translation>sie ist ein symbolischer Link, der im Kreis führt</translation>
    </message>
    <message>
        <source>it is a named pipe</source>
        <translation>sie ist eine benannte Pipe</translation>
    </message>
    <message>
        <source>it is a device</source>
        <translation>sie ist ein Gerät</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads nowhere</source>
        <translation>sie ist ein symbolischer Link, der ins Leere führt</translation>
    </message>
    <message>
        <source>it is a symbolic link, which a lock file may not be</source>
        <translation>sie ist ein symbolischer Link, und das darf eine Sperrdatei nicht sein</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>sie gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>another program has kept it locked for too long</source>
        <translation>ein anderes Programm hält sie zu lange gesperrt</translation>
    </message>
    <message>
        <source>it would grow larger than 16 MiB</source>
        <translation>sie würde größer als 16 MiB</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be used: %2. Tessarine goes on without it.</source>
        <translation>Die Einstellungsdatei %1 kann nicht verwendet werden: %2. Tessarine arbeitet ohne sie weiter.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written: %2.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 was damaged (%2). It has been kept as %3, and the settings start afresh.</source>
        <translation>Die Einstellungsdatei %1 war beschädigt (%2). Sie wurde als %3 aufbewahrt, und die Einstellungen beginnen von vorn.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged (%2) and could not be moved aside, so it is ignored: %3.</source>
        <translation>Die Einstellungsdatei %1 ist beschädigt (%2) und konnte nicht beiseitegelegt werden; sie wird daher nicht beachtet: %3.</translation>
    </message>
    <message>
        <source>the reader closed the output</source>
        <translation>das lesende Programm hat die Ausgabe geschlossen</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>es hat sich beim Öffnen verändert</translation>
    </message>
    <message>
        <source>something else appeared there while it was being written</source>
        <translation>dort ist während des Schreibens etwas anderes entstanden</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>it is a link that leads nowhere</source>
        <translation>es ist eine Verknüpfung, die ins Leere führt</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>es ist ein Verzeichnis</translation>
    </message>
    <message>
        <source>it is neither a regular file, a FIFO nor a character device</source>
        <translation>es ist weder eine reguläre Datei noch ein FIFO noch ein zeichenorientiertes Gerät</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A calendar that cannot be read: %1 its file or address, %2 the reason.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>A calendar that cannot be read: %1 its file or address, %2 the line, %3 the reason.</extracomment>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>Die Datei lässt sich nicht öffnen.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file.</source>
        <translation>Dies ist keine iCalendar-Datei.</translation>
    </message>
    <message>
        <source>This END closes no component that is open.</source>
        <translation>Dieses END schließt keine geöffnete Komponente.</translation>
    </message>
    <message>
        <source>This END does not match the last BEGIN.</source>
        <translation>Dieses END passt nicht zum letzten BEGIN.</translation>
    </message>
    <message>
        <source>This component is never ended: the file may be cut short.</source>
        <translation>Diese Komponente wird nie beendet: Die Datei ist vielleicht abgeschnitten.</translation>
    </message>
    <message>
        <source>The file cannot be read as iCalendar.</source>
        <translation>Die Datei kann nicht als iCalendar gelesen werden.</translation>
    </message>
    <message>
        <source>The calendar %1 cannot be fetched (%2).</source>
        <translation>Der Kalender %1 kann nicht abgerufen werden (%2).</translation>
    </message>
    <message>
        <source>The calendar %1 cannot be fetched (%2); %3.</source>
        <extracomment>%1 the calendar&apos;s address, %2 why it failed, %3 e.g. &quot;showing the copy from 3 hours ago&quot;.</extracomment>
        <translation>Der Kalender %1 kann nicht abgerufen werden (%2); %3.</translation>
    </message>
    <message>
        <source>Calendars cannot be shown: their module could not be opened (%1).</source>
        <translation>Kalender können nicht angezeigt werden: Das Kalendermodul konnte nicht geöffnet werden (%1).</translation>
    </message>
</context>
<context>
    <name>KeptCopy</name>
    <message>
        <source>showing the copy from less than a minute ago</source>
        <translation>gezeigt wird die Kopie von vor weniger als einer Minute</translation>
    </message>
    <message>
        <source>showing the copy from 1 minute ago</source>
        <translation>gezeigt wird die Kopie von vor 1 Minute</translation>
    </message>
    <message>
        <source>showing the copy from %1 minutes ago</source>
        <extracomment>%1 is a number of minutes, 2 or more.</extracomment>
        <translation>gezeigt wird die Kopie von vor %1 Minuten</translation>
    </message>
    <message>
        <source>showing the copy from 1 hour ago</source>
        <translation>gezeigt wird die Kopie von vor 1 Stunde</translation>
    </message>
    <message>
        <source>showing the copy from %1 hours ago</source>
        <extracomment>%1 is a number of hours, 2 or more.</extracomment>
        <translation>gezeigt wird die Kopie von vor %1 Stunden</translation>
    </message>
    <message>
        <source>showing the copy from 1 day ago</source>
        <translation>gezeigt wird die Kopie von vor 1 Tag</translation>
    </message>
    <message>
        <source>showing the copy from %1 days ago</source>
        <extracomment>%1 is a number of days, 2 to 6.</extracomment>
        <translation>gezeigt wird die Kopie von vor %1 Tagen</translation>
    </message>
    <message>
        <source>showing the copy from %1</source>
        <extracomment>%1 is the date the copy was fetched, as the locale writes dates.</extracomment>
        <translation>gezeigt wird die Kopie vom %1</translation>
    </message>
</context>
<context>
    <name>PageFormats</name>
    <message>
        <source>Monthly View</source>
        <translation>Monatsansicht</translation>
    </message>
    <message>
        <source>Monthly View (wide format)</source>
        <translation>Monatsansicht (Querformat)</translation>
    </message>
    <message>
        <source>Biweekly Planner</source>
        <translation>Zweiwochenplaner</translation>
    </message>
    <message>
        <source>Biweekly Planner (wide format)</source>
        <translation>Zweiwochenplaner (Querformat)</translation>
    </message>
    <message>
        <source>Weekly Planner</source>
        <translation>Wochenplaner</translation>
    </message>
    <message>
        <source>Weekly Planner (wide format)</source>
        <translation>Wochenplaner (Querformat)</translation>
    </message>
    <message>
        <source>Two Day Planner</source>
        <translation>Zweitagesplaner</translation>
    </message>
    <message>
        <source>Two Day Planner (wide format)</source>
        <translation>Zweitagesplaner (Querformat)</translation>
    </message>
    <message>
        <source>Yearly Calendar View</source>
        <translation>Jahreskalender</translation>
    </message>
    <message>
        <source>Yearly Calendar View (wide format)</source>
        <translation>Jahreskalender (Querformat)</translation>
    </message>
    <message>
        <source>Year Planner</source>
        <translation>Jahresplaner</translation>
    </message>
    <message>
        <source>Year Planner (wide format)</source>
        <translation>Jahresplaner (Querformat)</translation>
    </message>
</context>
<context>
    <name>PrintedPage</name>
    <message>
        <source>Biweekly Planner</source>
        <translation>Zweiwochenplaner</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>Monatsansicht</translation>
    </message>
    <message>
        <source>mmmm d, yyyy</source>
        <extracomment>The date pattern of planner titles: mmmm month name, d day, yyyy year; text in quotes is printed as it stands (&quot;d &apos;de&apos; mmmm&quot;).</extracomment>
        <translation>d. mmmm yyyy</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Weekly Planner</source>
        <translation>Wochenplaner</translation>
    </message>
    <message>
        <source>Two Day Planner</source>
        <translation>Zweitagesplaner</translation>
    </message>
    <message>
        <source>Year View</source>
        <translation>Jahresansicht</translation>
    </message>
    <message>
        <source>Yearly Planner</source>
        <translation>Jahresplaner</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notizen</translation>
    </message>
    <message>
        <source>M T W T F S S</source>
        <extracomment>Monday to Sunday, one letter each, separated by spaces.</extracomment>
        <translation>M D M D F S S</translation>
    </message>
    <message>
        <source>S M T W T F S</source>
        <extracomment>Sunday to Saturday, one letter each, separated by spaces.</extracomment>
        <translation>S M D M D F S</translation>
    </message>
    <message>
        <source>%1 1</source>
        <extracomment>A planner&apos;s day box on the first of a month: %1 is the weekday name, then the day as the language writes the first of a month.</extracomment>
        <translation>%1 1</translation>
    </message>
    <message>
        <source>mmmm 1, yyyy</source>
        <extracomment>The date pattern of planner titles for the first day of a month, where 1 is the day itself: mmmm month name, yyyy year; text in quotes is printed as it stands.</extracomment>
        <translation>d. mmmm yyyy</translation>
    </message>
    <message>
        <source>+%1 more</source>
        <translation>+%1 weitere</translation>
    </message>
</context>
<context>
    <name>tessarine-pdf</name>
    <message>
        <source>unknown format %1: the formats are 0 to 11 (see --list-formats)</source>
        <translation>unbekanntes Format %1: die Formate sind 0 bis 11 (siehe --list-formats)</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (see --list-formats)</source>
        <translation>unbekanntes Format „%1“ (siehe --list-formats)</translation>
    </message>
    <message>
        <source>bad date &quot;%1&quot;: write it as YYYY-MM-DD</source>
        <translation>ungültiges Datum „%1“: schreiben Sie es als YYYY-MM-DD</translation>
    </message>
    <message>
        <source>date %1 lies outside the years 1582 to 3000</source>
        <translation>das Datum %1 liegt außerhalb der Jahre 1582 bis 3000</translation>
    </message>
    <message>
        <source>date %1 does not exist</source>
        <translation>das Datum %1 gibt es nicht</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>option %1 is given twice</source>
        <translation>die Option %1 ist doppelt angegeben</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>die Option %1 braucht einen Wert</translation>
    </message>
    <message>
        <source>pages must be a number from 1 to 13, not &quot;%1&quot;</source>
        <translation>die Seitenzahl muss eine Zahl von 1 bis 13 sein, nicht „%1“</translation>
    </message>
    <message>
        <source>days must be doy, jdn or none, not &quot;%1&quot;</source>
        <translation>days muss doy, jdn oder none sein, nicht „%1“</translation>
    </message>
    <message>
        <source>paper must be letter or a4, not &quot;%1&quot;</source>
        <translation>paper muss letter oder a4 sein, nicht „%1“</translation>
    </message>
    <message>
        <source>the output file name is empty</source>
        <translation>der Name der Ausgabedatei ist leer</translation>
    </message>
    <message>
        <source>no output file: give --output FILE.pdf</source>
        <translation>keine Ausgabedatei: geben Sie --output DATEI.pdf an</translation>
    </message>
    <message>
        <source>%1 stands alone</source>
        <translation>%1 steht allein</translation>
    </message>
    <message>
        <source>these pages need the system&apos;s fonts, but their writer could not be started (%1)</source>
        <translation>diese Seiten brauchen die Schriften des Systems, aber ihr Schreiber konnte nicht gestartet werden (%1)</translation>
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
        <translation>Aufruf: tessarine-pdf [OPTION]... --output DATEI.pdf
  oder: tessarine-pdf --list-formats | --help | --version

Schreibt Kalenderseiten, eine Seite je gedrucktem Blatt, in DATEI.pdf.

  --format N|NAME      Seitenformat nach Nummer oder Name (siehe --list-formats);
                       Vorgabe 0
  --pages 1..13        aufeinanderfolgende Seiten; Vorgabe 1
  --date YYYY-MM-DD    das Datum, ab dem die Seiten beginnen, 1582-01-01 bis
                       3000-12-31; Vorgabe heute
  --days doy|jdn|none  zweite Zahl in den Zellen der Monatsansicht: Tag des
                       Jahres, Chronologische Julianische Tageszahl oder keine;
                       Vorgabe doy
  --paper letter|a4    Blattgröße; Vorgabe die Papiergröße des Gebietsschemas
  --output DATEI.pdf   die zu schreibende PDF-Datei, oder - für die
                       Standardausgabe; eine vorhandene Datei wird nur durch
                       eine vollständige neue ersetzt; in eine FIFO oder ein
                       Gerät wird geschrieben, sie werden nie ersetzt
  --calendar DATEI|ADRESSE
                       eine iCalendar-Datei oder eine https://-, http://- oder
                       webcal://-Adresse (webcal:// wird als http:// abgerufen),
                       deren Termine die Seiten auflisten; mehrfach möglich.
                       Abgerufene Kopien werden in $XDG_CACHE_HOME/tessarine
                       aufbewahrt und verwendet, wenn die Adresse nicht
                       erreichbar ist

Rückgabewert: 0 geschrieben, 1 die Datei konnte nicht geschrieben oder ein
Kalender nicht gelesen werden, 2 ungültige Argumente.
</translation>
    </message>
    <message>
        <source>the calendar file or address is empty</source>
        <translation>die Kalenderdatei oder -adresse ist leer</translation>
    </message>
    <message>
        <source>calendar %1 cannot be read: %2</source>
        <translation>Kalender %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>calendar %1 cannot be fetched (%2), and no copy of it was kept before</source>
        <translation>Kalender %1 kann nicht abgerufen werden (%2), und es wurde zuvor keine Kopie davon aufbewahrt</translation>
    </message>
    <message>
        <source>calendar %1 cannot be fetched (%2); printing the copy kept from before</source>
        <translation>Kalender %1 kann nicht abgerufen werden (%2); die zuvor aufbewahrte Kopie wird gedruckt</translation>
    </message>
</context>
<context>
    <name>tessarine::TCalendarsForm</name>
    <message>
        <source>Add a calendar file</source>
        <translation>Kalenderdatei hinzufügen</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>&amp;Calendars shown on the grid:</source>
        <translation>&amp;Kalender im Monatsraster:</translation>
    </message>
    <message>
        <source>Uncheck a calendar to hide it without removing it</source>
        <translation>Haken entfernen, um einen Kalender auszublenden, ohne ihn zu entfernen</translation>
    </message>
    <message>
        <source>Add &amp;File...</source>
        <translation>&amp;Datei hinzufügen...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>A&amp;ddress:</source>
        <translation>&amp;Adresse:</translation>
    </message>
    <message>
        <source>Address of a published calendar</source>
        <translation>Adresse eines veröffentlichten Kalenders</translation>
    </message>
    <message>
        <source>Add &amp;Address</source>
        <translation>Adresse &amp;hinzufügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Not shown:</source>
        <translation>Nicht angezeigt:</translation>
    </message>
</context>
<context>
    <name>tessarine::TDateDiffForm</name>
    <message>
        <source>Display Date Differences</source>
        <translation>Datumsdifferenzen anzeigen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 minus %2: %3 days</source>
        <translation>%1 minus %2: %3 Tage</translation>
    </message>
</context>
<context>
    <name>tessarine::TDonateForm</name>
    <message>
        <source>Make a Donation</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Ihre Antwort</translation>
    </message>
    <message>
        <source>Donations help offset the cost of running the Tessarine web site, and they are a way to say thank you for a job well done.</source>
        <translation>Spenden helfen, die Kosten der Tessarine-Website zu decken, und sie sind eine Art, Danke für gute Arbeit zu sagen.</translation>
    </message>
    <message>
        <source>Donating is completely optional, and the amount you give is entirely up to you.  Thank you.</source>
        <translation>Spenden ist völlig freiwillig, und die Höhe bestimmen allein Sie.  Vielen Dank.</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>tessarine::TenterDateForm</name>
    <message>
        <source>Go to a date</source>
        <translation>Gehe zu Datum</translation>
    </message>
    <message>
        <source>Please enter date as YYYYMMDD</source>
        <translation>Bitte Datum als JJJJMMTT eingeben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Gehe zu Datum %1 - %2</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Vorjahr</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Vormonat</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>Folgemonat</translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>Folgejahr</translation>
    </message>
    <message>
        <source>The command failed for an unknown reason.</source>
        <translation>Der Befehl ist aus unbekanntem Grund fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Tessarine - Freeware Edition</source>
        <translation>Tessarine - Freeware-Ausgabe</translation>
    </message>
    <message>
        <source>Go To Date...</source>
        <translation>Gehe zu Datum...</translation>
    </message>
    <message>
        <source>Go to Date...</source>
        <translation>Gehe zu Datum...</translation>
    </message>
    <message>
        <source>Go to a specific date</source>
        <translation>Zu einem bestimmten Datum gehen</translation>
    </message>
    <message>
        <source>Display Date Differences...</source>
        <translation>Datumsdifferenzen anzeigen...</translation>
    </message>
    <message>
        <source>Display Date Differences</source>
        <translation>Datumsdifferenzen anzeigen</translation>
    </message>
    <message>
        <source>Set as Date 1</source>
        <translation>Als Datum 1 setzen</translation>
    </message>
    <message>
        <source>Mark current date as Date 1</source>
        <translation>Aktuelles Datum als Datum 1 markieren</translation>
    </message>
    <message>
        <source>Set as Date 2</source>
        <translation>Als Datum 2 setzen</translation>
    </message>
    <message>
        <source>Mark current date as Date 2</source>
        <translation>Aktuelles Datum als Datum 2 markieren</translation>
    </message>
    <message>
        <source>Set as Date 3</source>
        <translation>Als Datum 3 setzen</translation>
    </message>
    <message>
        <source>Mark current date as Date 3</source>
        <translation>Aktuelles Datum als Datum 3 markieren</translation>
    </message>
    <message>
        <source>Go to Date 1</source>
        <translation>Gehe zu Datum 1</translation>
    </message>
    <message>
        <source>Jump to the date previously marked as Date 1</source>
        <translation>Zum zuvor als Datum 1 markierten Datum springen</translation>
    </message>
    <message>
        <source>Go to Date 2</source>
        <translation>Gehe zu Datum 2</translation>
    </message>
    <message>
        <source>Jump to the date previously marked as Date 2</source>
        <translation>Zum zuvor als Datum 2 markierten Datum springen</translation>
    </message>
    <message>
        <source>Go to Date 3</source>
        <translation>Gehe zu Datum 3</translation>
    </message>
    <message>
        <source>Jump to the date previously marked as Date 3</source>
        <translation>Zum zuvor als Datum 3 markierten Datum springen</translation>
    </message>
    <message>
        <source>Show Day of Year</source>
        <translation>Tag des Jahres anzeigen</translation>
    </message>
    <message>
        <source>Show Day of Year </source>
        <translation>Tag des Jahres anzeigen </translation>
    </message>
    <message>
        <source>Show Chronological Julian Day Numbers</source>
        <translation>Chronologische Julianische Tageszahlen anzeigen</translation>
    </message>
    <message>
        <source>Uniform count of days from -4712 January 1 (Chronological Julian Day Number)</source>
        <translation>Fortlaufende Zählung der Tage ab dem 1. Januar -4712 (Chronologische Julianische Tageszahl)</translation>
    </message>
    <message>
        <source>Show None</source>
        <translation>Nichts anzeigen</translation>
    </message>
    <message>
        <source>Do not show Day Numbers</source>
        <translation>Keine Tageszahlen anzeigen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>File Menu</source>
        <translation>Menü Datei</translation>
    </message>
    <message>
        <source>&amp;Print Planner or Calendar...</source>
        <translation>Planer oder Kalender &amp;drucken...</translation>
    </message>
    <message>
        <source>Print Calendar for current month</source>
        <translation>Kalender für den aktuellen Monat drucken</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit this program</source>
        <translation>Dieses Programm beenden</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>Da&amp;tum</translation>
    </message>
    <message>
        <source>Date Functions</source>
        <translation>Datumsfunktionen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Standard Colors</source>
        <translation>Standardfarben</translation>
    </message>
    <message>
        <source>Green and Yellow</source>
        <translation>Grün und Gelb</translation>
    </message>
    <message>
        <source>Use default color set</source>
        <translation>Vorgabe-Farbschema verwenden</translation>
    </message>
    <message>
        <source>Silver and Teal</source>
        <translation>Silber und Petrol</translation>
    </message>
    <message>
        <source>Use Business Colors</source>
        <translation>Geschäftsfarben verwenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help Menu</source>
        <translation>Menü Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Contents</source>
        <translation>&amp;Hilfe-Inhalt</translation>
    </message>
    <message>
        <source>Program Instructions screen</source>
        <translation>Anleitung zum Programm</translation>
    </message>
    <message>
        <source>&amp;About Tessarine...</source>
        <translation>Ü&amp;ber Tessarine...</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>Spenden</translation>
    </message>
    <message>
        <source>tessarine4.html</source>
        <extracomment>The help page&apos;s file name: tessarine4_&lt;language&gt;.html, the page written in this language.</extracomment>
        <translation>tessarine4_de.html</translation>
    </message>
    <message>
        <source>&amp;Calendars...</source>
        <translation>&amp;Kalender...</translation>
    </message>
    <message>
        <source>Choose the calendars whose events the grid shows</source>
        <translation>Kalender wählen, deren Termine das Raster zeigt</translation>
    </message>
</context>
<context>
    <name>tessarine::TprintSelDialog</name>
    <message>
        <source>Print Calendar Pages</source>
        <translation>Kalenderseiten drucken</translation>
    </message>
    <message>
        <source>1) Select Page Format  -</source>
        <translation>1) Seitenformat wählen  -</translation>
    </message>
    <message>
        <source>Page format</source>
        <translation>Seitenformat</translation>
    </message>
    <message>
        <source>2) Select number of consecutive pages to print --</source>
        <translation>2) Anzahl aufeinanderfolgender Seiten wählen --</translation>
    </message>
    <message>
        <source>Consecutive pages</source>
        <translation>Aufeinanderfolgende Seiten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>tessarine::TsplashForm</name>
    <message>
        <source>About Tessarine</source>
        <translation>Über Tessarine</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Freeware Edition</source>
        <translation>Freeware-Ausgabe</translation>
    </message>
</context>
</TS>
