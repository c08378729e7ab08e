// The engine object and its voices: each call first catches the clock-driven
// mix up to the clock, then acts on the mixer.
#include "audio/engine.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <type_traits>
#include <vector>

#include "audio/output.h"

namespace platform {
namespace {

struct AudioEngine;

// What both kinds of voice hold, first in each, so IXAudio2Voice's members
// reach it from the shared base.
struct VoiceRecord {
    AudioEngine* engine = nullptr;
    MixVoice* source = nullptr;  // set on source voices
    MixBus* bus = nullptr;       // the engine's bus; source voices feed it
};

struct SourceVoiceObject : IXAudio2SourceVoice {
    VoiceRecord record;
};

struct MasteringVoiceObject : IXAudio2MasteringVoice {
    VoiceRecord record;
};

static_assert(std::is_standard_layout_v<SourceVoiceObject>);
static_assert(std::is_standard_layout_v<MasteringVoiceObject>);

struct AudioEngine : IXAudio2 {
    std::mutex lock;  // guards the members below
    ULONG refs = 1;
    bool initialized = false;
    AudioOutput* output = nullptr;
    MasteringVoiceObject* master = nullptr;
    std::vector<SourceVoiceObject*> sources;
};

AudioEngine* Self(IXAudio2* engine) {
    return static_cast<AudioEngine*>(engine);
}

VoiceRecord& Record(IXAudio2Voice* voice) {
    // Both voice objects are standard-layout, so the empty base and the first
    // member share the object's address.
    return *reinterpret_cast<VoiceRecord*>(voice);
}

SourceVoiceObject* Self(IXAudio2SourceVoice* voice) {
    return static_cast<SourceVoiceObject*>(voice);
}

Mixer& MixerOf(const VoiceRecord& record) {
    record.engine->output->CatchUp();
    return record.engine->output->mix();
}

bool UsableVolume(float volume) {
    return std::isfinite(volume) && std::fabs(volume) <= XAUDIO2_MAX_VOLUME_LEVEL;
}

void DestroySource(AudioEngine* engine, SourceVoiceObject* voice) {
    engine->output->mix().RemoveVoice(voice->record.source);
    std::erase(engine->sources, voice);
    delete voice;
}

}  // namespace

IXAudio2* NewAudioEngine() {
    return new AudioEngine();
}

}  // namespace platform

using namespace platform;

ULONG IXAudio2::AddRef() {
    AudioEngine* self = Self(this);
    std::lock_guard<std::mutex> guard(self->lock);
    return ++self->refs;
}

ULONG IXAudio2::Release() {
    AudioEngine* self = Self(this);
    {
        std::lock_guard<std::mutex> guard(self->lock);
        if (--self->refs > 0) return self->refs;
        if (self->output) self->output->CatchUp();
        while (!self->sources.empty()) DestroySource(self, self->sources.back());
        if (self->master) {
            self->output->mix().RemoveBus(self->master->record.bus);
            delete self->master;
        }
    }
    delete self;
    return 0;
}

HRESULT IXAudio2::Initialize(UINT32 flags, XAUDIO2_PROCESSOR processor) {
    (void)processor;  // the mix runs on the device's thread, or on the caller's
    AudioEngine* self = Self(this);
    std::lock_guard<std::mutex> guard(self->lock);
    if (self->initialized || flags != 0) return XAUDIO2_E_INVALID_CALL;
    self->initialized = true;
    return S_OK;
}

HRESULT IXAudio2::CreateMasteringVoice(IXAudio2MasteringVoice** voice, UINT32 inputChannels,
                                       UINT32 inputSampleRate, UINT32 flags, UINT32 deviceIndex,
                                       const XAUDIO2_EFFECT_CHAIN* effectChain) {
    (void)inputChannels, (void)inputSampleRate, (void)flags;
    if (!voice) return E_POINTER;
    *voice = nullptr;
    AudioEngine* self = Self(this);
    std::lock_guard<std::mutex> guard(self->lock);
    if (!self->initialized || self->master || deviceIndex != 0 || effectChain) {
        return XAUDIO2_E_INVALID_CALL;
    }
    AudioOutput* output = OpenAudioOutput();
    if (!output) return XAUDIO2_E_DEVICE_INVALIDATED;
    output->CatchUp();
    auto* master = new MasteringVoiceObject();
    master->record = {self, nullptr, output->mix().AddBus()};
    self->output = output;
    self->master = master;
    *voice = master;
    return S_OK;
}

HRESULT IXAudio2::CreateSourceVoice(IXAudio2SourceVoice** voice, const WAVEFORMATEX* format,
                                    UINT32 flags, float maxFrequencyRatio,
                                    IXAudio2VoiceCallback* callback,
                                    const XAUDIO2_VOICE_SENDS* sends,
                                    const XAUDIO2_EFFECT_CHAIN* effectChain) {
    (void)flags, (void)maxFrequencyRatio;  // the voice plays at its own rate only
    if (!voice) return E_POINTER;
    *voice = nullptr;
    AudioEngine* self = Self(this);
    std::lock_guard<std::mutex> guard(self->lock);
    if (!self->master || callback || sends || effectChain) return XAUDIO2_E_INVALID_CALL;
    std::optional<SampleFormat> sampleFormat = ReadSampleFormat(format);
    if (!sampleFormat) return E_INVALIDARG;
    self->output->CatchUp();
    auto* made = new SourceVoiceObject();
    MixBus* bus = self->master->record.bus;
    made->record = {self, self->output->mix().AddVoice(bus, *sampleFormat), bus};
    self->sources.push_back(made);
    *voice = made;
    return S_OK;
}

HRESULT IXAudio2Voice::SetVolume(float volume, UINT32 operationSet) {
    (void)operationSet;
    if (!UsableVolume(volume)) return E_INVALIDARG;
    VoiceRecord& record = Record(this);
    Mixer& mixer = MixerOf(record);
    if (record.source)
        mixer.SetVolume(record.source, volume);
    else
        mixer.SetVolume(record.bus, volume);
    return S_OK;
}

void IXAudio2Voice::GetVolume(float* volume) {
    if (!volume) return;
    VoiceRecord& record = Record(this);
    Mixer& mixer = MixerOf(record);
    *volume = record.source ? mixer.Volume(record.source) : mixer.Volume(record.bus);
}

void IXAudio2Voice::DestroyVoice() {
    VoiceRecord& record = Record(this);
    AudioEngine* engine = record.engine;
    std::lock_guard<std::mutex> guard(engine->lock);
    engine->output->CatchUp();
    if (record.source) {
        DestroySource(engine,
                      static_cast<SourceVoiceObject*>(static_cast<IXAudio2SourceVoice*>(this)));
        return;
    }
    if (!engine->sources.empty()) return;
    engine->output->mix().RemoveBus(record.bus);
    delete engine->master;
    engine->master = nullptr;
}

HRESULT IXAudio2SourceVoice::Start(UINT32 flags, UINT32 operationSet) {
    (void)flags, (void)operationSet;
    MixerOf(Self(this)->record).Start(Self(this)->record.source);
    return S_OK;
}

HRESULT IXAudio2SourceVoice::Stop(UINT32 flags, UINT32 operationSet) {
    (void)flags, (void)operationSet;
    MixerOf(Self(this)->record).Stop(Self(this)->record.source);
    return S_OK;
}

HRESULT IXAudio2SourceVoice::SubmitSourceBuffer(const XAUDIO2_BUFFER* buffer,
                                                const XAUDIO2_BUFFER_WMA* wma) {
    if (!buffer) return E_POINTER;
    if (wma) return XAUDIO2_E_INVALID_CALL;
    return MixerOf(Self(this)->record).Submit(Self(this)->record.source, *buffer);
}

HRESULT IXAudio2SourceVoice::FlushSourceBuffers() {
    MixerOf(Self(this)->record).Flush(Self(this)->record.source);
    return S_OK;
}

void IXAudio2SourceVoice::GetState(XAUDIO2_VOICE_STATE* state) {
    if (!state) return;
    MixVoiceState mixState = MixerOf(Self(this)->record).State(Self(this)->record.source);
    state->pCurrentBufferContext = mixState.context;
    state->BuffersQueued = mixState.queued;
    state->SamplesPlayed = mixState.samplesPlayed;
}
