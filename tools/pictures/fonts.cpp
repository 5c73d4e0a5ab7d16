// The IPA Mincho fonts, loaded from their files so the pictures never depend on what the
// machine's font configuration would pick as a fallback.
#include <QFontDatabase>
#include <QStringList>

#include "art.h"

namespace art {

namespace {

QString family(const QStringList& files) {
  for (const QString& file : files) {
    const int id = QFontDatabase::addApplicationFont(file);
    if (id >= 0) {
      const QStringList families = QFontDatabase::applicationFontFamilies(id);
      if (!families.isEmpty()) return families.first();
    }
  }
  return {};
}

Fonts loadFonts() {
  return {family({"/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf",
                  "/usr/share/fonts/truetype/fonts-japanese-mincho.ttf"}),
          family({"/usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf"})};
}

}  // namespace

const Fonts& fonts() {
  static const Fonts loaded = loadFonts();
  return loaded;
}

}  // namespace art
