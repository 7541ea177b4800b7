#pragma once
// Printing and SVG documents, from a module of the program's own that holds the toolkit's
// print support and SVG libraries: loaded the first time either is used, so that the
// program does not load those libraries at start-up.

#include <QByteArray>
#include <QPageLayout>
#include <QSize>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

namespace PrintAndSvg {

// What a printout asks: `ask` shows the print dialog on the printer made for it; then
// the printout goes to `toFile` when the user chose to print into a PDF file, or is painted
// by `toPrinter`.
struct Printout {
    QPageLayout layout;
    QString documentName;
    std::function<bool(QPrinter&)> ask;
    std::function<void(const QString& file, const QPageLayout& layout)> toFile;
    std::function<void(QPagedPaintDevice& printer)> toPrinter;
};

// The module's functions; their table's address is what the module's one exported function
// returns.
struct Functions {
    QByteArray (*svg)(const QSize& size, const QString& title,
                      const std::function<void(QPainter&)>& paint);
    void (*print)(const Printout& printout);
    bool (*printDialog)(QPrinter& printer, QWidget* parent);
};

// An SVG document of the size, the picture painted by `paint`.
QByteArray svg(const QSize& size, const QString& title,
               const std::function<void(QPainter&)>& paint);
void print(const Printout& printout);
// The toolkit's print dialog on the printer; whether the user chose to print.
bool printDialog(QPrinter& printer, QWidget* parent);

} // namespace PrintAndSvg

// The name of the function that the module exports.
#define VUV_PRINT_AND_SVG_ENTRY vuvuvudozizodPrintAndSvg
