// Runs the tests inside a real JUCE application, started the way the panel
// starts, so the message loop, the X connection and its error handlers are
// those the shipped program uses.

#include "TestSupport.h"

#include "device/SystemMidiPorts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <dlfcn.h>

namespace
{
class TestApplication final : public juce::JUCEApplication
{
public:
    const juce::String getApplicationName() override { return "q5_tests"; }
    const juce::String getApplicationVersion() override { return "1.0.0"; }
    bool moreThanOneInstanceAllowed() override { return true; }

    // The tests run right here, before the dispatch loop starts, and drive
    // the loop themselves. Running them from inside a dispatched message
    // would nest JUCE's Linux event dispatch, which is not re-entrant.
    void initialise(const juce::String&) override
    {
        SystemMidiPorts::silenceSystemMidiErrors();
        setApplicationReturnValue(RUN_ALL_TESTS());
        quit();
    }

    void shutdown() override {}

    // The panel's "Exit" must not end the test run: it is counted instead.
    void systemRequestedQuit() override { ++testsupport::quitRequests; }
};

juce::JUCEApplicationBase* createTestApplication()
{
    return new TestApplication();
}
} // namespace

int main(int argc, char** argv)
{
    // JUCE loads the X libraries at run time and unloads them at exit; kept
    // loaded, whatever they leave behind is reported under their own names.
    for (const auto* library : {"libX11.so.6", "libXext.so.6", "libXcursor.so.1", "libXinerama.so.1",
                                "libXrender.so.1", "libXrandr.so.2"})
        dlopen(library, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);

    ::testing::InitGoogleTest(&argc, argv);

    // Keep the tests away from the user's own login items. Made atomically:
    // test processes run side by side.
    auto pattern = juce::File::getSpecialLocation(juce::File::tempDirectory)
                       .getChildFile("q5-tests-config-XXXXXX")
                       .getFullPathName()
                       .toStdString();
    const juce::File config(juce::String(mkdtemp(pattern.data())));
    setenv("XDG_CONFIG_HOME", config.getFullPathName().toRawUTF8(), 1);

    juce::JUCEApplicationBase::createInstance = &createTestApplication;
    const auto result = juce::JUCEApplicationBase::main(argc, const_cast<const char**>(argv));
    config.deleteRecursively();
    return result;
}
