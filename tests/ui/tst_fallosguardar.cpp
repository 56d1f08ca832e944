#include "apoyo/pruebadeventana.h"
#include "apoyo/util.h"
#include "ui/controles/cajatexto.h"

#include <QDir>
#include <QInputMethodEvent>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using Respuesta = Plataforma::Respuesta;

namespace {

const QByteArray ArchivoPrevio = "0,0,0,\"previo\"\r\n0,0,0,\"\"\r\n0,0,0,\" 1\"\r\n1,0,0,\"intacto\"\r\n";

// A file-size limit for this process: writing past it fails as on a full disk (EFBIG, not a signal).
class DiscoLleno
{
public:
    explicit DiscoLleno(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &anterior);
        senal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = anterior;
        limite.rlim_cur = bytes;
        activo = setrlimit(RLIMIT_FSIZE, &limite) == 0;
    }
    ~DiscoLleno()
    {
        setrlimit(RLIMIT_FSIZE, &anterior);
        std::signal(SIGXFSZ, senal);
    }
    bool activo = false;

private:
    rlimit anterior{};
    void (*senal)(int) = nullptr;
};

// A base large enough to pass the file-size limit.
BaseConocimiento BaseGrande()
{
    BaseConocimiento base;
    base.TipoObjeto = QStringLiteral("grande");
    base.NumLineas = 501;
    for (int k = 1; k <= 501; ++k)
        base.TextoLinea[k] = QString(100, QLatin1Char('t'));
    return base;
}

} // namespace

class TestFallosGuardar : public PruebaDeVentana
{
    Q_OBJECT
private slots:
    void failedSavesKeepEverythingAsItWas_data();
    void failedSavesKeepEverythingAsItWas();
    void charactersOutsideTheCodePageAreSavedAsQuestionMarks();

private:
    QString Ruta(const QString &nombre) const { return QDir::toNativeSeparators(prueba->carpeta.filePath(nombre)); }
};

void TestFallosGuardar::failedSavesKeepEverythingAsItWas_data()
{
    QTest::addColumn<bool>("guardarComo");
    QTest::addColumn<QString>("destino");
    QTest::addColumn<int>("error");
    for (bool guardarComo : {true, false}) {
        const char *comando = guardarComo ? "Save As" : "Save";
        QTest::addRow("%s into a missing folder", comando) << guardarComo << "falta/archivo.tvo" << 76;
        QTest::addRow("%s into a path whose parent is a file", comando)
            << guardarComo << "previo.tvo/archivo.tvo" << 76;
        QTest::addRow("%s onto a folder", comando) << guardarComo << "carpeta" << 75;
        QTest::addRow("%s onto a disk that fills up", comando) << guardarComo << "previo.tvo" << 61;
    }
}

void TestFallosGuardar::failedSavesKeepEverythingAsItWas()
{
    QFETCH(bool, guardarComo);
    QFETCH(QString, destino);
    QFETCH(int, error);
    EscribirBytes(Ruta("previo.tvo"), ArchivoPrevio);
    QVERIFY(QDir(prueba->carpeta.path()).mkdir(QStringLiteral("carpeta")));
    EscribirBytes(Ruta("carpeta/dentro.tvo"), "dentro");
    const QStringList antes = QDir(prueba->carpeta.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    prueba->Cargar(BaseGrande());
    ventana->Modificado = true;
    if (guardarComo) {
        guion->ResponderArchivo(Ruta(destino));
        // A file counts as existing when it opens for reading, which a folder does not.
        if (destino == "previo.tvo")
            guion->ResponderMensaje(Respuesta::Si);
    } else {
        ventana->RutaArch = Ruta(destino);
        ventana->EsArchivoNuevo = false;
    }
    guion->ResponderMensaje(Respuesta::Omitir);
    {
#ifdef Q_OS_UNIX
        DiscoLleno disco(error == 61 ? 4096 : RLIM_INFINITY);
        if (!disco.activo)
            QSKIP("no file-size limit here");
#else
        if (error == 61)
            QSKIP("needs a file-size limit");
#endif
        prueba->Pulsar(guardarComo ? "cmdGuardarComo" : "cmdGuardar");
    }
    const auto &mensaje = guion->mensajes.constLast();
    QCOMPARE(mensaje.titulo, QStringLiteral("Guardar - Error %1 inesperado").arg(error));
    QCOMPARE(mensaje.texto, QStringLiteral("¿Continuar?"));
    QVERIFY(ventana->Modificado);
    QCOMPARE(LeerBytes(Ruta("previo.tvo")), ArchivoPrevio);
    QCOMPARE(LeerBytes(Ruta("carpeta/dentro.tvo")), QByteArray("dentro"));
    // No temporary file is left behind.
    QCOMPARE(QDir(prueba->carpeta.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), antes);
    QCOMPARE(QDir(Ruta("carpeta")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"dentro.tvo"});
}

void TestFallosGuardar::charactersOutsideTheCodePageAreSavedAsQuestionMarks()
{
    prueba->Cargar(BaseGrande());
    ventana->Base.NumLineas = 1;
    ventana->show();
    QVERIFY(QTest::qWaitForWindowActive(ventana));
    auto *caja = prueba->Control<CajaTexto>("txtPreguntaUsr");
    caja->setFocus(Qt::MouseFocusReason);
    caja->selectAll();
    QInputMethodEvent escrito;
    escrito.setCommitString(QStringLiteral("中 😀 áéíóúüñÑ¿¡€…"));
    QCoreApplication::sendEvent(caja, &escrito);
    guion->ResponderArchivo(Ruta("unicode.tvo"));
    QTest::mouseClick(prueba->Control("cmdGuardarComo"), Qt::LeftButton);
    QVERIFY(guion->mensajes.isEmpty());
    QVERIFY(
        LeerBytes(Ruta("unicode.tvo")).endsWith("1,0,0,\"? ? \xe1\xe9\xed\xf3\xfa\xfc\xf1\xd1\xbf\xa1\x80\x85\"\r\n"));
    // Only the file holds question marks; the text in memory keeps its characters.
    QCOMPARE(ventana->Base.TextoLinea[1], QStringLiteral("中 😀 áéíóúüñÑ¿¡€…"));
}

QTEST_MAIN(TestFallosGuardar)
#include "tst_fallosguardar.moc"
