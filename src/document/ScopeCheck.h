#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/WorldPart.h"

namespace kw {

class CWorld;

// The parts of a world that a scope leaves out, each named ("country 12", "rules", ...) with a
// text that is equal exactly when the part is.
using PartTexts = std::vector<std::pair<std::string, std::string>>;
using OutsideScopeTexts = std::function<PartTexts(const CWorld& world, const SWorldScope& scope)>;

// Test programs and debug builds check every Perform: what lies outside the declared scope is
// taken before and after the operation, and a difference stops the program at once, naming the
// edit and the parts it changed. The texts come from above the document (the JSON dump), so the
// programs install them, once and before any document exists; nothing is checked without.
void InstallScopeCheck(OutsideScopeTexts texts);

// One operation's check: what lies outside its scope as it was before the operation ran.
class CScopeCheck {
public:
    CScopeCheck(const CWorld& world, const SWorldScope& scope);
    // Aborts, naming the edit, when anything outside the scope changed since construction.
    void Verify(const CWorld& world, std::string_view description) const;

private:
    SWorldScope m_scope;
    PartTexts m_before;
};

}  // namespace kw
