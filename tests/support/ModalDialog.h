// SPDX-License-Identifier: GPL-3.0-or-later
// ModalDialog: drives a modal dialog from inside the event loop that its exec() runs.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

namespace ModalDialog {

/// What exec() gives when the steps left the dialog open and the helper closed it.
inline constexpr int stillOpen = 99;

/**
 * Once control returns to the event loop, waits up to @p timeoutMs for a
 * modal dialog of type @p Dialog and runs @p steps on it; a dialog the steps
 * leave open is closed with stillOpen, so exec() always returns. The wait
 * belongs to @p scope: when scope is destroyed first (the test ended, the
 * dialog never came) nothing is left pending for the next test.
 */
template<typename Dialog>
void whenShown(QObject *scope, const std::function<void(Dialog &)> &steps, int timeoutMs = 5000)
{
    QTimer::singleShot(0, scope, [steps, timeoutMs] {
        QPointer<Dialog> dialog;
        bool exposed = false;
        // A failing check returns from this inner lambda only; the dialog still closes.
        [&] {
            QTRY_VERIFY_WITH_TIMEOUT((dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())), timeoutMs);
            exposed = QTest::qWaitForWindowExposed(dialog);
            QVERIFY2(exposed, "the dialog never reached the screen");
            steps(*dialog);
        }();
        // A dialog whose window the platform could not make is never shown,
        // and QDialog::done() leaves a dialog that is not shown alone: its
        // exec() would wait for ever. Better to end the test here and say why.
        if (dialog && !exposed)
            qFatal("A modal dialog never reached the screen, so its exec() cannot end. "
                   "Is there a window system, or QT_QPA_PLATFORM=offscreen (under Wine: WINEQT_QPA_PLATFORM)?");
        if (dialog && dialog->isVisible())
            dialog->done(stillOpen);
    });
}

} // namespace ModalDialog
