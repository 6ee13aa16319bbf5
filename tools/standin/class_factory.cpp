#include "class_factory.h"

#include "link_object.h"

namespace standin {

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    if (server_.options.hang_create) Sleep(INFINITE);  // an EchoLink hung before anyone attached
    server_.served = true;
    HRESULT hr = S_OK;
    // /noobject: claim success but hand out nothing, to see how the client
    // copes with an object that is not there.
    if (!server_.modes.no_object) hr = LinkObject::create(server_, riid, out);
    // Nothing may be held after this call (no object, or a failed one);
    // the deferred check then ends the process.
    if (server_.window) PostMessageW(server_.window, kMsgExitIfUnused, 0, 0);
    return hr;
}

HRESULT ClassFactory::LockServer(BOOL lock) {
    if (lock)
        server_.lock();
    else
        server_.unlock();
    return S_OK;
}

}  // namespace standin
