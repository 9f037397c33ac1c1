#include "gui/editors/club/DlgClubHist.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "editing/ClubGeneralRules.h"
#include "gui/controls/ControlText.h"
#include "model/RecordResult.h"

namespace kw {

namespace {

constexpr int kStatisticDigits = 5;
// "127:127", the widest score the record holds.
constexpr int kScoreLength = 7;
// An attendance of up to 9 digits; a season of 5.
constexpr int kAttendanceDigits = 9;
constexpr int kSeasonDigits = 5;

QRegularExpressionValidator* Digits(int count, QObject* parent) {
    return new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(count)), parent);
}

}  // namespace

CDlgClubHist::CDlgClubHist(SClubEditContext& context, QWidget* parent)
    : CClubPage(context, parent) {
    setObjectName(QStringLiteral("DlgClubHist"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(CreateStatisticsGroup(), 0, 0);
    layout->addWidget(CreateSuccessGroup(), 0, 1);
    layout->addWidget(CreateRecordGroup(), 1, 0, 1, 2);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(1, 1);
}

QGroupBox* CDlgClubHist::CreateStatisticsGroup() {
    auto* group = new QGroupBox(tr("Statistiken 1.Liga"), this);
    auto* form = new QFormLayout(group);
    const std::array labels = {tr("&Punkte"), tr("Spi&ele"), tr("&Tore"), tr("&Gegentore"),
                               tr("Tabellenf&ührungen")};
    for (std::size_t index = 0; index < m_statistics.size(); ++index) {
        auto* edit = new QLineEdit(group);
        edit->setObjectName(QStringLiteral("statistic%1").arg(index));
        edit->setMaxLength(kStatisticDigits);
        edit->setValidator(Digits(kStatisticDigits, edit));
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0")) * 9);
        form->addRow(labels[index], edit);
        m_statistics[index] = edit;
    }
    return group;
}

QGroupBox* CDlgClubHist::CreateSuccessGroup() {
    auto* group = new QGroupBox(tr("Erfolge"), this);
    auto* form = new QFormLayout(group);
    struct SSuccess {
        const char* label;
        CClub::Success which;
    };
    // In the order the page shows them, which is not the record's.
    const std::array successes = {
        SSuccess{QT_TR_NOOP("&Meisterschaften (Format: \"1950,1951\")"), CClub::kChampionships},
        SSuccess{QT_TR_NOOP("P&okalsiege (Format: \"1950,1951\")"), CClub::kCupWins},
        SSuccess{QT_TR_NOOP("&Supercupsiege (Format: \"1950,1951\")"), CClub::kSuperCupWins},
        SSuccess{QT_TR_NOOP("&Ligapokalsiege (Format: \"1950,1951\")"), CClub::kLeagueCupWins},
        SSuccess{QT_TR_NOOP("Europapokalsiege (Format: \"1950,1951\")"), CClub::kEuropeanCupWins},
        SSuccess{QT_TR_NOOP("Landesmeisterpokalsiege (Format: \"1950,1951\")"),
                 CClub::kChampionsCupWins},
        SSuccess{QT_TR_NOOP("Weltpokalsiege (Format: \"1950,1951\")"), CClub::kWorldCupWins},
        SSuccess{QT_TR_NOOP("Klub-Weltmeisterschaften (Format: \"1950,1951\")"),
                 CClub::kClubWorldChampionships},
    };
    for (const SSuccess& success : successes) {
        auto* edit = new QLineEdit(group);
        edit->setObjectName(QStringLiteral("success%1").arg(static_cast<int>(success.which)));
        form->addRow(tr(success.label), edit);
        m_successes[static_cast<std::size_t>(success.which)] = edit;
    }
    return group;
}

QGroupBox* CDlgClubHist::CreateRecordGroup() {
    auto* group = new QGroupBox(tr("Rekordresultate"), this);
    auto* grid = new QGridLayout(group);
    const std::array labels = {tr("Rekord-Heimsieg"), tr("Rekord-Heimniederlage"),
                               tr("Rekord-Auswärtssieg"), tr("Rekord-Auswärtsniederlage"),
                               tr("Zuschauerrekord")};
    grid->addWidget(new QLabel(tr("Ergebnis"), group), 0, 1);
    grid->addWidget(new QLabel(tr("gegen"), group), 0, 2);
    grid->addWidget(new QLabel(tr("Saison"), group), 0, 3);
    const int digitWidth = fontMetrics().horizontalAdvance(QStringLiteral("0"));
    for (std::size_t index = 0; index < m_records.size(); ++index) {
        const bool attendance = index == CClub::kRecordAttendance;
        const int row = 1 + static_cast<int>(index);
        grid->addWidget(new QLabel(labels[index], group), row, 0);
        std::array<QLineEdit*, 3>& edits = m_records[index].edits;
        for (std::size_t column = 0; column < edits.size(); ++column) {
            edits[column] = new QLineEdit(group);
            grid->addWidget(edits[column], row, 1 + static_cast<int>(column));
        }
        edits[0]->setObjectName(QStringLiteral("recordResult%1").arg(index));
        edits[1]->setObjectName(QStringLiteral("recordOpponent%1").arg(index));
        edits[2]->setObjectName(QStringLiteral("recordSeason%1").arg(index));
        // The fields stand under the column headings, not beside labels of their own.
        edits[0]->setAccessibleName(tr("%1: Ergebnis").arg(labels[index]));
        edits[1]->setAccessibleName(tr("%1: Gegner").arg(labels[index]));
        edits[2]->setAccessibleName(tr("%1: Saison").arg(labels[index]));
        if (attendance) {
            edits[0]->setMaxLength(kAttendanceDigits);
            edits[0]->setValidator(Digits(kAttendanceDigits, edits[0]));
        } else {
            edits[0]->setMaxLength(kScoreLength);
            edits[0]->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]{0,3}(:[0-9]{0,3})?")), edits[0]));
        }
        edits[0]->setMaximumWidth(digitWidth * 12);
        edits[1]->setMaxLength(
            TypingLimit(CRecordResult::kOpponentSize, CRecordResult::kOpponentSize));
        edits[2]->setMaxLength(kSeasonDigits);
        edits[2]->setValidator(Digits(kSeasonDigits, edits[2]));
        edits[2]->setMaximumWidth(digitWidth * 9);
    }
    grid->setColumnStretch(2, 1);
    return group;
}

SRecordTexts CDlgClubHist::TypedTexts(const SRecordRow& row) const {
    return {QStringToCp1252(row.edits[0]->text()), QStringToCp1252(row.edits[1]->text()),
            QStringToCp1252(row.edits[2]->text())};
}

void CDlgClubHist::Load() {
    const CClub& club = Context().club;
    for (std::size_t index = 0; index < m_statistics.size(); ++index) {
        m_statistics[index]->setText(QString::number(club.Statistics()[index]));
        m_loadedStatistics[index] = m_statistics[index]->text();
    }
    for (std::size_t index = 0; index < m_successes.size(); ++index) {
        m_successes[index]->setText(Cp1252ToQString(club.Successes(static_cast<int>(index))));
        m_loadedSuccesses[index] = m_successes[index]->text();
        m_successes[index]->setCursorPosition(0);
    }
    for (std::size_t index = 0; index < m_records.size(); ++index) {
        SRecordRow& row = m_records[index];
        const SRecordTexts texts = RecordTexts(club.RecordResult(static_cast<int>(index)),
                                               index == CClub::kRecordAttendance);
        row.edits[0]->setText(Cp1252ToQString(texts.result));
        row.edits[1]->setText(Cp1252ToQString(texts.opponent));
        row.edits[2]->setText(Cp1252ToQString(texts.season));
        // What the fields show (a longer opponent cut) counts as unchanged.
        row.loaded = TypedTexts(row);
        row.edits[1]->setCursorPosition(0);
    }
}

void CDlgClubHist::StoreInto(CClub& club) const {
    for (std::size_t index = 0; index < m_statistics.size(); ++index) {
        if (m_statistics[index]->text() != m_loadedStatistics[index]) {
            club.SetStatistic(static_cast<int>(index),
                              ReadDecimalNumber(QStringToCp1252(m_statistics[index]->text())));
        }
    }
    for (std::size_t index = 0; index < m_successes.size(); ++index) {
        if (m_successes[index]->text() != m_loadedSuccesses[index]) {
            club.SetSuccesses(static_cast<int>(index), QStringToCp1252(m_successes[index]->text()));
        }
    }
    for (std::size_t index = 0; index < m_records.size(); ++index) {
        const SRecordRow& row = m_records[index];
        ApplyRecordTexts(club.RecordResult(static_cast<int>(index)),
                         index == CClub::kRecordAttendance, row.loaded, TypedTexts(row));
    }
}

}  // namespace kw
