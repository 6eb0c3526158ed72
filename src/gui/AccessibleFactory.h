// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What assistive technology (screen readers, switch access) is told of the game's windows beyond
// what Qt tells of its own widgets. One factory makes every interface of ours; each kind of
// widget that needs one says so through the functions of its own header.

class QObject;

namespace tarnwick {

// Drops whatever interface Qt built for Object so far, so that the next question about it gets
// one made for what Object is now. Qt builds interfaces while a widget is still being
// constructed, before it is known what the widget will be to the player.
void RebuildAccessible(QObject* Object);

} // namespace tarnwick
