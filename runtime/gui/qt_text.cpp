#include "runtime/gui/qt_text.h"

namespace rt {

QString ToQString(const String& text) {
  const std::u32string_view characters = text.Characters();
  return QString::fromUcs4(characters.data(), static_cast<qsizetype>(characters.size()));
}

String FromQString(const QString& text) {
  const std::u32string characters = text.toStdU32String();
  return String(std::u32string_view(characters));
}

}  // namespace rt
