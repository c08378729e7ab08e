// The engine object and its voices through their interfaces, with the output
// the tests run with (no device: the mix follows the real platform clock).
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <thread>

#include "audio_fixture.h"
#include "core/clock.h"
#include "objbase.h"
#include "xaudio2.h"

namespace {

using audio_test::MakeFormat;
using audio_test::Pcm16Bytes;
using audio_test::WholeBuffer;

// Runs body on a thread of its own, so COM starts uninitialised.
void OnNewThread(const std::function<void()>& body) {
    std::thread(body).join();
}

TEST(Com, InitialisationResults) {
    OnNewThread([] {
        void* object = reinterpret_cast<void*>(1);
        EXPECT_EQ(
            CoCreateInstance(CLSID_XAudio2, nullptr, CLSCTX_INPROC_SERVER, IID_IXAudio2, &object),
            CO_E_NOTINITIALIZED);
        EXPECT_EQ(object, nullptr);
        EXPECT_EQ(CoInitializeEx(reinterpret_cast<void*>(8), COINIT_MULTITHREADED), E_INVALIDARG);
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), RPC_E_CHANGED_MODE);
        CoUninitialize();
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
        CoUninitialize();
        CoUninitialize();
        EXPECT_EQ(
            CoCreateInstance(CLSID_XAudio2, nullptr, CLSCTX_INPROC_SERVER, IID_IXAudio2, &object),
            CO_E_NOTINITIALIZED);
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK);
        CoUninitialize();
    });
    // Each thread has its own.
    OnNewThread([] { EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK); });
}

TEST(Com, CreatesOnlyTheAudioEngine) {
    const GUID other = {0x12345678, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}};
    int outer = 0;
    struct Case {
        const char* what;
        const GUID& clsid;
        void* outer;
        DWORD context;
        const GUID& iid;
        HRESULT result;
    };
    const Case cases[] = {
        {"another class", other, nullptr, CLSCTX_INPROC_SERVER, IID_IXAudio2, REGDB_E_CLASSNOTREG},
        {"out of process", CLSID_XAudio2, nullptr, 0x4, IID_IXAudio2, REGDB_E_CLASSNOTREG},
        {"another interface", CLSID_XAudio2, nullptr, CLSCTX_INPROC_SERVER, other, E_NOINTERFACE},
        {"aggregated", CLSID_XAudio2, &outer, CLSCTX_INPROC_SERVER, IID_IXAudio2,
         CLASS_E_NOAGGREGATION},
        {"the engine", CLSID_XAudio2, nullptr, CLSCTX_INPROC_SERVER, IID_IXAudio2, S_OK},
    };
    OnNewThread([&] {
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        for (const Case& c : cases) {
            void* object = reinterpret_cast<void*>(1);
            EXPECT_EQ(CoCreateInstance(c.clsid, c.outer, c.context, c.iid, &object), c.result)
                << c.what;
            EXPECT_EQ(object != nullptr, c.result == S_OK) << c.what;
            if (object) static_cast<IXAudio2*>(object)->Release();
        }
        EXPECT_EQ(
            CoCreateInstance(CLSID_XAudio2, nullptr, CLSCTX_INPROC_SERVER, IID_IXAudio2, nullptr),
            E_POINTER);
        CoUninitialize();
    });
}

// An initialised engine with its mastering voice, as the sound engine makes it.
struct Engine {
    IXAudio2* audio = nullptr;
    IXAudio2MasteringVoice* master = nullptr;

    Engine() {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        void* object = nullptr;
        EXPECT_EQ(
            CoCreateInstance(CLSID_XAudio2, nullptr, CLSCTX_INPROC_SERVER, IID_IXAudio2, &object),
            S_OK);
        audio = static_cast<IXAudio2*>(object);
        EXPECT_EQ(audio->Initialize(0, XAUDIO2_DEFAULT_PROCESSOR), S_OK);
        EXPECT_EQ(audio->CreateMasteringVoice(&master), S_OK);
    }
    ~Engine() {
        audio->Release();
        CoUninitialize();
    }

    IXAudio2SourceVoice* Voice(const WAVEFORMATEX* format) {
        IXAudio2SourceVoice* voice = nullptr;
        EXPECT_EQ(audio->CreateSourceVoice(&voice, format, 0, 4.0f), S_OK);
        return voice;
    }
};

TEST(AudioEngine, RefusesCallsOutOfOrder) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    void* object = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_XAudio2, nullptr, CLSCTX_INPROC_SERVER, IID_IXAudio2, &object),
              S_OK);
    auto* audio = static_cast<IXAudio2*>(object);
    IXAudio2MasteringVoice* master = nullptr;
    IXAudio2SourceVoice* voice = nullptr;
    WAVEFORMATEXTENSIBLE f = MakeFormat(WAVE_FORMAT_PCM, 1, 16);
    EXPECT_EQ(audio->CreateMasteringVoice(&master), XAUDIO2_E_INVALID_CALL);
    ASSERT_EQ(audio->Initialize(0, XAUDIO2_DEFAULT_PROCESSOR), S_OK);
    EXPECT_EQ(audio->Initialize(0, XAUDIO2_DEFAULT_PROCESSOR), XAUDIO2_E_INVALID_CALL);
    EXPECT_EQ(audio->CreateSourceVoice(&voice, &f.Format), XAUDIO2_E_INVALID_CALL);
    EXPECT_EQ(voice, nullptr);
    ASSERT_EQ(audio->CreateMasteringVoice(&master), S_OK);
    IXAudio2MasteringVoice* second = nullptr;
    EXPECT_EQ(audio->CreateMasteringVoice(&second), XAUDIO2_E_INVALID_CALL);
    EXPECT_EQ(second, nullptr);
    EXPECT_EQ(audio->AddRef(), 2u);
    EXPECT_EQ(audio->Release(), 1u);
    EXPECT_EQ(audio->Release(), 0u);
    CoUninitialize();
}

TEST(AudioEngine, RefusesFormatsItCannotPlay) {
    struct Case {
        const char* what;
        std::function<void(WAVEFORMATEXTENSIBLE&)> spoil;
    };
    const Case cases[] = {
        {"no channels", [](auto& f) { f.Format.nChannels = 0; }},
        {"three channels",
         [](auto& f) {
             f.Format.nChannels = 3;
             f.Format.nBlockAlign = 6;
         }},
        {"12 bits", [](auto& f) { f.Format.wBitsPerSample = 12; }},
        {"64-bit float",
         [](auto& f) {
             f.Format.wFormatTag = WAVE_FORMAT_IEEE_FLOAT;
             f.Format.wBitsPerSample = 64;
             f.Format.nBlockAlign = 8;
         }},
        {"16-bit float", [](auto& f) { f.Format.wFormatTag = WAVE_FORMAT_IEEE_FLOAT; }},
        {"zero rate", [](auto& f) { f.Format.nSamplesPerSec = 0; }},
        {"block align", [](auto& f) { f.Format.nBlockAlign = 3; }},
        {"another tag", [](auto& f) { f.Format.wFormatTag = 0x0002; }},
        {"short extensible",
         [](auto& f) {
             f.Format.wFormatTag = WAVE_FORMAT_EXTENSIBLE;
             f.Format.cbSize = 0;
         }},
        {"extensible sub-format",
         [](auto& f) {
             f = MakeFormat(WAVE_FORMAT_EXTENSIBLE, 2, 16);
             f.SubFormat.Data1 = 2;
         }},
        {"valid bits above the container",
         [](auto& f) {
             f = MakeFormat(WAVE_FORMAT_EXTENSIBLE, 2, 16);
             f.wValidBitsPerSample = 24;
         }},
    };
    Engine engine;
    for (const Case& c : cases) {
        WAVEFORMATEXTENSIBLE f = MakeFormat(WAVE_FORMAT_PCM, 2, 16);
        c.spoil(f);
        IXAudio2SourceVoice* voice = reinterpret_cast<IXAudio2SourceVoice*>(1);
        EXPECT_EQ(engine.audio->CreateSourceVoice(&voice, &f.Format), E_INVALIDARG) << c.what;
        EXPECT_EQ(voice, nullptr) << c.what;
    }
    IXAudio2SourceVoice* voice = nullptr;
    EXPECT_EQ(engine.audio->CreateSourceVoice(&voice, nullptr), E_INVALIDARG);
    EXPECT_EQ(voice, nullptr);
}

TEST(AudioEngine, BufferPlaysOutInClockTime) {
    Engine engine;
    WAVEFORMATEXTENSIBLE f = MakeFormat(WAVE_FORMAT_PCM, 1, 16, 22050);
    std::vector<uint8_t> bytes = Pcm16Bytes(std::vector<int16_t>(22050 / 2, 1000));  // 500 ms
    IXAudio2SourceVoice* voice = engine.Voice(&f.Format);
    XAUDIO2_VOICE_STATE state{};
    voice->GetState(&state);
    EXPECT_EQ(state.BuffersQueued, 0u);
    XAUDIO2_BUFFER buffer = WholeBuffer(bytes);
    ASSERT_EQ(voice->SubmitSourceBuffer(&buffer), S_OK);
    // Queued and stopped: the clock does not wear it away.
    platform::ClockSleep(100);
    voice->GetState(&state);
    EXPECT_EQ(state.BuffersQueued, 1u);
    EXPECT_EQ(state.SamplesPlayed, 0u);
    ASSERT_EQ(voice->Start(), S_OK);
    voice->GetState(&state);
    EXPECT_EQ(state.BuffersQueued, 1u);
    platform::ClockSleep(650);
    voice->GetState(&state);
    EXPECT_EQ(state.BuffersQueued, 0u);
    EXPECT_EQ(state.SamplesPlayed, bytes.size() / 2);
    voice->DestroyVoice();
}

TEST(AudioEngine, VolumesAreKeptAndNonNumbersRefused) {
    Engine engine;
    WAVEFORMATEXTENSIBLE f = MakeFormat(WAVE_FORMAT_PCM, 2, 16);
    IXAudio2SourceVoice* voice = engine.Voice(&f.Format);
    IXAudio2Voice* voices[] = {voice, engine.master};
    for (IXAudio2Voice* v : voices) {
        float volume = 0;
        v->GetVolume(&volume);
        EXPECT_EQ(volume, 1.0f);
        EXPECT_EQ(v->SetVolume(-0.75f), S_OK);
        for (float bad : {NAN, INFINITY, -2 * XAUDIO2_MAX_VOLUME_LEVEL}) {
            EXPECT_EQ(v->SetVolume(bad), E_INVALIDARG);
        }
        v->GetVolume(&volume);
        EXPECT_EQ(volume, -0.75f);
    }
    voice->DestroyVoice();
}

TEST(AudioEngine, MasteringVoiceOutlivesItsSources) {
    Engine engine;
    WAVEFORMATEXTENSIBLE f = MakeFormat(WAVE_FORMAT_PCM, 1, 16);
    std::vector<uint8_t> bytes = Pcm16Bytes(std::vector<int16_t>(48000));
    IXAudio2SourceVoice* first = engine.Voice(&f.Format);
    XAUDIO2_BUFFER buffer = WholeBuffer(bytes);
    ASSERT_EQ(first->SubmitSourceBuffer(&buffer), S_OK);
    ASSERT_EQ(first->Start(), S_OK);
    engine.master->DestroyVoice();  // refused: first still feeds it
    IXAudio2SourceVoice* second = engine.Voice(&f.Format);
    ASSERT_NE(second, nullptr);
    first->DestroyVoice();
    second->DestroyVoice();
    engine.master->DestroyVoice();
    IXAudio2SourceVoice* voice = nullptr;
    EXPECT_EQ(engine.audio->CreateSourceVoice(&voice, &f.Format), XAUDIO2_E_INVALID_CALL);
    EXPECT_EQ(engine.audio->CreateMasteringVoice(&engine.master), S_OK);
}

}  // namespace
