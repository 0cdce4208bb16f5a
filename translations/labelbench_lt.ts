<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt" sourcelanguage="en">
<context>
    <name>BitmapFontManagerPage</name>
    <message>
        <source>Font Select</source>
        <translation>Šrifto pasirinkimas</translation>
    </message>
    <message>
        <source>Font Encode</source>
        <translation>Šrifto kodavimas</translation>
    </message>
    <message>
        <source>Standard Encode</source>
        <translation>Standartinis kodavimas</translation>
    </message>
    <message>
        <source>Asian Font Encode</source>
        <translation>Azijinis kodavimas</translation>
    </message>
    <message>
        <source>Encode by Table</source>
        <translation>Kodavimas pagal lentelę</translation>
    </message>
    <message>
        <source>Encode by Table (Asian)</source>
        <translation>Kodavimas pagal lentelę (azijinis)</translation>
    </message>
    <message>
        <source>Font Pitch</source>
        <translation>Šrifto žingsnis</translation>
    </message>
    <message>
        <source>Fixed Pitch</source>
        <translation>Pastovus žingsnis</translation>
    </message>
    <message>
        <source>Variable Pitch</source>
        <translation>Kintamas žingsnis</translation>
    </message>
    <message>
        <source>Windows Font Name</source>
        <translation>Windows šriftas</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Šrifto dydis</translation>
    </message>
    <message>
        <source>Printer Device</source>
        <translation>Spausdintuvo atmintis</translation>
    </message>
    <message>
        <source>Character Set</source>
        <translation>Simbolių rinkinys</translation>
    </message>
    <message>
        <source>The code page in which the font&apos;s codes are read: the script its characters come from</source>
        <translation>Kodų puslapis, pagal kurį skaitomi šrifto kodai: rašto sistema, iš kurios paimti jo simboliai</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Pasirinkti šriftą</translation>
    </message>
    <message>
        <source>Printer Font Name</source>
        <translation>Spausdintuvo šrifto pavadinimas</translation>
    </message>
    <message>
        <source>Italic Width</source>
        <translation>Kursyvo plotis</translation>
    </message>
    <message>
        <source>Preview Font</source>
        <translation>Šrifto peržiūra</translation>
    </message>
    <message>
        <source>Font Width</source>
        <translation>Šrifto plotis</translation>
    </message>
    <message>
        <source>Font Height</source>
        <translation>Šrifto aukštis</translation>
    </message>
    <message>
        <source>Font Mapping</source>
        <translation>Simbolių susiejimas</translation>
    </message>
    <message>
        <source>Standard Mapping</source>
        <translation>Standartinis susiejimas</translation>
    </message>
    <message>
        <source>Full ASCII Mapping</source>
        <translation>Viso ASCII susiejimas</translation>
    </message>
    <message>
        <source>Custom Mapping</source>
        <translation>Pasirinktinis susiejimas</translation>
    </message>
    <message>
        <source>Character Start ASCII</source>
        <translation>Pirmasis ASCII simbolis</translation>
    </message>
    <message>
        <source>Character End ASCII</source>
        <translation>Paskutinis ASCII simbolis</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Tradicinė kinų</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Supaprastinta kinų</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korėjiečių</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonų</translation>
    </message>
    <message>
        <source>By File</source>
        <translation>Iš failo</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Įkelti</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Įrašyti</translation>
    </message>
    <message>
        <source>Save Font</source>
        <translation>Įrašyti šriftą</translation>
    </message>
    <message>
        <source>Download Font</source>
        <translation>Siųsti šriftą</translation>
    </message>
</context>
<context>
    <name>CommandToolPage</name>
    <message>
        <source>Text encoding</source>
        <translation>Teksto koduotė</translation>
    </message>
    <message>
        <source>Show replies</source>
        <translation>Rodyti atsakymus</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Įkelti</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Įrašyti</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Siųsti failą</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Siųsti</translation>
    </message>
</context>
<context>
    <name>ConfigurationWriter</name>
    <message>
        <source>%1 holds %2, which cannot be sent to the printer</source>
        <translation>%1 turi reikšmę %2, kurios negalima išsiųsti į spausdintuvą</translation>
    </message>
    <message>
        <source>%1 cannot be converted for the printer: the resolution %2 is not usable</source>
        <translation>%1 negalima perskaičiuoti spausdintuvui: skyra %2 netinkama</translation>
    </message>
</context>
<context>
    <name>FileManagerPage</name>
    <message>
        <source>File Download</source>
        <translation>Failo siuntimas</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Failo tipas</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Failo vardas</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Failo dydis</translation>
    </message>
    <message>
        <source>Memory Device</source>
        <translation>Atmintis</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Naršyti</translation>
    </message>
    <message>
        <source>Font View</source>
        <translation>Šriftų rodinys</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Siųsti</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Failų informacija</translation>
    </message>
    <message>
        <source>Physical Space</source>
        <translation>Talpa</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Laisva vieta</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Nuskaityti</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>Formatavimas</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formatuoti</translation>
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
        <translation>Spausdintuvo konfigūracija</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Bendra</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Greitis</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Tankis</translation>
    </message>
    <message>
        <source>Paper Width</source>
        <translation>Popieriaus plotis</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>coliai</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Popieriaus aukštis</translation>
    </message>
    <message>
        <source>Media Sensor</source>
        <translation>Medžiagos jutiklis</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Tarpas</translation>
    </message>
    <message>
        <source>Gap Offset</source>
        <translation>Tarpo poslinkis</translation>
    </message>
    <message>
        <source>Post-Print Action</source>
        <translation>Po spausdinimo</translation>
    </message>
    <message>
        <source>Cut Piece</source>
        <translation>Pjauti kas</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Atskaita</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Kryptis</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Poslinkis</translation>
    </message>
    <message>
        <source>Shift X</source>
        <translation>Postūmis X</translation>
    </message>
    <message>
        <source>Shift Y</source>
        <translation>Postūmis Y</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Juostelė</translation>
    </message>
    <message>
        <source>Ribbon Sensor</source>
        <translation>Juostelės jutiklis</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>Juostelės enkoderio klaida.</translation>
    </message>
    <message>
        <source>Code Page</source>
        <translation>Kodų puslapis</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>Šalies kodas</translation>
    </message>
    <message>
        <source>Head-up Sensor</source>
        <translation>Galvutės jutiklis</translation>
    </message>
    <message>
        <source>Reprint After Error</source>
        <translation>Kartoti po klaidos</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Didžiausias ilgis</translation>
    </message>
    <message>
        <source>Gap Inten.</source>
        <translation>Tarpo intens.</translation>
    </message>
    <message>
        <source>Bline Inten.</source>
        <translation>Juod. žymės intens.</translation>
    </message>
    <message>
        <source>Continuous Inten.</source>
        <translation>Ištisinės intens.</translation>
    </message>
    <message>
        <source>Threshold Detection</source>
        <translation>Slenksčio nustatymas</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Darkness</source>
        <translation>Tamsumas</translation>
    </message>
    <message>
        <source>0 to 30</source>
        <translation>nuo 0 iki 30</translation>
    </message>
    <message>
        <source>Print Speed</source>
        <translation>Spausdinimo greitis</translation>
    </message>
    <message>
        <source>Tear Off</source>
        <translation>Nuplėšimas</translation>
    </message>
    <message>
        <source>-120 to 120</source>
        <translation>nuo -120 iki 120</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Spausdinimo režimas</translation>
    </message>
    <message>
        <source>Print Width</source>
        <translation>Spausdinimo plotis</translation>
    </message>
    <message>
        <source>Control Prefix</source>
        <translation>Valdymo prefiksas</translation>
    </message>
    <message>
        <source>Format Prefix</source>
        <translation>Formato prefiksas</translation>
    </message>
    <message>
        <source>Delimiter Char</source>
        <translation>Skirtuko simbolis</translation>
    </message>
    <message>
        <source>Media Power Up</source>
        <translation>Įjungus maitinimą</translation>
    </message>
    <message>
        <source>Head Close</source>
        <translation>Uždarius galvutę</translation>
    </message>
    <message>
        <source>Label Top</source>
        <translation>Etiketės viršus</translation>
    </message>
    <message>
        <source>Left Position</source>
        <translation>Padėtis iš kairės</translation>
    </message>
    <message>
        <source>-9999 to 9999</source>
        <translation>nuo -9999 iki 9999</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Kaitinimas</translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation>Etiketės plotis</translation>
    </message>
    <message>
        <source>Present Sensor</source>
        <translation>Buvimo jutiklis</translation>
    </message>
    <message>
        <source>Cutter Equipped</source>
        <translation>Su pjaustytuvu</translation>
    </message>
    <message>
        <source>Control Codes</source>
        <translation>Valdymo kodai</translation>
    </message>
    <message>
        <source>Column Offset</source>
        <translation>Stulp. poslinkis</translation>
    </message>
    <message>
        <source>Row Offset</source>
        <translation>Eil. poslinkis</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Sąsaja</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Perdavimo sparta</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>Duomenų bitai</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Lyginumas</translation>
    </message>
    <message>
        <source>Stop Bit(s)</source>
        <translation>Stabdos bitai</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Nuskaityti</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Išvalyti</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Nustatyti</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Įrašyti</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Įkelti</translation>
    </message>
    <message>
        <source>Printer Information</source>
        <translation>Spausdintuvo informacija</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versija:</translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation>Serijos Nr.:</translation>
    </message>
    <message>
        <source>Check Sum:</source>
        <translation>Kontrolinė suma:</translation>
    </message>
    <message>
        <source>Cutting Counter:</source>
        <translation>Pjūvių skaitiklis:</translation>
    </message>
    <message>
        <source>Mileage:</source>
        <translation>Rida:</translation>
    </message>
    <message>
        <source>Km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Printer Status</source>
        <translation>Spausdintuvo būsena</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>Nuskaityti būseną</translation>
    </message>
</context>
<context>
    <name>PrinterFunctionBox</name>
    <message>
        <source>Printer Function</source>
        <translation>Spausdintuvo funkcijos</translation>
    </message>
    <message>
        <source>Calibrate Sensor </source>
        <translation>Kalibruoti jutiklį </translation>
    </message>
    <message>
        <source>Ethernet Setup</source>
        <translation>Ethernet nustatymai</translation>
    </message>
    <message>
        <source>RTC Setup</source>
        <translation>RTC nustatymai</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Gamykliniai nustatymai</translation>
    </message>
    <message>
        <source>Reset Printer</source>
        <translation>Perkrauti spausdintuvą</translation>
    </message>
    <message>
        <source>Print Test Page</source>
        <translation>Bandomasis lapas</translation>
    </message>
    <message>
        <source>Configuration Page</source>
        <translation>Konfigūracijos lapas</translation>
    </message>
    <message>
        <source>Dump Text</source>
        <translation>Išklotinės režimas</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS</source>
        <translation>Ignoruoti AUTO.BAS</translation>
    </message>
    <message>
        <source>Out of Line Mode</source>
        <translation>Išjungti eilutės režimą</translation>
    </message>
    <message>
        <source>Password Setup</source>
        <translation>Slaptažodžio nustatymas</translation>
    </message>
</context>
<context>
    <name>TFormDumpTextSetup</name>
    <message>
        <source>Dump Text Setup</source>
        <translation>Išklotinės nustatymai</translation>
    </message>
    <message>
        <source>Print Label</source>
        <translation>Spausdinti etiketėse</translation>
    </message>
    <message>
        <source>Save to SD Card</source>
        <translation>Įrašyti į SD kortelę</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Įrašyti į failą</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Failo vardas:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Nustatyti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>TFormEthernetSetup</name>
    <message>
        <source>Ethernet Setup</source>
        <translation>Ethernet nustatymai</translation>
    </message>
    <message>
        <source>IP Setup</source>
        <translation>IP nustatymai</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Statinis IP</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Potinklio kaukė:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Šliuzas:</translation>
    </message>
    <message>
        <source>Printer Name:</source>
        <translation>Spausdintuvo vardas:</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>MAC adresas:</translation>
    </message>
    <message>
        <source>Set Printer Name</source>
        <translation>Nustatyti vardą</translation>
    </message>
    <message>
        <source>Set IP</source>
        <translation>Nustatyti IP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>TFormLPTSetup</name>
    <message>
        <source>LPT Setup</source>
        <translation>LPT nustatymai</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Nustatyti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Language</source>
        <translation>Kalba</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Vienetai</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>coliai</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Sąsaja</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Nustatymai</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>Spausdintuvo konfigūracija</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Failų tvarkyklė</translation>
    </message>
    <message>
        <source>Bitmap Font Manager</source>
        <translation>Rastrinių šriftų tvarkyklė</translation>
    </message>
    <message>
        <source>Command Tool</source>
        <translation>Komandų įrankis</translation>
    </message>
</context>
<context>
    <name>TFormNetSetup</name>
    <message>
        <source>Printer Name</source>
        <translation>Spausdintuvo vardas</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP adresas</translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation>Modelis</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Būsena</translation>
    </message>
    <message>
        <source>Discover Device</source>
        <translation>Ieškoti įrenginių</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Gamykliniai nustatymai</translation>
    </message>
    <message>
        <source>Change IP Address</source>
        <translation>Keisti IP adresą</translation>
    </message>
    <message>
        <source>Web Setup</source>
        <translation>WWW nustatymai</translation>
    </message>
    <message>
        <source>IP Setting</source>
        <translation>IP nustatymai</translation>
    </message>
    <message>
        <source>IP Address/Printer Name:</source>
        <translation>IP adresas/spausdintuvo vardas:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Prievadas:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Uždaryti</translation>
    </message>
</context>
<context>
    <name>TFormPassword</name>
    <message>
        <source>Password</source>
        <translation>Slaptažodis</translation>
    </message>
    <message>
        <source>Please enter your password</source>
        <translation>Įveskite slaptažodį</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>TFormPasswordSetup</name>
    <message>
        <source>Password Setup</source>
        <translation>Slaptažodžio nustatymas</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Senas slaptažodis</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Naujas slaptažodis</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>TFormPreviewFont</name>
    <message>
        <source>Character Chart</source>
        <translation>Simbolių lentelė</translation>
    </message>
    <message>
        <source>Built Font</source>
        <translation>Sukurtas šriftas</translation>
    </message>
    <message>
        <source>Build from Page</source>
        <translation>Kurti iš puslapio</translation>
    </message>
    <message>
        <source>Open Font File</source>
        <translation>Atverti šrifto failą</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Uždaryti</translation>
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
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>TFormRTCSetup</name>
    <message>
        <source>RTC Setup</source>
        <translation>RTC nustatymai</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Metai:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mėnuo:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Diena:</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Valanda:</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Minutė:</translation>
    </message>
    <message>
        <source>Second:</source>
        <translation>Sekundė:</translation>
    </message>
    <message>
        <source>Get System Time</source>
        <translation>Gauti sistemos laiką</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Nustatyti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>TFormRs232Setup</name>
    <message>
        <source>RS232 Setup</source>
        <translation>RS232 nustatymai</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>COM prievadas:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Perdavimo sparta:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Duomenų bitai:</translation>
    </message>
    <message>
        <source>Parity Check:</source>
        <translation>Lyginumo tikrinimas:</translation>
    </message>
    <message>
        <source>Stop Bit(s):</source>
        <translation>Stabdos bitai:</translation>
    </message>
    <message>
        <source>Hardware Handshaking:</source>
        <translation>Aparatinis srauto valdymas:</translation>
    </message>
    <message>
        <source>Software Handshaking:</source>
        <translation>Programinis srauto valdymas:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Nustatyti</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>TFormSensorCalibrate</name>
    <message>
        <source>Sensor Calibration</source>
        <translation>Jutiklio kalibravimas</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>Autokalibravimas</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Popieriaus aukštis</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>coliai</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Tarpas</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Kalibruoti</translation>
    </message>
    <message>
        <source>Media Type</source>
        <translation>Medžiagos tipas</translation>
    </message>
    <message>
        <source>GAP</source>
        <translation>TARPAS</translation>
    </message>
    <message>
        <source>Black Mark</source>
        <translation>Juodoji žymė</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Ištisinė</translation>
    </message>
    <message>
        <source>Auto Selection</source>
        <translation>Autom. parinkimas</translation>
    </message>
    <message>
        <source>Manual Setup</source>
        <translation>Rankinis nustatymas</translation>
    </message>
    <message>
        <source>Sensor Intension</source>
        <translation>Jutiklio intensyvumas</translation>
    </message>
    <message>
        <source>Threshold Value</source>
        <translation>Slenkstinė vertė</translation>
    </message>
    <message>
        <source>Reading Intension</source>
        <translation>Nuskaitymo intensyvumas</translation>
    </message>
    <message>
        <source>Current Reading</source>
        <translation>Dabartinis rodmuo</translation>
    </message>
    <message>
        <source>Label Reading</source>
        <translation>Etiketės rodmuo</translation>
    </message>
    <message>
        <source>Gap Reading</source>
        <translation>Tarpo rodmuo</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Nustatyti</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibravimas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Atšaukti</translation>
    </message>
</context>
<context>
    <name>lb::BitmapFontManagerPage</name>
    <message>
        <source>%1 has no characters of the character set %2: the font&apos;s cells would come out empty or drawn in another font.</source>
        <translation>Šriftas %1 neturi simbolių iš rinkinio %2: šrifto langeliai būtų tušti arba nupiešti kitu šriftu.</translation>
    </message>
    <message>
        <source>Build the font all the same?</source>
        <translation>Vis tiek sukurti šriftą?</translation>
    </message>
    <message>
        <source>The table file could not be opened.</source>
        <translation>Nepavyko atverti lentelės failo.</translation>
    </message>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>Simbolio %1 negalima įrašyti koduote %2. Niekas neįrašyta.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Nepavyko įrašyti failo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ticked, but no table file has been loaded.</source>
        <translation>Pažymėta &quot;%1&quot;, bet lentelės failas neįkeltas.</translation>
    </message>
    <message>
        <source>The table file %1 cannot be read, is larger than %2 bytes or holds no character.</source>
        <translation>Lentelės failo %1 nepavyksta perskaityti, jis didesnis nei %2 B arba neturi nė vieno simbolio.</translation>
    </message>
    <message>
        <source>The encode table&apos;s character %1 has no code in %2.</source>
        <translation>Kodavimo lentelės simbolis %1 neturi kodo rinkinyje %2.</translation>
    </message>
    <message>
        <source>The encode table is larger than %1 bytes.</source>
        <translation>Kodavimo lentelė didesnė nei %1 B.</translation>
    </message>
    <message>
        <source>The encode table is empty.</source>
        <translation>Kodavimo lentelė tuščia.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>Laukas &quot;%1&quot; tuščias.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must lie between 0 and 255.</source>
        <translation>Reikšmė &quot;%1&quot; turi būti nuo 0 iki 255.</translation>
    </message>
    <message>
        <source>No code page is chosen in &quot;%1&quot;.</source>
        <translation>Lauke &quot;%1&quot; nepasirinktas kodų puslapis.</translation>
    </message>
    <message>
        <source>The encode table holds no double-byte character.</source>
        <translation>Kodavimo lentelėje nėra nė vieno dvibaičio simbolio.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not be negative.</source>
        <translation>Reikšmė &quot;%1&quot; negali būti neigiama.</translation>
    </message>
</context>
<context>
    <name>lb::CommandText</name>
    <message>
        <source>Western</source>
        <translation>Vakarų Europos</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Tradicinė kinų</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Supaprastinta kinų</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonų</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Korėjiečių</translation>
    </message>
</context>
<context>
    <name>lb::CommandToolPage</name>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>Simbolio %1 negalima įrašyti koduote %2. Niekas neįrašyta.</translation>
    </message>
    <message>
        <source>The character %1 cannot be sent in %2. Nothing was sent.</source>
        <translation>Simbolio %1 negalima išsiųsti koduote %2. Niekas neišsiųsta.</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>Atsakymo nėra.</translation>
    </message>
    <message>
        <source>The file does not fit in the editor, which holds at most %1 characters. Nothing was added.</source>
        <translation>Failas netelpa redaktoriuje (daugiausia simbolių: %1). Niekas nepridėta.</translation>
    </message>
    <message>
        <source>Some bytes of the file are no %1 text: they show as �.</source>
        <translation>Kai kurie failo baitai nėra %1 tekstas: jie rodomi kaip �.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Nepavyko įrašyti failo.</translation>
    </message>
</context>
<context>
    <name>lb::FileManagerPage</name>
    <message>
        <source>%1 downloaded to %2 (%3 bytes)</source>
        <translation>Failas %1 išsiųstas į atmintį %2 (%3 B)</translation>
    </message>
    <message>
        <source>%1 sent (%2 bytes)</source>
        <translation>Failas %1 išsiųstas (%2 B)</translation>
    </message>
    <message>
        <source>Memory information read</source>
        <translation>Atminties informacija nuskaityta</translation>
    </message>
    <message>
        <source>Every file in %1 will be deleted.</source>
        <translation>Visi atminties %1 failai bus ištrinti.</translation>
    </message>
    <message>
        <source>%1 formatted</source>
        <translation>Atmintis %1 suformatuota</translation>
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
        <translation>Vidurio Europos</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Kirilica</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Graikų</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turkų</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebrajų</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabų</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Baltų</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamiečių</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tajų</translation>
    </message>
</context>
<context>
    <name>lb::FontRules</name>
    <message>
        <source>Type the printer font name.</source>
        <translation>Įveskite spausdintuvo šrifto pavadinimą.</translation>
    </message>
    <message>
        <source>The printer font name has %1 characters; at most %2 fit.</source>
        <translation>Spausdintuvo šrifto pavadinime yra simbolių: %1; telpa daugiausia %2.</translation>
    </message>
    <message>
        <source>The printer font name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>Spausdintuvo šrifto pavadinime negali būti dvigubų kabučių, eilutės lūžio ar kito valdymo simbolio, taip pat simbolių, nepriklausančių Latin-1.</translation>
    </message>
</context>
<context>
    <name>lb::Language</name>
    <message>
        <source>English</source>
        <translation>Anglų</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Kinų (tradicinė)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Kinų (supaprastinta)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonų</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Ispanų</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugalų</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Vokiečių</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Prancūzų</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italų</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rusų</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Lenkų</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lietuvių</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Čekų</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukrainiečių</translation>
    </message>
</context>
<context>
    <name>lb::Link</name>
    <message>
        <source>LPT: the parallel port cannot read.</source>
        <translation>LPT: lygiagretusis prievadas negali skaityti.</translation>
    </message>
    <message>
        <source>not a parallel port (LPT1 to LPT4, or a device path)</source>
        <translation>tai ne lygiagretusis prievadas (nuo LPT1 iki LPT4 arba įrenginio kelias)</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group lp (then log in again)</source>
        <translation>prieiga draudžiama: naudotojas turi priklausyti grupei lp (tada prisijunkite iš naujo)</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>naudojamas kitos programos</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms (out of paper, or off line?)</source>
        <translation>spausdintuvas %1 ms nepriėmė duomenų (baigėsi popierius ar jis atsijungęs?)</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>įrenginys atjungtas</translation>
    </message>
    <message>
        <source>The reply is not a valid frame.</source>
        <translation>Atsakymas nėra tinkamas kadras.</translation>
    </message>
    <message>
        <source>More than %1 bytes arrived without a reply frame.</source>
        <translation>Be atsakymo kadro gauta daugiau baitų nei %1.</translation>
    </message>
    <message>
        <source>The reply is longer than the %1 bytes it may have.</source>
        <translation>Atsakymas ilgesnis nei leistina (%1 B).</translation>
    </message>
    <message>
        <source>The reply line carries more than %1 CRs.</source>
        <translation>Atsakymo eilutėje yra daugiau CR simbolių nei %1.</translation>
    </message>
    <message>
        <source>The reply line is longer than %1 characters.</source>
        <translation>Atsakymo eilutėje yra daugiau simbolių nei %1.</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>tokio įrenginio nėra</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group dialout (then log in again)</source>
        <translation>prieiga draudžiama: naudotojas turi priklausyti grupei dialout (tada prisijunkite iš naujo)</translation>
    </message>
    <message>
        <source>not a serial port (COM1 to COM30, or a device path)</source>
        <translation>tai ne nuoseklusis prievadas (nuo COM1 iki COM30 arba įrenginio kelias)</translation>
    </message>
    <message>
        <source>the port did not send the data within %1 ms</source>
        <translation>prievadas neišsiuntė duomenų per %1 ms</translation>
    </message>
    <message>
        <source>no reply within %1 ms</source>
        <translation>nėra atsakymo per %1 ms</translation>
    </message>
    <message>
        <source>connection refused (is the printer on and is the port right?)</source>
        <translation>ryšys atmestas (ar spausdintuvas įjungtas ir ar prievadas teisingas?)</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>mazgas nerastas</translation>
    </message>
    <message>
        <source>timed out: no answer within %1 ms</source>
        <translation>baigėsi laikas: nėra atsakymo per %1 ms</translation>
    </message>
    <message>
        <source>the printer closed the connection</source>
        <translation>spausdintuvas nutraukė ryšį</translation>
    </message>
    <message>
        <source>no printer address is set</source>
        <translation>nenustatytas spausdintuvo adresas</translation>
    </message>
    <message>
        <source>%1 is not a TCP port</source>
        <translation>%1 nėra TCP prievadas</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms</source>
        <translation>spausdintuvas %1 ms nepriėmė duomenų</translation>
    </message>
    <message>
        <source>permission denied: install the udev rule 60-labelbench-printers.rules from packaging/ (see the README), then replug the printer</source>
        <translation>prieiga draudžiama: įdiekite udev taisyklę 60-labelbench-printers.rules iš packaging/ (žr. README), tada iš naujo prijunkite spausdintuvą</translation>
    </message>
    <message>
        <source>USB cannot be used on this system</source>
        <translation>šioje sistemoje USB naudoti negalima</translation>
    </message>
    <message>
        <source>the device has no printer interface</source>
        <translation>įrenginys neturi spausdintuvo sąsajos</translation>
    </message>
    <message>
        <source>no device with an accepted vendor identifier (%1)</source>
        <translation>nėra įrenginio su priimtinu gamintojo identifikatoriumi (%1)</translation>
    </message>
    <message>
        <source>the device cannot be opened</source>
        <translation>įrenginio atverti nepavyksta</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>atšaukta</translation>
    </message>
    <message>
        <source>The list has more than %1 entries.</source>
        <translation>Sąraše yra daugiau nei %1 įrašų.</translation>
    </message>
    <message>
        <source>The list did not end within %1 s.</source>
        <translation>Sąrašas nesibaigė per %1 s.</translation>
    </message>
    <message>
        <source>The list is longer than the %1 bytes it may have.</source>
        <translation>Sąrašas ilgesnis nei leistina (%1 B).</translation>
    </message>
</context>
<context>
    <name>lb::Outcome</name>
    <message>
        <source>Cancelled</source>
        <translation>Atšaukta</translation>
    </message>
</context>
<context>
    <name>lb::PrinterConfigurationPage</name>
    <message>
        <source>Configuration read (edition %1)</source>
        <translation>Konfigūracija nuskaityta (leidimas %1)</translation>
    </message>
    <message>
        <source>Configuration cleared</source>
        <translation>Konfigūracija išvalyta</translation>
    </message>
    <message>
        <source>Page %1 not written</source>
        <translation>Puslapis „%1“ neįrašytas į spausdintuvą</translation>
    </message>
    <message>
        <source>Page %1 written: %2 settings</source>
        <translation>Puslapis „%1“ įrašytas į spausdintuvą, nustatymų: %2</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Konfigūracija įrašyta į failą %1</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Konfigūracija įkelta iš failo %1</translation>
    </message>
    <message>
        <source>Printer status: %1</source>
        <translation>Spausdintuvo būsena: %1</translation>
    </message>
    <message>
        <source>The entry %1 is unknown, missing or holds a value that cannot be used.</source>
        <translation>Įrašas %1 nežinomas, jo trūksta arba jame yra netinkama reikšmė.</translation>
    </message>
    <message>
        <source>%1 holds a value a .json file cannot hold; nothing was saved.</source>
        <translation>%1 turi reikšmę, kurios .json failas negali išsaugoti; niekas neįrašyta.</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFiles</name>
    <message>
        <source>Type the printer file name.</source>
        <translation>Įveskite spausdintuvo failo vardą.</translation>
    </message>
    <message>
        <source>The printer file name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>Spausdintuvo failo varde negali būti dvigubų kabučių, eilutės lūžio ar kito valdymo simbolio, taip pat simbolių, nepriklausančių Latin-1.</translation>
    </message>
    <message>
        <source>larger than %1 bytes, which is the most that can be sent</source>
        <translation>didesnis nei %1 B – tai daugiausia, kiek galima išsiųsti</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>failas pasikeitė jį skaitant</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFunctionBox</name>
    <message>
        <source>Sensor calibration sent</source>
        <translation>Jutiklio kalibravimas išsiųstas</translation>
    </message>
    <message>
        <source>Network address settings sent</source>
        <translation>Tinklo adreso nustatymai išsiųsti</translation>
    </message>
    <message>
        <source>Printer name sent</source>
        <translation>Spausdintuvo vardas išsiųstas</translation>
    </message>
    <message>
        <source>Clock set</source>
        <translation>Laikrodis nustatytas</translation>
    </message>
    <message>
        <source>Dump mode started</source>
        <translation>Išklotinės režimas įjungtas</translation>
    </message>
    <message>
        <source>Send the text to be captured to the printer now, from the label program or the Command Tool, then press OK.</source>
        <translation>Dabar iš etikečių programos arba skirtuko „Komandų įrankis“ nusiųskite spausdintuvui tekstą, kurį reikia užfiksuoti, tada spustelėkite OK.</translation>
    </message>
    <message>
        <source>The dump is empty: the printer captured no text.</source>
        <translation>Išklotinė tuščia: spausdintuvas neužfiksavo jokio teksto.</translation>
    </message>
    <message>
        <source>The dump is empty</source>
        <translation>Išklotinė tuščia</translation>
    </message>
    <message>
        <source>Dump saved to %1 (%2 bytes)</source>
        <translation>Išklotinė įrašyta į failą %1 (%2 B)</translation>
    </message>
    <message>
        <source>Factory default sent</source>
        <translation>Komanda „Gamykliniai nustatymai“ išsiųsta</translation>
    </message>
    <message>
        <source>Printer reset</source>
        <translation>Spausdintuvas perkrautas</translation>
    </message>
    <message>
        <source>Test page sent</source>
        <translation>Bandomasis lapas išsiųstas</translation>
    </message>
    <message>
        <source>Configuration page sent</source>
        <translation>Konfigūracijos lapas išsiųstas</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS sent</source>
        <translation>Komanda „Ignoruoti AUTO.BAS“ išsiųsta</translation>
    </message>
    <message>
        <source>Line mode left</source>
        <translation>Eilutės režimas išjungtas</translation>
    </message>
    <message>
        <source>Password changed</source>
        <translation>Slaptažodis pakeistas</translation>
    </message>
</context>
<context>
    <name>lb::PrinterStatus</name>
    <message>
        <source>Printing</source>
        <translation>Spausdinama</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauzė</translation>
    </message>
    <message>
        <source>Paper Jam</source>
        <translation>Popieriaus strigtis</translation>
    </message>
    <message>
        <source>Out of Paper</source>
        <translation>Nėra popieriaus</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>Juostelės enkoderio klaida.</translation>
    </message>
    <message>
        <source>Out of Ribbon</source>
        <translation>Nėra juostelės</translation>
    </message>
    <message>
        <source>Other Error</source>
        <translation>Kita klaida</translation>
    </message>
    <message>
        <source>Head Open</source>
        <translation>Galvutė atidaryta</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Parengtas</translation>
    </message>
</context>
<context>
    <name>lb::Refusal</name>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation>%1: &apos;%2&apos; nėra skaičius</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; nėra skaičius</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is out of range</source>
        <translation>%1: &apos;%2&apos; yra už leistinų ribų</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range</source>
        <translation>&apos;%1&apos; yra už leistinų ribų</translation>
    </message>
</context>
<context>
    <name>lb::SensorChart</name>
    <message>
        <source>Label</source>
        <translation>Etiketė</translation>
    </message>
    <message>
        <source>Live %1</source>
        <translation>Dabar %1</translation>
    </message>
    <message>
        <source>Intensity %1</source>
        <translation>Intensyvumas %1</translation>
    </message>
    <message>
        <source>Threshold %1</source>
        <translation>Slenkstis %1</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensyvumas</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>Rodmenų dar nėra</translation>
    </message>
</context>
<context>
    <name>lb::TFormEthernetSetup</name>
    <message>
        <source>The printer name &quot;%1&quot; cannot be sent: the printer knows only Latin-1 characters.</source>
        <translation>Spausdintuvo vardo &quot;%1&quot; negalima išsiųsti: spausdintuvas supranta tik Latin-1 simbolius.</translation>
    </message>
</context>
<context>
    <name>lb::TFormMain</name>
    <message>
        <source>Looking for the printer on %1…</source>
        <translation>Ieškoma spausdintuvo per %1…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Atšaukta</translation>
    </message>
    <message>
        <source>No printer answered on %1 — choose the interface and press Get, or start with --demo to try LabelBench</source>
        <translation>Per %1 neatsakė joks spausdintuvas — pasirinkite sąsają ir spustelėkite „Nuskaityti“ arba paleiskite programą su --demo, kad išbandytumėte LabelBench</translation>
    </message>
</context>
<context>
    <name>lb::TFormNetSetup</name>
    <message>
        <source>The printer %1 returns to its factory settings.</source>
        <translation>Spausdintuvui %1 bus atkurti gamykliniai nustatymai.</translation>
    </message>
    <message>
        <source>The request could not be sent on this computer&apos;s network; the printer has not been changed.</source>
        <translation>Užklausos nepavyko išsiųsti šio kompiuterio tinkle; spausdintuvas nepakeistas.</translation>
    </message>
</context>
<context>
    <name>lb::TFormPassword</name>
    <message>
        <source>Incorrect</source>
        <translation>Neteisingas slaptažodis</translation>
    </message>
</context>
<context>
    <name>lb::TFormPasswordSetup</name>
    <message>
        <source>Incorrect</source>
        <translation>Neteisingas slaptažodis</translation>
    </message>
    <message>
        <source>The new password can have at most %1 characters, none of them a double quote or a control character (such as a line break, a tab or ESC).</source>
        <translation>Naujas slaptažodis gali būti ne ilgesnis nei %1 simb. ir negali turėti dvigubų kabučių ar valdymo simbolių (pvz., eilutės lūžio, tabuliacijos ar ESC).</translation>
    </message>
</context>
<context>
    <name>lb::TFormPreviewFont</name>
    <message>
        <source>Build the page&apos;s font to see the bitmaps the printer will receive.</source>
        <translation>Sukurkite puslapio šriftą, kad pamatytumėte rastrus, kuriuos gaus spausdintuvas.</translation>
    </message>
    <message>
        <source>This is no font file the printer can use: %1</source>
        <translation>Tai ne šrifto failas, kurį spausdintuvas galėtų naudoti: %1</translation>
    </message>
    <message>
        <source>variable pitch</source>
        <translation>kintamas žingsnis</translation>
    </message>
    <message>
        <source>fixed pitch</source>
        <translation>pastovus žingsnis</translation>
    </message>
    <message>
        <source>double-byte codes</source>
        <translation>dvibaičiai kodai</translation>
    </message>
    <message>
        <source>single-byte codes</source>
        <translation>vienbaičiai kodai</translation>
    </message>
    <message>
        <source>%1 characters, cell %2 x %3 pixels, %4, %5</source>
        <translation>Simbolių: %1, langelis %2 x %3 px, %4, %5</translation>
    </message>
    <message>
        <source>Its glyphs are too many and too large to be drawn here.</source>
        <translation>Glifų per daug ir jie per dideli, kad būtų nupiešti čia.</translation>
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
        <translation>spausdintuvo laikrodis sutampa su šiuo kompiuteriu</translation>
    </message>
    <message>
        <source>printer clock %1 behind this computer</source>
        <translation>spausdintuvo laikrodis atsilieka %1, palyginti su šiuo kompiuteriu</translation>
    </message>
    <message>
        <source>printer clock %1 ahead of this computer</source>
        <translation>spausdintuvo laikrodis skuba %1, palyginti su šiuo kompiuteriu</translation>
    </message>
</context>
<context>
    <name>lb::TFormRs232Setup</name>
    <message>
        <source>None</source>
        <translation>Nėra</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Nelyginis</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Lyginis</translation>
    </message>
</context>
<context>
    <name>lb::TFormSensorCalibrate</name>
    <message>
        <source>Calibrate</source>
        <translation>Kalibruoti</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Toliau</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>coliai</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Black mark</source>
        <translation>Juodoji žymė</translation>
    </message>
    <message>
        <source>Liner</source>
        <translation>Pagrindas</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Medžiaga</translation>
    </message>
    <message>
        <source>Can&apos;t calibration</source>
        <translation>Kalibruoti nepavyko</translation>
    </message>
    <message>
        <source>Put linner please</source>
        <translation>Padėkite pagrindą ties jutikliu</translation>
    </message>
    <message>
        <source>Put black mark please</source>
        <translation>Padėkite juodąją žymę ties jutikliu</translation>
    </message>
    <message>
        <source>Put label please</source>
        <translation>Padėkite etiketę ties jutikliu</translation>
    </message>
    <message>
        <source>Label and %1 lie closer than %2 at every level</source>
        <translation>Etiketės ir %1 rodmenys visuose lygiuose skiriasi mažiau nei %2</translation>
    </message>
    <message>
        <source>black mark</source>
        <translation>juodosios žymės</translation>
    </message>
    <message>
        <source>liner</source>
        <translation>pagrindo</translation>
    </message>
    <message>
        <source>Calibration is complete</source>
        <translation>Kalibravimas baigtas</translation>
    </message>
</context>
</TS>
