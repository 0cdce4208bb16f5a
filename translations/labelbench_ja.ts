<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja" sourcelanguage="en">
<context>
    <name>BitmapFontManagerPage</name>
    <message>
        <source>Font Select</source>
        <translation>フォント選択</translation>
    </message>
    <message>
        <source>Font Encode</source>
        <translation>フォントエンコード</translation>
    </message>
    <message>
        <source>Standard Encode</source>
        <translation>標準エンコード</translation>
    </message>
    <message>
        <source>Asian Font Encode</source>
        <translation>アジアフォントエンコード</translation>
    </message>
    <message>
        <source>Encode by Table</source>
        <translation>テーブルエンコード</translation>
    </message>
    <message>
        <source>Encode by Table (Asian)</source>
        <translation>テーブルエンコード (アジア)</translation>
    </message>
    <message>
        <source>Font Pitch</source>
        <translation>フォントピッチ</translation>
    </message>
    <message>
        <source>Fixed Pitch</source>
        <translation>固定ピッチ</translation>
    </message>
    <message>
        <source>Variable Pitch</source>
        <translation>可変ピッチ</translation>
    </message>
    <message>
        <source>Windows Font Name</source>
        <translation>Windowsフォント名</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>フォントサイズ</translation>
    </message>
    <message>
        <source>Printer Device</source>
        <translation>プリンターデバイス</translation>
    </message>
    <message>
        <source>Character Set</source>
        <translation>文字セット</translation>
    </message>
    <message>
        <source>The code page in which the font&apos;s codes are read: the script its characters come from</source>
        <translation>フォントの文字コードを解釈するコードページ: フォントの文字が属する文字体系</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>フォントを選択</translation>
    </message>
    <message>
        <source>Printer Font Name</source>
        <translation>プリンターフォント名</translation>
    </message>
    <message>
        <source>Italic Width</source>
        <translation>イタリック幅</translation>
    </message>
    <message>
        <source>Preview Font</source>
        <translation>フォントプレビュー</translation>
    </message>
    <message>
        <source>Font Width</source>
        <translation>フォント幅</translation>
    </message>
    <message>
        <source>Font Height</source>
        <translation>フォント高さ</translation>
    </message>
    <message>
        <source>Font Mapping</source>
        <translation>フォントマッピング</translation>
    </message>
    <message>
        <source>Standard Mapping</source>
        <translation>標準マッピング</translation>
    </message>
    <message>
        <source>Full ASCII Mapping</source>
        <translation>全ASCIIマッピング</translation>
    </message>
    <message>
        <source>Custom Mapping</source>
        <translation>カスタムマッピング</translation>
    </message>
    <message>
        <source>Character Start ASCII</source>
        <translation>開始文字 (ASCII)</translation>
    </message>
    <message>
        <source>Character End ASCII</source>
        <translation>終了文字 (ASCII)</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁体字中国語</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>簡体字中国語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓国語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>By File</source>
        <translation>ファイルから</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save Font</source>
        <translation>フォント保存</translation>
    </message>
    <message>
        <source>Download Font</source>
        <translation>フォントダウンロード</translation>
    </message>
</context>
<context>
    <name>CommandToolPage</name>
    <message>
        <source>Text encoding</source>
        <translation>文字エンコード</translation>
    </message>
    <message>
        <source>Show replies</source>
        <translation>応答を表示</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>ファイル送信</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
</context>
<context>
    <name>ConfigurationWriter</name>
    <message>
        <source>%1 holds %2, which cannot be sent to the printer</source>
        <translation>%1 の値 %2 はプリンターに送信できません</translation>
    </message>
    <message>
        <source>%1 cannot be converted for the printer: the resolution %2 is not usable</source>
        <translation>%1 をプリンター用に変換できません: 解像度 %2 は使用できません</translation>
    </message>
</context>
<context>
    <name>FileManagerPage</name>
    <message>
        <source>File Download</source>
        <translation>ファイルダウンロード</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>ファイル種類</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>ファイルサイズ</translation>
    </message>
    <message>
        <source>Memory Device</source>
        <translation>メモリデバイス</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>参照</translation>
    </message>
    <message>
        <source>Font View</source>
        <translation>フォント表示</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>ダウンロード</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>ファイル情報</translation>
    </message>
    <message>
        <source>Physical Space</source>
        <translation>物理容量</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>空き容量</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>取得</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>メモリフォーマット</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>フォーマット</translation>
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
        <translation>プリンター設定</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>共通</translation>
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
        <translation>用紙幅</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>インチ</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>用紙長</translation>
    </message>
    <message>
        <source>Media Sensor</source>
        <translation>メディアセンサー</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>ギャップ</translation>
    </message>
    <message>
        <source>Gap Offset</source>
        <translation>ギャップオフセット</translation>
    </message>
    <message>
        <source>Post-Print Action</source>
        <translation>印刷後動作</translation>
    </message>
    <message>
        <source>Cut Piece</source>
        <translation>カット枚数</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>基準点</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>印字方向</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>オフセット</translation>
    </message>
    <message>
        <source>Shift X</source>
        <translation>シフト X</translation>
    </message>
    <message>
        <source>Shift Y</source>
        <translation>シフト Y</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>リボン</translation>
    </message>
    <message>
        <source>Ribbon Sensor</source>
        <translation>リボンセンサー</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>リボンエンコーダーエラー</translation>
    </message>
    <message>
        <source>Code Page</source>
        <translation>コードページ</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>国コード</translation>
    </message>
    <message>
        <source>Head-up Sensor</source>
        <translation>ヘッドアップセンサー</translation>
    </message>
    <message>
        <source>Reprint After Error</source>
        <translation>エラー後再印刷</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>最大長</translation>
    </message>
    <message>
        <source>Gap Inten.</source>
        <translation>ギャップ強度</translation>
    </message>
    <message>
        <source>Bline Inten.</source>
        <translation>ブラックマーク強度</translation>
    </message>
    <message>
        <source>Continuous Inten.</source>
        <translation>連続紙強度</translation>
    </message>
    <message>
        <source>Threshold Detection</source>
        <translation>しきい値検出</translation>
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
        <translation>0～30</translation>
    </message>
    <message>
        <source>Print Speed</source>
        <translation>印刷速度</translation>
    </message>
    <message>
        <source>Tear Off</source>
        <translation>ティアオフ</translation>
    </message>
    <message>
        <source>-120 to 120</source>
        <translation>-120～120</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>印刷モード</translation>
    </message>
    <message>
        <source>Print Width</source>
        <translation>印字幅</translation>
    </message>
    <message>
        <source>Control Prefix</source>
        <translation>制御プレフィックス</translation>
    </message>
    <message>
        <source>Format Prefix</source>
        <translation>フォーマットプレフィックス</translation>
    </message>
    <message>
        <source>Delimiter Char</source>
        <translation>区切り文字</translation>
    </message>
    <message>
        <source>Media Power Up</source>
        <translation>電源投入時動作</translation>
    </message>
    <message>
        <source>Head Close</source>
        <translation>ヘッドクローズ時動作</translation>
    </message>
    <message>
        <source>Label Top</source>
        <translation>ラベル上端</translation>
    </message>
    <message>
        <source>Left Position</source>
        <translation>左端位置</translation>
    </message>
    <message>
        <source>-9999 to 9999</source>
        <translation>-9999～9999</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>ヒート</translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation>ラベル幅</translation>
    </message>
    <message>
        <source>Present Sensor</source>
        <translation>プレゼントセンサー</translation>
    </message>
    <message>
        <source>Cutter Equipped</source>
        <translation>カッター装着</translation>
    </message>
    <message>
        <source>Control Codes</source>
        <translation>制御コード</translation>
    </message>
    <message>
        <source>Column Offset</source>
        <translation>列オフセット</translation>
    </message>
    <message>
        <source>Row Offset</source>
        <translation>行オフセット</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>インターフェース</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>ボーレート</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>データビット</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>パリティ</translation>
    </message>
    <message>
        <source>Stop Bit(s)</source>
        <translation>ストップビット</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>取得</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Printer Information</source>
        <translation>プリンター情報</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>バージョン:</translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation>シリアル番号:</translation>
    </message>
    <message>
        <source>Check Sum:</source>
        <translation>チェックサム:</translation>
    </message>
    <message>
        <source>Cutting Counter:</source>
        <translation>カット回数:</translation>
    </message>
    <message>
        <source>Mileage:</source>
        <translation>印字距離:</translation>
    </message>
    <message>
        <source>Km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Printer Status</source>
        <translation>プリンター状態</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>状態取得</translation>
    </message>
</context>
<context>
    <name>PrinterFunctionBox</name>
    <message>
        <source>Printer Function</source>
        <translation>プリンター機能</translation>
    </message>
    <message>
        <source>Calibrate Sensor </source>
        <translation>センサーキャリブレーション </translation>
    </message>
    <message>
        <source>Ethernet Setup</source>
        <translation>イーサネット設定</translation>
    </message>
    <message>
        <source>RTC Setup</source>
        <translation>RTC設定</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>工場出荷時設定</translation>
    </message>
    <message>
        <source>Reset Printer</source>
        <translation>プリンターリセット</translation>
    </message>
    <message>
        <source>Print Test Page</source>
        <translation>テストページ印刷</translation>
    </message>
    <message>
        <source>Configuration Page</source>
        <translation>設定ページ印刷</translation>
    </message>
    <message>
        <source>Dump Text</source>
        <translation>ダンプテキスト</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS</source>
        <translation>AUTO.BAS を無視</translation>
    </message>
    <message>
        <source>Out of Line Mode</source>
        <translation>ラインモード解除</translation>
    </message>
    <message>
        <source>Password Setup</source>
        <translation>パスワード設定</translation>
    </message>
</context>
<context>
    <name>TFormDumpTextSetup</name>
    <message>
        <source>Dump Text Setup</source>
        <translation>ダンプテキスト設定</translation>
    </message>
    <message>
        <source>Print Label</source>
        <translation>ラベルに印刷</translation>
    </message>
    <message>
        <source>Save to SD Card</source>
        <translation>SDカードに保存</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>ファイルに保存</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>ファイル名:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TFormEthernetSetup</name>
    <message>
        <source>Ethernet Setup</source>
        <translation>イーサネット設定</translation>
    </message>
    <message>
        <source>IP Setup</source>
        <translation>IP設定</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>固定IP</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>サブネットマスク:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>ゲートウェイ:</translation>
    </message>
    <message>
        <source>Printer Name:</source>
        <translation>プリンター名:</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>MACアドレス:</translation>
    </message>
    <message>
        <source>Set Printer Name</source>
        <translation>プリンター名を設定</translation>
    </message>
    <message>
        <source>Set IP</source>
        <translation>IPを設定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TFormLPTSetup</name>
    <message>
        <source>LPT Setup</source>
        <translation>LPT設定</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>単位</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>インチ</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>インターフェース</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>プリンター設定</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>ファイル管理</translation>
    </message>
    <message>
        <source>Bitmap Font Manager</source>
        <translation>ビットマップフォント管理</translation>
    </message>
    <message>
        <source>Command Tool</source>
        <translation>コマンドツール</translation>
    </message>
</context>
<context>
    <name>TFormNetSetup</name>
    <message>
        <source>Printer Name</source>
        <translation>プリンター名</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IPアドレス</translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation>モデル名</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Discover Device</source>
        <translation>デバイス検索</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>工場出荷時設定</translation>
    </message>
    <message>
        <source>Change IP Address</source>
        <translation>IPアドレス変更</translation>
    </message>
    <message>
        <source>Web Setup</source>
        <translation>Web設定</translation>
    </message>
    <message>
        <source>IP Setting</source>
        <translation>IP設定</translation>
    </message>
    <message>
        <source>IP Address/Printer Name:</source>
        <translation>IPアドレス/プリンター名:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>ポート:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>TFormPassword</name>
    <message>
        <source>Password</source>
        <translation>パスワード</translation>
    </message>
    <message>
        <source>Please enter your password</source>
        <translation>パスワードを入力してください</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TFormPasswordSetup</name>
    <message>
        <source>Password Setup</source>
        <translation>パスワード設定</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>旧パスワード</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>新パスワード</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TFormPreviewFont</name>
    <message>
        <source>Character Chart</source>
        <translation>文字一覧</translation>
    </message>
    <message>
        <source>Built Font</source>
        <translation>作成済みフォント</translation>
    </message>
    <message>
        <source>Build from Page</source>
        <translation>ページから作成</translation>
    </message>
    <message>
        <source>Open Font File</source>
        <translation>フォントファイルを開く</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>閉じる</translation>
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
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TFormRTCSetup</name>
    <message>
        <source>RTC Setup</source>
        <translation>RTC設定</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>年:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>月:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>日:</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>時:</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>分:</translation>
    </message>
    <message>
        <source>Second:</source>
        <translation>秒:</translation>
    </message>
    <message>
        <source>Get System Time</source>
        <translation>システム時刻を取得</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TFormRs232Setup</name>
    <message>
        <source>RS232 Setup</source>
        <translation>RS232設定</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>COMポート:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>ボーレート:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>データビット:</translation>
    </message>
    <message>
        <source>Parity Check:</source>
        <translation>パリティチェック:</translation>
    </message>
    <message>
        <source>Stop Bit(s):</source>
        <translation>ストップビット:</translation>
    </message>
    <message>
        <source>Hardware Handshaking:</source>
        <translation>ハードウェアハンドシェイク:</translation>
    </message>
    <message>
        <source>Software Handshaking:</source>
        <translation>ソフトウェアハンドシェイク:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>TFormSensorCalibrate</name>
    <message>
        <source>Sensor Calibration</source>
        <translation>センサーキャリブレーション</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>自動キャリブレーション</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>用紙長</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>インチ</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>ギャップ</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>キャリブレーション</translation>
    </message>
    <message>
        <source>Media Type</source>
        <translation>メディアタイプ</translation>
    </message>
    <message>
        <source>GAP</source>
        <translation>ギャップ</translation>
    </message>
    <message>
        <source>Black Mark</source>
        <translation>ブラックマーク</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>連続紙</translation>
    </message>
    <message>
        <source>Auto Selection</source>
        <translation>自動選択</translation>
    </message>
    <message>
        <source>Manual Setup</source>
        <translation>手動設定</translation>
    </message>
    <message>
        <source>Sensor Intension</source>
        <translation>センサー強度</translation>
    </message>
    <message>
        <source>Threshold Value</source>
        <translation>しきい値</translation>
    </message>
    <message>
        <source>Reading Intension</source>
        <translation>読取強度</translation>
    </message>
    <message>
        <source>Current Reading</source>
        <translation>現在の読取値</translation>
    </message>
    <message>
        <source>Label Reading</source>
        <translation>ラベル読取値</translation>
    </message>
    <message>
        <source>Gap Reading</source>
        <translation>ギャップ読取値</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>キャリブレーション</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>lb::BitmapFontManagerPage</name>
    <message>
        <source>%1 has no characters of the character set %2: the font&apos;s cells would come out empty or drawn in another font.</source>
        <translation>%1 には文字セット %2 の文字がありません。フォントのセルが空になるか、別のフォントで描画されます。</translation>
    </message>
    <message>
        <source>Build the font all the same?</source>
        <translation>それでもフォントを作成しますか？</translation>
    </message>
    <message>
        <source>The table file could not be opened.</source>
        <translation>テーブルファイルを開けませんでした。</translation>
    </message>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>文字 %1 は %2 では保存できません。保存は行われませんでした。</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>ファイルを保存できませんでした。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ticked, but no table file has been loaded.</source>
        <translation>&quot;%1&quot; がオンになっていますが、テーブルファイルが読み込まれていません。</translation>
    </message>
    <message>
        <source>The table file %1 cannot be read, is larger than %2 bytes or holds no character.</source>
        <translation>テーブルファイル %1 は、読み込めないか、%2 バイトを超えているか、文字を含んでいません。</translation>
    </message>
    <message>
        <source>The encode table&apos;s character %1 has no code in %2.</source>
        <translation>エンコードテーブルの文字 %1 には %2 のコードがありません。</translation>
    </message>
    <message>
        <source>The encode table is larger than %1 bytes.</source>
        <translation>エンコードテーブルが %1 バイトを超えています。</translation>
    </message>
    <message>
        <source>The encode table is empty.</source>
        <translation>エンコードテーブルが空です。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>&quot;%1&quot; が空です。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must lie between 0 and 255.</source>
        <translation>&quot;%1&quot; は 0～255 の範囲で指定してください。</translation>
    </message>
    <message>
        <source>No code page is chosen in &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; でコードページが選択されていません。</translation>
    </message>
    <message>
        <source>The encode table holds no double-byte character.</source>
        <translation>エンコードテーブルに 2 バイト文字がありません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not be negative.</source>
        <translation>&quot;%1&quot; に負の値は指定できません。</translation>
    </message>
</context>
<context>
    <name>lb::CommandText</name>
    <message>
        <source>Western</source>
        <translation>西ヨーロッパ言語</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁体字中国語</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>簡体字中国語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>韓国語</translation>
    </message>
</context>
<context>
    <name>lb::CommandToolPage</name>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>文字 %1 は %2 では保存できません。保存は行われませんでした。</translation>
    </message>
    <message>
        <source>The character %1 cannot be sent in %2. Nothing was sent.</source>
        <translation>文字 %1 は %2 では送信できません。送信は行われませんでした。</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>応答がありません。</translation>
    </message>
    <message>
        <source>The file does not fit in the editor, which holds at most %1 characters. Nothing was added.</source>
        <translation>ファイルがエディターに収まりません (最大 %1 文字)。何も追加されていません。</translation>
    </message>
    <message>
        <source>Some bytes of the file are no %1 text: they show as �.</source>
        <translation>ファイルの一部のバイトは %1 のテキストではないため、� と表示されます。</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>ファイルを保存できませんでした。</translation>
    </message>
</context>
<context>
    <name>lb::FileManagerPage</name>
    <message>
        <source>%1 downloaded to %2 (%3 bytes)</source>
        <translation>%1 を %2 にダウンロードしました (%3 バイト)</translation>
    </message>
    <message>
        <source>%1 sent (%2 bytes)</source>
        <translation>%1 を送信しました (%2 バイト)</translation>
    </message>
    <message>
        <source>Memory information read</source>
        <translation>メモリ情報を取得しました</translation>
    </message>
    <message>
        <source>Every file in %1 will be deleted.</source>
        <translation>%1 内のすべてのファイルが削除されます。</translation>
    </message>
    <message>
        <source>%1 formatted</source>
        <translation>%1 をフォーマットしました</translation>
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
        <translation>ハングル</translation>
    </message>
    <message>
        <source>Shift-JIS</source>
        <translation>Shift-JIS</translation>
    </message>
    <message>
        <source>Central European</source>
        <translation>中央ヨーロッパ言語</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>キリル言語</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>ギリシャ語</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>トルコ語</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>ヘブライ語</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>アラビア語</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>バルト言語</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>ベトナム語</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>タイ語</translation>
    </message>
</context>
<context>
    <name>lb::FontRules</name>
    <message>
        <source>Type the printer font name.</source>
        <translation>プリンターフォント名を入力してください。</translation>
    </message>
    <message>
        <source>The printer font name has %1 characters; at most %2 fit.</source>
        <translation>プリンターフォント名が %1 文字あります。最大 %2 文字までです。</translation>
    </message>
    <message>
        <source>The printer font name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>プリンターフォント名には、ダブルクォーテーション、改行などの制御文字、Latin-1 以外の文字は使用できません。</translation>
    </message>
</context>
<context>
    <name>lb::Language</name>
    <message>
        <source>English</source>
        <translation>英語</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>繁体字中国語</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>簡体字中国語</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>スペイン語</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>ポルトガル語</translation>
    </message>
    <message>
        <source>German</source>
        <translation>ドイツ語</translation>
    </message>
    <message>
        <source>French</source>
        <translation>フランス語</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>イタリア語</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>ロシア語</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>ポーランド語</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>リトアニア語</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>チェコ語</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>ウクライナ語</translation>
    </message>
</context>
<context>
    <name>lb::Link</name>
    <message>
        <source>LPT: the parallel port cannot read.</source>
        <translation>LPT: パラレルポートからは読み取りできません。</translation>
    </message>
    <message>
        <source>not a parallel port (LPT1 to LPT4, or a device path)</source>
        <translation>パラレルポートではありません (LPT1～LPT4 またはデバイスパス)</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group lp (then log in again)</source>
        <translation>アクセスが拒否されました: ユーザーを lp グループに追加する必要があります (追加後に再ログイン)</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>他のプログラムが使用中です</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms (out of paper, or off line?)</source>
        <translation>プリンターが %1 ms の間データを受け付けませんでした (用紙切れ、またはオフライン？)</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>デバイスが切断されました</translation>
    </message>
    <message>
        <source>The reply is not a valid frame.</source>
        <translation>応答が有効なフレームではありません。</translation>
    </message>
    <message>
        <source>More than %1 bytes arrived without a reply frame.</source>
        <translation>応答フレームがないまま %1 バイトを超えるデータを受信しました。</translation>
    </message>
    <message>
        <source>The reply is longer than the %1 bytes it may have.</source>
        <translation>応答が上限の %1 バイトを超えています。</translation>
    </message>
    <message>
        <source>The reply line carries more than %1 CRs.</source>
        <translation>応答行に %1 個を超える CR が含まれています。</translation>
    </message>
    <message>
        <source>The reply line is longer than %1 characters.</source>
        <translation>応答行が %1 文字を超えています。</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>デバイスが存在しません</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group dialout (then log in again)</source>
        <translation>アクセスが拒否されました: ユーザーを dialout グループに追加する必要があります (追加後に再ログイン)</translation>
    </message>
    <message>
        <source>not a serial port (COM1 to COM30, or a device path)</source>
        <translation>シリアルポートではありません (COM1～COM30 またはデバイスパス)</translation>
    </message>
    <message>
        <source>the port did not send the data within %1 ms</source>
        <translation>ポートが %1 ms 以内にデータを送信しませんでした</translation>
    </message>
    <message>
        <source>no reply within %1 ms</source>
        <translation>%1 ms 以内に応答がありません</translation>
    </message>
    <message>
        <source>connection refused (is the printer on and is the port right?)</source>
        <translation>接続が拒否されました (プリンターの電源は入っていますか？ポートは正しいですか？)</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>ホストが見つかりません</translation>
    </message>
    <message>
        <source>timed out: no answer within %1 ms</source>
        <translation>タイムアウト: %1 ms 以内に応答がありません</translation>
    </message>
    <message>
        <source>the printer closed the connection</source>
        <translation>プリンターが接続を切断しました</translation>
    </message>
    <message>
        <source>no printer address is set</source>
        <translation>プリンターのアドレスが設定されていません</translation>
    </message>
    <message>
        <source>%1 is not a TCP port</source>
        <translation>%1 は TCP ポートではありません</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms</source>
        <translation>プリンターが %1 ms の間データを受け付けませんでした</translation>
    </message>
    <message>
        <source>permission denied: install the udev rule 60-labelbench-printers.rules from packaging/ (see the README), then replug the printer</source>
        <translation>アクセスが拒否されました: packaging/ にある udev ルール 60-labelbench-printers.rules をインストールし (README 参照)、プリンターを接続し直してください</translation>
    </message>
    <message>
        <source>USB cannot be used on this system</source>
        <translation>このシステムでは USB を使用できません</translation>
    </message>
    <message>
        <source>the device has no printer interface</source>
        <translation>デバイスにプリンターインターフェースがありません</translation>
    </message>
    <message>
        <source>no device with an accepted vendor identifier (%1)</source>
        <translation>許可されたベンダー ID (%1) のデバイスがありません</translation>
    </message>
    <message>
        <source>the device cannot be opened</source>
        <translation>デバイスを開けません</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>キャンセルされました</translation>
    </message>
    <message>
        <source>The list has more than %1 entries.</source>
        <translation>リストの項目が %1 個を超えています。</translation>
    </message>
    <message>
        <source>The list did not end within %1 s.</source>
        <translation>リストが %1 秒以内に終わりませんでした。</translation>
    </message>
    <message>
        <source>The list is longer than the %1 bytes it may have.</source>
        <translation>リストが上限の %1 バイトを超えています。</translation>
    </message>
</context>
<context>
    <name>lb::Outcome</name>
    <message>
        <source>Cancelled</source>
        <translation>キャンセルされました</translation>
    </message>
</context>
<context>
    <name>lb::PrinterConfigurationPage</name>
    <message>
        <source>Configuration read (edition %1)</source>
        <translation>設定を取得しました (エディション %1)</translation>
    </message>
    <message>
        <source>Configuration cleared</source>
        <translation>設定をクリアしました</translation>
    </message>
    <message>
        <source>Page %1 not written</source>
        <translation>「%1」ページは書き込まれていません</translation>
    </message>
    <message>
        <source>Page %1 written: %2 settings</source>
        <translation>「%1」ページを書き込みました: %2 件の設定</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>設定を %1 に保存しました</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>%1 から設定を読み込みました</translation>
    </message>
    <message>
        <source>Printer status: %1</source>
        <translation>プリンター状態: %1</translation>
    </message>
    <message>
        <source>The entry %1 is unknown, missing or holds a value that cannot be used.</source>
        <translation>項目 %1 は不明か、欠けているか、使用できない値を含んでいます。</translation>
    </message>
    <message>
        <source>%1 holds a value a .json file cannot hold; nothing was saved.</source>
        <translation>%1 の値は .json ファイルに保存できません。何も保存されませんでした。</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFiles</name>
    <message>
        <source>Type the printer file name.</source>
        <translation>プリンターのファイル名を入力してください。</translation>
    </message>
    <message>
        <source>The printer file name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>プリンターのファイル名には、ダブルクォーテーション、改行などの制御文字、Latin-1 以外の文字は使用できません。</translation>
    </message>
    <message>
        <source>larger than %1 bytes, which is the most that can be sent</source>
        <translation>送信できる上限の %1 バイトを超えています</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>読み込み中にファイルが変更されました</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFunctionBox</name>
    <message>
        <source>Sensor calibration sent</source>
        <translation>センサーキャリブレーションを送信しました</translation>
    </message>
    <message>
        <source>Network address settings sent</source>
        <translation>ネットワークアドレス設定を送信しました</translation>
    </message>
    <message>
        <source>Printer name sent</source>
        <translation>プリンター名を送信しました</translation>
    </message>
    <message>
        <source>Clock set</source>
        <translation>時計を設定しました</translation>
    </message>
    <message>
        <source>Dump mode started</source>
        <translation>ダンプモードを開始しました</translation>
    </message>
    <message>
        <source>Send the text to be captured to the printer now, from the label program or the Command Tool, then press OK.</source>
        <translation>ラベル発行ソフトまたは「コマンドツール」から、取り込むテキストを今すぐプリンターに送信し、OK を押してください。</translation>
    </message>
    <message>
        <source>The dump is empty: the printer captured no text.</source>
        <translation>ダンプが空です: プリンターはテキストを取り込みませんでした。</translation>
    </message>
    <message>
        <source>The dump is empty</source>
        <translation>ダンプが空です</translation>
    </message>
    <message>
        <source>Dump saved to %1 (%2 bytes)</source>
        <translation>ダンプを %1 に保存しました (%2 バイト)</translation>
    </message>
    <message>
        <source>Factory default sent</source>
        <translation>工場出荷時設定コマンドを送信しました</translation>
    </message>
    <message>
        <source>Printer reset</source>
        <translation>プリンターをリセットしました</translation>
    </message>
    <message>
        <source>Test page sent</source>
        <translation>テストページ印刷を送信しました</translation>
    </message>
    <message>
        <source>Configuration page sent</source>
        <translation>設定ページ印刷を送信しました</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS sent</source>
        <translation>「AUTO.BAS を無視」を送信しました</translation>
    </message>
    <message>
        <source>Line mode left</source>
        <translation>ラインモードを解除しました</translation>
    </message>
    <message>
        <source>Password changed</source>
        <translation>パスワードを変更しました</translation>
    </message>
</context>
<context>
    <name>lb::PrinterStatus</name>
    <message>
        <source>Printing</source>
        <translation>印刷中</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Paper Jam</source>
        <translation>紙詰まり</translation>
    </message>
    <message>
        <source>Out of Paper</source>
        <translation>用紙切れ</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>リボンエンコーダーエラー</translation>
    </message>
    <message>
        <source>Out of Ribbon</source>
        <translation>リボン切れ</translation>
    </message>
    <message>
        <source>Other Error</source>
        <translation>その他のエラー</translation>
    </message>
    <message>
        <source>Head Open</source>
        <translation>ヘッドオープン</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
</context>
<context>
    <name>lb::Refusal</name>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation>%1: &apos;%2&apos; は数値ではありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; は数値ではありません</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is out of range</source>
        <translation>%1: &apos;%2&apos; は範囲外です</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range</source>
        <translation>&apos;%1&apos; は範囲外です</translation>
    </message>
</context>
<context>
    <name>lb::SensorChart</name>
    <message>
        <source>Label</source>
        <translation>ラベル</translation>
    </message>
    <message>
        <source>Live %1</source>
        <translation>現在値 %1</translation>
    </message>
    <message>
        <source>Intensity %1</source>
        <translation>強度 %1</translation>
    </message>
    <message>
        <source>Threshold %1</source>
        <translation>しきい値 %1</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>強度</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>まだ読取値がありません</translation>
    </message>
</context>
<context>
    <name>lb::TFormEthernetSetup</name>
    <message>
        <source>The printer name &quot;%1&quot; cannot be sent: the printer knows only Latin-1 characters.</source>
        <translation>プリンター名 &quot;%1&quot; は送信できません: プリンターは Latin-1 の文字しか扱えません。</translation>
    </message>
</context>
<context>
    <name>lb::TFormMain</name>
    <message>
        <source>Looking for the printer on %1…</source>
        <translation>%1 でプリンターを検索しています…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>キャンセルされました</translation>
    </message>
    <message>
        <source>No printer answered on %1 — choose the interface and press Get, or start with --demo to try LabelBench</source>
        <translation>%1 で応答したプリンターがありません — インターフェースを選択して「取得」を押すか、--demo を付けて起動して LabelBench をお試しください</translation>
    </message>
</context>
<context>
    <name>lb::TFormNetSetup</name>
    <message>
        <source>The printer %1 returns to its factory settings.</source>
        <translation>プリンター %1 は工場出荷時設定に戻ります。</translation>
    </message>
    <message>
        <source>The request could not be sent on this computer&apos;s network; the printer has not been changed.</source>
        <translation>このコンピューターのネットワークで要求を送信できませんでした。プリンターは変更されていません。</translation>
    </message>
</context>
<context>
    <name>lb::TFormPassword</name>
    <message>
        <source>Incorrect</source>
        <translation>パスワードが正しくありません</translation>
    </message>
</context>
<context>
    <name>lb::TFormPasswordSetup</name>
    <message>
        <source>Incorrect</source>
        <translation>パスワードが正しくありません</translation>
    </message>
    <message>
        <source>The new password can have at most %1 characters, none of them a double quote or a control character (such as a line break, a tab or ESC).</source>
        <translation>新パスワードは %1 文字以内で、ダブルクォーテーションや制御文字 (改行、タブ、ESC など) は使用できません。</translation>
    </message>
</context>
<context>
    <name>lb::TFormPreviewFont</name>
    <message>
        <source>Build the page&apos;s font to see the bitmaps the printer will receive.</source>
        <translation>ページのフォントを作成すると、プリンターに送信されるビットマップを確認できます。</translation>
    </message>
    <message>
        <source>This is no font file the printer can use: %1</source>
        <translation>プリンターで使用できるフォントファイルではありません: %1</translation>
    </message>
    <message>
        <source>variable pitch</source>
        <translation>可変ピッチ</translation>
    </message>
    <message>
        <source>fixed pitch</source>
        <translation>固定ピッチ</translation>
    </message>
    <message>
        <source>double-byte codes</source>
        <translation>2 バイトコード</translation>
    </message>
    <message>
        <source>single-byte codes</source>
        <translation>1 バイトコード</translation>
    </message>
    <message>
        <source>%1 characters, cell %2 x %3 pixels, %4, %5</source>
        <translation>%1 文字、セル %2 x %3 ピクセル、%4、%5</translation>
    </message>
    <message>
        <source>Its glyphs are too many and too large to be drawn here.</source>
        <translation>グリフの数が多すぎ、サイズも大きすぎるため、ここには表示できません。</translation>
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
        <translation>%1 時間 %2 分</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 日</translation>
    </message>
    <message>
        <source>printer clock agrees with this computer</source>
        <translation>プリンターの時計はこのコンピューターと一致しています</translation>
    </message>
    <message>
        <source>printer clock %1 behind this computer</source>
        <translation>プリンターの時計はこのコンピューターより %1 遅れています</translation>
    </message>
    <message>
        <source>printer clock %1 ahead of this computer</source>
        <translation>プリンターの時計はこのコンピューターより %1 進んでいます</translation>
    </message>
</context>
<context>
    <name>lb::TFormRs232Setup</name>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>奇数</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>偶数</translation>
    </message>
</context>
<context>
    <name>lb::TFormSensorCalibrate</name>
    <message>
        <source>Calibrate</source>
        <translation>キャリブレーション</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>インチ</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Black mark</source>
        <translation>ブラックマーク</translation>
    </message>
    <message>
        <source>Liner</source>
        <translation>台紙</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>メディア</translation>
    </message>
    <message>
        <source>Can&apos;t calibration</source>
        <translation>キャリブレーションできません</translation>
    </message>
    <message>
        <source>Put linner please</source>
        <translation>台紙をセットしてください</translation>
    </message>
    <message>
        <source>Put black mark please</source>
        <translation>ブラックマークをセットしてください</translation>
    </message>
    <message>
        <source>Put label please</source>
        <translation>ラベルをセットしてください</translation>
    </message>
    <message>
        <source>Label and %1 lie closer than %2 at every level</source>
        <translation>どの強度レベルでも、ラベルと%1の読取値の差が %2 未満です</translation>
    </message>
    <message>
        <source>black mark</source>
        <translation>ブラックマーク</translation>
    </message>
    <message>
        <source>liner</source>
        <translation>台紙</translation>
    </message>
    <message>
        <source>Calibration is complete</source>
        <translation>キャリブレーションが完了しました</translation>
    </message>
</context>
</TS>
