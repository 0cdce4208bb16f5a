<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>BitmapFontManagerPage</name>
    <message>
        <source>Font Select</source>
        <translation>字体选择</translation>
    </message>
    <message>
        <source>Font Encode</source>
        <translation>字体编码</translation>
    </message>
    <message>
        <source>Standard Encode</source>
        <translation>标准编码</translation>
    </message>
    <message>
        <source>Asian Font Encode</source>
        <translation>亚洲字体编码</translation>
    </message>
    <message>
        <source>Encode by Table</source>
        <translation>按编码表</translation>
    </message>
    <message>
        <source>Encode by Table (Asian)</source>
        <translation>按编码表（亚洲）</translation>
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
        <translation>可变字距</translation>
    </message>
    <message>
        <source>Windows Font Name</source>
        <translation>Windows 字体名称</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>字体大小</translation>
    </message>
    <message>
        <source>Printer Device</source>
        <translation>打印机存储器</translation>
    </message>
    <message>
        <source>Character Set</source>
        <translation>字符集</translation>
    </message>
    <message>
        <source>The code page in which the font&apos;s codes are read: the script its characters come from</source>
        <translation>读取字体编码所用的代码页：即字符所属的文字体系</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>选择字体</translation>
    </message>
    <message>
        <source>Printer Font Name</source>
        <translation>打印机字体名称</translation>
    </message>
    <message>
        <source>Italic Width</source>
        <translation>斜体宽度</translation>
    </message>
    <message>
        <source>Preview Font</source>
        <translation>预览字体</translation>
    </message>
    <message>
        <source>Font Width</source>
        <translation>字体宽度</translation>
    </message>
    <message>
        <source>Font Height</source>
        <translation>字体高度</translation>
    </message>
    <message>
        <source>Font Mapping</source>
        <translation>字符映射</translation>
    </message>
    <message>
        <source>Standard Mapping</source>
        <translation>标准映射</translation>
    </message>
    <message>
        <source>Full ASCII Mapping</source>
        <translation>完整 ASCII 映射</translation>
    </message>
    <message>
        <source>Custom Mapping</source>
        <translation>自定义映射</translation>
    </message>
    <message>
        <source>Character Start ASCII</source>
        <translation>起始字符 ASCII</translation>
    </message>
    <message>
        <source>Character End ASCII</source>
        <translation>结束字符 ASCII</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁体中文</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韩文</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日文</translation>
    </message>
    <message>
        <source>By File</source>
        <translation>从文件</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save Font</source>
        <translation>保存字体</translation>
    </message>
    <message>
        <source>Download Font</source>
        <translation>下载字体</translation>
    </message>
</context>
<context>
    <name>CommandToolPage</name>
    <message>
        <source>Text encoding</source>
        <translation>文本编码</translation>
    </message>
    <message>
        <source>Show replies</source>
        <translation>显示应答</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>发送文件</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
</context>
<context>
    <name>ConfigurationWriter</name>
    <message>
        <source>%1 holds %2, which cannot be sent to the printer</source>
        <translation>%1 的值为 %2，无法发送到打印机</translation>
    </message>
    <message>
        <source>%1 cannot be converted for the printer: the resolution %2 is not usable</source>
        <translation>%1 无法为打印机换算：分辨率 %2 不可用</translation>
    </message>
</context>
<context>
    <name>FileManagerPage</name>
    <message>
        <source>File Download</source>
        <translation>文件下载</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>文件类型</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>文件大小</translation>
    </message>
    <message>
        <source>Memory Device</source>
        <translation>存储设备</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>Font View</source>
        <translation>查看字体</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>文件信息</translation>
    </message>
    <message>
        <source>Physical Space</source>
        <translation>物理空间</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>可用空间</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>文件格式化</translation>
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
        <translation>打印机配置</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>常规</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>浓度</translation>
    </message>
    <message>
        <source>Paper Width</source>
        <translation>纸张宽度</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>英寸</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>纸张高度</translation>
    </message>
    <message>
        <source>Media Sensor</source>
        <translation>纸张传感器</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>间隙</translation>
    </message>
    <message>
        <source>Gap Offset</source>
        <translation>间隙偏移</translation>
    </message>
    <message>
        <source>Post-Print Action</source>
        <translation>打印后动作</translation>
    </message>
    <message>
        <source>Cut Piece</source>
        <translation>切纸张数</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>参考点</translation>
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
        <translation>碳带</translation>
    </message>
    <message>
        <source>Ribbon Sensor</source>
        <translation>碳带传感器</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>碳带编码器错误</translation>
    </message>
    <message>
        <source>Code Page</source>
        <translation>代码页</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>国家代码</translation>
    </message>
    <message>
        <source>Head-up Sensor</source>
        <translation>打印头抬起传感器</translation>
    </message>
    <message>
        <source>Reprint After Error</source>
        <translation>出错后重打</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>最大长度</translation>
    </message>
    <message>
        <source>Gap Inten.</source>
        <translation>间隙强度</translation>
    </message>
    <message>
        <source>Bline Inten.</source>
        <translation>黑标强度</translation>
    </message>
    <message>
        <source>Continuous Inten.</source>
        <translation>连续纸强度</translation>
    </message>
    <message>
        <source>Threshold Detection</source>
        <translation>阈值检测</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Darkness</source>
        <translation>浓度</translation>
    </message>
    <message>
        <source>0 to 30</source>
        <translation>0 至 30</translation>
    </message>
    <message>
        <source>Print Speed</source>
        <translation>打印速度</translation>
    </message>
    <message>
        <source>Tear Off</source>
        <translation>撕纸位置</translation>
    </message>
    <message>
        <source>-120 to 120</source>
        <translation>-120 至 120</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>打印模式</translation>
    </message>
    <message>
        <source>Print Width</source>
        <translation>打印宽度</translation>
    </message>
    <message>
        <source>Control Prefix</source>
        <translation>控制前缀符</translation>
    </message>
    <message>
        <source>Format Prefix</source>
        <translation>格式前缀符</translation>
    </message>
    <message>
        <source>Delimiter Char</source>
        <translation>分隔符</translation>
    </message>
    <message>
        <source>Media Power Up</source>
        <translation>开机走纸动作</translation>
    </message>
    <message>
        <source>Head Close</source>
        <translation>打印头闭合</translation>
    </message>
    <message>
        <source>Label Top</source>
        <translation>标签顶端</translation>
    </message>
    <message>
        <source>Left Position</source>
        <translation>左侧位置</translation>
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
        <translation>加热值</translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation>标签宽度</translation>
    </message>
    <message>
        <source>Present Sensor</source>
        <translation>取纸传感器</translation>
    </message>
    <message>
        <source>Cutter Equipped</source>
        <translation>配备切刀</translation>
    </message>
    <message>
        <source>Control Codes</source>
        <translation>控制码</translation>
    </message>
    <message>
        <source>Column Offset</source>
        <translation>列偏移</translation>
    </message>
    <message>
        <source>Row Offset</source>
        <translation>行偏移</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>接口</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>波特率</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>数据位</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>奇偶校验</translation>
    </message>
    <message>
        <source>Stop Bit(s)</source>
        <translation>停止位</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>读取</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>加载</translation>
    </message>
    <message>
        <source>Printer Information</source>
        <translation>打印机信息</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation>序列号：</translation>
    </message>
    <message>
        <source>Check Sum:</source>
        <translation>校验和：</translation>
    </message>
    <message>
        <source>Cutting Counter:</source>
        <translation>切刀计数：</translation>
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
        <translation>打印机状态</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>读取状态</translation>
    </message>
</context>
<context>
    <name>PrinterFunctionBox</name>
    <message>
        <source>Printer Function</source>
        <translation>打印机功能</translation>
    </message>
    <message>
        <source>Calibrate Sensor </source>
        <translation>传感器校准 </translation>
    </message>
    <message>
        <source>Ethernet Setup</source>
        <translation>以太网设置</translation>
    </message>
    <message>
        <source>RTC Setup</source>
        <translation>RTC 设置</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>恢复出厂设置</translation>
    </message>
    <message>
        <source>Reset Printer</source>
        <translation>复位打印机</translation>
    </message>
    <message>
        <source>Print Test Page</source>
        <translation>打印测试页</translation>
    </message>
    <message>
        <source>Configuration Page</source>
        <translation>配置页</translation>
    </message>
    <message>
        <source>Dump Text</source>
        <translation>转储文本</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS</source>
        <translation>忽略 AUTO.BAS</translation>
    </message>
    <message>
        <source>Out of Line Mode</source>
        <translation>退出行模式</translation>
    </message>
    <message>
        <source>Password Setup</source>
        <translation>密码设置</translation>
    </message>
</context>
<context>
    <name>TFormDumpTextSetup</name>
    <message>
        <source>Dump Text Setup</source>
        <translation>转储文本设置</translation>
    </message>
    <message>
        <source>Print Label</source>
        <translation>打印标签</translation>
    </message>
    <message>
        <source>Save to SD Card</source>
        <translation>保存到 SD 卡</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>保存到文件</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>文件名：</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
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
        <translation>以太网设置</translation>
    </message>
    <message>
        <source>IP Setup</source>
        <translation>IP 设置</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>静态 IP</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP：</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>子网掩码：</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>网关：</translation>
    </message>
    <message>
        <source>Printer Name:</source>
        <translation>打印机名称：</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>MAC 地址：</translation>
    </message>
    <message>
        <source>Set Printer Name</source>
        <translation>设置打印机名称</translation>
    </message>
    <message>
        <source>Set IP</source>
        <translation>设置 IP</translation>
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
        <translation>LPT 设置</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
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
        <translation>语言</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>单位</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>英寸</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>接口</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>打印机配置</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>文件管理</translation>
    </message>
    <message>
        <source>Bitmap Font Manager</source>
        <translation>点阵字体管理</translation>
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
        <translation>打印机名称</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Discover Device</source>
        <translation>搜索设备</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>恢复出厂设置</translation>
    </message>
    <message>
        <source>Change IP Address</source>
        <translation>更改 IP 地址</translation>
    </message>
    <message>
        <source>Web Setup</source>
        <translation>网页设置</translation>
    </message>
    <message>
        <source>IP Setting</source>
        <translation>IP 设置</translation>
    </message>
    <message>
        <source>IP Address/Printer Name:</source>
        <translation>IP 地址/打印机名称：</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>端口：</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
</context>
<context>
    <name>TFormPassword</name>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>Please enter your password</source>
        <translation>请输入密码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>密码设置</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>旧密码</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>新密码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>字符表</translation>
    </message>
    <message>
        <source>Built Font</source>
        <translation>生成的字体</translation>
    </message>
    <message>
        <source>Build from Page</source>
        <translation>从页面生成</translation>
    </message>
    <message>
        <source>Open Font File</source>
        <translation>打开字体文件</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
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
        <translation>RTC 设置</translation>
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
        <translation>时：</translation>
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
        <translation>获取系统时间</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
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
        <translation>RS232 设置</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>COM 端口：</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>波特率：</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>数据位：</translation>
    </message>
    <message>
        <source>Parity Check:</source>
        <translation>奇偶校验：</translation>
    </message>
    <message>
        <source>Stop Bit(s):</source>
        <translation>停止位：</translation>
    </message>
    <message>
        <source>Hardware Handshaking:</source>
        <translation>硬件握手：</translation>
    </message>
    <message>
        <source>Software Handshaking:</source>
        <translation>软件握手：</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
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
        <translation>传感器校准</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>自动校准</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>纸张高度</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>英寸</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>间隙</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Media Type</source>
        <translation>纸张类型</translation>
    </message>
    <message>
        <source>GAP</source>
        <translation>间隙</translation>
    </message>
    <message>
        <source>Black Mark</source>
        <translation>黑标</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>连续纸</translation>
    </message>
    <message>
        <source>Auto Selection</source>
        <translation>自动选择</translation>
    </message>
    <message>
        <source>Manual Setup</source>
        <translation>手动设置</translation>
    </message>
    <message>
        <source>Sensor Intension</source>
        <translation>传感器强度</translation>
    </message>
    <message>
        <source>Threshold Value</source>
        <translation>阈值</translation>
    </message>
    <message>
        <source>Reading Intension</source>
        <translation>读数强度</translation>
    </message>
    <message>
        <source>Current Reading</source>
        <translation>当前读数</translation>
    </message>
    <message>
        <source>Label Reading</source>
        <translation>标签读数</translation>
    </message>
    <message>
        <source>Gap Reading</source>
        <translation>间隙读数</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>校准</translation>
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
        <translation>%1 不含字符集 %2 的字符：字体的字符格将为空，或以其他字体绘制。</translation>
    </message>
    <message>
        <source>Build the font all the same?</source>
        <translation>仍要生成字体吗？</translation>
    </message>
    <message>
        <source>The table file could not be opened.</source>
        <translation>无法打开编码表文件。</translation>
    </message>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>字符 %1 无法以 %2 保存。未保存任何内容。</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>无法保存文件。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ticked, but no table file has been loaded.</source>
        <translation>已勾选 &quot;%1&quot;，但尚未加载编码表文件。</translation>
    </message>
    <message>
        <source>The table file %1 cannot be read, is larger than %2 bytes or holds no character.</source>
        <translation>编码表文件 %1 无法读取、大于 %2 字节，或不含任何字符。</translation>
    </message>
    <message>
        <source>The encode table&apos;s character %1 has no code in %2.</source>
        <translation>编码表中的字符 %1 在 %2 中没有编码。</translation>
    </message>
    <message>
        <source>The encode table is larger than %1 bytes.</source>
        <translation>编码表大于 %1 字节。</translation>
    </message>
    <message>
        <source>The encode table is empty.</source>
        <translation>编码表为空。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>&quot;%1&quot; 不能为空。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must lie between 0 and 255.</source>
        <translation>&quot;%1&quot; 必须介于 0 到 255 之间。</translation>
    </message>
    <message>
        <source>No code page is chosen in &quot;%1&quot;.</source>
        <translation>未在 &quot;%1&quot; 中选择代码页。</translation>
    </message>
    <message>
        <source>The encode table holds no double-byte character.</source>
        <translation>编码表不含任何双字节字符。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not be negative.</source>
        <translation>&quot;%1&quot; 不能为负数。</translation>
    </message>
</context>
<context>
    <name>lb::CommandText</name>
    <message>
        <source>Western</source>
        <translation>西欧</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁体中文</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日文</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韩文</translation>
    </message>
</context>
<context>
    <name>lb::CommandToolPage</name>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>字符 %1 无法以 %2 保存。未保存任何内容。</translation>
    </message>
    <message>
        <source>The character %1 cannot be sent in %2. Nothing was sent.</source>
        <translation>字符 %1 无法以 %2 发送。未发送任何内容。</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>无应答。</translation>
    </message>
    <message>
        <source>The file does not fit in the editor, which holds at most %1 characters. Nothing was added.</source>
        <translation>文件过大，编辑器最多只能容纳 %1 个字符。未添加任何内容。</translation>
    </message>
    <message>
        <source>Some bytes of the file are no %1 text: they show as �.</source>
        <translation>文件中有些字节不是 %1 文本：这些字节显示为 �。</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>无法保存文件。</translation>
    </message>
</context>
<context>
    <name>lb::FileManagerPage</name>
    <message>
        <source>%1 downloaded to %2 (%3 bytes)</source>
        <translation>%1 已下载到 %2（%3 字节）</translation>
    </message>
    <message>
        <source>%1 sent (%2 bytes)</source>
        <translation>%1 已发送（%2 字节）</translation>
    </message>
    <message>
        <source>Memory information read</source>
        <translation>已读取存储器信息</translation>
    </message>
    <message>
        <source>Every file in %1 will be deleted.</source>
        <translation>%1 中的所有文件都将被删除。</translation>
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
        <translation>韩文</translation>
    </message>
    <message>
        <source>Shift-JIS</source>
        <translation>Shift-JIS</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>中欧</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>西里尔文</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>希腊文</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>土耳其文</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>希伯来文</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>阿拉伯文</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>波罗的海文</translation>
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
        <translation>请输入打印机字体名称。</translation>
    </message>
    <message>
        <source>The printer font name has %1 characters; at most %2 fit.</source>
        <translation>打印机字体名称有 %1 个字符；最多只能有 %2 个。</translation>
    </message>
    <message>
        <source>The printer font name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>打印机字体名称不能包含双引号、换行符或其他控制字符，也不能包含 Latin-1 以外的字符。</translation>
    </message>
</context>
<context>
    <name>lb::Language</name>
    <message>
        <source>English</source>
        <translation>英语</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁体中文</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日语</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>西班牙语</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>葡萄牙语</translation>
    </message>
    <message>
        <source>German</source>
        <translation>德语</translation>
    </message>
    <message>
        <source>French</source>
        <translation>法语</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>意大利语</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>俄语</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>波兰语</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>立陶宛语</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>捷克语</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>乌克兰语</translation>
    </message>
</context>
<context>
    <name>lb::Link</name>
    <message>
        <source>LPT: the parallel port cannot read.</source>
        <translation>LPT：并口无法读取。</translation>
    </message>
    <message>
        <source>not a parallel port (LPT1 to LPT4, or a device path)</source>
        <translation>不是并口（应为 LPT1 至 LPT4，或设备路径）</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group lp (then log in again)</source>
        <translation>权限被拒绝：用户需要加入 lp 组（然后重新登录）</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>正被其他程序使用</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms (out of paper, or off line?)</source>
        <translation>打印机已 %1 ms 未接收数据（缺纸或脱机？）</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>设备已被移除</translation>
    </message>
    <message>
        <source>The reply is not a valid frame.</source>
        <translation>应答不是有效的帧。</translation>
    </message>
    <message>
        <source>More than %1 bytes arrived without a reply frame.</source>
        <translation>已收到超过 %1 字节，但没有应答帧。</translation>
    </message>
    <message>
        <source>The reply is longer than the %1 bytes it may have.</source>
        <translation>应答超过允许的 %1 字节。</translation>
    </message>
    <message>
        <source>The reply line carries more than %1 CRs.</source>
        <translation>应答行包含超过 %1 个 CR。</translation>
    </message>
    <message>
        <source>The reply line is longer than %1 characters.</source>
        <translation>应答行超过 %1 个字符。</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>无此设备</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group dialout (then log in again)</source>
        <translation>权限被拒绝：用户需要加入 dialout 组（然后重新登录）</translation>
    </message>
    <message>
        <source>not a serial port (COM1 to COM30, or a device path)</source>
        <translation>不是串口（应为 COM1 至 COM30，或设备路径）</translation>
    </message>
    <message>
        <source>the port did not send the data within %1 ms</source>
        <translation>端口未在 %1 ms 内发出数据</translation>
    </message>
    <message>
        <source>no reply within %1 ms</source>
        <translation>%1 ms 内无应答</translation>
    </message>
    <message>
        <source>connection refused (is the printer on and is the port right?)</source>
        <translation>连接被拒绝（打印机是否已开机？端口是否正确？）</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>找不到主机</translation>
    </message>
    <message>
        <source>timed out: no answer within %1 ms</source>
        <translation>超时：%1 ms 内无应答</translation>
    </message>
    <message>
        <source>the printer closed the connection</source>
        <translation>打印机已关闭连接</translation>
    </message>
    <message>
        <source>no printer address is set</source>
        <translation>未设置打印机地址</translation>
    </message>
    <message>
        <source>%1 is not a TCP port</source>
        <translation>%1 不是 TCP 端口</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms</source>
        <translation>打印机已 %1 ms 未接收数据</translation>
    </message>
    <message>
        <source>permission denied: install the udev rule 60-labelbench-printers.rules from packaging/ (see the README), then replug the printer</source>
        <translation>权限被拒绝：请安装 packaging/ 中的 udev 规则 60-labelbench-printers.rules（参见 README），然后重新插拔打印机</translation>
    </message>
    <message>
        <source>USB cannot be used on this system</source>
        <translation>此系统无法使用 USB</translation>
    </message>
    <message>
        <source>the device has no printer interface</source>
        <translation>该设备没有打印机接口</translation>
    </message>
    <message>
        <source>no device with an accepted vendor identifier (%1)</source>
        <translation>找不到具有可接受厂商 ID（%1）的设备</translation>
    </message>
    <message>
        <source>the device cannot be opened</source>
        <translation>无法打开设备</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>The list has more than %1 entries.</source>
        <translation>列表超过 %1 个条目。</translation>
    </message>
    <message>
        <source>The list did not end within %1 s.</source>
        <translation>列表未在 %1 秒内结束。</translation>
    </message>
    <message>
        <source>The list is longer than the %1 bytes it may have.</source>
        <translation>列表超过允许的 %1 字节。</translation>
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
        <translation>已读取配置（版次 %1）</translation>
    </message>
    <message>
        <source>Configuration cleared</source>
        <translation>已清除配置</translation>
    </message>
    <message>
        <source>Page %1 not written</source>
        <translation>“%1”页面未写入</translation>
    </message>
    <message>
        <source>Page %1 written: %2 settings</source>
        <translation>已写入“%1”页面：%2 项设置</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>配置已保存到 %1</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>已从 %1 加载配置</translation>
    </message>
    <message>
        <source>Printer status: %1</source>
        <translation>打印机状态：%1</translation>
    </message>
    <message>
        <source>The entry %1 is unknown, missing or holds a value that cannot be used.</source>
        <translation>条目 %1 未知、缺失或包含无法使用的值。</translation>
    </message>
    <message>
        <source>%1 holds a value a .json file cannot hold; nothing was saved.</source>
        <translation>%1 的值无法保存到 .json 文件中；未保存任何内容。</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFiles</name>
    <message>
        <source>Type the printer file name.</source>
        <translation>请输入打印机文件名。</translation>
    </message>
    <message>
        <source>The printer file name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>打印机文件名不能包含双引号、换行符或其他控制字符，也不能包含 Latin-1 以外的字符。</translation>
    </message>
    <message>
        <source>larger than %1 bytes, which is the most that can be sent</source>
        <translation>大于可发送的上限 %1 字节</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>读取期间文件已更改</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFunctionBox</name>
    <message>
        <source>Sensor calibration sent</source>
        <translation>已发送传感器校准</translation>
    </message>
    <message>
        <source>Network address settings sent</source>
        <translation>已发送网络地址设置</translation>
    </message>
    <message>
        <source>Printer name sent</source>
        <translation>已发送打印机名称</translation>
    </message>
    <message>
        <source>Clock set</source>
        <translation>时钟已设置</translation>
    </message>
    <message>
        <source>Dump mode started</source>
        <translation>已启动转储模式</translation>
    </message>
    <message>
        <source>Send the text to be captured to the printer now, from the label program or the Command Tool, then press OK.</source>
        <translation>请现在从标签软件或“指令工具”将要捕获的文本发送到打印机，然后按 OK。</translation>
    </message>
    <message>
        <source>The dump is empty: the printer captured no text.</source>
        <translation>转储内容为空：打印机未捕获到任何文本。</translation>
    </message>
    <message>
        <source>The dump is empty</source>
        <translation>转储内容为空</translation>
    </message>
    <message>
        <source>Dump saved to %1 (%2 bytes)</source>
        <translation>转储内容已保存到 %1（%2 字节）</translation>
    </message>
    <message>
        <source>Factory default sent</source>
        <translation>已发送恢复出厂设置</translation>
    </message>
    <message>
        <source>Printer reset</source>
        <translation>打印机已复位</translation>
    </message>
    <message>
        <source>Test page sent</source>
        <translation>已发送测试页</translation>
    </message>
    <message>
        <source>Configuration page sent</source>
        <translation>已发送配置页</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS sent</source>
        <translation>已发送“忽略 AUTO.BAS”</translation>
    </message>
    <message>
        <source>Line mode left</source>
        <translation>已退出行模式</translation>
    </message>
    <message>
        <source>Password changed</source>
        <translation>密码已更改</translation>
    </message>
</context>
<context>
    <name>lb::PrinterStatus</name>
    <message>
        <source>Printing</source>
        <translation>打印中</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Paper Jam</source>
        <translation>卡纸</translation>
    </message>
    <message>
        <source>Out of Paper</source>
        <translation>缺纸</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>碳带编码器错误</translation>
    </message>
    <message>
        <source>Out of Ribbon</source>
        <translation>碳带用尽</translation>
    </message>
    <message>
        <source>Other Error</source>
        <translation>其他错误</translation>
    </message>
    <message>
        <source>Head Open</source>
        <translation>打印头开启</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
</context>
<context>
    <name>lb::Refusal</name>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation>%1：&apos;%2&apos; 不是数字</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; 不是数字</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is out of range</source>
        <translation>%1：&apos;%2&apos; 超出范围</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range</source>
        <translation>&apos;%1&apos; 超出范围</translation>
    </message>
</context>
<context>
    <name>lb::SensorChart</name>
    <message>
        <source>Label</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Live %1</source>
        <translation>实时 %1</translation>
    </message>
    <message>
        <source>Intensity %1</source>
        <translation>强度 %1</translation>
    </message>
    <message>
        <source>Threshold %1</source>
        <translation>阈值 %1</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>强度</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>尚无读数</translation>
    </message>
</context>
<context>
    <name>lb::TFormEthernetSetup</name>
    <message>
        <source>The printer name &quot;%1&quot; cannot be sent: the printer knows only Latin-1 characters.</source>
        <translation>无法发送打印机名称 &quot;%1&quot;：打印机仅支持 Latin-1 字符。</translation>
    </message>
</context>
<context>
    <name>lb::TFormMain</name>
    <message>
        <source>Looking for the printer on %1…</source>
        <translation>正在 %1 上查找打印机…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>No printer answered on %1 — choose the interface and press Get, or start with --demo to try LabelBench</source>
        <translation>%1 上没有打印机应答 — 请选择接口并按“读取”，或使用 --demo 启动以试用 LabelBench</translation>
    </message>
</context>
<context>
    <name>lb::TFormNetSetup</name>
    <message>
        <source>The printer %1 returns to its factory settings.</source>
        <translation>打印机 %1 将恢复出厂设置。</translation>
    </message>
    <message>
        <source>The request could not be sent on this computer&apos;s network; the printer has not been changed.</source>
        <translation>无法通过本机网络发送请求；打印机未做任何更改。</translation>
    </message>
</context>
<context>
    <name>lb::TFormPassword</name>
    <message>
        <source>Incorrect</source>
        <translation>密码错误</translation>
    </message>
</context>
<context>
    <name>lb::TFormPasswordSetup</name>
    <message>
        <source>Incorrect</source>
        <translation>密码错误</translation>
    </message>
    <message>
        <source>The new password can have at most %1 characters, none of them a double quote or a control character (such as a line break, a tab or ESC).</source>
        <translation>新密码最多 %1 个字符，且不能包含双引号或控制字符（如换行符、制表符或 ESC）。</translation>
    </message>
</context>
<context>
    <name>lb::TFormPreviewFont</name>
    <message>
        <source>Build the page&apos;s font to see the bitmaps the printer will receive.</source>
        <translation>请生成此页面的字体，以查看打印机将收到的点阵图。</translation>
    </message>
    <message>
        <source>This is no font file the printer can use: %1</source>
        <translation>这不是打印机可用的字体文件：%1</translation>
    </message>
    <message>
        <source>variable pitch</source>
        <translation>可变字距</translation>
    </message>
    <message>
        <source>fixed pitch</source>
        <translation>固定字距</translation>
    </message>
    <message>
        <source>double-byte codes</source>
        <translation>双字节编码</translation>
    </message>
    <message>
        <source>single-byte codes</source>
        <translation>单字节编码</translation>
    </message>
    <message>
        <source>%1 characters, cell %2 x %3 pixels, %4, %5</source>
        <translation>%1 个字符，字符格 %2 x %3 像素，%4，%5</translation>
    </message>
    <message>
        <source>Its glyphs are too many and too large to be drawn here.</source>
        <translation>字形过多且过大，无法在此绘制。</translation>
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
        <translation>%1 小时 %2 分</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 天</translation>
    </message>
    <message>
        <source>printer clock agrees with this computer</source>
        <translation>打印机时钟与本机一致</translation>
    </message>
    <message>
        <source>printer clock %1 behind this computer</source>
        <translation>打印机时钟比本机慢 %1</translation>
    </message>
    <message>
        <source>printer clock %1 ahead of this computer</source>
        <translation>打印机时钟比本机快 %1</translation>
    </message>
</context>
<context>
    <name>lb::TFormRs232Setup</name>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇校验</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶校验</translation>
    </message>
</context>
<context>
    <name>lb::TFormSensorCalibrate</name>
    <message>
        <source>Calibrate</source>
        <translation>校准</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>英寸</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Black mark</source>
        <translation>黑标</translation>
    </message>
    <message>
        <source>Liner</source>
        <translation>底纸</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>纸张</translation>
    </message>
    <message>
        <source>Can&apos;t calibration</source>
        <translation>校准失败</translation>
    </message>
    <message>
        <source>Put linner please</source>
        <translation>请放入底纸</translation>
    </message>
    <message>
        <source>Put black mark please</source>
        <translation>请放入黑标</translation>
    </message>
    <message>
        <source>Put label please</source>
        <translation>请放入标签</translation>
    </message>
    <message>
        <source>Label and %1 lie closer than %2 at every level</source>
        <translation>在所有强度等级下，标签与 %1 的读数差均小于 %2</translation>
    </message>
    <message>
        <source>black mark</source>
        <translation>黑标</translation>
    </message>
    <message>
        <source>liner</source>
        <translation>底纸</translation>
    </message>
    <message>
        <source>Calibration is complete</source>
        <translation>校准完成</translation>
    </message>
</context>
</TS>
