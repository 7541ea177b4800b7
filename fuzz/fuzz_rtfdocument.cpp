// Any file opened in the text window as RTF, all the way to the text area's
// document: what the reader lets through stays within the window's limits.

#include "formats/DocumentLimits.h"
#include "formats/RtfReader.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv); // the document needs fonts
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const RtfReader::Document read = RtfReader::read(bytes);
    if (!read.problem.isEmpty())
        return 0;
    QTextDocument document;
    document.setHtml(read.html);
    if (document.blockCount() > DocumentLimits::maxParagraphs + 1)
        std::abort(); // the limits let through more than the window takes
    (void)document.toPlainText();
    return 0;
}
