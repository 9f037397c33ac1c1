#include "gui/mainwindow/DocumentSignals.h"

namespace kw {

CDocumentSignals::CDocumentSignals(CDatabaseDocument& document, QObject* parent)
    : QObject(parent), m_document(document) {
    m_document.AddObserver(*this);
}

CDocumentSignals::~CDocumentSignals() {
    m_document.RemoveObserver(*this);
}

void CDocumentSignals::DocumentChanged(const std::vector<SDocumentChange>& changes) {
    emit changed(changes);
}

void CDocumentSignals::CleanChanged(bool clean) {
    emit cleanChanged(clean);
}

void CDocumentSignals::HistoryChanged() {
    emit historyChanged();
}

}  // namespace kw
