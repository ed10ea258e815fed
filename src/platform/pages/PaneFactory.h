// SPDX-License-Identifier: GPL-3.0-or-later
// PaneFactory: makes the web pane that fits the program's pages and this build.
#pragma once

class Opener;
class QWidget;
class WebPane;

/**
 * Sets up what the web pane needs before the application object is created.
 * Only a build whose pages come from a web site, and that has a web engine,
 * has anything to set up.
 */
void prepareWebPane();

/**
 * The pane for the program's pages: a local page is drawn as rich text, a
 * page from a web site in a web engine or, in a build without one, offered
 * as a plain link. Links the user follows in it open through @p opener,
 * in the web browser.
 */
WebPane *createWebPane(Opener &opener, QWidget *parent = nullptr);

/**
 * The best pane this build has for pages from a web site: the web engine's
 * view, loaded only now, or a plain link when the build has no engine or
 * the engine cannot be loaded.
 */
WebPane *createRemotePane(Opener &opener, QWidget *parent = nullptr);
