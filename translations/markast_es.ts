<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Desktop</name>
    <message>
        <source>Not opened: a logo is being downloaded. Drop it again when the download is done.</source>
        <translation>No abierto: se está transfiriendo un logotipo. Suéltelo de nuevo cuando termine la transferencia.</translation>
    </message>
    <message>
        <source>Not opened: drop one logo file at a time.</source>
        <translation>No abierto: suelte un solo archivo de logotipo cada vez.</translation>
    </message>
    <message>
        <source>Not opened: %1 is not a file on this computer.</source>
        <translation>No abierto: %1 no es un archivo de este equipo.</translation>
    </message>
    <message>
        <source>Not opened: %1 is a folder.</source>
        <translation>No abierto: %1 es una carpeta.</translation>
    </message>
</context>
<context>
    <name>Devices</name>
    <message>
        <source>not a network address: %1</source>
        <translation>no es una dirección de red: %1</translation>
    </message>
    <message>
        <source>network device (%1): host %2, port %3</source>
        <translation>dispositivo de red (%1): host %2, puerto %3</translation>
    </message>
    <message>
        <source>raw TCP</source>
        <translation>TCP sin procesar</translation>
    </message>
    <message>
        <source>set by %1</source>
        <translation>fijado por %1</translation>
    </message>
    <message>
        <source>ready</source>
        <translation>listo</translation>
    </message>
    <message>
        <source>not present</source>
        <translation>no presente</translation>
    </message>
    <message>
        <source>no permission: add this account to the dialout group, then log in again</source>
        <translation>sin permiso: añada esta cuenta al grupo dialout y vuelva a iniciar sesión</translation>
    </message>
    <message>
        <source>not a serial device</source>
        <translation>no es un dispositivo serie</translation>
    </message>
</context>
<context>
    <name>LogoFile</name>
    <message>
        <source>%1 does not exist</source>
        <translation>%1 no existe</translation>
    </message>
    <message>
        <source>%1 is not a file</source>
        <translation>%1 no es un archivo</translation>
    </message>
    <message>
        <source>%1 is 2 GiB or larger</source>
        <translation>%1 ocupa 2 GiB o más</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 está vacío</translation>
    </message>
    <message>
        <source>there is not enough memory for %1</source>
        <translation>no hay memoria suficiente para %1</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>no se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 changed size while it was read</source>
        <translation>%1 cambió de tamaño mientras se leía</translation>
    </message>
</context>
<context>
    <name>Network</name>
    <message>
        <source>it starts with neither rfc2217:// nor socket://</source>
        <translation>no empieza por rfc2217:// ni por socket://</translation>
    </message>
    <message>
        <source>it holds a blank</source>
        <translation>contiene un espacio</translation>
    </message>
    <message>
        <source>the IPv6 address has no closing bracket</source>
        <translation>a la dirección IPv6 le falta el corchete de cierre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no IPv6 address</source>
        <translation>«%1» no es una dirección IPv6</translation>
    </message>
    <message>
        <source>the port is missing</source>
        <translation>falta el puerto</translation>
    </message>
    <message>
        <source>the host is missing</source>
        <translation>falta el host</translation>
    </message>
    <message>
        <source>an IPv6 address must stand in brackets</source>
        <translation>una dirección IPv6 debe ir entre corchetes</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no host name</source>
        <translation>«%1» no es un nombre de host</translation>
    </message>
    <message>
        <source>the port must be a number from 1 to 65535, not &quot;%1&quot;</source>
        <translation>el puerto debe ser un número de 1 a 65535, no «%1»</translation>
    </message>
    <message>
        <source>not a network address: %1</source>
        <translation>no es una dirección de red: %1</translation>
    </message>
    <message>
        <source>no answer within %1 s</source>
        <translation>sin respuesta en %1 s</translation>
    </message>
    <message>
        <source>the server&apos;s Telnet could not be read (%1)</source>
        <translation>no se pudo leer el Telnet del servidor (%1)</translation>
    </message>
    <message>
        <source>the name was not found</source>
        <translation>no se encontró el nombre</translation>
    </message>
    <message>
        <source>the connection was refused</source>
        <translation>se rechazó la conexión</translation>
    </message>
    <message>
        <source>the connection was closed by the server</source>
        <translation>el servidor cerró la conexión</translation>
    </message>
    <message>
        <source>the server did not negotiate Telnet within %1 s, so it does not speak RFC 2217; for a raw TCP server, use %2</source>
        <translation>el servidor no negoció Telnet en %1 s, así que no habla RFC 2217; para un servidor TCP sin más, use %2</translation>
    </message>
    <message>
        <source>the connection was given up</source>
        <translation>se abandonó la conexión</translation>
    </message>
    <message>
        <source>the server answered %1 with %2: the marker would receive every byte garbled</source>
        <translation>el servidor respondió a %1 con %2: la marcadora recibiría cada byte alterado</translation>
    </message>
    <message>
        <source>the server refused binary transmission, without which the logo&apos;s bytes do not pass unchanged; for a raw TCP port on the server, use %1</source>
        <translation>el servidor rechazó la transmisión binaria, sin la cual los bytes del logotipo no llegan intactos; para un puerto TCP sin más en el servidor, use %1</translation>
    </message>
</context>
<context>
    <name>PortSelection</name>
    <message>
        <source>COM%1 could not be opened.

%2.</source>
        <translation>No se pudo abrir COM%1.

%2.</translation>
    </message>
    <message>
        <source>
This account may not use the port: add it to the dialout group, then log in again.</source>
        <translation>
Esta cuenta no puede usar el puerto: añádala al grupo dialout y vuelva a iniciar sesión.</translation>
    </message>
    <message>
        <source>

Choose another port under Settings &gt; Com Ports.</source>
        <translation>

Elija otro puerto en Configuración &gt; Puertos COM.</translation>
    </message>
    <message>
        <source>Invalid Comunication port please try again</source>
        <translation>Puerto de comunicación no válido, inténtelo de nuevo</translation>
    </message>
    <message>
        <source>Incorect Com Port Setting</source>
        <translation>Configuración incorrecta del puerto COM</translation>
    </message>
</context>
<context>
    <name>Preview</name>
    <message>
        <source>Size: %1 × %2 mm (%3 × %4 plotter units) · %5 %6</source>
        <translation>Tamaño: %1 × %2 mm (%3 × %4 unidades de trazador) · %5 %6</translation>
    </message>
    <message>
        <source>stroke</source>
        <comment>one</comment>
        <translation>trazo</translation>
    </message>
    <message>
        <source>strokes</source>
        <comment>several</comment>
        <translation>trazos</translation>
    </message>
    <message>
        <source>%1 bytes, with no HPGL drawing in them</source>
        <translation>%1 bytes, sin dibujo HPGL</translation>
    </message>
    <message>
        <source>Not drawn: %1</source>
        <translation>No dibujado: %1</translation>
    </message>
    <message>
        <source>Drawn approximately: %1</source>
        <translation>Dibujado de forma aproximada: %1</translation>
    </message>
    <message>
        <source>Everything in the file was drawn</source>
        <translation>Se dibujó todo el contenido del archivo</translation>
    </message>
    <message>
        <source>Too complex to preview in full: %1 of its %2 strokes are drawn</source>
        <translation>Demasiado complejo para una vista previa completa: se dibujan %1 de sus %2 trazos</translation>
    </message>
    <message>
        <source>Too complex to preview in full: only its first %1 of %2 bytes are drawn and measured</source>
        <translation>Demasiado complejo para una vista previa completa: solo se dibujan y miden sus primeros %1 de %2 bytes</translation>
    </message>
    <message>
        <source>Too complex to preview: nothing is drawn in its first %1 of %2 bytes</source>
        <translation>Demasiado complejo para una vista previa: no se dibuja nada en sus primeros %1 de %2 bytes</translation>
    </message>
    <message>
        <source>Too costly to draw in full at this size: some marks are left out</source>
        <translation>Demasiado costoso para dibujarlo completo a este tamaño: se omiten algunas marcas</translation>
    </message>
</context>
<context>
    <name>Render</name>
    <message>
        <source>the image could not be made</source>
        <translation>no se pudo crear la imagen</translation>
    </message>
    <message>
        <source>%1 · shown at %2% to fit the page</source>
        <translation>%1 · al %2 % para que quepa en la página</translation>
    </message>
    <message>
        <source>Draws a logo file (HPGL) as the Markast preview draws it: into a PNG of N x N pixels, or into an SVG or a PDF at its true size in millimetres. The suffix of OUT chooses.</source>
        <translation>Dibuja un archivo de logotipo (HPGL) como lo dibuja la vista previa de Markast: en un PNG de N x N píxeles, o en un SVG o un PDF a su tamaño real en milímetros. La extensión de OUT decide.</translation>
    </message>
    <message>
        <source>The PNG&apos;s width and height in pixels (default %1).</source>
        <translation>Ancho y alto del PNG en píxeles (predeterminado %1).</translation>
    </message>
    <message>
        <source>The logo file to draw.</source>
        <translation>El archivo de logotipo que se dibuja.</translation>
    </message>
    <message>
        <source>The file to write: .png, .svg or .pdf.</source>
        <translation>El archivo que se escribe: .png, .svg o .pdf.</translation>
    </message>
    <message>
        <source>give one IN and one OUT</source>
        <translation>indique un IN y un OUT</translation>
    </message>
    <message>
        <source>%1 ends in neither .png, .svg nor .pdf</source>
        <translation>%1 no termina en .png, .svg ni .pdf</translation>
    </message>
    <message>
        <source>--size takes 1 to %1 pixels, not &quot;%2&quot;</source>
        <translation>--size admite de 1 a %1 píxeles, no «%2»</translation>
    </message>
    <message>
        <source>Not drawn: %1</source>
        <translation>No dibujado: %1</translation>
    </message>
    <message>
        <source>Not drawn: %1 has no HPGL drawing in it</source>
        <translation>No dibujado: %1 no contiene ningún dibujo HPGL</translation>
    </message>
    <message>
        <source>Not written: %1: %2</source>
        <translation>No escrito: %1: %2</translation>
    </message>
    <message>
        <source>it is not an ordinary file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>Not drawn: %1 is too complex to draw</source>
        <translation>No dibujado: %1 es demasiado complejo para dibujarlo</translation>
    </message>
</context>
<context>
    <name>RestTexts</name>
    <message>
        <source>Waiting for command</source>
        <translation>Esperando una orden</translation>
    </message>
    <message>
        <source>No File Selected</source>
        <translation>Ningún archivo seleccionado</translation>
    </message>
    <message>
        <source>Click Open and Browse for HPGL\1 file to download.</source>
        <translation>Haga clic en Abrir y busque el archivo HPGL que desea transferir.</translation>
    </message>
    <message>
        <source>Logo Loaded, Now Select Download</source>
        <translation>Logotipo cargado; ahora elija Transferir</translation>
    </message>
    <message>
        <source>On the marker select F10, F10, F1, F8) Load HPGL. Enter a name for the logo then press Enter. Then click Download.</source>
        <translation>En la marcadora seleccione F10, F10, F1, F8) Load HPGL. Escriba un nombre para el logotipo y pulse Enter. Después haga clic en Transferir.</translation>
    </message>
    <message>
        <source>Waiting for Command</source>
        <translation>Esperando una orden</translation>
    </message>
    <message>
        <source>No file loaded</source>
        <translation>Ningún archivo cargado</translation>
    </message>
    <message>
        <source>Download Complete. To mark the logo create a layout, enter the name of the logo on a line of the layout. Set the line content to HPGL Logo. Set the size. You are now ready to mark the logo.</source>
        <translation>Transferencia completa. Para marcar el logotipo, cree un diseño y escriba el nombre del logotipo en una línea del diseño. Ponga el contenido de la línea en HPGL Logo. Ajuste el tamaño. Ya puede marcar el logotipo.</translation>
    </message>
</context>
<context>
    <name>Send</name>
    <message>
        <source>Sends a logo file (HPGL *.plt or *.Dot) byte for byte, unchanged, over a serial line to a dot-marking machine: 9600 baud, 8N1, RTS/CTS, as the Markast window does.</source>
        <translation>Envía un archivo de logotipo (HPGL *.plt o *.Dot) byte a byte, sin cambios, por una línea serie a una marcadora por micropercusión: 9600 baudios, 8N1, RTS/CTS, como la ventana de Markast.</translation>
    </message>
    <message>
        <source>COM port 1 to %1, as the window resolves it (MARKAST_COMn, the Devices dialog, built-in).</source>
        <translation>Puerto COM de 1 a %1, resuelto como en la ventana (MARKAST_COMn, el diálogo de dispositivos, el integrado).</translation>
    </message>
    <message>
        <source>Any serial device, used as given, or a serial device server: rfc2217://HOST:PORT or socket://HOST:PORT.</source>
        <translation>Cualquier dispositivo serie, tal como se indica, o un servidor de dispositivos serie: rfc2217://HOST:PORT o socket://HOST:PORT.</translation>
    </message>
    <message>
        <source>No progress.</source>
        <translation>Sin indicación de progreso.</translation>
    </message>
    <message>
        <source>List the serial devices and what COM1 to COM4 stand for now.</source>
        <translation>Listar los dispositivos serie y a qué corresponden ahora COM1 a COM4.</translation>
    </message>
    <message>
        <source>The logo to send.</source>
        <translation>El logotipo que se enviará.</translation>
    </message>
    <message>
        <source>--list-ports takes no FILE</source>
        <translation>--list-ports no admite FILE</translation>
    </message>
    <message>
        <source>give exactly one FILE to send</source>
        <translation>indique exactamente un FILE que enviar</translation>
    </message>
    <message>
        <source>give --port or --device, not both</source>
        <translation>indique --port o --device, no ambos</translation>
    </message>
    <message>
        <source>--port takes 1 to %1, not &quot;%2&quot;</source>
        <translation>--port admite de 1 a %1, no «%2»</translation>
    </message>
    <message>
        <source>--device needs a device</source>
        <translation>--device necesita un dispositivo</translation>
    </message>
    <message>
        <source>--device %1 is no network address: %2</source>
        <translation>--device %1 no es una dirección de red: %2</translation>
    </message>
    <message>
        <source>--stall-time takes seconds above 0, not &quot;%1&quot;</source>
        <translation>--stall-time admite segundos mayores que 0, no «%1»</translation>
    </message>
    <message>
        <source>Serial devices the system reports:</source>
        <translation>Dispositivos serie que indica el sistema:</translation>
    </message>
    <message>
        <source>none</source>
        <comment>no serial devices</comment>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>COM ports:</source>
        <translation>Puertos COM:</translation>
    </message>
    <message>
        <source>Devices dialog</source>
        <translation>diálogo de dispositivos</translation>
    </message>
    <message>
        <source>built-in</source>
        <translation>integrado</translation>
    </message>
    <message>
        <source>%1 of %2 bytes  %3%  %4/s  %5:%6 left</source>
        <translation>%1 de %2 bytes  %3%  %4/s  quedan %5:%6</translation>
    </message>
    <message>
        <source>%1 of %2 bytes</source>
        <translation>%1 de %2 bytes</translation>
    </message>
    <message>
        <source>Interrupted: %1 sent to %2</source>
        <translation>Interrumpido: %1 enviados a %2</translation>
    </message>
    <message>
        <source>The line took no more bytes: %1. %2 sent</source>
        <translation>La línea no aceptó más bytes: %1. %2 enviados</translation>
    </message>
    <message>
        <source>Sent %1 bytes to %2 in %3 s</source>
        <translation>Enviados %1 bytes a %2 en %3 s</translation>
    </message>
    <message>
        <source>Not sent: %1</source>
        <translation>No enviado: %1</translation>
    </message>
    <message>
        <source>Interrupted: 0 of %1 bytes sent</source>
        <translation>Interrumpido: enviados 0 de %1 bytes</translation>
    </message>
    <message>
        <source>Not sent: %1 could not be opened: %2. 0 of %3 bytes sent</source>
        <translation>No enviado: no se pudo abrir %1: %2. Enviados 0 de %3 bytes</translation>
    </message>
    <message>
        <source>How long the line may take no byte before the send fails (default %1).</source>
        <translation>Cuánto tiempo puede la línea no aceptar bytes antes de que el envío falle (%1 por defecto).</translation>
    </message>
</context>
<context>
    <name>Serial</name>
    <message>
        <source>the port is open already</source>
        <translation>el puerto ya está abierto</translation>
    </message>
    <message>
        <source>no COM port is chosen</source>
        <translation>no se ha elegido ningún puerto COM</translation>
    </message>
    <message>
        <source>the line took no byte for %1 s</source>
        <translation>la línea no aceptó ningún byte durante %1 s</translation>
    </message>
</context>
<context>
    <name>SysInfo</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>Transfer</name>
    <message>
        <source>Open Logo File</source>
        <translation>Abrir archivo de logotipo</translation>
    </message>
    <message>
        <source>HPGL Plot Files (*.PLT) </source>
        <translation>Archivos de trazado HPGL (*.PLT) </translation>
    </message>
    <message>
        <source>Logo Files (*.Dot) </source>
        <translation>Archivos de logotipo (*.Dot) </translation>
    </message>
    <message>
        <source>Loading Logo File (%1 bytes)</source>
        <translation>Cargando archivo de logotipo (%1 bytes)</translation>
    </message>
    <message>
        <source>Downloading HPGL file (%1 bytes)</source>
        <translation>Transfiriendo archivo HPGL (%1 bytes)</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Transferencia completa</translation>
    </message>
</context>
<context>
    <name>markast::LanguageMenu</name>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System</source>
        <comment>follow the system&apos;s language</comment>
        <translation>&amp;Sistema</translation>
    </message>
</context>
<context>
    <name>markast::RecentFilesMenu</name>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Files</source>
        <translation>&amp;Borrar la lista</translation>
    </message>
</context>
<context>
    <name>markast::SingleInstance</name>
    <message>
        <source>the running Markast did not answer</source>
        <translation>el Markast en ejecución no respondió</translation>
    </message>
    <message>
        <source>Markast is starting up; try again in a moment</source>
        <translation>Markast se está iniciando; inténtelo de nuevo en un momento</translation>
    </message>
    <message>
        <source>the path of %1 is too long to hand over</source>
        <translation>la ruta de %1 es demasiado larga para entregarla</translation>
    </message>
    <message>
        <source>no file was named</source>
        <translation>no se nombró ningún archivo</translation>
    </message>
</context>
<context>
    <name>markast::frmAbout</name>
    <message>
        <source>About Information</source>
        <translation>Acerca de Markast</translation>
    </message>
    <message>
        <source>Veltrom Marking Technology logo</source>
        <translation>Logotipo de Veltrom Marking Technology</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info. del &amp;sistema...</translation>
    </message>
    <message>
        <source>Tel. %1</source>
        <translation>Tel. %1</translation>
    </message>
    <message>
        <source>United Kingdom</source>
        <translation>Reino Unido</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Copyright (c) %1 Veltrom Marking Technology. All rights reserved.</source>
        <translation>Copyright (c) %1 Veltrom Marking Technology. Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>markast::frmDevices</name>
    <message>
        <source>COM Port Devices</source>
        <translation>Dispositivos de los puertos COM</translation>
    </message>
    <message>
        <source>COM&amp;%1</source>
        <comment>label of a COM port&apos;s row</comment>
        <translation>COM&amp;%1</translation>
    </message>
    <message>
        <source>COM%1 device</source>
        <translation>Dispositivo de COM%1</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>Default (%1)</source>
        <comment>the built-in device</comment>
        <translation>Predeterminado (%1)</translation>
    </message>
</context>
<context>
    <name>markast::frmMain</name>
    <message>
        <source>An internal error stopped the last command. Markast is still running; please try again.</source>
        <translation>Un error interno detuvo la última orden. Markast sigue en marcha; inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Closing after the download...</source>
        <translation>Se cerrará tras la transferencia...</translation>
    </message>
    <message>
        <source>Not loaded: %1</source>
        <translation>No cargado: %1</translation>
    </message>
    <message>
        <source>Not opened: %1. A logo is being downloaded; open it again when the download is done.</source>
        <translation>No abierto: %1. Se está transfiriendo un logotipo; ábralo de nuevo cuando termine la transferencia.</translation>
    </message>
    <message>
        <source>The marker did not take the logo.

Check the cable, the COM port setting and the marker, then click Download to send the logo again from the start.</source>
        <translation>La marcadora no aceptó el logotipo.

Compruebe el cable, la configuración del puerto COM y la marcadora, y haga clic en Transferir para enviar el logotipo de nuevo desde el principio.</translation>
    </message>
    <message>
        <source>Veltrom Marking Technology - Logo Download Utility</source>
        <translation>Veltrom Marking Technology - Transferencia de logotipos</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barra de menús</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>Acc&amp;iones</translation>
    </message>
    <message>
        <source>&amp;Download Logo</source>
        <translation>&amp;Transferir logotipo</translation>
    </message>
    <message>
        <source>&amp;Preview Logo...</source>
        <translation>&amp;Vista previa del logotipo...</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>&amp;Com Ports</source>
        <translation>Puertos &amp;COM</translation>
    </message>
    <message>
        <source>Com &amp;%1</source>
        <comment>menu item of COM port 1 to 4</comment>
        <translation>COM &amp;%1</translation>
    </message>
    <message>
        <source>&amp;Devices...</source>
        <translation>&amp;Dispositivos...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation>&amp;Acerca de </translation>
    </message>
    <message>
        <source>Logo download</source>
        <translation>Transferencia de logotipo</translation>
    </message>
    <message>
        <source>File</source>
        <comment>the frame that names the loaded file</comment>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Open</source>
        <comment>toolbar button</comment>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Open Logo File</source>
        <translation>Abrir archivo de logotipo</translation>
    </message>
    <message>
        <source>Download</source>
        <comment>toolbar button</comment>
        <translation>Transferir</translation>
    </message>
    <message>
        <source>Download Logo File</source>
        <translation>Transferir archivo de logotipo</translation>
    </message>
</context>
<context>
    <name>markast::frmPreview</name>
    <message>
        <source>Logo drawing</source>
        <translation>Dibujo del logotipo</translation>
    </message>
    <message>
        <source>Show pen-up moves</source>
        <translation>Mostrar movimientos con la pluma levantada</translation>
    </message>
    <message>
        <source>Logo Preview</source>
        <translation>Vista previa del logotipo</translation>
    </message>
    <message>
        <source>No logo loaded</source>
        <translation>Ningún logotipo cargado</translation>
    </message>
    <message>
        <source>Logo Preview - %1</source>
        <translation>Vista previa del logotipo - %1</translation>
    </message>
    <message>
        <source>This file has no HPGL drawing to preview</source>
        <translation>Este archivo no tiene ningún dibujo HPGL que mostrar</translation>
    </message>
    <message>
        <source>PNG Image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>SVG Drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>PDF Document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Save Image...</source>
        <translation>&amp;Guardar imagen...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>There is no logo drawing to save or print</source>
        <translation>No hay ningún dibujo de logotipo que guardar o imprimir</translation>
    </message>
    <message>
        <source>Save Logo Image</source>
        <translation>Guardar imagen del logotipo</translation>
    </message>
    <message>
        <source>The image could not be saved.

%1: %2</source>
        <translation>No se pudo guardar la imagen.

%1: %2</translation>
    </message>
    <message>
        <source>The logo could not be printed.</source>
        <translation>No se pudo imprimir el logotipo.</translation>
    </message>
    <message>
        <source>Reading the logo...</source>
        <translation>Leyendo el logotipo...</translation>
    </message>
    <message>
        <source>This logo is too complex to preview</source>
        <translation>Este logotipo es demasiado complejo para mostrarlo</translation>
    </message>
</context>
</TS>
