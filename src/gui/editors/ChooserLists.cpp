#include "gui/editors/ChooserLists.h"

#include <QBoxLayout>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

#include "gui/controls/ControlText.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw {

QListWidget* MakeChoiceList(const QString& objectName, int widthInCharacters, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(objectName);
    list->setMinimumWidth(list->fontMetrics().averageCharWidth() * widthInCharacters);
    return list;
}

void FillChoices(QListWidget& list, const std::vector<SChoiceEntry>& entries) {
    list.clear();
    for (const SChoiceEntry& entry : entries) {
        auto* item = new QListWidgetItem(Cp1252ToQString(entry.text), &list);
        item->setData(Qt::UserRole, entry.value);
    }
}

void FillClubChoices(QListWidget& clubs, const CWorld& world, int language, int country,
                     bool secondTeams) {
    if (country >= 1 && country <= kCountryCount) {
        FillChoices(clubs, ChoosableClubs(world.Country(country), language, secondTeams));
    } else {
        clubs.clear();
    }
}

void SelectChoice(QListWidget& list, int value) {
    int row = 0;
    for (int candidate = 0; candidate < list.count(); ++candidate) {
        if (list.item(candidate)->data(Qt::UserRole).toInt() == value) {
            row = candidate;
        }
    }
    list.setCurrentRow(list.count() > 0 ? row : -1);
}

std::uint32_t SelectedChoice(const QListWidget& list) {
    const QListWidgetItem* item = list.currentItem();
    return item != nullptr && item->isSelected() ? item->data(Qt::UserRole).toUInt() : 0;
}

QGroupBox* ChoiceGroup(const QString& title, QListWidget* list, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    // Screen readers do not name a list by the group box around it: the title names it.
    list->setAccessibleName(title);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(list);
    return group;
}

QPushButton* AddChooserButtons(QDialog& chooser, QBoxLayout& layout) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &chooser);
    buttons->setObjectName(QStringLiteral("buttons"));
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(ResourceQString(ids::kCancel));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &chooser, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &chooser, &QDialog::reject);
    layout.addWidget(buttons);
    return ok;
}

std::optional<std::uint32_t> RunChooser(QDialog& chooser, const QListWidget& list) {
    if (chooser.exec() != QDialog::Accepted || SelectedChoice(list) == 0) {
        return std::nullopt;
    }
    return SelectedChoice(list);
}

}  // namespace kw
