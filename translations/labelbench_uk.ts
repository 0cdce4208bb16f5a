<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
<context>
    <name>BitmapFontManagerPage</name>
    <message>
        <source>Font Select</source>
        <translation>Вибір шрифту</translation>
    </message>
    <message>
        <source>Font Encode</source>
        <translation>Кодування шрифту</translation>
    </message>
    <message>
        <source>Standard Encode</source>
        <translation>Стандартне кодування</translation>
    </message>
    <message>
        <source>Asian Font Encode</source>
        <translation>Азійське кодування</translation>
    </message>
    <message>
        <source>Encode by Table</source>
        <translation>Кодування за таблицею</translation>
    </message>
    <message>
        <source>Encode by Table (Asian)</source>
        <translation>Кодування за таблицею (азійське)</translation>
    </message>
    <message>
        <source>Font Pitch</source>
        <translation>Крок шрифту</translation>
    </message>
    <message>
        <source>Fixed Pitch</source>
        <translation>Фіксований крок</translation>
    </message>
    <message>
        <source>Variable Pitch</source>
        <translation>Змінний крок</translation>
    </message>
    <message>
        <source>Windows Font Name</source>
        <translation>Назва шрифту Windows</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Розмір шрифту</translation>
    </message>
    <message>
        <source>Printer Device</source>
        <translation>Пам’ять принтера</translation>
    </message>
    <message>
        <source>Character Set</source>
        <translation>Набір символів</translation>
    </message>
    <message>
        <source>The code page in which the font&apos;s codes are read: the script its characters come from</source>
        <translation>Кодова сторінка, за якою читаються коди шрифту: писемність, з якої походять його символи</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Вибрати шрифт</translation>
    </message>
    <message>
        <source>Printer Font Name</source>
        <translation>Назва шрифту в принтері</translation>
    </message>
    <message>
        <source>Italic Width</source>
        <translation>Ширина курсиву</translation>
    </message>
    <message>
        <source>Preview Font</source>
        <translation>Перегляд шрифту</translation>
    </message>
    <message>
        <source>Font Width</source>
        <translation>Ширина шрифту</translation>
    </message>
    <message>
        <source>Font Height</source>
        <translation>Висота шрифту</translation>
    </message>
    <message>
        <source>Font Mapping</source>
        <translation>Діапазон символів</translation>
    </message>
    <message>
        <source>Standard Mapping</source>
        <translation>Стандартний діапазон</translation>
    </message>
    <message>
        <source>Full ASCII Mapping</source>
        <translation>Повний діапазон ASCII</translation>
    </message>
    <message>
        <source>Custom Mapping</source>
        <translation>Довільний діапазон</translation>
    </message>
    <message>
        <source>Character Start ASCII</source>
        <translation>Початковий код ASCII</translation>
    </message>
    <message>
        <source>Character End ASCII</source>
        <translation>Кінцевий код ASCII</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Китайська (традиційна)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Китайська (спрощена)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейська</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японська</translation>
    </message>
    <message>
        <source>By File</source>
        <translation>З файлу</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Save Font</source>
        <translation>Зберегти шрифт</translation>
    </message>
    <message>
        <source>Download Font</source>
        <translation>Завантажити шрифт</translation>
    </message>
</context>
<context>
    <name>CommandToolPage</name>
    <message>
        <source>Text encoding</source>
        <translation>Кодування тексту</translation>
    </message>
    <message>
        <source>Show replies</source>
        <translation>Показувати відповіді</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Надіслати файл</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Надіслати</translation>
    </message>
</context>
<context>
    <name>ConfigurationWriter</name>
    <message>
        <source>%1 holds %2, which cannot be sent to the printer</source>
        <translation>%1 містить значення %2, яке не можна надіслати в принтер</translation>
    </message>
    <message>
        <source>%1 cannot be converted for the printer: the resolution %2 is not usable</source>
        <translation>%1 не вдається перерахувати для принтера: роздільна здатність %2 непридатна</translation>
    </message>
</context>
<context>
    <name>FileManagerPage</name>
    <message>
        <source>File Download</source>
        <translation>Завантаження файлу</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Тип файлу</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Ім’я файлу</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Розмір файлу</translation>
    </message>
    <message>
        <source>Memory Device</source>
        <translation>Пам’ять</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Огляд</translation>
    </message>
    <message>
        <source>Font View</source>
        <translation>Перегляд шрифту</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Завантажити</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Інформація про файли</translation>
    </message>
    <message>
        <source>Physical Space</source>
        <translation>Загальний обсяг</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Вільно</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Отримати</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>Форматування</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Форматувати</translation>
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
        <translation>Конфігурація принтера</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Загальні</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Швидкість</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Щільність</translation>
    </message>
    <message>
        <source>Paper Width</source>
        <translation>Ширина паперу</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>дюйм</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Висота паперу</translation>
    </message>
    <message>
        <source>Media Sensor</source>
        <translation>Датчик носія</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Зазор</translation>
    </message>
    <message>
        <source>Gap Offset</source>
        <translation>Зміщення зазору</translation>
    </message>
    <message>
        <source>Post-Print Action</source>
        <translation>Після друку</translation>
    </message>
    <message>
        <source>Cut Piece</source>
        <translation>Різати кожні</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Точка відліку</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Напрямок</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Зміщення</translation>
    </message>
    <message>
        <source>Shift X</source>
        <translation>Зсув X</translation>
    </message>
    <message>
        <source>Shift Y</source>
        <translation>Зсув Y</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Стрічка</translation>
    </message>
    <message>
        <source>Ribbon Sensor</source>
        <translation>Датчик стрічки</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>Стрічка: помилка енкод.</translation>
    </message>
    <message>
        <source>Code Page</source>
        <translation>Код. сторінка</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>Код країни</translation>
    </message>
    <message>
        <source>Head-up Sensor</source>
        <translation>Датчик підйому головки</translation>
    </message>
    <message>
        <source>Reprint After Error</source>
        <translation>Повтор після помилки</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Макс. довжина</translation>
    </message>
    <message>
        <source>Gap Inten.</source>
        <translation>Зазор: інтенс.</translation>
    </message>
    <message>
        <source>Bline Inten.</source>
        <translation>Чорн. мітка: інтенс.</translation>
    </message>
    <message>
        <source>Continuous Inten.</source>
        <translation>Безперервний: інтенс.</translation>
    </message>
    <message>
        <source>Threshold Detection</source>
        <translation>Визначення порога</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Darkness</source>
        <translation>Темність</translation>
    </message>
    <message>
        <source>0 to 30</source>
        <translation>від 0 до 30</translation>
    </message>
    <message>
        <source>Print Speed</source>
        <translation>Швидкість друку</translation>
    </message>
    <message>
        <source>Tear Off</source>
        <translation>Відрив</translation>
    </message>
    <message>
        <source>-120 to 120</source>
        <translation>від -120 до 120</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Режим друку</translation>
    </message>
    <message>
        <source>Print Width</source>
        <translation>Ширина друку</translation>
    </message>
    <message>
        <source>Control Prefix</source>
        <translation>Керуючий префікс</translation>
    </message>
    <message>
        <source>Format Prefix</source>
        <translation>Префікс формату</translation>
    </message>
    <message>
        <source>Delimiter Char</source>
        <translation>Роздільник</translation>
    </message>
    <message>
        <source>Media Power Up</source>
        <translation>При увімкненні</translation>
    </message>
    <message>
        <source>Head Close</source>
        <translation>При закр. головки</translation>
    </message>
    <message>
        <source>Label Top</source>
        <translation>Верх етикетки</translation>
    </message>
    <message>
        <source>Left Position</source>
        <translation>Ліва позиція</translation>
    </message>
    <message>
        <source>-9999 to 9999</source>
        <translation>від -9999 до 9999</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Нагрів</translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation>Ширина етикетки</translation>
    </message>
    <message>
        <source>Present Sensor</source>
        <translation>Датчик наявності</translation>
    </message>
    <message>
        <source>Cutter Equipped</source>
        <translation>Різак встановлено</translation>
    </message>
    <message>
        <source>Control Codes</source>
        <translation>Керуючі коди</translation>
    </message>
    <message>
        <source>Column Offset</source>
        <translation>Зміщення стовпця</translation>
    </message>
    <message>
        <source>Row Offset</source>
        <translation>Зміщення рядка</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Інтерфейс</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Швидкість, бод</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>Біти даних</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Парність</translation>
    </message>
    <message>
        <source>Stop Bit(s)</source>
        <translation>Стопові біти</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Отримати</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистити</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Встановити</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Printer Information</source>
        <translation>Інформація про принтер</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версія:</translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation>Серійний №:</translation>
    </message>
    <message>
        <source>Check Sum:</source>
        <translation>Контр. сума:</translation>
    </message>
    <message>
        <source>Cutting Counter:</source>
        <translation>Лічильник різань:</translation>
    </message>
    <message>
        <source>Mileage:</source>
        <translation>Пробіг:</translation>
    </message>
    <message>
        <source>Km</source>
        <translation>км</translation>
    </message>
    <message>
        <source>Printer Status</source>
        <translation>Стан принтера</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>Отримати стан</translation>
    </message>
</context>
<context>
    <name>PrinterFunctionBox</name>
    <message>
        <source>Printer Function</source>
        <translation>Функції принтера</translation>
    </message>
    <message>
        <source>Calibrate Sensor </source>
        <translation>Калібрування датчика </translation>
    </message>
    <message>
        <source>Ethernet Setup</source>
        <translation>Налаштування Ethernet</translation>
    </message>
    <message>
        <source>RTC Setup</source>
        <translation>Налаштування RTC</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Заводські налаштування</translation>
    </message>
    <message>
        <source>Reset Printer</source>
        <translation>Перезапуск принтера</translation>
    </message>
    <message>
        <source>Print Test Page</source>
        <translation>Тестовий друк</translation>
    </message>
    <message>
        <source>Configuration Page</source>
        <translation>Сторінка конфігурації</translation>
    </message>
    <message>
        <source>Dump Text</source>
        <translation>Дамп тексту</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS</source>
        <translation>Ігнорувати AUTO.BAS</translation>
    </message>
    <message>
        <source>Out of Line Mode</source>
        <translation>Вихід з рядкового режиму</translation>
    </message>
    <message>
        <source>Password Setup</source>
        <translation>Налаштування пароля</translation>
    </message>
</context>
<context>
    <name>TFormDumpTextSetup</name>
    <message>
        <source>Dump Text Setup</source>
        <translation>Налаштування дампу тексту</translation>
    </message>
    <message>
        <source>Print Label</source>
        <translation>Друк етикеток</translation>
    </message>
    <message>
        <source>Save to SD Card</source>
        <translation>Зберегти на SD-карту</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Зберегти у файл</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Ім’я файлу:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Встановити</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>TFormEthernetSetup</name>
    <message>
        <source>Ethernet Setup</source>
        <translation>Налаштування Ethernet</translation>
    </message>
    <message>
        <source>IP Setup</source>
        <translation>Налаштування IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Статичний IP</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Маска підмережі:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Шлюз:</translation>
    </message>
    <message>
        <source>Printer Name:</source>
        <translation>Ім’я принтера:</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>MAC-адреса:</translation>
    </message>
    <message>
        <source>Set Printer Name</source>
        <translation>Встановити ім’я принтера</translation>
    </message>
    <message>
        <source>Set IP</source>
        <translation>Встановити IP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>TFormLPTSetup</name>
    <message>
        <source>LPT Setup</source>
        <translation>Налаштування LPT</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Встановити</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Language</source>
        <translation>Мова</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Одиниці</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>дюйм</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>мм</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Інтерфейс</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Налаштувати</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>Конфігурація принтера</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Менеджер файлів</translation>
    </message>
    <message>
        <source>Bitmap Font Manager</source>
        <translation>Менеджер растрових шрифтів</translation>
    </message>
    <message>
        <source>Command Tool</source>
        <translation>Надсилання команд</translation>
    </message>
</context>
<context>
    <name>TFormNetSetup</name>
    <message>
        <source>Printer Name</source>
        <translation>Ім’я принтера</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-адреса</translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Стан</translation>
    </message>
    <message>
        <source>Discover Device</source>
        <translation>Пошук пристроїв</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Заводські налаштування</translation>
    </message>
    <message>
        <source>Change IP Address</source>
        <translation>Змінити IP-адресу</translation>
    </message>
    <message>
        <source>Web Setup</source>
        <translation>Веб-налаштування</translation>
    </message>
    <message>
        <source>IP Setting</source>
        <translation>Налаштування IP</translation>
    </message>
    <message>
        <source>IP Address/Printer Name:</source>
        <translation>IP-адреса/ім’я принтера:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
</context>
<context>
    <name>TFormPassword</name>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Please enter your password</source>
        <translation>Введіть пароль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>TFormPasswordSetup</name>
    <message>
        <source>Password Setup</source>
        <translation>Налаштування пароля</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Старий пароль</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Новий пароль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>TFormPreviewFont</name>
    <message>
        <source>Character Chart</source>
        <translation>Таблиця символів</translation>
    </message>
    <message>
        <source>Built Font</source>
        <translation>Зібраний шрифт</translation>
    </message>
    <message>
        <source>Build from Page</source>
        <translation>Зібрати зі сторінки</translation>
    </message>
    <message>
        <source>Open Font File</source>
        <translation>Відкрити файл шрифту</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
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
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>TFormRTCSetup</name>
    <message>
        <source>RTC Setup</source>
        <translation>Налаштування RTC</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Рік:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Місяць:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>День:</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Година:</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Хвилина:</translation>
    </message>
    <message>
        <source>Second:</source>
        <translation>Секунда:</translation>
    </message>
    <message>
        <source>Get System Time</source>
        <translation>Отримати час ПК</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Встановити</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>TFormRs232Setup</name>
    <message>
        <source>RS232 Setup</source>
        <translation>Налаштування RS232</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>COM-порт:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Швидкість, бод:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Біти даних:</translation>
    </message>
    <message>
        <source>Parity Check:</source>
        <translation>Контроль парності:</translation>
    </message>
    <message>
        <source>Stop Bit(s):</source>
        <translation>Стопові біти:</translation>
    </message>
    <message>
        <source>Hardware Handshaking:</source>
        <translation>Апаратне кер. потоком:</translation>
    </message>
    <message>
        <source>Software Handshaking:</source>
        <translation>Програмне кер. потоком:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Встановити</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>TFormSensorCalibrate</name>
    <message>
        <source>Sensor Calibration</source>
        <translation>Калібрування датчика</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>Автокалібрування</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Висота паперу</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>дюйм</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Зазор</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Калібрувати</translation>
    </message>
    <message>
        <source>Media Type</source>
        <translation>Тип носія</translation>
    </message>
    <message>
        <source>GAP</source>
        <translation>ЗАЗОР</translation>
    </message>
    <message>
        <source>Black Mark</source>
        <translation>Чорна мітка</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Безперервний</translation>
    </message>
    <message>
        <source>Auto Selection</source>
        <translation>Автовибір</translation>
    </message>
    <message>
        <source>Manual Setup</source>
        <translation>Ручне налаштування</translation>
    </message>
    <message>
        <source>Sensor Intension</source>
        <translation>Інтенсивність датчика</translation>
    </message>
    <message>
        <source>Threshold Value</source>
        <translation>Порогове значення</translation>
    </message>
    <message>
        <source>Reading Intension</source>
        <translation>Інтенсивність зчитування</translation>
    </message>
    <message>
        <source>Current Reading</source>
        <translation>Поточне показання</translation>
    </message>
    <message>
        <source>Label Reading</source>
        <translation>Показання етикетки</translation>
    </message>
    <message>
        <source>Gap Reading</source>
        <translation>Показання зазору</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Встановити</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Калібрування</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
</context>
<context>
    <name>lb::BitmapFontManagerPage</name>
    <message>
        <source>%1 has no characters of the character set %2: the font&apos;s cells would come out empty or drawn in another font.</source>
        <translation>Шрифт %1 не містить символів із набору %2: комірки шрифту будуть порожніми або намальованими іншим шрифтом.</translation>
    </message>
    <message>
        <source>Build the font all the same?</source>
        <translation>Усе одно зібрати шрифт?</translation>
    </message>
    <message>
        <source>The table file could not be opened.</source>
        <translation>Не вдалося відкрити файл таблиці.</translation>
    </message>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>Символ %1 не можна зберегти в кодуванні %2. Нічого не збережено.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Не вдалося зберегти файл.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ticked, but no table file has been loaded.</source>
        <translation>Прапорець &quot;%1&quot; встановлено, але файл таблиці не відкрито.</translation>
    </message>
    <message>
        <source>The table file %1 cannot be read, is larger than %2 bytes or holds no character.</source>
        <translation>Файл таблиці %1 не вдається прочитати, він більший за %2 байтів або не містить жодного символу.</translation>
    </message>
    <message>
        <source>The encode table&apos;s character %1 has no code in %2.</source>
        <translation>Для символу %1 з таблиці кодування немає коду в %2.</translation>
    </message>
    <message>
        <source>The encode table is larger than %1 bytes.</source>
        <translation>Таблиця кодування більша за %1 байтів.</translation>
    </message>
    <message>
        <source>The encode table is empty.</source>
        <translation>Таблиця кодування порожня.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>Поле &quot;%1&quot; не заповнено.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must lie between 0 and 255.</source>
        <translation>Значення &quot;%1&quot; має бути від 0 до 255.</translation>
    </message>
    <message>
        <source>No code page is chosen in &quot;%1&quot;.</source>
        <translation>У групі &quot;%1&quot; не вибрано кодову сторінку.</translation>
    </message>
    <message>
        <source>The encode table holds no double-byte character.</source>
        <translation>Таблиця кодування не містить жодного двобайтового символу.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not be negative.</source>
        <translation>Значення &quot;%1&quot; не може бути від’ємним.</translation>
    </message>
</context>
<context>
    <name>lb::CommandText</name>
    <message>
        <source>Western</source>
        <translation>Західна</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Китайська традиційна</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Китайська спрощена</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японська</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейська</translation>
    </message>
</context>
<context>
    <name>lb::CommandToolPage</name>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>Символ %1 не можна зберегти в кодуванні %2. Нічого не збережено.</translation>
    </message>
    <message>
        <source>The character %1 cannot be sent in %2. Nothing was sent.</source>
        <translation>Символ %1 не можна надіслати в кодуванні %2. Нічого не надіслано.</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>Немає відповіді.</translation>
    </message>
    <message>
        <source>The file does not fit in the editor, which holds at most %1 characters. Nothing was added.</source>
        <translation>Файл не вміщується в редактор, розрахований щонайбільше на %1 символів. Нічого не додано.</translation>
    </message>
    <message>
        <source>Some bytes of the file are no %1 text: they show as �.</source>
        <translation>Деякі байти файлу не є текстом у кодуванні %1: їх показано як �.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Не вдалося зберегти файл.</translation>
    </message>
</context>
<context>
    <name>lb::FileManagerPage</name>
    <message>
        <source>%1 downloaded to %2 (%3 bytes)</source>
        <translation>Файл %1 завантажено в пам’ять %2 (%3 байтів)</translation>
    </message>
    <message>
        <source>%1 sent (%2 bytes)</source>
        <translation>Файл %1 надіслано (%2 байтів)</translation>
    </message>
    <message>
        <source>Memory information read</source>
        <translation>Інформацію про пам’ять отримано</translation>
    </message>
    <message>
        <source>Every file in %1 will be deleted.</source>
        <translation>Усі файли в пам’яті %1 буде видалено.</translation>
    </message>
    <message>
        <source>%1 formatted</source>
        <translation>Пам’ять %1 відформатовано</translation>
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
        <translation>Хангиль</translation>
    </message>
    <message>
        <source>Shift-JIS</source>
        <translation>Shift-JIS</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Центральноєвропейський</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Кирилиця</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Грецький</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецький</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Іврит</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Арабський</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Балтійський</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>В’єтнамський</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Тайський</translation>
    </message>
</context>
<context>
    <name>lb::FontRules</name>
    <message>
        <source>Type the printer font name.</source>
        <translation>Введіть назву шрифту в принтері.</translation>
    </message>
    <message>
        <source>The printer font name has %1 characters; at most %2 fit.</source>
        <translation>Назва шрифту в принтері містить %1 симв.; допустимо не більше %2.</translation>
    </message>
    <message>
        <source>The printer font name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>Назва шрифту в принтері не може містити подвійних лапок, розриву рядка чи іншого керуючого символу, а також символів поза Latin-1.</translation>
    </message>
</context>
<context>
    <name>lb::Language</name>
    <message>
        <source>English</source>
        <translation>Англійська</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Китайська (традиційна)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Китайська (спрощена)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японська</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Іспанська</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Португальська</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Німецька</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французька</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Італійська</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Російська</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Польська</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Литовська</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Чеська</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Українська</translation>
    </message>
</context>
<context>
    <name>lb::Link</name>
    <message>
        <source>LPT: the parallel port cannot read.</source>
        <translation>LPT: паралельний порт не підтримує читання.</translation>
    </message>
    <message>
        <source>not a parallel port (LPT1 to LPT4, or a device path)</source>
        <translation>не паралельний порт (від LPT1 до LPT4 або шлях до пристрою)</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group lp (then log in again)</source>
        <translation>доступ заборонено: користувач має входити до групи lp (потім увійдіть у систему знову)</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>зайнятий іншою програмою</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms (out of paper, or off line?)</source>
        <translation>принтер не приймав дані %1 мс (немає паперу або принтер у режимі офлайн?)</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>пристрій від’єднано</translation>
    </message>
    <message>
        <source>The reply is not a valid frame.</source>
        <translation>Відповідь не є допустимим кадром.</translation>
    </message>
    <message>
        <source>More than %1 bytes arrived without a reply frame.</source>
        <translation>Надійшло понад %1 байтів без кадру відповіді.</translation>
    </message>
    <message>
        <source>The reply is longer than the %1 bytes it may have.</source>
        <translation>Відповідь довша за допустимі %1 Б.</translation>
    </message>
    <message>
        <source>The reply line carries more than %1 CRs.</source>
        <translation>Рядок відповіді містить понад %1 символів CR.</translation>
    </message>
    <message>
        <source>The reply line is longer than %1 characters.</source>
        <translation>Рядок відповіді довший за %1 символів.</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>пристрій не знайдено</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group dialout (then log in again)</source>
        <translation>доступ заборонено: користувач має входити до групи dialout (потім увійдіть у систему знову)</translation>
    </message>
    <message>
        <source>not a serial port (COM1 to COM30, or a device path)</source>
        <translation>не послідовний порт (від COM1 до COM30 або шлях до пристрою)</translation>
    </message>
    <message>
        <source>the port did not send the data within %1 ms</source>
        <translation>порт не надіслав дані за %1 мс</translation>
    </message>
    <message>
        <source>no reply within %1 ms</source>
        <translation>немає відповіді протягом %1 мс</translation>
    </message>
    <message>
        <source>connection refused (is the printer on and is the port right?)</source>
        <translation>у з’єднанні відмовлено (принтер увімкнено і порт указано правильно?)</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>вузол не знайдено</translation>
    </message>
    <message>
        <source>timed out: no answer within %1 ms</source>
        <translation>час очікування минув: немає відповіді протягом %1 мс</translation>
    </message>
    <message>
        <source>the printer closed the connection</source>
        <translation>принтер закрив з’єднання</translation>
    </message>
    <message>
        <source>no printer address is set</source>
        <translation>адресу принтера не задано</translation>
    </message>
    <message>
        <source>%1 is not a TCP port</source>
        <translation>%1 не є TCP-портом</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms</source>
        <translation>принтер не приймав дані %1 мс</translation>
    </message>
    <message>
        <source>permission denied: install the udev rule 60-labelbench-printers.rules from packaging/ (see the README), then replug the printer</source>
        <translation>доступ заборонено: встановіть правило udev 60-labelbench-printers.rules з packaging/ (див. README), потім повторно під’єднайте принтер</translation>
    </message>
    <message>
        <source>USB cannot be used on this system</source>
        <translation>USB недоступний у цій системі</translation>
    </message>
    <message>
        <source>the device has no printer interface</source>
        <translation>пристрій не має інтерфейсу принтера</translation>
    </message>
    <message>
        <source>no device with an accepted vendor identifier (%1)</source>
        <translation>немає пристрою з допустимим ідентифікатором виробника (%1)</translation>
    </message>
    <message>
        <source>the device cannot be opened</source>
        <translation>не вдається відкрити пристрій</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>скасовано</translation>
    </message>
    <message>
        <source>The list has more than %1 entries.</source>
        <translation>У списку понад %1 записів.</translation>
    </message>
    <message>
        <source>The list did not end within %1 s.</source>
        <translation>Список не завершився за %1 с.</translation>
    </message>
    <message>
        <source>The list is longer than the %1 bytes it may have.</source>
        <translation>Список довший за допустимі %1 Б.</translation>
    </message>
</context>
<context>
    <name>lb::Outcome</name>
    <message>
        <source>Cancelled</source>
        <translation>Скасовано</translation>
    </message>
</context>
<context>
    <name>lb::PrinterConfigurationPage</name>
    <message>
        <source>Configuration read (edition %1)</source>
        <translation>Конфігурацію зчитано (редакція %1)</translation>
    </message>
    <message>
        <source>Configuration cleared</source>
        <translation>Конфігурацію очищено</translation>
    </message>
    <message>
        <source>Page %1 not written</source>
        <translation>Сторінку «%1» не записано</translation>
    </message>
    <message>
        <source>Page %1 written: %2 settings</source>
        <translation>Сторінку «%1» записано, параметрів: %2</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Конфігурацію збережено у файл %1</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Відкрито файл конфігурації %1</translation>
    </message>
    <message>
        <source>Printer status: %1</source>
        <translation>Стан принтера: %1</translation>
    </message>
    <message>
        <source>The entry %1 is unknown, missing or holds a value that cannot be used.</source>
        <translation>Запис %1 невідомий, відсутній або містить непридатне значення.</translation>
    </message>
    <message>
        <source>%1 holds a value a .json file cannot hold; nothing was saved.</source>
        <translation>%1 містить значення, яке неможливо записати у файл .json; нічого не збережено.</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFiles</name>
    <message>
        <source>Type the printer file name.</source>
        <translation>Введіть ім’я файлу в принтері.</translation>
    </message>
    <message>
        <source>The printer file name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>Ім’я файлу в принтері не може містити подвійних лапок, розриву рядка чи іншого керуючого символу, а також символів поза Latin-1.</translation>
    </message>
    <message>
        <source>larger than %1 bytes, which is the most that can be sent</source>
        <translation>більше за %1 байтів — це максимум, який можна надіслати</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>файл змінився під час читання</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFunctionBox</name>
    <message>
        <source>Sensor calibration sent</source>
        <translation>Калібрування датчика надіслано</translation>
    </message>
    <message>
        <source>Network address settings sent</source>
        <translation>Налаштування мережевої адреси надіслано</translation>
    </message>
    <message>
        <source>Printer name sent</source>
        <translation>Ім’я принтера надіслано</translation>
    </message>
    <message>
        <source>Clock set</source>
        <translation>Годинник встановлено</translation>
    </message>
    <message>
        <source>Dump mode started</source>
        <translation>Режим дампу ввімкнено</translation>
    </message>
    <message>
        <source>Send the text to be captured to the printer now, from the label program or the Command Tool, then press OK.</source>
        <translation>Тепер надішліть у принтер текст для дампу з програми друку етикеток або з вкладки «Надсилання команд», потім натисніть OK.</translation>
    </message>
    <message>
        <source>The dump is empty: the printer captured no text.</source>
        <translation>Дамп порожній: принтер не отримав жодного тексту.</translation>
    </message>
    <message>
        <source>The dump is empty</source>
        <translation>Дамп порожній</translation>
    </message>
    <message>
        <source>Dump saved to %1 (%2 bytes)</source>
        <translation>Дамп збережено у файл %1 (%2 байтів)</translation>
    </message>
    <message>
        <source>Factory default sent</source>
        <translation>Скидання до заводських налаштувань надіслано</translation>
    </message>
    <message>
        <source>Printer reset</source>
        <translation>Принтер перезапущено</translation>
    </message>
    <message>
        <source>Test page sent</source>
        <translation>Тестовий друк надіслано</translation>
    </message>
    <message>
        <source>Configuration page sent</source>
        <translation>Сторінку конфігурації надіслано</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS sent</source>
        <translation>Команду «Ігнорувати AUTO.BAS» надіслано</translation>
    </message>
    <message>
        <source>Line mode left</source>
        <translation>Рядковий режим вимкнено</translation>
    </message>
    <message>
        <source>Password changed</source>
        <translation>Пароль змінено</translation>
    </message>
</context>
<context>
    <name>lb::PrinterStatus</name>
    <message>
        <source>Printing</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Paper Jam</source>
        <translation>Застрягання паперу</translation>
    </message>
    <message>
        <source>Out of Paper</source>
        <translation>Немає паперу</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>Стрічка: помилка енкод.</translation>
    </message>
    <message>
        <source>Out of Ribbon</source>
        <translation>Немає стрічки</translation>
    </message>
    <message>
        <source>Other Error</source>
        <translation>Інша помилка</translation>
    </message>
    <message>
        <source>Head Open</source>
        <translation>Головку відкрито</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готовий</translation>
    </message>
</context>
<context>
    <name>lb::Refusal</name>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation>%1: &apos;%2&apos; не є числом</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; не є числом</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is out of range</source>
        <translation>%1: &apos;%2&apos; поза допустимим діапазоном</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range</source>
        <translation>&apos;%1&apos; поза допустимим діапазоном</translation>
    </message>
</context>
<context>
    <name>lb::SensorChart</name>
    <message>
        <source>Label</source>
        <translation>Етикетка</translation>
    </message>
    <message>
        <source>Live %1</source>
        <translation>Поточне %1</translation>
    </message>
    <message>
        <source>Intensity %1</source>
        <translation>Інтенсивність %1</translation>
    </message>
    <message>
        <source>Threshold %1</source>
        <translation>Поріг %1</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Інтенсивність</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>Показань поки немає</translation>
    </message>
</context>
<context>
    <name>lb::TFormEthernetSetup</name>
    <message>
        <source>The printer name &quot;%1&quot; cannot be sent: the printer knows only Latin-1 characters.</source>
        <translation>Ім’я принтера &quot;%1&quot; не можна надіслати: принтер розпізнає лише символи Latin-1.</translation>
    </message>
</context>
<context>
    <name>lb::TFormMain</name>
    <message>
        <source>Looking for the printer on %1…</source>
        <translation>Пошук принтера на %1…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Скасовано</translation>
    </message>
    <message>
        <source>No printer answered on %1 — choose the interface and press Get, or start with --demo to try LabelBench</source>
        <translation>Жоден принтер не відповів на %1 — виберіть інтерфейс і натисніть «Отримати» або запустіть програму з параметром --demo, щоб випробувати LabelBench</translation>
    </message>
</context>
<context>
    <name>lb::TFormNetSetup</name>
    <message>
        <source>The printer %1 returns to its factory settings.</source>
        <translation>Принтер %1 повернеться до заводських налаштувань.</translation>
    </message>
    <message>
        <source>The request could not be sent on this computer&apos;s network; the printer has not been changed.</source>
        <translation>Не вдалося надіслати запит у мережу цього комп’ютера; налаштування принтера не змінено.</translation>
    </message>
</context>
<context>
    <name>lb::TFormPassword</name>
    <message>
        <source>Incorrect</source>
        <translation>Неправильний пароль</translation>
    </message>
</context>
<context>
    <name>lb::TFormPasswordSetup</name>
    <message>
        <source>Incorrect</source>
        <translation>Неправильний пароль</translation>
    </message>
    <message>
        <source>The new password can have at most %1 characters, none of them a double quote or a control character (such as a line break, a tab or ESC).</source>
        <translation>Новий пароль може містити не більше %1 символів, серед яких не має бути подвійних лапок і керуючих символів (наприклад, розриву рядка, табуляції чи ESC).</translation>
    </message>
</context>
<context>
    <name>lb::TFormPreviewFont</name>
    <message>
        <source>Build the page&apos;s font to see the bitmaps the printer will receive.</source>
        <translation>Зберіть шрифт сторінки, щоб побачити растрові зображення, які отримає принтер.</translation>
    </message>
    <message>
        <source>This is no font file the printer can use: %1</source>
        <translation>Цей файл не є шрифтом, придатним для принтера: %1</translation>
    </message>
    <message>
        <source>variable pitch</source>
        <translation>змінний крок</translation>
    </message>
    <message>
        <source>fixed pitch</source>
        <translation>фіксований крок</translation>
    </message>
    <message>
        <source>double-byte codes</source>
        <translation>двобайтові коди</translation>
    </message>
    <message>
        <source>single-byte codes</source>
        <translation>однобайтові коди</translation>
    </message>
    <message>
        <source>%1 characters, cell %2 x %3 pixels, %4, %5</source>
        <translation>Символів: %1, комірка %2 x %3 пікс., %4, %5</translation>
    </message>
    <message>
        <source>Its glyphs are too many and too large to be drawn here.</source>
        <translation>Гліфів забагато, і вони завеликі, щоб показати їх тут.</translation>
    </message>
</context>
<context>
    <name>lb::TFormRTCSetup</name>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 хв %2 с</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 год %2 хв</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 дн.</translation>
    </message>
    <message>
        <source>printer clock agrees with this computer</source>
        <translation>годинник принтера збігається з цим комп’ютером</translation>
    </message>
    <message>
        <source>printer clock %1 behind this computer</source>
        <translation>годинник принтера відстає від цього комп’ютера на %1</translation>
    </message>
    <message>
        <source>printer clock %1 ahead of this computer</source>
        <translation>годинник принтера випереджає цей комп’ютер на %1</translation>
    </message>
</context>
<context>
    <name>lb::TFormRs232Setup</name>
    <message>
        <source>None</source>
        <translation>Немає</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Непарна</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Парна</translation>
    </message>
</context>
<context>
    <name>lb::TFormSensorCalibrate</name>
    <message>
        <source>Calibrate</source>
        <translation>Калібрувати</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далі</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>дюйм</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>мм</translation>
    </message>
    <message>
        <source>Black mark</source>
        <translation>Чорна мітка</translation>
    </message>
    <message>
        <source>Liner</source>
        <translation>Підкладка</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Носій</translation>
    </message>
    <message>
        <source>Can&apos;t calibration</source>
        <translation>Калібрування не вдалося</translation>
    </message>
    <message>
        <source>Put linner please</source>
        <translation>Розмістіть під датчиком підкладку</translation>
    </message>
    <message>
        <source>Put black mark please</source>
        <translation>Розмістіть під датчиком чорну мітку</translation>
    </message>
    <message>
        <source>Put label please</source>
        <translation>Розмістіть під датчиком етикетку</translation>
    </message>
    <message>
        <source>Label and %1 lie closer than %2 at every level</source>
        <translation>Етикетка і %1 відрізняються менш ніж на %2 на всіх рівнях</translation>
    </message>
    <message>
        <source>black mark</source>
        <translation>чорна мітка</translation>
    </message>
    <message>
        <source>liner</source>
        <translation>підкладка</translation>
    </message>
    <message>
        <source>Calibration is complete</source>
        <translation>Калібрування завершено</translation>
    </message>
</context>
</TS>
