#include "runtime/gui/font_names.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include "runtime/gui/qt_text.h"

namespace rt {

namespace {

QFont WithFace(const QFont& current, const QFont& face) {
  QFont font = current;
  font.setFamilies(face.families().isEmpty() ? QStringList{face.family()} : face.families());
  font.setStyleHint(face.styleHint());
  font.setFixedPitch(face.fixedPitch());
  return font;
}

QFont FixedPitchFont(const QFont& current) {
  QFont font = current;
  font.setFamily(QStringLiteral("Courier"));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  if (QFontInfo(font).fixedPitch()) return font;
  return WithFace(current, QFontDatabase::systemFont(QFontDatabase::FixedFont));
}

}  // namespace

QFont FontNamed(const String& name, const QFont& current) {
  const QString family = ToQString(name);
  if (family == QLatin1String("System") || family.isEmpty()) {
    return WithFace(current, QFontDatabase::systemFont(QFontDatabase::GeneralFont));
  }
  if (family == QLatin1String("Courier")) return FixedPitchFont(current);
  QFont font = current;
  font.setFamily(family);
  font.setStyleHint(family == QLatin1String("Times") ? QFont::Serif : QFont::AnyStyle);
  font.setFixedPitch(false);
  return font;
}

}  // namespace rt
