#pragma once
// The registry through which the windows reach each other, like global form variables.

#include <QChar>

class Platform;
struct Calculation;
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
    Calculation& calculation;

    TMainForm* mainForm = nullptr;
    TAboutBox* aboutBox = nullptr;
    TForm1* form1 = nullptr;
    TForm2* form2 = nullptr;
    TForm3* form3 = nullptr;
    TForm4* form4 = nullptr;
    TForm6* form6 = nullptr;
    TForm7* form7 = nullptr;
    TForm8* form8 = nullptr;
    TForm5* form5 = nullptr;
    TForm9* form9 = nullptr;
    TForm10* form10 = nullptr;
    // Beyond the twelve: created after them, its widgets built on first opening.
    TemperatureProfileWindow* profileWindow = nullptr;
    CalculationDetailsWindow* detailsWindow = nullptr;
    MoistureWindow* moistureWindow = nullptr;

    QChar separator() const;
};
