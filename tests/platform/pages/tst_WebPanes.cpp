// SPDX-License-Identifier: GPL-3.0-or-later
// Widget tests of the web panes: which view shows a page, and where its links go.
#include "FakeOpener.h"
#include "FakeWebPane.h"
#include "LinkPane.h"
#include "PagePane.h"
#include "RichTextPane.h"
#include "TestFiles.h"
#include "WebPane.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

class TestWebPanes : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void viewFollowsAddress_data();
    void viewFollowsAddress();
    void changingKindReplacesView();
    void localPageDrawnAndNamed_data();
    void localPageDrawnAndNamed();
    void linksGoThroughOpener_data();
    void linksGoThroughOpener();
#ifdef DORVANE_WEBENGINE_PLUGIN
    void pluginWaitsForFirstPaint();
#endif

private:
    QUrl page(const char *name) const { return QUrl::fromLocalFile(m_dir->filePath(QLatin1String(name))); }
    PagePane *makePagePane();

    std::unique_ptr<QTemporaryDir> m_dir;
    FakeOpener m_opener;
    QList<QPointer<FakeWebPane>> m_remotePanes;
};

void TestWebPanes::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_opener = FakeOpener();
    m_remotePanes.clear();
    TestFiles::write(m_dir->filePath(QStringLiteral("more.htm")),
                     "<html><head><title>More from the makers</title>"
                     "<style>body { color: #ccc; } a { color: #ff8000; }</style></head>"
                     "<body><p>One file, one time.<br><a href=\"sub/how.htm#top\">How it works</a></p></body></html>");
    TestFiles::write(m_dir->filePath(QStringLiteral("untitled.htm")), "<p>No title here</p>");
}

PagePane *TestWebPanes::makePagePane()
{
    return new PagePane(m_opener, [this](Opener &, QWidget *parent) {
        auto *pane = new FakeWebPane;
        pane->setParent(parent);
        m_remotePanes.append(pane);
        return pane;
    });
}

void TestWebPanes::viewFollowsAddress_data()
{
    QTest::addColumn<QString>("address"); // "<page>": the local test page
    QTest::addColumn<bool>("remote");
    QTest::newRow("shipped page") << "<page>" << false;
    QTest::newRow("page in the program's resources") << "qrc:/site/more.htm" << false;
    QTest::newRow("no address") << "" << false;
    QTest::newRow("web site, https") << "https://example.org/english/more.htm" << true;
    QTest::newRow("web site, http") << "http://example.org/" << true;
}

void TestWebPanes::viewFollowsAddress()
{
    QFETCH(QString, address);
    QFETCH(bool, remote);
    const QUrl url = address == u"<page>" ? page("more.htm") : QUrl(address);
    std::unique_ptr<PagePane> pane(makePagePane());
    pane->navigate(url);

    QCOMPARE(m_remotePanes.size(), remote ? 1 : 0);
    if (remote) {
        QCOMPARE(pane->shownPane(), m_remotePanes.first().data());
        QCOMPARE(m_remotePanes.first()->addresses, QList<QUrl>{url});
    } else {
        QVERIFY(qobject_cast<RichTextPane *>(pane->shownPane()));
    }
    QCOMPARE(pane->focusProxy(), pane->shownPane());
}

void TestWebPanes::changingKindReplacesView()
{
    std::unique_ptr<PagePane> pane(makePagePane());
    pane->resize(345, 57);
    pane->navigate(page("more.htm"));
    pane->show();
    QVERIFY(QTest::qWaitForWindowActive(pane.get()));
    QPointer<WebPane> local = pane->shownPane();
    pane->setFocus();
    QVERIFY(local->findChild<QTextBrowser *>()->hasFocus());

    const QUrl site(QStringLiteral("https://example.org/"));
    pane->navigate(site);
    QTRY_VERIFY(!local); // gone, not hidden
    QCOMPARE(m_remotePanes.size(), 1);
    QVERIFY(m_remotePanes.first()->hasFocus());

    // Another page of the same site stays in the same view.
    pane->navigate(site.resolved(QUrl(QStringLiteral("contact.htm"))));
    QCOMPARE(m_remotePanes.size(), 1);
    QCOMPARE(m_remotePanes.first()->addresses.size(), 2);

    pane->navigate(page("more.htm"));
    QTRY_VERIFY(m_remotePanes.first().isNull());
    QVERIFY(qobject_cast<RichTextPane *>(pane->shownPane()));
    QVERIFY(pane->shownPane()->findChild<QTextBrowser *>()->hasFocus());
}

void TestWebPanes::localPageDrawnAndNamed_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name"); // what a screen reader says
    QTest::newRow("page with a title") << "more.htm" << "One file, one time.\nHow it works" << "More from the makers";
    QTest::newRow("page without a title") << "untitled.htm" << "No title here" << "Web page";
    QTest::newRow("missing page") << "gone.htm" << "" << "Web page";
    QTest::newRow("no page") << "" << "" << "Web page";
}

void TestWebPanes::localPageDrawnAndNamed()
{
    QFETCH(QString, file);
    QFETCH(QString, text);
    QFETCH(QString, name);
    RichTextPane pane(m_opener);
    auto *view = pane.findChild<QTextBrowser *>();
    // What was there before must not linger.
    pane.navigate(page("more.htm"));
    if (file == u"gone.htm")
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("No document for .*gone.htm")));
    pane.navigate(file.isEmpty() ? QUrl() : QUrl::fromLocalFile(m_dir->filePath(file)));
    QCOMPARE(view->toPlainText(), text);
    QCOMPARE(QAccessible::queryAccessibleInterface(view)->text(QAccessible::Name), name);
    QVERIFY(m_opener.addresses.isEmpty());
}

void TestWebPanes::linksGoThroughOpener_data()
{
    QTest::addColumn<QString>("pane");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("address"); // navigated to; "<page>": the local test page
    QTest::addColumn<QString>("opened");  // "<sub>": the local page's link, made whole
    QTest::newRow("rich text, click") << "rich" << "click" << "<page>" << "<sub>";
    QTest::newRow("rich text, Tab and Enter") << "rich" << "keys" << "<page>" << "<sub>";
    QTest::newRow("link, Tab and Enter") << "link" << "keys" << "https://example.org/a b.htm"
                                         << "https://example.org/a%20b.htm";
}

void TestWebPanes::linksGoThroughOpener()
{
    QFETCH(QString, pane);
    QFETCH(QString, how);
    QFETCH(QString, address);
    QFETCH(QString, opened);
    const QUrl url = address == u"<page>" ? page("more.htm") : QUrl(address);
    std::unique_ptr<WebPane> shown;
    if (pane == u"rich")
        shown = std::make_unique<RichTextPane>(m_opener);
    else
        shown = std::make_unique<LinkPane>(m_opener);
    shown->resize(345, 57);
    shown->navigate(url);
    shown->show();
    QVERIFY(QTest::qWaitForWindowActive(shown.get()));
    shown->setFocus(Qt::TabFocusReason);
    QWidget *view = shown->focusProxy();
    QVERIFY(view);

    if (how == u"click") {
        auto *browser = qobject_cast<QTextBrowser *>(view);
        QTextCursor link = browser->document()->find(QStringLiteral("How it works"));
        QVERIFY(!link.isNull());
        link.setPosition(link.selectionStart() + 3);
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, browser->cursorRect(link).center());
    } else {
        // Tab steps onto the first link before it leaves the pane.
        QTest::keyClick(view, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), view);
        QTest::keyClick(view, Qt::Key_Return);
    }
    const QUrl expected = opened == u"<sub>" ? page("sub/how.htm").resolved(QUrl(QStringLiteral("#top"))) : QUrl(opened);
    QCOMPARE(m_opener.addresses, QList<QUrl>{expected});
    if (auto *browser = qobject_cast<QTextBrowser *>(view))
        QCOMPARE(browser->source(), url); // the pane keeps its page
}

#ifdef DORVANE_WEBENGINE_PLUGIN
#include "WebEngineViews.h"

#include <QPluginLoader>

#include <algorithm>

void TestWebPanes::pluginWaitsForFirstPaint()
{
    QPluginLoader loader(QStringLiteral(DORVANE_WEBENGINE_PLUGIN));
    auto *views = qobject_cast<WebEngineViews *>(loader.instance());
    QVERIFY2(views, qPrintable(loader.errorString()));
    QWidget host;
    QWidget *view = views->createView([](const QUrl &) {}, &host);
    QCOMPARE(view->parentWidget(), &host);
    views->load(view, QUrl(QStringLiteral("https://example.org/")));
    // Until the view is painted, no engine: the window appears without waiting.
    const QList<QWidget *> inside = view->findChildren<QWidget *>();
    QVERIFY(std::none_of(inside.begin(), inside.end(), [](QWidget *w) { return w->inherits("QWebEngineView"); }));
}
#endif

QTEST_MAIN(TestWebPanes)
#include "tst_WebPanes.moc"
