// SPDX-License-Identifier: GPL-3.0-or-later
// The hooks start unset: the designed game alone.
#include "shell/addon_hooks.h"

addon_hooks_tag addon_hooks;
