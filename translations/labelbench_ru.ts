<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>BitmapFontManagerPage</name>
    <message>
        <source>Font Select</source>
        <translation>Выбор шрифта</translation>
    </message>
    <message>
        <source>Font Encode</source>
        <translation>Кодировка шрифта</translation>
    </message>
    <message>
        <source>Standard Encode</source>
        <translation>Стандартная кодировка</translation>
    </message>
    <message>
        <source>Asian Font Encode</source>
        <translation>Азиатская кодировка</translation>
    </message>
    <message>
        <source>Encode by Table</source>
        <translation>Кодировка по таблице</translation>
    </message>
    <message>
        <source>Encode by Table (Asian)</source>
        <translation>Кодировка по таблице (азиатская)</translation>
    </message>
    <message>
        <source>Font Pitch</source>
        <translation>Шаг шрифта</translation>
    </message>
    <message>
        <source>Fixed Pitch</source>
        <translation>Фиксированный шаг</translation>
    </message>
    <message>
        <source>Variable Pitch</source>
        <translation>Переменный шаг</translation>
    </message>
    <message>
        <source>Windows Font Name</source>
        <translation>Имя шрифта Windows</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Размер шрифта</translation>
    </message>
    <message>
        <source>Printer Device</source>
        <translation>Память принтера</translation>
    </message>
    <message>
        <source>Character Set</source>
        <translation>Набор символов</translation>
    </message>
    <message>
        <source>The code page in which the font&apos;s codes are read: the script its characters come from</source>
        <translation>Кодовая страница, по которой читаются коды шрифта: письменность, из которой берутся его символы</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Выбрать шрифт</translation>
    </message>
    <message>
        <source>Printer Font Name</source>
        <translation>Имя шрифта в принтере</translation>
    </message>
    <message>
        <source>Italic Width</source>
        <translation>Ширина курсива</translation>
    </message>
    <message>
        <source>Preview Font</source>
        <translation>Просмотр шрифта</translation>
    </message>
    <message>
        <source>Font Width</source>
        <translation>Ширина шрифта</translation>
    </message>
    <message>
        <source>Font Height</source>
        <translation>Высота шрифта</translation>
    </message>
    <message>
        <source>Font Mapping</source>
        <translation>Диапазон символов</translation>
    </message>
    <message>
        <source>Standard Mapping</source>
        <translation>Стандартный диапазон</translation>
    </message>
    <message>
        <source>Full ASCII Mapping</source>
        <translation>Полный диапазон ASCII</translation>
    </message>
    <message>
        <source>Custom Mapping</source>
        <translation>Произвольный диапазон</translation>
    </message>
    <message>
        <source>Character Start ASCII</source>
        <translation>Начальный код ASCII</translation>
    </message>
    <message>
        <source>Character End ASCII</source>
        <translation>Конечный код ASCII</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Китайский (традиционный)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Китайский (упрощённый)</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейский</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>By File</source>
        <translation>Из файла</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save Font</source>
        <translation>Сохранить шрифт</translation>
    </message>
    <message>
        <source>Download Font</source>
        <translation>Загрузить шрифт</translation>
    </message>
</context>
<context>
    <name>CommandToolPage</name>
    <message>
        <source>Text encoding</source>
        <translation>Кодировка текста</translation>
    </message>
    <message>
        <source>Show replies</source>
        <translation>Показывать ответы</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Отправить файл</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
</context>
<context>
    <name>ConfigurationWriter</name>
    <message>
        <source>%1 holds %2, which cannot be sent to the printer</source>
        <translation>%1 содержит значение %2, которое нельзя отправить в принтер</translation>
    </message>
    <message>
        <source>%1 cannot be converted for the printer: the resolution %2 is not usable</source>
        <translation>%1 не удаётся пересчитать для принтера: разрешение %2 непригодно</translation>
    </message>
</context>
<context>
    <name>FileManagerPage</name>
    <message>
        <source>File Download</source>
        <translation>Загрузка файла</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Тип файла</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Имя файла</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Размер файла</translation>
    </message>
    <message>
        <source>Memory Device</source>
        <translation>Память</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>Font View</source>
        <translation>Просмотр шрифта</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Загрузить</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Информация о файлах</translation>
    </message>
    <message>
        <source>Physical Space</source>
        <translation>Общий объём</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Свободно</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Получить</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>Форматирование</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Форматировать</translation>
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
        <translation>Конфигурация принтера</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Плотность</translation>
    </message>
    <message>
        <source>Paper Width</source>
        <translation>Ширина бумаги</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>дюйм</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Высота бумаги</translation>
    </message>
    <message>
        <source>Media Sensor</source>
        <translation>Датчик носителя</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Зазор</translation>
    </message>
    <message>
        <source>Gap Offset</source>
        <translation>Смещение зазора</translation>
    </message>
    <message>
        <source>Post-Print Action</source>
        <translation>После печати</translation>
    </message>
    <message>
        <source>Cut Piece</source>
        <translation>Резать каждые</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Точка отсчёта</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Направление</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Смещение</translation>
    </message>
    <message>
        <source>Shift X</source>
        <translation>Сдвиг X</translation>
    </message>
    <message>
        <source>Shift Y</source>
        <translation>Сдвиг Y</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Риббон</translation>
    </message>
    <message>
        <source>Ribbon Sensor</source>
        <translation>Датчик риббона</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>Риббон: ошибка энкод.</translation>
    </message>
    <message>
        <source>Code Page</source>
        <translation>Код. страница</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>Код страны</translation>
    </message>
    <message>
        <source>Head-up Sensor</source>
        <translation>Датчик откр. головки</translation>
    </message>
    <message>
        <source>Reprint After Error</source>
        <translation>Повтор печати после ошибки</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Макс. длина</translation>
    </message>
    <message>
        <source>Gap Inten.</source>
        <translation>Зазор: интенс.</translation>
    </message>
    <message>
        <source>Bline Inten.</source>
        <translation>Чёрн. метка: интенс.</translation>
    </message>
    <message>
        <source>Continuous Inten.</source>
        <translation>Непрерывный: интенс.</translation>
    </message>
    <message>
        <source>Threshold Detection</source>
        <translation>Определение порога</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Darkness</source>
        <translation>Темность</translation>
    </message>
    <message>
        <source>0 to 30</source>
        <translation>от 0 до 30</translation>
    </message>
    <message>
        <source>Print Speed</source>
        <translation>Скорость печати</translation>
    </message>
    <message>
        <source>Tear Off</source>
        <translation>Отрыв</translation>
    </message>
    <message>
        <source>-120 to 120</source>
        <translation>от -120 до 120</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Режим печати</translation>
    </message>
    <message>
        <source>Print Width</source>
        <translation>Ширина печати</translation>
    </message>
    <message>
        <source>Control Prefix</source>
        <translation>Управл. префикс</translation>
    </message>
    <message>
        <source>Format Prefix</source>
        <translation>Префикс формата</translation>
    </message>
    <message>
        <source>Delimiter Char</source>
        <translation>Разделитель</translation>
    </message>
    <message>
        <source>Media Power Up</source>
        <translation>При включении</translation>
    </message>
    <message>
        <source>Head Close</source>
        <translation>При закр. головки</translation>
    </message>
    <message>
        <source>Label Top</source>
        <translation>Верх этикетки</translation>
    </message>
    <message>
        <source>Left Position</source>
        <translation>Левая позиция</translation>
    </message>
    <message>
        <source>-9999 to 9999</source>
        <translation>от -9999 до 9999</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Нагрев</translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation>Ширина этикетки</translation>
    </message>
    <message>
        <source>Present Sensor</source>
        <translation>Датчик наличия</translation>
    </message>
    <message>
        <source>Cutter Equipped</source>
        <translation>Резак установлен</translation>
    </message>
    <message>
        <source>Control Codes</source>
        <translation>Управл. коды</translation>
    </message>
    <message>
        <source>Column Offset</source>
        <translation>Смещение столбца</translation>
    </message>
    <message>
        <source>Row Offset</source>
        <translation>Смещение строки</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Интерфейс</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Скорость, бод</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>Биты данных</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Чётность</translation>
    </message>
    <message>
        <source>Stop Bit(s)</source>
        <translation>Стоповые биты</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Получить</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Printer Information</source>
        <translation>Информация о принтере</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation>Серийный №:</translation>
    </message>
    <message>
        <source>Check Sum:</source>
        <translation>Контр. сумма:</translation>
    </message>
    <message>
        <source>Cutting Counter:</source>
        <translation>Счётчик отрезов:</translation>
    </message>
    <message>
        <source>Mileage:</source>
        <translation>Пробег:</translation>
    </message>
    <message>
        <source>Km</source>
        <translation>км</translation>
    </message>
    <message>
        <source>Printer Status</source>
        <translation>Статус принтера</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>Получить статус</translation>
    </message>
</context>
<context>
    <name>PrinterFunctionBox</name>
    <message>
        <source>Printer Function</source>
        <translation>Функции принтера</translation>
    </message>
    <message>
        <source>Calibrate Sensor </source>
        <translation>Калибровка датчика </translation>
    </message>
    <message>
        <source>Ethernet Setup</source>
        <translation>Настройка Ethernet</translation>
    </message>
    <message>
        <source>RTC Setup</source>
        <translation>Настройка RTC</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Заводские настройки</translation>
    </message>
    <message>
        <source>Reset Printer</source>
        <translation>Перезапуск принтера</translation>
    </message>
    <message>
        <source>Print Test Page</source>
        <translation>Тестовая печать</translation>
    </message>
    <message>
        <source>Configuration Page</source>
        <translation>Страница конфигурации</translation>
    </message>
    <message>
        <source>Dump Text</source>
        <translation>Дамп текста</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS</source>
        <translation>Игнорировать AUTO.BAS</translation>
    </message>
    <message>
        <source>Out of Line Mode</source>
        <translation>Выход из построч. режима</translation>
    </message>
    <message>
        <source>Password Setup</source>
        <translation>Настройка пароля</translation>
    </message>
</context>
<context>
    <name>TFormDumpTextSetup</name>
    <message>
        <source>Dump Text Setup</source>
        <translation>Настройка дампа текста</translation>
    </message>
    <message>
        <source>Print Label</source>
        <translation>Печать этикеток</translation>
    </message>
    <message>
        <source>Save to SD Card</source>
        <translation>Сохранить на SD-карту</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Сохранить в файл</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Имя файла:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TFormEthernetSetup</name>
    <message>
        <source>Ethernet Setup</source>
        <translation>Настройка Ethernet</translation>
    </message>
    <message>
        <source>IP Setup</source>
        <translation>Настройка IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>Статический IP</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Маска подсети:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Шлюз:</translation>
    </message>
    <message>
        <source>Printer Name:</source>
        <translation>Имя принтера:</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>MAC-адрес:</translation>
    </message>
    <message>
        <source>Set Printer Name</source>
        <translation>Установить имя принтера</translation>
    </message>
    <message>
        <source>Set IP</source>
        <translation>Установить IP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TFormLPTSetup</name>
    <message>
        <source>LPT Setup</source>
        <translation>Настройка LPT</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Единицы</translation>
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
        <translation>Интерфейс</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Настроить</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>Конфигурация принтера</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Менеджер файлов</translation>
    </message>
    <message>
        <source>Bitmap Font Manager</source>
        <translation>Менеджер растровых шрифтов</translation>
    </message>
    <message>
        <source>Command Tool</source>
        <translation>Отправка команд</translation>
    </message>
</context>
<context>
    <name>TFormNetSetup</name>
    <message>
        <source>Printer Name</source>
        <translation>Имя принтера</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Discover Device</source>
        <translation>Поиск устройств</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Заводские настройки</translation>
    </message>
    <message>
        <source>Change IP Address</source>
        <translation>Изменить IP-адрес</translation>
    </message>
    <message>
        <source>Web Setup</source>
        <translation>Веб-настройка</translation>
    </message>
    <message>
        <source>IP Setting</source>
        <translation>Настройка IP</translation>
    </message>
    <message>
        <source>IP Address/Printer Name:</source>
        <translation>IP-адрес/имя принтера:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Порт:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
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
        <translation>Введите пароль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TFormPasswordSetup</name>
    <message>
        <source>Password Setup</source>
        <translation>Настройка пароля</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Старый пароль</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Новый пароль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TFormPreviewFont</name>
    <message>
        <source>Character Chart</source>
        <translation>Таблица символов</translation>
    </message>
    <message>
        <source>Built Font</source>
        <translation>Собранный шрифт</translation>
    </message>
    <message>
        <source>Build from Page</source>
        <translation>Собрать со страницы</translation>
    </message>
    <message>
        <source>Open Font File</source>
        <translation>Открыть файл шрифта</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
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
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TFormRTCSetup</name>
    <message>
        <source>RTC Setup</source>
        <translation>Настройка RTC</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Год:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Месяц:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>День:</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Час:</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Минута:</translation>
    </message>
    <message>
        <source>Second:</source>
        <translation>Секунда:</translation>
    </message>
    <message>
        <source>Get System Time</source>
        <translation>Получить время ПК</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TFormRs232Setup</name>
    <message>
        <source>RS232 Setup</source>
        <translation>Настройка RS232</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>COM-порт:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Скорость, бод:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Биты данных:</translation>
    </message>
    <message>
        <source>Parity Check:</source>
        <translation>Контроль чётности:</translation>
    </message>
    <message>
        <source>Stop Bit(s):</source>
        <translation>Стоповые биты:</translation>
    </message>
    <message>
        <source>Hardware Handshaking:</source>
        <translation>Аппаратное упр. потоком:</translation>
    </message>
    <message>
        <source>Software Handshaking:</source>
        <translation>Программное упр. потоком:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>TFormSensorCalibrate</name>
    <message>
        <source>Sensor Calibration</source>
        <translation>Калибровка датчика</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>Автокалибровка</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Высота бумаги</translation>
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
        <translation>Калибровать</translation>
    </message>
    <message>
        <source>Media Type</source>
        <translation>Тип носителя</translation>
    </message>
    <message>
        <source>GAP</source>
        <translation>ЗАЗОР</translation>
    </message>
    <message>
        <source>Black Mark</source>
        <translation>Чёрная метка</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Непрерывный</translation>
    </message>
    <message>
        <source>Auto Selection</source>
        <translation>Автовыбор</translation>
    </message>
    <message>
        <source>Manual Setup</source>
        <translation>Ручная настройка</translation>
    </message>
    <message>
        <source>Sensor Intension</source>
        <translation>Интенсивность датчика</translation>
    </message>
    <message>
        <source>Threshold Value</source>
        <translation>Пороговое значение</translation>
    </message>
    <message>
        <source>Reading Intension</source>
        <translation>Интенсивность чтения</translation>
    </message>
    <message>
        <source>Current Reading</source>
        <translation>Текущее показание</translation>
    </message>
    <message>
        <source>Label Reading</source>
        <translation>Показание этикетки</translation>
    </message>
    <message>
        <source>Gap Reading</source>
        <translation>Показание зазора</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Калибровка</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>lb::BitmapFontManagerPage</name>
    <message>
        <source>%1 has no characters of the character set %2: the font&apos;s cells would come out empty or drawn in another font.</source>
        <translation>В шрифте %1 нет символов из набора %2: ячейки шрифта окажутся пустыми или будут нарисованы другим шрифтом.</translation>
    </message>
    <message>
        <source>Build the font all the same?</source>
        <translation>Всё равно собрать шрифт?</translation>
    </message>
    <message>
        <source>The table file could not be opened.</source>
        <translation>Не удалось открыть файл таблицы.</translation>
    </message>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>Символ %1 нельзя сохранить в кодировке %2. Ничего не сохранено.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Не удалось сохранить файл.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ticked, but no table file has been loaded.</source>
        <translation>Флажок &quot;%1&quot; установлен, но файл таблицы не открыт.</translation>
    </message>
    <message>
        <source>The table file %1 cannot be read, is larger than %2 bytes or holds no character.</source>
        <translation>Файл таблицы %1 не удаётся прочитать, он больше %2 байт или не содержит ни одного символа.</translation>
    </message>
    <message>
        <source>The encode table&apos;s character %1 has no code in %2.</source>
        <translation>Для символа %1 из таблицы кодировки нет кода в %2.</translation>
    </message>
    <message>
        <source>The encode table is larger than %1 bytes.</source>
        <translation>Таблица кодировки больше %1 байт.</translation>
    </message>
    <message>
        <source>The encode table is empty.</source>
        <translation>Таблица кодировки пуста.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>Поле &quot;%1&quot; не заполнено.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must lie between 0 and 255.</source>
        <translation>Значение &quot;%1&quot; должно быть от 0 до 255.</translation>
    </message>
    <message>
        <source>No code page is chosen in &quot;%1&quot;.</source>
        <translation>В группе &quot;%1&quot; не выбрана кодовая страница.</translation>
    </message>
    <message>
        <source>The encode table holds no double-byte character.</source>
        <translation>Таблица кодировки не содержит ни одного двухбайтового символа.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not be negative.</source>
        <translation>Значение &quot;%1&quot; не может быть отрицательным.</translation>
    </message>
</context>
<context>
    <name>lb::CommandText</name>
    <message>
        <source>Western</source>
        <translation>Западная</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Китайская традиционная</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Китайская упрощённая</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японская</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Корейская</translation>
    </message>
</context>
<context>
    <name>lb::CommandToolPage</name>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>Символ %1 нельзя сохранить в кодировке %2. Ничего не сохранено.</translation>
    </message>
    <message>
        <source>The character %1 cannot be sent in %2. Nothing was sent.</source>
        <translation>Символ %1 нельзя отправить в кодировке %2. Ничего не отправлено.</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>Нет ответа.</translation>
    </message>
    <message>
        <source>The file does not fit in the editor, which holds at most %1 characters. Nothing was added.</source>
        <translation>Файл не помещается в редактор, который вмещает не более %1 символов. Ничего не добавлено.</translation>
    </message>
    <message>
        <source>Some bytes of the file are no %1 text: they show as �.</source>
        <translation>Некоторые байты файла не являются текстом в кодировке %1: они показаны как �.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Не удалось сохранить файл.</translation>
    </message>
</context>
<context>
    <name>lb::FileManagerPage</name>
    <message>
        <source>%1 downloaded to %2 (%3 bytes)</source>
        <translation>Файл %1 загружен в память %2 (%3 байт)</translation>
    </message>
    <message>
        <source>%1 sent (%2 bytes)</source>
        <translation>Файл %1 отправлен (%2 байт)</translation>
    </message>
    <message>
        <source>Memory information read</source>
        <translation>Информация о памяти получена</translation>
    </message>
    <message>
        <source>Every file in %1 will be deleted.</source>
        <translation>Все файлы в памяти %1 будут удалены.</translation>
    </message>
    <message>
        <source>%1 formatted</source>
        <translation>Память %1 отформатирована</translation>
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
        <translation>Хангыль</translation>
    </message>
    <message>
        <source>Shift-JIS</source>
        <translation>Shift-JIS</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>Центральноевропейский</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Кириллица</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Греческий</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Турецкий</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Иврит</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Арабский</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Балтийский</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Вьетнамский</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Тайский</translation>
    </message>
</context>
<context>
    <name>lb::FontRules</name>
    <message>
        <source>Type the printer font name.</source>
        <translation>Введите имя шрифта в принтере.</translation>
    </message>
    <message>
        <source>The printer font name has %1 characters; at most %2 fit.</source>
        <translation>Имя шрифта в принтере содержит %1 симв.; допускается не более %2.</translation>
    </message>
    <message>
        <source>The printer font name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>Имя шрифта в принтере не может содержать двойную кавычку, перевод строки или другой управляющий символ, а также символы вне Latin-1.</translation>
    </message>
</context>
<context>
    <name>lb::Language</name>
    <message>
        <source>English</source>
        <translation>Английский</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Китайский (традиционный)</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Китайский (упрощённый)</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Японский</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Испанский</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Португальский</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Немецкий</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Французский</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Итальянский</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Польский</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Литовский</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Чешский</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Украинский</translation>
    </message>
</context>
<context>
    <name>lb::Link</name>
    <message>
        <source>LPT: the parallel port cannot read.</source>
        <translation>LPT: параллельный порт не поддерживает чтение.</translation>
    </message>
    <message>
        <source>not a parallel port (LPT1 to LPT4, or a device path)</source>
        <translation>не параллельный порт (от LPT1 до LPT4 или путь к устройству)</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group lp (then log in again)</source>
        <translation>доступ запрещён: пользователь должен входить в группу lp (затем войдите в систему заново)</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>занят другой программой</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms (out of paper, or off line?)</source>
        <translation>принтер не принимал данные %1 мс (нет бумаги или принтер не в сети?)</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>устройство отключено</translation>
    </message>
    <message>
        <source>The reply is not a valid frame.</source>
        <translation>Ответ не является допустимым кадром.</translation>
    </message>
    <message>
        <source>More than %1 bytes arrived without a reply frame.</source>
        <translation>Получено более %1 байт без кадра ответа.</translation>
    </message>
    <message>
        <source>The reply is longer than the %1 bytes it may have.</source>
        <translation>Ответ длиннее допустимых %1 байт.</translation>
    </message>
    <message>
        <source>The reply line carries more than %1 CRs.</source>
        <translation>Строка ответа содержит более %1 символов CR.</translation>
    </message>
    <message>
        <source>The reply line is longer than %1 characters.</source>
        <translation>Строка ответа длиннее %1 символов.</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>устройство не найдено</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group dialout (then log in again)</source>
        <translation>доступ запрещён: пользователь должен входить в группу dialout (затем войдите в систему заново)</translation>
    </message>
    <message>
        <source>not a serial port (COM1 to COM30, or a device path)</source>
        <translation>не последовательный порт (от COM1 до COM30 или путь к устройству)</translation>
    </message>
    <message>
        <source>the port did not send the data within %1 ms</source>
        <translation>порт не отправил данные за %1 мс</translation>
    </message>
    <message>
        <source>no reply within %1 ms</source>
        <translation>нет ответа в течение %1 мс</translation>
    </message>
    <message>
        <source>connection refused (is the printer on and is the port right?)</source>
        <translation>в соединении отказано (принтер включён и порт указан верно?)</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>узел не найден</translation>
    </message>
    <message>
        <source>timed out: no answer within %1 ms</source>
        <translation>время ожидания истекло: нет ответа в течение %1 мс</translation>
    </message>
    <message>
        <source>the printer closed the connection</source>
        <translation>принтер закрыл соединение</translation>
    </message>
    <message>
        <source>no printer address is set</source>
        <translation>адрес принтера не задан</translation>
    </message>
    <message>
        <source>%1 is not a TCP port</source>
        <translation>%1 не является TCP-портом</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms</source>
        <translation>принтер не принимал данные %1 мс</translation>
    </message>
    <message>
        <source>permission denied: install the udev rule 60-labelbench-printers.rules from packaging/ (see the README), then replug the printer</source>
        <translation>доступ запрещён: установите правило udev 60-labelbench-printers.rules из packaging/ (см. README), затем переподключите принтер</translation>
    </message>
    <message>
        <source>USB cannot be used on this system</source>
        <translation>USB недоступен в этой системе</translation>
    </message>
    <message>
        <source>the device has no printer interface</source>
        <translation>у устройства нет интерфейса принтера</translation>
    </message>
    <message>
        <source>no device with an accepted vendor identifier (%1)</source>
        <translation>нет устройства с допустимым идентификатором производителя (%1)</translation>
    </message>
    <message>
        <source>the device cannot be opened</source>
        <translation>не удаётся открыть устройство</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>отменено</translation>
    </message>
    <message>
        <source>The list has more than %1 entries.</source>
        <translation>В списке более %1 записей.</translation>
    </message>
    <message>
        <source>The list did not end within %1 s.</source>
        <translation>Список не завершился за %1 с.</translation>
    </message>
    <message>
        <source>The list is longer than the %1 bytes it may have.</source>
        <translation>Список длиннее допустимых %1 байт.</translation>
    </message>
</context>
<context>
    <name>lb::Outcome</name>
    <message>
        <source>Cancelled</source>
        <translation>Отменено</translation>
    </message>
</context>
<context>
    <name>lb::PrinterConfigurationPage</name>
    <message>
        <source>Configuration read (edition %1)</source>
        <translation>Конфигурация считана (редакция %1)</translation>
    </message>
    <message>
        <source>Configuration cleared</source>
        <translation>Конфигурация очищена</translation>
    </message>
    <message>
        <source>Page %1 not written</source>
        <translation>Страница «%1» не записана</translation>
    </message>
    <message>
        <source>Page %1 written: %2 settings</source>
        <translation>Страница «%1» записана, параметров: %2</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Конфигурация сохранена в файл %1</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Открыт файл конфигурации %1</translation>
    </message>
    <message>
        <source>Printer status: %1</source>
        <translation>Статус принтера: %1</translation>
    </message>
    <message>
        <source>The entry %1 is unknown, missing or holds a value that cannot be used.</source>
        <translation>Запись %1 неизвестна, отсутствует или содержит непригодное значение.</translation>
    </message>
    <message>
        <source>%1 holds a value a .json file cannot hold; nothing was saved.</source>
        <translation>%1 содержит значение, которое нельзя записать в файл .json; ничего не сохранено.</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFiles</name>
    <message>
        <source>Type the printer file name.</source>
        <translation>Введите имя файла в принтере.</translation>
    </message>
    <message>
        <source>The printer file name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>Имя файла в принтере не может содержать двойную кавычку, перевод строки или другой управляющий символ, а также символы вне Latin-1.</translation>
    </message>
    <message>
        <source>larger than %1 bytes, which is the most that can be sent</source>
        <translation>больше %1 байт — это максимум, который можно отправить</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>файл изменился во время чтения</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFunctionBox</name>
    <message>
        <source>Sensor calibration sent</source>
        <translation>Калибровка датчика отправлена</translation>
    </message>
    <message>
        <source>Network address settings sent</source>
        <translation>Настройки сетевого адреса отправлены</translation>
    </message>
    <message>
        <source>Printer name sent</source>
        <translation>Имя принтера отправлено</translation>
    </message>
    <message>
        <source>Clock set</source>
        <translation>Часы установлены</translation>
    </message>
    <message>
        <source>Dump mode started</source>
        <translation>Режим дампа включён</translation>
    </message>
    <message>
        <source>Send the text to be captured to the printer now, from the label program or the Command Tool, then press OK.</source>
        <translation>Теперь отправьте в принтер текст для дампа из программы печати этикеток или со вкладки «Отправка команд», затем нажмите OK.</translation>
    </message>
    <message>
        <source>The dump is empty: the printer captured no text.</source>
        <translation>Дамп пуст: принтер не получил никакого текста.</translation>
    </message>
    <message>
        <source>The dump is empty</source>
        <translation>Дамп пуст</translation>
    </message>
    <message>
        <source>Dump saved to %1 (%2 bytes)</source>
        <translation>Дамп сохранён в файл %1 (%2 байт)</translation>
    </message>
    <message>
        <source>Factory default sent</source>
        <translation>Сброс к заводским настройкам отправлен</translation>
    </message>
    <message>
        <source>Printer reset</source>
        <translation>Принтер перезапущен</translation>
    </message>
    <message>
        <source>Test page sent</source>
        <translation>Тестовая печать отправлена</translation>
    </message>
    <message>
        <source>Configuration page sent</source>
        <translation>Страница конфигурации отправлена</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS sent</source>
        <translation>Команда «Игнорировать AUTO.BAS» отправлена</translation>
    </message>
    <message>
        <source>Line mode left</source>
        <translation>Построчный режим отключён</translation>
    </message>
    <message>
        <source>Password changed</source>
        <translation>Пароль изменён</translation>
    </message>
</context>
<context>
    <name>lb::PrinterStatus</name>
    <message>
        <source>Printing</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Paper Jam</source>
        <translation>Замятие бумаги</translation>
    </message>
    <message>
        <source>Out of Paper</source>
        <translation>Нет бумаги</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>Риббон: ошибка энкод.</translation>
    </message>
    <message>
        <source>Out of Ribbon</source>
        <translation>Нет риббона</translation>
    </message>
    <message>
        <source>Other Error</source>
        <translation>Другая ошибка</translation>
    </message>
    <message>
        <source>Head Open</source>
        <translation>Головка открыта</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Готов</translation>
    </message>
</context>
<context>
    <name>lb::Refusal</name>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation>%1: &apos;%2&apos; не является числом</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; не является числом</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is out of range</source>
        <translation>%1: &apos;%2&apos; вне допустимого диапазона</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range</source>
        <translation>&apos;%1&apos; вне допустимого диапазона</translation>
    </message>
</context>
<context>
    <name>lb::SensorChart</name>
    <message>
        <source>Label</source>
        <translation>Этикетка</translation>
    </message>
    <message>
        <source>Live %1</source>
        <translation>Текущее %1</translation>
    </message>
    <message>
        <source>Intensity %1</source>
        <translation>Интенсивность %1</translation>
    </message>
    <message>
        <source>Threshold %1</source>
        <translation>Порог %1</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Интенсивность</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>Показаний пока нет</translation>
    </message>
</context>
<context>
    <name>lb::TFormEthernetSetup</name>
    <message>
        <source>The printer name &quot;%1&quot; cannot be sent: the printer knows only Latin-1 characters.</source>
        <translation>Имя принтера &quot;%1&quot; нельзя отправить: принтер понимает только символы Latin-1.</translation>
    </message>
</context>
<context>
    <name>lb::TFormMain</name>
    <message>
        <source>Looking for the printer on %1…</source>
        <translation>Поиск принтера на %1…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <source>No printer answered on %1 — choose the interface and press Get, or start with --demo to try LabelBench</source>
        <translation>Ни один принтер не ответил на %1 — выберите интерфейс и нажмите «Получить» или запустите программу с параметром --demo, чтобы опробовать LabelBench</translation>
    </message>
</context>
<context>
    <name>lb::TFormNetSetup</name>
    <message>
        <source>The printer %1 returns to its factory settings.</source>
        <translation>Принтер %1 вернётся к заводским настройкам.</translation>
    </message>
    <message>
        <source>The request could not be sent on this computer&apos;s network; the printer has not been changed.</source>
        <translation>Не удалось отправить запрос в сеть этого компьютера; настройки принтера не изменены.</translation>
    </message>
</context>
<context>
    <name>lb::TFormPassword</name>
    <message>
        <source>Incorrect</source>
        <translation>Неверный пароль</translation>
    </message>
</context>
<context>
    <name>lb::TFormPasswordSetup</name>
    <message>
        <source>Incorrect</source>
        <translation>Неверный пароль</translation>
    </message>
    <message>
        <source>The new password can have at most %1 characters, none of them a double quote or a control character (such as a line break, a tab or ESC).</source>
        <translation>Новый пароль может содержать не более %1 символов, и среди них не должно быть двойных кавычек и управляющих символов (например, перевода строки, табуляции или ESC).</translation>
    </message>
</context>
<context>
    <name>lb::TFormPreviewFont</name>
    <message>
        <source>Build the page&apos;s font to see the bitmaps the printer will receive.</source>
        <translation>Соберите шрифт страницы, чтобы увидеть растровые изображения, которые получит принтер.</translation>
    </message>
    <message>
        <source>This is no font file the printer can use: %1</source>
        <translation>Этот файл не является шрифтом, пригодным для принтера: %1</translation>
    </message>
    <message>
        <source>variable pitch</source>
        <translation>переменный шаг</translation>
    </message>
    <message>
        <source>fixed pitch</source>
        <translation>фиксированный шаг</translation>
    </message>
    <message>
        <source>double-byte codes</source>
        <translation>двухбайтовые коды</translation>
    </message>
    <message>
        <source>single-byte codes</source>
        <translation>однобайтовые коды</translation>
    </message>
    <message>
        <source>%1 characters, cell %2 x %3 pixels, %4, %5</source>
        <translation>Символов: %1, ячейка %2 x %3 пикс., %4, %5</translation>
    </message>
    <message>
        <source>Its glyphs are too many and too large to be drawn here.</source>
        <translation>Глифов слишком много, и они слишком велики, чтобы показать их здесь.</translation>
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
        <translation>%1 мин %2 с</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 ч %2 мин</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 дн.</translation>
    </message>
    <message>
        <source>printer clock agrees with this computer</source>
        <translation>часы принтера совпадают с этим компьютером</translation>
    </message>
    <message>
        <source>printer clock %1 behind this computer</source>
        <translation>часы принтера отстают от этого компьютера на %1</translation>
    </message>
    <message>
        <source>printer clock %1 ahead of this computer</source>
        <translation>часы принтера опережают этот компьютер на %1</translation>
    </message>
</context>
<context>
    <name>lb::TFormRs232Setup</name>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Нечёт</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Чёт</translation>
    </message>
</context>
<context>
    <name>lb::TFormSensorCalibrate</name>
    <message>
        <source>Calibrate</source>
        <translation>Калибровать</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
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
        <translation>Чёрная метка</translation>
    </message>
    <message>
        <source>Liner</source>
        <translation>Подложка</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Носитель</translation>
    </message>
    <message>
        <source>Can&apos;t calibration</source>
        <translation>Калибровка не удалась</translation>
    </message>
    <message>
        <source>Put linner please</source>
        <translation>Поместите под датчик подложку</translation>
    </message>
    <message>
        <source>Put black mark please</source>
        <translation>Поместите под датчик чёрную метку</translation>
    </message>
    <message>
        <source>Put label please</source>
        <translation>Поместите под датчик этикетку</translation>
    </message>
    <message>
        <source>Label and %1 lie closer than %2 at every level</source>
        <translation>Этикетка и %1 различаются менее чем на %2 на всех уровнях</translation>
    </message>
    <message>
        <source>black mark</source>
        <translation>чёрная метка</translation>
    </message>
    <message>
        <source>liner</source>
        <translation>подложка</translation>
    </message>
    <message>
        <source>Calibration is complete</source>
        <translation>Калибровка завершена</translation>
    </message>
</context>
</TS>
