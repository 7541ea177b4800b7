// The texts of the section drawing: each plane's temperature and each layer's number
// and caption shown whole, none over another, over a leader line or the temperature line.

#include "core/MaterialCatalogue.h"
#include "core/TemperatureCheck.h"
#include "ui/LabelPlacement.h"
#include "ui/SectionDrawing.h"

#include <QTest>

namespace {

using SectionDrawing::Label;

struct Wall {
    QList<SectionLayers::Layer> layers; // in the layer window's order
    bool insideIsLayer1 = true;
};

SectionLayers::Layer fromCatalogue(int row, double thickness) {
    const MaterialCatalogue::MaterialEntry entry = *MaterialCatalogue::lookup(row, 0);
    return {
        row, {0, entry.name, entry.name}, thickness, thickness / (1000 * entry.ld), entry.material};
}

SectionLayers::Layer board(double thickness) { // of the selection window's list
    const QString name = "Плиты пенополистирольные (15 кг/м3)";
    const double resistance = thickness / (1000 * 0.055);
    return {12, {-1, name, name}, thickness, resistance, SectionLayers::kindOf(12, name, false)};
}

// Brick, mortar and a board of 90 mm, as the typical calculation has them.
Wall typicalWall() {
    return {{{3,
              {-1, "Кладка кирп.глин.на цем-.песч.р-ре(1800 кг/м3)", {}},
              380,
              380 / 810.0,
              SectionLayers::Kind::Masonry},
             {4,
              {-1, "Раствор цементно-песчаный (1600 кг/м3)", {}},
              20,
              20 / 810.0,
              SectionLayers::Kind::ConcreteAndMortar},
             board(90)}};
}

// Every row filled, eight of them a few millimetres thin.
Wall thinLayers() {
    const double thicknesses[11] = {5, 10, 250, 20, 8, 12, 6, 120, 3, 15, 4};
    Wall wall;
    for (int row = 1; row <= 11; ++row)
        wall.layers.append(fromCatalogue(row, thicknesses[row - 1]));
    wall.layers.append(board(100));
    return wall;
}

Wall switched(Wall wall) {
    wall.insideIsLayer1 = false;
    return wall;
}

SectionDrawing::Picture pictureOf(const Wall& wall) {
    ProfileInputs inputs;
    inputs.insideIsLayer1 = wall.insideIsLayer1;
    const auto e = TemperatureCheck::evaluate(inputs, "8,7", "23", wall.layers, QLatin1Char(','));
    return *SectionDrawing::pictureOf(e, QLatin1Char(','));
}

bool has(const QList<Label>& labels, Label::Role role, int index, const QString& text) {
    return std::any_of(labels.begin(), labels.end(), [&](const Label& label) {
        return label.role == role && label.index == index && label.text.endsWith(text);
    });
}

// What is wrong with the layout: a text missing, cut or over something else; empty if nothing.
QString faultOf(const SectionDrawing::Layout& layout, const SectionDrawing::Picture& picture,
                const QRectF& area) {
    const QList<Label>& labels = layout.labels;
    for (qsizetype plane = 0; plane < picture.profile.planes.size(); ++plane)
        if (!has(labels, Label::Role::PlaneTemperature, int(plane), {}))
            return QString("plane %1 has no temperature").arg(plane);
    for (qsizetype i = 0; i < picture.layers.size(); ++i) {
        const SectionLayers::Layer& layer = picture.layers[i];
        const QString number = QString::number(layer.number);
        // At the band: its number, or its caption inside the plot or tied to it by a leader.
        const bool atTheBand = std::any_of(labels.begin(), labels.end(), [&](const Label& l) {
            return l.index == i && (l.role == Label::Role::LayerNumber ||
                                    (l.role == Label::Role::LayerCaption &&
                                     (!l.leader.isNull() || layout.plot.contains(l.box))));
        });
        if (!atTheBand)
            return "layer " + number + " is not named at its band";
        const QString caption =
            layer.material.name.trimmed() + ", " + QString::number(layer.thickness) + " мм";
        if (!has(labels, Label::Role::LayerCaption, int(i), caption))
            return "layer " + number + " has no whole caption";
    }
    for (qsizetype a = 0; a < labels.size(); ++a) {
        const QRectF box = labels[a].box;
        if (!area.contains(box))
            return labels[a].text + " leaves the drawing";
        for (qsizetype i = 1; i < layout.line.size(); ++i)
            if (segmentTouches(QLineF(layout.line[i - 1], layout.line[i]), box))
                return labels[a].text + " is on the temperature line";
        for (qsizetype b = 0; b < labels.size(); ++b) {
            if (a == b)
                continue;
            if (b > a && box.intersects(labels[b].box))
                return labels[a].text + " is over " + labels[b].text;
            if (!labels[b].leader.isNull() && segmentTouches(labels[b].leader, box))
                return labels[a].text + " is crossed by the leader of " + labels[b].text;
        }
    }
    return {};
}

} // namespace

class ProfileDrawingTest : public QObject {
    Q_OBJECT
  private slots:
    void segmentTouchesWhatItReaches_data();
    void segmentTouchesWhatItReaches();
    void everyTextReadsClearly_data();
    void everyTextReadsClearly();
};

// The test's own judge of overlaps, so checked first against a box of 10 by 10.
void ProfileDrawingTest::segmentTouchesWhatItReaches_data() {
    QTest::addColumn<QLineF>("segment");
    QTest::addColumn<bool>("touches");
    QTest::newRow("across") << QLineF(-5, 5, 15, 5) << true;
    QTest::newRow("diagonal through") << QLineF(-5, -5, 15, 15) << true;
    QTest::newRow("ending inside") << QLineF(5, 5, 5, -20) << true;
    QTest::newRow("on the border") << QLineF(0, -5, 0, 15) << true;
    QTest::newRow("at a corner") << QLineF(-5, 5, 5, -5) << true;
    QTest::newRow("short of it") << QLineF(-20, 5, -1, 5) << false;
    QTest::newRow("beside, parallel") << QLineF(11, -5, 11, 15) << false;
    QTest::newRow("cutting a corner") << QLineF(-5, 6, 6, -5) << true;
    QTest::newRow("missing a corner") << QLineF(-5, 4, 3, -6) << false;
}

void ProfileDrawingTest::segmentTouchesWhatItReaches() {
    QFETCH(QLineF, segment);
    QFETCH(bool, touches);
    QCOMPARE(segmentTouches(segment, QRectF(0, 0, 10, 10)), touches);
    QCOMPARE(segmentTouches(QLineF(segment.p2(), segment.p1()), QRectF(0, 0, 10, 10)), touches);
}

void ProfileDrawingTest::everyTextReadsClearly_data() {
    QTest::addColumn<Wall>("wall");
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<int>("pixelSize");
    // The window's view, the exported picture, the report's drawing (12 px at 96 dpi).
    const QList<std::tuple<const char*, QSizeF, int>> sizes = {
        {"window", {730, 560}, 0}, {"export", {1200, 720}, 0}, {"report", {680, 567}, 12}};
    const QList<std::pair<const char*, Wall>> walls = {
        {"typical", typicalWall()},
        {"thin layers", thinLayers()},
        {"typical, room side switched", switched(typicalWall())},
        {"thin layers, room side switched", switched(thinLayers())}};
    for (const auto& [wallName, wall] : walls)
        for (const auto& [where, size, pixelSize] : sizes)
            QTest::addRow("%s, %s", wallName, where) << wall << size << pixelSize;
}

void ProfileDrawingTest::everyTextReadsClearly() {
    QFETCH(Wall, wall);
    QFETCH(QSizeF, size);
    QFETCH(int, pixelSize);
    QFont font;
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    const QRectF area(QPointF(0, 0), size);
    const SectionDrawing::Picture picture = pictureOf(wall);
    const SectionDrawing::Layout layout = SectionDrawing::labelLayout(area, font, picture);
    QCOMPARE(layout.line.size(), picture.profile.planes.size());
    const QString fault = faultOf(layout, picture, area);
    QVERIFY2(fault.isEmpty(), qPrintable(fault));
}

QTEST_MAIN(ProfileDrawingTest)
#include "tst_profiledrawing.moc"
