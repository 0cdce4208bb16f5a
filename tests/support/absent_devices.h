#pragma once
// Tests never reach a real printer: USB, COM and LPT get a transport whose device is never
// present, until a test installs its own fake for one of them.

#include "link/transport.h"

namespace lb::test {

inline void InstallAbsentDevices() {
    for (InterfaceKind kind : {InterfaceKind::Usb, InterfaceKind::Com, InterfaceKind::Lpt})
        SetTransport(kind, MakeAbsentTransport());
}

}   // namespace lb::test
