// SPDX-FileCopyrightText: 2026 Kazoola Team
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's two pictures, drawn in code so that they scale cleanly and need no files:
// the window icon (a small colour wheel) and the arrow that points up at the middle lamp.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace Artwork {
QPixmap arrowPixmap(double zoom = 1.0,
                    double pixelRatio = 1.0); // 32 x 32 times the zoom, transparent around the arrow
QIcon windowIcon();                           // 16, 32 and 48 pixels
} // namespace Artwork
