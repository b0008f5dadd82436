#!/usr/bin/env python3
"""A seeded monkey for qbmain: an impatient user under X, to find crashes and sanitizer reports.

Usage (as root, with Xvfb, a window manager and xdotool on the display):
    Xvfb :20 -screen 0 1280x1024x24 -ac &  DISPLAY=:20 openbox &
    python3 tools/monkey.py --display :20 --seed 7 --minutes 10 [--actions N] [--delay 0.08]
        [--program build-sanitize/apps/qbmain] [--user qbmonkey] [--log /tmp/monkey-7.log]

- The same seed sends the same actions: each action (kind, keys, place as a fraction of the window)
  comes from the seed alone; the window it goes to is the program's active window at that moment.
  Every action is logged with its number; --actions N stops after action N to replay up to a finding.
- Events go only to the program's own windows (qbmain and the viewers it starts, found by PID with
  `xdotool search --pid`); when none of them is active the action is skipped.
- As root the program runs as the user --user (made when missing, HOME /home/<user>), in a fresh
  folder of that home holding a copy of the demo company (tools/set-up-home.sh), so a file dialog
  reached at random cannot remove anything of root's.
- What the program prints on stderr is logged under the action it followed; lines that look like a
  fault (AddressSanitizer, "runtime error:", "Unhandled error in", a crash) are logged as FINDING.
  When the program ends it is started again and the actions go on.
This is a tool, not a test: it is never run by CI.
"""

import argparse
import os
import pwd
import random
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PROGRAMS = ("qbmain", "datapeek", "billpane")
FAULT_MARKS = ("AddressSanitizer", "runtime error:", "Unhandled error in", "LeakSanitizer", "SEGV", "Aborted",
               "terminate called")

LETTERS = "abcdefghijklmnopqrstuvwxyz"
TYPED = LETTERS + "0123456789 ./-"
PLAIN_KEYS = ["Tab", "shift+Tab", "Return", "Escape", "Up", "Down", "Left", "Right", "Page_Up", "Page_Down",
              "Home", "End", "BackSpace", "Delete", "space", "F1", "F2", "F3", "F4", "F5"]
# Kind of action and its weight.
ACTIONS = [("click", 30), ("double", 6), ("right", 2), ("wheel", 6), ("type", 10), ("key", 26), ("alt", 12),
           ("ctrl", 3), ("close", 1), ("drag", 2), ("popup", 2)]


def xdo(display, *args):
    result = subprocess.run(["xdotool", *args], env={**os.environ, "DISPLAY": display}, capture_output=True,
                            text=True, timeout=20)
    return result.stdout.strip()


class Program:
    """The program under test, run as the monkey's user in a folder of its own."""

    def __init__(self, args):
        self.args = args
        self.process = None
        self.stderr_path = os.path.join(args.folder, "stderr.txt")
        self.stderr_offset = 0
        self.starts = 0

    def user_ids(self):
        if os.getuid() != 0:
            return None
        try:
            entry = pwd.getpwnam(self.args.user)
        except KeyError:
            subprocess.run(["useradd", "-m", "-d", "/home/" + self.args.user, "-s", "/bin/bash", self.args.user],
                           check=True)
            entry = pwd.getpwnam(self.args.user)
        return entry

    def start(self):
        entry = self.user_ids()
        home = entry.pw_dir if entry else os.environ.get("HOME", "/tmp")
        os.makedirs(self.args.folder, exist_ok=True)
        subprocess.run(["bash", os.path.join(ROOT, "tools", "set-up-home.sh"), self.args.folder], check=True)
        if entry:
            for base, dirs, files in os.walk(self.args.folder):
                for name in [base] + [os.path.join(base, f) for f in dirs + files]:
                    os.chown(name, entry.pw_uid, entry.pw_gid)
        env = {"PATH": "/usr/local/bin:/usr/bin:/bin", "DISPLAY": self.args.display, "HOME": home,
               "LANG": "C.UTF-8", "ASAN_OPTIONS": "detect_leaks=0:abort_on_error=1",
               "UBSAN_OPTIONS": "print_stacktrace=1:halt_on_error=0",
               "QT_QPA_PLATFORM": "xcb"}
        if entry:
            env["USER"] = env["LOGNAME"] = entry.pw_name
        stderr = open(self.stderr_path, "ab")
        kwargs = {"user": entry.pw_uid, "group": entry.pw_gid, "extra_groups": []} if entry else {}
        self.process = subprocess.Popen([self.args.program], cwd=self.args.folder, env=env, stdin=subprocess.DEVNULL,
                                        stdout=stderr, stderr=stderr, start_new_session=True, **kwargs)
        self.starts += 1
        return self.process.pid

    def pids(self):
        """The program and the viewers it started (the desktop's programs are not its own)."""
        if not self.process:
            return []
        children = {}
        for name in os.listdir("/proc"):
            if not name.isdigit():
                continue
            try:
                with open("/proc/%s/stat" % name) as stat:
                    fields = stat.read().rsplit(")", 1)[1].split()
                exe = os.path.basename(os.readlink("/proc/%s/exe" % name))
            except OSError:
                continue
            children.setdefault(int(fields[1]), []).append((int(name), exe))
        found, todo = [], [self.process.pid]
        while todo:
            pid = todo.pop()
            found.append(pid)
            todo.extend(child for child, exe in children.get(pid, []) if exe in PROGRAMS)
        return found

    def new_stderr(self):
        with open(self.stderr_path, "rb") as stream:
            stream.seek(self.stderr_offset)
            data = stream.read()
        self.stderr_offset += len(data)
        return data.decode("utf-8", "replace").splitlines()

    def stop(self):
        # Only the processes this run started, by id: the program and the viewers it opened.
        for pid in reversed(self.pids()):
            try:
                os.kill(pid, 9)
            except OSError:
                pass
        if self.process:
            self.process.wait()


class Monkey:
    def __init__(self, args):
        self.args = args
        self.random = random.Random(args.seed)
        self.program = Program(args)
        self.log = open(args.log, "a", buffering=1)
        self.findings = 0

    def write(self, line):
        self.log.write(line + "\n")

    def own_windows(self):
        windows = []
        for pid in self.program.pids():
            for window in xdo(self.args.display, "search", "--onlyvisible", "--pid", str(pid)).split():
                if window not in windows:
                    windows.append(window)
        return windows

    def target(self, pick):
        """The program's active window, or (for a popup) the one picked among its visible windows."""
        windows = self.own_windows()
        if not windows:
            return None
        active = xdo(self.args.display, "getactivewindow")
        if pick is not None:
            return windows[int(pick * len(windows))]
        if active in windows:
            return active
        # Bring one of the program's own windows to the front (a box the program opened is its own).
        window = windows[-1]
        xdo(self.args.display, "windowactivate", "--sync", window)
        active = xdo(self.args.display, "getactivewindow")
        return active if active in windows else None

    def geometry(self, window):
        values = {}
        for line in xdo(self.args.display, "getwindowgeometry", "--shell", window).splitlines():
            key, _, value = line.partition("=")
            values[key] = int(value) if value.lstrip("-").isdigit() else 0
        return values.get("WIDTH", 0), values.get("HEIGHT", 0)

    def choose(self):
        """The next action, from the seed alone."""
        r = self.random
        kind = r.choices([a for a, _ in ACTIONS], [w for _, w in ACTIONS])[0]
        place = (r.random(), r.random())
        detail = {
            "type": "".join(r.choice(TYPED) for _ in range(r.randint(1, 8))),
            "key": r.choice(PLAIN_KEYS),
            "alt": "alt+" + r.choice(LETTERS),
            "ctrl": "ctrl+" + r.choice("acvxzpsn"),
            "wheel": r.choice(["4", "5"]) + "x" + str(r.randint(1, 6)),
            "drag": (r.random(), r.random()),
            "popup": r.random(),
        }.get(kind)
        return kind, place, detail

    def act(self, number, kind, place, detail):
        display = self.args.display
        window = self.target(detail if kind == "popup" else None)
        if window is None:
            self.write("#%d %s skipped: no window of the program is active" % (number, kind))
            return
        width, height = self.geometry(window)
        x, y = int(place[0] * max(width - 1, 1)), int(place[1] * max(height - 1, 1))
        name = xdo(display, "getwindowname", window)
        self.write("#%d %s %s window=%s '%s' at %d,%d" % (number, kind, detail if detail is not None else "", window,
                                                          name, x, y))
        if kind in ("click", "popup"):
            xdo(display, "mousemove", "--window", window, str(x), str(y), "click", "1")
        elif kind == "double":
            xdo(display, "mousemove", "--window", window, str(x), str(y), "click", "--repeat", "2", "--delay", "60", "1")
        elif kind == "right":
            xdo(display, "mousemove", "--window", window, str(x), str(y), "click", "3")
        elif kind == "wheel":
            button, times = detail.split("x")
            xdo(display, "mousemove", "--window", window, str(x), str(y), "click", "--repeat", times, "--delay", "30",
                button)
        elif kind == "drag":
            x2, y2 = int(detail[0] * max(width - 1, 1)), int(detail[1] * max(height - 1, 1))
            xdo(display, "mousemove", "--window", window, str(x), str(y), "mousedown", "1", "mousemove", "--window",
                window, str(x2), str(y2), "mouseup", "1")
        elif kind == "type":
            xdo(display, "type", "--delay", "20", detail)
        elif kind in ("key", "alt", "ctrl"):
            xdo(display, "key", detail)
        elif kind == "close":
            xdo(display, "key", "alt+F4")

    def check(self, number):
        for line in self.program.new_stderr():
            fault = any(mark in line for mark in FAULT_MARKS)
            self.findings += fault
            self.write(("FINDING after #%d: " if fault else "stderr after #%d: ") % number + line)
        code = self.program.process.poll()
        if code is not None:
            self.findings += code < 0 or code > 1
            self.write("%s after #%d: the program ended with %d; starting it again"
                       % ("FINDING" if code < 0 or code > 1 else "note", number, code))
            self.program.stop()
            self.program.start()
            time.sleep(self.args.start_wait)

    def run(self):
        self.write("== seed %d on %s, program %s" % (self.args.seed, self.args.display, self.args.program))
        self.write("started pid %d" % self.program.start())
        time.sleep(self.args.start_wait)
        ends = time.time() + self.args.minutes * 60
        number = 0
        try:
            while time.time() < ends and (not self.args.actions or number < self.args.actions):
                number += 1
                self.act(number, *self.choose())
                time.sleep(self.args.delay)
                self.check(number)
        finally:
            time.sleep(1)
            self.check(number)
            self.write("== %d actions, %d findings, %d starts" % (number, self.findings, self.program.starts))
            self.program.stop()
        return self.findings


def main():
    parser = argparse.ArgumentParser(description="Seeded monkey for qbmain")
    parser.add_argument("--display", required=True)
    parser.add_argument("--seed", type=int, required=True)
    parser.add_argument("--minutes", type=float, default=10)
    parser.add_argument("--actions", type=int, default=0, help="stop after this action (0: only the time limit)")
    parser.add_argument("--delay", type=float, default=0.08, help="seconds between actions")
    parser.add_argument("--start-wait", type=float, default=4, help="seconds the program is given to start")
    parser.add_argument("--program", default=os.path.join(ROOT, "build-sanitize", "apps", "qbmain"))
    parser.add_argument("--user", default="qbmonkey")
    parser.add_argument("--folder", help="the program's working folder (default: a fresh one per seed)")
    parser.add_argument("--log")
    args = parser.parse_args()
    if os.getuid() == 0:
        home = "/home/" + args.user
    else:
        home = os.environ.get("HOME", "/tmp")
    args.folder = args.folder or os.path.join(home, "monkey-%d-%d" % (args.seed, int(time.time())))
    args.log = args.log or "/tmp/monkey-%d.log" % args.seed
    if shutil.which("xdotool") is None:
        sys.exit("xdotool is needed")
    findings = Monkey(args).run()
    print("%d findings; log %s" % (findings, args.log))


if __name__ == "__main__":
    main()
