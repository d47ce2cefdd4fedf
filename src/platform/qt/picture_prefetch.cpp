// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/picture_prefetch.h"

#include <cstring>
#include <system_error>
#include <utility>

#include "platform/qt/pictures.h"

namespace tessarine {

PicturePrefetch::PicturePrefetch(std::vector<PictureKey> pictures)
    : keys_(std::move(pictures)), images_(keys_.size()) {
    try {
        thread_ = std::thread([this] { DecodeAll(); });
    } catch (const std::system_error&) {
        // Without a thread every picture is read where it is needed.
        decodedCount_ = keys_.size();
    }
}

PicturePrefetch::~PicturePrefetch() {
    if (thread_.joinable()) thread_.join();
}

void PicturePrefetch::DecodeAll() {
    for (std::size_t index = 0; index < keys_.size(); ++index) {
        const PictureKey& key = keys_[index];
        QImage image = ReadPicture(key.picture, key.logicalSize, key.scale);
        const std::lock_guard lock(mutex_);
        images_[index] = std::move(image);
        decodedCount_ = index + 1;
        decoded_.notify_all();
    }
}

QImage PicturePrefetch::Take(const char* picture, QSize logicalSize, int scale) {
    for (std::size_t index = 0; index < keys_.size(); ++index) {
        const PictureKey& key = keys_[index];
        if (std::strcmp(key.picture, picture) != 0 || key.logicalSize != logicalSize ||
            key.scale != scale) {
            continue;
        }
        std::unique_lock lock(mutex_);
        decoded_.wait(lock, [&] { return decodedCount_ > index; });
        return std::exchange(images_[index], QImage());
    }
    return {};
}

}  // namespace tessarine
