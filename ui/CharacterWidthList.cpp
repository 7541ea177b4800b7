#include "ui/CharacterWidthList.h"

#include <QStyleOptionComboBox>
#include <QtMath>

#include <algorithm>

CharacterWidthList::CharacterWidthList(int characters, QWidget* parent) : QComboBox(parent) {
    setMinimumContentsLength(characters);
}

QSize CharacterWidthList::sizeHint() const {
    // As QComboBox measures its text for that policy: the letters, the icon and 4 pixels
    // beside it, the placeholder if wider; a line of text or the icon, 14 pixels at least,
    // and 2 more; then the frame and the arrow as the style adds them.
    const QFontMetrics metrics = fontMetrics();
    int width = minimumContentsLength() * metrics.horizontalAdvance(QLatin1Char('X')) +
                iconSize().width() + 4;
    if (!placeholderText().isEmpty())
        width = std::max(width, metrics.boundingRect(placeholderText()).width());
    const int height =
        std::max({qCeil(QFontMetricsF(metrics).height()), 14, iconSize().height()}) + 2;
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(width, height), this);
}

QSize CharacterWidthList::minimumSizeHint() const {
    return sizeHint();
}
