#include "ui/ElidedLabel.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QTextLayout>
#include <QToolTip>

namespace {

constexpr int maxWrappedLines = 2;
// No line of a label is wider than a screen: the rest of a long text is never laid out.
constexpr qsizetype headLength = 1000;
constexpr int widestHintInCharacters = 40;

} // namespace

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextFormat(Qt::PlainText);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QString ElidedLabel::head() const {
    QString shown = text().left(headLength);
    shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return shown;
}

QStringList ElidedLabel::wrappedLines(int width, int& total, qsizetype* lastStart) const {
    const QString shown = head();
    QTextLayout layout(shown, font());
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    total = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (++total > maxWrappedLines)
            break;
        lines << shown.mid(line.textStart(), line.textLength());
        if (lastStart)
            *lastStart = line.textStart();
    }
    layout.endLayout();
    return lines;
}

QString ElidedLabel::shownText(int width) const {
    const QFontMetrics metrics = fontMetrics();
    if (!wordWrap())
        return metrics.elidedText(head(), Qt::ElideRight, width);
    int total = 0;
    qsizetype lastStart = 0;
    QStringList lines = wrappedLines(width, total, &lastStart);
    if (total > maxWrappedLines && !lines.isEmpty()) // the last line shown takes the rest, elided
        lines.back() =
            metrics.elidedText(head().mid(lastStart) + QStringLiteral(" …"), Qt::ElideRight, width);
    return lines.join(QLatin1Char('\n'));
}

bool ElidedLabel::isElided() const {
    QString whole = text();
    whole.replace(QLatin1Char('\n'), QLatin1Char(' '));
    QString shown = shownText(contentsRect().width());
    shown.remove(QLatin1Char('\n'));
    return text().size() > headLength || shown.simplified() != whole.simplified();
}

QSize ElidedLabel::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    const int natural = metrics.horizontalAdvance(head());
    const int widest = metrics.averageCharWidth() * widestHintInCharacters;
    const QMargins margins = contentsMargins();
    return {qMin(natural, widest) + margins.left() + margins.right(),
            metrics.height() + margins.top() + margins.bottom()};
}

QSize ElidedLabel::minimumSizeHint() const {
    const QMargins margins = contentsMargins();
    return {fontMetrics().averageCharWidth() * 3 + margins.left() + margins.right(),
            fontMetrics().height() + margins.top() + margins.bottom()};
}

bool ElidedLabel::hasHeightForWidth() const {
    return wordWrap();
}

int ElidedLabel::heightForWidth(int width) const {
    if (!wordWrap())
        return -1;
    const QMargins margins = contentsMargins();
    int total = 0;
    wrappedLines(qMax(1, width - margins.left() - margins.right()), total);
    const int lines = qBound(1, total, maxWrappedLines);
    return fontMetrics().lineSpacing() * lines + margins.top() + margins.bottom();
}

bool ElidedLabel::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (isElided())
            QToolTip::showText(help->globalPos(), text(), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}

void ElidedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = contentsRect();
    style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(),
                          shownText(area.width()), foregroundRole());
}
