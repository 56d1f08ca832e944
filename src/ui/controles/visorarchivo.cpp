#include "visorarchivo.h"

#include "texto/cp1252.h"
#include "texto/lineascambiadas.h"

#include <QTextCursor>

#include <algorithm>

namespace {

// Inserts bytes desde..hasta at the cursor, decoded a slice at a time, so that a maximal file never needs a
// second 39 MB copy of its text. A slice never ends between the CR and the LF of a pair, which the view
// would read as two line breaks.
void InsertarDecodificado(QTextCursor &cursor, const Trozos &trozos, qsizetype desde, qsizetype hasta)
{
    constexpr qsizetype Tajada = 1 << 16;
    QString tajada;
    for (qsizetype pos = desde; pos < hasta;) {
        tajada.resize(0);
        while (tajada.size() < Tajada && pos < hasta) {
            const QByteArrayView bytes = trozos.Desde(pos, std::min(hasta, pos + Tajada - tajada.size()));
            tajada += DecodificarCp1252(bytes.data(), bytes.size());
            pos += bytes.size();
        }
        if (pos < hasta && tajada.endsWith(QLatin1Char('\r'))) {
            tajada.chop(1);
            --pos;
        }
        cursor.insertText(tajada);
    }
}

} // namespace

VisorArchivo::VisorArchivo(QWidget *padre) : QPlainTextEdit(padre)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    setTabChangesFocus(true);
    setWordWrapMode(QTextOption::WordWrap);
    // Nothing is typed here, and an undo history would keep every text ever shown.
    document()->setUndoRedoEnabled(false);
}

void VisorArchivo::MostrarBytes(const QList<QByteArray> &partes)
{
    const LineasCambiadas cambio = CompararLineas(mostrados, partes);
    if (!cambio.iguales) {
        // Another file altogether starts afresh, which also lets the memory of the old text go.
        if (cambio.todas)
            document()->clear();
        QTextCursor cursor(document());
        // Within an edit block the cursor does not lay out the lines it is moved to.
        cursor.beginEditBlock();
        if (!cambio.todas) {
            cursor.setPosition(static_cast<int>(cambio.posicion));
            cursor.setPosition(static_cast<int>(cambio.posicion + cambio.largo), QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
        InsertarDecodificado(cursor, Trozos(partes), cambio.inicio, cambio.finAhora);
        cursor.endEditBlock();
    }
    mostrados = partes;
    setTextCursor(QTextCursor(document()));
}
