#include "support/overlay_guard.h"

#include "app/globals.h"

namespace xtr::test {

std::unique_ptr<OverlayGuard> OverlayGuard::FromFile(const std::string& path)
{
    std::unique_ptr<OverlayGuard> guard(new OverlayGuard());
    guard->store_ = std::make_unique<cmcGTex>();
    guard->store_->NameFile(path);
    guard->previous_ = SetGTex(guard->store_.get());
    return guard;
}

std::unique_ptr<OverlayGuard> OverlayGuard::FromText(const std::string& text)
{
    auto dir = std::make_unique<TempDir>();
    const std::string path = dir->Write("XTR450.OVL", text);
    auto guard = FromFile(path);
    guard->dir_ = std::move(dir);
    return guard;
}

std::unique_ptr<OverlayGuard> OverlayGuard::Shipped()
{
    return FromFile(std::string(XTR_SOURCE_DATA_DIR) + "/XTR450.OVL");
}

OverlayGuard::~OverlayGuard()
{
    SetGTex(previous_);
}

}  // namespace xtr::test
