// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The speaker's interface lives with the flow now; this name stays only until the window's speaker
// includes it from there.
#include "flow/Sounds.h"
