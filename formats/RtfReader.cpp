#include "formats/RtfReader.h"

#include "formats/Cp1251.h"
#include "formats/DocumentLimits.h"

#include <QSet>
#include <QStringDecoder>

#include <vector>

namespace {

constexpr char cyrillicCodePage[] = "windows-1251";

// Character and group state that a '{' saves and a '}' restores.
struct GroupState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24; // \fs is in half-points
    bool skipped = false;
    int unicodeSkip = 1; // \uc: fallback characters after each \u
};

const QSet<QByteArray>& skippedDestinations() {
    static const QSet<QByteArray> names{"fonttbl",
                                        "colortbl",
                                        "stylesheet",
                                        "info",
                                        "pict",
                                        "listtable",
                                        "listoverridetable",
                                        "revtbl",
                                        "rsidtbl",
                                        "generator",
                                        "themedata",
                                        "datastore",
                                        "latentstyles",
                                        "colorschememapping",
                                        "xmlnstbl",
                                        "filetbl",
                                        "header",
                                        "footer",
                                        "headerl",
                                        "headerr",
                                        "headerf",
                                        "footerl",
                                        "footerr",
                                        "footerf",
                                        "object",
                                        "nonshppict",
                                        "fldinst"};
    return names;
}

QString escaped(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (c == QLatin1Char('&'))
            out += QStringLiteral("&amp;");
        else if (c == QLatin1Char('<'))
            out += QStringLiteral("&lt;");
        else if (c == QLatin1Char('>'))
            out += QStringLiteral("&gt;");
        else
            out += c;
    }
    return out;
}

class Reader {
  public:
    Reader(const QByteArray& rtf, bool limited) : in_(rtf), limited_(limited) {}

    const QString& problem() const { return problem_; }

    QString run() {
        while (pos_ < in_.size() && problem_.isEmpty()) {
            const char c = in_.at(pos_++);
            if (c == '{')
                openGroup();
            else if (c == '}')
                closeGroup();
            else if (c == '\\')
                controlSequence();
            else if (c != '\r' && c != '\n')
                addByte(c);
        }
        flushBytes();
        if (!paragraph_.isEmpty()) // the text after the last \par
            endParagraph();
        return html_;
    }

  private:
    GroupState& state() { return stack_.back(); }

    // Groups nested deeper than any document needs share the deepest state, so
    // that a file of braces can't grow the stack without bound.
    void openGroup() {
        flushBytes();
        if (stack_.size() < maxDepth)
            stack_.push_back(state());
        else
            ++excessDepth_;
        destinationPending_ = true;
    }

    void closeGroup() {
        flushBytes();
        if (excessDepth_ > 0)
            --excessDepth_;
        else if (stack_.size() > 1)
            stack_.pop_back(); // a stray '}' is ignored
        destinationPending_ = false;
    }

    void controlSequence() {
        if (pos_ >= in_.size())
            return;
        const char c = in_.at(pos_);
        if (!isLetter(c)) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        QByteArray word;
        while (pos_ < in_.size() && isLetter(in_.at(pos_)) && word.size() < 32)
            word += in_.at(pos_++);
        bool hasNumber = false;
        long long number = 0;
        bool negative = false;
        if (pos_ < in_.size() && in_.at(pos_) == '-' && pos_ + 1 < in_.size() &&
            isDigit(in_.at(pos_ + 1))) {
            negative = true;
            ++pos_;
        }
        for (int digits = 0; pos_ < in_.size() && isDigit(in_.at(pos_)); ++digits, ++pos_) {
            hasNumber = true;
            if (digits < 10)
                number = number * 10 + (in_.at(pos_) - '0');
        }
        if (pos_ < in_.size() && in_.at(pos_) == ' ')
            ++pos_;
        controlWord(word, hasNumber, negative ? -number : number);
    }

    void controlSymbol(char c) {
        switch (c) {
        case '\\':
        case '{':
        case '}':
            addByte(c);
            break;
        case '~':
            addText(QString(QChar(0x00A0)));
            break;
        case '_':
            addText(QStringLiteral("-"));
            break;
        case '\'':
            hexByte();
            break;
        case '*':
            if (destinationPending_)
                state().skipped = true;
            break;
        case '\r':
        case '\n':
            paragraph();
            break;
        default: // \- (optional hyphen) and unknown symbols
            break;
        }
        if (c != '\'')
            destinationPending_ = false;
    }

    void hexByte() {
        if (pos_ + 1 >= in_.size()) {
            pos_ = in_.size();
            return;
        }
        bool ok = false;
        const int value = in_.mid(pos_, 2).toInt(&ok, 16);
        pos_ += 2;
        if (!ok)
            return;
        if (pendingFallback_ > 0) {
            --pendingFallback_;
            return;
        }
        if (!state().skipped)
            bytes_ += char(value);
    }

    void controlWord(const QByteArray& word, bool hasNumber, long long number) {
        const bool first = destinationPending_;
        destinationPending_ = false;
        if (first && skippedDestinations().contains(word)) {
            state().skipped = true;
            return;
        }
        const bool on = !hasNumber || number != 0;
        if (word == "par" || word == "sect" || word == "page")
            paragraph();
        else if (word == "line")
            addText(QString(QChar::LineSeparator));
        else if (word == "tab")
            addText(QStringLiteral("\t"));
        else if (word == "b")
            setFormat(state().bold, on);
        else if (word == "i")
            setFormat(state().italic, on);
        else if (word == "ul")
            setFormat(state().underline, on);
        else if (word == "ulnone")
            setFormat(state().underline, false);
        else if (word == "fs" && hasNumber && number > 0 && number < 2000) {
            flushBytes();
            state().halfPoints = int(number);
        } else if (word == "plain") {
            flushBytes();
            const GroupState plain;
            state().bold = state().italic = state().underline = false;
            state().halfPoints = plain.halfPoints;
        } else if (word == "ansicpg" && hasNumber)
            setCodePage(number);
        else if (word == "uc" && hasNumber && number >= 0 && number < 10)
            state().unicodeSkip = int(number);
        else if (word == "u" && hasNumber)
            unicode(number);
        else if (word == "bin" && hasNumber && number > 0)
            pos_ += qMin<long long>(number, in_.size() - pos_);
        else if (word == "emdash")
            addText(QString(QChar(0x2014)));
        else if (word == "endash")
            addText(QString(QChar(0x2013)));
        else if (word == "bullet")
            addText(QString(QChar(0x2022)));
        else if (word == "lquote" || word == "rquote")
            addText(QString(QChar(word == "lquote" ? 0x2018 : 0x2019)));
        else if (word == "ldblquote" || word == "rdblquote")
            addText(QString(QChar(word == "ldblquote" ? 0x201C : 0x201D)));
    }

    void setFormat(bool& flag, bool on) {
        flushBytes();
        flag = on;
    }

    void setCodePage(long long number) {
        const QByteArray name = "windows-" + QByteArray::number(number);
        if (name == cyrillicCodePage || QStringDecoder(name.constData()).isValid())
            codePage_ = name;
    }

    void unicode(long long number) {
        if (number < 0)
            number += 65536;
        if (number >= 0 && number <= 0xFFFF)
            addText(QString(QChar(char16_t(number))));
        pendingFallback_ = state().unicodeSkip;
    }

    void addByte(char c) {
        if (pendingFallback_ > 0) {
            --pendingFallback_;
            return;
        }
        if (!state().skipped)
            bytes_ += c;
    }

    void addText(const QString& text) {
        flushBytes();
        pendingFallback_ = 0;
        if (!state().skipped)
            appendRun(text);
    }

    // Bytes gather until the format changes, so that \'hh pairs of multi-byte
    // code pages decode together.
    void flushBytes() {
        if (bytes_.isEmpty())
            return;
        const QString text = decoded(bytes_);
        bytes_.clear();
        appendRun(text);
    }

    // Windows-1251 by the program's own table, which Qt without ICU (as on Windows) lacks.
    QString decoded(const QByteArray& bytes) const {
        if (codePage_ == cyrillicCodePage)
            return Cp1251::decode(bytes);
        QStringDecoder decoder(codePage_.constData());
        return decoder.isValid() ? QString(decoder.decode(bytes)) : QString::fromLatin1(bytes);
    }

    void appendRun(const QString& text) {
        const GroupState& s = state();
        QString style;
        if (s.bold)
            style += QStringLiteral("font-weight:700;");
        if (s.italic)
            style += QStringLiteral("font-style:italic;");
        if (s.underline)
            style += QStringLiteral("text-decoration:underline;");
        if (s.halfPoints != GroupState().halfPoints)
            style += QStringLiteral("font-size:%1pt;").arg(s.halfPoints / 2.0);
        paragraph_ +=
            style.isEmpty()
                ? escaped(text)
                : QStringLiteral("<span style=\"%1\">%2</span>").arg(style, escaped(text));
        paragraphLength_ += text.size();
        if (limited_)
            checkLimits();
    }

    void checkLimits() {
        using namespace DocumentLimits;
        if (paragraphLength_ > maxLineLength)
            problem_ = lineTooLong(maxLineLength);
        else if (paragraphs_ > maxParagraphs)
            problem_ = tooManyLines(maxParagraphs);
        else if (html_.size() + paragraph_.size() > maxHtmlLength)
            problem_ = tooMuchFormatting();
    }

    void paragraph() {
        flushBytes();
        pendingFallback_ = 0;
        if (state().skipped)
            return;
        endParagraph();
    }

    void endParagraph() {
        flushBytes();
        if (paragraph_.isEmpty())
            html_ += QStringLiteral(
                "<p style=\"-qt-paragraph-type:empty; margin:0; white-space:pre-wrap\"><br /></p>");
        else
            html_ += QStringLiteral("<p style=\"margin:0; white-space:pre-wrap\">") + paragraph_ +
                     QStringLiteral("</p>");
        paragraph_.clear();
        paragraphLength_ = 0;
        ++paragraphs_;
        if (limited_)
            checkLimits();
    }

    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool isDigit(char c) { return c >= '0' && c <= '9'; }

    static constexpr std::size_t maxDepth = 256;

    const QByteArray& in_;
    const bool limited_;
    QString problem_;
    qsizetype paragraphs_ = 0;
    qsizetype paragraphLength_ = 0;
    qsizetype excessDepth_ = 0;
    qsizetype pos_ = 0;
    std::vector<GroupState> stack_{GroupState()};
    bool destinationPending_ = false;
    int pendingFallback_ = 0;
    QByteArray codePage_ = "windows-1252";
    QByteArray bytes_;
    QString paragraph_;
    QString html_;
};

} // namespace

namespace RtfReader {

bool looksLikeRtf(const QByteArray& bytes) {
    return bytes.startsWith("{\\rtf");
}

QString toHtml(const QByteArray& rtf) {
    return QStringLiteral("<html><body>") + Reader(rtf, false).run() +
           QStringLiteral("</body></html>");
}

Document read(const QByteArray& rtf) {
    Reader reader(rtf, true);
    QString body = reader.run();
    if (!reader.problem().isEmpty())
        return {QString(), reader.problem()};
    return {QStringLiteral("<html><body>") + body + QStringLiteral("</body></html>"), QString()};
}

} // namespace RtfReader
