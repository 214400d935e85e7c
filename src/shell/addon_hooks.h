// SPDX-License-Identifier: GPL-3.0-or-later
// The few places where the designed game hands over to what was added beyond it: the options
// screen, replays, level packs and the editor. Each hook is a plain function pointer that the
// added modules set at start-up (install_addons); while one is unset the game runs exactly as
// designed, which is how the walkthroughs, recordings and fidelity tests see it.
#pragma once

struct addon_hooks_tag {};

extern addon_hooks_tag addon_hooks;
