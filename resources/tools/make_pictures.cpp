// Draws the program's pictures and icons into the folder given on the command line:
//   make_pictures <resources folder>
// Run it when a picture changes and commit the PNG files it writes; the build only copies them.

#include <QColor>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <cstdlib>

namespace {

const QColor kBadgeTop(0x3f, 0x93, 0xe2);
const QColor kBadgeBottom(0x17, 0x4f, 0x9c);
const QColor kBadgeEdge(0x12, 0x40, 0x80);
const QColor kInk(0x22, 0x33, 0x48);
const QColor kQuietInk(0x5f, 0x70, 0x84);

QImage Transparent(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// `text` as a path whose ink is `inkHeight` pixels high, centred on `centre` by its ink, not by
// its font box, so that a lone glyph sits in the middle of its badge.
QPainterPath CentredGlyph(const QString& text, QFont font, double inkHeight, QPointF centre) {
  font.setPixelSize(200);
  QPainterPath path;
  path.addText(0, 0, font, text);
  const double scale = inkHeight / path.boundingRect().height();
  path = QTransform::fromScale(scale, scale).map(path);
  path.translate(centre - path.boundingRect().center());
  return path;
}

// The kappa of a book face: a sans-serif kappa is hard to tell from a small capital K.
QFont KappaFace() {
  QFont font(QStringLiteral("C059"));
  font.setBold(true);
  font.setItalic(true);
  return font;
}

QFont SignFace() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  return font;
}

QLinearGradient BadgeFill(const QRectF& box) {
  QLinearGradient fill(box.topLeft(), box.bottomLeft());
  fill.setColorAt(0, kBadgeTop);
  fill.setColorAt(1, kBadgeBottom);
  return fill;
}

// A rounded square with a white kappa: the program's mark.
void DrawKappaBadge(QPainter& painter, const QRectF& box) {
  const double size = box.width();
  const double edge = std::max(1.0, size / 48.0);
  const QRectF body = box.adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2);
  const double radius = size * 0.22;
  painter.setPen(QPen(kBadgeEdge, edge));
  painter.setBrush(BadgeFill(body));
  painter.drawRoundedRect(body, radius, radius);
  if (size >= 32) {
    // A soft sheen on the upper half, kept off the smallest icons where it would be mud.
    QLinearGradient sheen(body.topLeft(), QPointF(body.left(), body.center().y()));
    sheen.setColorAt(0, QColor(255, 255, 255, 70));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sheen);
    const QRectF upper = body.adjusted(edge, edge, -edge, -body.height() / 2);
    painter.drawRoundedRect(upper, radius - edge, radius - edge);
  }
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  // At 16 pixels the strokes need every pixel the badge can spare.
  const double inkHeight = size * (size <= 16 ? 0.6 : 0.48);
  painter.drawPath(CentredGlyph(QString(QChar(0x03BA)), KappaFace(), inkHeight, box.center()));
}

QImage KappaBadge(int size) {
  QImage image = Transparent(size, size);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  DrawKappaBadge(painter, QRectF(0, 0, size, size));
  return image;
}

QImage QuestionBadge(int size) {
  QImage image = Transparent(size, size);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  const double edge = 1.0;
  const QRectF body = QRectF(0, 0, size, size).adjusted(1, 1, -1, -1);
  painter.setPen(QPen(kBadgeEdge, edge));
  painter.setBrush(BadgeFill(body));
  painter.drawEllipse(body);
  QLinearGradient sheen(body.topLeft(), QPointF(body.left(), body.center().y()));
  sheen.setColorAt(0, QColor(255, 255, 255, 80));
  sheen.setColorAt(1, QColor(255, 255, 255, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(sheen);
  painter.drawEllipse(
      QRectF(body.left() + 5, body.top() + 2, body.width() - 10, body.height() * 0.5));
  painter.setBrush(Qt::white);
  painter.drawPath(CentredGlyph(QStringLiteral("?"), SignFace(), size * 0.56, body.center()));
  return image;
}

// The main window shows the banner 9 pixels above its top edge and lays its one-line credit
// over the banner's bottom rows (from row 55 on, centred near x 188), so the mark and the name
// keep to rows 10 to 53 and are centred over the credit.
QImage Banner() {
  const int width = 378;
  const int height = 71;
  QImage image = Transparent(width, height);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);

  QFont name(QStringLiteral("DejaVu Sans"));
  name.setBold(true);
  name.setPixelSize(34);
  name.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
  const double nameWidth = QFontMetricsF(name).horizontalAdvance(QStringLiteral("Quorvane"));

  const double badge = 40;
  const double gap = 12;
  const double groupLeft = 188 - (badge + gap + nameWidth) / 2;
  const QRectF badgeBox(groupLeft, 12, badge, badge);
  DrawKappaBadge(painter, badgeBox);

  painter.setFont(name);
  painter.setPen(kInk);
  painter.drawText(QPointF(badgeBox.right() + gap, 45), QStringLiteral("Quorvane"));
  return image;
}

bool Save(const QImage& image, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name);
  if (image.save(path, "PNG")) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_pictures <resources folder>\n");
    return EXIT_FAILURE;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  bool ok = Save(Banner(), folder, QStringLiteral("Quor.png"));
  ok = Save(QuestionBadge(48), folder, QStringLiteral("Question48.png")) && ok;
  ok = Save(KappaBadge(64), folder, QStringLiteral("kappa64.png")) && ok;
  for (int size : {16, 32, 48, 256}) {
    ok = Save(KappaBadge(size), folder, QStringLiteral("quorvane-%1.png").arg(size)) && ok;
  }
  return ok ? EXIT_SUCCESS : EXIT_FAILURE;
}
