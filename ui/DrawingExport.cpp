#include "ui/DrawingExport.h"

#include "formats/TextFile.h"
#include "ui/PrintAndSvg.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>

namespace DrawingExport {

QByteArray png(const SectionDrawing::Picture& picture, const QFont& font) {
    QImage image(exportSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setFont(font);
        SectionDrawing::paint(painter, QRectF(QPointF(0, 0), exportSize), picture);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray svg(const SectionDrawing::Picture& picture, const QFont& font, const QString& title) {
    return PrintAndSvg::svg(exportSize, title, [&](QPainter& painter) {
        painter.setFont(font);
        SectionDrawing::paint(painter, QRectF(QPointF(0, 0), exportSize), picture);
    });
}

void write(const QString& path, const QByteArray& bytes) {
    TextFile::replaceOwnFile(
        path, bytes, QCoreApplication::translate("DrawingExport", "Не удалось сохранить рисунок"));
}

FileDialog saveDialog(const QString& extension) {
    FileDialog dialog;
    dialog.filters = {{QString(), QStringLiteral("*.") + extension},
                      {QString(), QStringLiteral("*.*")}};
    dialog.defaultExtension = extension;
    dialog.overwritePrompt = true;
    return dialog;
}

} // namespace DrawingExport
