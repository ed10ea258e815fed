// SPDX-License-Identifier: GPL-3.0-or-later
// DesktopOpener: documents open with xdg-open, whose exit status is the desktop's answer.
#include "DesktopOpener.h"

#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

namespace {

/// One xdg-open on its way; it deletes itself once xdg-open has ended.
class PendingOpening final : public QObject
{
public:
    PendingOpening(QObject *window, Opener::Answer answered)
        : m_window(window)
        , m_answered(std::move(answered))
    {
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, [this] { answer(std::nullopt); });
        connect(&m_process, &QProcess::finished, this, [this](int code, QProcess::ExitStatus status) {
            answer(status == QProcess::NormalExit ? DesktopOpener::failureOfExitCode(code) : Opener::Failure::Failed);
            deleteLater();
        });
        connect(&m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return;
            answer(Opener::Failure::NoDesktop);
            deleteLater();
        });
    }

    void start(const QString &program, const QString &path, int answerWithinMs)
    {
        // The path is an argument of its own: no shell ever reads it. Its
        // messages go where the program's own go, and nothing waits on input.
        m_process.setProgram(program);
        m_process.setArguments({path});
        m_process.setProcessChannelMode(QProcess::ForwardedChannels);
        m_process.setStandardInputFile(QProcess::nullDevice());
        m_process.start();
        m_deadline.start(answerWithinMs);
    }

    void answer(std::optional<Opener::Failure> failure)
    {
        m_deadline.stop();
        if (m_answered && m_window)
            m_answered(failure);
        m_answered = nullptr;
    }

private:
    QPointer<QObject> m_window;
    Opener::Answer m_answered;
    QProcess m_process;
    QTimer m_deadline;
};

} // namespace

void DesktopOpener::openDocument(const QString &path, QObject *window, Answer answered)
{
    // Owned by nobody: closing the window must not kill an opener that is
    // still starting the user's player.
    auto *opening = new PendingOpening(window, std::move(answered));
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) {
        // Answered from the event loop, as a started opener would be.
        QTimer::singleShot(0, opening, [opening] {
            opening->answer(Opener::Failure::NoDesktop);
            opening->deleteLater();
        });
        return;
    }
    opening->start(xdgOpen, path, m_answerWithinMs);
}
