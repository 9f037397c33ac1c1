#pragma once

#include <QWidget>

#include <cstdint>
#include <memory>

class QMenu;

namespace kw {

class CDatabaseDocument;
class CMyListBox;

// The manager list: one row per staff person of the live club (short name and role), with the
// context menu "Neuer ..." for each of the eighteen kinds (greyed while the club has one of the
// kind or holds seventy persons), "Person transferieren", "Person holen" and "Eintrag löschen".
// Each command is one edit of the document (editing/StaffCommands.h); the container hears of it
// before (to store the page it shows) and after (to refresh its lists).
class CDlgManagerList : public QWidget {
    Q_OBJECT

public:
    CDlgManagerList(CDatabaseDocument& document, std::uint32_t clubId, QWidget* parent = nullptr);

    // Rows anew from the club; the current person stays selected while listed.
    void Rebuild();
    // Selects that person's row without telling the container; 0 or an unlisted person selects
    // nothing.
    void SelectPerson(std::uint32_t personId);
    std::uint32_t CurrentPerson() const;
    CMyListBox& List() const { return *m_list; }
    // The context menu as the list opens it.
    std::unique_ptr<QMenu> Menu();

    // The commands of the menu, on the current person.
    void NewPerson(int kind);
    void TransferPerson();
    void FetchPerson();
    void DeletePerson();

signals:
    // The user chose a row, or a command made a person current (0: none).
    void personChosen(std::uint32_t personId);
    // A command is about to change the club: the shown page must be stored now.
    void aboutToChange();
    // A command changed the club (or another one): lists showing it need rebuilding.
    void clubChanged();

private:
    // After a command that changed something: the rows anew, `personId` current and announced.
    void Changed(std::uint32_t personId);

    CDatabaseDocument& m_document;
    std::uint32_t m_clubId;
    CMyListBox* m_list;
};

}  // namespace kw
