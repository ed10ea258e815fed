// SPDX-License-Identifier: GPL-3.0-or-later
// DesktopOpener: opens documents and addresses through the desktop environment.
#pragma once

#include "Opener.h"

/**
 * Opens documents with the desktop's own opener and learns its answer:
 * xdg-open on Linux, started without a shell, and the shell's "Open" on
 * Windows, asked in a thread of its own. Web addresses go through
 * QDesktopServices.
 */
class DesktopOpener final : public Opener
{
public:
    /**
     * @p answerWithinMs: how long the desktop may take to answer. An opener
     * still running after that is running the application itself (xdg-open
     * without a desktop session waits for it), so the document counts as opened.
     */
    explicit DesktopOpener(int answerWithinMs = 20'000)
        : m_answerWithinMs(answerWithinMs)
    {
    }

    void openDocument(const QString &path, QObject *window, Answer answered) override;
    void openAddress(const QUrl &address) override;

    /// What xdg-open's exit status @p code says; no value for success.
    static std::optional<Failure> failureOfExitCode(int code);

private:
    const int m_answerWithinMs;
};
