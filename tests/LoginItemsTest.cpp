#include "TestSupport.h"

#include "shell/LoginItemThread.h"
#include "shell/LoginItems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

#include <unistd.h>

namespace
{
// Plain line feeds: a script with CR LF line ends does not run.
void writeText(const juce::File& file, const juce::String& text)
{
    file.replaceWithText(text, false, false, "\n");
}

// Made atomically: test processes run side by side.
juce::File freshTempFolder(const juce::String& prefix)
{
    auto pattern = juce::File::getSpecialLocation(juce::File::tempDirectory)
                       .getChildFile(prefix + "-XXXXXX")
                       .getFullPathName()
                       .toStdString();
    return juce::File(juce::String(mkdtemp(pattern.data())));
}

// Points XDG_CONFIG_HOME at a folder of its own for one test.
class ScopedConfigHome
{
public:
    explicit ScopedConfigHome(const juce::String& value)
        : previous(juce::SystemStats::getEnvironmentVariable("XDG_CONFIG_HOME", {}))
    {
        setenv("XDG_CONFIG_HOME", value.toRawUTF8(), 1);
    }
    ~ScopedConfigHome() { setenv("XDG_CONFIG_HOME", previous.toRawUTF8(), 1); }

private:
    const juce::String previous;
};

class LoginItemsAutostart : public ::testing::Test
{
protected:
    void TearDown() override { root.deleteRecursively(); }

    juce::File entry(const juce::String& fileName, const juce::String& text)
    {
        auto file = LoginItems::Autostart::folder().getChildFile(fileName);
        file.getParentDirectory().createDirectory();
        writeText(file, text);
        return file;
    }

    const juce::File root = freshTempFolder("q5-autostart");
    const ScopedConfigHome configHome{root.getFullPathName()};
};

// Stands in for osascript: records its arguments, NUL-separated, and answers
// with whatever reply and reply.err hold.
class LoginItemsSystemEvents : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto script = bin.getChildFile("osascript");
        writeText(script, "#!/bin/sh\n"
                          "here=$(dirname \"$0\")\n"
                          "for a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$here/args\"\n"
                          "[ -f \"$here/reply\" ] && cat \"$here/reply\"\n"
                          "[ -f \"$here/reply.err\" ] && cat \"$here/reply.err\" >&2\n"
                          "exit 0\n");
        script.setExecutePermission(true);
        previousPath = juce::SystemStats::getEnvironmentVariable("PATH", {});
        setenv("PATH", (bin.getFullPathName() + ":" + previousPath).toRawUTF8(), 1);
    }

    void TearDown() override
    {
        setenv("PATH", previousPath.toRawUTF8(), 1);
        bin.deleteRecursively();
    }

    std::vector<std::string> recordedArguments() const
    {
        juce::MemoryBlock data;
        bin.getChildFile("args").loadFileAsData(data);
        std::vector<std::string> arguments;
        const auto* bytes = static_cast<const char*>(data.getData());
        for (size_t start = 0, i = 0; i < data.getSize(); ++i)
        {
            if (bytes[i] == 0)
            {
                arguments.emplace_back(bytes + start, i - start);
                start = i + 1;
            }
        }
        return arguments;
    }

    const juce::File bin = freshTempFolder("q5-fake-bin");
    juce::String previousPath;
};
} // namespace

TEST(LoginItems, SystemEventsCommandsAreTheGivenTexts)
{
    EXPECT_EQ(LoginItems::SystemEvents::queryCommand(),
              "osascript -e 'tell application \"System Events\" to get the name of every login item'");
    EXPECT_EQ(LoginItems::SystemEvents::removeCommand(),
              "osascript -e 'tell application \"System Events\" to delete login item \"Q5 Control Panel\"'");
    // No blank before "to" in the add command.
    EXPECT_EQ(LoginItems::SystemEvents::addCommand("/Applications/Q5 Control Panel.app"),
              "osascript -e 'tell application \"System Events\"to make login item at end with properties "
              "{path:\"/Applications/Q5 Control Panel.app\",hidden:true}'");
}

TEST(LoginItems, ShellProcedureReadsBothStreamsAsUtf8AndLeavesNoChild)
{
    EXPECT_EQ(LoginItems::runShellCommand("echo out; printf '\\345\\274\\200\\n' >&2; echo end"),
              juce::String::fromUTF8("out\n\xe5\xbc\x80\nend\n"));

    // No zombie of ours may be left once the output has been read.
    const auto self = juce::String(static_cast<int>(getpid()));
    for (const auto& stat : juce::File("/proc").findChildFiles(juce::File::findDirectories, false, "[0-9]*"))
    {
        const auto fields =
            stat.getChildFile("stat").loadFileAsString().fromLastOccurrenceOf(")", false, false);
        const auto tokens = juce::StringArray::fromTokens(fields.trim(), " ", {});
        if (tokens.size() > 1 && tokens[1] == self)
        {
            EXPECT_NE(tokens[0], "Z") << "zombie child " << stat.getFileName();
        }
    }
}

TEST_F(LoginItemsSystemEvents, AddCommandKeepsHostilePathsWhole)
{
    const auto marker = bin.getChildFile("injected");
    struct Case
    {
        juce::String path;
        juce::String script; // what osascript must receive after -e
    };
    const Case cases[] = {
        {"/Applications/Q5 Control Panel.app",
         "tell application \"System Events\"to make login item at end with properties "
         "{path:\"/Applications/Q5 Control Panel.app\",hidden:true}"},
        {"/Users/o'neil/\"q5\" $HOME `id` a\\b.app",
         "tell application \"System Events\"to make login item at end with properties "
         "{path:\"/Users/o'neil/\\\"q5\\\" $HOME `id` a\\\\b.app\",hidden:true}"},
        {"/x/'; touch " + marker.getFullPathName() + "; '.app",
         "tell application \"System Events\"to make login item at end with properties "
         "{path:\"/x/'; touch " +
             marker.getFullPathName() + "; '.app\",hidden:true}"},
        {"/x/\"; do shell script \"touch " + marker.getFullPathName() + "\" --.app",
         "tell application \"System Events\"to make login item at end with properties "
         "{path:\"/x/\\\"; do shell script \\\"touch " +
             marker.getFullPathName() + "\\\" --.app\",hidden:true}"},
        {"/x/line\nbreak.app", "tell application \"System Events\"to make login item at end with properties "
                               "{path:\"/x/line\\nbreak.app\",hidden:true}"},
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.path.toStdString());
        bin.getChildFile("args").deleteFile();
        LoginItems::runShellCommand(LoginItems::SystemEvents::addCommand(c.path));
        EXPECT_EQ(recordedArguments(), (std::vector<std::string>{"-e", c.script.toStdString()}));
        EXPECT_FALSE(marker.exists());
    }
}

TEST_F(LoginItemsSystemEvents, QueryFindsTheNameAnywhereInTheOutput)
{
    struct Case
    {
        const char* out;
        const char* err;
        bool registered;
    };
    for (const auto& c :
         {Case{"Other, Q5 Control Panel\n", "", true}, Case{"Q5 Control Panel Beta\n", "", true},
          Case{"Other\n", "", false}, Case{"q5 control panel\n", "", false},
          Case{"", "execution error: Not authorized to send Apple events. (-1743)\n", false},
          Case{"", "", false}})
    {
        SCOPED_TRACE(juce::String(c.out) + c.err);
        writeText(bin.getChildFile("reply"), c.out);
        writeText(bin.getChildFile("reply.err"), c.err);
        EXPECT_EQ(LoginItems::SystemEvents::isApplicationRegistered(), c.registered);
        EXPECT_EQ(recordedArguments(),
                  (std::vector<std::string>{
                      "-e", "tell application \"System Events\" to get the name of every login item"}));
    }
}

TEST(LoginItems, AutostartFolderFollowsXdgConfigHome)
{
    const auto home = juce::File::getSpecialLocation(juce::File::userHomeDirectory);
    struct Case
    {
        juce::String configHome;
        juce::File folder;
    };
    for (const auto& c : {Case{"/tmp/q5-config", juce::File("/tmp/q5-config/autostart")},
                          Case{"", home.getChildFile(".config/autostart")},
                          // Relative values are to be ignored.
                          Case{"relative/config", home.getChildFile(".config/autostart")}})
    {
        const ScopedConfigHome configHome(c.configHome);
        EXPECT_EQ(LoginItems::Autostart::folder(), c.folder) << c.configHome;
    }
}

TEST_F(LoginItemsAutostart, AddThenRemoveRoundTrip)
{
    const auto program = juce::File("/opt/q5/Q5 Control Panel");
    EXPECT_FALSE(LoginItems::Autostart::isApplicationRegistered());

    // Removing what is not there is harmless.
    LoginItems::Autostart::removeApplication();
    EXPECT_FALSE(LoginItems::Autostart::isApplicationRegistered());

    LoginItems::Autostart::addApplication(program);
    EXPECT_TRUE(LoginItems::Autostart::isApplicationRegistered());
    EXPECT_EQ(LoginItems::Autostart::folder()
                  .findChildFiles(juce::File::findFilesAndDirectories, false, "*")
                  .size(),
              1);
    juce::StringArray lines;
    LoginItems::Autostart::entryFile().readLines(lines);
    EXPECT_TRUE(lines.contains("[Desktop Entry]"));
    EXPECT_TRUE(lines.contains("Type=Application"));
    EXPECT_TRUE(lines.contains("Name=Q5 Control Panel"));

    // Adding again leaves one entry.
    LoginItems::Autostart::addApplication(program);
    EXPECT_EQ(LoginItems::Autostart::folder()
                  .findChildFiles(juce::File::findFilesAndDirectories, false, "*")
                  .size(),
              1);

    LoginItems::Autostart::removeApplication();
    EXPECT_FALSE(LoginItems::Autostart::isApplicationRegistered());
    EXPECT_FALSE(LoginItems::Autostart::entryFile().exists());
}

TEST_F(LoginItemsAutostart, QueryCountsEnabledEntriesNamingTheApplication)
{
    struct Case
    {
        const char* fileName;
        const char* text;
        bool registered;
    };
    for (const auto& c : {
             Case{"a.desktop", "[Desktop Entry]\nType=Application\nName=Q5 Control Panel\nExec=q5\n", true},
             Case{"a.desktop", "[Desktop Entry]\nName = Q5 Control Panel Beta\nExec=q5\n", true},
             Case{"a.desktop", "[Desktop Entry]\nName=Q5 Control Panel\nHidden=true\n", false},
             Case{"a.desktop", "[Desktop Entry]\nName=Q5 Control Panel\nX-GNOME-Autostart-enabled=false\n",
                  false},
             Case{"a.desktop", "[Desktop Entry]\nName=q5 control panel\n", false},
             Case{"a.desktop", "[Desktop Entry]\nName[de]=Q5 Control Panel\nName=Other\n", false},
             Case{"a.desktop", "[Desktop Entry]\nName=Other\n[Desktop Action x]\nName=Q5 Control Panel\n",
                  false},
             Case{"a.txt", "[Desktop Entry]\nName=Q5 Control Panel\n", false},
         })
    {
        SCOPED_TRACE(c.text);
        LoginItems::Autostart::folder().deleteRecursively();
        entry(c.fileName, c.text);
        EXPECT_EQ(LoginItems::Autostart::isApplicationRegistered(), c.registered);
    }

    // One enabled entry among disabled ones is enough.
    entry("b.desktop", "[Desktop Entry]\nName=Q5 Control Panel\nHidden=true\n");
    entry("c.desktop", "[Desktop Entry]\nName=Q5 Control Panel\n");
    EXPECT_TRUE(LoginItems::Autostart::isApplicationRegistered());
}

TEST_F(LoginItemsAutostart, RemoveTakesEntriesOfThatNameOnly)
{
    LoginItems::Autostart::addApplication(juce::File("/opt/q5/q5"));
    const auto copy = entry("copy.desktop", "[Desktop Entry]\nName=Q5 Control Panel\nExec=q5\n");
    const auto other = entry("beta.desktop", "[Desktop Entry]\nName=Q5 Control Panel Beta\nExec=q5beta\n");
    const auto unrelated = entry("other.desktop", "[Desktop Entry]\nName=Other\nExec=other\n");

    LoginItems::Autostart::removeApplication();
    EXPECT_FALSE(LoginItems::Autostart::entryFile().exists());
    EXPECT_FALSE(copy.exists());
    EXPECT_TRUE(other.exists());
    EXPECT_TRUE(unrelated.exists());
}

TEST_F(LoginItemsAutostart, UnwritableFolderFailsQuietly)
{
    // The config home is a file, so no autostart folder can be made in it.
    const auto blocker = root.getChildFile("file");
    writeText(blocker, "x");
    const ScopedConfigHome blocked(blocker.getFullPathName());

    LoginItems::Autostart::addApplication(juce::File("/opt/q5/q5"));
    EXPECT_FALSE(LoginItems::Autostart::isApplicationRegistered());
    LoginItems::Autostart::removeApplication();
}

// The entry is launched by the desktop's own library (GLib, through gio), so
// the quoting is checked by an implementation other than ours.
TEST_F(LoginItemsAutostart, HostileProgramPathsLaunchAsThemselves)
{
    ASSERT_TRUE(juce::File("/usr/bin/gio").existsAsFile()) << "gio (libglib2.0-bin) is needed";

    // GLib cannot launch a path with % in it at all: it checks the program
    // with the %% still doubled. Every other character the rules name is here.
    for (const juce::String folderName :
         {"Q5 Control Panel", "it's \"q5\" $HOME `echo hi` ; & | < > ~ * ? # ( ) \\ end", "line\nbreak\ttab"})
    {
        SCOPED_TRACE(folderName.toStdString());
        const auto out = root.getChildFile("launched");
        out.deleteFile();

        const auto folder = root.getChildFile(folderName);
        ASSERT_TRUE(folder.createDirectory());
        const auto program = folder.getChildFile("run me");
        writeText(program, "#!/bin/sh\nprintf '%s:%s' \"$#\" \"$0\" > '" + out.getFullPathName() + "'\n");
        program.setExecutePermission(true);

        LoginItems::Autostart::addApplication(program);

        juce::ChildProcess gio;
        ASSERT_TRUE(gio.start(
            juce::StringArray{"/usr/bin/gio", "launch", LoginItems::Autostart::entryFile().getFullPathName()},
            juce::ChildProcess::wantStdOut | juce::ChildProcess::wantStdErr));
        const auto gioOutput = gio.readAllProcessOutput();
        gio.waitForProcessToFinish(5000);
        EXPECT_EQ(gio.getExitCode(), 0u) << gioOutput;

        ASSERT_TRUE(testsupport::runUntil([&] { return out.getSize() > 0; }, 5000)) << gioOutput;
        EXPECT_EQ(out.loadFileAsString(), "0:" + program.getFullPathName());
    }
}

TEST(LoginItemsThread, RunsRequestsInOrderOneAtATimeAndFinishesThemAll)
{
    std::mutex mutex;
    std::vector<bool> done;
    int running = 0, mostAtOnce = 0;

    const auto slowChange = [&](bool add)
    {
        {
            const std::lock_guard<std::mutex> guard(mutex);
            mostAtOnce = std::max(mostAtOnce, ++running);
        }
        // Longer than a destructor that gives up after 50 ms would wait.
        juce::Thread::sleep(80);
        const std::lock_guard<std::mutex> guard(mutex);
        --running;
        done.push_back(add);
    };

    {
        LoginItemThread thread(slowChange);
        thread.request(true);
        EXPECT_TRUE(testsupport::runUntil([&] { return !thread.isBusy(); }));
        EXPECT_EQ(done, std::vector<bool>{true});

        thread.request(false);
        thread.request(true);
        thread.request(false);
        EXPECT_TRUE(thread.isBusy());
        // Destroyed with three requests outstanding.
    }

    EXPECT_EQ(done, (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(mostAtOnce, 1);
}
