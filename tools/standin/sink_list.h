#pragma once

#include <windows.h>
#include <oaidl.h>
#include <wrl/client.h>

#include <vector>

namespace standin {

// The advised event sinks of one object.
class SinkList {
public:
    SinkList() = default;
    SinkList(const SinkList&) = delete;
    SinkList& operator=(const SinkList&) = delete;

    // Keeps the sink's events interface, as the sink must answer QueryInterface
    // for it (a client whose sink only knows IDispatch is turned away, as a
    // typical automation server would).
    HRESULT advise(IUnknown* sink, DWORD* cookie);
    HRESULT unadvise(DWORD cookie);

    // Raises one event on every sink. A sink that fails is skipped; one whose
    // client is gone is dropped, so later events do not wait on it again.
    void fire(DISPID id);

    // Held copies, for firing from elsewhere.
    std::vector<Microsoft::WRL::ComPtr<IDispatch>> snapshot() const;

    std::size_t size() const { return entries_.size(); }

private:
    struct Entry {
        DWORD cookie;
        Microsoft::WRL::ComPtr<IDispatch> sink;
    };
    std::vector<Entry> entries_;
    DWORD next_cookie_ = 1;
};

// IDispatch::Invoke of an event without arguments.
HRESULT invoke_event(IDispatch* sink, DISPID id);

// True for the errors meaning the sink's process or apartment is gone.
bool sink_is_gone(HRESULT hr);

}  // namespace standin
