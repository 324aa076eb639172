#include "cells/codecs/codec_confirm.h"

#include "app/globals.h"
#include "overlay/gtex.h"

namespace xtr {

MsgResult Confirm(const std::string& messageKey)
{
    return Messages().Show(GTex().FirstLine("GI_Sys_AppTitle"), GTex().AllLines(messageKey), MsgIcon::Warning,
                           MsgButtons::OkCancel);
}

}  // namespace xtr
