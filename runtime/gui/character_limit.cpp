#include "runtime/gui/character_limit.h"

#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <limits>

namespace rt {

namespace {

constexpr std::int64_t kCrLfLength = 2;

struct Stored {
  qsizetype units;  // UTF-16 units of the text it takes
  std::int64_t length;
};

bool IsLineEnd(QChar unit) {
  return unit == u'\r' || unit == u'\n' || unit == QChar::LineSeparator ||
         unit == QChar::ParagraphSeparator;
}

// The character at `at`, with the LF of a CR LF taken along with its CR.
Stored StoredAt(QStringView text, qsizetype at, LineEnds lineEnds) {
  const QChar unit = text[at];
  const bool more = at + 1 < text.size();
  if (unit.isHighSurrogate() && more && text[at + 1].isLowSurrogate()) return {2, 1};
  if (unit == u'\r' && more && text[at + 1] == u'\n') return {2, kCrLfLength};
  if (lineEnds == LineEnds::kAsCrLf && IsLineEnd(unit)) return {1, kCrLfLength};
  return {1, 1};
}

enum class DropEnd { kAsItCame, kCopyOfWhatFits, kRefused };

// With no limit every drop goes in whole, and neither the text nor the room need be read.
DropEnd EndOfDrop(const QDropEvent& event, const DropLimit& limit, QString* fitting) {
  if (limit.limit <= 0) return DropEnd::kAsItCame;
  const QString dropped = event.mimeData()->text();
  *fitting = FittingStart(dropped, limit.room(), limit.lineEnds);
  if (fitting->size() == dropped.size()) return DropEnd::kAsItCame;
  if (fitting->isEmpty() || !event.possibleActions().testFlag(Qt::CopyAction)) {
    return DropEnd::kRefused;
  }
  return DropEnd::kCopyOfWhatFits;
}

}  // namespace

std::int64_t StoredLength(QStringView text, LineEnds lineEnds) {
  std::int64_t length = 0;
  for (qsizetype at = 0; at < text.size();) {
    const Stored stored = StoredAt(text, at, lineEnds);
    length += stored.length;
    at += stored.units;
  }
  return length;
}

QString FittingStart(const QString& text, std::int64_t room, LineEnds lineEnds) {
  std::int64_t length = 0;
  qsizetype at = 0;
  while (at < text.size()) {
    const Stored stored = StoredAt(text, at, lineEnds);
    if (length + stored.length > room) break;
    length += stored.length;
    at += stored.units;
  }
  return text.left(at);
}

std::int64_t RoomLeftUnder(std::int64_t limit, QStringView whole, QStringView selected,
                           LineEnds lineEnds) {
  if (limit <= 0) return std::numeric_limits<std::int64_t>::max();
  return limit - StoredLength(whole, lineEnds) + StoredLength(selected, lineEnds);
}

void DeliverCommitWithin(QInputMethodEvent& event, std::int64_t room, LineEnds lineEnds,
                         const std::function<void(QInputMethodEvent&)>& deliver) {
  const QString fitting = FittingStart(event.commitString(), room, lineEnds);
  if (fitting.size() == event.commitString().size()) {
    deliver(event);
    return;
  }
  QInputMethodEvent cut(event.preeditString(), event.attributes());
  cut.setCommitString(fitting, event.replacementStart(), event.replacementLength());
  deliver(cut);
  event.setAccepted(cut.isAccepted());
}

void AnswerDragWithin(QDragMoveEvent& event, const DropLimit& limit,
                      const std::function<void()>& answer) {
  QString fitting;
  switch (EndOfDrop(event, limit, &fitting)) {
    case DropEnd::kAsItCame:
      answer();
      return;
    case DropEnd::kCopyOfWhatFits:
      answer();
      if (event.isAccepted()) event.setDropAction(Qt::CopyAction);
      return;
    case DropEnd::kRefused:
      // Not shown to the control either: it would move its caret to where nothing will go.
      event.ignore();
      return;
  }
}

void DeliverDropWithin(QDropEvent& event, const DropLimit& limit,
                       const std::function<void(QDropEvent&)>& deliver) {
  QString fitting;
  switch (EndOfDrop(event, limit, &fitting)) {
    case DropEnd::kAsItCame:
      deliver(event);
      return;
    case DropEnd::kRefused:
      event.ignore();
      return;
    case DropEnd::kCopyOfWhatFits:
      break;
  }
  QMimeData data;
  data.setText(fitting);
  QDropEvent copy(event.position(), Qt::CopyAction, &data, event.buttons(), event.modifiers());
  // While a drag is under way Qt proposes the drag's own default action, a move; the editors read
  // the action set here to tell a copy.
  copy.setDropAction(Qt::CopyAction);
  deliver(copy);
  event.setDropAction(Qt::CopyAction);
  event.setAccepted(copy.isAccepted());
}

QString TypedText(const QKeyEvent& event, bool tabTypes) {
  const QString text = event.text();
  if (text.isEmpty()) return {};
  const QChar first = text.front();
  // Joiners and direction marks are typed even with Ctrl held, which some layouts need for them.
  if (first.category() == QChar::Other_Format) return text;
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier)) {
    return {};
  }
  const bool surrogatePair =
      first.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate();
  if (first.isPrint() || first.category() == QChar::Other_PrivateUse || surrogatePair ||
      (tabTypes && first == u'\t')) {
    return text;
  }
  return {};
}

}  // namespace rt
