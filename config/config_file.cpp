#include "config/config_file.h"

#include "link/save_file.h"

#include <QFile>
#include <cstring>

namespace lb {

QByteArray BuildConfigFile(const PrinterConfig& config, const PrinterStatus& status, int32_t unit) {
    ConfigFileImage image;
    image.magic = kConfigFileMagic;
    image.format = kConfigFileFormat;
    image.unit = unit;
    image.config = config;
    image.status = status;
    return QByteArray(reinterpret_cast<const char*>(&image), sizeof image);
}

bool ParseConfigFile(const QByteArray& data, PrinterConfig& config, PrinterStatus& status, int32_t& unit) {
    if (data.size() < kConfigFileSize) return false;
    ConfigFileImage image;
    std::memcpy(&image, data.constData(), sizeof image);
    if (image.magic != kConfigFileMagic) return false;
    config = image.config;
    status = image.status;
    unit = image.unit;
    return true;
}

ConfigFileResult SaveConfigFile(const QString& path, const PrinterConfig& config, const PrinterStatus& status,
                                int32_t unit, QString* error) {
    return SaveFileChecked(path, BuildConfigFile(config, status, unit), error) ? ConfigFileResult::Ok
                                                                               : ConfigFileResult::OpenError;
}

ConfigFileResult LoadConfigFile(const QString& path, PrinterConfig& config, PrinterStatus& status,
                                int32_t& unit, QString* error) {
    QFile file(path);
    const auto failed = [&] {
        if (error) *error = file.errorString();
        return ConfigFileResult::OpenError;
    };
    if (!file.open(QIODevice::ReadOnly)) return failed();
    const QByteArray data = file.read(kConfigFileSize);
    if (file.error() != QFileDevice::NoError) return failed();
    return ParseConfigFile(data, config, status, unit) ? ConfigFileResult::Ok : ConfigFileResult::DataError;
}

}   // namespace lb
