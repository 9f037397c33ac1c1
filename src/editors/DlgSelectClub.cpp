#include "editors/DlgSelectClub.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/ControlText.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw {

namespace {

QListWidget* ChoiceList(const QString& name, QWidget* parent) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setMinimumWidth(list->fontMetrics().averageCharWidth() * 32);
    return list;
}

void Fill(QListWidget& list, const std::vector<SChoiceEntry>& entries) {
    list.clear();
    for (const SChoiceEntry& entry : entries) {
        auto* item = new QListWidgetItem(Cp1252ToQString(entry.text), &list);
        item->setData(Qt::UserRole, entry.value);
    }
}

QGroupBox* Group(const QString& title, QWidget* content, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(content);
    return group;
}

}  // namespace

CDlgSelectClub::CDlgSelectClub(const CWorld& world, int startCountry, QWidget* parent)
    : CDialogB(parent),
      m_world(world),
      m_countries(ChoiceList(QStringLiteral("countries"), this)),
      m_clubs(ChoiceList(QStringLiteral("clubs"), this)) {
    setObjectName(QStringLiteral("DlgSelectClub"));
    setWindowTitle(QStringLiteral("Verein ausw\u00e4hlen"));
    auto* lists = new QHBoxLayout;
    lists->addWidget(Group(QStringLiteral("Land"), m_countries, this));
    lists->addWidget(Group(QStringLiteral("Verein"), m_clubs, this));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    m_ok = buttons->button(QDialogButtonBox::Ok);
    // Enter in the lists chooses.
    m_ok->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(ResourceQString(ids::kCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(buttons);

    Fill(*m_countries, ChoosableCountries(world, world.CurrentLanguage()));
    connect(m_countries, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        ShowClubs(item != nullptr ? item->data(Qt::UserRole).toInt() : 0);
    });
    connect(m_clubs, &QListWidget::itemSelectionChanged, this,
            [this] { m_ok->setEnabled(SelectedClub() != 0); });
    connect(m_clubs, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    int start = 0;
    for (int row = 0; row < m_countries->count(); ++row) {
        if (m_countries->item(row)->data(Qt::UserRole).toInt() == startCountry) {
            start = row;
        }
    }
    m_countries->setCurrentRow(m_countries->count() > 0 ? start : -1);
    ShowClubs(m_countries->currentItem() != nullptr
                  ? m_countries->currentItem()->data(Qt::UserRole).toInt()
                  : 0);
    m_countries->setFocus();
}

std::optional<std::uint32_t> CDlgSelectClub::Choose(const CWorld& world, int startCountry,
                                                    QWidget* parent) {
    CDlgSelectClub dialog(world, startCountry, parent);
    if (dialog.exec() != QDialog::Accepted || dialog.SelectedClub() == 0) {
        return std::nullopt;
    }
    return dialog.SelectedClub();
}

std::uint32_t CDlgSelectClub::SelectedClub() const {
    const QListWidgetItem* item = m_clubs->currentItem();
    return item != nullptr && item->isSelected() ? item->data(Qt::UserRole).toUInt() : 0;
}

void CDlgSelectClub::ShowClubs(int country) {
    if (country >= 1 && country <= kCountryCount) {
        Fill(*m_clubs, ChoosableClubs(m_world.Country(country), m_world.CurrentLanguage(), true));
    } else {
        m_clubs->clear();
    }
    m_ok->setEnabled(SelectedClub() != 0);
}

}  // namespace kw
