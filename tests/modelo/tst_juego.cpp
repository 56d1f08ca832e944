#include "apoyo/pruebademodelo.h"
#include "apoyo/util.h"

#include <QTest>

#include <functional>

using Respuesta = Plataforma::Respuesta;

class TestJuego : public PruebaDeModelo
{
    Q_OBJECT
private slots:
    void eachPhaseHasItsControls_data();
    void eachPhaseHasItsControls();
    void theFirstStepStoresTheQuestionAndBothObjects_data();
    void theFirstStepStoresTheQuestionAndBothObjects();
    void aGameWalksTheTreeWithTheColoursOfEachStep();
    void aWrongGuessLearnsAndTheParentKeepsItsLink();
    void pararEndsTheGameWhereItStands();
    void anEmptyLineOneIsAGuess_data();
    void anEmptyLineOneIsAGuess();
    void aFullBaseHoldsTheGuessUntilSi_data();
    void aFullBaseHoldsTheGuessUntilSi();
    void linksAFileBringsNeverIndexOutsideTheLines_data();
    void linksAFileBringsNeverIndexOutsideTheLines();
    void learningIsRefusedWhereItWouldDamageTheBase_data();
    void learningIsRefusedWhereItWouldDamageTheBase();
    void aQuoteInABoxStopsTheLearningStep_data();
    void aQuoteInABoxStopsTheLearningStep();
    void teachesFiveObjectsAndPlaysToEachOfThem();

private:
    QString Fila() const
    {
        const ::Fila &fila = ElJuego().FilaMostrada();
        return fila.registro + ' ' + fila.valorSi + ' ' + fila.valorNo;
    }
    // The backgrounds of Objeto 1, Objeto 2 and the question box.
    QList<Fondo> Fondos() const
    {
        return {ElJuego().FondoDe(Caja::Objeto1), ElJuego().FondoDe(Caja::Objeto2), ElJuego().FondoDe(Caja::Pregunta)};
    }
    // "Jugar", then one answer per letter: S for Si, N for No.
    void Jugar(const QString &respuestas)
    {
        modelo->Jugar();
        for (QChar respuesta : respuestas)
            modelo->Responder(respuesta == 'S');
    }
    void VerificarMensaje(const QString &texto, const QString &titulo)
    {
        QCOMPARE(guion->mensajes.size(), 1);
        QCOMPARE(guion->mensajes[0].texto, texto);
        QCOMPARE(guion->mensajes[0].titulo, titulo);
        QCOMPARE(guion->mensajes[0].botones, Plataforma::Botones::Aceptar);
        QCOMPARE(guion->mensajes[0].icono, Plataforma::Icono::Exclamacion);
    }
};

void TestJuego::eachPhaseHasItsControls_data()
{
    QTest::addColumn<Fase>("fase");
    QTest::addColumn<QList<bool>>("controles"); // Si/No, Jugar, Parar, file commands, browser
    QTest::newRow("out of play") << Fase::FueraDeJuego << QList<bool>{false, true, false, true, true};
    QTest::newRow("playing") << Fase::Jugando << QList<bool>{true, false, true, false, false};
    QTest::newRow("learning") << Fase::Aprendiendo << QList<bool>{true, false, false, false, false};
    QTest::newRow("full base held") << Fase::BaseLlena << QList<bool>{true, false, false, false, false};
}

void TestJuego::eachPhaseHasItsControls()
{
    QFETCH(Fase, fase);
    QFETCH(QList<bool>, controles);
    const Controles c = ControlesDe(fase);
    QCOMPARE((QList<bool>{c.siNo, c.jugar, c.parar, c.archivo, c.navegador}), controles);
}

void TestJuego::theFirstStepStoresTheQuestionAndBothObjects_data()
{
    QTest::addColumn<bool>("si");
    QTest::addColumn<int>("enlaceSi");
    QTest::newRow("Si") << true << 2;
    QTest::newRow("No") << false << 3;
}

void TestJuego::theFirstStepStoresTheQuestionAndBothObjects()
{
    QFETCH(bool, si);
    QFETCH(int, enlaceSi);
    QCOMPARE(ElJuego().FaseActual(), Fase::Aprendiendo);
    Ensenar(QStringLiteral("gato"), QStringLiteral("perro"), QStringLiteral("¿Ladra?\r\nMucho"), si);
    QCOMPARE(Base().NumLineas, qint16(3));
    QCOMPARE(int(Base().ValorSi[1]), enlaceSi);
    QCOMPARE(int(Base().ValorNo[1]), 5 - enlaceSi);
    QCOMPARE(Base().TextoLinea[1], QStringLiteral("¿Ladra?\r\nMucho"));
    QCOMPARE(Base().TextoLinea[2], QStringLiteral("perro"));
    QCOMPARE(Base().TextoLinea[3], QStringLiteral("gato"));
    for (int k : {2, 3})
        QVERIFY(!Base().EsPregunta(k));
    QCOMPARE(ElJuego().CuentaObjetos(), QStringLiteral("El archivo tvo contiene  2 objetos"));
    QCOMPARE(ElJuego().FaseActual(), Fase::FueraDeJuego);
    // The step changes neither the boxes, nor their colours, nor the row.
    QCOMPARE(Fondos(), (QList<Fondo>{Fondo::Otro, Fondo::Pregunta, Fondo::Pregunta}));
    QCOMPARE(Fila(), QStringLiteral("1 0 0"));
    QCOMPARE(Cajas().Texto(Caja::Objeto2), QStringLiteral("perro"));
    QVERIFY(modelo->Doc().Modificado);
}

void TestJuego::aGameWalksTheTreeWithTheColoursOfEachStep()
{
    Abrir(BaseCompleta(7));
    Cajas().TextoEditado(Caja::Objeto1, QStringLiteral("lo que pienso"));
    Jugar("");
    QCOMPARE(ElJuego().FaseActual(), Fase::Jugando);
    QCOMPARE(Fila(), QStringLiteral("1 2 3"));
    QCOMPARE(Cajas().Texto(Caja::Pregunta), QStringLiteral("línea 1"));
    QCOMPARE(Cajas().Texto(Caja::Objeto2), QString());
    QCOMPARE(Cajas().Texto(Caja::Objeto1), QStringLiteral("lo que pienso"));
    QCOMPARE(Fondos(), (QList<Fondo>{Fondo::Pregunta, Fondo::Otro, Fondo::Pregunta}));
    modelo->Responder(false);
    QCOMPARE(Fila(), QStringLiteral("3 6 7"));
    QCOMPARE(ElJuego().FondoDe(Caja::Pregunta), Fondo::Pregunta);
    modelo->Responder(true);
    QCOMPARE(Fila(), QStringLiteral("6 0 0"));
    QCOMPARE(Cajas().Texto(Caja::Pregunta), QStringLiteral("línea 6"));
    QCOMPARE(ElJuego().FondoDe(Caja::Pregunta), Fondo::Adivinado);
    modelo->Responder(true);
    QCOMPARE(ElJuego().FaseActual(), Fase::FueraDeJuego);
    QCOMPARE(Fondos(), (QList<Fondo>{Fondo::Pregunta, Fondo::Otro, Fondo::Acertado}));
    QCOMPARE(ElJuego().LineaActual(), qint16(6));
    QVERIFY(!modelo->Doc().Modificado);
}

void TestJuego::aWrongGuessLearnsAndTheParentKeepsItsLink()
{
    Abrir(BaseDeEjemplo());
    Cajas().TextoEditado(Caja::Objeto1, QStringLiteral("gato"));
    Jugar("S");
    // A change typed into the guess travels with it.
    Cajas().TextoEditado(Caja::Pregunta, QStringLiteral("Objeto uno"));
    modelo->Responder(false);
    QCOMPARE(ElJuego().FaseActual(), Fase::Aprendiendo);
    QCOMPARE(Cajas().Texto(Caja::Objeto2), QStringLiteral("Objeto uno"));
    QCOMPARE(Cajas().Texto(Caja::Pregunta), QString());
    QCOMPARE(Fondos(), (QList<Fondo>{Fondo::Otro, Fondo::Pregunta, Fondo::Pregunta}));
    QVERIFY(modelo->Doc().Modificado);
    Cajas().TextoEditado(Caja::Pregunta, QStringLiteral("¿Maúlla?"));
    modelo->Responder(false);
    QCOMPARE(Base().NumLineas, qint16(5));
    QCOMPARE(Base().ValorSi[2], qint16(5));
    QCOMPARE(Base().ValorNo[2], qint16(4));
    QCOMPARE(Base().TextoLinea[2], QStringLiteral("¿Maúlla?"));
    QCOMPARE(Base().TextoLinea[4], QStringLiteral("Objeto uno"));
    QCOMPARE(Base().TextoLinea[5], QStringLiteral("gato"));
    QCOMPARE(Base().ValorSi[1], qint16(2));
    QCOMPARE(ElJuego().CuentaObjetos(), QStringLiteral("El archivo tvo contiene  3 objetos"));
    // The row still shows the line as it was when the game reached it.
    QCOMPARE(Fila(), QStringLiteral("2 0 0"));
}

void TestJuego::pararEndsTheGameWhereItStands()
{
    Abrir(BaseCompleta(7));
    Jugar("SN");
    modelo->Parar();
    QCOMPARE(ElJuego().FaseActual(), Fase::FueraDeJuego);
    QCOMPARE(ElJuego().LineaActual(), qint16(5));
    QCOMPARE(Cajas().Texto(Caja::Pregunta), QStringLiteral("línea 5"));
    QCOMPARE(ElJuego().FondoDe(Caja::Pregunta), Fondo::Adivinado);
    // Out of play the answers do nothing.
    modelo->Responder(true);
    QCOMPARE(ElJuego().FaseActual(), Fase::FueraDeJuego);
}

void TestJuego::anEmptyLineOneIsAGuess_data()
{
    QTest::addColumn<bool>("si");
    QTest::newRow("Si confirms it") << true;
    QTest::newRow("No learns") << false;
}

void TestJuego::anEmptyLineOneIsAGuess()
{
    QFETCH(bool, si);
    AbrirBytes("0,0,0,\"a\"\r\n0,0,0,\"b\"\r\n0,0,0,\" 1\"\r\n1,0,0,\"\"\r\n");
    Jugar("");
    QCOMPARE(ElJuego().FondoDe(Caja::Pregunta), Fondo::Pregunta);
    modelo->Responder(si);
    QCOMPARE(ElJuego().FaseActual(), si ? Fase::FueraDeJuego : Fase::Aprendiendo);
    QCOMPARE(ElJuego().FondoDe(Caja::Pregunta), si ? Fondo::Acertado : Fondo::Pregunta);
    QCOMPARE(Cajas().Texto(Caja::Objeto2), QString());
}

void TestJuego::aFullBaseHoldsTheGuessUntilSi_data()
{
    QTest::addColumn<QString>("idioma");
    QTest::addColumn<QString>("numero");
    QTest::newRow("comma") << "es_ES"
                           << "299,5";
    QTest::newRow("point") << "en_US"
                           << "299.5";
}

void TestJuego::aFullBaseHoldsTheGuessUntilSi()
{
    QFETCH(QString, idioma);
    QFETCH(QString, numero);
    QLocale::setDefault(QLocale(idioma));
    // 597 lines allow one more step; it makes 599 lines and 300 objects.
    Abrir(BaseCompleta(597));
    Jugar("SSSSSSSSSN");
    QCOMPARE(ElJuego().FaseActual(), Fase::Aprendiendo);
    modelo->Responder(true);
    QCOMPARE(ElJuego().CuentaObjetos(), QStringLiteral("El archivo tvo contiene  300 objetos"));
    guion->ResponderMensaje(Respuesta::Aceptar);
    guion->ResponderMensaje(Respuesta::Aceptar);
    Jugar("SSSSSSSSSSN");
    QLocale::setDefault(QLocale::c());
    VerificarMensaje(QStringLiteral("Ya hay más de %1 objetos").arg(numero), QStringLiteral("Límite de memoria"));
    QCOMPARE(ElJuego().FaseActual(), Fase::BaseLlena);
    QCOMPARE(ElJuego().FondoDe(Caja::Pregunta), Fondo::Pregunta);
    modelo->Responder(false);
    QCOMPARE(guion->mensajes.size(), 2);
    QCOMPARE(ElJuego().FaseActual(), Fase::BaseLlena);
    modelo->Responder(true);
    QCOMPARE(ElJuego().FaseActual(), Fase::FueraDeJuego);
    QCOMPARE(ElJuego().FondoDe(Caja::Pregunta), Fondo::Acertado);
    QCOMPARE(Base().NumLineas, qint16(599));
}

void TestJuego::linksAFileBringsNeverIndexOutsideTheLines_data()
{
    QTest::addColumn<int>("enlace");
    QTest::addColumn<bool>("termina");
    QTest::newRow("0 on one side") << 0 << true;
    QTest::newRow("line 600") << 600 << true;
    QTest::newRow("a negative line") << -1 << true;
    QTest::newRow("a line above the count: an empty guess") << 599 << false;
}

void TestJuego::linksAFileBringsNeverIndexOutsideTheLines()
{
    QFETCH(int, enlace);
    QFETCH(bool, termina);
    BaseConocimiento base = BaseDeEjemplo();
    base.ValorSi[1] = static_cast<qint16>(enlace);
    Abrir(base);
    if (termina)
        guion->ResponderMensaje(Respuesta::Aceptar);
    Jugar("S");
    if (termina) {
        VerificarMensaje(
            QStringLiteral("La línea 1 lleva a la línea %1, que no existe. El juego termina aquí.").arg(enlace),
            QStringLiteral("Enlace incorrecto"));
        QCOMPARE(ElJuego().FaseActual(), Fase::FueraDeJuego);
        QCOMPARE(ElJuego().LineaActual(), qint16(1));
    } else {
        QCOMPARE(Fila(), QStringLiteral("599 0 0"));
        QCOMPARE(Cajas().Texto(Caja::Pregunta), QString());
        QCOMPARE(ElJuego().FondoDe(Caja::Pregunta), Fondo::Adivinado);
    }
}

void TestJuego::learningIsRefusedWhereItWouldDamageTheBase_data()
{
    QTest::addColumn<QByteArray>("cuenta");
    QTest::addColumn<int>("enlace");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("respuestas");
    QTest::newRow("an even count: line 600 would be needed")
        << QByteArray("598") << 2 << "El archivo tiene 598 líneas: no caben dos líneas más sin pasar de 599."
        << "SN";
    QTest::newRow("no lines") << QByteArray("0") << 2
                              << "El archivo dice tener 0 líneas: no hay dónde guardar un objeto nuevo."
                              << "N";
    QTest::newRow("a guess above the count")
        << QByteArray("3") << 9
        << "La línea 9 está fuera del archivo, que tiene 3 líneas: no se puede aprender en ella."
        << "SN";
}

void TestJuego::learningIsRefusedWhereItWouldDamageTheBase()
{
    QFETCH(QByteArray, cuenta);
    QFETCH(int, enlace);
    QFETCH(QString, texto);
    QFETCH(QString, respuestas);
    AbrirBytes("0,0,0,\"\"\r\n0,0,0,\"\"\r\n0,0,0,\"" + cuenta + "\"\r\n1," + QByteArray::number(enlace) +
               ",3,\"q\"\r\n2,0,0,\"a\"\r\n3,0,0,\"b\"\r\n");
    const BaseConocimiento antes = Base();
    guion->ResponderMensaje(Respuesta::Aceptar);
    Jugar(respuestas);
    VerificarMensaje(texto, QStringLiteral("No se puede aprender"));
    QCOMPARE(ElJuego().FaseActual(), Fase::Jugando);
    QCOMPARE(Base().NumLineas, antes.NumLineas);
    QCOMPARE(Base().TextoLinea, antes.TextoLinea);
}

void TestJuego::aQuoteInABoxStopsTheLearningStep_data()
{
    QTest::addColumn<Caja>("caja");
    QTest::addColumn<QString>("nombre");
    QTest::newRow("Objeto 1") << Caja::Objeto1 << "Objeto 1";
    QTest::newRow("Objeto 2") << Caja::Objeto2 << "Objeto 2";
    QTest::newRow("Pregunta") << Caja::Pregunta << "Pregunta";
}

void TestJuego::aQuoteInABoxStopsTheLearningStep()
{
    QFETCH(Caja, caja);
    QFETCH(QString, nombre);
    Cajas().TextoEditado(caja, QStringLiteral("con \"comillas\""));
    guion->ResponderMensaje(Respuesta::Aceptar);
    modelo->Responder(true);
    QCOMPARE(guion->mensajes[0].texto, QStringLiteral("Quite las comillas del texto ") + nombre);
    QCOMPARE(ElJuego().FaseActual(), Fase::Aprendiendo);
    QCOMPARE(Base().NumLineas, qint16(1));
}

void TestJuego::teachesFiveObjectsAndPlaysToEachOfThem()
{
    // Each object after the answers that reach the guess it is taught against.
    const QList<std::pair<QString, QString>> objetos = {
        {"gato", ""}, {"perro", ""}, {"pez", "N"}, {"loro", "NN"}, {"vaca", "S"}};
    Ensenar(QStringLiteral("gato"), QStringLiteral("perro"), QStringLiteral("¿Ladra?"), false);
    for (int i = 2; i < objetos.size(); ++i) {
        Cajas().TextoEditado(Caja::Objeto1, objetos[i].first);
        Jugar(objetos[i].second + "N");
        Cajas().TextoEditado(Caja::Pregunta, QStringLiteral("¿Es un %1?").arg(objetos[i].first));
        modelo->Responder(false);
    }
    QCOMPARE(Base().NumLineas, qint16(9));
    const std::function<bool(int, const QString &)> contiene = [&](int linea, const QString &objeto) {
        return Base().TextoLinea[linea] == objeto ||
               (Base().EsPregunta(linea) &&
                (contiene(Base().ValorSi[linea], objeto) || contiene(Base().ValorNo[linea], objeto)));
    };
    for (const auto &objeto : objetos) {
        modelo->Jugar();
        while (Base().EsPregunta(ElJuego().LineaActual()))
            modelo->Responder(contiene(Base().ValorSi[ElJuego().LineaActual()], objeto.first));
        QCOMPARE(Cajas().Texto(Caja::Pregunta), objeto.first);
        modelo->Responder(true);
    }
}

QTEST_MAIN(TestJuego)
#include "tst_juego.moc"
