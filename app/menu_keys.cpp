#include "app/menu_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QProxyStyle>
#include <QShortcut>
#include <QStyleOptionMenuItem>

namespace {

// The widget styles of Linux desktops leave the lone Alt to the desktop; this one lets the
// menu bar take it, as it does under Windows.
class MenuKeyStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* answer) const override {
    if (hint == SH_MenuBar_AltKeyNavigation) return 1;
    return QProxyStyle::styleHint(hint, option, widget, answer);
  }

  // Some styles mark a caption only while its menu is open; the caption that has the keyboard
  // is marked the same way, or the player could not see where the arrows have led.
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuBarItem && item && (item->state & State_Selected) && widget &&
        widget->hasFocus()) {
      QStyleOptionMenuItem marked = *item;
      marked.state |= State_Sunken;
      return QProxyStyle::drawControl(element, &marked, painter, widget);
    }
    QProxyStyle::drawControl(element, option, painter, widget);
  }
};

// F10 does what a lone Alt does: the menu bar watches its window for the press and release of
// Alt with nothing in between.
void tapAlt(QWidget& window) {
  QKeyEvent press(QEvent::ShortcutOverride, Qt::Key_Alt, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &press);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &release);
}

}  // namespace

void enableMenuKeys(QMenuBar& bar) {
  auto* style = new MenuKeyStyle;
  style->setParent(&bar);
  bar.setStyle(style);
  QWidget* window = bar.window();
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), window);
  QObject::connect(f10, &QShortcut::activated, window, [window] { tapAlt(*window); });
}
