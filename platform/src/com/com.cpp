// COM's per-thread initialisation and object creation. The one class served
// in-process is the audio engine.
#include "objbase.h"

#include "audio/engine.h"
#include "xaudio2.h"

namespace {

struct ThreadCom {
    unsigned count = 0;  // successful CoInitializeEx calls not yet uninitialised
    DWORD model = COINIT_MULTITHREADED;
};

thread_local ThreadCom threadCom;

constexpr DWORD kModelBits = COINIT_APARTMENTTHREADED;

}  // namespace

HRESULT CoInitializeEx(void* reserved, DWORD coInit) {
    if (reserved) return E_INVALIDARG;
    DWORD model = coInit & kModelBits;
    if (threadCom.count > 0) {
        if (model != threadCom.model) return RPC_E_CHANGED_MODE;
        ++threadCom.count;
        return S_FALSE;
    }
    threadCom.model = model;
    threadCom.count = 1;
    return S_OK;
}

void CoUninitialize() {
    if (threadCom.count > 0) --threadCom.count;
}

HRESULT CoCreateInstance(REFCLSID clsid, void* outer, DWORD context, REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (threadCom.count == 0) return CO_E_NOTINITIALIZED;
    if (!(clsid == CLSID_XAudio2) || !(context & CLSCTX_INPROC_SERVER)) {
        return REGDB_E_CLASSNOTREG;
    }
    if (outer) return CLASS_E_NOAGGREGATION;
    if (!(iid == IID_IXAudio2)) return E_NOINTERFACE;
    *object = platform::NewAudioEngine();
    return S_OK;
}
