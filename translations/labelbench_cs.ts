<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs" sourcelanguage="en">
<context>
    <name>BitmapFontManagerPage</name>
    <message>
        <source>Font Select</source>
        <translation>Výběr fontu</translation>
    </message>
    <message>
        <source>Font Encode</source>
        <translation>Kódování fontu</translation>
    </message>
    <message>
        <source>Standard Encode</source>
        <translation>Standardní kódování</translation>
    </message>
    <message>
        <source>Asian Font Encode</source>
        <translation>Kódování asijských fontů</translation>
    </message>
    <message>
        <source>Encode by Table</source>
        <translation>Kódování podle tabulky</translation>
    </message>
    <message>
        <source>Encode by Table (Asian)</source>
        <translation>Kódování podle tabulky (asijské)</translation>
    </message>
    <message>
        <source>Font Pitch</source>
        <translation>Rozteč fontu</translation>
    </message>
    <message>
        <source>Fixed Pitch</source>
        <translation>Pevná rozteč</translation>
    </message>
    <message>
        <source>Variable Pitch</source>
        <translation>Proměnná rozteč</translation>
    </message>
    <message>
        <source>Windows Font Name</source>
        <translation>Název fontu Windows</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Velikost fontu</translation>
    </message>
    <message>
        <source>Printer Device</source>
        <translation>Paměť tiskárny</translation>
    </message>
    <message>
        <source>Character Set</source>
        <translation>Znaková sada</translation>
    </message>
    <message>
        <source>The code page in which the font&apos;s codes are read: the script its characters come from</source>
        <translation>Kódová stránka, ve které se čtou kódy fontu: písmo, z něhož pocházejí jeho znaky</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Vybrat font</translation>
    </message>
    <message>
        <source>Printer Font Name</source>
        <translation>Název fontu v tiskárně</translation>
    </message>
    <message>
        <source>Italic Width</source>
        <translation>Šířka kurzívy</translation>
    </message>
    <message>
        <source>Preview Font</source>
        <translation>Náhled fontu</translation>
    </message>
    <message>
        <source>Font Width</source>
        <translation>Šířka fontu</translation>
    </message>
    <message>
        <source>Font Height</source>
        <translation>Výška fontu</translation>
    </message>
    <message>
        <source>Font Mapping</source>
        <translation>Mapování fontu</translation>
    </message>
    <message>
        <source>Standard Mapping</source>
        <translation>Standardní mapování</translation>
    </message>
    <message>
        <source>Full ASCII Mapping</source>
        <translation>Úplné mapování ASCII</translation>
    </message>
    <message>
        <source>Custom Mapping</source>
        <translation>Vlastní mapování</translation>
    </message>
    <message>
        <source>Character Start ASCII</source>
        <translation>Počáteční znak ASCII</translation>
    </message>
    <message>
        <source>Character End ASCII</source>
        <translation>Koncový znak ASCII</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Čínština (tradiční)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Čínština (zjednodušená)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korejština</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonština</translation>
    </message>
    <message>
        <source>By File</source>
        <translation>Ze souboru</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Save Font</source>
        <translation>Uložit font</translation>
    </message>
    <message>
        <source>Download Font</source>
        <translation>Nahrát font</translation>
    </message>
</context>
<context>
    <name>CommandToolPage</name>
    <message>
        <source>Text encoding</source>
        <translation>Kódování textu</translation>
    </message>
    <message>
        <source>Show replies</source>
        <translation>Zobrazit odpovědi</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Odeslat soubor</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Odeslat</translation>
    </message>
</context>
<context>
    <name>ConfigurationWriter</name>
    <message>
        <source>%1 holds %2, which cannot be sent to the printer</source>
        <translation>%1 obsahuje %2, což nelze odeslat do tiskárny</translation>
    </message>
    <message>
        <source>%1 cannot be converted for the printer: the resolution %2 is not usable</source>
        <translation>%1 nelze převést pro tiskárnu: rozlišení %2 nelze použít</translation>
    </message>
</context>
<context>
    <name>FileManagerPage</name>
    <message>
        <source>File Download</source>
        <translation>Nahrání souboru</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Typ souboru</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Název souboru</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Velikost souboru</translation>
    </message>
    <message>
        <source>Memory Device</source>
        <translation>Paměť</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procházet</translation>
    </message>
    <message>
        <source>Font View</source>
        <translation>Zobrazit font</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Nahrát</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Informace o souborech</translation>
    </message>
    <message>
        <source>Physical Space</source>
        <translation>Celková kapacita</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Volné místo</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Přečíst</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>Formátování</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formátovat</translation>
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
        <translation>Konfigurace tiskárny</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Obecné</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Rychlost</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Sytost</translation>
    </message>
    <message>
        <source>Paper Width</source>
        <translation>Šířka papíru</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>palce</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Výška papíru</translation>
    </message>
    <message>
        <source>Media Sensor</source>
        <translation>Senzor média</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Mezera</translation>
    </message>
    <message>
        <source>Gap Offset</source>
        <translation>Offset mezery</translation>
    </message>
    <message>
        <source>Post-Print Action</source>
        <translation>Akce po tisku</translation>
    </message>
    <message>
        <source>Cut Piece</source>
        <translation>Kusů na řez</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Směr</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Shift X</source>
        <translation>Posun X</translation>
    </message>
    <message>
        <source>Shift Y</source>
        <translation>Posun Y</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Páska</translation>
    </message>
    <message>
        <source>Ribbon Sensor</source>
        <translation>Senzor pásky</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>Chyba enkodéru pásky</translation>
    </message>
    <message>
        <source>Code Page</source>
        <translation>Kódová stránka</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>Kód země</translation>
    </message>
    <message>
        <source>Head-up Sensor</source>
        <translation>Senzor hlavy</translation>
    </message>
    <message>
        <source>Reprint After Error</source>
        <translation>Opakovat tisk po chybě</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Maximální délka</translation>
    </message>
    <message>
        <source>Gap Inten.</source>
        <translation>Intenz. mezery</translation>
    </message>
    <message>
        <source>Bline Inten.</source>
        <translation>Intenz. č. značky</translation>
    </message>
    <message>
        <source>Continuous Inten.</source>
        <translation>Intenz. nekonečného</translation>
    </message>
    <message>
        <source>Threshold Detection</source>
        <translation>Detekce prahu</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Darkness</source>
        <translation>Tmavost</translation>
    </message>
    <message>
        <source>0 to 30</source>
        <translation>0 až 30</translation>
    </message>
    <message>
        <source>Print Speed</source>
        <translation>Rychlost tisku</translation>
    </message>
    <message>
        <source>Tear Off</source>
        <translation>Odtržení</translation>
    </message>
    <message>
        <source>-120 to 120</source>
        <translation>-120 až 120</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Režim tisku</translation>
    </message>
    <message>
        <source>Print Width</source>
        <translation>Šířka tisku</translation>
    </message>
    <message>
        <source>Control Prefix</source>
        <translation>Řídicí prefix</translation>
    </message>
    <message>
        <source>Format Prefix</source>
        <translation>Formátovací prefix</translation>
    </message>
    <message>
        <source>Delimiter Char</source>
        <translation>Oddělovač</translation>
    </message>
    <message>
        <source>Media Power Up</source>
        <translation>Akce po zapnutí</translation>
    </message>
    <message>
        <source>Head Close</source>
        <translation>Zavření hlavy</translation>
    </message>
    <message>
        <source>Label Top</source>
        <translation>Začátek etikety</translation>
    </message>
    <message>
        <source>Left Position</source>
        <translation>Levá pozice</translation>
    </message>
    <message>
        <source>-9999 to 9999</source>
        <translation>-9999 až 9999</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Ohřev</translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation>Šířka etikety</translation>
    </message>
    <message>
        <source>Present Sensor</source>
        <translation>Senzor přítomnosti</translation>
    </message>
    <message>
        <source>Cutter Equipped</source>
        <translation>Řezačka osazena</translation>
    </message>
    <message>
        <source>Control Codes</source>
        <translation>Řídicí kódy</translation>
    </message>
    <message>
        <source>Column Offset</source>
        <translation>Offset sloupce</translation>
    </message>
    <message>
        <source>Row Offset</source>
        <translation>Offset řádku</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Rozhraní</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Rychlost (Bd)</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>Datové bity</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parita</translation>
    </message>
    <message>
        <source>Stop Bit(s)</source>
        <translation>Stop bity</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Přečíst</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vymazat</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Nastavit</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Načíst</translation>
    </message>
    <message>
        <source>Printer Information</source>
        <translation>Informace o tiskárně</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Verze:</translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation>Sériové č.:</translation>
    </message>
    <message>
        <source>Check Sum:</source>
        <translation>Kontrolní součet:</translation>
    </message>
    <message>
        <source>Cutting Counter:</source>
        <translation>Počítadlo řezů:</translation>
    </message>
    <message>
        <source>Mileage:</source>
        <translation>Najeto:</translation>
    </message>
    <message>
        <source>Km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Printer Status</source>
        <translation>Stav tiskárny</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>Přečíst stav</translation>
    </message>
</context>
<context>
    <name>PrinterFunctionBox</name>
    <message>
        <source>Printer Function</source>
        <translation>Funkce tiskárny</translation>
    </message>
    <message>
        <source>Calibrate Sensor </source>
        <translation>Kalibrovat senzor </translation>
    </message>
    <message>
        <source>Ethernet Setup</source>
        <translation>Nastavení Ethernetu</translation>
    </message>
    <message>
        <source>RTC Setup</source>
        <translation>Nastavení RTC</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Tovární nastavení</translation>
    </message>
    <message>
        <source>Reset Printer</source>
        <translation>Reset tiskárny</translation>
    </message>
    <message>
        <source>Print Test Page</source>
        <translation>Tisk testovací stránky</translation>
    </message>
    <message>
        <source>Configuration Page</source>
        <translation>Konfigurační stránka</translation>
    </message>
    <message>
        <source>Dump Text</source>
        <translation>Výpis textu</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS</source>
        <translation>Ignorovat AUTO.BAS</translation>
    </message>
    <message>
        <source>Out of Line Mode</source>
        <translation>Ukončit řádkový režim</translation>
    </message>
    <message>
        <source>Password Setup</source>
        <translation>Nastavení hesla</translation>
    </message>
</context>
<context>
    <name>TFormDumpTextSetup</name>
    <message>
        <source>Dump Text Setup</source>
        <translation>Nastavení výpisu textu</translation>
    </message>
    <message>
        <source>Print Label</source>
        <translation>Tisk na etiketu</translation>
    </message>
    <message>
        <source>Save to SD Card</source>
        <translation>Uložit na SD kartu</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Uložit do souboru</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Název souboru:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Nastavit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>TFormEthernetSetup</name>
    <message>
        <source>Ethernet Setup</source>
        <translation>Nastavení Ethernetu</translation>
    </message>
    <message>
        <source>IP Setup</source>
        <translation>Nastavení IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Statická IP</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Maska podsítě:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Brána:</translation>
    </message>
    <message>
        <source>Printer Name:</source>
        <translation>Název tiskárny:</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>Adresa MAC:</translation>
    </message>
    <message>
        <source>Set Printer Name</source>
        <translation>Nastavit název tiskárny</translation>
    </message>
    <message>
        <source>Set IP</source>
        <translation>Nastavit IP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>TFormLPTSetup</name>
    <message>
        <source>LPT Setup</source>
        <translation>Nastavení LPT</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Nastavit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Language</source>
        <translation>Jazyk</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednotka</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>palce</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Rozhraní</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Nastavení</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>Konfigurace tiskárny</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Správce souborů</translation>
    </message>
    <message>
        <source>Bitmap Font Manager</source>
        <translation>Správce bitmapových fontů</translation>
    </message>
    <message>
        <source>Command Tool</source>
        <translation>Nástroj příkazů</translation>
    </message>
</context>
<context>
    <name>TFormNetSetup</name>
    <message>
        <source>Printer Name</source>
        <translation>Název tiskárny</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adresa IP</translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Discover Device</source>
        <translation>Vyhledat zařízení</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Tovární nastavení</translation>
    </message>
    <message>
        <source>Change IP Address</source>
        <translation>Změnit adresu IP</translation>
    </message>
    <message>
        <source>Web Setup</source>
        <translation>Webové nastavení</translation>
    </message>
    <message>
        <source>IP Setting</source>
        <translation>Nastavení IP</translation>
    </message>
    <message>
        <source>IP Address/Printer Name:</source>
        <translation>Adresa IP/název tiskárny:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zavřít</translation>
    </message>
</context>
<context>
    <name>TFormPassword</name>
    <message>
        <source>Password</source>
        <translation>Heslo</translation>
    </message>
    <message>
        <source>Please enter your password</source>
        <translation>Zadejte heslo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>TFormPasswordSetup</name>
    <message>
        <source>Password Setup</source>
        <translation>Nastavení hesla</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Staré heslo</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nové heslo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>TFormPreviewFont</name>
    <message>
        <source>Character Chart</source>
        <translation>Tabulka znaků</translation>
    </message>
    <message>
        <source>Built Font</source>
        <translation>Vytvořený font</translation>
    </message>
    <message>
        <source>Build from Page</source>
        <translation>Vytvořit ze stránky</translation>
    </message>
    <message>
        <source>Open Font File</source>
        <translation>Otevřít soubor fontu</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zavřít</translation>
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
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>TFormRTCSetup</name>
    <message>
        <source>RTC Setup</source>
        <translation>Nastavení RTC</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Rok:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Měsíc:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Den:</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Hodina:</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Minuta:</translation>
    </message>
    <message>
        <source>Second:</source>
        <translation>Sekunda:</translation>
    </message>
    <message>
        <source>Get System Time</source>
        <translation>Převzít systémový čas</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Nastavit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>TFormRs232Setup</name>
    <message>
        <source>RS232 Setup</source>
        <translation>Nastavení RS232</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>Port COM:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Rychlost (Bd):</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Datové bity:</translation>
    </message>
    <message>
        <source>Parity Check:</source>
        <translation>Parita:</translation>
    </message>
    <message>
        <source>Stop Bit(s):</source>
        <translation>Stop bity:</translation>
    </message>
    <message>
        <source>Hardware Handshaking:</source>
        <translation>HW řízení toku:</translation>
    </message>
    <message>
        <source>Software Handshaking:</source>
        <translation>SW řízení toku:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Nastavit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>TFormSensorCalibrate</name>
    <message>
        <source>Sensor Calibration</source>
        <translation>Kalibrace senzoru</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>Automatická kalibrace</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Výška papíru</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>palce</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Mezera</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Kalibrovat</translation>
    </message>
    <message>
        <source>Media Type</source>
        <translation>Typ média</translation>
    </message>
    <message>
        <source>GAP</source>
        <translation>MEZERA</translation>
    </message>
    <message>
        <source>Black Mark</source>
        <translation>Černá značka</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Nekonečné</translation>
    </message>
    <message>
        <source>Auto Selection</source>
        <translation>Automatický výběr</translation>
    </message>
    <message>
        <source>Manual Setup</source>
        <translation>Ruční nastavení</translation>
    </message>
    <message>
        <source>Sensor Intension</source>
        <translation>Intenzita senzoru</translation>
    </message>
    <message>
        <source>Threshold Value</source>
        <translation>Prahová hodnota</translation>
    </message>
    <message>
        <source>Reading Intension</source>
        <translation>Intenzita čtení</translation>
    </message>
    <message>
        <source>Current Reading</source>
        <translation>Aktuální hodnota</translation>
    </message>
    <message>
        <source>Label Reading</source>
        <translation>Hodnota etikety</translation>
    </message>
    <message>
        <source>Gap Reading</source>
        <translation>Hodnota mezery</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Nastavit</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibrace</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>lb::BitmapFontManagerPage</name>
    <message>
        <source>%1 has no characters of the character set %2: the font&apos;s cells would come out empty or drawn in another font.</source>
        <translation>%1 neobsahuje žádné znaky znakové sady %2: buňky fontu by zůstaly prázdné nebo by se vykreslily jiným fontem.</translation>
    </message>
    <message>
        <source>Build the font all the same?</source>
        <translation>Přesto font vytvořit?</translation>
    </message>
    <message>
        <source>The table file could not be opened.</source>
        <translation>Soubor tabulky nelze otevřít.</translation>
    </message>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>Znak %1 nelze uložit v kódování %2. Nic nebylo uloženo.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Soubor nelze uložit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ticked, but no table file has been loaded.</source>
        <translation>&quot;%1&quot; je zaškrtnuto, ale nebyl načten žádný soubor tabulky.</translation>
    </message>
    <message>
        <source>The table file %1 cannot be read, is larger than %2 bytes or holds no character.</source>
        <translation>Soubor tabulky %1 nelze přečíst, je větší než %2 bajtů nebo neobsahuje žádný znak.</translation>
    </message>
    <message>
        <source>The encode table&apos;s character %1 has no code in %2.</source>
        <translation>Znak %1 kódovací tabulky nemá v kódování %2 žádný kód.</translation>
    </message>
    <message>
        <source>The encode table is larger than %1 bytes.</source>
        <translation>Kódovací tabulka je větší než %1 bajtů.</translation>
    </message>
    <message>
        <source>The encode table is empty.</source>
        <translation>Kódovací tabulka je prázdná.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>Pole &quot;%1&quot; je prázdné.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must lie between 0 and 255.</source>
        <translation>&quot;%1&quot; musí být v rozsahu 0 až 255.</translation>
    </message>
    <message>
        <source>No code page is chosen in &quot;%1&quot;.</source>
        <translation>V &quot;%1&quot; není vybrána žádná kódová stránka.</translation>
    </message>
    <message>
        <source>The encode table holds no double-byte character.</source>
        <translation>Kódovací tabulka neobsahuje žádný dvoubajtový znak.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not be negative.</source>
        <translation>Hodnota &quot;%1&quot; nesmí být záporná.</translation>
    </message>
</context>
<context>
    <name>lb::CommandText</name>
    <message>
        <source>Western</source>
        <translation>Západoevropské</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Čínština (tradiční)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Čínština (zjednodušená)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonština</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korejština</translation>
    </message>
</context>
<context>
    <name>lb::CommandToolPage</name>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>Znak %1 nelze uložit v kódování %2. Nic nebylo uloženo.</translation>
    </message>
    <message>
        <source>The character %1 cannot be sent in %2. Nothing was sent.</source>
        <translation>Znak %1 nelze odeslat v kódování %2. Nic nebylo odesláno.</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>Žádná odpověď.</translation>
    </message>
    <message>
        <source>The file does not fit in the editor, which holds at most %1 characters. Nothing was added.</source>
        <translation>Soubor se nevejde do editoru, který pojme nejvýše %1 znaků. Nic nebylo přidáno.</translation>
    </message>
    <message>
        <source>Some bytes of the file are no %1 text: they show as �.</source>
        <translation>Některé bajty souboru nejsou text v kódování %1: zobrazují se jako �.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Soubor nelze uložit.</translation>
    </message>
</context>
<context>
    <name>lb::FileManagerPage</name>
    <message>
        <source>%1 downloaded to %2 (%3 bytes)</source>
        <translation>Soubor %1 nahrán do paměti %2 (%3 B)</translation>
    </message>
    <message>
        <source>%1 sent (%2 bytes)</source>
        <translation>Soubor %1 odeslán (%2 B)</translation>
    </message>
    <message>
        <source>Memory information read</source>
        <translation>Informace o paměti přečteny</translation>
    </message>
    <message>
        <source>Every file in %1 will be deleted.</source>
        <translation>Všechny soubory v paměti %1 budou smazány.</translation>
    </message>
    <message>
        <source>%1 formatted</source>
        <translation>Paměť %1 naformátována</translation>
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
        <translation>Středoevropské</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cyrilice</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Řecké</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turecké</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebrejské</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabské</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Baltské</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamské</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Thajské</translation>
    </message>
</context>
<context>
    <name>lb::FontRules</name>
    <message>
        <source>Type the printer font name.</source>
        <translation>Zadejte název fontu v tiskárně.</translation>
    </message>
    <message>
        <source>The printer font name has %1 characters; at most %2 fit.</source>
        <translation>Název fontu v tiskárně má %1 znaků; povoleno je nejvýše %2.</translation>
    </message>
    <message>
        <source>The printer font name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>Název fontu v tiskárně nesmí obsahovat dvojitou uvozovku, konec řádku ani jiný řídicí znak, ani znak mimo Latin-1.</translation>
    </message>
</context>
<context>
    <name>lb::Language</name>
    <message>
        <source>English</source>
        <translation>Angličtina</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Tradiční čínština</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Zjednodušená čínština</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonština</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Španělština</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugalština</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Němčina</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francouzština</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italština</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Ruština</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polština</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litevština</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Čeština</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrajinština</translation>
    </message>
</context>
<context>
    <name>lb::Link</name>
    <message>
        <source>LPT: the parallel port cannot read.</source>
        <translation>LPT: paralelní port neumí číst.</translation>
    </message>
    <message>
        <source>not a parallel port (LPT1 to LPT4, or a device path)</source>
        <translation>není paralelní port (LPT1 až LPT4 nebo cesta k zařízení)</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group lp (then log in again)</source>
        <translation>přístup odepřen: uživatel musí být ve skupině lp (pak se znovu přihlaste)</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>používá jiný program</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms (out of paper, or off line?)</source>
        <translation>tiskárna nepřijala data po dobu %1 ms (došel papír, nebo je offline?)</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>zařízení již není připojeno</translation>
    </message>
    <message>
        <source>The reply is not a valid frame.</source>
        <translation>Odpověď není platný rámec.</translation>
    </message>
    <message>
        <source>More than %1 bytes arrived without a reply frame.</source>
        <translation>Přišlo více než %1 bajtů bez rámce odpovědi.</translation>
    </message>
    <message>
        <source>The reply is longer than the %1 bytes it may have.</source>
        <translation>Odpověď je delší než povolených %1 bajtů.</translation>
    </message>
    <message>
        <source>The reply line carries more than %1 CRs.</source>
        <translation>Řádek odpovědi obsahuje více než %1 znaků CR.</translation>
    </message>
    <message>
        <source>The reply line is longer than %1 characters.</source>
        <translation>Řádek odpovědi je delší než %1 znaků.</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>zařízení neexistuje</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group dialout (then log in again)</source>
        <translation>přístup odepřen: uživatel musí být ve skupině dialout (pak se znovu přihlaste)</translation>
    </message>
    <message>
        <source>not a serial port (COM1 to COM30, or a device path)</source>
        <translation>není sériový port (COM1 až COM30 nebo cesta k zařízení)</translation>
    </message>
    <message>
        <source>the port did not send the data within %1 ms</source>
        <translation>port neodeslal data do %1 ms</translation>
    </message>
    <message>
        <source>no reply within %1 ms</source>
        <translation>žádná odpověď do %1 ms</translation>
    </message>
    <message>
        <source>connection refused (is the printer on and is the port right?)</source>
        <translation>spojení odmítnuto (je tiskárna zapnutá a port správný?)</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>hostitel nenalezen</translation>
    </message>
    <message>
        <source>timed out: no answer within %1 ms</source>
        <translation>vypršel časový limit: žádná odpověď do %1 ms</translation>
    </message>
    <message>
        <source>the printer closed the connection</source>
        <translation>tiskárna ukončila spojení</translation>
    </message>
    <message>
        <source>no printer address is set</source>
        <translation>není nastavena adresa tiskárny</translation>
    </message>
    <message>
        <source>%1 is not a TCP port</source>
        <translation>%1 není port TCP</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms</source>
        <translation>tiskárna nepřijala data po dobu %1 ms</translation>
    </message>
    <message>
        <source>permission denied: install the udev rule 60-labelbench-printers.rules from packaging/ (see the README), then replug the printer</source>
        <translation>přístup odepřen: nainstalujte pravidlo udev 60-labelbench-printers.rules z packaging/ (viz README) a tiskárnu znovu připojte</translation>
    </message>
    <message>
        <source>USB cannot be used on this system</source>
        <translation>USB nelze v tomto systému použít</translation>
    </message>
    <message>
        <source>the device has no printer interface</source>
        <translation>zařízení nemá rozhraní tiskárny</translation>
    </message>
    <message>
        <source>no device with an accepted vendor identifier (%1)</source>
        <translation>žádné zařízení s povoleným identifikátorem výrobce (%1)</translation>
    </message>
    <message>
        <source>the device cannot be opened</source>
        <translation>zařízení nelze otevřít</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>zrušeno</translation>
    </message>
    <message>
        <source>The list has more than %1 entries.</source>
        <translation>Seznam má více než %1 položek.</translation>
    </message>
    <message>
        <source>The list did not end within %1 s.</source>
        <translation>Seznam neskončil do %1 s.</translation>
    </message>
    <message>
        <source>The list is longer than the %1 bytes it may have.</source>
        <translation>Seznam je delší než povolených %1 bajtů.</translation>
    </message>
</context>
<context>
    <name>lb::Outcome</name>
    <message>
        <source>Cancelled</source>
        <translation>Zrušeno</translation>
    </message>
</context>
<context>
    <name>lb::PrinterConfigurationPage</name>
    <message>
        <source>Configuration read (edition %1)</source>
        <translation>Konfigurace přečtena (edice %1)</translation>
    </message>
    <message>
        <source>Configuration cleared</source>
        <translation>Konfigurace vymazána</translation>
    </message>
    <message>
        <source>Page %1 not written</source>
        <translation>Stránka %1 nebyla zapsána</translation>
    </message>
    <message>
        <source>Page %1 written: %2 settings</source>
        <translation>Stránka %1 zapsána: %2 nastavení</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Konfigurace uložena do %1</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Konfigurace načtena z %1</translation>
    </message>
    <message>
        <source>Printer status: %1</source>
        <translation>Stav tiskárny: %1</translation>
    </message>
    <message>
        <source>The entry %1 is unknown, missing or holds a value that cannot be used.</source>
        <translation>Položka %1 je neznámá, chybí nebo obsahuje nepoužitelnou hodnotu.</translation>
    </message>
    <message>
        <source>%1 holds a value a .json file cannot hold; nothing was saved.</source>
        <translation>%1 obsahuje hodnotu, kterou soubor .json nemůže obsahovat; nic nebylo uloženo.</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFiles</name>
    <message>
        <source>Type the printer file name.</source>
        <translation>Zadejte název souboru v tiskárně.</translation>
    </message>
    <message>
        <source>The printer file name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>Název souboru v tiskárně nesmí obsahovat dvojitou uvozovku, konec řádku ani jiný řídicí znak, ani znak mimo Latin-1.</translation>
    </message>
    <message>
        <source>larger than %1 bytes, which is the most that can be sent</source>
        <translation>větší než %1 bajtů, což je nejvíce, co lze odeslat</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>soubor se během čtení změnil</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFunctionBox</name>
    <message>
        <source>Sensor calibration sent</source>
        <translation>Kalibrace senzoru odeslána</translation>
    </message>
    <message>
        <source>Network address settings sent</source>
        <translation>Nastavení síťové adresy odesláno</translation>
    </message>
    <message>
        <source>Printer name sent</source>
        <translation>Název tiskárny odeslán</translation>
    </message>
    <message>
        <source>Clock set</source>
        <translation>Hodiny nastaveny</translation>
    </message>
    <message>
        <source>Dump mode started</source>
        <translation>Výpis textu spuštěn</translation>
    </message>
    <message>
        <source>Send the text to be captured to the printer now, from the label program or the Command Tool, then press OK.</source>
        <translation>Nyní odešlete do tiskárny text, který se má zachytit, z programu pro tisk etiket nebo z Nástroje příkazů, a pak stiskněte OK.</translation>
    </message>
    <message>
        <source>The dump is empty: the printer captured no text.</source>
        <translation>Výpis je prázdný: tiskárna nezachytila žádný text.</translation>
    </message>
    <message>
        <source>The dump is empty</source>
        <translation>Výpis je prázdný</translation>
    </message>
    <message>
        <source>Dump saved to %1 (%2 bytes)</source>
        <translation>Výpis uložen do %1 (%2 B)</translation>
    </message>
    <message>
        <source>Factory default sent</source>
        <translation>Tovární nastavení odesláno</translation>
    </message>
    <message>
        <source>Printer reset</source>
        <translation>Tiskárna resetována</translation>
    </message>
    <message>
        <source>Test page sent</source>
        <translation>Testovací stránka odeslána</translation>
    </message>
    <message>
        <source>Configuration page sent</source>
        <translation>Konfigurační stránka odeslána</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS sent</source>
        <translation>Příkaz „Ignorovat AUTO.BAS“ odeslán</translation>
    </message>
    <message>
        <source>Line mode left</source>
        <translation>Řádkový režim ukončen</translation>
    </message>
    <message>
        <source>Password changed</source>
        <translation>Heslo změněno</translation>
    </message>
</context>
<context>
    <name>lb::PrinterStatus</name>
    <message>
        <source>Printing</source>
        <translation>Tiskne</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Paper Jam</source>
        <translation>Zaseknutý papír</translation>
    </message>
    <message>
        <source>Out of Paper</source>
        <translation>Došel papír</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>Chyba enkodéru pásky</translation>
    </message>
    <message>
        <source>Out of Ribbon</source>
        <translation>Došla páska</translation>
    </message>
    <message>
        <source>Other Error</source>
        <translation>Jiná chyba</translation>
    </message>
    <message>
        <source>Head Open</source>
        <translation>Otevřená hlava</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Připraveno</translation>
    </message>
</context>
<context>
    <name>lb::Refusal</name>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation>%1: &apos;%2&apos; není číslo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; není číslo</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is out of range</source>
        <translation>%1: &apos;%2&apos; je mimo rozsah</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range</source>
        <translation>&apos;%1&apos; je mimo rozsah</translation>
    </message>
</context>
<context>
    <name>lb::SensorChart</name>
    <message>
        <source>Label</source>
        <translation>Etiketa</translation>
    </message>
    <message>
        <source>Live %1</source>
        <translation>Aktuální %1</translation>
    </message>
    <message>
        <source>Intensity %1</source>
        <translation>Intenzita %1</translation>
    </message>
    <message>
        <source>Threshold %1</source>
        <translation>Práh %1</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intenzita</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>Zatím žádné hodnoty</translation>
    </message>
</context>
<context>
    <name>lb::TFormEthernetSetup</name>
    <message>
        <source>The printer name &quot;%1&quot; cannot be sent: the printer knows only Latin-1 characters.</source>
        <translation>Název tiskárny &quot;%1&quot; nelze odeslat: tiskárna zná pouze znaky Latin-1.</translation>
    </message>
</context>
<context>
    <name>lb::TFormMain</name>
    <message>
        <source>Looking for the printer on %1…</source>
        <translation>Hledání tiskárny na %1…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Zrušeno</translation>
    </message>
    <message>
        <source>No printer answered on %1 — choose the interface and press Get, or start with --demo to try LabelBench</source>
        <translation>Na %1 neodpověděla žádná tiskárna — zvolte rozhraní a stiskněte Přečíst, nebo spusťte s --demo a vyzkoušejte LabelBench</translation>
    </message>
</context>
<context>
    <name>lb::TFormNetSetup</name>
    <message>
        <source>The printer %1 returns to its factory settings.</source>
        <translation>Tiskárna %1 se vrátí do továrního nastavení.</translation>
    </message>
    <message>
        <source>The request could not be sent on this computer&apos;s network; the printer has not been changed.</source>
        <translation>Požadavek nelze odeslat v síti tohoto počítače; tiskárna nebyla změněna.</translation>
    </message>
</context>
<context>
    <name>lb::TFormPassword</name>
    <message>
        <source>Incorrect</source>
        <translation>Nesprávné heslo</translation>
    </message>
</context>
<context>
    <name>lb::TFormPasswordSetup</name>
    <message>
        <source>Incorrect</source>
        <translation>Nesprávné heslo</translation>
    </message>
    <message>
        <source>The new password can have at most %1 characters, none of them a double quote or a control character (such as a line break, a tab or ESC).</source>
        <translation>Nové heslo může mít nejvýše %1 znaků a žádný z nich nesmí být dvojitá uvozovka ani řídicí znak (například konec řádku, tabulátor nebo ESC).</translation>
    </message>
</context>
<context>
    <name>lb::TFormPreviewFont</name>
    <message>
        <source>Build the page&apos;s font to see the bitmaps the printer will receive.</source>
        <translation>Vytvořte font stránky, abyste viděli bitmapy, které tiskárna obdrží.</translation>
    </message>
    <message>
        <source>This is no font file the printer can use: %1</source>
        <translation>Toto není soubor fontu, který může tiskárna použít: %1</translation>
    </message>
    <message>
        <source>variable pitch</source>
        <translation>proměnná rozteč</translation>
    </message>
    <message>
        <source>fixed pitch</source>
        <translation>pevná rozteč</translation>
    </message>
    <message>
        <source>double-byte codes</source>
        <translation>dvoubajtové kódy</translation>
    </message>
    <message>
        <source>single-byte codes</source>
        <translation>jednobajtové kódy</translation>
    </message>
    <message>
        <source>%1 characters, cell %2 x %3 pixels, %4, %5</source>
        <translation>Počet znaků: %1, buňka %2 x %3 px, %4, %5</translation>
    </message>
    <message>
        <source>Its glyphs are too many and too large to be drawn here.</source>
        <translation>Glyfů je příliš mnoho a jsou příliš velké na to, aby se zde daly vykreslit.</translation>
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
        <translation>%1 d</translation>
    </message>
    <message>
        <source>printer clock agrees with this computer</source>
        <translation>hodiny tiskárny souhlasí s tímto počítačem</translation>
    </message>
    <message>
        <source>printer clock %1 behind this computer</source>
        <translation>hodiny tiskárny jdou o %1 pozadu oproti tomuto počítači</translation>
    </message>
    <message>
        <source>printer clock %1 ahead of this computer</source>
        <translation>hodiny tiskárny jdou o %1 napřed oproti tomuto počítači</translation>
    </message>
</context>
<context>
    <name>lb::TFormRs232Setup</name>
    <message>
        <source>None</source>
        <translation>Žádná</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Lichá</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Sudá</translation>
    </message>
</context>
<context>
    <name>lb::TFormSensorCalibrate</name>
    <message>
        <source>Calibrate</source>
        <translation>Kalibrovat</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Další</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>palce</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Black mark</source>
        <translation>Černá značka</translation>
    </message>
    <message>
        <source>Liner</source>
        <translation>Podklad</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Médium</translation>
    </message>
    <message>
        <source>Can&apos;t calibration</source>
        <translation>Kalibrace se nezdařila</translation>
    </message>
    <message>
        <source>Put linner please</source>
        <translation>Vložte prosím podklad</translation>
    </message>
    <message>
        <source>Put black mark please</source>
        <translation>Vložte prosím černou značku</translation>
    </message>
    <message>
        <source>Put label please</source>
        <translation>Vložte prosím etiketu</translation>
    </message>
    <message>
        <source>Label and %1 lie closer than %2 at every level</source>
        <translation>Etiketa a %1 se na všech úrovních liší méně než o %2</translation>
    </message>
    <message>
        <source>black mark</source>
        <translation>černá značka</translation>
    </message>
    <message>
        <source>liner</source>
        <translation>podklad</translation>
    </message>
    <message>
        <source>Calibration is complete</source>
        <translation>Kalibrace je dokončena</translation>
    </message>
</context>
</TS>
