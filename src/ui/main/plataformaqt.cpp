#include "plataformaqt.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>

namespace {

// Abort, Retry and Ignore have no answer that changes nothing: Escape and the close box must not pick one.
// The toolkit would take them as Abort, its only reject-role button, which ends the program.
class SinRespuestaPorDefecto : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (evento->type() == QEvent::Close) {
            evento->ignore();
            return true;
        }
        if (evento->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(evento)->matches(QKeySequence::Cancel))
            return true;
        return QObject::eventFilter(objeto, evento);
    }
};

// The captions of a Spanish system's message boxes, whatever translations Qt has.
void TraducirBotones(QMessageBox &caja)
{
    const std::pair<QMessageBox::StandardButton, const char *> captions[] = {
        {QMessageBox::Ok, "Aceptar"},      {QMessageBox::Yes, "&Sí"},       {QMessageBox::No, "&No"},
        {QMessageBox::Cancel, "Cancelar"}, {QMessageBox::Abort, "&Anular"}, {QMessageBox::Retry, "&Reintentar"},
        {QMessageBox::Ignore, "&Omitir"}};
    for (const auto &[boton, texto] : captions)
        if (QAbstractButton *control = caja.button(boton))
            control->setText(QString::fromUtf8(texto));
}

QMessageBox::StandardButtons BotonesQt(Plataforma::Botones botones)
{
    switch (botones) {
    case Plataforma::Botones::Aceptar:
        return QMessageBox::Ok;
    case Plataforma::Botones::SiNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Plataforma::Botones::SiNoCancelar:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Plataforma::Botones::AnularReintentarOmitir:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

Plataforma::Respuesta RespuestaDe(int boton)
{
    switch (boton) {
    case QMessageBox::Yes:
        return Plataforma::Respuesta::Si;
    case QMessageBox::No:
        return Plataforma::Respuesta::No;
    case QMessageBox::Cancel:
        return Plataforma::Respuesta::Cancelar;
    case QMessageBox::Abort:
        return Plataforma::Respuesta::Anular;
    case QMessageBox::Retry:
        return Plataforma::Respuesta::Reintentar;
    case QMessageBox::Ignore:
        return Plataforma::Respuesta::Omitir;
    default:
        return Plataforma::Respuesta::Aceptar;
    }
}

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
                     BotonesQt(botones), QApplication::activeWindow());
    TraducirBotones(caja);
    // Elsewhere the toolkit's choice is the answer that changes nothing: Cancel, or No where there is no Cancel.
    SinRespuestaPorDefecto filtro;
    if (botones == Botones::AnularReintentarOmitir)
        caja.installEventFilter(&filtro);
    return RespuestaDe(caja.exec());
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
