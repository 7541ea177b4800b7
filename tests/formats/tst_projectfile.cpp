// The project file: every input read back exactly, and every bad file refused
// with a message that names it and what is wrong.

#include "core/Errors.h"
#include "formats/ProjectFile.h"
#include "support/Files.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

using namespace Project;

// A record whose every member differs from its default, with texts that a
// careless writer would spoil: both separators, quotes, Cyrillic, blanks, a tab.
Record unusualRecord() {
    Record r;
    r.decimalSeparator = QLatin1Char('.');
    r.main = {"2,200", "1.    Наружные стены", "23", "8.7", "Тип \"А\"\t", "  2,130 ", 1, {}};
    for (int i = 0; i < layerCount; ++i)
        r.main.layerList[i] = {QStringLiteral("слой %1").arg(i), QString::number(10 * i)};
    r.requirement = {{2, "  III"},    {17, "Одесса"}, BuildingKind::WallsBetweenFlats,
                     {-1, "набрано"}, {1, "Цех"},     {0, "Режим"},
                     "4,989",         true,           "2,2"};
    r.partition = {{0, "a"}, {1, "b"}, "20", "-5", {2, "c"}, {3, "d"}, "4", "8,7", "0,72"};
    r.coefficients = {{4, "Тип ..."}, "12", "8,7"};
    r.airGap = {{1, "p"}, {0, "t"}, {2, "30"}, "0,15"};
    for (int i = 0; i < layerCount; ++i)
        r.layers.layers[i] = {{i - 1, QStringLiteral("материал %1").arg(i)}, "0,81", "", "1e3"};
    r.layers.userListPath = "/tmp/Теплотех_х-ки_констр.rww";
    r.layers.layer11HoldsAirGap = true;
    r.insulation.product = 2;
    r.quantity = {"3,5", "20", true, 25};
    r.profile = {"18", "60,5", "-19", "4,5", false};
    r.details = {"Школа № 5, ул. \"Садовая\"", "ООО Заказчик", "Инженер\tИванов"};
    return r;
}

QByteArray validFile() {
    return ProjectFile::encode(unusualRecord());
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
    void firstVersionStillOpens();
};

// A file of the first version has no details: they take their defaults.
void ProjectFileTest::firstVersionStillOpens() {
    QJsonObject root = QJsonDocument::fromJson(validFile()).object();
    root["version"] = 1;
    root.remove("details");
    Record expected = unusualRecord();
    expected.details = {};
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
}

void ProjectFileTest::fileIsVersionedUtf8Json() {
    const QByteArray bytes = validFile();
    const QJsonObject root = QJsonDocument::fromJson(bytes).object();
    QCOMPARE(root["format"].toString(), QStringLiteral("vuvuvudozizod-project"));
    QCOMPARE(root["version"].toInt(), 2);
    // The type is told by the file's first bytes, as the desktop's content sniffing reads them.
    QVERIFY(bytes.startsWith("{\n    \"format\": \"vuvuvudozizod-project\",\n    \"version\": 2,\n"
                             "    \"decimalSeparator\": \".\",\n"));
    QVERIFY(bytes.contains("Одесса")); // texts are UTF-8, not escaped
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
    QTest::addRow("newer version")
        << withField("", "version", 3)
        << QStringLiteral("Проект \"p.vvz\" сохранен более новой версией программы (версия "
                          "формата 3); эта программа открывает проекты версии 2");
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
    QCOMPARE(messageOf(missing),
             QStringLiteral("Не удалось открыть проект \"%1\": файл не найден").arg(missing));
    QCOMPARE(messageOf(folder.path()),
             QStringLiteral("Не удалось открыть проект \"%1\": это папка, а не файл")
                 .arg(folder.path()));
}

QTEST_GUILESS_MAIN(ProjectFileTest)
#include "tst_projectfile.moc"
