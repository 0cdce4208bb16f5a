// SPDX-License-Identifier: Apache-2.0
#include "config/read_configuration.h"

#include "config/printer_config.h"
#include "link/printer_link.h"

#include <QByteArray>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <optional>

namespace lb {

namespace {

// Inches per millimetre; the product is formed in extended precision so that the rounding
// below gives the printer maker's values (203 dpi is 8.0 dots/mm, 300 dpi 11.8).
constexpr long double kInchPerMm = 0.03937007933143675L;

// Edition thresholds of the firmware features.
constexpr int32_t kEmulationEdition = 100;
constexpr int32_t kCutterEdition = 102;
constexpr int32_t kRibbonEdition = 103;

struct TextValue {
    const char* text;
    int32_t value;
};

// One report exchange after another on an open link.
class Reports {
public:
    Reports(InterfaceKind kind, LinkHandle handle) : m_kind(kind), m_handle(handle) {}

    // "DIAGNOSTIC REPORT keyword\r\n"; the reply is taken with the given capacity.
    int query(const char* keyword, uint32_t capacity = kReplyBufferSize) {
        const QByteArray command = QByteArray("DIAGNOSTIC REPORT ") + keyword + "\r\n";
        m_length = 0;
        m_buffer[0] = '\0';
        const int result =
            SendCommandReadReply(m_handle, m_kind, command.constData(), m_buffer, capacity, m_length);
        if (result != kLinkOk) m_length = 0;
        return result;
    }
    int announce() { return SendInterfaceAnnouncement(m_handle, m_kind, m_buffer, kReplyBufferSize); }

    const char* text() const { return m_buffer; }
    uint32_t length() const { return m_length; }
    bool is(const char* text) const {
        return std::strlen(text) == m_length && std::memcmp(text, m_buffer, m_length) == 0;
    }
    // The value of the reply's text; nothing when the text is in no entry. (By value: the
    // record's items are packed, and a reference into one would be misaligned.)
    std::optional<int32_t> map(std::initializer_list<TextValue> values) const {
        for (const TextValue& v : values)
            if (is(v.text)) return v.value;
        return std::nullopt;
    }

    // A text field of N bytes: the reply must leave room for the frame reader's margin, and
    // the field changes only when the whole reply arrived.
    template <std::size_t N> int queryText(const char* keyword, char (&field)[N]) {
        static_assert(N <= kReplyBufferSize);
        const int result = query(keyword, N);
        if (result == kLinkOk) std::memcpy(field, m_buffer, m_length + 1);
        return result;
    }

    int queryInt(const char* keyword, IntItem& item) {
        const int result = query(keyword);
        if (result != kLinkOk) return result;
        item.value = LeadingInt(m_buffer);
        item.present = 1;
        return kLinkOk;
    }
    int queryFloat(const char* keyword, FloatItem& item) {
        const int result = query(keyword);
        if (result != kLinkOk) return result;
        item.value = LeadingFloat(m_buffer);
        item.present = 1;
        return kLinkOk;
    }
    template <std::size_t N>
    int queryTable(const char* keyword, const std::array<const char*, N>& table, IntItem& item) {
        const int result = query(keyword);
        if (result != kLinkOk) return result;
        // A text in no entry is kept as the out-of-range index, still present.
        item.value = TableIndex(table, m_buffer, m_length);
        item.present = 1;
        return kLinkOk;
    }

private:
    InterfaceKind m_kind;
    LinkHandle m_handle;
    char m_buffer[kReplyBufferSize];
    uint32_t m_length = 0;
};

#define LB_TRY(expression)                                                                                   \
    do {                                                                                                     \
        if (const int lbResult = (expression); lbResult != kLinkOk) return lbResult;                         \
    } while (false)

// Z and D emulation settings; every reply decides presence on its own.
int ReadEmulations(Reports& r, PrinterConfig& c) {
    auto intIfAny = [&](const char* keyword, IntItem& item) -> int {
        const int result = r.query(keyword);
        if (result != kLinkOk) return result;
        item.present = r.length() >= 1 ? 1 : 0;
        if (item.present) item.value = LeadingInt(r.text());
        return kLinkOk;
    };
    auto mapped = [&](const char* keyword, std::initializer_list<TextValue> values, IntItem& item) -> int {
        const int result = r.query(keyword);
        if (result != kLinkOk) return result;
        const std::optional<int32_t> value = r.map(values);
        item.present = value ? 1 : 0;
        if (value) item.value = *value;
        return kLinkOk;
    };
    auto character = [&](const char* keyword, ByteItem& item) -> int {
        const int result = r.query(keyword);
        if (result != kLinkOk) return result;
        item.present = r.length() == 1 ? 1 : 0;
        if (item.present) item.value = r.text()[0];
        return kLinkOk;
    };
    const std::initializer_list<TextValue> feedActions{{"F", 1}, {"C", 2}, {"L", 3}, {"N", 4}};
    const std::initializer_list<TextValue> offOn{{"N", 1}, {"E", 2}, {"A", 2}};

    LB_TRY(intIfAny("ZDARKNESS", c.ZDarkness));
    LB_TRY(r.query("ZSPEED"));
    if (r.length() >= 1) {
        c.ZSpeed.value =
            r.map({{"A", 2}, {"B", 3}, {"C", 4}, {"D", 6}, {"E", 8}}).value_or(LeadingInt(r.text()));
        c.ZSpeed.present = 1;
    } else {
        c.ZSpeed.present = 0;
    }
    LB_TRY(intIfAny("ZPOSITION", c.ZTearOff));
    LB_TRY(mapped("ZPRINTMODE", {{"T", 1}, {"P", 2}, {"R", 1}, {"A", 1}, {"C", 3}, {"D", 3}}, c.ZPrintMode));
    LB_TRY(intIfAny("ZLABELWIDTH", c.ZPrintWidth));
    LB_TRY(character("ZCONTROL", c.ZControlPrefix));
    LB_TRY(character("ZFORMAT", c.ZFormatPrefix));
    LB_TRY(character("ZDELIMITER", c.ZDelimiter));
    LB_TRY(mapped("ZFEEDPOWERUP", feedActions, c.ZMediaPowerUp));
    LB_TRY(mapped("ZFEEDHEADCLOSE", feedActions, c.ZHeadClose));
    LB_TRY(intIfAny("ZLABELTOP", c.ZLabelTop));
    LB_TRY(intIfAny("ZLABELSHIFT", c.ZLeftPosition));

    LB_TRY(intIfAny("DHEAT", c.DHeat));
    LB_TRY(r.query("DSPEED"));
    c.DPrintSpeed.present = 0;
    if (r.length() == 1) {
        // One letter per speed step: A..V in halves from 1.0, W..Z whole from 12, a..e from 16.
        const char s = r.text()[0];
        c.DPrintSpeed.present = 1;
        if (s >= 'A' && s <= 'V')
            c.DPrintSpeed.value = float(s - 'A') * 0.5f + 1.0f;
        else if (s >= 'W' && s <= 'Z')
            c.DPrintSpeed.value = float(s - 'W') + 12.0f;
        else if (s >= 'a' && s <= 'e')
            c.DPrintSpeed.value = float(s - 'a') + 16.0f;
        else
            c.DPrintSpeed.present = 0;
    }
    LB_TRY(intIfAny("DLABELWIDTH", c.DLabelWidth));
    LB_TRY(mapped("DPRESENTSENSOR", offOn, c.DPresentSensor));
    LB_TRY(mapped("DCUTTEREQUIPPED", offOn, c.DCutterEquipped));
    LB_TRY(mapped("DCONTROLCODES", {{"S", 1}, {"1", 2}, {"2", 3}}, c.DControlCodes));
    LB_TRY(intIfAny("DCOLUMNOFFSET", c.DColumnOffset));
    LB_TRY(intIfAny("DROWOFFSET", c.DRowOffset));
    return kLinkOk;
}

void MarkEmulationsAbsent(PrinterConfig& c) {
    for (IntItem* item :
         {&c.ZDarkness, &c.ZSpeed, &c.ZTearOff, &c.ZPrintMode, &c.ZPrintWidth, &c.ZMediaPowerUp,
          &c.ZHeadClose, &c.ZLabelTop, &c.ZLeftPosition, &c.DHeat, &c.DLabelWidth, &c.DPresentSensor,
          &c.DCutterEquipped, &c.DControlCodes, &c.DColumnOffset, &c.DRowOffset})
        item->present = 0;
    for (ByteItem* item : {&c.ZControlPrefix, &c.ZFormatPrefix, &c.ZDelimiter})
        item->present = 0;
    c.DPrintSpeed.present = 0;
}

// Older firmware does not answer some queries at all: a reply that never comes ends the
// read successfully. A command that cannot be sent, a connection the printer closed or a
// malformed reply is a broken link, though, not old firmware, and stays an error.
enum class Optional { Answered, NotKnown };
int QueryOptionalInt(Reports& r, const char* keyword, IntItem& item, Optional& outcome) {
    outcome = Optional::Answered;
    const int result = r.queryInt(keyword, item);
    if (result == kDataReceivingError && LastReplyTimedOut()) {
        item.present = 0;
        outcome = Optional::NotKnown;
        return kLinkOk;
    }
    return result;
}

// The firmware edition; a firmware too old to answer has edition 0 (NotKnown), and nothing
// after it is asked.
int ReadEdition(Reports& r, PrinterConfig& c, Optional& outcome) {
    outcome = Optional::Answered;
    const int result = r.query("EDITION");
    if (result == kDataReceivingError && LastReplyTimedOut()) {
        c.Edition = 0;
        outcome = Optional::NotKnown;
        return kLinkOk;
    }
    LB_TRY(result);
    c.Edition = LeadingInt(r.text());
    return kLinkOk;
}

// Version, mileage, checksum and serial number.
int ReadNameplate(Reports& r, InterfaceKind kind, LinkHandle handle, PrinterConfig& c) {
    LB_TRY(r.queryText("VERSION", c.Version));
    LB_TRY(r.queryText("MILAGE", c.Milage));
    LB_TRY(r.queryText("CHECKSUM", c.Checksum));

    // The serial number comes as a plain line, not as a frame.
    DiscardStaleInput(handle, kind);
    LB_TRY(SendCommand(handle, kind, "OUT _SERIAL$\r\n"));
    char line[kReplyLineMax + 1];
    uint32_t lineLength = 0;
    if (!ReadReplyLine(handle, kind, line, lineLength)) return kDataReceivingError;
    CopyToField(c.SerialNumber, line, lineLength);   // cut to the field's 63 characters
    return kLinkOk;
}

// The identity and the wear, without the settings: the nameplate, the edition (0 from a
// firmware that does not answer it) and the counters that edition has.
int ReadIdentitySteps(InterfaceKind kind, LinkHandle handle, PrinterConfig& c) {
    Reports r(kind, handle);
    LB_TRY(r.announce());
    LB_TRY(ReadNameplate(r, kind, handle, c));
    Optional outcome = Optional::Answered;
    LB_TRY(ReadEdition(r, c, outcome));
    if (outcome == Optional::NotKnown) return kLinkOk;
    if (c.Edition >= kCutterEdition) {
        LB_TRY(r.query("CUTCOUNTER"));
        c.CutCounter = std::max(LeadingInt(r.text()), 0);
    }
    if (c.Edition >= kRibbonEdition) {
        LB_TRY(r.queryText("RESETMILAGE", c.ResetMilage));
        LB_TRY(r.query("RESETCUTCOUNTER"));
        c.ResetCutCounter = std::max(LeadingInt(r.text()), 0);
    }
    return kLinkOk;
}

int ReadSteps(InterfaceKind kind, LinkHandle handle, PrinterConfig& c) {
    Reports r(kind, handle);
    LB_TRY(r.announce());

    LB_TRY(r.query("DPI"));
    const float dpi = LeadingFloat(r.text());
    float dotsPerMm = 0.0f;
    if (!DotsPerMmFromDpi(dpi, dotsPerMm)) return kDataReceivingError;
    c.DotsPerMm = dotsPerMm;
    c.ConfigRead = 1;
    c.Dpi = dpi;

    LB_TRY(ReadNameplate(r, kind, handle, c));

    LB_TRY(r.queryFloat("SPEED", c.Speed));
    LB_TRY(r.queryInt("DENSITY", c.Density));
    LB_TRY(r.queryInt("DENSITYBASE", c.DensityBase));
    LB_TRY(r.queryFloat("PAPERWIDTH", c.PaperWidth));
    LB_TRY(r.queryFloat("PAPERHEIGHT", c.PaperHeight));
    LB_TRY(r.queryInt("SENSORMODE", c.SensorMode));
    if (c.SensorMode.value > 2) c.SensorMode.value = 2;
    LB_TRY(r.queryFloat("GAPSIZE", c.GapSize));
    LB_TRY(r.queryFloat("GAPOFFSET", c.GapOffset));
    LB_TRY(r.queryInt("PRINTOUT", c.PrintOut));
    LB_TRY(r.queryInt("CUTTERPIECE", c.CutterPiece));
    LB_TRY(r.queryInt("REFERENCEX", c.ReferenceX));
    LB_TRY(r.queryInt("REFERENCEY", c.ReferenceY));
    LB_TRY(r.queryInt("DIRCTION", c.Direction));   // the firmware's own spelling
    LB_TRY(r.queryInt("MIRROR", c.Mirror));
    LB_TRY(r.queryInt("OFFSET", c.Offset));
    LB_TRY(r.queryInt("OFFSETBASE", c.OffsetBase));
    LB_TRY(r.queryInt("SHIFT", c.ShiftY));
    LB_TRY(r.queryInt("SHIFTBASE", c.ShiftYBase));
    LB_TRY(r.queryInt("RIBBON", c.Ribbon));
    LB_TRY(r.queryTable("CODEPAGE", CodePageNames, c.CodePage));
    LB_TRY(r.queryTable("COUNTRY", CountryCodes, c.Country));
    LB_TRY(r.queryInt("HEAD", c.HeadSensor));
    LB_TRY(r.queryInt("GAPINTEN", c.GapInten));
    LB_TRY(r.queryInt("BLINEINTEN", c.BlineInten));
    LB_TRY(r.queryInt("CONINTEN", c.ContinuousInten));
    LB_TRY(r.queryTable("BAUDRATE", BaudRateNames, c.BaudRate));
    LB_TRY(r.queryTable("DATABIT", DataBitsNames, c.DataBits));
    LB_TRY(r.queryTable("PARITY", ParityNames, c.Parity));
    LB_TRY(r.queryTable("STOPBIT", StopBitsNames, c.StopBits));

    Optional outcome = Optional::Answered;
    LB_TRY(QueryOptionalInt(r, "REPRINT", c.Reprint, outcome));
    if (outcome == Optional::NotKnown) return kLinkOk;
    LB_TRY(QueryOptionalInt(r, "SHIFTX", c.ShiftX, outcome));
    if (outcome == Optional::NotKnown) return kLinkOk;
    LB_TRY(QueryOptionalInt(r, "SHIFTXBASE", c.ShiftXBase, outcome));
    if (outcome == Optional::NotKnown) return kLinkOk;

    LB_TRY(ReadEdition(r, c, outcome));
    if (outcome == Optional::NotKnown) return kLinkOk;

    if (c.Edition < kEmulationEdition)
        MarkEmulationsAbsent(c);
    else
        LB_TRY(ReadEmulations(r, c));

    if (c.Edition >= kCutterEdition) {
        LB_TRY(r.query("CUTCOUNTER"));
        c.CutCounter = std::max(LeadingInt(r.text()), 0);
        LB_TRY(r.queryFloat("MAXLENGTH", c.MaxLength));
    } else {
        c.MaxLength.present = 0;
    }

    if (c.Edition >= kRibbonEdition) {
        LB_TRY(r.queryText("RESETMILAGE", c.ResetMilage));
        LB_TRY(r.query("RESETCUTCOUNTER"));
        c.ResetCutCounter = std::max(LeadingInt(r.text()), 0);
        LB_TRY(r.queryInt("RIBBONSENSOR", c.RibbonSensor));
        LB_TRY(r.queryInt("RIBBONENCODER", c.RibbonEncoder));
        LB_TRY(r.queryInt("AUTOTHRESHOLD", c.AutoThreshold));
    } else {
        c.RibbonSensor.present = 0;
        c.RibbonEncoder.present = 0;
        c.AutoThreshold.present = 0;
    }
    return kLinkOk;
}

#undef LB_TRY

}   // namespace

bool DotsPerMmFromDpi(float dpi, float& dotsPerMm) {
    const long double hundredths = static_cast<long double>(dpi) * kInchPerMm * 100.0L;
    // Far beyond any printer; also keeps the conversion to an integer defined.
    if (!(std::fabs(hundredths) < 1.0e9L)) return false;
    int64_t v = static_cast<int64_t>(hundredths);   // toward zero
    if (v == 0) return false;
    v = ((v + 5) / 10) * 10;
    dotsPerMm = static_cast<float>(double(v) * 0.01);
    return true;
}

int ReadPrinterIdentity(InterfaceKind kind, PrinterConfig* config) {
    if (!config) return kUnknownError;
    const LinkHandle handle = OpenLink(kind);
    if (handle == kNoLink) return kPortOpenError;
    const int result = ReadIdentitySteps(kind, handle, *config);
    CloseLink(kind, handle);
    return result;
}

int ReadConfiguration(InterfaceKind kind, PrinterConfig* config) {
    if (!config) return kUnknownError;
    const LinkHandle handle = OpenLink(kind);
    if (handle == kNoLink) return kPortOpenError;
    const int result = ReadSteps(kind, handle, *config);
    CloseLink(kind, handle);
    return result;
}

}   // namespace lb
