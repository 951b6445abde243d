#pragma once

#include "model/Messages.h"
#include "model/SessionEvents.h"

#include <functional>
#include <utility>

// The one way a window runs an operation: guarded at the event boundary, then the window shows its
// own state again (a failed operation may have changed part of it) and, when the operation changed
// shared state, the session tells every open window. Only then do the operation's messages show.
class TWindowOperation {
public:
    using Change = void (TSessionEvents::*)();

    TWindowOperation(TSessionEvents& events, std::function<void()> refresh)
        : m_events(events), m_refresh(std::move(refresh)) {}

    // Returns false when the operation failed or was refused.
    bool operator()(const std::function<void()>& operation, Change changed = nullptr) const {
        const TMessageHold hold; // the operation's messages show over the refreshed windows
        const bool done = RunGuarded(operation);
        m_refresh();
        if (changed) emit(m_events.*changed)();
        return done;
    }

private:
    TSessionEvents& m_events;
    std::function<void()> m_refresh;
};
