// The retry of a download after a transport error; see download_retry.h.
#include "device/download_retry.h"

namespace karvo::device {

RetriedDownload downloadWithRetry(Downloader& downloader,
                                  const std::function<bool()>& findMouseAgain,
                                  const Downloader::Progress& progress) {
    RetriedDownload out;
    out.result = downloader.DownloadAll(progress);
    if (out.result != Downloader::Result::TransportFailed || !findMouseAgain || !findMouseAgain())
        return out;
    out.retried = true;
    out.result = downloader.DownloadAll(progress);
    return out;
}

}  // namespace karvo::device
