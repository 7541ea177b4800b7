#pragma once
// The temperature profile window: the section to scale with its temperature line,
// the indoor dew point, and whether the inner surface stays warm and dry enough.
// It follows every layer calculation of the layer window and its own inputs.

#include "core/EnvelopeKind.h"
#include "core/ProfileInputs.h"
#include "core/SectionLayers.h"
#include "core/TemperatureCheck.h"
#include "ui/Platform.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class SectionView;
struct Forms;

class TemperatureProfileWindow : public QWidget {
    Q_OBJECT
  public:
    // Cheap: the widgets are built when the window is first shown or its inputs are asked for.
    explicit TemperatureProfileWindow(Forms& forms);

    // The project: the four inputs as typed and the side of layer 1.
    ProfileInputs inputs() const;
    void setInputs(const ProfileInputs& inputs);

    // From the layer window after each calculation: the layers with a thickness.
    void followLayers(const QList<SectionLayers::Layer>& layers);

    // From the requirement window's "Принять": Δt_cr follows the kind of envelope (and
    // the purpose, when given) until the user sets it here; the cold side's air is named.
    void followEnvelope(const EnvelopeKind::Envelope& envelope, std::optional<int> purpose);

    // The profile, the checks and the refused inputs as the window shows them now,
    // whether or not it has been opened.
    TemperatureCheck::Evaluation evaluation() const;

    void setVisible(bool visible) override;

  signals:
    // The user changed the indoor air or the side of layer 1.
    void inputsChanged();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void build();
    void retranslateUi();
    void retranslateBuilt();
    QWidget* buildInputs();
    QWidget* buildResults();
    QWidget* buildDrawingPanel();
    QLineEdit* inputField(const QString& name, const QString& text);
    QLineEdit* resultField(const QString& name);

    void readInputs();
    void recompute();
    void showProblems(const TemperatureCheck::Evaluation& e);
    void showResults(const TemperatureCheck::Evaluation& e);
    void showPlanes(const TemperatureCheck::Evaluation& e);
    void chooseCriticalDifference();
    void applyCriticalDifference();
    bool tableGives(const QString& criticalDifference) const;
    void showColdSide();
    void exportDrawing(FileDialog& dialog, bool asSvg);
    void showExportStatus();

    Forms& forms_;
    ProfileInputs inputs_;
    QList<SectionLayers::Layer> layers_;
    bool built_ = false;
    // Δt_cr: set by the user (typed, or chosen from the lists), or following the envelope.
    bool criticalDifferenceIsUsers_ = false;
    int criticalPurpose_ = 0; // rows and columns of the walls-between-flats Δt_cr table
    int criticalKind_ = 0;
    EnvelopeKind::ColdSide coldSide_ = EnvelopeKind::ColdSide::OutdoorAir;
    FileDialog pngDialog_;
    FileDialog svgDialog_;
    // What the export last reported, kept to be said again in another language.
    enum class ExportStatus { None, NoPicture, Written };
    ExportStatus lastExport_ = ExportStatus::None;
    QString writtenName_;

    std::array<QLineEdit*, 4> inputFields_{}; // in the order of TemperatureCheck::Field
    std::array<QLabel*, 4> inputCaptions_{};
    std::array<QLabel*, 4> resultCaptions_{};
    QGroupBox* inputsBox_ = nullptr;
    QGroupBox* resultsBox_ = nullptr;
    QLabel* listsCaption_ = nullptr;
    QCheckBox* insideIsLayer1_ = nullptr;
    QComboBox* purposeList_ = nullptr;
    QComboBox* kindList_ = nullptr;
    QLabel* criticalHint_ = nullptr;
    QLabel* outdoorCaption_ = nullptr;
    QLabel* coldSideNote_ = nullptr;
    QLabel* problems_ = nullptr;
    QLineEdit* innerSurface_ = nullptr;
    QLineEdit* outerSurface_ = nullptr;
    QLineEdit* dewPoint_ = nullptr;
    QLineEdit* drop_ = nullptr;
    QLabel* sanitaryVerdict_ = nullptr;
    QLabel* condensationVerdict_ = nullptr;
    QLabel* note_ = nullptr;
    QTableWidget* planes_ = nullptr;
    SectionView* view_ = nullptr;
    QLabel* hoverReadout_ = nullptr;
    QLabel* exportStatus_ = nullptr;
    QPushButton* pngButton_ = nullptr;
    QPushButton* svgButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* moistureButton_ = nullptr;
    QLabel* shadingNote_ = nullptr; // what the shading means, and where condensation is checked
};
