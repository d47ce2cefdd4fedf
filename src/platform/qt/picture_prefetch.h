// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QSize>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>
#include <vector>

namespace tessarine {

// One bitmap of one of the program's pictures (see pictures.h).
struct PictureKey {
    const char* picture;
    QSize logicalSize;
    int scale;
};

// Decodes, on a second thread and in the order given, the pictures a window
// shows as soon as it opens, while the window is being built. Take hands
// each over once, waiting for that one if it is not decoded yet.
class PicturePrefetch {
  public:
    explicit PicturePrefetch(std::vector<PictureKey> pictures);
    ~PicturePrefetch();
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;

    // The bitmap decoded ahead; null when it was not asked for, was taken
    // already, or could not be read (the caller then reads it itself).
    QImage Take(const char* picture, QSize logicalSize, int scale);

  private:
    void DecodeAll();

    std::vector<PictureKey> keys_;
    std::vector<QImage> images_;
    std::mutex mutex_;
    std::condition_variable decoded_;
    std::size_t decodedCount_ = 0;  // images_[0, decodedCount_) are final
    std::thread thread_;
};

}  // namespace tessarine
