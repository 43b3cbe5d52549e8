#!/usr/bin/python3
"""Times the selection window's batch operations while a screen reader listens.

Acts as Orca does: listens to the events Orca listens to, queues them and, for
each, reads its source's name, role, child count and a few children (for a
list, its selected row and the first visible rows), keeping the accessibles it
met. Drives the program through the accessibility bus: loads LOG, focuses the
lists, then presses "Tri par call", "Tout sélectionner" and "Tri bureau" and
prints, for each, the time until the program answers with the new rows and the
time until the event stream has drained.

Run by a11y_bench.sh under xvfb-run; arguments: LOG QSO_COUNT [--read-all].
--read-all reads every row of a list whenever an event comes from it (a
client that walks whole lists, far greedier than Orca)."""
import collections
import os
import sys
import time

import pyatspi
from gi.repository import GLib

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'e2e'))
from program_on_bus import application  # noqa: E402

LOG, COUNT = sys.argv[1], int(sys.argv[2])
READ_ALL = '--read-all' in sys.argv[3:]
VERBOSE = bool(os.environ.get('A11Y_BENCH_VERBOSE'))  # each event to stderr
QUIET = 1.5  # seconds without events that end a drain
EVENTS = ['focus:', 'window:activate', 'object:children-changed', 'object:state-changed',
          'object:active-descendant-changed', 'object:selection-changed',
          'object:property-change', 'object:text-changed', 'object:text-caret-moved',
          'object:text-selection-changed', 'object:visible-data-changed',
          'object:row-inserted', 'object:row-deleted', 'object:row-reordered',
          'object:model-changed', 'object:value-changed']
LIST_ROLES = ('list', 'table', 'tree table', 'tree')


class ScreenReader:
    """An event queue emptied outside the callback, as Orca does: libatspi may
    deliver events while a query waits for its answer."""

    def __init__(self):
        self.queue = collections.deque()
        self.seen = {}  # accessibles met, as a screen reader caches them
        self.handled = 0
        self.failed = 0
        self.last_event = time.monotonic()
        self.kinds = collections.Counter()
        pyatspi.Registry.registerEventListener(self.queue.append, *EVENTS)

    def pump(self):
        """Runs the main loop once and handles what arrived; false when idle."""
        GLib.MainContext.default().iteration(False)
        if not self.queue:
            return False
        while self.queue:
            self.handle(self.queue.popleft())
        return True

    def handle(self, event):
        self.handled += 1
        self.kinds[event.type.split(':')[1] if ':' in event.type else event.type] += 1
        self.last_event = time.monotonic()
        try:
            self.read(event.source)
        except Exception:
            self.failed += 1
        if VERBOSE:
            print(f'{self.last_event:.3f} {event.type} {event.detail1} {event.detail2}',
                  file=sys.stderr)

    def read(self, node):
        name, role, children = node.name, node.getRoleName(), node.childCount
        self.seen[(role, name)] = node
        if role in LIST_ROLES:
            self.read_list(node, children)
            return
        for i in range(min(children, 3)):
            child = node.getChildAtIndex(i)
            if child is not None:
                _ = (child.name, child.getRoleName())

    def read_list(self, view, rows):
        # The row that has the keyboard, then what is on screen.
        try:
            selection = view.querySelection()
            for i in range(min(selection.nSelectedChildren, 2)):
                row = selection.getSelectedChild(i)
                _ = (row.name, row.getRoleName(), row.getState())
        except NotImplementedError:
            pass
        for i in range(rows if READ_ALL else min(rows, 12)):
            row = view.getChildAtIndex(i)
            if row is None:
                continue
            _ = (row.name, row.getState())
            if i < 12:
                self.seen[('row', i, id(view))] = row

    def drain(self, since=0.0):
        """Handles events until none has come for QUIET seconds (counted from
        `since` at the earliest); returns when the last one was handled."""
        while time.monotonic() - max(self.last_event, since) < QUIET:
            if not self.pump():
                time.sleep(0.01)
        return self.last_event


def walk(node):
    """The controls under node; the rows of lists are left out: a whole list
    of QSOs is far too long to walk."""
    yield node
    if node.getRoleName() in LIST_ROLES:
        return
    for child in node:
        if child is not None:
            yield from walk(child)


def find(reader, role, names, within=None, timeout=30, required=True):
    names = (names,) if isinstance(names, str) or names is None else names
    end = time.time() + timeout
    while time.time() < end:
        for node in walk(within or application()):
            try:
                if node.getRoleName() == role and (names == (None,) or node.name in names) and \
                        node.getState().contains(pyatspi.STATE_SHOWING):
                    return node
            except Exception:
                continue
        reader.pump()
        time.sleep(0.2)
    if required:
        raise SystemExit(f'no {role} {names} on screen')
    return None


def press(button):
    action = button.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == 'Press':
            action.doAction(i)
            return
    raise SystemExit(f'"{button.name}" cannot be pressed')


def answered(condition):
    """Asks until the program answers with the new state; a busy program keeps
    a query waiting (or lets it time out, and it is asked again)."""
    while True:
        try:
            if condition():
                return time.monotonic()
        except Exception:
            pass
        time.sleep(0.005)


def first_row(view):
    return view.getChildAtIndex(0).name if view.childCount > 0 else None


def measure(reader, label, button, done):
    reader.drain()
    handled, failed = reader.handled, reader.failed
    reader.kinds.clear()
    start = time.monotonic()
    press(button)
    # The button stays down until the click is handed to the window, which
    # then answers nothing until the operation is over.
    answer = answered(lambda: not button.getState().contains(pyatspi.STATE_PRESSED) and done()) \
        - start
    drained = reader.drain(since=time.monotonic()) - start
    kinds = ', '.join(f'{k} {n}' for k, n in reader.kinds.most_common(4))
    print(f'{label:<20} {COUNT:>7} QSOs  answers after {answer:6.2f} s  events drained after '
          f'{max(drained, answer):6.2f} s  ({reader.handled - handled} events: {kinds}; '
          f'{reader.failed - failed} unreadable)', flush=True)


def focus(reader, view):
    """Tabs to the list, as a screen reader user does."""
    view.queryComponent().grabFocus()
    for _ in range(20):
        reader.drain(since=time.monotonic() - QUIET + 0.3)
        if view.getState().contains(pyatspi.STATE_FOCUSED):
            reader.drain(since=time.monotonic())
            return
        pyatspi.Registry.generateKeyboardEvent(0xff09, None, pyatspi.KEY_SYM)  # Tab
    print(f'warning: "{view.name}" did not take the focus', flush=True)


def main():
    reader = ScreenReader()
    find(reader, 'text', 'Indicatif de la station').queryEditableText().setTextContents('F9XQA')
    press(find(reader, 'push button', 'Selectionnez'))
    dialog = find(reader, 'dialog', None)
    find(reader, 'text', ('Nom de fichier :', 'File name:'), dialog).queryEditableText() \
        .setTextContents(LOG)
    press(find(reader, 'push button', ('Ouvrir', 'Open'), dialog))
    qsos = find(reader, 'list', 'Liste des QSO', timeout=120)
    printed = find(reader, 'list', 'QSO sélectionnés')
    answered(lambda: qsos.childCount == COUNT)
    focus(reader, qsos)
    print(f'selection window shown with {qsos.childCount} QSOs, {reader.handled} events so far; '
          f'Orca-like client '
          f'{"reading whole lists" if READ_ALL else "reading focus and visible rows"}',
          flush=True)

    before = first_row(qsos)
    measure(reader, 'Tri par call', find(reader, 'push button', 'Tri par call'),
            lambda: first_row(qsos) != before)
    focus(reader, qsos)
    measure(reader, 'Tout sélectionner', find(reader, 'push button', 'Tout sélectionner'),
            lambda: qsos.childCount == 0 and printed.childCount == COUNT)
    focus(reader, printed)
    bureau = find(reader, 'push button', 'Tri bureau', timeout=2, required=False)
    if bureau is None:
        print('Tri bureau: no such button in this build', flush=True)
        return
    measure(reader, 'Tri bureau', bureau, lambda: printed.childCount == COUNT)


main()
