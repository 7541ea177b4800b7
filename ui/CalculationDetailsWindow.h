#pragma once
// The calculation's details for the report's title block: the object, the client and
// the author. Kept in the project; printed only where filled.

#include "core/ProjectRecord.h"
#include "ui/ShownTexts.h"

#include <QWidget>

class QLineEdit;
struct Forms;

class CalculationDetailsWindow : public QWidget {
    Q_OBJECT
  public:
    explicit CalculationDetailsWindow(Forms& forms);

    // The project and the report.
    Project::DetailsInputs inputs() const;
    void setInputs(const Project::DetailsInputs& in);

  protected:
    void changeEvent(QEvent* event) override;

  private:
    ShownTexts texts_{"CalculationDetailsWindow"};
    QLineEdit* ObjectTitle = nullptr;
    QLineEdit* Client = nullptr;
    QLineEdit* Author = nullptr;
};
