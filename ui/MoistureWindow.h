#pragma once
// The moisture window: the layers' vapour permeability, the outdoor climate by month,
// the year's condensation balance, the mould check and the vapour-pressure diagram.
// It follows every layer calculation of the layer window, as the profile window does.

#include "core/EnvelopeKind.h"
#include "core/MoistureCheck.h"
#include "core/MoistureInputs.h"
#include "formats/ClimateList.h"
#include "ui/Platform.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class MoistureDiagramView;
struct Forms;

class MoistureWindow : public QWidget {
    Q_OBJECT
  public:
    // Cheap: the widgets are built when the window is first shown.
    explicit MoistureWindow(Forms& forms);

    // The project: δ or μ per layer row, the place and its climate as typed.
    MoistureInputs inputs() const { return inputs_; }
    void setInputs(const MoistureInputs& inputs);

    // From the layer window after each calculation: the layers with a thickness.
    void followLayers(const QList<SectionLayers::Layer>& layers);
    // From the requirement window's "Принять": the surface resistances follow the envelope.
    void followEnvelope(const EnvelopeKind::Envelope& envelope);
    // From the profile window: the indoor air or the side of layer 1 changed.
    void followIndoor();

    // The check as the window shows it now, whether or not it has been opened.
    MoistureCheck::Evaluation evaluation() const;

    void setVisible(bool visible) override;

  protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void build();
    void retranslateUi();
    QWidget* buildLayers();
    QWidget* buildClimate();
    QWidget* buildResults();
    QLineEdit* numberField(const QString& name);

    void showLayerRows();
    void showLayerValues(const MoistureCheck::Evaluation& e);
    void recompute();
    void showEvaluation(const MoistureCheck::Evaluation& e);
    void showMonths(const MoistureCheck::Evaluation& e);
    void showDiagram(const MoistureCheck::Evaluation& e);
    void showClimateTexts();
    void readClimate();
    void pasteClimate();
    void choosePlace(int index);
    void savePlace();
    void loadPlaces();
    void exportDiagram(FileDialog& dialog, bool asSvg);

    Forms& forms_;
    MoistureInputs inputs_;
    QList<SectionLayers::Layer> layers_;
    int envelopeKind_ = 0;
    bool built_ = false;
    int diagramMonth_ = -1; // -1: the default month
    QList<ClimateList::Place> places_;
    bool listDamaged_ = false; // never overwritten then
    FileDialog pngDialog_;
    FileDialog svgDialog_;

    QGroupBox* layersBox_ = nullptr;
    QGridLayout* layerGrid_ = nullptr;
    QWidget* layerRows_ = nullptr;
    struct LayerFields {
        int number = 0; // the layer window's row
        QLineEdit* permeability = nullptr;
        QLineEdit* factor = nullptr;
        QLabel* equivalentThickness = nullptr;
        QLabel* origin = nullptr;
    };
    QList<LayerFields> layerFields_;
    QGroupBox* climateBox_ = nullptr;
    QLabel* indoor_ = nullptr;
    QLabel* placeCaption_ = nullptr;
    QComboBox* place_ = nullptr;
    QPushButton* savePlace_ = nullptr;
    QPushButton* paste_ = nullptr;
    QLabel* climateSource_ = nullptr;
    QLabel* listProblem_ = nullptr;
    std::array<QLabel*, 12> monthCaptions_{};
    std::array<QLineEdit*, 12> temperatures_{};
    std::array<QLineEdit*, 12> humidities_{};
    std::array<QLabel*, 2> temperatureCaptions_{}; // over each half of the year
    std::array<QLabel*, 2> humidityCaptions_{};
    QGroupBox* resultsBox_ = nullptr;
    QLabel* problems_ = nullptr;
    QLabel* interstitial_ = nullptr;
    QLabel* surface_ = nullptr;
    QLabel* method_ = nullptr;
    QTableWidget* months_ = nullptr;
    QLabel* diagramCaption_ = nullptr;
    QComboBox* diagramMonthList_ = nullptr;
    QCheckBox* againstSd_ = nullptr;
    MoistureDiagramView* diagram_ = nullptr;
    QPushButton* pngButton_ = nullptr;
    QPushButton* svgButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QLabel* exportStatus_ = nullptr;
};
