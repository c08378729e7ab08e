// The audio engine as the sound subsystem uses it: the engine object, one
// mastering voice, and source voices that play queued sample buffers.
// Volumes and playback changes take effect at once; operation sets are
// accepted and applied immediately.
#pragma once

#include "mmreg.h"
#include "objbase.h"
#include "wintypes.h"

using UINT32 = uint32_t;
using UINT64 = uint64_t;
using XAUDIO2_PROCESSOR = UINT32;

constexpr GUID CLSID_XAudio2 = {
    0x4C5E637A, 0x16C7, 0x4DE3, {0x9C, 0x46, 0x5E, 0xD2, 0x21, 0x81, 0x96, 0x2D}};
constexpr GUID IID_IXAudio2 = {
    0x8BCF1F58, 0x9FE7, 0x4583, {0x8A, 0xC6, 0xE2, 0xAD, 0xC4, 0x65, 0xC8, 0xBB}};

constexpr XAUDIO2_PROCESSOR XAUDIO2_ANY_PROCESSOR = 0xFFFFFFFF;
constexpr XAUDIO2_PROCESSOR XAUDIO2_DEFAULT_PROCESSOR = XAUDIO2_ANY_PROCESSOR;
constexpr UINT32 XAUDIO2_COMMIT_NOW = 0;
constexpr UINT32 XAUDIO2_END_OF_STREAM = 0x40;
constexpr float XAUDIO2_DEFAULT_FREQ_RATIO = 2.0f;
constexpr UINT32 XAUDIO2_MAX_QUEUED_BUFFERS = 64;
constexpr float XAUDIO2_MAX_VOLUME_LEVEL = 16777216.0f;

constexpr HRESULT XAUDIO2_E_INVALID_CALL = static_cast<HRESULT>(0x88960001u);
constexpr HRESULT XAUDIO2_E_DEVICE_INVALIDATED = static_cast<HRESULT>(0x88960004u);

// One block of samples for a source voice. The voice reads pAudioData in
// place until the buffer has played out; the caller keeps it alive and
// unchanged until then, and it may be queued on any number of voices.
// PlayBegin and PlayLength (0: to the end) are in frames; loops are not played.
struct XAUDIO2_BUFFER {
    UINT32 Flags;
    UINT32 AudioBytes;
    const BYTE* pAudioData;
    UINT32 PlayBegin;
    UINT32 PlayLength;
    UINT32 LoopBegin;
    UINT32 LoopLength;
    UINT32 LoopCount;
    void* pContext;
};

// SamplesPlayed counts the source frames the voice has played since it was made.
struct XAUDIO2_VOICE_STATE {
    void* pCurrentBufferContext;
    UINT32 BuffersQueued;
    UINT64 SamplesPlayed;
};

// Options the engine never passes; any non-null one is refused.
struct XAUDIO2_BUFFER_WMA;
struct XAUDIO2_EFFECT_CHAIN;
struct XAUDIO2_VOICE_SENDS;
struct IXAudio2VoiceCallback;

struct IXAudio2Voice {
    // Any finite float up to XAUDIO2_MAX_VOLUME_LEVEL either way; negative inverts.
    PLATFORM_API HRESULT SetVolume(float volume, UINT32 operationSet = XAUDIO2_COMMIT_NOW);
    PLATFORM_API void GetVolume(float* volume);
    // Once it returns, nothing reads the voice's buffers any more. A mastering
    // voice that still feeds source voices stays.
    PLATFORM_API void DestroyVoice();

protected:
    IXAudio2Voice() = default;
    ~IXAudio2Voice() = default;
};

struct IXAudio2SourceVoice : IXAudio2Voice {
    // Start resumes where Stop left off; Stop keeps the queued buffers.
    PLATFORM_API HRESULT Start(UINT32 flags = 0, UINT32 operationSet = XAUDIO2_COMMIT_NOW);
    PLATFORM_API HRESULT Stop(UINT32 flags = 0, UINT32 operationSet = XAUDIO2_COMMIT_NOW);
    PLATFORM_API HRESULT SubmitSourceBuffer(const XAUDIO2_BUFFER* buffer,
                                            const XAUDIO2_BUFFER_WMA* wma = nullptr);
    // Drops the queued buffers, except the one playing while the voice is started.
    PLATFORM_API HRESULT FlushSourceBuffers();
    PLATFORM_API void GetState(XAUDIO2_VOICE_STATE* state);

protected:
    IXAudio2SourceVoice() = default;
    ~IXAudio2SourceVoice() = default;
};

struct IXAudio2MasteringVoice : IXAudio2Voice {
protected:
    IXAudio2MasteringVoice() = default;
    ~IXAudio2MasteringVoice() = default;
};

struct IXAudio2 {
    PLATFORM_API ULONG AddRef();
    // The last release destroys the engine and every voice made by it.
    PLATFORM_API ULONG Release();
    PLATFORM_API HRESULT Initialize(UINT32 flags = 0,
                                    XAUDIO2_PROCESSOR processor = XAUDIO2_DEFAULT_PROCESSOR);
    // One per engine; it opens the output. The mix is stereo at the output's
    // rate whatever channel count and rate are asked for.
    PLATFORM_API HRESULT CreateMasteringVoice(IXAudio2MasteringVoice** voice,
                                              UINT32 inputChannels = 0, UINT32 inputSampleRate = 0,
                                              UINT32 flags = 0, UINT32 deviceIndex = 0,
                                              const XAUDIO2_EFFECT_CHAIN* effectChain = nullptr);
    // PCM of 8 (unsigned), 16, 24 or 32 bits, 32-bit float, or their extensible
    // form; one or two channels. Other formats fail with E_INVALIDARG.
    PLATFORM_API HRESULT CreateSourceVoice(IXAudio2SourceVoice** voice, const WAVEFORMATEX* format,
                                           UINT32 flags = 0,
                                           float maxFrequencyRatio = XAUDIO2_DEFAULT_FREQ_RATIO,
                                           IXAudio2VoiceCallback* callback = nullptr,
                                           const XAUDIO2_VOICE_SENDS* sends = nullptr,
                                           const XAUDIO2_EFFECT_CHAIN* effectChain = nullptr);

protected:
    IXAudio2() = default;
    ~IXAudio2() = default;
};
