#include "plataformaqt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>

namespace {

// Escape and the close box, which the toolkit would take as the box's reject-role button. Abort, Retry and Ignore
// have no answer that changes nothing: they pick none, since Abort ends the program. Yes and No answer Cancel, told
// apart from No, which can drop something (a recovery copy).
class EscapeYCierre : public QObject
{
public:
    EscapeYCierre(QMessageBox &caja, bool cancelar) : caja(caja), cancelar(cancelar) {}

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        const bool escape =
            evento->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(evento)->matches(QKeySequence::Cancel);
        if (evento->type() != QEvent::Close && !escape)
            return QObject::eventFilter(objeto, evento);
        evento->ignore();
        if (cancelar)
            caja.done(QMessageBox::Cancel);
        return true;
    }

private:
    QMessageBox &caja;
    const bool cancelar;
};

// The buttons of the system's message boxes: what each answers, and its caption on a Spanish system whatever
// translations Qt has.
struct BotonDelSistema {
    QMessageBox::StandardButton boton;
    Plataforma::Respuesta respuesta;
    const char *texto;
};
const BotonDelSistema BotonesDelSistema[] = {
    {QMessageBox::Ok, Plataforma::Respuesta::Aceptar, "Aceptar"},
    {QMessageBox::Yes, Plataforma::Respuesta::Si, "&Sí"},
    {QMessageBox::No, Plataforma::Respuesta::No, "&No"},
    {QMessageBox::Cancel, Plataforma::Respuesta::Cancelar, "Cancelar"},
    {QMessageBox::Abort, Plataforma::Respuesta::Anular, "&Anular"},
    {QMessageBox::Retry, Plataforma::Respuesta::Reintentar, "&Reintentar"},
    {QMessageBox::Ignore, Plataforma::Respuesta::Omitir, "&Omitir"},
};

// The sets of buttons, in the order of Plataforma::Botones.
const QMessageBox::StandardButtons Conjuntos[] = {QMessageBox::Ok, QMessageBox::Yes | QMessageBox::No,
                                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                                  QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore};

// "Description |pattern|..." pairs as Qt's "Description (pattern);;...".
QString FiltroQt(const QString &filtro)
{
    const QStringList partes = filtro.split(QLatin1Char('|'));
    QStringList entradas;
    for (qsizetype i = 0; i + 1 < partes.size(); i += 2) {
        const QString descripcion = partes[i].trimmed();
        const QString patron = QLatin1Char('(') + partes[i + 1].trimmed() + QLatin1Char(')');
        entradas << (descripcion.endsWith(patron) ? descripcion : descripcion + QLatin1Char(' ') + patron);
    }
    return entradas.join(QStringLiteral(";;"));
}

} // namespace

Plataforma::Respuesta PlataformaQt::Mensaje(const QString &texto, const QString &titulo, Botones botones, Icono icono)
{
    QMessageBox caja(icono == Icono::Error ? QMessageBox::Critical : QMessageBox::Warning, titulo, texto,
                     Conjuntos[static_cast<int>(botones)], QApplication::activeWindow());
    for (const BotonDelSistema &boton : BotonesDelSistema)
        if (QAbstractButton *control = caja.button(boton.boton))
            control->setText(QString::fromUtf8(boton.texto));
    // Where there is a Cancel button, the toolkit's choice is already it.
    EscapeYCierre filtro(caja, botones == Botones::SiNo);
    if (botones == Botones::AnularReintentarOmitir || botones == Botones::SiNo)
        caja.installEventFilter(&filtro);
    const int elegido = caja.exec();
    for (const BotonDelSistema &boton : BotonesDelSistema)
        if (boton.boton == elegido)
            return boton.respuesta;
    return Respuesta::Aceptar;
}

std::optional<QString> PlataformaQt::ElegirArchivo(Dialogo dialogo, const QString &titulo, const QString &filtro)
{
    QFileDialog caja(QApplication::activeWindow(), titulo, QString(), FiltroQt(filtro));
    caja.setAcceptMode(dialogo == Dialogo::Abrir ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    // A name typed in the open dialog need not exist: reading it then reports error 53.
    caja.setFileMode(QFileDialog::AnyFile);
    // The program asks its own overwrite question.
    caja.setOption(QFileDialog::DontConfirmOverwrite);
    if (!ultimoArchivo.isEmpty())
        caja.selectFile(ultimoArchivo);
    if (caja.exec() != QDialog::Accepted || caja.selectedFiles().isEmpty())
        return std::nullopt;
    ultimoArchivo = caja.selectedFiles().constFirst();
    return QDir::toNativeSeparators(ultimoArchivo);
}

void PlataformaQt::Pitido()
{
    QApplication::beep();
}

QString PlataformaQt::CarpetaPrograma() const
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
}

void PlataformaQt::TerminarPrograma()
{
    QApplication::closeAllWindows();
    QCoreApplication::exit(0);
}
