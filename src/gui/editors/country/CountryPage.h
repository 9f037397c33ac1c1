#pragma once

#include <QWidget>

#include <string>

#include "gui/editors/EditorPage.h"

namespace kw {

class CDatabaseDocument;

// A page of the country window; its record is the live country, written through the document.
class CCountryPage : public QWidget, public IEditorPage {
    Q_OBJECT

public:
    using QWidget::QWidget;
};

// The name of a country window's edit in the edit menu: the country's.
std::string CountryEditName(const CDatabaseDocument& document, int country);

}  // namespace kw
