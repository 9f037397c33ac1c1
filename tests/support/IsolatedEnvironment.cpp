#include <gtest/gtest.h>

#include <cstdlib>

#include "PrivateHome.h"
#include "TempDir.h"

namespace {

// Tests never touch the real home, settings, documents or runtime folders: every location the
// editor looks up is pointed at a private temporary folder for the whole test program.
class IsolatedEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        kw::test::UsePrivateHome(m_root.Path());
        unsetenv("KW06_INSTALL_DIR");
        // A test cannot observe a flush to the disk, and one per saved file (or a syncfs that
        // waits for every other writer on the machine) makes it slow. Set before any write; the
        // writers read it once (SWriteOptions), and programs started by tests inherit it.
        setenv("KW06_NO_SYNC", "1", 1);
    }

private:
    kw::test::TempDir m_root;
};

const auto* const registered =
    ::testing::AddGlobalTestEnvironment(new IsolatedEnvironment);  // gtest owns it

}  // namespace
