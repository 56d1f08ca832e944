#pragma once

#include <QString>

// A text as a search compares it: decomposed, without the marks that decomposing leaves (accents, tildes), case
// folded, so that "LEON" finds "león".
QString Plegado(const QString &texto);
