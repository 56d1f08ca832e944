#include "visorarchivo.h"

#include "kb/cp1252.h"

#include <QFile>

VisorArchivo::VisorArchivo(QWidget *padre) : QPlainTextEdit(padre)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    setWordWrapMode(QTextOption::WordWrap);
}

void VisorArchivo::MostrarArchivo(const QString &ruta)
{
    QFile archivo(ruta);
    if (!archivo.open(QIODevice::ReadOnly)) {
        clear();
        mostrados.clear();
        return;
    }
    MostrarBytes(archivo.readAll());
}

void VisorArchivo::MostrarBytes(const QByteArray &bytes)
{
    if (bytes == mostrados && !document()->isEmpty())
        return;
    setPlainText(DecodificarCp1252(bytes));
    mostrados = bytes;
}
