// SPDX-License-Identifier: GPL-3.0-or-later
// AlarmReport: what the alarm clock tells its window, as facts for the window to word.
#include "AlarmReport.h"

Trouble troubleOf(const NotOpened &notOpened)
{
    if (!notOpened.desktop) {
        // An empty record is the same news as none: nothing has been chosen.
        if (notOpened.target.status == Module1::Target::Status::EmptyRecord)
            return Module1::Target::Status::NoRecord;
        return notOpened.target.status;
    }
    switch (*notOpened.desktop) {
    case Opener::Failure::NotFound:
        return Module1::Target::Status::Missing;
    case Opener::Failure::NoPermission:
        return Module1::Target::Status::CannotRead;
    default:
        return *notOpened.desktop;
    }
}
