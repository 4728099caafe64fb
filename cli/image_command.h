// ImageCommand: `image`, what a download would write, computed without a mouse; and the image
// that `verify` compares the mouse's memory with, built the same way `apply` builds it.
#pragma once

#include "cli/arguments.h"
#include "cli/session.h"
#include "device/device_memory_image.h"

namespace karvo::cli {

class ImageCommand {
  public:
    // The image of the data folder's configuration for a download with these inputs, from
    // the same settings, description and macro sources `apply` hands the downloader.
    static device::DeviceMemoryImage build(Session& session,
                                           const device::DeviceMemoryImage::Inputs& inputs);

    // image [--variant 0|1] [--prev-end N] [--bin FILE] [--blocks FILE]
    static int run(Session& session, Arguments& args);
};

}  // namespace karvo::cli
