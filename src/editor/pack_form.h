// SPDX-License-Identifier: GPL-3.0-or-later
// The form that names a pack: id, title, author, licence, version and description, typed in
// and written to the folder's pack.ini. A folder without one asks for it when first opened.
#pragma once

#include "editor/editor_session.h"

namespace editor {

// A form filled with what a fresh pack in `folder` starts with: the id and title made from the
// folder's name, a free licence and version 1.0.
PackInfo fresh_pack_info(const std::string& folder);

// Runs the form over the editor until the author accepts it (true: pack.ini written and
// s.info, s.has_pack_ini set) or leaves it with Escape (false, nothing written).
bool run_pack_form(Session& s);

}  // namespace editor
