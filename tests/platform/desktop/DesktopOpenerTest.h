// SPDX-License-Identifier: GPL-3.0-or-later
// DesktopOpenerTest: what the tests of the desktop's opener share on every system.
#pragma once

#include "DesktopOpener.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(std::optional<Opener::Failure>)

/**
 * A fresh folder for each test function, and the opener's answers heard as
 * the window hears them. Each system's test derives from it and stands in
 * for its desktop in that folder.
 */
class DesktopOpenerTest : public QObject
{
    Q_OBJECT

protected:
    using Failure = Opener::Failure;

    /// What the opener answered for one document.
    struct Heard {
        int answers = 0;
        std::optional<Failure> failure;
    };

    /// Opens @p path for @p window; the answers arrive in what it returns, from the event loop only.
    static std::shared_ptr<Heard> open(DesktopOpener &opener, const QString &path, QObject *window)
    {
        auto heard = std::make_shared<Heard>();
        opener.openDocument(path, window, [heard](std::optional<Failure> failure) {
            ++heard->answers;
            heard->failure = failure;
        });
        return heard;
    }

    std::unique_ptr<QTemporaryDir> m_dir;

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        prepareDesktop();
    }

private:
    /// Points the system's opener at the test's folder, where it finds the stand-in desktop.
    virtual void prepareDesktop() {}
};
