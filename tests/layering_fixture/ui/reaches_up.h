// One include that reaches up the layers: the check must refuse it.
#include "app/game.h"
