#pragma once
// The required-resistance window: Rqmin from the code's tables.

#include "core/Calculation.h"
#include "core/EnvelopeKind.h"
#include "core/ProjectRecord.h"
#include "ui/LazyWindow.h"
#include "ui/ListChoice.h"
#include "ui/ListPrompt.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;
struct Forms;

class TForm3 : public LazyWindow {
    Q_OBJECT
  public:
    // A project's Rqmin in the main window counts as accepted from this window when
    // "Принять" would have written exactly that text.
    void recallAcceptance(const QString& mainRqmin);
    // What the window showed when it accepted the Rqmin, and a project's acceptance
    // restored: the window shows those inputs and accepts `rqmin` with them, unannounced.
    std::optional<Project::RequirementInputs> acceptedInputs() const;
    void restoreAcceptance(const Project::RequirementInputs& in, const QString& rqmin);
    explicit TForm3(Forms& forms);

    // Hand-overs from the layer window.
    void writeInertia(const QString& text); // D into Edit2
    void enableCalculateButton();           // "Расчет" (Button2)

    // What the calculation report reads.
    QString zoneText() const;   // ComboBox13
    QString regimeText() const; // ComboBox3
    bool reconstructionTicked() const;
    // The chosen city while the zone is still the city's own; empty otherwise.
    QString cityText() const;

    // The project: the inputs as the user left them, and their restoration with
    // the lookup run once, at once, and no window opened.
    Project::RequirementInputs inputs() const;
    void setInputs(const Project::RequirementInputs& in);
    // Tells the kind of envelope the lists show, as "Принять" does (for a restored project).
    void announceEnvelope();

  signals:
    // "Принять" took Rqmin for this kind of envelope; `purpose` is the Δt_cr table's row
    // when the building says it (production buildings), nothing otherwise.
    void envelopeAccepted(const EnvelopeKind::Envelope& envelope, std::optional<int> purpose);

  protected:
    void build() override;
    void changeEvent(QEvent* event) override;

  private:
    // What inputs() gives once the window is built, found without building it.
    Project::RequirementInputs freshInputs() const;
    void retranslateUi();
    // The list items that the accepted requirement names, found before a change of
    // language and named again after it (-1 for a text that is no item).
    void renameAcceptedItems();
    // City, residential envelope, production envelope, regime.
    std::array<ListPrompt, 4> prompts() const;
    QWidget* buildZoneRow();
    QWidget* buildBuildingChoice();
    QWidget* buildProductionInputs();
    QWidget* buildResultRow();
    void connectLists();

    void showResidentialLayout();
    void showProductionLayout();
    void chooseWallsBetweenFlats();
    void untickReconstruction();
    QList<QWidget*> productionControls() const;
    void productionListChanged(QComboBox* box, int& value);
    void zoneChanged();
    void cityChanged();
    void inertiaChanged();
    void residentialLookup(); // Timer1Timer
    void productionLookup();  // Timer2Timer
    void showLookupResult(const QComboBox* envelopes);
    void accept(); // Button1Click

    Forms& forms_;

    RequirementSource sourceOf(const QString& accepted) const;
    // The Rqmin accepted into the main window, described by the choices shown now.
    void recordAcceptance(const QString& accepted);

    double rqmin_ = 0.0;
    int productionKind_ = 0;
    int regime_ = 0;
    double inertia_ = 1.0; // D
    // The choices the accepted Rqmin was described with, in the language of that time.

    QLabel* heading_ = nullptr;
    QLabel* zoneCaption_ = nullptr;
    QLabel* editionNote_ = nullptr;
    QComboBox* ComboBox13 = nullptr; // zone
    QComboBox* ComboBox4 = nullptr;  // city
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QComboBox* ComboBox1 = nullptr; // residential envelope
    QComboBox* ComboBox2 = nullptr; // production envelope
    QComboBox* ComboBox3 = nullptr; // regime
    QLabel* Label12 = nullptr;      // "Тепловая инерция"
    QLabel* Label5 = nullptr;       // "D"
    QLabel* Label4 = nullptr;       // "( D < 1,5 < D )"
    QLabel* Label2 = nullptr;       // inertia class
    QLineEdit* Edit2 = nullptr;     // D
    QPushButton* Button2 = nullptr; // "Расчет"
    QPushButton* Button3 = nullptr; // "Расчет требуемого сопротивления"
    QCheckBox* CheckBox1 = nullptr; // reconstruction
    QLineEdit* Edit1 = nullptr;     // Rqmin, "R0tr"
    QPushButton* Button1 = nullptr; // "Принять"
    QTimer* Timer1 = nullptr;       // residential lookup
    QTimer* Timer2 = nullptr;       // production lookup
};
