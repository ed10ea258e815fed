// SPDX-License-Identifier: GPL-3.0-or-later
// FakeOpener: records what the program asked the desktop to open.
#pragma once

#include "Opener.h"

#include <QList>

class FakeOpener final : public Opener
{
public:
    bool openDocument(const QString &path) override
    {
        documents.append(path);
        return succeeds;
    }

    bool openAddress(const QUrl &address) override
    {
        addresses.append(address);
        return succeeds;
    }

    QStringList documents;
    QList<QUrl> addresses;
    bool succeeds = true;
};
