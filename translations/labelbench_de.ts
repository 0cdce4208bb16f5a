<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BitmapFontManagerPage</name>
    <message>
        <source>Font Select</source>
        <translation>Schriftauswahl</translation>
    </message>
    <message>
        <source>Font Encode</source>
        <translation>Schriftcodierung</translation>
    </message>
    <message>
        <source>Standard Encode</source>
        <translation>Standardcodierung</translation>
    </message>
    <message>
        <source>Asian Font Encode</source>
        <translation>Asiatische Codierung</translation>
    </message>
    <message>
        <source>Encode by Table</source>
        <translation>Codierung per Tabelle</translation>
    </message>
    <message>
        <source>Encode by Table (Asian)</source>
        <translation>Codierung per Tabelle (asiatisch)</translation>
    </message>
    <message>
        <source>Font Pitch</source>
        <translation>Zeichenabstand</translation>
    </message>
    <message>
        <source>Fixed Pitch</source>
        <translation>Fester Abstand</translation>
    </message>
    <message>
        <source>Variable Pitch</source>
        <translation>Variabler Abstand</translation>
    </message>
    <message>
        <source>Windows Font Name</source>
        <translation>Windows-Schrift</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Printer Device</source>
        <translation>Druckerspeicher</translation>
    </message>
    <message>
        <source>Character Set</source>
        <translation>Zeichensatz</translation>
    </message>
    <message>
        <source>The code page in which the font&apos;s codes are read: the script its characters come from</source>
        <translation>Die Codepage, in der die Codes der Schrift gelesen werden: das Schriftsystem, aus dem ihre Zeichen stammen</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Schrift wählen</translation>
    </message>
    <message>
        <source>Printer Font Name</source>
        <translation>Druckerschriftname</translation>
    </message>
    <message>
        <source>Italic Width</source>
        <translation>Kursivbreite</translation>
    </message>
    <message>
        <source>Preview Font</source>
        <translation>Schriftvorschau</translation>
    </message>
    <message>
        <source>Font Width</source>
        <translation>Schriftbreite</translation>
    </message>
    <message>
        <source>Font Height</source>
        <translation>Schrifthöhe</translation>
    </message>
    <message>
        <source>Font Mapping</source>
        <translation>Zeichenbelegung</translation>
    </message>
    <message>
        <source>Standard Mapping</source>
        <translation>Standardbelegung</translation>
    </message>
    <message>
        <source>Full ASCII Mapping</source>
        <translation>Volle ASCII-Belegung</translation>
    </message>
    <message>
        <source>Custom Mapping</source>
        <translation>Eigene Belegung</translation>
    </message>
    <message>
        <source>Character Start ASCII</source>
        <translation>Erstes Zeichen (ASCII)</translation>
    </message>
    <message>
        <source>Character End ASCII</source>
        <translation>Letztes Zeichen (ASCII)</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinesisch (traditionell)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>By File</source>
        <translation>Aus Datei</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save Font</source>
        <translation>Schrift speichern</translation>
    </message>
    <message>
        <source>Download Font</source>
        <translation>Schrift übertragen</translation>
    </message>
</context>
<context>
    <name>CommandToolPage</name>
    <message>
        <source>Text encoding</source>
        <translation>Textcodierung</translation>
    </message>
    <message>
        <source>Show replies</source>
        <translation>Antworten anzeigen</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Datei senden</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
</context>
<context>
    <name>ConfigurationWriter</name>
    <message>
        <source>%1 holds %2, which cannot be sent to the printer</source>
        <translation>%1 enthält %2; dieser Wert kann nicht an den Drucker gesendet werden</translation>
    </message>
    <message>
        <source>%1 cannot be converted for the printer: the resolution %2 is not usable</source>
        <translation>%1 kann nicht für den Drucker umgerechnet werden: Die Auflösung %2 ist nicht verwendbar</translation>
    </message>
</context>
<context>
    <name>FileManagerPage</name>
    <message>
        <source>File Download</source>
        <translation>Dateiübertragung</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dateigröße</translation>
    </message>
    <message>
        <source>Memory Device</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Durchsuchen</translation>
    </message>
    <message>
        <source>Font View</source>
        <translation>Schriftansicht</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Übertragen</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Dateiinformationen</translation>
    </message>
    <message>
        <source>Physical Space</source>
        <translation>Gesamtspeicher</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Freier Speicher</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>Formatierung</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formatieren</translation>
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
        <translation>Druckerkonfiguration</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Dichte</translation>
    </message>
    <message>
        <source>Paper Width</source>
        <translation>Papierbreite</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Papierhöhe</translation>
    </message>
    <message>
        <source>Media Sensor</source>
        <translation>Mediensensor</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Lücke</translation>
    </message>
    <message>
        <source>Gap Offset</source>
        <translation>Lückenversatz</translation>
    </message>
    <message>
        <source>Post-Print Action</source>
        <translation>Aktion nach Druck</translation>
    </message>
    <message>
        <source>Cut Piece</source>
        <translation>Schnitt alle</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Versatz</translation>
    </message>
    <message>
        <source>Shift X</source>
        <translation>Verschiebung X</translation>
    </message>
    <message>
        <source>Shift Y</source>
        <translation>Verschiebung Y</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Farbband</translation>
    </message>
    <message>
        <source>Ribbon Sensor</source>
        <translation>Farbbandsensor</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>Farbband-Encoderfehler</translation>
    </message>
    <message>
        <source>Code Page</source>
        <translation>Codepage</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>Ländercode</translation>
    </message>
    <message>
        <source>Head-up Sensor</source>
        <translation>Kopf-offen-Sensor</translation>
    </message>
    <message>
        <source>Reprint After Error</source>
        <translation>Nachdruck nach Fehler</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Maximale Länge</translation>
    </message>
    <message>
        <source>Gap Inten.</source>
        <translation>Lücken-Int.</translation>
    </message>
    <message>
        <source>Bline Inten.</source>
        <translation>Schwarzmarken-Int.</translation>
    </message>
    <message>
        <source>Continuous Inten.</source>
        <translation>Endlos-Int.</translation>
    </message>
    <message>
        <source>Threshold Detection</source>
        <translation>Schwellwerterkennung</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Darkness</source>
        <translation>Schwärzung</translation>
    </message>
    <message>
        <source>0 to 30</source>
        <translation>0 bis 30</translation>
    </message>
    <message>
        <source>Print Speed</source>
        <translation>Druckgeschwindigkeit</translation>
    </message>
    <message>
        <source>Tear Off</source>
        <translation>Abreißen</translation>
    </message>
    <message>
        <source>-120 to 120</source>
        <translation>-120 bis 120</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Druckmodus</translation>
    </message>
    <message>
        <source>Print Width</source>
        <translation>Druckbreite</translation>
    </message>
    <message>
        <source>Control Prefix</source>
        <translation>Steuerpräfix</translation>
    </message>
    <message>
        <source>Format Prefix</source>
        <translation>Formatpräfix</translation>
    </message>
    <message>
        <source>Delimiter Char</source>
        <translation>Trennzeichen</translation>
    </message>
    <message>
        <source>Media Power Up</source>
        <translation>Beim Einschalten</translation>
    </message>
    <message>
        <source>Head Close</source>
        <translation>Beim Kopfschließen</translation>
    </message>
    <message>
        <source>Label Top</source>
        <translation>Etikettenoberkante</translation>
    </message>
    <message>
        <source>Left Position</source>
        <translation>Linke Position</translation>
    </message>
    <message>
        <source>-9999 to 9999</source>
        <translation>-9999 bis 9999</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Heizstufe</translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation>Etikettenbreite</translation>
    </message>
    <message>
        <source>Present Sensor</source>
        <translation>Entnahmesensor</translation>
    </message>
    <message>
        <source>Cutter Equipped</source>
        <translation>Schneider vorhanden</translation>
    </message>
    <message>
        <source>Control Codes</source>
        <translation>Steuercodes</translation>
    </message>
    <message>
        <source>Column Offset</source>
        <translation>Spaltenversatz</translation>
    </message>
    <message>
        <source>Row Offset</source>
        <translation>Zeilenversatz</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Baudrate</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>Datenbits</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parität</translation>
    </message>
    <message>
        <source>Stop Bit(s)</source>
        <translation>Stoppbit(s)</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Printer Information</source>
        <translation>Druckerinformationen</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation>Seriennr.:</translation>
    </message>
    <message>
        <source>Check Sum:</source>
        <translation>Prüfsumme:</translation>
    </message>
    <message>
        <source>Cutting Counter:</source>
        <translation>Schnittzähler:</translation>
    </message>
    <message>
        <source>Mileage:</source>
        <translation>Laufleistung:</translation>
    </message>
    <message>
        <source>Km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Printer Status</source>
        <translation>Druckerstatus</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>Status lesen</translation>
    </message>
</context>
<context>
    <name>PrinterFunctionBox</name>
    <message>
        <source>Printer Function</source>
        <translation>Druckerfunktionen</translation>
    </message>
    <message>
        <source>Calibrate Sensor </source>
        <translation>Sensor kalibrieren </translation>
    </message>
    <message>
        <source>Ethernet Setup</source>
        <translation>Ethernet-Einstellungen</translation>
    </message>
    <message>
        <source>RTC Setup</source>
        <translation>RTC-Einstellungen</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message>
        <source>Reset Printer</source>
        <translation>Drucker zurücksetzen</translation>
    </message>
    <message>
        <source>Print Test Page</source>
        <translation>Testseite drucken</translation>
    </message>
    <message>
        <source>Configuration Page</source>
        <translation>Konfigurationsseite</translation>
    </message>
    <message>
        <source>Dump Text</source>
        <translation>Dump-Modus</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS</source>
        <translation>AUTO.BAS ignorieren</translation>
    </message>
    <message>
        <source>Out of Line Mode</source>
        <translation>Zeilenmodus verlassen</translation>
    </message>
    <message>
        <source>Password Setup</source>
        <translation>Passwort-Einstellungen</translation>
    </message>
</context>
<context>
    <name>TFormDumpTextSetup</name>
    <message>
        <source>Dump Text Setup</source>
        <translation>Dump-Modus-Einstellungen</translation>
    </message>
    <message>
        <source>Print Label</source>
        <translation>Auf Etikett drucken</translation>
    </message>
    <message>
        <source>Save to SD Card</source>
        <translation>Auf SD-Karte speichern</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>In Datei speichern</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Dateiname:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TFormEthernetSetup</name>
    <message>
        <source>Ethernet Setup</source>
        <translation>Ethernet-Einstellungen</translation>
    </message>
    <message>
        <source>IP Setup</source>
        <translation>IP-Einstellungen</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Statische IP</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Subnetzmaske:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Printer Name:</source>
        <translation>Druckername:</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>MAC-Adresse:</translation>
    </message>
    <message>
        <source>Set Printer Name</source>
        <translation>Druckernamen setzen</translation>
    </message>
    <message>
        <source>Set IP</source>
        <translation>IP setzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TFormLPTSetup</name>
    <message>
        <source>LPT Setup</source>
        <translation>LPT-Einstellungen</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>Druckerkonfiguration</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Dateiverwaltung</translation>
    </message>
    <message>
        <source>Bitmap Font Manager</source>
        <translation>Bitmap-Schriftverwaltung</translation>
    </message>
    <message>
        <source>Command Tool</source>
        <translation>Befehlstool</translation>
    </message>
</context>
<context>
    <name>TFormNetSetup</name>
    <message>
        <source>Printer Name</source>
        <translation>Druckername</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Discover Device</source>
        <translation>Geräte suchen</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Werkseinstellungen</translation>
    </message>
    <message>
        <source>Change IP Address</source>
        <translation>IP-Adresse ändern</translation>
    </message>
    <message>
        <source>Web Setup</source>
        <translation>Web-Einstellungen</translation>
    </message>
    <message>
        <source>IP Setting</source>
        <translation>IP-Einstellung</translation>
    </message>
    <message>
        <source>IP Address/Printer Name:</source>
        <translation>IP-Adresse/Druckername:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TFormPassword</name>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Please enter your password</source>
        <translation>Bitte geben Sie Ihr Passwort ein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TFormPasswordSetup</name>
    <message>
        <source>Password Setup</source>
        <translation>Passwort-Einstellungen</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Altes Passwort</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Neues Passwort</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TFormPreviewFont</name>
    <message>
        <source>Character Chart</source>
        <translation>Zeichentabelle</translation>
    </message>
    <message>
        <source>Built Font</source>
        <translation>Erzeugte Schrift</translation>
    </message>
    <message>
        <source>Build from Page</source>
        <translation>Aus Seite erzeugen</translation>
    </message>
    <message>
        <source>Open Font File</source>
        <translation>Schriftdatei öffnen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Schließen</translation>
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
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TFormRTCSetup</name>
    <message>
        <source>RTC Setup</source>
        <translation>RTC-Einstellungen</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Monat:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Tag:</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Stunde:</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Minute:</translation>
    </message>
    <message>
        <source>Second:</source>
        <translation>Sekunde:</translation>
    </message>
    <message>
        <source>Get System Time</source>
        <translation>Systemzeit holen</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TFormRs232Setup</name>
    <message>
        <source>RS232 Setup</source>
        <translation>RS232-Einstellungen</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>COM-Port:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Baudrate:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Datenbits:</translation>
    </message>
    <message>
        <source>Parity Check:</source>
        <translation>Paritätsprüfung:</translation>
    </message>
    <message>
        <source>Stop Bit(s):</source>
        <translation>Stoppbit(s):</translation>
    </message>
    <message>
        <source>Hardware Handshaking:</source>
        <translation>Hardware-Handshake:</translation>
    </message>
    <message>
        <source>Software Handshaking:</source>
        <translation>Software-Handshake:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>TFormSensorCalibrate</name>
    <message>
        <source>Sensor Calibration</source>
        <translation>Sensorkalibrierung</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>Auto-Kalibrierung</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Papierhöhe</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Lücke</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Kalibrieren</translation>
    </message>
    <message>
        <source>Media Type</source>
        <translation>Medientyp</translation>
    </message>
    <message>
        <source>GAP</source>
        <translation>GAP</translation>
    </message>
    <message>
        <source>Black Mark</source>
        <translation>Schwarzmarke</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Endlos</translation>
    </message>
    <message>
        <source>Auto Selection</source>
        <translation>Auto-Auswahl</translation>
    </message>
    <message>
        <source>Manual Setup</source>
        <translation>Manuelle Einstellung</translation>
    </message>
    <message>
        <source>Sensor Intension</source>
        <translation>Sensorintensität</translation>
    </message>
    <message>
        <source>Threshold Value</source>
        <translation>Schwellwert</translation>
    </message>
    <message>
        <source>Reading Intension</source>
        <translation>Messintensität</translation>
    </message>
    <message>
        <source>Current Reading</source>
        <translation>Aktueller Messwert</translation>
    </message>
    <message>
        <source>Label Reading</source>
        <translation>Messwert Etikett</translation>
    </message>
    <message>
        <source>Gap Reading</source>
        <translation>Messwert Lücke</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrierung</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>lb::BitmapFontManagerPage</name>
    <message>
        <source>%1 has no characters of the character set %2: the font&apos;s cells would come out empty or drawn in another font.</source>
        <translation>%1 enthält keine Zeichen des Zeichensatzes %2: Die Zellen der Schrift blieben leer oder würden in einer anderen Schrift gezeichnet.</translation>
    </message>
    <message>
        <source>Build the font all the same?</source>
        <translation>Schrift trotzdem erzeugen?</translation>
    </message>
    <message>
        <source>The table file could not be opened.</source>
        <translation>Die Tabellendatei konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>Das Zeichen %1 kann nicht in %2 gespeichert werden. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Die Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ticked, but no table file has been loaded.</source>
        <translation>&quot;%1&quot; ist angekreuzt, aber es wurde keine Tabellendatei geladen.</translation>
    </message>
    <message>
        <source>The table file %1 cannot be read, is larger than %2 bytes or holds no character.</source>
        <translation>Die Tabellendatei %1 ist nicht lesbar, größer als %2 Byte oder enthält kein Zeichen.</translation>
    </message>
    <message>
        <source>The encode table&apos;s character %1 has no code in %2.</source>
        <translation>Das Zeichen %1 der Codierungstabelle hat keinen Code in %2.</translation>
    </message>
    <message>
        <source>The encode table is larger than %1 bytes.</source>
        <translation>Die Codierungstabelle ist größer als %1 Byte.</translation>
    </message>
    <message>
        <source>The encode table is empty.</source>
        <translation>Die Codierungstabelle ist leer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>&quot;%1&quot; ist leer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must lie between 0 and 255.</source>
        <translation>&quot;%1&quot; muss zwischen 0 und 255 liegen.</translation>
    </message>
    <message>
        <source>No code page is chosen in &quot;%1&quot;.</source>
        <translation>In &quot;%1&quot; ist keine Codepage gewählt.</translation>
    </message>
    <message>
        <source>The encode table holds no double-byte character.</source>
        <translation>Die Codierungstabelle enthält kein Doppelbyte-Zeichen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not be negative.</source>
        <translation>&quot;%1&quot; darf nicht negativ sein.</translation>
    </message>
</context>
<context>
    <name>lb::CommandText</name>
    <message>
        <source>Western</source>
        <translation>Westlich</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinesisch (traditionell)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreanisch</translation>
    </message>
</context>
<context>
    <name>lb::CommandToolPage</name>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>Das Zeichen %1 kann nicht in %2 gespeichert werden. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The character %1 cannot be sent in %2. Nothing was sent.</source>
        <translation>Das Zeichen %1 kann nicht in %2 gesendet werden. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>Keine Antwort.</translation>
    </message>
    <message>
        <source>The file does not fit in the editor, which holds at most %1 characters. Nothing was added.</source>
        <translation>Die Datei passt nicht in den Editor, der höchstens %1 Zeichen fasst. Es wurde nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>Some bytes of the file are no %1 text: they show as �.</source>
        <translation>Einige Bytes der Datei sind kein %1-Text: Sie erscheinen als �.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Die Datei konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>lb::FileManagerPage</name>
    <message>
        <source>%1 downloaded to %2 (%3 bytes)</source>
        <translation>%1 in %2 übertragen (%3 Byte)</translation>
    </message>
    <message>
        <source>%1 sent (%2 bytes)</source>
        <translation>%1 gesendet (%2 Byte)</translation>
    </message>
    <message>
        <source>Memory information read</source>
        <translation>Speicherinformationen gelesen</translation>
    </message>
    <message>
        <source>Every file in %1 will be deleted.</source>
        <translation>Alle Dateien in %1 werden gelöscht.</translation>
    </message>
    <message>
        <source>%1 formatted</source>
        <translation>%1 formatiert</translation>
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
        <translation>Mitteleuropäisch</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Kyrillisch</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Griechisch</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkisch</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebräisch</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabisch</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Baltisch</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamesisch</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thailändisch</translation>
    </message>
</context>
<context>
    <name>lb::FontRules</name>
    <message>
        <source>Type the printer font name.</source>
        <translation>Geben Sie den Druckerschriftnamen ein.</translation>
    </message>
    <message>
        <source>The printer font name has %1 characters; at most %2 fit.</source>
        <translation>Der Druckerschriftname hat %1 Zeichen; höchstens %2 sind möglich.</translation>
    </message>
    <message>
        <source>The printer font name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>Der Druckerschriftname darf weder doppelte Anführungszeichen, Zeilenumbrüche oder andere Steuerzeichen noch Zeichen außerhalb von Latin-1 enthalten.</translation>
    </message>
</context>
<context>
    <name>lb::Language</name>
    <message>
        <source>English</source>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinesisch (traditionell)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinesisch (vereinfacht)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japanisch</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Spanisch</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugiesisch</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Französisch</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italienisch</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russisch</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polnisch</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litauisch</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tschechisch</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainisch</translation>
    </message>
</context>
<context>
    <name>lb::Link</name>
    <message>
        <source>LPT: the parallel port cannot read.</source>
        <translation>LPT: Der Parallelport kann nicht lesen.</translation>
    </message>
    <message>
        <source>not a parallel port (LPT1 to LPT4, or a device path)</source>
        <translation>kein Parallelport (LPT1 bis LPT4 oder ein Gerätepfad)</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group lp (then log in again)</source>
        <translation>Zugriff verweigert: Der Benutzer muss Mitglied der Gruppe lp sein (danach neu anmelden)</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>von einem anderen Programm belegt</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms (out of paper, or off line?)</source>
        <translation>der Drucker hat %1 ms lang keine Daten angenommen (Papierende oder offline?)</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>das Gerät ist nicht mehr vorhanden</translation>
    </message>
    <message>
        <source>The reply is not a valid frame.</source>
        <translation>Die Antwort ist kein gültiger Rahmen.</translation>
    </message>
    <message>
        <source>More than %1 bytes arrived without a reply frame.</source>
        <translation>Mehr als %1 Byte kamen ohne Antwortrahmen an.</translation>
    </message>
    <message>
        <source>The reply is longer than the %1 bytes it may have.</source>
        <translation>Die Antwort ist länger als die zulässigen %1 Byte.</translation>
    </message>
    <message>
        <source>The reply line carries more than %1 CRs.</source>
        <translation>Die Antwortzeile enthält mehr als %1 CR-Zeichen.</translation>
    </message>
    <message>
        <source>The reply line is longer than %1 characters.</source>
        <translation>Die Antwortzeile ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>Gerät nicht vorhanden</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group dialout (then log in again)</source>
        <translation>Zugriff verweigert: Der Benutzer muss Mitglied der Gruppe dialout sein (danach neu anmelden)</translation>
    </message>
    <message>
        <source>not a serial port (COM1 to COM30, or a device path)</source>
        <translation>kein serieller Port (COM1 bis COM30 oder ein Gerätepfad)</translation>
    </message>
    <message>
        <source>the port did not send the data within %1 ms</source>
        <translation>der Port hat die Daten nicht innerhalb von %1 ms gesendet</translation>
    </message>
    <message>
        <source>no reply within %1 ms</source>
        <translation>keine Antwort innerhalb von %1 ms</translation>
    </message>
    <message>
        <source>connection refused (is the printer on and is the port right?)</source>
        <translation>Verbindung abgelehnt (ist der Drucker eingeschaltet und der Port richtig?)</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>Host nicht gefunden</translation>
    </message>
    <message>
        <source>timed out: no answer within %1 ms</source>
        <translation>Zeitüberschreitung: keine Antwort innerhalb von %1 ms</translation>
    </message>
    <message>
        <source>the printer closed the connection</source>
        <translation>der Drucker hat die Verbindung geschlossen</translation>
    </message>
    <message>
        <source>no printer address is set</source>
        <translation>keine Druckeradresse eingestellt</translation>
    </message>
    <message>
        <source>%1 is not a TCP port</source>
        <translation>%1 ist kein TCP-Port</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms</source>
        <translation>der Drucker hat %1 ms lang keine Daten angenommen</translation>
    </message>
    <message>
        <source>permission denied: install the udev rule 60-labelbench-printers.rules from packaging/ (see the README), then replug the printer</source>
        <translation>Zugriff verweigert: Installieren Sie die udev-Regel 60-labelbench-printers.rules aus packaging/ (siehe README) und stecken Sie den Drucker danach neu ein</translation>
    </message>
    <message>
        <source>USB cannot be used on this system</source>
        <translation>USB ist auf diesem System nicht verwendbar</translation>
    </message>
    <message>
        <source>the device has no printer interface</source>
        <translation>das Gerät hat keine Druckerschnittstelle</translation>
    </message>
    <message>
        <source>no device with an accepted vendor identifier (%1)</source>
        <translation>kein Gerät mit zulässiger Hersteller-ID (%1)</translation>
    </message>
    <message>
        <source>the device cannot be opened</source>
        <translation>das Gerät kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>abgebrochen</translation>
    </message>
    <message>
        <source>The list has more than %1 entries.</source>
        <translation>Die Liste hat mehr als %1 Einträge.</translation>
    </message>
    <message>
        <source>The list did not end within %1 s.</source>
        <translation>Die Liste endete nicht innerhalb von %1 s.</translation>
    </message>
    <message>
        <source>The list is longer than the %1 bytes it may have.</source>
        <translation>Die Liste ist länger als die zulässigen %1 Byte.</translation>
    </message>
</context>
<context>
    <name>lb::Outcome</name>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
</context>
<context>
    <name>lb::PrinterConfigurationPage</name>
    <message>
        <source>Configuration read (edition %1)</source>
        <translation>Konfiguration gelesen (Edition %1)</translation>
    </message>
    <message>
        <source>Configuration cleared</source>
        <translation>Konfiguration geleert</translation>
    </message>
    <message>
        <source>Page %1 not written</source>
        <translation>Seite %1 nicht geschrieben</translation>
    </message>
    <message>
        <source>Page %1 written: %2 settings</source>
        <translation>Seite %1 geschrieben: %2 Einstellungen</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Konfiguration in %1 gespeichert</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Konfiguration aus %1 geladen</translation>
    </message>
    <message>
        <source>Printer status: %1</source>
        <translation>Druckerstatus: %1</translation>
    </message>
    <message>
        <source>The entry %1 is unknown, missing or holds a value that cannot be used.</source>
        <translation>Der Eintrag %1 ist unbekannt, fehlt oder enthält einen unbrauchbaren Wert.</translation>
    </message>
    <message>
        <source>%1 holds a value a .json file cannot hold; nothing was saved.</source>
        <translation>%1 enthält einen Wert, den eine .json-Datei nicht aufnehmen kann; nichts wurde gespeichert.</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFiles</name>
    <message>
        <source>Type the printer file name.</source>
        <translation>Geben Sie den Namen der Druckerdatei ein.</translation>
    </message>
    <message>
        <source>The printer file name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>Der Name der Druckerdatei darf weder doppelte Anführungszeichen, Zeilenumbrüche oder andere Steuerzeichen noch Zeichen außerhalb von Latin-1 enthalten.</translation>
    </message>
    <message>
        <source>larger than %1 bytes, which is the most that can be sent</source>
        <translation>größer als %1 Byte, das Maximum, das gesendet werden kann</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>die Datei wurde während des Lesens geändert</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFunctionBox</name>
    <message>
        <source>Sensor calibration sent</source>
        <translation>Sensorkalibrierung gesendet</translation>
    </message>
    <message>
        <source>Network address settings sent</source>
        <translation>Einstellungen der Netzwerkadresse gesendet</translation>
    </message>
    <message>
        <source>Printer name sent</source>
        <translation>Druckername gesendet</translation>
    </message>
    <message>
        <source>Clock set</source>
        <translation>Uhr gestellt</translation>
    </message>
    <message>
        <source>Dump mode started</source>
        <translation>Dump-Modus gestartet</translation>
    </message>
    <message>
        <source>Send the text to be captured to the printer now, from the label program or the Command Tool, then press OK.</source>
        <translation>Senden Sie jetzt den aufzuzeichnenden Text an den Drucker, aus dem Etikettenprogramm oder dem Befehlstool, und drücken Sie dann OK.</translation>
    </message>
    <message>
        <source>The dump is empty: the printer captured no text.</source>
        <translation>Der Dump ist leer: Der Drucker hat keinen Text aufgezeichnet.</translation>
    </message>
    <message>
        <source>The dump is empty</source>
        <translation>Dump ist leer</translation>
    </message>
    <message>
        <source>Dump saved to %1 (%2 bytes)</source>
        <translation>Dump in %1 gespeichert (%2 Byte)</translation>
    </message>
    <message>
        <source>Factory default sent</source>
        <translation>Werkseinstellungen gesendet</translation>
    </message>
    <message>
        <source>Printer reset</source>
        <translation>Drucker zurückgesetzt</translation>
    </message>
    <message>
        <source>Test page sent</source>
        <translation>Testseite gesendet</translation>
    </message>
    <message>
        <source>Configuration page sent</source>
        <translation>Konfigurationsseite gesendet</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS sent</source>
        <translation>„AUTO.BAS ignorieren“ gesendet</translation>
    </message>
    <message>
        <source>Line mode left</source>
        <translation>Zeilenmodus beendet</translation>
    </message>
    <message>
        <source>Password changed</source>
        <translation>Passwort geändert</translation>
    </message>
</context>
<context>
    <name>lb::PrinterStatus</name>
    <message>
        <source>Printing</source>
        <translation>Druckt</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Paper Jam</source>
        <translation>Papierstau</translation>
    </message>
    <message>
        <source>Out of Paper</source>
        <translation>Papierende</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>Farbband-Encoderfehler</translation>
    </message>
    <message>
        <source>Out of Ribbon</source>
        <translation>Farbbandende</translation>
    </message>
    <message>
        <source>Other Error</source>
        <translation>Sonstiger Fehler</translation>
    </message>
    <message>
        <source>Head Open</source>
        <translation>Kopf offen</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
</context>
<context>
    <name>lb::Refusal</name>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation>%1: &apos;%2&apos; ist keine Zahl</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; ist keine Zahl</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is out of range</source>
        <translation>%1: &apos;%2&apos; liegt außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range</source>
        <translation>&apos;%1&apos; liegt außerhalb des Bereichs</translation>
    </message>
</context>
<context>
    <name>lb::SensorChart</name>
    <message>
        <source>Label</source>
        <translation>Etikett</translation>
    </message>
    <message>
        <source>Live %1</source>
        <translation>Aktuell %1</translation>
    </message>
    <message>
        <source>Intensity %1</source>
        <translation>Intensität %1</translation>
    </message>
    <message>
        <source>Threshold %1</source>
        <translation>Schwellwert %1</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensität</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>Noch keine Messwerte</translation>
    </message>
</context>
<context>
    <name>lb::TFormEthernetSetup</name>
    <message>
        <source>The printer name &quot;%1&quot; cannot be sent: the printer knows only Latin-1 characters.</source>
        <translation>Der Druckername &quot;%1&quot; kann nicht gesendet werden: Der Drucker kennt nur Latin-1-Zeichen.</translation>
    </message>
</context>
<context>
    <name>lb::TFormMain</name>
    <message>
        <source>Looking for the printer on %1…</source>
        <translation>Drucker wird über %1 gesucht…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>No printer answered on %1 — choose the interface and press Get, or start with --demo to try LabelBench</source>
        <translation>Kein Drucker hat über %1 geantwortet — Schnittstelle wählen und Lesen drücken, oder mit --demo starten, um LabelBench auszuprobieren</translation>
    </message>
</context>
<context>
    <name>lb::TFormNetSetup</name>
    <message>
        <source>The printer %1 returns to its factory settings.</source>
        <translation>Der Drucker %1 wird auf die Werkseinstellungen zurückgesetzt.</translation>
    </message>
    <message>
        <source>The request could not be sent on this computer&apos;s network; the printer has not been changed.</source>
        <translation>Die Anfrage konnte im Netzwerk dieses Computers nicht gesendet werden; der Drucker wurde nicht geändert.</translation>
    </message>
</context>
<context>
    <name>lb::TFormPassword</name>
    <message>
        <source>Incorrect</source>
        <translation>Passwort falsch</translation>
    </message>
</context>
<context>
    <name>lb::TFormPasswordSetup</name>
    <message>
        <source>Incorrect</source>
        <translation>Passwort falsch</translation>
    </message>
    <message>
        <source>The new password can have at most %1 characters, none of them a double quote or a control character (such as a line break, a tab or ESC).</source>
        <translation>Das neue Passwort darf höchstens %1 Zeichen haben, darunter kein doppeltes Anführungszeichen und kein Steuerzeichen (wie Zeilenumbruch, Tabulator oder ESC).</translation>
    </message>
</context>
<context>
    <name>lb::TFormPreviewFont</name>
    <message>
        <source>Build the page&apos;s font to see the bitmaps the printer will receive.</source>
        <translation>Erzeugen Sie die Schrift der Seite, um die Bitmaps zu sehen, die der Drucker erhält.</translation>
    </message>
    <message>
        <source>This is no font file the printer can use: %1</source>
        <translation>Dies ist keine für den Drucker verwendbare Schriftdatei: %1</translation>
    </message>
    <message>
        <source>variable pitch</source>
        <translation>variabler Zeichenabstand</translation>
    </message>
    <message>
        <source>fixed pitch</source>
        <translation>fester Zeichenabstand</translation>
    </message>
    <message>
        <source>double-byte codes</source>
        <translation>Doppelbyte-Codes</translation>
    </message>
    <message>
        <source>single-byte codes</source>
        <translation>Einzelbyte-Codes</translation>
    </message>
    <message>
        <source>%1 characters, cell %2 x %3 pixels, %4, %5</source>
        <translation>%1 Zeichen, Zelle %2 x %3 Pixel, %4, %5</translation>
    </message>
    <message>
        <source>Its glyphs are too many and too large to be drawn here.</source>
        <translation>Die Schrift hat zu viele und zu große Glyphen, um sie hier zu zeichnen.</translation>
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
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>printer clock agrees with this computer</source>
        <translation>Druckeruhr stimmt mit diesem Computer überein</translation>
    </message>
    <message>
        <source>printer clock %1 behind this computer</source>
        <translation>Druckeruhr geht gegenüber diesem Computer %1 nach</translation>
    </message>
    <message>
        <source>printer clock %1 ahead of this computer</source>
        <translation>Druckeruhr geht gegenüber diesem Computer %1 vor</translation>
    </message>
</context>
<context>
    <name>lb::TFormRs232Setup</name>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ungerade</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gerade</translation>
    </message>
</context>
<context>
    <name>lb::TFormSensorCalibrate</name>
    <message>
        <source>Calibrate</source>
        <translation>Kalibrieren</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Black mark</source>
        <translation>Schwarzmarke</translation>
    </message>
    <message>
        <source>Liner</source>
        <translation>Trägermaterial</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Can&apos;t calibration</source>
        <translation>Kalibrierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Put linner please</source>
        <translation>Bitte Trägermaterial einlegen</translation>
    </message>
    <message>
        <source>Put black mark please</source>
        <translation>Bitte Schwarzmarke unter den Sensor legen</translation>
    </message>
    <message>
        <source>Put label please</source>
        <translation>Bitte Etikett einlegen</translation>
    </message>
    <message>
        <source>Label and %1 lie closer than %2 at every level</source>
        <translation>Etikett und %1 liegen auf jeder Stufe näher als %2 beieinander</translation>
    </message>
    <message>
        <source>black mark</source>
        <translation>Schwarzmarke</translation>
    </message>
    <message>
        <source>liner</source>
        <translation>Trägermaterial</translation>
    </message>
    <message>
        <source>Calibration is complete</source>
        <translation>Kalibrierung abgeschlossen</translation>
    </message>
</context>
</TS>
