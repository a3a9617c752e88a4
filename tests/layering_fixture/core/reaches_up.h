// Reaches up twice: the layering check must refuse both lines.
#include <QWidget>
#include "ui/game_tab.h"
