// SPDX-License-Identifier: GPL-3.0-or-later
// PaneFactory: without a web engine, pages from a web site are offered as links.
#include "PaneFactory.h"

#include "LinkPane.h"

void prepareWebPane()
{
}

WebPane *createRemotePane(Opener &opener, QWidget *parent)
{
    return new LinkPane(opener, parent);
}
