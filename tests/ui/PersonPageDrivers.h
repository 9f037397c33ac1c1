// What the tests of the person pages share: the pages' edit context on the demo document, a
// person of a kind, and a page opened on a person.
#pragma once

#include <memory>
#include <stdexcept>
#include <string>

#include "GuiTest.h"
#include "editing/PersonClub.h"
#include "gui/editors/player/PlayerEditContext.h"

namespace kw::test {

class CPersonPageGuiTest : public CDemoGuiTest {
protected:
    void Opened() override {
        m_context = std::make_unique<SPlayerEditContext>(
            SPlayerEditContext{*m_document, m_demo.Installation(), nullptr, m_demo.Path()});
    }

    // A person of that kind held by a club.
    const CPlayer& PersonOfKind(int kind) const {
        for (const auto& entry : m_document->World().Persons()) {
            if (entry.second->Kind() == kind &&
                ClubHoldingPerson(m_document->World(), entry.first) != nullptr) {
                return *entry.second;
            }
        }
        throw std::runtime_error("the demo lacks a person of kind " + std::to_string(kind));
    }

    // The page alone on the person, shown: typed numbers are taken when their field loses the
    // focus, which needs an active window.
    template <typename Page>
    std::unique_ptr<Page> Open(const CPlayer& person) {
        auto page = std::make_unique<Page>(*m_context, nullptr);
        page->SetPlayer(person.Id());
        ShowActive(*page);
        return page;
    }

    std::unique_ptr<SPlayerEditContext> m_context;
};

}  // namespace kw::test
