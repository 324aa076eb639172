// Overlay stores over overlay text written to a temporary file, for the
// overlay tests.
#pragma once

#include "overlay/gtex.h"
#include "support/temp_dir.h"

#include <memory>
#include <string>

namespace xtr::test {

class OverlayOnDisk {
public:
    explicit OverlayOnDisk(const std::string& text) : path_(dir_.Write("XTR450.OVL", text))
    {
        store_.NameFile(path_);
    }
    cmcGTex& operator*() { return store_; }
    cmcGTex* operator->() { return &store_; }
    const std::string& Path() const { return path_; }

private:
    TempDir dir_;
    std::string path_;
    cmcGTex store_;
};

}  // namespace xtr::test
