#include "formats/ClimateList.h"

#include "core/Errors.h"
#include "formats/TextFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <cmath>
#include <optional>

namespace ClimateList {

namespace {

const QString formatName = QStringLiteral("vuvuvudozizod-climates");
constexpr int version = 1;

QString tr(const char* text) {
    return QCoreApplication::translate("ClimateList", text);
}

std::optional<Place> placeOf(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    const QJsonArray months = object.value(QLatin1String("months")).toArray();
    Place place{object.value(QLatin1String("name")).toString(), {}, {}};
    if (!value.isObject() || place.name.trimmed().isEmpty() || months.size() != 12)
        return std::nullopt;
    for (int m = 0; m < 12; ++m) {
        const QJsonValue t = months[m].toObject().value(QLatin1String("temperature"));
        const QJsonValue h = months[m].toObject().value(QLatin1String("humidity"));
        if (!t.isDouble() || !h.isDouble() || h.toDouble() < 0 || h.toDouble() > 100 ||
            std::abs(t.toDouble()) >= 100)
            return std::nullopt;
        place.temperature[m] = t.toDouble();
        place.humidity[m] = h.toDouble();
    }
    return place;
}

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

Loaded decode(const QByteArray& bytes, const QString& path) {
    Loaded loaded;
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    const QJsonObject root = document.object();
    if (!document.isObject() || root.value(QLatin1String("format")).toString() != formatName ||
        root.value(QLatin1String("version")).toInt() != version ||
        !root.value(QLatin1String("places")).isArray()) {
        loaded.problem = tr("Файл \"%1\" не является списком климата этой программы или поврежден; "
                            "он не будет перезаписан.")
                             .arg(shown(path));
        return loaded;
    }
    int refused = 0;
    for (const QJsonValue& value : root.value(QLatin1String("places")).toArray()) {
        if (const auto place = placeOf(value))
            loaded.places.append(*place);
        else
            ++refused;
    }
    if (refused > 0)
        loaded.problem = tr("В списке климата \"%1\" не прочитано мест: %2; список не будет "
                            "перезаписан.")
                             .arg(shown(path))
                             .arg(refused);
    return loaded;
}

Loaded load(const QString& path) {
    if (path.isEmpty() || !QFileInfo::exists(path))
        return {};
    try {
        return decode(TextFile::readExisting(path), path);
    } catch (const FileError& error) {
        return {{}, tr("Список климата \"%1\" не прочитан: %2").arg(shown(path), error.message())};
    }
}

QByteArray encode(const QList<Place>& places) {
    QJsonArray list;
    for (const Place& place : places) {
        QJsonArray months;
        for (int m = 0; m < 12; ++m)
            months.append(QJsonObject{{QStringLiteral("temperature"), place.temperature[m]},
                                      {QStringLiteral("humidity"), place.humidity[m]}});
        list.append(
            QJsonObject{{QStringLiteral("name"), place.name}, {QStringLiteral("months"), months}});
    }
    const QJsonObject root{{QStringLiteral("format"), formatName},
                           {QStringLiteral("version"), version},
                           {QStringLiteral("places"), list}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

void save(const QString& path, const QList<Place>& places) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    TextFile::replaceOwnFile(path, encode(places), tr("Не удалось сохранить список климата"));
}

QString defaultPath() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("climates.json"));
}

} // namespace ClimateList
