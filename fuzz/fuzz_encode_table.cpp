// SPDX-License-Identifier: Apache-2.0
// The bitmap font manager's encode table: read from a table file or taken from the memo's
// text in a character set, cleaned of control bytes, checked as the builder's parameters,
// and each of its cells decoded in the character set as the builder draws it.
//
// Input: one byte (bit 0: a double-byte table, bit 1: read from a file rather than the memo,
// the rest: the character set), then the table file's bytes or the memo's text in UTF-8.

#include "fonts/bitmap_font.h"
#include "fonts/font_charsets.h"
#include "fonts/font_rules.h"
#include "fonts/glyph_surface.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace lb;

namespace {

GlyphSurface* g_surface = nullptr;
char g_tablePath[256];

// The table file: one per fuzzing process, written anew for every input.
bool WriteTableFile(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(g_tablePath, "wb");
    if (!file) return false;
    const bool ok = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && ok;
}

}   // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // The surface measures with a real font: a GUI application, without a screen. Without
    // a runtime folder Qt would look the user up to name one, and the C library asks the
    // name service cache through a socket: a fuzz target opens none.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (!getenv("XDG_RUNTIME_DIR")) {
        static char runtime[64];
        std::snprintf(runtime, sizeof runtime, "/tmp/labelbench-fuzz-runtime-%d", int(getuid()));
        mkdir(runtime, 0700);
        setenv("XDG_RUNTIME_DIR", runtime, 1);
    }
    new QGuiApplication(*argc, *argv);
    g_surface = new GlyphSurface;
    // In memory where there is such a folder: a file rewritten on disk for every input would be
    // flushed at every close.
    const QString folder =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    std::snprintf(g_tablePath, sizeof g_tablePath, "%s/labelbench-fuzz-table-%d",
                  QFile::encodeName(folder).constData(), int(getpid()));
    std::atexit([] { unlink(g_tablePath); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const bool asian = data[0] & 1;
    const bool fromFile = data[0] & 2;
    const int charset = (data[0] >> 2) % int(FontCharsets().size());
    ++data;
    --size;

    QByteArray table;
    int bytes = 0;
    if (fromFile) {
        if (!WriteTableFile(data, size)) std::abort();
        bytes = ReadEncodeTableFile(QFile::decodeName(g_tablePath), table);
    } else {
        const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
        char32_t refused = 0;
        std::optional<QByteArray> encoded = EncodeTableText(text, charset, &refused);
        if (!encoded) return 0;
        table = std::move(*encoded);
        bytes = CleanEncodeTable(table);
    }
    // What is left is the table, and no control byte is left in it.
    if (bytes != table.size()) std::abort();
    for (char c : table)
        if (uchar(c) < 0x20) std::abort();

    FontParameters p;
    p.encode = asian ? kDoubleByteEncode : kSingleByteEncode;
    p.pitch = asian ? kFixedPitch : kVariablePitch;
    p.cellWidth = p.cellHeight = 16;
    p.byTable = 1;
    p.table = reinterpret_cast<const uint8_t*>(table.constData());
    p.tableCount = asian ? bytes / 2 : bytes;
    p.filePath = QStringLiteral("unused.fnt");
    p.surface = g_surface;
    if (!FontParametersProblem(p).isEmpty()) return 0;

    g_surface->setFont(g_surface->font(), charset);
    const int cellBytes = asian ? 2 : 1;
    for (int i = 0; i < p.tableCount && i < 512; ++i)
        g_surface->characterOf(QByteArrayView(table.constData() + i * cellBytes, cellBytes));
    return 0;
}
