#include "link/link_error.h"

#include "app/language.h"
#include "link/link_types.h"
#include "link/printer_link.h"

namespace lb {

QString LinkErrorText(int code, int languageIndex) {
    const bool portuguese = languageIndex == kPortuguese;
    switch (code) {
    case 1:
        return portuguese ? QStringLiteral("Erro de Abertura de Porta") : QStringLiteral("Port Open Error");
    case 2:
        return QStringLiteral("Data Transmission Error");
    case 3:
        return portuguese ? QStringLiteral("Erro de Recepção de Dados")
                          : QStringLiteral("Data Receiving Error");
    case 4:
        return QStringLiteral("File Open Error");
    case 5:
        return QStringLiteral("Unknown Error");
    case 6:
        return portuguese ? QStringLiteral("Por favor, primeiro obtenha as configurações da impressora.")
                          : QStringLiteral("Please Read Printer Config First");
    default:
        return QString();
    }
}

QString LinkErrorTextEnglish(int code) {
    return LinkErrorText(code, kEnglish);
}

QString LinkErrorDetail(int code) {
    const bool fromTheLink =
        code == kPortOpenError || code == kDataTransmissionError || code == kDataReceivingError;
    return fromTheLink ? LastLinkErrorDetail() : QString();
}

QString CommunicatingCaption(int languageIndex) {
    return languageIndex == kPortuguese ? QStringLiteral("Comunicando...")
                                        : QStringLiteral("Communicating...");
}

}   // namespace lb
