#include "apoyo/pruebademodelo.h"
#include "apoyo/util.h"

#include <QTest>

using Respuesta = Plataforma::Respuesta;

class TestEdicion : public PruebaDeModelo
{
    Q_OBJECT
private slots:
    void typingReplacesAQuoteAndMarksSomeBoxes_data();
    void typingReplacesAQuoteAndMarksSomeBoxes();
    void leavingABoxCommitsItsText_data();
    void leavingABoxCommitsItsText();
    void aQuoteIsReportedOnceAndNothingIsStored();
    void aFileWithoutLinesStoresNoEditOfTheQuestionBox();
    void leavingCutsTheTextTo32766Characters_data();
    void leavingCutsTheTextTo32766Characters();
    void theBrowserReadsTheNumberAtTheStartOfTheBox_data();
    void theBrowserReadsTheNumberAtTheStartOfTheBox();
    void theArrowsStopAtTheEnds();

private:
    // BaseCompleta(7) opened and brought into the phase; the document counts as unchanged unless learning.
    void Poner(Fase fase)
    {
        BaseConocimiento base = BaseCompleta(7);
        base.NumLineas = fase == Fase::BaseLlena ? 599 : 7;
        Abrir(base);
        if (fase == Fase::BaseLlena)
            guion->ResponderMensaje(Respuesta::Aceptar);
        if (fase != Fase::FueraDeJuego)
            modelo->Jugar();
        for (bool si : {true, true, false})
            if (fase == Fase::Aprendiendo || fase == Fase::BaseLlena)
                modelo->Responder(si);
        QCOMPARE(ElJuego().FaseActual(), fase);
    }
    QString Almacenado(Caja caja) const
    {
        return caja == Caja::TipoObjeto ? Base().TipoObjeto
               : caja == Caja::Carac    ? Base().Caracteristicas
                                        : Base().TextoLinea[ElJuego().LineaActual()];
    }
};

void TestEdicion::typingReplacesAQuoteAndMarksSomeBoxes_data()
{
    QTest::addColumn<Caja>("caja");
    QTest::addColumn<Fase>("fase");
    QTest::addColumn<bool>("marca");
    QTest::newRow("Tipo de objeto, in play") << Caja::TipoObjeto << Fase::Jugando << true;
    QTest::newRow("Caracteristicas, in play") << Caja::Carac << Fase::Jugando << true;
    QTest::newRow("Pregunta, out of play") << Caja::Pregunta << Fase::FueraDeJuego << true;
    QTest::newRow("Pregunta, in play") << Caja::Pregunta << Fase::Jugando << false;
    QTest::newRow("Objeto 1") << Caja::Objeto1 << Fase::FueraDeJuego << false;
    QTest::newRow("Objeto 2") << Caja::Objeto2 << Fase::FueraDeJuego << false;
}

void TestEdicion::typingReplacesAQuoteAndMarksSomeBoxes()
{
    QFETCH(Caja, caja);
    QFETCH(Fase, fase);
    QFETCH(bool, marca);
    Poner(fase);
    // Ctrl+C counts although it changes nothing; a typographic quote is an ordinary character.
    QList<int> codigos = {3, '"', 0x201C};
    for (int &codigo : codigos)
        Cajas().Tecla(caja, codigo);
    QCOMPARE(codigos, (QList<int>{3, '\'', 0x201C}));
    QCOMPARE(modelo->Doc().Modificado, marca);
}

void TestEdicion::leavingABoxCommitsItsText_data()
{
    QTest::addColumn<Caja>("caja");
    QTest::addColumn<Fase>("fase");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<bool>("guarda");
    const QString nuevo = QStringLiteral("nuevo, \r\ntexto \u00A0“citado”");
    QTest::newRow("Tipo de objeto") << Caja::TipoObjeto << Fase::FueraDeJuego << nuevo << true;
    QTest::newRow("an empty Tipo de objeto") << Caja::TipoObjeto << Fase::FueraDeJuego << QString() << true;
    QTest::newRow("Caracteristicas in play") << Caja::Carac << Fase::Jugando << nuevo << true;
    QTest::newRow("Pregunta out of play") << Caja::Pregunta << Fase::FueraDeJuego << nuevo << true;
    QTest::newRow("Pregunta in play stores nothing") << Caja::Pregunta << Fase::Jugando << nuevo << false;
    QTest::newRow("Pregunta learning") << Caja::Pregunta << Fase::Aprendiendo << nuevo << true;
    QTest::newRow("Pregunta in the full hold") << Caja::Pregunta << Fase::BaseLlena << nuevo << true;
    QTest::newRow("Objeto 1 stores nothing") << Caja::Objeto1 << Fase::FueraDeJuego << nuevo << false;
    QTest::newRow("a visit that changes nothing") << Caja::Pregunta << Fase::FueraDeJuego << "línea 1" << true;
}

void TestEdicion::leavingABoxCommitsItsText()
{
    QFETCH(Caja, caja);
    QFETCH(Fase, fase);
    QFETCH(QString, texto);
    QFETCH(bool, guarda);
    Poner(fase);
    const bool modificadoAntes = modelo->Doc().Modificado;
    const QString antes = Almacenado(caja);
    Cajas().TextoEditado(caja, texto);
    QVERIFY(Cajas().Salir(caja));
    QCOMPARE(Almacenado(caja), guarda ? texto : antes);
    // Storing a text other than the one stored changes the document, however it was edited.
    QCOMPARE(modelo->Doc().Modificado, modificadoAntes || Almacenado(caja) != antes);
}

void TestEdicion::aQuoteIsReportedOnceAndNothingIsStored()
{
    Poner(Fase::FueraDeJuego);
    Cajas().TextoEditado(Caja::Carac, QStringLiteral("pegado \"con\" \"dos\" comillas"));
    guion->ResponderMensaje(Respuesta::Aceptar);
    QVERIFY(!Cajas().Salir(Caja::Carac));
    QCOMPARE(Mensajes(), QStringList{"Comillas encontradas: Quite las comillas del texto Características [Ax]"});
    QCOMPARE(Base().Caracteristicas, QStringLiteral("Características del archivo"));
    QCOMPARE(Cajas().Texto(Caja::Carac), QStringLiteral("pegado \"con\" \"dos\" comillas"));
    QVERIFY(!modelo->Doc().Modificado);
}

void TestEdicion::aFileWithoutLinesStoresNoEditOfTheQuestionBox()
{
    AbrirBytes("0,0,0,\"\"\r\n0,0,0,\"\"\r\n0,0,0,\"0\"\r\n");
    Cajas().TextoEditado(Caja::Pregunta, QStringLiteral("nada"));
    QVERIFY(Cajas().Salir(Caja::Pregunta));
    QVERIFY(Base().TextoLinea[1].isEmpty() && !modelo->Doc().Modificado);
}

void TestEdicion::leavingCutsTheTextTo32766Characters_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("guardado");
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

void TestEdicion::leavingCutsTheTextTo32766Characters()
{
    QFETCH(QString, texto);
    QFETCH(QString, guardado);
    Poner(Fase::FueraDeJuego);
    Cajas().TextoEditado(Caja::TipoObjeto, texto);
    if (guardado.isEmpty())
        guion->ResponderMensaje(Respuesta::Aceptar);
    QCOMPARE(Cajas().Salir(Caja::TipoObjeto), !guardado.isEmpty());
    QCOMPARE(Cajas().Texto(Caja::TipoObjeto), guardado.isEmpty() ? texto : guardado);
    QCOMPARE(Base().TipoObjeto, guardado.isEmpty() ? QStringLiteral("Objeto (tipo de objeto)") : guardado);
}

void TestEdicion::theBrowserReadsTheNumberAtTheStartOfTheBox_data()
{
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("linea");
    const std::pair<const char *, int> filas[] = {{"5", 5},   {"007", 7}, {"2.9", 2},   {" 4", 4},   {"4x", 4},
                                                  {"8", 3},   {"0", 3},   {"-2", 3},    {"-0.5", 3}, {"", 3},
                                                  {"abc", 3}, {"   ", 3}, {"70000", 3}, {"1e999", 3}};
    for (const auto &[texto, linea] : filas)
        QTest::addRow("\"%s\"", texto) << QString::fromLatin1(texto) << linea;
}

void TestEdicion::theBrowserReadsTheNumberAtTheStartOfTheBox()
{
    QFETCH(QString, texto);
    QFETCH(int, linea);
    Poner(Fase::FueraDeJuego);
    Cajas().RegistroEditado(QStringLiteral("3"));
    Cajas().TeclaRegistro(13);
    Cajas().TextoEditado(Caja::Pregunta, QStringLiteral("sin guardar"));
    Cajas().RegistroEditado(texto);
    Cajas().TeclaRegistro('x');
    QCOMPARE(ElJuego().FilaMostrada().registro, texto);
    Cajas().Validar();
    // A line shown comes from the base, colours and all unchanged; a rejected number only goes back.
    const QString mostrado = linea == 3 ? QStringLiteral("sin guardar") : Base().TextoLinea[linea];
    QCOMPARE(Estado(), QStringLiteral("fuera %1 %2 %3 | P O P | %4")
                           .arg(linea)
                           .arg(Base().ValorSi[linea])
                           .arg(Base().ValorNo[linea])
                           .arg(mostrado));
    QVERIFY(!modelo->Doc().Modificado);
}

void TestEdicion::theArrowsStopAtTheEnds()
{
    Poner(Fase::FueraDeJuego);
    const QList<void (Edicion::*)()> flechas = {&Edicion::IrAPrimera, &Edicion::IrAAnterior, &Edicion::IrASiguiente,
                                                &Edicion::IrAUltima};
    // From lines 1, 4 and 7: where | <, <, > and > | lead.
    const QList<QList<int>> destinos = {{1, 1, 2, 7}, {1, 3, 5, 7}, {1, 6, 7, 7}};
    for (int desde : {1, 4, 7}) {
        for (int i = 0; i < flechas.size(); ++i) {
            Cajas().RegistroEditado(QString::number(desde));
            Cajas().Validar();
            (Cajas().*flechas[i])();
            QCOMPARE(int(ElJuego().LineaActual()), destinos[desde / 3][i]);
        }
    }
    // After a game stopped at line 4, ">" shows line 5; in play the browser is off.
    modelo->Jugar();
    modelo->Responder(true);
    modelo->Responder(true);
    modelo->Parar();
    Cajas().IrASiguiente();
    QCOMPARE(ElJuego().LineaActual(), qint16(5));
    modelo->Jugar();
    Cajas().IrAUltima();
    QCOMPARE(ElJuego().LineaActual(), qint16(1));
}

QTEST_MAIN(TestEdicion)
#include "tst_edicion.moc"
