# SPDX-License-Identifier: GPL-3.0-or-later
"""Walks the program's window over the AT-SPI bus and goes part of a pupil's road
with it: names and roles as a screen reader reads them, a value bar moved from
the keyboard, the mechanism started with its button, the sensor's deviation in
words, and the program quit with "Quitter" and its question, so that it ends
as a pupil ends it (every object torn down in its order)."""
import subprocess
import sys
import time

import pyatspi

pid = int(sys.argv[1])
failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAIL:", what)


def wait_for(predicate, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        value = predicate()
        if value:
            return value
        time.sleep(0.2)
    return None


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            pass
    return None


def walk(node, found):
    try:
        found.append(node)
        for child in node:
            if child is not None:
                walk(child, found)
    except Exception:
        pass
    return found


def elements():
    app = application()
    return walk(app, []) if app else []


def named(name, role=None):
    for node in elements():
        if node.name == name and (role is None or node.getRoleName() == role):
            return node
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


app = wait_for(application)
check(app is not None, "the program is on the accessibility bus")
if app is None:
    sys.exit(1)
check(wait_for(lambda: named("Marche")) is not None, "the window's controls are on the bus")

# What a screen reader reads on the road: French names with fitting roles.
expected = [
    ("Marche", "push button"),
    ("Quitter", "push button"),
    ("Son", "check box"),
    ("Aide", "check box"),
    ("Vitesse", "slider"),
    ("Valeur réglée", "text"),
    ("Valeur consigne", "text"),
    ("Valeur réglée", "slider"),
    ("Enregistrement : Voie sensitive", "check box"),
    ("Réinitialiser les enregistrements", "push button"),
    ("Système de régulation", "text"),
]
nodes = [n for n in elements() if showing(n)]
for name, role in expected:
    check(any(n.name == name and n.getRoleName() == role for n in nodes)
          or any(n.name.startswith(name + " (") and n.getRoleName() == role for n in nodes),
          f'a {role} named "{name}" is shown')
unnamed = [n.getRoleName() for n in nodes
           if not n.name and n.getRoleName() in ("push button", "check box", "slider",
                                                 "scroll bar", "text", "image")]
check(not unnamed, f"every control and picture shown has a name (unnamed: {unnamed})")
# Nothing perturbs the value at start-up: the lightning is not drawn, and a
# screen reader must not announce it.
lightning = [n for n in elements() if n.name == "Perturbation" and n.getRoleName() == "image"]
check(len(lightning) == 2, f"the two lightning pictures are on the bus (found {len(lightning)})")
check(not any(showing(n) for n in lightning), "the lightning reads as not showing at start-up")
sensor = next((n for n in nodes if n.name.startswith("Capteur")), None)
check(sensor is not None and sensor.name.endswith(" : écart nul"),
      f"the sensor reads its deviation (read: {sensor.name if sensor else None})")

# The regulated-value bar moved from the keyboard: focus, then Home.
bar = next((n for n in nodes if n.getRoleName() == "slider"
            and n.name.startswith("Valeur réglée")), None)
check(bar is not None, "the regulated-value bar is a slider")
if bar is not None:
    # The window takes its first focus when it becomes active: ask again
    # until the bar holds it.
    def focus_bar():
        bar.queryComponent().grabFocus()
        time.sleep(0.3)
        return bar.getState().contains(pyatspi.STATE_FOCUSED)

    check(wait_for(focus_bar, 10), "the value bar takes the focus")
    subprocess.run(["xdotool", "key", "Home"], check=True)
    value = bar.queryValue()
    check(wait_for(lambda: value.currentValue == value.minimumValue, 5),
          "Home takes the value bar to its minimum")
    edit = next((n for n in elements() if n.getRoleName() == "text"
                 and n.name.startswith("Valeur réglée")), None)
    text = edit.queryText() if edit else None
    check(text is not None and text.getText(0, -1) == str(int(value.minimumValue)),
          "the regulated-value field follows the bar")

# Start the mechanism with its button: the sensor reports the deviation.
marche = named("Marche", "push button")
check(marche is not None, '"Marche" is a push button')
if marche is not None:
    marche.queryAction().doAction(0)
    reads = wait_for(lambda: next((n.name for n in elements()
                                   if n.name.startswith("Capteur")
                                   and "trop basse" in n.name), None), 10)
    check(reads is not None, "once running, the sensor says the value is too low")

# "Quitter", answered "Oui": the program ends of itself.
quitter = named("Quitter", "push button")
check(quitter is not None, '"Quitter" is a push button')
if quitter is not None:
    quitter.queryAction().doAction(0)
    oui = wait_for(lambda: named("Oui", "push button"), 10)
    check(oui is not None, '"Quitter" asks its question with "Oui"')
    if oui is not None:
        oui.queryAction().doAction(0)

print("accessibility bus:", "ok" if not failures else f"{len(failures)} failure(s)")
sys.exit(1 if failures else 0)
