#pragma once

#include <QString>
#include <QStringView>
#include <cstdint>

#include <functional>

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

// The text a key press types into a Qt editor, by the editors' own rule: empty for a key that
// types nothing (an editing or movement key, a Ctrl shortcut). Return and Enter, which an area
// turns into a line end, are not covered. `tabTypes`: Tab types a tab.
QString TypedText(const QKeyEvent& event, bool tabTypes);

}  // namespace rt
