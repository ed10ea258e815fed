// SPDX-License-Identifier: GPL-3.0-or-later
// WebPane: the strip of the main window that shows one web page.
#include "WebPane.h"

#include "PagePane.h"

WebPane *createWebPane(Opener &opener, QWidget *parent)
{
    return new PagePane(opener, &createRemotePane, parent);
}
