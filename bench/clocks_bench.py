#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Dorvane against GNOME Clocks, side by side under one Xvfb.

Starts GNOME Clocks and two builds of Dorvane (the default build and the one
without Qt WebEngine) in turn, after one warm-up start of each, and measures
for every start: the time until its window maps, the memory (PSS) of its whole
process tree some seconds after the start, and the CPU the tree uses while it
sits idle after that. Prints the medians and Dorvane's ratios to GNOME Clocks.
A bare Qt window that repaints one label every second runs beside them: it
shows what a second's repaint costs any Qt Widgets program on the machine.

Installs GNOME Clocks and what the script itself needs with apt-get when they
are missing, and builds Dorvane's two builds (and the bare window) in build-bench/.
Slow on purpose (about half an hour with the defaults): not a CI test.
"""

import argparse
import os
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
APT = ["apt-get", "-o", "DPkg::Lock::Timeout=900", "-y", "-q"]


def install_missing(packages):
    missing = [p for p in packages
               if subprocess.run(["dpkg-query", "-W", "-f=${Status}", p], capture_output=True, text=True)
               .stdout != "install ok installed"]
    if not missing:
        return
    sudo = [] if os.geteuid() == 0 else ["sudo"]
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    print("Installing:", " ".join(missing), flush=True)
    subprocess.run(sudo + APT[:3] + ["update", "-qq"], check=True, env=env)
    subprocess.run(sudo + APT + ["install", "--no-install-recommends"] + missing, check=True, env=env)


def build(source, name, options, program):
    """Builds as a user would (RelWithDebInfo); returns the program's path."""
    folder = ROOT / "build-bench" / name
    flags = ["-DCMAKE_BUILD_TYPE=RelWithDebInfo"] + options
    subprocess.run(["cmake", "-S", str(source), "-B", str(folder)] + flags, check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", str(folder), "--parallel", "2"], check=True, stdout=subprocess.DEVNULL)
    return str(folder / program)


def build_dorvane(name, options):
    return build(ROOT, name, ["-DDORVANE_BUILD_TESTS=OFF", "-DDORVANE_BUILD_BENCH=OFF"] + options, "dorvane")


# --- the process tree ------------------------------------------------------

def process_tree(root_pid):
    """The process and all its descendants that are alive now."""
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as f:
                fields = f.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        children.setdefault(int(fields[1]), []).append(int(entry))
    tree, todo = [], [root_pid]
    while todo:
        pid = todo.pop()
        tree.append(pid)
        todo.extend(children.get(pid, []))
    return tree


def memory_kib(pids):
    """PSS, and the memory no other process shares (USS), of the processes together."""
    pss = uss = 0
    for pid in pids:
        try:
            with open(f"/proc/{pid}/smaps_rollup") as f:
                for line in f:
                    field, value = line.split()[:2]
                    if field == "Pss:":
                        pss += int(value)
                    elif field in ("Private_Clean:", "Private_Dirty:"):
                        uss += int(value)
        except OSError:
            pass
    return pss, uss


def cpu_ns(pids):
    """CPU time used so far by every thread of the processes, in nanoseconds."""
    total = 0
    for pid in pids:
        try:
            for task in os.listdir(f"/proc/{pid}/task"):
                with open(f"/proc/{pid}/task/{task}/schedstat") as f:
                    total += int(f.read().split()[0])
        except OSError:
            pass
    return total


# --- X -----------------------------------------------------------------------

class WindowWatch:
    """Notes when a top-level window maps on the display's root window."""

    def __init__(self, display_name):
        from Xlib import X, display
        self.X = X
        self.display = display.Display(display_name)
        self.display.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.display.sync()

    def drain(self):
        while self.display.pending_events():
            self.display.next_event()

    def wait_for_map(self, deadline):
        """Monotonic time at which the next ordinary top-level window mapped, or None."""
        while True:
            while self.display.pending_events():
                event = self.display.next_event()
                if event.type == self.X.MapNotify and not event.override:
                    return time.monotonic()
            left = deadline - time.monotonic()
            if left <= 0:
                return None
            select.select([self.display.fileno()], [], [], left)


# --- one start ---------------------------------------------------------------

def stop(process):
    try:
        os.killpg(process.pid, signal.SIGTERM)
    except ProcessLookupError:
        return
    try:
        process.wait(timeout=10)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
    # Whatever the program left in its group goes too.
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass


def run_once(command, env, watch, settle, idle):
    watch.drain()
    started = time.monotonic()
    process = subprocess.Popen(command, env=env, start_new_session=True,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        mapped = watch.wait_for_map(started + 60)
        if mapped is None:
            raise RuntimeError(f"{command[0]}: no window mapped within 60 s")
        if settle is None:
            return None
        time.sleep(max(0.0, started + settle - time.monotonic()))
        tree = process_tree(process.pid)
        pss, uss = memory_kib(tree)
        cpu_start, cpu_start_at = cpu_ns(tree), time.monotonic()
        time.sleep(idle)
        tree_after = process_tree(process.pid)
        cpu = cpu_ns(tree_after) - cpu_start
        elapsed = time.monotonic() - cpu_start_at
        if process.poll() is not None:
            raise RuntimeError(f"{command[0]} ended during the measurement")
        return {
            "mapped_ms": (mapped - started) * 1000,
            "pss_mib": pss / 1024,
            "uss_mib": uss / 1024,
            "processes": len(tree),
            "cpu_percent": cpu / (elapsed * 1e9) * 100,
        }
    finally:
        stop(process)


# --- the whole run -------------------------------------------------------------

def start_xvfb():
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                            pass_fds=[write_end], stderr=subprocess.DEVNULL, start_new_session=True)
    os.close(write_end)
    with os.fdopen(read_end) as f:
        number = f.readline().strip()
    if not number:
        raise RuntimeError("Xvfb did not start")
    return xvfb, f":{number}"


def start_session_bus(env):
    bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"], env=env,
                           stdout=subprocess.PIPE, text=True, start_new_session=True)
    address = bus.stdout.readline().strip()
    if not address:
        raise RuntimeError("no session bus")
    return bus, address


def median_row(name, runs, reference):
    def med(key):
        return statistics.median(r[key] for r in runs)

    def span(key, digits):
        return f"{min(r[key] for r in runs):.{digits}f}–{max(r[key] for r in runs):.{digits}f}"

    processes = sorted({r["processes"] for r in runs})
    row = [name,
           f"{med('mapped_ms'):.0f} ({span('mapped_ms', 0)})",
           f"{med('pss_mib'):.1f} ({span('pss_mib', 1)}), {'/'.join(map(str, processes))} proc.",
           f"{med('uss_mib'):.1f} ({span('uss_mib', 1)})",
           f"{med('cpu_percent'):.3f} ({span('cpu_percent', 3)})"]
    if reference is None:
        row += ["1", "1", "1"]
    else:
        row += [f"{med(key) / statistics.median(r[key] for r in reference):.2f}x"
                for key in ("mapped_ms", "pss_mib", "uss_mib")]
    return "| " + " | ".join(row) + " |"


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--runs", type=int, default=5, help="measured starts of each program (default 5)")
    parser.add_argument("--settle", type=float, default=30, help="seconds after the start to measure memory (30)")
    parser.add_argument("--idle", type=float, default=60, help="seconds of idle CPU measured after that (60)")
    parser.add_argument("--default-build", help="a Dorvane built with the default options (else built here)")
    parser.add_argument("--no-webengine-build", help="a Dorvane built with -DDORVANE_WITH_WEBENGINE=OFF (else built here)")
    parser.add_argument("--no-floor", action="store_true",
                        help="leave out the bare Qt window that repaints a label every second")
    args = parser.parse_args()

    install_missing(["gnome-clocks", "python3-xlib", "xvfb", "dbus-daemon", "build-essential", "cmake",
                     "qt6-base-dev", "qt6-webengine-dev", "libgl-dev", "fonts-dejavu-core"])
    programs = [
        ("GNOME Clocks", [shutil.which("gnome-clocks") or "/usr/bin/gnome-clocks"]),
        ("Dorvane, default build", [args.default_build or build_dorvane("default", [])]),
        ("Dorvane, without WebEngine",
         [args.no_webengine_build or build_dorvane("no-webengine", ["-DDORVANE_WITH_WEBENGINE=OFF"])]),
    ]
    if not args.no_floor:
        # Not a goal: what a second's repaint costs any Qt Widgets program on this machine.
        programs.append(("bare Qt label, repainted every second",
                         [build(ROOT / "bench" / "floor", "floor", [], "repaint_floor")]))
    version = subprocess.run(["dpkg-query", "-W", "-f=${Version}", "gnome-clocks"], capture_output=True, text=True).stdout

    home = tempfile.mkdtemp(prefix="dorvane-bench-")
    env = {key: value for key, value in os.environ.items()
           if key not in ("WAYLAND_DISPLAY", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "QT_QPA_PLATFORM",
                          "DBUS_SESSION_BUS_ADDRESS", "SESSION_MANAGER")}
    env.update(HOME=home, XDG_CONFIG_HOME=f"{home}/config", XDG_DATA_HOME=f"{home}/data",
               XDG_CACHE_HOME=f"{home}/cache", XDG_RUNTIME_DIR=f"{home}/runtime", LANG="C.UTF-8")
    os.makedirs(f"{home}/runtime", mode=0o700)
    xvfb, display = start_xvfb()
    env["DISPLAY"] = display
    bus, address = start_session_bus(env)
    env["DBUS_SESSION_BUS_ADDRESS"] = address
    try:
        watch = WindowWatch(display)
        print(f"Warm-up on {display}, then {args.runs} starts of each, in turn; "
              f"memory at {args.settle:.0f} s, idle CPU over the {args.idle:.0f} s after.", flush=True)
        for name, command in programs:
            run_once(command, env, watch, None, 0)
            time.sleep(2)
        results = {name: [] for name, _ in programs}
        for run in range(1, args.runs + 1):
            for name, command in programs:
                result = run_once(command, env, watch, args.settle, args.idle)
                results[name].append(result)
                print(f"  run {run}, {name}: mapped {result['mapped_ms']:.0f} ms, "
                      f"PSS {result['pss_mib']:.1f} MiB (USS {result['uss_mib']:.1f}) "
                      f"in {result['processes']} processes, "
                      f"idle CPU {result['cpu_percent']:.3f} %", flush=True)
                time.sleep(2)
    finally:
        for process in (bus, xvfb):
            stop(process)
        shutil.rmtree(home, ignore_errors=True)

    reference = results["GNOME Clocks"]
    print()
    print(f"Medians of {args.runs} starts (min–max); GNOME Clocks {version}; "
          f"{os.cpu_count()} cores; {time.strftime('%Y-%m-%d')}")
    print()
    print("| | window mapped (ms) | memory: PSS of the process tree (MiB) | unshared memory: USS (MiB) "
          "| CPU while idle (% of one core) | mapped vs Clocks | PSS vs Clocks | USS vs Clocks |")
    print("|---|--:|--:|--:|--:|--:|--:|--:|")
    for name, _ in programs:
        print(median_row(name, results[name], None if name == "GNOME Clocks" else reference))
    return 0


if __name__ == "__main__":
    sys.exit(main())
