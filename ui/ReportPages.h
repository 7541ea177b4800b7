#pragma once
// The report to hand in laid out on A4 pages: onto a PDF writer or a printer.

#include "formats/ReportDocument.h"
#include "ui/MoistureDiagram.h"
#include "ui/SectionDrawing.h"

#include <QByteArray>
#include <QPageLayout>

#include <optional>

class QPagedPaintDevice;

namespace ReportPages {

// The section's temperatures and, when the report has a vapour balance, its diagram.
struct Drawings {
    std::optional<SectionDrawing::Picture> section;
    std::optional<MoistureDiagram::Picture> moisture;
};

// Paints the report onto the device from its first page on, the section drawing
// after the resistance, the vapour balance last; page numbers when it runs over a page.
// Throws AppError when the device can't be painted on.
void paint(QPagedPaintDevice& device, const ReportDocument::Content& content,
           const Drawings& drawings);

// A4 portrait with margins of 15 mm.
QPageLayout a4();

// The report as the bytes of a PDF file on pages of the layout, its font embedded.
QByteArray pdf(const ReportDocument::Content& content, const Drawings& drawings,
               const QPageLayout& layout = a4());

} // namespace ReportPages
