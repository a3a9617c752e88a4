#include "ui/game_fonts.h"

#include <QFont>

void useGameFonts()
{
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
}
