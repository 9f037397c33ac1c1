#pragma once

#include <array>
#include <vector>

#include "document/EditGroup.h"
#include "gui/controls/DialogB.h"
#include "model/Rules.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace kw {

class CDatabaseDocument;

// "Kontinentale Einstellungen": one tab per continent with its competitions' names in the
// world's current language, their title holders and, for Europe, their final venues, each chosen
// with "Auswählen"; "5-Jahres-Wertung" opens the ranking of the shown continent. The dialog works
// on a copy of the rules, stored on OK when it differs; the ranking changes live countries. So
// what OK keeps is one edit, and "Abbruch", Escape and the close box take all of it back.
class CDlgInternationalCompetition : public CDialogB {
    Q_OBJECT

public:
    CDlgInternationalCompetition(CDatabaseDocument& document, QWidget* parent = nullptr);

    // Runs the dialog; true when OK stored changed settings.
    static bool Edit(CDatabaseDocument& document, QWidget* parent);

    // The copy with the names typed so far.
    CRules Edited() const;

    QTabWidget& Tabs() const { return *m_tabs; }
    // The controls of a competition row; nothing for a row the continent does not have.
    QLineEdit* NameField(int continent, int competition) const;
    QLabel* HolderText(int continent, int competition) const;
    QPushButton* HolderButton(int continent, int competition) const;
    QLabel* VenueText(int continent, int competition) const;
    QPushButton* VenueButton(int continent, int competition) const;
    QPushButton& RankingButton() const { return *m_ranking; }

    void accept() override;
    void done(int result) override;

private:
    struct SRow {
        int continent = 0;
        int competition = 0;
        QLineEdit* name = nullptr;
        QLabel* holder = nullptr;
        QPushButton* chooseHolder = nullptr;
        QLabel* venue = nullptr;
        QPushButton* chooseVenue = nullptr;
    };

    QWidget* MakeContinentTab(int continent);
    const SRow* Row(int continent, int competition) const;
    void ChooseHolder(int continent, int competition);
    void ChooseVenue(int continent, int competition);
    void ShowHoldersAndVenues();
    void OpenRanking();

    CDatabaseDocument& m_document;
    CEditGroup m_group;
    bool m_settingsStored = false;
    const CRules m_stored;
    // Holders and venues as chosen; the names are read from their fields.
    CRules m_edited;
    QTabWidget* m_tabs;
    std::vector<SRow> m_rows;
    QPushButton* m_ranking = nullptr;
};

}  // namespace kw
