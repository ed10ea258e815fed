// SPDX-License-Identifier: GPL-3.0-or-later
// frmSelectOneFile: the dialog in which the user chooses the file the alarm opens.
#pragma once

#include "Places.h"

#include <QDialog>

#include <optional>

class DirListBox;
class DriveListBox;
class FileListBox;
class QPushButton;
class SequentialFiles;

/**
 * "Select Files": a folder list with a drive list under it, a file list
 * beside them, and "Ok" and "Cancel". "Ok" replaces the target-file record
 * with the selected file's full path and closes; when that file is no longer
 * there, or no longer a regular file, it says so, lists what is there now and
 * keeps the record. "Cancel", Escape and the close button leave the record as
 * it was. Made afresh for every showing.
 */
class frmSelectOneFile : public QDialog
{
    Q_OBJECT

public:
    /// Offers @p browsing's places and starts in its folder.
    explicit frmSelectOneFile(SequentialFiles &files, const Places::Browsing &browsing = {}, QWidget *parent = nullptr);

    void setVisible(bool visible) override;

private slots:
    void Form_Load();
    void Drive1_Change();
    void Dir1_Change();
    void cmdOk_Click();
    void Command1_Click();

private:
    void centreOnScreen();
    std::optional<QString> selectedFile() const;
    void refuseGoneFile(const QString &path);
    void showNotice(const QString &text);

    DriveListBox *Drive1;
    DirListBox *Dir1;
    QPushButton *Command1;
    QPushButton *cmdOk;
    FileListBox *File1;

    SequentialFiles &m_files;
};
