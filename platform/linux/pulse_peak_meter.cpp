// The libpulse peak meter; see pulse_peak_meter.h. Everything below runs on libpulse's own
// thread, in its callbacks, except the constructor, the destructor and the accessors, which
// take the main loop's lock (or the status lock) for the moment they touch shared state.
#include "platform/linux/pulse_peak_meter.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cmath>

namespace karvo {

namespace {

constexpr std::uint32_t kPeaksPerSecond = 50;
constexpr pa_usec_t kRetryDelay = 2 * PA_USEC_PER_SEC;
constexpr pa_usec_t kStreamRetryDelay = PA_USEC_PER_SEC;

// One line of the warning dialog.
constexpr const char* kNoServerNotice = "No sound server: the lights cannot follow the sound.";

}  // namespace

struct PulsePeakMeter::Impl {
    Impl(Notifier& n, Options o) : notifier(n), options(std::move(o)) {}

    Notifier& notifier;
    const Options options;

    pa_threaded_mainloop* loop = nullptr;
    pa_mainloop_api* api = nullptr;
    // Owned by the loop thread once it runs; the constructor and destructor touch them under
    // the loop's lock.
    pa_context* context = nullptr;
    pa_stream* stream = nullptr;
    pa_time_event* retry = nullptr;
    std::string sink;  // the default sink whose monitor the stream reads
    bool noticed = false;
    bool ending = false;
    bool connecting = false;     // inside pa_context_connect
    bool contextFailed = false;  // it failed while connecting

    std::atomic<float> peak{0.0f};

    mutable std::mutex statusLock;
    std::string source;  // guarded by statusLock
    bool reading = false;
    int streamsMade = 0;

    void setStatus(const std::string& name, bool isReading) {
        const std::lock_guard lock(statusLock);
        source = name;
        reading = isReading;
    }

    // --- connection --------------------------------------------------------------------------

    void connect() {
        context = pa_context_new(api, options.applicationName.c_str());
        if (!context) {
            failed();
            return;
        }
        pa_context_set_state_callback(context, &Impl::onContextState, this);
        pa_context_set_subscribe_callback(context, &Impl::onEvent, this);
        const char* server = options.server.empty() ? nullptr : options.server.c_str();
        // A failure inside pa_context_connect reaches the state callback before the call
        // returns; the context is dropped here, after it, and not under libpulse's feet.
        connecting = true;
        contextFailed = false;
        const int result = pa_context_connect(context, server, PA_CONTEXT_NOAUTOSPAWN, nullptr);
        connecting = false;
        if (result < 0 || contextFailed)
            failed();
    }

    void dropStream() {
        if (stream) {
            pa_stream_set_state_callback(stream, nullptr, nullptr);
            pa_stream_set_read_callback(stream, nullptr, nullptr);
            pa_stream_disconnect(stream);
            pa_stream_unref(stream);
            stream = nullptr;
        }
        sink.clear();
        setStatus({}, false);
        peak = 0.0f;
    }

    void dropContext() {
        dropStream();
        if (context) {
            pa_context_set_state_callback(context, nullptr, nullptr);
            pa_context_set_subscribe_callback(context, nullptr, nullptr);
            pa_context_disconnect(context);
            pa_context_unref(context);
            context = nullptr;
        }
    }

    // No server, or it went away: level 0, one notice in the program's life, another try
    // later.
    void failed() {
        dropContext();
        if (!noticed) {
            noticed = true;
            notifier.message(kNoServerNotice);
        }
        schedule(kRetryDelay, &Impl::onRetry);
    }

    void schedule(pa_usec_t delay, pa_time_event_cb_t callback) {
        if (ending || retry)
            return;
        timeval when{};
        pa_gettimeofday(&when);
        pa_timeval_add(&when, delay);
        retry = api->time_new(api, &when, callback, this);
    }

    void cancelRetry() {
        if (retry) {
            api->time_free(retry);
            retry = nullptr;
        }
    }

    static void onRetry(pa_mainloop_api*, pa_time_event*, const timeval*, void* self) {
        auto* impl = static_cast<Impl*>(self);
        impl->cancelRetry();
        if (!impl->context)
            impl->connect();
    }

    static void onRequery(pa_mainloop_api*, pa_time_event*, const timeval*, void* self) {
        auto* impl = static_cast<Impl*>(self);
        impl->cancelRetry();
        impl->queryDefaultSink();
    }

    static void onContextState(pa_context* c, void* self) {
        auto* impl = static_cast<Impl*>(self);
        switch (pa_context_get_state(c)) {
            case PA_CONTEXT_READY:
                pa_operation_unref(pa_context_subscribe(
                    c, static_cast<pa_subscription_mask_t>(PA_SUBSCRIPTION_MASK_SERVER), nullptr,
                    nullptr));
                impl->queryDefaultSink();
                break;
            case PA_CONTEXT_FAILED:
            case PA_CONTEXT_TERMINATED:
                if (impl->connecting)
                    impl->contextFailed = true;
                else
                    impl->failed();
                break;
            default:
                break;
        }
    }

    // --- following the default output -------------------------------------------------------

    static void onEvent(pa_context*, pa_subscription_event_type_t type, std::uint32_t, void* self) {
        // A server event is what a change of the default sink raises.
        if ((type & PA_SUBSCRIPTION_EVENT_FACILITY_MASK) == PA_SUBSCRIPTION_EVENT_SERVER)
            static_cast<Impl*>(self)->queryDefaultSink();
    }

    void queryDefaultSink() {
        if (!context || pa_context_get_state(context) != PA_CONTEXT_READY)
            return;
        if (pa_operation* op = pa_context_get_server_info(context, &Impl::onServerInfo, this))
            pa_operation_unref(op);
    }

    static void onServerInfo(pa_context* c, const pa_server_info* info, void* self) {
        auto* impl = static_cast<Impl*>(self);
        const std::string name = info && info->default_sink_name ? info->default_sink_name : "";
        if (name.empty()) {
            impl->dropStream();  // nothing plays anywhere
            return;
        }
        if (name == impl->sink && impl->stream)
            return;
        if (pa_operation* op =
                pa_context_get_sink_info_by_name(c, name.c_str(), &Impl::onSinkInfo, self))
            pa_operation_unref(op);
    }

    static void onSinkInfo(pa_context*, const pa_sink_info* info, int eol, void* self) {
        auto* impl = static_cast<Impl*>(self);
        if (eol != 0 || !info)
            return;
        if (info->name && info->name == impl->sink && impl->stream)
            return;
        impl->dropStream();
        if (info->name && info->monitor_source_name)
            impl->openStream(info->name, info->monitor_source_name);
    }

    // --- the stream ----------------------------------------------------------------------------

    void openStream(const std::string& sinkName, const std::string& monitor) {
        const pa_sample_spec sampleSpec{PA_SAMPLE_FLOAT32LE, kPeaksPerSecond, 1};
        stream = pa_stream_new(context, "peak meter", &sampleSpec, nullptr);
        if (!stream)
            return;
        sink = sinkName;
        pa_stream_set_state_callback(stream, &Impl::onStreamState, this);
        pa_stream_set_read_callback(stream, &Impl::onRead, this);
        pa_buffer_attr attr{};
        attr.maxlength = static_cast<std::uint32_t>(-1);
        attr.tlength = static_cast<std::uint32_t>(-1);
        attr.prebuf = static_cast<std::uint32_t>(-1);
        attr.minreq = static_cast<std::uint32_t>(-1);
        attr.fragsize = sizeof(float);  // every peak as it comes: one value per 20 ms
        // DONT_MOVE: the server would move the stream to another sink's monitor on its own;
        // we follow the default output ourselves. DONT_INHIBIT_AUTO_SUSPEND: listening must
        // not keep an idle sound card awake.
        const auto flags = static_cast<pa_stream_flags_t>(
            PA_STREAM_PEAK_DETECT | PA_STREAM_ADJUST_LATENCY | PA_STREAM_DONT_MOVE |
            PA_STREAM_DONT_INHIBIT_AUTO_SUSPEND);
        if (pa_stream_connect_record(stream, monitor.c_str(), &attr, flags) < 0) {
            dropStream();
            schedule(kStreamRetryDelay, &Impl::onRequery);
            return;
        }
        {
            const std::lock_guard lock(statusLock);
            source = monitor;
            ++streamsMade;
        }
    }

    static void onStreamState(pa_stream* s, void* self) {
        auto* impl = static_cast<Impl*>(self);
        switch (pa_stream_get_state(s)) {
            case PA_STREAM_READY: {
                const std::lock_guard lock(impl->statusLock);
                impl->reading = true;
                break;
            }
            case PA_STREAM_FAILED:
            case PA_STREAM_TERMINATED:
                // Its sink was removed, say: look for the default output again shortly.
                impl->dropStream();
                impl->schedule(kStreamRetryDelay, &Impl::onRequery);
                break;
            default:
                break;
        }
    }

    static void onRead(pa_stream* s, std::size_t, void* self) {
        auto* impl = static_cast<Impl*>(self);
        float highest = 0.0f;
        while (pa_stream_readable_size(s) > 0) {
            const void* data = nullptr;
            std::size_t bytes = 0;
            if (pa_stream_peek(s, &data, &bytes) < 0)
                return;
            if (bytes == 0)
                break;
            // data is null for a hole in the stream; there is nothing to read then.
            if (data) {
                const auto* values = static_cast<const float*>(data);
                for (std::size_t i = 0; i < bytes / sizeof(float); ++i) {
                    const float v = std::fabs(values[i]);
                    if (v > highest)  // NaN never is
                        highest = v;
                }
            }
            pa_stream_drop(s);
        }
        float seen = impl->peak.load();
        while (highest > seen && !impl->peak.compare_exchange_weak(seen, highest)) {
        }
    }
};

PulsePeakMeter::PulsePeakMeter(Notifier& notifier, Options options)
    : impl_(std::make_unique<Impl>(notifier, std::move(options))) {
    impl_->loop = pa_threaded_mainloop_new();
    if (!impl_->loop) {
        notifier.message(kNoServerNotice);
        return;
    }
    impl_->api = pa_threaded_mainloop_get_api(impl_->loop);
    pa_threaded_mainloop_set_name(impl_->loop, "karvo-peak-meter");
    // The first connection is made on libpulse's thread too: a failure there tells the user
    // through the notifier, which must not open a dialog on the caller's thread while the
    // loop's lock is held.
    pa_threaded_mainloop_lock(impl_->loop);
    impl_->schedule(0, &Impl::onRetry);
    pa_threaded_mainloop_unlock(impl_->loop);
    if (pa_threaded_mainloop_start(impl_->loop) < 0) {
        pa_threaded_mainloop_lock(impl_->loop);
        impl_->ending = true;
        impl_->cancelRetry();
        impl_->dropContext();
        pa_threaded_mainloop_unlock(impl_->loop);
        pa_threaded_mainloop_free(impl_->loop);
        impl_->loop = nullptr;
    }
}

PulsePeakMeter::~PulsePeakMeter() {
    if (!impl_->loop)
        return;
    pa_threaded_mainloop_lock(impl_->loop);
    impl_->ending = true;
    impl_->cancelRetry();
    impl_->dropContext();
    pa_threaded_mainloop_unlock(impl_->loop);
    pa_threaded_mainloop_stop(impl_->loop);
    pa_threaded_mainloop_free(impl_->loop);
}

float PulsePeakMeter::takePeak() {
    return std::clamp(impl_->peak.exchange(0.0f), 0.0f, 1.0f);
}

bool PulsePeakMeter::reading() const {
    const std::lock_guard lock(impl_->statusLock);
    return impl_->reading;
}

std::string PulsePeakMeter::sourceName() const {
    const std::lock_guard lock(impl_->statusLock);
    return impl_->source;
}

int PulsePeakMeter::streamsMade() const {
    const std::lock_guard lock(impl_->statusLock);
    return impl_->streamsMade;
}

}  // namespace karvo
