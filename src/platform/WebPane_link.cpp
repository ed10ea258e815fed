// SPDX-License-Identifier: GPL-3.0-or-later
// WebPane: without a web engine, the pane offers its page as a link.
#include "WebPane.h"

#include "LinkPane.h"

void prepareWebPane()
{
}

WebPane *createWebPane(Opener &opener, QWidget *parent)
{
    return new LinkPane(opener, parent);
}
