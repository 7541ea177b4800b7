#pragma once
// The registry through which the windows reach each other, like global form variables.

#include "ui/LazyWindow.h"

#include <QChar>

class Platform;
class SessionCommands;
class CalculationState;
class TMainForm;
class TAboutBox;
class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TemperatureProfileWindow;
class CalculationDetailsWindow;
class MoistureWindow;

struct Forms {
    Platform& platform;
    CalculationState& calculation;      // read by all, changed through its own methods
    SessionCommands* session = nullptr; // what the main window's File menu asks for

    TMainForm* mainForm = nullptr; // shown at start, built with it
    // Hidden at start: built when first shown or first reached through here.
    FormHandle<TAboutBox> aboutBox{};
    FormHandle<TForm1> form1{};
    FormHandle<TForm2> form2{};
    FormHandle<TForm3> form3{};
    FormHandle<TForm4> form4{};
    FormHandle<TForm6> form6{};
    FormHandle<TForm7> form7{};
    FormHandle<TForm8> form8{};
    FormHandle<TForm5> form5{};
    FormHandle<TForm9> form9{};
    FormHandle<TForm10> form10{};
    // Beyond the twelve: created after them, its widgets built on first opening.
    TemperatureProfileWindow* profileWindow = nullptr;
    CalculationDetailsWindow* detailsWindow = nullptr;
    MoistureWindow* moistureWindow = nullptr;

    QChar separator() const;
};
