#pragma once
// The walls-between-flats window: Rqmin from two design air temperatures.

#include "core/Calculation.h"
#include "core/ProjectRecord.h"
#include "ui/LazyWindow.h"
#include "ui/ListPrompt.h"

#include <QWidget>

#include <array>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
struct Forms;

class TForm6 : public LazyWindow {
    Q_OBJECT
  public:
    // A project's Rqmin in the main window counts as accepted from this window when
    // "Принять" would have written exactly that text.
    void recallAcceptance(const QString& mainRqmin);
    // What the window showed when it accepted the Rqmin, and a project's acceptance
    // restored: the window shows those inputs and accepts `rqmin` with them.
    std::optional<Project::PartitionInputs> acceptedInputs() const;
    void restoreAcceptance(const Project::PartitionInputs& in, const QString& rqmin);
    explicit TForm6(Forms& forms);

    // Hand-over from the coefficients window.
    void writeAlphaInt(const QString& text);

    // What the calculation report reads.
    QString purposeText() const;  // ComboBox3
    QString deltaTcrText() const; // Edit3

    // The project: the lists and fields as the user left them, and their restoration.
    Project::PartitionInputs inputs() const;
    void setInputs(const Project::PartitionInputs& in);

  protected:
    void build() override;
    void changeEvent(QEvent* event) override;

  private:
    // What inputs() gives once the window is built, found without building it.
    Project::PartitionInputs freshInputs() const;
    void retranslateUi();
    // The lists' prompts: the two temperatures' purposes, DtTcr's purpose and kind.
    std::array<ListPrompt, 4> prompts() const;
    RequirementSource sourceOf(const QString& accepted) const;

  public:
    // The envelope an accepted Rqmin names: the purpose and the texts of the fields.
    static QString acceptedEnvelope(const QString& purpose, const QString& warmer,
                                    const QString& cooler, const QString& deltaTcr);
    // The Rqmin accepted into the main window, described by the choices shown now.
    void recordAcceptance(const QString& accepted);
    QWidget* buildHeading();
    void buildTemperatureRows(QGridLayout* grid);
    void buildDeltaTcrRow(QGridLayout* grid);
    void buildResultRows(QGridLayout* grid);

    void temperatureChosen(const QComboBox* list, double& temperature, QLineEdit* field);
    void kindChanged(); // ComboBox4Change
    void compute();     // Button4Click
    void accept();      // Button2Click

    Forms& forms_;

    double tv1_ = 0.0;
    double tv2_ = 0.0;
    double deltaTcr_ = 0.0;
    double alphaInt1_ = 0.0;
    double rqmin_ = 0.0;
    // The choices the accepted Rqmin was described with, in the language of that time.

    QComboBox* ComboBox1 = nullptr; // tv1 purpose
    QComboBox* ComboBox2 = nullptr; // tv2 purpose
    QComboBox* ComboBox3 = nullptr; // DtTcr purpose
    QComboBox* ComboBox4 = nullptr; // DtTcr kind of construction
    QLineEdit* Edit1 = nullptr;     // tv1
    QLineEdit* Edit2 = nullptr;     // tv2
    QLineEdit* Edit3 = nullptr;     // DtTcr
    QLineEdit* Edit4 = nullptr;     // alpha_int1
    QLineEdit* Edit5 = nullptr;     // Rq min
    QLabel* Label11 = nullptr;      // hint for the cells the user fills in

    // The captions and buttons that change with the language.
    struct {
        QLabel* heading = nullptr;
        QLabel* tv1Caption = nullptr;
        QLabel* tv2Caption = nullptr;
        QLabel* deltaTcrCaption = nullptr;
        QLabel* alphaCaption = nullptr;
        QLabel* resultCaption = nullptr;
        QPushButton* choose = nullptr;
        QPushButton* calculate = nullptr;
        QPushButton* accept = nullptr;
    } texts_;
};
