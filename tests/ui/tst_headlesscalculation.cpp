// The calculation without windows gives every result the windows show after opening
// the same project: the layers, the check, the selection, the quantity, the profile; and
// the report without windows is the windows' report, its drawings included.

#include "core/InsulationSelection.h"
#include "core/ProjectCalculation.h"
#include "formats/ProjectFile.h"
#include "session/HandInReport.h"
#include "session/HeadlessReport.h"
#include "session/Program.h"
#include "session/ProjectReplay.h"
#include "session/ReportInput.h"
#include "testsupport/ui/ScriptedPlatform.h"
#include "ui/Forms.h"
#include "ui/InterfaceLanguage.h"
#include "ui/Main.h"
#include "ui/MoistureWindow.h"
#include "ui/TemperatureProfileWindow.h"
#include "ui/Unit2.h"
#include "ui/Unit5.h"
#include "ui/Unit9.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
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

// Every text, number and colour of the document's blocks, one line each.
QStringList textsOf(const ReportDocument::Content& content) {
    QStringList texts{content.programName, content.title, content.subtitle};
    const auto join = [](const QStringList& list) { return list.join(QLatin1Char('|')); };
    for (const ReportDocument::Block& block : content.blocks)
        std::visit(
            [&](const auto& b) {
                using B = std::decay_t<decltype(b)>;
                if constexpr (std::is_same_v<B, ReportDocument::Heading>)
                    texts << QStringLiteral("heading ") + b.text + QString::number(b.numbered);
                else if constexpr (std::is_same_v<B, ReportDocument::Section>)
                    for (const ReportDocument::Row& row : b.rows)
                        texts << join({row.caption, row.value,
                                       row.color ? QString::number(row.color->red) +
                                                       QString::number(row.color->green) +
                                                       QString::number(row.color->blue)
                                                 : QString()});
                else if constexpr (std::is_same_v<B, ReportDocument::Table>) {
                    texts << join(b.header) << join(b.totals) << b.note;
                    for (const QStringList& row : b.rows)
                        texts << join(row);
                } else if constexpr (std::is_same_v<B, ReportDocument::Figure>)
                    texts << QStringLiteral("figure %1 %2 %3 %4")
                                 .arg(int(b.drawing))
                                 .arg(b.heightMm)
                                 .arg(b.spaceBelowMm)
                                 .arg(b.month.value_or(-1));
                else
                    texts << b.text;
            },
            block);
    return texts;
}

// Each drawing painted into an image of one fixed size.
QList<QImage> imagesOf(const ReportPages::Drawings& drawings) {
    QList<QImage> images;
    for (auto drawing = drawings.begin(); drawing != drawings.end(); ++drawing) {
        QImage image(900, 700, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        drawing.value()(painter, QRectF(10, 10, 880, 680));
        painter.end();
        images << image;
    }
    return images;
}

// The projects the scenarios saved, each opened as it is.
QStringList savedProjects() {
    return QDir(QFINDTESTDATA("projects")).entryList({QStringLiteral("*.vvz")}, QDir::Files);
}

// The quantity counted for a wall 3 m high and 20 m long, ordered by the grade given.
Change countQuantity(int grade) {
    return [grade](Project::Record& r) {
        r.quantity.counted = true;
        r.quantity.height = QStringLiteral("3");
        r.quantity.length = QStringLiteral("20");
        r.quantity.orderingGrade = grade;
    };
}

} // namespace

Q_DECLARE_METATYPE(Change)

class HeadlessCalculationTest : public QObject {
    Q_OBJECT

  private slots:
    void sameResultsAsTheWindows_data();
    void sameResultsAsTheWindows();
    // The same in Ukrainian: the lists' items, the board and the captions named again.
    void sameResultsInUkrainian_data() { sameResultsAsTheWindows_data(); }
    void sameResultsInUkrainian();

  private:
    void sameReport(Forms& forms, const ScriptedPlatform& platform, const Project::Record& record,
                    const ProjectCalculation::Results& results);
};

void HeadlessCalculationTest::sameResultsAsTheWindows_data() {
    QTest::addColumn<QString>("project");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<Change>("change");
    const QChar comma(QLatin1Char(','));
    const QString typicalWall = QStringLiteral("typical-wall.vvz");
    for (const QString& saved : savedProjects())
        QTest::addRow("%s", qPrintable(saved))
            << QStringLiteral("projects/") + saved << comma << Change([](Project::Record&) {});
    // Variants of a scenario's saved wall: the quantity counted, the details filled, and a
    // heavier board that follows a stricter requirement.
    const QString savedWall = QStringLiteral("projects/save-and-open-wall.vvz");
    QTest::addRow("saved wall, quantity counted") << savedWall << comma << countQuantity(15);
    QTest::addRow("saved wall with details")
        << savedWall << comma << Change([](Project::Record& r) {
               countQuantity(15)(r);
               r.details = {QStringLiteral("Жилой дом, ул. Садовая, 5"), QString(),
                            QStringLiteral("Иванов И. И.")};
           });
    QTest::addRow("saved wall, board follows Kyiv")
        << savedWall << comma << Change([](Project::Record& r) {
               r.requirement.city = {6, QString(), false};
               r.requirement.rqmin = QStringLiteral("2,8");
               r.requirement.envelope.item = 0;
               r.accepted.requirement = r.requirement;
               r.accepted.rqmin = r.main.rqmin = QStringLiteral("2,800");
               r.main.rk = QStringLiteral("2,947");
               const InsulationSelection::InsulationProduct& board =
                   InsulationSelection::products().at(1);
               r.insulation.product = 1;
               r.layers.layers[11] = {{-1, board.name, true},
                                      QStringLiteral("0,053"),
                                      QStringLiteral("0,4"),
                                      QStringLiteral("130")};
               r.main.layerList[11] = {board.name, QStringLiteral("130"), board.name};
               countQuantity(25)(r);
               r.quantity.countedFor = r.layers.layers[11];
               r.quantity.countedFor.thickness = QStringLiteral("120");
           });
    QTest::addRow("typical wall") << typicalWall << comma << Change([](Project::Record&) {});
    QTest::addRow("under the point separator")
        << typicalWall << QChar(QLatin1Char('.')) << Change([](Project::Record&) {});
    QTest::addRow("requirement not met")
        << typicalWall << comma
        << Change([](Project::Record& r) { r.main.rqmin = QStringLiteral("4,5"); });
    QTest::addRow("production building") << typicalWall << comma << Change([](Project::Record& r) {
        r.requirement.building = Project::BuildingKind::Production;
    });
    QTest::addRow("air gap in layer 11") << typicalWall << comma << Change([](Project::Record& r) {
        r.layers.layers[10] = {{-1, QStringLiteral("ВОЗДУШНАЯ  ПРОСЛОЙКА"), true},
                               QStringLiteral("0,294"),
                               QStringLiteral("0"),
                               QStringLiteral("50")};
        r.layers.layer11HoldsAirGap = true;
    });
    QTest::addRow("no board, quantity counted")
        << typicalWall << comma << Change([](Project::Record& r) {
               r.insulation.product = -1;
               r.quantity.counted = true;
               r.quantity.height = QStringLiteral("2,7");
           });
    QTest::addRow("layers stop: thickness no number")
        << typicalWall << comma
        << Change([](Project::Record& r) { r.layers.layers[2].thickness = QStringLiteral("NaN"); });
    QTest::addRow("layers stop: S no number")
        << typicalWall << comma
        << Change([](Project::Record& r) { r.layers.layers[3].s = QStringLiteral("x"); });
    QTest::addRow("check stops: alpha_ext zero")
        << typicalWall << comma
        << Change([](Project::Record& r) { r.main.alphaExt = QStringLiteral("0"); });
    QTest::addRow("Rk typed over the layers'")
        << typicalWall << comma
        << Change([](Project::Record& r) { r.main.rk = QStringLiteral("3,3"); });
    QTest::addRow("check stops: Rk no number")
        << typicalWall << comma
        << Change([](Project::Record& r) { r.main.rk = QStringLiteral("2,1,3"); });
    QTest::addRow("Rk typed below zero: the layers' check made the documents")
        << typicalWall << comma
        << Change([](Project::Record& r) { r.main.rk = QStringLiteral("-5"); });
    QTest::addRow("quantity stops") << typicalWall << comma << Change([](Project::Record& r) {
        r.quantity.counted = true;
        r.quantity.length = QStringLiteral("abc");
    });
    QTest::addRow("profile: layer 12 faces the room")
        << typicalWall << comma << Change([](Project::Record& r) {
               r.profile.insideIsLayer1 = false;
               r.profile.indoorHumidity = QStringLiteral("0");
           });
}

void HeadlessCalculationTest::sameResultsAsTheWindows() {
    QFETCH(QString, project);
    QFETCH(QChar, separator);
    QFETCH(Change, change);
    Project::Record record = ProjectFile::load(QFINDTESTDATA(project));
    change(record);

    ScriptedPlatform platform(separator);
    Program program(platform);
    Forms& forms = program.forms();
    ProjectReplay::replay(forms, record, QStringLiteral("project.vvz"));
    const ProjectCalculation::Results results =
        ProjectCalculation::calculate(record, separator, HeadlessReport::layer12Board(record));

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
    const MoistureCheck::Evaluation moisture = forms.moistureWindow->evaluation();
    QCOMPARE(moisture.problems, results.moisture.problems);
    QCOMPARE(MoistureCheck::interstitialVerdict(results.moisture, separator),
             MoistureCheck::interstitialVerdict(moisture, separator));
    sameReport(forms, platform, Project::withSeparator(record, separator), results);
}

void HeadlessCalculationTest::sameResultsInUkrainian() {
    Language::apply(InterfaceLanguage::Ukrainian);
    sameResultsAsTheWindows();
    Language::apply(InterfaceLanguage::Russian);
}

// Made or declined alike; when made, the same blocks, plain text and drawings.
void HeadlessCalculationTest::sameReport(Forms& forms, const ScriptedPlatform& platform,
                                         const Project::Record& record,
                                         const ProjectCalculation::Results& results) {
    const QChar separator = forms.separator();
    const bool failed =
        std::any_of(platform.messages.begin(), platform.messages.end(),
                    [](const auto& m) { return m.kind == ScriptedPlatform::Kind::Error; });
    const bool windowsMake =
        forms.mainForm->findChild<QAction*>(QStringLiteral("ExportPdf"))->isEnabled() && !failed &&
        !forms.mainForm->resultChange().any();
    QCOMPARE(HeadlessReport::failure(record, results, separator).has_value(), failed);
    const bool headlessMakes = !failed && results.reportReady &&
                               !HeadlessReport::changes(record, results, separator).any();
    QCOMPARE(headlessMakes, windowsMake);
    if (!windowsMake)
        return;
    const ReportDocument::Input windows = reportDocumentInput(forms);
    const ReportDocument::Input headless =
        HeadlessReport::reportDocumentInput(record, results, separator, windows.date);
    QCOMPARE(CalculationReport::lines(headless.report), CalculationReport::lines(windows.report));
    const ReportDocument::Content content = ReportDocument::compose(windows);
    const ReportDocument::Content headlessContent = ReportDocument::compose(headless);
    QCOMPARE(textsOf(headlessContent), textsOf(content));
    const ReportPages::Drawings drawings = drawingsOf(windows, content);
    const ReportPages::Drawings headlessDrawings = drawingsOf(headless, headlessContent);
    QCOMPARE(headlessDrawings.keys(), drawings.keys());
    QVERIFY(imagesOf(headlessDrawings) == imagesOf(drawings));
}

QTEST_MAIN(HeadlessCalculationTest)
#include "tst_headlesscalculation.moc"
