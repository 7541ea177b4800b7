#pragma once
// The main window: the hub of the calculation, its inputs, results, layer list and the check.

#include "core/Caption.h"
#include "core/EnvelopeKind.h"
#include "core/ProjectRecord.h"
#include "core/ResistanceCheck.h"
#include "core/ResultState.h"
#include "core/Rgb.h"
#include "ui/Platform.h"
#include "ui/ShownTexts.h"

#include <QWidget>

#include <array>
#include <optional>
#include <utility>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStatusBar;
class QTimer;
class QToolButton;
struct Forms;

class TMainForm : public QWidget {
    Q_OBJECT
  public:
    explicit TMainForm(Forms& forms);

    // Hand-overs from the requirement and coefficient windows.
    void writeRqmin(const QString& text);
    // The envelope's caption, followed into another language when it names a list item.
    void writeEnvelopeCaption(const Caption& caption);
    void writeEnvelopeCaption(const QString& text); // shown as it is
    void writeAlphaExt(const QString& text);
    void writeAlphaInt(const QString& text);
    void writeConstructionType(const QString& text);
    // The report's construction kind follows the envelope accepted last, until the user
    // chooses one.
    void followEnvelope(const EnvelopeKind::Envelope& envelope);
    // The same construction type named in the language installed now; the last check
    // recorded it under its old name, which follows when it was this one.
    // A caption that follows the interface's language.
    void writeConstructionType(const Caption& caption);

    // Hand-overs from the layer window; writing Rk runs the R0 computation, nested.
    void writeRk(const QString& text);
    // A layer's name, followed into another language when it names a catalogue entry.
    void writeLayerName(int layer, const Caption& name);      // layer 1..12
    void writeLayerName(int layer, const QString& text);      // shown as it is
    void writeLayerThickness(int layer, const QString& text); // layer 1..12
    void writeTotalThickness(const QString& text);

    // What the other windows and the report read.
    QString rqmin() const;
    QString rkRequired() const;
    QString rkText() const;
    QString alphaExtText() const; // as the check reads them
    QString alphaIntText() const;
    QString r0Text() const;
    QString envelopeCaption() const;
    QString constructionType() const;
    QString constructionKind() const;
    QString relationCaption() const;
    QString layerName(int layer) const;
    QString layerThickness(int layer) const;
    QString totalThickness() const;

    // After a report has been written.
    void enableViewButton();

    // The project: the fields the user types or accepts from the other windows, and
    // their restoration (Rk follows the layer calculation, so it is written apart).
    Project::MainInputs inputs() const;
    void setInputs(const Project::MainInputs& in);
    // R0, the check and Rk_req at once, as "Расчет!!!" and its timers would give them.
    void recheck();
    // What has changed since the results shown were computed; the out-of-date notes
    // of this window and the layer window follow it, refreshed after every change.
    ResultState::Changes resultChange() const;
    void refreshResultState();
    // Opens a project file, from the menu or the command line; a bad file changes nothing.
    void openProject(const QString& path);

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void retranslateUi();
    void showVerdict();
    QWidget* buildToolBar();
    QWidget* buildInputPanel();
    QWidget* buildResultsPanel();
    QWidget* buildDealerPanel();
    QWidget* buildLowerPanel();
    QWidget* buildLayerList();
    void buildMenu(class QVBoxLayout* layout);
    void addProjectItems(QMenu* file);
    void addRestoreItem(QMenu* file);
    void addHandInItems(QMenu* file);
    QLineEdit* numberField(const QString& name, bool decimalKeys);
    void connectCheck();

    void computeR0();
    void runCheck();
    void computeRkRequired();
    void showCalculationHelp();
    void openDealerSite();

    Forms& forms_;
    Platform& platform_;
    ShownTexts texts_{"TMainForm"};
    // What the last check found, kept to show it again in another language.
    std::optional<std::pair<bool, ResistanceCheck::Relation>> shownVerdict_;
    // Label17's caption once another window handed one over; until then it names what comes.
    std::optional<Caption> envelopeCaption_;
    std::array<Caption, layerCount> layerNameCaptions_; // Label19 .. Label30
    // Label18's caption: what the coefficients window handed, or what comes there until then.
    Caption constructionType_{"TMainForm",
                              QStringLiteral(QT_TRANSLATE_NOOP("TMainForm", "Тип конструкции"))};
    bool constructionKindChosen_ = false; // the user picked ComboBox1's item

    QLineEdit* Edit1 = nullptr;                         // Rk
    QLineEdit* Edit2 = nullptr;                         // alpha_ext
    QLineEdit* Edit3 = nullptr;                         // alpha_int
    QLineEdit* Edit4 = nullptr;                         // R0
    QLineEdit* Edit5 = nullptr;                         // Rqmin
    QLineEdit* Edit6 = nullptr;                         // R0 beside the relation
    QLineEdit* Edit7 = nullptr;                         // Rqmin beside the relation
    QLineEdit* Edit8 = nullptr;                         // Rk_req
    QLabel* Label7 = nullptr;                           // relation
    QLabel* Label8 = nullptr;                           // verdict
    QLabel* staleNote = nullptr;                        // the results are out of date
    QLabel* Label17 = nullptr;                          // envelope-kind caption
    QLabel* Label18 = nullptr;                          // construction-type caption
    QLabel* Label45 = nullptr;                          // total thickness
    QLabel* Label46 = nullptr;                          // "Итого:"
    std::array<QLabel*, layerCount> layerNames{};       // Label19 .. Label30
    std::array<QLabel*, layerCount> layerThicknesses{}; // Label31 .. Label42
    QComboBox* ComboBox1 = nullptr;                     // construction kind
    QPushButton* selectInsulationButton = nullptr;
    QPushButton* saveReportButton = nullptr;
    QAction* exportPdf_ = nullptr;
    QAction* printReport_ = nullptr;
    QToolButton* viewButton = nullptr;
    QStatusBar* statusLine = nullptr;
    QTimer* Timer1 = nullptr; // check, 200 ms
    QTimer* Timer2 = nullptr; // Rk_req follow-up, 300 ms

    FileDialog openDialog_;
    FileDialog saveDialog_;
};
