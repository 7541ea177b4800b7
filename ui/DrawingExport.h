#pragma once
// The section drawing as a PNG picture or an SVG document, written whole or not at all.

#include "ui/Platform.h"
#include "ui/SectionDrawing.h"

#include <QByteArray>
#include <QFont>
#include <QSize>
#include <QString>

namespace DrawingExport {

// The size of an exported drawing, px.
inline constexpr QSize exportSize{1200, 720};

QByteArray png(const SectionDrawing::Picture& picture, const QFont& font);
QByteArray svg(const SectionDrawing::Picture& picture, const QFont& font, const QString& title);

// The save dialog of a drawing in one format: its own files, then all files; the names of
// the filters are the window's to set in its language.
FileDialog saveDialog(const QString& extension);

// Replaces the file with the bytes; throws FileError with the user's message.
void write(const QString& path, const QByteArray& bytes);

} // namespace DrawingExport
