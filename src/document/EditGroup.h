#pragma once

#include <string>

namespace kw {

class CDatabaseDocument;

// An open group of the document for as long as it lives: what is recorded meanwhile becomes one
// edit named `description`, none when nothing was. A dialog that changes live records owns one;
// when the user cancels, Discard takes back everything done inside instead.
class CEditGroup {
public:
    CEditGroup(CDatabaseDocument& document, std::string description);
    ~CEditGroup() { Close(); }
    CEditGroup(const CEditGroup&) = delete;
    CEditGroup& operator=(const CEditGroup&) = delete;

    // Ends the group now rather than when the guard goes: what was done is one edit.
    void Close();
    // Ends the group by taking back what was done inside it, newest first; nothing is recorded.
    // Once the group has ended, neither does anything.
    void Discard();

private:
    // Null once the group has ended.
    CDatabaseDocument* m_document;
};

}  // namespace kw
