"""The window as an AT-SPI client (a screen reader) sees it: starts the program, lists the
window's controls with their roles, names and states, checks them, then works every option
and button through its action alone (the choosers opened and cancelled), splits a file and
merges it back, reading and answering the notices as they come, and closes the window. Exits
1 on the first difference.

    window.py TIRNEL WORKDIR
"""
import os
import subprocess
import sys
import time

import pyatspi

TITLE = "Tirnel文件分割器V1.08"
CONTROL_ROLES = {"push button", "check box", "radio button", "progress bar", "text"}
# What a screen reader finds at start, in the window's order: role, name, states.
AT_START = [
    ("radio button", "分割文件", "checked"),
    ("radio button", "合并文件", ""),
    ("text", "分割文件:", ""),
    ("push button", "...", ""),
    ("text", "目标地址:", ""),
    ("push button", "...", ""),
    ("text", "分割大小:", ""),
    ("radio button", "KB", "checked"),
    ("radio button", "MB", ""),
    ("progress bar", "", ""),
    ("push button", "分割", ""),
    ("push button", "合并", ""),
    ("push button", "退出", ""),
]


def wait_for(what, find, seconds=30):
    """What find() returns once it returns something; fails after `seconds`."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    sys.exit(f"not found: {what}")


def descendants(accessible):
    for child in accessible:
        if child is not None:
            yield child
            yield from descendants(child)


def states(accessible):
    state = accessible.getState()
    words = ["checked"] if state.contains(pyatspi.STATE_CHECKED) else []
    return " ".join(words + ([] if state.contains(pyatspi.STATE_SENSITIVE) else ["disabled"]))


def controls(window):
    return [(c.getRoleName(), c.name, states(c), c) for c in descendants(window) if c.getRoleName() in CONTROL_ROLES]


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "tirnel":
            return app
    return None


def control(window, role, name, index=0):
    found = [c for r, n, _, c in controls(window) if r == role and n == name]
    if len(found) <= index:
        sys.exit(f"no {role} {name!r} in the window")
    return found[index]


def act(accessible, action):
    actions = accessible.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        sys.exit(f"{accessible.name!r} offers {names}, not {action}")
    actions.doAction(names.index(action))


def expect(what, seen, wanted):
    print(f"{what}: {seen}")
    if seen != wanted:
        sys.exit(f"{what}: expected {wanted}")


def answer_notice(app, text):
    """Waits for the notice that says `text` and presses its button."""
    label = wait_for(f"the notice {text!r}",
                     lambda: next((a for a in descendants(app) if a.getRoleName() == "label" and a.name == text), None))
    notice = label.parent
    while notice.getRoleName() not in ("dialog", "alert"):
        notice = notice.parent
    print(f"notice: {text}")
    act(next(a for a in descendants(notice) if a.getRoleName() == "push button"), "Press")


def dialogs(app):
    return [top for top in app if top is not None and top.name != TITLE]


def press_and_cancel(app, chooser):
    """Presses a "..." and cancels the chooser it opens."""
    act(chooser, "Press")
    dialog = wait_for("a chooser", lambda: next(iter(dialogs(app)), None))
    print(f"chooser: {dialog.name}")
    act(next(a for a in descendants(dialog) if a.getRoleName() == "push button" and a.name in ("取消", "Cancel")), "Press")
    wait_for("the chooser to close", lambda: not dialogs(app))


def wait_for_the_run_to_end(window):
    """The bar is empty again once a run is over; until then the window takes no input."""
    bar = control(window, "progress bar", "")
    wait_for("the end of the run", lambda: bar.queryValue().currentValue == 0)


def main():
    program, work = sys.argv[1], sys.argv[2]
    source_folder, set_folder = os.path.join(work, "src"), os.path.join(work, "set")
    os.makedirs(source_folder)
    os.makedirs(set_folder)
    original = bytes(range(256)) * 12
    with open(os.path.join(source_folder, "data.bin"), "wb") as f:
        f.write(original)

    process = subprocess.Popen([program])
    try:
        work_the_window(process, source_folder, set_folder, original)
    finally:
        if process.poll() is None:
            process.kill()


def work_the_window(process, source_folder, set_folder, original):
    app = wait_for("the program on the accessibility bus", application)
    window = wait_for("the window", lambda: next((w for w in app if w is not None and w.name == TITLE), None))

    print("role, name, states")
    for role, name, state, _ in controls(window):
        print(f"  {role:13} {name!r:12} {state}")
    expect("at start", [(r, n, s) for r, n, s, _ in controls(window)], AT_START)

    for index in (0, 1):
        press_and_cancel(app, control(window, "push button", "...", index))
    for unit in ("MB", "KB"):
        act(control(window, "radio button", unit), "Toggle")
        wait_for(f"{unit} chosen", lambda: "checked" in states(control(window, "radio button", unit)))
    expect("units", [states(control(window, "radio button", u)) for u in ("KB", "MB")], ["checked", ""])
    control(window, "text", "分割文件:").queryEditableText().setTextContents(os.path.join(source_folder, "data.bin"))
    control(window, "text", "目标地址:").queryEditableText().setTextContents(set_folder + "/")
    control(window, "text", "分割大小:").queryEditableText().setTextContents("1")
    act(control(window, "push button", "分割"), "Press")
    answer_notice(app, "文件分割完毕!")
    wait_for_the_run_to_end(window)
    expect("the set", sorted(os.listdir(set_folder)), ["001.pe", "002.pe", "003.pe", "data.hpe", "data.hpe.sha256"])

    act(control(window, "radio button", "合并文件"), "Toggle")
    wait_for("merge mode", lambda: "checked" in states(control(window, "radio button", "合并文件")))
    expect("merge mode", [(n, states(c)) for r, n, _, c in controls(window) if r == "radio button"],
           [("分割文件", ""), ("合并文件", "checked"), ("KB", "checked disabled"), ("MB", "disabled")])
    control(window, "text", "分割文件:").queryEditableText().setTextContents(os.path.join(set_folder, "data.hpe"))
    act(control(window, "push button", "合并"), "Press")
    answer_notice(app, "文件合并完毕!")
    wait_for_the_run_to_end(window)
    with open(os.path.join(set_folder, "data.bin"), "rb") as f:
        expect("rebuilt file is the original", f.read() == original, True)

    act(control(window, "radio button", "分割文件"), "Toggle")
    wait_for("split mode", lambda: "checked" in states(control(window, "radio button", "分割文件")))
    expect("split mode", [(n, states(c)) for r, n, _, c in controls(window) if r == "radio button"],
           [("分割文件", "checked"), ("合并文件", ""), ("KB", "checked"), ("MB", "")])
    act(control(window, "push button", "退出"), "Press")
    expect("exit status", process.wait(timeout=30), 0)


if __name__ == "__main__":
    main()
