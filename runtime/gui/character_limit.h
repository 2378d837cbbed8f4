#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

#include <functional>

class QDragMoveEvent;
class QDropEvent;
class QInputMethodEvent;
class QKeyEvent;

namespace rt {

// How a text control keeps the line ends that come in with the user's text: a text area turns
// each one (CR LF, a lone CR or LF, U+2028, U+2029) into CR LF, a text field keeps them as they
// came.
enum class LineEnds { kAsTheyCame, kAsCrLf };

// How many characters `text` becomes in the control's String, the unit Len counts and a
// MaximumCharactersAllowed limit is counted in: a surrogate pair is one character.
std::int64_t StoredLength(QStringView text, LineEnds lineEnds);

// The longest start of `text` that becomes at most `room` characters. A surrogate pair or a
// CR LF is kept or left out whole.
QString FittingStart(const QString& text, std::int64_t room, LineEnds lineEnds);

// Characters the user may still put into a control that holds `whole` under a limit of `limit`,
// `selected`, about to be replaced, counted as room; with no limit (0 or less) as many as can be.
std::int64_t RoomLeftUnder(std::int64_t limit, QStringView whole, QStringView selected,
                           LineEnds lineEnds);

// Hands `event` to `deliver` with its commit cut to the longest start that fits into `room`
// characters, unchanged when the whole commit fits; `event` is accepted as the one delivered was.
void DeliverCommitWithin(QInputMethodEvent& event, std::int64_t room, LineEnds lineEnds,
                         const std::function<void(QInputMethodEvent&)>& deliver);

// A drop that moves text takes it from its source, so only a drop whose text goes in whole may
// move it. Of one cut to the room left, a copy of what fits goes in and the source keeps all it
// had; one of which nothing fits, or whose source allows no copy, is refused.
struct DropLimit {
  std::int64_t limit;  // 0 or less: none, and every drop goes in whole
  // Characters the drop may bring; read only under a limit.
  std::function<std::int64_t()> room;
  LineEnds lineEnds;
};
// Answers a drag moving over a control as its drop would end: `answer` gives the control's own
// answer, asked for unless the drop would be refused.
void AnswerDragWithin(QDragMoveEvent& event, const DropLimit& limit,
                      const std::function<void()>& answer);
// Hands the drop to `deliver` as it came, or as a copy of what fits, or refuses it; `event` is
// answered as the control answered what it was handed.
void DeliverDropWithin(QDropEvent& event, const DropLimit& limit,
                       const std::function<void(QDropEvent&)>& deliver);

// The text a key press types into a Qt editor, by the editors' own rule: empty for a key that
// types nothing (an editing or movement key, a Ctrl shortcut). Return and Enter, which an area
// turns into a line end, are not covered. `tabTypes`: Tab types a tab.
QString TypedText(const QKeyEvent& event, bool tabTypes);

}  // namespace rt
