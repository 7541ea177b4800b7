// The floor of the toolkit: a bare Qt Widgets program that creates WINDOWS
// top-level windows holding WIDGETS widgets in all (labels, fields, buttons and
// lists in grid layouts), shows the first, paints it and exits.
// Usage: vuv-floor WINDOWS WIDGETS

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <memory>
#include <vector>

namespace {

class FirstPaint : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

QWidget* child(int kind, int number) {
    const QString text = QStringLiteral("Элемент %1").arg(number);
    switch (kind % 4) {
    case 0:
        return new QLabel(text);
    case 1:
        return new QLineEdit(QStringLiteral("0"));
    case 2:
        return new QPushButton(text);
    default: {
        auto* list = new QComboBox;
        list->addItems({text, text + QStringLiteral("a"), text + QStringLiteral("b")});
        return list;
    }
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const int windows = argc > 1 ? std::max(1, std::atoi(argv[1])) : 12;
    const int widgets = argc > 2 ? std::atoi(argv[2]) : 600;
    std::vector<std::unique_ptr<QWidget>> tops;
    int made = windows;
    for (int w = 0; w < windows; ++w) {
        auto top = std::make_unique<QWidget>();
        auto* grid = new QGridLayout(top.get());
        const int share =
            (widgets - windows) / windows + (w == 0 ? (widgets - windows) % windows : 0);
        for (int i = 0; i < share; ++i, ++made)
            grid->addWidget(child(i, made), i / 4, i % 4);
        tops.push_back(std::move(top));
    }
    FirstPaint firstPaint;
    tops.front()->installEventFilter(&firstPaint);
    tops.front()->resize(727, 709);
    tops.front()->show();
    return QApplication::exec();
}
