#pragma once

class QCoreApplication;
class QTranslator;

// Installs Qt's own French texts (standard buttons, file and print dialogs)
// from the translations the desktop ships, owned by `application`. Null when
// they are not installed: the program still runs, with Qt's English texts.
QTranslator* installFrenchQtTexts(QCoreApplication& application);
