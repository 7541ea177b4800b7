#pragma once
// Keys as a user types them, any character included (QTest's key clicks take Latin only).

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace Typing {

inline void sendKey(QWidget* target, int key, const QString& text = QString(),
                    Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
}

inline void typeCharacter(QWidget* target, QChar c) {
    if (c == QLatin1Char('\n'))
        sendKey(target, Qt::Key_Return, QStringLiteral("\r"));
    else if (c == QLatin1Char('\t'))
        sendKey(target, Qt::Key_Tab, QString(c));
    else
        sendKey(target, c.toUpper().unicode(), QString(c));
}

inline void typeText(QWidget* target, const QString& text) {
    for (QChar c : text)
        typeCharacter(target, c);
}

// As the window system delivers keys: each one to the application's focus widget
// of the moment, whatever child a key filter sits on.
inline void sendKeyToFocus(int key, const QString& text = QString(),
                           Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    if (QWidget* focus = QApplication::focusWidget())
        sendKey(focus, key, text, modifiers);
}

inline void typeTextToFocus(const QString& text) {
    for (QChar c : text)
        if (QWidget* focus = QApplication::focusWidget())
            typeCharacter(focus, c);
}

inline void selectAllInFocus() {
    sendKeyToFocus(Qt::Key_A, QStringLiteral("\x01"), Qt::ControlModifier);
}

inline void endOfTextInFocus(bool multiLine) {
    sendKeyToFocus(Qt::Key_End, QString(), multiLine ? Qt::ControlModifier : Qt::NoModifier);
}

} // namespace Typing
