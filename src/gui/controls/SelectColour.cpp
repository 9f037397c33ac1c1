#include "gui/controls/SelectColour.h"

#include <QStylePainter>
#include <QStyledItemDelegate>

#include "gui/controls/ColourItemPainter.h"
#include "gui/controls/ControlText.h"

namespace kw {

namespace {

// Draws the items of the open list.
class CColourItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        PaintColourItem(*painter, option.rect, index.data(Qt::DisplayRole).toString(),
                        index.data(Qt::UserRole).value<QColor>(), option.palette,
                        SColourItemState{option.state.testFlag(QStyle::State_Selected),
                                         option.state.testFlag(QStyle::State_Enabled),
                                         option.state.testFlag(QStyle::State_HasFocus)});
    }
};

}  // namespace

CSelectColour::CSelectColour(QWidget* parent) : QComboBox(parent) {
    setItemDelegate(new CColourItemDelegate(this));
}

int CSelectColour::AddColour(std::string_view name, const QColor& colour) {
    addItem(Cp1252ToQString(name), colour);
    return count() - 1;
}

QColor CSelectColour::Colour(int index) const {
    return itemData(index).value<QColor>();
}

void CSelectColour::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0) {
        return;
    }
    const QRect field =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    PaintColourItem(painter, field, currentText(), Colour(currentIndex()), palette(),
                    SColourItemState{false, isEnabled(), hasFocus()});
}

}  // namespace kw
