#pragma once
// Puts a long plain text (a full report of a large year: 100,000 lines and
// more) into a QPlainTextEdit in a fraction of the time setPlainText takes.
// A text document pays for every paragraph it holds, so the lines are
// grouped: each paragraph holds kLinesPerParagraph lines joined by line
// separators (U+2028), which the box shows, edits and hands back
// (toPlainText) as ordinary line breaks. The line counts of the paragraphs
// are set at once, so the scroll bar spans every line from the start.
// The box stays editable; the load itself is not an undo step.
#include <QString>

class QPlainTextEdit;

namespace tessamo {

inline constexpr int kLinesPerParagraph = 64;

// `text` has "\n" between lines.
void SetLargePlainText(QPlainTextEdit* edit, QString text);

}  // namespace tessamo
