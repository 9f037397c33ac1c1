#pragma once

#include <cstdint>

#include "editing/SquadChoices.h"
#include "gui/controls/DialogB.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;

namespace kw {

class CDatabaseDocument;

// "Kickwerk 06 - Schnelle Transfers": on the left a country ("Land") and the players of its clubs
// ("Spieler (Verein)", "Pos."), on the right the new country ("Neues Land"), its clubs ("Neuer
// Verein") and, under "Rückennummer", the chosen player's number ("Bisher") and the new club's
// free numbers ("Verfügbar", the lowest preselected). "Transfer durchführen" moves the player as
// one edit of the document and stays open for the next one; an incomplete choice or a refused
// transfer does nothing. "Schließen" closes the window.
class CDlgFastTransfer : public CDialogB {
    Q_OBJECT

public:
    CDlgFastTransfer(CDatabaseDocument& document, int country, QWidget* parent = nullptr);

    static void Show(CDatabaseDocument& document, int country, QWidget* parent);

    QComboBox& SourceCountries() const { return *m_sourceCountries; }
    QTreeWidget& Players() const { return *m_players; }
    QListWidget& TargetCountries() const { return *m_targetCountries; }
    QListWidget& TargetClubs() const { return *m_targetClubs; }
    QLabel& CurrentNumber() const { return *m_currentNumber; }
    QComboBox& FreeNumbers() const { return *m_freeNumbers; }
    QPushButton& TransferButton() const { return *m_transfer; }

    // "Transfer durchführen".
    void Transfer();

private:
    int SourceCountry() const;
    int TargetCountry() const;
    std::uint32_t ChosenPlayer() const;
    std::uint32_t ChosenClub() const;
    void FillPlayers();
    void ShowCurrentNumber();
    void FillClubs();
    void FillFreeNumbers();

    CDatabaseDocument& m_document;
    QComboBox* m_sourceCountries;
    QTreeWidget* m_players;
    QListWidget* m_targetCountries;
    QListWidget* m_targetClubs;
    QLabel* m_currentNumber;
    QComboBox* m_freeNumbers;
    QPushButton* m_transfer;
};

}  // namespace kw
