#include "app/stale_input.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>

namespace {

class InputDropper : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) break;
        // An accepted override keeps a menu shortcut from firing for the dropped key.
        event->accept();
        return true;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
        if (event->spontaneous()) return true;
        break;
      default:
        break;
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

void dropQueuedInput() {
  InputDropper dropper;
  QCoreApplication::instance()->installEventFilter(&dropper);
  QCoreApplication::processEvents();
  QCoreApplication::instance()->removeEventFilter(&dropper);
}
