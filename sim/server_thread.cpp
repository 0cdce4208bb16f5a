// SPDX-License-Identifier: Apache-2.0
#include "sim/server_thread.h"

namespace lb::sim {

ServerThread::ServerThread(QString name) : m_name(std::move(name)) {}

ServerThread::~ServerThread() {
    stop();
}

quint16 ServerThread::start(const std::function<quint16(QObject* context)>& open) {
    stop();
    m_context = new QObject;
    m_context->moveToThread(&m_thread);
    m_thread.setObjectName(m_name);
    m_thread.start();
    quint16 bound = 0;
    QMetaObject::invokeMethod(
        m_context, [this, &open, &bound] { bound = open(m_context); }, Qt::BlockingQueuedConnection);
    if (bound == 0) stop();
    return bound;
}

void ServerThread::stop(const std::function<void()>& close) {
    if (!m_context) return;
    if (m_thread.isRunning()) {
        if (close) QMetaObject::invokeMethod(m_context, close, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    delete m_context;   // its thread has finished: nothing of it runs any more
    m_context = nullptr;
}

}   // namespace lb::sim
