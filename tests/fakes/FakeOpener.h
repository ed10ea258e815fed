// SPDX-License-Identifier: GPL-3.0-or-later
// FakeOpener: records what the program asked the desktop to open, and answers as told.
#pragma once

#include "Opener.h"

#include <QList>
#include <QTimer>

class FakeOpener final : public Opener
{
public:
    void openDocument(const QString &path, QObject *window, Answer answered) override
    {
        documents.append(path);
        // From the event loop, as the desktop answers.
        QTimer::singleShot(0, window, [answered, failure = failure] { answered(failure); });
    }

    void openAddress(const QUrl &address) override { addresses.append(address); }

    QStringList documents;
    QList<QUrl> addresses;
    std::optional<Failure> failure; ///< what the desktop answers for documents
};
