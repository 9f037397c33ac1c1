#include "gui/editors/DlgSelectClub.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/editors/ChooserLists.h"
#include "model/World.h"

namespace kw {

namespace {

constexpr int kClubListWidth = 32;  // average characters

}  // namespace

CDlgSelectClub::CDlgSelectClub(const CWorld& world, int language, int startCountry, QWidget* parent)
    : CDialogB(parent),
      m_world(world),
      m_language(language),
      m_countries(MakeChoiceList(QStringLiteral("countries"), kClubListWidth, this)),
      m_clubs(MakeChoiceList(QStringLiteral("clubs"), kClubListWidth, this)) {
    setObjectName(QStringLiteral("DlgSelectClub"));
    setWindowTitle(tr("Verein auswählen"));
    // A list does not take its name from the group box around it.
    const QString countryCaption = tr("Land");
    const QString clubCaption = tr("Verein");
    m_countries->setAccessibleName(countryCaption);
    m_clubs->setAccessibleName(clubCaption);
    auto* lists = new QHBoxLayout;
    lists->addWidget(ChoiceGroup(countryCaption, m_countries, this));
    lists->addWidget(ChoiceGroup(clubCaption, m_clubs, this));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    m_ok = AddChooserButtons(*this, *layout);

    FillChoices(*m_countries, ChoosableCountries(world, language));
    connect(m_countries, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        ShowClubs(item != nullptr ? item->data(Qt::UserRole).toInt() : 0);
    });
    connect(m_clubs, &QListWidget::itemSelectionChanged, this,
            [this] { m_ok->setEnabled(SelectedClub() != 0); });
    connect(m_clubs, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    SelectChoice(*m_countries, startCountry);
    ShowClubs(m_countries->currentItem() != nullptr
                  ? m_countries->currentItem()->data(Qt::UserRole).toInt()
                  : 0);
    m_countries->setFocus();
}

std::optional<std::uint32_t> CDlgSelectClub::Choose(const CWorld& world, int language,
                                                    int startCountry, QWidget* parent) {
    CDlgSelectClub dialog(world, language, startCountry, parent);
    return RunChooser(dialog, dialog.Clubs());
}

std::uint32_t CDlgSelectClub::SelectedClub() const {
    return SelectedChoice(*m_clubs);
}

void CDlgSelectClub::ShowClubs(int country) {
    FillClubChoices(*m_clubs, m_world, m_language, country, true);
    m_ok->setEnabled(SelectedClub() != 0);
}

}  // namespace kw
