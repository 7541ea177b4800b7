#pragma once
// The report to hand in laid out on A4 pages: onto a PDF writer or a printer.

#include "formats/ReportDocument.h"
#include "ui/SectionDrawing.h"

#include <QByteArray>

#include <optional>

class QPagedPaintDevice;

namespace ReportPages {

// Paints the report onto the device from its first page on, the section drawing
// after the resistance; page numbers when it runs over a page. Throws AppError when
// the device can't be painted on.
void paint(QPagedPaintDevice& device, const ReportDocument::Content& content,
           const std::optional<SectionDrawing::Picture>& drawing);

// The report as the bytes of a PDF file, A4 portrait, its font embedded.
QByteArray pdf(const ReportDocument::Content& content,
               const std::optional<SectionDrawing::Picture>& drawing);

} // namespace ReportPages
