#include "formats/DocumentLimits.h"

#include <QCoreApplication>

namespace DocumentLimits {

QString tooManyLines(qsizetype limit) {
    return QCoreApplication::translate("DocumentLimits", "Too many lines to show (more than %1)")
        .arg(limit);
}

QString lineTooLong(qsizetype limit) {
    return QCoreApplication::translate("DocumentLimits",
                                       "A line too long to show (more than %1 characters)")
        .arg(limit);
}

QString tooMuchFormatting() {
    return QCoreApplication::translate(
               "DocumentLimits", "Document too large to show (more than %1 characters with its "
                                 "formatting)")
        .arg(maxHtmlLength);
}

QString problem(const QString& text) {
    qsizetype lines = 0;
    qsizetype length = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            length = 0;
            if (++lines > maxLines)
                return tooManyLines(maxLines);
        } else if (++length > maxLineLength) {
            return lineTooLong(maxLineLength);
        }
    }
    return {};
}

} // namespace DocumentLimits
