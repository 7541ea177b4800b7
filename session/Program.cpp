#include "session/Program.h"

#include "session/LastSession.h"
#include "ui/About.h"
#include "ui/CalculationDetailsWindow.h"
#include "ui/DeferredIconStyle.h"
#include "ui/Main.h"
#include "ui/MoistureWindow.h"
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

template <class Window> Window* Program::create() {
    auto* window = new Window(forms_);
    windows_.push_back(window);
    return window;
}

Program::Program(Platform& platform) : forms_{platform, calculation_} {
    forms_.session = &session_;
    DeferredIconStyle::install(); // before the first window asks for an icon
    QCoreApplication::setApplicationName(QStringLiteral("Vuvuvudozizod"));
    forms_.mainForm = create<TMainForm>();
    forms_.aboutBox = create<TAboutBox>();
    forms_.form1 = create<TForm1>();
    forms_.form2 = create<TForm2>();
    forms_.form3 = create<TForm3>();
    forms_.form4 = create<TForm4>();
    forms_.form6 = create<TForm6>();
    forms_.form7 = create<TForm7>();
    forms_.form8 = create<TForm8>();
    forms_.form5 = create<TForm5>();
    forms_.form9 = create<TForm9>();
    forms_.form10 = create<TForm10>();
    forms_.profileWindow = new TemperatureProfileWindow(forms_);
    laterWindows_.push_back(forms_.profileWindow);
    // The hidden windows are wired as created: nothing here builds them.
    QObject::connect(forms_.form2.created(), &TForm2::layersCalculated, forms_.profileWindow,
                     &TemperatureProfileWindow::followLayers);
    forms_.detailsWindow = new CalculationDetailsWindow(forms_);
    laterWindows_.push_back(forms_.detailsWindow);
    QObject::connect(forms_.form3.created(), &TForm3::envelopeAccepted, forms_.profileWindow,
                     &TemperatureProfileWindow::followEnvelope);
    QObject::connect(forms_.form3.created(), &TForm3::envelopeAccepted, forms_.mainForm,
                     &TMainForm::followEnvelope);
    forms_.moistureWindow = new MoistureWindow(forms_);
    laterWindows_.push_back(forms_.moistureWindow);
    MoistureWindow* moisture = forms_.moistureWindow;
    QObject::connect(forms_.form2.created(), &TForm2::layersCalculated, moisture,
                     &MoistureWindow::followLayers);
    QObject::connect(
        forms_.form3.created(), &TForm3::envelopeAccepted, moisture,
        [moisture](const EnvelopeKind::Envelope& envelope) { moisture->followEnvelope(envelope); });
    QObject::connect(forms_.profileWindow, &TemperatureProfileWindow::inputsChanged, moisture,
                     &MoistureWindow::followIndoor);

    QWidget* main = forms_.mainForm;
    auto* manners = new WindowManners(main);
    for (QWidget* window : windows_)
        if (window != main)
            manners->manage(window);
    manners->manage(forms_.profileWindow);
    manners->manage(forms_.detailsWindow);
    manners->manage(forms_.moistureWindow);
    // The selection window works over the layer window, the quantity window over the
    // selection window; the contacts window stays above the main window.
    TForm2* layers = forms_.form2.created();
    TForm5* selection = forms_.form5.created();
    TForm9* quantity = forms_.form9.created();
    manners->keepAbove(selection, layers);
    manners->keepAbove(quantity, selection);
    manners->keepAbove(forms_.form10.created(), main);
    const auto rows = [this] { return forms_.form2->layerRowsOnScreen(); };
    manners->openBesideRows(selection, layers, rows,
                            [this] { return forms_.form2->verdictOnScreen(); });
    manners->openBesideRows(quantity, layers, rows, selection);
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

namespace {

// Whoever looks a window up from outside looks for its controls.
QWidget* built(QWidget* window) {
    if (auto* lazy = qobject_cast<LazyWindow*>(window))
        lazy->ensureBuilt();
    return window;
}

} // namespace

const std::vector<QWidget*>& Program::windows() const {
    for (QWidget* window : windows_)
        built(window);
    return windows_;
}

QWidget* Program::window(const QString& className) const {
    for (const auto* list : {&windows_, &laterWindows_})
        for (QWidget* window : *list)
            if (QString::fromLatin1(window->metaObject()->className()) == className)
                return built(window);
    return nullptr;
}
