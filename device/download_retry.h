// A download cut off by a transport error (the mouse was re-plugged, or a hub reset its
// handles) is not left half-written: it runs once more from the start after the mouse is found
// again. A thin layer around Downloader::DownloadAll, which stays as it is.
#pragma once

#include <functional>

#include "device/downloader.h"

namespace karvo::device {

struct RetriedDownload {
    Downloader::Result result = Downloader::Result::Complete;
    bool retried = false;  // the first run failed on the transport and a second one ran
};

// Runs downloader.DownloadAll(progress, writes). When it ends in TransportFailed, calls
// `findMouseAgain` (discovery; true when the mouse's handles are open again) and, when that
// succeeds, runs the whole download once more, writing everything; the second result is final. Any
// other result is returned as it is. The progress restarts from 0 for the second run.
RetriedDownload downloadWithRetry(Downloader& downloader,
                                  const std::function<bool()>& findMouseAgain,
                                  const Downloader::Progress& progress = {},
                                  Downloader::Writes writes = Downloader::Writes::All);

}  // namespace karvo::device
