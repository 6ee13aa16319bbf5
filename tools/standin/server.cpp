#include "server.h"

namespace standin {

void Server::unlock() {
    if (--locks_ == 0 && window) PostMessageW(window, kMsgExitIfUnused, 0, 0);
}

void Server::exit_if_unused() const {
    if (locks_ == 0 && served && !options.stay && !closing && window) DestroyWindow(window);
}

}  // namespace standin
