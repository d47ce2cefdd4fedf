// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

namespace tessarine {

// The desktop sound theme's "bell" event. The sound library is opened at the
// first alert, never at start-up; where it is missing the bell is not tried
// again, and where no sound server plays it the bell reports so.
class ThemeBell {
  public:
    ThemeBell();
    ~ThemeBell();
    ThemeBell(const ThemeBell&) = delete;
    ThemeBell& operator=(const ThemeBell&) = delete;

    // Whether the theme's bell started playing.
    bool Play();

  private:
    struct Library;
    std::unique_ptr<Library> library_;
    bool unavailable_ = false;
};

}  // namespace tessarine
