// SPDX-License-Identifier: Apache-2.0
#pragma once
// What a page of the main window may use of the shell: the printer actions run through the
// shell's convention (window disabled, failure shown), the shared dialogs, and the records
// the shell keeps. Pages get this instead of the window, so that they know nothing above
// themselves.

#include "config/config_text.h"
#include "config/printer_config.h"
#include "config/printer_status.h"
#include "link/link_types.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <cstdint>
#include <functional>

class QFontDialog;
class QWidget;

namespace lb {

struct PageContext {
    // The interface the next action uses.
    std::function<InterfaceKind()> selectedInterface;
    // One printer operation with the window disabled; a failure has been shown when it
    // returns something other than kLinkOk.
    std::function<int(uint32_t code, void* data, int32_t extra)> runWithMainWindowDisabled;
    // For a flow of several steps that keeps the window disabled throughout (its boxes and
    // dialogs included): false disables it; true enables and raises it again.
    std::function<void(bool enabled)> setMainWindowEnabled;
    // The password gate in front of every action that changes the printer. True: go on.
    std::function<bool()> confirmPassword;
    // The password setup dialog, opened with the printer's current password: the password
    // to send, or current when the user cancelled.
    std::function<QByteArray(const QByteArray& current)> askNewPassword;
    // The unit lengths are shown and typed in, and the choice of it (a loaded file brings
    // its own).
    std::function<LengthUnit()> unit;
    std::function<void(LengthUnit)> setUnit;
    // The configuration panel read into a record; false (a message shown) on a text that is
    // not a number.
    std::function<bool(PrinterConfig&)> collectConfig;

    // The records the shell keeps: the last configuration read, loaded or cleared, and the
    // last status. Only the configuration page changes them.
    PrinterConfig* printerConfig = nullptr;
    PrinterStatus* printerStatus = nullptr;
    // Where the file dialogs begin: the folder the program was started in.
    QString startDirectory;
    // The parent of the pages' message boxes and dialogs.
    QWidget* dialogParent = nullptr;
    // The window's one font dialog, shared by the pages that show fonts: it keeps the last
    // confirmed font as its next initial selection.
    QFontDialog* fontDialog = nullptr;

    int run(uint32_t code, void* data = nullptr, int32_t extra = 0) const {
        return runWithMainWindowDisabled(code, data, extra);
    }
    // Where the dialogs opened from the main window go: a third of its width and height
    // from its top-left corner.
    QPoint dialogPosition() const;
};

}   // namespace lb
