<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
<context>
    <name>BitmapFontManagerPage</name>
    <message>
        <source>Font Select</source>
        <translation>Seleção de fonte</translation>
    </message>
    <message>
        <source>Font Encode</source>
        <translation>Codificação</translation>
    </message>
    <message>
        <source>Standard Encode</source>
        <translation>Codificação padrão</translation>
    </message>
    <message>
        <source>Asian Font Encode</source>
        <translation>Codificação asiática</translation>
    </message>
    <message>
        <source>Encode by Table</source>
        <translation>Codificação por tabela</translation>
    </message>
    <message>
        <source>Encode by Table (Asian)</source>
        <translation>Codificação por tabela (asiática)</translation>
    </message>
    <message>
        <source>Font Pitch</source>
        <translation>Espaçamento</translation>
    </message>
    <message>
        <source>Fixed Pitch</source>
        <translation>Espaçamento fixo</translation>
    </message>
    <message>
        <source>Variable Pitch</source>
        <translation>Espaçamento variável</translation>
    </message>
    <message>
        <source>Windows Font Name</source>
        <translation>Fonte do Windows</translation>
    </message>
    <message>
        <source>Font Size</source>
        <translation>Tamanho da fonte</translation>
    </message>
    <message>
        <source>Printer Device</source>
        <translation>Memória da impressora</translation>
    </message>
    <message>
        <source>Character Set</source>
        <translation>Conjunto de caracteres</translation>
    </message>
    <message>
        <source>The code page in which the font&apos;s codes are read: the script its characters come from</source>
        <translation>A página de código em que os códigos da fonte são lidos: a escrita de onde vêm seus caracteres</translation>
    </message>
    <message>
        <source>Select Font</source>
        <translation>Selecionar fonte</translation>
    </message>
    <message>
        <source>Printer Font Name</source>
        <translation>Nome na impressora</translation>
    </message>
    <message>
        <source>Italic Width</source>
        <translation>Largura do itálico</translation>
    </message>
    <message>
        <source>Preview Font</source>
        <translation>Visualizar fonte</translation>
    </message>
    <message>
        <source>Font Width</source>
        <translation>Largura da fonte</translation>
    </message>
    <message>
        <source>Font Height</source>
        <translation>Altura da fonte</translation>
    </message>
    <message>
        <source>Font Mapping</source>
        <translation>Mapeamento</translation>
    </message>
    <message>
        <source>Standard Mapping</source>
        <translation>Mapeamento padrão</translation>
    </message>
    <message>
        <source>Full ASCII Mapping</source>
        <translation>Mapeamento ASCII completo</translation>
    </message>
    <message>
        <source>Custom Mapping</source>
        <translation>Mapeamento personalizado</translation>
    </message>
    <message>
        <source>Character Start ASCII</source>
        <translation>ASCII inicial</translation>
    </message>
    <message>
        <source>Character End ASCII</source>
        <translation>ASCII final</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinês tradicional</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinês simplificado</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>By File</source>
        <translation>De arquivo</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Save Font</source>
        <translation>Salvar fonte</translation>
    </message>
    <message>
        <source>Download Font</source>
        <translation>Transferir fonte</translation>
    </message>
</context>
<context>
    <name>CommandToolPage</name>
    <message>
        <source>Text encoding</source>
        <translation>Codificação do texto</translation>
    </message>
    <message>
        <source>Show replies</source>
        <translation>Mostrar respostas</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Send File</source>
        <translation>Enviar arquivo</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
</context>
<context>
    <name>ConfigurationWriter</name>
    <message>
        <source>%1 holds %2, which cannot be sent to the printer</source>
        <translation>%1 contém %2, que não pode ser enviado à impressora</translation>
    </message>
    <message>
        <source>%1 cannot be converted for the printer: the resolution %2 is not usable</source>
        <translation>%1 não pode ser convertido para a impressora: a resolução %2 não é utilizável</translation>
    </message>
</context>
<context>
    <name>FileManagerPage</name>
    <message>
        <source>File Download</source>
        <translation>Transferência de arquivo</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Tipo de arquivo</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamanho do arquivo</translation>
    </message>
    <message>
        <source>Memory Device</source>
        <translation>Memória</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source>Font View</source>
        <translation>Ver fonte</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Transferir</translation>
    </message>
    <message>
        <source>File Information</source>
        <translation>Informações de arquivos</translation>
    </message>
    <message>
        <source>Physical Space</source>
        <translation>Espaço físico</translation>
    </message>
    <message>
        <source>Free Space</source>
        <translation>Espaço livre</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>File Format</source>
        <translation>Formatar memória</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formatar</translation>
    </message>
</context>
<context>
    <name>LinkError</name>
    <message>
        <source>Port Open Error</source>
        <translation>Erro de Abertura de Porta</translation>
    </message>
    <message>
        <source>Data Receiving Error</source>
        <translation>Erro de Recepção de Dados</translation>
    </message>
    <message>
        <source>Please Read Printer Config First</source>
        <translation>Por favor, primeiro obtenha as configurações da impressora.</translation>
    </message>
    <message>
        <source>Data Transmission Error</source>
        <translation>Erro de Transmissão de Dados</translation>
    </message>
    <message>
        <source>File Open Error</source>
        <translation>Erro de Abertura de Arquivo</translation>
    </message>
    <message>
        <source>Unknown Error</source>
        <translation>Erro Desconhecido</translation>
    </message>
</context>
<context>
    <name>PrinterConfigurationPage</name>
    <message>
        <source>Printer Configuration</source>
        <translation>Configuração da impressora</translation>
    </message>
    <message>
        <source>Common</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Density</source>
        <translation>Densidade</translation>
    </message>
    <message>
        <source>Paper Width</source>
        <translation>Largura do papel</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pol.</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Altura do papel</translation>
    </message>
    <message>
        <source>Media Sensor</source>
        <translation>Sensor de mídia</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Gap</translation>
    </message>
    <message>
        <source>Gap Offset</source>
        <translation>Offset do gap</translation>
    </message>
    <message>
        <source>Post-Print Action</source>
        <translation>Ação pós-impressão</translation>
    </message>
    <message>
        <source>Cut Piece</source>
        <translation>Cortar a cada</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referência</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Direção</translation>
    </message>
    <message>
        <source>Offset</source>
        <translation>Offset</translation>
    </message>
    <message>
        <source>Shift X</source>
        <translation>Desloc. X</translation>
    </message>
    <message>
        <source>Shift Y</source>
        <translation>Desloc. Y</translation>
    </message>
    <message>
        <source>Ribbon</source>
        <translation>Ribbon</translation>
    </message>
    <message>
        <source>Ribbon Sensor</source>
        <translation>Sensor de ribbon</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>Erro encoder ribbon</translation>
    </message>
    <message>
        <source>Code Page</source>
        <translation>Página de código</translation>
    </message>
    <message>
        <source>Country Code</source>
        <translation>Código do país</translation>
    </message>
    <message>
        <source>Head-up Sensor</source>
        <translation>Sensor de cabeça</translation>
    </message>
    <message>
        <source>Reprint After Error</source>
        <translation>Reimprimir após erro</translation>
    </message>
    <message>
        <source>Maximum Length</source>
        <translation>Comprimento máximo</translation>
    </message>
    <message>
        <source>Gap Inten.</source>
        <translation>Intens. gap</translation>
    </message>
    <message>
        <source>Bline Inten.</source>
        <translation>Intens. marca preta</translation>
    </message>
    <message>
        <source>Continuous Inten.</source>
        <translation>Intens. contínuo</translation>
    </message>
    <message>
        <source>Threshold Detection</source>
        <translation>Detecção de limiar</translation>
    </message>
    <message>
        <source>Z</source>
        <translation>Z</translation>
    </message>
    <message>
        <source>Darkness</source>
        <translation>Escurecimento</translation>
    </message>
    <message>
        <source>0 to 30</source>
        <translation>0 a 30</translation>
    </message>
    <message>
        <source>Print Speed</source>
        <translation>Vel. impressão</translation>
    </message>
    <message>
        <source>Tear Off</source>
        <translation>Destacar</translation>
    </message>
    <message>
        <source>-120 to 120</source>
        <translation>-120 a 120</translation>
    </message>
    <message>
        <source>Print Mode</source>
        <translation>Modo de impressão</translation>
    </message>
    <message>
        <source>Print Width</source>
        <translation>Largura de impressão</translation>
    </message>
    <message>
        <source>Control Prefix</source>
        <translation>Prefixo de controle</translation>
    </message>
    <message>
        <source>Format Prefix</source>
        <translation>Prefixo de formato</translation>
    </message>
    <message>
        <source>Delimiter Char</source>
        <translation>Delimitador</translation>
    </message>
    <message>
        <source>Media Power Up</source>
        <translation>Mídia ao ligar</translation>
    </message>
    <message>
        <source>Head Close</source>
        <translation>Ao fechar cabeça</translation>
    </message>
    <message>
        <source>Label Top</source>
        <translation>Topo da etiqueta</translation>
    </message>
    <message>
        <source>Left Position</source>
        <translation>Posição esquerda</translation>
    </message>
    <message>
        <source>-9999 to 9999</source>
        <translation>-9999 a 9999</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Heat</source>
        <translation>Calor</translation>
    </message>
    <message>
        <source>Label Width</source>
        <translation>Largura da etiqueta</translation>
    </message>
    <message>
        <source>Present Sensor</source>
        <translation>Sensor de presença</translation>
    </message>
    <message>
        <source>Cutter Equipped</source>
        <translation>Guilhotina instalada</translation>
    </message>
    <message>
        <source>Control Codes</source>
        <translation>Códigos de controle</translation>
    </message>
    <message>
        <source>Column Offset</source>
        <translation>Offset de coluna</translation>
    </message>
    <message>
        <source>Row Offset</source>
        <translation>Offset de linha</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Baud Rate</source>
        <translation>Taxa de baud</translation>
    </message>
    <message>
        <source>Data Bits</source>
        <translation>Bits de dados</translation>
    </message>
    <message>
        <source>Parity</source>
        <translation>Paridade</translation>
    </message>
    <message>
        <source>Stop Bit(s)</source>
        <translation>Bit(s) de parada</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Ler</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Carregar</translation>
    </message>
    <message>
        <source>Printer Information</source>
        <translation>Informações da impressora</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versão:</translation>
    </message>
    <message>
        <source>Serial No:</source>
        <translation>Nº de série:</translation>
    </message>
    <message>
        <source>Check Sum:</source>
        <translation>Checksum:</translation>
    </message>
    <message>
        <source>Cutting Counter:</source>
        <translation>Contador de cortes:</translation>
    </message>
    <message>
        <source>Mileage:</source>
        <translation>Odômetro:</translation>
    </message>
    <message>
        <source>Km</source>
        <translation>km</translation>
    </message>
    <message>
        <source>Printer Status</source>
        <translation>Status da impressora</translation>
    </message>
    <message>
        <source>Get Status</source>
        <translation>Ler status</translation>
    </message>
</context>
<context>
    <name>PrinterFunctionBox</name>
    <message>
        <source>Printer Function</source>
        <translation>Funções da impressora</translation>
    </message>
    <message>
        <source>Calibrate Sensor </source>
        <translation>Calibrar sensor </translation>
    </message>
    <message>
        <source>Ethernet Setup</source>
        <translation>Configurar Ethernet</translation>
    </message>
    <message>
        <source>RTC Setup</source>
        <translation>Configurar RTC</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Padrão de fábrica</translation>
    </message>
    <message>
        <source>Reset Printer</source>
        <translation>Reiniciar impressora</translation>
    </message>
    <message>
        <source>Print Test Page</source>
        <translation>Página de teste</translation>
    </message>
    <message>
        <source>Configuration Page</source>
        <translation>Página de configuração</translation>
    </message>
    <message>
        <source>Dump Text</source>
        <translation>Dump de texto</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS</source>
        <translation>Ignorar AUTO.BAS</translation>
    </message>
    <message>
        <source>Out of Line Mode</source>
        <translation>Sair do modo linha</translation>
    </message>
    <message>
        <source>Password Setup</source>
        <translation>Configurar senha</translation>
    </message>
</context>
<context>
    <name>TFormDumpTextSetup</name>
    <message>
        <source>Dump Text Setup</source>
        <translation>Configuração do dump</translation>
    </message>
    <message>
        <source>Print Label</source>
        <translation>Imprimir etiqueta</translation>
    </message>
    <message>
        <source>Save to SD Card</source>
        <translation>Salvar no cartão SD</translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation>Salvar em arquivo</translation>
    </message>
    <message>
        <source>File Name:</source>
        <translation>Nome do arquivo:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TFormEthernetSetup</name>
    <message>
        <source>Ethernet Setup</source>
        <translation>Configuração Ethernet</translation>
    </message>
    <message>
        <source>IP Setup</source>
        <translation>Configuração IP</translation>
    </message>
    <message>
        <source>DHCP</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Static IP</source>
        <translation>IP estático</translation>
    </message>
    <message>
        <source>IP:</source>
        <translation>IP:</translation>
    </message>
    <message>
        <source>Subnet Mask:</source>
        <translation>Máscara de sub-rede:</translation>
    </message>
    <message>
        <source>Gateway:</source>
        <translation>Gateway:</translation>
    </message>
    <message>
        <source>Printer Name:</source>
        <translation>Nome da impressora:</translation>
    </message>
    <message>
        <source>MAC Address:</source>
        <translation>Endereço MAC:</translation>
    </message>
    <message>
        <source>Set Printer Name</source>
        <translation>Aplicar nome</translation>
    </message>
    <message>
        <source>Set IP</source>
        <translation>Aplicar IP</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TFormLPTSetup</name>
    <message>
        <source>LPT Setup</source>
        <translation>Configuração LPT</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>polegada</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Interface</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Printer Configuration</source>
        <translation>Configuração da impressora</translation>
    </message>
    <message>
        <source>File Manager</source>
        <translation>Gerenciador de arquivos</translation>
    </message>
    <message>
        <source>Bitmap Font Manager</source>
        <translation>Gerenciador de fontes bitmap</translation>
    </message>
    <message>
        <source>Command Tool</source>
        <translation>Ferramenta de comandos</translation>
    </message>
</context>
<context>
    <name>TFormNetSetup</name>
    <message>
        <source>Printer Name</source>
        <translation>Nome da impressora</translation>
    </message>
    <message>
        <source>MAC</source>
        <translation>MAC</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Model Name</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Discover Device</source>
        <translation>Localizar dispositivos</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>Padrão de fábrica</translation>
    </message>
    <message>
        <source>Change IP Address</source>
        <translation>Alterar endereço IP</translation>
    </message>
    <message>
        <source>Web Setup</source>
        <translation>Configuração web</translation>
    </message>
    <message>
        <source>IP Setting</source>
        <translation>Configuração IP</translation>
    </message>
    <message>
        <source>IP Address/Printer Name:</source>
        <translation>Endereço IP/nome da impressora:</translation>
    </message>
    <message>
        <source>Port:</source>
        <translation>Porta:</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>TFormPassword</name>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Please enter your password</source>
        <translation>Digite sua senha</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TFormPasswordSetup</name>
    <message>
        <source>Password Setup</source>
        <translation>Configuração de senha</translation>
    </message>
    <message>
        <source>Old Password</source>
        <translation>Senha atual</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Nova senha</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TFormPreviewFont</name>
    <message>
        <source>Character Chart</source>
        <translation>Tabela de caracteres</translation>
    </message>
    <message>
        <source>Built Font</source>
        <translation>Fonte gerada</translation>
    </message>
    <message>
        <source>Build from Page</source>
        <translation>Gerar da página</translation>
    </message>
    <message>
        <source>Open Font File</source>
        <translation>Abrir arquivo de fonte</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>TFormProcess</name>
    <message>
        <source>Communicating...</source>
        <translation>Comunicando...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TFormRTCSetup</name>
    <message>
        <source>RTC Setup</source>
        <translation>Configuração do RTC</translation>
    </message>
    <message>
        <source>Year:</source>
        <translation>Ano:</translation>
    </message>
    <message>
        <source>Month:</source>
        <translation>Mês:</translation>
    </message>
    <message>
        <source>Date:</source>
        <translation>Dia:</translation>
    </message>
    <message>
        <source>Hour:</source>
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Minuto:</translation>
    </message>
    <message>
        <source>Second:</source>
        <translation>Segundo:</translation>
    </message>
    <message>
        <source>Get System Time</source>
        <translation>Usar hora do sistema</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TFormRs232Setup</name>
    <message>
        <source>RS232 Setup</source>
        <translation>Configuração RS232</translation>
    </message>
    <message>
        <source>COM Port:</source>
        <translation>Porta COM:</translation>
    </message>
    <message>
        <source>Baud Rate:</source>
        <translation>Taxa de baud:</translation>
    </message>
    <message>
        <source>Data Bits:</source>
        <translation>Bits de dados:</translation>
    </message>
    <message>
        <source>Parity Check:</source>
        <translation>Paridade:</translation>
    </message>
    <message>
        <source>Stop Bit(s):</source>
        <translation>Bit(s) de parada:</translation>
    </message>
    <message>
        <source>Hardware Handshaking:</source>
        <translation>Controle de fluxo por hardware:</translation>
    </message>
    <message>
        <source>Software Handshaking:</source>
        <translation>Controle de fluxo por software:</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TFormSensorCalibrate</name>
    <message>
        <source>Sensor Calibration</source>
        <translation>Calibração do sensor</translation>
    </message>
    <message>
        <source>Auto Calibration</source>
        <translation>Calibração automática</translation>
    </message>
    <message>
        <source>Paper Height</source>
        <translation>Altura do papel</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pol.</translation>
    </message>
    <message>
        <source>Gap</source>
        <translation>Gap</translation>
    </message>
    <message>
        <source>Calibrate</source>
        <translation>Calibrar</translation>
    </message>
    <message>
        <source>Media Type</source>
        <translation>Tipo de mídia</translation>
    </message>
    <message>
        <source>GAP</source>
        <translation>GAP</translation>
    </message>
    <message>
        <source>Black Mark</source>
        <translation>Marca preta</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Contínuo</translation>
    </message>
    <message>
        <source>Auto Selection</source>
        <translation>Seleção automática</translation>
    </message>
    <message>
        <source>Manual Setup</source>
        <translation>Ajuste manual</translation>
    </message>
    <message>
        <source>Sensor Intension</source>
        <translation>Intensidade do sensor</translation>
    </message>
    <message>
        <source>Threshold Value</source>
        <translation>Valor do limiar</translation>
    </message>
    <message>
        <source>Reading Intension</source>
        <translation>Intensidade de leitura</translation>
    </message>
    <message>
        <source>Current Reading</source>
        <translation>Leitura atual</translation>
    </message>
    <message>
        <source>Label Reading</source>
        <translation>Leitura da etiqueta</translation>
    </message>
    <message>
        <source>Gap Reading</source>
        <translation>Leitura do gap</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Calibration</source>
        <translation>Calibração</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>lb::BitmapFontManagerPage</name>
    <message>
        <source>%1 has no characters of the character set %2: the font&apos;s cells would come out empty or drawn in another font.</source>
        <translation>%1 não tem caracteres do conjunto de caracteres %2: as células da fonte ficariam vazias ou desenhadas com outra fonte.</translation>
    </message>
    <message>
        <source>Build the font all the same?</source>
        <translation>Gerar a fonte mesmo assim?</translation>
    </message>
    <message>
        <source>The table file could not be opened.</source>
        <translation>Não foi possível abrir o arquivo de tabela.</translation>
    </message>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>O caractere %1 não pode ser salvo em %2. Nada foi salvo.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Não foi possível salvar o arquivo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is ticked, but no table file has been loaded.</source>
        <translation>&quot;%1&quot; está marcado, mas nenhum arquivo de tabela foi carregado.</translation>
    </message>
    <message>
        <source>The table file %1 cannot be read, is larger than %2 bytes or holds no character.</source>
        <translation>O arquivo de tabela %1 não pode ser lido, excede %2 bytes ou não contém nenhum caractere.</translation>
    </message>
    <message>
        <source>The encode table&apos;s character %1 has no code in %2.</source>
        <translation>O caractere %1 da tabela de codificação não tem código em %2.</translation>
    </message>
    <message>
        <source>The encode table is larger than %1 bytes.</source>
        <translation>A tabela de codificação excede %1 bytes.</translation>
    </message>
    <message>
        <source>The encode table is empty.</source>
        <translation>A tabela de codificação está vazia.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is empty.</source>
        <translation>O campo &quot;%1&quot; está vazio.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must lie between 0 and 255.</source>
        <translation>&quot;%1&quot; deve estar entre 0 e 255.</translation>
    </message>
    <message>
        <source>No code page is chosen in &quot;%1&quot;.</source>
        <translation>Nenhuma página de código foi escolhida em &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The encode table holds no double-byte character.</source>
        <translation>A tabela de codificação não contém nenhum caractere de byte duplo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; must not be negative.</source>
        <translation>O valor de &quot;%1&quot; não pode ser negativo.</translation>
    </message>
</context>
<context>
    <name>lb::CommandText</name>
    <message>
        <source>Western</source>
        <translation>Ocidental</translation>
    </message>
    <message>
        <source>Unicode</source>
        <translation>Unicode</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinês tradicional</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinês simplificado</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>Korean</source>
        <translation>Coreano</translation>
    </message>
</context>
<context>
    <name>lb::CommandToolPage</name>
    <message>
        <source>The character %1 cannot be saved in %2. Nothing was saved.</source>
        <translation>O caractere %1 não pode ser salvo em %2. Nada foi salvo.</translation>
    </message>
    <message>
        <source>The character %1 cannot be sent in %2. Nothing was sent.</source>
        <translation>O caractere %1 não pode ser enviado em %2. Nada foi enviado.</translation>
    </message>
    <message>
        <source>No answer.</source>
        <translation>Sem resposta.</translation>
    </message>
    <message>
        <source>The file does not fit in the editor, which holds at most %1 characters. Nothing was added.</source>
        <translation>O arquivo não cabe no editor, que comporta no máximo %1 caracteres. Nada foi adicionado.</translation>
    </message>
    <message>
        <source>Some bytes of the file are no %1 text: they show as �.</source>
        <translation>Alguns bytes do arquivo não são texto %1: aparecem como �.</translation>
    </message>
    <message>
        <source>The file could not be saved.</source>
        <translation>Não foi possível salvar o arquivo.</translation>
    </message>
</context>
<context>
    <name>lb::FileManagerPage</name>
    <message>
        <source>%1 downloaded to %2 (%3 bytes)</source>
        <translation>%1 transferido para %2 (%3 bytes)</translation>
    </message>
    <message>
        <source>%1 sent (%2 bytes)</source>
        <translation>%1 enviado (%2 bytes)</translation>
    </message>
    <message>
        <source>Memory information read</source>
        <translation>Informações de memória lidas</translation>
    </message>
    <message>
        <source>Every file in %1 will be deleted.</source>
        <translation>Todos os arquivos em %1 serão excluídos.</translation>
    </message>
    <message>
        <source>%1 formatted</source>
        <translation>Memória %1 formatada</translation>
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
        <translation>Europeu central</translation>
    </message>
    <message>
        <source>Cyrillic</source>
        <translation>Cirílico</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Grego</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Turco</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <translation>Hebraico</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Árabe</translation>
    </message>
    <message>
        <source>Baltic</source>
        <translation>Báltico</translation>
    </message>
    <message>
        <source>Vietnamese</source>
        <translation>Vietnamita</translation>
    </message>
    <message>
        <source>Thai</source>
        <translation>Tailandês</translation>
    </message>
</context>
<context>
    <name>lb::FontRules</name>
    <message>
        <source>Type the printer font name.</source>
        <translation>Digite o nome da fonte na impressora.</translation>
    </message>
    <message>
        <source>The printer font name has %1 characters; at most %2 fit.</source>
        <translation>O nome da fonte na impressora tem %1 caracteres; cabem no máximo %2.</translation>
    </message>
    <message>
        <source>The printer font name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>O nome da fonte na impressora não pode conter aspas duplas, quebra de linha ou outro caractere de controle, nem caracteres fora do Latin-1.</translation>
    </message>
</context>
<context>
    <name>lb::Language</name>
    <message>
        <source>English</source>
        <translation>Inglês</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <translation>Chinês tradicional</translation>
    </message>
    <message>
        <source>Simplified Chinese</source>
        <translation>Chinês simplificado</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>Japonês</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>Espanhol</translation>
    </message>
    <message>
        <source>Portuguese</source>
        <translation>Português</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Alemão</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Francês</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Russo</translation>
    </message>
    <message>
        <source>Polish</source>
        <translation>Polonês</translation>
    </message>
    <message>
        <source>Lithuanian</source>
        <translation>Lituano</translation>
    </message>
    <message>
        <source>Czech</source>
        <translation>Tcheco</translation>
    </message>
    <message>
        <source>Ukrainian</source>
        <translation>Ucraniano</translation>
    </message>
</context>
<context>
    <name>lb::Link</name>
    <message>
        <source>LPT: the parallel port cannot read.</source>
        <translation>LPT: a porta paralela não pode ler.</translation>
    </message>
    <message>
        <source>not a parallel port (LPT1 to LPT4, or a device path)</source>
        <translation>não é uma porta paralela (LPT1 a LPT4, ou um caminho de dispositivo)</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group lp (then log in again)</source>
        <translation>permissão negada: o usuário precisa estar no grupo lp (depois faça login novamente)</translation>
    </message>
    <message>
        <source>in use by another program</source>
        <translation>em uso por outro programa</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms (out of paper, or off line?)</source>
        <translation>a impressora não aceitou dados por %1 ms (sem papel ou offline?)</translation>
    </message>
    <message>
        <source>the device is gone</source>
        <translation>o dispositivo foi desconectado</translation>
    </message>
    <message>
        <source>The reply is not a valid frame.</source>
        <translation>A resposta não é um quadro válido.</translation>
    </message>
    <message>
        <source>More than %1 bytes arrived without a reply frame.</source>
        <translation>Chegaram mais de %1 bytes sem um quadro de resposta.</translation>
    </message>
    <message>
        <source>The reply is longer than the %1 bytes it may have.</source>
        <translation>A resposta excede os %1 bytes permitidos.</translation>
    </message>
    <message>
        <source>The reply line carries more than %1 CRs.</source>
        <translation>A linha de resposta contém mais de %1 caracteres CR.</translation>
    </message>
    <message>
        <source>The reply line is longer than %1 characters.</source>
        <translation>A linha de resposta excede %1 caracteres.</translation>
    </message>
    <message>
        <source>no such device</source>
        <translation>dispositivo inexistente</translation>
    </message>
    <message>
        <source>permission denied: the user needs to be in group dialout (then log in again)</source>
        <translation>permissão negada: o usuário precisa estar no grupo dialout (depois faça login novamente)</translation>
    </message>
    <message>
        <source>not a serial port (COM1 to COM30, or a device path)</source>
        <translation>não é uma porta serial (COM1 a COM30, ou um caminho de dispositivo)</translation>
    </message>
    <message>
        <source>the port did not send the data within %1 ms</source>
        <translation>a porta não enviou os dados em %1 ms</translation>
    </message>
    <message>
        <source>no reply within %1 ms</source>
        <translation>sem resposta em %1 ms</translation>
    </message>
    <message>
        <source>connection refused (is the printer on and is the port right?)</source>
        <translation>conexão recusada (a impressora está ligada e a porta está correta?)</translation>
    </message>
    <message>
        <source>host not found</source>
        <translation>host não encontrado</translation>
    </message>
    <message>
        <source>timed out: no answer within %1 ms</source>
        <translation>tempo esgotado: sem resposta em %1 ms</translation>
    </message>
    <message>
        <source>the printer closed the connection</source>
        <translation>a impressora fechou a conexão</translation>
    </message>
    <message>
        <source>no printer address is set</source>
        <translation>nenhum endereço de impressora definido</translation>
    </message>
    <message>
        <source>%1 is not a TCP port</source>
        <translation>%1 não é uma porta TCP</translation>
    </message>
    <message>
        <source>the printer took no data for %1 ms</source>
        <translation>a impressora não aceitou dados por %1 ms</translation>
    </message>
    <message>
        <source>permission denied: install the udev rule 60-labelbench-printers.rules from packaging/ (see the README), then replug the printer</source>
        <translation>permissão negada: instale a regra udev 60-labelbench-printers.rules de packaging/ (veja o README) e reconecte a impressora</translation>
    </message>
    <message>
        <source>USB cannot be used on this system</source>
        <translation>não é possível usar USB neste sistema</translation>
    </message>
    <message>
        <source>the device has no printer interface</source>
        <translation>o dispositivo não tem interface de impressora</translation>
    </message>
    <message>
        <source>no device with an accepted vendor identifier (%1)</source>
        <translation>nenhum dispositivo com identificador de fabricante aceito (%1)</translation>
    </message>
    <message>
        <source>the device cannot be opened</source>
        <translation>não é possível abrir o dispositivo</translation>
    </message>
    <message>
        <source>cancelled</source>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>The list has more than %1 entries.</source>
        <translation>A lista tem mais de %1 entradas.</translation>
    </message>
    <message>
        <source>The list did not end within %1 s.</source>
        <translation>A lista não terminou em %1 s.</translation>
    </message>
    <message>
        <source>The list is longer than the %1 bytes it may have.</source>
        <translation>A lista excede os %1 bytes permitidos.</translation>
    </message>
</context>
<context>
    <name>lb::Outcome</name>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
</context>
<context>
    <name>lb::PrinterConfigurationPage</name>
    <message>
        <source>Configuration read (edition %1)</source>
        <translation>Configuração lida (edição %1)</translation>
    </message>
    <message>
        <source>Configuration cleared</source>
        <translation>Configuração limpa</translation>
    </message>
    <message>
        <source>Page %1 not written</source>
        <translation>Página %1 não gravada</translation>
    </message>
    <message>
        <source>Page %1 written: %2 settings</source>
        <translation>Página %1 gravada: %2 ajustes</translation>
    </message>
    <message>
        <source>Configuration saved to %1</source>
        <translation>Configuração salva em %1</translation>
    </message>
    <message>
        <source>Configuration loaded from %1</source>
        <translation>Configuração carregada de %1</translation>
    </message>
    <message>
        <source>Printer status: %1</source>
        <translation>Status da impressora: %1</translation>
    </message>
    <message>
        <source>The entry %1 is unknown, missing or holds a value that cannot be used.</source>
        <translation>A entrada %1 é desconhecida, está ausente ou contém um valor que não pode ser usado.</translation>
    </message>
    <message>
        <source>%1 holds a value a .json file cannot hold; nothing was saved.</source>
        <translation>%1 contém um valor que um arquivo .json não pode conter; nada foi salvo.</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFiles</name>
    <message>
        <source>Type the printer file name.</source>
        <translation>Digite o nome do arquivo na impressora.</translation>
    </message>
    <message>
        <source>The printer file name cannot contain a double quote, a line break or another control character, nor a character beyond Latin-1.</source>
        <translation>O nome do arquivo na impressora não pode conter aspas duplas, quebra de linha ou outro caractere de controle, nem caracteres fora do Latin-1.</translation>
    </message>
    <message>
        <source>larger than %1 bytes, which is the most that can be sent</source>
        <translation>maior que %1 bytes, o máximo que pode ser enviado</translation>
    </message>
    <message>
        <source>the file changed while it was read</source>
        <translation>o arquivo mudou durante a leitura</translation>
    </message>
</context>
<context>
    <name>lb::PrinterFunctionBox</name>
    <message>
        <source>Sensor calibration sent</source>
        <translation>Calibração do sensor enviada</translation>
    </message>
    <message>
        <source>Network address settings sent</source>
        <translation>Configurações de endereço de rede enviadas</translation>
    </message>
    <message>
        <source>Printer name sent</source>
        <translation>Nome da impressora enviado</translation>
    </message>
    <message>
        <source>Clock set</source>
        <translation>Relógio ajustado</translation>
    </message>
    <message>
        <source>Dump mode started</source>
        <translation>Modo dump iniciado</translation>
    </message>
    <message>
        <source>Send the text to be captured to the printer now, from the label program or the Command Tool, then press OK.</source>
        <translation>Envie agora à impressora o texto a ser capturado, a partir do programa de etiquetas ou da Ferramenta de comandos, e depois pressione OK.</translation>
    </message>
    <message>
        <source>The dump is empty: the printer captured no text.</source>
        <translation>O dump está vazio: a impressora não capturou nenhum texto.</translation>
    </message>
    <message>
        <source>The dump is empty</source>
        <translation>Dump vazio</translation>
    </message>
    <message>
        <source>Dump saved to %1 (%2 bytes)</source>
        <translation>Dump salvo em %1 (%2 bytes)</translation>
    </message>
    <message>
        <source>Factory default sent</source>
        <translation>Padrão de fábrica enviado</translation>
    </message>
    <message>
        <source>Printer reset</source>
        <translation>Impressora reiniciada</translation>
    </message>
    <message>
        <source>Test page sent</source>
        <translation>Página de teste enviada</translation>
    </message>
    <message>
        <source>Configuration page sent</source>
        <translation>Página de configuração enviada</translation>
    </message>
    <message>
        <source>Ignore AUTO.BAS sent</source>
        <translation>Comando “Ignorar AUTO.BAS” enviado</translation>
    </message>
    <message>
        <source>Line mode left</source>
        <translation>Modo linha desativado</translation>
    </message>
    <message>
        <source>Password changed</source>
        <translation>Senha alterada</translation>
    </message>
</context>
<context>
    <name>lb::PrinterStatus</name>
    <message>
        <source>Printing</source>
        <translation>Imprimindo</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Em pausa</translation>
    </message>
    <message>
        <source>Paper Jam</source>
        <translation>Papel atolado</translation>
    </message>
    <message>
        <source>Out of Paper</source>
        <translation>Sem papel</translation>
    </message>
    <message>
        <source>Ribbon Encoder Err.</source>
        <translation>Erro encoder ribbon</translation>
    </message>
    <message>
        <source>Out of Ribbon</source>
        <translation>Sem ribbon</translation>
    </message>
    <message>
        <source>Other Error</source>
        <translation>Outro erro</translation>
    </message>
    <message>
        <source>Head Open</source>
        <translation>Cabeça aberta</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Pronta</translation>
    </message>
</context>
<context>
    <name>lb::Refusal</name>
    <message>
        <source>%1: &apos;%2&apos; is not a number</source>
        <translation>%1: &apos;%2&apos; não é um número</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a number</source>
        <translation>&apos;%1&apos; não é um número</translation>
    </message>
    <message>
        <source>%1: &apos;%2&apos; is out of range</source>
        <translation>%1: &apos;%2&apos; está fora da faixa</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is out of range</source>
        <translation>&apos;%1&apos; está fora da faixa</translation>
    </message>
</context>
<context>
    <name>lb::SensorChart</name>
    <message>
        <source>Label</source>
        <translation>Etiqueta</translation>
    </message>
    <message>
        <source>Live %1</source>
        <translation>Atual %1</translation>
    </message>
    <message>
        <source>Intensity %1</source>
        <translation>Intensidade %1</translation>
    </message>
    <message>
        <source>Threshold %1</source>
        <translation>Limiar %1</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensidade</translation>
    </message>
    <message>
        <source>No readings yet</source>
        <translation>Ainda não há leituras</translation>
    </message>
</context>
<context>
    <name>lb::TFormEthernetSetup</name>
    <message>
        <source>The printer name &quot;%1&quot; cannot be sent: the printer knows only Latin-1 characters.</source>
        <translation>O nome da impressora &quot;%1&quot; não pode ser enviado: a impressora só aceita caracteres Latin-1.</translation>
    </message>
</context>
<context>
    <name>lb::TFormMain</name>
    <message>
        <source>Looking for the printer on %1…</source>
        <translation>Procurando a impressora em %1…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>No printer answered on %1 — choose the interface and press Get, or start with --demo to try LabelBench</source>
        <translation>Nenhuma impressora respondeu em %1 — escolha a interface e clique em Ler, ou inicie com --demo para experimentar o LabelBench</translation>
    </message>
</context>
<context>
    <name>lb::TFormNetSetup</name>
    <message>
        <source>The printer %1 returns to its factory settings.</source>
        <translation>A impressora %1 voltará ao padrão de fábrica.</translation>
    </message>
    <message>
        <source>The request could not be sent on this computer&apos;s network; the printer has not been changed.</source>
        <translation>Não foi possível enviar a solicitação pela rede deste computador; a impressora não foi alterada.</translation>
    </message>
</context>
<context>
    <name>lb::TFormPassword</name>
    <message>
        <source>Incorrect</source>
        <translation>Senha incorreta</translation>
    </message>
</context>
<context>
    <name>lb::TFormPasswordSetup</name>
    <message>
        <source>Incorrect</source>
        <translation>Senha incorreta</translation>
    </message>
    <message>
        <source>The new password can have at most %1 characters, none of them a double quote or a control character (such as a line break, a tab or ESC).</source>
        <translation>A nova senha pode ter no máximo %1 caracteres, e nenhum deles pode ser aspas duplas ou caractere de controle (como quebra de linha, tabulação ou ESC).</translation>
    </message>
</context>
<context>
    <name>lb::TFormPreviewFont</name>
    <message>
        <source>Build the page&apos;s font to see the bitmaps the printer will receive.</source>
        <translation>Gere a fonte da página para ver os bitmaps que a impressora receberá.</translation>
    </message>
    <message>
        <source>This is no font file the printer can use: %1</source>
        <translation>Este não é um arquivo de fonte que a impressora possa usar: %1</translation>
    </message>
    <message>
        <source>variable pitch</source>
        <translation>espaçamento variável</translation>
    </message>
    <message>
        <source>fixed pitch</source>
        <translation>espaçamento fixo</translation>
    </message>
    <message>
        <source>double-byte codes</source>
        <translation>códigos de byte duplo</translation>
    </message>
    <message>
        <source>single-byte codes</source>
        <translation>códigos de byte único</translation>
    </message>
    <message>
        <source>%1 characters, cell %2 x %3 pixels, %4, %5</source>
        <translation>%1 caracteres, célula de %2 x %3 pixels, %4, %5</translation>
    </message>
    <message>
        <source>Its glyphs are too many and too large to be drawn here.</source>
        <translation>Seus glifos são numerosos e grandes demais para serem desenhados aqui.</translation>
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
        <translation>%1 dias</translation>
    </message>
    <message>
        <source>printer clock agrees with this computer</source>
        <translation>o relógio da impressora coincide com o deste computador</translation>
    </message>
    <message>
        <source>printer clock %1 behind this computer</source>
        <translation>o relógio da impressora está %1 atrasado em relação a este computador</translation>
    </message>
    <message>
        <source>printer clock %1 ahead of this computer</source>
        <translation>o relógio da impressora está %1 adiantado em relação a este computador</translation>
    </message>
</context>
<context>
    <name>lb::TFormRs232Setup</name>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Odd</source>
        <translation>Ímpar</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Par</translation>
    </message>
</context>
<context>
    <name>lb::TFormSensorCalibrate</name>
    <message>
        <source>Calibrate</source>
        <translation>Calibrar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pol.</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Black mark</source>
        <translation>Marca preta</translation>
    </message>
    <message>
        <source>Liner</source>
        <translation>Liner</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Mídia</translation>
    </message>
    <message>
        <source>Can&apos;t calibration</source>
        <translation>Não foi possível calibrar</translation>
    </message>
    <message>
        <source>Put linner please</source>
        <translation>Coloque o liner, por favor</translation>
    </message>
    <message>
        <source>Put black mark please</source>
        <translation>Coloque a marca preta, por favor</translation>
    </message>
    <message>
        <source>Put label please</source>
        <translation>Coloque a etiqueta, por favor</translation>
    </message>
    <message>
        <source>Label and %1 lie closer than %2 at every level</source>
        <translation>A etiqueta e %1 diferem em menos de %2 em todos os níveis</translation>
    </message>
    <message>
        <source>black mark</source>
        <translation>a marca preta</translation>
    </message>
    <message>
        <source>liner</source>
        <translation>o liner</translation>
    </message>
    <message>
        <source>Calibration is complete</source>
        <translation>Calibração concluída</translation>
    </message>
</context>
</TS>
