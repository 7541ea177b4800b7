#pragma once
// The fixed texts of a window (captions, buttons, menu items, hints), kept with their
// sources so that a language change shows each again in the language now installed.

#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QMenu;
class QWidget;

class ShownTexts {
  public:
    // `context` is the translation context of every source given: the window's class name.
    explicit ShownTexts(const char* context) : context_(context) {}

    // Each source is a literal marked with QT_TR_NOOP or QT_TRANSLATE_NOOP; nothing is
    // shown until retranslate().
    template <class Widget> Widget* text(Widget* widget, const char* source) {
        keep(widget, source, [widget](const QString& shown) { widget->setText(shown); });
        return widget;
    }
    void title(QWidget* window, const char* source);
    void title(QMenu* menu, const char* source);
    // A hint "short|long" as setHint() shows it.
    void hint(QWidget* widget, const char* source);
    void hint(QAction* action, const char* source);
    QAction* action(QAction* action, const char* text, const char* hint);

    // The source in the language installed now.
    QString operator()(const char* source) const;
    // Shows every kept text in the language installed now.
    void retranslate() const;

  private:
    struct Kept {
        QPointer<QObject> target;
        const char* source;
        std::function<void(const QString&)> show;
    };
    void keep(QObject* target, const char* source, std::function<void(const QString&)> show);

    const char* context_;
    std::vector<Kept> kept_;
};
