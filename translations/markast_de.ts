<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Desktop</name>
    <message>
        <source>Not opened: a logo is being downloaded. Drop it again when the download is done.</source>
        <translation>Nicht geöffnet: Ein Logo wird gerade übertragen. Legen Sie die Datei nach der Übertragung erneut ab.</translation>
    </message>
    <message>
        <source>Not opened: drop one logo file at a time.</source>
        <translation>Nicht geöffnet: Legen Sie nur eine Logodatei auf einmal ab.</translation>
    </message>
    <message>
        <source>Not opened: %1 is not a file on this computer.</source>
        <translation>Nicht geöffnet: %1 ist keine Datei auf diesem Computer.</translation>
    </message>
    <message>
        <source>Not opened: %1 is a folder.</source>
        <translation>Nicht geöffnet: %1 ist ein Ordner.</translation>
    </message>
</context>
<context>
    <name>Devices</name>
    <message>
        <source>not a network address: %1</source>
        <translation>keine Netzwerkadresse: %1</translation>
    </message>
    <message>
        <source>network device (%1): host %2, port %3</source>
        <translation>Netzwerkgerät (%1): Host %2, Port %3</translation>
    </message>
    <message>
        <source>raw TCP</source>
        <translation>reines TCP</translation>
    </message>
    <message>
        <source>set by %1</source>
        <translation>festgelegt durch %1</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>bereit</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>nicht vorhanden</translation>
    </message>
    <message>
        <source>no permission: add this account to the dialout group, then log in again</source>
        <translation>keine Berechtigung: Fügen Sie dieses Konto der Gruppe dialout hinzu und melden Sie sich neu an</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>kein serielles Gerät</translation>
    </message>
</context>
<context>
    <name>LogoFile</name>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 existiert nicht</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 ist keine Datei</translation>
    </message>
    <message>
        <source>%1 is 2 GiB or larger</source>
        <translation>%1 ist 2 GiB groß oder größer</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>there is not enough memory for %1</source>
        <translation>für %1 reicht der Speicher nicht</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 changed size while it was read</source>
        <translation>%1 hat beim Lesen die Größe geändert</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>it starts with neither rfc2217:// nor socket://</source>
        <translation>sie beginnt weder mit rfc2217:// noch mit socket://</translation>
    </message>
    <message>
        <source>it holds a blank</source>
        <translation>sie enthält ein Leerzeichen</translation>
    </message>
    <message>
        <source>the IPv6 address has no closing bracket</source>
        <translation>der IPv6-Adresse fehlt die schließende Klammer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no IPv6 address</source>
        <translation>„%1“ ist keine IPv6-Adresse</translation>
    </message>
    <message>
        <source>the port is missing</source>
        <translation>der Port fehlt</translation>
    </message>
    <message>
        <source>the host is missing</source>
        <translation>der Host fehlt</translation>
    </message>
    <message>
        <source>an IPv6 address must stand in brackets</source>
        <translation>eine IPv6-Adresse muss in eckigen Klammern stehen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no host name</source>
        <translation>„%1“ ist kein Hostname</translation>
    </message>
    <message>
        <source>the port must be a number from 1 to 65535, not &quot;%1&quot;</source>
        <translation>der Port muss eine Zahl von 1 bis 65535 sein, nicht „%1“</translation>
    </message>
    <message>
        <source>not a network address: %1</source>
        <translation>keine Netzwerkadresse: %1</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>keine Antwort innerhalb von %1 s</translation>
    </message>
    <message>
        <source>the server&apos;s Telnet could not be read (%1)</source>
        <translation>das Telnet des Servers war nicht lesbar (%1)</translation>
    </message>
    <message>
        <source>the name was not found</source>
        <translation>der Name wurde nicht gefunden</translation>
    </message>
    <message>
        <source>the connection was refused</source>
        <translation>die Verbindung wurde abgelehnt</translation>
    </message>
    <message>
        <source>the connection was closed by the server</source>
        <translation>der Server hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>the server did not negotiate Telnet within %1 s, so it does not speak RFC 2217; for a raw TCP server, use %2</source>
        <translation>der Server hat binnen %1 s kein Telnet ausgehandelt und spricht also kein RFC 2217; für einen reinen TCP-Server %2 verwenden</translation>
    </message>
    <message>
        <source>the connection was given up</source>
        <translation>die Verbindung wurde aufgegeben</translation>
    </message>
    <message>
        <source>the server answered %1 with %2: the marker would receive every byte garbled</source>
        <translation>der Server hat %1 mit %2 beantwortet: beim Markiergerät käme jedes Byte verfälscht an</translation>
    </message>
    <message>
        <source>the server refused binary transmission, without which the logo&apos;s bytes do not pass unchanged; for a raw TCP port on the server, use %1</source>
        <translation>der Server hat die binäre Übertragung abgelehnt, ohne die die Bytes des Logos nicht unverändert ankommen; für einen reinen TCP-Anschluss am Server %1 verwenden</translation>
    </message>
</context>
<context>
    <name>PortSelection</name>
    <message>
        <source>COM%1 could not be opened.

%2.</source>
        <translation>COM%1 konnte nicht geöffnet werden.

%2.</translation>
    </message>
    <message>
        <source>
This account may not use the port: add it to the dialout group, then log in again.</source>
        <translation>
Dieses Konto darf den Anschluss nicht benutzen: Fügen Sie es der Gruppe dialout hinzu und melden Sie sich neu an.</translation>
    </message>
    <message>
        <source>

Choose another port under Settings &gt; Com Ports.</source>
        <translation>

Wählen Sie unter Einstellungen &gt; COM-Anschlüsse einen anderen Anschluss.</translation>
    </message>
    <message>
        <source>Invalid Comunication port please try again</source>
        <translation>Ungültiger Kommunikationsanschluss, bitte erneut versuchen</translation>
    </message>
    <message>
        <source>Incorect Com Port Setting</source>
        <translation>Falsche COM-Anschluss-Einstellung</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>Size: %1 × %2 mm (%3 × %4 plotter units) · %5 %6</source>
        <translation>Größe: %1 × %2 mm (%3 × %4 Plottereinheiten) · %5 %6</translation>
    </message>
    <message>
        <source>stroke</source>
        <comment>one</comment>
        <translation>Strich</translation>
    </message>
    <message>
        <source>strokes</source>
        <comment>several</comment>
        <translation>Striche</translation>
    </message>
    <message>
        <source>%1 bytes, with no HPGL drawing in them</source>
        <translation>%1 Bytes ohne HPGL-Zeichnung</translation>
    </message>
    <message>
        <source>Not drawn: %1</source>
        <translation>Nicht gezeichnet: %1</translation>
    </message>
    <message>
        <source>Drawn approximately: %1</source>
        <translation>Nur ungefähr gezeichnet: %1</translation>
    </message>
    <message>
        <source>Everything in the file was drawn</source>
        <translation>Alles in der Datei wurde gezeichnet</translation>
    </message>
    <message>
        <source>Too complex to preview in full: %1 of its %2 strokes are drawn</source>
        <translation>Zu komplex für eine vollständige Vorschau: %1 der %2 Striche sind gezeichnet</translation>
    </message>
    <message>
        <source>Too complex to preview in full: only its first %1 of %2 bytes are drawn and measured</source>
        <translation>Zu komplex für eine vollständige Vorschau: nur die ersten %1 von %2 Bytes sind gezeichnet und vermessen</translation>
    </message>
    <message>
        <source>Too complex to preview: nothing is drawn in its first %1 of %2 bytes</source>
        <translation>Zu komplex für eine Vorschau: in den ersten %1 von %2 Bytes ist nichts gezeichnet</translation>
    </message>
    <message>
        <source>Too costly to draw in full at this size: some marks are left out</source>
        <translation>Zu aufwendig, um es in dieser Größe vollständig zu zeichnen: einige Markierungen fehlen</translation>
    </message>
</context>
<context>
    <name>Render</name>
    <message>
        <source>the image could not be made</source>
        <translation>das Bild ließ sich nicht erzeugen</translation>
    </message>
    <message>
        <source>%1 · shown at %2% to fit the page</source>
        <translation>%1 · auf %2 % verkleinert, damit es auf die Seite passt</translation>
    </message>
    <message>
        <source>Draws a logo file (HPGL) as the Markast preview draws it: into a PNG of N x N pixels, or into an SVG or a PDF at its true size in millimetres. The suffix of OUT chooses.</source>
        <translation>Zeichnet eine Logodatei (HPGL) so, wie die Markast-Vorschau sie zeichnet: in ein PNG von N x N Pixeln oder in ein SVG oder PDF in wahrer Größe in Millimetern. Die Endung von OUT entscheidet.</translation>
    </message>
    <message>
        <source>The PNG&apos;s width and height in pixels (default %1).</source>
        <translation>Breite und Höhe des PNG in Pixeln (Vorgabe %1).</translation>
    </message>
    <message>
        <source>The logo file to draw.</source>
        <translation>Die zu zeichnende Logodatei.</translation>
    </message>
    <message>
        <source>The file to write: .png, .svg or .pdf.</source>
        <translation>Die zu schreibende Datei: .png, .svg oder .pdf.</translation>
    </message>
    <message>
        <source>give one IN and one OUT</source>
        <translation>genau ein IN und ein OUT angeben</translation>
    </message>
    <message>
        <source>%1 ends in neither .png, .svg nor .pdf</source>
        <translation>%1 endet weder auf .png noch auf .svg oder .pdf</translation>
    </message>
    <message>
        <source>--size takes 1 to %1 pixels, not &quot;%2&quot;</source>
        <translation>--size nimmt 1 bis %1 Pixel, nicht „%2“</translation>
    </message>
    <message>
        <source>Not drawn: %1</source>
        <translation>Nicht gezeichnet: %1</translation>
    </message>
    <message>
        <source>Not drawn: %1 has no HPGL drawing in it</source>
        <translation>Nicht gezeichnet: %1 enthält keine HPGL-Zeichnung</translation>
    </message>
    <message>
        <source>Not written: %1: %2</source>
        <translation>Nicht geschrieben: %1: %2</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>Not drawn: %1 is too complex to draw</source>
        <translation>Nicht gezeichnet: %1 ist zu komplex zum Zeichnen</translation>
    </message>
</context>
<context>
    <name>RestTexts</name>
    <message>
        <source>Waiting for command</source>
        <translation>Warte auf Befehl</translation>
    </message>
    <message>
        <source>No File Selected</source>
        <translation>Keine Datei ausgewählt</translation>
    </message>
    <message>
        <source>Click Open and Browse for HPGL\1 file to download.</source>
        <translation>Klicken Sie auf Öffnen und wählen Sie die zu übertragende HPGL-Datei.</translation>
    </message>
    <message>
        <source>Logo Loaded, Now Select Download</source>
        <translation>Logo geladen, jetzt Übertragen wählen</translation>
    </message>
    <message>
        <source>On the marker select F10, F10, F1, F8) Load HPGL. Enter a name for the logo then press Enter. Then click Download.</source>
        <translation>Am Markiergerät F10, F10, F1, F8) Load HPGL wählen. Einen Namen für das Logo eingeben und Enter drücken. Dann auf Übertragen klicken.</translation>
    </message>
    <message>
        <source>Waiting for Command</source>
        <translation>Warte auf Befehl</translation>
    </message>
    <message>
        <source>No file loaded</source>
        <translation>Keine Datei geladen</translation>
    </message>
    <message>
        <source>Download Complete. To mark the logo create a layout, enter the name of the logo on a line of the layout. Set the line content to HPGL Logo. Set the size. You are now ready to mark the logo.</source>
        <translation>Übertragung abgeschlossen. Zum Markieren ein Layout anlegen und den Namen des Logos in eine Zeile des Layouts eingeben. Den Zeileninhalt auf HPGL Logo setzen. Die Größe einstellen. Nun kann das Logo markiert werden.</translation>
    </message>
</context>
<context>
    <name>Send</name>
    <message>
        <source>Sends a logo file (HPGL *.plt or *.Dot) byte for byte, unchanged, over a serial line to a dot-marking machine: 9600 baud, 8N1, RTS/CTS, as the Markast window does.</source>
        <translation>Sendet eine Logodatei (HPGL *.plt oder *.Dot) Byte für Byte und unverändert über eine serielle Leitung an ein Nadelpräge-Markiergerät: 9600 Baud, 8N1, RTS/CTS, wie das Markast-Fenster.</translation>
    </message>
    <message>
        <source>COM port 1 to %1, as the window resolves it (MARKAST_COMn, the Devices dialog, built-in).</source>
        <translation>COM-Anschluss 1 bis %1, aufgelöst wie im Fenster (MARKAST_COMn, Gerätedialog, eingebaut).</translation>
    </message>
    <message>
        <source>Any serial device, used as given, or a serial device server: rfc2217://HOST:PORT or socket://HOST:PORT.</source>
        <translation>Ein beliebiges serielles Gerät, wie angegeben, oder ein serieller Geräteserver: rfc2217://HOST:PORT oder socket://HOST:PORT.</translation>
    </message>
    <message>
        <source>No progress.</source>
        <translation>Keine Fortschrittsanzeige.</translation>
    </message>
    <message>
        <source>List the serial devices and what COM1 to COM4 stand for now.</source>
        <translation>Die seriellen Geräte auflisten und wofür COM1 bis COM4 gerade stehen.</translation>
    </message>
    <message>
        <source>The logo to send.</source>
        <translation>Das zu sendende Logo.</translation>
    </message>
    <message>
        <source>--list-ports takes no FILE</source>
        <translation>--list-ports erwartet keine Datei (FILE)</translation>
    </message>
    <message>
        <source>give exactly one FILE to send</source>
        <translation>geben Sie genau eine zu sendende Datei (FILE) an</translation>
    </message>
    <message>
        <source>give --port or --device, not both</source>
        <translation>geben Sie --port oder --device an, nicht beides</translation>
    </message>
    <message>
        <source>--port takes 1 to %1, not &quot;%2&quot;</source>
        <translation>--port erwartet 1 bis %1, nicht „%2“</translation>
    </message>
    <message>
        <source>--device needs a device</source>
        <translation>--device braucht ein Gerät</translation>
    </message>
    <message>
        <source>--device %1 is no network address: %2</source>
        <translation>--device %1 ist keine Netzwerkadresse: %2</translation>
    </message>
    <message>
        <source>--stall-time takes seconds above 0, not &quot;%1&quot;</source>
        <translation>--stall-time erwartet Sekunden über 0, nicht „%1“</translation>
    </message>
    <message>
        <source>Serial devices the system reports:</source>
        <translation>Serielle Geräte, die das System meldet:</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no serial devices</comment>
        <translation>keine</translation>
    </message>
    <message>
        <source>COM ports:</source>
        <translation>COM-Anschlüsse:</translation>
    </message>
    <message>
        <source>Devices dialog</source>
        <translation>Gerätedialog</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>eingebaut</translation>
    </message>
    <message>
        <source>%1 of %2 bytes  %3%  %4/s  %5:%6 left</source>
        <translation>%1 von %2 Bytes  %3%  %4/s  noch %5:%6</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 von %2 Bytes</translation>
    </message>
    <message>
        <source>Interrupted: %1 sent to %2</source>
        <translation>Abgebrochen: %1 an %2 gesendet</translation>
    </message>
    <message>
        <source>The line took no more bytes: %1. %2 sent</source>
        <translation>Die Leitung hat keine Bytes mehr angenommen: %1. %2 gesendet</translation>
    </message>
    <message>
        <source>Sent %1 bytes to %2 in %3 s</source>
        <translation>%1 Bytes in %3 s an %2 gesendet</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>Nicht gesendet: %1</translation>
    </message>
    <message>
        <source>Interrupted: 0 of %1 bytes sent</source>
        <translation>Abgebrochen: 0 von %1 Bytes gesendet</translation>
    </message>
    <message>
        <source>Not sent: %1 could not be opened: %2. 0 of %3 bytes sent</source>
        <translation>Nicht gesendet: %1 konnte nicht geöffnet werden: %2. 0 von %3 Bytes gesendet</translation>
    </message>
    <message>
        <source>How long the line may take no byte before the send fails (default %1).</source>
        <translation>Wie lange die Leitung kein Byte annehmen darf, bevor das Senden fehlschlägt (Standard %1).</translation>
    </message>
</context>
<context>
    <name>Serial</name>
    <message>
        <source>the port is open already</source>
        <translation>der Anschluss ist bereits geöffnet</translation>
    </message>
    <message>
        <source>no COM port is chosen</source>
        <translation>kein COM-Anschluss gewählt</translation>
    </message>
    <message>
        <source>the line took no byte for %1 s</source>
        <translation>die Leitung hat %1 s lang kein Byte angenommen</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Open Logo File</source>
        <translation>Logodatei öffnen</translation>
    </message>
    <message>
        <source>HPGL Plot Files (*.PLT) </source>
        <translation>HPGL-Plotdateien (*.PLT) </translation>
    </message>
    <message>
        <source>Logo Files (*.Dot) </source>
        <translation>Logodateien (*.Dot) </translation>
    </message>
    <message>
        <source>Loading Logo File (%1 bytes)</source>
        <translation>Lade Logodatei (%1 Bytes)</translation>
    </message>
    <message>
        <source>Downloading HPGL file (%1 bytes)</source>
        <translation>Übertrage HPGL-Datei (%1 Bytes)</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Übertragung abgeschlossen</translation>
    </message>
</context>
<context>
    <name>markast::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <comment>follow the system&apos;s language</comment>
        <translation>&amp;System</translation>
    </message>
</context>
<context>
    <name>markast::RecentFilesMenu</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Zuletzt &amp;geöffnet</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Files</source>
        <translation>Liste &amp;leeren</translation>
    </message>
</context>
<context>
    <name>markast::SingleInstance</name>
    <message>
        <source>the running Markast did not answer</source>
        <translation>das laufende Markast hat nicht geantwortet</translation>
    </message>
    <message>
        <source>Markast is starting up; try again in a moment</source>
        <translation>Markast startet gerade; versuchen Sie es gleich noch einmal</translation>
    </message>
    <message>
        <source>the path of %1 is too long to hand over</source>
        <translation>der Pfad von %1 ist zu lang zum Übergeben</translation>
    </message>
    <message>
        <source>no file was named</source>
        <translation>es wurde keine Datei genannt</translation>
    </message>
</context>
<context>
    <name>markast::frmAbout</name>
    <message>
        <source>About Information</source>
        <translation>Über Markast</translation>
    </message>
    <message>
        <source>Veltrom Marking Technology logo</source>
        <translation>Logo von Veltrom Marking Technology</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminfo...</translation>
    </message>
    <message>
        <source>Tel. %1</source>
        <translation>Tel. %1</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Vereinigtes Königreich</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Copyright (c) %1 Veltrom Marking Technology. All rights reserved.</source>
        <translation>Copyright (c) %1 Veltrom Marking Technology. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>markast::frmDevices</name>
    <message>
        <source>COM Port Devices</source>
        <translation>Geräte der COM-Anschlüsse</translation>
    </message>
    <message>
        <source>COM&amp;%1</source>
        <comment>label of a COM port&apos;s row</comment>
        <translation>COM&amp;%1</translation>
    </message>
    <message>
        <source>COM%1 device</source>
        <translation>Gerät für COM%1</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>Default (%1)</source>
        <comment>the built-in device</comment>
        <translation>Standard (%1)</translation>
    </message>
</context>
<context>
    <name>markast::frmMain</name>
    <message>
        <source>An internal error stopped the last command. Markast is still running; please try again.</source>
        <translation>Ein interner Fehler hat den letzten Befehl abgebrochen. Markast läuft weiter; bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Closing after the download...</source>
        <translation>Wird nach der Übertragung geschlossen...</translation>
    </message>
    <message>
        <source>Not loaded: %1</source>
        <translation>Nicht geladen: %1</translation>
    </message>
    <message>
        <source>Not opened: %1. A logo is being downloaded; open it again when the download is done.</source>
        <translation>Nicht geöffnet: %1. Ein Logo wird gerade übertragen; öffnen Sie die Datei nach der Übertragung erneut.</translation>
    </message>
    <message>
        <source>The marker did not take the logo.

Check the cable, the COM port setting and the marker, then click Download to send the logo again from the start.</source>
        <translation>Das Markiergerät hat das Logo nicht angenommen.

Prüfen Sie Kabel, COM-Anschluss-Einstellung und Markiergerät und klicken Sie dann auf Übertragen, um das Logo erneut von Anfang an zu senden.</translation>
    </message>
    <message>
        <source>Veltrom Marking Technology - Logo Download Utility</source>
        <translation>Veltrom Marking Technology - Logo-Übertragung</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menüleiste</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Aktionen</translation>
    </message>
    <message>
        <source>&amp;Download Logo</source>
        <translation>Logo &amp;übertragen</translation>
    </message>
    <message>
        <source>&amp;Preview Logo...</source>
        <translation>Logo&amp;vorschau...</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Com Ports</source>
        <translation>&amp;COM-Anschlüsse</translation>
    </message>
    <message>
        <source>Com &amp;%1</source>
        <comment>menu item of COM port 1 to 4</comment>
        <translation>COM &amp;%1</translation>
    </message>
    <message>
        <source>&amp;Devices...</source>
        <translation>&amp;Geräte...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation>Ü&amp;ber </translation>
    </message>
    <message>
        <source>Logo download</source>
        <translation>Logo-Übertragung</translation>
    </message>
    <message>
        <source>File</source>
        <comment>the frame that names the loaded file</comment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>toolbar button</comment>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Open Logo File</source>
        <translation>Logodatei öffnen</translation>
    </message>
    <message>
        <source>Download</source>
        <comment>toolbar button</comment>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>Download Logo File</source>
        <translation>Logodatei übertragen</translation>
    </message>
</context>
<context>
    <name>markast::frmPreview</name>
    <message>
        <source>Logo drawing</source>
        <translation>Logozeichnung</translation>
    </message>
    <message>
        <source>Show pen-up moves</source>
        <translation>Bewegungen mit angehobenem Stift zeigen</translation>
    </message>
    <message>
        <source>Logo Preview</source>
        <translation>Logovorschau</translation>
    </message>
    <message>
        <source>No logo loaded</source>
        <translation>Kein Logo geladen</translation>
    </message>
    <message>
        <source>Logo Preview - %1</source>
        <translation>Logovorschau - %1</translation>
    </message>
    <message>
        <source>This file has no HPGL drawing to preview</source>
        <translation>Diese Datei enthält keine HPGL-Zeichnung für die Vorschau</translation>
    </message>
    <message>
        <source>PNG Image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>SVG Drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Save Image...</source>
        <translation>Bild &amp;speichern...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>There is no logo drawing to save or print</source>
        <translation>Es gibt keine Logozeichnung zum Speichern oder Drucken</translation>
    </message>
    <message>
        <source>Save Logo Image</source>
        <translation>Logobild speichern</translation>
    </message>
    <message>
        <source>The image could not be saved.

%1: %2</source>
        <translation>Das Bild konnte nicht gespeichert werden.

%1: %2</translation>
    </message>
    <message>
        <source>The logo could not be printed.</source>
        <translation>Das Logo konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Reading the logo...</source>
        <translation>Das Logo wird gelesen...</translation>
    </message>
    <message>
        <source>This logo is too complex to preview</source>
        <translation>Dieses Logo ist zu komplex für eine Vorschau</translation>
    </message>
</context>
</TS>
