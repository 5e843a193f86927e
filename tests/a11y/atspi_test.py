"""The program through AT-SPI alone, as a screen reader user's tools drive it.

No mouse and no keys: kinds are selected and "Изчисли" pressed by their accessibility
actions, inputs filled through the editable-text interface, the report read through the
text interface and compared with the program's own command-line report. Also checked: the
roles and names a screen reader announces, the result box refusing to be rewritten, the
announcement of each outcome and of "Изчисти", each once, and that one kind is always
checked.

Usage: atspi_test.py PROGRAM PID WINDOW_TITLE
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

PROGRAM, PID, TITLE = sys.argv[1], int(sys.argv[2]), sys.argv[3]
KINDS = ["Височини", "Страни", "Медиани"]
OPTIONS = ["--heights", "--sides", "--medians"]
KINDS_NAME = "Вид на входните данни"
RESULT_NAME = "Резултат"

# Each row: its name, then the actions in turn. ("kind", k) selects kind k by its action,
# ("type", [x1, x2, x3]) fills the inputs, ("calculate",) and ("clear",) press the buttons.
# After every action exactly one kind must be checked: the one last selected, or "Височини"
# after "Изчисти"; after "calculate" the result box and the announcement hold the report
# that `bisectors --<kind> x1 x2 x3` prints (or its refusal). Each press of a button shows
# the announcement once, as a screen reader hears it.
CASES = [
    ("altitudes", [("type", ["3", "4", "5"]), ("calculate",)]),
    ("sides", [("kind", 1), ("type", ["3", "4", "5"]), ("calculate",)]),
    ("medians", [("kind", 2), ("type", ["3", "4", "5"]), ("calculate",)]),
    ("sides refused", [("kind", 1), ("type", ["1", "2", "3"]), ("calculate",)]),
    ("medians, then sides: the sides report", [("kind", 2), ("kind", 1),
                                               ("type", ["3", "4", "5"]), ("calculate",)]),
    ("selected kind again keeps the inputs", [("kind", 1), ("type", ["6", "8", "10"]),
                                              ("kind", 1), ("calculate",)]),
    ("clear goes back to altitudes", [("kind", 2), ("clear",), ("type", ["2", "3", "4"]),
                                      ("calculate",)]),
    ("every kind in turn and back", [("kind", 0), ("kind", 2), ("kind", 2), ("kind", 0),
                                     ("kind", 1), ("type", ["5", "5", "5"]), ("calculate",)]),
]

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what, file=sys.stderr)


def wait_for(probe, seconds=10.0):
    """Polls probe until it returns something true, taking in the events that came
    meanwhile; returns its last value."""
    deadline = time.monotonic() + seconds
    while True:
        while GLib.MainContext.default().iteration(False):
            pass
        value = probe()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(0.05)


# The announcements shown, as a screen reader hears them: the names of the notifications
# that came to show.
heard = []


def on_showing(event):
    if event.detail1 and event.source.getRoleName() == "notification":
        heard.append(event.source.name)


pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")


def heard_once(press):
    """Calls press; returns the one announcement heard after it, or None for none or more."""
    heard.clear()
    press()
    wait_for(lambda: heard, 5)
    wait_for(lambda: False, 0.3)  # time for a second one, which must not come
    return heard[0] if len(heard) == 1 else None


def find_window():
    def probe():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == PID and app.childCount:
                return app[0]
        return None
    window = wait_for(probe)
    if window is None:
        sys.exit("FAIL: the program is not on the accessibility bus")
    return window


def descendants(node):
    for child in node:
        yield child
        yield from descendants(child)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def states(node):
    return node.getState()


def core_report(kind, inputs):
    run = subprocess.run([PROGRAM, OPTIONS[kind], *inputs], capture_output=True, text=True,
                         env=dict(os.environ, LC_ALL="C.UTF-8", LANG="C.UTF-8"), check=False)
    return (run.stdout if run.returncode == 0 else run.stderr).rstrip("\n")


window = find_window()
children = list(window)
by_role = lambda role: [c for c in descendants(window) if c.getRoleName() == role]
group = [c for c in children if c.getRoleName() == "panel"]
radios = by_role("radio button")
texts = by_role("text")
labels = [c for c in children if c.getRoleName() == "label"][1:]  # after the heading
inputs = [t for t in texts if t.name != RESULT_NAME]
result = next((t for t in texts if t.name == RESULT_NAME), None)
buttons = {b.name: b for b in by_role("push button")}
images = by_role("image")
notices = by_role("notification")

# What a screen reader says the window is made of.
check(window.getRoleName() == "frame" and window.name == TITLE,
      f"the window is a frame named by its title: {window.getRoleName()} {window.name!r}")
check(len(group) == 1 and group[0].name == KINDS_NAME and
      [r.name for r in group[0]] == KINDS,
      "the kinds are radio buttons in one grouping named " + KINDS_NAME)
check([r.getRoleName() for r in radios] == ["radio button"] * 3, "three radio buttons")
check(len(inputs) == 3 and [t.name for t in inputs] == [l.name for l in labels],
      "each input box is named by its label")
check(result is not None and states(result).contains(pyatspi.STATE_READ_ONLY) and
      not states(result).contains(pyatspi.STATE_EDITABLE) and
      "EditableText" not in result.get_interfaces(),
      "the result box is named, read-only and offers no editable-text interface")
check(len(images) == 1 and images[0].name.startswith("Формула за лицето"),
      "the formula is an image with its text alternative")
check(all(states(c).contains(pyatspi.STATE_SHOWING) for c in children
          if c.getRoleName() != "notification"),
      "hidden controls are not exposed: " +
      ", ".join(f"{c.getRoleName()} {c.name!r}" for c in children
                if not states(c).contains(pyatspi.STATE_SHOWING)))
check(len(notices) == 1, "the window has one announcer")
if failures:
    sys.exit(f"{len(failures)} failed")

# The result box cannot be rewritten from outside, even asking past its interface list.
before = text_of(result)
for attempt in (lambda: Atspi.EditableText.insert_text(result, 0, "x", 1),
                lambda: Atspi.EditableText.delete_text(result, 0, 5),
                lambda: Atspi.EditableText.set_text_contents(result, "x")):
    try:
        attempt()
    except Exception:  # refused: what is wanted
        pass
check(text_of(result) == before, "the result box was changed through AT-SPI")


def checked():
    return "".join("1" if states(r).contains(pyatspi.STATE_CHECKED) else "0" for r in radios)


def press(node):
    action = node.queryAction()
    action.doAction(0)


def clear():
    """Presses "Изчисти" and waits for all it does: its click comes a moment later. It is
    announced once, naming the kind it went back to, and nothing of the last report is
    left for a screen reader, the announcement neither."""
    report = text_of(result)
    said = heard_once(lambda: press(buttons["Изчисти"]))
    check(said and f"„{KINDS[0]}“" in said and
          not any(line and line in said for line in report.split("\n")),
          f"Изчисти is announced once, without the report: {heard}")
    return wait_for(lambda: text_of(result) == "" and checked() == "100" and
                    not any(text_of(b) for b in inputs) and notices[0].name == said and
                    states(notices[0]).contains(pyatspi.STATE_SHOWING))


def act(step, kind):
    """Performs one step; returns the kind selected afterwards."""
    if step[0] == "kind":
        press(radios[step[1]])
        kind = step[1]
    elif step[0] == "type":
        for box, value in zip(inputs, step[1]):
            box.queryEditableText().setTextContents(value)
        check([text_of(b) for b in inputs] == step[1], f"typed {step[1]}")
    elif step[0] == "clear":
        check(clear(), "Изчисти did its work")
        kind = 0
    return kind


for name, steps in CASES:
    check(clear(), f"{name}: Изчисти at the start did its work")
    kind, typed = 0, ["", "", ""]
    for step in steps:
        previous = kind
        kind = act(step, kind)
        selected = "".join("1" if i == kind else "0" for i in range(3))
        check(wait_for(lambda: checked() == selected, 2),
              f"{name}: after {step} the checked kinds are {checked()}, not {selected}")
        if step[0] == "type":
            typed = step[1]
        elif step[0] in ("kind", "clear") and (kind != previous or step[0] == "clear"):
            typed = ["", "", ""]
            check([text_of(b) for b in inputs] == typed, f"{name}: {step} empties the inputs")
        if step[0] == "calculate":
            expected = core_report(kind, typed)
            said = heard_once(lambda: press(buttons["Изчисли"]))
            got = wait_for(lambda: text_of(result).rstrip("\n") == expected and text_of(result))
            check(got, f"{name}: the result box shows\n{text_of(result)}\nnot\n{expected}")
            check(said is not None and said.rstrip("\n") == expected and
                  notices[0].name == said and states(notices[0]).contains(pyatspi.STATE_SHOWING),
                  f"{name}: the announcements heard are {heard}")
    print(f"PASS: {name}")

if failures:
    sys.exit(f"{len(failures)} failed")
print(f"{len(CASES)} cases and the roles, names and read-only result box passed")
