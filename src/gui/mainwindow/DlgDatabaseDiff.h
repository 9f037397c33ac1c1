#pragma once

#include <QDialog>
#include <QString>

#include <vector>

#include "tools/DatabaseDiff.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QTreeWidget;

namespace kw {

class CDatabaseDocument;

// "Datenbanken vergleichen": the current database against another open one, chosen in the
// dialog; the differences as a tree of countries, kinds and records with their changed fields
// (old -> new). Only reads the databases.
class CDlgDatabaseDiff : public QDialog {
    Q_OBJECT

public:
    struct SDatabase {
        QString label;
        const CDatabaseDocument* document = nullptr;
    };

    // `current` indexes `databases`; the first other database is compared at once.
    CDlgDatabaseDiff(std::vector<SDatabase> databases, int current, QWidget* parent = nullptr);

    // Compares the current database with databases[index] (not the current one).
    void CompareWith(int index);

private:
    void ShowDiff(const SDatabaseDiff& diff);

    std::vector<SDatabase> m_databases;
    int m_current = 0;
    QComboBox* m_others = nullptr;
    QTreeWidget* m_tree = nullptr;
    QLabel* m_summary = nullptr;
};

// Adds to `form` the current database as a label (named "currentDatabase") and the others in a
// list to choose from ("otherDatabase", item data: the index in `databases`); returns the list.
QComboBox& AddDatabaseChoice(QFormLayout& form, QWidget& parent,
                             const std::vector<CDlgDatabaseDiff::SDatabase>& databases, int current,
                             const QString& currentCaption, const QString& otherCaption);

}  // namespace kw
