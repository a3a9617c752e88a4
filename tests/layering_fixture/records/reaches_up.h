// Reaches up three times: the layering check must refuse every line.
#include "core/round.h"
#include "app/game.h"
#include <QtGui/QFont>
