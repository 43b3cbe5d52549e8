#!/usr/bin/python3
"""Drives the real program through the desktop accessibility bus, as a person would:
loads a log, picks QSOs, prints labels and cards to PDF files through the print dialog.
Run by run_e2e.sh under xvfb-run; arguments: LOG TEMPLATE OUTPUT_FOLDER."""
import os
import subprocess
import sys
import time

import pyatspi

from program_on_bus import application

LOG, TEMPLATE, OUT = sys.argv[1], sys.argv[2], sys.argv[3]


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
    dialog = window('dialog', None)
    # Qt's own texts are in French too.
    find('push button', 'Annuler', dialog)
    shot('file_dialog')
    type_into(find('text', 'Nom de fichier :', dialog), path)
    press(button, dialog)


def shot(name):
    """A picture of the whole screen into $E2E_SCREENSHOTS, when set (needs scrot)."""
    folder = os.environ.get('E2E_SCREENSHOTS')
    if folder:
        time.sleep(0.7)
        subprocess.run(['scrot', '-o', os.path.join(folder, name + '.png')], check=False)


def text_of(node):
    return node.queryText().getText(0, -1)


def key(name):
    """Presses and releases one key, as on the keyboard, in whatever has the focus."""
    code = {'Return': 0xff0d}[name]
    pyatspi.Registry.generateKeyboardEvent(code, None, pyatspi.KEY_SYM)
    time.sleep(0.5)


def type_keys(text):
    pyatspi.Registry.generateKeyboardEvent(0, text, pyatspi.KEY_STRING)
    time.sleep(0.5)


def wait_until(condition, what, timeout=10):
    end = time.time() + timeout
    while time.time() < end:
        if condition():
            return
        time.sleep(0.2)
    dump(application())
    raise SystemExit(what)


def rows_of(list_name):
    view = find('list', list_name)
    return view, [item for item in view if item is not None and item.getRoleName() == 'list item']


def print_to_pdf(pdf):
    dialog = find('dialog', 'Imprimer')
    # Choose "Imprimer dans un fichier (PDF)" in the printer list, with the mouse.
    to_file = 'Imprimer dans un fichier (PDF)'
    printers = find('combo box', None, find('panel', 'Imprimante', dialog))
    if to_file not in printers.name:
        click(printers)
        entry = None
        for node in walk(printers):
            try:
                if node.getRoleName() == 'list item' and to_file in node.name:
                    entry = node
            except Exception:
                continue
        if entry is None:
            dump(dialog)
            raise SystemExit(f'no "{to_file}" in the print dialog')
        click(entry)
    if to_file not in printers.name:
        dump(dialog)
        raise SystemExit(f'the print dialog did not switch to "{to_file}"')
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
    shot('print_dialog_' + os.path.basename(pdf)[:-4])
    press('Imprimer', dialog)


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


def file_state(path):
    status = os.stat(path)
    return status.st_size, status.st_mtime_ns


def questions():
    """The message boxes on screen, each with its text."""
    found = []
    for node in walk(application()):
        try:
            if node.getRoleName() in ('alert', 'dialog') and \
                    node.getState().contains(pyatspi.STATE_SHOWING):
                labels = [n.name for n in walk(node) if n.getRoleName() == 'label']
                found.append((node, labels))
        except Exception:
            continue
    return found


def answer_question(text, button, containing=None, timeout=15):
    """Presses `button` in the message box showing `text` (or a text holding `containing`)."""
    end = time.time() + timeout
    while time.time() < end:
        for node, labels in questions():
            if any(label == text or (containing and containing in label) for label in labels):
                press(button, node)
                time.sleep(0.5)
                return
        time.sleep(0.3)
    dump(application())
    raise SystemExit(f'no question "{text or containing}" on screen')


def expect_no_question(seconds):
    time.sleep(seconds)
    shown = [labels for node, labels in questions() if labels]
    if shown:
        raise SystemExit(f'unexpected question: {shown}')


# Start-up window: the callsign, then "Selectionnez" and the log in the file dialog.
callsign = find('text', 'Indicatif de la station')
type_into(callsign, 'F9XQA')
press('Selectionnez')
answer_file_dialog(LOG, 'Ouvrir')

# Selection window: pick a row with the mouse, one with the keyboard, then all the others.
view, rows = rows_of('Liste des QSO')
assert len(rows) == 3, f'{len(rows)} rows in the QSO list'
click(rows[0])
view, rows = rows_of('Liste des QSO')
assert len(rows) == 2, f'{len(rows)} rows left after a click'
view.queryComponent().grabFocus()
time.sleep(0.5)
key('Return')
wait_until(lambda: len(rows_of('Liste des QSO')[1]) == 1, 'Enter on a row did not move it')
shot('selection')
press('Tout sélectionner')
press('Imprimer étiquettes')

# Enter in an empty "N°de l'activité": its message, then the keyboard is back in that box.
number = find('text', "N°de l'activité")
click(number)
key('Return')
find('label', "Numero de l'activité obligatoire")
shot('message')
key('Return')  # the message's OK button
type_keys('dfcf')
wait_until(lambda: text_of(number) == 'DFCF',
           f'typing after the message went elsewhere: box "{text_of(number)}", '
           f'callsign "{text_of(callsign)}"')
assert text_of(callsign) == 'F9XQA', f'the callsign box changed to "{text_of(callsign)}"'
shot('label_options')

# Label options: format AVERY L7162, print to a PDF file through the print dialog.
formats = find('radio button', 'AVERY L7162                 99.1 x 33.9     16 Etiquettes')
formats.queryAction().doAction(0)
press('Imprimer les étiquettes')
labels_pdf = os.path.join(OUT, 'labels.pdf')
print_to_pdf(labels_pdf)
wait_for_file(labels_pdf)
answer_question('Marquer les 3 QSO imprimés comme envoyés ?', 'Non')
written = file_state(labels_pdf)

# "Annuler" in the print dialog: nothing printed, nothing written, nothing asked.
press('Imprimer les étiquettes')
press('Annuler', find('dialog', 'Imprimer'))
expect_no_question(3)
proposed = os.path.splitext(LOG)[0] + '-etiquettes.pdf'
assert not os.path.exists(proposed), f'a cancelled print wrote {proposed}'
assert file_state(labels_pdf) == written, 'a cancelled print changed labels.pdf'

# Stopped at the end of the first of two sheets (the last label of a used sheet first):
# the older PDF stays as it was and the operator is told nothing was written.
find('check box', 'Arret impression a chaque feuille').queryAction().doAction(0)
find('spin button', 'Première étiquette').queryValue().currentValue = 16
press('Imprimer les étiquettes')
print_to_pdf(labels_pdf)
answer_question(None, 'Oui', 'existe')  # the print dialog's own question, asked once
answer_question(None, 'Non', 'suivante')
answer_question('Impression arrêtée : aucun fichier n\'est écrit.', 'OK')
expect_no_question(2)
assert file_state(labels_pdf) == written, 'a stopped print changed labels.pdf'
find('check box', 'Arret impression a chaque feuille').queryAction().doAction(0)

# Cards: "Impression directe sur QSL", the card window, a template loaded in the editor.
find('radio button', 'Impression directe sur QSL ').queryAction().doAction(0)
press('Imprimer les étiquettes')
shot('card_print')
press('Setup_QSL')
press('Modeles de QSL')
answer_file_dialog(TEMPLATE, 'Ouvrir')
find('text', 'Ligne 1 : texte')
shot('layout_editor')
# The card window prints with the template the editor opened, without asking for it, and names it.
press('Impression de la QSL')
cards_pdf = os.path.join(OUT, 'cards.pdf')
print_to_pdf(cards_pdf)
wait_for_file(cards_pdf)
find('label', 'Modèle : ' + TEMPLATE)
print('driven to the end')
