#pragma once

#include <QObject>

#include <vector>

#include "document/DatabaseDocument.h"

namespace kw {

// The document's observer as Qt signals: windows connect to these instead of the core calling
// them. Listens for as long as it lives.
class CDocumentSignals final : public QObject, public IDocumentObserver {
    Q_OBJECT

public:
    CDocumentSignals(CDatabaseDocument& document, QObject* parent = nullptr);
    ~CDocumentSignals() override;

    void DocumentChanged(const std::vector<SDocumentChange>& changes) override;
    void CleanChanged(bool clean) override;
    void HistoryChanged() override;

signals:
    void changed(const std::vector<kw::SDocumentChange>& changes);
    void cleanChanged(bool clean);
    void historyChanged();

private:
    CDatabaseDocument& m_document;
};

}  // namespace kw
