#pragma once
// A caption one window hands another, kept as what it is rather than as what it shows:
// a source text with the context it is translated in, or a text shown as it is.

#include <QCoreApplication>
#include <QString>

#include <cstring>

struct Caption {
    const char* context = nullptr; // the translation context; none for a text shown as it is
    QString source;

    static Caption plain(const QString& text) { return {nullptr, text}; }
    // In the language installed now.
    QString shown() const {
        return context ? QCoreApplication::translate(context, source.toUtf8().constData()) : source;
    }
    bool operator==(const Caption& other) const {
        const bool sameContext = context && other.context ? std::strcmp(context, other.context) == 0
                                                          : context == other.context;
        return sameContext && source == other.source;
    }
};
