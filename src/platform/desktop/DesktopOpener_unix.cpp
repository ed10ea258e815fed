// SPDX-License-Identifier: GPL-3.0-or-later
// DesktopOpener: documents open with xdg-open, whose exit status is the desktop's answer.
#include "DesktopOpener.h"

#include "DesktopLog.h"
#include "PendingOpening.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

void DesktopOpener::openDocument(const QString &path, QObject *window, Answer answered)
{
    auto *opening = new PendingOpening(window, std::move(answered), m_answerWithinMs);
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty()) {
        // Answered from the event loop, as a started opener would be.
        QTimer::singleShot(0, opening, [opening] { opening->finish(Opener::Failure::NoDesktop); });
        return;
    }
    auto *process = new QProcess(opening);
    QObject::connect(process, &QProcess::finished, opening, [opening, path](int code, QProcess::ExitStatus status) {
        qCInfo(lcDesktop).noquote() << "xdg-open" << path << (status == QProcess::NormalExit ? "exited with" : "crashed, status") << code;
        opening->finish(status == QProcess::NormalExit ? failureOfExitCode(code) : Opener::Failure::Failed);
    });
    QObject::connect(process, &QProcess::errorOccurred, opening, [opening](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            opening->finish(Opener::Failure::NoDesktop);
    });
    // The path is an argument of its own: no shell ever reads it. Its
    // messages go where the program's own go, and nothing waits on input.
    process->setProgram(xdgOpen);
    process->setArguments({path});
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    process->setStandardInputFile(QProcess::nullDevice());
    process->start();
}
