// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace kvarnel::platform {

// In a page, where a screen reader sees only what the page's HTML holds and Qt paints on
// a canvas: mirrors every open window into the page as the browser's own elements, in a
// layer that is never seen and lets every click through to the windows. A window is a
// dialog named by its caption; a box an input labelled by its caption, that types into
// the box; a button a button that presses it; a result an output labelled by its caption;
// a density table a table; and what the program announces is spoken from a polite live
// region. It is made from the same accessible interfaces that a desktop's screen reader
// reads, and follows them as they change. Keyboard focus stays in the mirror, moving with
// the program's own, until the windows are clicked or tapped.
void mirrorWindowsInPage();

} // namespace kvarnel::platform
