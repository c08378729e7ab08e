#include "audio/sample_format.h"

namespace platform {
namespace {

std::optional<SampleEncoding> PcmEncoding(WORD bits) {
    switch (bits) {
        case 8:
            return SampleEncoding::U8;
        case 16:
            return SampleEncoding::S16;
        case 24:
            return SampleEncoding::S24;
        case 32:
            return SampleEncoding::S32;
        default:
            return std::nullopt;
    }
}

std::optional<SampleEncoding> FloatEncoding(WORD bits) {
    if (bits == 32) return SampleEncoding::F32;
    return std::nullopt;
}

// Size of the extensible fields after the 18-byte header.
constexpr WORD kExtensibleExtra = sizeof(WAVEFORMATEXTENSIBLE) - sizeof(WAVEFORMATEX);

}  // namespace

std::optional<SampleFormat> ReadSampleFormat(const WAVEFORMATEX* format) {
    if (!format) return std::nullopt;
    std::optional<SampleEncoding> encoding;
    switch (format->wFormatTag) {
        case WAVE_FORMAT_PCM:
            encoding = PcmEncoding(format->wBitsPerSample);
            break;
        case WAVE_FORMAT_IEEE_FLOAT:
            encoding = FloatEncoding(format->wBitsPerSample);
            break;
        case WAVE_FORMAT_EXTENSIBLE: {
            if (format->cbSize < kExtensibleExtra) return std::nullopt;
            const auto* ext = reinterpret_cast<const WAVEFORMATEXTENSIBLE*>(format);
            // Valid bits sit in the top of each container sample, so the
            // container is decoded whole.
            if (ext->wValidBitsPerSample > format->wBitsPerSample) return std::nullopt;
            GUID sub = ext->SubFormat;
            if (sub == KSDATAFORMAT_SUBTYPE_PCM) {
                encoding = PcmEncoding(format->wBitsPerSample);
            } else if (sub == KSDATAFORMAT_SUBTYPE_IEEE_FLOAT) {
                encoding = FloatEncoding(format->wBitsPerSample);
            }
            break;
        }
        default:
            break;
    }
    if (!encoding) return std::nullopt;
    if (format->nChannels < 1 || format->nChannels > 2) return std::nullopt;
    if (format->nSamplesPerSec == 0 || format->nSamplesPerSec > kMaxSourceRate) {
        return std::nullopt;
    }
    if (format->nBlockAlign != format->nChannels * SampleBytes(*encoding)) return std::nullopt;
    return SampleFormat{*encoding, format->nChannels, format->nSamplesPerSec, format->nBlockAlign};
}

}  // namespace platform
