#include "app/font.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

namespace {

const QString FAMILY = QStringLiteral("IPAPMincho");
const QString FONT_FILE = QStringLiteral("/usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf");

}  // namespace

bool loadWindowFont() {
  if (QFontDatabase::families().contains(FAMILY)) return true;
  return QFontDatabase::addApplicationFont(FONT_FILE) >= 0;
}

QFont windowFont(double points, bool bold) {
  QFont font(FAMILY);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}
