#!/usr/bin/env python3
"""What a screen reader meets: starts the reader on an X server of its own with a session bus,
opens Genesis 1 by keys and looks for the pane heading and the first verse in the accessible
tree, then takes the next verse by Ctrl+Down and waits for it to be announced as focused.
Exits 77 (skipped) when Xvfb, xdotool, dbus-run-session or pyatspi is missing.
Usage: atspi_check.py PROGRAM [--dump]"""
import os, shutil, sqlite3, subprocess, sys, tempfile, time

SKIP = 77
INNER = "VIDOSLOV_ATSPI_INNER"


def skip(why):
    print("skipped:", why)
    sys.exit(SKIP)


def main():
    program = os.path.abspath(sys.argv[1])
    if not os.access(program, os.X_OK):
        skip(program + " is not built")
    for tool in ("Xvfb", "xdotool", "dbus-run-session"):
        if not shutil.which(tool):
            skip(tool + " is missing")
    if os.environ.get(INNER) != "1":
        env = dict(os.environ, **{INNER: "1"})
        try:
            done = subprocess.run(["dbus-run-session", "--", sys.executable] + sys.argv,
                                  env=env, timeout=120)
        except subprocess.TimeoutExpired:
            print("timed out")
            return 1
        return done.returncode
    try:
        import pyatspi
    except ImportError:
        skip("python3-pyatspi is missing")
    return check(program, pyatspi, "--dump" in sys.argv)


def first_verse(program):
    base = os.path.join(os.path.dirname(program), "baza", "vidl.mdb")
    if not os.path.exists(base):
        skip("the default texts are not built")
    with sqlite3.connect("file:%s?mode=ro" % base, uri=True) as db:
        row = db.execute("select tekst from vidoslov where knjiga='1 MOJ' and glava=1 "
                         "and rbr=1").fetchone()
    return "1. " + row[0].strip()


def walk(node, depth=0, out=None):
    out = [] if out is None else out
    if node is None or depth > 40:
        return out
    text = ""
    try:
        text = node.queryText().getText(0, -1)
    except Exception:
        pass
    out.append((depth, node.getRoleName(), node.name or "", text))
    for i in range(node.childCount):
        try:
            walk(node.getChildAtIndex(i), depth + 1, out)
        except Exception:
            pass
    return out


def find_app(pyatspi, pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            pass
    return None


def pump(seconds):
    """Lets the accessibility events of that long reach their listeners."""
    from gi.repository import GLib
    context = GLib.MainContext.default()
    end = time.time() + seconds
    while time.time() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.05)


def check(program, pyatspi, dump):
    heading, verse = "Prva knjiga Mojsijeva 1", first_verse(program)
    focused = []

    def on_focus(event):
        try:
            if event.detail1 and event.source.getRoleName() == "paragraph":
                focused.append(event.source.name or "")
        except Exception:
            pass

    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x800x24",
                             "-nolisten", "tcp"], pass_fds=[write], stderr=subprocess.DEVNULL)
    os.close(write)
    reader = None
    try:
        number = os.read(read, 16).decode().strip()
        if not number:
            print("Xvfb did not start")
            return 1
        home = tempfile.mkdtemp()
        env = dict(os.environ, DISPLAY=":" + number, QT_QPA_PLATFORM="xcb",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                   XDG_DATA_HOME=home, XDG_CONFIG_HOME=home, XDG_CACHE_HOME=home)
        reader = subprocess.Popen([program], env=env)
        app = None
        deadline = time.time() + 30
        while app is None and time.time() < deadline:
            time.sleep(0.5)
            app = find_app(pyatspi, reader.pid)
        if app is None:
            print("the program did not appear on the accessibility bus")
            return 1
        # Genesis 1 by keys: the pane menu, "Stari zavet", its first book.
        time.sleep(1)
        # No window manager: the window is given the keyboard by hand.
        windows = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                  str(reader.pid)], env=env, timeout=10, capture_output=True,
                                 text=True).stdout.split()
        for window in windows:
            subprocess.run(["xdotool", "windowfocus", "--sync", window], env=env, timeout=10)
        keys = ["shift+F10", "Down", "Down", "Down", "Down", "Right", "Return"]
        for key in keys:
            subprocess.run(["xdotool", "key", key], env=env, timeout=10)
            time.sleep(0.3)
        found = []
        while time.time() < deadline + 30:
            nodes = walk(app)
            names = [n[2] for n in nodes] + [n[3] for n in nodes]
            found = [any(heading == s for s in names), any(verse in s for s in names)]
            if all(found):
                break
            time.sleep(1)
        # The next verse is announced as the focused one.
        if all(found):
            subprocess.run(["xdotool", "key", "ctrl+Down"], env=env, timeout=10)
            for _ in range(40):
                pump(0.25)
                if any(name.startswith("2. ") for name in focused):
                    break
            found.append(any(name.startswith("2. ") for name in focused))
        if dump:
            for depth, role, name, text in walk(app):
                print("  " * depth + "%s: %s%s" % (role, name[:80],
                                                   " | " + text[:80] if text else ""))
        if not all(found):
            print("heading found: %s, first verse found: %s, next verse announced: %s"
                  % tuple(found + [False] * (3 - len(found))))
            return 1
        print("the heading and the first verse are in the accessible tree; the next verse is "
              "announced")
        return 0
    finally:
        for process in (reader, xvfb):
            if process and process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    process.kill()


if __name__ == "__main__":
    sys.exit(main())
