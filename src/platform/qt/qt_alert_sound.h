#pragma once

#include "platform/alert.h"

namespace tessarine {

class QtAlertSound : public AlertSound {
  public:
    void Beep() override;
};

}  // namespace tessarine
