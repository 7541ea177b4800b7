#pragma once
// A window's controls found by their names and worked as a user works them.

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

// The control of that name in the window; a test that names a control the window lacks
// stops there, naming both.
template <class Control = QWidget> Control* control(const QWidget* window, const QString& name) {
    auto* found = window->findChild<Control*>(name);
    if (!found)
        qFatal("no control %s in %s", qPrintable(name), window->metaObject()->className());
    return found;
}

// The user picks item `index` of a drop-down list: picking the current item again puts its
// text back over anything typed.
inline void choose(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    if (list->isEditable() && list->lineEdit()->text() != list->itemText(index))
        list->lineEdit()->setText(list->itemText(index));
    emit list->activated(index);
    emit list->textActivated(list->itemText(index));
}

inline void choose(const QWidget* window, const QString& list, int index) {
    choose(control<QComboBox>(window, list), index);
}

inline void click(const QWidget* window, const QString& button) {
    control<QAbstractButton>(window, button)->click();
}

// What a field, a list or a label shows.
inline QString shownText(const QWidget* window, const QString& name) {
    QWidget* shown = control(window, name);
    if (auto* field = qobject_cast<QLineEdit*>(shown))
        return field->text();
    if (auto* list = qobject_cast<QComboBox*>(shown))
        return list->currentText();
    return control<QLabel>(window, name)->text();
}
