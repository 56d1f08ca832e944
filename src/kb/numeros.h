#pragma once

#include <QtGlobal>

// The number at the start of a text, as the knowledge-base files and the line-number box write numbers:
// blanks, an optional sign, digits, a decimal point with digits and an exponent (E or D); reading stops at the
// first character that cannot continue the number. A text that does not begin with a number gives 0.
double ValorAlInicio(const char *inicio, const char *fin);

// A whole number that fits into 16 bits, as line numbers, links and counts are held.
bool Entero16(double entero, qint16 &valor);
