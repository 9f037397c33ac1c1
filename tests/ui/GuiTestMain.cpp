#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "IsolatedGuiTest.h"

namespace kw::test {

namespace {

std::map<std::string, GuiTestRun>& Registered() {
    static std::map<std::string, GuiTestRun> tests;
    return tests;
}

}  // namespace

bool RegisterGuiTest(const char* name, GuiTestRun run) {
    return Registered().emplace(name, run).second;
}

}  // namespace kw::test

// ui_tests CLASS [Qt Test arguments]: one program links the windows once for every test class;
// each run is one class in a process of its own, as ctest starts them.
int main(int argc, char** argv) {
    const auto& tests = kw::test::Registered();
    const auto test = argc > 1 ? tests.find(argv[1]) : tests.end();
    if (test == tests.end()) {
        std::fprintf(stderr, "usage: %s CLASS [Qt Test arguments]\nclasses:\n", argv[0]);
        for (const auto& entry : tests) {
            std::fprintf(stderr, "  %s\n", entry.first.c_str());
        }
        return 2;
    }
    std::vector<char*> arguments{argv[0]};
    arguments.insert(arguments.end(), argv + 2, argv + argc);
    const int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);
    return test->second(count, arguments.data());
}
