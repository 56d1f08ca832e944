#include "plataformaqt.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace {

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

} // namespace

Plataforma::Respuesta PlataformaQt::Mensaje(const QString &texto, const QString &titulo, Botones botones, Icono icono)
{
    QMessageBox caja(icono == Icono::Error ? QMessageBox::Critical : QMessageBox::Warning, titulo, texto,
                     BotonesQt(botones), QApplication::activeWindow());
    return RespuestaDe(caja.exec());
}

std::optional<QString> PlataformaQt::ElegirArchivo(Dialogo dialogo, const QString &titulo, const QString &filtro)
{
    QFileDialog caja(QApplication::activeWindow(), titulo, QString(), filtro);
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
