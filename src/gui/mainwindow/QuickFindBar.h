#pragma once

#include <QWidget>

#include <memory>
#include <vector>

#include "tools/QuickFind.h"

class QLabel;
class QLineEdit;
class QTreeWidget;

namespace kw {

class CDatabaseDocument;

// The main window's quick find: a search field (Ctrl+F) and, while it holds a query, the hits
// below it with kind, name, country and club, and a notice when there were more than the
// limit. Enter or a double click chooses a hit, Escape clears the field. The index is built at
// the first search after the database changed.
class CQuickFindBar : public QWidget {
    Q_OBJECT

public:
    explicit CQuickFindBar(QWidget* parent = nullptr);
    ~CQuickFindBar() override;

    // The database to search, shown anew or changed: the index is dropped and a query that is
    // there is searched again.
    void SetDocument(const CDatabaseDocument& document);
    void FocusSearch();

signals:
    void hitChosen(const kw::SFindHit& hit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Search();
    void ShowHits(const SFindResult& result);
    void ChooseCurrent();
    void Clear();

    const CDatabaseDocument* m_document = nullptr;
    std::unique_ptr<CQuickFindIndex> m_index;
    std::vector<SFindHit> m_hits;
    QLineEdit* m_field = nullptr;
    QTreeWidget* m_results = nullptr;
    QLabel* m_notice = nullptr;
};

}  // namespace kw
