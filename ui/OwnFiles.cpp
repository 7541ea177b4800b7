#include "ui/OwnFiles.h"

#include "core/Errors.h"
#include "formats/RecoveryPlace.h"
#include "formats/SameFile.h"
#include "ui/CalculationState.h"
#include "ui/Forms.h"

#include <QCoreApplication>
#include <QDir>

namespace OwnFiles {

void checkDocument(const Forms& forms, const QString& path) {
    checkDocument(forms.calculation->projectFile, path);
}

void checkDocument(const QString& projectFile, const QString& path) {
    if (isSameFile(path, projectFile))
        throw FileError(QCoreApplication::translate(
                            "OwnFiles", "Файл \"%1\" — открытый проект, он не будет заменен. "
                                        "Выберите другое имя файла.")
                            .arg(QDir::toNativeSeparators(path)));
    checkProject(path);
}

void checkProject(const QString& path) {
    if (isSameFile(path, RecoveryPlace::path()))
        throw FileError(QCoreApplication::translate(
                            "OwnFiles", "Файл \"%1\" хранит последний расчет для восстановления, "
                                        "он не будет заменен. Выберите другое имя файла.")
                            .arg(QDir::toNativeSeparators(path)));
}

} // namespace OwnFiles
