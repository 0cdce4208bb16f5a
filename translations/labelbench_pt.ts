<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt" sourcelanguage="en">
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
</context>
<context>
    <name>TFormProcess</name>
    <message>
        <source>Communicating...</source>
        <translation>Comunicando...</translation>
    </message>
</context>
</TS>
