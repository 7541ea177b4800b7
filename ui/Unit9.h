#pragma once
// The quantity window: insulation area, volume and the order text.

#include "core/ProjectRecord.h"
#include "formats/ReportDocument.h"
#include "ui/LazyWindow.h"
#include "ui/Platform.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;
struct Forms;

class TForm9 : public LazyWindow {
    Q_OBJECT
  public:
    explicit TForm9(Forms& forms);

    // Recalculates one interval from now, unless a recalculation is already due.
    void startRecalculation();

    // The project: the height and length as the user left them and whether the
    // quantity was counted; restoring counts it again at once (the grade comes first).
    Project::QuantityInputs inputs() const;
    void setInputs(const Project::QuantityInputs& in);

    // The last quantity worked out, for the printed report; none before one.
    std::optional<ReportDocument::Quantity> workedOutQuantity() const;

  protected:
    void build() override;
    void changeEvent(QEvent* event) override;

  private:
    // What inputs() gives once the window is built, found without building it.
    Project::QuantityInputs freshInputs() const;
    // What the summary line says, kept so that it can be said again in another language.
    // At start, those of the summary shown before the first count.
    struct SummaryParts {
        QString grade = QStringLiteral("15");
        QString thickness = QStringLiteral("100"); // mm, as layer 12 showed it
        QString area = QStringLiteral("60");       // m², whole
    };
    void retranslateUi();
    QString summaryText() const;

    QWidget* buildInputs();
    QWidget* buildResults();
    QWidget* buildButtons();
    QComboBox* numberBox(const QString& name, const QStringList& items, const QString& text);

    void Timer1Timer();
    // Works the quantity out for layer 12 as given.
    void countFor(const Project::LayerInputs& layer12);
    void Button1Click();
    Project::LayerInputs layer12Now() const;
    // The quantity shown was worked out for layer 12 as it is, and the layers are calculated.
    bool followsLayer12() const;

    Forms& forms_;
    QComboBox* ComboBox1 = nullptr; // height, m
    QComboBox* ComboBox2 = nullptr; // total length, m
    QLabel* Panel1 = nullptr;       // summary
    QLabel* Label5 = nullptr;       // volume
    QPushButton* Button1 = nullptr; // save the order text
    QPushButton* Button2 = nullptr; // order: the contacts window
    QPushButton* Button3 = nullptr; // leave the program
    QTimer* Timer1 = nullptr;       // recalculation, 1000 ms
    FileDialog saveDialog_;
    QLabel* Label1 = nullptr; // height caption
    QLabel* Label2 = nullptr; // length caption
    QLabel* Label4 = nullptr; // volume caption
    SummaryParts summary_;
    // Layer 12 as it was when the quantity was last worked out; none before that, since
    // the start or the last project.
    std::optional<Project::LayerInputs> countedLayer12_;
    double countedArea_ = 0;   // m², of the quantity shown
    double countedVolume_ = 0; // m³, unrounded
};
