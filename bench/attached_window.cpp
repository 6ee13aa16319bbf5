// The floor for Rokan's own start-up: the work Rokan must do before its window
// shows, and nothing else. The common controls v6 (through the manifest),
// COM, EchoLink's object, and a sink advised on its event connection point;
// then one window, as the bare window shows it.

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <ocidl.h>

#include "bench_window_class.h"
#include "echolink_automation.h"
#include "window_program.h"

namespace {

// Takes every event and ignores it: what is measured is the connection. It
// lives as long as the program, so it counts no references.
class IgnoringSink final : public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == rokan::echolink::kEventInterface) {
            *object = this;
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return S_OK;
    }
};

IgnoringSink sink;

// EchoLink's event connection point with the sink advised, or null.
IConnectionPoint* advise(IUnknown* echolink, DWORD& cookie) {
    IConnectionPointContainer* container = nullptr;
    if (FAILED(echolink->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container))))
        return nullptr;
    IConnectionPoint* point = nullptr;
    if (SUCCEEDED(container->FindConnectionPoint(rokan::echolink::kEventInterface, &point)) &&
        FAILED(point->Advise(&sink, &cookie))) {
        point->Release();
        point = nullptr;
    }
    container->Release();
    return point;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    INITCOMMONCONTROLSEX commonControls{sizeof commonControls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&commonControls);
    // Without the whole connection the figure would be no floor: the runner
    // then sees the program end without a window.
    int rc = 2;
    IUnknown* echolink = nullptr;
    if (SUCCEEDED(CoCreateInstance(rokan::echolink::kApplicationClass, nullptr, CLSCTX_ALL,
                                   rokan::echolink::kApplicationInterface, reinterpret_cast<void**>(&echolink))) &&
        echolink) {
        DWORD cookie = 0;
        if (IConnectionPoint* events = advise(echolink, cookie)) {
            rc = rokan::bench::runWindow(instance, showCommand, rokan::bench::kAttachedWindowClass);
            events->Unadvise(cookie);
            events->Release();
        }
        echolink->Release();
    }
    CoUninitialize();
    return rc;
}
