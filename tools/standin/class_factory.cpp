#include "class_factory.h"

#include "link_object.h"
#include "main_window.h"
#include "server_state.h"
#include "static_unknown.h"

namespace standin {

namespace {

// A static (see StaticUnknown): only objects and LockServer keep the server
// alive.
class ClassFactory final : public StaticUnknown<IClassFactory> {
public:
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        ServerState& s = state();
        if (s.hang_create) Sleep(INFINITE);  // an EchoLink hung before anyone attached
        s.served = true;
        HRESULT hr = S_OK;
        // /noobject: claim success but hand out nothing, to see how the client
        // copes with an object that is not there.
        if (!s.no_object) hr = LinkObject::create(riid, out);
        // Nothing may be held after this call (no object, or a failed one);
        // the deferred check then ends the process.
        if (s.window) PostMessageW(s.window, kMsgExitIfUnused, 0, 0);
        return hr;
    }

    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override {
        if (lock)
            lock_server();
        else
            unlock_server();
        return S_OK;
    }
};

ClassFactory g_factory;

}  // namespace

IClassFactory* class_factory() {
    return &g_factory;
}

}  // namespace standin
