#pragma once

#include <QWidget>

namespace kx {

// A window whose widgets are made when it is first shown or when one of them is first reached.
// Every window exists from the start, but one that most runs never open costs next to nothing
// until then.
class BuiltOnUseWindow : public QWidget {
public:
    using QWidget::QWidget;

    void setVisible(bool visible) override {
        if (visible)
            ensure_built();
        QWidget::setVisible(visible);
    }
    void ensure_built() {
        if (m_built)
            return;
        m_built = true;
        build();
    }

protected:
    bool is_built() const { return m_built; }
    // Makes the widgets; runs once.
    virtual void build() = 0;

private:
    bool m_built = false;
};

// A widget of such a window, used as a pointer to it: reaching it makes the window's widgets.
template <class T> class BuiltChild {
public:
    explicit BuiltChild(BuiltOnUseWindow* window) : m_window(window) {}
    BuiltChild(const BuiltChild&) = delete;
    BuiltChild& operator=(const BuiltChild&) = delete;
    BuiltChild& operator=(T* widget) {
        m_widget = widget;
        return *this;
    }

    T* get() const {
        m_window->ensure_built();
        return m_widget;
    }
    T* operator->() const { return get(); }
    operator T*() const { return get(); }

private:
    BuiltOnUseWindow* m_window;
    T* m_widget = nullptr;
};

} // namespace kx
