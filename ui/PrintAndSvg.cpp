#include "ui/PrintAndSvg.h"

#include "core/Errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace PrintAndSvg {
namespace {

// Beside the executable (a build, and the program as installed on Windows), else in the
// program's library folder, where it is installed on Linux (found from the executable, so
// wherever the program was installed).
QStringList places() {
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.path(), program.filePath(QStringLiteral(VUV_PRINT_MODULE_FROM_PROGRAM))};
}

const Functions& module() {
    static const Functions* loaded = nullptr;
    if (loaded)
        return *loaded;
    QStringList problems;
    for (const QString& place : places()) {
        QLibrary library(QDir(place).filePath(QStringLiteral(VUV_PRINT_MODULE_FILE)));
        using Entry = const Functions* (*)();
        if (const auto entry =
                reinterpret_cast<Entry>(library.resolve(QT_STRINGIFY(VUV_PRINT_AND_SVG_ENTRY)))) {
            loaded = entry();
            return *loaded;
        }
        problems << library.errorString();
    }
    throw AppError(QCoreApplication::translate("PrintAndSvg",
                                               "Печать и рисунки SVG недоступны: не загружается %1")
                       .arg(problems.join(QStringLiteral("; "))));
}

} // namespace

QByteArray svg(const QSize& size, const QString& title,
               const std::function<void(QPainter&)>& paint) {
    return module().svg(size, title, paint);
}

void print(const Printout& printout) {
    module().print(printout);
}

bool printDialog(QPrinter& printer, QWidget* parent) {
    return module().printDialog(printer, parent);
}

} // namespace PrintAndSvg
