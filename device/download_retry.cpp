// The retry of a download after a transport error; see download_retry.h.
#include "device/download_retry.h"

namespace karvo::device {

RetriedDownload downloadWithRetry(Downloader& downloader,
                                  const std::function<bool()>& findMouseAgain,
                                  const Downloader::Progress& progress, Downloader::Writes writes) {
    RetriedDownload out;
    out.result = downloader.DownloadAll(progress, writes);
    if (out.result != Downloader::Result::TransportFailed || !findMouseAgain || !findMouseAgain())
        return out;
    out.retried = true;
    // After a cut-off write the mouse holds an unknown mix of old and new blocks.
    out.result = downloader.DownloadAll(progress, Downloader::Writes::All);
    return out;
}

}  // namespace karvo::device
