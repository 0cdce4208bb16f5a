<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en">
<context>
    <name>BitmapFontManagerPage</name>
    <message>
        <source>Font Select</source>
        <translation>字型選擇</translation>
    </message>
    <message>
        <source>Font Encode</source>
        <translation>字型編碼</translation>
    </message>
    <message>
        <source>Standard Encode</source>
        <translation>標準編碼</translation>
    </message>
    <message>
        <source>Asian Font Encode</source>
        <translation>亞洲字型編碼</translation>
    </message>
    <message>
        <source>Encode by Table</source>
        <translation>依編碼表</translation>
    </message>
    <message>
        <source>Encode by Table (Asian)</source>
        <translation>依編碼表（亞洲）</translation>
    </message>
    <message>
        <source>Font Pitch</source>
        <translation>字距</translation>
    </message>
    <message>
        <source>Fixed Pitch</source>
        <translation>固定字距</translation>
    </message>
    <message>
        <source>Variable Pitch</source>
        <translation>可變字距</translation>
    </message>
    <message>
        <source>Windows Font Name</source>
        <translation>Windows 字型名稱</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>字型大小</translation>
    </message>
    <message>
        <source>Printer Device</source>
        <translation>印表機記憶體</translation>
    </message>
    <message>
        <source>Character Set</source>
        <translation>字元集</translation>
    </message>
    <message>
        <source>The code page in which the font&apos;s codes are read: the script its characters come from</source>
        <translation>讀取字型字碼所用的字碼頁：即字元所屬的文字系統</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>選擇字型</translation>
    </message>
    <message>
        <source>Printer Font Name</source>
        <translation>印表機字型名稱</translation>
    </message>
    <message>
        <source>Italic Width</source>
        <translation>斜體寬度</translation>
    </message>
    <message>
        <source>Preview Font</source>
        <translation>預覽字型</translation>
    </message>
    <message>
        <source>Font Width</source>
        <translation>字型寬度</translation>
    </message>
    <message>
        <source>Font Height</source>
        <translation>字型高度</translation>
    </message>
    <message>
        <source>Font Mapping</source>
        <translation>字元對應</translation>
    </message>
    <message>
        <source>Standard Mapping</source>
        <translation>標準對應</translation>
    </message>
    <message>
        <source>Full ASCII Mapping</source>
        <translation>完整 ASCII 對應</translation>
    </message>
    <message>
        <source>Custom Mapping</source>
        <translation>自訂對應</translation>
    </message>
    <message>
        <source>Character Start ASCII</source>
        <translation>起始字元 ASCII</translation>
    </message>
    <message>
        <source>Character End ASCII</source>
        <translation>結束字元 ASCII</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>簡體中文</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓文</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日文</translation>
    </message>
    <message>
        <source>By File</source>
        <translation>從檔案</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>載入</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Save Font</source>
        <translation>儲存字型</translation>
    </message>
    <message>
        <source>Download Font</source>
        <translation>下載字型</translation>
    </message>
</context>
<context>
    <name>CommandToolPage</name>
    <message>
        <source>Text encoding</source>
        <translation>文字編碼</translation>
    </message>
    <message>
        <source>Show replies</source>
        <translation>顯示回應</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>載入</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>傳送檔案</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>傳送</translation>
    </message>
</context>
<context>
    <name>ConfigurationWriter</name>
    <message>
        <source>%1 holds %2, which cannot be sent to the printer</source>
        <translation>%1 的值為 %2，無法傳送至印表機</translation>
    </message>
    <message>
        <source>%1 cannot be converted for the printer: the resolution %2 is not usable</source>
        <translation>%1 無法為印表機換算：解析度 %2 無法使用</translation>
    </message>
</context>
<context>
    <name>FileManagerPage</name>
    <message>
        <source>File Download</source>
        <translation>檔案下載</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>檔案類型</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>檔案大小</translation>
    </message>
    <message>
        <source>Memory Device</source>
        <translation>記憶體裝置</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>瀏覽</translation>
    </message>
    <message>
        <source>Font View</source>
        <translation>檢視字型</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下載</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>檔案資訊</translation>
    </message>
    <message>
        <source>Physical Space</source>
        <translation>實體空間</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>可用空間</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>讀取</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>檔案格式化</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式化</translation>
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
        <translation>印表機設定</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>濃度</translation>
    </message>
    <message>
        <source>Paper Width</source>
        <translation>紙張寬度</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>英吋</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>紙張高度</translation>
    </message>
    <message>
        <source>Media Sensor</source>
        <translation>紙張感應器</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>間距</translation>
    </message>
    <message>
        <source>Gap Offset</source>
        <translation>間距偏移</translation>
    </message>
    <message>
        <source>Post-Print Action</source>
        <translation>列印後動作</translation>
    </message>
    <message>
        <source>Cut Piece</source>
        <translation>裁切張數</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>參考點</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>偏移</translation>
    </message>
    <message>
        <source>Shift X</source>
        <translation>X 位移</translation>
    </message>
    <message>
        <source>Shift Y</source>
        <translation>Y 位移</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>碳帶</translation>
    </message>
    <message>
        <source>Ribbon Sensor</source>
        <translation>碳帶感應器</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>碳帶編碼器錯誤</translation>
    </message>
    <message>
        <source>Code Page</source>
        <translation>字碼頁</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>國家代碼</translation>
    </message>
    <message>
        <source>Head-up Sensor</source>
        <translation>印字頭抬起感應器</translation>
    </message>
    <message>
        <source>Reprint After Error</source>
        <translation>錯誤後重印</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>最大長度</translation>
    </message>
    <message>
        <source>Gap Inten.</source>
        <translation>間距強度</translation>
    </message>
    <message>
        <source>Bline Inten.</source>
        <translation>黑標強度</translation>
    </message>
    <message>
        <source>Continuous Inten.</source>
        <translation>連續紙強度</translation>
    </message>
    <message>
        <source>Threshold Detection</source>
        <translation>臨界值偵測</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Darkness</source>
        <translation>濃度</translation>
    </message>
    <message>
        <source>0 to 30</source>
        <translation>0 至 30</translation>
    </message>
    <message>
        <source>Print Speed</source>
        <translation>列印速度</translation>
    </message>
    <message>
        <source>Tear Off</source>
        <translation>撕紙位置</translation>
    </message>
    <message>
        <source>-120 to 120</source>
        <translation>-120 至 120</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>列印模式</translation>
    </message>
    <message>
        <source>Print Width</source>
        <translation>列印寬度</translation>
    </message>
    <message>
        <source>Control Prefix</source>
        <translation>控制前置字元</translation>
    </message>
    <message>
        <source>Format Prefix</source>
        <translation>格式前置字元</translation>
    </message>
    <message>
        <source>Delimiter Char</source>
        <translation>分隔字元</translation>
    </message>
    <message>
        <source>Media Power Up</source>
        <translation>開機送紙動作</translation>
    </message>
    <message>
        <source>Head Close</source>
        <translation>印字頭閉合</translation>
    </message>
    <message>
        <source>Label Top</source>
        <translation>標籤頂端</translation>
    </message>
    <message>
        <source>Left Position</source>
        <translation>左側位置</translation>
    </message>
    <message>
        <source>-9999 to 9999</source>
        <translation>-9999 至 9999</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>加熱值</translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation>標籤寬度</translation>
    </message>
    <message>
        <source>Present Sensor</source>
        <translation>取紙感應器</translation>
    </message>
    <message>
        <source>Cutter Equipped</source>
        <translation>配備裁刀</translation>
    </message>
    <message>
        <source>Control Codes</source>
        <translation>控制碼</translation>
    </message>
    <message>
        <source>Column Offset</source>
        <translation>欄偏移</translation>
    </message>
    <message>
        <source>Row Offset</source>
        <translation>列偏移</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>介面</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>鮑率</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>資料位元</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>同位檢查</translation>
    </message>
    <message>
        <source>Stop Bit(s)</source>
        <translation>停止位元</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>讀取</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>載入</translation>
    </message>
    <message>
        <source>Printer Information</source>
        <translation>印表機資訊</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation>序號：</translation>
    </message>
    <message>
        <source>Check Sum:</source>
        <translation>檢查碼：</translation>
    </message>
    <message>
        <source>Cutting Counter:</source>
        <translation>裁切次數：</translation>
    </message>
    <message>
        <source>Mileage:</source>
        <translation>里程：</translation>
    </message>
    <message>
        <source>Km</source>
        <translation>公里</translation>
    </message>
    <message>
        <source>Printer Status</source>
        <translation>印表機狀態</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>讀取狀態</translation>
    </message>
</context>
<context>
    <name>PrinterFunctionBox</name>
    <message>
        <source>Printer Function</source>
        <translation>印表機功能</translation>
    </message>
    <message>
        <source>Calibrate Sensor </source>
        <translation>感應器校正 </translation>
    </message>
    <message>
        <source>Ethernet Setup</source>
        <translation>乙太網路設定</translation>
    </message>
    <message>
        <source>RTC Setup</source>
        <translation>RTC 設定</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>恢復原廠設定</translation>
    </message>
    <message>
        <source>Reset Printer</source>
        <translation>重置印表機</translation>
    </message>
    <message>
        <source>Print Test Page</source>
        <translation>列印測試頁</translation>
    </message>
    <message>
        <source>Configuration Page</source>
        <translation>設定頁</translation>
    </message>
    <message>
        <source>Dump Text</source>
        <translation>傾印文字</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS</source>
        <translation>略過 AUTO.BAS</translation>
    </message>
    <message>
        <source>Out of Line Mode</source>
        <translation>離開行模式</translation>
    </message>
    <message>
        <source>Password Setup</source>
        <translation>密碼設定</translation>
    </message>
</context>
<context>
    <name>TFormDumpTextSetup</name>
    <message>
        <source>Dump Text Setup</source>
        <translation>傾印文字設定</translation>
    </message>
    <message>
        <source>Print Label</source>
        <translation>列印標籤</translation>
    </message>
    <message>
        <source>Save to SD Card</source>
        <translation>儲存至 SD 卡</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>儲存至檔案</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>檔案名稱：</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TFormEthernetSetup</name>
    <message>
        <source>Ethernet Setup</source>
        <translation>乙太網路設定</translation>
    </message>
    <message>
        <source>IP Setup</source>
        <translation>IP 設定</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>固定 IP</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP：</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>子網路遮罩：</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>閘道：</translation>
    </message>
    <message>
        <source>Printer Name:</source>
        <translation>印表機名稱：</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>MAC 位址：</translation>
    </message>
    <message>
        <source>Set Printer Name</source>
        <translation>設定印表機名稱</translation>
    </message>
    <message>
        <source>Set IP</source>
        <translation>設定 IP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TFormLPTSetup</name>
    <message>
        <source>LPT Setup</source>
        <translation>LPT 設定</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>單位</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>英吋</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>介面</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>印表機設定</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>檔案管理</translation>
    </message>
    <message>
        <source>Bitmap Font Manager</source>
        <translation>點陣字型管理</translation>
    </message>
    <message>
        <source>Command Tool</source>
        <translation>指令工具</translation>
    </message>
</context>
<context>
    <name>TFormNetSetup</name>
    <message>
        <source>Printer Name</source>
        <translation>印表機名稱</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 位址</translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation>型號</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Discover Device</source>
        <translation>搜尋裝置</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>恢復原廠設定</translation>
    </message>
    <message>
        <source>Change IP Address</source>
        <translation>變更 IP 位址</translation>
    </message>
    <message>
        <source>Web Setup</source>
        <translation>網頁設定</translation>
    </message>
    <message>
        <source>IP Setting</source>
        <translation>IP 設定</translation>
    </message>
    <message>
        <source>IP Address/Printer Name:</source>
        <translation>IP 位址/印表機名稱：</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>連接埠：</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>離開</translation>
    </message>
</context>
<context>
    <name>TFormPassword</name>
    <message>
        <source>Password</source>
        <translation>密碼</translation>
    </message>
    <message>
        <source>Please enter your password</source>
        <translation>請輸入密碼</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TFormPasswordSetup</name>
    <message>
        <source>Password Setup</source>
        <translation>密碼設定</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>舊密碼</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>新密碼</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TFormPreviewFont</name>
    <message>
        <source>Character Chart</source>
        <translation>字元表</translation>
    </message>
    <message>
        <source>Built Font</source>
        <translation>建立的字型</translation>
    </message>
    <message>
        <source>Build from Page</source>
        <translation>從頁面建立</translation>
    </message>
    <message>
        <source>Open Font File</source>
        <translation>開啟字型檔</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>離開</translation>
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
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TFormRTCSetup</name>
    <message>
        <source>RTC Setup</source>
        <translation>RTC 設定</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>年：</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>月：</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日：</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>時：</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>分：</translation>
    </message>
    <message>
        <source>Second:</source>
        <translation>秒：</translation>
    </message>
    <message>
        <source>Get System Time</source>
        <translation>取得系統時間</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TFormRs232Setup</name>
    <message>
        <source>RS232 Setup</source>
        <translation>RS232 設定</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>COM 連接埠：</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>鮑率：</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>資料位元：</translation>
    </message>
    <message>
        <source>Parity Check:</source>
        <translation>同位檢查：</translation>
    </message>
    <message>
        <source>Stop Bit(s):</source>
        <translation>停止位元：</translation>
    </message>
    <message>
        <source>Hardware Handshaking:</source>
        <translation>硬體交握：</translation>
    </message>
    <message>
        <source>Software Handshaking:</source>
        <translation>軟體交握：</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>TFormSensorCalibrate</name>
    <message>
        <source>Sensor Calibration</source>
        <translation>感應器校正</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>自動校正</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>紙張高度</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>英吋</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>間距</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>校正</translation>
    </message>
    <message>
        <source>Media Type</source>
        <translation>紙張類型</translation>
    </message>
    <message>
        <source>GAP</source>
        <translation>間距</translation>
    </message>
    <message>
        <source>Black Mark</source>
        <translation>黑標</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>連續紙</translation>
    </message>
    <message>
        <source>Auto Selection</source>
        <translation>自動選擇</translation>
    </message>
    <message>
        <source>Manual Setup</source>
        <translation>手動設定</translation>
    </message>
    <message>
        <source>Sensor Intension</source>
        <translation>感應器強度</translation>
    </message>
    <message>
        <source>Threshold Value</source>
        <translation>臨界值</translation>
    </message>
    <message>
        <source>Reading Intension</source>
        <translation>讀值強度</translation>
    </message>
    <message>
        <source>Current Reading</source>
        <translation>目前讀值</translation>
    </message>
    <message>
        <source>Label Reading</source>
        <translation>標籤讀值</translation>
    </message>
    <message>
        <source>Gap Reading</source>
        <translation>間距讀值</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>校正</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>lb::BitmapFontManagerPage</name>
    <message>
        <source>%1 has no characters of the character set %2: the font&apos;s cells would come out empty or drawn in another font.</source>
        <translation>%1 沒有字元集 %2 的字元：字型的字元格會是空白的，或以其他字型繪製。</translation>
    </message>
    <message>
        <source>Build the font all the same?</source>
        <translation>仍要建立字型嗎？</translation>
    </message>
    <message>
        <source>The table file could not be opened.</source>
        <translation>無法開啟編碼表檔案。</translation>
    </message>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>字元 %1 無法以 %2 儲存。未儲存任何內容。</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>無法儲存檔案。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ticked, but no table file has been loaded.</source>
        <translation>已勾選 &quot;%1&quot;，但尚未載入編碼表檔案。</translation>
    </message>
    <message>
        <source>The table file %1 cannot be read, is larger than %2 bytes or holds no character.</source>
        <translation>編碼表檔案 %1 無法讀取、大於 %2 位元組，或不含任何字元。</translation>
    </message>
    <message>
        <source>The encode table&apos;s character %1 has no code in %2.</source>
        <translation>編碼表中的字元 %1 在 %2 中沒有字碼。</translation>
    </message>
    <message>
        <source>The encode table is larger than %1 bytes.</source>
        <translation>編碼表大於 %1 位元組。</translation>
    </message>
    <message>
        <source>The encode table is empty.</source>
        <translation>編碼表是空的。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>&quot;%1&quot; 不可空白。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must lie between 0 and 255.</source>
        <translation>&quot;%1&quot; 必須介於 0 到 255 之間。</translation>
    </message>
    <message>
        <source>No code page is chosen in &quot;%1&quot;.</source>
        <translation>未在 &quot;%1&quot; 中選擇字碼頁。</translation>
    </message>
    <message>
        <source>The encode table holds no double-byte character.</source>
        <translation>編碼表不含任何雙位元組字元。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not be negative.</source>
        <translation>&quot;%1&quot; 不可為負數。</translation>
    </message>
</context>
<context>
    <name>lb::CommandText</name>
    <message>
        <source>Western</source>
        <translation>西歐語系</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>簡體中文</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日文</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓文</translation>
    </message>
</context>
<context>
    <name>lb::CommandToolPage</name>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>字元 %1 無法以 %2 儲存。未儲存任何內容。</translation>
    </message>
    <message>
        <source>The character %1 cannot be sent in %2. Nothing was sent.</source>
        <translation>字元 %1 無法以 %2 傳送。未傳送任何內容。</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>無回應。</translation>
    </message>
    <message>
        <source>The file does not fit in the editor, which holds at most %1 characters. Nothing was added.</source>
        <translation>檔案過大，編輯器最多只能容納 %1 個字元。未加入任何內容。</translation>
    </message>
    <message>
        <source>Some bytes of the file are no %1 text: they show as �.</source>
        <translation>檔案中有些位元組不是 %1 文字：這些位元組會顯示為 �。</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>無法儲存檔案。</translation>
    </message>
</context>
<context>
    <name>lb::FileManagerPage</name>
    <message>
        <source>%1 downloaded to %2 (%3 bytes)</source>
        <translation>%1 已下載至 %2（%3 位元組）</translation>
    </message>
    <message>
        <source>%1 sent (%2 bytes)</source>
        <translation>%1 已傳送（%2 位元組）</translation>
    </message>
    <message>
        <source>Memory information read</source>
        <translation>已讀取記憶體資訊</translation>
    </message>
    <message>
        <source>Every file in %1 will be deleted.</source>
        <translation>%1 中的所有檔案都將被刪除。</translation>
    </message>
    <message>
        <source>%1 formatted</source>
        <translation>%1 已格式化</translation>
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
        <translation>韓文</translation>
    </message>
    <message>
        <source>Shift-JIS</source>
        <translation>Shift-JIS</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>中歐語系</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>斯拉夫語系</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>希臘文</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>土耳其文</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>希伯來文</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>阿拉伯文</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>波羅的海語系</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>越南文</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>泰文</translation>
    </message>
</context>
<context>
    <name>lb::FontRules</name>
    <message>
        <source>Type the printer font name.</source>
        <translation>請輸入印表機字型名稱。</translation>
    </message>
    <message>
        <source>The printer font name has %1 characters; at most %2 fit.</source>
        <translation>印表機字型名稱有 %1 個字元；最多只能有 %2 個。</translation>
    </message>
    <message>
        <source>The printer font name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>印表機字型名稱不可包含雙引號、換行或其他控制字元，也不可包含 Latin-1 以外的字元。</translation>
    </message>
</context>
<context>
    <name>lb::Language</name>
    <message>
        <source>English</source>
        <translation>英文</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>簡體中文</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日文</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙文</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>葡萄牙文</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德文</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法文</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>義大利文</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄文</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>波蘭文</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>立陶宛文</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>捷克文</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>烏克蘭文</translation>
    </message>
</context>
<context>
    <name>lb::Link</name>
    <message>
        <source>LPT: the parallel port cannot read.</source>
        <translation>LPT：並列埠無法讀取。</translation>
    </message>
    <message>
        <source>not a parallel port (LPT1 to LPT4, or a device path)</source>
        <translation>不是並列埠（應為 LPT1 至 LPT4，或裝置路徑）</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group lp (then log in again)</source>
        <translation>權限不足：使用者必須加入 lp 群組（然後重新登入）</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>正被其他程式使用</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms (out of paper, or off line?)</source>
        <translation>印表機已 %1 ms 未接收資料（缺紙或離線？）</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>裝置已被移除</translation>
    </message>
    <message>
        <source>The reply is not a valid frame.</source>
        <translation>回應不是有效的訊框。</translation>
    </message>
    <message>
        <source>More than %1 bytes arrived without a reply frame.</source>
        <translation>已收到超過 %1 位元組，但沒有回應訊框。</translation>
    </message>
    <message>
        <source>The reply is longer than the %1 bytes it may have.</source>
        <translation>回應超過允許的 %1 位元組。</translation>
    </message>
    <message>
        <source>The reply line carries more than %1 CRs.</source>
        <translation>回應行含有超過 %1 個 CR。</translation>
    </message>
    <message>
        <source>The reply line is longer than %1 characters.</source>
        <translation>回應行超過 %1 個字元。</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>無此裝置</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group dialout (then log in again)</source>
        <translation>權限不足：使用者必須加入 dialout 群組（然後重新登入）</translation>
    </message>
    <message>
        <source>not a serial port (COM1 to COM30, or a device path)</source>
        <translation>不是序列埠（應為 COM1 至 COM30，或裝置路徑）</translation>
    </message>
    <message>
        <source>the port did not send the data within %1 ms</source>
        <translation>連接埠未在 %1 ms 內送出資料</translation>
    </message>
    <message>
        <source>no reply within %1 ms</source>
        <translation>%1 ms 內無回應</translation>
    </message>
    <message>
        <source>connection refused (is the printer on and is the port right?)</source>
        <translation>連線被拒（印表機是否已開機？連接埠是否正確？）</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>找不到主機</translation>
    </message>
    <message>
        <source>timed out: no answer within %1 ms</source>
        <translation>逾時：%1 ms 內無回應</translation>
    </message>
    <message>
        <source>the printer closed the connection</source>
        <translation>印表機已關閉連線</translation>
    </message>
    <message>
        <source>no printer address is set</source>
        <translation>未設定印表機位址</translation>
    </message>
    <message>
        <source>%1 is not a TCP port</source>
        <translation>%1 不是 TCP 連接埠</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms</source>
        <translation>印表機已 %1 ms 未接收資料</translation>
    </message>
    <message>
        <source>permission denied: install the udev rule 60-labelbench-printers.rules from packaging/ (see the README), then replug the printer</source>
        <translation>權限不足：請安裝 packaging/ 中的 udev 規則 60-labelbench-printers.rules（參見 README），然後重新插拔印表機</translation>
    </message>
    <message>
        <source>USB cannot be used on this system</source>
        <translation>此系統無法使用 USB</translation>
    </message>
    <message>
        <source>the device has no printer interface</source>
        <translation>此裝置沒有印表機介面</translation>
    </message>
    <message>
        <source>no device with an accepted vendor identifier (%1)</source>
        <translation>找不到具有可接受廠商 ID（%1）的裝置</translation>
    </message>
    <message>
        <source>the device cannot be opened</source>
        <translation>無法開啟裝置</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>The list has more than %1 entries.</source>
        <translation>清單超過 %1 個項目。</translation>
    </message>
    <message>
        <source>The list did not end within %1 s.</source>
        <translation>清單未在 %1 秒內結束。</translation>
    </message>
    <message>
        <source>The list is longer than the %1 bytes it may have.</source>
        <translation>清單超過允許的 %1 位元組。</translation>
    </message>
</context>
<context>
    <name>lb::Outcome</name>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
</context>
<context>
    <name>lb::PrinterConfigurationPage</name>
    <message>
        <source>Configuration read (edition %1)</source>
        <translation>已讀取設定（版次 %1）</translation>
    </message>
    <message>
        <source>Configuration cleared</source>
        <translation>已清除設定</translation>
    </message>
    <message>
        <source>Page %1 not written</source>
        <translation>「%1」頁面未寫入</translation>
    </message>
    <message>
        <source>Page %1 written: %2 settings</source>
        <translation>已寫入「%1」頁面：%2 項設定</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>設定已儲存至 %1</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>已從 %1 載入設定</translation>
    </message>
    <message>
        <source>Printer status: %1</source>
        <translation>印表機狀態：%1</translation>
    </message>
    <message>
        <source>The entry %1 is unknown, missing or holds a value that cannot be used.</source>
        <translation>項目 %1 未知、缺少或包含無法使用的值。</translation>
    </message>
    <message>
        <source>%1 holds a value a .json file cannot hold; nothing was saved.</source>
        <translation>%1 的值無法儲存至 .json 檔案；未儲存任何內容。</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFiles</name>
    <message>
        <source>Type the printer file name.</source>
        <translation>請輸入印表機檔案名稱。</translation>
    </message>
    <message>
        <source>The printer file name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>印表機檔案名稱不可包含雙引號、換行或其他控制字元，也不可包含 Latin-1 以外的字元。</translation>
    </message>
    <message>
        <source>larger than %1 bytes, which is the most that can be sent</source>
        <translation>大於可傳送的上限 %1 位元組</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>讀取期間檔案已變更</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFunctionBox</name>
    <message>
        <source>Sensor calibration sent</source>
        <translation>已傳送感應器校正</translation>
    </message>
    <message>
        <source>Network address settings sent</source>
        <translation>已傳送網路位址設定</translation>
    </message>
    <message>
        <source>Printer name sent</source>
        <translation>已傳送印表機名稱</translation>
    </message>
    <message>
        <source>Clock set</source>
        <translation>時鐘已設定</translation>
    </message>
    <message>
        <source>Dump mode started</source>
        <translation>已啟動傾印模式</translation>
    </message>
    <message>
        <source>Send the text to be captured to the printer now, from the label program or the Command Tool, then press OK.</source>
        <translation>請現在從標籤軟體或「指令工具」將要擷取的文字傳送至印表機，然後按 OK。</translation>
    </message>
    <message>
        <source>The dump is empty: the printer captured no text.</source>
        <translation>傾印內容為空：印表機未擷取到任何文字。</translation>
    </message>
    <message>
        <source>The dump is empty</source>
        <translation>傾印內容為空</translation>
    </message>
    <message>
        <source>Dump saved to %1 (%2 bytes)</source>
        <translation>傾印內容已儲存至 %1（%2 位元組）</translation>
    </message>
    <message>
        <source>Factory default sent</source>
        <translation>已傳送恢復原廠設定</translation>
    </message>
    <message>
        <source>Printer reset</source>
        <translation>印表機已重置</translation>
    </message>
    <message>
        <source>Test page sent</source>
        <translation>已傳送測試頁</translation>
    </message>
    <message>
        <source>Configuration page sent</source>
        <translation>已傳送設定頁</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS sent</source>
        <translation>已傳送「略過 AUTO.BAS」</translation>
    </message>
    <message>
        <source>Line mode left</source>
        <translation>已離開行模式</translation>
    </message>
    <message>
        <source>Password changed</source>
        <translation>密碼已變更</translation>
    </message>
</context>
<context>
    <name>lb::PrinterStatus</name>
    <message>
        <source>Printing</source>
        <translation>列印中</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Paper Jam</source>
        <translation>卡紙</translation>
    </message>
    <message>
        <source>Out of Paper</source>
        <translation>缺紙</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>碳帶編碼器錯誤</translation>
    </message>
    <message>
        <source>Out of Ribbon</source>
        <translation>碳帶用盡</translation>
    </message>
    <message>
        <source>Other Error</source>
        <translation>其他錯誤</translation>
    </message>
    <message>
        <source>Head Open</source>
        <translation>印字頭開啟</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就緒</translation>
    </message>
</context>
<context>
    <name>lb::Refusal</name>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation>%1：&apos;%2&apos; 不是數字</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; 不是數字</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is out of range</source>
        <translation>%1：&apos;%2&apos; 超出範圍</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range</source>
        <translation>&apos;%1&apos; 超出範圍</translation>
    </message>
</context>
<context>
    <name>lb::SensorChart</name>
    <message>
        <source>Label</source>
        <translation>標籤</translation>
    </message>
    <message>
        <source>Live %1</source>
        <translation>即時 %1</translation>
    </message>
    <message>
        <source>Intensity %1</source>
        <translation>強度 %1</translation>
    </message>
    <message>
        <source>Threshold %1</source>
        <translation>臨界值 %1</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>強度</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>尚無讀值</translation>
    </message>
</context>
<context>
    <name>lb::TFormEthernetSetup</name>
    <message>
        <source>The printer name &quot;%1&quot; cannot be sent: the printer knows only Latin-1 characters.</source>
        <translation>無法傳送印表機名稱 &quot;%1&quot;：印表機只接受 Latin-1 字元。</translation>
    </message>
</context>
<context>
    <name>lb::TFormMain</name>
    <message>
        <source>Looking for the printer on %1…</source>
        <translation>正在 %1 上尋找印表機…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>No printer answered on %1 — choose the interface and press Get, or start with --demo to try LabelBench</source>
        <translation>%1 上沒有印表機回應 — 請選擇介面並按「讀取」，或以 --demo 啟動以試用 LabelBench</translation>
    </message>
</context>
<context>
    <name>lb::TFormNetSetup</name>
    <message>
        <source>The printer %1 returns to its factory settings.</source>
        <translation>印表機 %1 將恢復原廠設定。</translation>
    </message>
    <message>
        <source>The request could not be sent on this computer&apos;s network; the printer has not been changed.</source>
        <translation>無法經由本機網路送出請求；印表機未做任何變更。</translation>
    </message>
</context>
<context>
    <name>lb::TFormPassword</name>
    <message>
        <source>Incorrect</source>
        <translation>密碼錯誤</translation>
    </message>
</context>
<context>
    <name>lb::TFormPasswordSetup</name>
    <message>
        <source>Incorrect</source>
        <translation>密碼錯誤</translation>
    </message>
    <message>
        <source>The new password can have at most %1 characters, none of them a double quote or a control character (such as a line break, a tab or ESC).</source>
        <translation>新密碼最多 %1 個字元，且不可包含雙引號或控制字元（例如換行、Tab 或 ESC）。</translation>
    </message>
</context>
<context>
    <name>lb::TFormPreviewFont</name>
    <message>
        <source>Build the page&apos;s font to see the bitmaps the printer will receive.</source>
        <translation>請建立此頁面的字型，以檢視印表機將收到的點陣圖。</translation>
    </message>
    <message>
        <source>This is no font file the printer can use: %1</source>
        <translation>這不是印表機可用的字型檔：%1</translation>
    </message>
    <message>
        <source>variable pitch</source>
        <translation>可變字距</translation>
    </message>
    <message>
        <source>fixed pitch</source>
        <translation>固定字距</translation>
    </message>
    <message>
        <source>double-byte codes</source>
        <translation>雙位元組字碼</translation>
    </message>
    <message>
        <source>single-byte codes</source>
        <translation>單位元組字碼</translation>
    </message>
    <message>
        <source>%1 characters, cell %2 x %3 pixels, %4, %5</source>
        <translation>%1 個字元，字元格 %2 x %3 像素，%4，%5</translation>
    </message>
    <message>
        <source>Its glyphs are too many and too large to be drawn here.</source>
        <translation>字形過多且過大，無法在此繪製。</translation>
    </message>
</context>
<context>
    <name>lb::TFormRTCSetup</name>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>%1 min %2 s</source>
        <translation>%1 分 %2 秒</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 小時 %2 分</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 天</translation>
    </message>
    <message>
        <source>printer clock agrees with this computer</source>
        <translation>印表機時鐘與本機一致</translation>
    </message>
    <message>
        <source>printer clock %1 behind this computer</source>
        <translation>印表機時鐘比本機慢 %1</translation>
    </message>
    <message>
        <source>printer clock %1 ahead of this computer</source>
        <translation>印表機時鐘比本機快 %1</translation>
    </message>
</context>
<context>
    <name>lb::TFormRs232Setup</name>
    <message>
        <source>None</source>
        <translation>無</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇同位</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶同位</translation>
    </message>
</context>
<context>
    <name>lb::TFormSensorCalibrate</name>
    <message>
        <source>Calibrate</source>
        <translation>校正</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>英吋</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Black mark</source>
        <translation>黑標</translation>
    </message>
    <message>
        <source>Liner</source>
        <translation>底紙</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>紙張</translation>
    </message>
    <message>
        <source>Can&apos;t calibration</source>
        <translation>校正失敗</translation>
    </message>
    <message>
        <source>Put linner please</source>
        <translation>請放入底紙</translation>
    </message>
    <message>
        <source>Put black mark please</source>
        <translation>請放入黑標</translation>
    </message>
    <message>
        <source>Put label please</source>
        <translation>請放入標籤</translation>
    </message>
    <message>
        <source>Label and %1 lie closer than %2 at every level</source>
        <translation>在每個強度等級下，標籤與 %1 的讀值差都小於 %2</translation>
    </message>
    <message>
        <source>black mark</source>
        <translation>黑標</translation>
    </message>
    <message>
        <source>liner</source>
        <translation>底紙</translation>
    </message>
    <message>
        <source>Calibration is complete</source>
        <translation>校正完成</translation>
    </message>
</context>
</TS>
