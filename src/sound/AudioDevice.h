#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quarrix::sound {

// A loaded sound on one output device; 0 means no buffer.
using BufferHandle = std::uint64_t;
inline constexpr BufferHandle NoBuffer = 0;

// Status flags of a buffer. A finished or stopped buffer reports 0; a looping one reports
// Looping only together with Playing. Terminated means the mixer took the buffer's voice away.
inline constexpr std::uint32_t StatusPlaying = 0x1;
inline constexpr std::uint32_t StatusLooping = 0x4;
inline constexpr std::uint32_t StatusTerminated = 0x20;

// Pan in hundredths of a decibel: negative favours the left channel, positive the right.
inline constexpr std::int32_t PanLeft = -10000;
inline constexpr std::int32_t PanRight = 10000;

// The output operations the sound rules rely on. Every operation either succeeds or fails;
// a failure is reported as false or an empty result, never as an exception.
class AudioDevice {
public:
    virtual ~AudioDevice() = default;

    // Descriptions of the output devices; device k is entry k.
    virtual std::vector<std::string> deviceDescriptions() = 0;
    // A stopped buffer at position 0 holding the whole wave file, at the file's rate and centred.
    virtual BufferHandle createBuffer(const std::string& file, int device) = 0;
    virtual std::optional<std::uint32_t> status(BufferHandle buffer) = 0;
    // True when some live buffer reports StatusTerminated; lets a slot search skip a scan
    // that cannot find one.
    virtual bool anyTerminated() = 0;
    // Starts or resumes from the current position and returns at once.
    virtual bool play(BufferHandle buffer, bool looping) = 0;
    // Stops; the position is kept for the next play.
    virtual bool stop(BufferHandle buffer) = 0;
    // The near channel stays at full level, the far one is attenuated by |pan|/100 dB.
    virtual bool setPan(BufferHandle buffer, std::int32_t pan) = 0;
    virtual std::optional<std::int32_t> frequency(BufferHandle buffer) = 0;
    virtual bool setFrequency(BufferHandle buffer, std::int32_t hz) = 0;
    // Stops the buffer and frees it; the handle is dead afterwards.
    virtual void release(BufferHandle buffer) = 0;
};

}  // namespace quarrix::sound
