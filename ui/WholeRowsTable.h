#pragma once
// A table that never shows a row cut in half: the rows' area is as high as the whole
// rows that fit, and the rest of them is reached by scrolling.

#include <QTableWidget>

class WholeRowsTable : public QTableWidget {
  public:
    WholeRowsTable(int rows, int columns);

  protected:
    void updateGeometries() override;
};
