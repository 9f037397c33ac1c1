#include "editors/CollationLess.h"

#include <QCollator>
#include <QLocale>

#include <memory>

#include "controls/ControlText.h"

namespace kw {

TextLess UserCollationLess() {
    auto collator = std::make_shared<QCollator>(QLocale());
    collator->setCaseSensitivity(Qt::CaseInsensitive);
    return [collator](std::string_view a, std::string_view b) {
        return collator->compare(Cp1252ToQString(a), Cp1252ToQString(b)) < 0;
    };
}

}  // namespace kw
