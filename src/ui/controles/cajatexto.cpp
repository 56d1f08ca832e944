#include "cajatexto.h"

#include "eventos.h"

#include <QScopedValueRollback>

CajaTexto::CajaTexto(QWidget *padre) : QPlainTextEdit(padre)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab moves to the next control, as in every box of the window.
    setTabChangesFocus(true);
    connect(document(), &QTextDocument::contentsChanged, this, &CajaTexto::SeguirCambio);
}

namespace {

const QString SaltoTecleado = QStringLiteral("\r\n");

// The line breaks of a text as the document takes them, each becoming one paragraph: a CR LF pair, a lone CR
// or LF, and the few characters the document itself takes as one.
QStringList SaltosDe(const QString &texto)
{
    QStringList saltos;
    for (qsizetype i = 0; i < texto.size(); ++i) {
        const QChar c = texto.at(i);
        if (c == u'\r' && i + 1 < texto.size() && texto.at(i + 1) == u'\n')
            saltos << texto.mid(i++, 2);
        else if (c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator || c == u'\uFDD0' || c == u'\uFDD1')
            saltos << QString(c);
    }
    return saltos;
}

qsizetype Separadores(QStringView texto)
{
    return texto.count(QChar::ParagraphSeparator);
}

} // namespace

// One change at a time reaches here (a key, a paste, a drop, an undo), so the stretch between the common start
// and the common end of the old and new characters is what changed; the breaks in it are the user's.
void CajaTexto::SeguirCambio()
{
    if (poniendoTexto)
        return;
    const QString nuevo = document()->toRawText();
    if (nuevo == crudo)
        return;
    editado = true;
    const qsizetype menor = qMin(crudo.size(), nuevo.size());
    qsizetype inicio = 0;
    while (inicio < menor && crudo.at(inicio) == nuevo.at(inicio))
        ++inicio;
    qsizetype fin = 0;
    while (fin < menor - inicio && crudo.at(crudo.size() - 1 - fin) == nuevo.at(nuevo.size() - 1 - fin))
        ++fin;
    const qsizetype antes = Separadores(QStringView(crudo).left(inicio));
    const qsizetype quitados = Separadores(QStringView(crudo).mid(inicio, crudo.size() - fin - inicio));
    const qsizetype puestos = Separadores(QStringView(nuevo).mid(inicio, nuevo.size() - fin - inicio));
    const qsizetype desde = qMin(antes, saltos.size());
    saltos.remove(desde, qMin(quitados, saltos.size() - desde));
    for (qsizetype i = 0; i < puestos; ++i)
        saltos.insert(desde, SaltoTecleado);
    crudo = nuevo;
}

QString CajaTexto::Texto() const
{
    if (!editado)
        return dado;
    QString texto;
    texto.reserve(crudo.size() + saltos.size());
    qsizetype salto = 0;
    for (const QChar c : crudo) {
        if (c == QChar::ParagraphSeparator)
            texto += salto < saltos.size() ? saltos.at(salto++) : SaltoTecleado;
        else if (c == QChar::LineSeparator)
            texto += SaltoTecleado;
        else
            texto += c;
    }
    return texto;
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
    QScopedValueRollback<bool> guarda(poniendoTexto, true);
    const auto modo = TienePalabraLarga(texto) ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (modo != wordWrapMode()) {
        // Changing the mode lays the old text out again: empty the box first.
        clear();
        setWordWrapMode(modo);
    }
    setPlainText(texto);
    dado = texto;
    editado = false;
    saltos = SaltosDe(texto);
    crudo = document()->toRawText();
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
