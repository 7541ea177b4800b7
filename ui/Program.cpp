#include "ui/Program.h"

#include "ui/About.h"
#include "ui/CalculationDetailsWindow.h"
#include "ui/LastSession.h"
#include "ui/Main.h"
#include "ui/TemperatureProfileWindow.h"
#include "ui/Unit1.h"
#include "ui/Unit10.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/Unit5.h"
#include "ui/Unit6.h"
#include "ui/Unit7.h"
#include "ui/Unit8.h"
#include "ui/Unit9.h"
#include "ui/WindowManners.h"

#include <QCoreApplication>

template <class Window> Window* Program::create(Window*& slot) {
    slot = new Window(forms_);
    windows_.push_back(slot);
    return slot;
}

Program::Program(Platform& platform) : forms_{platform, calculation_} {
    QCoreApplication::setApplicationName(QStringLiteral("Vuvuvudozizod"));
    create(forms_.mainForm);
    create(forms_.aboutBox);
    create(forms_.form1);
    create(forms_.form2);
    create(forms_.form3);
    create(forms_.form4);
    create(forms_.form6);
    create(forms_.form7);
    create(forms_.form8);
    create(forms_.form5);
    create(forms_.form9);
    create(forms_.form10);
    forms_.profileWindow = new TemperatureProfileWindow(forms_);
    laterWindows_.push_back(forms_.profileWindow);
    QObject::connect(forms_.form2, &TForm2::layersCalculated, forms_.profileWindow,
                     &TemperatureProfileWindow::followLayers);
    forms_.detailsWindow = new CalculationDetailsWindow(forms_);
    laterWindows_.push_back(forms_.detailsWindow);
    QObject::connect(forms_.form3, &TForm3::envelopeAccepted, forms_.profileWindow,
                     &TemperatureProfileWindow::followEnvelope);

    QWidget* main = forms_.mainForm;
    auto* manners = new WindowManners(main);
    for (QWidget* window : windows_)
        if (window != main)
            manners->manage(window);
    manners->manage(forms_.profileWindow);
    manners->manage(forms_.detailsWindow);
    // The selection window works over the layer window, the quantity window over the
    // selection window; the contacts window stays above the main window.
    manners->keepAbove(forms_.form5, forms_.form2);
    manners->keepAbove(forms_.form9, forms_.form5);
    manners->keepAbove(forms_.form10, main);
    TForm2* layers = forms_.form2;
    const auto rows = [layers] { return layers->layerRowsOnScreen(); };
    manners->openBesideRows(forms_.form5, layers, rows);
    manners->openBesideRows(forms_.form9, layers, rows, forms_.form5);
    main->show();
}

Program::~Program() {
    // No handler may run on a window that is half destroyed: a field losing the
    // focus while its window goes would otherwise still report a change.
    for (const auto* list : {&laterWindows_, &windows_})
        for (QWidget* window : *list)
            for (QObject* child : window->findChildren<QObject*>())
                QObject::disconnect(child, nullptr, nullptr, nullptr);
    for (QWidget* window : laterWindows_)
        delete window;
    // Windows go in the reverse order of their creation.
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        delete *it;
    // The calculation kept on closing is written while no window is left to wait for it.
    LastSession::finishRun();
}

QWidget* Program::window(const QString& className) const {
    for (const auto* list : {&windows_, &laterWindows_})
        for (QWidget* window : *list)
            if (QString::fromLatin1(window->metaObject()->className()) == className)
                return window;
    return nullptr;
}
