#include "gui/editors/Dlg5YearChange.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

#include "document/DatabaseDocument.h"
#include "gui/controls/ControlText.h"
#include "gui/controls/OkCancelButtons.h"
#include "gui/controls/ValueScrollBar.h"
#include "model/Country.h"
#include "model/World.h"
#include "storage/Identifiers.h"

namespace kw {

namespace {

constexpr std::array<const char*, kFiveYearValueCount> kLabels = {
    QT_TRANSLATE_NOOP("kw::CDlg5YearChange", "&Letztes Jahr"),
    QT_TRANSLATE_NOOP("kw::CDlg5YearChange", "-&2 Jhr."),
    QT_TRANSLATE_NOOP("kw::CDlg5YearChange", "-&3 Jhr."),
    QT_TRANSLATE_NOOP("kw::CDlg5YearChange", "-&4 Jhr."),
    QT_TRANSLATE_NOOP("kw::CDlg5YearChange", "-&5 Jhr."),
    QT_TRANSLATE_NOOP("kw::CDlg5YearChange", "-&6 Jhr.")};
// One point per page of the bar.
constexpr int kBarPage = 100;

}  // namespace

CDlg5YearChange::CDlg5YearChange(const QString& countryName, const FiveYearValues& stored,
                                 QWidget* parent)
    : CDialogB(parent), m_stored(stored), m_firstSeason(new QLabel(this)) {
    setObjectName(QStringLiteral("Dlg5YearChange"));
    setWindowTitle(tr("5-Jahres-Wertung ändern"));
    auto* grid = new QGridLayout;
    auto* country = new QLabel(countryName, this);
    country->setObjectName(QStringLiteral("country"));
    QFont bold = country->font();
    bold.setBold(true);
    country->setFont(bold);
    grid->addWidget(country, 0, 0, 1, 3);
    for (int index = 0; index < kFiveYearValueCount; ++index) {
        const auto slot = static_cast<std::size_t>(index);
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("value%1").arg(index));
        field->setMaxLength(kFiveYearFieldLength);
        field->setAlignment(Qt::AlignRight);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) +
                             12);
        field->setText(Cp1252ToQString(FiveYearValueText(stored[slot])));
        auto* bar = new CValueScrollBar(EScrollDirection::Plain, Qt::Horizontal, this);
        bar->setObjectName(QStringLiteral("bar%1").arg(index));
        bar->setRange(0, kMaxFiveYearValue);
        bar->setPageStep(kBarPage);
        bar->setMinimumWidth(200);
        bar->SetValue(std::min<int>(stored[slot], kMaxFiveYearValue));
        auto* label = new QLabel(tr(kLabels[slot]), this);
        label->setBuddy(field);
        // The field has the row's caption; its bar is told apart from it.
        bar->setAccessibleName(
            tr("%1 (Regler)").arg(QString(label->text()).remove(QLatin1Char('&'))));
        grid->addWidget(label, index + 1, 0);
        grid->addWidget(field, index + 1, 1);
        grid->addWidget(bar, index + 1, 2);
        m_fields[slot] = field;
        m_bars[slot] = bar;
        m_typed[slot] = stored[slot];
        connect(field, &QLineEdit::textEdited, this,
                [this, index](const QString& text) { Typed(index, text); });
        connect(field, &QLineEdit::editingFinished, this, [this, index] { TypingFinished(index); });
        connect(bar, &CValueScrollBar::BarValueChanged, this,
                [this, index](int value) { Scrolled(index, value); });
    }
    m_firstSeason->setObjectName(QStringLiteral("firstSeason"));
    m_firstSeason->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(new QLabel(tr("Punkte für 1. Saison"), this), kFiveYearValueCount + 1, 0);
    grid->addWidget(m_firstSeason, kFiveYearValueCount + 1, 1);
    grid->setColumnStretch(2, 1);

    QDialogButtonBox* buttons = MakeOkCancelButtons(*this);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    // Field, then its bar, row by row.
    for (std::size_t slot = 0; slot < m_fields.size(); ++slot) {
        setTabOrder(slot == 0 ? static_cast<QWidget*>(m_fields[0]) : m_bars[slot - 1],
                    m_fields[slot]);
        setTabOrder(m_fields[slot], m_bars[slot]);
    }
    ShowFirstSeasonPoints();
    m_fields[0]->setFocus();
    m_fields[0]->selectAll();
}

bool CDlg5YearChange::Change(CDatabaseDocument& document, int country, QWidget* parent) {
    if (country < 1 || country > kCountryCount) {
        return false;
    }
    const CWorld& world = document.World();
    const CCountry& shown = world.Country(country);
    CDlg5YearChange dialog(Cp1252ToQString(shown.Name(document.Language())),
                           shown.Settings().slotValues, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    StoreFiveYearValues(document, country, dialog.Values());
    return true;
}

FiveYearValues CDlg5YearChange::Values() const {
    FiveYearValues values = m_stored;
    for (std::size_t slot = 0; slot < values.size(); ++slot) {
        if (m_edited[slot]) {
            values[slot] = static_cast<std::uint16_t>(m_typed[slot]);
        }
    }
    return values;
}

void CDlg5YearChange::Typed(int index, const QString& text) {
    const auto slot = static_cast<std::size_t>(index);
    m_edited[slot] = true;
    m_typed[slot] = ParseFiveYearValue(QStringToCp1252(text));
    const QSignalBlocker quiet(m_bars[slot]);
    m_bars[slot]->SetValue(m_typed[slot]);
    ShowFirstSeasonPoints();
}

void CDlg5YearChange::Scrolled(int index, int value) {
    const auto slot = static_cast<std::size_t>(index);
    m_edited[slot] = true;
    m_typed[slot] = value;
    m_fields[slot]->setText(Cp1252ToQString(FiveYearValueText(value)));
    ShowFirstSeasonPoints();
}

void CDlg5YearChange::TypingFinished(int index) {
    const auto slot = static_cast<std::size_t>(index);
    if (m_edited[slot]) {
        m_fields[slot]->setText(Cp1252ToQString(FiveYearValueText(m_typed[slot])));
    }
}

void CDlg5YearChange::ShowFirstSeasonPoints() {
    m_firstSeason->setText(Cp1252ToQString(FiveYearValueText(FirstSeasonPoints(Values()))));
}

}  // namespace kw
