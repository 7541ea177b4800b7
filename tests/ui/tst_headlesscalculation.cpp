// The calculation without windows gives every result the windows show after opening
// the same project: the layers, the check, the selection, the quantity, the profile.

#include "core/ProjectCalculation.h"
#include "formats/ProjectFile.h"
#include "session/Program.h"
#include "session/ProjectReplay.h"
#include "testsupport/ui/ScriptedPlatform.h"
#include "ui/Forms.h"
#include "ui/Main.h"
#include "ui/TemperatureProfileWindow.h"
#include "ui/Unit2.h"
#include "ui/Unit5.h"
#include "ui/Unit9.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <functional>

namespace {

using Change = std::function<void(Project::Record&)>;

QString shownText(QWidget* window, const char* name) {
    if (auto* field = window->findChild<QLineEdit*>(QLatin1String(name)))
        return field->text();
    return window->findChild<QLabel*>(QLatin1String(name))->text();
}

QStringList temperatureTexts(const TemperatureCheck::Evaluation& e, QChar separator) {
    QStringList texts{e.blocker, e.note};
    if (e.profile)
        for (const auto& plane : e.profile->planes)
            texts << TemperatureCheck::temperatureText(plane.temperature, separator);
    texts << QString::number(e.sanitaryMet.value_or(-1))
          << QString::number(e.surfaceStaysDry.value_or(-1));
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Change)

class HeadlessCalculationTest : public QObject {
    Q_OBJECT

  private slots:
    void sameResultsAsTheWindows_data();
    void sameResultsAsTheWindows();
};

void HeadlessCalculationTest::sameResultsAsTheWindows_data() {
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<Change>("change");
    const QChar comma(QLatin1Char(','));
    QTest::addRow("typical wall") << comma << Change([](Project::Record&) {});
    QTest::addRow("under the point separator")
        << QChar(QLatin1Char('.')) << Change([](Project::Record&) {});
    QTest::addRow("requirement not met")
        << comma << Change([](Project::Record& r) { r.main.rqmin = QStringLiteral("4,5"); });
    QTest::addRow("production building") << comma << Change([](Project::Record& r) {
        r.requirement.building = Project::BuildingKind::Production;
    });
    QTest::addRow("air gap in layer 11") << comma << Change([](Project::Record& r) {
        r.layers.layers[10] = {{-1, QStringLiteral("ВОЗДУШНАЯ  ПРОСЛОЙКА"), true},
                               QStringLiteral("0,294"),
                               QStringLiteral("0"),
                               QStringLiteral("50")};
        r.layers.layer11HoldsAirGap = true;
    });
    QTest::addRow("no board, quantity counted") << comma << Change([](Project::Record& r) {
        r.insulation.product = -1;
        r.quantity.counted = true;
        r.quantity.height = QStringLiteral("2,7");
    });
    QTest::addRow("layers stop: thickness no number")
        << comma
        << Change([](Project::Record& r) { r.layers.layers[2].thickness = QStringLiteral("NaN"); });
    QTest::addRow("layers stop: S no number")
        << comma << Change([](Project::Record& r) { r.layers.layers[3].s = QStringLiteral("x"); });
    QTest::addRow("check stops: alpha_ext zero")
        << comma << Change([](Project::Record& r) { r.main.alphaExt = QStringLiteral("0"); });
    QTest::addRow("Rk typed over the layers'")
        << comma << Change([](Project::Record& r) { r.main.rk = QStringLiteral("3,3"); });
    QTest::addRow("check stops: Rk no number")
        << comma << Change([](Project::Record& r) { r.main.rk = QStringLiteral("2,1,3"); });
    QTest::addRow("Rk typed below zero: the layers' check made the documents")
        << comma << Change([](Project::Record& r) { r.main.rk = QStringLiteral("-5"); });
    QTest::addRow("quantity stops") << comma << Change([](Project::Record& r) {
        r.quantity.counted = true;
        r.quantity.length = QStringLiteral("abc");
    });
    QTest::addRow("profile: layer 12 faces the room") << comma << Change([](Project::Record& r) {
        r.profile.insideIsLayer1 = false;
        r.profile.indoorHumidity = QStringLiteral("0");
    });
}

void HeadlessCalculationTest::sameResultsAsTheWindows() {
    QFETCH(QChar, separator);
    QFETCH(Change, change);
    Project::Record record = ProjectFile::load(QFINDTESTDATA("typical-wall.vvz"));
    change(record);

    ScriptedPlatform platform(separator);
    Program program(platform);
    Forms& forms = program.forms();
    ProjectReplay::replay(forms, record, QStringLiteral("project.vvz"));
    const ProjectCalculation::Results results = ProjectCalculation::calculate(record, separator);

    QCOMPARE(results.failure.has_value(), !platform.messages.isEmpty());
    TForm2& layerWindow = *forms.form2;
    const ProjectCalculation::Layers& layers = results.layers;
    if (layers.resistances) {
        for (int layer = 1; layer <= layerCount; ++layer)
            QCOMPARE(layerWindow.resistanceText(layer), layers.resistances->at(layer - 1));
        QCOMPARE(shownText(&layerWindow, "Edit37"), layers.rk);
        QCOMPARE(shownText(&layerWindow, "Edit38"), layers.totalThickness);
    }
    if (layers.inertias) {
        for (int layer = 1; layer <= layerCount; ++layer)
            QCOMPARE(layerWindow.inertiaText(layer), layers.inertias->at(layer - 1));
        QCOMPARE(layerWindow.inertiaTotalText(), layers.inertiaTotal);
    }

    TMainForm& main = *forms.mainForm;
    QCOMPARE(forms.calculation->hasSnapshot, results.check.has_value());
    QCOMPARE(main.findChild<QAction*>(QStringLiteral("ExportPdf"))->isEnabled(),
             results.reportReady);
    if (const auto& check = results.check) {
        QCOMPARE(forms.calculation->snapshot.rk, check->rk);
        QCOMPARE(forms.calculation->snapshot.r0, check->r0);
        QCOMPARE(shownText(&main, "Edit6"), check->verdict.r0Text);
        QCOMPARE(shownText(&main, "Edit7"), check->verdict.rqminText);
        QCOMPARE(main.relationCaption(), ResistanceCheck::relationCaption(check->verdict.relation));
        QCOMPARE(shownText(&main, "Label8"), ResistanceCheck::verdictText(check->verdict.met));
        if (!check->rkRequired.isEmpty())
            QCOMPARE(main.rkRequired(), check->rkRequired);
    }
    if (const auto board = forms.form5->chosenInsulation())
        QCOMPARE(board->needed, results.neededThickness);
    const auto quantity = forms.form9->workedOutQuantity();
    QCOMPARE(quantity.has_value(), results.quantity.has_value());
    if (quantity) {
        QCOMPARE(quantity->area, results.quantity->area);
        QCOMPARE(quantity->volumeM3, results.quantity->volume);
    }
    QCOMPARE(temperatureTexts(forms.profileWindow->evaluation(), separator),
             temperatureTexts(results.temperatures, separator));
}

QTEST_MAIN(HeadlessCalculationTest)
#include "tst_headlesscalculation.moc"
