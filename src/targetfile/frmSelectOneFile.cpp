// SPDX-License-Identifier: GPL-3.0-or-later
// frmSelectOneFile: the dialog in which the user chooses the file the alarm opens.
#include "frmSelectOneFile.h"

#include "DirListBox.h"
#include "DriveListBox.h"
#include "FileListBox.h"
#include "FileSystemObject.h"
#include "Fonts.h"
#include "Module1.h"
#include "NoticeBox.h"
#include "Places.h"
#include "SequentialFiles.h"
#include "Text.h"
#include "Twips.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

namespace {

// The client area and each control's left, top, width and height within it, in twips.
namespace Layout {
constexpr QSize client = Twips::size(9195, 3885);
constexpr QRect Drive1 = Twips::rect(60, 2895, 4500, 315);
constexpr QRect Dir1 = Twips::rect(60, 60, 4500, 2790);
constexpr QRect Command1 = Twips::rect(7035, 3420, 1455, 315);
constexpr QRect cmdOk = Twips::rect(5475, 3420, 1455, 315);
constexpr QRect File1 = Twips::rect(4620, 60, 4500, 3210);
} // namespace Layout

const QColor silver(192, 192, 192);
const QColor green(0, 255, 0);

void paintGreenOnBlack(QWidget *list)
{
    QPalette palette = list->palette();
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Button})
        palette.setColor(role, Qt::black);
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, green);
    list->setPalette(palette);
}

QPushButton *makeButton(const QString &caption, const QString &name, const QRect &geometry, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setFont(Fonts::verdana(8.25, true));
    // Enter in the lists must not press a button behind the user's back.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace

frmSelectOneFile::frmSelectOneFile(SequentialFiles &files, const Places::Browsing &browsing, QWidget *parent)
    : QDialog(parent)
    , m_files(files)
{
    setObjectName(QStringLiteral("frmSelectOneFile"));
    //: The dialog's title. It chooses the one file the alarm opens.
    setWindowTitle(tr("Select Files"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(Layout::client);
    QPalette dialogPalette = palette();
    dialogPalette.setColor(QPalette::Window, silver);
    setPalette(dialogPalette);
    setAutoFillBackground(true);

    // Created in tab order.
    Drive1 = new DriveListBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    Drive1->setGeometry(Layout::Drive1);
    paintGreenOnBlack(Drive1);
    Drive1->setPlaces(browsing.places());

    Dir1 = new DirListBox(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setGeometry(Layout::Dir1);
    Dir1->setFont(Fonts::verdana(8.25));
    paintGreenOnBlack(Dir1);

    //: A button caption: at most 90 pixels of bold Verdana 8.25 pt.
    Command1 = makeButton(tr("Cancel"), QStringLiteral("Command1"), Layout::Command1, this);
    //: A button caption: at most 90 pixels of bold Verdana 8.25 pt.
    cmdOk = makeButton(tr("Ok"), QStringLiteral("cmdOk"), Layout::cmdOk, this);

    File1 = new FileListBox(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setGeometry(Layout::File1);
    File1->setFont(Fonts::verdana(8.25));
    paintGreenOnBlack(File1);

    setTabOrder(Drive1, Dir1);
    setTabOrder(Dir1, Command1);
    setTabOrder(Command1, cmdOk);
    setTabOrder(cmdOk, File1);

    setAccessibleDescription(tr("Choose the file that Dorvane opens at the alarm time."));
    Drive1->setAccessibleName(tr("Place"));
    Drive1->setAccessibleDescription(
        tr("Where to browse from: the root folder, your home folder or a mounted disk. Up and Down choose one."));
    Dir1->setAccessibleName(tr("Folders"));
    Dir1->setAccessibleDescription(
        tr("The current folder, the folders above it and its subfolders. Enter opens the highlighted folder."));
    File1->setAccessibleName(tr("Files"));
    File1->setAccessibleDescription(tr("The files in the current folder. Select the one the alarm opens."));
    cmdOk->setAccessibleName(tr("Ok"));
    cmdOk->setAccessibleDescription(tr("Makes the selected file the one the alarm opens, and closes."));
    Command1->setAccessibleName(tr("Cancel"));
    Command1->setAccessibleDescription(tr("Closes without changing the file the alarm opens."));

    // Without a selection there is nothing for "Ok" to write.
    cmdOk->setEnabled(false);
    connect(File1, &FileListBox::listIndexChanged, cmdOk, [this](int index) { cmdOk->setEnabled(index >= 0); });

    connect(Drive1, &DriveListBox::driveChanged, this, &frmSelectOneFile::Drive1_Change);
    connect(Dir1, &DirListBox::pathChanged, this, &frmSelectOneFile::Dir1_Change);
    connect(Dir1, &DirListBox::tooLongToOpen, this, [this](const QString &folder) {
        showNotice(tr("%1 cannot be opened: its full path is longer than the system allows.").arg(ForNotice(folder)));
    });
    connect(cmdOk, &QPushButton::clicked, this, &frmSelectOneFile::cmdOk_Click);
    connect(Command1, &QPushButton::clicked, this, &frmSelectOneFile::Command1_Click);

    Form_Load();
    // Where the lists stand before anything is chosen, the same at every
    // showing; the file list follows as it does for the user's own moves.
    Dir1->setPath(browsing.start());
}

void frmSelectOneFile::setVisible(bool visible)
{
    if (visible && !isVisible())
        centreOnScreen();
    QDialog::setVisible(visible);
}

void frmSelectOneFile::centreOnScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Some window systems tell the frame only once the window has shown.
    create();
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    QRect outer(QPoint(), size().grownBy(frame));
    outer.moveCenter(screen->availableGeometry().center());
    move(outer.topLeft());
}

void frmSelectOneFile::Form_Load()
{
    File1->setPattern(Module1::FilePattern);
}

void frmSelectOneFile::Drive1_Change()
{
    const QString chosen = Drive1->drive();
    if (Dir1->setPath(chosen))
        return;
    Drive1->showPlaceOf(Dir1->path());
    showNotice(tr("%1 cannot be opened: it is no longer there, or it is not a folder.").arg(ForNotice(chosen)));
}

void frmSelectOneFile::Dir1_Change()
{
    File1->setPath(Dir1->path());
    // Climbing out of a place with the folder list shows the place it led to.
    Drive1->showPlaceOf(Dir1->path());
}

void frmSelectOneFile::cmdOk_Click()
{
    const std::optional<QString> chosen = selectedFile();
    // The list was read a while ago. A record naming a file gone since would
    // be found out only at the alarm. A name no record can hold is refused
    // for that, whether the file is still there or not.
    if (chosen && Module1::fitsOneLine(*chosen) && !FileSystemObject().FileExists(*chosen)) {
        refuseGoneFile(*chosen);
        return;
    }
    const auto result = Module1::WriteTargetFile(m_files, [&chosen] { return chosen; });
    switch (result) {
    case Module1::WriteResult::Written:
        accept();
        break;
    case Module1::WriteResult::NothingToWrite:
        break;
    case Module1::WriteResult::NotOneLine:
        showNotice(tr("The name of this file, or of a folder above it, holds a line break. "
                      "Dorvane keeps the chosen file as one line of text, which cannot hold such a name, "
                      "so this file cannot be chosen.\n\n"
                      "The file the alarm opens has not changed. Rename the file or choose another one."));
        break;
    case Module1::WriteResult::Failed: {
        const SequentialFiles::Error error = m_files.lastError();
        showNotice(tr("Dorvane could not save your choice to %1: %2.\n\n"
                      "The file the alarm opens has not changed. "
                      "Press Ok to try again, or Cancel to keep it.")
                       .arg(ForNotice(error.path), ForNotice(error.reason)));
        break;
    }
    }
}

std::optional<QString> frmSelectOneFile::selectedFile() const
{
    const int index = File1->listIndex();
    if (index < 0)
        return std::nullopt;
    return Module1::pathInFolder(File1->path(), File1->list(index));
}

void frmSelectOneFile::refuseGoneFile(const QString &path)
{
    using Unreachable = FileSystemObject::Unreachable;
    const FileSystemObject files;
    const bool replaced = files.Exists(path);
    // Asked before the lists are read again, which may take a while.
    const Unreachable unseen = replaced ? Unreachable::Nothing : files.unreachable(path);
    // The lists show what is there now; the folder may have gone with the file.
    const QString listed = Dir1->path();
    Dir1->refresh();
    if (Dir1->path() == listed)
        File1->setPath(listed);
    QString text;
    if (replaced) {
        text = tr("%1 is no longer a file: a folder, a device or a pipe now stands in its place.\n\n"
                  "The file the alarm opens has not changed. Choose another file.");
    } else {
        switch (unseen) {
        case Unreachable::LinkLoop:
            text = tr("%1 cannot be opened: it is, or its path passes through, a symbolic link that leads round "
                      "in a circle.\n\n"
                      "The file the alarm opens has not changed. Choose another file.");
            break;
        case Unreachable::LinkToNothing:
            text = tr("%1 is no longer a file: a symbolic link to something that is not there now stands in its place.\n\n"
                      "The file the alarm opens has not changed. Choose another file.");
            break;
        case Unreachable::PathTooLong:
            text = tr("%1 cannot be opened: its full path is longer than the system allows.\n\n"
                      "The file the alarm opens has not changed. Choose another file.");
            break;
        case Unreachable::Nothing:
            text = tr("%1 is no longer there: it was moved or deleted after the list was read.\n\n"
                      "The file the alarm opens has not changed. Choose another file.");
            break;
        }
    }
    showNotice(text.arg(ForNotice(path)));
}

void frmSelectOneFile::Command1_Click()
{
    reject();
}

void frmSelectOneFile::showNotice(const QString &text)
{
    NoticeBox::show(this, text, NoticeBox::Holds::Window);
}
