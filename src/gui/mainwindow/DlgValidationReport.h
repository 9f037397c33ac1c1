// "Datenbank prüfen": every finding of the validation report, grouped by country and kind.
#pragma once

#include <QDialog>

#include <vector>

#include "gui/mainwindow/ValidationEditors.h"
#include "gui/mainwindow/ValidationWorker.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

namespace kw {

class CDatabaseDocument;
class CDocumentSignals;
class CGlobalTools;

// The report runs on a worker with a progress bar and "Abbrechen"; a double click or Enter on a
// finding stops the run and opens the editor that mends it, and the report runs again once the
// editor is closed and whenever the document changes otherwise. While a run is going nothing but
// this window's editors may edit the document; the window is modal for that reason.
class CDlgValidationReport : public QDialog {
    Q_OBJECT

public:
    CDlgValidationReport(CDatabaseDocument& document, const CGlobalTools* tools,
                         SValidationEditors editors, QWidget* parent = nullptr);
    ~CDlgValidationReport() override;

    static void Show(CDatabaseDocument& document, const CGlobalTools* tools,
                     SValidationEditors editors, QWidget* parent);

    QTreeWidget& Tree() const { return *m_tree; }
    QPushButton& CancelButton() const { return *m_cancel; }
    bool IsRunning() const { return m_worker.IsRunning() || m_pending; }
    const std::vector<SFinding>& Findings() const { return m_findings; }

    void done(int result) override;

public slots:
    // Stops a run still going and checks the document again.
    void Restart();

private:
    void Poll();
    void ShowFindings(bool cancelled);
    void Activated(QTreeWidgetItem* item);

    CDatabaseDocument& m_document;
    const CGlobalTools* m_tools;
    SValidationEditors m_editors;
    CValidationWorker m_worker;
    std::vector<SFinding> m_findings;
    CDocumentSignals* m_signals;
    QTreeWidget* m_tree;
    QProgressBar* m_progress;
    QLabel* m_summary;
    QPushButton* m_cancel;
    QTimer* m_poll;
    // A run is started but its result not shown yet.
    bool m_pending = false;
    // An editor of this window is open: its edits restart the report only once it is closed.
    bool m_editing = false;
};

}  // namespace kw
