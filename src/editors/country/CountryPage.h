#pragma once

#include <QWidget>

namespace kw {

// A page of the country window. The window loads a page when it is shown and stores it when the
// user leaves it or confirms the window.
class CCountryPage : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // Fills the controls from the country.
    virtual void Load() = 0;
    // Writes through the document what the user changed since the load; nothing when nothing
    // changed.
    virtual void Store() = 0;
};

}  // namespace kw
