#include "widgets/LargePlainText.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

namespace tessamo {

void SetLargePlainText(QPlainTextEdit* edit, QString text) {
    int lines = 1;
    for (QChar& c : text) {
        if (c != QLatin1Char('\n')) continue;
        if (lines++ % kLinesPerParagraph != 0) c = QChar::LineSeparator;
    }
    edit->setPlainText(text);
    // The layout counts one line a paragraph until it lays the paragraph
    // out. Counted from each paragraph's text, since a lone CR in a note
    // also starts a paragraph.
    QTextDocument* document = edit->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        block.setLineCount(static_cast<int>(block.text().count(QChar::LineSeparator)) + 1);
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    emit layout->documentSizeChanged(layout->documentSize());
}

}  // namespace tessamo
