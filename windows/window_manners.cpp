#include "windows/window_manners.h"

#include <QEvent>
#include <QKeySequence>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>

#include "settings/settings_store.h"
#include "settings/stored_setting.h"

namespace {

// Writes the window's size and place each time it is hidden (closed).
class PlacementWriter : public QObject {
  public:
    PlacementWriter(QWidget& window, SettingsStore& store) : QObject(&window), store_(store) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && watched == parent()) {
            const auto* window = static_cast<QWidget*>(watched);
            store_.write(StoredSettings::kWindowPlacement,
                         QString::fromLatin1(window->saveGeometry().toBase64()),
                         window->objectName());
        }
        return false;
    }

  private:
    SettingsStore& store_;
};

}  // namespace

void WindowManners::apply(QWidget& window, Kind kind, SettingsStore& store) {
    pressButtonsWithEnter(window);
    if (kind == Kind::DialogLike) {
        closeOnEscape(window);
    }
    keepPlacement(window, store);
}

// Outside a QDialog a focused push button ignores Enter unless it is an
// "auto default" one.
void WindowManners::pressButtonsWithEnter(QWidget& window) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        button->setAutoDefault(true);
    }
}

void WindowManners::closeOnEscape(QWidget& window) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, &window, &QWidget::close);
}

void WindowManners::keepPlacement(QWidget& window, SettingsStore& store) {
    const QString stored = store.read(StoredSettings::kWindowPlacement, window.objectName());
    if (!stored.isEmpty()) {
        window.restoreGeometry(QByteArray::fromBase64(stored.toLatin1()));
    }
    window.installEventFilter(new PlacementWriter(window, store));
}
