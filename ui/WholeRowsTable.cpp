#include "ui/WholeRowsTable.h"

#include <QHeaderView>
#include <QScrollBar>

WholeRowsTable::WholeRowsTable(int rows, int columns) : QTableWidget(rows, columns) {
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
}

void WholeRowsTable::updateGeometries() {
    QTableWidget::updateGeometries(); // places the headers beside the viewport's margins
    const int rowHeight = verticalHeader()->defaultSectionSize();
    const QMargins margins = viewportMargins();
    const int area = contentsRect().height() - margins.top() -
                     (horizontalScrollBar()->isVisible() ? horizontalScrollBar()->height() : 0);
    const int spare = rowHeight > 0 && area > rowHeight ? area % rowHeight : 0;
    if (margins.bottom() != spare)
        setViewportMargins(margins.left(), margins.top(), margins.right(), spare);
}
