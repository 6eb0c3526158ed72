// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/DesktopBell.h"

#include <canberra.h>

namespace tarnwick {

namespace {

// The sound a desktop plays for a window's bell; themes without it fall back to their "bell".
constexpr const char* BellEvent = "bell-window-system";

} // namespace

DesktopBell::DesktopBell(Trouble Silenced) : Silenced(std::move(Silenced)), Ringer([this] { Run(); }) {}

DesktopBell::~DesktopBell() {
    {
        std::lock_guard Hold(Lock);
        Closing = true;
    }
    Asked.notify_one();
    Ringer.join();
}

void DesktopBell::Ring() {
    {
        std::lock_guard Hold(Lock);
        Wanted = true;
    }
    Asked.notify_one();
}

void DesktopBell::Run() {
    ca_context* Context = nullptr;
    int Error = ca_context_create(&Context);
    if (Error == CA_SUCCESS)
        Error = ca_context_change_props(Context, CA_PROP_APPLICATION_NAME, "Tarnwick", CA_PROP_APPLICATION_ID,
                                        "tarnwick", nullptr);
    if (Error == CA_SUCCESS) Error = ca_context_open(Context);
    // Kept in the sound server's cache, the bell starts without reading its file again.
    if (Error == CA_SUCCESS) ca_context_cache(Context, CA_PROP_EVENT_ID, BellEvent, nullptr);
    const bool Usable = Error == CA_SUCCESS;
    if (!Usable) Silenced(std::string("no desktop bell: ") + ca_strerror(Error));
    for (;;) {
        {
            std::unique_lock Hold(Lock);
            Asked.wait(Hold, [this] { return Wanted || Closing; });
            if (Closing) break;
            Wanted = false;
        }
        if (Usable)
            ca_context_play(Context, 0, CA_PROP_EVENT_ID, BellEvent, CA_PROP_EVENT_DESCRIPTION, "Bid made", nullptr);
    }
    if (Context) ca_context_destroy(Context);
}

} // namespace tarnwick
