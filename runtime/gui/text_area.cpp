#include "runtime/gui/text_area.h"

#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

#include "runtime/gui/character_limit.h"
#include "runtime/gui/layout_values.h"
#include "runtime/gui/qt_text.h"
#include "runtime/gui/styled_text_printer.h"

namespace rt {

namespace {

constexpr char32_t kCr = U'\r';
constexpr char32_t kLf = U'\n';

// How many widget positions (UTF-16 units) a character takes.
int WidgetWidthOf(char32_t character) {
  return character > 0xFFFF ? 2 : 1;
}

bool IsPairedLf(std::u32string_view characters, std::size_t index) {
  return index > 0 && characters[index] == kLf && characters[index - 1] == kCr;
}

// The widget's form of characters [from, to) of `characters`: every CR LF, lone CR and lone LF
// becomes one paragraph break. An LF that completes a CR before `from` was shown with that CR.
QString WidgetTextOf(std::u32string_view characters, std::size_t from, std::size_t to) {
  if (from < to && IsPairedLf(characters, from)) ++from;
  QString text = QString::fromUcs4(characters.data() + from, static_cast<qsizetype>(to - from));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

// The document's characters with each paragraph or line break as CR LF.
std::u32string TextOfDocument(const QTextDocument& document) {
  const std::u32string raw = document.toRawText().toStdU32String();
  std::u32string text;
  text.reserve(raw.size() + raw.size() / 32);
  for (const char32_t character : raw) {
    if (character == QChar::ParagraphSeparator || character == QChar::LineSeparator) {
      text += U"\r\n";
    } else {
      text += character;
    }
  }
  return text;
}

}  // namespace

class TextArea::EditorWidget : public QPlainTextEdit {
 public:
  explicit EditorWidget(TextArea& owner) : owner_(owner) {}

 protected:
  // Everything that shows the text or lets the user act on it sees the widget up to date.
  bool event(QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::ShortcutOverride:
      case QEvent::InputMethod:
      case QEvent::FocusIn:
      case QEvent::Show:
        owner_.Flush();
        break;
      default:
        break;
    }
    return QPlainTextEdit::event(event);
  }

  bool viewportEvent(QEvent* event) override {
    switch (event->type()) {
      case QEvent::Paint:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::DragEnter:
      case QEvent::DragMove:
      case QEvent::Drop:
      case QEvent::ContextMenu:
        owner_.Flush();
        break;
      default:
        break;
    }
    return QPlainTextEdit::viewportEvent(event);
  }

  // A key that does not fit is dropped whole; a later, shorter one may still fit.
  void keyPressEvent(QKeyEvent* event) override {
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (lineBreak && !owner_.multiline_) {
      event->ignore();
      return;
    }
    if (owner_.maximumCharacters_ > 0) {
      const std::int64_t needed =
          lineBreak ? StoredLength(u"\n", LineEnds::kAsCrLf)
                    : StoredLength(TypedText(*event, !tabChangesFocus()), LineEnds::kAsCrLf);
      if (needed > 0 && needed > owner_.RoomLeft()) {
        event->accept();
        return;
      }
    }
    QPlainTextEdit::keyPressEvent(event);
  }

  // Paste comes here also from menu commands, which send the widget no event first, and from a
  // drop, once the drop position is the caret. What fits is kept.
  void insertFromMimeData(const QMimeData* source) override {
    owner_.Flush();
    if (owner_.maximumCharacters_ <= 0) {
      QPlainTextEdit::insertFromMimeData(source);
      return;
    }
    const QString text = FittingStart(source->text(), owner_.RoomLeft(), LineEnds::kAsCrLf);
    if (!text.isEmpty()) insertPlainText(text);
  }

  void dragEnterEvent(QDragEnterEvent* event) override {
    AnswerDragWithin(*event, LimitFor(*event),
                     [this, event] { QPlainTextEdit::dragEnterEvent(event); });
  }

  void dragMoveEvent(QDragMoveEvent* event) override {
    AnswerDragWithin(*event, LimitFor(*event),
                     [this, event] { QPlainTextEdit::dragMoveEvent(event); });
  }

  void dropEvent(QDropEvent* event) override {
    DeliverDropWithin(*event, LimitFor(*event),
                      [this](QDropEvent& drop) { QPlainTextEdit::dropEvent(&drop); });
  }

  // A commit may also replace text next to the caret, which makes room.
  void inputMethodEvent(QInputMethodEvent* event) override {
    if (owner_.maximumCharacters_ <= 0 || event->commitString().isEmpty()) {
      QPlainTextEdit::inputMethodEvent(event);
      return;
    }
    const std::int64_t room =
        owner_.RoomLeft() + StoredLength(ReplacedBy(*event), LineEnds::kAsCrLf);
    DeliverCommitWithin(*event, room, LineEnds::kAsCrLf, [this](QInputMethodEvent& fitting) {
      QPlainTextEdit::inputMethodEvent(&fitting);
    });
  }

 private:
  // A drop replaces no selection, but text moved within the area leaves where it was. Read from
  // the widget, which every drag event has brought up to date.
  DropLimit LimitFor(const QDropEvent& event) const {
    return {owner_.maximumCharacters_,
            [this, &event] {
              const bool fromHere = event.source() == this || event.source() == viewport();
              const bool movedWithin = fromHere && event.dropAction() == Qt::MoveAction;
              return RoomLeftUnder(owner_.maximumCharacters_, document()->toRawText(),
                                   movedWithin ? textCursor().selectedText() : QString(),
                                   LineEnds::kAsCrLf);
            },
            LineEnds::kAsCrLf};
  }

  // The text a commit replaces: a range beside where the caret is once the selection is gone.
  QString ReplacedBy(const QInputMethodEvent& event) const {
    if (event.replacementLength() <= 0) return {};
    const int last = document()->characterCount() - 1;
    QTextCursor range = textCursor();
    const int from = std::clamp(range.selectionStart() + event.replacementStart(), 0, last);
    range.setPosition(from);
    range.setPosition(std::clamp(from + event.replacementLength(), 0, last),
                      QTextCursor::KeepAnchor);
    return range.selectedText();
  }

  TextArea& owner_;
};

TextArea::TextArea(Window& window)
    : RectControl(window, new EditorWidget(*this)), editor_(static_cast<EditorWidget*>(Widget())) {
  editor_->setTabChangesFocus(true);
  QObject::connect(editor_->document(), &QTextDocument::contentsChange, editor_,
                   [this](int, int removed, int added) {
                     if (!updatingWidget_ && (removed != 0 || added != 0)) UserChangedContents();
                   });
  auto userMovedSelection = [this] {
    if (!updatingWidget_) selectionInWidget_ = true;
  };
  QObject::connect(editor_, &QPlainTextEdit::cursorPositionChanged, editor_, userMovedSelection);
  QObject::connect(editor_, &QPlainTextEdit::selectionChanged, editor_, userMovedSelection);
  UpdateFocusPolicy();
}

TextArea::~TextArea() = default;

void TextArea::SetText(const String& text) {
  const bool appended = text.Extends(text_);
  text_ = text;
  programWrote_ = true;
  if (!appended) {
    shown_ = 0;
    replaceWidgetText_ = true;
    selectionStart_ = 0;
    selectionLength_ = 0;
    selectionInWidget_ = false;
    widgetSelectionStale_ = true;
  }
  ScheduleFlush();
}

std::int64_t TextArea::SelectionStart() {
  TakeSelectionFromWidget();
  return selectionStart_;
}

void TextArea::SetSelectionStart(std::int64_t position) {
  selectionInWidget_ = false;
  selectionStart_ = std::clamp<std::int64_t>(position, 0, text_.Length());
  selectionLength_ = 0;
  widgetSelectionStale_ = true;
  ScheduleFlush();
}

std::int64_t TextArea::SelectionLength() {
  TakeSelectionFromWidget();
  return selectionLength_;
}

void TextArea::SetSelectionLength(std::int64_t length) {
  TakeSelectionFromWidget();
  selectionLength_ = std::clamp<std::int64_t>(length, 0, text_.Length() - selectionStart_);
  widgetSelectionStale_ = true;
  ScheduleFlush();
}

String TextArea::SelectedText() {
  TakeSelectionFromWidget();
  return text_.Slice(selectionStart_, selectionLength_);
}

void TextArea::SetSelectedText(const String& text) {
  TakeSelectionFromWidget();
  if (selectionStart_ == text_.Length()) {
    text_ += text;
  } else {
    // Inside the text the widget is rebuilt: a CR LF pair may be split or joined at either edge.
    const std::int64_t after = selectionStart_ + selectionLength_;
    text_ = text_.Slice(0, selectionStart_) + text + text_.Slice(after, text_.Length() - after);
    shown_ = 0;
    replaceWidgetText_ = true;
  }
  selectionStart_ += text.Length();
  selectionLength_ = 0;
  programWrote_ = true;
  widgetSelectionStale_ = true;
  ScheduleFlush();
}

bool TextArea::ReadOnly() const {
  return editor_->isReadOnly();
}

void TextArea::SetReadOnly(bool readOnly) {
  editor_->setReadOnly(readOnly);
}

std::unique_ptr<StyledTextPrinter> TextArea::styledTextPrinter(Graphics& graphics, double width) {
  Flush();
  return std::make_unique<StyledTextPrinter>(*editor_->document(), graphics, width);
}

QPlainTextEdit& TextArea::Editor() {
  Flush();
  return *editor_;
}

void TextArea::ApplyProperty(const Property& property) {
  const std::string& name = property.name;
  if (name == "Value") {
    SetText(TextValue(property));
  } else if (name == "Multiline") {
    multiline_ = BooleanValue(property);
  } else if (name == "ReadOnly") {
    SetReadOnly(BooleanValue(property));
  } else if (name == "HasBorder") {
    editor_->setFrameShape(BooleanValue(property) ? QFrame::StyledPanel : QFrame::NoFrame);
  } else if (name == "HasHorizontalScrollbar") {
    const bool scrolls = BooleanValue(property);
    editor_->setLineWrapMode(scrolls ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    editor_->setHorizontalScrollBarPolicy(scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  } else if (name == "HasVerticalScrollbar") {
    editor_->setVerticalScrollBarPolicy(BooleanValue(property) ? Qt::ScrollBarAsNeeded
                                                               : Qt::ScrollBarAlwaysOff);
  } else if (name == "MaximumCharactersAllowed") {
    maximumCharacters_ = IntegerValue(property);
  } else if (name == "TextAlignment") {
    QTextOption option = editor_->document()->defaultTextOption();
    option.setAlignment(AlignmentFromLayout(IntegerValue(property)) & Qt::AlignHorizontal_Mask);
    editor_->document()->setDefaultTextOption(option);
  } else if (name == "AllowTabs") {
    editor_->setTabChangesFocus(!BooleanValue(property));
  } else {
    RectControl::ApplyProperty(property);
  }
}

void TextArea::ScheduleFlush() {
  if (flushScheduled_) return;
  flushScheduled_ = true;
  QMetaObject::invokeMethod(
      editor_,
      [this] {
        flushScheduled_ = false;
        Flush();
      },
      Qt::QueuedConnection);
}

void TextArea::Flush() {
  const auto length = static_cast<std::size_t>(text_.Length());
  if (!replaceWidgetText_ && static_cast<std::size_t>(shown_) == length && !widgetSelectionStale_ &&
      !programWrote_) {
    return;
  }
  updatingWidget_ = true;
  // The program's text goes in with the undo history off, which also forgets the user's edits
  // before it: Undo is for what the user did since.
  QTextDocument& document = *editor_->document();
  const bool undoRedo = document.isUndoRedoEnabled();
  if (programWrote_) document.setUndoRedoEnabled(false);
  const std::u32string_view characters = text_.Characters();
  if (replaceWidgetText_) {
    editor_->setPlainText(WidgetTextOf(characters, 0, length));
    replaceWidgetText_ = false;
  } else if (static_cast<std::size_t>(shown_) < length) {
    // Appending leaves the selection where it was, also when the caret was at the end.
    // Plain numbers: a copy of a QTextCursor would move along with the insertion.
    const int anchor = editor_->textCursor().anchor();
    const int position = editor_->textCursor().position();
    QTextCursor end(editor_->document());
    end.movePosition(QTextCursor::End);
    end.insertText(WidgetTextOf(characters, static_cast<std::size_t>(shown_), length));
    QTextCursor after = editor_->textCursor();
    if (!widgetSelectionStale_ && (after.anchor() != anchor || after.position() != position)) {
      after.setPosition(anchor);
      after.setPosition(position, QTextCursor::KeepAnchor);
      editor_->setTextCursor(after);
    }
  }
  shown_ = static_cast<std::int64_t>(length);
  if (widgetSelectionStale_) {
    QTextCursor cursor = editor_->textCursor();
    cursor.setPosition(static_cast<int>(WidgetPosition(selectionStart_)));
    cursor.setPosition(static_cast<int>(WidgetPosition(selectionStart_ + selectionLength_)),
                       QTextCursor::KeepAnchor);
    editor_->setTextCursor(cursor);
    widgetSelectionStale_ = false;
  }
  if (programWrote_) {
    document.setUndoRedoEnabled(undoRedo);
    programWrote_ = false;
  }
  updatingWidget_ = false;
}

void TextArea::TakeSelectionFromWidget() {
  if (!selectionInWidget_) return;
  const QTextCursor cursor = editor_->textCursor();
  const std::int64_t start = TextPosition(cursor.selectionStart());
  const std::int64_t end = TextPosition(cursor.selectionEnd());
  selectionStart_ = start;
  selectionLength_ = end - start;
  selectionInWidget_ = false;
}

void TextArea::UserChangedContents() {
  // An edit of a widget whose whole text is about to be replaced is lost with it.
  if (replaceWidgetText_) return;
  // The user edits only what the widget shows; text still waiting to be shown stays at the end.
  const std::u32string_view old = text_.Characters();
  std::size_t tailStart = static_cast<std::size_t>(shown_);
  if (tailStart < old.size() && IsPairedLf(old, tailStart)) ++tailStart;
  std::u32string text = TextOfDocument(*editor_->document());
  shown_ = static_cast<std::int64_t>(text.size());
  text.append(old.substr(std::min(tailStart, old.size())));
  text_ = String(std::u32string_view(text));
  selectionInWidget_ = true;
}

std::int64_t TextArea::RoomLeft() const {
  // Counted in the widget, not in text_: a user's edit rebuilds text_ from the widget, where a
  // lone CR or LF the program set becomes CR LF. The widget is up to date: every caller has just
  // flushed.
  return RoomLeftUnder(maximumCharacters_, editor_->document()->toRawText(),
                       editor_->textCursor().selectedText(), LineEnds::kAsCrLf);
}

std::int64_t TextArea::WidgetPosition(std::int64_t position) const {
  // The end, where appending leaves the caret, needs no walk through the text.
  if (position >= shown_ && !replaceWidgetText_) return editor_->document()->characterCount() - 1;
  const std::u32string_view characters = text_.Characters();
  const auto end = static_cast<std::size_t>(std::clamp<std::int64_t>(position, 0, shown_));
  std::int64_t widgetPosition = 0;
  for (std::size_t i = 0; i < end; ++i) {
    if (IsPairedLf(characters, i)) continue;  // one break with the CR before it
    widgetPosition += WidgetWidthOf(characters[i]);
  }
  return widgetPosition;
}

std::int64_t TextArea::TextPosition(std::int64_t widgetPosition) const {
  if (widgetPosition >= editor_->document()->characterCount() - 1) return shown_;
  const std::u32string_view characters = text_.Characters();
  const auto shown = static_cast<std::size_t>(shown_);
  std::size_t i = 0;
  for (std::int64_t counted = 0; i < shown && counted < widgetPosition; ++i) {
    counted += WidgetWidthOf(characters[i]);
    if (characters[i] == kCr && i + 1 < shown && characters[i + 1] == kLf) ++i;
  }
  return static_cast<std::int64_t>(i);
}

}  // namespace rt
