#pragma once

#include <string>
#include <vector>

#include "editing/BadgeChoice.h"
#include "gui/controls/DialogB.h"

class QComboBox;
class QLineEdit;
class QListWidget;

namespace kw {

class CGlobalTools;
class CShowBitmap;
class CWorld;

// "Vereinswappen auswählen": the badges of the installation by country folder (countries named in
// `language`), loose files and the archive's; the club's current badge preselected. OK gives the
// chosen badge's path, or the colour template of the club's colour combination for " Kein Wappen";
// with no badge chosen it acts as Cancel, and a path the club cannot hold is refused with a
// message.
class CDlgClubBadgeManage : public CDialogB {
    Q_OBJECT

public:
    CDlgClubBadgeManage(const CGlobalTools& tools, const CWorld& world, int language,
                        std::string currentPath, int colourCombination, QWidget* parent = nullptr);

    // The path to store, after the dialog was accepted.
    const std::string& ChosenPath() const { return m_chosenPath; }

public slots:
    void accept() override;

private:
    void ShowGroup(int groupItem);
    void ShowBadge();
    SBadgeSelection Selection() const;

    const CGlobalTools& m_tools;
    int m_colourCombination;
    std::vector<SBadgeGroup> m_groups;
    std::vector<SBadgeGroupItem> m_groupItems;
    std::string m_chosenPath;
    QComboBox* m_groupCombo;
    QListWidget* m_badgeList;
    CShowBitmap* m_preview;
    QLineEdit* m_pathLine;
};

}  // namespace kw
