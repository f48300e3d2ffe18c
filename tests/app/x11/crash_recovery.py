#!/usr/bin/env python3
"""Kill Tessera with SIGKILL in the middle of editing and check that the next start gives the typed
text back byte for byte.

Runs the real program on the X display in $DISPLAY (start it under `xvfb-run -a`), with a home
directory of its own, and drives it with xdotool as a person would:

    xvfb-run -a python3 tests/app/x11/crash_recovery.py build/bin/tessera [screenshot.png]

A second argument saves a picture of the recovery dialog there.
"""
import os, shutil, subprocess, sys, tempfile, time

ORIGINAL = b"<P>original</P>\r\n"
TYPED = "recovered words "


def xdo(env, *args):
    return subprocess.run(["xdotool", *args], env=env, capture_output=True, text=True).stdout.strip()


def wait_for_window(env, name, timeout=20.0):
    deadline = time.time() + timeout
    while time.time() < deadline:
        found = xdo(env, "search", "--onlyvisible", "--name", name).split()
        if found:
            return found[-1]
        time.sleep(0.3)
    return None


def focus_and(env, window, *args):
    xdo(env, "windowfocus", "--sync", window)
    time.sleep(0.3)
    xdo(env, *args)
    time.sleep(0.3)


def read(path):
    try:
        with open(path, "rb") as f:
            return f.read()
    except OSError:
        return b""


def wait_until(condition, timeout=20.0):
    deadline = time.time() + timeout
    while time.time() < deadline:
        if condition():
            return True
        time.sleep(0.3)
    return False


def main(program):
    work = tempfile.mkdtemp(prefix="tessera-crash-")
    try:
        home = os.path.join(work, "home")
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=f"{home}/.config", XDG_DATA_HOME=f"{home}/.local/share",
                   XDG_RUNTIME_DIR=f"{work}/run")
        env.pop("QT_QPA_PLATFORM", None)
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
        site = os.path.join(work, "site")
        os.makedirs(site)
        pages = [os.path.join(site, name) for name in ("first.htm", "second.htm")]
        for page in pages:
            with open(page, "wb") as f:
                f.write(ORIGINAL)
        settings = os.path.join(env["XDG_CONFIG_HOME"], "Marrowdale Software", "Tessera.conf")
        os.makedirs(os.path.dirname(settings))
        with open(settings, "w") as f:
            f.write("[Helpers]\nShowTipOfTheDay=false\n")

        # First run: both pages open, the second is current. The user types in it, moves to the first
        # tab (the second's text goes to its backup as the tab is left) and types there, then a crash
        # once the first page's backup is written too.
        first = subprocess.Popen([program, *pages], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        window = wait_for_window(env, "^Tessera!")
        if not window:
            return "the main window did not appear"
        time.sleep(1.0)
        expected = {}
        for page, words, leave in ((pages[1], TYPED, "ctrl+Page_Up"), (pages[0], "first tab ", None)):
            focus_and(env, window, "key", "--clearmodifiers", "ctrl+Home")
            focus_and(env, window, "type", "--delay", "30", words)
            expected[page] = words.encode() + ORIGINAL
            if leave:
                focus_and(env, window, "key", "--clearmodifiers", leave)
        backed_up = wait_until(lambda: all(read(page + "_") == text for page, text in expected.items()))
        first.kill()
        first.wait()
        if not backed_up:
            return f"the backups hold {[read(page + '_') for page in pages]!r} before the crash, expected {list(expected.values())!r}"

        # Second run: the recovery dialog lists both pages; Recover is every page's first choice and OK
        # takes them. Each recovered tab is then saved.
        second = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        dialog = wait_for_window(env, "^Recover Unsaved Pages")
        if not dialog:
            second.kill()
            return "the recovery dialog did not appear"
        if len(sys.argv) > 2:
            time.sleep(0.5)
            subprocess.run(["import", "-window", "root", sys.argv[2]], env=env)
        focus_and(env, dialog, "key", "Return")
        window = wait_for_window(env, "^Tessera!")
        time.sleep(1.0)
        for _ in pages:
            focus_and(env, window, "key", "F2")
            focus_and(env, window, "key", "--clearmodifiers", "ctrl+Page_Down")
        saved = wait_until(lambda: all(read(page) == text for page, text in expected.items()), timeout=10.0)
        second.kill()
        second.wait()
        if not saved:
            return f"the pages hold {[read(page) for page in pages]!r} after recovering and saving, expected {list(expected.values())!r}"
        return None
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    failure = main(os.path.abspath(sys.argv[1]))
    if failure:
        print("FAILED:", failure)
        sys.exit(1)
    print("recovered text of both tabs is byte-identical to what was typed")
