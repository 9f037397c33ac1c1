#include "gui/editors/DlgStadium.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "document/DatabaseDocument.h"
#include "editing/ClubStadiumRules.h"
#include "editing/CountryListCommands.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/DlgErrorMessage.h"
#include "model/Country.h"
#include "model/World.h"

namespace kw {

namespace {

QLineEdit* TextField(const QString& name, std::string_view text, QWidget* parent) {
    auto* field = new QLineEdit(Cp1252ToQString(text), parent);
    field->setObjectName(name);
    field->setMaxLength(kStadiumTextLength);
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * (kStadiumTextLength + 2));
    return field;
}

// A heading of the stand table; the two check-box columns wrap their headings as the record's
// editor always has.
QLabel* Heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    // Room for three lines, so a wrapped heading is never cut.
    label->setMinimumHeight(label->fontMetrics().lineSpacing() * 3);
    return label;
}

// The typed text in the record's bytes, or the record's own bytes when the field still shows
// them (so a text that does not survive the round trip through Unicode is kept as it is).
}  // namespace

CDlgStadium::CDlgStadium(CDatabaseDocument& document, int country, std::size_t index,
                         QWidget* parent)
    : CDialogB(parent),
      m_document(document),
      m_country(country),
      m_index(index),
      m_original(document.World().Country(country).Stadiums().at(index)),
      m_name(TextField(QStringLiteral("name"), m_original.Name().View(), this)),
      m_city(TextField(QStringLiteral("city"), m_original.City().View(), this)),
      m_type(new QComboBox(this)),
      m_total(new QLabel(this)) {
    setObjectName(QStringLiteral("DlgStadium"));
    setWindowTitle(tr("Kickwerk 06 - Stadien"));

    m_type->setObjectName(QStringLiteral("type"));
    const std::vector<SEditChoice> types = StadiumTypeChoices();
    for (const SEditChoice& choice : types) {
        m_type->addItem(Cp1252ToQString(choice.text), choice.value);
    }
    // A type the list does not offer selects nothing and is kept unless the user chooses one.
    m_type->setCurrentIndex(ChoiceIndex(types, m_original.Type()));

    auto* texts = new QFormLayout;
    texts->addRow(tr("&Name"), m_name);
    texts->addRow(tr("&Ort"), m_city);
    texts->addRow(tr("&Art des Stadions"), m_type);

    auto* table = new QGridLayout;
    table->addWidget(Heading(tr("Sitzplätze"), this), 0, 1);
    table->addWidget(Heading(tr("Stehplätze"), this), 0, 2);
    table->addWidget(Heading(tr("VIP-Plätze"), this), 0, 3);
    table->addWidget(Heading(tr("Dauer- karten blöcke"), this), 0, 4);
    table->addWidget(Heading(tr("Gäste- block"), this), 0, 5);
    const StandTable stands = StandTableOf(m_original);
    for (int stand = 0; stand < kStandCount; ++stand) {
        const SStandRow& row = stands[static_cast<std::size_t>(stand)];
        SStandFields& fields = m_stands[static_cast<std::size_t>(stand)];
        const QString number = QString::number(stand);
        fields.seats = PlacesField(QStringLiteral("seats") + number, row.seats);
        fields.standing = PlacesField(QStringLiteral("standing") + number, row.standing);
        fields.vip = PlacesField(QStringLiteral("vip") + number, row.vip);
        fields.seasonTicket = new QCheckBox(this);
        fields.seasonTicket->setObjectName(QStringLiteral("seasonTicket") + number);
        fields.seasonTicket->setChecked(row.seasonTicketBlock);
        fields.away = new QCheckBox(this);
        fields.away->setObjectName(QStringLiteral("away") + number);
        fields.away->setChecked(row.awayBlock);
        // The fields of a row share the group box as their caption; each is named by its stand
        // and its column.
        const QString standName = Cp1252ToQString(StandName(stand));
        fields.seats->setAccessibleName(tr("%1: Sitzplätze").arg(standName));
        fields.standing->setAccessibleName(tr("%1: Stehplätze").arg(standName));
        fields.vip->setAccessibleName(tr("%1: VIP-Plätze").arg(standName));
        fields.seasonTicket->setAccessibleName(tr("%1: Dauerkartenblock").arg(standName));
        fields.away->setAccessibleName(tr("%1: Gästeblock").arg(standName));

        const int line = stand + 1;
        table->addWidget(new QLabel(standName, this), line, 0);
        table->addWidget(fields.seats, line, 1);
        table->addWidget(fields.standing, line, 2);
        table->addWidget(fields.vip, line, 3);
        table->addWidget(fields.seasonTicket, line, 4, Qt::AlignCenter);
        table->addWidget(fields.away, line, 5, Qt::AlignCenter);
    }
    m_total->setObjectName(QStringLiteral("totalCapacity"));
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table->addWidget(new QLabel(tr("Gesamtkapazität"), this), kStandCount + 1, 0);
    table->addWidget(m_total, kStandCount + 1, 3);
    auto* standGroup = new QGroupBox(tr("Tribünen"), this);
    standGroup->setLayout(table);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(ResourceQString(ids::kCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &CDlgStadium::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(texts);
    layout->addWidget(standGroup);
    layout->addWidget(buttons);
    ShowTotal();
    m_name->setFocus();
}

QLineEdit* CDlgStadium::PlacesField(const QString& name, std::int32_t places) {
    auto* field = new QLineEdit(QString::number(places), this);
    field->setObjectName(name);
    field->setAlignment(Qt::AlignRight);
    field->setMinimumWidth(field->fontMetrics().averageCharWidth() * 12);
    connect(field, &QLineEdit::textChanged, this, &CDlgStadium::ShowTotal);
    // Leaving the field shows the number it stands for.
    connect(field, &QLineEdit::editingFinished, this, [field] {
        const QString shown = QString::number(PlacesFromText(QStringToCp1252(field->text())));
        if (field->text() != shown) {
            field->setText(shown);
        }
    });
    return field;
}

bool CDlgStadium::Edit(CDatabaseDocument& document, int country, std::size_t index,
                       QWidget* parent) {
    const std::size_t before = document.History().Count();
    CDlgStadium dialog(document, country, index, parent);
    dialog.exec();
    return document.History().Count() != before;
}

SStadiumValues CDlgStadium::Values() const {
    SStadiumValues values;
    values.name = EditedText(m_name->text(), m_original.Name().View());
    values.city = EditedText(m_city->text(), m_original.City().View());
    values.type = m_type->currentIndex() >= 0
                      ? static_cast<std::int8_t>(m_type->currentData().toInt())
                      : m_original.Type();
    for (std::size_t stand = 0; stand < m_stands.size(); ++stand) {
        const SStandFields& fields = m_stands[stand];
        SStandRow& row = values.stands[stand];
        row.seats = PlacesFromText(QStringToCp1252(fields.seats->text()));
        row.standing = PlacesFromText(QStringToCp1252(fields.standing->text()));
        row.vip = PlacesFromText(QStringToCp1252(fields.vip->text()));
        row.seasonTicketBlock = fields.seasonTicket->isChecked();
        row.awayBlock = fields.away->isChecked();
    }
    return values;
}

void CDlgStadium::ShowTotal() {
    m_total->setText(QString::number(TotalPlaces(Values().stands)));
}

bool CDlgStadium::CheckBlocks(const StandTable& stands) {
    const std::vector<int> faults = StandBlockFaults(stands);
    if (faults.empty()) {
        return true;
    }
    CDlgErrorMessage messages(this);
    messages.setObjectName(QStringLiteral("blockFaults"));
    messages.SetHeading(ids::kErrorsHeading);
    for (const int fault : faults) {
        messages.AddMessage(fault);
    }
    messages.exec();
    return false;
}

void CDlgStadium::accept() {
    const SStadiumValues values = Values();
    // Checked before anything is stored: a refused layout leaves the record as it was.
    if (!CheckBlocks(values.stands)) {
        return;
    }
    ReplaceStadium(m_document, m_country, m_index, StadiumWithValues(m_original, values));
    QDialog::accept();
}

}  // namespace kw
