<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>BitmapFontManagerPage</name>
    <message>
        <source>Font Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Encode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Encode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asian Font Encode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encode by Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Encode by Table (Asian)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed Pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variable Pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows Font Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The code page in which the font&apos;s codes are read: the script its characters come from</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Font Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italic Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font Mapping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard Mapping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full ASCII Mapping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom Mapping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character Start ASCII</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Character End ASCII</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Font</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandToolPage</name>
    <message>
        <source>Text encoding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show replies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConfigurationWriter</name>
    <message>
        <source>%1 holds %2, which cannot be sent to the printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be converted for the printer: the resolution %2 is not usable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileManagerPage</name>
    <message>
        <source>File Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Physical Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkError</name>
    <message>
        <source>Port Open Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Receiving Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Read Printer Config First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Transmission Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrinterConfigurationPage</name>
    <message>
        <source>Printer Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Common</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Density</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gap Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Post-Print Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut Piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ribbon Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Head-up Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reprint After Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gap Inten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bline Inten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuous Inten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threshold Detection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Z</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Darkness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0 to 30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tear Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-120 to 120</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format Prefix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delimiter Char</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media Power Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Head Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-9999 to 9999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present Sensor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cutter Equipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Column Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Bit(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Sum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cutting Counter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mileage:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrinterFunctionBox</name>
    <message>
        <source>Printer Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrate Sensor </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ethernet Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RTC Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Test Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dump Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of Line Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password Setup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormDumpTextSetup</name>
    <message>
        <source>Dump Text Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to SD Card</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormEthernetSetup</name>
    <message>
        <source>Ethernet Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Printer Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormLPTSetup</name>
    <message>
        <source>LPT Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap Font Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command Tool</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormNetSetup</name>
    <message>
        <source>Printer Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discover Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address/Printer Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormPassword</name>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter your password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormPasswordSetup</name>
    <message>
        <source>Password Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormPreviewFont</name>
    <message>
        <source>Character Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build from Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Font File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormProcess</name>
    <message>
        <source>Communicating...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormRTCSetup</name>
    <message>
        <source>RTC Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get System Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormRs232Setup</name>
    <message>
        <source>RS232 Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parity Check:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Bit(s):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardware Handshaking:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software Handshaking:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormSensorCalibrate</name>
    <message>
        <source>Sensor Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GAP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black Mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor Intension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threshold Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading Intension</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gap Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::BitmapFontManagerPage</name>
    <message>
        <source>%1 has no characters of the character set %2: the font&apos;s cells would come out empty or drawn in another font.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Build the font all the same?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table file could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ticked, but no table file has been loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table file %1 cannot be read, is larger than %2 bytes or holds no character.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encode table&apos;s character %1 has no code in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encode table is larger than %1 bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encode table is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; must lie between 0 and 255.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No code page is chosen in &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The encode table holds no double-byte character.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not be negative.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::CommandText</name>
    <message>
        <source>Western</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korean</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::CommandToolPage</name>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The character %1 cannot be sent in %2. Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not fit in the editor, which holds at most %1 characters. Nothing was added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some bytes of the file are no %1 text: they show as �.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::FileManagerPage</name>
    <message>
        <source>%1 downloaded to %2 (%3 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sent (%2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory information read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every file in %1 will be deleted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 formatted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::FontCharset</name>
    <message>
        <source>ANSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Big5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GB2312</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hangul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shift-JIS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Central European</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thai</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::FontRules</name>
    <message>
        <source>Type the printer font name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer font name has %1 characters; at most %2 fit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer font name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::Language</name>
    <message>
        <source>English</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>German</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>French</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Italian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Russian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polish</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Czech</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::Link</name>
    <message>
        <source>LPT: the parallel port cannot read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a parallel port (LPT1 to LPT4, or a device path)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group lp (then log in again)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms (out of paper, or off line?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reply is not a valid frame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than %1 bytes arrived without a reply frame.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reply is longer than the %1 bytes it may have.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reply line carries more than %1 CRs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reply line is longer than %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group dialout (then log in again)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a serial port (COM1 to COM30, or a device path)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the port did not send the data within %1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no reply within %1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>connection refused (is the printer on and is the port right?)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>host not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>timed out: no answer within %1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer closed the connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no printer address is set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a TCP port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>permission denied: install the udev rule 60-labelbench-printers.rules from packaging/ (see the README), then replug the printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB cannot be used on this system</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device has no printer interface</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no device with an accepted vendor identifier (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list has more than %1 entries.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list did not end within %1 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list is longer than the %1 bytes it may have.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::Outcome</name>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::PrinterConfigurationPage</name>
    <message>
        <source>Configuration read (edition %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration cleared</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 not written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1 written: %2 settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer status: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The entry %1 is unknown, missing or holds a value that cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds a value a .json file cannot hold; nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::PrinterFiles</name>
    <message>
        <source>Type the printer file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer file name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>larger than %1 bytes, which is the most that can be sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::PrinterFunctionBox</name>
    <message>
        <source>Sensor calibration sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Network address settings sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer name sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dump mode started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the text to be captured to the printer now, from the label program or the Command Tool, then press OK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dump is empty: the printer captured no text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The dump is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dump saved to %1 (%2 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factory default sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test page sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration page sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line mode left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password changed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::PrinterStatus</name>
    <message>
        <source>Printing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper Jam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of Ribbon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Head Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::Refusal</name>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::SensorChart</name>
    <message>
        <source>Label</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intensity %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Threshold %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::TFormEthernetSetup</name>
    <message>
        <source>The printer name &quot;%1&quot; cannot be sent: the printer knows only Latin-1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::TFormMain</name>
    <message>
        <source>Looking for the printer on %1…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer answered on %1 — choose the interface and press Get, or start with --demo to try LabelBench</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::TFormNetSetup</name>
    <message>
        <source>The printer %1 returns to its factory settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The request could not be sent on this computer&apos;s network; the printer has not been changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::TFormPassword</name>
    <message>
        <source>Incorrect</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::TFormPasswordSetup</name>
    <message>
        <source>Incorrect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new password can have at most %1 characters, none of them a double quote or a control character (such as a line break, a tab or ESC).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::TFormPreviewFont</name>
    <message>
        <source>Build the page&apos;s font to see the bitmaps the printer will receive.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is no font file the printer can use: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>variable pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fixed pitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>double-byte codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>single-byte codes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 characters, cell %2 x %3 pixels, %4, %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its glyphs are too many and too large to be drawn here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::TFormRTCSetup</name>
    <message>
        <source>%1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>printer clock agrees with this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>printer clock %1 behind this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>printer clock %1 ahead of this computer</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::TFormRs232Setup</name>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Even</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lb::TFormSensorCalibrate</name>
    <message>
        <source>Calibrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Media</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put linner please</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put black mark please</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put label please</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label and %1 lie closer than %2 at every level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>black mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>liner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calibration is complete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
