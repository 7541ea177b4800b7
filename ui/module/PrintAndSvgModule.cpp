// The module of printing and SVG documents: the only code of the program that uses the
// toolkit's print support and SVG libraries.

#include "ui/PrintAndSvg.h"

#include <QBuffer>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>

namespace {

QByteArray svg(const QSize& size, const QString& title,
               const std::function<void(QPainter&)>& paint) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(title);
    {
        QPainter painter(&generator);
        paint(painter);
    }
    return bytes;
}

void print(const PrintAndSvg::Printout& printout) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(printout.layout);
    printer.setDocName(printout.documentName);
    printer.setCreator(printout.documentName);
    if (!printout.ask(printer))
        return;
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        printout.toFile(printer.outputFileName(), printer.pageLayout());
    else
        printout.toPrinter(printer);
}

bool printDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

const PrintAndSvg::Functions functions{svg, print, printDialog};

} // namespace

extern "C" Q_DECL_EXPORT const PrintAndSvg::Functions* VUV_PRINT_AND_SVG_ENTRY() {
    return &functions;
}
