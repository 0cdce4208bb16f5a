// SPDX-License-Identifier: Apache-2.0
#include "functions/test_page.h"

#include "config/printer_config.h"
#include "link/printer_link.h"

#include <cmath>

namespace lb {

namespace {

constexpr char kBarCodeDigits[] = "1234567890";

// Real to integer, toward zero; the caller has bounded x to the int range.
int Trunc(double x) {
    return static_cast<int>(x);
}

bool UsableNumber(float x) {
    return std::isfinite(x) && x > 0.0f;
}

}   // namespace

TestPageRequest TestPageRequestFromConfig(const PrinterConfig& config) {
    TestPageRequest request;
    if (!UsableNumber(config.DotsPerMm) || !config.PaperWidth.present || !config.PaperHeight.present)
        return request;
    request.scale = config.DotsPerMm;
    request.width = config.PaperWidth.value / config.DotsPerMm;
    request.height = config.PaperHeight.value / config.DotsPerMm;
    return request;
}

QByteArray TestPageText(const TestPageRequest& request) {
    if (!UsableNumber(request.scale) || !UsableNumber(request.width) || !UsableNumber(request.height))
        return {};
    // The arithmetic is float32 like the record; the products are checked before any
    // conversion to int, which would be undefined beyond its range.
    const float r = request.scale;
    const float wReal = request.width * r;
    const float hReal = request.height * r;
    const float mReal = 2.0f * r + 0.5f;
    if (!(wReal <= kTestPageMaxDots) || !(hReal <= kTestPageMaxDots) || !(mReal <= kTestPageMaxDots))
        return {};
    const int w = Trunc(wReal);
    const int h = Trunc(hReal);
    const int m = Trunc(mReal);

    QByteArray page = "CLS\r\nDIRECTION 0,0\r\n";
    if (2 * m < w && 2 * m < h) {
        page += "BOX " + QByteArray::number(m) + ',' + QByteArray::number(m) + ',' +
                QByteArray::number(w - m) + ',' + QByteArray::number(h - m) + ",4\r\n";

        const int s = w > h ? h : w;
        const int narrow = r > 8.0f ? 3 : 2;
        const int wide = r > 8.0f ? 6 : 4;
        const int q = s / 8;
        const int bx = Trunc(static_cast<float>(m + q) + 4.0f * r);
        const int by = Trunc(static_cast<float>(m) + 2.0f * r);
        const int tx = Trunc(static_cast<float>(m + q) + 6.0f * r);
        const int ty = by;
        // s and tx are at most kTestPageMaxDots plus a few margins, so the product fits.
        const int k = (((s - tx) * 72) / narrow) / 100 / 4;

        const double nReal =
            static_cast<double>(static_cast<float>(s - 2 * m) - 4.0f * r) / (7 * narrow + 3 * wide) - 2.0;
        const int n = nReal < 0.0 ? 0 : (nReal > 10.0 ? 10 : Trunc(nReal));
        const QByteArray content = QByteArray(kBarCodeDigits).left(n);

        page += "BARCODE  " + QByteArray::number(bx) + ',' + QByteArray::number(by) + ",\"39\"," +
                QByteArray::number(q) + ",1,90," + QByteArray::number(narrow) + ',' +
                QByteArray::number(wide) + ",\"" + content + "\"\r\n";

        if (static_cast<float>(s) > static_cast<float>(2 * m) + 20.0f * r) {
            page += "TEXT  " + QByteArray::number(tx) + ',' + QByteArray::number(ty) + ",\"0\",0," +
                    QByteArray::number(k) + ',' + QByteArray::number(k) + ",\"TEST\"\r\n";
        }
    }
    page += "PRINT 1\r\n";
    return page;
}

int PrintTestPage(InterfaceKind kind, const TestPageRequest* request) {
    if (!request) return kUnknownError;
    // The whole text is built before the link is opened; an unusable request opens nothing.
    const QByteArray page = TestPageText(*request);
    if (page.isEmpty()) return kUnknownError;
    return SendOneCommand(kind, reinterpret_cast<const uint8_t*>(page.constData()),
                          static_cast<uint32_t>(page.size()));
}

}   // namespace lb
