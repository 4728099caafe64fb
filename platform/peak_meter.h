// The loudness of what the computer plays: the peak level of the default audio output, as
// sound-reactive lighting samples it every 96 ms. One back-end per sound system (PulseAudio,
// which PipeWire's pulse server also speaks); tests give their own levels.
#pragma once

namespace karvo {

class PeakMeter {
  public:
    virtual ~PeakMeter() = default;

    // The highest peak of the default output since the previous call, 0.0 (silence) to 1.0
    // (full scale); 0.0 while no audio server is reachable. Returns at once; any thread.
    virtual float takePeak() = 0;
};

}  // namespace karvo
