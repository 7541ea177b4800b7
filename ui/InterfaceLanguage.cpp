#include "ui/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

#include <mutex>

namespace Language {

namespace {

const char* const settingKey = "interface/language";

// On Windows the settings live in the user's registry, unless a configuration folder of
// their own is given (the tests'): they never touch the user's.
bool inRegistry() {
#ifdef Q_OS_WIN
    return qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME");
#else
    return false;
#endif
}

// Where the settings of the organisation "Vuvuvudozizod" and the program of that name live.
QString settingsPath() {
    if (inRegistry())
        return QStringLiteral("HKEY_CURRENT_USER\\Software\\Vuvuvudozizod\\Vuvuvudozizod");
#ifdef Q_OS_WIN
    const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
#endif
    return QDir(folder).filePath(QStringLiteral("Vuvuvudozizod/Vuvuvudozizod.conf"));
}

QSettings::Format settingsFormat() {
    return inRegistry() ? QSettings::NativeFormat : QSettings::IniFormat;
}

// Only a regular file (or none yet) is settings: reading a pipe or a device there would
// hold up every start, so anything else is left alone and the defaults hold.
bool settingsUsable() {
    const QFileInfo file(settingsPath());
    return inRegistry() || !file.exists() || file.isFile();
}

InterfaceLanguage applied = InterfaceLanguage::Russian;
QTranslator* programTranslator = nullptr;
QTranslator* qtTranslator = nullptr;

// Removes the translator in `slot`.
void removeTranslator(QTranslator*& slot) {
    if (slot) {
        QCoreApplication::removeTranslator(slot);
        delete slot;
        slot = nullptr;
    }
}

// Removes the translator in `slot`, then loads and installs a new one from `file` in
// `folder`; an empty file name leaves the slot empty.
bool replaceTranslator(QTranslator*& slot, const QString& file, const QString& folder) {
    removeTranslator(slot);
    if (file.isEmpty())
        return true;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(file, folder)) {
        delete translator;
        return false;
    }
    slot = translator;
    // Qt declines a translation that holds no texts: nothing to translate then.
    QCoreApplication::installTranslator(translator);
    return true;
}

// Qt's own texts (its dialogs, message boxes, context menus), read from Qt's translation the
// first time Qt asks for one of them: every text of the program is looked up in it too,
// and start-up shows none of Qt's. The layout direction, which Qt asks as soon as a
// translation is installed, is Qt's default for Russian and Ukrainian: left to right.
class QtTexts : public QTranslator {
  public:
    QtTexts(QString file, QObject* parent) : QTranslator(parent), file_(std::move(file)) {}

    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        if (!context || !isQtContext(context) || qstrcmp(source, "QT_LAYOUT_DIRECTION") == 0)
            return {};
        // Threads may ask at once (the recovery writer names project fields).
        std::call_once(loading_, [this] {
            // A file gone since it was found leaves Qt's texts as Qt writes them.
            [[maybe_unused]] const bool read = loaded_.load(file_);
        });
        return loaded_.translate(context, source, disambiguation, n);
    }
    bool isEmpty() const override { return false; }

  private:
    // Qt's classes are named Q and a capital; a few of its texts are filed under other names.
    static bool isQtContext(const char* context) {
        if (context[0] == 'Q' && context[1] >= 'A' && context[1] <= 'Z')
            return true;
        for (const char* other : {"CloseButton", "MAC_APPLICATION_MENU", "Print Device Input Slot",
                                  "Print Device Output Bin"})
            if (qstrcmp(context, other) == 0)
                return true;
        return false;
    }

    QString file_;
    mutable std::once_flag loading_;
    mutable QTranslator loaded_;
};

// Installs Qt's translation `name` in place of the one before; false when it is missing.
bool replaceQtTexts(const QString& name) {
    removeTranslator(qtTranslator);
    const QString file = QDir(QLibraryInfo::path(QLibraryInfo::TranslationsPath))
                             .filePath(name + QStringLiteral(".qm"));
    if (!QFileInfo(file).isFile())
        return false;
    qtTranslator = new QtTexts(file, QCoreApplication::instance());
    QCoreApplication::installTranslator(qtTranslator);
    return true;
}

// Qt 6.4 asks for the file dialog's file types ("Folder", "%1 File", "Drive") under a context
// its own translations lack; they hold the same texts under the file dialog's.
class FileTypeTexts : public QTranslator {
  public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        if (!qtTranslator || qstrcmp(context, "QAbstractFileIconProvider") != 0)
            return {};
        return qtTranslator->translate("QFileDialog", source, disambiguation, n);
    }
    bool isEmpty() const override { return false; }
};

} // namespace

const char* code(InterfaceLanguage language) {
    return language == InterfaceLanguage::Ukrainian ? "uk" : "ru";
}

bool fromCode(const QString& text, InterfaceLanguage& language) {
    for (const InterfaceLanguage each : {InterfaceLanguage::Russian, InterfaceLanguage::Ukrainian})
        if (text == QLatin1String(code(each))) {
            language = each;
            return true;
        }
    return false;
}

InterfaceLanguage atStart() {
    InterfaceLanguage language = InterfaceLanguage::Russian;
    if (settingsUsable() &&
        fromCode(
            QSettings(settingsPath(), settingsFormat()).value(QLatin1String(settingKey)).toString(),
            language))
        return language;
    // The first of the user's languages, in the order of preference, that the program has.
    for (const QString& wanted : QLocale::system().uiLanguages()) {
        const QLocale::Language each = QLocale(wanted).language();
        if (each == QLocale::Ukrainian)
            return InterfaceLanguage::Ukrainian;
        if (each == QLocale::Russian)
            return InterfaceLanguage::Russian;
    }
    return InterfaceLanguage::Russian;
}

bool apply(InterfaceLanguage language) {
    const bool ukrainian = language == InterfaceLanguage::Ukrainian;
    const bool qt =
        replaceQtTexts(ukrainian ? QStringLiteral("qtbase_uk") : QStringLiteral("qtbase_ru"));
    // The program's texts are written in Russian: only Ukrainian needs a translation.
    // Installed last, it is asked first: it words a few of Qt's texts better than Qt's own.
    const bool own = replaceTranslator(programTranslator,
                                       ukrainian ? QStringLiteral("vuvuvudozizod_uk") : QString(),
                                       QStringLiteral(":/translations"));
    // Once: it answers from whichever of Qt's translations is installed.
    static const bool fileTypesInstalled =
        QCoreApplication::installTranslator(new FileTypeTexts(QCoreApplication::instance()));
    Q_UNUSED(fileTypesInstalled);
    // The file dialogs' file types and sizes are worded by the default locale's language;
    // numbers keep the system's separator, read once at start-up.
    QLocale::setDefault(QLocale(ukrainian ? QLocale::Ukrainian : QLocale::Russian));
    applied = language;
    return own && qt;
}

InterfaceLanguage current() {
    return applied;
}

bool remember(InterfaceLanguage language) {
    if (!settingsUsable())
        return false;
    QSettings settings(settingsPath(), settingsFormat());
    settings.setValue(QLatin1String(settingKey), QLatin1String(code(language)));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString settingsFile() {
    return QDir::toNativeSeparators(settingsPath());
}

} // namespace Language
