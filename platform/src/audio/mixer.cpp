#include "audio/mixer.h"

#include <algorithm>

namespace platform {
namespace {

constexpr float kFraction = 1.0f / 4294967296.0f;

template <SampleEncoding E, uint32_t C>
StereoFrame DecodeFrame(const uint8_t* p) {
    float left = DecodeSample<E>(p);
    if constexpr (C == 2) return {left, DecodeSample<E>(p + SampleBytes(E))};
    return {left, left};
}

// The fast path: both frames of each interpolation lie in the buffer.
template <SampleEncoding E, uint32_t C>
size_t MixSpan(const uint8_t* data, uint64_t& position, uint64_t step, uint64_t last, float gain,
               float* out, size_t frames) {
    constexpr uint32_t kAlign = C * SampleBytes(E);
    uint64_t pos = position;
    size_t n = 0;
    for (; n < frames && pos < last; ++n, pos += step) {
        const uint8_t* p = data + (pos >> 32) * kAlign;
        float f = static_cast<float>(static_cast<uint32_t>(pos)) * kFraction;
        StereoFrame a = DecodeFrame<E, C>(p);
        StereoFrame b = DecodeFrame<E, C>(p + kAlign);
        out[2 * n] += gain * (a.left + (b.left - a.left) * f);
        out[2 * n + 1] += gain * (a.right + (b.right - a.right) * f);
    }
    position = pos;
    return n;
}

template <SampleEncoding E>
void ChooseCodec(MixVoice& v) {
    if (v.format.channels == 2) {
        v.span = MixSpan<E, 2>;
        v.decode = DecodeFrame<E, 2>;
    } else {
        v.span = MixSpan<E, 1>;
        v.decode = DecodeFrame<E, 1>;
    }
}

void ChooseCodecFor(MixVoice& v) {
    switch (v.format.encoding) {
        case SampleEncoding::U8:
            return ChooseCodec<SampleEncoding::U8>(v);
        case SampleEncoding::S16:
            return ChooseCodec<SampleEncoding::S16>(v);
        case SampleEncoding::S24:
            return ChooseCodec<SampleEncoding::S24>(v);
        case SampleEncoding::S32:
            return ChooseCodec<SampleEncoding::S32>(v);
        case SampleEncoding::F32:
            return ChooseCodec<SampleEncoding::F32>(v);
    }
}

// Pops the buffers the position has moved past; an empty queue rests at 0.
void PopFinished(MixVoice& v) {
    while (!v.queue.empty()) {
        uint64_t end = uint64_t{v.queue.front().frames} << 32;
        if (v.position < end) return;
        v.position -= end;
        v.framesDone += v.queue.front().frames;
        v.queue.pop_front();
    }
    v.position = 0;
}

void MixVoiceInto(MixVoice& v, float gain, float* out, size_t frames) {
    size_t n = 0;
    PopFinished(v);
    while (n < frames && !v.queue.empty()) {
        const QueuedBuffer& b = v.queue.front();
        uint64_t last = (uint64_t{b.frames} - 1) << 32;
        if (v.position < last) {
            n += v.span(b.data, v.position, v.step, last, gain, out + 2 * n, frames - n);
        } else {
            // The last frame leads into the next buffer's first, or into silence.
            StereoFrame a = v.decode(b.data + (v.position >> 32) * v.format.blockAlign);
            StereoFrame next = v.queue.size() > 1 ? v.decode(v.queue[1].data) : StereoFrame{};
            float f = static_cast<float>(static_cast<uint32_t>(v.position)) * kFraction;
            out[2 * n] += gain * (a.left + (next.left - a.left) * f);
            out[2 * n + 1] += gain * (a.right + (next.right - a.right) * f);
            v.position += v.step;
            ++n;
        }
        PopFinished(v);
    }
}

// Moves a voice on as mixing would, in pieces small enough that frames times
// step cannot overflow.
void AdvanceVoice(MixVoice& v, size_t frames) {
    constexpr size_t kPiece = size_t{1} << 20;
    while (frames > 0 && !v.queue.empty()) {
        size_t piece = std::min(frames, kPiece);
        v.position += piece * v.step;
        PopFinished(v);
        frames -= piece;
    }
}

bool Playing(const MixVoice& v) {
    return v.started && !v.queue.empty();
}

}  // namespace

Mixer::Mixer(uint32_t outputRate) : rate_(std::max<uint32_t>(outputRate, 1)) {}

MixBus* Mixer::AddBus() {
    std::lock_guard<std::mutex> guard(lock_);
    buses_.push_back(std::make_unique<MixBus>());
    return buses_.back().get();
}

bool Mixer::RemoveBus(MixBus* bus) {
    std::lock_guard<std::mutex> guard(lock_);
    if (bus->voices > 0) return false;
    std::erase_if(buses_, [bus](const auto& b) { return b.get() == bus; });
    return true;
}

MixVoice* Mixer::AddVoice(MixBus* bus, const SampleFormat& format) {
    auto voice = std::make_unique<MixVoice>();
    voice->bus = bus;
    voice->format = format;
    ChooseCodecFor(*voice);
    voice->step = (uint64_t{format.rate} << 32) / rate_;
    std::lock_guard<std::mutex> guard(lock_);
    ++bus->voices;
    voices_.push_back(std::move(voice));
    return voices_.back().get();
}

void Mixer::RemoveVoice(MixVoice* voice) {
    std::lock_guard<std::mutex> guard(lock_);
    --voice->bus->voices;
    std::erase_if(voices_, [voice](const auto& v) { return v.get() == voice; });
}

void Mixer::Start(MixVoice* voice) {
    std::lock_guard<std::mutex> guard(lock_);
    voice->started = true;
}

void Mixer::Stop(MixVoice* voice) {
    std::lock_guard<std::mutex> guard(lock_);
    voice->started = false;
}

HRESULT Mixer::Submit(MixVoice* voice, const XAUDIO2_BUFFER& buffer) {
    uint32_t frames = buffer.AudioBytes / voice->format.blockAlign;
    if (!buffer.pAudioData || frames == 0) return XAUDIO2_E_INVALID_CALL;
    if (buffer.PlayBegin >= frames) return XAUDIO2_E_INVALID_CALL;
    uint32_t length = buffer.PlayLength ? buffer.PlayLength : frames - buffer.PlayBegin;
    if (length > frames - buffer.PlayBegin) return XAUDIO2_E_INVALID_CALL;
    std::lock_guard<std::mutex> guard(lock_);
    if (voice->queue.size() >= XAUDIO2_MAX_QUEUED_BUFFERS) return XAUDIO2_E_INVALID_CALL;
    voice->queue.push_back({buffer.pAudioData + size_t{buffer.PlayBegin} * voice->format.blockAlign,
                            length, buffer.pContext});
    return S_OK;
}

void Mixer::Flush(MixVoice* voice) {
    std::lock_guard<std::mutex> guard(lock_);
    bool keepFront = voice->started && !voice->queue.empty();
    while (voice->queue.size() > (keepFront ? 1u : 0u)) voice->queue.pop_back();
    if (voice->queue.empty()) voice->position = 0;
}

MixVoiceState Mixer::State(MixVoice* voice) {
    std::lock_guard<std::mutex> guard(lock_);
    MixVoiceState state;
    state.queued = static_cast<uint32_t>(voice->queue.size());
    state.samplesPlayed = voice->framesDone + (voice->position >> 32);
    if (!voice->queue.empty()) state.context = voice->queue.front().context;
    return state;
}

void Mixer::Mix(float* out, size_t frames) {
    std::fill(out, out + 2 * frames, 0.0f);
    std::lock_guard<std::mutex> guard(lock_);
    for (auto& v : voices_) {
        if (!Playing(*v)) continue;
        float gain = v->volume * v->bus->volume;
        if (gain == 0.0f)
            AdvanceVoice(*v, frames);
        else
            MixVoiceInto(*v, gain, out, frames);
    }
}

void Mixer::Skip(size_t frames) {
    std::lock_guard<std::mutex> guard(lock_);
    for (auto& v : voices_) {
        if (Playing(*v)) AdvanceVoice(*v, frames);
    }
}

}  // namespace platform
