#include "TestSupport.h"

#include "panel/MainComponent.h"
#include "shell/LoginItemThread.h"
#include "shell/LoginItems.h"
#include "shell/TrayIcon.h"
#include "testing/VirtualMidiBus.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

namespace
{
const auto launchAtLoginText =
    juce::String::fromUTF8("\xe5\xbc\x80\xe6\x9c\xba\xe8\x87\xaa\xe5\x8a\xa8\xe5\x90\xaf\xe5\x8a\xa8");

// Made atomically: test processes run side by side.
juce::File uniqueTempFolder()
{
    auto pattern = juce::File::getSpecialLocation(juce::File::tempDirectory)
                       .getChildFile("q5-shell-XXXXXX")
                       .getFullPathName()
                       .toStdString();
    return juce::File(juce::String(mkdtemp(pattern.data())));
}

class PanelWindow final : public juce::DocumentWindow
{
public:
    explicit PanelWindow(MidiPortLayer& ports)
        : juce::DocumentWindow("Q5 test", juce::Colours::black, 0, true)
    {
        setContentOwned(new MainComponent(ports), true);
        setVisible(true);
    }

    MainComponent& panel() { return *dynamic_cast<MainComponent*>(getContentComponent()); }
};

// An item of the open popup menu, as its accessibility interface shows it.
struct ShownItem
{
    juce::String text;
    bool ticked = false;
    juce::AccessibilityHandler* handler = nullptr;
};

void collectItems(juce::Component& component, std::vector<ShownItem>& items)
{
    if (auto* handler = component.getAccessibilityHandler();
        handler != nullptr && handler->getRole() == juce::AccessibilityRole::menuItem)
        items.push_back({handler->getTitle(), handler->getCurrentState().isChecked(), handler});

    for (auto* child : component.getChildren())
        collectItems(*child, items);
}

std::vector<ShownItem> shownMenu()
{
    std::vector<ShownItem> items;
    if (auto* menu = juce::Component::getCurrentlyModalComponent())
        collectItems(*menu, items);
    return items;
}

class ShellPanel : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previousConfigHome = juce::SystemStats::getEnvironmentVariable("XDG_CONFIG_HOME", {});
        useConfigHome(root);
    }

    void TearDown() override
    {
        juce::PopupMenu::dismissAllActiveMenus();
        window.reset();
        setenv("XDG_CONFIG_HOME", previousConfigHome.toRawUTF8(), 1);
        root.deleteRecursively();
    }

    static void useConfigHome(const juce::File& folder)
    {
        setenv("XDG_CONFIG_HOME", folder.getFullPathName().toRawUTF8(), 1);
    }

    MainComponent& makePanel()
    {
        window = std::make_unique<PanelWindow>(bus);
        return window->panel();
    }

    std::vector<ShownItem> openSettingsMenu(MainComponent& panel)
    {
        // As a real click would, focus the window first: a menu of a program
        // without the focus closes at once. Tests running side by side on
        // one display can take the focus away, hence a few tries.
        for (int attempt = 0; attempt < 3; ++attempt)
        {
            window->toFront(true);
            testsupport::runUntil([] { return juce::Process::isForegroundProcess(); });
            panel.settingButton->triggerClick();
            if (testsupport::runUntil([] { return !shownMenu().empty(); }, 1000))
                break;
        }
        return shownMenu();
    }

    void chooseLaunchAtLogin(MainComponent& panel)
    {
        const auto before = panel.launchAtLogin;
        const auto items = openSettingsMenu(panel);
        ASSERT_EQ(items.size(), 1u);
        items.front().handler->getActions().invoke(juce::AccessibilityActionType::press);
        ASSERT_TRUE(testsupport::runUntil([&] { return panel.launchAtLogin != before; }));
    }

    static void waitForLoginItems(MainComponent& panel)
    {
        if (panel.loginItemThread != nullptr)
        {
            ASSERT_TRUE(testsupport::runUntil([&] { return !panel.loginItemThread->isBusy(); }));
        }
    }

    const juce::File root = uniqueTempFolder();
    juce::String previousConfigHome;
    VirtualMidiBus bus;
    std::unique_ptr<PanelWindow> window;
};
} // namespace

TEST_F(ShellPanel, SettingsMenuTickFollowsLaunchAtLogin)
{
    for (const bool registered : {false, true})
    {
        SCOPED_TRACE(registered ? "registered at start" : "not registered at start");
        LoginItems::Autostart::folder().deleteRecursively();
        if (registered)
            LoginItems::addApplication(juce::File("/opt/q5/q5"));

        auto& panel = makePanel();
        EXPECT_EQ(panel.launchAtLogin, registered ? 1 : 0);

        auto items = openSettingsMenu(panel);
        ASSERT_EQ(items.size(), 1u);
        EXPECT_EQ(items.front().text, launchAtLoginText);
        EXPECT_EQ(items.front().ticked, registered);

        // Dismissing changes nothing and starts nothing.
        juce::PopupMenu::dismissAllActiveMenus();
        ASSERT_TRUE(testsupport::runUntil([] { return shownMenu().empty(); }));
        testsupport::runFor(100);
        EXPECT_EQ(panel.launchAtLogin, registered ? 1 : 0);
        EXPECT_EQ(panel.loginItemThread, nullptr);

        // Choosing flips the tick; the login item follows.
        chooseLaunchAtLogin(panel);
        EXPECT_EQ(panel.launchAtLogin, registered ? 0 : 1);
        waitForLoginItems(panel);
        EXPECT_EQ(LoginItems::isApplicationRegistered(), !registered);

        items = openSettingsMenu(panel);
        ASSERT_EQ(items.size(), 1u);
        EXPECT_EQ(items.front().ticked, !registered);
        juce::PopupMenu::dismissAllActiveMenus();
        testsupport::runUntil([] { return shownMenu().empty(); });

        window.reset();
    }
}

TEST_F(ShellPanel, QuickChoicesEndAsTheTickShows)
{
    auto& panel = makePanel();
    ASSERT_EQ(panel.launchAtLogin, 0);

    // No waiting for the login items in between, and quitting right after.
    chooseLaunchAtLogin(panel);
    chooseLaunchAtLogin(panel);
    chooseLaunchAtLogin(panel);
    const auto tick = panel.launchAtLogin;
    window.reset();

    EXPECT_EQ(tick, 1);
    EXPECT_TRUE(LoginItems::isApplicationRegistered());
}

TEST_F(ShellPanel, TickFlipsWhateverTheOutcome)
{
    // A config home that is a file: the login item cannot be written.
    const auto blocker = root.getChildFile("file");
    blocker.replaceWithText("x");
    useConfigHome(blocker);

    auto& panel = makePanel();
    chooseLaunchAtLogin(panel);
    EXPECT_EQ(panel.launchAtLogin, 1);
    waitForLoginItems(panel);
    EXPECT_FALSE(LoginItems::isApplicationRegistered());
    EXPECT_EQ(panel.launchAtLogin, 1);
}

TEST_F(ShellPanel, HeadphoneMuteStoresTheNewState)
{
    auto& panel = makePanel();
    for (const int expected : {1, 0, 1})
    {
        panel.hpMuteButton->triggerClick();
        EXPECT_TRUE(testsupport::runUntil([&] { return panel.hpMuteState == expected; }));
        EXPECT_EQ(panel.hpMuteButton->getToggleState(), expected == 1);
    }
    EXPECT_TRUE(shownMenu().empty());
}

TEST_F(ShellPanel, WithoutATrayCloseMinimises)
{
    if (TrayIcon::desktopHasTray())
        GTEST_SKIP() << "this display has a tray host";

    auto& panel = makePanel();
    EXPECT_EQ(panel.trayIcon, nullptr);

    panel.closeButton->triggerClick();
    EXPECT_TRUE(testsupport::runUntil([&] { return window->isMinimised(); }));
    EXPECT_TRUE(window->isVisible());
}
