#include "device/MidiDeviceWatch.h"

#if JUCE_LINUX
#include <alsa/asoundlib.h>
#endif

MidiDeviceWatch::MidiDeviceWatch(juce::File sequencerDevice) : device(std::move(sequencerDevice)) {}

MidiDeviceWatch::~MidiDeviceWatch()
{
    closeWatcher();
}

#if JUCE_LINUX

namespace
{
snd_seq_t* handleOf(void* sequencer)
{
    return static_cast<snd_seq_t*>(sequencer);
}

bool changesTheList(const snd_seq_event_t& event)
{
    // Clients that come and go without ports do not change the list; the
    // framework's own listing is one of them, so counting it would relist
    // forever.
    switch (event.type)
    {
    case SND_SEQ_EVENT_PORT_START:
    case SND_SEQ_EVENT_PORT_EXIT:
    case SND_SEQ_EVENT_PORT_CHANGE:
    case SND_SEQ_EVENT_CLIENT_CHANGE:
        return true;
    default:
        return false;
    }
}
} // namespace

std::uint64_t MidiDeviceWatch::generation()
{
    const auto now = juce::Time::getMillisecondCounter();
    const bool nowPresent = device.exists();

    if (nowPresent != present)
    {
        present = nowPresent;
        closeWatcher();
        lastChange = now;
        return ++current;
    }

    // No sequencer: nothing to list, and nothing will change until one comes.
    if (!present)
        return current;

    if (sequencer == nullptr && !openWatcher())
        return ++current;

    if (drainAnnouncements() || now - lastChange >= backstopMs)
    {
        lastChange = now;
        ++current;
    }

    return current;
}

bool MidiDeviceWatch::openWatcher()
{
    snd_seq_t* handle = nullptr;
    if (snd_seq_open(&handle, "default", SND_SEQ_OPEN_INPUT, SND_SEQ_NONBLOCK) < 0)
        return false;

    snd_seq_set_client_name(handle, "Q5 Control Panel device watch");
    // Only the announcements can reach this port: nobody may subscribe to it
    // and listings leave it out.
    const auto port = snd_seq_create_simple_port(handle, "announcements",
                                                 SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_NO_EXPORT,
                                                 SND_SEQ_PORT_TYPE_APPLICATION);
    if (port < 0 ||
        snd_seq_connect_from(handle, port, SND_SEQ_CLIENT_SYSTEM, SND_SEQ_PORT_SYSTEM_ANNOUNCE) < 0)
    {
        snd_seq_close(handle);
        return false;
    }

    sequencer = handle;
    return true;
}

void MidiDeviceWatch::closeWatcher()
{
    if (sequencer != nullptr)
        snd_seq_close(handleOf(sequencer));
    sequencer = nullptr;
}

bool MidiDeviceWatch::drainAnnouncements()
{
    bool changed = false;

    while (snd_seq_event_input_pending(handleOf(sequencer), 1) > 0)
    {
        snd_seq_event_t* event = nullptr;
        const auto result = snd_seq_event_input(handleOf(sequencer), &event);
        if (result == -EAGAIN)
            break;

        if (result < 0 || event == nullptr)
        {
            // Lost announcements (a full buffer) or a broken client: start
            // over and take a fresh listing.
            closeWatcher();
            return true;
        }

        changed = changed || changesTheList(*event);
    }

    return changed;
}

#else

// Elsewhere listing is cheap enough to take every time.
std::uint64_t MidiDeviceWatch::generation()
{
    present = true;
    return ++current;
}

bool MidiDeviceWatch::openWatcher()
{
    return false;
}

void MidiDeviceWatch::closeWatcher() {}

bool MidiDeviceWatch::drainAnnouncements()
{
    return true;
}

#endif
