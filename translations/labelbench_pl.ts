<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>BitmapFontManagerPage</name>
    <message>
        <source>Font Select</source>
        <translation>Wybór czcionki</translation>
    </message>
    <message>
        <source>Font Encode</source>
        <translation>Kodowanie</translation>
    </message>
    <message>
        <source>Standard Encode</source>
        <translation>Kodowanie standardowe</translation>
    </message>
    <message>
        <source>Asian Font Encode</source>
        <translation>Kodowanie azjatyckie</translation>
    </message>
    <message>
        <source>Encode by Table</source>
        <translation>Kodowanie wg tabeli</translation>
    </message>
    <message>
        <source>Encode by Table (Asian)</source>
        <translation>Kodowanie wg tabeli (azjatyckie)</translation>
    </message>
    <message>
        <source>Font Pitch</source>
        <translation>Rozstaw znaków</translation>
    </message>
    <message>
        <source>Fixed Pitch</source>
        <translation>Stały rozstaw</translation>
    </message>
    <message>
        <source>Variable Pitch</source>
        <translation>Zmienny rozstaw</translation>
    </message>
    <message>
        <source>Windows Font Name</source>
        <translation>Czcionka Windows</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Printer Device</source>
        <translation>Pamięć drukarki</translation>
    </message>
    <message>
        <source>Character Set</source>
        <translation>Zestaw znaków</translation>
    </message>
    <message>
        <source>The code page in which the font&apos;s codes are read: the script its characters come from</source>
        <translation>Strona kodowa, w której odczytywane są kody czcionki: pismo, z którego pochodzą jej znaki</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Wybierz czcionkę</translation>
    </message>
    <message>
        <source>Printer Font Name</source>
        <translation>Nazwa w drukarce</translation>
    </message>
    <message>
        <source>Italic Width</source>
        <translation>Szerokość kursywy</translation>
    </message>
    <message>
        <source>Preview Font</source>
        <translation>Podgląd czcionki</translation>
    </message>
    <message>
        <source>Font Width</source>
        <translation>Szerokość znaku</translation>
    </message>
    <message>
        <source>Font Height</source>
        <translation>Wysokość znaku</translation>
    </message>
    <message>
        <source>Font Mapping</source>
        <translation>Mapowanie znaków</translation>
    </message>
    <message>
        <source>Standard Mapping</source>
        <translation>Mapowanie standardowe</translation>
    </message>
    <message>
        <source>Full ASCII Mapping</source>
        <translation>Pełne mapowanie ASCII</translation>
    </message>
    <message>
        <source>Custom Mapping</source>
        <translation>Mapowanie własne</translation>
    </message>
    <message>
        <source>Character Start ASCII</source>
        <translation>Pierwszy znak ASCII</translation>
    </message>
    <message>
        <source>Character End ASCII</source>
        <translation>Ostatni znak ASCII</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chiński tradycyjny</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chiński uproszczony</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreański</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japoński</translation>
    </message>
    <message>
        <source>By File</source>
        <translation>Z pliku</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Save Font</source>
        <translation>Zapisz czcionkę</translation>
    </message>
    <message>
        <source>Download Font</source>
        <translation>Wgraj czcionkę</translation>
    </message>
</context>
<context>
    <name>CommandToolPage</name>
    <message>
        <source>Text encoding</source>
        <translation>Kodowanie tekstu</translation>
    </message>
    <message>
        <source>Show replies</source>
        <translation>Pokaż odpowiedzi</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Wyślij plik</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
</context>
<context>
    <name>ConfigurationWriter</name>
    <message>
        <source>%1 holds %2, which cannot be sent to the printer</source>
        <translation>%1 zawiera wartość %2, której nie można wysłać do drukarki</translation>
    </message>
    <message>
        <source>%1 cannot be converted for the printer: the resolution %2 is not usable</source>
        <translation>Nie można przeliczyć %1 dla drukarki: rozdzielczości %2 nie da się użyć</translation>
    </message>
</context>
<context>
    <name>FileManagerPage</name>
    <message>
        <source>File Download</source>
        <translation>Wgrywanie pliku</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Typ pliku</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Rozmiar pliku</translation>
    </message>
    <message>
        <source>Memory Device</source>
        <translation>Pamięć</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Przeglądaj</translation>
    </message>
    <message>
        <source>Font View</source>
        <translation>Przegląd czcionek</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Wgraj</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Informacje o plikach</translation>
    </message>
    <message>
        <source>Physical Space</source>
        <translation>Pojemność</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Wolne miejsce</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Odczytaj</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>Formatowanie</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formatuj</translation>
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
        <translation>Konfiguracja drukarki</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Ogólne</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Prędkość</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Gęstość</translation>
    </message>
    <message>
        <source>Paper Width</source>
        <translation>Szerokość papieru</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>cal</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Wysokość papieru</translation>
    </message>
    <message>
        <source>Media Sensor</source>
        <translation>Czujnik nośnika</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Przerwa</translation>
    </message>
    <message>
        <source>Gap Offset</source>
        <translation>Przesun. przerwy</translation>
    </message>
    <message>
        <source>Post-Print Action</source>
        <translation>Akcja po wydruku</translation>
    </message>
    <message>
        <source>Cut Piece</source>
        <translation>Cięcie co</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Odniesienie</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Kierunek</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Przesunięcie</translation>
    </message>
    <message>
        <source>Shift X</source>
        <translation>Przesuw X</translation>
    </message>
    <message>
        <source>Shift Y</source>
        <translation>Przesuw Y</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Taśma</translation>
    </message>
    <message>
        <source>Ribbon Sensor</source>
        <translation>Czujnik taśmy</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>Błąd enkodera taśmy</translation>
    </message>
    <message>
        <source>Code Page</source>
        <translation>Strona kodowa</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>Kod kraju</translation>
    </message>
    <message>
        <source>Head-up Sensor</source>
        <translation>Czujnik głowicy</translation>
    </message>
    <message>
        <source>Reprint After Error</source>
        <translation>Ponów po błędzie</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Maksymalna długość</translation>
    </message>
    <message>
        <source>Gap Inten.</source>
        <translation>Przerwa – intens.</translation>
    </message>
    <message>
        <source>Bline Inten.</source>
        <translation>Znacznik – intens.</translation>
    </message>
    <message>
        <source>Continuous Inten.</source>
        <translation>Ciągły – intens.</translation>
    </message>
    <message>
        <source>Threshold Detection</source>
        <translation>Wykrywanie progu</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Darkness</source>
        <translation>Zaczernienie</translation>
    </message>
    <message>
        <source>0 to 30</source>
        <translation>od 0 do 30</translation>
    </message>
    <message>
        <source>Print Speed</source>
        <translation>Prędkość druku</translation>
    </message>
    <message>
        <source>Tear Off</source>
        <translation>Odrywanie</translation>
    </message>
    <message>
        <source>-120 to 120</source>
        <translation>od -120 do 120</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Tryb druku</translation>
    </message>
    <message>
        <source>Print Width</source>
        <translation>Szerokość druku</translation>
    </message>
    <message>
        <source>Control Prefix</source>
        <translation>Prefiks sterujący</translation>
    </message>
    <message>
        <source>Format Prefix</source>
        <translation>Prefiks formatu</translation>
    </message>
    <message>
        <source>Delimiter Char</source>
        <translation>Znak separatora</translation>
    </message>
    <message>
        <source>Media Power Up</source>
        <translation>Po włączeniu</translation>
    </message>
    <message>
        <source>Head Close</source>
        <translation>Po zamkn. głowicy</translation>
    </message>
    <message>
        <source>Label Top</source>
        <translation>Góra etykiety</translation>
    </message>
    <message>
        <source>Left Position</source>
        <translation>Pozycja od lewej</translation>
    </message>
    <message>
        <source>-9999 to 9999</source>
        <translation>od -9999 do 9999</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Nagrzewanie</translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation>Szerokość etykiety</translation>
    </message>
    <message>
        <source>Present Sensor</source>
        <translation>Czujnik obecności</translation>
    </message>
    <message>
        <source>Cutter Equipped</source>
        <translation>Z obcinaczem</translation>
    </message>
    <message>
        <source>Control Codes</source>
        <translation>Kody sterujące</translation>
    </message>
    <message>
        <source>Column Offset</source>
        <translation>Przesun. kolumn</translation>
    </message>
    <message>
        <source>Row Offset</source>
        <translation>Przesun. wierszy</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfejs</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Prędkość transmisji</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>Bity danych</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Parzystość</translation>
    </message>
    <message>
        <source>Stop Bit(s)</source>
        <translation>Bity stopu</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Odczytaj</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Wczytaj</translation>
    </message>
    <message>
        <source>Printer Information</source>
        <translation>Informacje o drukarce</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Wersja:</translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation>Nr seryjny:</translation>
    </message>
    <message>
        <source>Check Sum:</source>
        <translation>Suma kontrolna:</translation>
    </message>
    <message>
        <source>Cutting Counter:</source>
        <translation>Licznik cięć:</translation>
    </message>
    <message>
        <source>Mileage:</source>
        <translation>Przebieg:</translation>
    </message>
    <message>
        <source>Km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Printer Status</source>
        <translation>Stan drukarki</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>Odczytaj stan</translation>
    </message>
</context>
<context>
    <name>PrinterFunctionBox</name>
    <message>
        <source>Printer Function</source>
        <translation>Funkcje drukarki</translation>
    </message>
    <message>
        <source>Calibrate Sensor </source>
        <translation>Kalibruj czujnik </translation>
    </message>
    <message>
        <source>Ethernet Setup</source>
        <translation>Ustawienia Ethernet</translation>
    </message>
    <message>
        <source>RTC Setup</source>
        <translation>Ustawienia RTC</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Ustawienia fabryczne</translation>
    </message>
    <message>
        <source>Reset Printer</source>
        <translation>Resetuj drukarkę</translation>
    </message>
    <message>
        <source>Print Test Page</source>
        <translation>Drukuj stronę testową</translation>
    </message>
    <message>
        <source>Configuration Page</source>
        <translation>Strona konfiguracji</translation>
    </message>
    <message>
        <source>Dump Text</source>
        <translation>Tryb zrzutu</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS</source>
        <translation>Pomiń AUTO.BAS</translation>
    </message>
    <message>
        <source>Out of Line Mode</source>
        <translation>Wyłącz tryb liniowy</translation>
    </message>
    <message>
        <source>Password Setup</source>
        <translation>Ustawienie hasła</translation>
    </message>
</context>
<context>
    <name>TFormDumpTextSetup</name>
    <message>
        <source>Dump Text Setup</source>
        <translation>Ustawienia trybu zrzutu</translation>
    </message>
    <message>
        <source>Print Label</source>
        <translation>Drukuj etykiety</translation>
    </message>
    <message>
        <source>Save to SD Card</source>
        <translation>Zapisz na karcie SD</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Zapisz do pliku</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nazwa pliku:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TFormEthernetSetup</name>
    <message>
        <source>Ethernet Setup</source>
        <translation>Ustawienia Ethernet</translation>
    </message>
    <message>
        <source>IP Setup</source>
        <translation>Ustawienia IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Stały IP</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Maska podsieci:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Brama:</translation>
    </message>
    <message>
        <source>Printer Name:</source>
        <translation>Nazwa drukarki:</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>Adres MAC:</translation>
    </message>
    <message>
        <source>Set Printer Name</source>
        <translation>Ustaw nazwę drukarki</translation>
    </message>
    <message>
        <source>Set IP</source>
        <translation>Ustaw IP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TFormLPTSetup</name>
    <message>
        <source>LPT Setup</source>
        <translation>Ustawienia LPT</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Jednostka</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>cal</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interfejs</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Ustawienia</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>Konfiguracja drukarki</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Menedżer plików</translation>
    </message>
    <message>
        <source>Bitmap Font Manager</source>
        <translation>Czcionki bitmapowe</translation>
    </message>
    <message>
        <source>Command Tool</source>
        <translation>Narzędzie poleceń</translation>
    </message>
</context>
<context>
    <name>TFormNetSetup</name>
    <message>
        <source>Printer Name</source>
        <translation>Nazwa drukarki</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Discover Device</source>
        <translation>Wyszukaj urządzenia</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Ustawienia fabryczne</translation>
    </message>
    <message>
        <source>Change IP Address</source>
        <translation>Zmień adres IP</translation>
    </message>
    <message>
        <source>Web Setup</source>
        <translation>Konfiguracja WWW</translation>
    </message>
    <message>
        <source>IP Setting</source>
        <translation>Ustawienia IP</translation>
    </message>
    <message>
        <source>IP Address/Printer Name:</source>
        <translation>Adres IP/nazwa drukarki:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>TFormPassword</name>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>Please enter your password</source>
        <translation>Wprowadź hasło</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TFormPasswordSetup</name>
    <message>
        <source>Password Setup</source>
        <translation>Ustawienie hasła</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Stare hasło</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nowe hasło</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TFormPreviewFont</name>
    <message>
        <source>Character Chart</source>
        <translation>Tablica znaków</translation>
    </message>
    <message>
        <source>Built Font</source>
        <translation>Zbudowana czcionka</translation>
    </message>
    <message>
        <source>Build from Page</source>
        <translation>Zbuduj ze strony</translation>
    </message>
    <message>
        <source>Open Font File</source>
        <translation>Otwórz plik czcionki</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zamknij</translation>
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
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TFormRTCSetup</name>
    <message>
        <source>RTC Setup</source>
        <translation>Ustawienia RTC</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Rok:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Miesiąc:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Dzień:</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Godzina:</translation>
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
        <translation>Pobierz czas systemowy</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TFormRs232Setup</name>
    <message>
        <source>RS232 Setup</source>
        <translation>Ustawienia RS232</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>Port COM:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Prędkość transmisji:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Bity danych:</translation>
    </message>
    <message>
        <source>Parity Check:</source>
        <translation>Kontrola parzystości:</translation>
    </message>
    <message>
        <source>Stop Bit(s):</source>
        <translation>Bity stopu:</translation>
    </message>
    <message>
        <source>Hardware Handshaking:</source>
        <translation>Sprzętowa kontrola przepływu:</translation>
    </message>
    <message>
        <source>Software Handshaking:</source>
        <translation>Programowa kontrola przepływu:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>TFormSensorCalibrate</name>
    <message>
        <source>Sensor Calibration</source>
        <translation>Kalibracja czujnika</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>Autokalibracja</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Wysokość papieru</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>cal</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Przerwa</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Kalibruj</translation>
    </message>
    <message>
        <source>Media Type</source>
        <translation>Typ nośnika</translation>
    </message>
    <message>
        <source>GAP</source>
        <translation>PRZERWA</translation>
    </message>
    <message>
        <source>Black Mark</source>
        <translation>Czarny znacznik</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Ciągły</translation>
    </message>
    <message>
        <source>Auto Selection</source>
        <translation>Wybór automatyczny</translation>
    </message>
    <message>
        <source>Manual Setup</source>
        <translation>Ustawienia ręczne</translation>
    </message>
    <message>
        <source>Sensor Intension</source>
        <translation>Intensywność czujnika</translation>
    </message>
    <message>
        <source>Threshold Value</source>
        <translation>Wartość progowa</translation>
    </message>
    <message>
        <source>Reading Intension</source>
        <translation>Intensywność odczytu</translation>
    </message>
    <message>
        <source>Current Reading</source>
        <translation>Bieżący odczyt</translation>
    </message>
    <message>
        <source>Label Reading</source>
        <translation>Odczyt etykiety</translation>
    </message>
    <message>
        <source>Gap Reading</source>
        <translation>Odczyt przerwy</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Kalibracja</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>lb::BitmapFontManagerPage</name>
    <message>
        <source>%1 has no characters of the character set %2: the font&apos;s cells would come out empty or drawn in another font.</source>
        <translation>Czcionka %1 nie zawiera znaków z zestawu %2: komórki czcionki byłyby puste lub narysowane inną czcionką.</translation>
    </message>
    <message>
        <source>Build the font all the same?</source>
        <translation>Czy mimo to zbudować czcionkę?</translation>
    </message>
    <message>
        <source>The table file could not be opened.</source>
        <translation>Nie można otworzyć pliku tabeli.</translation>
    </message>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>Znaku %1 nie można zapisać w kodowaniu %2. Nic nie zapisano.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Nie można zapisać pliku.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ticked, but no table file has been loaded.</source>
        <translation>Opcja &quot;%1&quot; jest zaznaczona, ale nie wczytano pliku tabeli.</translation>
    </message>
    <message>
        <source>The table file %1 cannot be read, is larger than %2 bytes or holds no character.</source>
        <translation>Nie można odczytać pliku tabeli %1, jest on większy niż %2 B lub nie zawiera żadnego znaku.</translation>
    </message>
    <message>
        <source>The encode table&apos;s character %1 has no code in %2.</source>
        <translation>Znak %1 z tabeli kodowania nie ma kodu w zestawie %2.</translation>
    </message>
    <message>
        <source>The encode table is larger than %1 bytes.</source>
        <translation>Tabela kodowania jest większa niż %1 B.</translation>
    </message>
    <message>
        <source>The encode table is empty.</source>
        <translation>Tabela kodowania jest pusta.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>Pole &quot;%1&quot; jest puste.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must lie between 0 and 255.</source>
        <translation>Wartość &quot;%1&quot; musi mieścić się w zakresie od 0 do 255.</translation>
    </message>
    <message>
        <source>No code page is chosen in &quot;%1&quot;.</source>
        <translation>Nie wybrano strony kodowej w polu &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The encode table holds no double-byte character.</source>
        <translation>Tabela kodowania nie zawiera żadnego znaku dwubajtowego.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not be negative.</source>
        <translation>Wartość &quot;%1&quot; nie może być ujemna.</translation>
    </message>
</context>
<context>
    <name>lb::CommandText</name>
    <message>
        <source>Western</source>
        <translation>Zachodnioeuropejski</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chiński tradycyjny</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chiński uproszczony</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japoński</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Koreański</translation>
    </message>
</context>
<context>
    <name>lb::CommandToolPage</name>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>Znaku %1 nie można zapisać w kodowaniu %2. Nic nie zapisano.</translation>
    </message>
    <message>
        <source>The character %1 cannot be sent in %2. Nothing was sent.</source>
        <translation>Znaku %1 nie można wysłać w kodowaniu %2. Nic nie wysłano.</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>Brak odpowiedzi.</translation>
    </message>
    <message>
        <source>The file does not fit in the editor, which holds at most %1 characters. Nothing was added.</source>
        <translation>Plik nie mieści się w edytorze (limit znaków: %1). Nic nie dodano.</translation>
    </message>
    <message>
        <source>Some bytes of the file are no %1 text: they show as �.</source>
        <translation>Niektóre bajty pliku nie są tekstem %1: są wyświetlane jako �.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Nie można zapisać pliku.</translation>
    </message>
</context>
<context>
    <name>lb::FileManagerPage</name>
    <message>
        <source>%1 downloaded to %2 (%3 bytes)</source>
        <translation>Wgrano %1 do pamięci %2 (%3 B)</translation>
    </message>
    <message>
        <source>%1 sent (%2 bytes)</source>
        <translation>Wysłano %1 (%2 B)</translation>
    </message>
    <message>
        <source>Memory information read</source>
        <translation>Odczytano informacje o pamięci</translation>
    </message>
    <message>
        <source>Every file in %1 will be deleted.</source>
        <translation>Wszystkie pliki w pamięci %1 zostaną usunięte.</translation>
    </message>
    <message>
        <source>%1 formatted</source>
        <translation>Sformatowano pamięć %1</translation>
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
        <translation>Środkowoeuropejski</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cyrylica</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grecki</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turecki</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebrajski</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arabski</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Bałtycki</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Wietnamski</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tajski</translation>
    </message>
</context>
<context>
    <name>lb::FontRules</name>
    <message>
        <source>Type the printer font name.</source>
        <translation>Wpisz nazwę czcionki w drukarce.</translation>
    </message>
    <message>
        <source>The printer font name has %1 characters; at most %2 fit.</source>
        <translation>Nazwa czcionki w drukarce ma %1 zn.; mieści się najwyżej %2.</translation>
    </message>
    <message>
        <source>The printer font name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>Nazwa czcionki w drukarce nie może zawierać cudzysłowu, znaku końca wiersza ani innego znaku sterującego, ani znaku spoza Latin-1.</translation>
    </message>
</context>
<context>
    <name>lb::Language</name>
    <message>
        <source>English</source>
        <translation>Angielski</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chiński tradycyjny</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chiński uproszczony</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japoński</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Hiszpański</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Portugalski</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Niemiecki</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francuski</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Włoski</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rosyjski</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Litewski</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Czeski</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ukraiński</translation>
    </message>
</context>
<context>
    <name>lb::Link</name>
    <message>
        <source>LPT: the parallel port cannot read.</source>
        <translation>LPT: port równoległy nie obsługuje odczytu.</translation>
    </message>
    <message>
        <source>not a parallel port (LPT1 to LPT4, or a device path)</source>
        <translation>to nie jest port równoległy (od LPT1 do LPT4 lub ścieżka urządzenia)</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group lp (then log in again)</source>
        <translation>brak uprawnień: użytkownik musi należeć do grupy lp (potem należy zalogować się ponownie)</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>używany przez inny program</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms (out of paper, or off line?)</source>
        <translation>drukarka nie przyjmowała danych przez %1 ms (brak papieru lub tryb offline?)</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>urządzenie zostało odłączone</translation>
    </message>
    <message>
        <source>The reply is not a valid frame.</source>
        <translation>Odpowiedź nie jest prawidłową ramką.</translation>
    </message>
    <message>
        <source>More than %1 bytes arrived without a reply frame.</source>
        <translation>Odebrano więcej bajtów niż %1 bez ramki odpowiedzi.</translation>
    </message>
    <message>
        <source>The reply is longer than the %1 bytes it may have.</source>
        <translation>Odpowiedź jest dłuższa niż dopuszczalne %1 B.</translation>
    </message>
    <message>
        <source>The reply line carries more than %1 CRs.</source>
        <translation>Wiersz odpowiedzi zawiera więcej znaków CR niż %1.</translation>
    </message>
    <message>
        <source>The reply line is longer than %1 characters.</source>
        <translation>Wiersz odpowiedzi ma więcej znaków niż %1.</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>nie ma takiego urządzenia</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group dialout (then log in again)</source>
        <translation>brak uprawnień: użytkownik musi należeć do grupy dialout (potem należy zalogować się ponownie)</translation>
    </message>
    <message>
        <source>not a serial port (COM1 to COM30, or a device path)</source>
        <translation>to nie jest port szeregowy (od COM1 do COM30 lub ścieżka urządzenia)</translation>
    </message>
    <message>
        <source>the port did not send the data within %1 ms</source>
        <translation>port nie wysłał danych w ciągu %1 ms</translation>
    </message>
    <message>
        <source>no reply within %1 ms</source>
        <translation>brak odpowiedzi w ciągu %1 ms</translation>
    </message>
    <message>
        <source>connection refused (is the printer on and is the port right?)</source>
        <translation>połączenie odrzucone (czy drukarka jest włączona, a port prawidłowy?)</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>nie znaleziono hosta</translation>
    </message>
    <message>
        <source>timed out: no answer within %1 ms</source>
        <translation>przekroczono limit czasu: brak odpowiedzi w ciągu %1 ms</translation>
    </message>
    <message>
        <source>the printer closed the connection</source>
        <translation>drukarka zamknęła połączenie</translation>
    </message>
    <message>
        <source>no printer address is set</source>
        <translation>nie ustawiono adresu drukarki</translation>
    </message>
    <message>
        <source>%1 is not a TCP port</source>
        <translation>%1 nie jest portem TCP</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms</source>
        <translation>drukarka nie przyjmowała danych przez %1 ms</translation>
    </message>
    <message>
        <source>permission denied: install the udev rule 60-labelbench-printers.rules from packaging/ (see the README), then replug the printer</source>
        <translation>brak uprawnień: zainstaluj regułę udev 60-labelbench-printers.rules z katalogu packaging/ (zob. README), a następnie ponownie podłącz drukarkę</translation>
    </message>
    <message>
        <source>USB cannot be used on this system</source>
        <translation>w tym systemie nie można używać USB</translation>
    </message>
    <message>
        <source>the device has no printer interface</source>
        <translation>urządzenie nie ma interfejsu drukarki</translation>
    </message>
    <message>
        <source>no device with an accepted vendor identifier (%1)</source>
        <translation>brak urządzenia z akceptowanym identyfikatorem producenta (%1)</translation>
    </message>
    <message>
        <source>the device cannot be opened</source>
        <translation>nie można otworzyć urządzenia</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>anulowano</translation>
    </message>
    <message>
        <source>The list has more than %1 entries.</source>
        <translation>Lista ma więcej niż %1 pozycji.</translation>
    </message>
    <message>
        <source>The list did not end within %1 s.</source>
        <translation>Lista nie zakończyła się w ciągu %1 s.</translation>
    </message>
    <message>
        <source>The list is longer than the %1 bytes it may have.</source>
        <translation>Lista jest dłuższa niż dopuszczalne %1 B.</translation>
    </message>
</context>
<context>
    <name>lb::Outcome</name>
    <message>
        <source>Cancelled</source>
        <translation>Anulowano</translation>
    </message>
</context>
<context>
    <name>lb::PrinterConfigurationPage</name>
    <message>
        <source>Configuration read (edition %1)</source>
        <translation>Odczytano konfigurację (edycja %1)</translation>
    </message>
    <message>
        <source>Configuration cleared</source>
        <translation>Wyczyszczono konfigurację</translation>
    </message>
    <message>
        <source>Page %1 not written</source>
        <translation>Nie zapisano strony %1</translation>
    </message>
    <message>
        <source>Page %1 written: %2 settings</source>
        <translation>Zapisano stronę %1, ustawień: %2</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Zapisano konfigurację w pliku %1</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Wczytano konfigurację z pliku %1</translation>
    </message>
    <message>
        <source>Printer status: %1</source>
        <translation>Stan drukarki: %1</translation>
    </message>
    <message>
        <source>The entry %1 is unknown, missing or holds a value that cannot be used.</source>
        <translation>Wpis %1 jest nieznany, brakuje go lub zawiera wartość, której nie można użyć.</translation>
    </message>
    <message>
        <source>%1 holds a value a .json file cannot hold; nothing was saved.</source>
        <translation>%1 zawiera wartość, której plik .json nie może przechować; nic nie zapisano.</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFiles</name>
    <message>
        <source>Type the printer file name.</source>
        <translation>Wpisz nazwę pliku w drukarce.</translation>
    </message>
    <message>
        <source>The printer file name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>Nazwa pliku w drukarce nie może zawierać cudzysłowu, znaku końca wiersza ani innego znaku sterującego, ani znaku spoza Latin-1.</translation>
    </message>
    <message>
        <source>larger than %1 bytes, which is the most that can be sent</source>
        <translation>większy niż %1 B – tyle najwyżej można wysłać</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>plik zmienił się podczas odczytu</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFunctionBox</name>
    <message>
        <source>Sensor calibration sent</source>
        <translation>Wysłano kalibrację czujnika</translation>
    </message>
    <message>
        <source>Network address settings sent</source>
        <translation>Wysłano ustawienia adresu sieciowego</translation>
    </message>
    <message>
        <source>Printer name sent</source>
        <translation>Wysłano nazwę drukarki</translation>
    </message>
    <message>
        <source>Clock set</source>
        <translation>Ustawiono zegar</translation>
    </message>
    <message>
        <source>Dump mode started</source>
        <translation>Włączono tryb zrzutu</translation>
    </message>
    <message>
        <source>Send the text to be captured to the printer now, from the label program or the Command Tool, then press OK.</source>
        <translation>Wyślij teraz do drukarki tekst do przechwycenia, z programu do etykiet lub z Narzędzia poleceń, a następnie naciśnij OK.</translation>
    </message>
    <message>
        <source>The dump is empty: the printer captured no text.</source>
        <translation>Zrzut jest pusty: drukarka nie przechwyciła żadnego tekstu.</translation>
    </message>
    <message>
        <source>The dump is empty</source>
        <translation>Zrzut jest pusty</translation>
    </message>
    <message>
        <source>Dump saved to %1 (%2 bytes)</source>
        <translation>Zapisano zrzut w pliku %1 (%2 B)</translation>
    </message>
    <message>
        <source>Factory default sent</source>
        <translation>Wysłano ustawienia fabryczne</translation>
    </message>
    <message>
        <source>Printer reset</source>
        <translation>Zresetowano drukarkę</translation>
    </message>
    <message>
        <source>Test page sent</source>
        <translation>Wysłano stronę testową</translation>
    </message>
    <message>
        <source>Configuration page sent</source>
        <translation>Wysłano stronę konfiguracji</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS sent</source>
        <translation>Wysłano polecenie „Pomiń AUTO.BAS”</translation>
    </message>
    <message>
        <source>Line mode left</source>
        <translation>Wyłączono tryb liniowy</translation>
    </message>
    <message>
        <source>Password changed</source>
        <translation>Zmieniono hasło</translation>
    </message>
</context>
<context>
    <name>lb::PrinterStatus</name>
    <message>
        <source>Printing</source>
        <translation>Drukowanie</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Paper Jam</source>
        <translation>Zacięcie papieru</translation>
    </message>
    <message>
        <source>Out of Paper</source>
        <translation>Brak papieru</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>Błąd enkodera taśmy</translation>
    </message>
    <message>
        <source>Out of Ribbon</source>
        <translation>Brak taśmy</translation>
    </message>
    <message>
        <source>Other Error</source>
        <translation>Inny błąd</translation>
    </message>
    <message>
        <source>Head Open</source>
        <translation>Głowica otwarta</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Gotowa</translation>
    </message>
</context>
<context>
    <name>lb::Refusal</name>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation>%1: &apos;%2&apos; nie jest liczbą</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; nie jest liczbą</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is out of range</source>
        <translation>%1: &apos;%2&apos; jest poza zakresem</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range</source>
        <translation>&apos;%1&apos; jest poza zakresem</translation>
    </message>
</context>
<context>
    <name>lb::SensorChart</name>
    <message>
        <source>Label</source>
        <translation>Etykieta</translation>
    </message>
    <message>
        <source>Live %1</source>
        <translation>Bieżący %1</translation>
    </message>
    <message>
        <source>Intensity %1</source>
        <translation>Intensywność %1</translation>
    </message>
    <message>
        <source>Threshold %1</source>
        <translation>Próg %1</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensywność</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>Brak odczytów</translation>
    </message>
</context>
<context>
    <name>lb::TFormEthernetSetup</name>
    <message>
        <source>The printer name &quot;%1&quot; cannot be sent: the printer knows only Latin-1 characters.</source>
        <translation>Nie można wysłać nazwy drukarki &quot;%1&quot;: drukarka obsługuje tylko znaki Latin-1.</translation>
    </message>
</context>
<context>
    <name>lb::TFormMain</name>
    <message>
        <source>Looking for the printer on %1…</source>
        <translation>Wyszukiwanie drukarki przez %1…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Anulowano</translation>
    </message>
    <message>
        <source>No printer answered on %1 — choose the interface and press Get, or start with --demo to try LabelBench</source>
        <translation>Żadna drukarka nie odpowiedziała przez %1 — wybierz interfejs i naciśnij Odczytaj albo uruchom z opcją --demo, aby wypróbować LabelBench</translation>
    </message>
</context>
<context>
    <name>lb::TFormNetSetup</name>
    <message>
        <source>The printer %1 returns to its factory settings.</source>
        <translation>Drukarka %1 powróci do ustawień fabrycznych.</translation>
    </message>
    <message>
        <source>The request could not be sent on this computer&apos;s network; the printer has not been changed.</source>
        <translation>Nie można wysłać żądania w sieci tego komputera; drukarka nie została zmieniona.</translation>
    </message>
</context>
<context>
    <name>lb::TFormPassword</name>
    <message>
        <source>Incorrect</source>
        <translation>Nieprawidłowe hasło</translation>
    </message>
</context>
<context>
    <name>lb::TFormPasswordSetup</name>
    <message>
        <source>Incorrect</source>
        <translation>Nieprawidłowe hasło</translation>
    </message>
    <message>
        <source>The new password can have at most %1 characters, none of them a double quote or a control character (such as a line break, a tab or ESC).</source>
        <translation>Nowe hasło może mieć najwyżej %1 zn. i nie może zawierać cudzysłowu ani znaku sterującego (np. końca wiersza, tabulatora lub ESC).</translation>
    </message>
</context>
<context>
    <name>lb::TFormPreviewFont</name>
    <message>
        <source>Build the page&apos;s font to see the bitmaps the printer will receive.</source>
        <translation>Zbuduj czcionkę ze strony, aby zobaczyć mapy bitowe, które otrzyma drukarka.</translation>
    </message>
    <message>
        <source>This is no font file the printer can use: %1</source>
        <translation>To nie jest plik czcionki, którego drukarka może użyć: %1</translation>
    </message>
    <message>
        <source>variable pitch</source>
        <translation>zmienny rozstaw</translation>
    </message>
    <message>
        <source>fixed pitch</source>
        <translation>stały rozstaw</translation>
    </message>
    <message>
        <source>double-byte codes</source>
        <translation>kody dwubajtowe</translation>
    </message>
    <message>
        <source>single-byte codes</source>
        <translation>kody jednobajtowe</translation>
    </message>
    <message>
        <source>%1 characters, cell %2 x %3 pixels, %4, %5</source>
        <translation>Znaków: %1, komórka %2 x %3 px, %4, %5</translation>
    </message>
    <message>
        <source>Its glyphs are too many and too large to be drawn here.</source>
        <translation>Glifów jest zbyt wiele i są zbyt duże, by je tu narysować.</translation>
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
        <translation>%1 dni</translation>
    </message>
    <message>
        <source>printer clock agrees with this computer</source>
        <translation>zegar drukarki jest zgodny z tym komputerem</translation>
    </message>
    <message>
        <source>printer clock %1 behind this computer</source>
        <translation>zegar drukarki późni się o %1 względem tego komputera</translation>
    </message>
    <message>
        <source>printer clock %1 ahead of this computer</source>
        <translation>zegar drukarki spieszy się o %1 względem tego komputera</translation>
    </message>
</context>
<context>
    <name>lb::TFormRs232Setup</name>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Nieparzysta</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Parzysta</translation>
    </message>
</context>
<context>
    <name>lb::TFormSensorCalibrate</name>
    <message>
        <source>Calibrate</source>
        <translation>Kalibruj</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>cal</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Black mark</source>
        <translation>Czarny znacznik</translation>
    </message>
    <message>
        <source>Liner</source>
        <translation>Podkład</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Nośnik</translation>
    </message>
    <message>
        <source>Can&apos;t calibration</source>
        <translation>Kalibracja nie powiodła się</translation>
    </message>
    <message>
        <source>Put linner please</source>
        <translation>Umieść podkład w czujniku</translation>
    </message>
    <message>
        <source>Put black mark please</source>
        <translation>Umieść czarny znacznik w czujniku</translation>
    </message>
    <message>
        <source>Put label please</source>
        <translation>Umieść etykietę w czujniku</translation>
    </message>
    <message>
        <source>Label and %1 lie closer than %2 at every level</source>
        <translation>Odczyty etykiety i %1 różnią się o mniej niż %2 na każdym poziomie</translation>
    </message>
    <message>
        <source>black mark</source>
        <translation>czarnego znacznika</translation>
    </message>
    <message>
        <source>liner</source>
        <translation>podkładu</translation>
    </message>
    <message>
        <source>Calibration is complete</source>
        <translation>Kalibracja zakończona</translation>
    </message>
</context>
</TS>
