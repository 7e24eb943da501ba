#!/usr/bin/python3
"""A whole session of the game in a real X server, as a pupil and a teacher play it.

The test reads the live window through the accessibility interface (AT-SPI, as a screen reader
does) and drives it with real mouse clicks and key presses (xdotool). It saves a screenshot at
every status into the output folder.

Run by run_session_test.sh, which starts the X server and a D-Bus session of its own.
"""
import argparse
import os
import re
import subprocess
import sys
import tempfile
import time

import pyatspi

TITLE = "Het +REKITO+ spel !!!"
PANEL_ROLES = ("panel", "frame", "filler")
MESSAGE_TITLE = "Het REKITO-spel!!!"


class SessionError(AssertionError):
    pass


def wait_for(what, predicate, timeout=15.0):
    end = time.time() + timeout
    while time.time() < end:
        try:
            value = predicate()
        except Exception:  # the accessibility tree changes while it is read
            value = None
        if value:
            return value
        time.sleep(0.05)
    raise SessionError(f"timed out waiting for {what}")


def check(condition, message):
    if not condition:
        raise SessionError(message)


class Game:
    """The running program, seen through its accessibility tree."""

    def __init__(self, rekiplus, config_home, shots):
        self.shots = shots
        environment = dict(os.environ, XDG_CONFIG_HOME=config_home,
                           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.process = subprocess.Popen([rekiplus], env=environment)
        self.app = wait_for("the program on the accessibility bus", self._find_app)
        self.window = wait_for("the main window", lambda: self.find("frame", TITLE, within=self.app))

    def _find_app(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "rekiplus":
                return app
        return None

    def close(self):
        self.process.terminate()
        self.process.wait(timeout=10)

    # --- reading ---------------------------------------------------------------------------------

    def nodes(self, within=None):
        """Every showing node below within (the whole program by default)."""
        stack = [within or self.app]
        while stack:
            node = stack.pop()
            try:
                if not node.getState().contains(pyatspi.STATE_SHOWING) and node != self.app:
                    continue
                children = [node.getChildAtIndex(i) for i in range(node.childCount)]
            except Exception:
                continue
            yield node
            stack.extend(reversed([c for c in children if c is not None]))

    def find(self, role, name=None, description=None, within=None):
        for node in self.nodes(within):
            if node.getRoleName() != role:
                continue
            if name is not None and node.name != name:
                continue
            if description is not None and node.description != description:
                continue
            return node
        return None

    def get(self, role, name=None, description=None):
        return wait_for(f"{role} {name or ''} {description or ''}".strip(),
                        lambda: self.find(role, name, description))

    def shown_panels(self):
        """The names of the parts of the window that are on screen."""
        return {n.name for n in self.nodes(self.window)
                if n.getRoleName() in PANEL_ROLES and n.name}

    def panel(self, name):
        return wait_for(f"panel {name}", lambda: next(
            (n for n in self.nodes(self.window) if n.getRoleName() in PANEL_ROLES and n.name == name),
            None))

    @staticmethod
    def enabled(node):
        return node.getState().contains(pyatspi.STATE_SENSITIVE)

    # --- acting ----------------------------------------------------------------------------------

    @staticmethod
    def click(node):
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        x, y = box.x + box.width // 2, box.y + box.height // 2
        subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)
        time.sleep(0.15)

    @staticmethod
    def type_text(text):
        subprocess.run(["xdotool", "type", "--delay", "30", text], check=True)
        time.sleep(0.1)

    @staticmethod
    def key(name):
        subprocess.run(["xdotool", "key", name], check=True)
        time.sleep(0.15)

    def screenshot(self, name):
        subprocess.run(["import", "-window", "root", os.path.join(self.shots, name + ".png")],
                       check=True)

    def answer_message(self, button):
        """Reads the open message, answers it with button and returns its text."""
        dialog = self.get("dialog", MESSAGE_TITLE)
        text = " ".join(n.name for n in self.nodes(dialog) if n.getRoleName() == "label")
        self.click(self.find("push button", button, within=dialog))
        wait_for("the message to close", lambda: self.find("dialog", MESSAGE_TITLE) is None)
        return text

    def wait_status(self, panels, what):
        wait_for(what, lambda: panels <= self.shown_panels())


# --- the pupil's answer ----------------------------------------------------------------------------

OPERATIONS = {"+": "plus", "-": "min", "x": "keer", ":": "gedeeld door"}


def steps_of(line):
    """The three steps of a solution line, each (left, op, right) with operands ("G", number) or
    ("R", step)."""
    n = r"(\d+)"
    o = r"([-+x:])"
    shapes = [
        (rf"^\(\({n} {o} {n}\) {o} {n}\) {o} {n} = ",
         lambda a, o1, b, o2, c, o3, d: [(a, o1, b), ("R1", o2, c), ("R2", o3, d)]),
        (rf"^\({n} {o} {n}\) {o} \({n} {o} {n}\) = ",
         lambda a, o1, b, o3, c, o2, d: [(a, o1, b), (c, o2, d), ("R1", o3, "R2")]),
        (rf"^\({n} {o} \({n} {o} {n}\)\) {o} {n} = ",
         lambda c, o2, a, o1, b, o3, d: [(a, o1, b), (c, o2, "R1"), ("R2", o3, d)]),
        (rf"^{n} {o} \({n} {o} \({n} {o} {n}\)\) = ",
         lambda d, o3, c, o2, a, o1, b: [(a, o1, b), (c, o2, "R1"), (d, o3, "R2")]),
    ]
    for pattern, steps in shapes:
        match = re.match(pattern, line)
        if match:
            return steps(*match.groups())
    raise SessionError(f"no bracket shape fits {line!r}")


def click_operand(game, operand):
    if operand.startswith("R"):
        button = game.get("push button", description=f"Tussenresultaat {operand[1]}")
    else:
        button = wait_for(f"number button {operand}", lambda: next(
            (b for i in range(1, 5)
             for b in [game.find("push button", description=f"Getal {i} van de opgave")]
             if b is not None and b.name == operand and game.enabled(b)), None))
    game.click(button)


def play_answer(game, line):
    for left, op, right in steps_of(line):
        click_operand(game, left)
        game.click(game.get("push button", OPERATIONS[op]))
        click_operand(game, right)


# --- the session -----------------------------------------------------------------------------------

def rekicalc(path, *args):
    return subprocess.run([path, *args], check=True, capture_output=True, text=True).stdout


def session(options):
    config_home = tempfile.mkdtemp(prefix="rekiplus-e2e-")
    os.makedirs(options.out, exist_ok=True)
    game = Game(options.rekiplus, config_home, options.out)
    try:
        # The first screen: the level choice of the default set.
        game.wait_status({"Niveau kiezen", "Rekenmachine"}, "the first screen")
        menu = game.find("menu bar", within=game.window)
        items = [m.name for m in game.nodes(menu) if m.getRoleName() == "menu item"]
        check(items == ["Niveau", "Opgave kiezen", "Opties", "Help", "Einde"], f"menu {items}")
        game.screenshot("01-status20-start")

        # Choose a level and draw an exercise.
        game.click(game.get("radio button", "Gaat wel"))
        game.click(game.get("push button", "Opgave kiezen"))
        game.wait_status({"Rekenmachine", "Plaatjes", "Tijd"}, "the exercise (status 30)")
        numbers = [game.get("push button", description=f"Getal {i} van de opgave").name
                   for i in range(1, 5)]
        check(all(n.isdigit() for n in numbers), f"numbers {numbers}")
        game.screenshot("02-status30-exercise")

        # A right answer, computed by rekicalc, clicked in step by step.
        solved = rekicalc(options.rekicalc, "solve", *numbers).splitlines()
        count, lines = int(solved[0]), solved[1:]
        check(count > 0 and lines, f"no solution for {numbers}")
        play_answer(game, lines[0])
        game.screenshot("03-status30-right-answer")
        text = game.answer_message("Ja")
        check(text.startswith("Hoera"), f"message after a right answer: {text!r}")

        # The solutions, as rekicalc lists them.
        game.wait_status({"Opgave en oplossingen"}, "the solutions (status 40)")
        listed = game.get("list", "Oplossingen")
        shown = [listed.getChildAtIndex(i).name for i in range(listed.childCount)]
        check(shown == lines, f"solutions {shown} != {lines}")
        score = game.get("label", description="Aantal goede antwoorden").name
        check(score == "1", f"score {score}")
        game.screenshot("04-status40-solutions")

        # Back to the level choice, then to the grid of stored sets.
        game.click(game.get("push button", "Terug"))
        game.wait_status({"Niveau kiezen"}, "the level choice (status 20)")
        game.screenshot("05-status20-back")
        game.click(game.get("push button", "Andere getallen"))
        game.wait_status({"Opgeslagen sets kiezen"}, "the grid (status 15)")
        game.screenshot("06-status15-grid")

        # A new set of numbers and a target.
        grid_panel = game.panel("Opgeslagen sets kiezen")

        game.click(game.find("push button", "Andere getallen", within=grid_panel))
        game.wait_status({"Getallen invoeren"}, "the entry (status 11)")
        # All above 10, so that no number is refused as one that the default set already holds.
        new_numbers = ["12", "15", "19", "25", "31", "37", "44", "58", "77", "99"]
        for i, number in enumerate(new_numbers, start=1):
            game.click(game.get("text", f"Getal {i}"))
            game.type_text(number)
        game.click(game.get("text", "Resultaat"))
        game.type_text("36")
        game.key("Tab")
        game.screenshot("07-status11-new-set")
        game.click(game.get("push button", "Bereken alle combinaties"))
        game.screenshot("08-status10-computing")
        text = game.answer_message("OK")  # the target is not above the largest number
        check(text.startswith("Niet alle mogelijke"), f"message before computing: {text!r}")

        game.wait_status({"Niveau kiezen"}, "the computed set (status 20)")
        game.screenshot("09-status20-new-set")
    finally:
        game.close()

    # The set is stored, and a new start of the program lists it in the grid.
    listed = rekicalc(options.rekicalc, "sets", "--json", "--file",
                      os.path.join(config_home, "Rekiplus.ini"))
    check('"target": 36' in listed and '"readable": true' in listed, f"stored sets: {listed}")
    game = Game(options.rekiplus, config_home, options.out)
    try:
        game.wait_status({"Niveau kiezen"}, "the first screen after a restart")
        game.click(game.get("push button", "Andere getallen"))
        game.wait_status({"Opgeslagen sets kiezen"}, "the grid after a restart")
        grid = game.get("table", "Opgeslagen sets")
        cells = [c.name for c in game.nodes(grid) if c.getRoleName() == "table cell"]
        check(["36"] + new_numbers == cells[11:22], f"grid rows {cells[:22]}")
        game.screenshot("10-status15-grid-after-restart")
    finally:
        game.close()


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--rekiplus", required=True)
    parser.add_argument("--rekicalc", required=True)
    parser.add_argument("--out", required=True, help="folder for the screenshots")
    options = parser.parse_args()
    try:
        session(options)
    except SessionError as error:
        print(f"session_test: {error}", file=sys.stderr)
        return 1
    print(f"session_test: whole session passed; screenshots in {options.out}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
