// SPDX-License-Identifier: GPL-3.0-or-later
// Images a test makes for itself, freed when the test is over (the leak check runs on tests too).
#pragma once

#include <memory>

#include "platform/platform.h"

struct FreeTestImage {
    void operator()(TImage* image) const { FreeImage(image); }
};
using TestImage = std::unique_ptr<TImage, FreeTestImage>;
