// For the end-to-end test on a real desktop: tells where every control of every visible
// window is on the screen and what it shows, so that a driver can click and type there as
// a user would. Linked only into the test build of the program, which starts it with the
// application when VUV_GEOMETRY_PROBE names a folder; the product has nothing of it.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QSaveFile>
#include <QTextEdit>

namespace {

QString shownText(const QWidget* widget) {
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (auto* edit = qobject_cast<const QLineEdit*>(widget))
        return edit->text();
    if (auto* list = qobject_cast<const QComboBox*>(widget))
        return list->currentText();
    if (auto* box = qobject_cast<const QGroupBox*>(widget))
        return box->title();
    if (auto* area = qobject_cast<const QTextEdit*>(widget))
        return area->toPlainText();
    return QString();
}

QJsonObject place(const QWidget* widget) {
    const QPoint topLeft = widget->mapToGlobal(QPoint(0, 0));
    return QJsonObject{{QStringLiteral("x"), topLeft.x()},
                       {QStringLiteral("y"), topLeft.y()},
                       {QStringLiteral("w"), widget->width()},
                       {QStringLiteral("h"), widget->height()}};
}

QJsonObject describeControl(const QWidget* widget) {
    QJsonObject control = place(widget);
    control[QStringLiteral("name")] = widget->objectName();
    control[QStringLiteral("type")] = QString::fromLatin1(widget->metaObject()->className());
    control[QStringLiteral("text")] = shownText(widget);
    control[QStringLiteral("enabled")] = widget->isEnabled();
    control[QStringLiteral("focus")] = widget->hasFocus();
    if (auto* list = qobject_cast<const QComboBox*>(widget)) {
        QJsonArray items;
        for (int i = 0; i < list->count(); ++i)
            items.append(list->itemText(i));
        control[QStringLiteral("items")] = items;
        control[QStringLiteral("current")] = list->currentIndex();
    }
    return control;
}

QJsonObject describeWindow(const QWidget* window) {
    QJsonObject described = place(window);
    described[QStringLiteral("name")] = window->objectName().isEmpty()
                                            ? QString::fromLatin1(window->metaObject()->className())
                                            : window->objectName();
    described[QStringLiteral("title")] = window->windowTitle();
    described[QStringLiteral("active")] = window->isActiveWindow();
    QJsonArray controls;
    for (const QWidget* child : window->findChildren<QWidget*>())
        if (child->isVisible() && (!child->objectName().isEmpty() || !shownText(child).isEmpty()))
            controls.append(describeControl(child));
    described[QStringLiteral("controls")] = controls;
    return described;
}

void answer(const QString& folder, qint64& answered) {
    QFile request(QDir(folder).filePath(QStringLiteral("request")));
    if (!request.open(QIODevice::ReadOnly))
        return;
    const qint64 number = request.readAll().trimmed().toLongLong();
    if (number <= answered)
        return;
    answered = number;
    QJsonArray windows;
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible())
            windows.append(describeWindow(window));
    QSaveFile out(QDir(folder).filePath(QStringLiteral("geometry.json")));
    if (!out.open(QIODevice::WriteOnly))
        return;
    const QJsonObject all{{QStringLiteral("request"), number},
                          {QStringLiteral("windows"), windows}};
    out.write(QJsonDocument(all).toJson(QJsonDocument::Compact));
    out.commit();
}

// Watches FOLDER for a file "request" holding a number; for each new number writes
// "geometry.json" there, whole, with that number in it.
void startGeometryProbe(const QString& folder) {
    auto* watcher = new QFileSystemWatcher(QStringList{folder}, qApp);
    auto* answered = new qint64(0);
    QObject::connect(watcher, &QFileSystemWatcher::directoryChanged, watcher,
                     [folder, answered] { answer(folder, *answered); });
    QObject::connect(watcher, &QObject::destroyed, [answered] { delete answered; });
}

// Called as each application object is made; only the one with windows is probed (help
// and version get a core application).
void startWithTheWindowedApplication() {
    const QString folder = qEnvironmentVariable("VUV_GEOMETRY_PROBE");
    if (!folder.isEmpty() && qobject_cast<QApplication*>(QCoreApplication::instance()))
        startGeometryProbe(folder);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(startWithTheWindowedApplication)
