"""A screen reader's view of a typed consultation: Quintrela is found on the
accessibility bus, a consultation is typed at the keyboard, and the client
checks what a screen reader would read and hear."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

MARCH = ("Março de 2001. Última menstruação informada: dia 1. Próxima menstruação: dia 28. "
         "Ápice da ovulação: dia 14. Dias de alto risco: 12, 13, 15 e 16. "
         "Dias de baixo risco: 2, 3, 26, 27, 29 e 30.")
# Said with the month after the consultation, once: what her history says.
HISTORY = "Ainda não há ciclos suficientes para uma previsão pela sua história."
heard = []  # (role, name) of every object shown while the client listens


def on_showing(event):
    if event.detail1:
        try:
            heard.append((event.source.getRoleName(), event.source.name))
        except Exception:
            pass


def pump(seconds, until=lambda: False):
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while time.time() < end and not until():
        while context.iteration(False):
            pass
        time.sleep(0.02)
    return until()


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def tree(node):
    yield node
    for child in node:
        if child is not None:
            yield from tree(child)


def find(root, role, name=None, description=None):
    for node in tree(root):
        if node.getRoleName() == role and (name is None or node.name == name) \
                and (description is None or node.description == description):
            return node
    return None


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Quintrela":
            return app
    return None


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def main():
    if not pump(20, lambda: application() is not None):
        fail("Quintrela never appeared on the accessibility bus")
    app = application()
    window = find(app, "frame")
    if window is None or not window.name.startswith("Quintrela Eletrônica"):
        fail("no frame for the main window")
    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")

    # The fields, named by their captions, as focus would read them.
    for role, name in (("combo box", "Digite o seu nome abaixo:"), ("text", "Última Menstruação:"),
                       ("text", "Período:")):
        if find(window, role, name) is None:
            fail("no %s named %r" % (role, name))

    # A consultation typed as a user types it: name, Tab, date, Tab, cycle, Enter.
    wid = subprocess.run(["xdotool", "search", "--sync", "--name", "Quintrela Eletr"],
                         check=True, capture_output=True, text=True).stdout.split()[0]
    xdotool("windowfocus", "--sync", wid)
    xdotool("type", "--delay", "30", "Maria")
    xdotool("key", "Tab")
    xdotool("type", "--delay", "30", "01/03/2001")
    xdotool("key", "Tab")
    xdotool("type", "--delay", "30", "28")
    xdotool("key", "Return")

    # The new name is offered for remembering: answered yes, as a screen reader presses it.
    if not pump(10, lambda: find(app, "push button", "Sim") is not None):
        fail("the question to remember the name never came")
    find(app, "push button", "Sim").queryAction().doAction(0)

    if not pump(10, lambda: any(role == "notification" and name == MARCH + " " + HISTORY for role, name in heard)):
        fail("the month was not announced; heard: %r" % heard)
    calendar = find(window, "panel", "Calendário")
    if calendar is None or not calendar.description.startswith(MARCH):
        fail("calendar description: %r" % (calendar and calendar.description))
    peak = find(calendar, "list item", "quarta-feira, 14 de março de 2001: ápice da ovulação")
    if peak is None:
        fail("day 14 does not say it is the ovulation peak")
    print("day 14:", peak.name)
    start = find(calendar, "list item", "quarta-feira, 28 de março de 2001: próxima menstruação")
    if start is None:
        fail("day 28 does not say it is the next menstruation")
    legend = find(window, "image", "Ápice da Ovulação")  # one object: the coloured box
    if legend is None or not legend.getState().contains(pyatspi.STATE_SHOWING):
        fail("the legend is not showing after the consultation")
    for node in tree(window):
        if node.getRoleName() == "label" and node.name.startswith("A Quintrela não é um método"):
            if node.getState().contains(pyatspi.STATE_SHOWING):
                fail("the notice still says it is showing")

    # A month step is announced too (no window manager gives the focus back
    # after the question, so the client does).
    xdotool("windowfocus", "--sync", wid)
    xdotool("key", "Next")
    if not pump(10, lambda: any(role == "notification" and name.startswith("Abril de 2001.")
                                for role, name in heard)):
        fail("the month step was not announced; heard: %r" % heard)
    if sum(HISTORY in name for role, name in heard if role == "notification") != 1:
        fail("what her history says was not announced once; heard: %r" % heard)
    print("heard:", [name for role, name in heard if role == "notification"])

    # Her history, as the tree gives it: a dialog, a table with its headers
    # and her date in a cell, a chart that says its lengths in words.
    xdotool("key", "ctrl+h")
    if not pump(10, lambda: find(app, "dialog", "Histórico de Maria") is not None):
        fail("no Histórico dialog")
    history = find(app, "dialog", "Histórico de Maria")
    table = find(history, "table", "Datas do histórico")
    if table is None:
        fail("the dates are not a table")
    cells = table.queryTable()
    headers = [cells.getColumnDescription(c) for c in range(cells.nColumns)]
    if headers != ["Início da menstruação", "Ciclo", "Observação"] or cells.nRows != 1:
        fail("table: %d rows, headers %r" % (cells.nRows, headers))
    if cells.getAccessibleAt(0, 0).name != "01/03/2001" or cells.getAccessibleAt(0, 2).name != "ciclo atual":
        fail("the first row is not her date, the cycle going on")
    chart = find(history, "unknown", "Gráfico da duração dos ciclos") \
        or next((n for n in tree(history) if n.name == "Gráfico da duração dos ciclos"), None)
    if chart is None or not chart.description.startswith("Ainda não há ciclos completos"):
        fail("the chart says nothing: %r" % (chart and chart.description))
    print("history:", headers, "|", chart.description)
    print("PASS")


main()
