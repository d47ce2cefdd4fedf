<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CalendarFetch</name>
    <message>
        <source>the address sent something other than a calendar, such as a web page</source>
        <translation>la dirección envió algo que no es un calendario, como una página web</translation>
    </message>
    <message>
        <source>the address redirects without end</source>
        <translation>la dirección redirige sin fin</translation>
    </message>
    <message>
        <source>the server answered %1 %2</source>
        <translation>el servidor respondió %1 %2</translation>
    </message>
</context>
<context>
    <name>DonationAnswers</name>
    <message>
        <source>Yes, take me to the donations page now!</source>
        <translation>¡Sí, ir ahora a la página de donaciones!</translation>
    </message>
    <message>
        <source>I still have to check it a bit more, show this again in two weeks</source>
        <translation>Aún tengo que probarlo, mostrar de nuevo en dos semanas</translation>
    </message>
    <message>
        <source>I already made a donation, don&apos;t show this dialog again</source>
        <translation>Ya he hecho una donación, no volver a mostrar este diálogo</translation>
    </message>
    <message>
        <source>No, I don&apos;t want to donate, never show this dialog again</source>
        <translation>No, no quiero donar, no volver a mostrar nunca este diálogo</translation>
    </message>
    <message>
        <source>Not now, notify me again in 1 day</source>
        <translation>Ahora no, avisar de nuevo en 1 día</translation>
    </message>
</context>
<context>
    <name>Errors</name>
    <message>
        <source>The printer reports no usable resolution.</source>
        <translation>La impresora no indica ninguna resolución utilizable.</translation>
    </message>
    <message>
        <source>No printer is available.</source>
        <translation>No hay ninguna impresora disponible.</translation>
    </message>
    <message>
        <source>The printing service is not running, so no printer can be reached. Start it (for example &apos;sudo systemctl start cups&apos;) and print again.</source>
        <translation>El servicio de impresión no está en marcha, así que no se puede llegar a ninguna impresora. Inícielo (por ejemplo con «sudo systemctl start cups») y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; named by the %2 setting does not exist. Correct or remove %2, or set up a printer of that name, and print again.</source>
        <translation>La impresora «%1» indicada por el ajuste %2 no existe. Corrija o elimine %2, o configure una impresora con ese nombre, y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>No default printer is set up. Choose a default printer in the system&apos;s printer settings and print again.</source>
        <translation>No hay ninguna impresora predeterminada. Elija una impresora predeterminada en la configuración de impresoras del sistema y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>The page orientation cannot change while a document is printing.</source>
        <translation>La orientación de la página no puede cambiar mientras se imprime un documento.</translation>
    </message>
    <message>
        <source>Cannot start the PDF file &quot;%1&quot;.</source>
        <translation>No se puede iniciar el archivo PDF «%1».</translation>
    </message>
    <message>
        <source>Cannot add a page to &quot;%1&quot;.</source>
        <translation>No se puede añadir una página a «%1».</translation>
    </message>
    <message>
        <source>No page was printed.</source>
        <translation>No se ha impreso ninguna página.</translation>
    </message>
    <message>
        <source>Cannot finish the PDF file &quot;%1&quot;.</source>
        <translation>No se puede terminar el archivo PDF «%1».</translation>
    </message>
    <message>
        <source>Printing failed for an unknown reason.</source>
        <translation>La impresión ha fallado por un motivo desconocido.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start the document.</source>
        <translation>La impresora «%1» no pudo iniciar el documento.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not finish the document.</source>
        <translation>La impresora «%1» no pudo terminar el documento.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not start a new sheet.</source>
        <translation>La impresora «%1» no pudo iniciar una hoja nueva.</translation>
    </message>
    <message>
        <source>Printing is not available: its module could not be opened (%1).</source>
        <translation>No se puede imprimir: no se pudo abrir su módulo (%1).</translation>
    </message>
    <message>
        <source>The printing service reports: %1.</source>
        <translation>El servicio de impresión indica: %1.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is not accepting jobs, so nothing was printed. Let it accept jobs again in the system&apos;s printer settings (for example &apos;sudo cupsaccept %1&apos;) and print again.</source>
        <translation>La impresora «%1» no acepta trabajos, así que no se ha impreso nada. Haga que vuelva a aceptar trabajos en los ajustes de impresora del sistema (por ejemplo con «sudo cupsaccept %1») y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped, so nothing was printed. Resume it in the system&apos;s printer settings (for example &apos;sudo cupsenable %1&apos;) and print again.</source>
        <translation>La impresora «%1» está detenida, así que no se ha impreso nada. Reanúdela en los ajustes de impresora del sistema (por ejemplo con «sudo cupsenable %1») y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the job, so nothing was printed. Check the printer in the system&apos;s printer settings and print again.</source>
        <translation>La impresora «%1» ha rechazado el trabajo, así que no se ha impreso nada. Revise la impresora en los ajustes de impresora del sistema y vuelva a imprimir.</translation>
    </message>
    <message>
        <source>Failed to get data for &apos;%1&apos;</source>
        <translation>No se pudieron leer los datos de «%1»</translation>
    </message>
    <message>
        <source>Invalid data type for &apos;%1&apos;</source>
        <translation>Tipo de datos no válido para «%1»</translation>
    </message>
    <message>
        <source>Failed to set data for &apos;%1&apos;</source>
        <translation>No se pudieron guardar los datos de «%1»</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permiso denegado</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the disk quota is used up</source>
        <translation>la cuota de disco está agotada</translation>
    </message>
    <message>
        <source>it would exceed the file size limit</source>
        <translation>superaría el límite de tamaño de archivo</translation>
    </message>
    <message>
        <source>the file system is read-only</source>
        <translation>el sistema de archivos es de solo lectura</translation>
    </message>
    <message>
        <source>the disk reported an input/output error</source>
        <translation>el disco informó de un error de entrada/salida</translation>
    </message>
    <message>
        <source>a part of its path is not a folder</source>
        <translation>una parte de su ruta no es una carpeta</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads round in a loop</source>
        <translation>es un enlace simbólico que da vueltas en círculo</translation>
    </message>
    <message>
        <source>it is a named pipe</source>
        <translation>es una tubería con nombre</translation>
    </message>
    <message>
        <source>it is a device</source>
        <translation>es un dispositivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is a symbolic link that leads nowhere</source>
        <translation>es un enlace simbólico que no lleva a ninguna parte</translation>
    </message>
    <message>
        <source>it is a symbolic link, which a lock file may not be</source>
        <translation>es un enlace simbólico, y un archivo de bloqueo no puede serlo</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>pertenece a otro usuario</translation>
    </message>
    <message>
        <source>another program has kept it locked for too long</source>
        <translation>otro programa lo mantiene bloqueado desde hace demasiado tiempo</translation>
    </message>
    <message>
        <source>it would grow larger than 16 MiB</source>
        <translation>superaría los 16 MiB</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be used: %2. Tessarine goes on without it.</source>
        <translation>El archivo de configuración %1 no se puede usar: %2. Tessarine continúa sin él.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2.</source>
        <translation>El archivo de configuración %1 no se puede leer: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be written: %2.</source>
        <translation>El archivo de configuración %1 no se pudo escribir: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 was damaged (%2). It has been kept as %3, and the settings start afresh.</source>
        <translation>El archivo de configuración %1 estaba dañado (%2). Se ha conservado como %3, y la configuración empieza de nuevo.</translation>
    </message>
    <message>
        <source>The settings file %1 is damaged (%2) and could not be moved aside, so it is ignored: %3.</source>
        <translation>El archivo de configuración %1 está dañado (%2) y no se pudo apartar, así que se ignora: %3.</translation>
    </message>
    <message>
        <source>the reader closed the output</source>
        <translation>el programa que leía cerró la salida</translation>
    </message>
    <message>
        <source>cannot write &quot;%1&quot;: %2</source>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>cambió mientras se abría</translation>
    </message>
    <message>
        <source>something else appeared there while it was being written</source>
        <translation>apareció otra cosa en ese lugar mientras se escribía</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>salida estándar</translation>
    </message>
    <message>
        <source>it is a link that leads nowhere</source>
        <translation>es un enlace que no lleva a ninguna parte</translation>
    </message>
    <message>
        <source>it is a directory</source>
        <translation>es un directorio</translation>
    </message>
    <message>
        <source>it is neither a regular file, a FIFO nor a character device</source>
        <translation>no es ni un archivo normal, ni un FIFO, ni un dispositivo de caracteres</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A calendar that cannot be read: %1 its file or address, %2 the reason.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <extracomment>A calendar that cannot be read: %1 its file or address, %2 the line, %3 the reason.</extracomment>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>No se puede abrir el archivo.</translation>
    </message>
    <message>
        <source>This is not an iCalendar file.</source>
        <translation>Esto no es un archivo iCalendar.</translation>
    </message>
    <message>
        <source>This END closes no component that is open.</source>
        <translation>Este END no cierra ningún componente abierto.</translation>
    </message>
    <message>
        <source>This END does not match the last BEGIN.</source>
        <translation>Este END no corresponde al último BEGIN.</translation>
    </message>
    <message>
        <source>This component is never ended: the file may be cut short.</source>
        <translation>Este componente nunca se cierra: puede que el archivo esté cortado.</translation>
    </message>
    <message>
        <source>The file cannot be read as iCalendar.</source>
        <translation>El archivo no se puede leer como iCalendar.</translation>
    </message>
    <message>
        <source>The calendar %1 cannot be fetched (%2).</source>
        <translation>No se puede obtener el calendario %1 (%2).</translation>
    </message>
    <message>
        <source>The calendar %1 cannot be fetched (%2); %3.</source>
        <extracomment>%1 the calendar&apos;s address, %2 why it failed, %3 e.g. &quot;showing the copy from 3 hours ago&quot;.</extracomment>
        <translation>No se puede obtener el calendario %1 (%2); %3.</translation>
    </message>
    <message>
        <source>Calendars cannot be shown: their module could not be opened (%1).</source>
        <translation>No se pueden mostrar los calendarios: no se pudo abrir su módulo (%1).</translation>
    </message>
</context>
<context>
    <name>KeptCopy</name>
    <message>
        <source>showing the copy from less than a minute ago</source>
        <translation>se muestra la copia de hace menos de un minuto</translation>
    </message>
    <message>
        <source>showing the copy from 1 minute ago</source>
        <translation>se muestra la copia de hace 1 minuto</translation>
    </message>
    <message>
        <source>showing the copy from %1 minutes ago</source>
        <extracomment>%1 is a number of minutes, 2 or more.</extracomment>
        <translation>se muestra la copia de hace %1 minutos</translation>
    </message>
    <message>
        <source>showing the copy from 1 hour ago</source>
        <translation>se muestra la copia de hace 1 hora</translation>
    </message>
    <message>
        <source>showing the copy from %1 hours ago</source>
        <extracomment>%1 is a number of hours, 2 or more.</extracomment>
        <translation>se muestra la copia de hace %1 horas</translation>
    </message>
    <message>
        <source>showing the copy from 1 day ago</source>
        <translation>se muestra la copia de hace 1 día</translation>
    </message>
    <message>
        <source>showing the copy from %1 days ago</source>
        <extracomment>%1 is a number of days, 2 to 6.</extracomment>
        <translation>se muestra la copia de hace %1 días</translation>
    </message>
    <message>
        <source>showing the copy from %1</source>
        <extracomment>%1 is the date the copy was fetched, as the locale writes dates.</extracomment>
        <translation>se muestra la copia del %1</translation>
    </message>
</context>
<context>
    <name>PageFormats</name>
    <message>
        <source>Monthly View</source>
        <translation>Vista mensual</translation>
    </message>
    <message>
        <source>Monthly View (wide format)</source>
        <translation>Vista mensual (formato apaisado)</translation>
    </message>
    <message>
        <source>Biweekly Planner</source>
        <translation>Agenda quincenal</translation>
    </message>
    <message>
        <source>Biweekly Planner (wide format)</source>
        <translation>Agenda quincenal (formato apaisado)</translation>
    </message>
    <message>
        <source>Weekly Planner</source>
        <translation>Agenda semanal</translation>
    </message>
    <message>
        <source>Weekly Planner (wide format)</source>
        <translation>Agenda semanal (formato apaisado)</translation>
    </message>
    <message>
        <source>Two Day Planner</source>
        <translation>Agenda de dos días</translation>
    </message>
    <message>
        <source>Two Day Planner (wide format)</source>
        <translation>Agenda de dos días (formato apaisado)</translation>
    </message>
    <message>
        <source>Yearly Calendar View</source>
        <translation>Calendario anual</translation>
    </message>
    <message>
        <source>Yearly Calendar View (wide format)</source>
        <translation>Calendario anual (formato apaisado)</translation>
    </message>
    <message>
        <source>Year Planner</source>
        <translation>Planificador anual</translation>
    </message>
    <message>
        <source>Year Planner (wide format)</source>
        <translation>Planificador anual (formato apaisado)</translation>
    </message>
</context>
<context>
    <name>PrintedPage</name>
    <message>
        <source>Biweekly Planner</source>
        <translation>Agenda quincenal</translation>
    </message>
    <message>
        <source>Month View</source>
        <translation>Vista mensual</translation>
    </message>
    <message>
        <source>mmmm d, yyyy</source>
        <extracomment>The date pattern of planner titles: mmmm month name, d day, yyyy year; text in quotes is printed as it stands (&quot;d &apos;de&apos; mmmm&quot;).</extracomment>
        <translation>d &apos;de&apos; mmmm &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>del %1 al %2</translation>
    </message>
    <message>
        <source>Weekly Planner</source>
        <translation>Agenda semanal</translation>
    </message>
    <message>
        <source>Two Day Planner</source>
        <translation>Agenda de dos días</translation>
    </message>
    <message>
        <source>Year View</source>
        <translation>Vista anual</translation>
    </message>
    <message>
        <source>Yearly Planner</source>
        <translation>Planificador anual</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>M T W T F S S</source>
        <extracomment>Monday to Sunday, one letter each, separated by spaces.</extracomment>
        <translation>L M X J V S D</translation>
    </message>
    <message>
        <source>S M T W T F S</source>
        <extracomment>Sunday to Saturday, one letter each, separated by spaces.</extracomment>
        <translation>D L M X J V S</translation>
    </message>
    <message>
        <source>%1 1</source>
        <extracomment>A planner&apos;s day box on the first of a month: %1 is the weekday name, then the day as the language writes the first of a month.</extracomment>
        <translation>%1 1</translation>
    </message>
    <message>
        <source>mmmm 1, yyyy</source>
        <extracomment>The date pattern of planner titles for the first day of a month, where 1 is the day itself: mmmm month name, yyyy year; text in quotes is printed as it stands.</extracomment>
        <translation>d &apos;de&apos; mmmm &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>+%1 more</source>
        <translation>+%1 más</translation>
    </message>
</context>
<context>
    <name>tessarine-pdf</name>
    <message>
        <source>unknown format %1: the formats are 0 to 11 (see --list-formats)</source>
        <translation>formato desconocido %1: los formatos van del 0 al 11 (véase --list-formats)</translation>
    </message>
    <message>
        <source>unknown format &quot;%1&quot; (see --list-formats)</source>
        <translation>formato desconocido «%1» (véase --list-formats)</translation>
    </message>
    <message>
        <source>bad date &quot;%1&quot;: write it as YYYY-MM-DD</source>
        <translation>fecha incorrecta «%1»: escríbala como YYYY-MM-DD</translation>
    </message>
    <message>
        <source>date %1 lies outside the years 1582 to 3000</source>
        <translation>la fecha %1 está fuera de los años 1582 a 3000</translation>
    </message>
    <message>
        <source>date %1 does not exist</source>
        <translation>la fecha %1 no existe</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>option %1 is given twice</source>
        <translation>la opción %1 aparece dos veces</translation>
    </message>
    <message>
        <source>option %1 needs a value</source>
        <translation>la opción %1 necesita un valor</translation>
    </message>
    <message>
        <source>pages must be a number from 1 to 13, not &quot;%1&quot;</source>
        <translation>las páginas deben ser un número del 1 al 13, no «%1»</translation>
    </message>
    <message>
        <source>days must be doy, jdn or none, not &quot;%1&quot;</source>
        <translation>days debe ser doy, jdn o none, no «%1»</translation>
    </message>
    <message>
        <source>paper must be letter or a4, not &quot;%1&quot;</source>
        <translation>paper debe ser letter o a4, no «%1»</translation>
    </message>
    <message>
        <source>the output file name is empty</source>
        <translation>el nombre del archivo de salida está vacío</translation>
    </message>
    <message>
        <source>no output file: give --output FILE.pdf</source>
        <translation>ningún archivo de salida: indique --output ARCHIVO.pdf</translation>
    </message>
    <message>
        <source>%1 stands alone</source>
        <translation>%1 va solo</translation>
    </message>
    <message>
        <source>these pages need the system&apos;s fonts, but their writer could not be started (%1)</source>
        <translation>estas páginas necesitan las fuentes del sistema, pero no se pudo iniciar su escritor (%1)</translation>
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
        <translation>Uso: tessarine-pdf [OPCIÓN]... --output ARCHIVO.pdf
  o:   tessarine-pdf --list-formats | --help | --version

Escribe páginas de calendario, una página por hoja impresa, en ARCHIVO.pdf.

  --format N|NOMBRE    formato de página por número o por nombre (véase
                       --list-formats); por defecto 0
  --pages 1..13        páginas consecutivas; por defecto 1
  --date YYYY-MM-DD    la fecha desde la que empiezan las páginas, de 1582-01-01
                       a 3000-12-31; por defecto hoy
  --days doy|jdn|none  segundo número en las celdas de la vista mensual: día
                       del año, número de día juliano cronológico o ninguno;
                       por defecto doy
  --paper letter|a4    tamaño de la hoja; por defecto el tamaño de papel de la
                       configuración regional del sistema
  --output ARCHIVO.pdf el archivo PDF que escribir, o - para la salida
                       estándar; un archivo existente solo se sustituye por
                       uno nuevo completo; en una FIFO o un dispositivo se
                       escribe, nunca se sustituyen
  --calendar ARCHIVO|DIRECCIÓN
                       un archivo iCalendar, o una dirección https://, http://
                       o webcal:// (webcal:// se obtiene como http://), cuyos
                       eventos listan las páginas; puede darse varias veces.
                       Las copias obtenidas se guardan en
                       $XDG_CACHE_HOME/tessarine y se usan cuando no se llega
                       a la dirección

Estado de salida: 0 escrito, 1 no se pudo escribir el archivo o leer un
calendario, 2 argumentos incorrectos.
</translation>
    </message>
    <message>
        <source>the calendar file or address is empty</source>
        <translation>el archivo o la dirección del calendario está vacío</translation>
    </message>
    <message>
        <source>calendar %1 cannot be read: %2</source>
        <translation>no se puede leer el calendario %1: %2</translation>
    </message>
    <message>
        <source>calendar %1 cannot be fetched (%2), and no copy of it was kept before</source>
        <translation>no se puede obtener el calendario %1 (%2) y no se guardó antes ninguna copia</translation>
    </message>
    <message>
        <source>calendar %1 cannot be fetched (%2); printing the copy kept from before</source>
        <translation>no se puede obtener el calendario %1 (%2); se imprime la copia guardada antes</translation>
    </message>
</context>
<context>
    <name>tessarine::TCalendarsForm</name>
    <message>
        <source>Add a calendar file</source>
        <translation>Añadir un archivo de calendario</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Archivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Calendars</source>
        <translation>Calendarios</translation>
    </message>
    <message>
        <source>&amp;Calendars shown on the grid:</source>
        <translation>&amp;Calendarios mostrados en la cuadrícula:</translation>
    </message>
    <message>
        <source>Uncheck a calendar to hide it without removing it</source>
        <translation>Desmarque un calendario para ocultarlo sin quitarlo</translation>
    </message>
    <message>
        <source>Add &amp;File...</source>
        <translation>Añadir &amp;archivo...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Quitar</translation>
    </message>
    <message>
        <source>A&amp;ddress:</source>
        <translation>&amp;Dirección:</translation>
    </message>
    <message>
        <source>Address of a published calendar</source>
        <translation>Dirección de un calendario publicado</translation>
    </message>
    <message>
        <source>Add &amp;Address</source>
        <translation>Añadir di&amp;rección</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Not shown:</source>
        <translation>No mostrados:</translation>
    </message>
</context>
<context>
    <name>tessarine::TDateDiffForm</name>
    <message>
        <source>Display Date Differences</source>
        <translation>Mostrar diferencias entre fechas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 minus %2: %3 days</source>
        <translation>%1 menos %2: %3 días</translation>
    </message>
</context>
<context>
    <name>tessarine::TDonateForm</name>
    <message>
        <source>Make a Donation</source>
        <translation>Hacer una donación</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Su respuesta</translation>
    </message>
    <message>
        <source>Donations help offset the cost of running the Tessarine web site, and they are a way to say thank you for a job well done.</source>
        <translation>Las donaciones ayudan a cubrir los costes del sitio web de Tessarine y son una forma de dar las gracias por un trabajo bien hecho.</translation>
    </message>
    <message>
        <source>Donating is completely optional, and the amount you give is entirely up to you.  Thank you.</source>
        <translation>Donar es totalmente opcional y la cantidad depende solo de usted.  Gracias.</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continuar</translation>
    </message>
</context>
<context>
    <name>tessarine::TenterDateForm</name>
    <message>
        <source>Go to a date</source>
        <translation>Ir a una fecha</translation>
    </message>
    <message>
        <source>Please enter date as YYYYMMDD</source>
        <translation>Introduzca la fecha como AAAAMMDD</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>tessarine::TjulCalMainForm</name>
    <message>
        <source>Go to Date %1 - %2</source>
        <translation>Ir a la fecha %1 - %2</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Donate</source>
        <translation>Donar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Last Year</source>
        <translation>Año ant.</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mes ant.</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Next Month</source>
        <translation>Mes sig.</translation>
    </message>
    <message>
        <source>Next Year</source>
        <translation>Año sig.</translation>
    </message>
    <message>
        <source>The command failed for an unknown reason.</source>
        <translation>La orden ha fallado por un motivo desconocido.</translation>
    </message>
    <message>
        <source>Tessarine - Freeware Edition</source>
        <translation>Tessarine - Edición gratuita</translation>
    </message>
    <message>
        <source>Go To Date...</source>
        <translation>Ir a la fecha...</translation>
    </message>
    <message>
        <source>Go to Date...</source>
        <translation>Ir a la fecha...</translation>
    </message>
    <message>
        <source>Go to a specific date</source>
        <translation>Ir a una fecha concreta</translation>
    </message>
    <message>
        <source>Display Date Differences...</source>
        <translation>Mostrar diferencias entre fechas...</translation>
    </message>
    <message>
        <source>Display Date Differences</source>
        <translation>Mostrar diferencias entre fechas</translation>
    </message>
    <message>
        <source>Set as Date 1</source>
        <translation>Fijar como fecha 1</translation>
    </message>
    <message>
        <source>Mark current date as Date 1</source>
        <translation>Marcar la fecha actual como fecha 1</translation>
    </message>
    <message>
        <source>Set as Date 2</source>
        <translation>Fijar como fecha 2</translation>
    </message>
    <message>
        <source>Mark current date as Date 2</source>
        <translation>Marcar la fecha actual como fecha 2</translation>
    </message>
    <message>
        <source>Set as Date 3</source>
        <translation>Fijar como fecha 3</translation>
    </message>
    <message>
        <source>Mark current date as Date 3</source>
        <translation>Marcar la fecha actual como fecha 3</translation>
    </message>
    <message>
        <source>Go to Date 1</source>
        <translation>Ir a la fecha 1</translation>
    </message>
    <message>
        <source>Jump to the date previously marked as Date 1</source>
        <translation>Saltar a la fecha marcada antes como fecha 1</translation>
    </message>
    <message>
        <source>Go to Date 2</source>
        <translation>Ir a la fecha 2</translation>
    </message>
    <message>
        <source>Jump to the date previously marked as Date 2</source>
        <translation>Saltar a la fecha marcada antes como fecha 2</translation>
    </message>
    <message>
        <source>Go to Date 3</source>
        <translation>Ir a la fecha 3</translation>
    </message>
    <message>
        <source>Jump to the date previously marked as Date 3</source>
        <translation>Saltar a la fecha marcada antes como fecha 3</translation>
    </message>
    <message>
        <source>Show Day of Year</source>
        <translation>Mostrar día del año</translation>
    </message>
    <message>
        <source>Show Day of Year </source>
        <translation>Mostrar día del año </translation>
    </message>
    <message>
        <source>Show Chronological Julian Day Numbers</source>
        <translation>Mostrar números de día juliano cronológicos</translation>
    </message>
    <message>
        <source>Uniform count of days from -4712 January 1 (Chronological Julian Day Number)</source>
        <translation>Cuenta continua de días desde el 1 de enero de -4712 (número de día juliano cronológico)</translation>
    </message>
    <message>
        <source>Show None</source>
        <translation>No mostrar nada</translation>
    </message>
    <message>
        <source>Do not show Day Numbers</source>
        <translation>No mostrar números de día</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>File Menu</source>
        <translation>Menú Archivo</translation>
    </message>
    <message>
        <source>&amp;Print Planner or Calendar...</source>
        <translation>&amp;Imprimir agenda o calendario...</translation>
    </message>
    <message>
        <source>Print Calendar for current month</source>
        <translation>Imprimir el calendario del mes actual</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit this program</source>
        <translation>Salir de este programa</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Fecha</translation>
    </message>
    <message>
        <source>Date Functions</source>
        <translation>Funciones de fecha</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Standard Colors</source>
        <translation>Colores estándar</translation>
    </message>
    <message>
        <source>Green and Yellow</source>
        <translation>Verde y amarillo</translation>
    </message>
    <message>
        <source>Use default color set</source>
        <translation>Usar el juego de colores predeterminado</translation>
    </message>
    <message>
        <source>Silver and Teal</source>
        <translation>Plata y verde azulado</translation>
    </message>
    <message>
        <source>Use Business Colors</source>
        <translation>Usar colores de oficina</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help Menu</source>
        <translation>Menú Ayuda</translation>
    </message>
    <message>
        <source>&amp;Help Contents</source>
        <translation>&amp;Contenido de la ayuda</translation>
    </message>
    <message>
        <source>Program Instructions screen</source>
        <translation>Instrucciones del programa</translation>
    </message>
    <message>
        <source>&amp;About Tessarine...</source>
        <translation>&amp;Acerca de Tessarine...</translation>
    </message>
    <message>
        <source>Make a Donation</source>
        <translation>Hacer una donación</translation>
    </message>
    <message>
        <source>tessarine4.html</source>
        <extracomment>The help page&apos;s file name: tessarine4_&lt;language&gt;.html, the page written in this language.</extracomment>
        <translation>tessarine4_es.html</translation>
    </message>
    <message>
        <source>&amp;Calendars...</source>
        <translation>&amp;Calendarios...</translation>
    </message>
    <message>
        <source>Choose the calendars whose events the grid shows</source>
        <translation>Elegir los calendarios cuyos eventos muestra la cuadrícula</translation>
    </message>
</context>
<context>
    <name>tessarine::TprintSelDialog</name>
    <message>
        <source>Print Calendar Pages</source>
        <translation>Imprimir calendario</translation>
    </message>
    <message>
        <source>1) Select Page Format  -</source>
        <translation>1) Elija el formato de página  -</translation>
    </message>
    <message>
        <source>Page format</source>
        <translation>Formato de página</translation>
    </message>
    <message>
        <source>2) Select number of consecutive pages to print --</source>
        <translation>2) Elija el número de páginas consecutivas --</translation>
    </message>
    <message>
        <source>Consecutive pages</source>
        <translation>Páginas consecutivas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
</context>
<context>
    <name>tessarine::TsplashForm</name>
    <message>
        <source>About Tessarine</source>
        <translation>Acerca de Tessarine</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Freeware Edition</source>
        <translation>Edición gratuita</translation>
    </message>
</context>
</TS>
