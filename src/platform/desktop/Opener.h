// SPDX-License-Identifier: GPL-3.0-or-later
// Opener: hands documents and web addresses to the desktop.
#pragma once

#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

class QObject;

/**
 * Asks the desktop to open a document with the application associated with
 * it, or a web address in the user's web browser. Both calls return at once;
 * the opening itself happens in another process.
 */
class Opener
{
public:
    /// Why the desktop opened nothing.
    enum class Failure {
        NoApplication, ///< no application is set up to open that kind of file
        NotFound,      ///< the desktop found no such file
        NoPermission,  ///< the desktop may not read the file
        Failed,        ///< the desktop or the application tried and failed
        NoDesktop,     ///< the desktop's opener could not be started at all
    };

    /// The desktop's answer: no value when it opened the document.
    using Answer = std::function<void(std::optional<Failure>)>;

    virtual ~Opener() = default;

    /**
     * Opens the local file at @p path, for @p window (the window the opening
     * belongs to). Returns at once; @p answered is called once, later, on this
     * thread, unless @p window is gone by then.
     */
    virtual void openDocument(const QString &path, QObject *window, Answer answered) = 0;

    /// Opens @p address in the web browser. Nobody waits for the answer.
    virtual void openAddress(const QUrl &address) = 0;
};
