#pragma once

#include <QDialog>

#include "tools/CsvImport.h"

class QPushButton;
class QTreeWidget;

namespace kw {

class CDatabaseDocument;

// The preview of a CSV import: every change (record, field, old -> new) and every rejected row
// with its reason, before anything changes. "Übernehmen" applies the changes as one undoable
// edit of the document; "Abbrechen" leaves the document as it was.
class CDlgCsvImportPreview : public QDialog {
    Q_OBJECT

public:
    CDlgCsvImportPreview(CDatabaseDocument& document, SCsvImportPlan plan, const QString& fileName,
                         QWidget* parent = nullptr);

private:
    void Apply();

    CDatabaseDocument& m_document;
    SCsvImportPlan m_plan;
    QTreeWidget* m_changes = nullptr;
    QTreeWidget* m_rejected = nullptr;
};

}  // namespace kw
