#include "gui/editors/DlgPlayerSearch.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "gui/controls/ControlText.h"
#include "gui/controls/OkCancelButtons.h"

namespace kw {

namespace {

// The criteria are folded into 127 characters; more typing would not count.
constexpr int kCriterionLength = 127;

SSearchCriteria& Kept() {
    static SSearchCriteria criteria;
    return criteria;
}

QLineEdit* CriterionField(const QString& name, const std::string& text, QWidget* parent) {
    auto* edit = new QLineEdit(Cp1252ToQString(text), parent);
    edit->setObjectName(name);
    edit->setMaxLength(kCriterionLength);
    edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * 32);
    return edit;
}

}  // namespace

CDlgPlayerSearch::CDlgPlayerSearch(QWidget* parent)
    : CDialogB(parent),
      m_firstName(CriterionField(QStringLiteral("firstName"), Kept().firstName, this)),
      m_stageName(CriterionField(QStringLiteral("stageName"), Kept().stageName, this)),
      m_surname(CriterionField(QStringLiteral("surname"), Kept().surname, this)) {
    setObjectName(QStringLiteral("DlgPlayerSearch"));
    setWindowTitle(tr("Kickwerk 06 - Spieler suchen"));

    auto* prompt = new QLabel(tr("Welchen Spieler möchten Sie suchen lassen?\n"
                                 "(Platzhalter ('*') sind erlaubt)"),
                              this);
    prompt->setObjectName(QStringLiteral("prompt"));

    auto* fields = new QFormLayout;
    fields->addRow(tr("Vorname"), m_firstName);
    fields->addRow(tr("Künstlername/Spitzname"), m_stageName);
    fields->addRow(tr("Nachname"), m_surname);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(fields);
    layout->addWidget(MakeOkCancelButtons(*this));
    setTabOrder(m_firstName, m_stageName);
    setTabOrder(m_stageName, m_surname);
    m_firstName->setFocus();
}

std::optional<SSearchCriteria> CDlgPlayerSearch::Ask(QWidget* parent) {
    CDlgPlayerSearch dialog(parent);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Criteria();
}

const SSearchCriteria& CDlgPlayerSearch::KeptCriteria() {
    return Kept();
}

SSearchCriteria CDlgPlayerSearch::Criteria() const {
    return SSearchCriteria{QStringToCp1252(m_firstName->text()), QStringToCp1252(m_surname->text()),
                           QStringToCp1252(m_stageName->text())};
}

void CDlgPlayerSearch::accept() {
    Kept() = Criteria();
    CDialogB::accept();
}

}  // namespace kw
