// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/theme_bell.h"

#ifdef TESSARINE_HAVE_CANBERRA
#include <canberra.h>
#include <dlfcn.h>
#endif

namespace tessarine {

#ifdef TESSARINE_HAVE_CANBERRA

struct ThemeBell::Library {
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;
    decltype(&ca_context_play) play = nullptr;
    ca_context* context = nullptr;

    bool Load() {
        // Never closed again: the library's playback threads may outlive a
        // context.
        void* library = dlopen("libcanberra.so.0", RTLD_LAZY | RTLD_LOCAL);
        if (library == nullptr) return false;
        return Bind(library, create, "ca_context_create") &&
               Bind(library, destroy, "ca_context_destroy") &&
               Bind(library, play, "ca_context_play") && create(&context) == CA_SUCCESS;
    }

    ~Library() {
        if (context != nullptr) destroy(context);
    }

  private:
    template <typename Function>
    static bool Bind(void* library, Function& function, const char* name) {
        function = reinterpret_cast<Function>(dlsym(library, name));
        return function != nullptr;
    }
};

ThemeBell::ThemeBell() = default;
ThemeBell::~ThemeBell() = default;

bool ThemeBell::Play() {
    if (unavailable_) return false;
    if (!library_) {
        auto library = std::make_unique<Library>();
        if (!library->Load()) {
            unavailable_ = true;
            return false;
        }
        library_ = std::move(library);
    }
    const int result =
        library_->play(library_->context, 0, CA_PROP_EVENT_ID, "bell", CA_PROP_EVENT_DESCRIPTION,
                       "Alert", static_cast<const char*>(nullptr));
    // A sound server may come up later in the session: asked again next time.
    return result == CA_SUCCESS;
}

#else

// Built without the sound library: the display's bell is the only sound.
struct ThemeBell::Library {};

ThemeBell::ThemeBell() = default;
ThemeBell::~ThemeBell() = default;

bool ThemeBell::Play() {
    return false;
}

#endif

}  // namespace tessarine
