#include "cajatexto.h"

#include "eventos.h"

#include <QScopedValueRollback>

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

namespace {

// Breaking a word takes time that grows with the square of its length: a text from a file can hold a word of
// a megabyte, which would freeze the window for minutes.
bool TienePalabraLarga(const QString &texto)
{
    constexpr qsizetype Largo = 2000;
    qsizetype seguidos = 0;
    for (QChar c : texto) {
        seguidos = c.isSpace() ? 0 : seguidos + 1;
        if (seguidos > Largo)
            return true;
    }
    return false;
}

} // namespace

void CajaTexto::PonerTexto(const QString &texto)
{
    const auto modo = TienePalabraLarga(texto) ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (modo != wordWrapMode()) {
        // Changing the mode lays the old text out again: empty the box first.
        clear();
        setWordWrapMode(modo);
    }
    setPlainText(QString(texto).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

void CajaTexto::keyPressEvent(QKeyEvent *evento)
{
    const int codigo = CodigoDeTecla(evento);
    if (codigo < 0) {
        QPlainTextEdit::keyPressEvent(evento);
        return;
    }
    int nuevo = codigo;
    emit KeyPress(nuevo);
    if (nuevo == codigo) {
        QPlainTextEdit::keyPressEvent(evento);
        return;
    }
    QKeyEvent sustituto(evento->type(), evento->key(), evento->modifiers(), QString(QChar(nuevo)),
                        evento->isAutoRepeat(), evento->count());
    QPlainTextEdit::keyPressEvent(&sustituto);
}

void CajaTexto::inputMethodEvent(QInputMethodEvent *evento)
{
    QString texto = evento->commitString();
    if (texto.isEmpty()) {
        QPlainTextEdit::inputMethodEvent(evento);
        return;
    }
    for (QChar &caracter : texto) {
        int codigo = caracter.unicode();
        emit KeyPress(codigo);
        caracter = QChar(codigo);
    }
    QInputMethodEvent sustituto(evento->preeditString(), evento->attributes());
    sustituto.setCommitString(texto, evento->replacementStart(), evento->replacementLength());
    QPlainTextEdit::inputMethodEvent(&sustituto);
}

void CajaTexto::focusOutEvent(QFocusEvent *evento)
{
    QPlainTextEdit::focusOutEvent(evento);
    if (enLostFocus || !HaciaOtroControl(evento))
        return;
    salioConRaton = evento->reason() == Qt::MouseFocusReason;
    QScopedValueRollback<bool> guarda(enLostFocus, true);
    emit LostFocus();
}
