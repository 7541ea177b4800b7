#pragma once
// The layer window: the construction's layers, their resistance and inertia.

#include "core/LayerStack.h"
#include "core/ProjectRecord.h"
#include "core/Rgb.h"
#include "core/SectionLayers.h"
#include "ui/LazyWindow.h"
#include "ui/ListChoice.h"
#include "ui/Platform.h"

#include <QWidget>

#include <array>

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QToolButton;
struct Forms;

class TForm2 : public LazyWindow {
    Q_OBJECT
  public:
    explicit TForm2(Forms& forms);

    // Hand-overs from the insulation selection (buttons pressed from code raise their errors).
    // Layer 12 takes the board by its catalogue name (the source text), shown in the
    // language of the interface, and named again in the new one while it still shows it.
    void writeLayer12Board(const QString& source);
    // The catalogue name of the board layer 12 still shows as written, empty when none.
    QString layer12Board() const;
    void writeLd(int layer, const QString& text);        // Edit1 .. Edit12
    void writeS(int layer, const QString& text);         // Edit39 .. Edit50
    void writeThickness(int layer, const QString& text); // Edit13 .. Edit24
    void pressCalculate();                               // "Расчет"
    void pressLayer12Thickness();                        // hidden "Dt12"
    QString selectedLayer12Thickness() const;            // Edit64
    void writeSelectedLayer12Thickness(const QString& text);
    QString thickness(int layer) const; // Dt field text
    Rgb verdictColor() const;           // colour of Label79

    // What the calculation report reads.
    QString ldText(int layer) const;
    QString resistanceText(int layer) const;
    double calculatedThickness(int layer) const; // stored Dt of the last calculation
    // The layers of the last calculation, for the needed thickness of a document.
    const LayerStack::Stack& lastCalculation() const;
    bool layer11HoldsAirGap() const;
    // What the printed report reads besides.
    QString sText(int layer) const;
    QString inertiaText(int layer) const; // D of the layer
    QString inertiaTotalText() const;     // D of the construction

    // The verdict line, written by the main window's check.
    void showVerdict(const QString& text, Rgb color);
    // The main window's note that the verdict no longer follows the inputs; empty hides it.
    void showOutOfDate(const QString& note);

    // Where the material lists and number fields of the layers are on the screen, which
    // the selection window leaves uncovered (the board's layer 12 included, for its thickness).
    QRect layerRowsOnScreen() const;
    // The verdict line, its out-of-date note and "Расчет" under them, on the screen: the
    // selection window leaves them uncovered too.
    QRect verdictOnScreen() const;

    // From the air-gap window: layer 11 becomes the accepted gap.
    void acceptAirGap(const QString& thickness, const QString& ld, const QString& s);

    // The project: the layers as the user left them, and their restoration along the
    // choices' own paths without opening the air-gap window or reading the Ld and S files.
    Project::LayerStackInputs inputs() const;
    void setInputs(const Project::LayerStackInputs& in);

  signals:
    // After each calculation has its resistances: the layers with a thickness, their
    // stored (unrounded) R, from layer 1 to 12.
    void layersCalculated(const QList<SectionLayers::Layer>& layers);

  private slots:
    // The user list of layer 12: its open button (SpeedButton1), a choice from
    // ComboBox12 and "Редактировать пользовательский список" (SpeedButton2).
    void openUserList();
    void chooseUserListEntry(int index);
    void editUserList();

  protected:
    void build() override;
    void changeEvent(QEvent* event) override;

  private:
    // What inputs() gives once the window is built, found without building it.
    Project::LayerStackInputs freshInputs() const;
    friend class LayerWindowSteps;

    void retranslateUi();
    void retranslateLists();
    void renameLayer12Board();
    bool layer12ShowsBoard() const;
    // The caption list i (0..11) shows with nothing chosen: its source and shown texts.
    QString captionSource(int i) const;
    QString captionShown(int i) const;
    bool showsProgramCaption(int i) const;
    void showCaption(int i);
    void restoreCaptions(const Project::LayerStackInputs& in);

    void buildLayerTable(QGridLayout* grid);
    void addLayerRow(QGridLayout* grid, int layer);
    QWidget* buildUserListControls();
    QWidget* buildTotals();
    QWidget* buildVerdictAndButtons();
    void connectLayerRow(int layer);
    void readRows();
    void announceLayers();

    void chooseMaterial(int layer, int index); // ComboBox1 .. ComboBox11 changed
    void Timer1Timer();
    void Timer2Timer();
    void SpeedButton3Click();

    Forms& forms_;
    LayerStack::Stack stack_; // the rows as the last choice and calculation left them
    bool layer11AirGap_ = false;
    bool restoringInputs_ = false; // a choice replayed from a project opens no window

    // The controls of one layer's row.
    struct LayerControls {
        QComboBox* selector = nullptr; // ComboBox1 .. ComboBox12
        QLineEdit* ld = nullptr;       // Edit1 .. Edit12
        QLineEdit* s = nullptr;        // Edit39 .. Edit50
        QLineEdit* dt = nullptr;       // Edit13 .. Edit24
        QLineEdit* r = nullptr;        // Edit25 .. Edit36
        QLineEdit* d = nullptr;        // Edit52 .. Edit63
    };
    std::array<LayerControls, layerCount> rows_{};

    QLineEdit* Edit37 = nullptr;         // Rk
    QLineEdit* Edit38 = nullptr;         // total thickness
    QLineEdit* Edit51 = nullptr;         // D
    QLineEdit* Edit64 = nullptr;         // selected layer-12 thickness, hidden
    QLabel* Label79 = nullptr;           // verdict line
    QLabel* staleNote = nullptr;         // the verdict is out of date
    QString outOfDate_;                  // the note it shows, kept while not built
    QPushButton* Button1 = nullptr;      // "Расчет"
    QPushButton* Button3 = nullptr;      // "Принять"
    QPushButton* Button12 = nullptr;     // "Dt12", hidden
    QPushButton* SpeedButton3 = nullptr; // insulation selection
    QToolButton* SpeedButton1 = nullptr; // open the user list
    QPushButton* SpeedButton2 = nullptr; // edit the user list
    FileDialog userListDialog_;          // the user list's own open dialog
    QTimer* Timer1 = nullptr;            // blink: dark red and bold
    QTimer* Timer2 = nullptr;            // blink: black again

    QPushButton* profileButton = nullptr;  // "Температурный профиль..."
    QPushButton* moistureButton = nullptr; // "Влажностный режим..."

    QLabel* heading_ = nullptr;
    std::array<QLabel*, 5> columnHeadings_{};
    std::array<QLabel*, 3> totalCaptions_{};
    QLabel* resultsHeading_ = nullptr;
    const char* layer12Caption_ = nullptr; // source text, context TForm2
    QString layer12Board_;                 // the board's catalogue name that layer 12 was given
};
