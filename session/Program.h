#pragma once
// The one calculation and its twelve windows, created in their order; used by
// the program itself, the tests and the scenario runner alike.

#include "session/CalculationSession.h"
#include "ui/CalculationState.h"
#include "ui/Forms.h"

#include <QWidget>
#include <memory>
#include <vector>

class Program {
  public:
    // Creates every window once, in the start-up order, and shows the main window.
    explicit Program(Platform& platform);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Forms& forms() { return forms_; }
    CalculationState& calculation() { return calculation_; }
    // The twelve windows in the order of their creation, with their controls built: for
    // whoever looks at the controls from outside (tests, benchmarks).
    const std::vector<QWidget*>& windows() const;
    // One of the twelve or of the windows beyond them, by class name, with its controls built.
    QWidget* window(const QString& className) const;

  private:
    template <class Window> Window* create();

    CalculationState calculation_;
    Forms forms_;
    CalculationSession session_{forms_}; // what the main window's File menu asks for
    std::vector<QWidget*> windows_;
    std::vector<QWidget*> laterWindows_; // beyond the twelve
};
