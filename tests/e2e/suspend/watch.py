#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Watches the suspend guest from the host: QEMU's events (QMP) and the guest's
reports (its second serial port), each timed on the host's clock, then checks
each case. Wakes a guest still asleep 70 s after its alarm, as a person would,
and tells the guest the host's time when it asks.
Usage: watch.py QMP_SOCKET REPORT_SOCKET SECONDS; exits 77 if QEMU never answers."""
import json
import select
import socket
import sys
import time


def connect(path):
    for _ in range(100):
        try:
            sock = socket.socket(socket.AF_UNIX)
            sock.connect(path)
            return sock
        except OSError:
            time.sleep(0.1)
    sys.exit(77)


class Case:
    def __init__(self, name, alarm, song):
        self.name, self.alarm, self.song = name, float(alarm), song
        self.wake = self.holder = self.suspended = self.woken = self.rescued = None
        self.opened, self.logs, self.clocks = [], [], []


guest_failures = []


def watch(qmp, report, seconds):
    """Returns the cases as the guest and QEMU told of them."""
    deadline = time.time() + seconds
    cases, case, buffers = {}, None, {qmp: b"", report: b""}
    qmp.sendall(b'{"execute": "qmp_capabilities"}\n{"execute": "cont"}\n')
    while time.time() < deadline:
        # Past the minute in which a late alarm is still played.
        if case and case.suspended and not case.woken and not case.rescued and time.time() > case.alarm + 70:
            case.rescued = time.time()
            qmp.sendall(b'{"execute": "system_wakeup"}\n')
        for sock in select.select([qmp, report], [], [], 0.1)[0]:
            arrived = time.time()
            data = sock.recv(65536)
            if not data:
                raise SystemExit("FAIL: QEMU ended before the guest was done")
            buffers[sock] += data
            *lines, buffers[sock] = buffers[sock].split(b"\n")
            for line in (raw.decode(errors="replace").strip() for raw in lines):
                if sock is qmp:
                    message = json.loads(line)
                    if "event" not in message:
                        continue
                    stamp = message["timestamp"]
                    at = stamp["seconds"] + stamp["microseconds"] / 1e6
                    print(f"{at:.3f} QMP {message['event']}")
                    if case and message["event"] == "SUSPEND":
                        case.suspended = at
                    elif case and message["event"] == "WAKEUP":
                        case.woken = at
                    continue
                print(f"{arrived:.3f} guest: {line}")
                word, _, rest = line.partition(" ")
                if word == "clock?":
                    report.sendall(f"clock {time.time():.6f}\n".encode())
                elif word == "end":
                    return list(cases.values())
                elif word == "case":
                    # A case started again, further ahead, replaces its first try.
                    case = Case(*rest.split(" ", 2))
                    cases[case.name] = case
                elif word == "fail":
                    guest_failures.append(rest)
                elif word == "wake":
                    second, _, case.holder = rest.partition(" ")
                    case.wake = None if second == "none" else float(second)
                elif word in ("suspend", "resumed", "synced"):
                    case.clocks.append((word, float(rest) - arrived))
                elif word == "opened":
                    case.opened.append((arrived, rest))
                elif word == "log":
                    case.logs.append(rest)
    raise SystemExit(f"FAIL: the guest was not done within {seconds} s")


def check(case):
    """The figures of one case, and what is wrong with it."""
    wrong, figures = [], []
    if case.suspended is None or case.woken is None:
        return wrong + ["QEMU told of no suspend and resume"], figures
    figures.append(f"asleep {case.woken - case.suspended:.1f} s")
    if case.name == "off":
        if case.wake is not None:
            wrong.append("a wake-up timer although waking is off")
        if not case.rescued or case.woken < case.rescued:
            wrong.append(f"woke by itself {case.woken - case.alarm:+.3f} s from the alarm")
        missed = [log for log in case.logs if log.startswith("dorvane.alarm: ") and "was missed" in log]
        if not any("the computer was asleep" in log for log in missed):
            wrong.append("no notice that the alarm was missed because the computer was asleep")
        if case.opened:
            wrong.append("a missed alarm was played late")
        figures.append(f"woken by the test {case.woken - case.alarm:+.3f} s after the alarm")
    else:
        if case.wake is None:
            return wrong + ["no wake-up timer was set"], figures
        figures.append(f"wake asked {case.alarm - case.wake:.3f} s before the alarm by {case.holder}")
        # One way to set the timer, as root too: the helper.
        if case.holder != "dorvane-wake":
            wrong.append(f"the timer was held by {case.holder}, not by dorvane-wake")
        if case.wake >= case.alarm:
            wrong.append("the wake-up asked for comes only after the alarm")
        figures.append(f"resumed {case.woken - case.wake:+.3f} s from the requested second")
        if case.rescued:
            wrong.append("did not wake by itself: the test woke it")
        elif abs(case.woken - case.wake) > 1:
            wrong.append(f"resumed {case.woken - case.wake:+.3f} s from the requested second")
        if case.suspended >= case.wake:
            wrong.append("suspended only after the requested second")
        if len(case.opened) != 1 or case.opened[0][1] != case.song:
            wrong.append(f"expected {case.song} handed over once, got {case.opened}")
        else:
            late = case.opened[0][0] - case.alarm
            figures.append(f"handed over {late:+.3f} s from the alarm second")
            if not 0 <= late <= 1.5:
                wrong.append(f"handed over {late:+.3f} s from the alarm second")
    figures.append("guest clock - host clock: " + ", ".join(f"{word} {offset:+.3f} s" for word, offset in case.clocks))
    return wrong, figures


def main():
    qmp, report = connect(sys.argv[1]), connect(sys.argv[2])
    cases = watch(qmp, report, float(sys.argv[3]))
    failed = list(guest_failures)
    if [case.name for case in cases] != ["root", "user", "off"]:
        failed.append("expected the cases root, user, off")
    for case in cases:
        wrong, figures = check(case)
        print(f"{case.name}: " + "; ".join(figures))
        failed += [f"{case.name}: {what}" for what in wrong]
        if wrong:
            print("\n".join(f"  log: {log}" for log in case.logs))
    for what in failed:
        print(f"FAIL: {what}", file=sys.stderr)
    if not failed:
        print("PASS: the guest woke by itself at the requested second and handed the file over at the alarm; "
              "with waking off it slept through and told why")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
