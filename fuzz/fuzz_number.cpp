// Any text typed into a number field: parsing never crashes, and whatever
// parses formats in every form and reads back as a number.

#include "core/Errors.h"
#include "core/NumberText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (QChar separator : {QLatin1Char(','), QLatin1Char('.')}) {
        double value = 0;
        try {
            value = NumberText::parse(text, separator);
        } catch (const ConversionError&) {
            continue;
        }
        const QString general = NumberText::general(value, separator);
        const QString fixed = NumberText::fixed(value, 4, 3, separator);
        const QString thickness = NumberText::fixed(value, 8, 0, separator);
        const QString whole = NumberText::whole(value, separator);
        for (const QString& shown : {general, fixed, thickness, whole}) {
            if (shown.startsWith(QStringLiteral("-0")) && NumberText::parse(shown, separator) == 0)
                std::abort();                    // a negative zero was shown
            NumberText::parse(shown, separator); // every shown form reads back
        }
        if (NumberText::parse(general, separator) != value &&
            qAbs(NumberText::parse(general, separator) - value) > qAbs(value) * 1e-14)
            std::abort(); // the general form lost more than its 15 digits allow
    }
    return 0;
}
