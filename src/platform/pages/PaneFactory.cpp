// SPDX-License-Identifier: GPL-3.0-or-later
// PaneFactory: makes the web pane that fits the program's pages and this build.
#include "PaneFactory.h"

#include "PagePane.h"

WebPane *createWebPane(Opener &opener, QWidget *parent)
{
    return new PagePane(opener, &createRemotePane, parent);
}
