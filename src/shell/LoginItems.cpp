#include "shell/LoginItems.h"

namespace
{
// Inside an AppleScript string literal.
juce::String quotedForAppleScript(const juce::String& text)
{
    return text.replace("\\", "\\\\").replace("\"", "\\\"").replace("\n", "\\n").replace("\r", "\\r");
}

// Inside a single-quoted shell word: close the quotes, add an escaped quote,
// open them again.
juce::String quotedForShell(const juce::String& text)
{
    return text.replace("'", "'\\''");
}

juce::String osascript(const juce::String& script)
{
    return "osascript -e '" + quotedForShell(script) + "'";
}

// An Exec value is read twice: as a string value, where a backslash escapes,
// then as a command line, where inside double quotes a backslash goes before
// each of " ` $ and backslash itself, and a % is a field code unless doubled.
juce::String execValueFor(const juce::File& program)
{
    juce::String argument;
    for (auto p = program.getFullPathName().getCharPointer(); !p.isEmpty(); ++p)
    {
        const auto c = *p;
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            argument << '\\';
        argument << juce::String::charToString(c);
    }

    return ("\"" + argument.replace("%", "%%") + "\"")
        .replace("\\", "\\\\")
        .replace("\n", "\\n")
        .replace("\t", "\\t")
        .replace("\r", "\\r");
}

struct DesktopEntry
{
    juce::String name;
    bool enabled = true;
};

DesktopEntry readDesktopEntry(const juce::File& file)
{
    juce::StringArray lines;
    file.readLines(lines);

    DesktopEntry entry;
    bool inMainGroup = false;

    for (auto line : lines)
    {
        line = line.trim();

        if (line.startsWithChar('['))
        {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }

        if (!inMainGroup || line.startsWithChar('#') || !line.containsChar('='))
            continue;

        const auto key = line.upToFirstOccurrenceOf("=", false, false).trim();
        const auto value = line.fromFirstOccurrenceOf("=", false, false).trim();

        if (key == "Name")
            entry.name = value;
        else if (key == "Hidden" && (value == "true" || value == "1"))
            entry.enabled = false;
        // Set by the desktops' own "start at login" switches.
        else if (key == "X-GNOME-Autostart-enabled" && (value == "false" || value == "0"))
            entry.enabled = false;
    }

    return entry;
}

juce::Array<juce::File> autostartEntries()
{
    return LoginItems::Autostart::folder().findChildFiles(juce::File::findFiles, false, "*.desktop");
}
} // namespace

juce::String LoginItems::runShellCommand(const juce::String& command)
{
    juce::ChildProcess process;
    if (!process.start(juce::StringArray{"/bin/bash", "-c", command},
                       juce::ChildProcess::wantStdOut | juce::ChildProcess::wantStdErr))
        return {};

    juce::MemoryOutputStream bytes;
    char buffer[4096];
    for (int n; (n = process.readProcessOutput(buffer, sizeof(buffer))) > 0;)
        bytes.write(buffer, static_cast<size_t>(n));

    // The output has ended, so the child is about to; collect it rather than
    // leave it behind.
    process.waitForProcessToFinish(-1);

    return juce::String::fromUTF8(static_cast<const char*>(bytes.getData()),
                                  static_cast<int>(bytes.getDataSize()));
}

//==============================================================================
juce::String LoginItems::SystemEvents::queryCommand()
{
    return osascript("tell application \"System Events\" to get the name of every login item");
}

juce::String LoginItems::SystemEvents::addCommand(const juce::String& applicationPath)
{
    return osascript("tell application \"System Events\"to make login item at end with properties {path:\"" +
                     quotedForAppleScript(applicationPath) + "\",hidden:true}");
}

juce::String LoginItems::SystemEvents::removeCommand()
{
    return osascript("tell application \"System Events\" to delete login item \"" +
                     juce::String(applicationName) + "\"");
}

bool LoginItems::SystemEvents::isApplicationRegistered()
{
    // Error output is read too; it never names the application, so a failed
    // query answers false.
    return runShellCommand(queryCommand()).contains(applicationName);
}

void LoginItems::SystemEvents::addApplication(const juce::File& application)
{
    runShellCommand(addCommand(application.getFullPathName()));
}

void LoginItems::SystemEvents::removeApplication()
{
    runShellCommand(removeCommand());
}

//==============================================================================
juce::File LoginItems::Autostart::folder()
{
    // A relative XDG_CONFIG_HOME is to be ignored.
    const auto configHome = juce::SystemStats::getEnvironmentVariable("XDG_CONFIG_HOME", {});
    const auto base =
        juce::File::isAbsolutePath(configHome)
            ? juce::File(configHome)
            : juce::File::getSpecialLocation(juce::File::userHomeDirectory).getChildFile(".config");
    return base.getChildFile("autostart");
}

juce::File LoginItems::Autostart::entryFile()
{
    return folder().getChildFile("com.velmora.q5controlpanel.desktop");
}

bool LoginItems::Autostart::isApplicationRegistered()
{
    for (const auto& file : autostartEntries())
    {
        const auto entry = readDesktopEntry(file);
        if (entry.enabled && entry.name.contains(applicationName))
            return true;
    }

    return false;
}

void LoginItems::Autostart::addApplication(const juce::File& application)
{
    const auto target = entryFile();
    if (!target.getParentDirectory().createDirectory())
        return;

    const auto text = juce::String("[Desktop Entry]\n") + "Type=Application\n" + "Name=" + applicationName +
                      "\n" + "Exec=" + execValueFor(application) + "\n";

    // Written aside and renamed, so the desktop never reads half an entry; the
    // name aside does not end in .desktop, so a leftover starts nothing.
    const auto aside = target.getSiblingFile("." + target.getFileName() + ".new");
    if (aside.replaceWithText(text, false, false, "\n") && !aside.moveFileTo(target))
        aside.deleteFile();
}

void LoginItems::Autostart::removeApplication()
{
    const auto own = entryFile();

    for (const auto& file : autostartEntries())
        if (file == own || readDesktopEntry(file).name == applicationName)
            file.deleteFile();
}

//==============================================================================
bool LoginItems::isApplicationRegistered()
{
#if JUCE_MAC
    return SystemEvents::isApplicationRegistered();
#elif JUCE_LINUX || JUCE_BSD
    return Autostart::isApplicationRegistered();
#else
    return false;
#endif
}

void LoginItems::addApplication([[maybe_unused]] const juce::File& application)
{
#if JUCE_MAC
    SystemEvents::addApplication(application);
#elif JUCE_LINUX || JUCE_BSD
    Autostart::addApplication(application);
#endif
}

void LoginItems::removeApplication()
{
#if JUCE_MAC
    SystemEvents::removeApplication();
#elif JUCE_LINUX || JUCE_BSD
    Autostart::removeApplication();
#endif
}
