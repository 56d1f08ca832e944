#include "apoyo/pruebademodelo.h"

using Respuesta = Plataforma::Respuesta;

class TestEdicion : public PruebaDeModelo
{
    Q_OBJECT
private:
    // BaseCompleta(7) opened and brought into the phase; the full hold has 599 lines.
    void Poner(Fase fase)
    {
        BaseConocimiento base = BaseCompleta(7);
        base.NumLineas = fase == Fase::BaseLlena ? 599 : 7;
        Abrir(base);
        Pasos(QStringList{"", "jugar", "jugar;si;si;no", "r:aceptar;jugar;si;si;no"}[int(fase)]);
    }
    QString Almacenado(Caja caja) const
    {
        return caja == Caja::TipoObjeto ? Base().TipoObjeto
               : caja == Caja::Carac    ? Base().Caracteristicas
                                        : Base().TextoLinea[ElJuego().LineaActual()];
    }

private slots:
    void aQuoteIsReportedOnceAndNothingIsStored()
    {
        Poner(Fase::FueraDeJuego);
        Cajas().TextoEditado(Caja::Carac, QStringLiteral("pegado \"con\" \"dos\" comillas"));
        guion->ResponderMensaje(Respuesta::Aceptar);
        QVERIFY(!Cajas().Salir(Caja::Carac));
        QCOMPARE(guion->mostrados,
                 QStringList{"Comillas encontradas: Quite las comillas del texto Características [Ax]"});
        QCOMPARE(Base().Caracteristicas + Cajas().Texto(Caja::Carac),
                 QStringLiteral("Características del archivopegado \"con\" \"dos\" comillas"));
        QVERIFY(!modelo->Doc().Modificado);
    }

    void leavingCutsTheTextTo32766Characters_data()
    {
        Columnas<QString, QString>("texto", "guardado");
        const QString largo(32766, QLatin1Char('a'));
        const QString casi = largo.left(32765);
        QTest::newRow("40000 characters") << largo + QString(7234, QLatin1Char('b')) << largo;
        QTest::newRow("exactly 32766") << largo << largo;
        QTest::newRow("a quote at 32767 is cut away") << largo + QStringLiteral("\"") << largo;
        QTest::newRow("a quote at 32766 is found") << casi + QStringLiteral("\"") << QString();
        // A line break counts two characters; one cut in half goes as a whole.
        QTest::newRow("a line break across the limit") << casi + QStringLiteral("\r\nx") << casi;
        QTest::newRow("a lone CR at the limit stays") << casi + QStringLiteral("\rx") << casi + QStringLiteral("\r");
    }

    void leavingCutsTheTextTo32766Characters()
    {
        auto [texto, guardado] = Celdas<QString, QString>("texto", "guardado");
        Poner(Fase::FueraDeJuego);
        Cajas().TextoEditado(Caja::TipoObjeto, texto);
        if (guardado.isEmpty())
            guion->ResponderMensaje(Respuesta::Aceptar);
        QCOMPARE(Cajas().Salir(Caja::TipoObjeto), !guardado.isEmpty());
        QCOMPARE(Cajas().Texto(Caja::TipoObjeto), guardado.isEmpty() ? texto : guardado);
        QCOMPARE(Base().TipoObjeto, guardado.isEmpty() ? QStringLiteral("Objeto (tipo de objeto)") : guardado);
    }

    void theBrowserReadsTheNumberAtTheStartOfTheBox()
    {
        Poner(Fase::FueraDeJuego);
        const std::pair<const char *, int> numeros[] = {{"5", 5},   {"007", 7}, {"2.9", 2},   {" 4", 4},   {"4x", 4},
                                                        {"8", 3},   {"0", 3},   {"-2", 3},    {"-0.5", 3}, {"", 3},
                                                        {"abc", 3}, {"   ", 3}, {"70000", 3}, {"1e999", 3}};
        for (const auto &[texto, linea] : numeros) {
            Pasos(QStringLiteral("reg=3;pr=sin guardar;reg=") + QLatin1String(texto));
            // A line shown comes from the base, colours and all unchanged; a rejected number only goes back.
            const QString mostrado = linea == 3 ? QStringLiteral("sin guardar") : Base().TextoLinea[linea];
            QCOMPARE(Estado(), QStringLiteral("fuera %1 %2 %3 | P O P | %4")
                                   .arg(linea)
                                   .arg(Base().ValorSi[linea])
                                   .arg(Base().ValorNo[linea])
                                   .arg(mostrado));
        }
        // Enter validates, as leaving the box does; other keys do not.
        Cajas().RegistroEditado(QStringLiteral("6"));
        Cajas().TeclaRegistro('6');
        QCOMPARE(ElJuego().LineaActual(), qint16(3));
        Cajas().TeclaRegistro(13);
        QCOMPARE(ElJuego().LineaActual(), qint16(6));
        QVERIFY(!modelo->Doc().Modificado);
    }
};

QTEST_MAIN(TestEdicion)
#include "tst_edicion.moc"
