#pragma once

#include <QByteArray>

class QTextDocument;

// Reads the subset of RTF that the program's own documents use into a document: groups, bold and italic
// (\b, \i, \plain), font size (\fs), paragraph alignment (\qc, \ql, \qr, \qj, \pard), \par, \line, \tab,
// characters of code page 1252 (\'hh) and Unicode (\uN with \ucN), and the escaped \\ \{ \}. The font
// table, the other tables and every \* group are skipped; other control words are ignored. Any input,
// however broken, gives some document: groups nest at most 64 deep, deeper ones are skipped.
void LeerRtf(const QByteArray &rtf, QTextDocument &documento);
