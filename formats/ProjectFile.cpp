#include "formats/ProjectFile.h"

#include "core/Errors.h"
#include "core/ProjectFields.h"
#include "formats/OlderProjects.h"
#include "formats/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>
#include <utility>

namespace ProjectFile {

namespace {

using namespace Project;

constexpr int largestNumber = 1000000;
constexpr int typedChoicesSince = 3; // the version whose choices hold a text only when typed

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// ---- writing ----

// The item names the choice in any language; a text only stands over it when typed
// (or, from an older file, when nobody knows whether it was).
QJsonObject choiceObject(const ListChoice& choice) {
    QJsonObject object{{QStringLiteral("item"), choice.item}};
    if (choice.typed.value_or(true))
        object.insert(QStringLiteral("text"), choice.text);
    if (choice.prompt)
        object.insert(QStringLiteral("prompt"), true);
    return object;
}

// Builds the file's sections from the table of fields.
class Writer : public FieldVisitor {
  public:
    QJsonObject sections;

    void text(Key key, QString& value) override { put(key, value); }
    void number(Key key, QString& value, const QString&) override { put(key, value); }
    void choice(Key key, ListChoice& value) override { put(key, choiceObject(value)); }
    // The item's stable key stands beside its index, so that a list reordered later still
    // finds the entry.
    void keyedChoice(Key key, ListChoice& value, const QStringList& keys) override {
        QJsonObject object = choiceObject(value);
        if (value.item >= 0 && value.item < keys.size())
            object.insert(QStringLiteral("key"), keys[value.item]);
        put(key, object);
    }
    void flag(Key key, bool& value) override { put(key, value); }
    void count(Key key, int& value, int) override { put(key, value); }
    void building(Key key, BuildingKind& value) override {
        put(key, QLatin1String(buildingName(value)));
    }
    // A section of the file, or an object inside one.
    void section(Key key, const std::function<void()>& fields) override {
        const QJsonObject outer = current_;
        const bool nested = depth_++ > 0;
        current_ = QJsonObject();
        fields();
        --depth_;
        const QJsonObject inner = current_;
        current_ = outer;
        if (nested)
            put(key, inner);
        else
            sections.insert(QLatin1String(key.name), inner);
    }
    void rows(Key key, int count, const std::function<void(int)>& row) override {
        const QJsonObject outer = current_;
        QJsonArray list;
        for (int i = 0; i < count; ++i) {
            current_ = QJsonObject();
            row(i);
            list.append(current_);
        }
        current_ = outer;
        put(key, list);
    }

  private:
    void put(Key key, const QJsonValue& value) { current_.insert(QLatin1String(key.name), value); }
    QJsonObject current_;
    int depth_ = 0;
};

// ---- reading ----

// Reads one JSON object, naming every field by its path for the error message.
class Fields {
  public:
    Fields(const QJsonObject& object, QString where, const QString& file)
        : object_(object), where_(std::move(where)), file_(file) {}

    QString text(const char* key) const {
        const QJsonValue value = field(key);
        if (!value.isString())
            wrong(key, QCoreApplication::translate("ProjectFile", "должно быть текстом"));
        return value.toString();
    }

    bool flag(const char* key) const {
        const QJsonValue value = field(key);
        if (!value.isBool())
            wrong(key, QCoreApplication::translate(
                           "ProjectFile", "должно быть логическим значением (true или false)"));
        return value.toBool();
    }

    int number(const char* key, int lowest) const {
        const QJsonValue value = field(key);
        const double x = value.toDouble();
        if (!value.isDouble() || x != std::floor(x))
            wrong(key, QCoreApplication::translate("ProjectFile", "должно быть целым числом"));
        if (x < lowest || x > largestNumber)
            wrong(key, QCoreApplication::translate("ProjectFile", "вне допустимых значений"));
        return int(x);
    }

    bool has(const char* key) const { return object_.contains(QLatin1String(key)); }

    Fields object(const char* key) const {
        const QJsonValue value = field(key);
        if (!value.isObject())
            wrong(key, QCoreApplication::translate("ProjectFile", "должно быть объектом"));
        return {value.toObject(), name(key), file_};
    }

    // An array of exactly `count` objects.
    QList<Fields> rows(const char* key, int count) const {
        const QJsonValue value = field(key);
        const QJsonArray array = value.toArray();
        if (!value.isArray() || array.size() != count)
            wrong(key,
                  QCoreApplication::translate("ProjectFile", "должно быть списком из %1 элементов")
                      .arg(count));
        QList<Fields> result;
        for (int i = 0; i < count; ++i) {
            const QString at = QStringLiteral("%1[%2]").arg(name(key)).arg(i);
            if (!array.at(i).isObject())
                damaged(file_, QCoreApplication::translate("ProjectFile",
                                                           "элемент \"%1\" должен быть объектом")
                                   .arg(at));
            result.append({array.at(i).toObject(), at, file_});
        }
        return result;
    }

    // Files before version 3 hold the shown text of every choice, typed or not; a prompt
    // says so from version 6 on.
    ListChoice choice(const char* key, int version) const {
        const Fields in = object(key);
        const int item = in.number("item", -1);
        const bool prompt = version >= identitiesSince && in.has("prompt") && in.flag("prompt");
        if (version < typedChoicesSince)
            return {item, in.text("text"), std::nullopt, prompt};
        if (!in.has("text"))
            return {item, QString(), false, prompt};
        return {item, in.text("text"), true, prompt};
    }

    // The item a keyed choice names: its index while the key beside it agrees, otherwise
    // the entry that has the key; a key that no entry has is refused by name.
    int keyedItem(const char* key, int item, const QStringList& keys) const {
        const Fields in = object(key);
        if (!in.has("key"))
            return item;
        const QString stable = in.text("key");
        if (item >= 0 && item < keys.size() && keys[item] == stable)
            return item;
        const int found = int(keys.indexOf(stable));
        if (found < 0)
            throw FileError(QCoreApplication::translate(
                                "ProjectFile", "Проект \"%1\" называет в поле \"%2\" элемент "
                                               "\"%3\", которого нет в списке этой программы")
                                .arg(shownPath(file_), name(key), stable));
        return found;
    }

    [[noreturn]] static void damaged(const QString& file, const QString& what) {
        throw FileError(QCoreApplication::translate("ProjectFile", "Проект \"%1\" поврежден: %2")
                            .arg(shownPath(file), what));
    }

  private:
    QString name(const char* key) const {
        const QString leaf = QLatin1String(key);
        return where_.isEmpty() ? leaf : where_ + QLatin1Char('.') + leaf;
    }

    QJsonValue field(const char* key) const {
        const QJsonValue value = object_.value(QLatin1String(key));
        if (value.isUndefined())
            damaged(file_,
                    QCoreApplication::translate("ProjectFile", "нет поля \"%1\"").arg(name(key)));
        return value;
    }

    [[noreturn]] void wrong(const char* key, const QString& what) const {
        damaged(file_,
                QCoreApplication::translate("ProjectFile", "поле \"%1\" %2").arg(name(key), what));
    }

    QJsonObject object_;
    QString where_;
    QString file_;
};

// Fills the record from the file's sections by the table of fields; a field newer than
// the file's version keeps its default.
class Reader : public FieldVisitor {
  public:
    Reader(const Fields& root, int fileVersion, const QString& file)
        : current_(root), version_(fileVersion), file_(file) {}

    void text(Key key, QString& value) override {
        if (holds(key))
            value = current_.text(key.name);
    }
    void number(Key key, QString& value, const QString&) override { text(key, value); }
    void choice(Key key, ListChoice& value) override {
        if (holds(key))
            value = current_.choice(key.name, version_);
    }
    void keyedChoice(Key key, ListChoice& value, const QStringList& keys) override {
        choice(key, value);
        if (holds(key) && version_ >= keyedChoicesSince)
            value.item = current_.keyedItem(key.name, value.item, keys);
    }
    void flag(Key key, bool& value) override {
        if (holds(key))
            value = current_.flag(key.name);
    }
    void count(Key key, int& value, int lowest) override {
        if (holds(key))
            value = current_.number(key.name, lowest);
    }
    void building(Key key, BuildingKind& value) override {
        if (!holds(key))
            return;
        const QString name = current_.text(key.name);
        for (BuildingKind kind :
             {BuildingKind::Residential, BuildingKind::Production, BuildingKind::WallsBetweenFlats})
            if (name == QLatin1String(buildingName(kind))) {
                value = kind;
                return;
            }
        Fields::damaged(file_, QCoreApplication::translate(
                                   "ProjectFile",
                                   "неизвестный вид здания \"%1\" в поле \"requirement.building\"")
                                   .arg(name));
    }
    void section(Key key, const std::function<void()>& fields) override { nested(key, fields); }
    void rows(Key key, int count, const std::function<void(int)>& row) override {
        if (!holds(key))
            return;
        const Fields outer = current_;
        const QList<Fields> list = outer.rows(key.name, count);
        for (int i = 0; i < count; ++i) {
            current_ = list[i];
            row(i);
        }
        current_ = outer;
    }

  private:
    bool holds(Key key) const {
        return key.since <= version_ && (!key.optional || current_.has(key.name));
    }
    void nested(Key key, const std::function<void()>& fields) {
        if (!holds(key))
            return;
        const Fields outer = current_;
        current_ = outer.object(key.name);
        fields();
        current_ = outer;
    }

    Fields current_;
    int version_;
    QString file_;
};

[[noreturn]] void notAProject(const QString& path) {
    throw FileError(
        QCoreApplication::translate("ProjectFile", "Файл \"%1\" не является проектом Vuvuvudozizod")
            .arg(shownPath(path)));
}

// The format's name and version come first: a foreign or newer file is named as such.
void checkFormat(const QJsonObject& root, const QString& path) {
    if (root.value(QLatin1String("format")).toString() != formatName)
        notAProject(path);
    const QJsonValue value = root.value(QLatin1String("version"));
    const double number = value.toDouble();
    if (!value.isDouble() || number != std::floor(number) || number < 1)
        Fields::damaged(path,
                        QCoreApplication::translate("ProjectFile", "неверная версия формата"));
    if (number > version)
        throw FileError(QCoreApplication::translate(
                            "ProjectFile", "Проект \"%1\" сохранен более новой версией программы "
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
    Record fields = record;
    Writer writer;
    visitFields(fields, writer);
    const QJsonObject& sections = writer.sections;
    const QByteArray body = QJsonDocument(sections).toJson(QJsonDocument::Indented);
    return QByteArrayLiteral("{\n    \"format\": \"") + formatName.toUtf8() +
           QByteArrayLiteral("\",\n    \"version\": ") + QByteArray::number(version) +
           QByteArrayLiteral(",\n    \"decimalSeparator\": \"") +
           QString(record.decimalSeparator).toUtf8() + QByteArrayLiteral("\",\n") +
           body.mid(2); // the body without its opening "{\n"
}

namespace {

// The record and the version of the file that held it.
std::pair<Record, int> decodeVersioned(const QByteArray& bytes, const QString& path) {
    QByteArray json = bytes;
    if (json.startsWith("\xEF\xBB\xBF")) // an editor's byte-order mark
        json.remove(0, 3);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        if (!json.trimmed().startsWith('{'))
            notAProject(path);
        Fields::damaged(path, QCoreApplication::translate("ProjectFile",
                                                          "файл испорчен или обрывается (байт %1)")
                                  .arg(error.offset));
    }
    if (!document.isObject())
        notAProject(path);
    const QJsonObject root = document.object();
    checkFormat(root, path);

    const Fields in(root, QString(), path);
    Record record;
    const QString separator = in.text("decimalSeparator");
    if (separator != QStringLiteral(",") && separator != QStringLiteral("."))
        Fields::damaged(
            path, QCoreApplication::translate(
                      "ProjectFile", "поле \"decimalSeparator\" должно быть \",\" или \".\""));
    record.decimalSeparator = separator.at(0);
    const int fileVersion = root.value(QLatin1String("version")).toInt();
    Reader reader(in, fileVersion, path);
    visitFields(record, reader);
    return {record, fileVersion};
}

} // namespace

Record decode(const QByteArray& bytes, const QString& path) {
    return decodeVersioned(bytes, path).first;
}

Record load(const QString& path) {
    const QFileInfo file(path);
    const auto cannotOpen = [&](const QString& why) {
        return FileError(
            QCoreApplication::translate("ProjectFile", "Не удалось открыть проект \"%1\": %2")
                .arg(shownPath(path), why));
    };
    if (file.isDir())
        throw cannotOpen(QCoreApplication::translate("ProjectFile", "это папка, а не файл"));
    const auto tooLarge = [&](qint64 size) {
        return cannotOpen(QCoreApplication::translate(
                              "ProjectFile", "файл занимает %1 байт, а проект не больше %2 байт")
                              .arg(size)
                              .arg(maxFileBytes));
    };
    if (file.exists() && file.size() > maxFileBytes)
        throw tooLarge(file.size());
    QByteArray bytes;
    try {
        bytes = TextFile::readExisting(path);
    } catch (const FileFailure& error) {
        throw cannotOpen(TextFile::reasonInOwnWords(error.problem(), path));
    }
    if (bytes.size() > maxFileBytes) // grown while it was read
        throw tooLarge(bytes.size());
    auto [record, fileVersion] = decodeVersioned(bytes, path);
    if (fileVersion < identitiesSince)
        OlderProjects::identify(record);
    return record;
}

void save(const QString& path, const Record& record) {
    const QString failed =
        QCoreApplication::translate("ProjectFile", "Не удалось сохранить проект");
    const QByteArray bytes = encode(record);
    if (bytes.size() > maxFileBytes)
        throw FileError(QCoreApplication::translate(
                            "ProjectFile", "%1 \"%2\": он занял бы %3 байт, а открываются "
                                           "проекты не больше %4 байт; сократите длинные тексты")
                            .arg(failed, shownPath(path))
                            .arg(bytes.size())
                            .arg(maxFileBytes));
    TextFile::replaceOwnFile(path, bytes, failed);
}

} // namespace ProjectFile
