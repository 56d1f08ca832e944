#include "cajatexto.h"

CajaTexto::CajaTexto(QWidget *padre) : QPlainTextEdit(padre)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab moves to the next control, as in every box of the window.
    setTabChangesFocus(true);
}

QString CajaTexto::Texto() const
{
    return toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"));
}

void CajaTexto::PonerTexto(const QString &texto)
{
    setPlainText(QString(texto).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}
