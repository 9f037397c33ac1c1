#include "gui/editors/country/PersonDialogFields.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <vector>

#include "gui/controls/ControlText.h"
#include "model/Country.h"
#include "model/World.h"
#include "platform/StringTable.h"
#include "storage/Identifiers.h"
#include "storage/TextCollation.h"

namespace kw {

QLineEdit* MakeNameField(const QString& objectName, std::string_view text, int maxLength,
                         QWidget* parent) {
    auto* field = new QLineEdit(Cp1252ToQString(text), parent);
    field->setObjectName(objectName);
    field->setMaxLength(maxLength);
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * (maxLength + 4));
    return field;
}

std::string StoredName(const QLineEdit& field, std::string_view original) {
    return field.text() == Cp1252ToQString(original) ? std::string(original)
                                                     : QStringToCp1252(field.text());
}

void FillCountryCombo(QComboBox& combo, const CWorld& world, int language, int selected) {
    struct SCountryItem {
        std::string name;  // Windows-1252
        int number = 0;
    };
    std::vector<SCountryItem> countries;
    for (int number = 1; number <= kCountryCount; ++number) {
        countries.push_back({world.Country(number).Name(language), number});
    }
    std::stable_sort(countries.begin(), countries.end(),
                     [](const SCountryItem& a, const SCountryItem& b) {
                         return CollateText(a.name, b.name) < 0;
                     });
    combo.clear();
    for (const SCountryItem& country : countries) {
        combo.addItem(Cp1252ToQString(country.name), country.number);
    }
    combo.setCurrentIndex(combo.findData(selected));
}

}  // namespace kw
