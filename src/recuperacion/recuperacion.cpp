#include "recuperacion.h"

#include "kb/errores.h"
#include "kb/escritortvo.h"
#include "kb/lectortvo.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>
#include <QUuid>

namespace {

// A copy is this line, a line "1" or "0" for a document ever saved or not, its path percent-encoded so that
// any name fits on one line, and then the records of the file.
const QByteArray Firma = "El Tarvo: copia de recuperacion 1\n";
const QString Extension = QStringLiteral(".recuperacion");

std::unique_ptr<QLockFile> Candado(const QString &archivo)
{
    auto candado = std::make_unique<QLockFile>(archivo + QStringLiteral(".lock"));
    // Only a program that no longer runs leaves a lock behind; a lock's age says nothing.
    candado->setStaleLockTime(0);
    return candado;
}

// The document and base of a copy; nothing in the copy when it cannot be read.
void Leer(Recuperacion::Copia &copia)
{
    QFile archivo(copia.archivo);
    if (!archivo.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = archivo.readAll();
    const qsizetype finGuardado = bytes.indexOf('\n', Firma.size());
    const qsizetype finRuta = finGuardado < 0 ? -1 : bytes.indexOf('\n', finGuardado + 1);
    if (!bytes.startsWith(Firma) || finRuta < 0)
        return;
    const QByteArray guardado = bytes.mid(Firma.size(), finGuardado - Firma.size());
    if (guardado != "0" && guardado != "1")
        return;
    BaseConocimiento base;
    if (!LectorTvo::DeBytes(base, bytes.mid(finRuta + 1)).LeerIgnorandoErrores().isEmpty())
        return;
    copia.guardado = guardado == "1";
    copia.RutaArch = QUrl::fromPercentEncoding(bytes.mid(finGuardado + 1, finRuta - finGuardado - 1));
    copia.base = std::move(base);
}

} // namespace

Recuperacion::Recuperacion(QString carpeta) : carpeta(std::move(carpeta)) {}

Recuperacion::~Recuperacion() = default;

QString Recuperacion::CarpetaPorDefecto()
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/recuperacion");
#else
    QString estado = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative path does not count, as for every XDG folder.
    if (!QDir::isAbsolutePath(estado))
        estado = QDir::homePath() + QStringLiteral("/.local/state");
    return estado + QStringLiteral("/eltarvo");
#endif
}

int Recuperacion::Escribir(const QList<QByteArray> &registros, const QString &rutaArch, bool guardado)
{
    if (!candado) {
        // The folder holds the user's texts: only the user may read it.
        if (!QDir().mkpath(carpeta) ||
            !QFile::setPermissions(carpeta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return Error::RutaNoEncontrada;
        const QString nuevo = QDir(carpeta).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces) + Extension);
        auto propio = Candado(nuevo);
        if (!propio->tryLock(0))
            return Error::PermisoDenegado;
        archivo = nuevo;
        candado = std::move(propio);
    }
    const QByteArray documento = Firma + (guardado ? "1\n" : "0\n") + QUrl::toPercentEncoding(rutaArch) + '\n';
    return GuardarBytes(QList<QByteArray>{documento} + registros, archivo);
}

void Recuperacion::Descartar()
{
    if (!candado)
        return;
    QFile::remove(archivo);
    candado.reset();
    archivo.clear();
}

std::vector<Recuperacion::Copia> Recuperacion::Abandonadas() const
{
    QFileInfoList archivos = QDir(carpeta).entryInfoList({QLatin1Char('*') + Extension}, QDir::Files, QDir::Time);
    std::vector<Copia> copias;
    for (const QFileInfo &info : archivos) {
        if (info.absoluteFilePath() == QFileInfo(archivo).absoluteFilePath())
            continue;
        Copia copia{info.absoluteFilePath(), {}, false, std::nullopt, Candado(info.absoluteFilePath())};
        // Held by a running program: its copy is its own.
        if (!copia.candado->tryLock(0))
            continue;
        Leer(copia);
        copias.push_back(std::move(copia));
    }
    return copias;
}

void Recuperacion::Adoptar(Copia &&copia)
{
    Descartar();
    archivo = copia.archivo;
    candado = std::move(copia.candado);
}

void Recuperacion::Borrar(Copia &&copia)
{
    QFile::remove(copia.archivo);
    copia.candado.reset();
}
