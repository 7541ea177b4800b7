#include "formats/ProjectFile.h"

#include "core/Errors.h"
#include "formats/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace ProjectFile {

namespace {

using namespace Project;

// A project of twelve layers takes a few kilobytes; anything far larger is not one.
constexpr qint64 largestFile = 1 << 20;
constexpr int largestNumber = 1000000;

const char* buildingName(BuildingKind kind) {
    switch (kind) {
    case BuildingKind::Production:
        return "production";
    case BuildingKind::WallsBetweenFlats:
        return "wallsBetweenFlats";
    case BuildingKind::Residential:
        break;
    }
    return "residential";
}

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// ---- writing ----

QJsonObject choiceObject(const ListChoice& choice) {
    return {{QStringLiteral("item"), choice.item}, {QStringLiteral("text"), choice.text}};
}

QJsonObject mainObject(const MainInputs& in) {
    QJsonArray list;
    for (const ListedLayer& layer : in.layerList)
        list.append(QJsonObject{{QStringLiteral("name"), layer.name},
                                {QStringLiteral("thickness"), layer.thickness}});
    return {{QStringLiteral("rqmin"), in.rqmin},
            {QStringLiteral("envelopeCaption"), in.envelopeCaption},
            {QStringLiteral("alphaExt"), in.alphaExt},
            {QStringLiteral("alphaInt"), in.alphaInt},
            {QStringLiteral("constructionType"), in.constructionType},
            {QStringLiteral("rk"), in.rk},
            {QStringLiteral("constructionKind"), in.constructionKind},
            {QStringLiteral("layerList"), list}};
}

QJsonObject requirementObject(const RequirementInputs& in) {
    return {{QStringLiteral("zone"), choiceObject(in.zone)},
            {QStringLiteral("city"), choiceObject(in.city)},
            {QStringLiteral("building"), QLatin1String(buildingName(in.building))},
            {QStringLiteral("envelope"), choiceObject(in.envelope)},
            {QStringLiteral("productionKind"), choiceObject(in.productionKind)},
            {QStringLiteral("regime"), choiceObject(in.regime)},
            {QStringLiteral("inertia"), in.inertia},
            {QStringLiteral("reconstruction"), in.reconstruction},
            {QStringLiteral("rqmin"), in.rqmin}};
}

QJsonObject partitionObject(const PartitionInputs& in) {
    return {{QStringLiteral("warmerPurpose"), choiceObject(in.warmerPurpose)},
            {QStringLiteral("coolerPurpose"), choiceObject(in.coolerPurpose)},
            {QStringLiteral("warmerTemperature"), in.warmerTemperature},
            {QStringLiteral("coolerTemperature"), in.coolerTemperature},
            {QStringLiteral("differencePurpose"), choiceObject(in.differencePurpose)},
            {QStringLiteral("constructionKind"), choiceObject(in.constructionKind)},
            {QStringLiteral("temperatureDifference"), in.temperatureDifference},
            {QStringLiteral("alphaInt"), in.alphaInt},
            {QStringLiteral("rqmin"), in.rqmin}};
}

QJsonObject coefficientsObject(const CoefficientInputs& in) {
    return {{QStringLiteral("constructionType"), choiceObject(in.constructionType)},
            {QStringLiteral("alphaExt"), in.alphaExt},
            {QStringLiteral("alphaInt"), in.alphaInt}};
}

QJsonObject airGapObject(const AirGapInputs& in) {
    return {{QStringLiteral("placement"), choiceObject(in.placement)},
            {QStringLiteral("temperature"), choiceObject(in.temperature)},
            {QStringLiteral("thickness"), choiceObject(in.thickness)},
            {QStringLiteral("resistance"), in.resistance}};
}

QJsonObject layersObject(const LayerStackInputs& in) {
    QJsonArray rows;
    for (const LayerInputs& layer : in.layers)
        rows.append(QJsonObject{{QStringLiteral("material"), choiceObject(layer.material)},
                                {QStringLiteral("ld"), layer.ld},
                                {QStringLiteral("s"), layer.s},
                                {QStringLiteral("thickness"), layer.thickness}});
    return {{QStringLiteral("rows"), rows},
            {QStringLiteral("userListPath"), in.userListPath},
            {QStringLiteral("layer11HoldsAirGap"), in.layer11HoldsAirGap}};
}

QJsonObject quantityObject(const QuantityInputs& in) {
    return {{QStringLiteral("height"), in.height},
            {QStringLiteral("length"), in.length},
            {QStringLiteral("counted"), in.counted},
            {QStringLiteral("orderingGrade"), in.orderingGrade}};
}

QJsonObject profileObject(const ProfileInputs& in) {
    return {{QStringLiteral("indoorTemperature"), in.indoorTemperature},
            {QStringLiteral("indoorHumidity"), in.indoorHumidity},
            {QStringLiteral("outdoorTemperature"), in.outdoorTemperature},
            {QStringLiteral("criticalDifference"), in.criticalDifference},
            {QStringLiteral("insideIsLayer1"), in.insideIsLayer1}};
}

// ---- reading ----

// Reads one JSON object, naming every field by its path for the error message.
class Fields {
  public:
    Fields(const QJsonObject& object, QString where, const QString& file)
        : object_(object), where_(std::move(where)), file_(file) {}

    QString text(const char* key) const {
        const QJsonValue value = field(key);
        if (!value.isString())
            wrong(key, "должно быть текстом");
        return value.toString();
    }

    bool flag(const char* key) const {
        const QJsonValue value = field(key);
        if (!value.isBool())
            wrong(key, "должно быть логическим значением (true или false)");
        return value.toBool();
    }

    int number(const char* key, int lowest) const {
        const QJsonValue value = field(key);
        const double x = value.toDouble();
        if (!value.isDouble() || x != std::floor(x))
            wrong(key, "должно быть целым числом");
        if (x < lowest || x > largestNumber)
            wrong(key, "вне допустимых значений");
        return int(x);
    }

    Fields object(const char* key) const {
        const QJsonValue value = field(key);
        if (!value.isObject())
            wrong(key, "должно быть объектом");
        return {value.toObject(), name(key), file_};
    }

    // An array of exactly `count` objects.
    QList<Fields> rows(const char* key, int count) const {
        const QJsonValue value = field(key);
        const QJsonArray array = value.toArray();
        if (!value.isArray() || array.size() != count)
            wrong(key, QStringLiteral("должно быть списком из %1 элементов").arg(count));
        QList<Fields> result;
        for (int i = 0; i < count; ++i) {
            const QString at = QStringLiteral("%1[%2]").arg(name(key)).arg(i);
            if (!array.at(i).isObject())
                damaged(file_, QStringLiteral("элемент \"%1\" должен быть объектом").arg(at));
            result.append({array.at(i).toObject(), at, file_});
        }
        return result;
    }

    ListChoice choice(const char* key) const {
        const Fields in = object(key);
        return {in.number("item", -1), in.text("text")};
    }

    [[noreturn]] static void damaged(const QString& file, const QString& what) {
        throw FileError(QStringLiteral("Проект \"%1\" поврежден: %2").arg(shownPath(file), what));
    }

  private:
    QString name(const char* key) const {
        const QString leaf = QLatin1String(key);
        return where_.isEmpty() ? leaf : where_ + QLatin1Char('.') + leaf;
    }

    QJsonValue field(const char* key) const {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (value.isUndefined())
            damaged(file_, QStringLiteral("нет поля \"%1\"").arg(name(key)));
        return value;
    }

    [[noreturn]] void wrong(const char* key, const QString& what) const {
        damaged(file_, QStringLiteral("поле \"%1\" %2").arg(name(key), what));
    }

    QJsonObject object_;
    QString where_;
    QString file_;
};

MainInputs readMain(const Fields& in) {
    MainInputs main;
    main.rqmin = in.text("rqmin");
    main.envelopeCaption = in.text("envelopeCaption");
    main.alphaExt = in.text("alphaExt");
    main.alphaInt = in.text("alphaInt");
    main.constructionType = in.text("constructionType");
    main.rk = in.text("rk");
    main.constructionKind = in.number("constructionKind", -1);
    const QList<Fields> list = in.rows("layerList", layerCount);
    for (int i = 0; i < layerCount; ++i)
        main.layerList[i] = {list[i].text("name"), list[i].text("thickness")};
    return main;
}

BuildingKind readBuilding(const Fields& in, const QString& file) {
    const QString name = in.text("building");
    for (BuildingKind kind :
         {BuildingKind::Residential, BuildingKind::Production, BuildingKind::WallsBetweenFlats})
        if (name == QLatin1String(buildingName(kind)))
            return kind;
    Fields::damaged(
        file,
        QStringLiteral("неизвестный вид здания \"%1\" в поле \"requirement.building\"").arg(name));
}

RequirementInputs readRequirement(const Fields& in, const QString& file) {
    RequirementInputs r;
    r.zone = in.choice("zone");
    r.city = in.choice("city");
    r.building = readBuilding(in, file);
    r.envelope = in.choice("envelope");
    r.productionKind = in.choice("productionKind");
    r.regime = in.choice("regime");
    r.inertia = in.text("inertia");
    r.reconstruction = in.flag("reconstruction");
    r.rqmin = in.text("rqmin");
    return r;
}

PartitionInputs readPartition(const Fields& in) {
    PartitionInputs p;
    p.warmerPurpose = in.choice("warmerPurpose");
    p.coolerPurpose = in.choice("coolerPurpose");
    p.warmerTemperature = in.text("warmerTemperature");
    p.coolerTemperature = in.text("coolerTemperature");
    p.differencePurpose = in.choice("differencePurpose");
    p.constructionKind = in.choice("constructionKind");
    p.temperatureDifference = in.text("temperatureDifference");
    p.alphaInt = in.text("alphaInt");
    p.rqmin = in.text("rqmin");
    return p;
}

CoefficientInputs readCoefficients(const Fields& in) {
    return {in.choice("constructionType"), in.text("alphaExt"), in.text("alphaInt")};
}

AirGapInputs readAirGap(const Fields& in) {
    return {in.choice("placement"), in.choice("temperature"), in.choice("thickness"),
            in.text("resistance")};
}

LayerStackInputs readLayers(const Fields& in) {
    LayerStackInputs layers;
    const QList<Fields> rows = in.rows("rows", layerCount);
    for (int i = 0; i < layerCount; ++i)
        layers.layers[i] = {rows[i].choice("material"), rows[i].text("ld"), rows[i].text("s"),
                            rows[i].text("thickness")};
    layers.userListPath = in.text("userListPath");
    layers.layer11HoldsAirGap = in.flag("layer11HoldsAirGap");
    return layers;
}

QuantityInputs readQuantity(const Fields& in) {
    return {in.text("height"), in.text("length"), in.flag("counted"),
            in.number("orderingGrade", 0)};
}

ProfileInputs readProfile(const Fields& in) {
    ProfileInputs profile;
    profile.indoorTemperature = in.text("indoorTemperature");
    profile.indoorHumidity = in.text("indoorHumidity");
    profile.outdoorTemperature = in.text("outdoorTemperature");
    profile.criticalDifference = in.text("criticalDifference");
    profile.insideIsLayer1 = in.flag("insideIsLayer1");
    return profile;
}

[[noreturn]] void notAProject(const QString& path) {
    throw FileError(
        QStringLiteral("Файл \"%1\" не является проектом Vuvuvudozizod").arg(shownPath(path)));
}

// The format's name and version come first: a foreign or newer file is named as such.
void checkFormat(const QJsonObject& root, const QString& path) {
    if (root.value(QLatin1String("format")).toString() != formatName)
        notAProject(path);
    const QJsonValue value = root.value(QLatin1String("version"));
    const double number = value.toDouble();
    if (!value.isDouble() || number != std::floor(number) || number < 1)
        Fields::damaged(path, QStringLiteral("неверная версия формата"));
    if (number > version)
        throw FileError(QStringLiteral("Проект \"%1\" сохранен более новой версией программы "
                                       "(версия формата %2); эта программа открывает проекты "
                                       "версии %3")
                            .arg(shownPath(path))
                            .arg(value.toVariant().toString())
                            .arg(version));
}

} // namespace

// The format's name and version open the file, where a file manager's sniffing finds them
// (QJsonDocument would sort them among the sections).
QByteArray encode(const Record& record) {
    const QJsonObject sections{
        {QStringLiteral("main"), mainObject(record.main)},
        {QStringLiteral("requirement"), requirementObject(record.requirement)},
        {QStringLiteral("partition"), partitionObject(record.partition)},
        {QStringLiteral("coefficients"), coefficientsObject(record.coefficients)},
        {QStringLiteral("airGap"), airGapObject(record.airGap)},
        {QStringLiteral("layers"), layersObject(record.layers)},
        {QStringLiteral("insulation"),
         QJsonObject{{QStringLiteral("product"), record.insulation.product}}},
        {QStringLiteral("quantity"), quantityObject(record.quantity)},
        {QStringLiteral("profile"), profileObject(record.profile)}};
    const QByteArray body = QJsonDocument(sections).toJson(QJsonDocument::Indented);
    return QByteArrayLiteral("{\n    \"format\": \"") + formatName.toUtf8() +
           QByteArrayLiteral("\",\n    \"version\": ") + QByteArray::number(version) +
           QByteArrayLiteral(",\n    \"decimalSeparator\": \"") +
           QString(record.decimalSeparator).toUtf8() + QByteArrayLiteral("\",\n") +
           body.mid(2); // the body without its opening "{\n"
}

Record decode(const QByteArray& bytes, const QString& path) {
    QByteArray json = bytes;
    if (json.startsWith("\xEF\xBB\xBF")) // an editor's byte-order mark
        json.remove(0, 3);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        if (!json.trimmed().startsWith('{'))
            notAProject(path);
        Fields::damaged(path,
                        QStringLiteral("файл испорчен или обрывается (байт %1)").arg(error.offset));
    }
    if (!document.isObject())
        notAProject(path);
    const QJsonObject root = document.object();
    checkFormat(root, path);

    const Fields in(root, QString(), path);
    Record record;
    const QString separator = in.text("decimalSeparator");
    if (separator != QStringLiteral(",") && separator != QStringLiteral("."))
        Fields::damaged(path,
                        QStringLiteral("поле \"decimalSeparator\" должно быть \",\" или \".\""));
    record.decimalSeparator = separator.at(0);
    record.main = readMain(in.object("main"));
    record.requirement = readRequirement(in.object("requirement"), path);
    record.partition = readPartition(in.object("partition"));
    record.coefficients = readCoefficients(in.object("coefficients"));
    record.airGap = readAirGap(in.object("airGap"));
    record.layers = readLayers(in.object("layers"));
    record.insulation.product = in.object("insulation").number("product", -1);
    record.quantity = readQuantity(in.object("quantity"));
    record.profile = readProfile(in.object("profile"));
    return record;
}

Record load(const QString& path) {
    const QFileInfo file(path);
    const auto cannotOpen = [&](const QString& why) {
        return FileError(
            QStringLiteral("Не удалось открыть проект \"%1\": %2").arg(shownPath(path), why));
    };
    if (file.isDir())
        throw cannotOpen(QStringLiteral("это папка, а не файл"));
    if (file.exists() && file.size() > largestFile)
        notAProject(path);
    QByteArray bytes;
    try {
        bytes = TextFile::readExisting(path);
    } catch (const FileError& error) {
        throw cannotOpen(TextFile::reasonInRussian(error.message(), path));
    }
    return decode(bytes, path);
}

void save(const QString& path, const Record& record) {
    TextFile::replaceOwnFile(path, encode(record), QStringLiteral("Не удалось сохранить проект"));
}

} // namespace ProjectFile
