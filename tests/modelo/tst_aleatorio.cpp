#include "apoyo/pruebademodelo.h"
#include "apoyo/util.h"
#include "kb/lectortvo.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTest>

namespace {

// A user who answers every question and dialog at random, but never chooses to end the program.
class PlataformaAlAzar : public Plataforma
{
public:
    PlataformaAlAzar(QRandomGenerator &azar, QString carpeta, QStringList archivos)
        : azar(azar), carpeta(std::move(carpeta)), archivos(std::move(archivos))
    {
    }
    Respuesta Mensaje(const QString &, const QString &, Botones botones, Icono) override
    {
        switch (botones) {
        case Botones::SiNo:
            return Elegir({Respuesta::Si, Respuesta::No});
        case Botones::SiNoCancelar:
            return Elegir({Respuesta::Si, Respuesta::No, Respuesta::Cancelar});
        case Botones::AnularReintentarOmitir:
            // Retry stops at some point, as a user does.
            return Elegir({Respuesta::Omitir, Respuesta::Omitir, Respuesta::Omitir, Respuesta::Reintentar});
        case Botones::Aceptar:
            break;
        }
        return Respuesta::Aceptar;
    }
    std::optional<QString> ElegirArchivo(Dialogo, const QString &, const QString &) override
    {
        const qsizetype i = azar.bounded(archivos.size() + 1);
        return i == archivos.size() ? std::nullopt : std::optional<QString>(archivos[i]);
    }
    void Pitido() override {}
    QString CarpetaPrograma() const override { return carpeta; }
    void TerminarPrograma() override { QFAIL("the program was ended"); }

private:
    Respuesta Elegir(const QList<Respuesta> &respuestas) { return respuestas[azar.bounded(respuestas.size())]; }

    QRandomGenerator &azar;
    QString carpeta;
    QStringList archivos;
};

QString TextoAlAzar(QRandomGenerator &azar)
{
    static const QString letras = QStringLiteral("ab ñ¿?\"\r\n\u00A0€");
    QString texto;
    for (int i = azar.bounded(12); i > 0; --i)
        texto += letras[azar.bounded(letras.size())];
    return azar.bounded(50) == 0 ? texto + QString(32800, QLatin1Char('x')) : texto;
}

} // namespace

class TestAleatorio : public PruebaDeModelo
{
    Q_OBJECT
private slots:
    void thousandsOfRandomOperationsKeepTheBaseSound();
};

// Answers, learning with random texts, browsing, edits, new, open and save with random answers, over files the
// program wrote and broken ones; after every operation the base must still be one that can be used and saved.
void TestAleatorio::thousandsOfRandomOperationsKeepTheBaseSound()
{
    QRandomGenerator azar(1252);
    QStringList archivos = {Ruta("a.tvo"), Ruta("b.tvo"), Ruta("falta/c.tvo")};
    for (const QString &nombre : QDir(QStringLiteral(ELTARVO_DATOS_PRUEBA "/hostiles")).entryList(QDir::Files)) {
        QVERIFY(QFile::copy(QStringLiteral(ELTARVO_DATOS_PRUEBA "/hostiles/") + nombre, Ruta(nombre)));
        archivos << Ruta(nombre);
    }
    PlataformaAlAzar plataforma(azar, guion->carpeta, archivos);
    modelo = std::make_unique<ModeloElTarvo>(plataforma);
    modelo->Form_Load();
    const QList<Caja> cajas = {Caja::Objeto1, Caja::Objeto2, Caja::Pregunta, Caja::TipoObjeto, Caja::Carac};
    bool propia = true; // every line was written by the program itself
    for (int i = 0; i < 20000; ++i) {
        const int operacion = azar.bounded(16);
        const bool guardaria = ElJuego().FaseActual() == Fase::FueraDeJuego && !modelo->Doc().EsArchivoNuevo;
        const Caja caja = cajas[azar.bounded(cajas.size())];
        switch (operacion) {
        case 0:
            modelo->Jugar();
            break;
        case 1:
        case 2:
        case 3:
            modelo->Responder(azar.bounded(2) == 0);
            break;
        case 4:
            modelo->Parar();
            break;
        case 5: {
            int codigo = azar.bounded(2) ? '"' : 'a';
            Cajas().Tecla(caja, codigo);
            Cajas().TextoEditado(caja, Cajas().Texto(caja) + QChar(codigo));
            break;
        }
        case 6:
        case 7:
            Cajas().TextoEditado(caja, TextoAlAzar(azar));
            break;
        case 8:
            Cajas().Salir(caja);
            break;
        case 9:
            Cajas().RegistroEditado(QString::number(azar.bounded(-5, 605)));
            Cajas().Validar();
            break;
        case 10:
            (Cajas().*QList<void (Edicion::*)()>{&Edicion::IrAPrimera, &Edicion::IrAAnterior, &Edicion::IrASiguiente,
                                                 &Edicion::IrAUltima}[azar.bounded(4)])();
            break;
        case 11:
            if (modelo->Doc().RutaArch.contains(QStringLiteral("Nuevo.tvo")))
                break;
            modelo->Guardar();
            break;
        case 12:
            modelo->GuardarComo();
            break;
        case 13: {
            const QString antes = modelo->Doc().RutaArch;
            modelo->Abrir();
            if (modelo->Doc().RutaArch != antes)
                propia = QFileInfo(modelo->Doc().RutaArch).fileName().size() == 5; // a.tvo, b.tvo
            break;
        }
        default:
            modelo->Nuevo();
            propia = propia || modelo->Doc().EsArchivoNuevo;
            break;
        }
        const BaseConocimiento &base = Base();
        QVERIFY(BaseConocimiento::LineaUsable(ElJuego().LineaActual()));
        QVERIFY(base.NumLineas <= BaseConocimiento::MaxLineas);
        if (propia && modelo->Doc().EsArchivoNuevo)
            QVERIFY2(base.NumLineas % 2 == 1, qPrintable(QString::number(i)));
        for (int k = 1; k <= BaseConocimiento::MaxLineas; ++k)
            QVERIFY(!base.TextoLinea[k].contains(QLatin1Char('"')));
        QVERIFY(!base.TipoObjeto.contains(QLatin1Char('"')) && !base.Caracteristicas.contains(QLatin1Char('"')));
        // A save that succeeded wrote the base as it stands, and it reads back the same.
        if (operacion == 11 && guardaria && !modelo->Doc().Modificado) {
            BaseConocimiento leida;
            LectorTvo(leida, modelo->Doc().RutaArch).LeerIgnorandoErrores();
            QCOMPARE(leida.NumLineas, base.NumLineas);
            QCOMPARE(leida.TipoObjeto, base.TipoObjeto);
            QVERIFY(leida.TextoLinea == base.TextoLinea && leida.ValorSi == base.ValorSi &&
                    leida.ValorNo == base.ValorNo);
        }
    }
}

QTEST_MAIN(TestAleatorio)
#include "tst_aleatorio.moc"
