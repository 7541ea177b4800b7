#pragma once
// The insulation selection window: the board and the thickness it needs.

#include "core/Caption.h"
#include "core/ProjectRecord.h"
#include "formats/ReportDocument.h"
#include "ui/LazyWindow.h"

#include <QWidget>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;
struct Forms;

class TForm5 : public LazyWindow {
    Q_OBJECT
  public:
    explicit TForm5(Forms& forms);

    // Whether a search is stepping (its next step is due).
    bool searching() const;

    // The project: the board as the user chose it, and its restoration without a
    // search; the layers come from the project, not from the board.
    Project::InsulationInputs inputs() const;
    void setInputs(const Project::InsulationInputs& in);
    // A project that says layer 12 holds the chosen board (by its catalogue name) has it
    // written there again, named in today's language.
    void restoreLayer12Board(const QString& boardSource);

    // The board while layer 12 holds it, with its thickness there and the one the search
    // would confirm for the last check's inputs, for the printed report.
    std::optional<ReportDocument::Insulation> chosenInsulation() const;

  protected:
    void build() override;
    void changeEvent(QEvent* event) override;

  private:
    // What inputs() gives once the window is built, found without building it.
    Project::InsulationInputs freshInputs() const;
    void retranslateUi();
    // The board's name; the panel's caption when none is chosen. The title: in the
    // interface language.
    Caption boardCaption(int index) const;
    QString boardTitle(int index) const;

    QWidget* buildProductPanel();
    QWidget* buildThicknessPanel();
    QWidget* buildButtons();

    void ComboBox1Change(int index);
    void Timer1Timer();
    void Button2Click();
    void Button4Click();

    // Whether the main window's check has completed for the Rk now shown there.
    bool checkIsCurrent() const;
    bool verdictMet() const;
    // A board is chosen and layer 12 in the main window's list is that board, named in the
    // language of today (the layer window names it again when the language changes).
    bool boardIsLayer12() const;
    void stopUnconfirmed();

    Forms& forms_;
    QComboBox* ComboBox1 = nullptr; // product
    QGroupBox* GroupBox1 = nullptr; // product name
    QLabel* Label2 = nullptr;       // Ld
    QLabel* Label4 = nullptr;       // S
    QLabel* Label5 = nullptr;       // needed thickness
    QPushButton* Button2 = nullptr; // "Возврат"
    QPushButton* Button3 = nullptr; // contacts
    QPushButton* Button4 = nullptr; // quantity
    QTimer* Timer1 = nullptr;       // search step, 1000 ms
    QLabel* Label6 = nullptr; // "Необходимая толщина  утеплителя:"
};
