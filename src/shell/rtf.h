#pragma once
// Rich text (RTF) read into and written from a QTextDocument: what word
// processors put in ordinary documents. Qt reads and writes HTML, Markdown
// and ODF, not RTF.
#include <QByteArray>

class QTextDocument;

namespace quillon {

// Replaces the document's content by the RTF text's. False when the text is
// not RTF (it does not start with "{\rtf" after blanks); the document is then
// untouched. Never crashes, hangs or recurses without bound, whatever the
// bytes: groups deeper than 1000 are merged into the 1000th, numbers are
// clamped, the time is linear in the size. Reading stops where the
// document's group closes.
// Each \par ends a paragraph; as word processors write a \par after the
// last paragraph too, the last \par, when no text follows it, does not start
// an empty paragraph.
// Background: \highlightN, \cbN and \chcbpatN alike.
bool lire_rtf(const QByteArray& rtf, QTextDocument& document);

// The document as RTF: text, paragraphs and their alignment, bold, italic,
// underline, strike-out, super- and subscript, fonts and sizes, foreground
// (\cfN) and background colours; Windows-1252 (\'hh) with \uN? for other
// characters. A background is written both as \chcbpatN (what Word shows)
// and \highlightN (what WordPad shows). A \par between paragraphs, and one
// after the last only when it is empty, so that it is read back.
QByteArray ecrire_rtf(const QTextDocument& document);

} // namespace quillon
