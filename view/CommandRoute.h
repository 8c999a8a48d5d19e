#pragma once
// How a command reaches its handler: what it does, when it is enabled and
// when it is checked. The view, the document's commands and the frame each
// give theirs; the frame binds them to the command's one action.

#include "view/CommandIds.h"

#include <functional>

struct CommandRoute {
    CommandId id;
    std::function<void()> run;
    std::function<bool()> enabled; // empty: always enabled
    std::function<bool()> checked; // empty: never checked
};
