#pragma once
// A small reader of rich-text files (RTF) for the text window: the text with
// its paragraphs, bold, italic, underline and font sizes, as HTML.

#include <QByteArray>
#include <QString>

namespace RtfReader {

// Whether the bytes begin as an RTF document ("{\rtf").
bool looksLikeRtf(const QByteArray& bytes);

// The document as HTML for a text area. Groups, \par, \line, \tab, \b, \i, \ul,
// \fs, \'hh in the \ansicpg code page and \uN are understood; font and colour
// tables, style sheets, document information, pictures and \* destinations are
// skipped; any other control word is ignored. Never fails: broken input gives
// whatever text could be read.
QString toHtml(const QByteArray& rtf);

struct Document {
    QString html;
    QString problem; // why the document is beyond the text area's limits
};

// The document as toHtml gives it, unless it passes DocumentLimits (paragraphs,
// a paragraph's length, the HTML's length): then only the problem, found as soon
// as the limit is passed, so a hostile file costs no more than the limits.
Document read(const QByteArray& rtf);

} // namespace RtfReader
