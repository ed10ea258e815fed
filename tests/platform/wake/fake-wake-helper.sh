#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Stands in for dorvane-wake: greets with $FAKE_WAKE_GREETING, writes its pid to
# $FAKE_WAKE_PID, appends each request to $FAKE_WAKE_LOG and answers it with $FAKE_WAKE_ANSWER.
echo $$ > "$FAKE_WAKE_PID"
echo "$FAKE_WAKE_GREETING"
while read -r line; do
    echo "$line" >> "$FAKE_WAKE_LOG"
    echo "$FAKE_WAKE_ANSWER"
done
