#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "DemoInstallation.h"
#include "document/DatabaseDocument.h"
#include "model/World.h"
#include "platform/Progress.h"

namespace kw::test {

// A document over the small demo database, loaded anew for each test.
class DocumentTest : public ::testing::Test {
protected:
    DocumentTest() : document(LoadDemo()) {}

    static std::unique_ptr<CWorld> LoadDemo() {
        auto world = std::make_unique<CWorld>(SmallDemoInstallation());
        world->InitialiseCountries();
        CSilentProgress progress;
        world->Load(SmallDemoDatabase(), progress);
        return world;
    }

    const CWorld& World() const { return document.World(); }

    CDatabaseDocument document;
};

}  // namespace kw::test
