// Installs an overlay text store over a given overlay file (or over text
// written to a temporary file) as the process-wide one, for the lifetime of
// the guard; the store installed before comes back afterwards.
#pragma once

#include "overlay/gtex.h"
#include "support/temp_dir.h"

#include <memory>
#include <string>

namespace xtr::test {

class OverlayGuard {
public:
    // Uses the overlay file at path.
    static std::unique_ptr<OverlayGuard> FromFile(const std::string& path);
    // Writes text to a temporary overlay file and uses it.
    static std::unique_ptr<OverlayGuard> FromText(const std::string& text);
    // The shipped overlay of the source tree (data/XTR450.OVL).
    static std::unique_ptr<OverlayGuard> Shipped();

    ~OverlayGuard();
    OverlayGuard(const OverlayGuard&) = delete;
    OverlayGuard& operator=(const OverlayGuard&) = delete;

    cmcGTex& Store() { return *store_; }

private:
    OverlayGuard() = default;
    std::unique_ptr<TempDir> dir_;
    std::unique_ptr<cmcGTex> store_;
    cmcGTex* previous_ = nullptr;
};

}  // namespace xtr::test
