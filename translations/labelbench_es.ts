<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BitmapFontManagerPage</name>
    <message>
        <source>Font Select</source>
        <translation>Selección de fuente</translation>
    </message>
    <message>
        <source>Font Encode</source>
        <translation>Codificación</translation>
    </message>
    <message>
        <source>Standard Encode</source>
        <translation>Codificación estándar</translation>
    </message>
    <message>
        <source>Asian Font Encode</source>
        <translation>Codificación asiática</translation>
    </message>
    <message>
        <source>Encode by Table</source>
        <translation>Codificación por tabla</translation>
    </message>
    <message>
        <source>Encode by Table (Asian)</source>
        <translation>Codificación por tabla (asiática)</translation>
    </message>
    <message>
        <source>Font Pitch</source>
        <translation>Espaciado</translation>
    </message>
    <message>
        <source>Fixed Pitch</source>
        <translation>Espaciado fijo</translation>
    </message>
    <message>
        <source>Variable Pitch</source>
        <translation>Espaciado variable</translation>
    </message>
    <message>
        <source>Windows Font Name</source>
        <translation>Fuente de Windows</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamaño de fuente</translation>
    </message>
    <message>
        <source>Printer Device</source>
        <translation>Memoria de impresora</translation>
    </message>
    <message>
        <source>Character Set</source>
        <translation>Juego de caracteres</translation>
    </message>
    <message>
        <source>The code page in which the font&apos;s codes are read: the script its characters come from</source>
        <translation>La página de códigos con la que se leen los códigos de la fuente: la escritura de la que proceden sus caracteres</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Seleccionar fuente</translation>
    </message>
    <message>
        <source>Printer Font Name</source>
        <translation>Nombre en impresora</translation>
    </message>
    <message>
        <source>Italic Width</source>
        <translation>Ancho de cursiva</translation>
    </message>
    <message>
        <source>Preview Font</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Font Width</source>
        <translation>Ancho de fuente</translation>
    </message>
    <message>
        <source>Font Height</source>
        <translation>Alto de fuente</translation>
    </message>
    <message>
        <source>Font Mapping</source>
        <translation>Mapeo</translation>
    </message>
    <message>
        <source>Standard Mapping</source>
        <translation>Mapeo estándar</translation>
    </message>
    <message>
        <source>Full ASCII Mapping</source>
        <translation>Mapeo ASCII completo</translation>
    </message>
    <message>
        <source>Custom Mapping</source>
        <translation>Mapeo personalizado</translation>
    </message>
    <message>
        <source>Character Start ASCII</source>
        <translation>ASCII inicial</translation>
    </message>
    <message>
        <source>Character End ASCII</source>
        <translation>ASCII final</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chino tradicional</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chino simplificado</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>By File</source>
        <translation>Desde archivo</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save Font</source>
        <translation>Guardar fuente</translation>
    </message>
    <message>
        <source>Download Font</source>
        <translation>Descargar fuente</translation>
    </message>
</context>
<context>
    <name>CommandToolPage</name>
    <message>
        <source>Text encoding</source>
        <translation>Codificación de texto</translation>
    </message>
    <message>
        <source>Show replies</source>
        <translation>Mostrar respuestas</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Enviar archivo</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
</context>
<context>
    <name>ConfigurationWriter</name>
    <message>
        <source>%1 holds %2, which cannot be sent to the printer</source>
        <translation>%1 contiene %2, que no se puede enviar a la impresora</translation>
    </message>
    <message>
        <source>%1 cannot be converted for the printer: the resolution %2 is not usable</source>
        <translation>%1 no se puede convertir para la impresora: la resolución %2 no es utilizable</translation>
    </message>
</context>
<context>
    <name>FileManagerPage</name>
    <message>
        <source>File Download</source>
        <translation>Descarga de archivos</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Tipo de archivo</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamaño de archivo</translation>
    </message>
    <message>
        <source>Memory Device</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source>Font View</source>
        <translation>Ver fuente</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Información de archivos</translation>
    </message>
    <message>
        <source>Physical Space</source>
        <translation>Espacio físico</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espacio libre</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>Formatear memoria</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formatear</translation>
    </message>
</context>
<context>
    <name>LinkError</name>
    <message>
        <source>Port Open Error</source>
        <translation>Port Open Error</translation>
    </message>
    <message>
        <source>Data Receiving Error</source>
        <translation>Data Receiving Error</translation>
    </message>
    <message>
        <source>Please Read Printer Config First</source>
        <translation>Please Read Printer Config First</translation>
    </message>
    <message>
        <source>Data Transmission Error</source>
        <translation>Data Transmission Error</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>File Open Error</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Unknown Error</translation>
    </message>
</context>
<context>
    <name>PrinterConfigurationPage</name>
    <message>
        <source>Printer Configuration</source>
        <translation>Configuración de impresora</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidad</translation>
    </message>
    <message>
        <source>Paper Width</source>
        <translation>Ancho de papel</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pulg.</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Alto de papel</translation>
    </message>
    <message>
        <source>Media Sensor</source>
        <translation>Sensor de medio</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Gap</translation>
    </message>
    <message>
        <source>Gap Offset</source>
        <translation>Offset de gap</translation>
    </message>
    <message>
        <source>Post-Print Action</source>
        <translation>Acción tras impresión</translation>
    </message>
    <message>
        <source>Cut Piece</source>
        <translation>Cortar cada</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Shift X</source>
        <translation>Desplaz. X</translation>
    </message>
    <message>
        <source>Shift Y</source>
        <translation>Desplaz. Y</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Cinta</translation>
    </message>
    <message>
        <source>Ribbon Sensor</source>
        <translation>Sensor de cinta</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>Err. encoder cinta</translation>
    </message>
    <message>
        <source>Code Page</source>
        <translation>Página de códigos</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>Código de país</translation>
    </message>
    <message>
        <source>Head-up Sensor</source>
        <translation>Sensor de cabezal</translation>
    </message>
    <message>
        <source>Reprint After Error</source>
        <translation>Reimprimir tras error</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Longitud máxima</translation>
    </message>
    <message>
        <source>Gap Inten.</source>
        <translation>Intens. gap</translation>
    </message>
    <message>
        <source>Bline Inten.</source>
        <translation>Intens. marca negra</translation>
    </message>
    <message>
        <source>Continuous Inten.</source>
        <translation>Intens. continuo</translation>
    </message>
    <message>
        <source>Threshold Detection</source>
        <translation>Detección de umbral</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Darkness</source>
        <translation>Oscuridad</translation>
    </message>
    <message>
        <source>0 to 30</source>
        <translation>0 a 30</translation>
    </message>
    <message>
        <source>Print Speed</source>
        <translation>Vel. impresión</translation>
    </message>
    <message>
        <source>Tear Off</source>
        <translation>Corte manual</translation>
    </message>
    <message>
        <source>-120 to 120</source>
        <translation>-120 a 120</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Modo de impresión</translation>
    </message>
    <message>
        <source>Print Width</source>
        <translation>Ancho de impresión</translation>
    </message>
    <message>
        <source>Control Prefix</source>
        <translation>Prefijo de control</translation>
    </message>
    <message>
        <source>Format Prefix</source>
        <translation>Prefijo de formato</translation>
    </message>
    <message>
        <source>Delimiter Char</source>
        <translation>Delimitador</translation>
    </message>
    <message>
        <source>Media Power Up</source>
        <translation>Medio al encender</translation>
    </message>
    <message>
        <source>Head Close</source>
        <translation>Al cerrar cabezal</translation>
    </message>
    <message>
        <source>Label Top</source>
        <translation>Borde superior</translation>
    </message>
    <message>
        <source>Left Position</source>
        <translation>Posición izquierda</translation>
    </message>
    <message>
        <source>-9999 to 9999</source>
        <translation>-9999 a 9999</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Calor</translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation>Ancho de etiqueta</translation>
    </message>
    <message>
        <source>Present Sensor</source>
        <translation>Sensor de presencia</translation>
    </message>
    <message>
        <source>Cutter Equipped</source>
        <translation>Cortador instalado</translation>
    </message>
    <message>
        <source>Control Codes</source>
        <translation>Códigos de control</translation>
    </message>
    <message>
        <source>Column Offset</source>
        <translation>Offset de columna</translation>
    </message>
    <message>
        <source>Row Offset</source>
        <translation>Offset de fila</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfaz</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Baudios</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>Bits de datos</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paridad</translation>
    </message>
    <message>
        <source>Stop Bit(s)</source>
        <translation>Bit(s) de parada</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Printer Information</source>
        <translation>Información de la impresora</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation>N.º de serie:</translation>
    </message>
    <message>
        <source>Check Sum:</source>
        <translation>Suma de control:</translation>
    </message>
    <message>
        <source>Cutting Counter:</source>
        <translation>Contador de cortes:</translation>
    </message>
    <message>
        <source>Mileage:</source>
        <translation>Odómetro:</translation>
    </message>
    <message>
        <source>Km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Printer Status</source>
        <translation>Estado de la impresora</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>Leer estado</translation>
    </message>
</context>
<context>
    <name>PrinterFunctionBox</name>
    <message>
        <source>Printer Function</source>
        <translation>Funciones de impresora</translation>
    </message>
    <message>
        <source>Calibrate Sensor </source>
        <translation>Calibrar sensor </translation>
    </message>
    <message>
        <source>Ethernet Setup</source>
        <translation>Configurar Ethernet</translation>
    </message>
    <message>
        <source>RTC Setup</source>
        <translation>Configurar RTC</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Valores de fábrica</translation>
    </message>
    <message>
        <source>Reset Printer</source>
        <translation>Reiniciar impresora</translation>
    </message>
    <message>
        <source>Print Test Page</source>
        <translation>Página de prueba</translation>
    </message>
    <message>
        <source>Configuration Page</source>
        <translation>Página de configuración</translation>
    </message>
    <message>
        <source>Dump Text</source>
        <translation>Volcado de texto</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS</source>
        <translation>Ignorar AUTO.BAS</translation>
    </message>
    <message>
        <source>Out of Line Mode</source>
        <translation>Salir del modo línea</translation>
    </message>
    <message>
        <source>Password Setup</source>
        <translation>Configurar contraseña</translation>
    </message>
</context>
<context>
    <name>TFormDumpTextSetup</name>
    <message>
        <source>Dump Text Setup</source>
        <translation>Configuración de volcado</translation>
    </message>
    <message>
        <source>Print Label</source>
        <translation>Imprimir etiqueta</translation>
    </message>
    <message>
        <source>Save to SD Card</source>
        <translation>Guardar en tarjeta SD</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Guardar en archivo</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nombre de archivo:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TFormEthernetSetup</name>
    <message>
        <source>Ethernet Setup</source>
        <translation>Configuración Ethernet</translation>
    </message>
    <message>
        <source>IP Setup</source>
        <translation>Configuración IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>IP estática</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Máscara de subred:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Puerta de enlace:</translation>
    </message>
    <message>
        <source>Printer Name:</source>
        <translation>Nombre de impresora:</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>Dirección MAC:</translation>
    </message>
    <message>
        <source>Set Printer Name</source>
        <translation>Aplicar nombre</translation>
    </message>
    <message>
        <source>Set IP</source>
        <translation>Aplicar IP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TFormLPTSetup</name>
    <message>
        <source>LPT Setup</source>
        <translation>Configuración LPT</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pulgada</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfaz</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>Configuración de impresora</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Gestor de archivos</translation>
    </message>
    <message>
        <source>Bitmap Font Manager</source>
        <translation>Gestor de fuentes bitmap</translation>
    </message>
    <message>
        <source>Command Tool</source>
        <translation>Herramienta de comandos</translation>
    </message>
</context>
<context>
    <name>TFormNetSetup</name>
    <message>
        <source>Printer Name</source>
        <translation>Nombre de impresora</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Discover Device</source>
        <translation>Buscar dispositivos</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Valores de fábrica</translation>
    </message>
    <message>
        <source>Change IP Address</source>
        <translation>Cambiar dirección IP</translation>
    </message>
    <message>
        <source>Web Setup</source>
        <translation>Configuración web</translation>
    </message>
    <message>
        <source>IP Setting</source>
        <translation>Configuración IP</translation>
    </message>
    <message>
        <source>IP Address/Printer Name:</source>
        <translation>Dirección IP/nombre de impresora:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Puerto:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>TFormPassword</name>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Please enter your password</source>
        <translation>Escriba su contraseña</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TFormPasswordSetup</name>
    <message>
        <source>Password Setup</source>
        <translation>Configuración de contraseña</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Contraseña actual</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Contraseña nueva</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TFormPreviewFont</name>
    <message>
        <source>Character Chart</source>
        <translation>Tabla de caracteres</translation>
    </message>
    <message>
        <source>Built Font</source>
        <translation>Fuente generada</translation>
    </message>
    <message>
        <source>Build from Page</source>
        <translation>Generar desde página</translation>
    </message>
    <message>
        <source>Open Font File</source>
        <translation>Abrir archivo de fuente</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>TFormProcess</name>
    <message>
        <source>Communicating...</source>
        <translation>Communicating...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TFormRTCSetup</name>
    <message>
        <source>RTC Setup</source>
        <translation>Configuración RTC</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Año:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mes:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Día:</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Minuto:</translation>
    </message>
    <message>
        <source>Second:</source>
        <translation>Segundo:</translation>
    </message>
    <message>
        <source>Get System Time</source>
        <translation>Usar hora del sistema</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TFormRs232Setup</name>
    <message>
        <source>RS232 Setup</source>
        <translation>Configuración RS232</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>Puerto COM:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Baudios:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Bits de datos:</translation>
    </message>
    <message>
        <source>Parity Check:</source>
        <translation>Paridad:</translation>
    </message>
    <message>
        <source>Stop Bit(s):</source>
        <translation>Bit(s) de parada:</translation>
    </message>
    <message>
        <source>Hardware Handshaking:</source>
        <translation>Control de flujo por hardware:</translation>
    </message>
    <message>
        <source>Software Handshaking:</source>
        <translation>Control de flujo por software:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TFormSensorCalibrate</name>
    <message>
        <source>Sensor Calibration</source>
        <translation>Calibración del sensor</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>Calibración automática</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Alto de papel</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pulg.</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Gap</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibrar</translation>
    </message>
    <message>
        <source>Media Type</source>
        <translation>Tipo de medio</translation>
    </message>
    <message>
        <source>GAP</source>
        <translation>GAP</translation>
    </message>
    <message>
        <source>Black Mark</source>
        <translation>Marca negra</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Continuo</translation>
    </message>
    <message>
        <source>Auto Selection</source>
        <translation>Selección automática</translation>
    </message>
    <message>
        <source>Manual Setup</source>
        <translation>Ajuste manual</translation>
    </message>
    <message>
        <source>Sensor Intension</source>
        <translation>Intensidad del sensor</translation>
    </message>
    <message>
        <source>Threshold Value</source>
        <translation>Valor de umbral</translation>
    </message>
    <message>
        <source>Reading Intension</source>
        <translation>Intensidad de lectura</translation>
    </message>
    <message>
        <source>Current Reading</source>
        <translation>Lectura actual</translation>
    </message>
    <message>
        <source>Label Reading</source>
        <translation>Lectura de etiqueta</translation>
    </message>
    <message>
        <source>Gap Reading</source>
        <translation>Lectura de gap</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibración</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>lb::BitmapFontManagerPage</name>
    <message>
        <source>%1 has no characters of the character set %2: the font&apos;s cells would come out empty or drawn in another font.</source>
        <translation>%1 no tiene caracteres del juego de caracteres %2: las celdas de la fuente quedarían vacías o dibujadas con otra fuente.</translation>
    </message>
    <message>
        <source>Build the font all the same?</source>
        <translation>¿Generar la fuente de todos modos?</translation>
    </message>
    <message>
        <source>The table file could not be opened.</source>
        <translation>No se pudo abrir el archivo de tabla.</translation>
    </message>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>El carácter %1 no se puede guardar en %2. No se guardó nada.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>No se pudo guardar el archivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ticked, but no table file has been loaded.</source>
        <translation>&quot;%1&quot; está marcado, pero no se ha cargado ningún archivo de tabla.</translation>
    </message>
    <message>
        <source>The table file %1 cannot be read, is larger than %2 bytes or holds no character.</source>
        <translation>El archivo de tabla %1 no se puede leer, supera los %2 bytes o no contiene ningún carácter.</translation>
    </message>
    <message>
        <source>The encode table&apos;s character %1 has no code in %2.</source>
        <translation>El carácter %1 de la tabla de codificación no tiene código en %2.</translation>
    </message>
    <message>
        <source>The encode table is larger than %1 bytes.</source>
        <translation>La tabla de codificación supera los %1 bytes.</translation>
    </message>
    <message>
        <source>The encode table is empty.</source>
        <translation>La tabla de codificación está vacía.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>El campo &quot;%1&quot; está vacío.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must lie between 0 and 255.</source>
        <translation>&quot;%1&quot; debe estar entre 0 y 255.</translation>
    </message>
    <message>
        <source>No code page is chosen in &quot;%1&quot;.</source>
        <translation>No se ha elegido ninguna página de códigos en &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The encode table holds no double-byte character.</source>
        <translation>La tabla de codificación no contiene ningún carácter de doble byte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not be negative.</source>
        <translation>El valor de &quot;%1&quot; no puede ser negativo.</translation>
    </message>
</context>
<context>
    <name>lb::CommandText</name>
    <message>
        <source>Western</source>
        <translation>Occidental</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chino tradicional</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chino simplificado</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
</context>
<context>
    <name>lb::CommandToolPage</name>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>El carácter %1 no se puede guardar en %2. No se guardó nada.</translation>
    </message>
    <message>
        <source>The character %1 cannot be sent in %2. Nothing was sent.</source>
        <translation>El carácter %1 no se puede enviar en %2. No se envió nada.</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>Sin respuesta.</translation>
    </message>
    <message>
        <source>The file does not fit in the editor, which holds at most %1 characters. Nothing was added.</source>
        <translation>El archivo no cabe en el editor, que admite como máximo %1 caracteres. No se añadió nada.</translation>
    </message>
    <message>
        <source>Some bytes of the file are no %1 text: they show as �.</source>
        <translation>Algunos bytes del archivo no son texto %1: se muestran como �.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>No se pudo guardar el archivo.</translation>
    </message>
</context>
<context>
    <name>lb::FileManagerPage</name>
    <message>
        <source>%1 downloaded to %2 (%3 bytes)</source>
        <translation>%1 descargado en %2 (%3 bytes)</translation>
    </message>
    <message>
        <source>%1 sent (%2 bytes)</source>
        <translation>%1 enviado (%2 bytes)</translation>
    </message>
    <message>
        <source>Memory information read</source>
        <translation>Información de memoria leída</translation>
    </message>
    <message>
        <source>Every file in %1 will be deleted.</source>
        <translation>Se borrarán todos los archivos de %1.</translation>
    </message>
    <message>
        <source>%1 formatted</source>
        <translation>Memoria %1 formateada</translation>
    </message>
</context>
<context>
    <name>lb::FontCharset</name>
    <message>
        <source>ANSI</source>
        <translation>ANSI</translation>
    </message>
    <message>
        <source>Big5</source>
        <translation>Big5</translation>
    </message>
    <message>
        <source>GB2312</source>
        <translation>GB2312</translation>
    </message>
    <message>
        <source>Hangul</source>
        <translation>Hangul</translation>
    </message>
    <message>
        <source>Shift-JIS</source>
        <translation>Shift-JIS</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Centroeuropeo</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cirílico</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griego</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebreo</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Báltico</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamita</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tailandés</translation>
    </message>
</context>
<context>
    <name>lb::FontRules</name>
    <message>
        <source>Type the printer font name.</source>
        <translation>Escriba el nombre de la fuente en la impresora.</translation>
    </message>
    <message>
        <source>The printer font name has %1 characters; at most %2 fit.</source>
        <translation>El nombre de la fuente en la impresora tiene %1 caracteres; caben como máximo %2.</translation>
    </message>
    <message>
        <source>The printer font name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>El nombre de la fuente en la impresora no puede contener comillas dobles, saltos de línea ni otros caracteres de control, ni caracteres fuera de Latin-1.</translation>
    </message>
</context>
<context>
    <name>lb::Language</name>
    <message>
        <source>English</source>
        <translation>Inglés</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chino tradicional</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chino simplificado</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonés</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugués</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemán</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francés</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruso</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polaco</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituano</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Checo</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ucraniano</translation>
    </message>
</context>
<context>
    <name>lb::Link</name>
    <message>
        <source>LPT: the parallel port cannot read.</source>
        <translation>LPT: el puerto paralelo no puede leer.</translation>
    </message>
    <message>
        <source>not a parallel port (LPT1 to LPT4, or a device path)</source>
        <translation>no es un puerto paralelo (LPT1 a LPT4, o una ruta de dispositivo)</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group lp (then log in again)</source>
        <translation>permiso denegado: el usuario debe pertenecer al grupo lp (y volver a iniciar sesión)</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>en uso por otro programa</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms (out of paper, or off line?)</source>
        <translation>la impresora no aceptó datos durante %1 ms (¿sin papel o fuera de línea?)</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>el dispositivo ya no está conectado</translation>
    </message>
    <message>
        <source>The reply is not a valid frame.</source>
        <translation>La respuesta no es una trama válida.</translation>
    </message>
    <message>
        <source>More than %1 bytes arrived without a reply frame.</source>
        <translation>Llegaron más de %1 bytes sin una trama de respuesta.</translation>
    </message>
    <message>
        <source>The reply is longer than the %1 bytes it may have.</source>
        <translation>La respuesta supera los %1 bytes permitidos.</translation>
    </message>
    <message>
        <source>The reply line carries more than %1 CRs.</source>
        <translation>La línea de respuesta contiene más de %1 caracteres CR.</translation>
    </message>
    <message>
        <source>The reply line is longer than %1 characters.</source>
        <translation>La línea de respuesta supera los %1 caracteres.</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>no existe el dispositivo</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group dialout (then log in again)</source>
        <translation>permiso denegado: el usuario debe pertenecer al grupo dialout (y volver a iniciar sesión)</translation>
    </message>
    <message>
        <source>not a serial port (COM1 to COM30, or a device path)</source>
        <translation>no es un puerto serie (COM1 a COM30, o una ruta de dispositivo)</translation>
    </message>
    <message>
        <source>the port did not send the data within %1 ms</source>
        <translation>el puerto no envió los datos en %1 ms</translation>
    </message>
    <message>
        <source>no reply within %1 ms</source>
        <translation>sin respuesta en %1 ms</translation>
    </message>
    <message>
        <source>connection refused (is the printer on and is the port right?)</source>
        <translation>conexión rechazada (¿está encendida la impresora y es correcto el puerto?)</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>host no encontrado</translation>
    </message>
    <message>
        <source>timed out: no answer within %1 ms</source>
        <translation>tiempo de espera agotado: sin respuesta en %1 ms</translation>
    </message>
    <message>
        <source>the printer closed the connection</source>
        <translation>la impresora cerró la conexión</translation>
    </message>
    <message>
        <source>no printer address is set</source>
        <translation>no se ha indicado ninguna dirección de impresora</translation>
    </message>
    <message>
        <source>%1 is not a TCP port</source>
        <translation>%1 no es un puerto TCP</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms</source>
        <translation>la impresora no aceptó datos durante %1 ms</translation>
    </message>
    <message>
        <source>permission denied: install the udev rule 60-labelbench-printers.rules from packaging/ (see the README), then replug the printer</source>
        <translation>permiso denegado: instale la regla udev 60-labelbench-printers.rules de packaging/ (consulte el README) y vuelva a conectar la impresora</translation>
    </message>
    <message>
        <source>USB cannot be used on this system</source>
        <translation>no se puede usar USB en este sistema</translation>
    </message>
    <message>
        <source>the device has no printer interface</source>
        <translation>el dispositivo no tiene interfaz de impresora</translation>
    </message>
    <message>
        <source>no device with an accepted vendor identifier (%1)</source>
        <translation>ningún dispositivo con un identificador de fabricante aceptado (%1)</translation>
    </message>
    <message>
        <source>the device cannot be opened</source>
        <translation>no se puede abrir el dispositivo</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>The list has more than %1 entries.</source>
        <translation>La lista tiene más de %1 entradas.</translation>
    </message>
    <message>
        <source>The list did not end within %1 s.</source>
        <translation>La lista no terminó en %1 s.</translation>
    </message>
    <message>
        <source>The list is longer than the %1 bytes it may have.</source>
        <translation>La lista supera los %1 bytes permitidos.</translation>
    </message>
</context>
<context>
    <name>lb::Outcome</name>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
</context>
<context>
    <name>lb::PrinterConfigurationPage</name>
    <message>
        <source>Configuration read (edition %1)</source>
        <translation>Configuración leída (edición %1)</translation>
    </message>
    <message>
        <source>Configuration cleared</source>
        <translation>Configuración borrada</translation>
    </message>
    <message>
        <source>Page %1 not written</source>
        <translation>Página %1 no escrita</translation>
    </message>
    <message>
        <source>Page %1 written: %2 settings</source>
        <translation>Página %1 escrita: %2 ajustes</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Configuración guardada en %1</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Configuración cargada desde %1</translation>
    </message>
    <message>
        <source>Printer status: %1</source>
        <translation>Estado de la impresora: %1</translation>
    </message>
    <message>
        <source>The entry %1 is unknown, missing or holds a value that cannot be used.</source>
        <translation>La entrada %1 es desconocida, falta o contiene un valor que no se puede usar.</translation>
    </message>
    <message>
        <source>%1 holds a value a .json file cannot hold; nothing was saved.</source>
        <translation>%1 contiene un valor que un archivo .json no puede guardar; no se guardó nada.</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFiles</name>
    <message>
        <source>Type the printer file name.</source>
        <translation>Escriba el nombre del archivo en la impresora.</translation>
    </message>
    <message>
        <source>The printer file name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>El nombre del archivo en la impresora no puede contener comillas dobles, saltos de línea ni otros caracteres de control, ni caracteres fuera de Latin-1.</translation>
    </message>
    <message>
        <source>larger than %1 bytes, which is the most that can be sent</source>
        <translation>mayor de %1 bytes, el máximo que se puede enviar</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>el archivo cambió mientras se leía</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFunctionBox</name>
    <message>
        <source>Sensor calibration sent</source>
        <translation>Calibración del sensor enviada</translation>
    </message>
    <message>
        <source>Network address settings sent</source>
        <translation>Ajustes de dirección de red enviados</translation>
    </message>
    <message>
        <source>Printer name sent</source>
        <translation>Nombre de impresora enviado</translation>
    </message>
    <message>
        <source>Clock set</source>
        <translation>Reloj ajustado</translation>
    </message>
    <message>
        <source>Dump mode started</source>
        <translation>Volcado iniciado</translation>
    </message>
    <message>
        <source>Send the text to be captured to the printer now, from the label program or the Command Tool, then press OK.</source>
        <translation>Envíe ahora a la impresora el texto que se va a capturar, desde el programa de etiquetas o la Herramienta de comandos, y luego pulse Aceptar.</translation>
    </message>
    <message>
        <source>The dump is empty: the printer captured no text.</source>
        <translation>El volcado está vacío: la impresora no capturó ningún texto.</translation>
    </message>
    <message>
        <source>The dump is empty</source>
        <translation>Volcado vacío</translation>
    </message>
    <message>
        <source>Dump saved to %1 (%2 bytes)</source>
        <translation>Volcado guardado en %1 (%2 bytes)</translation>
    </message>
    <message>
        <source>Factory default sent</source>
        <translation>Valores de fábrica enviados</translation>
    </message>
    <message>
        <source>Printer reset</source>
        <translation>Impresora reiniciada</translation>
    </message>
    <message>
        <source>Test page sent</source>
        <translation>Página de prueba enviada</translation>
    </message>
    <message>
        <source>Configuration page sent</source>
        <translation>Página de configuración enviada</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS sent</source>
        <translation>Comando «Ignorar AUTO.BAS» enviado</translation>
    </message>
    <message>
        <source>Line mode left</source>
        <translation>Modo línea desactivado</translation>
    </message>
    <message>
        <source>Password changed</source>
        <translation>Contraseña cambiada</translation>
    </message>
</context>
<context>
    <name>lb::PrinterStatus</name>
    <message>
        <source>Printing</source>
        <translation>Imprimiendo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Paper Jam</source>
        <translation>Atasco de papel</translation>
    </message>
    <message>
        <source>Out of Paper</source>
        <translation>Sin papel</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>Err. encoder cinta</translation>
    </message>
    <message>
        <source>Out of Ribbon</source>
        <translation>Sin cinta</translation>
    </message>
    <message>
        <source>Other Error</source>
        <translation>Otro error</translation>
    </message>
    <message>
        <source>Head Open</source>
        <translation>Cabezal abierto</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Lista</translation>
    </message>
</context>
<context>
    <name>lb::Refusal</name>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation>%1: &apos;%2&apos; no es un número</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; no es un número</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is out of range</source>
        <translation>%1: &apos;%2&apos; está fuera de rango</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range</source>
        <translation>&apos;%1&apos; está fuera de rango</translation>
    </message>
</context>
<context>
    <name>lb::SensorChart</name>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Live %1</source>
        <translation>En vivo %1</translation>
    </message>
    <message>
        <source>Intensity %1</source>
        <translation>Intensidad %1</translation>
    </message>
    <message>
        <source>Threshold %1</source>
        <translation>Umbral %1</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensidad</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>Aún no hay lecturas</translation>
    </message>
</context>
<context>
    <name>lb::TFormEthernetSetup</name>
    <message>
        <source>The printer name &quot;%1&quot; cannot be sent: the printer knows only Latin-1 characters.</source>
        <translation>No se puede enviar el nombre de impresora &quot;%1&quot;: la impresora solo admite caracteres Latin-1.</translation>
    </message>
</context>
<context>
    <name>lb::TFormMain</name>
    <message>
        <source>Looking for the printer on %1…</source>
        <translation>Buscando la impresora en %1…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>No printer answered on %1 — choose the interface and press Get, or start with --demo to try LabelBench</source>
        <translation>Ninguna impresora respondió en %1 — elija la interfaz y pulse Leer, o inicie con --demo para probar LabelBench</translation>
    </message>
</context>
<context>
    <name>lb::TFormNetSetup</name>
    <message>
        <source>The printer %1 returns to its factory settings.</source>
        <translation>La impresora %1 volverá a sus valores de fábrica.</translation>
    </message>
    <message>
        <source>The request could not be sent on this computer&apos;s network; the printer has not been changed.</source>
        <translation>No se pudo enviar la solicitud por la red de este equipo; la impresora no ha cambiado.</translation>
    </message>
</context>
<context>
    <name>lb::TFormPassword</name>
    <message>
        <source>Incorrect</source>
        <translation>Contraseña incorrecta</translation>
    </message>
</context>
<context>
    <name>lb::TFormPasswordSetup</name>
    <message>
        <source>Incorrect</source>
        <translation>Contraseña incorrecta</translation>
    </message>
    <message>
        <source>The new password can have at most %1 characters, none of them a double quote or a control character (such as a line break, a tab or ESC).</source>
        <translation>La contraseña nueva puede tener como máximo %1 caracteres, y ninguno puede ser comillas dobles ni un carácter de control (como un salto de línea, un tabulador o ESC).</translation>
    </message>
</context>
<context>
    <name>lb::TFormPreviewFont</name>
    <message>
        <source>Build the page&apos;s font to see the bitmaps the printer will receive.</source>
        <translation>Genere la fuente de la página para ver los mapas de bits que recibirá la impresora.</translation>
    </message>
    <message>
        <source>This is no font file the printer can use: %1</source>
        <translation>No es un archivo de fuente que la impresora pueda usar: %1</translation>
    </message>
    <message>
        <source>variable pitch</source>
        <translation>espaciado variable</translation>
    </message>
    <message>
        <source>fixed pitch</source>
        <translation>espaciado fijo</translation>
    </message>
    <message>
        <source>double-byte codes</source>
        <translation>códigos de doble byte</translation>
    </message>
    <message>
        <source>single-byte codes</source>
        <translation>códigos de un byte</translation>
    </message>
    <message>
        <source>%1 characters, cell %2 x %3 pixels, %4, %5</source>
        <translation>%1 caracteres, celda de %2 x %3 píxeles, %4, %5</translation>
    </message>
    <message>
        <source>Its glyphs are too many and too large to be drawn here.</source>
        <translation>Sus glifos son demasiados y demasiado grandes para dibujarlos aquí.</translation>
    </message>
</context>
<context>
    <name>lb::TFormRTCSetup</name>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 días</translation>
    </message>
    <message>
        <source>printer clock agrees with this computer</source>
        <translation>el reloj de la impresora coincide con este equipo</translation>
    </message>
    <message>
        <source>printer clock %1 behind this computer</source>
        <translation>el reloj de la impresora va %1 atrasado respecto a este equipo</translation>
    </message>
    <message>
        <source>printer clock %1 ahead of this computer</source>
        <translation>el reloj de la impresora va %1 adelantado respecto a este equipo</translation>
    </message>
</context>
<context>
    <name>lb::TFormRs232Setup</name>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Impar</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Par</translation>
    </message>
</context>
<context>
    <name>lb::TFormSensorCalibrate</name>
    <message>
        <source>Calibrate</source>
        <translation>Calibrar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pulg.</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Black mark</source>
        <translation>Marca negra</translation>
    </message>
    <message>
        <source>Liner</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Can&apos;t calibration</source>
        <translation>No se pudo calibrar</translation>
    </message>
    <message>
        <source>Put linner please</source>
        <translation>Coloque el papel soporte, por favor</translation>
    </message>
    <message>
        <source>Put black mark please</source>
        <translation>Coloque la marca negra, por favor</translation>
    </message>
    <message>
        <source>Put label please</source>
        <translation>Coloque la etiqueta, por favor</translation>
    </message>
    <message>
        <source>Label and %1 lie closer than %2 at every level</source>
        <translation>La etiqueta y %1 difieren en menos de %2 en todos los niveles</translation>
    </message>
    <message>
        <source>black mark</source>
        <translation>la marca negra</translation>
    </message>
    <message>
        <source>liner</source>
        <translation>el papel soporte</translation>
    </message>
    <message>
        <source>Calibration is complete</source>
        <translation>Calibración completada</translation>
    </message>
</context>
</TS>
