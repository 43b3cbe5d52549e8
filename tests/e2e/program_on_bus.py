"""The program as the accessibility bus shows it."""
import time

import pyatspi


def application(timeout=30):
    """The program's accessible application, once it has appeared on the bus."""
    end = time.time() + timeout
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == 'Quenor_Etiquettes':
                return app
        time.sleep(0.3)
    raise SystemExit('the program did not appear on the accessibility bus')
