#pragma once

#include "platform/forms/HandlerErrors.h"

#include <functional>
#include <utility>
#include <vector>

namespace dorvak {

// An event a control raises to its host. Arguments declared as references reach every
// handler by reference, so a handler may change them for the code that raised the event.
// Each handler runs to completion before the next; an error escaping one is shown and the
// others still run.
template <typename... Args> class Event {
public:
    using Handler = std::function<void(Args...)>;

    void connect(Handler handler) { handlers_.push_back(std::move(handler)); }

    void raise(Args... args) const {
        // A handler may connect further handlers; run those from the next raise on.
        const auto handlers = handlers_;
        for (const Handler& handler : handlers)
            runHandler([&] { handler(args...); });
    }

private:
    std::vector<Handler> handlers_;
};

} // namespace dorvak
