// The manifest of the common controls 6, activated only for the windows that have controls.
#pragma once

#define KOV_COMMON_CONTROLS_MANIFEST 101
