#pragma once

#include <functional>
#include <utility>

namespace kivra::widgets {

// A blocking dialog that tests answer ahead of time: the handler set, or else the real dialog.
// One per request type.
template <typename Result, typename Request>
class DialogSeam {
public:
    using Handler = std::function<Result(const Request&)>;

    static Result show(const Request& request, Result (*real)(const Request&)) {
        const Handler& handler = slot();
        return handler ? handler(request) : real(request);
    }
    // An empty handler restores the real dialog.
    static void setHandler(Handler handler) { slot() = std::move(handler); }

private:
    static Handler& slot() {
        static Handler handler;
        return handler;
    }
};

}  // namespace kivra::widgets
