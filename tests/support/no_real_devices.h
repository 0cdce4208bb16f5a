// SPDX-License-Identifier: Apache-2.0
#pragma once
// For a test that runs the CLI or builds the main window without a simulator on USB, COM or
// LPT: no real device is ever reached. USB goes through a backend that finds no device (so
// the real transport still reports "no device with an accepted vendor identifier"); COM and
// LPT never open.

#include "link/transport.h"
#include "link/usb_backend.h"
#include "tests/link/fake_usb_backend.h"

#include <memory>

namespace lb::test {

// USB, COM and LPT get a transport whose device is never present, until a test installs its
// own fake for one of them.
inline void InstallAbsentDevices() {
    for (InterfaceKind kind : {InterfaceKind::Usb, InterfaceKind::Com, InterfaceKind::Lpt})
        SetTransport(kind, MakeAbsentTransport());
}

// The same for a whole test, with the real USB transport over a backend that finds nothing.
class ScopedNoRealDevices {
public:
    ScopedNoRealDevices() {
        SetUsbBackend(std::make_unique<FakeUsbBackend>(&m_usb));
        SetTransport(InterfaceKind::Usb, nullptr);
        SetTransport(InterfaceKind::Com, MakeAbsentTransport());
        SetTransport(InterfaceKind::Lpt, MakeAbsentTransport());
    }
    ~ScopedNoRealDevices() {
        for (InterfaceKind kind : {InterfaceKind::Usb, InterfaceKind::Com, InterfaceKind::Lpt})
            SetTransport(kind, nullptr);
        SetUsbBackend(nullptr);
    }
    ScopedNoRealDevices(const ScopedNoRealDevices&) = delete;
    ScopedNoRealDevices& operator=(const ScopedNoRealDevices&) = delete;

private:
    FakeUsbState m_usb;
};

}   // namespace lb::test
