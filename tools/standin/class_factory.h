#pragma once

#include <windows.h>
#include <unknwn.h>

#include "server.h"
#include "static_unknown.h"

namespace standin {

// The one class object this process registers with COM. Only objects and
// LockServer keep the server alive, not COM's hold on the class object.
class ClassFactory final : public StaticUnknown<IClassFactory> {
public:
    explicit ClassFactory(Server& server) : server_(server) {}

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** out) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    Server& server_;
};

}  // namespace standin
