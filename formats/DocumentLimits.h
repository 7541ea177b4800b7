#pragma once
// How much text a window's text area takes at once: beyond this, laying the text
// out freezes the window for seconds and its memory grows without bound.

#include <QString>

namespace DocumentLimits {

inline constexpr qsizetype maxLines = 50000;
inline constexpr qsizetype maxLineLength = 5000;
// A formatted document costs several times its text: paragraphs and the HTML of
// their formatting are bounded more tightly.
inline constexpr qsizetype maxParagraphs = 10000;
inline constexpr qsizetype maxHtmlLength = 1000000;

// Why a text area can't take the text (too many lines, a line too long), or the
// empty text when it can.
QString problem(const QString& text);

QString tooManyLines(qsizetype limit);
QString lineTooLong(qsizetype limit);
QString tooMuchFormatting();

} // namespace DocumentLimits
