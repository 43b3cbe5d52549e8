#!/usr/bin/python3
"""Drives the real program through the desktop accessibility bus, as a person would:
loads a log, picks QSOs, prints labels and cards to PDF files through the print dialog.
Run by run_e2e.sh under xvfb-run; arguments: LOG TEMPLATE OUTPUT_FOLDER."""
import os
import sys
import time

import pyatspi

LOG, TEMPLATE, OUT = sys.argv[1], sys.argv[2], sys.argv[3]


def application(timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == 'Quenor_Etiquettes':
                return app
        time.sleep(0.3)
    raise SystemExit('the program did not appear on the accessibility bus')


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def find(role, name=None, within=None, timeout=15, showing=True):
    end = time.time() + timeout
    while time.time() < end:
        for node in walk(within or application()):
            try:
                if node.getRoleName() != role or (name is not None and node.name != name):
                    continue
                if showing and not node.getState().contains(pyatspi.STATE_SHOWING):
                    continue
                return node
            except Exception:
                continue
        time.sleep(0.3)
    dump(within or application())
    raise SystemExit(f'no {role} "{name}" on screen')


def dump(node, depth=0):
    try:
        print('  ' * depth + f'[{node.getRoleName()}] {node.name!r}', file=sys.stderr)
    except Exception:
        return
    for child in node:
        if child is not None and depth < 14:
            dump(child, depth + 1)


def press(name, within=None):
    button = find('push button', name, within)
    end = time.time() + 10
    while not button.getState().contains(pyatspi.STATE_ENABLED) and time.time() < end:
        time.sleep(0.2)
    action = button.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == 'Press':
            action.doAction(i)
            return
    raise SystemExit(f'"{name}" cannot be pressed')


def type_into(node, text):
    node.queryEditableText().setTextContents(text)


def click(node):
    x, y, w, h = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + min(w // 2, 40), y + h // 2, 'b1c')
    time.sleep(0.5)


def window(role, name):
    return find(role, name)


def answer_file_dialog(path, button):
    dialog = window('dialog', None if button == 'Open' else None)
    type_into(find('text', 'File name:', dialog), path)
    press(button, dialog)


def rows_of(list_name):
    view = find('list', list_name)
    return view, [item for item in view if item is not None and item.getRoleName() == 'list item']


def print_to_pdf(pdf):
    dialog = find('dialog', 'Print')
    # Choose "Print to File (PDF)" in the printer list, with the mouse.
    printers = find('combo box', None, find('panel', 'Printer', dialog))
    if 'Print to File' not in printers.name:
        click(printers)
        entry = None
        for node in walk(printers):
            try:
                if node.getRoleName() == 'list item' and 'Print to File' in node.name:
                    entry = node
            except Exception:
                continue
        if entry is None:
            dump(dialog)
            raise SystemExit('no "Print to File (PDF)" in the print dialog')
        click(entry)
    if 'Print to File' not in printers.name:
        dump(dialog)
        raise SystemExit('the print dialog did not switch to "Print to File (PDF)"')
    output = None
    for node in walk(dialog):
        try:
            if node.getRoleName() == 'text' and node.getState().contains(pyatspi.STATE_EDITABLE) \
                    and node.getState().contains(pyatspi.STATE_SHOWING) and \
                    node.queryText().getText(0, -1).endswith('.pdf'):
                output = node
        except Exception:
            pass
    if output is None:
        dump(dialog)
        raise SystemExit('no output file box in the print dialog')
    type_into(output, pdf)
    press('Print', dialog)


def wait_for_file(path, timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        if os.path.exists(path) and os.path.getsize(path) > 0:
            time.sleep(1)
            return
        time.sleep(0.3)
    print(os.listdir(os.path.dirname(path)), file=sys.stderr)
    dump(application())
    raise SystemExit(f'{path} was not written')


# Start-up window: the callsign, then "Selectionnez" and the log in the file dialog.
type_into(find('text', 'Indicatif de la station'), 'F9XQA')
press('Selectionnez')
answer_file_dialog(LOG, 'Open')

# Selection window: pick two rows, then all the others.
view, rows = rows_of('Liste des QSO')
assert len(rows) == 3, f'{len(rows)} rows in the QSO list'
click(rows[0])
view, rows = rows_of('Liste des QSO')
click(rows[0])
view, rows = rows_of('Liste des QSO')
assert len(rows) == 1, f'{len(rows)} rows left after two picks'
press('Tout sélectionner')
press('Imprimer étiquettes')

# Label options: format AVERY L7162, print to a PDF file through the print dialog.
formats = find('radio button', 'AVERY L7162                 99.1 x 33.9     16 Etiquettes')
formats.queryAction().doAction(0)
press('Imprimer les étiquettes')
labels_pdf = os.path.join(OUT, 'labels.pdf')
print_to_pdf(labels_pdf)
wait_for_file(labels_pdf)

# Cards: "Impression directe sur QSL", the card window, a template loaded in the editor.
find('radio button', 'Impression directe sur QSL ').queryAction().doAction(0)
press('Imprimer les étiquettes')
press('Setup_QSL')
press('Modeles de QSL')
answer_file_dialog(TEMPLATE, 'Open')
find('text', 'T1')
press('Impression de la QSL')
answer_file_dialog(TEMPLATE, 'Open')
cards_pdf = os.path.join(OUT, 'cards.pdf')
print_to_pdf(cards_pdf)
wait_for_file(cards_pdf)
print('driven to the end')
