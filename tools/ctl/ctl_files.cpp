#include "ctl/ctl_files.h"

#include "app/main/image_file.h"

namespace xtr::ctl {

uint8_t OpenCloneFile(indMain& app, const std::string& path)
{
    return OpenImageFile(app, path);
}

uint8_t SaveCloneFile(indMain& app, const std::string& path)
{
    return SaveImageFile(app, path);
}

}  // namespace xtr::ctl
