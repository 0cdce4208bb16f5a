<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>BitmapFontManagerPage</name>
    <message>
        <source>Font Select</source>
        <translation>Selezione font</translation>
    </message>
    <message>
        <source>Font Encode</source>
        <translation>Codifica font</translation>
    </message>
    <message>
        <source>Standard Encode</source>
        <translation>Codifica standard</translation>
    </message>
    <message>
        <source>Asian Font Encode</source>
        <translation>Codifica font asiatici</translation>
    </message>
    <message>
        <source>Encode by Table</source>
        <translation>Codifica da tabella</translation>
    </message>
    <message>
        <source>Encode by Table (Asian)</source>
        <translation>Codifica da tabella (asiatica)</translation>
    </message>
    <message>
        <source>Font Pitch</source>
        <translation>Passo font</translation>
    </message>
    <message>
        <source>Fixed Pitch</source>
        <translation>Passo fisso</translation>
    </message>
    <message>
        <source>Variable Pitch</source>
        <translation>Passo variabile</translation>
    </message>
    <message>
        <source>Windows Font Name</source>
        <translation>Nome font Windows</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Dimensione font</translation>
    </message>
    <message>
        <source>Printer Device</source>
        <translation>Memoria stampante</translation>
    </message>
    <message>
        <source>Character Set</source>
        <translation>Set di caratteri</translation>
    </message>
    <message>
        <source>The code page in which the font&apos;s codes are read: the script its characters come from</source>
        <translation>La tabella codici in cui si leggono i codici del font: la scrittura da cui provengono i suoi caratteri</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Scegli font</translation>
    </message>
    <message>
        <source>Printer Font Name</source>
        <translation>Nome font stampante</translation>
    </message>
    <message>
        <source>Italic Width</source>
        <translation>Larghezza corsivo</translation>
    </message>
    <message>
        <source>Preview Font</source>
        <translation>Anteprima font</translation>
    </message>
    <message>
        <source>Font Width</source>
        <translation>Larghezza font</translation>
    </message>
    <message>
        <source>Font Height</source>
        <translation>Altezza font</translation>
    </message>
    <message>
        <source>Font Mapping</source>
        <translation>Mappatura font</translation>
    </message>
    <message>
        <source>Standard Mapping</source>
        <translation>Mappatura standard</translation>
    </message>
    <message>
        <source>Full ASCII Mapping</source>
        <translation>Mappatura ASCII completa</translation>
    </message>
    <message>
        <source>Custom Mapping</source>
        <translation>Mappatura personalizzata</translation>
    </message>
    <message>
        <source>Character Start ASCII</source>
        <translation>Carattere iniziale ASCII</translation>
    </message>
    <message>
        <source>Character End ASCII</source>
        <translation>Carattere finale ASCII</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Cinese tradizionale</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Cinese semplificato</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>By File</source>
        <translation>Da file</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Save Font</source>
        <translation>Salva font</translation>
    </message>
    <message>
        <source>Download Font</source>
        <translation>Scarica font</translation>
    </message>
</context>
<context>
    <name>CommandToolPage</name>
    <message>
        <source>Text encoding</source>
        <translation>Codifica testo</translation>
    </message>
    <message>
        <source>Show replies</source>
        <translation>Mostra risposte</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Invia file</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
</context>
<context>
    <name>ConfigurationWriter</name>
    <message>
        <source>%1 holds %2, which cannot be sent to the printer</source>
        <translation>%1 contiene %2, che non può essere inviato alla stampante</translation>
    </message>
    <message>
        <source>%1 cannot be converted for the printer: the resolution %2 is not usable</source>
        <translation>%1 non può essere convertito per la stampante: la risoluzione %2 non è utilizzabile</translation>
    </message>
</context>
<context>
    <name>FileManagerPage</name>
    <message>
        <source>File Download</source>
        <translation>Download file</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Tipo file</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dimensione file</translation>
    </message>
    <message>
        <source>Memory Device</source>
        <translation>Memoria</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Sfoglia</translation>
    </message>
    <message>
        <source>Font View</source>
        <translation>Visualizza font</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Informazioni file</translation>
    </message>
    <message>
        <source>Physical Space</source>
        <translation>Spazio totale</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Spazio libero</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>Formattazione</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formatta</translation>
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
        <translation>Configurazione stampante</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Generale</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densità</translation>
    </message>
    <message>
        <source>Paper Width</source>
        <translation>Larghezza carta</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Altezza carta</translation>
    </message>
    <message>
        <source>Media Sensor</source>
        <translation>Sensore supporto</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Gap</translation>
    </message>
    <message>
        <source>Gap Offset</source>
        <translation>Offset gap</translation>
    </message>
    <message>
        <source>Post-Print Action</source>
        <translation>Azione dopo stampa</translation>
    </message>
    <message>
        <source>Cut Piece</source>
        <translation>Pezzi per taglio</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Riferimento</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direzione</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Shift X</source>
        <translation>Spost. X</translation>
    </message>
    <message>
        <source>Shift Y</source>
        <translation>Spost. Y</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Nastro</translation>
    </message>
    <message>
        <source>Ribbon Sensor</source>
        <translation>Sensore nastro</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>Errore encoder nastro</translation>
    </message>
    <message>
        <source>Code Page</source>
        <translation>Tabella codici</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>Codice paese</translation>
    </message>
    <message>
        <source>Head-up Sensor</source>
        <translation>Sensore testina</translation>
    </message>
    <message>
        <source>Reprint After Error</source>
        <translation>Ristampa dopo errore</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Lunghezza massima</translation>
    </message>
    <message>
        <source>Gap Inten.</source>
        <translation>Intens. gap</translation>
    </message>
    <message>
        <source>Bline Inten.</source>
        <translation>Intens. tacca nera</translation>
    </message>
    <message>
        <source>Continuous Inten.</source>
        <translation>Intens. continuo</translation>
    </message>
    <message>
        <source>Threshold Detection</source>
        <translation>Rilevamento soglia</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Darkness</source>
        <translation>Scurezza</translation>
    </message>
    <message>
        <source>0 to 30</source>
        <translation>da 0 a 30</translation>
    </message>
    <message>
        <source>Print Speed</source>
        <translation>Velocità di stampa</translation>
    </message>
    <message>
        <source>Tear Off</source>
        <translation>Strappo</translation>
    </message>
    <message>
        <source>-120 to 120</source>
        <translation>da -120 a 120</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Modalità di stampa</translation>
    </message>
    <message>
        <source>Print Width</source>
        <translation>Larghezza di stampa</translation>
    </message>
    <message>
        <source>Control Prefix</source>
        <translation>Prefisso controllo</translation>
    </message>
    <message>
        <source>Format Prefix</source>
        <translation>Prefisso formato</translation>
    </message>
    <message>
        <source>Delimiter Char</source>
        <translation>Delimitatore</translation>
    </message>
    <message>
        <source>Media Power Up</source>
        <translation>Azione all&apos;accensione</translation>
    </message>
    <message>
        <source>Head Close</source>
        <translation>Chiusura testina</translation>
    </message>
    <message>
        <source>Label Top</source>
        <translation>Inizio etichetta</translation>
    </message>
    <message>
        <source>Left Position</source>
        <translation>Posizione sinistra</translation>
    </message>
    <message>
        <source>-9999 to 9999</source>
        <translation>da -9999 a 9999</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Calore</translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation>Larghezza etichetta</translation>
    </message>
    <message>
        <source>Present Sensor</source>
        <translation>Sensore presenza</translation>
    </message>
    <message>
        <source>Cutter Equipped</source>
        <translation>Taglierina installata</translation>
    </message>
    <message>
        <source>Control Codes</source>
        <translation>Codici di controllo</translation>
    </message>
    <message>
        <source>Column Offset</source>
        <translation>Offset colonna</translation>
    </message>
    <message>
        <source>Row Offset</source>
        <translation>Offset riga</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfaccia</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>Bit di dati</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parità</translation>
    </message>
    <message>
        <source>Stop Bit(s)</source>
        <translation>Bit di stop</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Leggi</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carica</translation>
    </message>
    <message>
        <source>Printer Information</source>
        <translation>Informazioni stampante</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation>N. di serie:</translation>
    </message>
    <message>
        <source>Check Sum:</source>
        <translation>Checksum:</translation>
    </message>
    <message>
        <source>Cutting Counter:</source>
        <translation>Contatore tagli:</translation>
    </message>
    <message>
        <source>Mileage:</source>
        <translation>Chilometraggio:</translation>
    </message>
    <message>
        <source>Km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Printer Status</source>
        <translation>Stato stampante</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>Leggi stato</translation>
    </message>
</context>
<context>
    <name>PrinterFunctionBox</name>
    <message>
        <source>Printer Function</source>
        <translation>Funzioni stampante</translation>
    </message>
    <message>
        <source>Calibrate Sensor </source>
        <translation>Calibra sensore </translation>
    </message>
    <message>
        <source>Ethernet Setup</source>
        <translation>Impostazioni Ethernet</translation>
    </message>
    <message>
        <source>RTC Setup</source>
        <translation>Impostazioni RTC</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Valori di fabbrica</translation>
    </message>
    <message>
        <source>Reset Printer</source>
        <translation>Reset stampante</translation>
    </message>
    <message>
        <source>Print Test Page</source>
        <translation>Stampa pagina di prova</translation>
    </message>
    <message>
        <source>Configuration Page</source>
        <translation>Pagina di configurazione</translation>
    </message>
    <message>
        <source>Dump Text</source>
        <translation>Modalità dump</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS</source>
        <translation>Ignora AUTO.BAS</translation>
    </message>
    <message>
        <source>Out of Line Mode</source>
        <translation>Esci da modalità riga</translation>
    </message>
    <message>
        <source>Password Setup</source>
        <translation>Impostazioni password</translation>
    </message>
</context>
<context>
    <name>TFormDumpTextSetup</name>
    <message>
        <source>Dump Text Setup</source>
        <translation>Impostazioni dump</translation>
    </message>
    <message>
        <source>Print Label</source>
        <translation>Stampa su etichetta</translation>
    </message>
    <message>
        <source>Save to SD Card</source>
        <translation>Salva su scheda SD</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Salva su file</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nome file:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TFormEthernetSetup</name>
    <message>
        <source>Ethernet Setup</source>
        <translation>Impostazioni Ethernet</translation>
    </message>
    <message>
        <source>IP Setup</source>
        <translation>Impostazioni IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>IP statico</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Subnet mask:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Printer Name:</source>
        <translation>Nome stampante:</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>Indirizzo MAC:</translation>
    </message>
    <message>
        <source>Set Printer Name</source>
        <translation>Imposta nome stampante</translation>
    </message>
    <message>
        <source>Set IP</source>
        <translation>Imposta IP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TFormLPTSetup</name>
    <message>
        <source>LPT Setup</source>
        <translation>Impostazioni LPT</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfaccia</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configura</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>Configurazione stampante</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Gestione file</translation>
    </message>
    <message>
        <source>Bitmap Font Manager</source>
        <translation>Gestione font bitmap</translation>
    </message>
    <message>
        <source>Command Tool</source>
        <translation>Strumento comandi</translation>
    </message>
</context>
<context>
    <name>TFormNetSetup</name>
    <message>
        <source>Printer Name</source>
        <translation>Nome stampante</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Discover Device</source>
        <translation>Cerca dispositivi</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Valori di fabbrica</translation>
    </message>
    <message>
        <source>Change IP Address</source>
        <translation>Cambia indirizzo IP</translation>
    </message>
    <message>
        <source>Web Setup</source>
        <translation>Impostazioni web</translation>
    </message>
    <message>
        <source>IP Setting</source>
        <translation>Impostazioni IP</translation>
    </message>
    <message>
        <source>IP Address/Printer Name:</source>
        <translation>Indirizzo IP/Nome stampante:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
</context>
<context>
    <name>TFormPassword</name>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Please enter your password</source>
        <translation>Inserire la password</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TFormPasswordSetup</name>
    <message>
        <source>Password Setup</source>
        <translation>Impostazioni password</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Vecchia password</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nuova password</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TFormPreviewFont</name>
    <message>
        <source>Character Chart</source>
        <translation>Tabella caratteri</translation>
    </message>
    <message>
        <source>Built Font</source>
        <translation>Font creato</translation>
    </message>
    <message>
        <source>Build from Page</source>
        <translation>Crea dalla pagina</translation>
    </message>
    <message>
        <source>Open Font File</source>
        <translation>Apri file font</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TFormRTCSetup</name>
    <message>
        <source>RTC Setup</source>
        <translation>Impostazioni RTC</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Anno:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mese:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Giorno:</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Ora:</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Minuti:</translation>
    </message>
    <message>
        <source>Second:</source>
        <translation>Secondi:</translation>
    </message>
    <message>
        <source>Get System Time</source>
        <translation>Usa ora di sistema</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TFormRs232Setup</name>
    <message>
        <source>RS232 Setup</source>
        <translation>Impostazioni RS232</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>Porta COM:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Bit di dati:</translation>
    </message>
    <message>
        <source>Parity Check:</source>
        <translation>Parità:</translation>
    </message>
    <message>
        <source>Stop Bit(s):</source>
        <translation>Bit di stop:</translation>
    </message>
    <message>
        <source>Hardware Handshaking:</source>
        <translation>Handshake hardware:</translation>
    </message>
    <message>
        <source>Software Handshaking:</source>
        <translation>Handshake software:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>TFormSensorCalibrate</name>
    <message>
        <source>Sensor Calibration</source>
        <translation>Calibrazione sensore</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>Calibrazione automatica</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Altezza carta</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Gap</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibra</translation>
    </message>
    <message>
        <source>Media Type</source>
        <translation>Tipo di supporto</translation>
    </message>
    <message>
        <source>GAP</source>
        <translation>GAP</translation>
    </message>
    <message>
        <source>Black Mark</source>
        <translation>Tacca nera</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Continuo</translation>
    </message>
    <message>
        <source>Auto Selection</source>
        <translation>Selezione automatica</translation>
    </message>
    <message>
        <source>Manual Setup</source>
        <translation>Impostazione manuale</translation>
    </message>
    <message>
        <source>Sensor Intension</source>
        <translation>Intensità sensore</translation>
    </message>
    <message>
        <source>Threshold Value</source>
        <translation>Valore soglia</translation>
    </message>
    <message>
        <source>Reading Intension</source>
        <translation>Intensità lettura</translation>
    </message>
    <message>
        <source>Current Reading</source>
        <translation>Lettura attuale</translation>
    </message>
    <message>
        <source>Label Reading</source>
        <translation>Lettura etichetta</translation>
    </message>
    <message>
        <source>Gap Reading</source>
        <translation>Lettura gap</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibrazione</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>lb::BitmapFontManagerPage</name>
    <message>
        <source>%1 has no characters of the character set %2: the font&apos;s cells would come out empty or drawn in another font.</source>
        <translation>%1 non contiene caratteri del set di caratteri %2: le celle del font risulterebbero vuote o disegnate con un altro font.</translation>
    </message>
    <message>
        <source>Build the font all the same?</source>
        <translation>Creare comunque il font?</translation>
    </message>
    <message>
        <source>The table file could not be opened.</source>
        <translation>Impossibile aprire il file della tabella.</translation>
    </message>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>Il carattere %1 non può essere salvato nella codifica %2. Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Impossibile salvare il file.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ticked, but no table file has been loaded.</source>
        <translation>&quot;%1&quot; è selezionato, ma non è stato caricato alcun file di tabella.</translation>
    </message>
    <message>
        <source>The table file %1 cannot be read, is larger than %2 bytes or holds no character.</source>
        <translation>Il file di tabella %1 non è leggibile, supera %2 byte o non contiene alcun carattere.</translation>
    </message>
    <message>
        <source>The encode table&apos;s character %1 has no code in %2.</source>
        <translation>Il carattere %1 della tabella di codifica non ha un codice nella codifica %2.</translation>
    </message>
    <message>
        <source>The encode table is larger than %1 bytes.</source>
        <translation>La tabella di codifica supera %1 byte.</translation>
    </message>
    <message>
        <source>The encode table is empty.</source>
        <translation>La tabella di codifica è vuota.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>&quot;%1&quot; è vuoto.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must lie between 0 and 255.</source>
        <translation>&quot;%1&quot; deve essere compreso tra 0 e 255.</translation>
    </message>
    <message>
        <source>No code page is chosen in &quot;%1&quot;.</source>
        <translation>Nessuna tabella codici selezionata in &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The encode table holds no double-byte character.</source>
        <translation>La tabella di codifica non contiene caratteri a doppio byte.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not be negative.</source>
        <translation>&quot;%1&quot; non deve essere negativo.</translation>
    </message>
</context>
<context>
    <name>lb::CommandText</name>
    <message>
        <source>Western</source>
        <translation>Occidentale</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Cinese tradizionale</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Cinese semplificato</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
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
        <translation>Il carattere %1 non può essere salvato nella codifica %2. Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>The character %1 cannot be sent in %2. Nothing was sent.</source>
        <translation>Il carattere %1 non può essere inviato nella codifica %2. Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>Nessuna risposta.</translation>
    </message>
    <message>
        <source>The file does not fit in the editor, which holds at most %1 characters. Nothing was added.</source>
        <translation>Il file non entra nell&apos;editor, che contiene al massimo %1 caratteri. Non è stato aggiunto nulla.</translation>
    </message>
    <message>
        <source>Some bytes of the file are no %1 text: they show as �.</source>
        <translation>Alcuni byte del file non sono testo %1: vengono mostrati come �.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Impossibile salvare il file.</translation>
    </message>
</context>
<context>
    <name>lb::FileManagerPage</name>
    <message>
        <source>%1 downloaded to %2 (%3 bytes)</source>
        <translation>%1 scaricato in %2 (%3 byte)</translation>
    </message>
    <message>
        <source>%1 sent (%2 bytes)</source>
        <translation>%1 inviato (%2 byte)</translation>
    </message>
    <message>
        <source>Memory information read</source>
        <translation>Informazioni memoria lette</translation>
    </message>
    <message>
        <source>Every file in %1 will be deleted.</source>
        <translation>Tutti i file in %1 verranno eliminati.</translation>
    </message>
    <message>
        <source>%1 formatted</source>
        <translation>Memoria %1 formattata</translation>
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
        <translation>Europa centrale</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cirillico</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Greco</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Ebraico</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabo</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Baltico</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamita</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thai</translation>
    </message>
</context>
<context>
    <name>lb::FontRules</name>
    <message>
        <source>Type the printer font name.</source>
        <translation>Digitare il nome del font nella stampante.</translation>
    </message>
    <message>
        <source>The printer font name has %1 characters; at most %2 fit.</source>
        <translation>Il nome del font nella stampante ha %1 caratteri; ne sono ammessi al massimo %2.</translation>
    </message>
    <message>
        <source>The printer font name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>Il nome del font nella stampante non può contenere doppi apici, a capo o altri caratteri di controllo, né caratteri al di fuori di Latin-1.</translation>
    </message>
</context>
<context>
    <name>lb::Language</name>
    <message>
        <source>English</source>
        <translation>Inglese</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Cinese tradizionale</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Cinese semplificato</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Giapponese</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spagnolo</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portoghese</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Tedesco</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francese</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polacco</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituano</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Ceco</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ucraino</translation>
    </message>
</context>
<context>
    <name>lb::Link</name>
    <message>
        <source>LPT: the parallel port cannot read.</source>
        <translation>LPT: la porta parallela non può leggere.</translation>
    </message>
    <message>
        <source>not a parallel port (LPT1 to LPT4, or a device path)</source>
        <translation>non è una porta parallela (da LPT1 a LPT4, o un percorso di dispositivo)</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group lp (then log in again)</source>
        <translation>permesso negato: l&apos;utente deve appartenere al gruppo lp (poi accedere di nuovo)</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>in uso da un altro programma</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms (out of paper, or off line?)</source>
        <translation>la stampante non ha accettato dati per %1 ms (carta esaurita o fuori linea?)</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>il dispositivo non è più presente</translation>
    </message>
    <message>
        <source>The reply is not a valid frame.</source>
        <translation>La risposta non è un frame valido.</translation>
    </message>
    <message>
        <source>More than %1 bytes arrived without a reply frame.</source>
        <translation>Sono arrivati più di %1 byte senza un frame di risposta.</translation>
    </message>
    <message>
        <source>The reply is longer than the %1 bytes it may have.</source>
        <translation>La risposta supera i %1 byte consentiti.</translation>
    </message>
    <message>
        <source>The reply line carries more than %1 CRs.</source>
        <translation>La riga di risposta contiene più di %1 CR.</translation>
    </message>
    <message>
        <source>The reply line is longer than %1 characters.</source>
        <translation>La riga di risposta supera i %1 caratteri.</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>dispositivo inesistente</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group dialout (then log in again)</source>
        <translation>permesso negato: l&apos;utente deve appartenere al gruppo dialout (poi accedere di nuovo)</translation>
    </message>
    <message>
        <source>not a serial port (COM1 to COM30, or a device path)</source>
        <translation>non è una porta seriale (da COM1 a COM30, o un percorso di dispositivo)</translation>
    </message>
    <message>
        <source>the port did not send the data within %1 ms</source>
        <translation>la porta non ha inviato i dati entro %1 ms</translation>
    </message>
    <message>
        <source>no reply within %1 ms</source>
        <translation>nessuna risposta entro %1 ms</translation>
    </message>
    <message>
        <source>connection refused (is the printer on and is the port right?)</source>
        <translation>connessione rifiutata (la stampante è accesa e la porta è corretta?)</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>host non trovato</translation>
    </message>
    <message>
        <source>timed out: no answer within %1 ms</source>
        <translation>timeout: nessuna risposta entro %1 ms</translation>
    </message>
    <message>
        <source>the printer closed the connection</source>
        <translation>la stampante ha chiuso la connessione</translation>
    </message>
    <message>
        <source>no printer address is set</source>
        <translation>nessun indirizzo stampante impostato</translation>
    </message>
    <message>
        <source>%1 is not a TCP port</source>
        <translation>%1 non è una porta TCP</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms</source>
        <translation>la stampante non ha accettato dati per %1 ms</translation>
    </message>
    <message>
        <source>permission denied: install the udev rule 60-labelbench-printers.rules from packaging/ (see the README), then replug the printer</source>
        <translation>permesso negato: installare la regola udev 60-labelbench-printers.rules da packaging/ (vedere il README), poi ricollegare la stampante</translation>
    </message>
    <message>
        <source>USB cannot be used on this system</source>
        <translation>USB non utilizzabile su questo sistema</translation>
    </message>
    <message>
        <source>the device has no printer interface</source>
        <translation>il dispositivo non ha un&apos;interfaccia stampante</translation>
    </message>
    <message>
        <source>no device with an accepted vendor identifier (%1)</source>
        <translation>nessun dispositivo con un identificativo produttore accettato (%1)</translation>
    </message>
    <message>
        <source>the device cannot be opened</source>
        <translation>impossibile aprire il dispositivo</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>annullato</translation>
    </message>
    <message>
        <source>The list has more than %1 entries.</source>
        <translation>L&apos;elenco ha più di %1 voci.</translation>
    </message>
    <message>
        <source>The list did not end within %1 s.</source>
        <translation>L&apos;elenco non è terminato entro %1 s.</translation>
    </message>
    <message>
        <source>The list is longer than the %1 bytes it may have.</source>
        <translation>L&apos;elenco supera i %1 byte consentiti.</translation>
    </message>
</context>
<context>
    <name>lb::Outcome</name>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
</context>
<context>
    <name>lb::PrinterConfigurationPage</name>
    <message>
        <source>Configuration read (edition %1)</source>
        <translation>Configurazione letta (edizione %1)</translation>
    </message>
    <message>
        <source>Configuration cleared</source>
        <translation>Configurazione svuotata</translation>
    </message>
    <message>
        <source>Page %1 not written</source>
        <translation>Pagina %1 non scritta</translation>
    </message>
    <message>
        <source>Page %1 written: %2 settings</source>
        <translation>Pagina %1 scritta: %2 impostazioni</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Configurazione salvata in %1</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Configurazione caricata da %1</translation>
    </message>
    <message>
        <source>Printer status: %1</source>
        <translation>Stato stampante: %1</translation>
    </message>
    <message>
        <source>The entry %1 is unknown, missing or holds a value that cannot be used.</source>
        <translation>La voce %1 è sconosciuta, mancante o contiene un valore non utilizzabile.</translation>
    </message>
    <message>
        <source>%1 holds a value a .json file cannot hold; nothing was saved.</source>
        <translation>%1 contiene un valore che un file .json non può contenere; non è stato salvato nulla.</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFiles</name>
    <message>
        <source>Type the printer file name.</source>
        <translation>Digitare il nome del file nella stampante.</translation>
    </message>
    <message>
        <source>The printer file name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>Il nome del file nella stampante non può contenere doppi apici, a capo o altri caratteri di controllo, né caratteri al di fuori di Latin-1.</translation>
    </message>
    <message>
        <source>larger than %1 bytes, which is the most that can be sent</source>
        <translation>supera %1 byte, il massimo che si può inviare</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>il file è cambiato durante la lettura</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFunctionBox</name>
    <message>
        <source>Sensor calibration sent</source>
        <translation>Calibrazione sensore inviata</translation>
    </message>
    <message>
        <source>Network address settings sent</source>
        <translation>Impostazioni indirizzo di rete inviate</translation>
    </message>
    <message>
        <source>Printer name sent</source>
        <translation>Nome stampante inviato</translation>
    </message>
    <message>
        <source>Clock set</source>
        <translation>Orologio impostato</translation>
    </message>
    <message>
        <source>Dump mode started</source>
        <translation>Modalità dump avviata</translation>
    </message>
    <message>
        <source>Send the text to be captured to the printer now, from the label program or the Command Tool, then press OK.</source>
        <translation>Inviare ora alla stampante il testo da acquisire, dal programma di etichettatura o dallo Strumento comandi, quindi premere OK.</translation>
    </message>
    <message>
        <source>The dump is empty: the printer captured no text.</source>
        <translation>Il dump è vuoto: la stampante non ha acquisito alcun testo.</translation>
    </message>
    <message>
        <source>The dump is empty</source>
        <translation>Dump vuoto</translation>
    </message>
    <message>
        <source>Dump saved to %1 (%2 bytes)</source>
        <translation>Dump salvato in %1 (%2 byte)</translation>
    </message>
    <message>
        <source>Factory default sent</source>
        <translation>Valori di fabbrica inviati</translation>
    </message>
    <message>
        <source>Printer reset</source>
        <translation>Stampante resettata</translation>
    </message>
    <message>
        <source>Test page sent</source>
        <translation>Pagina di prova inviata</translation>
    </message>
    <message>
        <source>Configuration page sent</source>
        <translation>Pagina di configurazione inviata</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS sent</source>
        <translation>Comando «Ignora AUTO.BAS» inviato</translation>
    </message>
    <message>
        <source>Line mode left</source>
        <translation>Modalità riga disattivata</translation>
    </message>
    <message>
        <source>Password changed</source>
        <translation>Password modificata</translation>
    </message>
</context>
<context>
    <name>lb::PrinterStatus</name>
    <message>
        <source>Printing</source>
        <translation>In stampa</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Paper Jam</source>
        <translation>Inceppamento carta</translation>
    </message>
    <message>
        <source>Out of Paper</source>
        <translation>Carta esaurita</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>Errore encoder nastro</translation>
    </message>
    <message>
        <source>Out of Ribbon</source>
        <translation>Nastro esaurito</translation>
    </message>
    <message>
        <source>Other Error</source>
        <translation>Altro errore</translation>
    </message>
    <message>
        <source>Head Open</source>
        <translation>Testina aperta</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronta</translation>
    </message>
</context>
<context>
    <name>lb::Refusal</name>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation>%1: &apos;%2&apos; non è un numero</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; non è un numero</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is out of range</source>
        <translation>%1: &apos;%2&apos; è fuori intervallo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range</source>
        <translation>&apos;%1&apos; è fuori intervallo</translation>
    </message>
</context>
<context>
    <name>lb::SensorChart</name>
    <message>
        <source>Label</source>
        <translation>Etichetta</translation>
    </message>
    <message>
        <source>Live %1</source>
        <translation>Attuale %1</translation>
    </message>
    <message>
        <source>Intensity %1</source>
        <translation>Intensità %1</translation>
    </message>
    <message>
        <source>Threshold %1</source>
        <translation>Soglia %1</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensità</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>Ancora nessuna lettura</translation>
    </message>
</context>
<context>
    <name>lb::TFormEthernetSetup</name>
    <message>
        <source>The printer name &quot;%1&quot; cannot be sent: the printer knows only Latin-1 characters.</source>
        <translation>Il nome stampante &quot;%1&quot; non può essere inviato: la stampante riconosce solo caratteri Latin-1.</translation>
    </message>
</context>
<context>
    <name>lb::TFormMain</name>
    <message>
        <source>Looking for the printer on %1…</source>
        <translation>Ricerca della stampante su %1…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>No printer answered on %1 — choose the interface and press Get, or start with --demo to try LabelBench</source>
        <translation>Nessuna stampante ha risposto su %1 — scegliere l&apos;interfaccia e premere Leggi, oppure avviare con --demo per provare LabelBench</translation>
    </message>
</context>
<context>
    <name>lb::TFormNetSetup</name>
    <message>
        <source>The printer %1 returns to its factory settings.</source>
        <translation>La stampante %1 tornerà ai valori di fabbrica.</translation>
    </message>
    <message>
        <source>The request could not be sent on this computer&apos;s network; the printer has not been changed.</source>
        <translation>Impossibile inviare la richiesta sulla rete di questo computer; la stampante non è stata modificata.</translation>
    </message>
</context>
<context>
    <name>lb::TFormPassword</name>
    <message>
        <source>Incorrect</source>
        <translation>Password errata</translation>
    </message>
</context>
<context>
    <name>lb::TFormPasswordSetup</name>
    <message>
        <source>Incorrect</source>
        <translation>Password errata</translation>
    </message>
    <message>
        <source>The new password can have at most %1 characters, none of them a double quote or a control character (such as a line break, a tab or ESC).</source>
        <translation>La nuova password può contenere al massimo %1 caratteri, nessuno dei quali può essere un doppio apice o un carattere di controllo (come un a capo, una tabulazione o ESC).</translation>
    </message>
</context>
<context>
    <name>lb::TFormPreviewFont</name>
    <message>
        <source>Build the page&apos;s font to see the bitmaps the printer will receive.</source>
        <translation>Creare il font della pagina per vedere le bitmap che la stampante riceverà.</translation>
    </message>
    <message>
        <source>This is no font file the printer can use: %1</source>
        <translation>Questo non è un file font utilizzabile dalla stampante: %1</translation>
    </message>
    <message>
        <source>variable pitch</source>
        <translation>passo variabile</translation>
    </message>
    <message>
        <source>fixed pitch</source>
        <translation>passo fisso</translation>
    </message>
    <message>
        <source>double-byte codes</source>
        <translation>codici a doppio byte</translation>
    </message>
    <message>
        <source>single-byte codes</source>
        <translation>codici a singolo byte</translation>
    </message>
    <message>
        <source>%1 characters, cell %2 x %3 pixels, %4, %5</source>
        <translation>%1 caratteri, cella %2 x %3 pixel, %4, %5</translation>
    </message>
    <message>
        <source>Its glyphs are too many and too large to be drawn here.</source>
        <translation>I suoi glifi sono troppo numerosi e troppo grandi per essere disegnati qui.</translation>
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
        <translation>%1 giorni</translation>
    </message>
    <message>
        <source>printer clock agrees with this computer</source>
        <translation>orologio della stampante allineato a questo computer</translation>
    </message>
    <message>
        <source>printer clock %1 behind this computer</source>
        <translation>orologio della stampante indietro di %1 rispetto a questo computer</translation>
    </message>
    <message>
        <source>printer clock %1 ahead of this computer</source>
        <translation>orologio della stampante avanti di %1 rispetto a questo computer</translation>
    </message>
</context>
<context>
    <name>lb::TFormRs232Setup</name>
    <message>
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Dispari</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Pari</translation>
    </message>
</context>
<context>
    <name>lb::TFormSensorCalibrate</name>
    <message>
        <source>Calibrate</source>
        <translation>Calibra</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Black mark</source>
        <translation>Tacca nera</translation>
    </message>
    <message>
        <source>Liner</source>
        <translation>Liner</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Supporto</translation>
    </message>
    <message>
        <source>Can&apos;t calibration</source>
        <translation>Calibrazione non riuscita</translation>
    </message>
    <message>
        <source>Put linner please</source>
        <translation>Posizionare il liner</translation>
    </message>
    <message>
        <source>Put black mark please</source>
        <translation>Posizionare la tacca nera</translation>
    </message>
    <message>
        <source>Put label please</source>
        <translation>Posizionare l&apos;etichetta</translation>
    </message>
    <message>
        <source>Label and %1 lie closer than %2 at every level</source>
        <translation>Etichetta e %1 distano meno di %2 a ogni livello</translation>
    </message>
    <message>
        <source>black mark</source>
        <translation>tacca nera</translation>
    </message>
    <message>
        <source>liner</source>
        <translation>liner</translation>
    </message>
    <message>
        <source>Calibration is complete</source>
        <translation>Calibrazione completata</translation>
    </message>
</context>
</TS>
