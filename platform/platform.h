// Everything the logic asks of Windows, handed down by reference from the one place that owns the
// real implementations (or, in tests, the fakes).
#pragma once

#include "platform/environment.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/menus.h"
#include "platform/message_boxes.h"
#include "platform/owner_draw_hook.h"
#include "platform/program_identity.h"

namespace kov::platform {

struct Platform {
    Menus& menus;
    Files& files;
    MessageBoxes& messages;
    Environment& environment;
    ProgramIdentity identity;
    OwnerDrawHook& ownerDraw;
    Folders& folders;
};

}  // namespace kov::platform
