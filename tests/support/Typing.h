#pragma once
// Keys as a user types them, any character included (QTest's key clicks take Latin only).

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace Typing {

inline void sendKey(QWidget* target, int key, const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
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

} // namespace Typing
