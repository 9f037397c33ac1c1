#pragma once

#include <QListWidget>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace kw {

// The list of the database dialogs: one row per database folder, each with a folder icon and the
// folder's name, in the order given (DatabaseFolders sorts them). Names are the folders' UTF-8
// file names.
class CSelectDatabase : public QListWidget {
    Q_OBJECT

public:
    explicit CSelectDatabase(QWidget* parent = nullptr);

    void SetNames(std::vector<std::string> names);
    const std::vector<std::string>& Names() const { return m_names; }

    std::optional<std::string> SelectedName() const;
    // Selects that row and makes it current; nothing selects no row.
    void SelectRow(std::optional<std::size_t> row);

private:
    std::vector<std::string> m_names;
};

}  // namespace kw
