// kwtool gen-demo: writes the demo installation.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "KwTool.h"
#include "demo/DemoGenerator.h"
#include "platform/Console.h"

namespace kwtool {

namespace {

int RunGenerate(const std::string& out, const std::string& scaleName, std::uint32_t seed) {
    const auto scale = kw::demo::ParseDemoScale(scaleName);
    if (!scale) {
        return Fail("--scale must be small, full or huge, not " + scaleName);
    }
    kw::CConsoleProgress progress;
    const auto start = std::chrono::steady_clock::now();
    const kw::demo::SDemoResult result =
        kw::demo::GenerateDemoInstallation(out, *scale, seed, progress);
    if (!result.ok) {
        return Fail(result.message);
    }
    const auto elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start);
    std::printf("demo installation (%s, seed %u) written to %s: %d clubs, %d persons, %.2f s\n",
                scaleName.c_str(), seed, out.c_str(), result.clubs, result.persons,
                elapsed.count());
    return 0;
}

}  // namespace

void AddDemoCommands(CLI::App& app, SToolContext& context) {
    struct SOptions {
        std::string out;
        std::string scale = "full";
        std::uint32_t seed = 1;
    };
    auto options = std::make_shared<SOptions>();
    CLI::App* generate = app.add_subcommand("gen-demo", "Write the demo installation");
    generate->add_option("OUTDIR", options->out, "Installation folder to write")->required();
    generate->add_option("--scale", options->scale, "small, full or huge (default full)");
    generate->add_option("--seed", options->seed, "Seed of the invented world (default 1)");
    OnParsed(generate, context,
             [options] { return RunGenerate(options->out, options->scale, options->seed); });
}

}  // namespace kwtool
