// Runs the benchmarks inside a real JUCE application, so components, fonts,
// images and the message loop are set up exactly as in the panel.

#include <juce_gui_basics/juce_gui_basics.h>

#include <benchmark/benchmark.h>

namespace
{
class BenchApplication final : public juce::JUCEApplication
{
public:
    const juce::String getApplicationName() override { return "q5_bench"; }
    const juce::String getApplicationVersion() override { return "1.0.0"; }
    bool moreThanOneInstanceAllowed() override { return true; }

    // Run here, before the dispatch loop starts: the benchmarks drive the
    // loop themselves, and JUCE's Linux event dispatch is not re-entrant.
    void initialise(const juce::String&) override
    {
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        quit();
    }

    void shutdown() override {}
};

juce::JUCEApplicationBase* createBenchApplication()
{
    return new BenchApplication();
}
} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;

    juce::JUCEApplicationBase::createInstance = &createBenchApplication;
    return juce::JUCEApplicationBase::main(argc, const_cast<const char**>(argv));
}
