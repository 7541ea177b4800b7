#include "testsupport/ui/ScriptedPlatform.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>

void ScriptedPlatform::information(const QString& text) {
    messages.append({Kind::Info, applicationTitle, text});
}

void ScriptedPlatform::warning(const QString& title, const QString& text) {
    messages.append({Kind::Warning, title, text});
}

void ScriptedPlatform::error(const QString& text) {
    messages.append({Kind::Error, applicationTitle, text});
}

std::optional<QString> ScriptedPlatform::askOpenFile(FileDialog& dialog) {
    return runDialog(dialog);
}

std::optional<QString> ScriptedPlatform::askSaveFile(FileDialog& dialog) {
    return runDialog(dialog);
}

int ScriptedPlatform::ask(const QString& title, const QString& text, const QStringList& buttons) {
    questions.append({Kind::Info, title, text});
    if (buttonAnswers.isEmpty()) {
        ++unansweredDialogs;
        return int(buttons.size()) - 1;
    }
    // A caption that no button has answers as Escape would.
    const int pressed = int(buttons.indexOf(buttonAnswers.dequeue()));
    return pressed >= 0 ? pressed : int(buttons.size()) - 1;
}

bool ScriptedPlatform::askPrint(QPrinter& printer) {
    ++printDialogsShown;
    if (answers.isEmpty()) {
        ++unansweredDialogs;
        return false;
    }
    const std::optional<QString> answer = answers.dequeue();
    if (!answer)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QDir::current().absoluteFilePath(*answer));
    return true;
}

void ScriptedPlatform::openAddress(const QString& address) {
    opened.append(address);
}

std::optional<QString> ScriptedPlatform::runDialog(FileDialog& dialog) {
    dialogsShown.append(dialog);
    if (answers.isEmpty()) {
        ++unansweredDialogs;
        return std::nullopt;
    }
    const std::optional<QString> answer = answers.dequeue();
    if (!answer)
        return std::nullopt;
    QString path = QDir::current().absoluteFilePath(*answer);
    if (QFileInfo(path).suffix().isEmpty() && !dialog.defaultExtension.isEmpty())
        path += QLatin1Char('.') + dialog.defaultExtension;
    dialog.lastPath = path;
    return path;
}
