#include "formats/OrderText.h"

#include "formats/TextFile.h"

namespace OrderText {

const QString lineEnd = QStringLiteral("\r\n");

QByteArray encode(const QStringList& lines) {
    return TextFile::encode(lines.join(lineEnd) + (lines.isEmpty() ? QString() : lineEnd));
}

void save(const QString& path, const QStringList& lines) {
    TextFile::replaceNamingFile(path, encode(lines));
}

} // namespace OrderText
