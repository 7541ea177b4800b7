// The project file: every input read back exactly, and every bad file refused
// with a message that names it and what is wrong.

#include "core/Errors.h"
#include "core/MaterialCatalogue.h"
#include "core/ProjectFields.h"
#include "core/RequiredResistance.h"
#include "formats/ProjectFile.h"
#include "support/Files.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <map>

namespace {

using namespace Project;

// A choice of the item itself, not typed over.
ListChoice picked(int item) {
    return {item, QString(), false};
}

// A record whose every member differs from its default, with texts that a
// careless writer would spoil: both separators, quotes, Cyrillic, blanks, a tab.
Record unusualRecord() {
    Record r;
    r.decimalSeparator = QLatin1Char('.');
    r.main = {"2,200", "1.    Наружные стены", "23", "8.7", "Тип \"А\"\t", "  2,130 ", 1, {}};
    for (int i = 0; i < layerCount; ++i)
        r.main.layerList[i] = {QStringLiteral("слой %1").arg(i), QString::number(10 * i)};
    r.requirement = {{2, "  III", true},
                     picked(17),
                     BuildingKind::WallsBetweenFlats,
                     {-1, "набрано", true},
                     {1, "Цех", true},
                     {0, "Режим", true},
                     "4,989",
                     true,
                     "2,2"};
    r.partition = {picked(0), {1, "b", true}, "20",  "-5", picked(2), {3, "d", true},
                   "4",       "8,7",          "0,72"};
    r.coefficients = {{4, "Тип ...", true}, "12", "8,7"};
    r.airGap = {{1, "p", true}, picked(0), {2, "30", true}, "0,15"};
    for (int i = 0; i < layerCount; ++i) {
        const bool typed = i % 2 == 0; // the other rows show their picked items
        const QString text = typed ? QStringLiteral("материал %1").arg(i) : QString();
        r.layers.layers[i] = {{i - 1, text, typed}, "0,81", "", "1e3"};
    }
    r.layers.userListPath = "/tmp/Теплотех_х-ки_констр.rww";
    r.layers.layer11HoldsAirGap = true;
    r.insulation.product = 2;
    r.quantity = {"3,5", "20", true, 25, {picked(1), "0,055", "0,33", "90"}};
    r.profile = {"18", "60,5", "-19", "4,5", false};
    r.details = {"Школа № 5, ул. \"Садовая\"", "ООО Заказчик", "Инженер\tИванов"};
    r.accepted = {"2,200", true, r.requirement, r.partition};
    return r;
}

QByteArray validFile() {
    return ProjectFile::encode(unusualRecord());
}

// The valid file with its city's choice, or with layer 2's material, replaced.
QByteArray withKeyedChoice(bool city, const QJsonObject& choice, int version = 5) {
    QJsonObject root = QJsonDocument::fromJson(validFile()).object();
    root["version"] = version;
    if (city) {
        QJsonObject requirement = root["requirement"].toObject();
        requirement["city"] = choice;
        root["requirement"] = requirement;
    } else {
        QJsonObject layers = root["layers"].toObject();
        QJsonArray rows = layers["rows"].toArray();
        QJsonObject row = rows[1].toObject();
        row["material"] = choice;
        rows[1] = row;
        layers["rows"] = rows;
        root["layers"] = layers;
    }
    return QJsonDocument(root).toJson();
}

// The valid file with one field of one section replaced.
QByteArray withField(const QString& section, const QString& key, const QJsonValue& value) {
    QJsonObject root = QJsonDocument::fromJson(validFile()).object();
    if (section.isEmpty()) {
        root[key] = value;
    } else {
        QJsonObject inner = root[section].toObject();
        if (value.isUndefined())
            inner.remove(key);
        else
            inner[key] = value;
        root[section] = inner;
    }
    return QJsonDocument(root).toJson();
}

} // namespace

class ProjectFileTest : public QObject {
    Q_OBJECT

  private slots:
    void everyInputReadsBackExactly();
    void fileIsVersionedUtf8Json();
    void badFilesAreRefused_data();
    void badFilesAreRefused();
    void unreadableFilesAreNamed();
    void olderVersionsStillOpen_data();
    void olderVersionsStillOpen();
    void stableKeysFindTheirEntries_data();
    void stableKeysFindTheirEntries();
    void olderTextsBecomeIdentities_data();
    void olderTextsBecomeIdentities();
    void identitiesReadBack();
};

// What an older version wrote: the shown text of every choice, typed or not.
QJsonValue withShownTexts(const QJsonValue& value) {
    if (value.isArray()) {
        QJsonArray array;
        for (const QJsonValue& element : value.toArray())
            array.append(withShownTexts(element));
        return array;
    }
    if (!value.isObject())
        return value;
    QJsonObject object = value.toObject();
    if (object.contains("item") && !object.contains("text"))
        object["text"] = "показано";
    for (auto field = object.begin(); field != object.end(); ++field)
        field.value() = withShownTexts(field.value());
    return object;
}

// Older files do not say whether a choice's text was typed: the windows decide by its item.
class ShownTexts : public FieldVisitor {
  public:
    void text(Key, QString&) override {}
    void number(Key, QString&, const QString&) override {}
    void choice(Key, ListChoice& value) override {
        if (value.typed == false)
            value.text = "показано";
        value.typed = std::nullopt;
    }
    void flag(Key, bool&) override {}
    void count(Key, int&, int) override {}
    void building(Key, BuildingKind&) override {}
    void section(Key, const std::function<void()>& fields) override { fields(); }
    void rows(Key, int count, const std::function<void(int)>& row) override {
        for (int i = 0; i < count; ++i)
            row(i);
    }
};

void ProjectFileTest::olderVersionsStillOpen_data() {
    QTest::addColumn<int>("version");
    QTest::newRow("first, without details") << 1;
    QTest::newRow("second") << 2;
}

void ProjectFileTest::olderVersionsStillOpen() {
    QFETCH(int, version);
    QJsonObject root = withShownTexts(QJsonDocument::fromJson(validFile()).object()).toObject();
    root["version"] = version;
    Record expected = unusualRecord();
    ShownTexts older;
    visitFields(expected, older);
    expected.accepted = {}; // kept since version 3
    expected.quantity.countedFor = {};
    if (version < 2) {
        root.remove("details");
        expected.details = {};
    }
    QCOMPARE(ProjectFile::decode(QJsonDocument(root).toJson(), "p.vvz"), expected);
}

void ProjectFileTest::everyInputReadsBackExactly() {
    const Record record = unusualRecord();
    QCOMPARE(ProjectFile::decode(ProjectFile::encode(record), "p.vvz"), record);
    QCOMPARE(ProjectFile::decode(ProjectFile::encode(Record{}), "p.vvz"), Record{});

    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath("проект.vvz");
    ProjectFile::save(path, record);
    QCOMPARE(ProjectFile::load(path), record);
    // An editor's byte-order mark does not spoil a project.
    putBytes(path, "\xEF\xBB\xBF" + ProjectFile::encode(record));
    QCOMPARE(ProjectFile::load(path), record);

    // Saved before the acceptance and the quantity's layer 12 were kept: they are empty.
    QJsonObject root = QJsonDocument::fromJson(validFile()).object();
    root.remove("accepted");
    QJsonObject quantity = root["quantity"].toObject();
    quantity.remove("countedFor");
    root["quantity"] = quantity;
    Record older = record;
    older.accepted = {};
    older.quantity.countedFor = {};
    QCOMPARE(ProjectFile::decode(QJsonDocument(root).toJson(), "p.vvz"), older);
}

void ProjectFileTest::fileIsVersionedUtf8Json() {
    const QByteArray bytes = validFile();
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    QCOMPARE(root["format"].toString(), QStringLiteral("vuvuvudozizod-project"));
    QCOMPARE(root["version"].toInt(), 6);
    // The type is told by the file's first bytes, as the desktop's content sniffing reads them.
    QVERIFY(bytes.startsWith("{\n    \"format\": \"vuvuvudozizod-project\",\n    \"version\": 6,\n"
                             "    \"decimalSeparator\": \".\",\n"));
    // A choice is its item; a text stands beside it only when the user typed it.
    const QJsonObject requirement = root["requirement"].toObject();
    QCOMPARE(requirement["city"].toObject(),
             QJsonObject({{"item", 17}, {"key", RequiredResistance::cityItems()[17]}}));
    QCOMPARE(requirement["zone"].toObject(), QJsonObject({{"item", 2}, {"text", "  III"}}));
    QVERIFY(bytes.contains("набрано")); // texts are UTF-8, not escaped
    QVERIFY(bytes.contains("\"8.7\"") && bytes.contains("\"8,7\""));
}

void ProjectFileTest::badFilesAreRefused_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QString damaged = QStringLiteral("Проект \"p.vvz\" поврежден: ");
    const QString foreign = QStringLiteral("Файл \"p.vvz\" не является проектом Vuvuvudozizod");

    QTest::addRow("empty") << QByteArray() << foreign;
    QTest::addRow("plain text") << QByteArray("Расчет\r\n") << foreign;
    QTest::addRow("JSON array") << QByteArray("[1, 2]") << foreign;
    QTest::addRow("foreign JSON") << QByteArray(R"({"name": "x", "version": 1})") << foreign;
    const QByteArray truncated = validFile().left(validFile().size() / 2);
    QJsonParseError where;
    QJsonDocument::fromJson(truncated, &where);
    QTest::addRow("truncated") << truncated
                               << damaged + "файл испорчен или обрывается (байт " +
                                      QString::number(where.offset) + ")";
    const int newer = ProjectFile::version + 1;
    QTest::addRow("newer version")
        << withField("", "version", newer)
        << QStringLiteral("Проект \"p.vvz\" сохранен более новой версией программы (версия "
                          "формата %1); эта программа открывает проекты версии %2")
               .arg(newer)
               .arg(ProjectFile::version);
    QTest::addRow("details of version 2 missing")
        << withField("details", "client", QJsonValue::Undefined)
        << damaged + "нет поля \"details.client\"";
    QTest::addRow("version as text")
        << withField("", "version", "1") << damaged + "неверная версия формата";
    QTest::addRow("odd separator")
        << withField("", "decimalSeparator", ";")
        << damaged + "поле \"decimalSeparator\" должно быть \",\" или \".\"";
    QTest::addRow("missing section") << withField("", "quantity", QJsonValue::Null)
                                     << damaged + "поле \"quantity\" должно быть объектом";
    QTest::addRow("missing field")
        << withField("main", "rk", QJsonValue::Undefined) << damaged + "нет поля \"main.rk\"";
    QTest::addRow("number for a text")
        << withField("main", "rqmin", 2.2) << damaged + "поле \"main.rqmin\" должно быть текстом";
    QTest::addRow("text for a flag")
        << withField("quantity", "counted", "да")
        << damaged + "поле \"quantity.counted\" должно быть логическим значением (true или false)";
    QTest::addRow("fraction for an item")
        << withField("insulation", "product", 1.5)
        << damaged + "поле \"insulation.product\" должно быть целым числом";
    QTest::addRow("item below none") << withField("insulation", "product", -2)
                                     << damaged + "поле \"insulation.product\" вне допустимых "
                                                  "значений";
    QTest::addRow("eleven layers")
        << withField("layers", "rows", QJsonArray(QJsonArray{}))
        << damaged + "поле \"layers.rows\" должно быть списком из 12 элементов";
    QTest::addRow("unknown building")
        << withField("requirement", "building", "school")
        << damaged + "неизвестный вид здания \"school\" в поле \"requirement.building\"";
    QTest::addRow("key of no entry")
        << withKeyedChoice(true, {{"item", 3}, {"key", "Атлантида"}})
        << QStringLiteral("Проект \"p.vvz\" называет в поле \"requirement.city\" элемент "
                          "\"Атлантида\", которого нет в списке этой программы");
    QJsonObject root = QJsonDocument::fromJson(validFile()).object();
    QJsonObject layers = root["layers"].toObject();
    QJsonArray rows = layers["rows"].toArray();
    QJsonObject row = rows[3].toObject();
    row["thickness"] = 120;
    rows[3] = row;
    layers["rows"] = rows;
    root["layers"] = layers;
    QTest::addRow("deep wrong type") << QJsonDocument(root).toJson()
                                     << damaged + "поле \"layers.rows[3].thickness\" должно быть "
                                                  "текстом";
}

void ProjectFileTest::badFilesAreRefused() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    try {
        ProjectFile::decode(bytes, "p.vvz");
        QFAIL("a bad file was read");
    } catch (const FileError& error) {
        QCOMPARE(error.message(), message);
    }
}

void ProjectFileTest::unreadableFilesAreNamed() {
    QTemporaryDir folder;
    const QString missing = QDir(folder.path()).filePath("нет.vvz");
    const auto messageOf = [](const QString& path) {
        try {
            ProjectFile::load(path);
        } catch (const FileError& error) {
            return error.message();
        }
        return QString();
    };
    QCOMPARE(messageOf(missing), QStringLiteral("Не удалось открыть проект \"%1\": файл не найден")
                                     .arg(nativePath(missing)));
    QCOMPARE(messageOf(folder.path()),
             QStringLiteral("Не удалось открыть проект \"%1\": это папка, а не файл")
                 .arg(nativePath(folder.path())));
}

// A list index with its entry's stable key: the key decides when the two disagree (an entry
// inserted or moved since), and files older than the keys keep their index as before.
void ProjectFileTest::stableKeysFindTheirEntries_data() {
    QTest::addColumn<bool>("city"); // else layer 2's material
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("item");
    const QStringList cities = RequiredResistance::cityItems();
    const QStringList materials = MaterialCatalogue::names(2);
    QTest::newRow("city where its key says")
        << true << withKeyedChoice(true, {{"item", 5}, {"key", cities[5]}}) << 5;
    QTest::newRow("city moved") << true << withKeyedChoice(true, {{"item", 5}, {"key", cities[9]}})
                                << 9;
    QTest::newRow("city beyond the list, found by its key")
        << true << withKeyedChoice(true, {{"item", 999}, {"key", cities[2]}}) << 2;
    QTest::newRow("city without a key") << true << withKeyedChoice(true, {{"item", 5}}) << 5;
    QTest::newRow("version 4 reads no key")
        << true << withKeyedChoice(true, {{"item", 5}, {"key", "Атлантида"}, {"text", "x"}}, 4)
        << 5;
    QTest::newRow("material moved")
        << false << withKeyedChoice(false, {{"item", 0}, {"key", materials.last()}})
        << int(materials.size()) - 1;
}

void ProjectFileTest::stableKeysFindTheirEntries() {
    QFETCH(bool, city);
    QFETCH(QByteArray, bytes);
    QFETCH(int, item);
    const Record record = ProjectFile::decode(bytes, "p.vvz");
    QCOMPARE(city ? record.requirement.city.item : record.layers.layers[1].material.item, item);
}

// Versions 1 to 5 kept what lists and captions showed, in the language of their time: opening
// them recognises prompts and handed captions in Russian or Ukrainian, and nothing else.
void ProjectFileTest::olderTextsBecomeIdentities_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    // "prompt", "opened" (the opened user list's caption), a source text, or empty for none.
    QTest::addColumn<QString>("identity");
    const QString prompt = QStringLiteral("prompt");
    const QString wall = QStringLiteral("1.    Наружные стены");
    const QString brick = QStringLiteral("Кладка кирп.глин.на цем-.песч.р-ре(1800 кг/м3)");
    const QString board = QStringLiteral("Плиты пенополистирольные (25 кг/м3)");
    const QString type = QStringLiteral("Внешние стены, крыши, покрытия, перекрытия ");
    QTest::newRow("city prompt, Russian") << "city"
                                          << " Выбрать город ..." << prompt;
    QTest::newRow("city prompt, Ukrainian") << "city"
                                            << " Вибрати місто ..." << prompt;
    QTest::newRow("city typed near the prompt") << "city"
                                                << "Выбрать город ..." << QString();
    QTest::newRow("city typed") << "city"
                                << "Київ" << QString();
    QTest::newRow("layer caption, Ukrainian") << "layer3"
                                              << "Кладка цегляна та блокова" << prompt;
    QTest::newRow("user list opened, Ukrainian") << "layer12"
                                                 << "Список користувача..."
                                                 << "opened";
    QTest::newRow("envelope of the item, Ukrainian") << "envelopeCaption"
                                                     << "1.    Зовнішні стіни" << wall;
    QTest::newRow("envelope typed") << "envelopeCaption"
                                    << "Стены" << QString();
    QTest::newRow("type of the item, Russian") << "typeCaption" << type << type;
    QTest::newRow("layer name of the item, Ukrainian")
        << "layerName3"
        << "Кладка цегл.глин.на цем-.піщ.р-ні(1800 кг/м3)" << brick;
    QTest::newRow("board, Ukrainian") << "board"
                                      << "Плити пінополістирольні (25 кг/м3)" << board;
    QTest::newRow("another board") << "board"
                                   << "Плиты пенополистирольные (15 кг/м3)" << QString();
}

void ProjectFileTest::olderTextsBecomeIdentities() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, identity);
    Record r;
    r.requirement.envelope = picked(0);
    r.coefficients.constructionType = picked(0);
    r.layers.layers[2].material = picked(0);
    r.insulation.product = 1;
    r.layers.layers[11].material = {-1, "Плиты пенополистирольные (25 кг/м3)", true};
    const ListChoice typed{-1, text, true};
    const std::map<QString, std::function<void()>> put = {
        {"city", [&] { r.requirement.city = typed; }},
        {"layer3", [&] { r.layers.layers[2].material = typed; }},
        {"layer12", [&] { r.layers.layers[11].material = typed; }},
        {"envelopeCaption", [&] { r.main.envelopeCaption = text; }},
        {"typeCaption", [&] { r.main.constructionType = text; }},
        {"layerName3", [&] { r.main.layerList[2].name = text; }},
        {"board", [&] { r.main.layerList[11].name = text; }}};
    put.at(field)();
    QJsonObject root = QJsonDocument::fromJson(ProjectFile::encode(r)).object();
    root["version"] = 5;
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath("older.vvz");
    putBytes(path, QJsonDocument(root).toJson());
    const Record opened = ProjectFile::load(path);

    const auto promptOf = [](const ListChoice& choice) {
        return choice.prompt ? QStringLiteral("prompt") : QString();
    };
    const Project::MainInputs& main = opened.main;
    const std::map<QString, QString> found = {
        {"city", promptOf(opened.requirement.city)},
        {"layer3", promptOf(opened.layers.layers[2].material)},
        {"layer12", opened.layers.userListOpened ? QStringLiteral("opened")
                                                 : promptOf(opened.layers.layers[11].material)},
        {"envelopeCaption", main.envelopeSource},
        {"typeCaption", main.constructionTypeSource},
        {"layerName3", main.layerList[2].nameSource},
        {"board", main.layerList[11].nameSource}};
    QCOMPARE(found.at(field), identity);
    QCOMPARE(opened.layers.layers[11].material.prompt, field == "layer12" && !identity.isEmpty());
}

// Version 6 keeps the identities, and a file of its own is taken at its word: a text that
// looks like a prompt is the text typed.
void ProjectFileTest::identitiesReadBack() {
    Record r = unusualRecord();
    r.requirement.city = {-1, " Вибрати місто ...", true, true};
    r.accepted.partition.constructionKind = {2, "Вид конструкции", true, true};
    r.layers.layers[11].material = {-1, "Пользовательский список...", true, true};
    r.layers.userListOpened = true;
    r.main.envelopeSource = "1.    Наружные стены";
    r.main.constructionTypeSource = "Внешние стены, крыши, покрытия, перекрытия ";
    r.main.layerList[2].nameSource = "Кладка кирп.глин.на цем-.песч.р-ре(1800 кг/м3)";
    r.main.layerList[11].nameSource = "Плиты пенополистирольные (25 кг/м3)";
    QCOMPARE(ProjectFile::decode(ProjectFile::encode(r), "p.vvz"), r);

    Record typed;
    typed.requirement.city = {-1, " Выбрать город ...", true};
    typed.main.envelopeCaption = "1.    Наружные стены";
    typed.requirement.envelope = picked(0);
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath("today.vvz");
    ProjectFile::save(path, typed);
    QCOMPARE(ProjectFile::load(path), typed);
}

QTEST_GUILESS_MAIN(ProjectFileTest)
#include "tst_projectfile.moc"
