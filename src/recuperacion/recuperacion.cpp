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

#include <algorithm>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// A copy is this line, a line "1" or "0" for a document ever saved or not, its path percent-encoded so that any
// name fits on one line, the size, time and hash of its file as the document last read or wrote it ("-" for a
// document never saved), and then the records of the file. Copies of the first version lack the fourth line.
const QByteArray Firma = "El Tarvo: copia de recuperacion 2\n";
const QByteArray FirmaAnterior = "El Tarvo: copia de recuperacion 1\n";
const QString Extension = QStringLiteral(".recuperacion");
const QString ExtensionBorrada = QStringLiteral(".borrada");
constexpr QFile::Permissions SoloDelUsuario = QFile::ReadOwner | QFile::WriteOwner;

std::unique_ptr<QLockFile> Candado(const QString &archivo)
{
    auto candado = std::make_unique<QLockFile>(archivo + QStringLiteral(".lock"));
    // Only a program that no longer runs leaves a lock behind; a lock's age says nothing.
    candado->setStaleLockTime(0);
    return candado;
}

QByteArray LineaDeHuella(const std::optional<Huella> &huella)
{
    if (!huella)
        return "-\n";
    return QByteArray::number(huella->tamano) + ' ' + QByteArray::number(huella->modificado) + ' ' +
           (huella->hash.isEmpty() ? QByteArray("-") : huella->hash.toHex()) + '\n';
}

std::optional<Huella> HuellaDeLinea(const QByteArray &linea, bool &valida)
{
    const QList<QByteArray> campos = linea.split(' ');
    valida = linea == "-" || campos.size() == 3;
    if (campos.size() != 3)
        return std::nullopt;
    bool tamano = false;
    bool hora = false;
    Huella huella{campos[0].toLongLong(&tamano), campos[1].toLongLong(&hora),
                  campos[2] == "-" ? QByteArray() : QByteArray::fromHex(campos[2])};
    valida = tamano && hora;
    return huella;
}

// The lines of a copy's head, after the version line, up to the records.
bool LeerCabeza(const QByteArray &bytes, qsizetype desde, int lineas, QList<QByteArray> &cabeza, qsizetype &fin)
{
    fin = desde;
    for (int i = 0; i < lineas; ++i) {
        const qsizetype salto = bytes.indexOf('\n', fin);
        if (salto < 0)
            return false;
        cabeza << bytes.mid(fin, salto - fin);
        fin = salto + 1;
    }
    return true;
}

// The document and base of a copy; nothing in the copy when it cannot be read.
void Leer(Recuperacion::Copia &copia)
{
    QFile archivo(copia.archivo);
    if (!archivo.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = archivo.readAll();
    const bool anterior = bytes.startsWith(FirmaAnterior);
    if (!anterior && !bytes.startsWith(Firma))
        return;
    QList<QByteArray> cabeza;
    qsizetype fin = 0;
    if (!LeerCabeza(bytes, Firma.size(), anterior ? 2 : 3, cabeza, fin))
        return;
    if (cabeza[0] != "0" && cabeza[0] != "1")
        return;
    bool valida = true;
    std::optional<Huella> huella = anterior ? std::nullopt : HuellaDeLinea(cabeza[2], valida);
    BaseConocimiento base;
    if (!valida || !LectorTvo::DeBytes(base, bytes.mid(fin)).LeerIgnorandoErrores().isEmpty())
        return;
    copia.guardado = cabeza[0] == "1";
    copia.RutaArch = QUrl::fromPercentEncoding(cabeza[1]);
    copia.huella = std::move(huella);
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

int Recuperacion::ComprobarCarpeta() const
{
#ifdef Q_OS_UNIX
    const QFileInfo info(carpeta);
    if (!info.exists())
        return Error::Ninguno;
    constexpr QFile::Permissions DeOtros =
        QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    if (!info.isDir() || info.ownerId() != ::getuid() || (info.permissions() & DeOtros))
        return Error::PermisoDenegado;
#endif
    return Error::Ninguno;
}

int Recuperacion::Escribir(const QList<QByteArray> &registros, const QString &rutaArch,
                           const std::optional<Huella> &huella)
{
    if (!candado) {
        // The folder holds the user's texts: only the user may read it.
        const QFileInfo info(carpeta);
        if (!info.exists() && (!QDir().mkpath(info.absolutePath()) ||
                               !QDir().mkdir(carpeta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)))
            return Error::RutaNoEncontrada;
        if (const int error = ComprobarCarpeta())
            return error;
        const QString nuevo = QDir(carpeta).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces) + Extension);
        auto propio = Candado(nuevo);
        if (!propio->tryLock(0) || !QFile::setPermissions(propio->fileName(), SoloDelUsuario))
            return Error::PermisoDenegado;
        archivo = nuevo;
        candado = std::move(propio);
    }
    const QByteArray documento =
        Firma + (huella ? "1\n" : "0\n") + QUrl::toPercentEncoding(rutaArch) + '\n' + LineaDeHuella(huella);
    if (const int error = GuardarBytes(QList<QByteArray>{documento} + registros, archivo))
        return error;
    return QFile::setPermissions(archivo, SoloDelUsuario) ? Error::Ninguno : Error::PermisoDenegado;
}

void Recuperacion::Descartar()
{
    if (!candado)
        return;
    // Removing the copy of a large base takes milliseconds that a save need not wait for. Renamed, it is no copy
    // that a program would offer, and its lock may go; another thread removes it.
    const QString borrada = archivo + ExtensionBorrada;
    const auto terminado = [](const std::future<void> &borrado) {
        return borrado.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
    };
    borrados.erase(std::remove_if(borrados.begin(), borrados.end(), terminado), borrados.end());
    if (QFile::rename(archivo, borrada))
        borrados.push_back(std::async(std::launch::async, [borrada] { QFile::remove(borrada); }));
    else
        QFile::remove(archivo);
    candado.reset();
    archivo.clear();
}

std::vector<Recuperacion::Copia> Recuperacion::Abandonadas() const
{
    if (ComprobarCarpeta())
        return {};
    QFileInfoList archivos = QDir(carpeta).entryInfoList({QLatin1Char('*') + Extension}, QDir::Files, QDir::Time);
    std::vector<Copia> copias;
    for (const QFileInfo &info : archivos) {
        if (info.absoluteFilePath() == QFileInfo(archivo).absoluteFilePath())
            continue;
        Copia copia{info.absoluteFilePath(), {}, false, std::nullopt, std::nullopt, Candado(info.absoluteFilePath())};
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
