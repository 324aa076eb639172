#include "app/main/image_file.h"
#include "app/main/cui_main.h"

#include "app/main/ind_main.h"
#include "image/clone_file.h"
#include "image/eeprom.h"
#include "image/range_list.h"

namespace xtr {

uint8_t OpenImageFile(cuiMain& app, const std::string& path)
{
    cmcEeprom scratch;
    const uint8_t code = ReadImageFile(app, path, scratch);
    if (code != kKclOk) {
        return code;
    }
    app.CurrentImage().CopyFrom(scratch);
    app.ImageLoaded(app.CurrentImage());
    return kKclOk;
}

uint8_t ReadImageFile(cuiMain& app, const std::string& path, cmcEeprom& scratch)
{
    scratch.SetSize(app.CurrentImage().Size());

    cmcKclFile file;
    file.SetImage(&scratch);
    file.SetModelCode(app.ModelCode());
    file.SetExtraCode(app.ExtraCode());
    file.SetMapRevisionCheck(AcceptKnownMapRevision, nullptr);
    uint8_t code = file.Read(path);
    if (code != kKclOk) {
        return code;  // shown by the file
    }
    if (app.CheckImageIdentity(scratch, false) != 0) {
        code = kKclData;
    } else if (app.CheckImageNewer(scratch) != 0) {
        code = kKclNewer;
    } else {
        code = file.Coverage(RangeList(kCloneAreaRanges));
    }
    if (code != kKclOk) {
        cmcKclFile::ShowError(code);
        return code;
    }
    return kKclOk;
}

uint8_t SaveImageFile(cuiMain& app, const std::string& path)
{
    cmcEeprom& image = app.CurrentImage();
    app.PrepareImage(image);
    cmcKclFile file;
    file.SetImage(&image);
    file.SetModelCode(app.ModelCode());
    file.SetExtraCode(app.ExtraCode());
    file.SetMapRevision(kKclMapRevision);
    file.SetComment(CloneFileComment(image));
    return file.Write(path, RangeList(kCloneAreaRanges));
}

}  // namespace xtr
