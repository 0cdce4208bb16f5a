// SPDX-License-Identifier: Apache-2.0
#pragma once
// A transport whose replies are scripted segments and whose writes are recorded.

#include "link/link_observer.h"
#include "link/transport.h"

#include <QByteArray>
#include <QList>
#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>

struct TransportScript {
    bool openFails = false;
    QList<QByteArray> segments;   // what successive fills may deliver, in order
    int failWriteAt = -1;         // index of the first writeChunk call that fails
    // Once the segments are used up, fills repeat this pattern: a peer that never stops.
    // It stops after repeatLimit bytes all the same, so that a reader without a bound
    // fails its test instead of hanging it.
    QByteArray repeat;
    qsizetype repeatLimit = 0;
    qsizetype delivered = 0;   // bytes handed out by fills
    QString errorText;         // the transport's account of its failures
    int opens = 0;
    int closes = 0;
    int fills = 0;
    QList<QByteArray> chunks;   // every writeChunk call's bytes
    QByteArray written() const {
        QByteArray all;
        for (const QByteArray& c : chunks)
            all += c;
        return all;
    }
};

class ScriptedTransport final : public lb::Transport {
public:
    explicit ScriptedTransport(TransportScript* script) : m_script(script) {}
    lb::LinkHandle open(const lb::LinkSettingsView&) override {
        ++m_script->opens;
        return m_script->openFails ? lb::kNoLink : 42;
    }
    void close() override { ++m_script->closes; }
    int64_t writeChunk(const uint8_t* bytes, uint32_t length) override {
        if (m_script->failWriteAt >= 0 && m_script->chunks.size() >= m_script->failWriteAt) return -1;
        m_script->chunks.append(QByteArray(reinterpret_cast<const char*>(bytes), int(length)));
        return length;
    }
    uint32_t fill(uint8_t* buffer, uint32_t maxLength, int) override {
        ++m_script->fills;
        if (m_script->segments.isEmpty() && !m_script->repeat.isEmpty() &&
            m_script->delivered < m_script->repeatLimit)
            m_script->segments.append(m_script->repeat);
        if (m_script->segments.isEmpty()) return 0;   // the wait runs out
        QByteArray& front = m_script->segments.front();
        const uint32_t n = std::min<uint32_t>(maxLength, uint32_t(front.size()));
        std::memcpy(buffer, front.constData(), n);
        front.remove(0, int(n));
        if (front.isEmpty()) m_script->segments.pop_front();
        m_script->delivered += n;
        return n;
    }
    QString lastErrorText() const override { return m_script->errorText; }

private:
    TransportScript* m_script;
};

// Installs a scripted transport for one kind for the life of the object.
class ScopedScriptedTransport {
public:
    ScopedScriptedTransport(lb::InterfaceKind kind, TransportScript* script) : m_kind(kind) {
        lb::SetTransport(kind, std::make_unique<ScriptedTransport>(script));
    }
    ~ScopedScriptedTransport() { lb::SetTransport(m_kind, nullptr); }

private:
    lb::InterfaceKind m_kind;
};

// Records what the link layer tells the front end.
class RecordingObserver : public lb::LinkObserver {
public:
    int shown = 0;
    int hidden = 0;
    int pumps = 0;
    QList<int> values;
    std::function<void()> onPump;
    void progressShown() override { ++shown; }
    void progressChanged(int value) override { values.append(value); }
    void progressHidden() override { ++hidden; }
    void pumpEvents() override {
        ++pumps;
        if (onPump) onPump();
    }
};

using lb::ScopedObserver;
