#include "formats/OrderText.h"

#include "core/Errors.h"
#include "formats/TextFile.h"

#include <QDir>

namespace OrderText {

const QString lineEnd = QStringLiteral("\r\n");

QByteArray encode(const QStringList& lines) {
    return TextFile::encode(lines.join(lineEnd) + (lines.isEmpty() ? QString() : lineEnd));
}

void save(const QString& path, const QStringList& lines) {
    try {
        TextFile::replaceAll({{path, encode(lines)}});
    } catch (const FileReplacement::WriteError& error) {
        // The message names the file itself, so the reason stands bare.
        throw FileError(QStringLiteral("Cannot create file \"%1\". %2")
                            .arg(QDir::toNativeSeparators(path), error.reason()));
    }
}

} // namespace OrderText
