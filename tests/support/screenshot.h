// SPDX-License-Identifier: Apache-2.0
#pragma once
// Pictures of the screen for looking at windows under a real display; no test depends on
// them. Taken only when LABELBENCH_SHOTS names a folder.

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QSize>
#include <QString>
#include <QTest>
#include <QWidget>

namespace lb::test {

inline bool ScreenshotsWanted() {
    return qEnvironmentVariableIsSet("LABELBENCH_SHOTS");
}

// The main window's size for a test: the screen's when pictures are taken, so that they
// show what a technician sees there; a fixed one otherwise.
inline QSize TestWindowSize() {
    return ScreenshotsWanted() ? QGuiApplication::primaryScreen()->size() : QSize(1280, 1024);
}

// Saves the whole screen as FOLDER/NAME-WxH.png once window is exposed and framed.
inline void Shoot(QWidget* window, const QString& name) {
    const QString folder = qEnvironmentVariable("LABELBENCH_SHOTS");
    if (folder.isEmpty() || !QTest::qWaitForWindowExposed(window)) return;
    QTest::qWait(500);   // the window manager's frame
    const QSize size = window->screen()->size();
    window->screen()->grabWindow(0).save(
        QDir(folder).filePath(QStringLiteral("%1-%2x%3.png").arg(name).arg(size.width()).arg(size.height())));
}

}   // namespace lb::test
