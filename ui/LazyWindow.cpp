#include "ui/LazyWindow.h"

void LazyWindow::ensureBuilt() {
    if (built_)
        return;
    built_ = true; // first, so that nothing done while building starts it again
    build();
}

void LazyWindow::setVisible(bool visible) {
    // Built before it is shown, so that it opens at the size of what it holds.
    if (visible)
        ensureBuilt();
    QWidget::setVisible(visible);
}
