// SPDX-License-Identifier: Apache-2.0
// A configuration file (.dcf) as Load Config reads it, followed by everything a loaded
// record goes on to: the panel's texts, the problems and commands of each page that Write
// Config sends, the D settings list, the test page and the status word.

#include "config/config_file.h"
#include "config/config_text.h"
#include "config/printer_config.h"
#include "config/printer_status.h"
#include "config/write_configuration.h"
#include "functions/test_page.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace lb;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    PrinterConfig config{};
    PrinterStatus status{};
    int32_t unit = 0;
    if (!ParseConfigFile(bytes, config, status, unit)) return 0;

    // Saved again, the record comes back as it was loaded.
    const QByteArray saved = BuildConfigFile(config, status, unit);
    if (saved.size() != kConfigFileSize || saved.mid(12) != bytes.mid(12, kConfigFileSize - 12)) std::abort();

    const LengthUnit lengthUnit = unit == kUnitMm ? LengthUnit::Mm : LengthUnit::Inch;
    ConfigInformationRows(config);
    ConfigItemRows(config, lengthUnit);
    ConfigJson(config);
    for (int32_t page = kPageCommon; page <= kPageInterface; ++page) {
        const QString problem = ConfigurationProblem(config, page);
        const QList<QByteArray> commands = ConfigurationCommands(config, page);
        // A page with a problem sends nothing.
        if (!problem.isEmpty() && !commands.isEmpty()) std::abort();
    }
    DSettingsList(config);
    TestPageText(TestPageRequestFromConfig(config));
    StatusText(status);
    return 0;
}
