// SPDX-License-Identifier: GPL-3.0-or-later
// WebPane: without a web engine, pages from a web site are offered as links.
#include "WebPane.h"

#include "LinkPane.h"

void prepareWebPane()
{
}

WebPane *createRemotePane(Opener &opener, QWidget *parent)
{
    return new LinkPane(opener, parent);
}
