#include "gui/editors/DlgCsvExport.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/controls/ControlText.h"
#include "gui/controls/OkCancelButtons.h"
#include "model/Club.h"
#include "model/Country.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

QRadioButton* AddChoice(QGroupBox& box, QButtonGroup& group, const QString& text,
                        const char* name) {
    auto* button = new QRadioButton(text, &box);
    button->setObjectName(QString::fromLatin1(name));
    box.layout()->addWidget(button);
    group.addButton(button);
    return button;
}

}  // namespace

CDlgCsvExport::CDlgCsvExport(const CWorld& world, int country, std::uint32_t club, QWidget* parent)
    : QDialog(parent), m_country(country), m_club(IsNationalTeam(club) ? 0 : club) {
    setWindowTitle(tr("CSV exportieren"));
    auto* layout = new QVBoxLayout(this);

    auto* kindBox = new QGroupBox(tr("Datensätze"), this);
    kindBox->setLayout(new QVBoxLayout);
    auto* kinds = new QButtonGroup(this);
    m_players = AddChoice(*kindBox, *kinds, tr("&Spieler"), "players");
    m_staff = AddChoice(*kindBox, *kinds, tr("&Personal"), "staff");
    m_clubs = AddChoice(*kindBox, *kinds, tr("V&ereine"), "clubs");
    m_players->setChecked(true);
    layout->addWidget(kindBox);

    auto* scopeBox = new QGroupBox(tr("Umfang"), this);
    scopeBox->setLayout(new QVBoxLayout);
    auto* scopes = new QButtonGroup(this);
    const CClub* selected = m_club != 0 ? world.Country(country).Club(m_club) : nullptr;
    m_selectedClub =
        AddChoice(*scopeBox, *scopes,
                  selected ? tr("Ausgewählter &Verein: %1").arg(Cp1252ToQString(selected->Name(0)))
                           : tr("Ausgewählter &Verein"),
                  "selectedClub");
    m_selectedCountry =
        AddChoice(*scopeBox, *scopes,
                  tr("Ausgewähltes &Land: %1").arg(Cp1252ToQString(world.Country(country).Name(0))),
                  "selectedCountry");
    m_everything = AddChoice(*scopeBox, *scopes, tr("Ganze &Datenbank"), "everything");
    m_selectedClub->setEnabled(selected != nullptr);
    (selected ? m_selectedClub : m_selectedCountry)->setChecked(true);
    layout->addWidget(scopeBox);

    layout->addWidget(MakeOkCancelButtons(*this));
}

ECsvKind CDlgCsvExport::Kind() const {
    if (m_staff->isChecked()) {
        return ECsvKind::kStaff;
    }
    return m_clubs->isChecked() ? ECsvKind::kClubs : ECsvKind::kPlayers;
}

SCsvScope CDlgCsvExport::Scope() const {
    if (m_selectedClub->isChecked()) {
        return {m_country, m_club};
    }
    return m_selectedCountry->isChecked() ? SCsvScope{m_country, 0} : SCsvScope{};
}

QString CDlgCsvExport::ProposedFileName() const {
    const QString kind = Kind() == ECsvKind::kPlayers ? QStringLiteral("spieler")
                         : Kind() == ECsvKind::kStaff ? QStringLiteral("personal")
                                                      : QStringLiteral("vereine");
    const SCsvScope scope = Scope();
    if (scope.club != 0) {
        return kind + QStringLiteral("_verein_%1.csv").arg(scope.club);
    }
    if (scope.country != 0) {
        return kind + QStringLiteral("_land_%1.csv").arg(scope.country);
    }
    return kind + QStringLiteral("_alle.csv");
}

}  // namespace kw
