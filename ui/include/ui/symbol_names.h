#pragma once

#include "symboltest/level.h"

#include <QString>

// The name that screen readers give symbol n (1-based) of a level: the
// symbol that picture n of the level's list shows. Empty outside the
// level's symbols.
QString symbolName(Level level, int n);

// The name of the resting picture, which stands in a result picture before
// a draw.
QString restingPictureName();
