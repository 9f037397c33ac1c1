#pragma once

#include <QString>

#include <string>
#include <string_view>

class QComboBox;
class QLineEdit;
class QWidget;

namespace kw {

class CWorld;

// What the country window's person dialogs lay out alike.

// A name field holding at most `maxLength` characters (the record's field without its zero).
QLineEdit* MakeNameField(const QString& objectName, std::string_view text, int maxLength,
                         QWidget* parent);
// The field's text in the record's bytes, or the record's own bytes while the field still shows
// them (so a name the field cannot show exactly is kept until it is edited).
std::string StoredName(const QLineEdit& field, std::string_view original);
// Every country of the world by its name in `language`, the item data its number; the country
// `selected` chosen (none when the list lacks it).
void FillCountryCombo(QComboBox& combo, const CWorld& world, int language, int selected);

}  // namespace kw
