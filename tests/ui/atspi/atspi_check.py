#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Drives Lumora's birth-data forms and the Vedic result over the accessibility bus
(AT-SPI), as a screen reader sees them, and checks what it would announce:

  - every list of both person panels is named for what it is ("Birth Month"), never by
    its current entry ("January"), and gives that entry as its text;
  - the clock line under the zone says the clock it shows, after a place is chosen;
  - "TZ Help" is one push button with a press action and one Tab stop, and pressing it
    opens the time-zone picker with the keyboard in its list;
  - the Guna Milan table of a match reads row by row: each row's title, then its five
    values, each named with its koota and column ("Varna, points obtained, 1");
  - the Western report, after a run, is announced as a window with its title;
  - the Settings dialog's lists (ayanamsa, lunar node, koota tables, the method a match
    opens on) are named for what they choose and give the chosen entry as their text.

Run by run_atspi_check.sh inside Xvfb and a private D-Bus session:
    atspi_check.py PATH/TO/lumora
Exits 0 when every check holds, 1 with the failed checks listed otherwise.
"""

import os
import re
import subprocess
import sys
import time

import pyatspi

TAB_KEYSYM = 0xFF09
WAIT_SECONDS = 20
# The program's first appearance on the bus: on a busy two-core machine, with the other
# tests running beside this one, start-up alone can take longer than any later step.
START_SECONDS = 90

# The lists of one person panel and what each must be called, per form and panel.
VEDIC_LISTS = ["Birth Day", "Birth Month", "Birth Year", "Hour", "Minute", "Second"]
FORMS = [
    {
        "button": "Vedic Astrology Compatibility",
        "settings": True,
        "panels": {"Boy's Details": VEDIC_LISTS, "Girl's Details": VEDIC_LISTS},
    },
    {
        "button": "Western Astrology  Compatibility",
        "panels": {
            "Male": VEDIC_LISTS + ["Time Zone"],
            "Female": VEDIC_LISTS + ["Time Zone"],
        },
    },
]
# The entry each list starts with, which a screen reader must hear along with its name.
LIST_PRESETS = {"Birth Day": "1", "Birth Month": "January", "Birth Year": "1901", "Hour": "0",
                "Minute": "0", "Second": "0"}
CLOCK_LINE = "Clock of the birth place"
# Lists that are part of a panel but only shown for a repeated hour.
HIDDEN_LISTS = {"Which reading of the repeated hour"}
TZ_HELP = "TZ Help: pick a time zone"
# What the Western run is given, per field, for both persons; the lists keep their presets.
WESTERN_ENTRIES = {"Name": "Arun", "City": "Pune", "State": "Maharashtra", "Country": "India",
                   "Latitude degrees": "18", "Latitude minutes": "31",
                   "Longitude degrees": "73", "Longitude minutes": "51"}
WESTERN_REPORT = "Lumo Penrow Software v2.0"
# The lists of the Settings dialog and the entry each shows on a first start.
# The language list gives its language in that language's own words; the program runs in
# the C locale here, so the windows speak English.
SETTINGS_LISTS = {"Language": "English",
                  "Ayanamsa": "Standard (the program's own)", "Lunar node": "Mean",
                  "Koota tables": "Specified (the program's own tables)",
                  "Match method the result opens on": "Ashta-koota (Guna Milan)"}
# How a window with a title bar is announced (a filler or panel is not a window).
WINDOW_ROLES = (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW)

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def wait_for(find, what, seconds=WAIT_SECONDS):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.1)
    raise TimeoutError("no " + what + " on the accessibility bus")


def descendants(node, depth=0):
    """Every object under node, without descending into list popups (their entries)."""
    for child in node:
        if child is None:
            continue
        yield child
        if child.getRole() not in (pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST) and depth < 12:
            yield from descendants(child, depth + 1)


def find(node, role, name):
    for item in descendants(node):
        if item.getRole() == role and item.name == name:
            return item
    return None


def action_names(node):
    action = node.queryAction()
    return [action.getName(i).lower() for i in range(action.nActions)]


def do_action(node, names):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in names:
            action.doAction(i)
            return True
    return False


def focused(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


def press_tab():
    pyatspi.Registry.generateKeyboardEvent(TAB_KEYSYM, None, pyatspi.KEY_SYM)


def focus_window(title):
    """Gives the X window with the title the keyboard, as a window manager would on a
    click: without one, no window of the program is active and keys reach no widget."""
    subprocess.run(["xdotool", "search", "--name", "^" + re.escape(title) + "$", "windowfocus",
                    "--sync"], check=True, timeout=WAIT_SECONDS)


def find_application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Lumora":
            return app
    return None


def current_entry(node):
    """The entry a list shows, as a screen reader reads it: the list's text."""
    try:
        text = node.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, text.characterCount)


def check_lists(panel_node, panel_name, expected):
    lists = [n for n in descendants(panel_node) if n.getRole() == pyatspi.ROLE_COMBO_BOX]
    shown = [n for n in lists if n.name not in HIDDEN_LISTS]
    names = [n.name for n in shown]
    check(sorted(names) == sorted(expected),
          f"{panel_name}: lists announced as {names}, expected {expected}")
    # Each list also gives its current entry: the form's preset, or for the zone list the
    # first row of the table.
    for node in shown:
        entry = current_entry(node)
        wanted = LIST_PRESETS.get(node.name)
        if wanted is None:
            check(bool(entry), f"{panel_name}: list {node.name!r} gives no current entry")
        else:
            check(entry == wanted,
                  f"{panel_name}: list {node.name!r} gives the entry {entry!r}, not {wanted!r}")


def check_clock_line(app, form_node):
    """The clock line under a zone says what it shows, not only what it is."""
    panel = find(form_node, pyatspi.ROLE_PANEL, "Boy's Details")
    city = find(panel, pyatspi.ROLE_TEXT, "City") if panel else None
    if not check(city is not None, "no City box in the boy's panel"):
        return
    browse = find(panel, pyatspi.ROLE_PUSH_BUTTON, "Find latitude and longitude")
    if not check(browse is not None, "no place search button"):
        return
    city.queryEditableText().setTextContents("Pune")
    do_action(browse, ("press", "click"))

    # The place search opens with the places of the query, the first one chosen.
    def use_place():
        for top in app:
            found = find(top, pyatspi.ROLE_PUSH_BUTTON, "Use this place") if top else None
            if found is not None:
                return found
        return None

    try:
        use = wait_for(use_place, "place search with its 'Use this place' button")
    except TimeoutError as error:
        check(False, str(error))
        return
    # The atlas may still be loading: the list fills once it can be searched.
    def places_listed():
        for top in app:
            found = find(top, pyatspi.ROLE_LIST, "Places found") if top is not None else None
            if found is not None and found.childCount > 0:
                return found
        return None

    try:
        wait_for(places_listed, "places listed by the place search", START_SECONDS)
    except TimeoutError as error:
        check(False, str(error))
        return
    if not check(do_action(use, ("press", "click")), "'Use this place' could not be pressed"):
        return

    def clock_said():
        for node in descendants(panel):
            if node.getRole() == pyatspi.ROLE_LABEL and \
                    (node.name or "").startswith(CLOCK_LINE + ": Asia/Kolkata"):
                return node
        return None

    try:
        wait_for(clock_said, "clock line read as '" + CLOCK_LINE + ": Asia/Kolkata, ...'",
                 START_SECONDS)
    except TimeoutError as error:
        check(False, str(error))


def check_time_zone_help(app, window, form_node):
    for panel_name in ("Boy's Details", "Girl's Details"):
        panel = find(form_node, pyatspi.ROLE_PANEL, panel_name)
        help_button = find(panel, pyatspi.ROLE_PUSH_BUTTON, TZ_HELP)
        if not check(help_button is not None, f"{panel_name}: no push button {TZ_HELP!r}"):
            continue
        check(any(n in ("press", "click") for n in action_names(help_button)),
              f"{panel_name}: TZ Help offers {action_names(help_button)}, no press action")
        check(help_button.getState().contains(pyatspi.STATE_FOCUSABLE),
              f"{panel_name}: TZ Help takes no focus")

    # One Tab stop: from the boy's DST box, Tab reaches TZ Help and the next Tab leaves it
    # for the girl's name (the reading list between them is hidden).
    boy = find(form_node, pyatspi.ROLE_PANEL, "Boy's Details")
    girl = find(form_node, pyatspi.ROLE_PANEL, "Girl's Details")
    dst = find(boy, pyatspi.ROLE_CHECK_BOX, "Daylight saving time")
    help_button = find(boy, pyatspi.ROLE_PUSH_BUTTON, TZ_HELP)
    girl_name = find(girl, pyatspi.ROLE_TEXT, "Name")
    if None in (dst, help_button, girl_name):
        return
    focus_window(window.name)
    dst.queryComponent().grabFocus()
    wait_for(lambda: focused(dst), "focus on the DST box")
    press_tab()
    try:
        wait_for(lambda: focused(help_button), "focus on TZ Help after one Tab")
    except TimeoutError as error:
        check(False, str(error))
    press_tab()
    try:
        wait_for(lambda: focused(girl_name), "focus on the girl's name after TZ Help")
    except TimeoutError as error:
        check(False, f"{error}: TZ Help takes more than one Tab stop")

    # Pressed through the bus, it opens the picker with the keyboard in its list.
    check(do_action(help_button, ("press", "click")), "TZ Help could not be pressed")

    # The picker may be a window of its own or a window inside the main window.
    def picker_list():
        for top in app:
            for node in descendants(top) if top is not None else ():
                if node.getRole() == pyatspi.ROLE_LIST and focused(node):
                    return node
        return None

    try:
        wait_for(picker_list, "time-zone picker with a focused list")
    except TimeoutError as error:
        check(False, str(error))


def confirm_untouched_dates(app):
    """The entries keep their first dates, which the program asks about before a test:
    each question (one per person) is answered Yes, as a user who means it would."""
    for _ in range(2):
        def yes_button():
            for top in app:
                found = find(top, pyatspi.ROLE_PUSH_BUTTON, "Yes") if top is not None else None
                if found is not None:
                    return found
            return None
        try:
            button = wait_for(yes_button, "question about the untouched birth date", 8)
        except TimeoutError:
            return
        do_action(button, ("press", "click"))
        time.sleep(0.5)


def check_western_report(app, form_node, panels):
    for panel_name in panels:
        panel = find(form_node, pyatspi.ROLE_PANEL, panel_name)
        for field, text in WESTERN_ENTRIES.items():
            node = find(panel, pyatspi.ROLE_TEXT, field) if panel else None
            if check(node is not None, f"{panel_name}: no text field {field!r}"):
                node.queryEditableText().setTextContents(text)
    run = find(form_node, pyatspi.ROLE_PUSH_BUTTON, "Analyze Compatibility")
    if not check(run is not None, "no Analyze Compatibility button"):
        return
    check(do_action(run, ("press", "click")), "Analyze Compatibility could not be pressed")
    confirm_untouched_dates(app)

    def report():
        for window in app:
            if window is None:
                continue
            for node in [window, *descendants(window)]:
                if node.getRole() in WINDOW_ROLES and node.name == WESTERN_REPORT:
                    return node
        return None

    try:
        wait_for(report, "Western report announced as a window named " + WESTERN_REPORT)
    except TimeoutError as error:
        check(False, str(error))

# The couple typed into the Vedic form for the Guna Milan check: the text boxes of both
# panels by accessible name; the lists keep their first entries.
COUPLE_TEXTS = {
    "Name": "Ravi", "City": "Pune", "State": "Maharashtra", "Country": "India",
    "Latitude degrees": "18", "Latitude minutes": "31", "Longitude degrees": "73",
    "Longitude minutes": "51", "Time Zone hours": "5", "Time Zone minutes": "30",
}
MATCH_BUTTON = "Match Kundali"
GRID_NAME = "Guna Milan table"
# Each row's title as the table shows it and the koota a screen reader names.
GRID_ROWS = [("VARNA", "Varna"), ("VASYA", "Vasya"), ("TARA", "Tara"), ("YONI", "Yoni"),
             ("MAITRI", "Graha Maitri"), ("GANA", "Gana"), ("RASHI", "Rashi"),
             ("NADI", "Nadi")]
GRID_COLUMNS = ["boy", "girl", "maximum points", "points obtained", "area of life"]


def find_deep(node, role, name, depth=0):
    """Like find, but through the deeper nesting of the result window's pages."""
    for child in node:
        if child is None:
            continue
        if child.getRole() == role and child.name == name:
            return child
        if child.getRole() not in (pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST) and depth < 24:
            found = find_deep(child, role, name, depth + 1)
            if found is not None:
                return found
    return None


def check_guna_milan_grid(app, form_node):
    """Matches a couple and reads the Guna Milan table as a screen reader walks it: each
    row's title, then its five values, each named with its koota and column."""
    for panel_name in ("Boy's Details", "Girl's Details"):
        panel = find(form_node, pyatspi.ROLE_PANEL, panel_name)
        for node in descendants(panel) if panel is not None else []:
            if node.getRole() == pyatspi.ROLE_TEXT and node.name in COUPLE_TEXTS:
                node.queryEditableText().setTextContents(COUPLE_TEXTS[node.name])
    match = find(form_node, pyatspi.ROLE_PUSH_BUTTON, MATCH_BUTTON)
    if not check(match is not None and do_action(match, ("press", "click")),
                 MATCH_BUTTON + " could not be pressed"):
        return
    confirm_untouched_dates(app)
    try:
        table = wait_for(lambda: next((t for w in app if w is not None
                                       for t in [find_deep(w, pyatspi.ROLE_FRAME, GRID_NAME)]
                                       if t is not None), None), GRID_NAME)
    except TimeoutError as error:
        check(False, str(error))
        return
    names = [child.name for child in table if child is not None]
    for title, koota in GRID_ROWS:
        if not check(title in names, f"Guna Milan: no row {title} among {names}"):
            continue
        at = names.index(title)
        for offset, column in enumerate(GRID_COLUMNS, 1):
            said = names[at + offset] if at + offset < len(names) else ""
            check(said.startswith(f"{koota}, {column}, "),
                  f"Guna Milan: after {title} a screen reader says {said!r}, "
                  f"not '{koota}, {column}, ...'")


def check_settings(app):
    """Opens Settings from the File menu (Alt+F, S) and reads its lists as a screen reader would:
    each by its name, with the chosen entry as its text; then closes it with Cancel."""
    # Chosen from the keyboard, as a user without a mouse would: the menu's action over the
    # bus would not answer until the dialog closes.
    main = wait_for(lambda: next((w for w in app if w is not None
                                  and w.getRole() in WINDOW_ROLES
                                  and find(w, pyatspi.ROLE_MENU_ITEM, "File") is not None),
                                 None), "main window with a File menu")
    focus_window(main.name)
    for keys in ("alt+f", "s"):
        subprocess.run(["xdotool", "key", keys], check=True, timeout=WAIT_SECONDS)
        time.sleep(0.3)

    def dialog():
        for top in app:
            if top is not None and top.name.startswith("Settings") and \
                    find(top, pyatspi.ROLE_COMBO_BOX, "Ayanamsa") is not None:
                return top
        return None

    window = wait_for(dialog, "Settings dialog with an Ayanamsa list")
    lists = {n.name: n for n in descendants(window) if n.getRole() == pyatspi.ROLE_COMBO_BOX}
    for name, entry in SETTINGS_LISTS.items():
        node = lists.get(name)
        if check(node is not None, f"Settings: no list {name!r} among {sorted(lists)}"):
            said = current_entry(node)
            check(said == entry, f"Settings: list {name!r} gives {said!r}, not {entry!r}")
    cancel = find(window, pyatspi.ROLE_PUSH_BUTTON, "Cancel")
    if check(cancel is not None, "Settings: no Cancel button"):
        do_action(cancel, ("press", "click"))
        wait_for(lambda: dialog() is None, "Settings dialog closing on Cancel")


def run_form(exe, form):
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               LC_ALL="C.UTF-8", LANGUAGE="")
    program = subprocess.Popen([exe], env=env)
    try:
        app = wait_for(find_application, "Lumora application", START_SECONDS)
        if form.get("settings"):
            try:
                check_settings(app)
            except TimeoutError as error:
                failures.append(str(error))
        button = wait_for(lambda: find(app, pyatspi.ROLE_PUSH_BUTTON, form["button"]),
                          form["button"] + " button")
        check(do_action(button, ("press", "click")), form["button"] + " could not be pressed")
        first_panel = next(iter(form["panels"]))
        # The form may be a window of its own or a window inside the main window.
        window = wait_for(lambda: next(
            (w for w in app if w is not None and find(w, pyatspi.ROLE_PANEL, first_panel)),
            None), "form with the panel " + first_panel)
        form_node = window
        for panel_name, expected in form["panels"].items():
            panel = find(form_node, pyatspi.ROLE_PANEL, panel_name)
            if check(panel is not None, "no panel " + panel_name):
                check_lists(panel, panel_name, expected)
        if "Boy's Details" in form["panels"]:
            # Each part reports its own time-out, so one that fails leaves the next to run.
            parts = (lambda: check_time_zone_help(app, window, form_node),
                     lambda: check_clock_line(app, form_node),
                     lambda: check_guna_milan_grid(app, form_node))
            for part in parts:
                try:
                    part()
                except TimeoutError as error:
                    failures.append(str(error))
        else:
            check_western_report(app, form_node, form["panels"])
    finally:
        program.terminate()
        try:
            program.wait(timeout=10)
        except subprocess.TimeoutExpired:
            program.kill()


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    for form in FORMS:
        try:
            run_form(sys.argv[1], form)
        except TimeoutError as error:
            failures.append(str(error))
    for failure in failures:
        print("FAIL:", failure)
    print("atspi_check:", "passed" if not failures else f"{len(failures)} failed")
    return 0 if not failures else 1


if __name__ == "__main__":
    sys.exit(main())
