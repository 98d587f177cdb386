// The editor's rules and its set of pairs.
#pragma once

#include "PuzzleEntry.h"
