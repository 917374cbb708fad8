#!/usr/bin/python3
"""Plays Kelvara by ear: everything found on the accessibility bus by role and name, each result
read from its row's name, keeping the words that agree with every result to win honestly; then
the high score note, a new game, a guess, quit answered No, then Yes (help first without keys).

Usage: by_ear.py --words FILE --name NAME --input keys|text [--language NAME --catalog FILE]
  keys: letters and Escape are typed (X11); text: cells are filled and buttons pressed
  through the bus alone, which needs no X server (Wayland). The language is chosen by its
  flag's name, and every text is heard in it, as its catalog has it.
"""
import argparse
import re
import subprocess
import sys
import time
import xml.etree.ElementTree as ElementTree

import pyatspi
from gi.repository import Gio, GLib

WAIT = 25  # seconds for any one step; a busy two-core machine needs the room


class Texts:
    """The program's texts in the language played: its catalog's finished translations, else
    the English source."""

    def __init__(self, catalog):
        self.texts = {}
        for message in ElementTree.parse(catalog).iter("message") if catalog else ():
            translation = message.find("translation")
            if translation.get("type") is None and translation.text:
                self.texts[message.findtext("source")] = translation.text

    def __call__(self, source, *inserts):
        text = self.texts.get(source, source)
        for number, insert in enumerate(inserts, 1):
            text = text.replace("%%%d" % number, str(insert))
        return text

    def label(self, source):
        return self(source).replace("&", "")

    def pattern(self, source, *groups):
        """The text as a pattern, each insert a group: the order of inserts is the language's."""
        parts = re.split(r"%(\d)", self(source))
        return "".join(re.escape(part) if i % 2 == 0 else groups[int(part) - 1]
                       for i, part in enumerate(parts))


class Failure(Exception):
    pass


def wait_for(what, probe, timeout=WAIT, step=0.1):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            found = probe()
        except GLib.Error:
            found = None  # an object that went away while it was read
        if found:
            return found
        time.sleep(step)
    raise Failure("no %s after %d s" % (what, timeout))


def children(acc):
    acc.clear_cache()  # the bus's cache may not have heard of rows added a moment ago
    return [acc.getChildAtIndex(i) for i in range(acc.childCount)]


def find(acc, role, name=None, depth=0):
    """The first object below acc with this role (and name, a string or a pattern)."""
    for child in children(acc):
        if child is None:
            continue
        if child.getRoleName() == role and (
            name is None or (name.match(child.name) if hasattr(name, "match") else child.name == name)
        ):
            return child
        if depth < 8:
            hit = find(child, role, name, depth + 1)
            if hit:
                return hit
    return None


def program():
    return next((a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "kelvara"), None)


def window(role, inner_role, inner_name):
    """A top-level window of the program that holds an object with this role and name."""
    app = program()
    if app is None:
        return None
    for win in children(app):
        if win is not None and win.getRoleName() == role and find(win, inner_role, inner_name):
            return win
    return None


def shown_popup(press):
    """Presses and returns the popup menu that shows: a menu is no child of the program, so
    it is caught as the bus announces it."""
    shown = []

    def on_show(event):
        if event.detail1 and event.source.getRoleName() == "popup menu":
            shown.append(event.source)

    pyatspi.Registry.registerEventListener(on_show, "object:state-changed:showing")
    press()

    def probe():
        while GLib.MainContext.default().iteration(False):
            pass
        return shown and shown[-1]

    try:
        return wait_for("popup menu", probe)
    finally:
        pyatspi.Registry.deregisterEventListener(on_show, "object:state-changed:showing")


def alert():
    app = program()
    return app and next((w for w in children(app) if w and w.getRoleName() == "alert"), None)


class Bus:
    """Presses through the bus without waiting for the answer: a press that opens a modal
    dialog or a menu is answered only when that closes."""

    def __init__(self):
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress",
                                  None, GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, -1, None)
        self.conn = Gio.DBusConnection.new_for_address_sync(
            reply.unpack()[0],
            Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
            | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)

    def press(self, acc):
        if acc is None:
            raise Failure("nothing to press where a button was expected")
        action = acc.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        index = next((i for i, n in enumerate(names) if n in ("Press", "press", "click")), 0)
        self.conn.call(acc.app.bus_name, acc.path, "org.a11y.atspi.Action", "DoAction",
                       GLib.Variant("(i)", (index,)), None, Gio.DBusCallFlags.NONE, -1, None,
                       None, None)
        self.conn.flush_sync(None)


def score(guess, secret):
    right = sum(g == s for g, s in zip(guess, secret))
    common = sum(min(guess.count(c), secret.count(c)) for c in set(guess))
    return right, common - right


class Player:
    def __init__(self, args):
        self.args = args
        self.bus = Bus()
        self.words = open(args.words).read().split()
        self.t = Texts(args.catalog)
        pins = self.t.pattern("%1 right, %2 elsewhere", r"(?P<black>\d)", r"(?P<white>\d)")
        self.row = re.compile("^%s$" % self.t.pattern("Guess %1: %2, %3", r"\d+", r"(?P<word>\w{4})",
                                                    pins))

    def keys(self, *keys):
        subprocess.run(["xdotool", "key", "--delay", "80", *keys], check=True)

    def start(self):
        language = self.args.language
        chooser = wait_for("language chooser", lambda: window("dialog", "push button", language))
        self.bus.press(find(chooser, "push button", language))
        prompt = self.t("Please enter your name:")
        asking = wait_for("name dialog", lambda: window("dialog", "text", prompt))
        find(asking, "text", prompt).queryEditableText().setTextContents(self.args.name)
        self.bus.press(find(asking, "push button", self.t("OK")))
        self.main = wait_for("main window", lambda: window("dialog", "text", self.t("Letter %1", 1)))

    def rows(self):
        return [self.row.match(r.name) for r in children(self.main)
                if r is not None and r.getRoleName() == "list item"]

    def guess(self, word):
        count = len(self.rows())
        cells = [find(self.main, "text", self.t("Letter %1", n)) for n in range(1, 5)]
        if self.args.input == "keys":
            cells[0].queryComponent().grabFocus()
            self.keys(*word.lower(), "Return")
        else:
            for cell, letter in zip(cells, word):
                cell.queryEditableText().setTextContents(letter)
            self.bus.press(find(self.main, "push button", self.t("Drop the guess")))
        row = wait_for("row for %s" % word, lambda: len(self.rows()) > count and self.rows()[-1])
        if not row or row.group("word") != word:
            raise Failure("the newest row does not read as guess %s: %s" % (word, row))
        return int(row.group("black")), int(row.group("white"))

    def win(self):
        candidates = list(self.words)
        while True:
            word = candidates[0]
            result = self.guess(word)
            print("guess %s: %d right, %d elsewhere" % (word, *result))
            if result == (4, 0):
                return
            candidates = [w for w in candidates if score(word, w) == result]
            if not candidates:
                raise Failure("no word of the dictionary agrees with every result")

    def choose(self, item):
        flag = find(self.main, "push button", re.compile(self.t.pattern("Dictionary: %1", ".*")))
        menu = shown_popup(lambda: self.bus.press(flag))
        self.bus.press(find(menu, "menu item", self.t.label(item)))

    def open_help(self):
        self.choose("&Help...")
        rules = self.t("Try to guess the secret word!\nFor every guess, you'll get a number of "
                       "pins: a black pin for every letter on the correct position, and a white "
                       "pin for a letter correct but on the wrong position.")
        first_line = re.compile(re.escape(rules.split("\n")[0]))
        wait_for("help window", lambda: window("dialog", "label", first_line))

    def quit_with_question(self):
        if self.args.input == "keys":
            self.keys("Escape")
        else:
            self.choose("E&xit")
        question = wait_for("question as an alert", alert)
        if not find(question, "label", self.t("Are you sure you want to abort the current game?")):
            raise Failure("the alert does not ask whether to abort the game")
        return question

    def play(self):
        self.start()
        self.win()
        note = wait_for("high score note as an alert", alert, step=0.05)
        print("note: %s" % note.name)
        wait_for("high score note to close", lambda: not alert())
        go = find(self.main, "push button", self.t("New game"))
        won = re.compile(self.t.pattern("You found %1 with guess %2, in %3.", ".*", ".*", ".*"))
        if go is None or not won.match(go.description):
            raise Failure("the go button does not tell the win")
        self.bus.press(go)
        wait_for("a new game", lambda: find(self.main, "push button", self.t("Drop the guess")))
        self.guess(self.words[-1])
        if self.args.input == "text":
            self.open_help()  # where the window system alone places it
        question = self.quit_with_question()
        self.bus.press(find(question, "push button", self.t.label("&No")))
        wait_for("the question to close", lambda: not alert())
        if program() is None or not self.rows():
            raise Failure("No did not keep the game")
        self.bus.press(find(self.quit_with_question(), "push button", self.t.label("&Yes")))
        wait_for("the program to end", lambda: program() is None)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--words", required=True)
    parser.add_argument("--name", required=True)
    parser.add_argument("--input", choices=("keys", "text"), required=True)
    parser.add_argument("--language", default="English")
    parser.add_argument("--catalog")
    try:
        Player(parser.parse_args()).play()
    except Failure as failure:
        print("by ear: %s" % failure, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
