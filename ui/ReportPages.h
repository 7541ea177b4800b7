#pragma once
// The report to hand in laid out on A4 pages: onto a PDF writer or a printer.

#include "formats/ReportDocument.h"

#include <QByteArray>
#include <QMap>
#include <QPageLayout>
#include <QRectF>

#include <functional>

class QPagedPaintDevice;
class QPainter;

namespace ReportPages {

// Paints one drawing of the report into the area the page gives it.
using PaintDrawing = std::function<void(QPainter&, const QRectF&)>;

// The drawings of a report by what they show; a figure whose drawing is missing is left out.
using Drawings = QMap<ReportDocument::Drawing, PaintDrawing>;

// Paints the report's blocks onto the device in their order from its first page on; page
// numbers when it runs over a page. Throws AppError when the device can't be painted on.
void paint(QPagedPaintDevice& device, const ReportDocument::Content& content,
           const Drawings& drawings);

// A4 portrait with margins of 15 mm.
QPageLayout a4();

// The report as the bytes of a PDF file on pages of the layout, its font embedded.
QByteArray pdf(const ReportDocument::Content& content, const Drawings& drawings,
               const QPageLayout& layout = a4());

} // namespace ReportPages
