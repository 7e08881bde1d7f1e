"""The window as an AT-SPI client (a screen reader) sees it: lists the window's controls with
their roles, names and states, works every one through its action, answering what each opens,
finds them as they were at start, and closes the window. Exits 1 on the first difference.

    window.py TIRNEL
"""
import subprocess
import sys
import time

import pyatspi

TITLE = "Tirnel文件分割器V1.08"
ROLES = {"push button", "check box", "radio button", "progress bar", "text"}
AT_START = [("radio button", "分割文件", "checked"), ("radio button", "合并文件", ""), ("text", "分割文件:", ""),
            ("push button", "...", ""), ("text", "目标地址:", ""), ("push button", "...", ""),
            ("text", "分割大小:", ""), ("radio button", "KB", "checked"), ("radio button", "MB", ""),
            ("progress bar", "", ""), ("push button", "分割", ""), ("push button", "合并", ""), ("push button", "退出", "")]
# Control (role, name, which of that name), its action, what opens (a chooser's title or a
# notice's text) and is answered with its first button of these names.
PRESSES = [("push button", "...", 0, "Press", "打开文件"), ("push button", "...", 1, "Press", "选择文件夹"),
           ("radio button", "MB", 0, "Toggle", None), ("radio button", "KB", 0, "Toggle", None),
           ("push button", "分割", 0, "Press", "请指定待分割文件!"), ("radio button", "合并文件", 0, "Toggle", None),
           ("push button", "合并", 0, "Press", "请指定待合并文件!"), ("radio button", "分割文件", 0, "Toggle", None)]
ANSWERS = ("取消", "Cancel", "确定", "OK")


def wait_for(what, find):
    for _ in range(300):
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"not found: {what}")


def below(accessible):
    for child in accessible:
        if child is not None:
            yield child
            yield from below(child)


def states(a):
    s = a.getState()
    return " ".join(w for w, on in (("checked", s.contains(pyatspi.STATE_CHECKED)),
                                    ("disabled", not s.contains(pyatspi.STATE_SENSITIVE))) if on)


def act(a, action):
    actions = a.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        sys.exit(f"{a.name!r} offers {names}, not {action}")
    actions.doAction(names.index(action))


def listing(controls):
    seen = [(c.getRoleName(), c.name, states(c)) for c in controls]
    print("\n".join(f"  {r:13} {n!r:12} {s}" for r, n, s in seen))
    if seen != AT_START:
        sys.exit(f"expected {AT_START}")


def main():
    process = subprocess.Popen([sys.argv[1]])
    try:
        app = wait_for("the program", lambda: next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "tirnel"), None))
        window = wait_for("the window", lambda: next((w for w in app if w and w.name == TITLE), None))
        controls = [c for c in below(window) if c.getRoleName() in ROLES]
        options = {c.name: c for c in controls if c.getRoleName() == "radio button"}
        listing(controls)
        for role, name, index, action, opens in PRESSES:
            act([c for c in controls if (c.getRoleName(), c.name) == (role, name)][index], action)
            print(f"{action} {name}")
            if role == "radio button":
                wait_for(f"{name} checked", lambda: "checked" in states(options[name]))
            if opens:
                dialog = wait_for(opens, lambda: next((d for d in app if d and d.name != TITLE and (
                    d.name == opens or any(a.name == opens for a in below(d)))), None))
                act(next(a for a in below(dialog) if a.getRoleName() == "push button" and a.name in ANSWERS), "Press")
                wait_for(f"{opens} answered", lambda: all(d.name == TITLE for d in app if d))
        listing(controls)
        act([c for c in controls if c.name == "退出"][0], "Press")
        if process.wait(timeout=30) != 0:
            sys.exit(f"exit status {process.returncode}")
    finally:
        if process.poll() is None:
            process.kill()


main()
