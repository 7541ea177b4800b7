#pragma once
// A window that is created at start-up with its name and title only: what it holds is
// built the first time it is shown or reached through the Forms registry, and never again.

#include <QWidget>

class LazyWindow : public QWidget {
    Q_OBJECT
  public:
    // Builds the window's controls unless they are built already.
    void ensureBuilt();
    bool isBuilt() const { return built_; }

    void setVisible(bool visible) override;

  protected:
    explicit LazyWindow(QWidget* parent = nullptr) : QWidget(parent) {}
    // The window's controls, layouts and connections: called once, before the window is
    // first shown or handed anything.
    virtual void build() = 0;

  private:
    bool built_ = false;
};

// A window of the registry: whoever reaches it through here finds it built.
template <class Window> class FormHandle {
  public:
    FormHandle& operator=(Window* window) {
        window_ = window;
        lazy_ = window;
        return *this;
    }
    Window* operator->() const { return built(); }
    Window& operator*() const { return *built(); }
    operator Window*() const { return built(); }
    // Whether the window has been created yet; building nothing.
    explicit operator bool() const { return window_ != nullptr; }
    // The window as created, whether or not its controls are built yet.
    Window* created() const { return window_; }

  private:
    Window* built() const {
        if (lazy_)
            lazy_->ensureBuilt();
        return window_;
    }

    Window* window_ = nullptr;
    LazyWindow* lazy_ = nullptr; // the same window; the window's own type may be incomplete here
};
