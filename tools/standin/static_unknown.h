#pragma once

#include <windows.h>
#include <unknwn.h>

namespace standin {

// IUnknown of an object that COM holds for the whole run but that its owner
// keeps (serve() has it on its stack until COM is shut down): COM's
// references to it count for nothing, and keep neither it nor the server
// alive.
template <class Interface>
class StaticUnknown : public Interface {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (!out) return E_POINTER;
        if (riid == IID_IUnknown || riid == __uuidof(Interface)) {
            *out = static_cast<Interface*>(this);
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

}  // namespace standin
